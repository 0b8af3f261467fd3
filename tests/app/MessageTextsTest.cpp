#include "app/MessageTexts.h"

#include "../support/JuceTestPrinters.h"
#include "TestEnums.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{
constexpr auto english = UiLanguage::english, french = UiLanguage::french, german = UiLanguage::german,
               spanish = UiLanguage::spanish, italian = UiLanguage::italian, dutch = UiLanguage::dutch,
               russian = UiLanguage::russian, portuguese = UiLanguage::portuguese,
               simplifiedChinese = UiLanguage::simplifiedChinese, traditionalChinese = UiLanguage::traditionalChinese,
               korean = UiLanguage::korean, japanese = UiLanguage::japanese;

std::vector<UserMessage> allMessages()
{
    std::vector<UserMessage> messages;

    for (int i = 0; i < (int) UserMessage::numMessages; ++i)
        messages.push_back ((UserMessage) i);

    return messages;
}

int count (std::string_view text, std::string_view what)
{
    int found = 0;

    for (auto at = text.find (what); at != std::string_view::npos; at = text.find (what, at + what.size()))
        ++found;

    return found;
}

bool containsAny (const juce::String& text, juce::juce_wchar first, juce::juce_wchar last)
{
    for (auto p = text.getCharPointer(); ! p.isEmpty(); ++p)
        if (*p >= first && *p <= last)
            return true;

    return false;
}
} // namespace

TEST (MessageTexts, EnglishColumnInTheCoresOrder)
{
    const char* const englishColumn[] = {
        u8"No SD card is loaded. Load an SD card.",
        u8"The SD card is write-protected. Cancel the write-protection.",
        u8"There is no free space on the SD card. Either free some space or load a different SD card.",
        u8"The RSD file is corrupt. Loading has failed.",
        u8"Non-supported WAV format.",
        u8"Select the data to be exported.",
        u8"Select the data to be imported.",
        u8"The default settings will be called out. OK?",
        u8"The current customized data has not been saved. Quit anyway?",
        u8"Some sampled data has failed to load.",
        u8"There is a “BANK” for which the total sampled data time exceeds 16 seconds. The data exceeding 16 seconds will be cut off.",
        u8"The QZT-7200’s SETTING selector switch is set to “DEFAULT”. To check the effect parameters on the QZT-7200, switch the SETTING selector switch to “USER”.",
        u8"The settings cannot be reflected because the RSD file is incorrect.",
        u8"The RSD file’s version is different, so only compatible parameters will be reflected.",
        u8"The QZT-7200 is already being used with a different application. Data cannot be transferred until the MIDI device is released.",
        u8"tessalin : Ver %s\n\nQZT-7200 : Ver %s",
        u8"There  is no exported data on the specified drive.",
        u8"Importing completed.",
        u8"Exporting completed.",
        u8"Loading completed.",
        u8"Saving completed.",
        u8"Update Setting completed.",
        u8"Update Setting failed.",
        u8"Saving has failed.",
        u8"A file named “%s” already exists. Replace it?",
        u8"The file path is longer than 1,023 characters. Move the file to a folder with a shorter path.",
        u8"No audio output device is available. The sample cannot be played.",
    };

    ASSERT_EQ (std::size (englishColumn), (size_t) UserMessage::numMessages);

    for (auto message : allMessages())
        EXPECT_EQ (messageText (message).utf8 (english), englishColumn[(int) message]) << "message " << (int) message;
}

TEST (MessageTexts, GivenTranslationsAreKeptExactly)
{
    const auto& loading = messageText (UserMessage::loadingCompleted);
    EXPECT_EQ (loading.utf8 (french), u8"Chargement terminé.");
    EXPECT_EQ (loading.utf8 (german), u8"Ladevorgang ist fertig.");
    EXPECT_EQ (loading.utf8 (spanish), u8"Carga completada.");
    EXPECT_EQ (loading.utf8 (italian), u8"Caricamento completato.");
    EXPECT_EQ (loading.utf8 (dutch), u8"Laden voltooid.");

    const auto& cardFull = messageText (UserMessage::cardFull);
    EXPECT_EQ (cardFull.utf8 (portuguese),
               u8"Não existe espaço livre no cartão SD. Liberte espaço ou introduza um cartão SD diferente.");
    EXPECT_EQ (cardFull.utf8 (simplifiedChinese), u8"SD卡上无可用空间。释放一些空间或加载不同的SD卡。");
}

TEST (MessageTexts, EveryEntryIsValidUtf8AndKeepsTheEnglishShape)
{
    for (auto message : allMessages())
    {
        const auto& table = messageText (message);
        const auto en = table.utf8 (english);
        const bool question = en.back() == '?';

        for (auto language : allUiLanguages)
        {
            SCOPED_TRACE ("message " + std::to_string ((int) message) + ", language " + std::to_string (uiLanguageIndex (language)));
            const auto entry = table.utf8 (language);

            ASSERT_FALSE (entry.empty());
            ASSERT_TRUE (juce::CharPointer_UTF8::isValidString (entry.data(), (int) entry.size()));
            EXPECT_EQ (std::string (table[language].toRawUTF8()), std::string (entry));

            EXPECT_EQ (count (entry, "\n"), count (en, "\n"));
            EXPECT_EQ (count (entry, "\r"), 0);
            EXPECT_EQ (count (entry, "%s"), count (en, "%s"));
            EXPECT_EQ (count (entry, "%"), count (entry, "%s")) << "a lone % would be a trap for any formatter";

            // Typographic quotes and apostrophes throughout, as in the English.
            EXPECT_EQ (entry.find_first_of ("'\"`"), std::string_view::npos) << entry;
            EXPECT_FALSE (table[language].startsWithChar (' ') || table[language].endsWithChar (' '));

            // A question stays a question and a statement a statement, in the script's own marks.
            const auto text = table[language];
            static const auto fullWidthQuestion = juce::String::fromUTF8 (u8"？");
            static const auto fullWidthStop = juce::String::fromUTF8 (u8"。");

            if (message == UserMessage::version)
                EXPECT_TRUE (text.endsWith ("%s"));
            else if (question)
                EXPECT_TRUE (text.endsWith ("?") || text.endsWith (fullWidthQuestion)) << entry;
            else
                EXPECT_TRUE (text.endsWith (".") || text.endsWith (fullWidthStop)) << entry;
        }
    }
}

TEST (MessageTexts, EachLanguageColumnIsInItsOwnScript)
{
    // Catches a translation pasted into a neighbour's column.
    const auto simplifiedOnly = juce::String::fromUTF8 (u8"设数据载择开关导认动释无为写现应时长将处删");
    const auto traditionalOnly = juce::String::fromUTF8 (u8"設數據載擇開關導認動釋無為寫現應時長將處檔資");

    for (auto message : allMessages())
    {
        if (message == UserMessage::version)
            continue;

        const auto& table = messageText (message);
        SCOPED_TRACE ("message " + std::to_string ((int) message));

        for (auto language : allUiLanguages)
        {
            if (language != english)
                EXPECT_NE (table.utf8 (language), table.utf8 (english)) << "language " << language << " left untranslated";
        }

        for (auto language : { english, french, german, spanish, italian, dutch, portuguese })
        {
            const auto text = table[language];
            for (auto p = text.getCharPointer(); ! p.isEmpty(); ++p)
                EXPECT_TRUE (*p < 0x250 || (*p >= 0x2018 && *p <= 0x201E))
                    << "language " << language << " has U+" << juce::String::toHexString ((int) *p);
        }

        EXPECT_TRUE (containsAny (table[russian], 0x0400, 0x04FF));
        EXPECT_TRUE (containsAny (table[korean], 0xAC00, 0xD7A3));
        EXPECT_TRUE (containsAny (table[japanese], 0x3040, 0x30FF));

        for (auto language : { simplifiedChinese, traditionalChinese })
        {
            EXPECT_TRUE (containsAny (table[language], 0x4E00, 0x9FFF)) << "language " << language;
            EXPECT_FALSE (containsAny (table[language], 0x3040, 0x30FF)) << "kana in language " << language;
            EXPECT_FALSE (containsAny (table[language], 0xAC00, 0xD7A3)) << "hangul in language " << language;
        }

        EXPECT_FALSE (table[simplifiedChinese].containsAnyOf (traditionalOnly)) << table.utf8 (simplifiedChinese);
        EXPECT_FALSE (table[traditionalChinese].containsAnyOf (simplifiedOnly)) << table.utf8 (traditionalChinese);
    }
}

TEST (MessageTexts, VersionIsFilledWithPlainReplacements)
{
    for (auto language : allUiLanguages)
    {
        EXPECT_EQ (count (messageText (UserMessage::version).utf8 (language), "%s"), 2) << language;

        const auto filled = versionMessage (language, "2.1.0", "1.02");
        EXPECT_FALSE (filled.contains ("%s")) << language;
        EXPECT_LT (filled.indexOf ("2.1.0"), filled.indexOf ("1.02")) << language;
        EXPECT_GE (filled.indexOf ("2.1.0"), 0) << language;
    }

    EXPECT_EQ (versionMessage (english, "2.1.0", "1.02"), "tessalin : Ver 2.1.0\n\nQZT-7200 : Ver 1.02");

    // Replacement texts are copied as they stand, never read as a format nor replaced again.
    EXPECT_EQ (versionMessage (english, "%s", "100%"), "tessalin : Ver %s\n\nQZT-7200 : Ver 100%");
    EXPECT_EQ (versionMessage (english, "%d%n%%", "%s%s"), "tessalin : Ver %d%n%%\n\nQZT-7200 : Ver %s%s");
    const auto unknown = juce::String::fromUTF8 (u8"不明");
    EXPECT_TRUE (versionMessage (japanese, "2.1.0", unknown).contains (unknown));

    // Languages outside the twelve read the English pattern.
    EXPECT_EQ (versionMessage (languageAt (-1), "a", "b"), versionMessage (english, "a", "b"));
    EXPECT_EQ (versionMessage (languageAt (12), "a", "b"), versionMessage (english, "a", "b"));
}

TEST (MessageTexts, FillPlaceholdersCountsReplacementsAgainstPlaceholders)
{
    EXPECT_EQ (fillPlaceholders ("a %s b %s c", { "1" }), "a 1 b %s c");
    EXPECT_EQ (fillPlaceholders ("v%s", { "1", "2" }), "v1");
    EXPECT_EQ (fillPlaceholders ("%s%s", { "x", "y" }), "xy");
    EXPECT_EQ (fillPlaceholders ("50% off", { "x" }), "50% off");
    EXPECT_EQ (fillPlaceholders ({}, { "x" }), "");
}

TEST (MessageTexts, LanguagesOutsideTheTwelveReadEnglish)
{
    for (auto message : allMessages())
    {
        const auto& table = messageText (message);
        EXPECT_EQ (table[languageAt (-1)], table[english]);
        EXPECT_EQ (table[languageAt (12)], table[english]);
    }
}
