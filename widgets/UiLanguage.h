#pragma once

/** The user-interface language: an index into every LocalisedText, in the order English, French,
    German, Spanish, Italian, Dutch, Russian, Portuguese, Simplified Chinese, Traditional Chinese,
    Korean, Japanese. */
using UiLanguage = int;

constexpr int numUiLanguages = 12;

/** The language itself when it is one of the twelve, else English: a value read back from a settings
    file or handed over by a caller may be anything, and English is always there to read. */
constexpr UiLanguage clampUiLanguage (int language) noexcept
{
    return language >= 0 && language < numUiLanguages ? language : 0;
}
