#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace mobwright::bench {

struct Timing
{
    double median = 0; // milliseconds
    double p95 = 0;
    int repetitions = 0;
};

inline Timing Summarize(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    const auto at = [&](double quantile) {
        return samples[static_cast<std::size_t>(quantile * static_cast<double>(samples.size() - 1) + 0.5)];
    };
    return {at(0.5), at(0.95), static_cast<int>(samples.size())};
}

// Runs step a few times unmeasured, then times each of repetitions runs;
// setup runs before each, untimed.
inline Timing Measure(int repetitions, const std::function<void(int)> &setup,
                      const std::function<void(int)> &step)
{
    using Clock = std::chrono::steady_clock;
    for (int i = 0; i < std::max(3, repetitions / 10); ++i) {
        setup(i);
        step(i);
    }
    std::vector<double> samples;
    for (int i = 0; i < repetitions; ++i) {
        setup(i);
        const auto start = Clock::now();
        step(i);
        samples.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    return Summarize(std::move(samples));
}

inline Timing Measure(int repetitions, const std::function<void(int)> &step)
{
    return Measure(repetitions, [](int) {}, step);
}

inline void PrintRow(const char *path, const Timing &timing, const char *unit = "ms")
{
    std::printf("%-62s %10.4f %10.4f %6d %s\n", path, timing.median, timing.p95, timing.repetitions, unit);
}

inline void PrintValue(const char *path, double value, const char *unit)
{
    std::printf("%-62s %10.4f %10s %6s %s\n", path, value, "", "", unit);
}

// One path against another, as the ratio of their medians.
inline void PrintRatio(const char *path, const Timing &over, const Timing &under)
{
    PrintValue(path, over.median / under.median, "x");
}

} // namespace mobwright::bench
