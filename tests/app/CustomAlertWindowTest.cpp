// The alert window without a display: its layout, the identifiers its buttons report, its keys,
// the glyphs of every message in its typefaces, and snapshots of three alerts for review.

#include "app/CustomAlertWindow.h"
#include "app/MessageTexts.h"
#include "JuceTestPrinters.h"
#include "TestEnums.h"

#include <gtest/gtest.h>
#include <vector>

namespace
{
using R = juce::Rectangle<int>;

constexpr auto english = UiLanguage::english, french = UiLanguage::french, russian = UiLanguage::russian,
               traditionalChinese = UiLanguage::traditionalChinese, japanese = UiLanguage::japanese;

struct RecordingListener : juce::Button::Listener
{
    void buttonClicked (juce::Button* b) override { clicked.push_back (b->getCommandID()); }
    std::vector<int> clicked;
};

void pump (int milliseconds)
{
    juce::MessageManager::getInstance()->runDispatchLoopUntil (milliseconds);
}

juce::Image snapshotOf (CustomAlertWindow& alert)
{
    return alert.createComponentSnapshot (alert.getLocalBounds(), true, 1.0f);
}

/** Pixels that differ between two images inside an area. */
int differingPixels (const juce::Image& a, const juce::Image& b, R area)
{
    int count = 0;

    for (int y = area.getY(); y < area.getBottom(); ++y)
        for (int x = area.getX(); x < area.getRight(); ++x)
            if (a.getPixelAt (x, y) != b.getPixelAt (x, y))
                ++count;

    return count;
}

/** The outline a face draws for a character it does not have. */
juce::String missingGlyphOutline (const juce::Font& font)
{
    juce::Path path;
    font.getTypefacePtr()->getOutlineForGlyph (0x10fffd, path);   // a private-use character no face maps
    return path.toString();
}

void saveSnapshot (const juce::Image& image, const juce::String& name)
{
    const auto file = juce::File (TESSALIN_BUILD_DIR).getChildFile (name);
    file.deleteFile();
    juce::FileOutputStream out (file);
    ASSERT_TRUE (out.openedOk());
    ASSERT_TRUE (juce::PNGImageFormat().writeImageToStream (image, out));
}
} // namespace

TEST (CustomAlertWindow, QuestionsHaveOkAndCancelOtherKindsOkAloneEscapeIncluded)
{
    struct Case { AlertKind kind; int style; int okId; R ok; bool hasCancel; };

    for (const auto& c : { Case { AlertKind::question, CustomAlertWindow::messageStyle, 5, R (188, 108, 84, 28), true },
                           Case { AlertKind::question, CustomAlertWindow::loadDefaultsStyle, 3, R (188, 108, 84, 28), true },
                           Case { AlertKind::warning, CustomAlertWindow::messageStyle, 5, R (228, 108, 84, 28), false },
                           Case { AlertKind::information, CustomAlertWindow::messageStyle, 5, R (228, 108, 84, 28), false } })
    {
        SCOPED_TRACE ((int) c.kind * 10 + c.style);
        RecordingListener listener;
        CustomAlertWindow alert (c.style, c.kind, "Loading completed.", &listener, english);

        EXPECT_EQ (alert.getBounds(), R (0, 0, 550, 160));
        EXPECT_FALSE (alert.isOnDesktop());
        EXPECT_EQ (alert.getDesktopWindowStyleFlags(), 0);

        auto& ok = alert.getOkButton();
        EXPECT_EQ (ok.getButtonText(), "OK");
        EXPECT_EQ (ok.getCommandID(), c.okId);
        EXPECT_EQ (ok.getBounds(), c.ok);
        EXPECT_EQ (ok.getParentComponent(), &alert);
        EXPECT_TRUE (ok.getWantsKeyboardFocus());
        EXPECT_FALSE (ok.getMouseClickGrabsKeyboardFocus());

        auto* cancel = alert.getCancelButton();
        ASSERT_EQ (cancel != nullptr, c.hasCancel);

        if (cancel != nullptr)
        {
            EXPECT_EQ (cancel->getButtonText(), "CANCEL");
            EXPECT_EQ (cancel->getCommandID(), -1);
            EXPECT_EQ (cancel->getBounds(), R (268, 108, 84, 28));
        }

        // Keys click the buttons, which report to the listener; other keys are left alone.
        EXPECT_TRUE (alert.keyPressed (juce::KeyPress (juce::KeyPress::returnKey)));
        pump (20);
        EXPECT_TRUE (alert.keyPressed (juce::KeyPress (juce::KeyPress::escapeKey)));
        pump (20);
        EXPECT_FALSE (alert.keyPressed (juce::KeyPress ('a')));
        pump (20);
        EXPECT_EQ (listener.clicked, (std::vector<int> { c.okId, c.hasCancel ? -1 : c.okId }));

        // The buttons click with the mouse too (nothing answers the alert but its listener).
        ok.triggerClick();
        pump (20);
        EXPECT_EQ (listener.clicked.back(), c.okId);
        EXPECT_FALSE (alert.isFinished());
    }
}

TEST (CustomAlertWindow, OnlyTheFirstAnswerCounts)
{
    CustomAlertWindow alert (CustomAlertWindow::messageStyle, AlertKind::question, "?", nullptr, english);
    alert.finish (-1);
    alert.finish (0);
    EXPECT_TRUE (alert.isFinished());
    EXPECT_EQ (alert.getResult(), -1);
    EXPECT_FALSE (alert.isVisible());
}

TEST (CustomAlertWindow, SitsCentredAcrossTheMainWindowBelowItsTitleAndMenuBars)
{
    EXPECT_EQ (CustomAlertWindow::placeOver ({ 40, 30, 1024, 738 }, false), R (40 + 237, 30 + 178, 550, 160));
    EXPECT_EQ (CustomAlertWindow::placeOver ({ 40, 30, 1024, 738 }, true), R (277, 30 + 142, 550, 160));
    EXPECT_EQ (CustomAlertWindow::placeOver ({ -300, 10, 741, 650 }, false), R (-300 + 95, 188, 550, 160));

    // Narrower than the alert: it starts at the window's left edge.
    EXPECT_EQ (CustomAlertWindow::placeOver ({ 100, 10, 500, 300 }, false), R (100, 188, 550, 160));

    // A window mostly off the screen leaves the alert on it.
    const R screen (0, 0, 1280, 900);
    EXPECT_EQ (CustomAlertWindow::placeOver ({ 40, 30, 1024, 738 }, false, screen), R (277, 208, 550, 160));
    EXPECT_EQ (CustomAlertWindow::placeOver ({ -900, 820, 1024, 738 }, false, screen), R (0, 740, 550, 160));
    EXPECT_EQ (CustomAlertWindow::placeOver ({ 1100, -500, 1024, 738 }, false, screen), R (730, 0, 550, 160));
}

TEST (CustomAlertWindow, EveryMessageDrawsWithRealGlyphsInItsLanguagesTypeface)
{
    // The check tells a box from a glyph: the European typeface has no Japanese.
    {
        const auto font = CustomAlertWindow::messageFont (english);
        juce::Path outline;
        font.getTypefacePtr()->getOutlineForGlyph (0x65e5, outline);
        ASSERT_EQ (outline.toString(), missingGlyphOutline (font));
    }

    for (auto language : allUiLanguages)
    {
        const auto font = CustomAlertWindow::messageFont (language);
        const auto missing = missingGlyphOutline (font);

        for (int m = 0; m < (int) UserMessage::numMessages; ++m)
        {
            const auto text = messageText ((UserMessage) m)[language];

            for (auto p = text.getCharPointer(); ! p.isEmpty();)
            {
                const auto c = p.getAndAdvance();
                if (juce::CharacterFunctions::isWhitespace (c) || c == 0xa0 || c == 0x202f)
                    continue;

                juce::Path outline;
                font.getTypefacePtr()->getOutlineForGlyph ((int) c, outline);
                EXPECT_NE (outline.toString(), missing)
                    << "language " << language << ", message " << m << ": no glyph for U+"
                    << juce::String::toHexString ((int) c).toUpperCase() << " in " << font.getTypefaceName();
            }
        }
    }
}

TEST (CustomAlertWindow, DrawsTheMessageInTheTextAreaAndNothingForAnEmptyOne)
{
    CustomAlertWindow blank (CustomAlertWindow::messageStyle, AlertKind::information, {}, nullptr, english);
    CustomAlertWindow written (CustomAlertWindow::messageStyle, AlertKind::information,
                               messageText (UserMessage::selectorAtDefault)[english], nullptr, english);

    const auto without = snapshotOf (blank);
    const auto with = snapshotOf (written);

    // The frame alone: the border pieces and the centre are the skin's, the message adds the ink.
    EXPECT_TRUE (blank.getTextLayout().getLines().empty());
    EXPECT_GT (differingPixels (without, with, { 17, 22, 506, 82 }), 1000);

    // Nothing outside the text area: above it, left of x 17, right of 523, or at the buttons' height.
    EXPECT_EQ (differingPixels (without, with, { 0, 0, 550, 22 }), 0);
    EXPECT_EQ (differingPixels (without, with, { 0, 0, 16, 160 }), 0);
    EXPECT_EQ (differingPixels (without, with, { 524, 0, 26, 160 }), 0);
    EXPECT_EQ (differingPixels (without, with, { 0, 106, 550, 54 }), 0);
}

TEST (CustomAlertWindow, SnapshotsOfSeveralLanguagesKindsAndTheVersion)
{
    struct Case { UiLanguage language; AlertKind kind; juce::String text; const char* file; };

    for (const auto& c : { Case { english, AlertKind::warning, messageText (UserMessage::selectorAtDefault)[english], "alert-en-warning.png" },
                           Case { japanese, AlertKind::question, messageText (UserMessage::confirmQuitUnsaved)[japanese], "alert-ja-question.png" },
                           Case { russian, AlertKind::information, messageText (UserMessage::portInUse)[russian], "alert-ru-information.png" },
                           Case { english, AlertKind::information, versionMessage (english, "2.1.0", "1.02"), "alert-version.png" },
                           Case { french, AlertKind::question,
                                  fillPlaceholders (messageText (UserMessage::confirmReplaceFile)[french], { juce::String::fromUTF8 (u8"Soirée du samedi — set complet.RSD") }),
                                  "alert-fr-replace.png" },
                           Case { traditionalChinese, AlertKind::warning, messageText (UserMessage::noAudioOutput)[traditionalChinese], "alert-zh-tw-no-audio-output.png" },
                           Case { french, AlertKind::warning, messageText (UserMessage::noAudioOutput)[french], "alert-fr-no-audio-output.png" } })
    {
        SCOPED_TRACE (c.file);
        CustomAlertWindow alert (CustomAlertWindow::messageStyle, c.kind, c.text, nullptr, c.language);
        EXPECT_TRUE (alert.getTextLayout().fits());

        // On a dark margin, as it shows over the main window.
        juce::Image image (juce::Image::RGB, 550 + 40, 160 + 40, true);
        {
            juce::Graphics g (image);
            g.fillAll (juce::Colour (0xff16171a));
            g.drawImageAt (snapshotOf (alert), 20, 20);
        }

        saveSnapshot (image, c.file);
    }
}
