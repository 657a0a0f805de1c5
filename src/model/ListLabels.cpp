#include "ListLabels.h"

namespace mobwright {
namespace {

std::size_t Index(int position)
{
    return static_cast<std::size_t>(position);
}

} // namespace

ListLabels::ListLabels()
{
    for (const LongList list : LONG_LISTS) {
        const LabelList labels = BuiltInLabels(list);
        setBase(list, {labels.begin(), labels.end()});
    }
}

void ListLabels::setBase(LongList list, std::vector<std::string> labels)
{
    // Which labels name their entry is worked out once, not at every relabelling.
    std::vector<BaseLabel> &base = base_[static_cast<std::size_t>(list)];
    base.clear();
    for (std::string &label : labels) {
        const int position = static_cast<int>(base.size());
        const bool named = !IsPlaceholderName(NameInLabel(list, position, label));
        base.push_back({std::move(label), named});
    }
}

std::vector<ListEntry> ListLabels::takeImage(ImageNames names, std::span<const EnemyRecord> records)
{
    std::vector<ListEntry> changed = renamedBy(names);
    const std::vector<ListEntry> used = usage_.read(records);
    changed.insert(changed.end(), used.begin(), used.end());
    image_ = std::move(names);
    return changed;
}

// The entries that names give another image name than the image open now.
std::vector<ListEntry> ListLabels::renamedBy(const ImageNames &names) const
{
    const ImageNames none{std::vector<std::string>(names.items.size()),
                          std::vector<EntryName>(names.actions.size())};
    const ImageNames &now = image_ ? *image_ : none;
    std::vector<ListEntry> renamed;
    for (std::size_t k = 0; k < names.items.size(); ++k) {
        if (names.items[k] != now.items[k])
            renamed.push_back({LongList::Item, static_cast<int>(k)});
    }
    for (std::size_t k = 0; k < names.actions.size(); ++k) {
        if (names.actions[k] != now.actions[k])
            renamed.push_back({LongList::Action, static_cast<int>(k)});
    }
    return renamed;
}

void ListLabels::forgetImage()
{
    image_.reset();
    usage_.clear();
}

std::vector<ListEntry> ListLabels::recordStored(int index, const EnemyRecord &record)
{
    return usage_.update(index, record);
}

std::vector<std::string> ListLabels::baseLabels(LongList list) const
{
    std::vector<std::string> labels;
    for (const BaseLabel &label : base_[static_cast<std::size_t>(list)])
        labels.push_back(label.text);
    return labels;
}

int ListLabels::count(LongList list) const
{
    return static_cast<int>(base_[static_cast<std::size_t>(list)].size());
}

EntryName ListLabels::imageName(ListEntry entry) const
{
    if (image_ && entry.list == LongList::Action)
        return image_->actions[Index(entry.position)];
    return {};
}

std::string ListLabels::label(ListEntry entry) const
{
    const LongList list = entry.list;
    const int position = entry.position;
    const BaseLabel &entryBase = base_[static_cast<std::size_t>(list)][Index(position)];
    const std::string &base = entryBase.text;
    const auto renamed = [&](const EntryName &name) {
        return RenamedLabel(list, position, base, name.name, name.tail);
    };
    if (image_ && list == LongList::Item && position < TABLE_ITEM_COUNT &&
        !image_->items[Index(position)].empty())
        return renamed({image_->items[Index(position)], {}});
    if (entryBase.named)
        return base;
    if (const EntryName name = imageName(entry); !name.empty())
        return renamed(name);
    // A name made up from the enemies using the entry is set apart, so
    // that it is not taken for the entry's own.
    if (const EntryName users = usage_.usersOf(entry); !users.empty())
        return renamed({"(" + users.name, users.tail + ")"});
    return base;
}

} // namespace mobwright
