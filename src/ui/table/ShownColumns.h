#pragma once

#include <QObject>

#include <memory>

class QMenu;
class QTableView;

namespace mobwright {

struct Column;
class EnemyTableModel;
class Settings;

// Which columns the table's two views show: the frozen one the Enemy and Name
// columns, the other the rest but those the user hid through a header's menu.
// Those are remembered in the settings from one run to the next; until the
// user hides or shows any, the bytes whose meaning nobody knows are hidden.
// Each column the user may hide has a ticked entry in the headers' menu.
class ShownColumns : public QObject
{
    Q_OBJECT

public:
    ShownColumns(QTableView &frozen, QTableView &table, const EnemyTableModel &model,
                 std::shared_ptr<Settings> settings, QObject *parent);

    static bool isFrozen(const Column &column);
    // An entry per column to show or hide, into menu.
    void addEntries(QMenu &menu);

signals:
    // A column the user showed again, to be sized to its cells.
    void columnShown(int section);

private:
    void setShown(int section, bool shown);
    void save() const;

    QTableView &table_;
    const EnemyTableModel &model_;
    std::shared_ptr<Settings> settings_;
};

} // namespace mobwright
