// The overlay panels' own controls without a display: the check box's faces, the panel button's
// caption and identifier, where each control's keys go, and the pointer state the controls share
// inside a component that has no panel host.

#include "WidgetTestSupport.h"

#include "JuceTestPrinters.h"
#include "assets/SkinImages.h"
#include "widgets/MenuCheckBox.h"
#include "widgets/MenuComboBox.h"
#include "widgets/MenuComponentButton.h"
#include "widgets/PanelKeyTarget.h"
#include "widgets/WidgetFocus.h"

#include <gtest/gtest.h>

using namespace widgettest;

namespace
{
const juce::Colour faces[8] { juce::Colour (0xff100000), juce::Colour (0xff200000), juce::Colour (0xff300000),
                              juce::Colour (0xff400000), juce::Colour (0xff500000), juce::Colour (0xff600000),
                              juce::Colour (0xff700000), juce::Colour (0xff800000) };
enum Face { normal, over, down, disabled, ticked, tickedFocused, tickedDown, tickedDisabled };

int faceOf (const juce::Image& image)
{
    for (int i = 0; i < 8; ++i)
        if (image.isValid() && image.getPixelAt (0, 0) == faces[i])
            return i;

    return -1;
}

/** A panel that writes down the keys its controls hand it, and uses all but 'x'. */
struct KeyPanel : juce::Component, PanelKeyTarget
{
    bool panelKeyPressed (const juce::KeyPress& key) override { keys.add (key); return key.getKeyCode() != 'x'; }
    juce::Array<juce::KeyPress> keys;
};

const juce::KeyPress returnKey (juce::KeyPress::returnKey), tabKey (juce::KeyPress::tabKey),
                     leftKey (juce::KeyPress::leftKey), rightKey (juce::KeyPress::rightKey),
                     upKey (juce::KeyPress::upKey), downKey (juce::KeyPress::downKey),
                     escapeKey (juce::KeyPress::escapeKey), spaceKey (juce::KeyPress::spaceKey), xKey ('x');
} // namespace

TEST (MenuCheckBox, ShowsTheTickedOrUntickedFaceForItsState)
{
    juce::Component panel;
    MenuCheckBox box ("box");
    panel.addAndMakeVisible (box);
    box.setImages (plain (16, 16, faces[normal]), plain (16, 16, faces[over]), plain (16, 16, faces[down]),
                   plain (16, 16, faces[disabled]));
    box.setTickedImages (plain (16, 16, faces[ticked]), plain (16, 16, faces[tickedFocused]),
                         plain (16, 16, faces[tickedDown]), plain (16, 16, faces[tickedDisabled]));

    EXPECT_FALSE (box.getToggleState());
    EXPECT_EQ (faceOf (box.getCurrentImage()), normal);
    box.setState (juce::Button::buttonOver);
    EXPECT_EQ (faceOf (box.getCurrentImage()), over);
    box.setState (juce::Button::buttonDown);
    EXPECT_EQ (faceOf (box.getCurrentImage()), down);

    // Ticked, it keeps its ticked faces whatever the mouse does, pressed aside.
    box.setToggleState (true, juce::dontSendNotification);
    EXPECT_EQ (faceOf (box.getCurrentImage()), tickedDown);
    box.setState (juce::Button::buttonOver);
    EXPECT_EQ (faceOf (box.getCurrentImage()), ticked);

    // A disabled panel greys both.
    panel.setEnabled (false);
    EXPECT_EQ (faceOf (box.getCurrentImage()), tickedDisabled);
    box.setToggleState (false, juce::dontSendNotification);
    EXPECT_EQ (faceOf (box.getCurrentImage()), disabled);
}

TEST (MenuComponentButton, ReportsItsIdentifierWithACaptionThatDarkensWhenDisabled)
{
    juce::Component panel;
    MenuComponentButton ok ("OK", 2);
    panel.addAndMakeVisible (ok);

    EXPECT_EQ (ok.getBounds(), juce::Rectangle<int> (0, 0, 84, 28));
    EXPECT_EQ (ok.getCommandID(), 2);
    EXPECT_EQ (ok.getButtonText(), "OK");
    EXPECT_TRUE (ok.getWantsKeyboardFocus());
    EXPECT_FALSE (ok.getMouseClickGrabsKeyboardFocus()) << "a click leaves the keyboard where it was";

    EXPECT_EQ (ok.getCaptionColour(), juce::Colour (248, 248, 248));
    panel.setEnabled (false);
    EXPECT_EQ (ok.getCaptionColour(), juce::Colour (107, 47, 54));
    EXPECT_EQ (ok.getCurrentImage().getPixelData(), SkinImages::get (SkinImageSets::panelButton[SkinButtonState::disabled]).getPixelData());
}

TEST (MenuControlKeys, CheckBoxesAndButtonsHandEveryKeyToTheirPanelCombosOnlyTheWalkingKeys)
{
    KeyPanel panel;
    MenuCheckBox box ("box");
    MenuComponentButton button ("CANCEL", -1);
    MenuComboBox combo ("combo");
    for (auto* c : { static_cast<juce::Component*> (&box), static_cast<juce::Component*> (&button),
                     static_cast<juce::Component*> (&combo) })
        panel.addAndMakeVisible (c);

    combo.addItem ("one", 1);
    combo.addItem ("two", 2);
    combo.addItem ("three", 3);
    combo.setSelectedItemIndex (0, juce::dontSendNotification);

    for (juce::Component* c : { static_cast<juce::Component*> (&box), static_cast<juce::Component*> (&button) })
    {
        for (const auto& key : { returnKey, spaceKey, tabKey, escapeKey, xKey })
            EXPECT_EQ (c->keyPressed (key), key != xKey) << c->getName() << " " << key.getTextDescription();
    }
    EXPECT_EQ (panel.keys.size(), 10);
    panel.keys.clear();

    // The combo box: Up and Down change its selection itself; Left, Right and the Tabs go to the
    // panel (no list is open); Escape and other keys are left to the parents.
    EXPECT_TRUE (combo.keyPressed (downKey));
    EXPECT_EQ (combo.getSelectedItemIndex(), 1);
    EXPECT_TRUE (combo.keyPressed (upKey));
    EXPECT_EQ (combo.getSelectedItemIndex(), 0);
    for (const auto& key : { leftKey, rightKey, tabKey, shiftTab })
        EXPECT_TRUE (combo.keyPressed (key)) << key.getTextDescription();
    EXPECT_EQ (panel.keys.size(), 4);
    EXPECT_EQ (combo.getSelectedItemIndex(), 0) << "Left and Right do not change the selection";
    EXPECT_FALSE (combo.keyPressed (escapeKey));
    EXPECT_FALSE (combo.keyPressed (xKey));
    EXPECT_EQ (panel.keys.size(), 4);

    // Outside a panel (an alert's button): no panel to hand keys to; Return still clicks.
    MenuComponentButton loose ("OK", 5);
    ClickCounter counter (loose);
    EXPECT_TRUE (loose.keyPressed (returnKey));
    EXPECT_FALSE (loose.keyPressed (tabKey));
    pump (30);
    EXPECT_EQ (counter.clicks, 1);
}

TEST (MenuControlFocus, ControlsOutsideAHostShareAnAttachedPointerState)
{
    PointerState pointer;
    juce::Component window, panel;
    window.setBounds (0, 0, 300, 200);
    panel.setBounds (10, 10, 200, 100);
    window.addAndMakeVisible (panel);
    MenuCheckBox first ("first"), second ("second");
    panel.addAndMakeVisible (first);
    panel.addAndMakeVisible (second);
    first.setBounds (0, 0, 50, 16);
    second.setBounds (0, 20, 50, 16);

    // Without a state every move counts (nothing to compare with).
    EXPECT_TRUE (WidgetFocus::isRealMouseMove (first, mouseAt (first, { 5, 5 })));
    EXPECT_TRUE (WidgetFocus::isRealMouseMove (first, mouseAt (first, { 5, 5 })));

    // Attached to the window, the state is found from any control inside it.
    WidgetFocus::attachPointerState (window, &pointer);
    EXPECT_TRUE (WidgetFocus::isRealMouseMove (first, mouseAt (first, { 5, 5 })));
    EXPECT_FALSE (WidgetFocus::isRealMouseMove (first, mouseAt (first, { 5, 5 })));
    EXPECT_FALSE (WidgetFocus::isRealMouseMove (second, mouseAt (second, { 5, -15 }))) << "same point on the screen";
    EXPECT_TRUE (WidgetFocus::isRealMouseMove (second, mouseAt (second, { 5, 5 })));
    EXPECT_EQ (pointer.getLastMousePosition(), juce::Point<int> (15, 35));

    WidgetFocus::attachPointerState (window, nullptr);
    EXPECT_TRUE (WidgetFocus::isRealMouseMove (second, mouseAt (second, { 5, 5 })));
}
