// Hit masks against the artworks they are made for: on the real list, and on small fixtures that show
// the checks catch a shifted mask, a half-painted shape, two masks of one shape and a missing one.

#include "RenderedSkinList.h"
#include "SkinShapes.h"

#include <JuceTestPrinters.h>
#include <gtest/gtest.h>

#include <map>

using namespace juce;

namespace
{
// A pixel whose centre lies outside a shape whose edge is nearly straight at pixel scale is less than
// half covered by the shape, so the smoothed edge of an artwork can reach alpha 128 on a pixel its
// mask leaves clear; 144 allows for the renderer's rounding and the curve of the arcs. A wider
// allowance would let a mask shifted by a pixel pass.
constexpr int maxAlphaBesideMask = 144;

bool isOpaqueMaskPixel (const Image& mask, int x, int y)
{
    return isPositiveAndBelow (x, mask.getWidth()) && isPositiveAndBelow (y, mask.getHeight())
        && mask.getPixelAt (x, y).getAlpha() == 255;
}

bool touchesOpaqueMaskPixel (const Image& mask, int x, int y)
{
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (isOpaqueMaskPixel (mask, x + dx, y + dy))
                return true;

    return false;
}

/** Empty when the mask is a hit mask for the artwork: only fully clear or fully opaque pixels; the
    artwork shows (alpha > 0) on every opaque one; and off the mask the artwork is clear, but for the
    smoothed edge on pixels beside the mask. Otherwise the first offending pixel. */
String findMaskMismatch (const Image& artwork, const Image& mask)
{
    if (artwork.getBounds() != mask.getBounds())
        return "sizes differ";

    for (int y = 0; y < mask.getHeight(); ++y)
    {
        for (int x = 0; x < mask.getWidth(); ++x)
        {
            const auto maskAlpha = mask.getPixelAt (x, y).getAlpha();
            const auto artAlpha = artwork.getPixelAt (x, y).getAlpha();
            const auto at = [x, y] { return " at (" + String (x) + ", " + String (y) + ")"; };

            if (maskAlpha != 0 && maskAlpha != 255)
                return "mask has partial alpha " + String (maskAlpha) + at();

            if (maskAlpha == 255 && artAlpha == 0)
                return "mask is opaque where the artwork is clear" + at();

            if (maskAlpha == 0 && artAlpha > (touchesOpaqueMaskPixel (mask, x, y) ? maxAlphaBesideMask : 0))
                return "artwork has alpha " + String (artAlpha) + " where the mask is clear" + at();
        }
    }

    return {};
}

struct PlacedMask
{
    int shape;
    Image image;
};

/** Empty when the masks of a box never claim one pixel twice and together fill the box's outline:
    every pixel whose centre and neighbours' centres lie inside the outline has a mask, every pixel
    whose centre and neighbours' centres lie outside has none (the pixels the outline crosses can go
    either way). Otherwise the first offending pixel. */
String findOverlapOrGap (const SkinShapeBox& box, const std::vector<PlacedMask>& masks)
{
    const auto bounds = box.getBounds();
    std::vector<int> claims ((size_t) (bounds.getWidth() * bounds.getHeight()), 0);

    for (const auto& m : masks)
    {
        const auto area = box.getImageArea (m.shape);

        for (int y = 0; y < m.image.getHeight(); ++y)
            for (int x = 0; x < m.image.getWidth(); ++x)
                if (m.image.getPixelAt (x, y).getAlpha() != 0 && bounds.contains (area.getX() + x, area.getY() + y))
                    ++claims[(size_t) ((area.getY() + y) * bounds.getWidth() + area.getX() + x)];
    }

    // Which pixel centres lie inside the outline, with a one-pixel border round the box.
    const auto outline = box.getOutline();
    const auto stride = bounds.getWidth() + 2;
    std::vector<bool> centreInside ((size_t) (stride * (bounds.getHeight() + 2)));

    for (int y = -1; y <= bounds.getHeight(); ++y)
        for (int x = -1; x <= bounds.getWidth(); ++x)
            centreInside[(size_t) ((y + 1) * stride + x + 1)] = outline.contains ((float) x + 0.5f, (float) y + 0.5f);

    const auto inside = [&] (int x, int y) { return (bool) centreInside[(size_t) ((y + 1) * stride + x + 1)]; };

    for (int y = 0; y < bounds.getHeight(); ++y)
    {
        for (int x = 0; x < bounds.getWidth(); ++x)
        {
            const auto count = claims[(size_t) (y * bounds.getWidth() + x)];
            const auto at = [x, y] { return " at (" + String (x) + ", " + String (y) + ")"; };
            bool allInside = true, allOutside = true;

            for (int dy = -1; dy <= 1; ++dy)
            {
                for (int dx = -1; dx <= 1; ++dx)
                {
                    const auto in = inside (x + dx, y + dy);
                    allInside = allInside && in;
                    allOutside = allOutside && ! in;
                }
            }

            if (count > 1)
                return String (count) + " masks claim the pixel" + at();

            if (allInside && count == 0)
                return "no mask covers the pixel" + at();

            if (allOutside && count != 0)
                return "a mask reaches outside the box's outline" + at();
        }
    }

    return {};
}

Image shifted (const Image& image, int dx)
{
    Image result (Image::ARGB, image.getWidth(), image.getHeight(), true);
    Graphics g (result);
    g.drawImageAt (image, dx, 0);
    return result;
}

//==============================================================================
// Fixtures: a ring of three segments in a 60x60 box, one painter that paints over the whole image
// (the generator must keep it inside the shape) and one that leaves half of its shape bare.
const SkinRingSegments fixtureRing ({ { 0, 0, 60, 60 }, { 30.0f, 30.0f }, 28.0f, 28.0f, 0.4f, 0.0f,
                                      MathConstants<float>::twoPi, 3 });

SkinShape fixtureShape (const SkinImageRecipe& r) { return { &fixtureRing, (int) r.part - (int) Part::segment1 }; }

void paintEverywhere (Image& image, const SkinImageRecipe&)
{
    Graphics g (image);
    g.fillAll (Colours::orange);
}

void paintLeftHalf (Image& image, const SkinImageRecipe& r)
{
    Graphics g (image);
    g.reduceClipRegion (0, 0, image.getWidth() / 2, image.getHeight());
    g.setColour (Colours::orange);
    g.fillPath (getShapeOutline (r));
}

const SkinRecipeRegistration fixtureRecipes {
    SkinRecipe::shaped ("fixtureRingEverywhere", paintEverywhere, fixtureShape),
    SkinRecipe::shaped ("fixtureRingLeftHalf", paintLeftHalf, fixtureShape),
};

SkinListLine fixtureSegment (const char* id, const char* recipe, Part part)
{
    return { id, 60, 60, recipe, part, State::normal, "buttonStates", Accent::ui, nullptr, "fixture" };
}

SkinListLine fixtureMask (const char* id, const char* artwork)
{
    return { id, 0, 0, "", Part::whole, State::normal, nullptr, Accent::ui, artwork, "fixture mask" };
}

/** The masks of an expanded list, grouped by the box whose shapes they show (drawn here unless
    they come drawn). */
std::map<const SkinShapeBox*, std::vector<PlacedMask>> masksByBox (const std::vector<SkinImageRecipe>& images,
                                                                   const std::vector<Image>* drawn = nullptr)
{
    std::map<const SkinShapeBox*, std::vector<PlacedMask>> boxes;

    for (size_t i = 0; i < images.size(); ++i)
        if (images[i].maskOf >= 0)
            boxes[findSkinShape (images[i]).box].push_back ({ findSkinShape (images[i]).index,
                                                              drawn != nullptr ? (*drawn)[i] : renderSkinImage (images[i]) });

    return boxes;
}
} // namespace

//==============================================================================
TEST (SkinMaskDerivation, EveryListedMaskIsOpaqueExactlyWhereEachVariantOfItsArtworkIs)
{
    const auto& list = getRenderedSkinList();
    ASSERT_EQ (list.error, String());
    const auto& images = list.recipes;
    int masks = 0;

    for (size_t m = 0; m < images.size(); ++m)
    {
        const auto& mask = images[m];

        if (mask.maskOf < 0)
            continue;

        ++masks;
        const auto& artworkLine = images[(size_t) mask.maskOf].line;

        for (size_t a = 0; a < images.size(); ++a)
        {
            if (images[a].line == artworkLine)
            {
                EXPECT_EQ (findMaskMismatch (list.images[a], list.images[m]), String()) << mask.id << " against " << images[a].id;
            }
        }
    }

    // The Scene dial's ten segments at least: the derivation must run on real lines.
    EXPECT_GE (masks, 10);
}

TEST (SkinMaskDerivation, ListedMasksOfOneBoxAreDisjointAndTogetherCoverItsOutline)
{
    const auto& list = getRenderedSkinList();
    ASSERT_EQ (list.error, String());
    const auto boxes = masksByBox (list.recipes, &list.images);
    EXPECT_GE (boxes.size(), 2u);

    for (const auto& [box, masks] : boxes)
    {
        EXPECT_EQ ((int) masks.size(), box->getNumShapes());
        EXPECT_EQ (findOverlapOrGap (*box, masks), String());
    }
}

TEST (SkinMaskDerivation, TheChecksCatchMasksThatDoNotFitTheirArtwork)
{
    std::vector<SkinImageRecipe> images;
    ASSERT_EQ (expandSkinList ({ fixtureSegment ("spill", "fixtureRingEverywhere", Part::segment2),
                                 fixtureMask ("spillMask", "spill"),
                                 fixtureSegment ("half", "fixtureRingLeftHalf", Part::segment1),
                                 fixtureMask ("halfMask", "half") }, images).getErrorMessage(), String());

    // Paint outside the shape is cut off: the mask still fits every variant.
    const auto spillMask = renderSkinImage (images[(size_t) findSkinImage (images, "spillMask")]);
    const auto spillOver = renderSkinImage (images[(size_t) findSkinImage (images, "spillOver")]);
    EXPECT_EQ (findMaskMismatch (spillOver, spillMask), String());
    EXPECT_EQ (spillOver.getPixelAt (2, 2).getAlpha(), 0);

    // A mask one pixel off its artwork, either way, and a shape left half bare.
    EXPECT_NE (findMaskMismatch (spillOver, shifted (spillMask, 1)), String());
    EXPECT_NE (findMaskMismatch (spillOver, shifted (spillMask, -1)), String());
    EXPECT_NE (findMaskMismatch (renderSkinImage (images[(size_t) findSkinImage (images, "halfNormal")]),
                                 renderSkinImage (images[(size_t) findSkinImage (images, "halfMask")])), String());
}

TEST (SkinMaskDerivation, TheChecksCatchAShapeMaskedTwiceAndAShapeLeftWithoutMask)
{
    std::vector<SkinImageRecipe> images;
    ASSERT_EQ (expandSkinList ({ fixtureSegment ("a", "fixtureRingEverywhere", Part::segment1),
                                 fixtureSegment ("b", "fixtureRingEverywhere", Part::segment2),
                                 fixtureSegment ("c", "fixtureRingEverywhere", Part::segment3),
                                 fixtureMask ("aMask", "a"), fixtureMask ("bMask", "b"), fixtureMask ("cMask", "c"),
                                 fixtureMask ("bMaskAgain", "b") }, images).getErrorMessage(), String());

    auto masks = masksByBox (images)[&fixtureRing];
    ASSERT_EQ (masks.size(), 4u);
    EXPECT_TRUE (findOverlapOrGap (fixtureRing, masks).contains ("2 masks claim"));

    masks.pop_back();
    EXPECT_EQ (findOverlapOrGap (fixtureRing, masks), String());

    masks.pop_back();
    EXPECT_TRUE (findOverlapOrGap (fixtureRing, masks).contains ("no mask covers"));
}
