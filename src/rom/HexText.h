#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace mobwright {

// Upper-case hexadecimal digits of value, without prefix or padding.
std::string HexDigits(std::uint64_t value);
// Two digits per byte, bytes in file order: {0xCD, 0x07} gives "CD07".
std::string HexText(std::span<const std::uint8_t> bytes);

// Characters 5-6, 3-4 and 1-2 of text, in that order: the six digits of the
// 24-bit little-endian value whose file-order hex text is given.
std::string ReverseHex24(std::string_view text);
// Text padded on the left with "0" to width; longer text is never cut.
std::string ZeroPadded(std::string text, int width);

} // namespace mobwright
