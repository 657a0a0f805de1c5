#pragma once

#include "WindowParts.h"

#include <QObject>

class QAction;
class QMenu;

namespace mobwright {

class EnemyEditor;
class RecordBytesView;
class TableActions;

// The window's views of what the numbers are: View › Record Bytes and
// View › Chart, each in a window of its own that keeps its size and place.
class ViewActions : public QObject
{
    Q_OBJECT

public:
    ViewActions(const WindowParts &parts, EnemyEditor &editor, TableActions &table);

    void addViewEntries(QMenu *view);
    // The views go while the session they show lives.
    void closeViews();

protected:
    bool eventFilter(QObject *object, QEvent *event) override;

private:
    void showBytes();
    void showChart();
    // Shown in front, where it was left last time.
    void bringUp(QWidget &view);
    void showState();

    WindowParts parts_;
    EnemyEditor &editor_;
    TableActions &table_;
    QAction *bytes_;
    QAction *chart_;
    RecordBytesView *bytesView_ = nullptr;
    QWidget *chartView_ = nullptr;
};

} // namespace mobwright
