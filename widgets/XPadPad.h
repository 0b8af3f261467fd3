#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <array>

/** The X-PAD section's read-out of the five pad positions: the pad picture with the beat text of
    each position in its cell. */
class XPadPad : public juce::Component
{
public:
    static constexpr int numPositions = 5;
    static constexpr int cellSize = 40, firstCellX = 7, cellPitch = 44, cellY = 8;

    XPadPad();

    /** The beat index (0..15) shown at a position (0..4); a position outside 0..4 is ignored, and
        a beat outside the table shows no text. */
    void setBeatIndex (int position, int beatIndex);
    int getBeatIndex (int position) const noexcept;

    void paint (juce::Graphics& g) override;

private:
    std::array<int, numPositions> beatIndices { 0, 1, 2, 3, 4 };

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (XPadPad)
};
