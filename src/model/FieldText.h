#pragma once

#include "EnemyLayout.h"
#include "Refusal.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace mobwright {

// The text a number or text-address field shows for its stored bytes.
std::string FieldText(const FieldLayout &layout, std::span<const std::uint8_t> bytes);

// The stored value for text typed into a number or text-address field, or
// nothing when the field refuses the text. Blanks around it are ignored.
std::optional<std::uint32_t> ParseFieldText(const FieldLayout &layout, std::string_view text);

// Whether text typed into a number or text-address field stands for the
// same stored value as shown does: "007" reads as "7".
bool ReadsAs(const FieldLayout &layout, std::string_view typed, std::string_view shown);

// What a number or text-address field accepts, as the end of a sentence.
std::string AcceptedText(const FieldLayout &layout);
// The same for a number of width bytes.
std::string AcceptedNumberText(int width);

// A byte that no field covers takes a whole number from 0 to 255.
std::optional<std::uint8_t> ParseByteText(std::string_view text);
std::string ByteAcceptedText();

// Why the game cannot store text as an enemy name, or nothing when it can.
std::optional<Refusal> NameRefusal(std::string_view text);

} // namespace mobwright
