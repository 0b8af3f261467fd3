#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <future>
#include <thread>
#include <type_traits>

/** Runs fn on a thread of its own and returns its result. A call still running when the time is up
    fails the test and ends the process at once: a looping thread can be neither stopped nor waited
    for, and a hang must fail the run rather than stall it. */
template <typename Fn>
auto returnsWithin (std::chrono::milliseconds limit, const char* what, Fn fn) -> decltype (fn())
{
    using Result = decltype (fn());
    std::packaged_task<Result()> task (std::move (fn));
    auto result = task.get_future();
    std::thread (std::move (task)).detach();

    if (result.wait_for (limit) != std::future_status::ready)
    {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        std::fprintf (stderr, "\n[  FAILED  ] %s.%s: %s did not return within %lld ms\n",
                      test != nullptr ? test->test_suite_name() : "?", test != nullptr ? test->name() : "?",
                      what, (long long) limit.count());
        std::fflush (stderr);
        std::_Exit (1);
    }

    return result.get();
}
