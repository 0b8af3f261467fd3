#include "core/FileChecks.h"

#include <sys/stat.h>

namespace FileChecks
{
bool isRegularFile (const juce::File& file)
{
    if (file.getFullPathName().isEmpty())
        return false;

    struct stat info {};
    return ::stat (file.getFullPathName().toRawUTF8(), &info) == 0 && S_ISREG (info.st_mode);
}
} // namespace FileChecks
