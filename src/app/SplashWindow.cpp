#include "app/SplashWindow.h"

#include "ui/WindowStyle.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace zw {

namespace {

QStringList arial() {
    return {u"Arial"_s, u"Liberation Sans"_s, u"Nimbus Sans"_s};
}

} // namespace

SplashWindow::SplashWindow(AppContext& context)
    : Form(context) {
    auto* frame = new QFrame(this);
    frame->setObjectName(u"Frame1"_s);
    frame->setFrameShape(QFrame::Box);

    struct Line {
        const char16_t* name;
        const char16_t* text;
        int pointSize;
        bool bold;
    };
    const Line lines[] = {
        {u"lblCompanyProduct", u"Aplikasi Penghitungan", 14, true},
        {u"lblProductName", u"Zakat & Harta Waris", 20, true},
        {u"lblVersion", u"Version 1.0", 10, true},
        {u"lblPlatform", u"For Windows 95/98/NT", 10, true},
        {u"lblCopyright", u"Hak Cipta \u00a9 2026 Pengembang Zakat & Waris", 8, false},
    };
    auto* text = new QVBoxLayout;
    for (const Line& line : lines) {
        auto* label = new QLabel(QString::fromUtf16(line.text), frame);
        label->setObjectName(QString::fromUtf16(line.name));
        label->setFont(preferredFont(arial(), line.pointSize, line.bold));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        text->addWidget(label);
    }

    m_progress = new QLabel(u"Loading files needed...."_s, frame);
    m_progress->setObjectName(u"Label1"_s);
    m_progress->setFont(preferredFont({u"Calligraph421 BT"_s, u"URW Chancery L"_s, u"Z003"_s}, 16));

    auto* grid = new QGridLayout(frame);
    grid->setContentsMargins(18, 18, 18, 14);
    grid->setHorizontalSpacing(24);
    grid->addWidget(makePicture(u"imgLogo"_s, u"logo.png"_s, frame), 0, 0, Qt::AlignTop);
    grid->addLayout(text, 0, 1);
    grid->addWidget(m_progress, 1, 0, 1, 2);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(frame);
    makeFixedUntitled(*this);
}

void SplashWindow::setProgress(const QString& caption) {
    m_progress->setText(caption);
    m_progress->repaint();
}

} // namespace zw
