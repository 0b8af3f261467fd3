#include "app/AlertTextLayout.h"
#include "app/CustomAlertWindow.h"
#include "app/MessageTexts.h"
#include "JuceTestPrinters.h"
#include "TestEnums.h"

#include <gtest/gtest.h>

namespace
{
constexpr auto english = UiLanguage::english, french = UiLanguage::french, korean = UiLanguage::korean,
               japanese = UiLanguage::japanese;

// The alert's own text area.
constexpr AlertTextLayout::Area alertArea { 38.0f, 506.0f, 104.0f, 16.0f, 11.0f };

juce::String utf8 (const char* text)
{
    return juce::String::fromUTF8 (text);
}

juce::Font fontOf (UiLanguage language, float height = 16.0f)
{
    return CustomAlertWindow::messageFont (language).withHeight (height);
}

float widest (const juce::StringArray& lines, const juce::Font& font)
{
    float w = 0.0f;
    for (const auto& line : lines)
        w = juce::jmax (w, font.getStringWidthFloat (line));
    return w;
}
} // namespace

TEST (AlertTextLayout, EuropeanTextBreaksAtSpacesOnly)
{
    const auto font = fontOf (english);
    const auto text = messageText (UserMessage::selectorAtDefault)[english];

    for (const float width : { 506.0f, 300.0f, 120.0f })
    {
        SCOPED_TRACE (width);
        const auto lines = AlertTextLayout::breakLines (text, font, width);
        EXPECT_GT (lines.size(), 1);
        EXPECT_LE (widest (lines, font), width);
        EXPECT_EQ (lines.joinIntoString (" "), text);

        // Greedy: the next line's first word would not have fitted on the line before.
        for (int i = 1; i < lines.size(); ++i)
            EXPECT_GT (font.getStringWidthFloat (lines[i - 1] + " " + lines[i].upToFirstOccurrenceOf (" ", false, false)), width);
    }

    // A no-break space holds its neighbours together (French puts one before "?").
    const auto withNoBreak = utf8 (u8"Quitter quand même\u00a0?");
    const auto tight = font.getStringWidthFloat (utf8 (u8"Quitter quand même")) + 1.0f;
    EXPECT_EQ (AlertTextLayout::breakLines (withNoBreak, font, tight),
               juce::StringArray (juce::String ("Quitter quand"), utf8 (u8"même\u00a0?")));
    EXPECT_TRUE (messageText (UserMessage::confirmQuitUnsaved)[french].contains (utf8 (u8"\u00a0?")));
}

TEST (AlertTextLayout, LineBreaksInTheTextAlwaysBreakAndEmptyLinesStay)
{
    const auto font = fontOf (english);
    const auto version = versionMessage (english, "2.1.0", "1.02");
    EXPECT_EQ (AlertTextLayout::breakLines (version, font, 506.0f),
               juce::StringArray ({ "tessalin : Ver 2.1.0", "", "QZT-7200 : Ver 1.02" }));
    EXPECT_EQ (AlertTextLayout::breakLines ("a\r\nb", font, 506.0f), juce::StringArray ({ "a", "b" }));
    EXPECT_TRUE (AlertTextLayout::breakLines ({}, font, 506.0f).isEmpty());
}

TEST (AlertTextLayout, ChineseAndJapaneseBreakBetweenCharactersButNotBeforeClosingPunctuation)
{
    const auto closing = utf8 (u8"、。，．）」』ー！？ぁぃぅぇぉっゃゅょァィゥェォッャュョ");
    const auto opening = utf8 (u8"（「『“");

    for (const auto language : { UiLanguage::simplifiedChinese, UiLanguage::traditionalChinese, japanese })
    {
        const auto font = fontOf (language);

        for (int m = 0; m < (int) UserMessage::numMessages; ++m)
        {
            const auto text = messageText ((UserMessage) m)[language];

            for (const float width : { 506.0f, 200.0f, 120.0f })
            {
                SCOPED_TRACE (juce::String (uiLanguageIndex (language)) + " " + juce::String (m) + " " + juce::String (width));
                const auto lines = AlertTextLayout::breakLines (text, font, width);
                EXPECT_LE (widest (lines, font), width);

                // Nothing is lost but the spaces where lines broke.
                EXPECT_EQ (lines.joinIntoString ({}).removeCharacters (" \n"), text.removeCharacters (" \n"));

                for (int i = 0; i < lines.size(); ++i)
                {
                    if (i > 0 && lines[i].isNotEmpty())
                    {
                        EXPECT_LT (closing.indexOfChar (lines[i][0]), 0) << lines[i];
                    }

                    if (i + 1 < lines.size() && lines[i].isNotEmpty())
                    {
                        EXPECT_LT (opening.indexOfChar (lines[i].getLastCharacter()), 0) << lines[i];
                    }
                }
            }
        }
    }

    // Latin words inside Japanese stay whole.
    const auto font = fontOf (japanese);
    const auto text = utf8 (u8"設定ファイルRSDのバージョンQZT-7200です。");
    for (const auto& line : AlertTextLayout::breakLines (text, font, font.getStringWidthFloat (utf8 (u8"設定ファイルRSDのバ"))))
        EXPECT_FALSE (line.startsWith ("SD") || line.startsWith ("ZT") || line.startsWith ("7200")) << line;
}

TEST (AlertTextLayout, KoreanBreaksAtItsSpaces)
{
    const auto font = fontOf (korean);
    const auto text = messageText (UserMessage::selectorAtDefault)[korean];
    const auto lines = AlertTextLayout::breakLines (text, font, 200.0f);
    EXPECT_GT (lines.size(), 2);
    EXPECT_LE (widest (lines, font), 200.0f);
    EXPECT_EQ (lines.joinIntoString (" "), text);
}

TEST (AlertTextLayout, AWordLongerThanTheLineIsCutWhereTheLineIsFull)
{
    const auto font = fontOf (english);
    const juce::String word ("Supercalifragilisticexpialidocious");
    const auto width = font.getStringWidthFloat ("Supercalifragil") + 0.5f;
    const auto lines = AlertTextLayout::breakLines ("a " + word + " b", font, width);

    EXPECT_EQ (lines[0], "a");
    EXPECT_EQ (lines[1], "Supercalifragil");
    EXPECT_LE (widest (lines, font), width);
    EXPECT_EQ (lines.joinIntoString ({}).removeCharacters (" "), ("a" + word + "b"));

    // Even a line too narrow for one character takes one, so the text always ends.
    EXPECT_EQ (AlertTextLayout::breakLines ("WW", font, 1.0f), juce::StringArray ({ "W", "W" }));
}

TEST (AlertTextLayout, EveryMessageFitsTheAlertInEveryLanguage)
{
    for (auto language : allUiLanguages)
    {
        for (int m = 0; m < (int) UserMessage::numMessages; ++m)
        {
            SCOPED_TRACE (juce::String (uiLanguageIndex (language)) + " " + juce::String (m));
            const AlertTextLayout layout (messageText ((UserMessage) m)[language], CustomAlertWindow::messageFont (language), alertArea);
            ASSERT_TRUE (layout.fits());
            ASSERT_FALSE (layout.getLines().empty());

            const auto& font = layout.getFont();
            EXPECT_GE (font.getHeight(), 11.0f);
            EXPECT_LE (layout.getLines().back().baseline + font.getDescent(), 104.0f);
            EXPECT_FLOAT_EQ (layout.getLines().front().baseline, 38.0f);

            for (const auto& line : layout.getLines())
                EXPECT_LE (line.width, 506.0f);
        }
    }
}

TEST (AlertTextLayout, ATextTooLongForTheAreaIsSetSmallerDownToTheSmallestHeight)
{
    const auto font = fontOf (english);
    const auto message = messageText (UserMessage::selectorAtDefault)[english];

    const AlertTextLayout normal (message, font, alertArea);
    EXPECT_FLOAT_EQ (normal.getFont().getHeight(), 16.0f);

    const AlertTextLayout twice (message + " " + message, font, alertArea);
    EXPECT_TRUE (twice.fits());
    EXPECT_LT (twice.getFont().getHeight(), 16.0f);
    EXPECT_GE (twice.getFont().getHeight(), 11.0f);

    for (size_t i = 1; i < twice.getLines().size(); ++i)
        EXPECT_FLOAT_EQ (twice.getLines()[i].baseline - twice.getLines()[i - 1].baseline, twice.getFont().getHeight());

    // One step larger would not have fitted.
    auto larger = alertArea;
    larger.smallestHeight = larger.largestHeight = twice.getFont().getHeight() + 0.5f;
    EXPECT_FALSE (AlertTextLayout (message + " " + message, font, larger).fits());

    const AlertTextLayout far (message + " " + message + " " + message + " " + message, font, alertArea);
    EXPECT_FALSE (far.fits());
    EXPECT_FLOAT_EQ (far.getFont().getHeight(), 11.0f);

    const AlertTextLayout empty ({}, font, alertArea);
    EXPECT_TRUE (empty.fits());
    EXPECT_TRUE (empty.getLines().empty());
}
