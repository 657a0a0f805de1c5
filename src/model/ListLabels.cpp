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

void ListLabels::readImage(RomFile &rom)
{
    ImageNames names = ReadImageNames(rom);
    EnemyUsage usage;
    usage.read(rom);
    image_ = std::move(names);
    usage_ = std::move(usage);
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
    for (const EntryName &name : {imageName(entry), usage_.usersOf(entry)}) {
        if (!name.empty())
            return renamed(name);
    }
    return base;
}

} // namespace mobwright
