#pragma once

#include "RowFilter.h"
#include "SavedFilters.h"

#include <QHash>
#include <QWidget>

#include <memory>

class QLineEdit;
class QMenu;

namespace mobwright {

class EnemyTableModel;
class Prompter;
class Settings;

// The table's filter: a line of terms, framed in red with the reason in its
// tooltip while it cannot be read, and a menu of the filters the user saved
// under names of their own, remembered from one run to the next.
class FilterBar : public QWidget
{
    Q_OBJECT

public:
    FilterBar(const EnemyTableModel &model, std::shared_ptr<Settings> settings, Prompter &prompter,
              QWidget *parent = nullptr);

    QLineEdit &field() { return *field_; }
    // Keeps the rows whose cell of column shows one of texts, by a term in
    // place of the one put there for the column before; no texts, no term.
    void putValues(const Column &column, const QStringList &texts);
    // The texts last put for column.
    QStringList valuesPut(const Column &column) const { return ticked_.value(column.name); }

signals:
    void filterChanged(const RowFilter &filter);
    // Why the filter cannot be read; empty once it can.
    void refusalChanged(const QString &reason);

private:
    void read(const QString &text);
    void fillSavedMenu(QMenu &menu);
    void saveFilter();
    void storeSaved();

    const EnemyTableModel &model_;
    std::shared_ptr<Settings> settings_;
    Prompter &prompter_;
    QLineEdit *field_;
    SavedFilters saved_;
    // The term put in for each column's key, and the values it keeps.
    QHash<QString, QString> terms_;
    QHash<QString, QStringList> ticked_;
};

} // namespace mobwright
