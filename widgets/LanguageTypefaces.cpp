#include "LanguageTypefaces.h"

namespace
{
constexpr const char* typefaceNames[LanguageTypefaces::numLanguages] {
    "Verdana", "Verdana", "Verdana", "Verdana", "Verdana", "Verdana", "Verdana", "Verdana",
    "MingLiU", "MingLiU", "Batang", "MS PGothic"
};

constexpr const char* languageNames[LanguageTypefaces::numLanguages] {
    u8"English", u8"Français", u8"Deutsch", u8"Español", u8"Italiano", u8"Nederlands",
    u8"Русский", u8"Português", u8"简体中文", u8"繁體中文", u8"한국어", u8"日本語"
};

int clampLanguage (int language) noexcept
{
    return language >= 0 && language < LanguageTypefaces::numLanguages ? language : 0;
}
} // namespace

juce::String LanguageTypefaces::typefaceNameFor (int language)
{
    return typefaceNames[clampLanguage (language)];
}

juce::String LanguageTypefaces::nameOf (int language)
{
    return juce::String::fromUTF8 (languageNames[clampLanguage (language)]);
}

int LanguageTypefaces::languageNamed (const juce::String& text)
{
    for (int i = 0; i < numLanguages; ++i)
        if (text == juce::String::fromUTF8 (languageNames[i]))
            return i;

    return -1;
}

juce::Font LanguageTypefaces::fontFor (int language, float height)
{
    return juce::Font (typefaceNameFor (language), height, juce::Font::plain);
}
