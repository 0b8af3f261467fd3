#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** The breadcrumb bar in the main window's top strip: where the effect panel stands, as up to four
    overlapping steps (model, section, effect, slot).

    For now it holds its size and the steps' texts and visibility; at the first level only the model
    step shows. Until the skin's step images are in, a step is drawn as a labelled frame.
*/
class LineBrowser : public juce::Component
{
public:
    static constexpr int barWidth = 703, barHeight = 29;
    static constexpr int numSteps = 4;
    static constexpr int stepWidth = 190, stepSpacing = 171;

    LineBrowser();

    juce::String getStepText (int step) const;
    bool isStepVisible (int step) const;

    void paint (juce::Graphics&) override;

private:
    std::array<juce::String, numSteps> texts;
    std::array<bool, numSteps> visible {};

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (LineBrowser)
};
