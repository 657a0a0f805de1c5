#pragma once

#include "WindowParts.h"

#include <QWidget>

class QComboBox;

namespace mobwright {

class ChartCanvas;
class TableActions;
struct Column;

// "View › Chart": the enemies, or the table's filtered rows, as points of
// one number column against another or against the enemy's number, coloured
// by a list column, in a window of its own. It follows every edit, write
// and filter at once. A point clicked is selected in the table and shown
// in the form; a rectangle dragged selects its points' rows in the table.
class ChartView : public QWidget
{
    Q_OBJECT

public:
    ChartView(const WindowParts &parts, TableActions &table, QWidget *parent = nullptr);

    ChartCanvas &canvas() { return *canvas_; }
    // "Save Chart As…" once a file is chosen: PNG or SVG by its extension.
    void saveTo(const QString &path);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildControls();
    void replot();
    void replotIfShown();
    void chooseFile();
    QByteArray image(bool svg);
    const Column *column(const QComboBox *box) const;

    WindowParts parts_;
    TableActions &table_;
    ChartCanvas *canvas_;
    QComboBox *rows_;
    QComboBox *x_;
    QComboBox *y_;
    QComboBox *colour_;
    bool stale_ = true; // something it shows changed while it was hidden
};

} // namespace mobwright
