#include "app/CommandTable.h"
#include "app/ContentComp.h"
#include "app/ContentView.h"
#include "app/MainView.h"
#include "app/MainWindow.h"
#include "app/MenuView.h"
#include "assets/SkinImages.h"
#include "AppGuiTestSupport.h"
#include "JuceTestPrinters.h"
#include "TestEnums.h"
#include "XWindowStack.h"

#include <gtest/gtest.h>
#include <atomic>
#include <cstring>
#include <thread>

namespace
{
using R = juce::Rectangle<int>;
using P = juce::Point<int>;

struct MainWindowGuiTest : ::testing::Test
{
    std::unique_ptr<DeviceSettings> current = createDeviceSettings();
    std::unique_ptr<DeviceSettings> lastSent = createDeviceSettings();
    PointerState pointer;
    std::unique_ptr<MainWindow> window;

    void SetUp() override
    {
        current->isolateLock = 1;
        window = std::make_unique<MainWindow> (*current, *lastSent, pointer);
        window->setBounds (40, 30, 1024, 738);
        window->setVisible (true);
        pumpMessages (30);
    }

    void TearDown() override { window.reset(); }
};
} // namespace

TEST_F (MainWindowGuiTest, BuildingTheWindowResetsBothDocumentsAndSetsItsLimits)
{
    auto factory = createDeviceSettings();
    resetDeviceSettings (*factory, false);
    EXPECT_EQ (std::memcmp (current.get(), factory.get(), sizeof (DeviceSettings)), 0);
    EXPECT_EQ (std::memcmp (lastSent.get(), factory.get(), sizeof (DeviceSettings)), 0);
    EXPECT_EQ (window->getBody().getDocument(), current.get());
    EXPECT_EQ (window->getUndoHistory().getNumEntries(), 0);
    EXPECT_FALSE (window->isDocumentModified());

    // What the user can drag the window to.
    window->setBoundsConstrained ({ 40, 30, 100, 100 });
    EXPECT_EQ (window->getBounds().getWidth(), 740);
    EXPECT_EQ (window->getBounds().getHeight(), 643);
    window->setBoundsConstrained ({ 0, 0, 9000, 9000 });
    EXPECT_EQ (window->getBounds().getWidth(), 8192);
}

TEST_F (MainWindowGuiTest, ContentFollowsTheWindowWidth)
{
    struct Case { int width; int compWidth, viewWidth; P strip, breadcrumb; };
    const Case cases[] = {
        { 1200, 1171, 1191, { 242, 10 }, { 248, 87 } },
        { 1000, 986, 991, { 142, 10 }, { 148, 87 } },
    };

    for (const auto& c : cases)
    {
        window->setSize (c.width, 738);
        EXPECT_EQ (window->getContentComp()->getWidth(), c.compWidth) << c.width;
        EXPECT_EQ (window->getContentComp()->getHeight(), 548) << c.width;
        EXPECT_EQ (window->getContentView()->getBounds(), R (0, 115, c.viewWidth, 566)) << c.width;
        EXPECT_EQ (window->getMenuView()->getBounds(), R (0, 0, c.width, 115)) << c.width;
        EXPECT_EQ (window->getMenuButtons().getPosition(), c.strip) << c.width;
        EXPECT_EQ (window->getLineBrowser().getPosition(), c.breadcrumb) << c.width;
        EXPECT_EQ (window->getBody().getPosition(), P ((c.compWidth - 910) / 2, -18)) << c.width;
    }

    // 700 is below the window's limit; the top strip, laid out that narrow, pins its parts left.
    window->setBoundsConstrained ({ 40, 30, 700, 738 });
    EXPECT_EQ (window->getWidth(), 740);
    EXPECT_EQ (window->getContentComp()->getWidth(), 986);
    EXPECT_TRUE (window->getContentView()->canScrollHorizontally());
    window->getMenuView()->setSize (700, 115);
    EXPECT_EQ (window->getMenuButtons().getPosition(), P (0, 10));
    EXPECT_EQ (window->getLineBrowser().getPosition(), P (0, 87));

    // A taller window grows the content; an open panel makes the strip cover the whole window.
    window->setSize (1200, 900);
    EXPECT_EQ (window->getContentComp()->getHeight(), 708);
    EXPECT_EQ (window->getBody().getPosition(), P (130, 61));

    juce::Component panel;
    panel.setSize (530, 246);
    window->getMenuView()->addPanel (&panel, 1);
    EXPECT_EQ (window->getMenuView()->getHeight(), 900);
    window->getMenuView()->removePanel (&panel);
    EXPECT_EQ (window->getMenuView()->getHeight(), 115);
}

TEST_F (MainWindowGuiTest, MinimisingAndRestoringShowsOnlyTheToolWindowsThatWereShown)
{
    auto& browser = window->getEffectBrowser();
    auto& sampler = window->getSamplerWindow();
    sampler.setVisible (true);

    window->minimisationStateChanged (true);
    EXPECT_FALSE (sampler.isVisible());
    EXPECT_FALSE (browser.isVisible());

    window->minimisationStateChanged (false);
    EXPECT_TRUE (sampler.isVisible());
    EXPECT_FALSE (browser.isVisible());

    // A second restore without a minimise in between shows nothing the user has closed since.
    sampler.setVisible (false);
    window->minimisationStateChanged (false);
    EXPECT_FALSE (sampler.isVisible());
}

TEST_F (MainWindowGuiTest, BodyColourFollowsTheModeAndMayBeSetFromTheLinkThread)
{
    window->setBodyColorMode (BodyColorMode::platinum);
    window->applyBodyColorMode();
    EXPECT_EQ (window->getBodyColor(), BodyColor::platinum);
    EXPECT_EQ (window->getBody().getBodyColorIndex(), BodyColor::platinum);

    window->setBodyColorMode (BodyColorMode::black);
    window->applyBodyColorMode();
    EXPECT_EQ (window->getBodyColor(), BodyColor::black);

    // "Auto", and any value that is no mode, follow the unit: with no unit to ask, the colour stays.
    for (auto mode : { BodyColorMode::followUnit, static_cast<BodyColorMode> (7) })
    {
        window->setBodyColor (BodyColor::white);
        window->setBodyColorMode (mode);
        window->applyBodyColorMode();
        EXPECT_EQ (window->getBodyColorMode(), BodyColorMode::followUnit);
        EXPECT_EQ (window->getBodyColor(), BodyColor::white);
    }

    std::atomic<bool> done { false };
    std::thread link ([&] { window->setBodyColor (BodyColor::platinum); done = true; });
    for (int i = 0; i < 200 && ! done; ++i)
        pumpMessages (10);
    link.join();
    EXPECT_EQ (window->getBody().getBodyColorIndex(), BodyColor::platinum);

    // The body is repainted in the new colour: the skin's platinum body, lighter than the black one.
    window->getBody().paint (*std::make_unique<juce::Graphics> (juce::Image (juce::Image::ARGB, 4, 4, true)));
    const auto& image = window->getBody().getBackgroundImage();
    ASSERT_TRUE (image.isValid());
    EXPECT_EQ (image, SkinImages::get (SkinImageSets::body[SkinBodyColour::platinum]));

    const auto meanBrightness = [] (const juce::Image& picture)
    {
        float sum = 0.0f;
        for (int y = 0; y < picture.getHeight(); y += 5)
            for (int x = 0; x < picture.getWidth(); x += 5)
                sum += picture.getPixelAt (x, y).getBrightness();
        return sum;
    };
    EXPECT_GT (meanBrightness (image), 1.5f * meanBrightness (SkinImages::get (SkinImageSets::body[SkinBodyColour::black])));
}

TEST_F (MainWindowGuiTest, KeysAndCommandsReachTheirTargetsFromEveryWindow)
{
    // Navigation keys belong to the effect panel; other keys are left to other listeners.
    EXPECT_TRUE (window->keyPressed (juce::KeyPress (juce::KeyPress::escapeKey), window.get()));
    EXPECT_TRUE (window->keyPressed (juce::KeyPress (juce::KeyPress::tabKey, juce::ModifierKeys::shiftModifier, 0), window.get()));
    EXPECT_FALSE (window->keyPressed (juce::KeyPress ('x'), window.get()));

    auto& commands = window->getCommandManager();
    EXPECT_NE (commands.getCommandForID (CommandTable::load), nullptr);
    EXPECT_NE (commands.getCommandForID (CommandTable::firstManual + 11), nullptr);

    auto& browser = window->getEffectBrowser();
    ASSERT_TRUE (commands.invokeDirectly (CommandTable::effectBrowser, false));
    EXPECT_TRUE (browser.isVisible());

    // F6 pressed in the sampler window hides it again.
    EXPECT_TRUE (commands.getKeyMappings()->keyPressed (juce::KeyPress (juce::KeyPress::F6Key),
                                                       &window->getSamplerWindow().getInnerComponent()));
    EXPECT_FALSE (browser.isVisible());

    // Closing the browser hides it.
    browser.setVisible (true);
    browser.closeButtonPressed();
    EXPECT_FALSE (browser.isVisible());
}

TEST_F (MainWindowGuiTest, AnOpenPanelTheOtherWindowsAndAlertsGetTheirKeysBeforeTheEffectPanel)
{
    const juce::KeyPress navigationKeys[] = {
        juce::KeyPress (juce::KeyPress::tabKey), juce::KeyPress (juce::KeyPress::tabKey, juce::ModifierKeys::shiftModifier, 0),
        juce::KeyPress (juce::KeyPress::leftKey), juce::KeyPress (juce::KeyPress::rightKey), juce::KeyPress (juce::KeyPress::upKey),
        juce::KeyPress (juce::KeyPress::downKey), juce::KeyPress (juce::KeyPress::returnKey), juce::KeyPress (juce::KeyPress::escapeKey),
        juce::KeyPress (juce::KeyPress::backspaceKey)
    };
    const auto panelTakes = [&] (const char* where)
    {
        for (const auto& key : navigationKeys)
            EXPECT_TRUE (window->keyPressed (key, window.get())) << where << ": " << key.getTextDescription();
    };
    const auto panelLeaves = [&] (const char* where)
    {
        for (const auto& key : navigationKeys)
            EXPECT_FALSE (window->keyPressed (key, window.get())) << where << ": " << key.getTextDescription();
    };

    panelTakes ("the main window with the keyboard");

    // An overlay panel with two controls: Tab, as the window system delivers it, moves between them
    // rather than into the effect panel behind.
    juce::Component panel;
    juce::TextButton first ("first"), second ("second");
    panel.setBounds (100, 30, 300, 100);
    first.setBounds (10, 10, 80, 24);
    second.setBounds (100, 10, 80, 24);
    panel.addAndMakeVisible (first);
    panel.addAndMakeVisible (second);
    window->getMenuView()->addPanel (&panel, 1);
    first.grabKeyboardFocus();
    pumpMessages (20);
    ASSERT_TRUE (first.hasKeyboardFocus (false));

    panelLeaves ("an open panel");
    EXPECT_TRUE (window->getPeer()->handleKeyPress (juce::KeyPress (juce::KeyPress::tabKey)));
    EXPECT_TRUE (second.hasKeyboardFocus (false));

    window->getMenuView()->removePanel (&panel);
    panelTakes ("the panel closed");

    // The sampler window holding the focus reads its own keys.
    auto& sampler = window->getSamplerWindow();
    sampler.setVisible (true);
    pumpMessages (30);
    sampler.grabKeyboardFocus();
    pumpMessages (20);
    ASSERT_TRUE (sampler.hasKeyboardFocus (true));
    panelLeaves ("the sampler window");
    sampler.setVisible (false);
    window->grabKeyboardFocus();
    pumpMessages (20);

    // An alert waiting for its answer keeps every key; once answered, the effect panel has them again.
    bool askedWhileOpen = false;
    juce::Timer::callAfterDelay (50, [&]
    {
        askedWhileOpen = window->getOpenAlert() != nullptr;
        panelLeaves ("an open alert");
        window->getOpenAlert()->finish (0);
    });
    EXPECT_EQ (window->showAlertText ("Loading completed.", AlertKind::information), 0);
    EXPECT_TRUE (askedWhileOpen);
    window->grabKeyboardFocus();
    pumpMessages (20);
    panelTakes ("the alert answered");
}

TEST_F (MainWindowGuiTest, EditsGoThroughTheWindowsCommandsAndComeBackOnUndo)
{
    // No unit here: edits are recorded and flagged, nothing can be sent.
    current->scene[SceneEffect::spiralUp][1] = 2;
    ASSERT_TRUE (window->commitSettingsChange());
    EXPECT_TRUE (window->isDocumentModified());
    EXPECT_TRUE (window->hasUnsavedChanges());
    EXPECT_EQ (lastSent->scene[SceneEffect::spiralUp][1], 2);

    ASSERT_TRUE (window->performCommand (CommandTable::undo));
    EXPECT_EQ (current->scene[SceneEffect::spiralUp][1], 0);
    ASSERT_TRUE (window->performCommand (CommandTable::redo));
    EXPECT_EQ (current->scene[SceneEffect::spiralUp][1], 2);

    // Without a unit the Sync button is disabled, and its command does nothing either.
    EXPECT_FALSE (window->isSyncOn());
    EXPECT_TRUE (window->performCommand (CommandTable::sync));
    EXPECT_FALSE (window->isSyncOn());
    window->setSyncOn (true);
    EXPECT_TRUE (window->getMenuButtons().isSyncOn());
    EXPECT_FALSE (window->sendSettingsToDevice (true)) << "nothing to send to without a unit";
    EXPECT_TRUE (window->isDocumentModified());
}

TEST_F (MainWindowGuiTest, ToolWindowsStayAboveTheMainWindowWhenItComesToTheFront)
{
    auto& browser = window->getEffectBrowser();
    auto& sampler = window->getSamplerWindow();
    browser.setVisible (true);
    sampler.setVisible (true);
    pumpMessages (50);

    const auto stack = [&]
    {
        return std::vector<int> { xStackingIndex (window->getPeer()->getNativeHandle()),
                                  xStackingIndex (sampler.getPeer()->getNativeHandle()),
                                  xStackingIndex (browser.getPeer()->getNativeHandle()) };
    };

    // The user raises the main window above both; it must not stay over them.
    xRaise (window->getPeer()->getNativeHandle());
    window->broughtToFront();
    pumpMessages (50);
    const auto order = stack();
    EXPECT_LT (order[0], order[1]);
    EXPECT_LT (order[1], order[2]);

    browser.setVisible (false);
    xRaise (window->getPeer()->getNativeHandle());
    window->broughtToFront();
    pumpMessages (50);
    EXPECT_LT (xStackingIndex (window->getPeer()->getNativeHandle()), xStackingIndex (sampler.getPeer()->getNativeHandle()));
}
