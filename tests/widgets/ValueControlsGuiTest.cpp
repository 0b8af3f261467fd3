// The value controls in a window under X: a range-slider thumb dragged and a popup slider opened,
// stepped and escaped with real input (xdotool), and keys walking the focused thumbs. Each is
// checked against the document and its undo history.

#include "WidgetTestSupport.h"

#include "JuceTestPrinters.h"
#include "TestDocuments.h"
#include "widgets/ComboLabel.h"
#include "widgets/CustomSlider.h"
#include "widgets/PopupSlider.h"
#include "widgets/WidgetRotary.h"

#include <gtest/gtest.h>

using namespace widgettest;
using K = juce::KeyPress;

namespace
{
struct ValueControlsGuiTest : ::testing::Test
{
    FakePanelHost host;
    int32_t& levelMin = host.document.scene[SceneEffect::noise][7];
    int32_t& levelMax = host.document.scene[SceneEffect::noise][8];
    int32_t& pitchMinus = host.document.xpad[XPadEffect::pitch].values[2];

    void SetUp() override
    {
        levelMin = 1;
        levelMax = 6;       // thumb position 2
        pitchMinus = 3;
        host.lastSent = host.document;

        // Parked away, the pointer cannot hand the focus to a control that appears under it.
        run ({ "xdotool", "mousemove", "1270", "890" });
        host.setBounds (60, 60, 500, 260);
        host.addToDesktop (0);
        host.setVisible (true);
        host.toFront (true);
        pump (100);
    }

    void TearDown() override { host.removeFromDesktop(); }

    /** Runs a program with the message loop going, as the user's input arrives. */
    void run (const juce::StringArray& args)
    {
        juce::ChildProcess process;
        ASSERT_TRUE (process.start (args)) << "xdotool is needed to move the mouse and type keys";

        for (int waited = 0; process.isRunning() && waited < 10000; waited += 10)
            pump (10);

        EXPECT_EQ (process.getExitCode(), 0u) << process.readAllProcessOutput();
        pump (150);
    }

    /** xdotool commands sent to this window. */
    void xdotool (const juce::StringArray& commands)
    {
        juce::StringArray args { "xdotool", "windowfocus", "--sync",
                                 juce::String ((juce::uint64) (juce::pointer_sized_uint) host.getPeer()->getNativeHandle()) };
        args.addArray (commands);
        run (args);
    }

    static juce::StringArray moveTo (juce::Point<int> screen)
    {
        return { "mousemove", juce::String (screen.x), juce::String (screen.y), "sleep", "0.05" };
    }

    bool press (const K& key) { return host.getPeer()->handleKeyPress (key); }
    int historyPosition() { return host.editor.getHistory().getPosition(); }
};
} // namespace

TEST_F (ValueControlsGuiTest, DraggingTheWideMinimumPastTheMaximumStopsItThereInOneUndoStep)
{
    ComboLabel minLabel;
    minLabel.bindValue (ValueLabelKind::levelScale, &levelMin, nullptr, true);
    CustomSlider level (true, &minLabel, nullptr);
    host.addAndMakeVisible (level);
    level.setBounds (20, 20, 248, 28);
    level.setValuePointers (&levelMin, &levelMax);
    pump (50);

    // The minimum's pointer lies under the maximum thumb, which is on top: arriving there brings
    // the minimum up, so the press takes it.
    auto& thumb = level.getMinThumb();
    const auto pointerAt = [&] (int p) { return thumb.localPointToGlobal (juce::Point<int> ((int) thumb.getPositionOfValue (p) + 3, 11)); };
    juce::StringArray drag;
    drag.addArray (moveTo (pointerAt (1) - juce::Point<int> (3, 0)));
    drag.addArray (moveTo (pointerAt (1)));
    drag.add ("mousedown");
    drag.add ("1");
    for (int p = 2; p <= 6; ++p)
        drag.addArray (moveTo (pointerAt (p)));
    drag.add ("mouseup");
    drag.add ("1");
    xdotool (drag);

    EXPECT_EQ (thumb.getValue(), 2.0);
    EXPECT_EQ (levelMin, 2);
    EXPECT_EQ (levelMax, 6);
    EXPECT_EQ (minLabel.getText(), "-12dB");
    EXPECT_EQ (historyPosition(), 1) << "moves the maximum held back change nothing";
    EXPECT_TRUE (thumb.hasKeyboardFocus (false)) << "focus follows the mouse";
    host.editor.undo();
    EXPECT_EQ (levelMin, 1);
}

TEST_F (ValueControlsGuiTest, APopupSliderClickedOpenSteppedAndEscapedLeavesTheDocumentAsItWas)
{
    auto before = createDeviceSettings();
    *before = host.document;
    PopupSlider minus (DbStepRow::pitchMinus, &pitchMinus);
    host.addAndMakeVisible (minus);
    minus.setBounds (20, 100, 163, 51);
    pump (50);

    auto& face = minus.getButton();
    auto click = moveTo (face.localPointToGlobal (face.getLocalBounds().getCentre()));
    click.addArray ({ "click", "1" });
    xdotool (click);
    ASSERT_TRUE (minus.isPopupOpen());
    EXPECT_TRUE (minus.hasKeyboardFocus (false)) << "the popup slider holds the focus for its face";
    EXPECT_TRUE (face.isInteractive());

    xdotool ({ "key", "--delay", "60", "Up", "Up" });
    EXPECT_EQ (pitchMinus, 1) << "reversed: the slider moved right, the value went down";
    EXPECT_EQ (minus.getLabel().getText(), "-2");
    EXPECT_EQ (historyPosition(), 2);

    xdotool ({ "key", "Escape" });
    EXPECT_FALSE (minus.isPopupOpen());
    EXPECT_FALSE (face.getToggleState());
    EXPECT_EQ (minus.getLabel().getText(), "-4");
    EXPECT_TRUE (TestDocuments::sameBytes (host.document, *before));
    EXPECT_TRUE (host.navigation.empty()) << "Escape on the open popup only closes it";
    EXPECT_EQ (historyPosition(), 3);
    host.editor.undo();
    EXPECT_EQ (pitchMinus, 1);
}

TEST_F (ValueControlsGuiTest, KeysWalkTheThumbsAndStepOnlyTheFocusedOne)
{
    int32_t& freqLower = host.document.scene[SceneEffect::bpfEcho][7];
    int32_t& freqUpper = host.document.scene[SceneEffect::bpfEcho][8];
    freqLower = 0;
    freqUpper = 1;
    levelMin = 2;       // at the maximum's position
    host.lastSent = host.document;
    CustomSlider freq (false, nullptr, nullptr), level (true, nullptr, nullptr);
    host.addAndMakeVisible (freq);
    host.addAndMakeVisible (level);
    freq.setBounds (20, 20, 248, 28);
    level.setBounds (20, 60, 248, 28);
    freq.setValuePointers (&freqLower, &freqUpper);
    level.setValuePointers (&levelMin, &levelMax);

    EXPECT_FALSE (freq.keyPressed (K (K::upKey))) << "no thumb has the focus";
    freq.getMinThumb().grabKeyboardFocus();
    pump (20);
    ASSERT_TRUE (freq.getMinThumb().hasKeyboardFocus (false));

    EXPECT_TRUE (press (K (K::tabKey)));
    EXPECT_TRUE (freq.getMaxThumb().hasKeyboardFocus (false));
    EXPECT_TRUE (host.navigation.empty());
    EXPECT_TRUE (press (K (K::tabKey)));
    EXPECT_EQ (host.takeNavigation(), (std::vector<FakePanelHost::Navigation> { { FakePanelHost::Call::next, &freq.getMaxThumb() } }));
    EXPECT_TRUE (press (K (K::leftKey)));
    EXPECT_TRUE (freq.getMinThumb().hasKeyboardFocus (false));

    for (const auto& key : { K (K::upKey), K (K::upKey), K (K::upKey), K (K::downKey) })
        press (key);
    EXPECT_EQ (freqLower, 1);
    EXPECT_EQ (freqUpper, 1);

    // Wide: Up on the minimum at the maximum does nothing; the maximum stops at the minimum.
    level.getMinThumb().grabKeyboardFocus();
    pump (20);
    for (const auto& key : { K (K::upKey), K (K::downKey), K (K::rightKey), K (K::downKey), K (K::downKey) })
        press (key);
    EXPECT_EQ (levelMin, 1);
    EXPECT_EQ (levelMax, 5) << "position 1";
    EXPECT_EQ (historyPosition(), 5);

    // A focused knob shows its focused base, or its base when it has none.
    WidgetRotary knob ("knob");
    host.addAndMakeVisible (knob);
    knob.setBounds (300, 20, 40, 40);
    knob.setImages (plain (40, 40, juce::Colours::grey), {}, {}, {}, {});
    const auto knobColour = [&] { return knob.createComponentSnapshot (knob.getLocalBounds()).getPixelAt (20, 20); };
    knob.grabKeyboardFocus();
    pump (20);
    EXPECT_EQ (knobColour(), juce::Colours::grey);
    knob.setImages (plain (40, 40, juce::Colours::grey), plain (40, 40, juce::Colours::white), {}, {}, {});
    EXPECT_EQ (knobColour(), juce::Colours::white);
}
