#pragma once

#include "Refusal.h"

#include <cstddef>
#include <string>
#include <vector>

namespace mobwright {

// The refusals of one input, as a message lists them: the first few kept in
// full and the rest only counted, so that a file of bad rows can neither
// fill the memory nor make a message taller than the screen.
class RefusalList
{
public:
    static constexpr std::size_t SHOWN = 20;

    RefusalList() = default;
    explicit RefusalList(Refusal refusal) { add(std::move(refusal)); }

    void add(Refusal refusal);
    // Takes in other's refusals. Where both lists came in the order of their
    // rows, the refusals shown are still those of the first rows.
    void merge(const RefusalList &other);
    bool empty() const { return count_ == 0; }
    std::size_t size() const { return count_; }
    const std::vector<Refusal> &shown() const { return shown_; }

    // A line for each shown refusal, then "… and N more refusals." for the rest.
    std::vector<std::string> lines() const;

private:
    std::vector<Refusal> shown_;
    std::size_t count_ = 0;
};

} // namespace mobwright
