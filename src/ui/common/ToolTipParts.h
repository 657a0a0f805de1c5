#pragma once

#include <QString>

class QWidget;

namespace mobwright {

// Sets a widget's tooltip part of the given name, as a line after what the
// tooltip said before, or before it when it comes first; an empty tip takes
// the part off again. A widget may carry a tooltip of its own, such as a
// field's help, which stays.
void SetTipPart(QWidget *widget, const char *part, const QString &tip, bool first = false);

} // namespace mobwright
