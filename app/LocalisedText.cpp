#include "app/LocalisedText.h"

juce::String stringFromUtf8 (std::string_view utf8)
{
    return juce::String::fromUTF8 (utf8.data(), (int) utf8.size());
}

juce::String LocalisedText::operator[] (UiLanguage language) const
{
    return stringFromUtf8 (utf8 (language));
}
