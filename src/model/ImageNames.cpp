#include "ImageNames.h"

#include "GameText.h"
#include "ActionKinds.h"
#include "RomFile.h"
#include "TableGeometry.h"

#include <array>
#include <optional>
#include <span>

namespace mobwright {
namespace {

using Bytes = std::span<const std::uint8_t>;

// Offsets in an image with a copier header, as the enemy table's.
constexpr std::uint32_t ITEM_TABLE_OFFSET = 0x155200;
constexpr std::size_t ITEM_ENTRY_SIZE = 39;
constexpr std::size_t ITEM_ACTION_OFFSET = 29;

constexpr std::uint32_t PSI_TABLE_OFFSET = 0x158C50;
constexpr std::size_t PSI_ENTRY_COUNT = 53;
constexpr std::size_t PSI_ENTRY_SIZE = 15;
constexpr std::size_t PSI_ACTION_OFFSET = 4;
constexpr std::uint32_t PSI_NAMES_OFFSET = 0x158F7A;
constexpr std::size_t PSI_NAME_COUNT = 17;
// As they follow a name, space included.
constexpr std::array<std::string_view, 5> PSI_LEVELS{" α", " β", " γ", " Σ", " Ω"};

constexpr auto NAME_SIZE = static_cast<std::size_t>(GameText::NAME_SIZE);

std::vector<std::uint8_t> ReadTable(RomFile &rom, std::uint32_t offset, std::size_t size)
{
    std::vector<std::uint8_t> bytes(size);
    rom.read(OffsetInImage(offset, rom.kind()), bytes);
    return bytes;
}

int Word(Bytes bytes, std::size_t offset)
{
    return bytes[offset] | bytes[offset + 1] << 8;
}

// A 25-byte name without its trailing blanks; nothing if a byte before its
// end has no character.
std::optional<std::string> StrictName(Bytes field)
{
    std::string name;
    for (const std::uint8_t code : field.first(NAME_SIZE)) {
        if (code == 0)
            break;
        const std::string character = GameText::DecodeChar(code);
        if (character.empty())
            return std::nullopt;
        name += character;
    }
    name.erase(name.find_last_not_of(' ') + 1);
    return name;
}

std::vector<std::string> ItemNames(Bytes table)
{
    std::vector<std::string> names;
    for (int k = 0; k < TABLE_ITEM_COUNT; ++k)
        names.push_back(StrictName(table.subspan(k * ITEM_ENTRY_SIZE)).value_or(""));
    return names;
}

// Each action that items perform, after the first named item, "+N" for the others.
void NameItemActions(Bytes table, const std::vector<std::string> &items,
                     std::vector<EntryName> &actions)
{
    std::vector<int> performers(actions.size());
    std::vector<std::string> first(actions.size());
    for (int k = 0; k < TABLE_ITEM_COUNT; ++k) {
        const auto code =
            static_cast<std::size_t>(Word(table, k * ITEM_ENTRY_SIZE + ITEM_ACTION_OFFSET));
        if (code >= actions.size() || !actions[code].empty())
            continue;
        ++performers[code];
        if (first[code].empty())
            first[code] = items[static_cast<std::size_t>(k)];
    }
    for (std::size_t code = 0; code < actions.size(); ++code) {
        if (!first[code].empty())
            actions[code] = {"Use: " + first[code],
                             performers[code] > 1 ? " +" + std::to_string(performers[code] - 1)
                                                  : ""};
    }
}

// Each action a PSI ability performs, after its name and level; nothing at
// all if an entry is out of range.
void NamePsiActions(Bytes table, Bytes names, std::vector<EntryName> &actions)
{
    std::vector<EntryName> named(actions.size());
    for (std::size_t k = 0; k < PSI_ENTRY_COUNT; ++k) {
        const Bytes entry = table.subspan(k * PSI_ENTRY_SIZE, PSI_ENTRY_SIZE);
        const std::size_t nameNumber = entry[0];
        const std::size_t level = entry[1];
        const auto code = static_cast<std::size_t>(Word(entry, PSI_ACTION_OFFSET));
        if (nameNumber == 0)
            continue;
        if (nameNumber > PSI_NAME_COUNT || level < 1 || level > PSI_LEVELS.size() ||
            code >= actions.size())
            return;
        const std::string name =
            StrictName(names.subspan((nameNumber - 1) * NAME_SIZE)).value_or("");
        if (!name.empty() && named[code].empty())
            named[code] = {name, std::string(PSI_LEVELS[level - 1])};
    }
    actions = std::move(named);
}

} // namespace

ImageNames ReadImageNames(RomFile &rom)
{
    const auto items = ReadTable(rom, ITEM_TABLE_OFFSET, TABLE_ITEM_COUNT * ITEM_ENTRY_SIZE);
    const auto psi = ReadTable(rom, PSI_TABLE_OFFSET, PSI_ENTRY_COUNT * PSI_ENTRY_SIZE);
    const auto psiNames = ReadTable(rom, PSI_NAMES_OFFSET, PSI_NAME_COUNT * NAME_SIZE);

    ImageNames names{ItemNames(items), std::vector<EntryName>(ACTION_COUNT)};
    NamePsiActions(psi, psiNames, names.actions);
    NameItemActions(items, names.items, names.actions);
    return names;
}

} // namespace mobwright
