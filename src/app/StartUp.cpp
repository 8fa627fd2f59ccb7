#include "app/StartUp.h"

#include "app/AppFormNames.h"
#include "app/SplashWindow.h"
#include "ui/AppContext.h"
#include "ui/Form.h"
#include "ui/FormRegistry.h"
#include "ui/Pause.h"
#include "ui/SoundPlayer.h"
#include "waris/engine/kasus/KasusFile.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace zw {

namespace {

constexpr std::chrono::milliseconds soundPreparationDelay{100};

template<std::size_t N> void create(FormRegistry& registry, const std::array<FormName, N>& names) {
    for (FormName name : names)
        registry.form(name);
}

class BusyPointer {
public:
    BusyPointer() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyPointer() { QGuiApplication::restoreOverrideCursor(); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};

} // namespace

void runMain(AppContext& context) {
    FormRegistry& registry = context.forms;
    {
        auto& splash = registry.get<SplashWindow>(forms::Splash);
        const BusyPointer busy;
        splash.show();
        splash.repaint();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);

        // Forms read and write each other's controls, so all of them exist before any is used.
        create(registry, forms::startUpFirst);
        splash.setProgress(u"Wait a minute, please...."_s);
        create(registry, forms::startUpSecond);
        pauseShowingWindows(context.startUpPause);
        splash.setProgress(u"Completed...."_s);
        create(registry, forms::startUpLast);
    }
    registry.close(forms::Splash);
    registry.form(forms::Awal).show();
    // The password window plays the first sound; readying them waits until it is on the screen.
    QTimer::singleShot(soundPreparationDelay, &registry, [&context] { context.sounds.prepare(); });
    registry.form(forms::Sandi).exec();
}

QString caseFileArgument(const QStringList& arguments) {
    for (const QString& argument : arguments.mid(1)) {
        if (argument.endsWith(u'.' % waris::KasusSuffix, Qt::CaseInsensitive))
            return argument;
    }
    return {};
}

} // namespace zw
