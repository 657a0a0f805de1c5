#include "IpsPatch.h"

#include "FirstDifference.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <string_view>

namespace mobwright {
namespace {

constexpr std::string_view HEADER = "PATCH";
constexpr std::string_view END_MARKER = "EOF";
constexpr std::size_t MAX_IMAGE_SIZE = std::size_t{1} << 24;
constexpr std::size_t MAX_RECORD_SIZE = 0xFFFF;
// A record's offset and size: merging two records across a gap of this many
// unchanged bytes gives one record no larger than the two.
constexpr std::size_t RECORD_HEADER_SIZE = 5;
// The offset whose three bytes read as the end marker.
constexpr std::size_t END_MARKER_OFFSET = 0x454F46;

// The bytes from begin to end (exclusive) that one record writes.
struct Run
{
    std::size_t begin;
    std::size_t end;
};

class IpsWriter
{
public:
    IpsWriter(std::span<const std::uint8_t> source, std::span<const std::uint8_t> target)
        : source_(source)
        , target_(target)
    {
    }

    std::vector<std::uint8_t> patch()
    {
        append(HEADER);
        for (std::size_t at = nextChanged(0, target_.size()); at < target_.size();
             at = nextChanged(at, target_.size()))
            at = appendRecord(runFrom(at));
        append(END_MARKER);
        if (target_.size() < source_.size())
            appendBigEndian(target_.size(), 3);
        return std::move(patch_);
    }

private:
    // The first changed byte from at on, or limit when there is none before
    // it. Bytes past the end of the source are all changed.
    std::size_t nextChanged(std::size_t at, std::size_t limit) const
    {
        if (at >= std::min(limit, source_.size()))
            return at;
        return at + FirstDifference(source_.subspan(at), target_.subspan(at, limit - at));
    }

    // The record that starts with the changed byte at first and takes in
    // each changed byte after a short enough gap, while it fits in a record.
    Run runFrom(std::size_t first) const
    {
        Run run{first == END_MARKER_OFFSET ? first - 1 : first, first + 1};
        for (;;) {
            const std::size_t reach = std::min(
                {target_.size(), run.end + RECORD_HEADER_SIZE + 1, run.begin + MAX_RECORD_SIZE});
            const std::size_t next = nextChanged(run.end, reach);
            if (next >= reach)
                return run;
            run.end = next + 1;
        }
    }

    std::size_t appendRecord(Run run)
    {
        appendBigEndian(run.begin, 3);
        appendBigEndian(run.end - run.begin, 2);
        patch_.insert(patch_.end(), target_.begin() + static_cast<std::ptrdiff_t>(run.begin),
                      target_.begin() + static_cast<std::ptrdiff_t>(run.end));
        return run.end;
    }

    void append(std::string_view text) { patch_.insert(patch_.end(), text.begin(), text.end()); }

    void appendBigEndian(std::size_t value, int width)
    {
        for (int shift = 8 * (width - 1); shift >= 0; shift -= 8)
            patch_.push_back(static_cast<std::uint8_t>(value >> shift));
    }

    std::span<const std::uint8_t> source_;
    std::span<const std::uint8_t> target_;
    std::vector<std::uint8_t> patch_;
};

} // namespace

std::vector<std::uint8_t> MakeIpsPatch(std::span<const std::uint8_t> source,
                                       std::span<const std::uint8_t> target)
{
    const std::size_t larger = std::max(source.size(), target.size());
    if (larger > MAX_IMAGE_SIZE)
        throw std::length_error(
            "An IPS patch can describe images of at most 16 MiB; this one has " +
            std::to_string(larger) + " bytes.");
    return IpsWriter(source, target).patch();
}

} // namespace mobwright
