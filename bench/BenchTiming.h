#pragma once

// The benchmark programs' clock: every figure they print is a time in milliseconds, or the median of
// many such times, so that one slow run (a page fault, another process) does not move it.

#include <algorithm>
#include <chrono>
#include <vector>

namespace bench
{
/** How long fn took, in milliseconds. */
template <typename Function>
double timeMs (Function&& fn)
{
    const auto start = std::chrono::steady_clock::now();
    fn();
    return std::chrono::duration<double, std::milli> (std::chrono::steady_clock::now() - start).count();
}

/** The middle one of values (of an even count, the upper middle one); values must not be empty. */
inline double median (std::vector<double> values)
{
    std::sort (values.begin(), values.end());
    return values[values.size() / 2];
}

/** The median time of runs calls of fn. */
template <typename Function>
double medianMs (int runs, Function&& fn)
{
    std::vector<double> times;
    times.reserve ((size_t) runs);

    for (int i = 0; i < runs; ++i)
        times.push_back (timeMs (fn));

    return median (std::move (times));
}
} // namespace bench
