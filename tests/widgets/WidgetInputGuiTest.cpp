// The widgets under a real pointer: xdotool moves and presses the X server's mouse, and the program
// sees the events the way it would on a desktop.

#include "WidgetTestSupport.h"

#include "JuceTestPrinters.h"
#include "MessagePump.h"
#include "assets/SkinImages.h"
#include "widgets/AnimImageButton.h"
#include "widgets/DraggableButton.h"
#include "widgets/DropTargetImage.h"
#include "widgets/LockButton.h"
#include "widgets/ToggleImageButton.h"

#include <gtest/gtest.h>

using namespace widgettest;

namespace
{
/** Runs xdotool with these arguments while the message loop keeps going, then lets the program
    take in what it caused. */
void xdotool (const juce::StringArray& args)
{
    juce::ChildProcess process;
    juce::StringArray command { "xdotool" };
    command.addArray (args);
    ASSERT_TRUE (process.start (command)) << "xdotool is needed for the pointer tests";

    for (int waited = 0; process.isRunning() && waited < 5000; waited += 10)
        pump (10);

    ASSERT_FALSE (process.isRunning());
    EXPECT_EQ (process.getExitCode(), 0u) << process.readAllProcessOutput();
    pump (60);
}

struct WidgetInputGuiTest : ::testing::Test
{
    juce::DocumentWindow window { "widgets", juce::Colours::black, 0 };
    FakePanelHost host;

    void SetUp() override
    {
        host.setSize (560, 320);
        window.setUsingNativeTitleBar (false);
        window.setTitleBarHeight (0);
        window.setContentNonOwned (&host, true);
        window.setTopLeftPosition (80, 60);
    }

    void show()
    {
        window.setVisible (true);
        window.toFront (true);
        pump (150);
    }

    void TearDown() override
    {
        window.setVisible (false);
        window.clearContentComponent();
    }

    /** Moves the pointer onto a point of a component, in two small real steps. */
    void moveOnto (juce::Component& c, juce::Point<int> local = { 10, 10 })
    {
        const auto p = c.localPointToGlobal (local);
        xdotool ({ "mousemove", juce::String (p.x - 2), juce::String (p.y) });
        xdotool ({ "mousemove", juce::String (p.x), juce::String (p.y) });
    }

    void click (juce::Component& c, juce::Point<int> local = { 10, 10 })
    {
        moveOnto (c, local);
        xdotool ({ "click", "1" });
    }
};
} // namespace

TEST_F (WidgetInputGuiTest, FocusFollowsTheMouseAndComesBackAfterAMouseUp)
{
    ToggleImageButton first ("ROLL"), second ("SLIP ROLL");
    LockButton lock;
    auto target = std::make_unique<DropTargetImage>();

    host.addAndMakeVisible (first);
    host.addAndMakeVisible (second);
    host.addAndMakeVisible (lock);
    host.addAndMakeVisible (*target);
    first.setBounds (20, 20, 108, 34);
    second.setBounds (150, 20, 108, 34);
    lock.setBounds (300, 24, 52, 26);
    target->setTopLeftPosition (20, 120);
    show();

    // The focus follows the pointer from control to control; each records itself.
    moveOnto (first);
    EXPECT_TRUE (first.hasKeyboardFocus (false));
    EXPECT_EQ (host.pointer.getLastFocusedControl(), &first);
    EXPECT_TRUE (first.getPicture() == SkinImages::get (SkinImageSets::toggleButton[SkinToggleState::focused]));
    moveOnto (second);
    EXPECT_TRUE (second.hasKeyboardFocus (false));
    EXPECT_EQ (host.pointer.getLastFocusedControl(), &second);

    // A click on the target gives it the focus.
    click (*target);
    EXPECT_TRUE (target->hasKeyboardFocus (false));
    EXPECT_EQ (host.pointer.getLastFocusedControl(), target.get());

    // The lock takes the focus as the pointer comes; after the click's mouse-up the target has it
    // back, and the effect browser was put beside the window.
    moveOnto (lock);
    EXPECT_TRUE (lock.hasKeyboardFocus (false));
    xdotool ({ "click", "1" });
    EXPECT_TRUE (lock.getToggleState());
    EXPECT_TRUE (target->hasKeyboardFocus (false));
    EXPECT_EQ (host.browserPlacements, 1);

    // The recorded control deleted while the lock holds the focus: a mouse-up on the lock leaves the
    // focus where it is, and nothing is placed.
    moveOnto (host, { 450, 250 });
    moveOnto (lock, { 30, 12 });
    ASSERT_TRUE (lock.hasKeyboardFocus (false));
    target.reset();
    EXPECT_EQ (host.pointer.getLastFocusedControl(), nullptr);
    xdotool ({ "click", "1" });
    EXPECT_FALSE (lock.getToggleState());
    EXPECT_TRUE (lock.hasKeyboardFocus (false));
    EXPECT_EQ (host.browserPlacements, 1);

    // A recorded control that no longer shows does not get the focus either.
    moveOnto (first);
    ASSERT_EQ (host.pointer.getLastFocusedControl(), &first);
    moveOnto (lock, { 14, 12 });
    first.setVisible (false);
    xdotool ({ "click", "1" });
    EXPECT_EQ (host.browserPlacements, 2);
    EXPECT_FALSE (first.hasKeyboardFocus (false));
    EXPECT_TRUE (lock.hasKeyboardFocus (false));
}

TEST_F (WidgetInputGuiTest, ARealDragFromABeatButtonOntoATargetStoresItsIndex)
{
    AnimImageButton pad ("");
    const auto art = plain (560, 320, juce::Colour (0xff202428));
    pad.setImages (art, 0.0f, {}, art, 1.0f, {}, art, 1.0f, {}, 0.0f);
    host.addAndMakeVisible (pad);
    pad.setBounds (host.getLocalBounds());

    DraggableButton third (&pad), half (&pad);
    third.setButtonText ("1/3");
    half.setButtonText ("1/2");
    DropTargetImage target, other;
    for (auto* c : std::initializer_list<juce::Component*> { &third, &half, &target, &other })
        pad.addAndMakeVisible (c);
    third.setBounds (92, 53, 46, 46);
    half.setBounds (142, 53, 46, 46);
    target.setTopLeftPosition (182, 176);
    other.setTopLeftPosition (226, 176);

    auto& position0 = host.document.xpad[XPadEffect::xpad].values[16];
    auto& position1 = host.document.xpad[XPadEffect::xpad].values[17];
    target.setValuePointer (&position0);
    other.setValuePointer (&position1);
    position0 = 3;
    const auto position1Before = position1;
    show();

    // Press on the beat button, travel over the other target onto this one, let go.
    moveOnto (third, { 23, 23 });
    xdotool ({ "mousedown", "1" });
    pumpUntil ([&] { return third.getState() == juce::Button::buttonDown; }, 3000);
    EXPECT_EQ (third.getState(), juce::Button::buttonDown);
    EXPECT_TRUE (pad.isDragAndDropActive());

    const auto start = third.localPointToGlobal (juce::Point<int> (23, 23));
    const auto passing = other.localPointToGlobal (juce::Point<int> (20, 20));
    const auto end = target.localPointToGlobal (juce::Point<int> (20, 20));
    for (int i = 1; i <= 6; ++i)
    {
        const auto p = start + (passing - start) * i / 6;
        xdotool ({ "mousemove", juce::String (p.x), juce::String (p.y) });
    }
    pumpUntil ([&] { return other.isDragOver(); }, 3000);
    EXPECT_TRUE (other.isDragOver());

    for (int i = 1; i <= 4; ++i)
    {
        const auto p = passing + (end - passing) * i / 4;
        xdotool ({ "mousemove", juce::String (p.x), juce::String (p.y) });
    }
    pumpUntil ([&] { return target.isDragOver(); }, 3000);
    EXPECT_FALSE (other.isDragOver());
    EXPECT_TRUE (target.isDragOver());

    xdotool ({ "mouseup", "1" });
    pumpUntil ([&] { return position0 == 15; }, 3000);
    pump (200);

    EXPECT_EQ (position0, 15);
    EXPECT_EQ (position1, position1Before);
    EXPECT_FALSE (target.isDragOver());
    EXPECT_EQ (host.commits, 1);
    EXPECT_GT (host.editor.getHistory().getNumEntries(), 0);
    EXPECT_FALSE (pad.isDragAndDropActive());
}
