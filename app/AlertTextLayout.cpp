#include "app/AlertTextLayout.h"

namespace
{
constexpr float heightStep = 0.5f;

/** Chinese and Japanese characters, punctuation and full-width forms: a line may break on either
    side of them. */
bool breaksAnywhere (juce::juce_wchar c) noexcept
{
    return (c >= 0x2e80 && c <= 0x2fdf)      // radicals
        || (c >= 0x3000 && c <= 0x30ff)      // ideographic punctuation, hiragana, katakana
        || (c >= 0x3100 && c <= 0x312f)      // bopomofo
        || (c >= 0x31f0 && c <= 0x31ff)      // katakana extensions
        || (c >= 0x3400 && c <= 0x4dbf)      // ideographs, extension A
        || (c >= 0x4e00 && c <= 0x9fff)      // ideographs
        || (c >= 0xf900 && c <= 0xfaff)      // compatibility ideographs
        || (c >= 0xff00 && c <= 0xffef)      // full-width and half-width forms
        || (c >= 0x20000 && c <= 0x3ffff);   // ideographs, further extensions
}

bool contains (const juce::String& set, juce::juce_wchar c)
{
    return set.indexOfChar (c) >= 0;
}

/** Characters that never start a line. */
bool isClosing (juce::juce_wchar c)
{
    static const auto closing = juce::String::fromUTF8 (u8"、。，．・：；？！）」』】〕〉》〗〙｝］”’ー々ゝゞヽヾ"
                                                        u8"ぁぃぅぇぉっゃゅょゎァィゥェォッャュョヮヵヶ)]},.:;!?%");
    return contains (closing, c);
}

/** Characters that never end a line. */
bool isOpening (juce::juce_wchar c)
{
    static const auto opening = juce::String::fromUTF8 (u8"（「『【〔〈《〖〘｛［“‘([{");
    return contains (opening, c);
}

/** The spaces a line may break at (a no-break space is none of them). */
bool isBreakingSpace (juce::juce_wchar c) noexcept
{
    return c == ' ' || c == '\t' || c == 0x3000;
}

bool canBreakBefore (const juce::String& text, int index)
{
    const auto before = text[index - 1];
    const auto after = text[index];

    if (isBreakingSpace (after))
        return false;

    if (isBreakingSpace (before))
        return true;

    if (! breaksAnywhere (before) && ! breaksAnywhere (after))
        return false;

    return ! isClosing (after) && ! isOpening (before);
}

juce::String withoutTrailingSpaces (const juce::String& text)
{
    auto end = text.length();

    while (end > 0 && isBreakingSpace (text[end - 1]))
        --end;

    return text.substring (0, end);
}

/** The end of the first line of a paragraph from `start` (leading spaces already skipped). */
int endOfLine (const juce::String& paragraph, int start, const juce::Font& font, float maximumWidth)
{
    const auto length = paragraph.length();
    const auto widthUpTo = [&] (int end)
    {
        return font.getStringWidthFloat (withoutTrailingSpaces (paragraph.substring (start, end)));
    };

    int lastFitting = -1;

    for (int end = start + 1; end <= length; ++end)
    {
        if (end < length && ! canBreakBefore (paragraph, end))
            continue;

        if (widthUpTo (end) > maximumWidth)
            break;

        lastFitting = end;
    }

    if (lastFitting > start)
        return lastFitting;

    // A word longer than a whole line is cut where the line is full (but keeps one character).
    int end = start + 1;

    while (end < length && widthUpTo (end + 1) <= maximumWidth)
        ++end;

    return end;
}
} // namespace

juce::StringArray AlertTextLayout::breakLines (const juce::String& text, const juce::Font& font, float maximumWidth)
{
    juce::StringArray result;

    if (text.isEmpty())
        return result;

    for (const auto& paragraph : juce::StringArray::fromLines (text))
    {
        const auto length = paragraph.length();
        int start = 0;
        bool anyLine = false;

        for (;;)
        {
            while (start < length && isBreakingSpace (paragraph[start]))
                ++start;

            if (start >= length)
                break;

            const auto end = endOfLine (paragraph, start, font, maximumWidth);
            result.add (withoutTrailingSpaces (paragraph.substring (start, end)));
            anyLine = true;
            start = end;
        }

        // An empty line of the text stays an empty line.
        if (! anyLine)
            result.add ({});
    }

    return result;
}

AlertTextLayout::AlertTextLayout (const juce::String& text, const juce::Font& baseFont, const Area& area)
    : font (baseFont.withHeight (area.largestHeight))
{
    for (auto height = area.largestHeight;; height -= heightStep)
    {
        font = baseFont.withHeight (height);
        lines.clear();

        float baseline = area.firstBaseline;

        for (const auto& lineText : breakLines (text, font, area.maximumLineWidth))
        {
            lines.push_back ({ lineText, baseline, font.getStringWidthFloat (lineText) });
            baseline += font.getHeight();
        }

        allFit = lines.empty() || lines.back().baseline + font.getDescent() <= area.bottom;

        if (allFit || height - heightStep < area.smallestHeight)
            break;
    }
}

void AlertTextLayout::draw (juce::Graphics& g, float x) const
{
    juce::GlyphArrangement glyphs;

    for (const auto& line : lines)
        glyphs.addLineOfText (font, line.text, x, line.baseline);

    glyphs.draw (g);
}
