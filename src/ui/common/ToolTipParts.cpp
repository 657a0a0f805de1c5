#include "ToolTipParts.h"

#include <QVariant>
#include <QWidget>

namespace mobwright {

// The part is kept in a property of its name, so that it can be found again;
// a tooltip set afresh since has lost it.
void SetTipPart(QWidget *widget, const char *part, const QString &tip, bool first)
{
    const QString before = widget->property(part).toString();
    if (before.isEmpty() && tip.isEmpty())
        return; // as most are, with nothing to say: setting a tooltip costs an event
    QString text = widget->toolTip();
    qsizetype at = before.isEmpty() ? -1 : text.lastIndexOf(before);
    if (at >= 0) {
        qsizetype count = before.size();
        if (at > 0 && text[at - 1] == u'\n')
            ++count, --at;
        else if (at + count < text.size() && text[at + count] == u'\n')
            ++count;
        text.remove(at, count);
    }
    widget->setProperty(part, tip);
    if (tip.isEmpty() || text.isEmpty())
        widget->setToolTip(text + tip);
    else
        widget->setToolTip(first ? tip + u'\n' + text : text + u'\n' + tip);
}

} // namespace mobwright
