#include "widgets/CustomSliderButton.h"

#include "widgets/WidgetFocus.h"

CustomSliderButton::CustomSliderButton()
    : CustomImageButton ({})
{
    // The popup slider around it holds the keyboard focus for both.
    setWantsKeyboardFocus (false);
}

void CustomSliderButton::setInteractive (bool shouldBeInteractive)
{
    if (interactive != shouldBeInteractive)
    {
        interactive = shouldBeInteractive;
        repaint();
    }
}

juce::Image CustomSliderButton::getCurrentImage() const
{
    if (! isEnabled())
        return getDisabledImage();

    if (getState() == buttonDown || getToggleState())
        return getDownImage();

    const auto* parent = getParentComponent();
    if (interactive || (parent != nullptr && parent->hasKeyboardFocus (true)))
        return getOverImage();

    return getNormalImage();
}

void CustomSliderButton::paintButton (juce::Graphics& g, bool, bool)
{
    const auto image = getCurrentImage();
    if (image.isValid())
        g.drawImageAt (image, 0, 0);
}

bool CustomSliderButton::keyPressed (const juce::KeyPress& key)
{
    if (auto* parent = getParentComponent())
        return parent->keyPressed (key);

    return false;
}

void CustomSliderButton::mouseMove (const juce::MouseEvent& e)
{
    WidgetFocus::followMouseToParent (*this, e);
}
