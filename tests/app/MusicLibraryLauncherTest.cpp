#include "app/Manuals.h"
#include "app/MusicLibraryLauncher.h"
#include "JuceTestPrinters.h"
#include "TestEnums.h"

#include <gtest/gtest.h>

namespace
{
struct RecordingStarter : ProgramStarter
{
    juce::Array<juce::File> programs, documents;

    bool startProgram (const juce::File& f) override   { programs.add (f); return true; }
    bool openDocument (const juce::File& f) override   { documents.add (f); return true; }
};

struct OneAnswerChooser : FileChoosers
{
    juce::File answer;
    juce::StringArray asked;

    juce::File chooseFileToOpen (const juce::String& title, const juce::File& initial, const juce::String& patterns) override
    {
        asked.add (title + " | " + initial.getFullPathName() + " | " + patterns);
        return answer;
    }

    juce::File chooseFileToSave (const juce::String&, const juce::File&, const juce::String&) override
    {
        ADD_FAILURE() << "nothing is saved here";
        return {};
    }
};

class MusicLibraryLauncherTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        opt.createDirectory();
        local.createDirectory();
    }

    void TearDown() override { root.deleteRecursively(); }

    /** A version folder under an applications folder's "Corvane", with a program file in it when a
        name is given. */
    static juce::File install (const juce::File& applications, const juce::String& folder, const juce::String& program)
    {
        const auto versionFolder = applications.getChildFile ("Corvane").getChildFile (folder);
        EXPECT_TRUE (versionFolder.createDirectory());

        if (program.isEmpty())
            return {};

        const auto file = versionFolder.getChildFile (program);
        EXPECT_TRUE (file.replaceWithText ("program"));
        return file;
    }

    MusicLibraryLauncher launcher() { return { chooser, starter, { opt, local } }; }

    juce::File root { juce::File::getSpecialLocation (juce::File::tempDirectory)
                          .getNonexistentChildFile ("tessalin-apps", {}, false) };
    juce::File opt = root.getChildFile ("opt"), local = root.getChildFile ("usr local");
    RecordingStarter starter;
    OneAnswerChooser chooser;
};
} // namespace

TEST (MusicLibraryVersion, FourNumbersAfterSpacesOrDotsCountedIn64Bits)
{
    using L = MusicLibraryLauncher;
    EXPECT_LT (L::versionOf ("mirocrate 1.2"), L::versionOf ("mirocrate 1.10"));
    EXPECT_EQ (L::versionOf ("mirocrate 1.10"), (1LL << 24) + (10LL << 16));
    EXPECT_EQ (L::versionOf ("mirocrate.2.0.1"), (2LL << 24) + (1 << 8));
    EXPECT_EQ (L::versionOf ("mirocrate beta"), 0);

    // 200 x 2^24 passes 2^31: in 32 bits this version would count as negative, below every other.
    EXPECT_EQ (L::versionOf ("mirocrate 200.1.1.1"), 3355508993LL);
    EXPECT_GT (L::versionOf ("mirocrate 200.1.1.1"), L::versionOf ("mirocrate 199.255.255.255"));

    // Absurd numbers stay in range and still rank above smaller ones.
    const auto huge = L::versionOf ("mirocrate 99999999999999999999.99999999999999999999.9.9");
    EXPECT_GT (huge, L::versionOf ("mirocrate 2147483646.0"));
    EXPECT_GT (huge, 0);
}

TEST_F (MusicLibraryLauncherTest, TheNewestInstalledVersionWinsAndOfEqualOnesTheFirstByName)
{
    EXPECT_EQ (launcher().findNewestProgram(), juce::File()) << "nothing installed";

    install (opt, "mirocrate 1.2", "Mirocrate");
    const auto oneTen = install (opt, "MiroCrate 1.10", "Mirocrate.exe");
    install (opt, "mirocrate 9.0", {});                 // no program in it
    install (opt, "maestro 9.0", "Mirocrate");          // not a version folder
    EXPECT_EQ (launcher().findNewestProgram(), oneTen);

    const auto twoHundred = install (local, "mirocrate 200.1.1.1", "Mirocrate");
    install (local, "mirocrate 199.255.255.255", "Mirocrate");
    EXPECT_EQ (launcher().findNewestProgram(), twoHundred);

    // A tie goes to the first folder by name, whatever order the system lists them in; a tie
    // between applications folders goes to the first of them.
    root.deleteRecursively();
    install (opt, "mirocrate.3.0", "Mirocrate");
    const auto first = install (opt, "mirocrate 3.0", "Mirocrate");
    install (local, "mirocrate 3.0", "Mirocrate");
    EXPECT_EQ (launcher().findNewestProgram(), first);

    // The program file itself, not the Windows one, when a folder holds both.
    const auto native = install (opt, "mirocrate 4", "Mirocrate");
    install (opt, "mirocrate 4", "Mirocrate.exe");
    EXPECT_EQ (launcher().findNewestProgram(), native);
}

TEST_F (MusicLibraryLauncherTest, StartsTheRememberedProgramElseTheNewestElseTheOneChosen)
{
    // Remembered and still there: started as it is, nothing searched.
    const auto remembered = root.getChildFile ("elsewhere/Mirocrate");
    ASSERT_TRUE (remembered.create().wasOk());
    const auto newest = install (opt, "mirocrate 2.0", "Mirocrate");
    juce::String lastPath = remembered.getFullPathName();

    EXPECT_EQ (launcher().launch (lastPath), remembered);
    EXPECT_EQ (starter.programs, juce::Array<juce::File> { remembered });
    EXPECT_EQ (lastPath, remembered.getFullPathName());

    // A folder, or nothing at all, is not a program: the newest installed one is, and is remembered.
    for (auto stale : { root.getFullPathName(), juce::String ("/gone/Mirocrate"), juce::String ("relative/Mirocrate") })
    {
        starter.programs.clear();
        lastPath = stale;
        EXPECT_EQ (launcher().launch (lastPath), newest) << stale;
        EXPECT_EQ (starter.programs, juce::Array<juce::File> { newest }) << stale;
        EXPECT_EQ (lastPath, newest.getFullPathName()) << stale;
    }
    EXPECT_TRUE (chooser.asked.isEmpty());

    // Nothing installed: the user is asked, from the first applications folder, for any file.
    newest.getParentDirectory().deleteRecursively();
    starter.programs.clear();
    lastPath = "/gone/Mirocrate";
    EXPECT_EQ (launcher().launch (lastPath), juce::File());
    EXPECT_EQ (chooser.asked, juce::StringArray ("Select file to exec... | " + opt.getFullPathName() + " | *"));
    EXPECT_TRUE (lastPath.isEmpty()) << "a cancelled chooser leaves the stale path cleared";
    EXPECT_TRUE (starter.programs.isEmpty());

    chooser.answer = remembered;
    EXPECT_EQ (launcher().launch (lastPath), remembered);
    EXPECT_EQ (lastPath, remembered.getFullPathName());
    EXPECT_EQ (starter.programs, juce::Array<juce::File> { remembered });
}

TEST_F (MusicLibraryLauncherTest, ManualsBesideTheProgramComeFirstThenTheSharedDataFolder)
{
    const auto bin = root.getChildFile ("bin");
    const auto shared = root.getChildFile ("share/tessalin");
    const auto write = [] (const juce::File& base, UiLanguage language)
    {
        const auto file = base.getChildFile (Manuals::relativePath (language));
        EXPECT_TRUE (file.create().wasOk());
        return file;
    };

    EXPECT_EQ (Manuals::relativePath (UiLanguage::portuguese), "Manual/Portuguese/Manual_tessalin_pt-pt.pdf");
    EXPECT_EQ (Manuals::relativePath (languageAt (12)), Manuals::relativePath (UiLanguage::english));

    // Missing everywhere: nothing is opened.
    EXPECT_FALSE (Manuals::open (UiLanguage::japanese, bin, starter));
    EXPECT_TRUE (starter.documents.isEmpty());

    const auto installedJapanese = write (shared, UiLanguage::japanese);
    EXPECT_TRUE (Manuals::open (UiLanguage::japanese, bin, starter));
    const auto besideJapanese = write (bin, UiLanguage::japanese);
    EXPECT_TRUE (Manuals::open (UiLanguage::japanese, bin, starter));
    EXPECT_EQ (starter.documents, (juce::Array<juce::File> { installedJapanese, besideJapanese }));
    EXPECT_TRUE (starter.programs.isEmpty());
}
