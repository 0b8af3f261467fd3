#pragma once

#include <juce_core/juce_core.h>

/** Keeps one running program per user.

    The lock is an advisory lock (flock) on a file in the user's settings folder, held for as long as
    this object lives. The system drops it when the process ends in any way, so a crashed program
    never blocks the next start. A second program finds the lock taken and leaves at once, before it
    opens a window or a MIDI port.
*/
class SingleInstanceLock
{
public:
    enum class Outcome
    {
        acquired,
        heldByAnotherInstance,
        unavailable     // the lock file could not be made or locked: nothing to say about other instances
    };

    explicit SingleInstanceLock (const juce::File& lockFile);
    ~SingleInstanceLock();

    Outcome getOutcome() const noexcept                 { return outcome; }
    bool isHeldByAnotherInstance() const noexcept       { return outcome == Outcome::heldByAnotherInstance; }

    /** tessalin.lock beside the settings file. */
    static juce::File defaultLockFile();

private:
    int descriptor = -1;
    Outcome outcome = Outcome::unavailable;

    JUCE_DECLARE_NON_COPYABLE (SingleInstanceLock)
};
