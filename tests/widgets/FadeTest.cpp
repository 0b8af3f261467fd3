#include "WidgetTestSupport.h"

#include "widgets/AnimComponent.h"
#include "widgets/AnimImageButton.h"

#include <gtest/gtest.h>

using namespace widgettest;

namespace
{
/** n steps of a fade, each followed by its application, as the two 33 ms timers run them. */
void tick (AnimImageButtonTimer& fade, int n)
{
    for (int i = 0; i < n; ++i)
    {
        fade.getFade().timerCallback();
        fade.timerCallback();
    }
}

struct FadeTest : ::testing::Test
{
    FakePanelHost host;
    AnimImageButton section { "SCENE FX" };
    juce::Component shown, hidden, disabled;

    void SetUp() override
    {
        host.addAndMakeVisible (section);
        section.setBounds (0, 0, 100, 100);
        const auto art = plain (100, 100, juce::Colours::white);
        section.setImages (art, 0.0f, {}, art, 1.0f, {}, art, 1.0f, {}, 0.1f);
        section.addAndMakeVisible (shown);
        section.addChildComponent (hidden);
        section.addAndMakeVisible (disabled);
        disabled.setEnabled (false);
        disabled.setAlpha (0.7f);
    }

    ImageTimer& steps()     { return section.getFade().getFade(); }
};
} // namespace

TEST_F (FadeTest, TenStepsReachExactlyOneAndZeroAndAReversalGoesBackFromWhereItStood)
{
    steps().fadeIn();
    tick (section.getFade(), 9);
    EXPECT_TRUE (steps().isTimerRunning());
    tick (section.getFade(), 1);
    EXPECT_EQ (section.getFadeAlpha(), 1.0f);
    EXPECT_FALSE (steps().isTimerRunning());

    steps().fadeOut (false);
    tick (section.getFade(), 4);
    steps().fadeIn();                          // back onto the section midway
    tick (section.getFade(), 2);
    EXPECT_FLOAT_EQ (section.getFadeAlpha(), 0.8f);

    steps().fadeOut (false);
    tick (section.getFade(), 8);
    EXPECT_EQ (section.getFadeAlpha(), 0.0f);
    EXPECT_FALSE (steps().isTimerRunning());
}

TEST_F (FadeTest, EnabledChildrenTakeTheOpacityDisabledOnesAreLeftAloneAndHidingComesAtZero)
{
    steps().fadeIn();
    tick (section.getFade(), 3);
    EXPECT_NEAR (shown.getAlpha(), 0.3f, 0.003f);    // a component keeps its alpha in 8 bits
    EXPECT_TRUE (hidden.isVisible());
    EXPECT_NEAR (disabled.getAlpha(), 0.7f, 0.003f);

    // Fading out to hide: everything shows until 0, then the children and the section hide, but
    // not the disabled child.
    steps().fadeOut (true);
    tick (section.getFade(), 2);
    EXPECT_TRUE (shown.isVisible());
    EXPECT_TRUE (section.isVisible());
    tick (section.getFade(), 1);
    EXPECT_FALSE (shown.isVisible());
    EXPECT_FALSE (hidden.isVisible());
    EXPECT_TRUE (disabled.isVisible());
    EXPECT_FALSE (section.isVisible());

    // A disabled section's children keep what they have.
    section.setVisible (true);
    section.setEnabled (false);
    steps().fadeIn();
    tick (section.getFade(), 2);
    EXPECT_FALSE (shown.isVisible());
}

TEST_F (FadeTest, AFadedOutSectionIsNoLongerExpandedAndThePanelIsToldOnce)
{
    section.setExpanded (true);
    steps().fadeIn();
    tick (section.getFade(), 10);
    steps().fadeOut (false);
    tick (section.getFade(), 9);
    EXPECT_TRUE (section.isExpanded());
    EXPECT_EQ (host.sectionUpdates, 0);
    tick (section.getFade(), 1);
    EXPECT_FALSE (section.isExpanded());
    EXPECT_EQ (host.sectionUpdates, 1);
    section.getFade().timerCallback();
    EXPECT_EQ (host.sectionUpdates, 1);

    // An AnimComponent fades the children of the owner it is given, and nothing before.
    AnimComponent view;
    juce::Component child;
    view.addChildComponent (child);
    view.getFade().getFade().fadeIn();
    tick (view.getFade(), 5);
    EXPECT_FALSE (child.isVisible());
    view.getFade().setOwner (&view);
    view.getFade().applyNow();
    EXPECT_NEAR (child.getAlpha(), 0.5f, 0.003f);
    EXPECT_TRUE (child.isVisible());
}

TEST_F (FadeTest, HoverExpandsWhenNoSectionIsOpenAndWaitsWhileAnotherIs)
{
    AnimImageButton other ("X-PAD FX");
    host.openSectionButton = &other;
    section.setState (juce::Button::buttonOver);
    EXPECT_FALSE (section.isExpanded());
    EXPECT_FALSE (steps().isTimerRunning());

    // The other one faded out: the panel re-runs the state changes and this one takes its turn.
    host.openSectionButton = nullptr;
    section.buttonStateChanged();
    EXPECT_TRUE (section.isExpanded());
    EXPECT_TRUE (steps().isFadingIn());
    ASSERT_EQ (host.stateChanges.size(), 1u);
    EXPECT_EQ (host.stateChanges[0], &section);

    // Leaving fades out; dimmed, it also hides when faded.
    section.setDimmed (true);
    section.mouseExit (mouseAt (section, { 5, 5 }));
    EXPECT_FALSE (steps().isFadingIn());
    EXPECT_TRUE (steps().getHideWhenFaded());

    // Open, selected or hovered by one of its effect buttons, it stays.
    host.openSectionButton = &section;
    section.setDimmed (false);
    section.setSelected (true);
    section.mouseExit (mouseAt (section, { 5, 5 }));
    EXPECT_TRUE (steps().isFadingIn());
    section.setSelected (false);
    section.setHover (true);
    section.mouseExit (mouseAt (section, { 5, 5 }));
    EXPECT_FALSE (section.isHover());
    EXPECT_EQ (section.getState(), juce::Button::buttonOver);
    EXPECT_TRUE (steps().isFadingIn());
    EXPECT_EQ (host.stateChanges.size(), 1u);    // the open section only restarts its fade

    // A real mouse move ends keyboard mode; the same position again does not.
    host.keyboardMode = true;
    section.mouseMove (mouseAt (section, { 20, 20 }));
    EXPECT_FALSE (host.keyboardMode);
    host.keyboardMode = true;
    section.mouseMove (mouseAt (section, { 20, 20 }));
    EXPECT_TRUE (host.keyboardMode);
}

TEST (SectionHitTest, AlphaOfTheStateImageWhereTheArtworkIsDrawn)
{
    FakePanelHost host;
    AnimImageButton section ("ISOLATE FX");
    host.addAndMakeVisible (section);

    // Left half alpha 26 (the threshold 0.1 rounds to 26), right half 27.
    auto art = plain (50, 40, juce::Colours::white.withAlpha ((juce::uint8) 26));
    art.clear ({ 25, 0, 25, 40 }, juce::Colours::white.withAlpha ((juce::uint8) 27));
    section.setImages (art, 0.0f, {}, art, 1.0f, {}, art, 1.0f, {}, 0.1f);
    EXPECT_FALSE (section.hitTest (0, 0));        // zero size, never painted: a miss, no division

    // Not painted yet: where the paint would centre the artwork (offset 25, 20 in 100x80).
    section.setBounds (0, 0, 100, 80);
    EXPECT_FALSE (section.hitTest (10, 30));
    EXPECT_FALSE (section.hitTest (30, 30));      // alpha 26 is not above the threshold
    EXPECT_TRUE (section.hitTest (90, 30));
    host.keyboardMode = true;
    EXPECT_FALSE (section.hitTest (90, 30));
    host.keyboardMode = false;

    // The sampled pixel is scaled from the button's size to the image's; selected takes the down mask.
    auto mask = plain (100, 80, {});
    mask.clear ({ 0, 0, 10, 80 }, juce::Colours::white);
    section.setHitTestImages (mask, mask, plain (100, 80, juce::Colours::white));
    EXPECT_TRUE (section.hitTest (30, 30));       // image x = 100 * (30 - 25) / 100 = 5
    EXPECT_FALSE (section.hitTest (40, 30));      // image x = 15
    section.setSelected (true);
    EXPECT_TRUE (section.hitTest (40, 30));
    section.setSelected (false);
    section.setOpen (true);
    EXPECT_TRUE (section.hitTest (40, 30)) << "an open section takes its down mask too";
    section.setOpen (false);
    EXPECT_FALSE (section.hitTest (40, 30));

    section.setImages ({}, 0.0f, {}, {}, 0.0f, {}, {}, 0.0f, {}, 0.0f);
    EXPECT_TRUE (section.hitTest (99, 79));       // threshold 0: every point
}

TEST (SectionPaint, TheArtworkFadesWithTheControlsAndDimsWhenDisabled)
{
    AnimImageButton section ("RELEASE FX");
    section.setBounds (0, 0, 40, 40);
    section.setImages ({}, 0.0f, {}, {}, 1.0f, {}, plain (20, 20, juce::Colours::white), 1.0f, {}, 0.1f);

    auto alphaAt = [&section] (int x, int y)
    {
        juce::Image canvas (juce::Image::ARGB, 40, 40, true);
        juce::Graphics g (canvas);
        section.paintButton (g, false, false);
        return (int) canvas.getPixelAt (x, y).getAlpha();
    };

    EXPECT_EQ (alphaAt (20, 20), 0);
    section.getFade().getFade().fadeIn();
    tick (section.getFade(), 5);
    EXPECT_NEAR (alphaAt (20, 20), 128, 2);
    EXPECT_EQ (alphaAt (9, 9), 0);                // the 20x20 artwork is centred
    section.setEnabled (false);
    EXPECT_NEAR (alphaAt (20, 20), 38, 2);
}
