#include "WidgetTestSupport.h"

#include "JuceTestPrinters.h"
#include "widgets/CustomImageButton.h"
#include "widgets/CustomSliderButton.h"
#include "widgets/WidgetFocus.h"

#include <gtest/gtest.h>

using namespace widgettest;

namespace
{
const juce::Colour red (0xffff0000), green (0xff00ff00), blue (0xff0000ff), grey (0xff808080);

juce::Colour colourOf (const juce::Image& image)
{
    return image.isValid() ? image.getPixelAt (0, 0) : juce::Colour();
}
} // namespace

TEST (CustomImageButtonTest, ImageOrderIsDisabledDownOverNormalWithFallbacks)
{
    FakePanelHost host;
    CustomImageButton button ("b");
    host.addAndMakeVisible (button);
    button.setImages (plain (4, 4, red), plain (4, 4, green), plain (4, 4, blue), plain (4, 4, grey));

    EXPECT_EQ (colourOf (button.getCurrentImage()), red);
    button.setState (juce::Button::buttonOver);
    EXPECT_EQ (colourOf (button.getCurrentImage()), green);
    button.setState (juce::Button::buttonDown);
    EXPECT_EQ (colourOf (button.getCurrentImage()), blue);

    // Switched on, it shows its down image with the mouse elsewhere; disabled (also through a
    // parent) wins over that.
    button.setState (juce::Button::buttonNormal);
    button.setToggleState (true, juce::dontSendNotification);
    EXPECT_EQ (colourOf (button.getCurrentImage()), blue);
    host.setEnabled (false);
    EXPECT_EQ (colourOf (button.getCurrentImage()), grey);

    // Down falls back to over, then normal; disabled and over only to normal.
    button.setImages (plain (4, 4, red), plain (4, 4, green), {}, {});
    EXPECT_EQ (colourOf (button.getDownImage()), green);
    EXPECT_EQ (colourOf (button.getCurrentImage()), red);
    button.setImages (plain (4, 4, red), {}, {}, {});
    EXPECT_EQ (colourOf (button.getOverImage()), red);
    EXPECT_EQ (colourOf (button.getDownImage()), red);
}

TEST (CustomImageButtonTest, MaskHitTestMissesTransparentAndOutsidePixels)
{
    CustomImageButton button ("b");
    button.setSize (20, 20);
    EXPECT_TRUE (button.hitTest (19, 19));   // no masks: the whole rectangle

    // Left half opaque (alpha 1 is enough); 16 wide, so the last columns lie outside the mask.
    auto mask = plain (16, 20, {});
    mask.clear ({ 0, 0, 8, 20 }, juce::Colours::white.withAlpha ((juce::uint8) 1));
    button.setHitTestImages (mask, plain (20, 20, juce::Colours::white), mask, mask);
    EXPECT_TRUE (button.hitTest (2, 5));
    EXPECT_FALSE (button.hitTest (12, 5));
    EXPECT_FALSE (button.hitTest (18, 5));
    EXPECT_FALSE (button.hitTest (-1, 5));

    // The mask follows the state; switched off, every point hits.
    button.setState (juce::Button::buttonOver);
    EXPECT_TRUE (button.hitTest (12, 5));
    button.setState (juce::Button::buttonNormal);
    button.setUseMaskHitTest (false);
    EXPECT_TRUE (button.hitTest (12, 5));

    // Null masks: the display image's alpha stands in; with no image at all every point hits.
    auto face = plain (20, 20, {});
    face.clear ({ 0, 0, 20, 10 }, red);
    button.setImages (face, {}, {}, {});
    button.setHitTestImages ({}, {}, {}, {});
    EXPECT_TRUE (button.hitTest (5, 5));
    EXPECT_FALSE (button.hitTest (5, 15));
    button.setImages ({}, {}, {}, {});
    EXPECT_TRUE (button.hitTest (5, 15));
}

TEST (PanelHostLookup, NearestHostAlongTheParentsOrAnAttachedOne)
{
    FakePanelHost outer, inner;
    juce::Component middle, leaf, elsewhere, elsewhereLeaf;
    outer.addChildComponent (middle);
    middle.addChildComponent (inner);
    inner.addChildComponent (leaf);
    elsewhere.addChildComponent (elsewhereLeaf);

    EXPECT_EQ (PanelHost::find (&leaf), &inner);
    EXPECT_EQ (PanelHost::find (&middle), &outer);
    EXPECT_EQ (PanelHost::find (&elsewhereLeaf), nullptr);

    // A window outside the panel is given the host; a nearer attachment wins; null takes it away.
    PanelHost::attach (elsewhere, &outer);
    PanelHost::attach (middle, &inner);
    EXPECT_EQ (PanelHost::find (&elsewhereLeaf), &outer);
    EXPECT_EQ (PanelHost::find (&middle), &inner);
    PanelHost::attach (elsewhere, nullptr);
    PanelHost::attach (middle, nullptr);
    EXPECT_EQ (PanelHost::find (&elsewhereLeaf), nullptr);
    EXPECT_EQ (PanelHost::find (&middle), &outer);
}

TEST (WidgetFocusShared, AMoveToTheSamePositionOnTheScreenIsNoMove)
{
    FakePanelHost host;
    juce::Component a, b;
    host.addAndMakeVisible (a);
    host.addAndMakeVisible (b);
    b.setTopLeftPosition (50, 0);

    EXPECT_TRUE (WidgetFocus::isRealMouseMove (a, mouseAt (a, { 10, 10 })));
    EXPECT_FALSE (WidgetFocus::isRealMouseMove (a, mouseAt (a, { 10, 10 })));
    EXPECT_FALSE (WidgetFocus::isRealMouseMove (b, mouseAt (b, { -40, 10 })));   // the same point, seen by b
    EXPECT_TRUE (WidgetFocus::isRealMouseMove (b, mouseAt (b, { 1, 10 })));
    EXPECT_EQ (host.pointer.getLastMousePosition(), juce::Point<int> (51, 10));
}

TEST (CustomSliderButtonTest, OverWhileInteractiveAndEveryKeyGoesToThePopupSlider)
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

    EXPECT_TRUE (face.keyPressed (juce::KeyPress (juce::KeyPress::returnKey)));
    EXPECT_FALSE (face.keyPressed (juce::KeyPress ('x')));
    EXPECT_EQ (slider.keys.size(), 2);
}
