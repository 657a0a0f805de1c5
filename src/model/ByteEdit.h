#pragma once

#include "PendingEdits.h"

#include <cstdint>

namespace mobwright {

// The pending record with the byte at offset set to value, as an edit of
// the field that covers it, or of the byte where no field does. Refused
// where the field refuses the value its bytes would then hold, with the
// field's own reason; a name byte must be a character of the game's text
// or the 00 that ends the name.
Checked<PendingRecord> WithByte(PendingRecord pending, int offset, std::uint8_t value);

// The byte two hexadecimal digits give, with or without a leading "$".
std::optional<std::uint8_t> ParseHexByte(std::string_view text);

} // namespace mobwright
