#include "app/InterfaceTexts.h"

#include <iterator>

namespace
{
// In the order of MenuName.
constexpr LocalisedText menuTexts[] = {
    LocalisedText::sameInEveryLanguage ("File"),
    LocalisedText::sameInEveryLanguage ("Load"),
    LocalisedText::sameInEveryLanguage ("Save"),
    LocalisedText::sameInEveryLanguage ("Settings"),
    LocalisedText::sameInEveryLanguage ("Quit"),
    LocalisedText::sameInEveryLanguage ("Edit"),
    LocalisedText::sameInEveryLanguage ("Undo"),
    LocalisedText::sameInEveryLanguage ("Redo"),
    LocalisedText::sameInEveryLanguage ("Sync"),
    LocalisedText::sameInEveryLanguage ("Import"),
    LocalisedText::sameInEveryLanguage ("Export"),
    LocalisedText::sameInEveryLanguage ("Update Setting"),
    LocalisedText::sameInEveryLanguage ("Effect Browser"),
    LocalisedText::sameInEveryLanguage ("Load Default Settings"),
    LocalisedText::sameInEveryLanguage ("Launch mirocrate"),
    LocalisedText::sameInEveryLanguage ("Help"),
    LocalisedText::sameInEveryLanguage ("Version"),
    LocalisedText::sameInEveryLanguage ("Manual"),
};

static_assert (std::size (menuTexts) == (size_t) MenuName::numNames, "one table per menu or command name");
} // namespace

const LocalisedText& menuText (MenuName name) noexcept
{
    return localisedTableEntry (menuTexts, (size_t) name);
}

juce::String languageName (UiLanguage language)
{
    return LanguageTypefaces::nameOf (language);
}

juce::String bodyColorName (BodyColorMode mode)
{
    const auto index = static_cast<int> (mode);

    if (index < 0 || index >= (int) bodyColorNames.size())
        return {};

    return stringFromUtf8 (bodyColorNames[(size_t) index]);
}
