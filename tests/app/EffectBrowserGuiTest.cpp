// The effect browser window on a real desktop (Xvfb): its tree under real keys and clicks, every menu
// shortcut typed into it, its place beside the main window, and a screenshot of both windows with
// the breadcrumb three steps deep.

#include "app/CommandTable.h"
#include "app/FileChoosers.h"
#include "app/MainWindow.h"
#include "app/ProcessLauncher.h"
#include "app/ProgramStarter.h"
#include "AppGuiTestSupport.h"
#include "FakeNavigator.h"
#include "JuceTestPrinters.h"

#include <gtest/gtest.h>

namespace
{
using R = juce::Rectangle<int>;

struct CancellingChoosers : FileChoosers
{
    juce::File chooseFileToOpen (const juce::String&, const juce::File&, const juce::String&) override { return {}; }
    juce::File chooseFileToSave (const juce::String&, const juce::File&, const juce::String&) override { return {}; }
};

struct NoStarter : ProgramStarter
{
    bool startProgram (const juce::File&) override  { return false; }
    bool openDocument (const juce::File&) override  { return false; }
};

/** The commands the command manager ran, in order. */
struct InvokedCommands : juce::ApplicationCommandManagerListener
{
    juce::Array<juce::CommandID> ids;
    void applicationCommandInvoked (const juce::ApplicationCommandTarget::InvocationInfo& info) override { ids.add (info.commandID); }
    void applicationCommandListChanged() override {}
};

/** The key as xdotool names it: "ctrl+s", "F7". */
juce::String xdotoolName (const juce::KeyPress& key)
{
    const juce::String modifier = key.getModifiers().isCommandDown() ? "ctrl+" : "";

    for (int f = 0; f < 12; ++f)
        if (key.getKeyCode() == juce::KeyPress::F1Key + f)
            return modifier + "F" + juce::String (f + 1);

    return modifier + juce::String::charToString ((juce::juce_wchar) key.getKeyCode()).toLowerCase();
}

struct EffectBrowserGuiTest : ::testing::Test
{
    std::unique_ptr<DeviceSettings> current = createDeviceSettings();
    std::unique_ptr<DeviceSettings> lastSent = createDeviceSettings();
    PointerState pointer;
    std::unique_ptr<MainWindow> window;
    FakeNavigator navigator;

    void SetUp() override
    {
        ASSERT_NE (ProcessLauncher::findExecutable ("xdotool"), juce::File()) << "xdotool is needed for real input";

        window = std::make_unique<MainWindow> (*current, *lastSent, pointer);
        window->setFileChoosers (std::make_unique<CancellingChoosers>());
        window->setProgramStarter (std::make_unique<NoStarter>());
        window->setBounds (40, 30, 1024, 738);
        window->setVisible (true);
        browser().setNavigator (&navigator);
        pumpMessages (100);
    }

    void TearDown() override
    {
        browser().setNavigator (nullptr);
        window.reset();
    }

    EffectBrowser& browser() { return window->getEffectBrowser(); }

    /** Runs xdotool with these arguments while the message loop runs, so the program takes the
        input as it comes. */
    void xdotool (const juce::StringArray& arguments)
    {
        juce::StringArray command ("xdotool");
        command.addArray (arguments);
        juce::ChildProcess process;
        ASSERT_TRUE (process.start (command));

        for (int waited = 0; process.isRunning() && waited < 5000; waited += 10)
            pumpMessages (10);

        EXPECT_FALSE (process.isRunning());
        EXPECT_EQ (process.getExitCode(), 0u) << process.readAllProcessOutput();
        pumpMessages (150);
    }

    /** The X window that holds the keyboard now, as xdotool reports it. */
    juce::String xFocusWindow()
    {
        juce::ChildProcess process;
        if (! process.start ("xdotool getwindowfocus", juce::ChildProcess::wantStdOut))
            return {};

        juce::String output;
        for (int waited = 0; process.isRunning() && waited < 5000; waited += 10)
            pumpMessages (10);
        output = process.readAllProcessOutput();
        return output.trim();
    }

    juce::String windowId (juce::Component& c)
    {
        return juce::String ((juce::uint64) (juce::pointer_sized_uint) c.getPeer()->getNativeHandle());
    }

    /** Focuses a window as a click on it would, then types the keys (names apart by blanks). */
    void typeInto (juce::Component& target, const juce::String& keys)
    {
        // The window takes the focus in its own time (there is no window manager to hurry it), and
        // the framework hands it on to the tree a moment later still; a late focus report can also
        // give the X focus back to the main window after the program saw the browser take it. The
        // keys go once the X server and the program agree that the tree holds the keyboard.
        auto& taker = browser().getInnerComponent();
        const auto settled = [&]
        {
            for (int waited = 0; waited < 1000; waited += 100)
            {
                pumpMessages (100);
                if (taker.hasKeyboardFocus (true) && xFocusWindow() == windowId (target))
                    return true;
            }
            return false;
        };

        for (int attempt = 0; attempt < 4 && ! settled(); ++attempt)
            xdotool ({ "windowfocus", "--sync", windowId (target) });

        juce::StringArray arguments { "key", "--delay", "40" };
        arguments.addTokens (keys, " ", {});
        xdotool (arguments);
    }

    /** The selected item's name, or "" with none. */
    juce::String selectedName()
    {
        auto* item = dynamic_cast<EffectItem*> (browser().getTreeView().getSelectedItem (0));
        return item != nullptr ? item->getName() : juce::String();
    }

    void showBrowserAt (juce::Point<int> position)
    {
        browser().setTopLeftPosition (position);
        browser().setVisible (true);
        browser().toFront (true);
        pumpMessages (100);
    }
};
} // namespace

TEST_F (EffectBrowserGuiTest, TheTreeTakesTheKeysAndOpensTheLevelOfTheItemAskedFor)
{
    showBrowserAt ({ 1090, 60 });
    EXPECT_EQ (&browser().getInnerComponent(), &browser().getTreeView());
    EXPECT_EQ (browser().getContentComponent(), &browser().getTreeView());
    EXPECT_EQ (browser().getTreeView().getBounds().getWidth(), 175);
    EXPECT_EQ (browser().getTreeView().getBounds().getHeight(), 449);

    // The tree holds the keyboard once the window is focused; the arrows walk it, Return opens.
    // Without a window manager the very first focus change of the run can still be undone by a
    // late report after both sides agreed, taking the first keys elsewhere: the walk is typed
    // again from the top then, and it must work on a focus that stays.
    for (int attempt = 0; attempt < 3; ++attempt)
    {
        ASSERT_TRUE (browser().selectItem (1, "QZT-7200"));
        navigator.take();
        typeInto (browser(), "Down Down");
        if (selectedName() == "ISOLATOR")
            break;
    }
    EXPECT_TRUE (browser().getTreeView().hasKeyboardFocus (true));
    EXPECT_EQ (selectedName(), "ISOLATOR");
    typeInto (browser(), "Return");
    EXPECT_EQ (navigator.take(), "focusPanel, selectSectionEffect 0 0");
    typeInto (browser(), "Left Return");
    EXPECT_EQ (navigator.take(), "focusPanel, showSection 0");

    // A double click on an item opens it too.
    auto& tree = browser().getTreeView();
    ASSERT_TRUE (browser().selectItem (2, "RELEASE FX"));
    ASSERT_TRUE (browser().selectItem (3, "ECHO"));
    pumpMessages (50);
    const auto row = tree.getSelectedItem (0)->getItemPosition (true);
    const auto onScreen = tree.localPointToGlobal (juce::Point<int> (row.getX() + 30, row.getCentreY()));
    navigator.take();
    xdotool ({ "mousemove", "--sync", juce::String (onScreen.x), juce::String (onScreen.y), "click", "--repeat", "2", "--delay", "80", "1" });
    EXPECT_EQ (navigator.take(), "focusPanel, selectSectionEffect 2 1");
}

TEST_F (EffectBrowserGuiTest, EveryMenuShortcutWorksFromTheBrowserWindow)
{
    InvokedCommands invoked;
    window->getCommandManager().addListener (&invoked);
    window->getMenuButtons().setDeviceConnected (true);     // else Sync is disabled and its key does nothing
    showBrowserAt ({ 1090, 60 });

    // Every command that has a key, the Effect Browser key last: it hides the window.
    juce::Array<std::pair<juce::CommandID, juce::String>> keys;

    for (auto id : CommandTable::allCommands())
    {
        juce::ApplicationCommandInfo info (id);
        CommandTable::getCommandInfo (id, info);

        if (info.defaultKeypresses.isEmpty() || id == CommandTable::effectBrowser)
            continue;

        keys.add ({ id, xdotoolName (info.defaultKeypresses[0]) });
    }

    keys.add ({ CommandTable::effectBrowser, "F6" });
    ASSERT_GE (keys.size(), 11);

    for (const auto& [id, key] : keys)
    {
        invoked.ids.clear();
        const ModalAnswer answer (juce::KeyPress::returnKey);     // Update Setting reports with an alert
        typeInto (browser(), key);
        EXPECT_EQ (invoked.ids, juce::Array<juce::CommandID> { id }) << key;
        EXPECT_TRUE (browser().isVisible() || id == CommandTable::effectBrowser) << key;
    }

    EXPECT_FALSE (browser().isVisible());
    window->getCommandManager().removeListener (&invoked);
}

TEST_F (EffectBrowserGuiTest, ABrowserOverTheMainWindowMovesBesideTheOpenSection)
{
    auto& line = window->getLineBrowser();
    showBrowserAt ({ 500, 200 });

    // SCENE FX lies on the panel's right: the browser goes to the main window's left side.
    line.showLinePathSection ("SCENE FX", true);
    EXPECT_EQ (browser().getBounds(), R (40 + 18, 30 + 170, 177, 467));
    EXPECT_EQ (selectedName(), "SCENE FX");

    // A commit places it too; over the left side with ISOLATE FX open, it goes to the right.
    line.showLinePathSection ("ISOLATE FX", false);
    window->placeEffectBrowser();
    EXPECT_EQ (browser().getBounds(), R (40 + 1024 - 177 - 18, 200, 177, 467));

    // Beside the main window it stays where the user put it.
    browser().setTopLeftPosition (1070, 100);
    line.showLinePathSection ("SCENE FX", true);
    EXPECT_EQ (browser().getPosition(), juce::Point<int> (1070, 100));
}

TEST_F (EffectBrowserGuiTest, SnapshotOfTheBrowserBesideTheMainWindowAtTheThirdLevel)
{
    ASSERT_NE (ProcessLauncher::findExecutable ("import"), juce::File()) << "the screenshot needs ImageMagick's import";

    // Earlier tests of this program built and freed look-and-feels and their typefaces; glyphs cached
    // for a freed typeface can be found again for a new one at the same address and draw misplaced.
    juce::Typeface::clearTypefaceCache();

    auto& line = window->getLineBrowser();
    showBrowserAt ({ 600, 250 });

    // The panel opens BPF ECHO for editing, as a click on its key does: the browser moves off the
    // main window beside the open section, and the breadcrumb shows three steps.
    window->getBody().selectSectionEffect (1, 0, nullptr);
    window->placeEffectBrowser();
    pumpMessages (600);
    EXPECT_EQ (browser().getBounds(), R (40 + 18, 30 + 170, 177, 467));
    EXPECT_EQ (line.getStepText (2), "BPF ECHO");

    // Xvfb keeps a backing store and puts back the stale picture where the browser stood rather than
    // asking the main window to draw it (a server started with -bs asks, and the ghost is gone).
    window->repaint();
    pumpMessages (400);

    EXPECT_EQ (selectedName(), "BPF ECHO");
    EXPECT_EQ (browser().getCurrentLevel(), 3);

    const auto build = juce::File (TESSALIN_BUILD_DIR);
    const auto shot = build.getChildFile ("effect-browser-beside-main.png");
    shot.deleteFile();
    juce::ChildProcess import;
    ASSERT_TRUE (import.start (juce::StringArray { "import", "-silent", "-window", "root", shot.getFullPathName() }));
    ASSERT_TRUE (import.waitForProcessToFinish (10000));
    EXPECT_TRUE (shot.existsAsFile());

    // The bar alone, at twice its size for a close look.
    const auto bar = line.createComponentSnapshot (line.getLocalBounds(), true, 2.0f);
    const auto barFile = build.getChildFile ("breadcrumb-three-steps.png");
    barFile.deleteFile();
    juce::FileOutputStream out (barFile);
    ASSERT_TRUE (out.openedOk());
    EXPECT_TRUE (juce::PNGImageFormat().writeImageToStream (bar, out));
}
