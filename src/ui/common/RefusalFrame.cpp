#include "RefusalFrame.h"

#include <QColor>
#include <QLineEdit>
#include <QPalette>

namespace mobwright {

QColor RefusalColour(const QPalette &palette)
{
    const bool darkBase = palette.color(QPalette::Base).lightness() < 128;
    return QColor::fromHsl(0, 255, darkBase ? 178 : 100);
}

void FrameAsRefused(QLineEdit &field, bool refused)
{
    field.setStyleSheet(refused ? QStringLiteral("QLineEdit { border: 2px solid %1; }")
                                      .arg(RefusalColour(field.palette()).name())
                                : QString());
}

} // namespace mobwright
