#include "SizedComboBox.h"

#include <QEvent>
#include <QStyleOptionComboBox>

#include <cmath>

namespace mobwright {

QSize SizedComboBox::sizeHint() const
{
    return minimumContentsLength() > 0 ? contentsLengthHint() : QComboBox::sizeHint();
}

QSize SizedComboBox::minimumSizeHint() const
{
    return minimumContentsLength() > 0 ? contentsLengthHint() : QComboBox::minimumSizeHint();
}

void SizedComboBox::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        hint_ = QSize();
    QComboBox::changeEvent(event);
}

// The room Qt gives: that many X, an icon with a gap of 4, a line of text
// at least 14 high, all within the style's frame and arrow.
QSize SizedComboBox::contentsLengthHint() const
{
    if (hint_.isValid())
        return hint_;
    const QFontMetrics metrics = fontMetrics();
    const QSize contents(minimumContentsLength() * metrics.horizontalAdvance(u'X') + iconSize().width() + 4,
                         std::max(std::max(static_cast<int>(std::ceil(QFontMetricsF(font()).height())), 14) + 2,
                                  iconSize().height() + 2));
    QStyleOptionComboBox option;
    initStyleOption(&option);
    hint_ = style()->sizeFromContents(QStyle::CT_ComboBox, &option, contents, this);
    return hint_;
}

} // namespace mobwright
