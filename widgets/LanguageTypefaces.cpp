#include "widgets/LanguageTypefaces.h"

namespace
{
juce::String fromUtf8 (std::string_view text)
{
    return juce::String::fromUTF8 (text.data(), (int) text.size());
}
} // namespace

juce::String LanguageTypefaces::typefaceNameFor (UiLanguage language)
{
    return fromUtf8 (typefaceNames[(size_t) uiLanguageIndex (clampUiLanguage (language))]);
}

juce::String LanguageTypefaces::nameOf (UiLanguage language)
{
    return fromUtf8 (names[(size_t) uiLanguageIndex (clampUiLanguage (language))]);
}

std::optional<UiLanguage> LanguageTypefaces::languageNamed (const juce::String& text)
{
    for (auto language : allUiLanguages)
        if (text == nameOf (language))
            return language;

    return std::nullopt;
}

juce::Font LanguageTypefaces::fontFor (UiLanguage language, float height)
{
    return juce::Font (typefaceNameFor (language), height, juce::Font::plain);
}
