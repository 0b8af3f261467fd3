#include "app/SingleInstanceLock.h"

#include "app/ApplicationInfo.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

SingleInstanceLock::SingleInstanceLock (const juce::File& lockFile)
{
    if (! lockFile.getParentDirectory().createDirectory())
        return;

    // Close-on-exec: a program we start (the music library, a manual viewer) must not inherit the
    // lock and keep the next tessalin from starting after this one has quit.
    do
        descriptor = ::open (lockFile.getFullPathName().toRawUTF8(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    while (descriptor < 0 && errno == EINTR);

    if (descriptor < 0)
        return;

    int result;
    do
        result = ::flock (descriptor, LOCK_EX | LOCK_NB);
    while (result != 0 && errno == EINTR);

    if (result == 0)
    {
        outcome = Outcome::acquired;
        return;
    }

    outcome = errno == EWOULDBLOCK ? Outcome::heldByAnotherInstance : Outcome::unavailable;
    ::close (descriptor);
    descriptor = -1;
}

SingleInstanceLock::~SingleInstanceLock()
{
    if (descriptor >= 0)
        ::close (descriptor);   // closing the last descriptor releases the lock
}

juce::File SingleInstanceLock::defaultLockFile()
{
    return ApplicationInfo::userDataFolder().getChildFile (juce::String (ApplicationInfo::name) + ".lock");
}
