// The menu strip without a display: where its buttons are, what each click asks of the window, and
// how the Sync button shows the unit's connection.

#include "app/CommandTable.h"
#include "app/MenuButtons.h"
#include "assets/SkinImages.h"
#include "JuceTestPrinters.h"

#include <gtest/gtest.h>

namespace
{
using R = juce::Rectangle<int>;
using Index = MenuButtons::ButtonIndex;

/** Writes down what the strip asks of the window, in order. */
struct RecordingWindow : MenuButtons::Host
{
    void closeMenus() override                          { calls.add ("close"); }
    bool performCommand (juce::CommandID id) override   { calls.add (juce::String::toHexString (id)); return true; }
    void syncSwitchedOn() override                      { calls.add ("sync on"); }

    juce::StringArray take() { auto c = calls; calls.clear(); return c; }
    juce::StringArray calls;
};

void pump (int milliseconds)
{
    juce::MessageManager::getInstance()->runDispatchLoopUntil (milliseconds);
}

void click (juce::Button& button)
{
    button.triggerClick();
    pump (20);
}

bool sameImage (const juce::Image& a, SkinImageId id)
{
    return a.getPixelData() == SkinImages::get (id).getPixelData();
}
} // namespace

TEST (MenuButtons, SevenButtonsInMemberOrderAlongTheStrip)
{
    RecordingWindow window;
    MenuButtons strip (window);
    EXPECT_EQ (strip.getBounds(), R (0, 0, 716, 104));

    struct Place { Index index; const char* name; int x; };
    const Place places[] = { { Index::sync, "Sync", 0 }, { Index::exportData, "Export", 208 }, { Index::importData, "Import", 104 },
                             { Index::save, "Save", 416 }, { Index::load, "Load", 312 },
                             { Index::effectBrowser, "Effect Browser", 520 }, { Index::settings, "Settings", 624 } };

    for (const auto& p : places)
    {
        auto& button = strip.getButton (p.index);
        EXPECT_EQ (button.getName(), p.name);
        EXPECT_EQ (strip.getChildComponent ((int) p.index), &button) << p.name << ": member order";
        EXPECT_EQ (button.getBounds(), R (p.x, 0, 92, 77)) << p.name << ": sized to its face";
        EXPECT_FALSE (button.getWantsKeyboardFocus()) << p.name;
        EXPECT_TRUE (static_cast<juce::Component&> (button).hitTest (1, 1)) << p.name << ": the whole face is the button";
    }
}

TEST (MenuButtons, EachClickRunsItsCommandPanelButtonsWithoutClosingFirst)
{
    RecordingWindow window;
    MenuButtons strip (window);
    const auto hex = [] (juce::CommandID id) { return juce::String::toHexString (id); };

    click (strip.getButton (Index::exportData));
    click (strip.getButton (Index::importData));
    click (strip.getButton (Index::settings));
    EXPECT_EQ (window.take(), juce::StringArray (hex (CommandTable::exportData), hex (CommandTable::importData),
                                                 hex (CommandTable::settings)))
        << "the panel commands toggle: closing first would make a second click reopen the panel";

    click (strip.getButton (Index::save));
    click (strip.getButton (Index::load));
    click (strip.getButton (Index::effectBrowser));
    EXPECT_EQ (window.take(), juce::StringArray ("close", hex (CommandTable::save), "close", hex (CommandTable::load),
                                                 "close", hex (CommandTable::effectBrowser)));

    // Sync switches itself; only switching on asks for the whole send.
    strip.setDeviceConnected (true);
    click (strip.getButton (Index::sync));
    EXPECT_TRUE (strip.isSyncOn());
    click (strip.getButton (Index::sync));
    EXPECT_FALSE (strip.isSyncOn());
    EXPECT_EQ (window.take(), juce::StringArray ({ "close", "sync on", "close" }));
}

TEST (MenuButtons, SyncShowsTheConnectionAndAReconnectSwitchesItOff)
{
    RecordingWindow window;
    MenuButtons strip (window);
    auto& sync = strip.getButton (Index::sync);

    // Built not connected: grey in every state and disabled.
    EXPECT_FALSE (strip.isDeviceConnected());
    EXPECT_FALSE (sync.isEnabled());
    for (const auto& image : { sync.getNormalImage(), sync.getOverImage(), sync.getDownImage() })
        EXPECT_TRUE (sameImage (image, SkinImageId::stripSyncOffline));
    click (sync);
    EXPECT_FALSE (strip.isSyncOn());
    EXPECT_TRUE (window.take().isEmpty()) << "a disabled switch does nothing";

    strip.setDeviceConnected (true);
    EXPECT_TRUE (sync.isEnabled());
    EXPECT_TRUE (sameImage (sync.getNormalImage(), SkinImageId::stripSyncNormal));
    EXPECT_TRUE (sameImage (sync.getOverImage(), SkinImageId::stripSyncOver));
    EXPECT_TRUE (sameImage (sync.getDownImage(), SkinImageId::stripSyncDown));

    // Switched on, then the unit goes: the switch stays on behind the grey face ...
    strip.setSyncOn (true);
    strip.setDeviceConnected (false);
    EXPECT_TRUE (strip.isSyncOn());
    EXPECT_FALSE (sync.isEnabled());

    // ... and a unit that comes back starts with it off, without anyone being told.
    strip.setDeviceConnected (true);
    EXPECT_FALSE (strip.isSyncOn());
    strip.setSyncOn (true);
    strip.setDeviceConnected (true);
    EXPECT_FALSE (strip.isSyncOn());
    pump (20);
    EXPECT_TRUE (window.take().isEmpty());
}
