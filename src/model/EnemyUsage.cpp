#include "EnemyUsage.h"

#include "ASCIIControl.h"
#include "EnemyLayout.h"
#include "RomFile.h"
#include "TableGeometry.h"

#include <algorithm>

namespace mobwright {
namespace {

std::size_t ListIndex(LongList list)
{
    return static_cast<std::size_t>(list);
}

int Value(std::span<const std::uint8_t> record, Field field)
{
    const FieldLayout &layout = LayoutOf(field);
    int value = 0;
    for (int k = layout.width; k-- > 0;)
        value = value << 8 | record[static_cast<std::size_t>(layout.offset + k)];
    return value;
}

// The entries a record uses; values without an entry use none.
std::vector<ListEntry> UsesOf(std::span<const std::uint8_t> record)
{
    std::vector<ListEntry> uses;
    const auto use = [&](LongList list, int position) {
        const ListEntry entry{list, position};
        if (position >= 0 && position < static_cast<int>(BuiltInLabels(list).size()) &&
            std::find(uses.begin(), uses.end(), entry) == uses.end())
            uses.push_back(entry);
    };
    use(LongList::InsidePic, Value(record, Field::InsidePic));
    use(LongList::OutsidePic, Value(record, Field::OutsidePic) - 1); // stored as position + 1
    use(LongList::Music, Value(record, Field::Music));
    for (const Field action :
         {Field::Action1, Field::Action2, Field::Action3, Field::Action4, Field::FinalAction})
        use(LongList::Action, Value(record, action));
    return uses;
}

std::string NameOf(std::span<const std::uint8_t> record)
{
    const FieldLayout &layout = LayoutOf(Field::Name);
    std::string name = ASCIIControl::DecodeGameString(record.subspan(
        static_cast<std::size_t>(layout.offset), static_cast<std::size_t>(layout.width)));
    name.erase(name.find_last_not_of(' ') + 1);
    return name;
}

} // namespace

void EnemyUsage::read(RomFile &rom)
{
    std::vector<std::uint8_t> table(ENEMY_TABLE_SIZE);
    rom.ReadRomBytes(rom.tableOffset(), table);
    clear();
    enemies_.resize(ENEMY_COUNT);
    for (const LongList list : LONG_LISTS)
        users_[ListIndex(list)].resize(BuiltInLabels(list).size());
    for (int k = 0; k < ENEMY_COUNT; ++k)
        update(k, std::span(table).subspan(static_cast<std::size_t>(k * ENEMY_RECORD_SIZE),
                                           ENEMY_RECORD_SIZE));
}

void EnemyUsage::clear()
{
    enemies_.clear();
    for (auto &entries : users_)
        entries.clear();
}

std::vector<ListEntry> EnemyUsage::update(int index, std::span<const std::uint8_t> record)
{
    if (enemies_.empty())
        return {};
    Enemy next{NameOf(record), UsesOf(record)};
    Enemy &before = enemies_[static_cast<std::size_t>(index)];
    if (next.name == before.name && next.uses == before.uses)
        return {};
    std::vector<ListEntry> changed = before.uses;
    changed.insert(changed.end(), next.uses.begin(), next.uses.end());
    setEnemy(index, std::move(next));
    return changed;
}

void EnemyUsage::setEnemy(int index, Enemy enemy)
{
    Enemy &stored = enemies_[static_cast<std::size_t>(index)];
    for (const ListEntry entry : stored.uses)
        std::erase(usersAt(entry), index);
    for (const ListEntry entry : enemy.uses) {
        std::vector<int> &users = usersAt(entry);
        users.insert(std::lower_bound(users.begin(), users.end(), index), index);
    }
    stored = std::move(enemy);
}

std::vector<int> &EnemyUsage::usersAt(ListEntry entry)
{
    return users_[ListIndex(entry.list)][static_cast<std::size_t>(entry.position)];
}

EntryName EnemyUsage::usersOf(ListEntry entry) const
{
    const auto &lists = users_[ListIndex(entry.list)];
    if (lists.empty())
        return {};
    const std::vector<int> &users = lists[static_cast<std::size_t>(entry.position)];
    for (const int index : users) {
        const std::string &name = enemies_[static_cast<std::size_t>(index)].name;
        if (!name.empty())
            return {name, users.size() > 1 ? " +" + std::to_string(users.size() - 1) : ""};
    }
    return {};
}

} // namespace mobwright
