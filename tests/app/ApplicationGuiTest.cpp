#include "app/ContentComp.h"
#include "app/ContentLayout.h"
#include "app/ContentView.h"
#include "app/MainView.h"
#include "app/MenuView.h"
#include "app/QZT7200ControlApplication.h"
#include "AppGuiTestSupport.h"
#include "JuceTestPrinters.h"
#include "TestDocuments.h"
#include "TestEnums.h"

#include <gtest/gtest.h>
#include <cstring>

namespace
{
using R = juce::Rectangle<int>;

using TestDocuments::sameBytes;
inline std::unique_ptr<DeviceSettings> factoryDocument() { return TestDocuments::resetDocument(); }

R workArea()
{
    return juce::Desktop::getInstance().getDisplays().getPrimaryDisplay()->userArea;
}

R browserAtRightEdgeOf (const R& main)
{
    return { main.getRight() - 177, main.getY() + (main.getHeight() - 467) / 2, 177, 467 };
}

struct ApplicationGuiTest : ::testing::Test
{
    TemporaryConfigHome config;

    std::unique_ptr<QZT7200ControlApplication> start()
    {
        auto app = std::make_unique<QZT7200ControlApplication>();
        app->initialise ({});
        pumpMessages (50);
        return app;
    }

    /** The settings file's keys in file order, and their values as the file holds them. */
    juce::StringPairArray storedValues() const
    {
        juce::StringPairArray values;
        if (auto xml = juce::XmlDocument::parse (config.settingsFile()))
        {
            for (auto* e : xml->getChildWithTagNameIterator ("VALUE"))
            {
                auto* child = e->getFirstChildElement();
                values.set (e->getStringAttribute ("name"),
                            child != nullptr ? child->getTagName() + " " + child->getStringAttribute ("version")
                                             : e->getStringAttribute ("val"));
            }
        }
        return values;
    }
};
} // namespace

TEST_F (ApplicationGuiTest, FirstStartShowsTheCentredWindowAndKeepsTheBrowserHiddenAtItsRightEdge)
{
    auto app = start();
    auto& window = app->getMainWindow();
    auto& browser = window.getEffectBrowser();

    EXPECT_EQ (theApplication, app.get());
    EXPECT_TRUE (window.isShowing());
    EXPECT_EQ (window.getName(), "tessalin 2.1.0");
    EXPECT_EQ (window.getBounds(), ContentLayout::centredMainWindow (workArea()));
    EXPECT_EQ (window.getBounds().getWidth(), 1024);
    EXPECT_EQ (window.getBounds().getHeight(), 738);
    EXPECT_FALSE (window.isUsingNativeTitleBar());
    EXPECT_EQ (window.getTitleBarHeight(), 23);

    EXPECT_TRUE (browser.isOnDesktop());
    EXPECT_FALSE (browser.isVisible());
    EXPECT_EQ (browser.getBounds(), browserAtRightEdgeOf (window.getBounds()));
    EXPECT_EQ (browser.getName(), "Effect Browser");
    EXPECT_EQ (browser.getPeer()->getStyleFlags() & juce::ComponentPeer::windowAppearsOnTaskbar, 0);
    EXPECT_FALSE (window.getSamplerWindow().isVisible());

    EXPECT_EQ (window.getLanguage(), UiLanguage::english);
    EXPECT_EQ (window.getBodyColor(), BodyColor::black);
    EXPECT_EQ (window.getBodyColorMode(), BodyColorMode::followUnit);
    EXPECT_FALSE (window.getMenuButtons().isDeviceConnected());
    EXPECT_FALSE (window.hasUnsavedChanges());

    const auto factory = factoryDocument();
    EXPECT_TRUE (sameBytes (app->getCurrentDocument(), *factory));
    EXPECT_TRUE (sameBytes (app->getLastSentDocument(), *factory));

    // The views of a 1024 x 738 window; title and menu bar take the window's first 51 pixels.
    EXPECT_EQ (window.getMainView()->getScreenY() - window.getScreenY(), 51);
    EXPECT_EQ (window.getMenuView()->getBounds(), R (0, 0, 1024, 115));
    EXPECT_EQ (window.getContentView()->getBounds(), R (0, 115, 1015, 566));
    EXPECT_EQ (window.getContentComp()->getBounds().withZeroOrigin(), R (0, 0, 995, 548));
    EXPECT_EQ (window.getBody().getBounds(), R (42, -18, 1024, 738));
    EXPECT_EQ (window.getMenuButtons().getBounds(), R (154, 10, 716, 104));
    EXPECT_EQ (window.getLineBrowser().getBounds(), R (160, 87, 703, 29));

    // Nothing is written before the program quits.
    EXPECT_EQ (app->getSettingsStore()->getFile(), config.settingsFile());
    EXPECT_FALSE (config.settingsFile().exists());
}

TEST_F (ApplicationGuiTest, QuitWritesEveryKeyInOrderAndWindowStatesEvenWhenTheyAreNotRestored)
{
    juce::String mainState;
    {
        auto app = start();
        auto& window = app->getMainWindow();

        auto choices = window.getSettingsToStore();
        choices.restoreWindows = false;
        choices.effectBrowserAtStartup = true;
        choices.language = UiLanguage::dutch;
        choices.lastFilePath = juce::String::fromUTF8 ("/home/dj/\xc3\x9c" "ber.RSD");
        window.takeStoredSettings (choices);
        window.setBodyColorMode (BodyColorMode::white);
        window.applyBodyColorMode();

        window.setBounds (60, 50, 900, 700);
        window.getEffectBrowser().setTopLeftPosition (1000, 100);
        mainState = window.getWindowStateAsString();

        ModalAnswer noQuestion (juce::KeyPress::escapeKey);
        ASSERT_TRUE (app->prepareToQuit());
        EXPECT_FALSE (noQuestion.wasAsked());
    }

    const auto stored = storedValues();
    EXPECT_EQ (stored.getAllKeys(), SettingsStore::keysInWritingOrder());
    EXPECT_EQ (stored["lastMainWindowPos"], mainState);
    EXPECT_TRUE (stored["lastMainWindowPos"].startsWith ("60 50 900 700"));
    EXPECT_TRUE (stored["lastEffectBrowserPos"].startsWith ("1000 100 177 467"));
    EXPECT_EQ (stored["isRestoreWindowsSize"], "0");
    EXPECT_EQ (stored["isOnEffectBrowserAtStartup"], "1");
    EXPECT_EQ (stored["messageLanguage"], "5");
    EXPECT_EQ (stored["bodyColor"], "1");
    EXPECT_EQ (stored["bodyColorMode"], "2");
    EXPECT_EQ (stored["lastFilePath"], juce::String::fromUTF8 ("/home/dj/\xc3\x9c" "ber.RSD"));
    EXPECT_EQ (stored["currentSettings"], "QZT-7200 1.0");
    EXPECT_EQ (stored["currentSettings2"], "QZT-7200 1.1");

    // The next start ignores the stored places, shows the browser at the main window's edge and
    // takes the stored choices.
    auto app = start();
    auto& window = app->getMainWindow();
    EXPECT_EQ (window.getBounds(), ContentLayout::centredMainWindow (workArea()));
    EXPECT_TRUE (window.getEffectBrowser().isVisible());
    EXPECT_EQ (window.getEffectBrowser().getBounds(), browserAtRightEdgeOf (window.getBounds()));
    EXPECT_EQ (window.getLanguage(), UiLanguage::dutch);
    EXPECT_EQ (window.getBodyColorMode(), BodyColorMode::white);
    EXPECT_EQ (window.getBodyColor(), BodyColor::white);
    EXPECT_EQ (window.getBody().getBodyColorIndex(), BodyColor::white);
}

TEST_F (ApplicationGuiTest, RestoresWindowPlacesAndFullScreen)
{
    {
        auto app = start();
        auto& window = app->getMainWindow();
        window.setBounds (60, 50, 900, 700);
        window.getEffectBrowser().setBounds (1000, 100, 300, 300);     // forced back to its size at start
        ASSERT_TRUE (app->prepareToQuit());
    }
    {
        auto app = start();
        auto& window = app->getMainWindow();
        EXPECT_EQ (window.getBounds(), R (60, 50, 900, 700));
        EXPECT_EQ (window.getEffectBrowser().getBounds(), R (1000, 100, 177, 467));
        EXPECT_FALSE (window.getEffectBrowser().isVisible());

        window.maximiseButtonPressed();
        EXPECT_TRUE (window.isFullScreen());
        EXPECT_EQ (window.getTitleBarHeight(), 26);
        ASSERT_TRUE (app->prepareToQuit());
    }

    auto app = start();
    auto& window = app->getMainWindow();
    EXPECT_TRUE (window.isFullScreen());
    EXPECT_EQ (window.getTitleBarHeight(), 26);
    EXPECT_EQ (window.getBounds(), workArea());

    window.maximiseButtonPressed();
    EXPECT_FALSE (window.isFullScreen());
    EXPECT_EQ (window.getTitleBarHeight(), 23);
    EXPECT_EQ (window.getBounds(), R (60, 50, 900, 700));
}

TEST_F (ApplicationGuiTest, ADamagedSettingsFileIsSetAsideAndTheProgramStartsWithDefaults)
{
    const juce::String damaged ("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<PROPERTIES><VALUE name=\"currentSettings\">"
                                "<QZT-7200 version=\"1.0\">x<IsolateFx><Lock>1</Lock></IsolateFx></QZT-7200></VALUE>"
                                "<VALUE name=\"messageLanguage\" val=\"3\"/></PROPERTIES>\n");
    config.settingsFile().getParentDirectory().createDirectory();
    ASSERT_TRUE (config.settingsFile().replaceWithText (damaged, false, false, "\n"));

    {
        auto app = start();
        auto& window = app->getMainWindow();
        EXPECT_TRUE (window.isShowing());
        EXPECT_EQ (window.getBounds(), ContentLayout::centredMainWindow (workArea()));
        EXPECT_EQ (window.getLanguage(), UiLanguage::english);
        EXPECT_TRUE (sameBytes (app->getCurrentDocument(), *factoryDocument()));

        const auto setAside = config.settingsFile().getSiblingFile ("tessalin.settings.damaged");
        EXPECT_EQ (setAside.loadFileAsString(), damaged);
        ASSERT_TRUE (app->prepareToQuit());
    }

    EXPECT_TRUE (SettingsStore::isSafeToRead (config.settingsFile()));
    EXPECT_EQ (storedValues().size(), 17);
}

TEST_F (ApplicationGuiTest, TheLastDocumentComesBackWithItsSamples)
{
    const auto sample = config.getFolder().getChildFile (juce::String::fromUTF8 ("Samples/\xce\xb2\xce\xb5\xce\xb1\xcf\x84 01.wav"));
    sample.getParentDirectory().createDirectory();
    ASSERT_TRUE (sample.replaceWithText ("RIFF"));

    auto document = factoryDocument();
    document->isolateLock = 1;
    setSlotPath (samplerSlot (*document, 2), sample.getFullPathName());
    samplerSlot (*document, 2).gainIndex = 140;
    {
        SettingsStore store (config.settingsFile());
        ASSERT_TRUE (store.write (StoredSettings(), *document));
    }

    {
        ModalAnswer noAlert (juce::KeyPress::returnKey);
        auto app = start();
        EXPECT_FALSE (noAlert.wasAsked());
        EXPECT_EQ (app->getCurrentDocument().isolateLock, 1);
        EXPECT_EQ (getSlotPath (samplerSlot (app->getCurrentDocument(), 2)), sample.getFullPathName());
        EXPECT_EQ (samplerSlot (app->getCurrentDocument(), 2).gainIndex, 140);
        EXPECT_TRUE (sameBytes (app->getLastSentDocument(), app->getCurrentDocument()));
        ASSERT_TRUE (app->prepareToQuit());
    }

    // A sample gone missing is reported once, its slot emptied; the rest of the document stays.
    ASSERT_TRUE (sample.deleteFile());
    {
        ModalAnswer alert (juce::KeyPress::returnKey);
        auto app = start();
        EXPECT_TRUE (alert.wasAsked());
        EXPECT_EQ (app->getCurrentDocument().isolateLock, 1);
        EXPECT_TRUE (slotPathIsEmpty (samplerSlot (app->getCurrentDocument(), 2)));
        EXPECT_TRUE (sameBytes (app->getLastSentDocument(), app->getCurrentDocument()));
    }

    // With "recall the last settings" off the program starts at the factory defaults.
    StoredSettings noRecall;
    noRecall.restoreDocument = false;
    {
        SettingsStore store (config.settingsFile());
        ASSERT_TRUE (store.write (noRecall, *document));
    }
    auto app = start();
    EXPECT_TRUE (sameBytes (app->getCurrentDocument(), *factoryDocument()));
    EXPECT_TRUE (sameBytes (app->getLastSentDocument(), *factoryDocument()));
}

TEST_F (ApplicationGuiTest, QuitAsksWhileAnythingIsUnsaved)
{
    auto app = start();
    auto& window = app->getMainWindow();

    window.setSamplerModified (true);
    {
        ModalAnswer cancel (juce::KeyPress::escapeKey);
        EXPECT_FALSE (app->prepareToQuit());
        EXPECT_TRUE (cancel.wasAsked());
        EXPECT_FALSE (config.settingsFile().exists());
    }
    {
        ModalAnswer ok (juce::KeyPress::returnKey);
        EXPECT_TRUE (app->prepareToQuit());
        EXPECT_TRUE (ok.wasAsked());
        EXPECT_TRUE (config.settingsFile().exists());
    }

    window.setSamplerModified (false);
    window.setDocumentModified (true);
    {
        ModalAnswer cancel (juce::KeyPress::escapeKey);
        EXPECT_FALSE (app->prepareToQuit());
        EXPECT_TRUE (cancel.wasAsked());
    }
}
