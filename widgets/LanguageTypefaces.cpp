#include "LanguageTypefaces.h"

#include "app/InterfaceTexts.h"

static_assert (LanguageTypefaces::numLanguages == numUiLanguages);

juce::String LanguageTypefaces::typefaceNameFor (int language)
{
    return uiFontNames[language];
}

juce::String LanguageTypefaces::nameOf (int language)
{
    return languageName (language);
}

int LanguageTypefaces::languageNamed (const juce::String& text)
{
    for (int i = 0; i < numLanguages; ++i)
        if (text == languageName (i))
            return i;

    return -1;
}

juce::Font LanguageTypefaces::fontFor (int language, float height)
{
    return juce::Font (typefaceNameFor (language), height, juce::Font::plain);
}
