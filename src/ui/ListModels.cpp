#include "ListModels.h"

#include "FieldEntries.h"
#include "QtText.h"

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

} // namespace

ListModels::ListModels(QObject *parent)
    : QObject(parent)
    , enemies_(makeModel({}))
    , psiLabels_(makeModel(ToStringList(PsiLabels())))
{
    // Fields that show the same list, such as the five action lists, share its model.
    std::map<const std::string_view *, QStringListModel *> byList;
    for (const FieldLayout &layout : EnemyLayout) {
        const LabelList entries = FixedEntries(layout.field);
        if (entries.empty())
            continue;
        QStringListModel *&model = byList[entries.data()];
        if (!model)
            model = makeModel(ToStringList(entries));
        fixed_[layout.field] = model;
    }
    arguments_[ActionKind::Normal] = {QString()};
    arguments_[ActionKind::Psi] = ToStringList(PsiArgumentLabels());
    arguments_[ActionKind::Item] = ToStringList(ItemArgumentLabels());
}

QStringListModel *ListModels::makeModel(QStringList entries)
{
    return new QStringListModel(std::move(entries), this);
}

QStringListModel *ListModels::fixed(Field field) const
{
    const auto found = fixed_.find(field);
    return found == fixed_.end() ? nullptr : found->second;
}

QStringList ListModels::arguments(ActionKind kind) const
{
    // The enemies as the pickers list them now.
    return kind == ActionKind::Call ? enemies_->stringList() : arguments_.at(kind);
}

} // namespace mobwright
