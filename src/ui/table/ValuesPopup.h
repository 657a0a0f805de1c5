#pragma once

#include "ColumnValues.h"

#include <QFrame>

#include <vector>

class QListWidget;

namespace mobwright {

// A column's drop-down of its values, as a spreadsheet's filter offers it:
// each value the column shows with the number of rows showing it, to tick;
// "Filter" keeps the rows showing a value ticked (none ticked: every row).
// It sorts by the column too.
class ValuesPopup : public QFrame
{
    Q_OBJECT

public:
    ValuesPopup(const std::vector<DistinctValue> &values, const QStringList &ticked,
                QWidget *parent);

    // Opens under where, a point on the screen.
    void popUp(const QPoint &where);

signals:
    void valuesChosen(const QStringList &texts);
    void sortRequested(Qt::SortOrder order);

protected:
    bool eventFilter(QObject *object, QEvent *event) override;

private:
    void choose();
    void tickAll(bool ticked);

    QListWidget *list_;
};

} // namespace mobwright
