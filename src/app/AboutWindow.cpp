#include "app/AboutWindow.h"

#include "ui/AppContext.h"
#include "ui/Navigation.h"
#include "ui/WindowStyle.h"

#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace zw {

AboutWindow::AboutWindow(AppContext& context)
    : Form(context) {
    setFont(preferredFont({u"Comic Sans MS"_s, u"Comic Neue"_s}, 10));

    auto* frame = new QGroupBox(u"     C l i c k   M e  ....!      "_s, this);
    frame->setObjectName(u"Frame1"_s);
    frame->setAlignment(Qt::AlignHCenter);
    frame->installEventFilter(this);

    QLabel* picture = makePicture(u"Picture1"_s, u"about.png"_s, frame);
    picture->setToolTip(u"     C l i c k   M e .....!       "_s);
    picture->setCursor(Qt::PointingHandCursor);
    picture->installEventFilter(this);

    auto* column = new QVBoxLayout(frame);
    column->setContentsMargins(20, 16, 20, 16);
    column->setSpacing(6);
    column->addWidget(picture);
    column->addSpacing(8);
    const char16_t* const lines[][2] = {
        {u"Label1", u"Dibuat oleh Tim Pengembang Zakat & Waris"},
        {u"Label2", u"Hak Cipta \u00a9 2026. Seluruh hak dilindungi."},
        {u"Label3", u"Mohon laporkan kesalahan program melalui pelacak isu proyek ini."},
    };
    for (const auto& line : lines) {
        auto* label = new QLabel(QString::fromUtf16(line[1]), frame);
        label->setObjectName(QString::fromUtf16(line[0]));
        label->setAlignment(Qt::AlignCenter);
        column->addWidget(label);
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(frame);
    makeFixedUntitled(*this);
}

bool AboutWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        backToMenu();
        return true;
    }
    return Form::eventFilter(watched, event);
}

void AboutWindow::closeRequested() {
    backToMenu();
}

void AboutWindow::backToMenu() {
    context().navigation.toMainMenu();
    hide();
}

} // namespace zw
