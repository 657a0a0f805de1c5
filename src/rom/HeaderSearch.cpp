#include "HeaderSearch.h"

#include "HeaderText.h"
#include "HexText.h"

#include <algorithm>
#include <array>

namespace mobwright {
namespace {

// Two agreeing checksum words are worth most: random bytes agree once in
// 65,536. A header is trusted with its map mode and, besides, the checksum
// pair and one more fact, or three facts without the pair.
constexpr int CHECKSUM_PAIR_WEIGHT = 4;
constexpr int FACT_WEIGHT = 2;
constexpr int TRUSTED_SCORE = 8;

// The low nibble of the map mode names the mapping; 0x10 is the ROM's speed.
bool MapModeAgrees(std::uint8_t mapMode, HeaderPlace place)
{
    if ((mapMode & 0xE0) != 0x20)
        return false;
    const int mapping = mapMode & 0x0F;
    switch (place) {
    case HeaderPlace::LoROM: // plain, S-DD1, SA-1
        return mapping == 0x0 || mapping == 0x2 || mapping == 0x3;
    case HeaderPlace::HiROM: // plain, SPC7110
        return mapping == 0x1 || mapping == 0xA;
    case HeaderPlace::ExHiROM:
        return mapping == 0x5;
    }
    return false;
}

bool SizeFitsImage(const InternalHeader &header, std::uint64_t imageSize)
{
    const auto declared = header.declaredRomBytes();
    return declared && *declared >= imageSize && *declared < 2 * imageSize;
}

HeaderEvidence Weigh(const InternalHeader &header, std::uint64_t imageSize)
{
    return {
        .mapModeAgrees = MapModeAgrees(header.mapMode, header.place),
        .checksumPairAgrees = header.checksumPairAgrees(),
        .resetVectorInRom = header.resetVector >= 0x8000,
        .sizeFitsImage = SizeFitsImage(header, imageSize),
        .titlePrintable = std::all_of(header.title.begin(), header.title.end(), IsTitleCharacter),
    };
}

bool IsTrusted(const HeaderCandidate &candidate)
{
    return candidate.evidence.mapModeAgrees && candidate.evidence.score() >= TRUSTED_SCORE;
}

// The trusted candidates with the best score: one is the header, more are a tie.
std::vector<const HeaderCandidate *> Best(const std::vector<HeaderCandidate> &tried)
{
    std::vector<const HeaderCandidate *> best;
    for (const HeaderCandidate &candidate : tried) {
        if (!IsTrusted(candidate))
            continue;
        if (!best.empty() && candidate.evidence.score() > best.front()->evidence.score())
            best.clear();
        if (best.empty() || candidate.evidence.score() == best.front()->evidence.score())
            best.push_back(&candidate);
    }
    return best;
}

std::string PlaceText(HeaderPlace place)
{
    return std::string(HeaderPlaceName(place)) + " 0x" + HexDigits(HeaderOffset(place));
}

std::string PlacesText(const std::vector<const HeaderCandidate *> &candidates)
{
    std::string text;
    for (std::size_t k = 0; k < candidates.size(); ++k) {
        if (k > 0)
            text += k + 1 == candidates.size() ? " and " : ", ";
        text += PlaceText(candidates[k]->header.place);
    }
    return text;
}

} // namespace

int HeaderEvidence::score() const
{
    return (checksumPairAgrees ? CHECKSUM_PAIR_WEIGHT : 0) +
           FACT_WEIGHT * (int{mapModeAgrees} + int{resetVectorInRom} + int{sizeFitsImage} +
                          int{titlePrintable});
}

std::string HeaderSearch::whyNotFound() const
{
    if (tried.empty())
        return "The image is too short to hold an internal header.";
    const auto best = Best(tried);
    if (best.size() > 1)
        return "The internal header could as well be at " + PlacesText(best) + ".";
    std::vector<const HeaderCandidate *> all;
    for (const HeaderCandidate &candidate : tried)
        all.push_back(&candidate);
    return "No internal header can be trusted at " + PlacesText(all) + ".";
}

HeaderSearch FindInternalHeader(std::span<const std::uint8_t> image)
{
    std::vector<InternalHeader> candidates;
    for (const HeaderPlace place : HEADER_PLACES) {
        if (const auto header = ReadInternalHeader(image, place))
            candidates.push_back(*header);
    }
    return ChooseInternalHeader(candidates, image.size());
}

HeaderSearch ChooseInternalHeader(const std::vector<InternalHeader> &candidates,
                                  std::uint64_t imageSize)
{
    HeaderSearch search;
    for (const InternalHeader &header : candidates)
        search.tried.push_back({header, Weigh(header, imageSize)});
    if (const auto best = Best(search.tried); best.size() == 1)
        search.found = best.front()->header;
    return search;
}

} // namespace mobwright
