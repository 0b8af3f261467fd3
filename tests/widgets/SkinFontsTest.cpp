#include "SkinTestSupport.h"

#include "TestEnums.h"
#include "widgets/LanguageTypefaces.h"
#include "widgets/TypefaceResolver.h"

#include <JuceTestPrinters.h>
#include <gtest/gtest.h>

// The skin's texts must draw real glyphs in every language, on a system that has none of the
// typefaces the skin names.

namespace
{
/** True when every character of a text has a glyph of its own in the font (not the missing-glyph box). */
testing::AssertionResult drawsRealGlyphs (const juce::Font& font, const juce::String& text)
{
    auto typeface = font.getTypefacePtr();

    if (typeface == nullptr)
        return testing::AssertionFailure() << "no typeface for " << font.getTypefaceName();

    juce::Path missingBox;
    typeface->getOutlineForGlyph (0x10fffd, missingBox);

    for (auto c : text)
    {
        juce::Path glyph;

        if (! typeface->getOutlineForGlyph ((int) c, glyph) || glyph.isEmpty())
            return testing::AssertionFailure() << typeface->getName() << " draws nothing for U+" << juce::String::toHexString ((int) c);

        if (glyph.toString() == missingBox.toString())
            return testing::AssertionFailure() << typeface->getName() << " has no glyph for U+" << juce::String::toHexString ((int) c);
    }

    return testing::AssertionSuccess() << text << " in " << typeface->getName();
}

bool cjkFaceAvailable()
{
    auto& resolver = TypefaceResolver::getInstance();
    return resolver.getFamilyFor ("MS PGothic") != resolver.getSansFamily();
}
} // namespace

//==============================================================================
TEST (TypefaceResolver, APlainSetUpDrawsNothingInVerdana)
{
    // What the skin replaces: without the resolver, "Verdana" (also as the fallback face) has no
    // glyphs on a system without it.
    if (juce::Font::findAllTypefaceNames().contains ("Verdana"))
        GTEST_SKIP() << "Verdana is installed here";

    const auto previousFallback = juce::Font::getFallbackFontName();
    juce::LookAndFeel_V2 plain;
    {
        const skintest::ScopedDefaultLookAndFeel scope (plain);
        juce::Font::setFallbackFontName ("Verdana");
        juce::Typeface::clearTypefaceCache();

        juce::Path glyph;
        const auto typeface = juce::Font ("Verdana", 20.0f, juce::Font::plain).getTypefacePtr();
        EXPECT_FALSE (typeface->getOutlineForGlyph ('E', glyph) && ! glyph.isEmpty());
    }
    juce::Font::setFallbackFontName (previousFallback);
}

TEST (TypefaceResolver, VerdanaDrawsTheLatinAndCyrillicLanguageNames)
{
    CustomLookAndFeel skin;
    const skintest::ScopedDefaultLookAndFeel scope (skin);

    EXPECT_TRUE (juce::Font::findAllTypefaceNames().contains (juce::Font::getFallbackFontName()));

    for (int language = 0; language < 8; ++language)
    {
        ASSERT_EQ (LanguageTypefaces::typefaceNameFor (languageAt (language)), "Verdana");
        EXPECT_TRUE (drawsRealGlyphs (LanguageTypefaces::fontFor (languageAt (language), 17.0f), LanguageTypefaces::nameOf (languageAt (language))));
    }

    // And it really puts ink on the page.
    juce::Image image (juce::Image::ARGB, 200, 40, true);
    {
        juce::Graphics g (image);
        g.setColour (juce::Colours::white);
        g.setFont (CustomLookAndFeel::skinFont (20.0f));
        g.drawText (LanguageTypefaces::nameOf (languageAt (6)), 0, 0, 200, 40, juce::Justification::centred);
    }

    int ink = 0;

    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 200; ++x)
            ink += image.getPixelAt (x, y).getAlpha() > 128 ? 1 : 0;

    EXPECT_GT (ink, 60);
}

TEST (TypefaceResolver, EastAsianTypefacesDrawTheirLanguageNames)
{
    if (! cjkFaceAvailable())
        GTEST_SKIP() << "no CJK face here (install fonts-noto-cjk): the Chinese, Korean and Japanese names are not checked";

    CustomLookAndFeel skin;
    const skintest::ScopedDefaultLookAndFeel scope (skin);

    for (int language = 8; language < 12; ++language)
    {
        const auto font = LanguageTypefaces::fontFor (languageAt (language), 17.0f);
        EXPECT_NE (font.getTypefacePtr()->getName(), TypefaceResolver::getInstance().getSansFamily());
        EXPECT_TRUE (drawsRealGlyphs (font, LanguageTypefaces::nameOf (languageAt (language))));
    }

    // Each name is drawn in the face resolved for it, not the first face of the collection file.
    auto& resolver = TypefaceResolver::getInstance();

    for (const auto* name : { "MingLiU", "Batang", "MS PGothic" })
        EXPECT_EQ (juce::Font (name, 17.0f, juce::Font::plain).getTypefacePtr()->getName(), resolver.getFamilyFor (name));

    EXPECT_NE (resolver.getFamilyFor ("MingLiU"), resolver.getFamilyFor ("Batang"));
}

TEST (TypefaceResolver, EastAsianStandInsDrawAtTheSizeOfTheFacesTheyReplace)
{
    // The replaced faces have a one-em line, so a character fills most of the font height; the Noto
    // faces are loaded with the same line, or their text would come out a third smaller.
    if (! cjkFaceAvailable())
        GTEST_SKIP() << "no CJK face here (install fonts-noto-cjk)";

    CustomLookAndFeel skin;
    const skintest::ScopedDefaultLookAndFeel scope (skin);

    for (const auto* name : { "MingLiU", "Batang", "MS PGothic" })
    {
        juce::Image image (juce::Image::ARGB, 120, 60, true);
        {
            juce::Graphics g (image);
            g.setColour (juce::Colours::white);
            g.setFont (juce::Font (name, 40.0f, juce::Font::plain));
            g.drawText (juce::String::fromUTF8 (u8"日"), 0, 0, 120, 60, juce::Justification::centred);
        }

        int top = 60, bottom = -1;

        for (int y = 0; y < 60; ++y)
        {
            for (int x = 0; x < 120; ++x)
            {
                if (image.getPixelAt (x, y).getAlpha() > 128)
                {
                    top = juce::jmin (top, y);
                    bottom = juce::jmax (bottom, y);
                }
            }
        }

        EXPECT_GE (bottom - top + 1, 30) << name;
    }
}
