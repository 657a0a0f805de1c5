#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
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

// Times step run once: for what a process or a window does only the first time.
inline double TimeOnce(const std::function<void()> &step)
{
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    step();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// A row of the output: what it measures, its unit, and the target it is held
// to, its figure at most atMost; a row without one only reports.
struct Row
{
    const char *path;
    const char *unit = "ms";
    std::optional<double> atMost = std::nullopt;
};

inline void PrintHeader()
{
    std::printf("%-62s %10s %10s %6s %-4s %s\n", "path", "median", "p95", "reps", "unit", "target");
}

// The row's target and whether figure meets it, or that it has none.
inline std::string Verdict(const Row &row, std::optional<double> figure)
{
    if (!row.atMost)
        return "no target";
    const char *met = !figure ? "not measured" : *figure <= *row.atMost ? "holds" : "does not hold";
    char text[80];
    std::snprintf(text, sizeof text, "\u2264 %g %s: %s", *row.atMost, row.unit, met);
    return text;
}

inline void Print(const Row &row, const Timing &timing)
{
    std::printf("%-62s %10.4f %10.4f %6d %-4s %s\n", row.path, timing.median, timing.p95,
                timing.repetitions, row.unit, Verdict(row, timing.median).c_str());
}

inline void Print(const Row &row, double value)
{
    std::printf("%-62s %10.4f %10s %6s %-4s %s\n", row.path, value, "", "", row.unit,
                Verdict(row, value).c_str());
}

// A row that could not be measured, and why.
inline void PrintUnmeasured(const Row &row, const char *why)
{
    std::printf("%-62s %-33s %s\n", row.path, why, Verdict(row, std::nullopt).c_str());
}

} // namespace mobwright::bench
