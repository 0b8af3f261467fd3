#pragma once

#include "widgets/CustomLookAndFeel.h"

class SamplerTiles;

/** The sampler window's skin: its framed background with a label and a time gauge for each bank, the
    title bar with the four column tabs, its one close button at the foot of the window, the editor's
    range slider, and dark popup menus.

    The gauges read the bank totals of the tiles the window gives it. */
class SamplerLookAndFeel : public CustomLookAndFeel
{
public:
    static constexpr int gaugeWidth = 54;

    SamplerLookAndFeel();
    ~SamplerLookAndFeel() override;

    void setTiles (const SamplerTiles* tilesToShow) noexcept     { tiles = tilesToShow; }

    /** One bank's gauge: its frame at (x - 2, y - 2) and its bar at (x, y), 8 high, full and in the
        full-bank image above 16 s, else in proportion (nothing for a negative total). The slot
        editor draws its own with it. */
    static void drawBankGauge (juce::Graphics& g, int x, int y, double totalSeconds);

    //==============================================================================
    void fillResizableWindowBackground (juce::Graphics&, int w, int h, const juce::BorderSize<int>&, juce::ResizableWindow&) override;
    void drawDocumentWindowTitleBar (juce::DocumentWindow&, juce::Graphics&, int w, int h, int titleSpaceX, int titleSpaceW,
                                     const juce::Image* icon, bool drawTitleTextOnLeft) override;
    juce::Button* createDocumentWindowButton (int buttonType) override;
    void positionDocumentWindowButtons (juce::DocumentWindow&, int titleBarX, int titleBarY, int titleBarW, int titleBarH,
                                        juce::Button* minimiseButton, juce::Button* maximiseButton, juce::Button* closeButton,
                                        bool positionTitleBarButtonsOnLeft) override;
    void drawLinearSliderBackground (juce::Graphics&, int x, int y, int width, int height, float sliderPos,
                                     float minSliderPos, float maxSliderPos, juce::Slider::SliderStyle, juce::Slider&) override;
    void drawLinearSliderThumb (juce::Graphics&, int x, int y, int width, int height, float sliderPos,
                                float minSliderPos, float maxSliderPos, juce::Slider::SliderStyle, juce::Slider&) override;
    juce::Slider::SliderLayout getSliderLayout (juce::Slider&) override;

private:
    const SamplerTiles* tiles = nullptr;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SamplerLookAndFeel)
};
