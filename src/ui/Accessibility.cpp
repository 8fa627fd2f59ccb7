#include "ui/Accessibility.h"

#include <QAbstractButton>
#include <QWidget>

namespace zw {

QString captionWithoutAccessKeys(const QString& caption) {
    QString text;
    text.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && ++i == caption.size())
            break;
        text.append(caption[i]);
    }
    return text;
}

void nameButtonsAfterCaptions(QWidget& window) {
    const QList<QAbstractButton*> buttons = window.findChildren<QAbstractButton*>();
    for (QAbstractButton* button : buttons) {
        const QString name = captionWithoutAccessKeys(button->text());
        // Setting a name announces a change, so only a changed caption renames.
        if (button->accessibleName() != name)
            button->setAccessibleName(name);
    }
}

} // namespace zw
