#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace lexaro::bench {

// Times each call of `step(i)` on its own and prints the median and the 99th percentile in
// microseconds. `step` returns false to stop the run as failed.
template <typename Step> bool printPercentiles(const char* what, int samples, Step step)
{
    std::vector<double> micros;
    micros.reserve(std::size_t(samples));
    for (int i = 0; i < samples; ++i) {
        const auto start = std::chrono::steady_clock::now();
        const bool ok = step(i);
        const auto end = std::chrono::steady_clock::now();
        if (!ok) {
            std::printf("%s failed at %d\n", what, i);
            return false;
        }
        micros.push_back(std::chrono::duration<double, std::micro>(end - start).count());
    }
    std::sort(micros.begin(), micros.end());
    std::printf("%-28s median %9.1f us, p99 %9.1f us, max %9.1f us (%d samples)\n", what,
                micros[micros.size() / 2], micros[micros.size() * 99 / 100], micros.back(),
                samples);
    return true;
}

} // namespace lexaro::bench
