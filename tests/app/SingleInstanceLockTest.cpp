#include "app/SingleInstanceLock.h"
#include "JuceTestPrinters.h"

#include <gtest/gtest.h>

namespace
{
struct SingleInstanceLockTest : ::testing::Test
{
    juce::TemporaryFile folderHolder { juce::String(), juce::TemporaryFile::useHiddenFile };
    juce::File folder;

    void SetUp() override
    {
        folder = folderHolder.getFile();
        ASSERT_TRUE (folder.createDirectory());
    }

    void TearDown() override { folder.deleteRecursively(); }
};
} // namespace

TEST_F (SingleInstanceLockTest, OneHolderAtATimeAndTheLockGoesWithItsHolder)
{
    const auto lockFile = folder.getChildFile ("Corvane/tessalin/tessalin.lock");

    auto first = std::make_unique<SingleInstanceLock> (lockFile);
    EXPECT_EQ (first->getOutcome(), SingleInstanceLock::Outcome::acquired);
    EXPECT_TRUE (lockFile.existsAsFile());

    {
        SingleInstanceLock second (lockFile);
        EXPECT_TRUE (second.isHeldByAnotherInstance());
    }

    // The refused one did not take the lock away from the holder.
    EXPECT_TRUE (SingleInstanceLock (lockFile).isHeldByAnotherInstance());

    first.reset();
    SingleInstanceLock third (lockFile);
    EXPECT_EQ (third.getOutcome(), SingleInstanceLock::Outcome::acquired);

    // Another user's (another folder's) program is none of ours.
    EXPECT_EQ (SingleInstanceLock (folder.getChildFile ("other/tessalin.lock")).getOutcome(),
               SingleInstanceLock::Outcome::acquired);
}

TEST_F (SingleInstanceLockTest, ALockThatCannotBeMadeSaysNothingAboutOtherInstances)
{
    const auto aFile = folder.getChildFile ("plain file");
    ASSERT_TRUE (aFile.replaceWithText ("x"));

    SingleInstanceLock lock (aFile.getChildFile ("tessalin.lock"));
    EXPECT_EQ (lock.getOutcome(), SingleInstanceLock::Outcome::unavailable);
    EXPECT_FALSE (lock.isHeldByAnotherInstance());
}

TEST_F (SingleInstanceLockTest, LivesBesideTheSettingsInTheUsersConfigFolder)
{
    const auto configHome = juce::SystemStats::getEnvironmentVariable ("XDG_CONFIG_HOME", {});

    ::setenv ("XDG_CONFIG_HOME", folder.getFullPathName().toRawUTF8(), 1);
    EXPECT_EQ (SingleInstanceLock::defaultLockFile(), folder.getChildFile ("Corvane/tessalin/tessalin.lock"));

    // A relative setting is not a folder anyone meant: the usual one is used.
    ::setenv ("XDG_CONFIG_HOME", "relative/config", 1);
    EXPECT_EQ (SingleInstanceLock::defaultLockFile(),
               juce::File::getSpecialLocation (juce::File::userApplicationDataDirectory)
                   .getChildFile ("Corvane/tessalin/tessalin.lock"));

    if (configHome.isNotEmpty())
        ::setenv ("XDG_CONFIG_HOME", configHome.toRawUTF8(), 1);
    else
        ::unsetenv ("XDG_CONFIG_HOME");
}
