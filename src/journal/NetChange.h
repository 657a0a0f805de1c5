#pragma once

#include "JournalEntry.h"

#include <map>

namespace mobwright {

// What a run of journaled writes did to each byte they touched: the byte
// the first of them found there, and the byte the last of them left.
class NetChange
{
public:
    struct Byte
    {
        std::uint8_t before;
        std::uint8_t after;
    };

    // Adds an entry that came after those added; one that wrote nothing
    // adds nothing.
    void add(const JournalEntry &entry);

    // By file offset.
    const std::map<std::uint64_t, Byte> &bytes() const { return bytes_; }
    // The same as runs of neighbouring bytes.
    std::vector<JournalSpan> spans() const;

private:
    std::map<std::uint64_t, Byte> bytes_;
};

} // namespace mobwright
