#include "widgets/Step2MenuButton.h"

#include "widgets/AnimImageButton.h"
#include "widgets/CustomLookAndFeel.h"
#include "widgets/SectionChild.h"
#include "widgets/WidgetFocus.h"

#include <typeinfo>

Step2MenuButton::Step2MenuButton (const juce::String& name)
    : CustomImageButton (name)
{
}

Step2MenuButton::~Step2MenuButton() = default;

void Step2MenuButton::setLit (bool shouldBeLit)
{
    if (lit != shouldBeLit)
    {
        lit = shouldBeLit;
        repaint();
    }
}

void Step2MenuButton::switchOff()
{
    setLit (false);
    setToggleState (false, juce::dontSendNotification);
}

int Step2MenuButton::getEffectIndex() const
{
    auto* parent = getParentComponent();
    if (parent == nullptr)
        return -1;

    int index = 0;

    for (auto* sibling : parent->getChildren())
    {
        if (sibling == this)
            return index;

        if (typeid (*sibling) == typeid (*this))
            ++index;
    }

    return -1;
}

bool Step2MenuButton::hitTest (int x, int y)
{
    auto hit = interactive;

    if (hit && getUseMaskHitTest())
    {
        const auto mask = getCurrentHitTestImage();
        hit = mask.isValid() && isOpaqueAt (mask, x, y);
    }

    if (auto* section = SectionChild::sectionOf (*this))
        section->setHover (hit);

    return hit;
}

bool Step2MenuButton::isIdle() const
{
    return getState() == buttonNormal && ! getToggleState();
}

Step2MenuButton::CaptionTone Step2MenuButton::getCaptionTone() const
{
    if (! isEnabled())
        return CaptionTone::disabled;

    return (! isIdle() || lit || hasKeyboardFocus (true)) ? CaptionTone::active : CaptionTone::idle;
}

juce::Image Step2MenuButton::getStateImage() const
{
    if (isEnabled() && getState() != buttonDown && ! getToggleState() && (lit || hasKeyboardFocus (true)))
        return getOverImage();

    return getCurrentImage();
}

void Step2MenuButton::drawCaption (juce::Graphics& g, juce::Colour colour, float fontHeight)
{
    g.setColour (colour);
    g.setFont (CustomLookAndFeel::skinFont (fontHeight));
    g.drawFittedText (getButtonText(), getLocalBounds(), juce::Justification::centred, 1, 0.7f);
}

void Step2MenuButton::mouseMove (const juce::MouseEvent& e)
{
    if (! WidgetFocus::followMouse (*this, e))
        return;

    auto* host = PanelHost::find (this);
    if (host != nullptr && host->isOtherSectionOpen (getSection()))
        return;

    juce::Component::SafePointer<Step2MenuButton> self (this);
    SectionChild::enter (*this);

    // While the breadcrumb's effect step is pinned, hovering only lights the button.
    if (self != nullptr && host != nullptr && ! isIdle() && ! host->isBreadcrumbEffectPinned())
        host->setCurrentEffect (getSection(), getEffectIndex());
}

void Step2MenuButton::mouseEnter (const juce::MouseEvent& e)
{
    if (WidgetFocus::followMouse (*this, e))
        SectionChild::enter (*this);
}

void Step2MenuButton::mouseExit (const juce::MouseEvent&)
{
    SectionChild::leave (*this);
}

void Step2MenuButton::mouseUp (const juce::MouseEvent& e)
{
    juce::Component::SafePointer<Step2MenuButton> self (this);
    CustomImageButton::mouseUp (e);

    if (self != nullptr)
        WidgetFocus::raiseFocusOnMouseUp (*this);
}
