#include "SkinTestSupport.h"

#include "TestEnums.h"
#include "widgets/CustomPopupMenu.h"
#include "widgets/LanguageTypefaces.h"
#include "widgets/SliderLabelComp.h"
#include "widgets/TypefaceResolver.h"

#include <JuceTestPrinters.h>
#include <gtest/gtest.h>

using skintest::bands;
using skintest::channelDistance;

namespace
{
//==============================================================================
// The window background drawn from plain pictures: each piece its own colour, the top pieces with
// their title-bar rows (0..31) in a second colour and the bottom pieces with their edge rows
// (336..340) in a third, so every rule of the layout shows in the result.
namespace col
{
const juce::Colour titleLeft (0xff400000), titleCentre (0xff500000), titleRight (0xff600000);
const juce::Colour topLeft (0xff800000), top (0xff900000), topRight (0xffa00000);
const juce::Colour middleLeft (0xff008000), middle (0xff009000), middleRight (0xff00a000);
const juce::Colour bottomLeft (0xff000080), bottom (0xff000090), bottomRight (0xff0000a0);
const juce::Colour edgeLeft (0xff404000), edge (0xff505000), edgeRight (0xff606000);
const juce::Colour black (0xff000000);
} // namespace col

class WindowBackground : public testing::Test
{
protected:
    WindowBackground()
    {
        overrides.add (SkinImageId::windowTopLeft, bands (10, 396, { { 0, col::titleLeft }, { 32, col::topLeft } }));
        overrides.add (SkinImageId::windowTop, bands (1004, 396, { { 0, col::titleCentre }, { 32, col::top } }));
        overrides.add (SkinImageId::windowTopRight, bands (10, 396, { { 0, col::titleRight }, { 32, col::topRight } }));
        overrides.addSolid (SkinImageId::windowMiddleLeft, col::middleLeft);
        overrides.addSolid (SkinImageId::windowMiddle, col::middle);
        overrides.addSolid (SkinImageId::windowMiddleRight, col::middleRight);
        overrides.add (SkinImageId::windowBottomLeft, bands (10, 341, { { 0, col::bottomLeft }, { 336, col::edgeLeft } }));
        overrides.add (SkinImageId::windowBottom, bands (1004, 341, { { 0, col::bottom }, { 336, col::edge } }));
        overrides.add (SkinImageId::windowBottomRight, bands (10, 341, { { 0, col::bottomRight }, { 336, col::edgeRight } }));
        skin = std::make_unique<CustomLookAndFeel>();
    }

    juce::Image draw (int w, int h, bool fullScreen)
    {
        juce::Image image (juce::Image::ARGB, w, h, true);
        juce::Graphics g (image);
        skin->drawWindowBackground (g, w, h, fullScreen);
        return image;
    }

    /** Every pixel of a column between two rows (inclusive) has a colour. */
    static testing::AssertionResult columnIs (const juce::Image& image, int x, int y0, int y1, juce::Colour colour)
    {
        for (int y = y0; y <= y1; ++y)
            if (channelDistance (image.getPixelAt (x, y), colour) > 3)
                return testing::AssertionFailure() << "(" << x << ", " << y << ") is " << image.getPixelAt (x, y).toString()
                                                   << ", not " << colour.toString();

        return testing::AssertionSuccess();
    }

    static testing::AssertionResult rowIs (const juce::Image& image, int y, int x0, int x1, juce::Colour colour)
    {
        for (int x = x0; x <= x1; ++x)
            if (channelDistance (image.getPixelAt (x, y), colour) > 3)
                return testing::AssertionFailure() << "(" << x << ", " << y << ") is " << image.getPixelAt (x, y).toString()
                                                   << ", not " << colour.toString();

        return testing::AssertionSuccess();
    }

    skintest::Overrides overrides;
    std::unique_ptr<CustomLookAndFeel> skin;
};
} // namespace

TEST_F (WindowBackground, AtTheDefaultSizeEveryPieceSitsAtItsNaturalSizeAndNoMiddleRowShows)
{
    const auto image = draw (1024, 738, false);

    for (auto [x, above, below, lower] : { std::tuple { 0, col::topLeft, col::bottomLeft, col::edgeLeft },
                                           std::tuple { 9, col::topLeft, col::bottomLeft, col::edgeLeft },
                                           std::tuple { 10, col::top, col::bottom, col::edge },
                                           std::tuple { 512, col::top, col::bottom, col::edge },
                                           std::tuple { 1013, col::top, col::bottom, col::edge },
                                           std::tuple { 1014, col::topRight, col::bottomRight, col::edgeRight },
                                           std::tuple { 1023, col::topRight, col::bottomRight, col::edgeRight } })
    {
        EXPECT_TRUE (columnIs (image, x, 32, 395, above));
        EXPECT_TRUE (columnIs (image, x, 396, 731, below));   // bottom row from h - 342
        EXPECT_TRUE (columnIs (image, x, 732, 736, lower));
        EXPECT_TRUE (columnIs (image, x, 737, 737, col::black));
    }

    EXPECT_TRUE (rowIs (image, 0, 0, 9, col::titleLeft));
    EXPECT_TRUE (rowIs (image, 31, 10, 1013, col::titleCentre));
}

TEST_F (WindowBackground, ATallerWindowStretchesOnlyTheMiddleRow)
{
    const auto image = draw (1024, 900, false);

    EXPECT_TRUE (columnIs (image, 5, 32, 395, col::topLeft));
    EXPECT_TRUE (columnIs (image, 5, 396, 557, col::middleLeft));
    EXPECT_TRUE (columnIs (image, 500, 396, 557, col::middle));
    EXPECT_TRUE (columnIs (image, 1018, 396, 557, col::middleRight));
    EXPECT_TRUE (columnIs (image, 500, 558, 893, col::bottom));
    EXPECT_TRUE (columnIs (image, 500, 894, 898, col::edge));
    EXPECT_TRUE (columnIs (image, 500, 899, 899, col::black));
}

TEST_F (WindowBackground, AWiderWindowStretchesTheCentreColumn)
{
    const auto image = draw (1300, 800, false);

    EXPECT_TRUE (rowIs (image, 100, 0, 9, col::topLeft));
    EXPECT_TRUE (rowIs (image, 100, 10, 1289, col::top));
    EXPECT_TRUE (rowIs (image, 100, 1290, 1299, col::topRight));
    EXPECT_TRUE (rowIs (image, 420, 10, 1289, col::middle));
    EXPECT_TRUE (rowIs (image, 700, 10, 1289, col::bottom));
}

TEST_F (WindowBackground, ASmallerWindowCutsTheBottomRowAndKeepsItsEdge)
{
    // 800 x 643, the smallest window: the centre stays 1004 wide from x 10 under the right pieces,
    // the bottom row shows its first h - 402 rows, then its last five.
    const auto image = draw (800, 643, false);

    EXPECT_TRUE (rowIs (image, 100, 10, 789, col::top));
    EXPECT_TRUE (rowIs (image, 100, 790, 799, col::topRight));
    EXPECT_TRUE (columnIs (image, 400, 396, 636, col::bottom));
    EXPECT_TRUE (columnIs (image, 400, 637, 641, col::edge));
    EXPECT_TRUE (columnIs (image, 400, 642, 642, col::black));
    EXPECT_TRUE (columnIs (image, 3, 396, 636, col::bottomLeft));
    EXPECT_TRUE (columnIs (image, 3, 637, 641, col::edgeLeft));
    EXPECT_TRUE (columnIs (image, 795, 637, 641, col::edgeRight));

    // Shorter than the two rows' tops: only the edge below the top row.
    const auto tiny = draw (800, 380, false);
    EXPECT_TRUE (columnIs (tiny, 400, 32, 379, col::top));
}

TEST_F (WindowBackground, FullScreenShowsTheMiddleColumnWithoutTitleRowsOrEdge)
{
    const auto image = draw (1920, 1080, true);

    // Top rows 32..395 at the top, stretched over the whole width; no side pieces.
    EXPECT_TRUE (columnIs (image, 0, 0, 363, col::top));
    EXPECT_TRUE (columnIs (image, 1919, 0, 363, col::top));
    EXPECT_TRUE (columnIs (image, 960, 364, 742, col::middle));
    EXPECT_TRUE (columnIs (image, 0, 364, 742, col::middle));
    EXPECT_TRUE (columnIs (image, 960, 743, 1078, col::bottom));
    EXPECT_TRUE (columnIs (image, 960, 1079, 1079, col::black));

    // A full-screen window narrower than 1024 still draws the pieces 1024 wide.
    const auto narrow = draw (900, 700, true);
    EXPECT_TRUE (columnIs (narrow, 899, 0, 363, col::top));
    EXPECT_TRUE (columnIs (narrow, 450, 364, 699, col::bottom));
}

//==============================================================================
TEST (CustomLookAndFeel, TitleBarButtonsByTypeAndPosition)
{
    skintest::Overrides overrides;
    overrides.addSolid (SkinImageId::closeButtonNormal, juce::Colours::red);
    overrides.addSolid (SkinImageId::closeButtonOver, juce::Colours::green);
    overrides.addSolid (SkinImageId::closeButtonDown, juce::Colours::blue);
    overrides.addSolid (SkinImageId::minimiseButtonNormal, juce::Colours::yellow);
    overrides.addSolid (SkinImageId::maximiseButtonNormal, juce::Colours::cyan);
    CustomLookAndFeel skin;

    std::unique_ptr<juce::Button> close (skin.createDocumentWindowButton (juce::DocumentWindow::closeButton));
    std::unique_ptr<juce::Button> minimise (skin.createDocumentWindowButton (juce::DocumentWindow::minimiseButton));
    std::unique_ptr<juce::Button> maximise (skin.createDocumentWindowButton (juce::DocumentWindow::maximiseButton));

    ASSERT_NE (close, nullptr);
    ASSERT_NE (minimise, nullptr);
    ASSERT_NE (maximise, nullptr);
    EXPECT_EQ (close->getName(), "close");
    EXPECT_EQ (minimise->getName(), "minimise");
    EXPECT_EQ (maximise->getName(), "maximise");
    EXPECT_EQ (std::unique_ptr<juce::Button> (skin.createDocumentWindowButton (3)), nullptr);
    EXPECT_EQ (std::unique_ptr<juce::Button> (skin.createDocumentWindowButton (0)), nullptr);

    auto* closeImages = dynamic_cast<juce::ImageButton*> (close.get());
    ASSERT_NE (closeImages, nullptr);
    EXPECT_EQ (closeImages->getNormalImage().getPixelAt (11, 11), juce::Colours::red);
    EXPECT_EQ (closeImages->getOverImage().getPixelAt (11, 11), juce::Colours::green);
    EXPECT_EQ (closeImages->getDownImage().getPixelAt (11, 11), juce::Colours::blue);
    EXPECT_EQ (dynamic_cast<juce::ImageButton*> (minimise.get())->getNormalImage().getPixelAt (0, 0), juce::Colours::yellow);
    EXPECT_EQ (dynamic_cast<juce::ImageButton*> (maximise.get())->getNormalImage().getPixelAt (0, 0), juce::Colours::cyan);

    // The title bar of a main window with a 4-pixel border: 1016 wide at (4, 4). The left-hand flag
    // changes nothing.
    juce::DocumentWindow window ("w", juce::Colours::black, juce::DocumentWindow::allButtons, false);

    for (const bool onLeft : { false, true })
    {
        skin.positionDocumentWindowButtons (window, 4, 4, 1016, 23, minimise.get(), maximise.get(), close.get(), onLeft);
        EXPECT_EQ (close->getBounds(), juce::Rectangle<int> (994, 8, 23, 23));
        EXPECT_EQ (maximise->getBounds(), juce::Rectangle<int> (971, 8, 23, 23));
        EXPECT_EQ (minimise->getBounds(), juce::Rectangle<int> (948, 8, 23, 23));
    }

    skin.positionDocumentWindowButtons (window, 0, 0, 177, 16, nullptr, nullptr, close.get(), false);
    EXPECT_EQ (close->getBounds(), juce::Rectangle<int> (151, 4, 23, 23));
}

TEST (CustomLookAndFeel, TitleTextIsVerdana15InTheSkinsGreyOverNoBackground)
{
    CustomLookAndFeel skin;
    const skintest::ScopedDefaultLookAndFeel scope (skin);
    juce::DocumentWindow window ("tessalin 2.1.0", juce::Colours::black, juce::DocumentWindow::allButtons, false);

    juce::Image image (juce::Image::ARGB, 600, 23, true);
    skintest::FontRecorder recorder (image);
    {
        juce::Graphics g (recorder);
        skin.drawDocumentWindowTitleBar (window, g, 600, 23, 10, 500, nullptr, true);
    }

    ASSERT_FALSE (recorder.fonts.empty());
    EXPECT_EQ (recorder.fonts.front().getTypefaceName(), "Verdana");
    EXPECT_FLOAT_EQ (recorder.fonts.front().getHeight(), 15.0f);

    int darkestRed = 255;
    bool allGrey = true;

    for (int y = 0; y < 23; ++y)
    {
        for (int x = 0; x < 600; ++x)
        {
            const auto c = image.getPixelAt (x, y);

            if (c.getAlpha() == 0)
                continue;

            allGrey = allGrey && x >= 10 && c.getRed() == c.getGreen() && c.getGreen() == c.getBlue();
            darkestRed = juce::jmin (darkestRed, c.getAlpha() == 255 ? c.getRed() : 255);
        }
    }

    EXPECT_TRUE (allGrey);
    EXPECT_EQ (darkestRed, 0xa8);
}

//==============================================================================
TEST (CustomLookAndFeel, ProgressBarFillsBetweenItsCaps)
{
    skintest::Overrides overrides;
    overrides.addSolid (SkinImageId::progressLeft, juce::Colours::red);
    overrides.addSolid (SkinImageId::progressMiddle, juce::Colours::lime);
    overrides.addSolid (SkinImageId::progressRight, juce::Colours::blue);
    CustomLookAndFeel skin;
    double value = 0.0;
    juce::ProgressBar bar (value);
    bar.setLookAndFeel (&skin);
    const juce::Colour background (0xff383838);

    const auto draw = [&] (int width, double progress)
    {
        juce::Image image (juce::Image::ARGB, 240, 34, true);
        juce::Graphics g (image);
        skin.drawProgressBar (g, bar, width, 34, progress, {});
        return image;
    };

    // Nothing at 0: the background alone.
    const auto empty = draw (200, 0.0);
    EXPECT_EQ (empty.getPixelAt (0, 17), background);
    EXPECT_EQ (empty.getPixelAt (199, 17), background);

    // Half: 87 of the 174 pixels between the caps.
    const auto half = draw (200, 0.5);
    EXPECT_EQ (half.getPixelAt (0, 0), juce::Colours::red);
    EXPECT_EQ (half.getPixelAt (12, 33), juce::Colours::red);
    EXPECT_EQ (half.getPixelAt (13, 17), juce::Colours::lime);
    EXPECT_EQ (half.getPixelAt (99, 17), juce::Colours::lime);
    EXPECT_EQ (half.getPixelAt (100, 17), juce::Colours::blue);
    EXPECT_EQ (half.getPixelAt (112, 17), juce::Colours::blue);
    EXPECT_EQ (half.getPixelAt (113, 17), background);

    // Full: the caps at both ends of the bar.
    const auto full = draw (200, 1.0);
    EXPECT_EQ (full.getPixelAt (186, 17), juce::Colours::lime);
    EXPECT_EQ (full.getPixelAt (187, 17), juce::Colours::blue);
    EXPECT_EQ (full.getPixelAt (199, 17), juce::Colours::blue);

    // A bar narrower than its two caps draws the caps side by side, no middle.
    const auto narrow = draw (20, 1.0);
    EXPECT_EQ (narrow.getPixelAt (12, 17), juce::Colours::red);
    EXPECT_EQ (narrow.getPixelAt (13, 17), juce::Colours::blue);

    bar.setLookAndFeel (nullptr);
}

TEST (CustomLookAndFeel, ProgressTextIsDrawnInVerdanaAtSixTenthsOfTheHeight)
{
    CustomLookAndFeel skin;
    const skintest::ScopedDefaultLookAndFeel scope (skin);
    double value = 0.5;
    juce::ProgressBar bar (value);
    juce::Image image (juce::Image::ARGB, 200, 30, true);
    skintest::FontRecorder recorder (image);
    {
        juce::Graphics g (recorder);
        skin.drawProgressBar (g, bar, 200, 30, 0.5, "50%");
    }

    ASSERT_EQ (recorder.fonts.size(), 3u);
    EXPECT_EQ (recorder.fonts[0].getTypefaceName(), "Verdana");
    EXPECT_FLOAT_EQ (recorder.fonts[0].getHeight(), 18.0f);
}

//==============================================================================
TEST (CustomLookAndFeel, FontSizes)
{
    CustomLookAndFeel skin;
    CustomPopupMenu menuSkin;

    juce::MenuBarComponent menuBar;
    menuBar.setSize (400, 23);
    const auto menuBarFont = skin.getMenuBarFont (menuBar, 0, "File");
    EXPECT_EQ (menuBarFont.getTypefaceName(), "Verdana");
    EXPECT_NEAR (menuBarFont.getHeight(), 16.1f, 1.0e-4f);

    juce::ComboBox box;
    box.setSize (100, 21);
    EXPECT_FLOAT_EQ (skin.getComboBoxFont (box).getHeight(), 15.0f);
    box.setSize (100, 12);
    EXPECT_NEAR (skin.getComboBoxFont (box).getHeight(), 10.2f, 1.0e-4f);

    EXPECT_FLOAT_EQ (skin.getPopupMenuFont().getHeight(), 17.0f);
    EXPECT_FLOAT_EQ (menuSkin.getPopupMenuFont().getHeight(), 15.0f);

    for (const auto& font : { skin.getMenuBarFont (menuBar, 0, {}), skin.getComboBoxFont (box), skin.getPopupMenuFont(),
                              menuSkin.getPopupMenuFont() })
    {
        EXPECT_EQ (font.getTypefaceName(), "Verdana");
        EXPECT_FALSE (font.isBold());
    }
}

TEST (CustomLookAndFeel, AlertFontsFollowTheLanguage)
{
    CustomLookAndFeel skin;

    for (auto [language, typeface] : { std::pair { 0, "Verdana" }, std::pair { 6, "Verdana" }, std::pair { 8, "MingLiU" },
                                       std::pair { 9, "MingLiU" }, std::pair { 10, "Batang" }, std::pair { 11, "MS PGothic" },
                                       std::pair { 12, "Verdana" }, std::pair { -1, "Verdana" } })
    {
        CustomLookAndFeel::setUiLanguage (languageAt (language));
        EXPECT_EQ (skin.getAlertWindowMessageFont().getTypefaceName(), typeface) << language;
        EXPECT_FLOAT_EQ (skin.getAlertWindowMessageFont().getHeight(), 15.0f);
        EXPECT_EQ (skin.getAlertWindowFont().getTypefaceName(), typeface) << language;
        EXPECT_FLOAT_EQ (skin.getAlertWindowFont().getHeight(), 12.0f);
    }

    CustomLookAndFeel::setUiLanguage (languageAt (0));
    EXPECT_EQ (skin.getAlertBoxWindowFlags(), juce::ComponentPeer::windowHasDropShadow);
}

TEST (CustomLookAndFeel, PlaceholderTypefacesAndTheFallbackResolveToInstalledFaces)
{
    CustomLookAndFeel skin;
    const auto installed = juce::Font::findAllTypefaceNames();
    const auto sans = TypefaceResolver::getInstance().getSansFamily();

    EXPECT_TRUE (installed.contains (juce::Font::getFallbackFontName())) << juce::Font::getFallbackFontName();
    EXPECT_EQ (skin.getTypefaceForFont (juce::Font (juce::Font::getDefaultSansSerifFontName(), 12.0f, juce::Font::plain))->getName(), sans);
    EXPECT_EQ (skin.getTypefaceForFont (juce::Font ("Verdana", 12.0f, juce::Font::plain))->getName(), sans);

    const auto serif = skin.getTypefaceForFont (juce::Font (juce::Font::getDefaultSerifFontName(), 12.0f, juce::Font::plain));
    EXPECT_TRUE (installed.contains (serif->getName())) << serif->getName();
}

//==============================================================================
TEST (CustomLookAndFeel, ScrollBarsDrawTheirButtonsTrackAndThumbFromTheSkin)
{
    skintest::Overrides overrides;
    const juce::Colour arrows[] { juce::Colours::red, juce::Colours::green, juce::Colours::blue, juce::Colours::yellow };
    overrides.addSolid (SkinImageId::scrollUpNormal, arrows[0]);
    overrides.addSolid (SkinImageId::scrollRightNormal, arrows[1]);
    overrides.addSolid (SkinImageId::scrollDownNormal, arrows[2]);
    overrides.addSolid (SkinImageId::scrollLeftNormal, arrows[3]);
    overrides.addSolid (SkinImageId::scrollUpDown, juce::Colours::white);
    overrides.addSolid (SkinImageId::scrollTrackVertical, juce::Colours::darkgrey);
    overrides.addSolid (SkinImageId::scrollThumbVerticalDown, juce::Colours::orange);
    CustomLookAndFeel skin;
    juce::ScrollBar bar (true);
    EXPECT_EQ (skin.getDefaultScrollbarWidth(), 10);

    for (int direction = 0; direction < 4; ++direction)
    {
        juce::Image image (juce::Image::ARGB, 20, 20, true);
        juce::Graphics g (image);
        skin.drawScrollbarButton (g, bar, 10, 15, direction, direction % 2 == 0, false, false);
        EXPECT_EQ (image.getPixelAt (0, 0), arrows[direction]) << direction;
    }

    {
        juce::Image image (juce::Image::ARGB, 20, 20, true);
        juce::Graphics g (image);
        skin.drawScrollbarButton (g, bar, 10, 15, 0, true, true, true);
        EXPECT_EQ (image.getPixelAt (5, 5), juce::Colours::white);
    }

    // Track over the whole bar (its area plus the two buttons), thumb inset by one pixel.
    // (Scaled pictures may lose a trace of opacity on their last row and column.)
    juce::Image image (juce::Image::ARGB, 10, 140, true);
    {
        juce::Graphics g (image);
        skin.drawScrollbar (g, bar, 0, 15, 10, 100, true, 40, 30, false, true);
    }
    const auto near = [&] (int x, int y, juce::Colour c) { return channelDistance (image.getPixelAt (x, y), c) <= 3; };
    EXPECT_TRUE (near (0, 0, juce::Colours::darkgrey));
    EXPECT_TRUE (near (9, 129, juce::Colours::darkgrey));
    EXPECT_TRUE (near (0, 50, juce::Colours::darkgrey));
    EXPECT_TRUE (near (1, 40, juce::Colours::orange));
    EXPECT_TRUE (near (8, 69, juce::Colours::orange));
    EXPECT_TRUE (near (9, 50, juce::Colours::darkgrey));
    EXPECT_TRUE (near (5, 70, juce::Colours::darkgrey));
    EXPECT_EQ (image.getPixelAt (5, 131).getAlpha(), 0);
}

TEST (CustomLookAndFeel, ComboBoxShowsItsArrowByState)
{
    skintest::Overrides overrides;
    overrides.addSolid (SkinImageId::comboArrowNormal, juce::Colours::red);
    overrides.addSolid (SkinImageId::comboArrowDown, juce::Colours::green);
    overrides.addSolid (SkinImageId::comboArrowDisabled, juce::Colours::blue);
    CustomLookAndFeel skin;
    juce::ComboBox box;
    box.setSize (100, 21);

    const auto draw = [&] (bool down)
    {
        juce::Image image (juce::Image::ARGB, 100, 21, true);
        juce::Graphics g (image);
        skin.drawComboBox (g, 100, 21, down, 0, 0, 0, 0, box);
        return image;
    };

    EXPECT_EQ (draw (false).getPixelAt (82, 2), juce::Colours::red);
    EXPECT_EQ (draw (false).getPixelAt (97, 18), juce::Colours::red);
    EXPECT_EQ (draw (true).getPixelAt (90, 10), juce::Colours::green);
    box.setEnabled (false);
    EXPECT_EQ (draw (true).getPixelAt (90, 10), juce::Colours::blue);

    // The bevel: dark on the top and left, light on the bottom and right.
    const auto image = draw (false);
    EXPECT_LT (image.getPixelAt (40, 0).getBrightness(), image.getPixelAt (40, 20).getBrightness());
    EXPECT_LT (image.getPixelAt (0, 10).getBrightness(), image.getPixelAt (99, 10).getBrightness());
}

TEST (CustomLookAndFeel, HorizontalSliderThumbsSitAtTheirPositions)
{
    skintest::Overrides overrides;
    overrides.addSolid (SkinImageId::sliderThumbNormal, juce::Colours::red);
    overrides.addSolid (SkinImageId::valueThumbLeft, juce::Colours::green);
    overrides.addSolid (SkinImageId::valueThumbRight, juce::Colours::blue);
    overrides.addSolid (SkinImageId::rangeBar, juce::Colours::yellow);
    overrides.addSolid (SkinImageId::rangeThumbMin, juce::Colours::cyan);
    overrides.addSolid (SkinImageId::rangeThumbMax, juce::Colours::magenta);
    CustomLookAndFeel skin;
    juce::Slider slider (juce::Slider::LinearHorizontal, juce::Slider::NoTextBox);

    const auto draw = [&] (juce::Slider::SliderStyle style, float pos, float minPos, float maxPos)
    {
        juce::Image image (juce::Image::ARGB, 200, 20, true);
        juce::Graphics g (image);
        slider.setSliderStyle (style);
        skin.drawLinearSliderThumb (g, 0, 0, 200, 20, pos, minPos, maxPos, style, slider);
        return image;
    };

    const auto plain = draw (juce::Slider::LinearHorizontal, 50.0f, 0, 0);
    EXPECT_EQ (plain.getPixelAt (41, 5).getAlpha(), 0);
    EXPECT_EQ (plain.getPixelAt (42, 5), juce::Colours::red);
    EXPECT_EQ (plain.getPixelAt (56, 18), juce::Colours::red);
    EXPECT_EQ (plain.getPixelAt (57, 5).getAlpha(), 0);

    slider.setTopLeftPosition (125, 0);
    EXPECT_EQ (draw (juce::Slider::ThreeValueHorizontal, 30.0f, 0, 0).getPixelAt (30, 0), juce::Colours::green);
    slider.setTopLeftPosition (126, 0);
    EXPECT_EQ (draw (juce::Slider::ThreeValueHorizontal, 30.0f, 0, 0).getPixelAt (35, 17), juce::Colours::blue);

    const auto range = draw (juce::Slider::TwoValueHorizontal, 0, 20.0f, 80.0f);
    EXPECT_EQ (range.getPixelAt (20, 0), juce::Colours::cyan);
    EXPECT_EQ (range.getPixelAt (80, 17), juce::Colours::magenta);
    EXPECT_EQ (range.getPixelAt (50, 8), juce::Colours::yellow);
    EXPECT_EQ (range.getPixelAt (50, 12), juce::Colours::yellow);
    EXPECT_EQ (range.getPixelAt (50, 13).getAlpha(), 0);
    EXPECT_EQ (range.getPixelAt (50, 7).getAlpha(), 0);

    const auto closed = draw (juce::Slider::TwoValueHorizontal, 0, 40.0f, 40.4f);
    EXPECT_EQ (closed.getPixelAt (48, 10).getAlpha(), 0);
}

TEST (CustomLookAndFeel, SliderTextBoxIgnoresTheWheelAndTakesTheSlidersColours)
{
    CustomLookAndFeel skin;
    juce::Slider slider (juce::Slider::LinearHorizontal, juce::Slider::TextBoxRight);
    slider.setLookAndFeel (&skin);
    slider.setColour (juce::Slider::textBoxOutlineColourId, juce::Colours::red);

    std::unique_ptr<juce::Label> box (skin.createSliderTextBox (slider));
    ASSERT_NE (dynamic_cast<SliderLabelComp*> (box.get()), nullptr);
    EXPECT_EQ (box->getJustificationType(), juce::Justification::centred);
    EXPECT_EQ (box->findColour (juce::Label::textColourId), juce::Colour (0xffffffff));
    EXPECT_EQ (box->findColour (juce::Label::backgroundColourId), juce::Colour (0x99434343));
    EXPECT_EQ (box->findColour (juce::Label::outlineColourId), juce::Colours::red);

    slider.setSliderStyle (juce::Slider::LinearBar);
    std::unique_ptr<juce::Label> barBox (skin.createSliderTextBox (slider));
    EXPECT_EQ (barBox->findColour (juce::Label::backgroundColourId), juce::Colours::transparentBlack);
    EXPECT_EQ (barBox->findColour (juce::TextEditor::backgroundColourId).getAlpha(), juce::Colour (0x99434343).withAlpha (0.7f).getAlpha());
    slider.setLookAndFeel (nullptr);
}

TEST (CustomLookAndFeel, MenuBarItemIsLitOnlyWhenHoveredOrOpen)
{
    CustomLookAndFeel skin;
    const skintest::ScopedDefaultLookAndFeel scope (skin);
    juce::MenuBarComponent menuBar;
    menuBar.setSize (300, 23);

    const auto draw = [&] (bool over, bool open)
    {
        juce::Image image (juce::Image::ARGB, 60, 23, true);
        juce::Graphics g (image);
        skin.drawMenuBarItem (g, 60, 23, 0, "File", over, open, over, menuBar);
        return image;
    };

    const auto idle = draw (false, false);
    EXPECT_EQ (idle.getPixelAt (0, 0).getAlpha(), 0);

    for (const auto& lit : { draw (true, false), draw (false, true) })
    {
        EXPECT_EQ (lit.getPixelAt (0, 0), juce::Colour (185, 185, 185));
        EXPECT_EQ (lit.getPixelAt (0, 12), juce::Colour (185, 185, 185));
        EXPECT_EQ (lit.getPixelAt (59, 12), juce::Colour (41, 41, 41));
        EXPECT_EQ (lit.getPixelAt (30, 22), juce::Colour (41, 41, 41));
        EXPECT_LE (channelDistance (lit.getPixelAt (3, 3), juce::Colour (0x32080c1f)), 3);
    }
}
