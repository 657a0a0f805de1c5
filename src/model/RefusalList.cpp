#include "RefusalList.h"

#include <algorithm>

namespace mobwright {
namespace {

// More bytes than a message quotes of text: forty characters of at most four
// bytes each, and the start of one more, which makes the quote end in "…".
constexpr std::size_t QUOTED_BYTES = 41 * 4;

void KeepQuotedPart(std::string &text)
{
    if (text.size() > QUOTED_BYTES)
        text.resize(QUOTED_BYTES);
}

} // namespace

void RefusalList::add(Refusal refusal)
{
    // A refused cell may be megabytes long; a message shows only its start.
    if (refusal.text)
        KeepQuotedPart(*refusal.text);
    KeepQuotedPart(refusal.column);
    if (shown_.size() < SHOWN)
        shown_.push_back(std::move(refusal));
    ++count_;
}

void RefusalList::merge(const RefusalList &other)
{
    shown_.insert(shown_.end(), other.shown_.begin(), other.shown_.end());
    std::stable_sort(shown_.begin(), shown_.end(),
                     [](const Refusal &a, const Refusal &b) { return a.row < b.row; });
    shown_.resize(std::min(shown_.size(), SHOWN));
    count_ += other.count_;
}

std::vector<std::string> RefusalList::lines() const
{
    std::vector<std::string> lines;
    for (const Refusal &refusal : shown_)
        lines.push_back(refusal.message());
    const std::size_t more = count_ - shown_.size();
    if (more > 0)
        lines.push_back("\u2026 and " + std::to_string(more) +
                        (more == 1 ? " more refusal." : " more refusals."));
    return lines;
}

} // namespace mobwright
