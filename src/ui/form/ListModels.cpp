#include "ListModels.h"

#include "EnemyEntries.h"
#include "FieldEntries.h"
#include "ImageSession.h"
#include "ListLabels.h"
#include "QtText.h"

#include <algorithm>

namespace mobwright {
namespace {

QStringList ToStringList(LabelList labels)
{
    QStringList list;
    list.reserve(static_cast<qsizetype>(labels.size()));
    for (const std::string_view label : labels)
        list.append(ToQString(label));
    return list;
}

void SetEntry(QStringListModel *model, int row, const QString &label)
{
    const QModelIndex index = model->index(row);
    if (model->data(index).toString() != label)
        model->setData(index, label);
}

} // namespace

ListModels::ListModels(const ImageSession &session, QObject *parent)
    : QObject(parent)
    , enemies_(new EnemyEntries(session, this))
    , session_(session)
{
    connect(&session, &ImageSession::opened, this,
            [this] { relabel(session_.labels(), session_.relabelledByOpening()); });
    connect(&session, &ImageSession::closed, this, [this] { relabel(session_.labels()); });
    connect(&session, &ImageSession::labelsChanged, this,
            [this](const std::vector<ListEntry> &entries) { relabel(session_.labels(), entries); });
}

// Some thousand entries made strings: only once a list is first wanted,
// which is when an image is opened or labels are read.
void ListModels::build() const
{
    if (built_)
        return;
    built_ = true;
    const auto makeModel = [this](LabelList entries) {
        return new QStringListModel(ToStringList(entries), const_cast<ListModels *>(this));
    };
    // Fields that show the same list, such as the five action lists, share its model.
    std::map<const std::string_view *, QStringListModel *> byList;
    for (const FieldLayout &layout : EnemyLayout) {
        const LabelList entries = FixedEntries(layout.field);
        if (entries.empty())
            continue;
        QStringListModel *&model = byList[entries.data()];
        if (!model)
            model = makeModel(entries);
        fixed_[layout.field] = model;
    }
    psiLabels_ = makeModel(PsiLabels());
    arguments_[ActionKind::Normal] = {QString()};
    arguments_[ActionKind::Psi] = ToStringList(PsiArgumentLabels());
    arguments_[ActionKind::Item] = ToStringList(ItemArgumentLabels());
}

QStringListModel *ListModels::fixed(Field field) const
{
    build();
    const auto found = fixed_.find(field);
    return found == fixed_.end() ? nullptr : found->second;
}

QStringListModel *ListModels::psiLabels() const
{
    build();
    return psiLabels_;
}

QStringList ListModels::arguments(ActionKind kind) const
{
    build();
    // The enemies as the pickers list them now.
    return kind == ActionKind::Call ? enemies_->stringList() : arguments_.at(kind);
}

int LongestFixedEntry(Field field)
{
    int longest = 0;
    for (const std::string_view entry : FixedEntries(field))
        longest = std::max(longest, Utf16Length(entry));
    return longest;
}

void ListModels::relabel(const ListLabels &labels)
{
    // The argument lists change with their long list, so an entry that the
    // long list shows already is the same in them.
    for (const LongList list : LONG_LISTS) {
        const QStringList shown = fixed(FieldOf(list))->stringList();
        for (int position = 0; position < labels.count(list); ++position) {
            const QString label = ToQString(labels.label({list, position}));
            if (shown[position] != label)
                setLabel({list, position}, label);
        }
    }
}

void ListModels::relabel(const ListLabels &labels, const std::vector<ListEntry> &entries)
{
    for (const ListEntry entry : entries)
        setLabel(entry, ToQString(labels.label(entry)));
}

void ListModels::setLabel(ListEntry entry, const QString &label)
{
    SetEntry(fixed(FieldOf(entry.list)), entry.position, label);
    // The item arguments leave out item 0; the PSI lists start at the first PSI code.
    const auto setArgument = [&](ActionKind kind, int row) {
        QStringList &arguments = arguments_[kind];
        if (row >= 0 && row < arguments.size() && arguments[row] != label)
            arguments[row] = label;
    };
    if (entry.list == LongList::Item)
        setArgument(ActionKind::Item, entry.position - 1);
    if (entry.list == LongList::Action && entry.position >= static_cast<int>(FIRST_PSI_CODE)) {
        const int row = entry.position - static_cast<int>(FIRST_PSI_CODE);
        SetEntry(psiLabels_, row, label);
        setArgument(ActionKind::Psi, row);
    }
}

void SetChangedEntries(QStringListModel *model, const QStringList &entries)
{
    if (model->rowCount() != entries.size()) {
        model->setStringList(entries);
        return;
    }
    // Compared as the list holds them, without a QVariant for each.
    const QStringList shown = model->stringList();
    for (int row = 0; row < entries.size(); ++row) {
        if (shown[row] != entries[row])
            model->setData(model->index(row), entries[row]);
    }
}

} // namespace mobwright
