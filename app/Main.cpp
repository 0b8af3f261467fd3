#include "app/QZT7200ControlApplication.h"
#include "app/SingleInstanceLock.h"

int main (int argc, char* argv[])
{
    // A second copy leaves before it builds anything: no window, no MIDI port, no settings touched.
    const SingleInstanceLock instanceLock (SingleInstanceLock::defaultLockFile());
    if (instanceLock.isHeldByAnotherInstance())
        return 0;

    juce::JUCEApplicationBase::createInstance = &createApplication;
    return juce::JUCEApplicationBase::main (argc, (const char**) argv);
}
