#include "app/LocalisedText.h"

#include "../support/JuceTestPrinters.h"
#include "TestEnums.h"

#include <climits>
#include <gtest/gtest.h>

namespace
{
constexpr LocalisedText sample { u8"en", u8"fr", u8"de", u8"es", u8"it", u8"nl",
                                 u8"ру", u8"pt", u8"简", u8"繁", u8"한", u8"日本" };

// A table that forgets a language must not compile.
static_assert (! std::is_constructible_v<LocalisedText, const char*, const char*, const char*, const char*,
                                         const char*, const char*, const char*, const char*, const char*,
                                         const char*, const char*>);
static_assert (sample.utf8 (languageAt (12)) == "en" && sample.utf8 (languageAt (-1)) == "en"
               && sample.utf8 (UiLanguage::japanese) == u8"日本");
} // namespace

TEST (LocalisedText, EachLanguageReadsItsOwnEntry)
{
    const char* const expected[] = { u8"en", u8"fr", u8"de", u8"es", u8"it", u8"nl",
                                    u8"ру", u8"pt", u8"简", u8"繁", u8"한", u8"日本" };

    for (auto language : allUiLanguages)
        EXPECT_EQ (sample[language], juce::String::fromUTF8 (expected[uiLanguageIndex (language)])) << language;
}

TEST (LocalisedText, LanguagesOutsideTheTwelveReadEnglish)
{
    for (int index : { -1, 12, 13, 100, INT_MIN, INT_MAX })
    {
        EXPECT_EQ (clampUiLanguage (index), UiLanguage::english) << index;
        EXPECT_EQ (clampUiLanguage (languageAt (index)), UiLanguage::english) << index;
        EXPECT_EQ (sample[languageAt (index)], "en") << index;
    }

    EXPECT_EQ (clampUiLanguage (11), UiLanguage::japanese);
    EXPECT_EQ (uiLanguageIndex (UiLanguage::japanese), 11);
}

TEST (LocalisedText, SameInEveryLanguageFillsAllTwelve)
{
    constexpr auto same = LocalisedText::sameInEveryLanguage ("Undo");

    for (const auto entry : same.entries)
        EXPECT_EQ (entry, "Undo");
}

TEST (LocalisedText, StringsAreDecodedAsUtf8)
{
    const auto japanese = sample[UiLanguage::japanese];
    ASSERT_EQ (japanese.length(), 2);
    EXPECT_EQ (japanese[0], (juce::juce_wchar) 0x65E5);
    EXPECT_EQ (japanese[1], (juce::juce_wchar) 0x672C);

    const auto russian = sample[UiLanguage::russian];
    ASSERT_EQ (russian.length(), 2);
    EXPECT_EQ (russian[0], (juce::juce_wchar) 0x0440);
    EXPECT_EQ (std::string (russian.toRawUTF8()), std::string (sample.utf8 (UiLanguage::russian)));
}
