#pragma once

#include <functional>
#include <juce_events/juce_events.h>

/** The system's requests to end the program, delivered on the message thread.

    On a Linux desktop the session, a service manager or `kill` ask a program to end with SIGTERM, a
    terminal with SIGINT (Ctrl+C) or SIGHUP (the terminal went away). Each becomes one call of the
    callback on the message thread, so the program quits as when its window is closed: it asks about
    unsaved edits and stores the user's settings. The signal handler only writes a byte to a pipe
    that the message loop watches.
*/
class SystemQuitRequests
{
public:
    explicit SystemQuitRequests (std::function<void()> onQuitRequest);

    /** Gives the signals back to the system's default handling. */
    ~SystemQuitRequests();

    /** False when the requests could not be watched (the signals then keep their default handling). */
    bool isWatching() const noexcept { return readEnd >= 0; }

private:
    static void handleSignal (int);
    void drain();

    std::function<void()> callback;
    int readEnd = -1;

    JUCE_DECLARE_NON_COPYABLE (SystemQuitRequests)
};
