#include "app/ClosingWindow.h"

#include "app/AppFormNames.h"
#include "ui/AppContext.h"
#include "ui/FormRegistry.h"
#include "ui/Pause.h"
#include "ui/WindowStyle.h"

#include <QFrame>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace zw {

ClosingWindow::ClosingWindow(AppContext& context)
    : Form(context) {
    auto* frame = new QFrame(this);
    frame->setObjectName(u"Frame1"_s);
    frame->setFrameShape(QFrame::Box);

    QLabel* picture = makePicture(u"Picture1"_s, u"closing.png"_s, frame);
    auto* captions = new QVBoxLayout(picture);
    captions->setContentsMargins(12, 14, 12, 14);
    const QFont font = preferredFont({u"Comic Sans MS"_s, u"Comic Neue"_s}, 12, true);
    const char16_t* const lines[][2] = {
        {u"Label1", u"Wassalamualaikum Warahmatullahi Wabarakatuh...."},
        {u"Label2", u"..... Jazzakumullah Khairan Katsiraa ....."},
    };
    for (const auto& line : lines) {
        auto* label = new QLabel(QString::fromUtf16(line[1]), picture);
        label->setObjectName(QString::fromUtf16(line[0]));
        label->setFont(font);
        label->setAlignment(Qt::AlignCenter);
        label->setStyleSheet(u"color: white; background: transparent;"_s);
        captions->addWidget(label);
        if (captions->count() == 1)
            captions->addStretch();
    }

    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->setContentsMargins(4, 4, 4, 4);
    frameLayout->addWidget(picture);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(frame);
    makeFixedUntitled(*this);
}

void ClosingWindow::activate() {
    if (m_ending)
        return;
    m_ending = true;
    for (FormName result : forms::closingHidesAtOnce) {
        if (context().forms.exists(result))
            context().forms.form(result).hide();
    }
    // The pause runs once the window is really on the screen, after this show has finished.
    QTimer::singleShot(0, this, &ClosingWindow::finish);
}

void ClosingWindow::finish() {
    pauseShowingWindows(context().closingPause);
    // This window closes itself too; the registry deletes it later, so what follows only uses
    // the context, which outlives every form.
    AppContext& app = context();
    for (FormName name : forms::closingOrder)
        app.forms.close(name);
    app.endProgram();
}

} // namespace zw
