#include "widgets/MenuComponentButton.h"

#include "assets/SkinImages.h"
#include "widgets/CustomLookAndFeel.h"
#include "widgets/PanelKeyTarget.h"
#include "widgets/TypefaceResolver.h"
#include "widgets/WidgetFocus.h"

namespace
{
const juce::Colour captionColour (248, 248, 248);
const juce::Colour disabledCaptionColour (107, 47, 54);

constexpr float captionHeight = 15.0f;
constexpr float minimumCaptionScale = 0.7f;
} // namespace

MenuComponentButton::MenuComponentButton (const juce::String& caption, int commandIdentifier)
    : CustomImageButton (caption)
{
    using S = SkinButtonState;
    const auto& faces = SkinImageSets::panelButton;
    setImages (SkinImages::get (faces[S::normal]), SkinImages::get (faces[S::over]),
               SkinImages::get (faces[S::down]), SkinImages::get (faces[S::disabled]));

    setButtonText (caption);
    setCommandToTrigger (nullptr, commandIdentifier, false);
    setWantsKeyboardFocus (true);
    setMouseClickGrabsKeyboardFocus (false);
    setSize (width, height);
}

MenuComponentButton::~MenuComponentButton() = default;

juce::Colour MenuComponentButton::getCaptionColour() const
{
    return isEnabled() ? captionColour : disabledCaptionColour;
}

void MenuComponentButton::paintButton (juce::Graphics& g, bool isOver, bool isDown)
{
    CustomImageButton::paintButton (g, isOver, isDown);
    drawCaption (g, getButtonText(), getLocalBounds(), isEnabled());
}

void MenuComponentButton::drawCaption (juce::Graphics& g, const juce::String& caption, juce::Rectangle<int> area, bool enabled)
{
    // Resolved here rather than through the default look-and-feel, so the caption draws the same in
    // every window (and in a snapshot taken before the skin is installed).
    const auto font = CustomLookAndFeel::skinFont (captionHeight);
    g.setFont (juce::Font (TypefaceResolver::getInstance().getTypefaceFor (font)).withHeight (captionHeight));
    g.setColour (enabled ? captionColour : disabledCaptionColour);
    g.drawFittedText (caption, area, juce::Justification::centred, 1, minimumCaptionScale);
}

bool MenuComponentButton::keyPressed (const juce::KeyPress& key)
{
    if (auto* panel = PanelKeyTarget::of (*this))
        return panel->panelKeyPressed (key);

    return CustomImageButton::keyPressed (key);
}

void MenuComponentButton::mouseMove (const juce::MouseEvent& e)
{
    WidgetFocus::followMouse (*this, e);
    CustomImageButton::mouseMove (e);
}
