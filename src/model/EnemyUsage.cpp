#include "EnemyUsage.h"

#include "GameText.h"
#include "EnemyLayout.h"

#include <algorithm>

namespace mobwright {
namespace {

std::size_t ListIndex(LongList list)
{
    return static_cast<std::size_t>(list);
}

// The fields that take an entry of a long list, with what they store.
struct ListField
{
    Field field;
    LongList list;
    int plus1; // stored as the entry's position + 1
    int count;
};

const std::vector<ListField> &ListFields()
{
    static const std::vector<ListField> fields = [] {
        std::vector<ListField> found;
        for (const FieldLayout &layout : EnemyLayout) {
            if (const auto list = LongListOf(layout.field))
                found.push_back({layout.field, *list, layout.encoding == Encoding::ListPositionPlus1 ? 1 : 0,
                                 static_cast<int>(BuiltInLabels(*list).size())});
        }
        return found;
    }();
    return fields;
}

// The entries a record uses; values without an entry use none.
std::vector<ListEntry> UsesOf(const EnemyRecord &record)
{
    std::vector<ListEntry> uses;
    for (const ListField &field : ListFields()) {
        const ListEntry entry{field.list, static_cast<int>(record.value(field.field)) - field.plus1};
        if (entry.position >= 0 && entry.position < field.count &&
            std::find(uses.begin(), uses.end(), entry) == uses.end())
            uses.push_back(entry);
    }
    return uses;
}

std::string NameOf(std::span<const std::uint8_t> bytes)
{
    std::string name = GameText::Decode(bytes);
    name.erase(name.find_last_not_of(' ') + 1);
    return name;
}

} // namespace

// Another image mostly holds the same enemies: only those that differ are
// taken anew, so that only their entries are relabelled.
std::vector<ListEntry> EnemyUsage::read(std::span<const EnemyRecord> records)
{
    if (enemies_.empty()) {
        enemies_.resize(ENEMY_COUNT);
        for (const LongList list : LONG_LISTS)
            users_[ListIndex(list)].resize(BuiltInLabels(list).size());
    }
    std::vector<ListEntry> changed;
    for (int k = 0; k < ENEMY_COUNT; ++k) {
        const std::vector<ListEntry> entries = update(k, records[static_cast<std::size_t>(k)]);
        changed.insert(changed.end(), entries.begin(), entries.end());
    }
    return changed;
}

// A name is decoded only when its bytes changed.
EnemyUsage::Enemy EnemyUsage::enemyOf(const EnemyRecord &record, const Enemy &before) const
{
    const auto bytes = record.bytes(Field::Name);
    const bool sameName = std::ranges::equal(bytes, before.nameBytes);
    return {{bytes.begin(), bytes.end()}, sameName ? before.name : NameOf(bytes), UsesOf(record)};
}

void EnemyUsage::clear()
{
    enemies_.clear();
    for (auto &entries : users_)
        entries.clear();
}

std::vector<ListEntry> EnemyUsage::update(int index, const EnemyRecord &record)
{
    if (enemies_.empty())
        return {};
    Enemy &before = enemies_[static_cast<std::size_t>(index)];
    Enemy next = enemyOf(record, before);
    if (next.name == before.name && next.uses == before.uses) {
        before.nameBytes = std::move(next.nameBytes);
        return {};
    }
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

std::vector<int> EnemyUsage::users(ListEntry entry) const
{
    const auto &lists = users_[ListIndex(entry.list)];
    const auto at = static_cast<std::size_t>(entry.position);
    return entry.position >= 0 && at < lists.size() ? lists[at] : std::vector<int>{};
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
