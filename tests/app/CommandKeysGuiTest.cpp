#include "app/CommandTable.h"
#include "app/FileChoosers.h"
#include "app/MainWindow.h"
#include "app/ProcessLauncher.h"
#include "AppGuiTestSupport.h"
#include "JuceTestPrinters.h"
#include "TestEnums.h"

#include <gtest/gtest.h>

namespace
{
/** Counts how often each chooser was asked for, and cancels every one. */
struct CountingChoosers : FileChoosers
{
    int opens = 0, saves = 0;
    juce::File saveAnswer;

    juce::File chooseFileToOpen (const juce::String&, const juce::File&, const juce::String&) override { ++opens; return {}; }
    juce::File chooseFileToSave (const juce::String&, const juce::File&, const juce::String&) override { ++saves; return saveAnswer; }
};

/** Reads the alert that comes up, then answers it with a key. */
struct AlertReader : private juce::Timer
{
    AlertReader (MainWindow& w, int keyToAnswer) : window (w), key (keyToAnswer) { startTimer (30); }
    ~AlertReader() override { stopTimer(); }

    void timerCallback() override
    {
        auto* alert = window.getOpenAlert();
        if (alert == nullptr || alert->getPeer() == nullptr)
            return;

        stopTimer();
        message = alert->getMessage();
        okIdentifier = alert->getOkButton().getCommandID();
        alert->getPeer()->handleKeyPress (key);
    }

    MainWindow& window;
    juce::KeyPress key;
    juce::String message;
    int okIdentifier = 0;
};

/** Real key strokes, sent through the X server to the window that has the input focus. */
class CommandKeysGuiTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_NE (ProcessLauncher::findExecutable ("xdotool"), juce::File()) << "xdotool is needed to type keys";

        window = std::make_unique<MainWindow> (*current, *lastSent, pointer);
        auto counting = std::make_unique<CountingChoosers>();
        choosers = counting.get();
        window->setFileChoosers (std::move (counting));
        window->setBounds (40, 30, 1024, 738);
        window->setVisible (true);
        window->toFront (true);
        pumpMessages (100);
    }

    void TearDown() override
    {
        window->setLanguage (UiLanguage::english);    // the skin's language is the program's, not only this window's
        window.reset();
    }

    /** Focuses a window as the user would by clicking it, then types the keys; the message loop
        runs meanwhile, so the program takes the keys as they come. */
    void typeInto (juce::Component& target, const juce::String& keys)
    {
        const auto id = juce::String ((juce::uint64) (juce::pointer_sized_uint) target.getPeer()->getNativeHandle());

        juce::ChildProcess xdotool;
        ASSERT_TRUE (xdotool.start (juce::StringArray { "xdotool", "windowfocus", "--sync", id, "key", "--delay", "40", keys }));

        for (int waited = 0; xdotool.isRunning() && waited < 5000; waited += 10)
            pumpMessages (10);

        EXPECT_FALSE (xdotool.isRunning());
        EXPECT_EQ (xdotool.getExitCode(), 0u) << xdotool.readAllProcessOutput();
        pumpMessages (200);
    }

    std::unique_ptr<DeviceSettings> current = createDeviceSettings();
    std::unique_ptr<DeviceSettings> lastSent = createDeviceSettings();
    PointerState pointer;
    std::unique_ptr<MainWindow> window;
    CountingChoosers* choosers = nullptr;
};
} // namespace

TEST_F (CommandKeysGuiTest, CtrlSReachesSaveOnceFromTheMainWindow)
{
    typeInto (*window, "ctrl+s");
    EXPECT_EQ (choosers->saves, 1);
    EXPECT_EQ (choosers->opens, 0);

    typeInto (*window, "ctrl+o");
    EXPECT_EQ (choosers->saves, 1);
    EXPECT_EQ (choosers->opens, 1);
}

TEST_F (CommandKeysGuiTest, CtrlSReachesSaveOnceFromEachToolWindow)
{
    // The tool windows take the keys themselves and hand the command to the main window's target.
    auto& sampler = window->getSamplerWindow();
    auto& browser = window->getEffectBrowser();

    int expectedSaves = 0;
    for (auto* tool : { static_cast<juce::DocumentWindow*> (&sampler), static_cast<juce::DocumentWindow*> (&browser) })
    {
        SCOPED_TRACE (tool->getName());
        tool->setVisible (true);
        tool->toFront (true);
        pumpMessages (150);

        typeInto (*tool, "ctrl+s");
        EXPECT_EQ (choosers->saves, ++expectedSaves);
        EXPECT_EQ (choosers->opens, 0);
        tool->setVisible (false);
        pumpMessages (50);
    }
}

TEST_F (CommandKeysGuiTest, TheSyncKeyDoesNothingWhileTheSyncButtonIsDisabled)
{
    // No unit on this machine: the button is disabled, and F2 must not switch it on behind it.
    ASSERT_FALSE (window->getMenuButtons().isDeviceConnected());
    typeInto (*window, "F2");
    EXPECT_FALSE (window->isSyncOn());

    // The same key with the unit there switches it on, so the key did reach the command.
    window->getMenuButtons().setDeviceConnected (true);
    typeInto (*window, "F2");
    EXPECT_TRUE (window->isSyncOn());
}

TEST_F (CommandKeysGuiTest, SaveAndLoadDefaultSettingsAskInTheWindowsLanguage)
{
    const juce::TemporaryFile folder;
    ASSERT_TRUE (folder.getFile().createDirectory());
    const auto other = folder.getFile().getChildFile ("set.RSD");
    ASSERT_TRUE (other.replaceWithText ("another document"));

    window->setLanguage (UiLanguage::french);
    choosers->saveAnswer = folder.getFile().getChildFile ("set.txt");
    {
        AlertReader reader (*window, juce::KeyPress::escapeKey);
        EXPECT_TRUE (window->performCommand (CommandTable::save));
        EXPECT_EQ (reader.message, juce::String::fromUTF8 (u8"Un fichier nommé «\u00A0set.RSD\u00A0» existe déjà. Le remplacer\u00A0?"));
    }
    EXPECT_EQ (other.loadFileAsString(), "another document");
    EXPECT_TRUE (window->getLastFilePath().isEmpty());

    current->sceneLock = 1;
    {
        AlertReader reader (*window, juce::KeyPress::returnKey);
        EXPECT_TRUE (window->performCommand (CommandTable::loadDefaultSettings));
        EXPECT_EQ (reader.okIdentifier, 3);
    }
    EXPECT_EQ (current->sceneLock, 0);
    EXPECT_EQ (lastSent->sceneLock, 1);
    folder.getFile().deleteRecursively();
}
