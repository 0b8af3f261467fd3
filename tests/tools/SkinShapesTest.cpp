// Region outlines and the ownership they give: straight-line outlines that the renderer and the
// point test read alike, holes and islands, and the row-by-row ownership that masks are made from.

#include "SkinShapes.h"

#include <JuceTestPrinters.h>
#include <gtest/gtest.h>

using namespace juce;

namespace
{
float coverageAt (const Path& path, int x, int y, Rectangle<int> area)
{
    Image image (Image::SingleChannel, area.getWidth(), area.getHeight(), true);
    {
        Graphics g (image);
        g.setColour (Colours::white);
        g.fillPath (path, AffineTransform::translation ((float) -area.getX(), (float) -area.getY()));
    }
    return image.getPixelAt (x - area.getX(), y - area.getY()).getFloatAlpha();
}
} // namespace

TEST (SkinShapes, PolygonsKeepTheirAreaWhicheverWayTheCornersAreListedAndHolesCutThemOut)
{
    const std::vector<Point<float>> corners { { 10, 10 }, { 90, 10 }, { 90, 50 }, { 50, 50 }, { 50, 90 }, { 10, 90 } };
    auto backwards = corners;
    std::reverse (backwards.begin(), backwards.end());

    for (const auto& list : { corners, backwards })
    {
        auto p = SkinOutline::makePolygon (list, 6.0f, 4.0f);
        EXPECT_TRUE (p.contains (30.0f, 30.0f));
        EXPECT_TRUE (p.contains (80.0f, 20.0f));
        EXPECT_FALSE (p.contains (70.0f, 70.0f));
        // A convex corner is cut back, an inward one gets a fillet just outside the listed corner.
        EXPECT_FALSE (p.contains (89.5f, 10.5f));
        EXPECT_TRUE (p.contains (50.6f, 50.6f));
        EXPECT_FALSE (p.contains (52.5f, 52.5f));

        // A hole laid over the area cuts it out with non-zero winding, and only there.
        p.addPath (SkinOutline::makeRectangle ({ 20, 20, 20, 20 }, 2.0f, true));
        EXPECT_FALSE (p.contains (30.0f, 30.0f));
        EXPECT_TRUE (p.contains (15.0f, 30.0f));
    }

    // Discs and bands are straight lines close enough to their circles for the renderer: a pixel
    // just inside the arc is covered, one just outside is not.
    const auto band = SkinOutline::makeBand ({ 200.0f, 900.0f }, 794.0f, 834.0f, -0.15f, 0.15f);
    const Rectangle<int> area (100, 50, 200, 80);
    EXPECT_GT (coverageAt (band, 200, 67, area), 0.99f);     // the arc's top at y 66
    EXPECT_LT (coverageAt (band, 200, 65, area), 0.01f);
    EXPECT_TRUE (band.contains (200.0f, 90.0f));
    EXPECT_FALSE (band.contains (200.0f, 110.0f));
}

TEST (SkinShapes, ARegionSetGivesEachPointOneOwnerTheSameWayForPixelCentresAndOtherPoints)
{
    // A plate with a hole, an island inside that hole belonging to another region, and a third
    // outline that overlaps the plate: the earlier region owns the overlap.
    Path plate = SkinOutline::makeRectangle ({ 10, 10, 100, 60 }, 8.0f);
    plate.addPath (SkinOutline::makeRectangle ({ 40, 20, 30, 20 }, 3.0f, true));
    const Path island = SkinOutline::makeRectangle ({ 40, 20, 30, 20 }, 3.0f);
    const Path overlapping = SkinOutline::makeDisc ({ 110.0f, 40.0f }, 20.0f);

    const SkinRegionSet set ({ 0, 0, 140, 80 }, { { plate, { 0, 0, 120, 80 } }, { island, { 30, 10, 50, 40 } }, { overlapping, { 80, 10, 60, 60 } } });
    ASSERT_EQ (set.getNumShapes(), 3);
    EXPECT_EQ (set.getImageArea (1), Rectangle<int> (30, 10, 50, 40));

    EXPECT_EQ (set.findShapeAt ({ 20.5f, 40.5f }), 0);
    EXPECT_EQ (set.findShapeAt ({ 55.5f, 30.5f }), 1);
    EXPECT_EQ (set.findShapeAt ({ 105.5f, 40.5f }), 0);     // both outlines: the earlier wins
    EXPECT_EQ (set.findShapeAt ({ 125.5f, 40.5f }), 2);
    EXPECT_EQ (set.findShapeAt ({ 5.5f, 5.5f }), -1);
    EXPECT_EQ (set.findShapeAt ({ 200.5f, 40.5f }), -1);    // outside the box

    // Pixel centres come from the ownership worked out row by row; any other point is tested on
    // the spot. Both must agree with the outlines' own point test everywhere.
    Random random (7);

    for (int i = 0; i < 4000; ++i)
    {
        const auto centre = i % 2 == 0;
        const Point<float> p (centre ? (float) random.nextInt (140) + 0.5f : random.nextFloat() * 140.0f,
                              centre ? (float) random.nextInt (80) + 0.5f : random.nextFloat() * 80.0f);
        auto expected = -1;
        bool onAnEdge = false;

        for (int r = 0; r < 3; ++r)
        {
            const auto shape = set.getShape (r);

            // A point on an outline may fall either way.
            for (auto d : { Point<float> (0.01f, 0.0f), Point<float> (-0.01f, 0.0f), Point<float> (0.0f, 0.01f), Point<float> (0.0f, -0.01f) })
                onAnEdge = onAnEdge || shape.contains (p + d) != shape.contains (p);

            if (expected < 0 && shape.contains (p))
                expected = r;
        }

        if (! onAnEdge)
        {
            EXPECT_EQ (set.findShapeAt (p), expected) << p.toString();
        }
    }
}
