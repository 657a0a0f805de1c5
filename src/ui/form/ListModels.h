#pragma once

#include "ActionKinds.h"
#include "EnemyLayout.h"
#include "LabelForms.h"

#include <QObject>
#include <QStringListModel>

#include <map>
#include <vector>

namespace mobwright {

class ImageSession;
class ListLabels;

// The entries of every drop-down list, built once and shared: lists that
// show the same entries show the same model, and the entries an argument
// list takes are shared lists, so filling one copies no entry. They follow
// the session's labels.
class ListModels : public QObject
{
    Q_OBJECT

public:
    explicit ListModels(const ImageSession &session, QObject *parent = nullptr);

    // The fixed entries of a list field; null for the argument lists.
    QStringListModel *fixed(Field field) const;
    // The enemy pickers' entries, filled when an image is opened.
    QStringListModel *enemies() const { return enemies_; }
    // The hidden PSI label list.
    QStringListModel *psiLabels() const;
    // What an argument list offers for an action of this kind.
    QStringList arguments(ActionKind kind) const;

private:
    // Shows the labels of every long list, or of the entries given, in the
    // lists and in the argument lists taken from them. Entries that show
    // their label already are not set again.
    void relabel(const ListLabels &labels);
    void relabel(const ListLabels &labels, const std::vector<ListEntry> &entries);
    void setLabel(ListEntry entry, const QString &label);
    // Makes the lists of fixed entries, the first time one is wanted.
    void build() const;

    mutable bool built_ = false;
    mutable std::map<Field, QStringListModel *> fixed_;
    QStringListModel *enemies_;
    mutable QStringListModel *psiLabels_ = nullptr;
    mutable std::map<ActionKind, QStringList> arguments_;
    const ImageSession &session_;
};

// The length of a list field's longest fixed entry, as a string holds it;
// 0 for the argument lists, which have none.
int LongestFixedEntry(Field field);

// Sets the entries of model that differ from entries, so that a list keeps
// its selection; a list of another length is replaced.
void SetChangedEntries(QStringListModel *model, const QStringList &entries);

} // namespace mobwright
