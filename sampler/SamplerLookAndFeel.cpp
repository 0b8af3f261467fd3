#include "sampler/SamplerLookAndFeel.h"

#include "sampler/files/SamplerTiles.h"

namespace
{
const juce::Colour labelGrey (112, 112, 112);
const juce::Colour tabCaption (248, 248, 248);

// Where the bank rows lie on the window: bank b's gauge bar at (gaugeX, firstGaugeY + b * rowPitch).
constexpr int gaugeX = 27, firstGaugeY = 74, rowPitch = 94;
constexpr int labelX = 24, labelWidth = 50, labelHeight = 12;
constexpr int spareRowLabelY = 442;

// The divider between the banks and the spare row, across the window between the frame's sides.
constexpr int dividerY = 417, dividerInset = 12;

// The column tabs of the title bar, over the four tile columns.
constexpr int firstTabX = 98, tabPitch = 130;
constexpr int closeX = 566, closeY = 499, closeWidth = 52, closeHeight = 48;

const juce::Rectangle<int> rangeTrackArea (0, 0, 266, 18);

// The range track's marks stand at tenths of its length from 6 pixels in from either end; values run
// over the same span, so START at 0 and END at the source's end sit on the end marks. The thumbs are
// brackets whose strokes, two pixels wide, lie 1 pixel (START) and 5 pixels (END) into their
// pictures: each is drawn with its stroke on its value's place, reaching one pixel outward, so a
// click on a stroke grabs the thumb where it stands.
constexpr int rangeTrackEndMark = 6, startStrokeInThumb = 1, endStrokeInThumb = 5;
constexpr int rangeBarY = 8, rangeBarHeight = 5;
} // namespace

SamplerLookAndFeel::SamplerLookAndFeel()
{
    setColour (juce::PopupMenu::backgroundColourId,            juce::Colour::fromRGBA (40, 40, 40, 255));
    setColour (juce::PopupMenu::textColourId,                  juce::Colour::fromRGBA (226, 226, 226, 255));
    setColour (juce::PopupMenu::headerTextColourId,            juce::Colour::fromRGBA (226, 226, 226, 255));
    setColour (juce::PopupMenu::highlightedTextColourId,       juce::Colour::fromRGBA (226, 226, 226, 255));
    setColour (juce::PopupMenu::highlightedBackgroundColourId, juce::Colour::fromRGBA (34, 34, 255, 128));
}

SamplerLookAndFeel::~SamplerLookAndFeel() = default;

void SamplerLookAndFeel::drawBankGauge (juce::Graphics& g, int x, int y, double totalSeconds)
{
    g.drawImageAt (SkinImages::get (SkinImageId::samplerGaugeFrame), x - 2, y - 2);

    const auto width = SamplerTiles::gaugePixels (totalSeconds, gaugeWidth);

    if (width <= 0)
        return;

    // The bar is cut to its length, never squeezed: its marks stay where the seconds are.
    const auto bar = SkinImages::get (totalSeconds > SamplerTiles::maxBankSeconds ? SkinImageId::samplerGaugeBarFull
                                                                                 : SkinImageId::samplerGaugeBar);
    g.drawImage (bar, x, y, width, bar.getHeight(), 0, 0, width, bar.getHeight());
}

//==============================================================================
void SamplerLookAndFeel::fillResizableWindowBackground (juce::Graphics& g, int w, int h, const juce::BorderSize<int>&,
                                                        juce::ResizableWindow&)
{
    g.fillAll (juce::Colours::black);
    SkinImages::drawFrame (g, SkinImageId::samplerFrameTopLeft, { 0, 0, w, h });

    // The divider: its caps at their own width, the middle stretched between them.
    const auto left = SkinImages::get (SkinImageId::samplerDividerLeft);
    const auto right = SkinImages::get (SkinImageId::samplerDividerRight);
    const auto middleX = dividerInset + left.getWidth();
    const auto rightX = w - dividerInset - right.getWidth();
    g.drawImageAt (left, dividerInset, dividerY);
    SkinImages::drawStretched (g, SkinImages::get (SkinImageId::samplerDividerCentre),
                               { middleX, dividerY, juce::jmax (0, rightX - middleX), left.getHeight() });
    g.drawImageAt (right, rightX, dividerY);

    g.setFont (skinFont (15.0f));

    for (int bank = 0; bank < numSamplerBanks; ++bank)
    {
        const auto y = firstGaugeY + rowPitch * bank;
        g.setColour (labelGrey);
        g.drawText ("BANK" + juce::String (bank + 1), labelX, y - 24, labelWidth, labelHeight,
                    juce::Justification::centredLeft, false);
        drawBankGauge (g, gaugeX, y, tiles != nullptr ? tiles->getBankTotal (bank) : 0.0);
    }

    g.setColour (labelGrey);
    g.drawText ("BLANK", labelX, spareRowLabelY, labelWidth, labelHeight, juce::Justification::centredLeft, false);
}

void SamplerLookAndFeel::drawDocumentWindowTitleBar (juce::DocumentWindow&, juce::Graphics& g, int, int h, int, int,
                                                     const juce::Image*, bool)
{
    g.drawImageAt (SkinImages::get (SkinImageId::samplerTitle), -1, -1);

    const auto tab = SkinImages::get (SkinImageId::samplerTab);
    g.setFont (skinFont (15.0f));
    g.setColour (tabCaption);

    for (int column = 0; column < slotsPerBank; ++column)
    {
        const auto x = firstTabX + tabPitch * column;
        g.drawImageAt (tab, x, 0);
        g.drawText ("SLOT" + juce::String (column + 1), x, 0, tab.getWidth(), juce::jmin (h, tab.getHeight()),
                    juce::Justification::centred, false);
    }
}

juce::Button* SamplerLookAndFeel::createDocumentWindowButton (int buttonType)
{
    if (buttonType != juce::DocumentWindow::closeButton)
        return nullptr;

    auto* button = new juce::ImageButton ("close");
    button->setImages (false, false, true,
                       SkinImages::get (SkinImageSets::samplerClose[SkinPressState::normal]), 1.0f, juce::Colours::transparentBlack,
                       SkinImages::get (SkinImageSets::samplerClose[SkinPressState::over]), 1.0f, juce::Colours::transparentBlack,
                       SkinImages::get (SkinImageSets::samplerClose[SkinPressState::down]), 1.0f, juce::Colours::transparentBlack,
                       0.0f);
    return button;
}

void SamplerLookAndFeel::positionDocumentWindowButtons (juce::DocumentWindow&, int, int, int, int, juce::Button*,
                                                        juce::Button*, juce::Button* closeButton, bool)
{
    // At the foot of the window, under the DELETE tile, away from the title bar's tabs.
    if (closeButton != nullptr)
    {
        closeButton->setBounds (closeX, closeY, closeWidth, closeHeight);
        closeButton->toFront (false);
    }
}

void SamplerLookAndFeel::drawLinearSliderBackground (juce::Graphics& g, int x, int y, int width, int height, float sliderPos,
                                                     float minSliderPos, float maxSliderPos, juce::Slider::SliderStyle style,
                                                     juce::Slider& slider)
{
    if (style != juce::Slider::TwoValueHorizontal)
    {
        CustomLookAndFeel::drawLinearSliderBackground (g, x, y, width, height, sliderPos, minSliderPos, maxSliderPos, style, slider);
        return;
    }

    SkinImages::drawStretched (g, SkinImages::get (SkinImageId::sampleRangeTrack),
                               rangeTrackArea.withWidth (slider.getWidth()).withHeight (slider.getHeight()));
}

juce::Slider::SliderLayout SamplerLookAndFeel::getSliderLayout (juce::Slider& slider)
{
    if (slider.getSliderStyle() != juce::Slider::TwoValueHorizontal)
        return CustomLookAndFeel::getSliderLayout (slider);

    juce::Slider::SliderLayout layout;
    layout.sliderBounds = slider.getLocalBounds().reduced (rangeTrackEndMark, 0);
    return layout;
}

void SamplerLookAndFeel::drawLinearSliderThumb (juce::Graphics& g, int x, int y, int width, int height, float sliderPos,
                                                float minSliderPos, float maxSliderPos, juce::Slider::SliderStyle style,
                                                juce::Slider& slider)
{
    if (style != juce::Slider::TwoValueHorizontal)
    {
        CustomLookAndFeel::drawLinearSliderThumb (g, x, y, width, height, sliderPos, minSliderPos, maxSliderPos, style, slider);
        return;
    }

    const bool highlighted = slider.isEnabled()
                          && (slider.hasKeyboardFocus (false) || slider.isMouseButtonDown() || slider.isMouseOverOrDragging());
    const auto startPlace = juce::roundToInt (minSliderPos), endPlace = juce::roundToInt (maxSliderPos);

    // START's stroke covers its place and the pixel before, END's its place and the pixel after; the
    // bar fills what lies between.
    if (endPlace > startPlace + 1)
        SkinImages::drawStretched (g, SkinImages::get (SkinImageId::rangeBar),
                                   { startPlace + 1, rangeBarY, endPlace - startPlace - 1, rangeBarHeight });

    g.drawImageAt (SkinImages::get (highlighted ? SkinImageId::rangeThumbMinHighlighted : SkinImageId::rangeThumbMin),
                   startPlace - 1 - startStrokeInThumb, 0);
    g.drawImageAt (SkinImages::get (highlighted ? SkinImageId::rangeThumbMaxHighlighted : SkinImageId::rangeThumbMax),
                   endPlace - endStrokeInThumb, 0);
}
