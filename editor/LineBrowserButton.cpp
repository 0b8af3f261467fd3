#include "editor/LineBrowserButton.h"

#include "widgets/CustomLookAndFeel.h"

namespace
{
const juce::Colour brightShadow (16, 16, 16), brightText (248, 248, 248);
const juce::Colour darkShadow (225, 216, 216), darkText (32, 32, 32);

constexpr float textHeight = 16.0f;
constexpr float minimumHorizontalScale = 0.7f;
} // namespace

LineBrowserButton::LineBrowserButton()
    : CustomImageButton ({})
{
    // A step is clicked, never typed into: the keyboard stays with the panel.
    setWantsKeyboardFocus (false);
    setMouseClickGrabsKeyboardFocus (false);
    setSize (stepWidth, stepHeight);
}

LineBrowserButton::~LineBrowserButton() = default;

void LineBrowserButton::setImageSets (const ImageSet& middle, const ImageSet& end)
{
    middleImages = middle;
    endImages = end;
    useImages (ends);
}

void LineBrowserButton::useImages (Ends newEnds)
{
    ends = newEnds;
    const auto& set = ends == Ends::middle ? middleImages : endImages;
    setImages (set[0], set[1], set[2], set[3]);
}

void LineBrowserButton::setHighlighted (bool shouldBeHighlighted)
{
    if (highlighted != shouldBeHighlighted)
    {
        highlighted = shouldBeHighlighted;
        repaint();
    }
}

void LineBrowserButton::setDimmed (bool shouldBeDimmed)
{
    if (dimmed != shouldBeDimmed)
    {
        dimmed = shouldBeDimmed;
        repaint();
    }
}

bool LineBrowserButton::isTextBright() const
{
    return ! dimmed || getState() == buttonDown || getToggleState();
}

juce::Image LineBrowserButton::getCurrentImage() const
{
    if (getState() == buttonDown || getToggleState())
        return getDownImage();

    if (dimmed)
        return getDisabledImage();

    return highlighted ? getOverImage() : getNormalImage();
}

bool LineBrowserButton::hitTest (int, int)
{
    // Not the image's shape: the notch cut for the previous step's arrow takes clicks too.
    return true;
}

void LineBrowserButton::paintButton (juce::Graphics& g, bool, bool)
{
    const auto image = getCurrentImage();
    if (image.isValid())
        g.drawImageAt (image, 0, 0);

    // The text twice, a shadow one pixel down and right under the text itself.
    const bool bright = isTextBright();
    const auto text = getButtonText();
    g.setFont (CustomLookAndFeel::skinFont (textHeight));

    g.setColour (bright ? brightShadow : darkShadow);
    g.drawFittedText (text, 3, 1, getWidth() - 4, getHeight(), juce::Justification::centred, 1, minimumHorizontalScale);
    g.setColour (bright ? brightText : darkText);
    g.drawFittedText (text, 2, 0, getWidth() - 4, getHeight(), juce::Justification::centred, 1, minimumHorizontalScale);
}
