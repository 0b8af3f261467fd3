#pragma once

#include <juce_graphics/juce_graphics.h>

#include <vector>

/** The message of an alert, broken into lines that fit its text area.

    Lines break at spaces; Chinese and Japanese, which put no spaces between words, also break
    between two characters, but never so that a line starts with closing punctuation ("。", "」",
    "ー", ...) or ends with opening punctuation ("「", "（", ...). Korean breaks at its spaces like
    the European languages. A no-break space never breaks, a line break in the text always does,
    and a word too long for a whole line is cut where the line is full.

    A text that needs more lines than the area holds is set smaller, step by step, until it fits
    or the smallest height is reached.
*/
class AlertTextLayout
{
public:
    struct Line
    {
        juce::String text;
        float baseline = 0.0f;
        float width = 0.0f;
    };

    /** Where the text goes: the first baseline, the widest line and the lowest point that a line's
        descent may reach; the largest font height and the smallest one the text may be set at. */
    struct Area
    {
        float firstBaseline = 0.0f;
        float maximumLineWidth = 0.0f;
        float bottom = 0.0f;
        float largestHeight = 16.0f;
        float smallestHeight = 11.0f;
    };

    AlertTextLayout() = default;

    /** Lays a text out in a font (its height is replaced by the largest one that fits). */
    AlertTextLayout (const juce::String& text, const juce::Font& font, const Area& area);

    /** The lines of a text in a font, each no wider than maximumWidth, without fitting. */
    static juce::StringArray breakLines (const juce::String& text, const juce::Font& font, float maximumWidth);

    const juce::Font& getFont() const noexcept          { return font; }
    const std::vector<Line>& getLines() const noexcept  { return lines; }

    /** False when even the smallest height left lines below the area's bottom. */
    bool fits() const noexcept                          { return allFit; }

    /** Draws the lines from x in the current colour. */
    void draw (juce::Graphics& g, float x) const;

private:
    juce::Font font;
    std::vector<Line> lines;
    bool allFit = true;
};
