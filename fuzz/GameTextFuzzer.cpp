// Feeds the input to the game text codec three ways: as editor text to split
// into characters, as a name spelt in the game's characters, and as the
// bytes of a stored name field.

#include "ASCIIControl.h"
#include "FuzzCheck.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

using namespace mobwright::ASCIIControl;
using mobwright::fuzz::Require;

namespace {

bool IsContinuation(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Every character the game can store, in code order.
std::vector<std::string> GameCharacters()
{
    std::vector<std::string> characters;
    for (int code = 1; code < 256; ++code) {
        std::string character = DecodeGameChar(static_cast<std::uint8_t>(code));
        if (!character.empty())
            characters.push_back(std::move(character));
    }
    return characters;
}

void CheckSplit(std::string_view text)
{
    std::string joined;
    for (const std::string_view piece : SplitCharacters(text)) {
        Require(!piece.empty() && piece.size() <= 4, "a character is one to four bytes");
        // A lead byte starts with as many 1 bits as its sequence has bytes.
        if (piece.size() > 1)
            Require(std::countl_one(static_cast<unsigned char>(piece[0])) ==
                            static_cast<int>(piece.size()) &&
                        std::all_of(piece.begin() + 1, piece.end(), IsContinuation),
                    "a character of several bytes is a lead byte and its continuation bytes");
        joined += piece;
    }
    Require(joined == text, "the characters of a text join back into it");
}

// One game character per input byte; the name field keeps the first 25.
void CheckGameCharacterName(std::span<const std::uint8_t> data)
{
    static const std::vector<std::string> characters = GameCharacters();
    std::string name;
    for (const std::uint8_t b : data)
        name += characters[b % characters.size()];
    const std::string expected = name.substr(0, NAME_FIELD_SIZE);
    Require(DecodeGameString(EncodeGameString(name)) == expected,
            "a name of game characters is stored up to its 25th character");
}

// A stored name decoded and encoded again keeps the bytes up to its first 0
// that have a character, in order; doing it twice changes nothing more.
void CheckStoredName(std::span<const std::uint8_t> data)
{
    NameField stored{};
    std::copy_n(data.begin(), std::min(data.size(), stored.size()), stored.begin());

    NameField expected{};
    std::size_t kept = 0;
    for (const std::uint8_t code : stored) {
        if (code == 0)
            break;
        if (!DecodeGameChar(code).empty())
            expected[kept++] = code;
    }

    const std::string decoded = DecodeGameString(stored);
    const NameField encoded = EncodeGameString(decoded);
    Require(encoded == expected,
            "re-encoding a stored name keeps exactly its codes with a character");
    Require(DecodeGameString(encoded) == decoded, "decoding a re-encoded name gives the same text");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::span<const std::uint8_t> bytes(data, size);
    CheckSplit(std::string_view(reinterpret_cast<const char *>(data), size));
    CheckGameCharacterName(bytes);
    CheckStoredName(bytes);
    return 0;
}
