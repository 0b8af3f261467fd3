#pragma once

#include <cstdlib>
#include <optional>
#include <string>
#include <juce_core/juce_core.h>

/** A folder of the test's own under /tmp: "sources" for the files it reads and "tmp" as TMPDIR while
    this object lives, so that every temporary file the code under test makes lands where the test can
    count it. The old TMPDIR comes back and the whole folder goes with this object. */
class ScopedTestFolder
{
public:
    explicit ScopedTestFolder (const juce::String& prefix)
        : root (juce::File ("/tmp").getNonexistentChildFile (prefix + juce::String::toHexString (juce::Random::getSystemRandom().nextInt64()),
                                                             {}, false)),
          sources (root.getChildFile ("sources")),
          tmpDir (root.getChildFile ("tmp"))
    {
        if (const char* old = std::getenv ("TMPDIR"))
            oldTmpDir = old;

        sources.createDirectory();
        tmpDir.createDirectory();
        ::setenv ("TMPDIR", tmpDir.getFullPathName().toRawUTF8(), 1);
    }

    ~ScopedTestFolder()
    {
        if (oldTmpDir.has_value())
            ::setenv ("TMPDIR", oldTmpDir->c_str(), 1);
        else
            ::unsetenv ("TMPDIR");

        root.deleteRecursively();
    }

    /** Files and folders left in TMPDIR. */
    int numLeftInTmpDir() const    { return tmpDir.getNumberOfChildFiles (juce::File::findFilesAndDirectories); }

    const juce::File root, sources, tmpDir;

private:
    std::optional<std::string> oldTmpDir;

    JUCE_DECLARE_NON_COPYABLE (ScopedTestFolder)
};
