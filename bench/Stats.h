// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Figures of the benchmarks: median, extremes and a percentile of a series of
// runs, and the table row every benchmark program prints. Standard C++ only,
// so that the process driver can use it without Qt.

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace bench {

struct Summary
{
    double median = 0.0;
    double min = 0.0;
    double max = 0.0;
    double p95 = 0.0;
    std::size_t count = 0;
};

inline double percentile(std::vector<double> sorted, double p)
{
    if (sorted.empty())
        return 0.0;
    std::sort(sorted.begin(), sorted.end());
    const double rank = p * static_cast<double>(sorted.size() - 1);
    const auto low = static_cast<std::size_t>(rank);
    const std::size_t high = std::min(low + 1, sorted.size() - 1);
    const double fraction = rank - static_cast<double>(low);
    return sorted[low] + (sorted[high] - sorted[low]) * fraction;
}

inline Summary summarize(const std::vector<double> &values)
{
    Summary s;
    s.count = values.size();
    if (values.empty())
        return s;
    s.median = percentile(values, 0.5);
    s.p95 = percentile(values, 0.95);
    s.min = *std::min_element(values.begin(), values.end());
    s.max = *std::max_element(values.begin(), values.end());
    return s;
}

// One markdown table row: figure | median | min | max | p95 | runs | goal | met
inline void printRow(const std::string &figure, const Summary &s, const std::string &goal, bool met,
                     int decimals = 3)
{
    std::printf("| %s | %.*f | %.*f | %.*f | %.*f | %zu | %s | %s |\n", figure.c_str(), decimals,
                s.median, decimals, s.min, decimals, s.max, decimals, s.p95, s.count, goal.c_str(),
                met ? "yes" : "**NO**");
    std::fflush(stdout);
}

// A row that only informs: no goal of its own.
inline void printInfo(const std::string &figure, const Summary &s, int decimals = 3)
{
    std::printf("| %s | %.*f | %.*f | %.*f | %.*f | %zu | - | - |\n", figure.c_str(), decimals,
                s.median, decimals, s.min, decimals, s.max, decimals, s.p95, s.count);
    std::fflush(stdout);
}

inline void printHeader()
{
    std::printf("| Figure | median | min | max | p95 | runs | goal | met |\n");
    std::printf("|---|---:|---:|---:|---:|---:|---|---|\n");
    std::fflush(stdout);
}

} // namespace bench
