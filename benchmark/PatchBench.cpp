#include "PatchBench.h"

#include "ImagePatch.h"
#include "Stats.h"

#include <zlib.h>

#include <chrono>
#include <cstring>

namespace mobwright::bench {
namespace {

using Bytes = std::span<const std::uint8_t>;

// Keeps what a step computes, so that the compiler cannot drop the step.
volatile std::uint64_t sink;

// A memcmp of the two images over their whole length, block by block on past
// each difference: the least any comparison of them costs.
void CompareWhole(Bytes a, Bytes b)
{
    constexpr std::size_t BLOCK = 64 * 1024;
    const std::size_t size = std::min(a.size(), b.size());
    std::uint64_t differing = 0;
    for (std::size_t at = 0; at < size; at += BLOCK)
        differing += std::memcmp(a.data() + at, b.data() + at, std::min(BLOCK, size - at)) != 0;
    sink = differing;
}

// The checksums a BPS patch carries of the images it joins.
void Checksums(Bytes a, Bytes b)
{
    sink = crc32_z(0, a.data(), a.size()) ^ crc32_z(0, b.data(), b.size());
}

double Milliseconds(const auto &step)
{
    const auto start = std::chrono::steady_clock::now();
    step();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

} // namespace

void MeasurePatchFloors(int repetitions, Bytes baseline, Bytes image)
{
    // Each repetition times all four in turn, and each ratio is taken within
    // it, so that a busy moment weighs on a patch and its floor alike.
    enum { Compare, Crc, Ips, Bps, Steps };
    std::vector<double> times[Steps], ipsRatios, bpsRatios;
    for (int i = -std::max(3, repetitions / 10); i < repetitions; ++i) {
        double ms[Steps];
        ms[Compare] = Milliseconds([&] { CompareWhole(baseline, image); });
        ms[Crc] = Milliseconds([&] { Checksums(baseline, image); });
        ms[Ips] = Milliseconds([&] {
            sink = MakeImagePatch(FormatNamed(u"ips"), baseline, image, ImageKind::Headerless).size();
        });
        ms[Bps] = Milliseconds([&] {
            sink = MakeImagePatch(FormatNamed(u"bps"), baseline, image, ImageKind::Headerless).size();
        });
        if (i < 0) // warming up
            continue;
        for (int step = 0; step < Steps; ++step)
            times[step].push_back(ms[step]);
        ipsRatios.push_back(ms[Ips] / ms[Compare]);
        bpsRatios.push_back(ms[Bps] / (ms[Compare] + ms[Crc]));
    }
    Print({"memcmp of the two images, headerless, whole (3 MiB)"}, Summarize(times[Compare]));
    Print({"CRC-32 of the two images (zlib)"}, Summarize(times[Crc]));
    Print({"Making an IPS patch of them in memory"}, Summarize(times[Ips]));
    Print({"Making a BPS patch of them in memory"}, Summarize(times[Bps]));
    Print({"IPS patch / memcmp, paired", "x", 3}, Summarize(ipsRatios));
    Print({"BPS patch / (memcmp + CRC-32s), paired", "x", 3}, Summarize(bpsRatios));
}

} // namespace mobwright::bench
