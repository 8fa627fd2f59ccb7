#pragma once

#include <QString>

class QWidget;

namespace zw {

// A caption as assistive technology reads it: the access-key marks dropped, "&&" read as "&".
QString captionWithoutAccessKeys(const QString& caption);

// Names every button, check box and option button of the window after its caption.
void nameButtonsAfterCaptions(QWidget& window);

} // namespace zw
