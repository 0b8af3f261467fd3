// The skin list's expansion and checks, the generator's determinism and the contact sheet's layout.

#include "SkinContactSheet.h"
#include "RenderedSkinList.h"

#include <JuceTestPrinters.h>
#include <gtest/gtest.h>

using namespace juce;

namespace
{
SkinListLine image (const char* id, int w, int h, const char* recipe, Part part = Part::whole)
{
    return { id, w, h, recipe, part, State::normal, nullptr, Accent::ui, nullptr, "test" };
}

SkinListLine variants (const char* id, int w, int h, const char* recipe, const char* set, Part part = Part::whole)
{
    return { id, w, h, recipe, part, State::normal, set, Accent::ui, nullptr, "test" };
}

SkinListLine mask (const char* id, const char* artwork)
{
    return { id, 0, 0, "", Part::whole, State::normal, nullptr, Accent::ui, artwork, "test" };
}

String expansionError (const std::vector<SkinListLine>& lines)
{
    std::vector<SkinImageRecipe> images;
    return expandSkinList (lines, images).getErrorMessage();
}
} // namespace

TEST (SkinList, MistakesInTheListFailWithTheLineNamed)
{
    struct Case { std::vector<SkinListLine> lines; const char* message; };

    std::vector<SkinImageRecipe> images;
    EXPECT_EQ (expandSkinList (getSkinListLines(), images).getErrorMessage(), String());

    const Case cases[] {
        { { image ("a", 8, 8, "noSuchRecipe") }, "a: no painter file registers a recipe named noSuchRecipe" },
        { { variants ("b", 8, 8, "panelButton", "noSuchSet") }, "b: there is no variant set named noSuchSet" },
        { { image ("c", 0, 8, "panelButton") }, "c has no size" },
        { { mask ("dMask", "d"), variants ("d", 319, 180, "sceneUpperDial", "buttonStates", Part::segment1) }, "must be listed before it" },
        { { image ("e", 84, 28, "panelButton"), mask ("eMask", "e") }, "e is not drawn from a shape" },
        { { image ("panelButtonOver", 84, 28, "panelButton"), variants ("panelButton", 84, 28, "panelButton", "buttonStates") },
          "panelButtonOver is listed twice" },
        { { variants ("f", 320, 180, "sceneUpperDial", "buttonStates", Part::segment1) }, "fNormal: its size differs from its shape's image area" },
        { { variants ("g", 319, 180, "sceneUpperDial", "buttonStates", Part::sync) }, "gNormal: its part is not a shape" },
        { { image ("h", 8, 8, "panelButton", Part::topLeft) }, "h: frame pieces, and only they" },
        { { image ("i", 8, 8, "alertFrame", Part::topLeft), image ("j", 8, 8, "alertFrame", Part::top) }, "a frame needs all nine pieces" },
    };

    for (const auto& c : cases)
        EXPECT_TRUE (expansionError (c.lines).contains (c.message)) << "expected \"" << c.message << "\", got \"" << expansionError (c.lines) << "\"";
}

TEST (SkinList, DrawingTheListTwiceGivesTheSameBytes)
{
    const auto& list = getRenderedSkinList();
    ASSERT_EQ (list.error, String());
    const auto& images = list.recipes;
    const auto& first = list.images;
    const auto second = renderSkinImages (images);
    ASSERT_EQ (first.size(), images.size());
    PNGImageFormat png;

    for (size_t i = 0; i < images.size(); ++i)
    {
        MemoryOutputStream a, b;
        ASSERT_TRUE (png.writeImageToStream (first[i], a));
        ASSERT_TRUE (png.writeImageToStream (second[i], b));
        EXPECT_TRUE (a.getMemoryBlock() == b.getMemoryBlock()) << images[i].id;
    }
}

TEST (SkinContactSheet, ImagesAreEnlargedWhereTheyFitAndScaledDownWhereTheyDoNotButNeverCut)
{
    const std::vector<Rectangle<int>> sizes { { 16, 16 }, { 600, 100 }, { 910, 470 }, { 2000, 300 }, { 1024, 10 }, { 300, 40 } };
    const auto places = layoutSkinContactSheetFlow (sizes, 1024, 12, 2);
    ASSERT_EQ (places.size(), sizes.size());

    EXPECT_EQ (places[0].getWidth(), 32);
    EXPECT_EQ (places[1].getWidth(), 600);
    EXPECT_EQ (places[2].getWidth(), 910);
    EXPECT_EQ (places[3].getWidth(), 1024);
    EXPECT_EQ (places[4].getWidth(), 1024);
    EXPECT_EQ (places[5].getWidth(), 600);

    for (size_t i = 0; i < places.size(); ++i)
    {
        EXPECT_GE (places[i].getX(), 0);
        EXPECT_LE (places[i].getRight(), 1024);
        // The shape of the picture is kept, to the pixel.
        EXPECT_NEAR ((double) places[i].getHeight(), (double) sizes[i].getHeight() * places[i].getWidth() / sizes[i].getWidth(), 1.0);

        for (size_t j = 0; j < i; ++j)
            EXPECT_FALSE (places[i].intersects (places[j])) << i << " overlaps " << j;
    }
}
