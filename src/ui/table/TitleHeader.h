#pragma once

#include <QHeaderView>

namespace mobwright {

// The enemy table's header of column titles. Every title is one line in
// one font, so the header is as tall as any one title needs: measuring
// each, as a header does by default, cost as much as painting the table.
// A click on a title selects its column; it does not sort.
class TitleHeader : public QHeaderView
{
    Q_OBJECT

public:
    explicit TitleHeader(QWidget *parent = nullptr);

    QSize sizeHint() const override;

protected:
    // A click selects; the arrow stays with the column sorted by.
    void mouseReleaseEvent(QMouseEvent *event) override;
};

} // namespace mobwright
