#include "app/SystemQuitRequests.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace
{
constexpr int watchedSignals[] { SIGTERM, SIGINT, SIGHUP };

// Written by the signal handler, so a plain int: the handler may run at any moment on any thread.
volatile sig_atomic_t writeEnd = -1;
} // namespace

SystemQuitRequests::SystemQuitRequests (std::function<void()> onQuitRequest)
    : callback (std::move (onQuitRequest))
{
    int ends[2];
    if (::pipe2 (ends, O_NONBLOCK | O_CLOEXEC) != 0)
        return;

    readEnd = ends[0];
    writeEnd = ends[1];

    juce::LinuxEventLoop::registerFdCallback (readEnd, [this] (int) { drain(); });

    struct sigaction action {};
    action.sa_handler = &SystemQuitRequests::handleSignal;
    sigemptyset (&action.sa_mask);
    action.sa_flags = SA_RESTART;

    for (auto s : watchedSignals)
        ::sigaction (s, &action, nullptr);
}

SystemQuitRequests::~SystemQuitRequests()
{
    if (readEnd < 0)
        return;

    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    sigemptyset (&action.sa_mask);

    for (auto s : watchedSignals)
        ::sigaction (s, &action, nullptr);

    juce::LinuxEventLoop::unregisterFdCallback (readEnd);

    const int w = writeEnd;
    writeEnd = -1;
    ::close (w);
    ::close (readEnd);
}

void SystemQuitRequests::handleSignal (int)
{
    const int savedErrno = errno;
    const char byte = 1;

    if (writeEnd >= 0)
    {
        const auto written = ::write (writeEnd, &byte, 1);    // a full pipe already holds a request
        (void) written;
    }

    errno = savedErrno;
}

void SystemQuitRequests::drain()
{
    char buffer[64];
    bool requested = false;

    while (::read (readEnd, buffer, sizeof (buffer)) > 0)
        requested = true;

    // Several signals in a row are one request.
    if (requested && callback != nullptr)
        callback();
}
