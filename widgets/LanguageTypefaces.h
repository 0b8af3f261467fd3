#pragma once

#include <juce_graphics/juce_graphics.h>

/** The typeface of each user-interface language (uiFontNames) and the languages' own names, as the
    skin draws them: alerts in the current language's typeface, and every language name in its own.
    Languages are 0 English .. 11 Japanese; a value outside 0..11 reads as English. */
struct LanguageTypefaces
{
    static constexpr int numLanguages = 12;

    /** The typeface name of a language: "Verdana", "MingLiU", "Batang" or "MS PGothic". */
    static juce::String typefaceNameFor (int language);

    /** A language's name in its own language ("Deutsch", "日本語", ...). */
    static juce::String nameOf (int language);

    /** The language whose name a text is, or -1. */
    static int languageNamed (const juce::String& text);

    /** The font a language's text is drawn in at a height. */
    static juce::Font fontFor (int language, float height);
};
