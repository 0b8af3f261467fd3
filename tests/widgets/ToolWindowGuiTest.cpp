#include "JuceTestPrinters.h"
#include "widgets/ToolWindow.h"

#include <gtest/gtest.h>

namespace
{
constexpr juce::CommandID toggleCommand = 0x3000;

void pumpMessages (int milliseconds)
{
    juce::MessageManager::getInstance()->runDispatchLoopUntil (milliseconds);
}

/** The main window's side: one command on F6, counted when it runs. */
struct CountingTarget : juce::ApplicationCommandTarget
{
    int performed = 0;

    ApplicationCommandTarget* getNextCommandTarget() override { return nullptr; }
    void getAllCommands (juce::Array<juce::CommandID>& c) override { c.add (toggleCommand); }

    void getCommandInfo (juce::CommandID, juce::ApplicationCommandInfo& r) override
    {
        r.setInfo ("Toggle", {}, "Edit", 0);
        r.addDefaultKeypress (juce::KeyPress::F6Key, juce::ModifierKeys::noModifiers);
    }

    bool perform (const InvocationInfo& info) override
    {
        performed += info.commandID == toggleCommand ? 1 : 0;
        return true;
    }
};

struct TestToolWindow : ToolWindow
{
    explicit TestToolWindow (const juce::String& title)
        : ToolWindow (title, 16)
    {
        inner.setWantsKeyboardFocus (true);
        setContentNonOwned (&inner, false);
        setSize (200, 150);
    }

    ~TestToolWindow() override { clearContentComponent(); }

    juce::Component& getInnerComponent() noexcept override { return inner; }

    juce::Component inner;
};

struct ToolWindowGuiTest : ::testing::Test
{
    CountingTarget mainTarget;
    juce::ApplicationCommandManager commands;
    juce::DocumentWindow mainWindow { "main", juce::Colours::black, juce::DocumentWindow::allButtons };
    TestToolWindow browser { "Browser" }, sampler { "Sampler" };

    void SetUp() override
    {
        commands.registerAllCommandsForTarget (&mainTarget);
        mainWindow.setBounds (40, 40, 500, 400);
        browser.setTopLeftPosition (600, 40);
        sampler.setTopLeftPosition (600, 300);
    }

    /** A key pressed while the given component holds the keyboard focus, as the window system delivers it. */
    bool pressWithFocusOn (juce::Component& focused, const juce::KeyPress& key)
    {
        focused.grabKeyboardFocus();
        pumpMessages (20);
        return focused.getPeer()->handleKeyPress (key);
    }
};
} // namespace

TEST_F (ToolWindowGuiTest, StaysOffTheTaskBarWithACloseButtonOnly)
{
    EXPECT_TRUE (browser.isOnDesktop());
    EXPECT_FALSE (browser.isVisible());
    EXPECT_EQ (browser.getName(), "Browser");
    EXPECT_EQ (browser.getTitleBarHeight(), 16);
    EXPECT_FALSE (browser.isResizable());
    EXPECT_EQ (browser.getPeer()->getStyleFlags() & juce::ComponentPeer::windowAppearsOnTaskbar, 0);
    EXPECT_NE (browser.getCloseButton(), nullptr);
    EXPECT_EQ (browser.getMinimiseButton(), nullptr);
    EXPECT_EQ (browser.getMaximiseButton(), nullptr);
}

TEST_F (ToolWindowGuiTest, KeysAndCommandsInTheWindowReachTheInjectedTarget)
{
    browser.listenForKeys (*commands.getKeyMappings());
    browser.setVisible (true);
    pumpMessages (30);

    // Without a target the window has no commands of its own: the key does nothing.
    pressWithFocusOn (browser.inner, juce::KeyPress (juce::KeyPress::F6Key));
    EXPECT_EQ (mainTarget.performed, 0);

    browser.setCommandTarget (&mainTarget);
    EXPECT_TRUE (pressWithFocusOn (browser.inner, juce::KeyPress (juce::KeyPress::F6Key)));
    EXPECT_EQ (mainTarget.performed, 1);

    // The window itself hears the keys too, and a command invoked while it has the focus goes through it.
    EXPECT_TRUE (pressWithFocusOn (browser, juce::KeyPress (juce::KeyPress::F6Key)));
    EXPECT_EQ (mainTarget.performed, 2);
    browser.inner.grabKeyboardFocus();
    ASSERT_TRUE (browser.inner.hasKeyboardFocus (false));
    EXPECT_TRUE (commands.invokeDirectly (toggleCommand, false));
    EXPECT_EQ (mainTarget.performed, 3);
    juce::ApplicationCommandInfo info (0);
    EXPECT_EQ (commands.getTargetForCommand (toggleCommand, info), &mainTarget);

    // A key no mapping holds is left alone.
    EXPECT_FALSE (pressWithFocusOn (browser.inner, juce::KeyPress ('q')));
}

TEST_F (ToolWindowGuiTest, ClosingHandsTheFrontToAnotherToolWindowElseToTheMainWindow)
{
    browser.setStacking (&mainWindow, { &sampler });
    sampler.setStacking (&mainWindow, { &browser });

    mainWindow.setVisible (true);
    browser.setVisible (true);
    sampler.setVisible (true);
    pumpMessages (50);

    browser.grabKeyboardFocus();
    browser.closeButtonPressed();
    pumpMessages (30);
    EXPECT_FALSE (browser.isVisible());
    EXPECT_TRUE (sampler.isVisible());
    EXPECT_TRUE (sampler.hasKeyboardFocus (true));

    // The last tool window closed gives the front back to the main window.
    sampler.closeButtonPressed();
    pumpMessages (30);
    EXPECT_FALSE (sampler.isVisible());
    EXPECT_TRUE (mainWindow.isVisible());
    EXPECT_TRUE (mainWindow.hasKeyboardFocus (true));

    // Windows that have gone are passed over.
    {
        TestToolWindow shortLived ("Short-lived");
        shortLived.setVisible (true);
        browser.setStacking (&mainWindow, { &shortLived, &sampler });
    }
    browser.setVisible (true);
    browser.closeButtonPressed();
    EXPECT_FALSE (browser.isVisible());
    EXPECT_FALSE (sampler.isVisible());
}
