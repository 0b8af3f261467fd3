#include "core/transfer/CardVolume.h"

#include <fcntl.h>
#include <sys/statvfs.h>
#include <unistd.h>

std::optional<int64_t> SystemCardVolume::freeBytes (const juce::File& folder)
{
    struct statvfs info {};
    if (::statvfs (folder.getFullPathName().toRawUTF8(), &info) != 0)
        return std::nullopt;

    // f_bavail leaves out the blocks kept back for root, which the user could not fill anyway.
    return (int64_t) info.f_bavail * (int64_t) info.f_frsize;
}

bool SystemCardVolume::flush (const juce::File& folder)
{
    const int fd = ::open (folder.getFullPathName().toRawUTF8(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;

    // Removable media are written back lazily: only after this may the user pull the card. Since
    // Linux 5.8 syncfs() also fails when writing back what it flushes failed.
    const bool flushed = ::syncfs (fd) == 0;
    ::close (fd);
    return flushed;
}
