#pragma once

#include "InternalHeader.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace mobwright {

// What speaks for the bytes at a place being the cartridge's header.
struct HeaderEvidence
{
    bool mapModeAgrees = false; // the mapping it names puts the header there
    bool checksumPairAgrees = false;
    bool resetVectorInRom = false; // the CPU starts in the bank's ROM half
    bool sizeFitsImage = false;    // the declared size is the image's, rounded up
    bool titlePrintable = false;

    int score() const;
};

struct HeaderCandidate
{
    InternalHeader header;
    HeaderEvidence evidence;
};

// Every place the image is long enough to hold a header at, and the one that
// holds it. None is chosen unless its map mode agrees with its place and
// enough else speaks for it; nor when two places are equally likely.
struct HeaderSearch
{
    std::vector<HeaderCandidate> tried;
    std::optional<InternalHeader> found;

    // For an image whose header cannot be trusted: why, naming the places tried.
    std::string whyNotFound() const;
};

// image is the cartridge's bytes, without a copier header.
HeaderSearch FindInternalHeader(std::span<const std::uint8_t> image);
// The same of the headers read at each place an image of imageSize bytes
// is long enough to hold one, in the order of HEADER_PLACES.
HeaderSearch ChooseInternalHeader(const std::vector<InternalHeader> &candidates,
                                  std::uint64_t imageSize);

} // namespace mobwright
