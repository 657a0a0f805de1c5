#include "TitleHeader.h"

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

} // namespace mobwright
