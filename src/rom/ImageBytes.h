#pragma once

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

namespace mobwright {

// An allocator whose vectors leave new bytes as they find them, for buffers
// that a read fills at once: zeroing an image of megabytes first costs as
// much as comparing two of them.
template <typename T> struct UninitializedAllocator : std::allocator<T>
{
    template <typename U> struct rebind
    {
        using other = UninitializedAllocator<U>;
    };

    UninitializedAllocator() = default;
    template <typename U> UninitializedAllocator(const UninitializedAllocator<U> &) noexcept {}

    template <typename U> void construct(U *place) noexcept
    {
        ::new (static_cast<void *>(place)) U;
    }
    template <typename U, typename... Args> void construct(U *place, Args &&...args)
    {
        ::new (static_cast<void *>(place)) U(std::forward<Args>(args)...);
    }
};

// A whole image's bytes, as read from its file.
using ImageBytes = std::vector<std::uint8_t, UninitializedAllocator<std::uint8_t>>;

} // namespace mobwright
