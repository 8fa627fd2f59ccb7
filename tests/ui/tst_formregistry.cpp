// A lookup in the form registry that cannot be served ends the program with a message naming the
// form, in release builds too, instead of handing out a null form. Each case runs in a child
// process of this test.
#include "TestApp.h"
#include "app/AboutWindow.h"
#include "app/AppFormNames.h"

#include <QProcess>
#include <QTest>

#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

constexpr const char* CaseVariable = "ZW_REGISTRY_CASE";

void runCase(const QByteArray& name) {
    zw::test::TestApp app;
    if (name == "unregistered")
        app.registry.form(zw::FormName(u"Form99"));
    else if (name == "wrong class")
        app.registry.get<zw::AboutWindow>(zw::forms::Awal);
}

} // namespace

class FormRegistryTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void lookupThatCannotBeServedEndsTheProgram_data();
    void lookupThatCannotBeServedEndsTheProgram();
};

void FormRegistryTest::lookupThatCannotBeServedEndsTheProgram_data() {
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QString>("message");
    QTest::newRow("a name nobody registered")
        << QByteArray("unregistered") << u"FormRegistry: no form Form99 is registered"_s;
    QTest::newRow("a form of another class")
        << QByteArray("wrong class") << u"FormRegistry: form Awal is not a zw::AboutWindow"_s;
}

void FormRegistryTest::lookupThatCannotBeServedEndsTheProgram() {
    QFETCH(QByteArray, name);
    QFETCH(QString, message);
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(CaseVariable), QString::fromLatin1(name));
    environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY(child.waitForFinished(60000));
    QCOMPARE(child.exitStatus(), QProcess::CrashExit);
    QVERIFY2(QString::fromUtf8(child.readAllStandardError()).contains(message),
             qPrintable(message));
}

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (const QByteArray name = qgetenv(CaseVariable); !name.isEmpty()) {
        runCase(name);
        return EXIT_SUCCESS;
    }
    FormRegistryTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_formregistry.moc"
