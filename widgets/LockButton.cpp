#include "widgets/LockButton.h"

#include "assets/SkinImages.h"
#include "widgets/AnimImageButton.h"
#include "widgets/SectionChild.h"
#include "widgets/WidgetFocus.h"

LockButton::LockButton()
    : CustomImageButton ({})
{
    // The fourth slot (the disabled one of an image button) holds the locked-and-hovered picture.
    setImages (SkinImages::get (SkinImageSets::lockButton[SkinLockState::normal]),
               SkinImages::get (SkinImageSets::lockButton[SkinLockState::over]),
               SkinImages::get (SkinImageSets::lockButton[SkinLockState::down]),
               SkinImages::get (SkinImageSets::lockButton[SkinLockState::downOver]));
    setClickingTogglesState (true);
}

LockButton::~LockButton() = default;

void LockButton::setLit (bool shouldBeLit)
{
    if (lit != shouldBeLit)
    {
        lit = shouldBeLit;
        repaint();
    }
}

juce::Image LockButton::getCurrentImage() const
{
    const auto pressed = getState() == buttonDown;
    const auto hovered = getState() == buttonOver;

    if (getToggleState())
        return (hovered || pressed || lit) ? getDisabledImage() : getDownImage();

    if (pressed)
        return getDownImage();

    return (hovered || lit) ? getOverImage() : getNormalImage();
}

bool LockButton::hitTest (int, int)
{
    if (auto* section = SectionChild::sectionOf (*this))
        section->setHover (interactive);

    return interactive;
}

void LockButton::mouseEnter (const juce::MouseEvent& e)
{
    if (WidgetFocus::followMouse (*this, e))
        SectionChild::enter (*this);
}

void LockButton::mouseExit (const juce::MouseEvent&)
{
    SectionChild::leave (*this);
}

void LockButton::mouseUp (const juce::MouseEvent& e)
{
    juce::Component::SafePointer<LockButton> self (this);
    CustomImageButton::mouseUp (e);

    if (self != nullptr)
        WidgetFocus::raiseFocusOnMouseUp (*this);
}
