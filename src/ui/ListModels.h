#pragma once

#include "ActionKinds.h"
#include "EnemyLayout.h"

#include <QObject>
#include <QStringListModel>

#include <map>

namespace mobwright {

// The entries of every drop-down list, built once and shared: lists that
// show the same entries show the same model, and the entries an argument
// list takes are shared lists, so filling one copies no entry.
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
    QStringList arguments(ActionKind kind) const;

private:
    QStringListModel *makeModel(QStringList entries);

    std::map<Field, QStringListModel *> fixed_;
    QStringListModel *enemies_;
    QStringListModel *psiLabels_;
    std::map<ActionKind, QStringList> arguments_;
};

} // namespace mobwright
