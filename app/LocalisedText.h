#pragma once

#include "widgets/UiLanguage.h"

#include <juce_core/juce_core.h>

#include <array>
#include <string_view>
#include <type_traits>

/** One text in all twelve languages, as UTF-8 built into the program.

    Tables are constant data, so they exist before any code runs and need no initialisation order.
    The constructor takes exactly one text per language: a table that forgets a translation does not
    compile.
*/
struct LocalisedText
{
    template <typename... Texts, typename = std::enable_if_t<sizeof... (Texts) == numUiLanguages>>
    constexpr LocalisedText (const Texts&... texts) noexcept
        : entries { std::string_view (texts)... }
    {
    }

    /** The entries of a table kept elsewhere, in language order. */
    constexpr LocalisedText (const std::array<std::string_view, numUiLanguages>& texts) noexcept
        : entries (texts)
    {
    }

    /** The same text in every language (menu and command names stay English everywhere). */
    static constexpr LocalisedText sameInEveryLanguage (std::string_view text) noexcept
    {
        return { text, text, text, text, text, text, text, text, text, text, text, text };
    }

    /** The UTF-8 bytes of the entry for a language; a value outside the twelve reads English. */
    constexpr std::string_view utf8 (UiLanguage language) const noexcept
    {
        return entries[(size_t) uiLanguageIndex (clampUiLanguage (language))];
    }

    /** The entry for a language as a juce::String; a value outside the twelve reads English. */
    juce::String operator[] (UiLanguage language) const;

    std::array<std::string_view, numUiLanguages> entries;
};

/** Builds a juce::String from UTF-8 bytes, never from the compiler's idea of a narrow string. */
juce::String stringFromUtf8 (std::string_view utf8);

/** Entry `index` of a fixed list of tables; an index outside the list gives an empty text. */
template <size_t size>
const LocalisedText& localisedTableEntry (const LocalisedText (&tables)[size], size_t index) noexcept
{
    static constexpr LocalisedText noText = LocalisedText::sameInEveryLanguage ("");

    if (index < size)
        return tables[index];

    jassertfalse;
    return noText;
}
