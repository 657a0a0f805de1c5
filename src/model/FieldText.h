#pragma once

#include "EnemyLayout.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace mobwright {

// A typed text that a field refuses, with what the field accepts.
struct FieldError
{
    Field field;
    std::string text;
    std::string accepted;

    // A sentence for the user that names the field and quotes the text.
    std::string message() const;
};

// The text a number or text-address field shows for its stored bytes.
std::string FieldText(const FieldLayout &layout, std::span<const std::uint8_t> bytes);

// The stored value for text typed into a number or text-address field, or
// nothing when the field refuses the text. Blanks around it are ignored.
std::optional<std::uint32_t> ParseFieldText(const FieldLayout &layout, std::string_view text);

// What a number or text-address field accepts, as the end of a sentence.
std::string AcceptedText(const FieldLayout &layout);

// Why the game cannot store text as an enemy name, or nothing when it can.
std::optional<std::string> NameRefusal(std::string_view text);

} // namespace mobwright
