#pragma once

#include "RecordDifferences.h"

#include <QTimer>
#include <QWidget>

#include <functional>

class QLabel;
class QTableView;

namespace mobwright {

class DifferenceRows;
class ImageSession;
class Prompter;
struct TextTable;

// "View › Differences": every field and unnamed byte in which the enemies,
// with their pending edits, differ from the baseline, in a window of its
// own kept up to date while shown. The list can be copied as tab-separated
// text and saved as CSV; choosing a row (double-click or Enter) asks for
// that enemy and field.
class DifferencesView : public QWidget
{
    Q_OBJECT

public:
    DifferencesView(ImageSession &session, Prompter &prompter, QWidget *parent = nullptr);

    // The rows, or the selected ones, as a table: header and cells.
    TextTable table(bool selectedOnly) const;
    // "Save as CSV…" once a file is chosen; false after telling why it failed.
    bool saveCsvTo(const QString &path);

signals:
    void differenceChosen(const RecordDifference &difference);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void refresh();
    void copy(bool selectedOnly);
    void saveCsv();

    ImageSession &session_;
    Prompter &prompter_;
    DifferenceRows *rows_;
    QTableView *table_;
    QLabel *summary_;
    QTimer refresh_; // gathers the changes of one event into one refresh
};

} // namespace mobwright
