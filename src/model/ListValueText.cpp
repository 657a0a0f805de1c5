#include "ListValueText.h"

#include "EnemyForm.h"

#include <charconv>
#include <set>

namespace mobwright {
namespace {

// So many of the entries a name fits are named; the rest are counted.
constexpr std::size_t NAMED_ENTRIES = 5;

// Text as it is compared: ASCII letters in lower case, blanks as one space.
std::string Folded(std::string_view text)
{
    std::string folded;
    bool blank = false;
    for (const char c : text) {
        if (c == ' ' || c == '\t') {
            blank = !folded.empty();
            continue;
        }
        if (blank)
            folded += ' ';
        blank = false;
        folded += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return folded;
}

std::optional<std::uint64_t> Digits(std::string_view text, int base)
{
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// A number as typed: hexadecimal after 0x, and bare or after $ when hex;
// decimal, after an optional +, otherwise.
std::optional<std::uint64_t> Number(std::string_view text, bool hex)
{
    if (text.starts_with("0x") || text.starts_with("0X"))
        return Digits(text.substr(2), 16);
    if (hex && text.starts_with('$'))
        return Digits(text.substr(1), 16);
    if (hex)
        return Digits(text, 16);
    if (text.starts_with('+'))
        text.remove_prefix(1);
    return Digits(text, 10);
}

bool Fits(Field field, std::uint64_t value)
{
    return value < (std::uint64_t{1} << (8 * LayoutOf(field).width));
}

std::string Shown(Field field, const OfferedEntry &entry)
{
    const std::string number = EntryNumber(field, entry.stored);
    return entry.name.empty() ? number : number + " \xE2\x80\x93 " + entry.name;
}

// The entries that fit, once each.
template <typename Fits>
std::vector<const OfferedEntry *> Fitting(const std::vector<OfferedEntry> &entries, Fits fits)
{
    std::vector<const OfferedEntry *> found;
    std::set<std::uint32_t> values;
    for (const OfferedEntry &entry : entries) {
        if (fits(entry) && values.insert(entry.stored).second)
            found.push_back(&entry);
    }
    return found;
}

Refusal Refused(Field field, std::string_view text, std::string accepted)
{
    return {.field = field, .text = std::string(text), .accepted = std::move(accepted)};
}

Refusal Ambiguous(Field field, std::string_view text, const std::vector<const OfferedEntry *> &found)
{
    std::string named;
    for (std::size_t k = 0; k < found.size() && k < NAMED_ENTRIES; ++k)
        named += (k == 0 ? "" : k + 1 == found.size() ? " and " : ", ") + Shown(field, *found[k]);
    if (found.size() > NAMED_ENTRIES)
        named += " and " + std::to_string(found.size() - NAMED_ENTRIES) + " more";
    return Refused(field, text, "a name that fits one entry only; this one fits " + named);
}

// The value of an entry whose label or name the text is, or whose label
// the text begins with as far as its number.
std::optional<Checked<std::uint32_t>> ByName(Field field, const EnemyRecord &record, std::string_view text,
                                             const EntryNaming &naming)
{
    const std::string typed = Folded(text);
    if (typed.empty())
        return std::nullopt;
    const std::vector<OfferedEntry> entries = OfferedEntries(field, record, naming);
    const auto exact = Fitting(entries, [&](const OfferedEntry &entry) {
        return Folded(entry.label) == typed || (!entry.name.empty() && Folded(entry.name) == typed);
    });
    if (exact.size() == 1)
        return exact.front()->stored;
    if (!exact.empty())
        return Ambiguous(field, text, exact);
    // A label or the table's "5B – Boss", named otherwise now: its number.
    const std::string_view head = text.substr(0, text.find_first_of(" \t"));
    const auto number = Number(head, NumbersInHex(field));
    if (head.size() < text.size() && number && Fits(field, *number))
        return static_cast<std::uint32_t>(*number);
    if (LayoutOf(field).encoding == Encoding::ListPositionPlus1 && typed == "none")
        return 0u;
    const auto starting = Fitting(entries, [&](const OfferedEntry &entry) {
        return Folded(entry.name).starts_with(typed);
    });
    if (starting.size() == 1)
        return starting.front()->stored;
    if (!starting.empty())
        return Ambiguous(field, text, starting);
    return std::nullopt;
}

std::string_view TrimBlanks(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

} // namespace

Checked<std::uint32_t> ReadListValue(Field field, const EnemyRecord &record, std::string_view text,
                                     const ValueReading &reading)
{
    const std::string_view typed = TrimBlanks(text);
    const bool hex = reading.numbers == NumberForm::Listed && NumbersInHex(field);
    if (const auto number = Number(typed, hex); number && Fits(field, *number))
        return static_cast<std::uint32_t>(*number);
    if (auto named = ByName(field, record, typed, reading.naming))
        return *named;
    return Refused(field, text, ListAcceptedText(field, record, reading.numbers));
}

std::string ListAcceptedText(Field field, const EnemyRecord &record, NumberForm numbers)
{
    const FieldLayout &layout = LayoutOf(field);
    if (layout.encoding == Encoding::Flag)
        return "0 (" + std::string(FLAG_VALUES[0]) + ") or 1 (" + std::string(FLAG_VALUES[1]) + ")";
    const int count = EntryCount(field, record);
    const bool plus1 = layout.encoding == Encoding::ListPositionPlus1;
    if (count == 0)
        return plus1 ? "0 (no entry), as its action offers no list" : "no value: its list is empty";
    const auto number = [&](int position) { return EntryNumber(field, static_cast<std::uint32_t>(position)); };
    const int first = plus1 ? 1 : 0;
    std::string text = plus1 ? "0 (no entry), an entry's number" : "an entry's number";
    if (numbers == NumberForm::Listed && NumbersInHex(field))
        text += " in hexadecimal from " + number(first) + " to " + number(count - 1 + first) + " (such as " +
                number(count / 2) + ", 0x" + number(count / 2) + " or $" + number(count / 2) + ")";
    else
        text += " from " + std::to_string(first) + " to " + std::to_string(count - 1 + first) +
                (numbers == NumberForm::Stored ? " (in hexadecimal after 0x)" : "");
    return text + ", or an entry's label or name";
}

} // namespace mobwright
