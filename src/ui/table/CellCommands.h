#pragma once

#include "Prompter.h"

#include <QObject>

#include <vector>

namespace mobwright {

class EnemyTableModel;
class ImageSession;

// What the table does to the cells selected, each one step of pending edits,
// or nothing and a refusal that names each cell that does not take it.
class CellCommands : public QObject
{
    Q_OBJECT

public:
    CellCommands(ImageSession &session, const EnemyTableModel &model, QObject *parent);

    // Each selected column takes the value of its first selected cell.
    void fillDown(const std::vector<TableCell> &selected);
    void adjust(const std::vector<TableCell> &selected, const Adjustment &adjustment);
    // What Adjust shows of the number cells among selected as the user types.
    AdjustQuestion adjustQuestion(const std::vector<TableCell> &selected) const;
    // The cells' pending edits are dropped.
    void revert(const std::vector<TableCell> &selected);
    // The cells take the baseline's bytes, as pending edits.
    void revertToBaseline(const std::vector<TableCell> &selected);
    // Makes the edits of cells one step named what, or says which cells refuse them.
    void edit(const std::vector<CellEdit> &texts, const QString &what, const QString &whenRefused);

signals:
    // Edits of many cells that were not taken, and why.
    void refused(const QString &message);

private:
    void refuse(const QString &what, const std::vector<Refusal> &refusals);

    ImageSession &session_;
    const EnemyTableModel &model_;
};

} // namespace mobwright
