#pragma once

#include "ActionKinds.h"
#include "EnemyLayout.h"

#include <QObject>
#include <QStringListModel>

#include <map>

namespace mobwright {

// The entries of every drop-down list, built once and shared: lists that
// show the same entries show the same model, so filling a list is a swap
// of models rather than a copy of entries.
class ListModels : public QObject
{
public:
    explicit ListModels(QObject *parent = nullptr);

    // The fixed entries of a list field; null for the argument lists.
    QStringListModel *fixed(Field field) const;
    // The enemy pickers' entries, filled when an image is opened.
    QStringListModel *enemies() const { return enemies_; }
    // The hidden PSI label list.
    QStringListModel *psiLabels() const { return psiLabels_; }
    // What an argument list offers for an action of this kind.
    QStringListModel *arguments(ActionKind kind) const;
    // What it offers for an action it does not know: nothing.
    QStringListModel *noArguments() const { return noArguments_; }

private:
    QStringListModel *makeModel(QStringList entries);

    std::map<Field, QStringListModel *> fixed_;
    QStringListModel *enemies_;
    QStringListModel *psiLabels_;
    std::map<ActionKind, QStringListModel *> arguments_;
    QStringListModel *noArguments_;
};

} // namespace mobwright
