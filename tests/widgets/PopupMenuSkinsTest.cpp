#include "SkinTestSupport.h"

#include "TestEnums.h"
#include "widgets/CustomPopupMenuLeft.h"
#include "widgets/CustomPopupMenuRight.h"
#include "widgets/LanguageComboLookAndFeel.h"
#include "widgets/LanguageTypefaces.h"
#include "widgets/WideButtonComboLookAndFeel.h"

#include <JuceTestPrinters.h>
#include <gtest/gtest.h>

using skintest::channelDistance;

namespace
{
struct DrawnItem
{
    std::vector<juce::Font> fonts;
    std::vector<float> glyphX;
    juce::Image image;
};

DrawnItem drawItem (juce::LookAndFeel& lf, const juce::String& text, int width = 200, int height = 24,
                    bool highlighted = false, bool active = true)
{
    DrawnItem result { {}, {}, juce::Image (juce::Image::ARGB, width, height, true) };
    skintest::FontRecorder recorder (result.image);
    {
        juce::Graphics g (recorder);
        lf.drawPopupMenuItem (g, { 0, 0, width, height }, false, active, highlighted, false, false, text, {}, nullptr, nullptr);
    }
    result.fonts = recorder.fonts;
    result.glyphX = recorder.glyphX;
    return result;
}

juce::Label* labelOf (juce::ComboBox& box)
{
    for (auto* child : box.getChildren())
        if (auto* label = dynamic_cast<juce::Label*> (child))
            return label;

    return nullptr;
}

int maxAlpha (const juce::Image& image)
{
    int result = 0;

    for (int y = 0; y < image.getHeight(); ++y)
        for (int x = 0; x < image.getWidth(); ++x)
            result = juce::jmax (result, (int) image.getPixelAt (x, y).getAlpha());

    return result;
}
} // namespace

//==============================================================================
TEST (PopupMenuSkins, LanguageNamesAreDrawnInTheirOwnTypeface)
{
    CustomLookAndFeel skin;
    const skintest::ScopedDefaultLookAndFeel scope (skin);

    for (int language = 0; language < numUiLanguages; ++language)
    {
        const auto item = drawItem (skin, LanguageTypefaces::nameOf (languageAt (language)));
        ASSERT_FALSE (item.fonts.empty()) << language;
        EXPECT_EQ (item.fonts.front().getTypefaceName(), LanguageTypefaces::typefaceNameFor (languageAt (language))) << language;
        EXPECT_FLOAT_EQ (item.fonts.front().getHeight(), 17.0f);
    }

    // Other texts keep the menu font; a low row shrinks either font to height / 1.3.
    const auto load = drawItem (skin, "Load");
    EXPECT_EQ (load.fonts.front().getTypefaceName(), "Verdana");
    EXPECT_FLOAT_EQ (load.fonts.front().getHeight(), 17.0f);
    EXPECT_EQ (drawItem (skin, "Deutsch ").fonts.front().getTypefaceName(), "Verdana");
    EXPECT_NEAR (drawItem (skin, LanguageTypefaces::nameOf (languageAt (11)), 200, 20).fonts.front().getHeight(), 20.0f / 1.3f, 1.0e-4f);

    // The language combo's list uses the same drawing; the other dark menus do not.
    LanguageComboLookAndFeel languageSkin;
    EXPECT_EQ (drawItem (languageSkin, LanguageTypefaces::nameOf (languageAt (10))).fonts.front().getTypefaceName(), "Batang");
    CustomPopupMenu menuSkin;
    const auto plain = drawItem (menuSkin, LanguageTypefaces::nameOf (languageAt (10)));
    EXPECT_EQ (plain.fonts.front().getTypefaceName(), "Verdana");
    EXPECT_FLOAT_EQ (plain.fonts.front().getHeight(), 15.0f);
}

TEST (PopupMenuSkins, InactiveItemsAreFaint)
{
    CustomLookAndFeel skin;
    const skintest::ScopedDefaultLookAndFeel scope (skin);
    EXPECT_GT (maxAlpha (drawItem (skin, "Load").image), 200);
    EXPECT_LE (maxAlpha (drawItem (skin, "Load", 200, 24, false, false).image), 78);
}

TEST (PopupMenuSkins, DarkMenusSetTheirColoursAndAlignTheirItems)
{
    CustomPopupMenu centred;
    CustomPopupMenuLeft left;
    CustomPopupMenuRight right;
    const skintest::ScopedDefaultLookAndFeel scope (centred);

    EXPECT_EQ (centred.findColour (juce::PopupMenu::backgroundColourId), juce::Colour (0xff282828));
    EXPECT_EQ (left.findColour (juce::PopupMenu::textColourId), juce::Colour (0xffe2e2e2));
    EXPECT_EQ (right.findColour (juce::PopupMenu::highlightedBackgroundColourId), juce::Colour (0x802222ff));

    EXPECT_EQ (centred.getItemJustification(), juce::Justification::centred);
    EXPECT_EQ (left.getItemJustification(), juce::Justification::centredLeft);
    EXPECT_EQ (right.getItemJustification(), juce::Justification::centredRight);

    // The text box of a 200-wide item is x 6 to 178: left starts at 6, right ends at 178, centred
    // starts half-way between the two.
    const auto textWidth = CustomLookAndFeel::skinFont (15.0f).getStringWidthFloat ("1/4");
    const auto leftX = drawItem (left, "1/4").glyphX.front();
    const auto centreX = drawItem (centred, "1/4").glyphX.front();
    const auto rightX = drawItem (right, "1/4").glyphX.front();
    EXPECT_NEAR (leftX, 6.0f, 1.0f);
    EXPECT_NEAR (rightX, 178.0f - textWidth, 1.0f);
    EXPECT_NEAR (centreX, (leftX + rightX) * 0.5f, 1.0f);
}

TEST (PopupMenuSkins, HighlightedDarkItemsLieOnTheHighlightPicture)
{
    skintest::Overrides overrides;
    overrides.addSolid (SkinImageId::comboFocusHighlight, juce::Colours::red);
    CustomPopupMenu skin;
    const auto item = drawItem (skin, "", 100, 20, true);

    EXPECT_EQ (item.image.getPixelAt (1, 1).getAlpha(), 0);
    EXPECT_EQ (item.image.getPixelAt (2, 1), juce::Colours::red);
    EXPECT_EQ (item.image.getPixelAt (50, 10), juce::Colours::red);
    EXPECT_LE (channelDistance (item.image.getPixelAt (97, 18), juce::Colours::red), 3);
    EXPECT_EQ (item.image.getPixelAt (98, 10).getAlpha(), 0);
    EXPECT_EQ (item.image.getPixelAt (50, 19).getAlpha(), 0);
}

TEST (PopupMenuSkins, IdealItemSizesFollowTheMenuFontWithoutMargins)
{
    CustomPopupMenu skin;
    int w = 0, h = 0;

    skin.getIdealPopupMenuItemSize ({}, true, 24, w, h);
    EXPECT_EQ (w, 50);
    EXPECT_EQ (h, 12);
    skin.getIdealPopupMenuItemSize ({}, true, 0, w, h);
    EXPECT_EQ (h, 10);

    const auto width15 = juce::roundToInt (CustomLookAndFeel::skinFont (15.0f).getStringWidthFloat ("ECHO"));
    skin.getIdealPopupMenuItemSize ("ECHO", false, 24, w, h);
    EXPECT_EQ (w, width15);
    EXPECT_EQ (h, 24);
    skin.getIdealPopupMenuItemSize ("ECHO", false, 0, w, h);
    EXPECT_EQ (h, 20);

    // A low standard row shrinks the font to the row.
    skin.getIdealPopupMenuItemSize ("ECHO", false, 13, w, h);
    EXPECT_EQ (h, 13);
    EXPECT_EQ (w, juce::roundToInt (CustomLookAndFeel::skinFont (10.0f).getStringWidthFloat ("ECHO")));
}

//==============================================================================
TEST (PopupMenuSkins, WideButtonComboPlacesItsButtonAndText)
{
    skintest::Overrides overrides;
    overrides.addSolid (SkinImageId::wideComboButtonNormal, juce::Colours::red);
    overrides.addSolid (SkinImageId::wideComboButtonDown, juce::Colours::green);
    WideButtonComboLookAndFeel skin;
    juce::ComboBox box;
    box.setBounds (0, 0, 51, 32);
    box.setLookAndFeel (&skin);

    juce::Image image (juce::Image::ARGB, 51, 32, true);
    {
        juce::Graphics g (image);
        skin.drawComboBox (g, 51, 32, false, 0, 0, 0, 0, box);
    }
    EXPECT_EQ (image.getPixelAt (2, 19), juce::Colours::red);
    EXPECT_EQ (image.getPixelAt (48, 29), juce::Colours::red);
    {
        juce::Graphics g (image);
        skin.drawComboBox (g, 51, 32, true, 0, 0, 0, 0, box);
    }
    EXPECT_EQ (image.getPixelAt (20, 25), juce::Colours::green);

    auto* label = labelOf (box);
    ASSERT_NE (label, nullptr);
    EXPECT_EQ (label->getBounds(), juce::Rectangle<int> (-2, 1, 54, 19));
    EXPECT_FLOAT_EQ (label->getFont().getHeight(), 15.0f);
    box.setLookAndFeel (nullptr);
}

TEST (PopupMenuSkins, LanguageComboFollowsItsSelection)
{
    LanguageComboLookAndFeel skin;
    juce::ComboBox box;
    box.setBounds (0, 0, 131, 21);

    for (int language = 0; language < numUiLanguages; ++language)
        box.addItem (LanguageTypefaces::nameOf (languageAt (language)), language + 1);

    // The Settings panel re-applies the look after a change so that the box redraws.
    const auto select = [&] (int index)
    {
        box.setSelectedItemIndex (index, juce::dontSendNotification);
        box.setLookAndFeel (nullptr);
        box.setLookAndFeel (&skin);
        return labelOf (box);
    };

    auto* label = select (11);
    ASSERT_NE (label, nullptr);
    EXPECT_EQ (label->getBounds(), juce::Rectangle<int> (1, 1, 113, 19));
    EXPECT_EQ (label->getFont().getTypefaceName(), "MS PGothic");
    EXPECT_FLOAT_EQ (label->getFont().getHeight(), 17.0f);

    EXPECT_EQ (select (10)->getFont().getTypefaceName(), "Batang");
    EXPECT_EQ (select (8)->getFont().getTypefaceName(), "MingLiU");
    EXPECT_EQ (select (2)->getFont().getTypefaceName(), "Verdana");

    box.setSelectedId (0, juce::dontSendNotification);
    box.setLookAndFeel (nullptr);
    box.setLookAndFeel (&skin);
    EXPECT_EQ (labelOf (box)->getFont().getTypefaceName(), "Verdana");

    box.setLookAndFeel (nullptr);
}
