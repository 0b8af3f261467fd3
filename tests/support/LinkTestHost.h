#pragma once

#include "core/MidiLinkHost.h"

#include <atomic>
#include <chrono>
#include <functional>
#include <juce_events/juce_events.h>
#include <vector>

/** Records what the link asks of its window, and whether it held the message-manager lock. */
class LinkTestHost : public MidiLinkHost
{
public:
    void setDeviceConnected (bool connected) override
    {
        const juce::ScopedLock sl (lock);
        indicatorCalls.push_back (connected);
        noteLock();
    }

    void applyBodyColorMode() override
    {
        const juce::ScopedLock sl (lock);
        ++colourApplications;

        if (colourSource)
            coloursSeen.push_back (colourSource());

        noteLock();
    }

    std::vector<bool> getIndicatorCalls() const     { const juce::ScopedLock sl (lock); return indicatorCalls; }
    int getColourApplications() const               { const juce::ScopedLock sl (lock); return colourApplications; }
    std::vector<int> getColoursSeen() const         { const juce::ScopedLock sl (lock); return coloursSeen; }
    bool everCalledWithoutLock() const              { return calledWithoutLock.load(); }

    bool lastIndicatorIs (bool connected) const
    {
        const juce::ScopedLock sl (lock);
        return ! indicatorCalls.empty() && indicatorCalls.back() == connected;
    }

    /** What applyBodyColorMode reads, as the window reads the link's unit colour. */
    std::function<int()> colourSource;

private:
    void noteLock()
    {
        if (! juce::MessageManager::getInstance()->currentThreadHasLockedMessageManager())
            calledWithoutLock = true;
    }

    juce::CriticalSection lock;
    std::vector<bool> indicatorCalls;
    int colourApplications = 0;
    std::vector<int> coloursSeen;
    std::atomic<bool> calledWithoutLock { false };
};

/** Runs the message loop until the condition holds; false at the deadline. The link reaches its
    window only through the message-manager lock, which needs a running loop to be granted. */
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
