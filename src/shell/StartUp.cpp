#include "shell/StartUp.h"

#include "shell/AppContext.h"
#include "shell/Form.h"
#include "shell/FormRegistry.h"
#include "shell/Pause.h"
#include "shell/SoundPlayer.h"
#include "shell/SplashWindow.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace zw {

namespace {

constexpr std::chrono::milliseconds soundPreparationDelay{100};

void create(FormRegistry& forms, std::initializer_list<const char16_t*> names) {
    for (const char16_t* name : names)
        forms.form(QString::fromUtf16(name));
}

class BusyPointer {
public:
    BusyPointer() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyPointer() { QGuiApplication::restoreOverrideCursor(); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};

} // namespace

void runMain(AppContext& context, std::chrono::milliseconds pause) {
    FormRegistry& forms = context.forms;
    {
        auto& splash = forms.get<SplashWindow>(u"Splash"_s);
        const BusyPointer busy;
        splash.show();
        splash.repaint();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);

        // Forms read and write each other's controls, so all of them exist before any is used.
        create(forms, {u"Ahli_Waris", u"Akhir", u"Bantuan", u"Berapa"});
        splash.setProgress(u"Wait a minute, please...."_s);
        create(forms, {u"Data", u"Detail", u"Form2", u"Form4", u"Form5", u"Form6", u"Form7",
                       u"Form8", u"Awal"});
        pauseShowingWindows(pause);
        splash.setProgress(u"Completed...."_s);
        create(forms, {u"Hasil", u"Programmer", u"Sandi"});
    }
    forms.close(u"Splash"_s);
    forms.form(u"Awal"_s).show();
    // The password window plays the first sound; readying them waits until it is on the screen.
    QTimer::singleShot(soundPreparationDelay, &forms, [&context] { context.sounds.prepare(); });
    forms.form(u"Sandi"_s).exec();
}

} // namespace zw
