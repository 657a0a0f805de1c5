#include "FirstDifference.h"

#include <algorithm>
#include <cstring>

namespace mobwright {

std::size_t FirstDifference(std::span<const std::uint8_t> a, std::span<const std::uint8_t> b)
{
    // Images differ in a few places among megabytes: memcmp skips equal
    // blocks at the speed of memory, then narrows the block that differs to
    // a line, and only that line is read a byte at a time.
    const std::size_t size = std::min(a.size(), b.size());
    std::size_t at = 0;
    for (const std::size_t block : {std::size_t{4096}, std::size_t{64}}) {
        while (size - at >= block && std::memcmp(a.data() + at, b.data() + at, block) == 0)
            at += block;
    }
    const std::uint8_t *const first = a.data();
    return static_cast<std::size_t>(std::mismatch(first + at, first + size, b.data() + at).first -
                                    first);
}

} // namespace mobwright
