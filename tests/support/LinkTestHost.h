#pragma once

#include "core/MidiLinkHost.h"
#include "MessagePump.h"

#include <atomic>
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

