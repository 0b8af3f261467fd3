#include "SkinRecipes.h"

#include "SkinPainter.h"

using namespace juce;

namespace
{
int sliceColumn (Part part) noexcept { return ((int) part - (int) Part::topLeft) % 3; }
int sliceRow (Part part) noexcept    { return ((int) part - (int) Part::topLeft) / 3; }

// The x of the point of an overlay panel's top edge: under the centre of the strip button that opens it.
int notchXFor (Recipe recipe) noexcept
{
    return recipe == Recipe::settingsPanelFrame ? 462 : 66;
}

Image blankImage (int width, int height)
{
    return Image (Image::ARGB, jmax (1, width), jmax (1, height), true, SoftwareImageType());
}
} // namespace

bool isSlicePart (Part part) noexcept
{
    return (int) part >= (int) Part::topLeft && (int) part <= (int) Part::bottomRight;
}

Rectangle<int> SliceGrid::getPieceArea (Part part) const
{
    const auto column = sliceColumn (part);
    const auto row = sliceRow (part);
    int x = 0, y = 0;

    for (int i = 0; i < column; ++i) x += columnWidths[i];
    for (int i = 0; i < row; ++i)    y += rowHeights[i];

    return { x, y, columnWidths[column], rowHeights[row] };
}

Result findSliceGrid (Recipe recipe, SliceGrid& grid)
{
    grid = {};
    int first = -1, last = -1, count = 0;
    auto previousPart = -1;

    for (int i = 0; i < numSkinImageRecipes; ++i)
    {
        const auto& r = skinImageRecipes[i];

        if (r.recipe != recipe)
            continue;

        const String name (r.id);

        if (! isSlicePart (r.part))
            return Result::fail (name + ": a sliced picture has only frame pieces");

        if ((int) r.part <= previousPart)
            return Result::fail (name + ": frame pieces must be listed in reading order");

        if (first >= 0 && i != last + 1)
            return Result::fail (name + ": frame pieces must stand one after the other");

        auto& width = grid.columnWidths[sliceColumn (r.part)];
        auto& height = grid.rowHeights[sliceRow (r.part)];

        if ((width != 0 && width != r.width) || (height != 0 && height != r.height))
            return Result::fail (name + ": pieces of one column must share a width and of one row a height");

        width = r.width;
        height = r.height;
        previousPart = (int) r.part;
        first = first < 0 ? i : first;
        last = i;
        ++count;
    }

    if (count == 0)
        return Result::fail ("no pieces");

    // A frame that starts with a corner is a whole nine-piece frame: the program draws it from its
    // first id on.
    if (skinImageRecipes[first].part == Part::topLeft && count != 9)
        return Result::fail (String (skinImageRecipes[first].id) + ": a frame needs all nine pieces");

    return Result::ok();
}

Image renderSlicedPicture (Recipe recipe, const SliceGrid& grid)
{
    auto canvas = blankImage (grid.getWidth(), grid.getHeight());

    switch (recipe)
    {
        case Recipe::windowFrame:        paintWindowFrame (canvas, grid); break;
        case Recipe::cardPanelFrame:
        case Recipe::settingsPanelFrame: paintPanelFrame (canvas, grid, notchXFor (recipe)); break;
        case Recipe::alertFrame:         paintAlertFrame (canvas, grid); break;
        case Recipe::progressBar:        paintProgressBar (canvas, grid, Accent::ui); break;
        default:                         jassertfalse; break;
    }

    return canvas;
}

Image renderSkinImage (const SkinImageRecipe& r)
{
    jassert (! isSlicePart (r.part));
    auto image = blankImage (r.width, r.height);

    switch (r.recipe)
    {
        case Recipe::titleButton:     paintTitleButton (image, r); break;
        case Recipe::sliderTrack:     paintSliderTrack (image, r); break;
        case Recipe::sliderThumb:     paintSliderThumb (image, r); break;
        case Recipe::valueThumb:      paintValueThumb (image, r); break;
        case Recipe::rangeBar:        paintRangeBar (image, r); break;
        case Recipe::rangeThumb:      paintRangeThumb (image, r); break;
        case Recipe::focusHighlight:  paintFocusHighlight (image, r); break;
        case Recipe::comboArrow:      paintComboArrow (image, r); break;
        case Recipe::wideComboButton: paintWideComboButton (image, r); break;
        case Recipe::scrollButton:    paintScrollButton (image, r); break;
        case Recipe::scrollTrack:     paintScrollTrack (image, r); break;
        case Recipe::scrollThumb:     paintScrollThumb (image, r); break;
        case Recipe::appIcon:         paintAppIcon (image, r); break;
        case Recipe::stripButton:     paintStripButton (image, r); break;
        case Recipe::separator:       paintSeparator (image, r); break;
        case Recipe::cardPicture:     paintCardPicture (image, r); break;
        case Recipe::panelButton:     paintPanelButton (image, r); break;
        case Recipe::checkBox:        paintCheckBox (image, r); break;
        case Recipe::windowFrame:
        case Recipe::cardPanelFrame:
        case Recipe::settingsPanelFrame:
        case Recipe::alertFrame:
        case Recipe::progressBar:
        default:                      jassertfalse; break;
    }

    return image;
}
