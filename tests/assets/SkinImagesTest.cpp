#include "assets/SkinImages.h"
#include "ImageCompare.h"

#include <gtest/gtest.h>

#include <cstring>

namespace
{
juce::Image solid (int w, int h, juce::Colour colour)
{
    juce::Image image (juce::Image::ARGB, w, h, false);
    image.clear (image.getBounds(), colour);
    return image;
}

/** The largest colour step between a row (or column) of one image and one of another. */
int rowDifference (const juce::Image& a, int rowA, const juce::Image& b, int rowB)
{
    int worst = 0;

    for (int x = 0; x < juce::jmin (a.getWidth(), b.getWidth()); ++x)
        worst = juce::jmax (worst, channelDistance (a.getPixelAt (x, rowA), b.getPixelAt (x, rowB)));

    return worst;
}

int columnDifference (const juce::Image& a, int columnA, const juce::Image& b, int columnB)
{
    int worst = 0;

    for (int y = 0; y < juce::jmin (a.getHeight(), b.getHeight()); ++y)
        worst = juce::jmax (worst, channelDistance (a.getPixelAt (columnA, y), b.getPixelAt (columnB, y)));

    return worst;
}

bool hasRole (SkinImageId id, const char* text)
{
    return std::strstr (SkinImages::getInfo (id).role, text) != nullptr;
}

// Stretched pieces must meet the pieces they stretch between without a visible step.
constexpr int seamTolerance = 6;
} // namespace

TEST (SkinImages, EveryListedImageDecodesAtItsListedSizeAndIsNotBlank)
{
    for (int i = 0; i < numSkinImages; ++i)
    {
        const auto id = (SkinImageId) i;
        const auto& info = SkinImages::getInfo (id);
        const auto image = SkinImages::get (id);

        ASSERT_TRUE (image.isValid()) << info.name;
        EXPECT_EQ (image.getWidth(), info.width) << info.name;
        EXPECT_EQ (image.getHeight(), info.height) << info.name;

        bool anyInk = false;

        for (int y = 0; y < image.getHeight() && ! anyInk; ++y)
            for (int x = 0; x < image.getWidth() && ! anyInk; ++x)
                anyInk = image.getPixelAt (x, y).getAlpha() > 0;

        EXPECT_TRUE (anyInk) << info.name << " is fully transparent";
    }
}

TEST (SkinImages, IdsOutsideTheListGiveNullImages)
{
    EXPECT_FALSE (SkinImages::get ((SkinImageId) numSkinImages).isValid());
    EXPECT_FALSE (SkinImages::get ((SkinImageId) -1).isValid());
    EXPECT_EQ (SkinImages::getInfo ((SkinImageId) numSkinImages).width, 0);
}

TEST (SkinImages, PiecesStretchedAlongABarAreUniformAlongIt)
{
    // Scroll-bar tracks and thumbs, the range bar and the progress middle are stretched to any
    // length: any variation along that length would smear into streaks.
    for (int i = 0; i < numSkinImages; ++i)
    {
        const auto id = (SkinImageId) i;
        const auto image = SkinImages::get (id);
        const bool vertical = hasRole (id, "vertical scroll-bar t");
        const bool horizontal = hasRole (id, "horizontal scroll-bar t") || hasRole (id, "stretched across");

        for (int y = 1; vertical && y < image.getHeight(); ++y)
            EXPECT_EQ (rowDifference (image, 0, image, y), 0) << SkinImages::getInfo (id).name << " row " << y;

        for (int x = 1; horizontal && x < image.getWidth(); ++x)
            EXPECT_EQ (columnDifference (image, 0, image, x), 0) << SkinImages::getInfo (id).name << " column " << x;
    }
}

TEST (SkinImages, StretchedMiddlePiecesContinueTheirNeighbours)
{
    // A one-pixel middle row (or column) is repeated over the whole stretch: it must carry on the rows
    // (columns) beside it, or a band edge shows where the stretch begins.
    for (auto topLeft : { SkinImageId::windowTopLeft, SkinImageId::cardPanelTopLeft, SkinImageId::settingsPanelTopLeft,
                          SkinImageId::alertTopLeft })
    {
        juce::Image p[9];

        for (int i = 0; i < 9; ++i)
            p[i] = SkinImages::get ((SkinImageId) ((int) topLeft + i));

        const auto name = SkinImages::getInfo (topLeft).name;
        ASSERT_EQ (p[4].getHeight(), 1) << name;

        for (int column = 0; column < 3; ++column)
        {
            const auto& top = p[column];
            const auto& middle = p[3 + column];
            const auto& bottom = p[6 + column];
            EXPECT_LE (rowDifference (top, top.getHeight() - 1, middle, 0), seamTolerance) << name << " column " << column;
            EXPECT_LE (rowDifference (middle, 0, bottom, 0), seamTolerance) << name << " column " << column;
        }

        if (p[4].getWidth() == 1)
        {
            for (int row = 0; row < 3; ++row)
            {
                EXPECT_LE (columnDifference (p[row * 3], p[row * 3].getWidth() - 1, p[row * 3 + 1], 0), seamTolerance) << name << " row " << row;
                EXPECT_LE (columnDifference (p[row * 3 + 1], 0, p[row * 3 + 2], 0), seamTolerance) << name << " row " << row;
            }
        }
    }

    const auto left = SkinImages::get (SkinImageId::progressLeft);
    const auto middle = SkinImages::get (SkinImageId::progressMiddle);
    const auto right = SkinImages::get (SkinImageId::progressRight);
    EXPECT_LE (columnDifference (left, left.getWidth() - 1, middle, 0), seamTolerance);
    EXPECT_LE (columnDifference (middle, 0, right, 0), seamTolerance);
}

TEST (SkinImages, AnOverrideReplacesAnImageUntilItEnds)
{
    const auto original = SkinImages::get (SkinImageId::appIcon);
    {
        const SkinImages::ScopedOverride outer (SkinImageId::appIcon, solid (16, 16, juce::Colours::red));
        EXPECT_EQ (SkinImages::get (SkinImageId::appIcon).getPixelAt (8, 8), juce::Colours::red);
        {
            const SkinImages::ScopedOverride inner (SkinImageId::appIcon, solid (16, 16, juce::Colours::blue));
            EXPECT_EQ (SkinImages::get (SkinImageId::appIcon).getPixelAt (8, 8), juce::Colours::blue);
        }
        EXPECT_EQ (SkinImages::get (SkinImageId::appIcon).getPixelAt (8, 8), juce::Colours::red);
    }
    EXPECT_EQ (SkinImages::get (SkinImageId::appIcon).getPixelAt (8, 8), original.getPixelAt (8, 8));
}

TEST (SkinImages, AFrameKeepsItsCornersAndStretchesTheRest)
{
    const juce::Colour colours[9] { juce::Colour (0xff100000), juce::Colour (0xff200000), juce::Colour (0xff300000),
                                    juce::Colour (0xff001000), juce::Colour (0xff002000), juce::Colour (0xff003000),
                                    juce::Colour (0xff000010), juce::Colour (0xff000020), juce::Colour (0xff000030) };
    std::vector<std::unique_ptr<SkinImages::ScopedOverride>> overrides;

    for (int i = 0; i < 9; ++i)
    {
        const auto id = (SkinImageId) ((int) SkinImageId::alertTopLeft + i);
        const auto& info = SkinImages::getInfo (id);
        overrides.push_back (std::make_unique<SkinImages::ScopedOverride> (id, solid (info.width, info.height, colours[i])));
    }

    // The alert window: corners 20 x 12, so edges 510 wide and 136 high.
    juce::Image canvas (juce::Image::ARGB, 560, 170, true);
    {
        juce::Graphics g (canvas);
        SkinImages::drawFrame (g, SkinImageId::alertTopLeft, { 5, 5, 550, 160 });
    }

    struct Probe { int x, y, piece; };

    for (const auto& p : { Probe { 5, 5, 0 },     Probe { 24, 16, 0 },   Probe { 25, 5, 1 },   Probe { 534, 16, 1 },
                           Probe { 535, 5, 2 },   Probe { 554, 16, 2 },  Probe { 5, 17, 3 },   Probe { 24, 152, 3 },
                           Probe { 25, 17, 4 },   Probe { 534, 152, 4 }, Probe { 535, 17, 5 }, Probe { 554, 152, 5 },
                           Probe { 5, 153, 6 },   Probe { 24, 164, 6 },  Probe { 25, 153, 7 }, Probe { 534, 164, 7 },
                           Probe { 535, 153, 8 }, Probe { 554, 164, 8 } })
        EXPECT_EQ (canvas.getPixelAt (p.x, p.y), colours[p.piece]) << p.x << ", " << p.y;

    EXPECT_EQ (canvas.getPixelAt (4, 4).getAlpha(), 0);
    EXPECT_EQ (canvas.getPixelAt (555, 165).getAlpha(), 0);
}

TEST (SkinImages, StretchedOnePixelPiecesKeepFullColourToTheirEdges)
{
    // Smoothing a one-pixel row would blend it with the transparent outside and fade its borders.
    juce::Image canvas (juce::Image::ARGB, 40, 60, true);
    {
        juce::Graphics g (canvas);
        SkinImages::drawStretched (g, solid (10, 1, juce::Colours::orange), { 3, 4, 30, 50 });
        SkinImages::drawStretched (g, solid (1, 1, juce::Colours::cyan), { 35, 0, 5, 60 });
    }

    for (auto [x, y] : { std::pair { 3, 4 }, std::pair { 32, 4 }, std::pair { 3, 53 }, std::pair { 32, 53 }, std::pair { 17, 30 } })
        EXPECT_EQ (canvas.getPixelAt (x, y), juce::Colours::orange) << x << ", " << y;

    EXPECT_EQ (canvas.getPixelAt (35, 0), juce::Colours::cyan);
    EXPECT_EQ (canvas.getPixelAt (39, 59), juce::Colours::cyan);
    EXPECT_EQ (canvas.getPixelAt (2, 4).getAlpha(), 0);
}

TEST (SkinImages, AVariantOfALineIsFoundThroughItsSet)
{
    EXPECT_EQ (SkinImageSets::panelButton[SkinButtonState::over], SkinImageId::panelButtonOver);
    EXPECT_EQ (SkinImageSets::checkBox[SkinCheckState::tickedDisabled], SkinImageId::checkBoxTickedDisabled);
    EXPECT_EQ (SkinImageSets::stripSync[SkinPressState::down], SkinImageId::stripSyncDown);
    EXPECT_EQ (SkinImageSets::sceneEffect10.size, 4);

    // The body colours in the order of the body-colour index, each its own picture.
    const juce::String names[] { "bodyBlack", "bodyWhite", "bodyPlatinum" };
    juce::Image bodies[3];

    for (int colour = 0; colour < 3; ++colour)
    {
        const auto id = SkinImageSets::body[(SkinBodyColour) colour];
        EXPECT_EQ (juce::String (SkinImages::getInfo (id).name), names[colour]);
        bodies[colour] = SkinImages::get (id);
        ASSERT_TRUE (bodies[colour].isValid());
    }

    for (int a = 0; a < 3; ++a)
        for (int b = a + 1; b < 3; ++b)
            EXPECT_GT (channelDistance (bodies[a].getPixelAt (60, 45), bodies[b].getPixelAt (60, 45)), 40) << names[a] << " and " << names[b];
}

TEST (SkinImages, TheSceneKeysComeWithTheAreaTheirCaptionsGoIn)
{
    // The panel sets each Scene key's text rectangle from its picture; pictures without a caption
    // of their own have none.
    using namespace SkinImageSets;
    const SkinImageSet<SkinButtonState> keys[] { sceneEffect1, sceneEffect2, sceneEffect3, sceneEffect4, sceneEffect5,
                                                 sceneEffect6, sceneEffect7, sceneEffect8, sceneEffect9, sceneEffect10 };

    for (const auto& key : keys)
    {
        const auto& info = SkinImages::getInfo (key[SkinButtonState::normal]);
        const juce::Rectangle<int> area (info.textArea.x, info.textArea.y, info.textArea.width, info.textArea.height);
        EXPECT_FALSE (area.isEmpty()) << info.name;
        EXPECT_TRUE (juce::Rectangle<int> (info.width, info.height).contains (area)) << info.name;

        // Every face of a key keeps its caption in the same place.
        const auto& down = SkinImages::getInfo (key[SkinButtonState::down]).textArea;
        EXPECT_EQ (juce::Rectangle<int> (down.x, down.y, down.width, down.height), area) << info.name;
    }

    EXPECT_EQ (SkinImages::getInfo (SkinImageId::panelButtonNormal).textArea.width, 0);
    EXPECT_EQ (SkinImages::getInfo (SkinImageId::sceneEffect1Mask).textArea.width, 0);
}
