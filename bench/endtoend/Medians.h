#pragma once
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace trayhush::bench {

inline double Median(std::vector<double> samples) {
    if (samples.empty()) return 0;
    std::sort(samples.begin(), samples.end());
    const std::size_t middle = samples.size() / 2;
    return samples.size() % 2 ? samples[middle] : (samples[middle - 1] + samples[middle]) / 2;
}

inline std::string Joined(const std::vector<double>& samples, int decimals) {
    std::string text;
    char number[32];
    for (double sample : samples) {
        std::snprintf(number, sizeof number, "%.*f", decimals, sample);
        text += (text.empty() ? "" : " ") + std::string(number);
    }
    return text;
}

}  // namespace trayhush::bench
