#include "app/InterfaceTexts.h"

#include "../support/JuceTestPrinters.h"
#include "TestEnums.h"

#include <gtest/gtest.h>

TEST (InterfaceTexts, MenuAndCommandNamesAreEnglishInEveryLanguage)
{
    const char* const names[] = { "File", "Load", "Save", "Settings", "Quit", "Edit", "Undo", "Redo", "Sync",
                                  "Import", "Export", "Update Setting", "Effect Browser", "Load Default Settings",
                                  "Launch mirocrate", "Help", "Version", "Manual" };

    ASSERT_EQ (std::size (names), (size_t) MenuName::numNames);

    for (int i = 0; i < (int) MenuName::numNames; ++i)
        for (int language = -1; language <= numUiLanguages; ++language)
            EXPECT_EQ (menuText ((MenuName) i)[languageAt (language)], names[i]) << "name " << i << ", language " << language;
}

TEST (InterfaceTexts, LanguageNamesInTheirOwnScripts)
{
    const char* const expected[] = { u8"English", u8"Français", u8"Deutsch", u8"Español", u8"Italiano",
                                     u8"Nederlands", u8"Русский", u8"Português", u8"简体中文", u8"繁體中文",
                                     u8"한국어", u8"日本語" };

    for (auto language : allUiLanguages)
        EXPECT_EQ (languageName (language), juce::String::fromUTF8 (expected[uiLanguageIndex (language)])) << language;

    EXPECT_EQ (languageName (languageAt (-1)), "English");
    EXPECT_EQ (languageName (languageAt (12)), "English");

    // Decoded as UTF-8, not as bytes: three characters, nine bytes.
    EXPECT_EQ (languageName (UiLanguage::japanese).length(), 3);
    EXPECT_EQ (languageName (UiLanguage::japanese).getNumBytesAsUTF8(), (size_t) 9);
    EXPECT_EQ (languageName (UiLanguage::russian)[0], (juce::juce_wchar) 0x0420);
}

TEST (InterfaceTexts, FontNamesFollowTheLanguage)
{
    for (int language = 0; language < 8; ++language)
        EXPECT_EQ (uiFontNames[languageAt (language)], "Verdana") << language;

    EXPECT_EQ (uiFontNames[UiLanguage::simplifiedChinese], "MingLiU");
    EXPECT_EQ (uiFontNames[UiLanguage::traditionalChinese], "MingLiU");
    EXPECT_EQ (uiFontNames[UiLanguage::korean], "Batang");
    EXPECT_EQ (uiFontNames[UiLanguage::japanese], "MS PGothic");
    EXPECT_EQ (uiFontNames[languageAt (12)], "Verdana");
}

TEST (InterfaceTexts, BodyColorNames)
{
    EXPECT_EQ (bodyColorName (BodyColorMode::followUnit), "Auto");
    EXPECT_EQ (bodyColorName (BodyColorMode::black), "Black");
    EXPECT_EQ (bodyColorName (BodyColorMode::white), "White");
    EXPECT_EQ (bodyColorName (BodyColorMode::platinum), "Platinum");
    EXPECT_EQ (bodyColorName (static_cast<BodyColorMode> (-1)), "");
    EXPECT_EQ (bodyColorName (static_cast<BodyColorMode> (4)), "");
}
