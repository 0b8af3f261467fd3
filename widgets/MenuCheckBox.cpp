#include "widgets/MenuCheckBox.h"

#include "assets/SkinImages.h"
#include "widgets/PanelKeyTarget.h"
#include "widgets/WidgetFocus.h"

MenuCheckBox::MenuCheckBox (const juce::String& name)
    : CustomImageButton (name)
{
    using S = SkinCheckState;
    const auto& faces = SkinImageSets::checkBox;
    setImages (SkinImages::get (faces[S::normal]), SkinImages::get (faces[S::over]),
               SkinImages::get (faces[S::down]), SkinImages::get (faces[S::disabled]));
    setTickedImages (SkinImages::get (faces[S::ticked]), SkinImages::get (faces[S::tickedFocused]),
                     SkinImages::get (faces[S::tickedDown]), SkinImages::get (faces[S::tickedDisabled]));

    setClickingTogglesState (true);
    setToggleState (false, juce::dontSendNotification);
    setWantsKeyboardFocus (true);
}

MenuCheckBox::~MenuCheckBox() = default;

void MenuCheckBox::setTickedImages (const juce::Image& normal, const juce::Image& focused,
                                    const juce::Image& down, const juce::Image& disabled)
{
    tickedNormal = normal;
    tickedFocused = focused;
    tickedDown = down;
    tickedDisabled = disabled;
    repaint();
}

juce::Image MenuCheckBox::getCurrentImage() const
{
    const bool focused = hasKeyboardFocus (false);

    if (! getToggleState())
        return focused ? getOverImage() : CustomImageButton::getCurrentImage();

    if (focused)
        return tickedFocused;

    if (! isEnabled())
        return tickedDisabled;

    if (getState() == buttonDown)
        return tickedDown;

    return tickedNormal;
}

bool MenuCheckBox::keyPressed (const juce::KeyPress& key)
{
    if (auto* panel = PanelKeyTarget::of (*this))
        return panel->panelKeyPressed (key);

    return CustomImageButton::keyPressed (key);
}

void MenuCheckBox::mouseMove (const juce::MouseEvent& e)
{
    WidgetFocus::followMouse (*this, e);
    CustomImageButton::mouseMove (e);
}
