#include "app/MusicLibraryLauncher.h"

#include "core/FileChecks.h"

#include <algorithm>
#include <limits>

namespace
{
constexpr const char* makerFolderName = "Corvane";
constexpr const char* versionFolderPrefix = "mirocrate";
constexpr const char* programNames[] = { "Mirocrate", "Mirocrate.exe" };
constexpr const char* chooserTitle = "Select file to exec...";
constexpr const char* chooserPattern = "*";

constexpr int versionParts = 4;
constexpr juce::int64 partWeight = 256;

/** The decimal digits at the start of a text; a number too large for 32 bits counts as the largest
    that fits, so the weighted sum of four of them always fits in 64. */
juce::int64 leadingNumber (juce::String::CharPointerType text)
{
    constexpr juce::int64 largest = std::numeric_limits<juce::int32>::max();
    juce::int64 value = 0;

    for (; text.isDigit(); ++text)
        value = std::min (largest, value * 10 + (*text - '0'));

    return value;
}

/** Version folders of one maker folder, by name: the system lists a folder in no fixed order. */
juce::Array<juce::File> versionFoldersIn (const juce::File& makerFolder)
{
    juce::Array<juce::File> found;

    for (const auto& entry : juce::RangedDirectoryIterator (makerFolder, false, "*", juce::File::findDirectories))
        if (entry.getFile().getFileName().startsWithIgnoreCase (versionFolderPrefix))
            found.add (entry.getFile());

    std::sort (found.begin(), found.end(), [] (const juce::File& a, const juce::File& b)
    {
        const int order = a.getFileName().compareIgnoreCase (b.getFileName());
        return order != 0 ? order < 0 : a.getFileName() < b.getFileName();
    });

    return found;
}
} // namespace

juce::Array<juce::File> MusicLibraryLauncher::defaultApplicationFolders()
{
    return { juce::File ("/opt"), juce::File ("/usr/local") };
}

MusicLibraryLauncher::MusicLibraryLauncher (FileChoosers& fileChoosers, ProgramStarter& programStarter,
                                            juce::Array<juce::File> folders)
    : choosers (fileChoosers), starter (programStarter), applicationFolders (std::move (folders))
{
}

juce::int64 MusicLibraryLauncher::versionOf (const juce::String& folderName)
{
    juce::int64 version = 0;
    auto rest = folderName.getCharPointer();

    for (int part = 0; part < versionParts; ++part)
    {
        version *= partWeight;

        for (auto p = rest; ! p.isEmpty(); ++p)
        {
            if (*p == ' ' || *p == '.')
            {
                rest = p + 1;
                version += leadingNumber (rest);
                break;
            }
        }
    }

    return version;
}

juce::File MusicLibraryLauncher::programIn (const juce::File& versionFolder)
{
    for (auto* name : programNames)
    {
        const auto candidate = versionFolder.getChildFile (name);
        if (FileChecks::isRegularFile (candidate))
            return candidate;
    }

    return {};
}

juce::File MusicLibraryLauncher::findNewestProgram() const
{
    juce::File best;
    juce::int64 bestVersion = -1;

    for (const auto& folder : applicationFolders)
    {
        for (const auto& versionFolder : versionFoldersIn (folder.getChildFile (makerFolderName)))
        {
            const auto program = programIn (versionFolder);
            if (program == juce::File())
                continue;

            const auto version = versionOf (versionFolder.getFileName());
            if (version > bestVersion)
            {
                best = program;
                bestVersion = version;
            }
        }
    }

    return best;
}

juce::File MusicLibraryLauncher::launch (juce::String& lastProgramPath)
{
    if (juce::File::isAbsolutePath (lastProgramPath))
    {
        const juce::File last (lastProgramPath);
        if (last.exists() && ! last.isDirectory())
        {
            starter.startProgram (last);
            return last;
        }
    }

    lastProgramPath.clear();
    auto program = findNewestProgram();

    if (program == juce::File())
    {
        const auto start = applicationFolders.isEmpty() ? juce::File() : applicationFolders.getFirst();
        program = choosers.chooseFileToOpen (chooserTitle, start, chooserPattern);

        if (program == juce::File())
            return {};
    }

    lastProgramPath = program.getFullPathName();
    starter.startProgram (program);
    return program;
}
