#pragma once

#include "TableCells.h"
#include "TableEdits.h"

#include <QAbstractTableModel>

#include <optional>
#include <vector>

namespace mobwright {

class ImageSession;

// The session's enemy table, a row per enemy and a column per field and per
// byte no field covers, with the pending edits in. Every cell but the
// enemy's number edits as the form does; edited cells are marked.
class EnemyTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    // The role that sorts: numbers as numbers, text as text.
    static constexpr int SortRole = Qt::UserRole;
    // Whether a cell differs from the baseline's.
    static constexpr int DiffersRole = Qt::UserRole + 1;

    // Cells that are as in the baseline show nothing, so that the
    // differences stand out.
    void showOnlyDifferingCells(bool only);

    explicit EnemyTableModel(ImageSession &session, QObject *parent = nullptr);

    const Column &columnAt(int section) const { return *columns_[static_cast<std::size_t>(section)]; }
    int sectionOf(const Column &column) const;
    TableCell cellAt(const QModelIndex &index) const;
    // The records as shown, with their pending edits, and the picker labels.
    const EnemyTable &table() const { return table_; }

    // Why a cell would refuse text, or nothing when it takes it.
    std::optional<Refusal> refusalFor(const QModelIndex &index, const QString &text) const;
    // The long list's entry a cell shows, if it shows one.
    std::optional<ListEntry> longListAt(const QModelIndex &index) const;
    // A list cell's entries: each one's text and stored value.
    std::vector<std::pair<QString, int>> choices(const QModelIndex &index) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;

private:
    void showAll();
    void showRows(const QList<int> &rows);
    QVariant cellData(const QModelIndex &index, int role) const;
    bool differs(const QModelIndex &index) const;
    const QString &displayText(int row, int column) const;

    ImageSession &session_;
    std::vector<const Column *> columns_;
    EnemyTable table_;
    // Cells' texts, worked out when first asked for, row by row.
    mutable std::vector<std::optional<QString>> texts_;
    bool onlyDiffering_ = false;
};

} // namespace mobwright
