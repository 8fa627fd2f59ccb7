#include "Monkey.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

int fromEnvironment(const char* name, int fallback) {
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

// Warnings of the keyboard simulation when a key goes to a widget that ignores it (a read-only
// field, a label) are what a user's ignored key press is; they are counted, not shown.
QtMessageHandler previousHandler = nullptr;
int ignoredKeys = 0;

void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && message == u"Keyboard event not accepted by receiving widget") {
        ++ignoredKeys;
        return;
    }
    // The offscreen platform's notes on window hints it does not carry out.
    if (type == QtWarningMsg && message.startsWith(u"This plugin does not support"))
        return;
    previousHandler(type, context, message);
}

} // namespace

class MonkeyTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void randomUserActionsKeepTheProgramWholeAndResponsive();
};

void MonkeyTest::randomUserActionsKeepTheProgramWholeAndResponsive() {
    zw::test::Monkey::Settings settings;
    settings.seed = quint32(fromEnvironment("ZW_MONKEY_SEED", 20260307));
    settings.actions = fromEnvironment("ZW_MONKEY_ACTIONS", 10000);
    settings.hangLimit = std::chrono::seconds(fromEnvironment("ZW_MONKEY_HANG_SECONDS", 30));
    settings.actionLimit = std::chrono::seconds(fromEnvironment("ZW_MONKEY_ACTION_SECONDS", 5));
    settings.trace = qEnvironmentVariableIsSet("ZW_MONKEY_TRACE");

    previousHandler = qInstallMessageHandler(quietHandler);
    zw::test::Monkey monkey(settings);
    const QString failure = monkey.run();
    qInstallMessageHandler(previousHandler);

    qInfo().noquote() << monkey.summary() << u"\n  key presses ignored by their widget: "_s
                      << ignoredKeys;
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
}

QTEST_MAIN(MonkeyTest)
#include "tst_monkey.moc"
