#include "widgets/ToggleImageButton.h"

#include "widgets/CustomLookAndFeel.h"
#include "widgets/WidgetFocus.h"

ToggleImageButton::ToggleImageButton (const juce::String& name)
    : CustomImageButton (name)
{
    const auto off = SkinImages::get (SkinImageSets::toggleButton[SkinToggleState::off]);
    setImages (off, off, SkinImages::get (SkinImageSets::toggleButton[SkinToggleState::on]), off);
}

ToggleImageButton::~ToggleImageButton() = default;

void ToggleImageButton::setInteractive (bool shouldBeInteractive)
{
    if (interactive != shouldBeInteractive)
    {
        interactive = shouldBeInteractive;
        repaint();
    }
}

void ToggleImageButton::setLit (bool shouldBeLit)
{
    if (lit != shouldBeLit)
    {
        lit = shouldBeLit;
        repaint();
    }
}

juce::Image ToggleImageButton::getPicture() const
{
    auto picture = lit ? SkinToggleState::litIdle : SkinToggleState::idle;

    if (! isEnabled())
        picture = SkinToggleState::off;
    else if (interactive && (getToggleState() || getState() == buttonDown))
        picture = lit ? SkinToggleState::litOn : SkinToggleState::on;
    else if (interactive && hasKeyboardFocus (true))
        picture = lit ? SkinToggleState::litFocused : SkinToggleState::focused;

    return SkinImages::get (SkinImageSets::toggleButton[picture]);
}

void ToggleImageButton::paintButton (juce::Graphics& g, bool, bool)
{
    g.drawImageAt (getPicture(), 0, 0);

    const auto colour = ! isEnabled() ? juce::Colour (0xff2f366b)
                      : lit ? juce::Colour (0xfffdc641)
                      : juce::Colour (0xff787878);
    g.setColour (colour);
    g.setFont (CustomLookAndFeel::skinFont (16.0f));
    g.drawFittedText (getButtonText(), getLocalBounds(), juce::Justification::centred, 1, 0.7f);
}

bool ToggleImageButton::hitTest (int x, int y)
{
    return interactive && CustomImageButton::hitTest (x, y);
}

void ToggleImageButton::focusGained (FocusChangeType cause)
{
    CustomImageButton::focusGained (cause);
    WidgetFocus::recordFocus (*this);
    WidgetFocus::refreshStateFromMouse (*this);
}

void ToggleImageButton::focusLost (FocusChangeType cause)
{
    CustomImageButton::focusLost (cause);
    repaint();
}

void ToggleImageButton::mouseMove (const juce::MouseEvent& e)
{
    WidgetFocus::followMouse (*this, e);
}
