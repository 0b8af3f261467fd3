#pragma once

#include "widgets/UiLanguage.h"

#include <array>
#include <optional>
#include <string_view>
#include <juce_graphics/juce_graphics.h>

/** The typeface of each user-interface language and the languages' own names, as the skin draws
    them: alerts in the current language's typeface, and every language name in its own. A language
    outside the twelve reads as English. */
struct LanguageTypefaces
{
    /** Each language's name in its own language and script (UTF-8), in language order: what the
        language combo box lists and what the manual commands are called. */
    static constexpr std::array<std::string_view, numUiLanguages> names {
        u8"English", u8"Français", u8"Deutsch", u8"Español", u8"Italiano", u8"Nederlands",
        u8"Русский", u8"Português", u8"简体中文", u8"繁體中文", u8"한국어", u8"日本語"
    };

    /** The typeface that alerts, menus and some labels use for each language. */
    static constexpr std::array<std::string_view, numUiLanguages> typefaceNames {
        "Verdana", "Verdana", "Verdana", "Verdana", "Verdana", "Verdana", "Verdana", "Verdana",
        "MingLiU", "MingLiU", "Batang", "MS PGothic"
    };

    /** The typeface name of a language: "Verdana", "MingLiU", "Batang" or "MS PGothic". */
    static juce::String typefaceNameFor (UiLanguage language);

    /** A language's name in its own language ("Deutsch", "日本語", ...). */
    static juce::String nameOf (UiLanguage language);

    /** The language whose name a text is, if any. */
    static std::optional<UiLanguage> languageNamed (const juce::String& text);

    /** The font a language's text is drawn in at a height. */
    static juce::Font fontFor (UiLanguage language, float height);
};
