#include "TitleHeader.h"

#include <QSignalBlocker>

namespace mobwright {

TitleHeader::TitleHeader(QWidget *parent)
    : QHeaderView(Qt::Horizontal, parent)
{
    // As a table view's own header.
    setSectionsClickable(true);
    setHighlightSections(true);
}

QSize TitleHeader::sizeHint() const
{
    return count() == 0 ? QHeaderView::sizeHint() : sectionSizeFromContents(0);
}

void TitleHeader::mouseReleaseEvent(QMouseEvent *event)
{
    const int sorted = sortIndicatorSection();
    const Qt::SortOrder order = sortIndicatorOrder();
    {
        // The header turns its arrow at each click, telling of a sort that never came.
        const QSignalBlocker quiet(this);
        QHeaderView::mouseReleaseEvent(event);
        setSortIndicator(sorted, order);
    }
}

} // namespace mobwright
