#pragma once

#include <juce_events/juce_events.h>

#include <chrono>
#include <functional>

/** Runs the message loop until the condition holds; false at the deadline. Window events, timers
    and the link's calls under the message-manager lock all wait for a running loop. */
inline bool pumpUntil (const std::function<bool()>& condition, int timeoutMs)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds (timeoutMs);

    while (! condition())
    {
        if (std::chrono::steady_clock::now() > deadline)
            return false;

        juce::MessageManager::getInstance()->runDispatchLoopUntil (2);
    }

    return true;
}

/** Runs the message loop for a while: for tests that show something does NOT happen. */
inline void pumpFor (int ms)
{
    pumpUntil ([] { return false; }, ms);
}
