#include "app/ProcessLauncher.h"
#include "JuceTestPrinters.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace
{
/** A folder with stand-ins for the desktop's opener and for a program: shell scripts that write
    down how they were started (arguments, standard streams, session, open files) into a record
    folder, each under its own name. PATH leads to the opener for as long as the fixture lives. */
class ProcessLauncherTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE (bin.createDirectory());
        ASSERT_TRUE (records.createDirectory());
        ASSERT_TRUE (work.createDirectory());
        writeRecorder (bin.getChildFile ("xdg-open"), "opener");

        previousPath = ::getenv ("PATH");
        ::setenv ("PATH", (bin.getFullPathName() + ":" + previousPath).toRawUTF8(), 1);

        previousFolder = juce::File::getCurrentWorkingDirectory();
        work.setAsCurrentWorkingDirectory();
    }

    void TearDown() override
    {
        previousFolder.setAsCurrentWorkingDirectory();
        ::setenv ("PATH", previousPath.toRawUTF8(), 1);
        root.deleteRecursively();
    }

    void writeRecorder (const juce::File& script, const juce::String& name)
    {
        const auto out = records.getChildFile (name).getFullPathName().quoted ('\'');
        const juce::String text = "#!/bin/sh\n"
            "out=" + out + "\n"
            "streams=\"$(readlink /proc/$$/fd/0 /proc/$$/fd/1 /proc/$$/fd/2)\"\n"
            "mkdir \"$out.tmp\"\n"
            "printf '%s' \"$0\" > \"$out.tmp/program\"\n"
            "for a in \"$@\"; do printf '%s\\n' \"$a\" >> \"$out.tmp/arguments\"; done\n"
            "printf '%s' \"$#\" > \"$out.tmp/count\"\n"
            "printf '%s\\n' \"$streams\" > \"$out.tmp/streams\"\n"
            "for fd in /proc/$$/fd/*; do readlink \"$fd\"; done > \"$out.tmp/open\"\n"
            "[ \"$(cut -d' ' -f6 /proc/$$/stat)\" = \"$$\" ] && echo leader > \"$out.tmp/session\"\n"
            "mv \"$out.tmp\" \"$out\"\n";

        ASSERT_TRUE (script.replaceWithText (text, false, false, "\n"));
        ASSERT_EQ (::chmod (script.getFullPathName().toRawUTF8(), 0755), 0);
    }

    /** The record a stand-in left, once it has finished writing it; empty when none came. */
    juce::File waitForRecord (const juce::String& name, int timeoutMs = 5000)
    {
        const auto record = records.getChildFile (name);
        for (int waited = 0; ! record.isDirectory() && waited < timeoutMs; waited += 10)
            juce::Thread::sleep (10);

        return record.isDirectory() ? record : juce::File();
    }

    static juce::String read (const juce::File& record, const char* item)
    {
        return record.getChildFile (item).loadFileAsString();
    }

    /** No child of this process is left for anyone to wait for. */
    static bool noChildLeft()
    {
        return ::waitpid (-1, nullptr, WNOHANG) == -1 && errno == ECHILD;
    }

    juce::File root { juce::File::getSpecialLocation (juce::File::tempDirectory)
                          .getNonexistentChildFile ("tessalin-launch", {}, false) };
    juce::File bin = root.getChildFile ("bin"), records = root.getChildFile ("records"), work = root.getChildFile ("work");
    juce::String previousPath;
    juce::File previousFolder;
    ProcessLauncher launcher;
};
} // namespace

TEST_F (ProcessLauncherTest, ADocumentReachesTheOpenerAsOneArgumentAndNothingElseRuns)
{
    // Every character a shell would act on; the commands in it would leave files in the working folder.
    const auto document = root.getChildFile ("my sets/Tom's \"best\" $(touch from-dollar) ; touch from-semicolon `touch from-backquote` & | > out.RSD");
    ASSERT_TRUE (document.create().wasOk());

    // A descriptor of ours that is not marked close-on-exec must not reach the program.
    const auto privateFile = root.getChildFile ("private");
    ASSERT_TRUE (privateFile.replaceWithText ("x"));
    const int privateDescriptor = ::open (privateFile.getFullPathName().toRawUTF8(), O_RDONLY);
    ASSERT_GE (privateDescriptor, 0);

    EXPECT_TRUE (launcher.openDocument (document));
    ::close (privateDescriptor);
    EXPECT_TRUE (noChildLeft()) << "the launcher waited for what it started, and the program is not ours";

    const auto record = waitForRecord ("opener");
    ASSERT_NE (record, juce::File());
    EXPECT_EQ (read (record, "count"), "1");
    EXPECT_EQ (read (record, "arguments"), document.getFullPathName() + "\n");
    EXPECT_EQ (read (record, "program"), bin.getChildFile ("xdg-open").getFullPathName());
    EXPECT_EQ (read (record, "streams"), "/dev/null\n/dev/null\n/dev/null\n");
    EXPECT_EQ (read (record, "session"), "leader\n") << "the program runs in a session of its own";
    EXPECT_FALSE (read (record, "open").contains (privateFile.getFullPathName()));

    juce::Thread::sleep (100);
    EXPECT_EQ (work.getNumberOfChildFiles (juce::File::findFilesAndDirectories), 0) << "a shell ran something";
    EXPECT_EQ (root.getNumberOfChildFiles (juce::File::findFiles), 1) << "only the private file lies there";
}

TEST_F (ProcessLauncherTest, ProgramsRunThemselvesOtherFilesAreOpenedAndWhatCannotRunStartsNothing)
{
    // An executable file runs by itself, with no arguments.
    const auto program = root.getChildFile ("apps/Mirocrate $(touch x); y");
    ASSERT_TRUE (program.getParentDirectory().createDirectory());
    writeRecorder (program, "program");
    EXPECT_TRUE (launcher.startProgram (program));
    auto record = waitForRecord ("program");
    ASSERT_NE (record, juce::File());
    EXPECT_EQ (read (record, "program"), program.getFullPathName());
    EXPECT_EQ (read (record, "count"), "0");

    // A file that is not executable (a Windows program here) goes to the opener.
    const auto windowsProgram = root.getChildFile ("apps/Mirocrate.exe");
    ASSERT_TRUE (windowsProgram.replaceWithText ("MZ"));
    EXPECT_TRUE (launcher.startProgram (windowsProgram));
    record = waitForRecord ("opener");
    ASSERT_NE (record, juce::File());
    EXPECT_EQ (read (record, "arguments"), windowsProgram.getFullPathName() + "\n");

    // A missing file starts nothing; without an opener on PATH nothing can be opened. An opener
    // in the working folder does not count, even with "." on PATH.
    records.getChildFile ("opener").deleteRecursively();
    EXPECT_FALSE (launcher.startProgram (root.getChildFile ("apps/gone")));
    EXPECT_FALSE (launcher.openDocument (root.getChildFile ("gone.pdf")));

    writeRecorder (work.getChildFile ("xdg-open"), "opener");
    ::setenv ("PATH", ".::work", 1);
    EXPECT_EQ (ProcessLauncher::findExecutable ("xdg-open"), juce::File());
    EXPECT_FALSE (launcher.openDocument (windowsProgram));

    EXPECT_FALSE (ProcessLauncher::spawnDetached ({ root.getChildFile ("apps/gone").getFullPathName() }));
    EXPECT_EQ (waitForRecord ("opener", 300), juce::File());
    EXPECT_TRUE (noChildLeft());
}
