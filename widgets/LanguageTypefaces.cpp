#include "widgets/LanguageTypefaces.h"

namespace
{
juce::String fromUtf8 (std::string_view text)
{
    return juce::String::fromUTF8 (text.data(), (int) text.size());
}
} // namespace

juce::String LanguageTypefaces::typefaceNameFor (int language)
{
    return fromUtf8 (typefaceNames[(size_t) clampUiLanguage (language)]);
}

juce::String LanguageTypefaces::nameOf (int language)
{
    return fromUtf8 (names[(size_t) clampUiLanguage (language)]);
}

int LanguageTypefaces::languageNamed (const juce::String& text)
{
    for (int i = 0; i < numUiLanguages; ++i)
        if (text == nameOf (i))
            return i;

    return -1;
}

juce::Font LanguageTypefaces::fontFor (int language, float height)
{
    return juce::Font (typefaceNameFor (language), height, juce::Font::plain);
}
