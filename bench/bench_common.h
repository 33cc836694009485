#pragma once
// Shared helpers of the benchmark programs: a steady nanosecond clock that all
// processes of one run share, order statistics, and a seeded random source.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>
#include <time.h>
#include <vector>

#include "engine/random_source.h"

namespace bench {

// CLOCK_MONOTONIC in nanoseconds: comparable between a parent and its child.
inline std::int64_t nowNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return std::int64_t(ts.tv_sec) * 1'000'000'000 + ts.tv_nsec;
}

// CPU time of the calling thread in nanoseconds: unlike the steady clock it
// does not run while the thread waits or is preempted by other processes.
inline std::int64_t threadCpuNs()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return std::int64_t(ts.tv_sec) * 1'000'000'000 + ts.tv_nsec;
}

// The q-quantile (0..1) by the nearest-rank method; 0 for no samples.
inline double quantile(std::vector<double> v, double q)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const size_t rank = static_cast<size_t>(std::ceil(q * double(v.size())));
    return v[std::clamp<size_t>(rank, 1, v.size()) - 1];
}

inline double median(const std::vector<double> &v)
{
    if (v.empty())
        return 0;
    std::vector<double> s = v;
    std::sort(s.begin(), s.end());
    const size_t n = s.size();
    return n % 2 ? s[n / 2] : (s[n / 2 - 1] + s[n / 2]) / 2;
}

// Reproducible draws, so that every run of a benchmark sees the same sentences.
class SeededRandom final : public engine::RandomSource {
public:
    explicit SeededRandom(unsigned seed) : gen_(seed) {}
    int below(int n) override { return std::uniform_int_distribution<int>(0, n - 1)(gen_); }

private:
    std::mt19937 gen_;
};

}  // namespace bench
