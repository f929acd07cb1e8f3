#pragma once

// Helpers shared by the benchmarks: clocks, order statistics and the rows of
// the printed table.

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

namespace bench {

inline double read_ms(clockid_t clock)
{
    timespec t{};
    clock_gettime(clock, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}
inline double now_ms() { return read_ms(CLOCK_MONOTONIC); }
inline double cpu_ms() { return read_ms(CLOCK_PROCESS_CPUTIME_ID); }

// Linear interpolation between the closest ranks; q = 0.5 is the median.
inline double quantile(std::vector<double> v, double q)
{
    if (v.empty())
        return 0.0;
    std::sort(v.begin(), v.end());
    const double at = q * static_cast<double>(v.size() - 1);
    const auto below = static_cast<std::size_t>(at);
    const std::size_t above = std::min(below + 1, v.size() - 1);
    return v[below] + (at - static_cast<double>(below)) * (v[above] - v[below]);
}
inline double median(const std::vector<double> &v) { return quantile(v, 0.5); }

inline std::string format(const char *pattern, double a, double b = 0.0, double c = 0.0)
{
    char text[96];
    std::snprintf(text, sizeof text, pattern, a, b, c);
    return text;
}

inline const char *verdict(bool met) { return met ? "met" : "MISSED"; }

// One line of the table that scripts/bench prints a header for.
inline void row(const std::string &what, const char *platform, const std::string &measured,
                const std::string &reference, const std::string &ratio, const std::string &goal,
                const char *verdict)
{
    std::printf("%-34s %-9s %-24s %-17s %-7s %-14s %s\n", what.c_str(), platform, measured.c_str(),
                reference.c_str(), ratio.c_str(), goal.c_str(), verdict);
    std::fflush(stdout);
}

}  // namespace bench
