#include "ui/WindowStyle.h"

#include <QDialog>
#include <QEvent>
#include <QFontDatabase>
#include <QImageReader>
#include <QLabel>
#include <QLayout>
#include <QPixmap>

using namespace Qt::StringLiterals;

namespace zw {

namespace {

// Decodes a label's picture when the label is first shown: Qt polishes every window soon after
// it is created, but windows made at start and not yet on the screen need no decoded pictures.
// The size comes from the file's header, so the window is laid out as with the picture.
class PictureOnShow final : public QObject {
public:
    PictureOnShow(QLabel& label, const QString& path)
        : QObject(&label)
        , m_reader(path, "png") {
        // A named format without probing: otherwise every image plugin is loaded to be asked.
        m_reader.setAutoDetectImageFormat(false);
        label.setMinimumSize(m_reader.size());
        label.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            static_cast<QLabel*>(watched)->setPixmap(QPixmap::fromImage(m_reader.read()));
            watched->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }

private:
    QImageReader m_reader;
};

} // namespace

void makeFixedUntitled(QDialog& dialog) {
    dialog.setWindowTitle(QString());
    dialog.setSizeGripEnabled(false);
    if (QLayout* layout = dialog.layout())
        layout->setSizeConstraint(QLayout::SetFixedSize);
}

QFont preferredFont(const QStringList& families, int pointSize, bool bold) {
    QFont font;
    // Only installed families: fontconfig would replace a missing one by some unrelated
    // decorative font, where the platform's interface font reads better. Listed once: the list
    // holds every family on the system and most windows ask.
    static const QStringList installed = QFontDatabase::families();
    for (const QString& family : families) {
        if (installed.contains(family, Qt::CaseInsensitive)) {
            font.setFamily(family);
            break;
        }
    }
    font.setPointSize(pointSize);
    font.setBold(bold);
    return font;
}

QLabel* makePicture(const QString& objectName, const QString& file, QWidget* parent) {
    auto* picture = new QLabel(parent);
    picture->setObjectName(objectName);
    new PictureOnShow(*picture, u":/pictures/"_s + file);
    picture->setAlignment(Qt::AlignCenter);
    return picture;
}

} // namespace zw
