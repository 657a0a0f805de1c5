#pragma once

#include "ListEntries.h"
#include "Refusal.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace mobwright {

// How a bare number typed for a list field is read: in a table file's value
// columns as the stored value in decimal; where the user reads and types
// them, as the list numbers its entries (music in hexadecimal: 5B, $5B).
// A number after 0x is hexadecimal in both.
enum class NumberForm { Stored, Listed };

// How text for a list or flag field is read: by which names, with numbers
// in which form.
struct ValueReading
{
    EntryNaming naming;
    NumberForm numbers = NumberForm::Stored;
};

// The stored value that text names for a list or flag field while record
// is shown: a number as reading says, an entry's label or name, or the
// start of one name only, without regard to case or to how many blanks; a
// label's number followed by other text stands for that number in the
// list's own form. A number may have no entry; a name that fits several
// entries is refused, naming up to five of them.
Checked<std::uint32_t> ReadListValue(Field field, const EnemyRecord &record, std::string_view text,
                                     const ValueReading &reading);

// What a list or flag field takes while record is shown, with numbers in
// that form, as the end of a sentence.
std::string ListAcceptedText(Field field, const EnemyRecord &record, NumberForm numbers);

} // namespace mobwright
