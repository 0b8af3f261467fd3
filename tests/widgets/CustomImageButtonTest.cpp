#include "WidgetTestSupport.h"

#include "JuceTestPrinters.h"
#include "widgets/CustomImageButton.h"
#include "widgets/CustomSliderButton.h"
#include "widgets/WidgetFocus.h"

#include <gtest/gtest.h>

using namespace widgettest;
using Call = FakePanelHost::Call;

namespace
{
const juce::Colour red (0xffff0000), green (0xff00ff00), blue (0xff0000ff), grey (0xff808080);

/** The colour of an image's first pixel, or transparent for a null image. */
juce::Colour colourOf (const juce::Image& image)
{
    return image.isValid() ? image.getPixelAt (0, 0) : juce::Colour();
}

struct ImageButtonTest : ::testing::Test
{
    FakePanelHost host;
    CustomImageButton button { "button" };

    void SetUp() override
    {
        host.setSize (200, 100);
        host.addAndMakeVisible (button);
        button.setBounds (10, 10, 20, 20);
    }

    void setAllImages()
    {
        button.setImages (plain (20, 20, red), plain (20, 20, green), plain (20, 20, blue), plain (20, 20, grey));
    }
};
} // namespace

TEST_F (ImageButtonTest, CurrentImageFollowsDisabledThenDownThenOverThenNormal)
{
    setAllImages();
    EXPECT_EQ (colourOf (button.getCurrentImage()), red);

    button.setState (juce::Button::buttonOver);
    EXPECT_EQ (colourOf (button.getCurrentImage()), green);

    button.setState (juce::Button::buttonDown);
    EXPECT_EQ (colourOf (button.getCurrentImage()), blue);

    // A button switched on shows its down image with the mouse elsewhere.
    button.setState (juce::Button::buttonNormal);
    button.setToggleState (true, juce::dontSendNotification);
    EXPECT_EQ (colourOf (button.getCurrentImage()), blue);

    // Disabled wins over the toggle, also when only a parent is disabled.
    host.setEnabled (false);
    EXPECT_EQ (colourOf (button.getCurrentImage()), grey);
    host.setEnabled (true);
    button.setEnabled (false);
    EXPECT_EQ (colourOf (button.getCurrentImage()), grey);
}

TEST_F (ImageButtonTest, MissingImagesFallBackTowardsTheNormalOne)
{
    button.setImages (plain (20, 20, red), {}, {}, {});
    EXPECT_EQ (colourOf (button.getOverImage()), red);
    EXPECT_EQ (colourOf (button.getDownImage()), red);
    EXPECT_EQ (colourOf (button.getDisabledImage()), red);

    // Down falls back to over before normal; disabled never to over.
    button.setImages (plain (20, 20, red), plain (20, 20, green), {}, {});
    EXPECT_EQ (colourOf (button.getDownImage()), green);
    EXPECT_EQ (colourOf (button.getDisabledImage()), red);
    button.setEnabled (false);
    EXPECT_EQ (colourOf (button.getCurrentImage()), red);

    // With no image at all the button draws nothing and says so with a null image.
    button.setImages ({}, {}, {}, {});
    EXPECT_FALSE (button.getCurrentImage().isValid());
    juce::Image canvas (juce::Image::ARGB, 20, 20, true);
    juce::Graphics g (canvas);
    button.paintButton (g, false, false);
    EXPECT_EQ (canvas.getPixelAt (5, 5).getAlpha(), 0);
}

TEST_F (ImageButtonTest, PaintDrawsTheCurrentImageAtItsOwnSize)
{
    // A 10x10 picture in a 20x20 button is drawn unscaled at the top-left corner.
    button.setImages (plain (10, 10, red), plain (10, 10, green), {}, {});
    button.setState (juce::Button::buttonOver);
    const auto shot = button.createComponentSnapshot (button.getLocalBounds());
    EXPECT_EQ (shot.getPixelAt (9, 9), green);
    EXPECT_EQ (shot.getPixelAt (10, 10).getAlpha(), 0);
}

TEST_F (ImageButtonTest, MaskHitTestMissesTransparentAndOutsidePixels)
{
    setAllImages();
    EXPECT_TRUE (button.hitTest (19, 19));   // no masks: the whole rectangle

    // Mask: left half opaque, right half clear; 16 wide, so the button's last columns lie outside it.
    auto mask = plain (16, 20, {});
    mask.clear ({ 0, 0, 8, 20 }, juce::Colours::white.withAlpha ((juce::uint8) 1));
    button.setHitTestImages (mask, mask, mask, mask);
    EXPECT_TRUE (button.getUseMaskHitTest());
    EXPECT_TRUE (button.hitTest (2, 5));      // alpha 1 is enough
    EXPECT_FALSE (button.hitTest (12, 5));    // transparent
    EXPECT_FALSE (button.hitTest (18, 5));    // outside the mask
    EXPECT_FALSE (button.hitTest (-1, 5));

    // The mask follows the state like the display images do.
    auto overMask = plain (20, 20, juce::Colours::white);
    button.setHitTestImages (mask, overMask, mask, mask);
    EXPECT_FALSE (button.hitTest (12, 5));
    button.setState (juce::Button::buttonOver);
    EXPECT_TRUE (button.hitTest (12, 5));

    // Switched off (the panel does so on the chosen effect), every point hits again.
    button.setState (juce::Button::buttonNormal);
    button.setUseMaskHitTest (false);
    EXPECT_TRUE (button.hitTest (12, 5));
}

TEST_F (ImageButtonTest, NullMasksUseTheDisplayImagesAndNoImageAtAllHitsEverywhere)
{
    auto face = plain (20, 20, {});
    face.clear ({ 0, 0, 20, 10 }, red);
    button.setImages (face, {}, {}, {});
    button.setHitTestImages ({}, {}, {}, {});

    EXPECT_TRUE (button.hitTest (5, 5));
    EXPECT_FALSE (button.hitTest (5, 15));   // the display image is clear there

    button.setImages ({}, {}, {}, {});
    EXPECT_TRUE (button.hitTest (5, 15));
}

TEST_F (ImageButtonTest, NavigationKeysGoToTheHostAndReturnClicks)
{
    ClickCounter clicks (button);

    const std::pair<juce::KeyPress, Call> routes[] {
        { juce::KeyPress (juce::KeyPress::escapeKey), Call::back },
        { juce::KeyPress (juce::KeyPress::backspaceKey), Call::back },
        { juce::KeyPress (juce::KeyPress::rightKey), Call::next },
        { juce::KeyPress (juce::KeyPress::downKey), Call::next },
        { juce::KeyPress (juce::KeyPress::tabKey), Call::next },
        { juce::KeyPress (juce::KeyPress::leftKey), Call::previous },
        { juce::KeyPress (juce::KeyPress::upKey), Call::previous },
        { shiftTab, Call::previous },
    };

    for (const auto& [key, call] : routes)
    {
        EXPECT_TRUE (button.keyPressed (key)) << key.getTextDescription();
        const auto calls = host.takeNavigation();
        ASSERT_EQ (calls.size(), 1u) << key.getTextDescription();
        EXPECT_EQ (calls[0].call, call) << key.getTextDescription();
        EXPECT_EQ (calls[0].component, &button);
    }

    // Return is the button's own: a click, nothing for the panel.
    EXPECT_TRUE (button.keyPressed (juce::KeyPress (juce::KeyPress::returnKey)));
    pump (30);
    EXPECT_EQ (clicks.clicks, 1);

    // Other keys and modified arrows are not consumed.
    EXPECT_FALSE (button.keyPressed (juce::KeyPress ('a')));
    EXPECT_FALSE (button.keyPressed (juce::KeyPress (juce::KeyPress::rightKey, juce::ModifierKeys::ctrlModifier, 0)));
    EXPECT_TRUE (host.takeNavigation().empty());
}

TEST_F (ImageButtonTest, WithoutAHostNavigationKeysAreLeftToTheFramework)
{
    juce::Component loose;
    CustomImageButton alone ("alone");
    loose.addAndMakeVisible (alone);

    EXPECT_FALSE (alone.keyPressed (juce::KeyPress (juce::KeyPress::tabKey)));
    EXPECT_FALSE (alone.keyPressed (juce::KeyPress (juce::KeyPress::escapeKey)));
    EXPECT_TRUE (host.takeNavigation().empty());
}

//==============================================================================
TEST (PanelHostLookup, NearestHostAlongTheParentsOrAnAttachedOne)
{
    FakePanelHost outer, inner;
    juce::Component middle, leaf, elsewhere, elsewhereLeaf;
    outer.addChildComponent (middle);
    middle.addChildComponent (inner);
    inner.addChildComponent (leaf);
    elsewhere.addChildComponent (elsewhereLeaf);

    EXPECT_EQ (PanelHost::find (&leaf), &inner);
    EXPECT_EQ (PanelHost::find (&inner), &inner);
    EXPECT_EQ (PanelHost::find (&middle), &outer);
    EXPECT_EQ (PanelHost::find (&elsewhereLeaf), nullptr);
    EXPECT_EQ (PanelHost::find (nullptr), nullptr);

    // A window outside the panel gets the panel's host.
    PanelHost::attach (elsewhere, &outer);
    EXPECT_EQ (PanelHost::find (&elsewhereLeaf), &outer);

    // A host attached nearer wins over one further up.
    PanelHost::attach (middle, &inner);
    EXPECT_EQ (PanelHost::find (&middle), &inner);

    PanelHost::attach (elsewhere, nullptr);
    PanelHost::attach (middle, nullptr);
    EXPECT_EQ (PanelHost::find (&elsewhereLeaf), nullptr);
    EXPECT_EQ (PanelHost::find (&middle), &outer);
}

TEST (WidgetFocusShared, AMoveToTheSamePositionIsNoMove)
{
    FakePanelHost host;
    juce::Component a, b;
    host.setBounds (0, 0, 100, 100);
    host.addAndMakeVisible (a);
    host.addAndMakeVisible (b);
    a.setBounds (0, 0, 50, 50);
    b.setBounds (50, 0, 50, 50);

    EXPECT_TRUE (WidgetFocus::isRealMouseMove (a, mouseAt (a, { 10, 10 })));
    EXPECT_FALSE (WidgetFocus::isRealMouseMove (a, mouseAt (a, { 10, 10 })));

    // Positions are compared on the screen: the same point seen by another control is no move either.
    EXPECT_FALSE (WidgetFocus::isRealMouseMove (b, mouseAt (b, { -40, 10 })));
    EXPECT_TRUE (WidgetFocus::isRealMouseMove (b, mouseAt (b, { 1, 10 })));
    EXPECT_EQ (host.pointer.getLastMousePosition(), juce::Point<int> (51, 10));

    // Without a host every event counts as a move.
    juce::Component loose;
    EXPECT_TRUE (WidgetFocus::isRealMouseMove (loose, mouseAt (loose, { 3, 3 })));
    EXPECT_TRUE (WidgetFocus::isRealMouseMove (loose, mouseAt (loose, { 3, 3 })));
}

TEST (WidgetFocusShared, MouseUpPlacesTheBrowserOnlyWhileARecordedControlExists)
{
    FakePanelHost host;
    CustomImageButton button ("b");
    host.addAndMakeVisible (button);

    WidgetFocus::raiseFocusOnMouseUp (button);
    EXPECT_EQ (host.browserPlacements, 0);

    {
        juce::Component recorded;
        host.addChildComponent (recorded);   // recorded but not showing: the browser moves, no focus
        WidgetFocus::recordFocus (recorded);
        EXPECT_EQ (host.pointer.getLastFocusedControl(), &recorded);
        WidgetFocus::raiseFocusOnMouseUp (button);
        EXPECT_EQ (host.browserPlacements, 1);
    }

    // The recorded control is gone: it reads as none.
    EXPECT_EQ (host.pointer.getLastFocusedControl(), nullptr);
    WidgetFocus::raiseFocusOnMouseUp (button);
    EXPECT_EQ (host.browserPlacements, 1);
}

//==============================================================================
TEST (CustomSliderButtonTest, OverWhileInteractiveAndKeysGoToTheParent)
{
    struct KeyRecorder : juce::Component
    {
        bool keyPressed (const juce::KeyPress& key) override { keys.add (key); return key.getKeyCode() != 'x'; }
        juce::Array<juce::KeyPress> keys;
    };

    KeyRecorder slider;
    CustomSliderButton face;
    slider.addAndMakeVisible (face);
    face.setImages (plain (4, 4, red), plain (4, 4, green), plain (4, 4, blue), plain (4, 4, grey));

    EXPECT_FALSE (face.getWantsKeyboardFocus());
    EXPECT_EQ (colourOf (face.getCurrentImage()), red);
    face.setInteractive (true);
    EXPECT_EQ (colourOf (face.getCurrentImage()), green);
    face.setToggleState (true, juce::dontSendNotification);
    EXPECT_EQ (colourOf (face.getCurrentImage()), blue);
    slider.setEnabled (false);
    EXPECT_EQ (colourOf (face.getCurrentImage()), grey);

    // Every key, Return included, goes to the popup slider, which decides what it consumes.
    EXPECT_TRUE (face.keyPressed (juce::KeyPress (juce::KeyPress::returnKey)));
    EXPECT_TRUE (face.keyPressed (juce::KeyPress (juce::KeyPress::upKey)));
    EXPECT_FALSE (face.keyPressed (juce::KeyPress ('x')));
    EXPECT_EQ (slider.keys.size(), 3);
}
