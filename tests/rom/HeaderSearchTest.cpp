#include "CraftedCartridge.h"
#include "HeaderSearch.h"
#include "HeaderText.h"

#include <gtest/gtest.h>

#include <functional>

using namespace mobwright;
using mobwright::test::PutInternalHeader;

TEST(HeaderSearch, TrustsOnlyAHeaderItsMapModeAndEnoughElseSpeakFor)
{
    using Edit = std::function<void(std::span<std::uint8_t>)>;
    const auto put = [](HeaderPlace place) -> Edit {
        return [place](auto image) { PutInternalHeader(image, place); };
    };
    const auto set = [](HeaderPlace place, std::uint32_t field, std::uint8_t value) -> Edit {
        return [=](auto image) { image[HeaderOffset(place) + field] = value; };
    };
    constexpr auto lo = HeaderPlace::LoROM, hi = HeaderPlace::HiROM;
    const std::string tried = "No internal header can be trusted at LoROM 0x7FC0 and HiROM 0xFFC0.";
    const struct
    {
        const char *what;
        std::vector<Edit> edits;
        std::optional<HeaderPlace> found;
        std::string why;
    } cases[] = {
        // clang-format off
        {"random bytes", {}, {}, tried},
        {"a LoROM header", {put(lo)}, lo, ""},
        {"HiROM's map mode", {put(lo), set(lo, 0x15, 0x31)}, {}, tried},
        {"no fixed map mode bits", {put(lo), set(lo, 0x15, 0x80)}, {}, tried},
        {"garbage title, LoROM's mode", {put(hi), set(hi, 0x15, 0x20), set(hi, 3, 7)}, {}, tried},
        {"words that disagree", {put(lo), set(lo, 0x1C, 0)}, lo, ""},
        {"those, a control in the title", {put(lo), set(lo, 0x1C, 0), set(lo, 0, 0x1F)}, {}, tried},
        {"no reset, size twice too large", {put(hi), set(hi, 0x3D, 0x7F), set(hi, 0x17, 12)}, hi, ""},
        {"those, 8-bit title", {put(hi), set(hi, 0x3D, 0), set(hi, 0x17, 12), set(hi, 0, 0x80)}, {}, tried},
        {"both places", {put(hi), put(lo)}, {}, "The internal header could as well be at LoROM 0x7FC0 and HiROM 0xFFC0."},
        {"both, LoROM's size too small", {put(hi), put(lo), set(lo, 0x17, 10)}, hi, ""},
        // clang-format on
    };
    for (const auto &c : cases) {
        std::vector<std::uint8_t> image = test::RandomBytes(3 << 19, 33);
        for (const Edit &edit : c.edits)
            edit(image);
        const HeaderSearch search = FindInternalHeader(image);
        EXPECT_EQ(search.found ? std::optional(search.found->place) : std::nullopt, c.found)
            << c.what;
        EXPECT_EQ(search.found ? "" : search.whyNotFound(), c.why) << c.what;
    }
    const HeaderSearch blank = FindInternalHeader(std::vector<std::uint8_t>(6 << 20));
    EXPECT_EQ(
        blank.found ? "" : blank.whyNotFound(),
        "No internal header can be trusted at LoROM 0x7FC0, HiROM 0xFFC0 and ExHiROM 0x40FFC0.");
    EXPECT_EQ(FindInternalHeader(std::vector<std::uint8_t>(0x7FFF)).whyNotFound(),
              "The image is too short to hold an internal header.");
}

TEST(HeaderText, CodesReadInPlainWordsAndTitlesEscapeWhatIsNoCharacter)
{
    std::array<std::uint8_t, HEADER_TITLE_SIZE> title;
    title.fill(' ');
    const std::uint8_t start[] = {'A', '\\', 0xA1, 0xDF, 0x00, 0x7F, 0xA0, 0xE0, ' ', 'B'};
    std::copy(std::begin(start), std::end(start), title.begin());
    const std::pair<std::string, std::string> cases[] = {
        {TitleText(title), "A\\\\\uFF61\uFF9F\\x00\\x7F\\xA0\\xE0 B"},
        {MapModeText(0x20), "LoROM, SlowROM (2.68 MHz)"},
        {MapModeText(0x31), "HiROM, FastROM (3.58 MHz)"},
        {MapModeText(0x35), "ExHiROM, FastROM (3.58 MHz)"},
        {MapModeText(0x24), "unknown (0x24)"},
        {MapModeText(0x41), "unknown (0x41)"},
        {CartridgeTypeText(0x00), "ROM"},
        {CartridgeTypeText(0x02), "ROM + RAM + battery"},
        {CartridgeTypeText(0x03), "ROM + DSP"},
        {CartridgeTypeText(0x35), "ROM + SA-1 + RAM + battery"},
        {CartridgeTypeText(0xF6), "ROM + custom chip + battery"},
        {CartridgeTypeText(0x12), "unknown (0x12)"},
        {CartridgeTypeText(0x07), "unknown (0x07)"},
        {CartridgeTypeText(0x63), "unknown (0x63)"},
        {RegionText(0x00), "Japan"},
        {RegionText(0x11), "Australia"},
        {RegionText(0x12), "unknown (0x12)"},
        {RomSizeText(0x09), "512 KiB"},
        {RomSizeText(0x0D), "8 MiB"},
        {RomSizeText(0x0E), "unknown (0x0E)"},
        {RamSizeText(0x00), "none"},
        {RamSizeText(0x07), "128 KiB"},
        {RamSizeText(0x08), "unknown (0x08)"},
        {SizeText(3 << 19), "1.5 MiB"},
        {SizeText(1403 * 1024), "1403 KiB"},
        {SizeText(1403 * 1024 + 512), "1437184 bytes"},
    };
    for (const auto &[text, expected] : cases)
        EXPECT_EQ(text, expected);
}
