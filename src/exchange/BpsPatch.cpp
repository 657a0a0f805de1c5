#include "BpsPatch.h"

#include "FirstDifference.h"

#include <zlib.h>

#include <string_view>

namespace mobwright {
namespace {

constexpr std::string_view HEADER = "BPS1";

enum Action : std::uint64_t { SourceRead = 0, TargetRead = 1, TargetCopy = 3 };

// A run of one repeated new byte this long is written as the byte and a copy
// of it, which costs a dozen bytes at most: a filled expansion stays small.
constexpr std::size_t MIN_REPEAT = 32;

std::uint32_t Crc32(std::span<const std::uint8_t> bytes)
{
    return static_cast<std::uint32_t>(crc32_z(0, bytes.data(), bytes.size()));
}

class BpsWriter
{
public:
    BpsWriter(std::span<const std::uint8_t> source, std::span<const std::uint8_t> target)
        : source_(source)
        , target_(target)
    {
    }

    std::vector<std::uint8_t> patch()
    {
        patch_.assign(HEADER.begin(), HEADER.end());
        appendNumber(source_.size());
        appendNumber(target_.size());
        appendNumber(0); // no metadata
        for (std::size_t at = 0; at < target_.size();)
            at = unchanged(at) ? appendSourceRead(at) : appendNewBytes(at);
        appendCrc(Crc32(source_));
        appendCrc(Crc32(target_));
        appendCrc(Crc32(patch_));
        return std::move(patch_);
    }

private:
    bool unchanged(std::size_t at) const
    {
        return at < source_.size() && source_[at] == target_[at];
    }

    std::size_t repeatLength(std::size_t at) const
    {
        std::size_t end = at + 1;
        while (end < target_.size() && target_[end] == target_[at])
            ++end;
        return end - at;
    }

    std::size_t appendSourceRead(std::size_t at)
    {
        const std::size_t end = at + FirstDifference(source_.subspan(at), target_.subspan(at));
        appendAction(SourceRead, end - at);
        return end;
    }

    // Up to the next unchanged byte, or past a long repeat of one byte.
    std::size_t appendNewBytes(std::size_t at)
    {
        std::size_t end = at;
        while (end < target_.size() && !unchanged(end)) {
            const std::size_t repeat = repeatLength(end);
            if (repeat >= MIN_REPEAT) {
                appendTargetRead(at, end + 1);
                return appendRepeat(end, repeat);
            }
            end += repeat;
        }
        return appendTargetRead(at, end);
    }

    std::size_t appendTargetRead(std::size_t begin, std::size_t end)
    {
        appendAction(TargetRead, end - begin);
        patch_.insert(patch_.end(), target_.begin() + static_cast<std::ptrdiff_t>(begin),
                      target_.begin() + static_cast<std::ptrdiff_t>(end));
        return end;
    }

    // The byte at at is written; a copy from it, one byte behind the output,
    // repeats it. Copies only go forward, so the offset's sign bit stays 0.
    std::size_t appendRepeat(std::size_t at, std::size_t length)
    {
        appendAction(TargetCopy, length - 1);
        appendNumber(std::uint64_t{at - targetCopyOffset_} << 1);
        targetCopyOffset_ = at + length - 1;
        return at + length;
    }

    void appendAction(Action action, std::size_t length)
    {
        appendNumber((std::uint64_t{length} - 1) << 2 | action);
    }

    // The format's variable-length number: seven bits a byte, the last byte
    // marked by its top bit, each further byte counting from one higher.
    void appendNumber(std::uint64_t value)
    {
        while (value > 0x7F) {
            patch_.push_back(static_cast<std::uint8_t>(value & 0x7F));
            value = (value >> 7) - 1;
        }
        patch_.push_back(static_cast<std::uint8_t>(0x80 | value));
    }

    void appendCrc(std::uint32_t crc)
    {
        for (int shift = 0; shift < 32; shift += 8)
            patch_.push_back(static_cast<std::uint8_t>(crc >> shift));
    }

    std::span<const std::uint8_t> source_;
    std::span<const std::uint8_t> target_;
    std::vector<std::uint8_t> patch_;
    std::size_t targetCopyOffset_ = 0;
};

} // namespace

std::vector<std::uint8_t> MakeBpsPatch(std::span<const std::uint8_t> source,
                                       std::span<const std::uint8_t> target)
{
    return BpsWriter(source, target).patch();
}

} // namespace mobwright
