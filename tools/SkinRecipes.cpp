#include "SkinRecipes.h"

#include "SkinShapes.h"

#include <vector>

using namespace juce;

namespace
{
std::vector<SkinRecipe>& recipeTable()
{
    // Function-local, so registrations from other files' static objects always find it built.
    static std::vector<SkinRecipe> recipes;
    return recipes;
}

StringArray& doublyRegisteredNames()
{
    static StringArray names;
    return names;
}

int sliceColumn (Part part) noexcept { return ((int) part - (int) Part::topLeft) % 3; }
int sliceRow (Part part) noexcept    { return ((int) part - (int) Part::topLeft) / 3; }

Image blankImage (int width, int height)
{
    return Image (Image::ARGB, jmax (1, width), jmax (1, height), true, SoftwareImageType());
}

bool isValidShape (const SkinShape& shape)
{
    return shape.box != nullptr && isPositiveAndBelow (shape.index, shape.box->getNumShapes());
}

/** Opaque white where the shape owns the pixel's centre, clear elsewhere: no partial pixels, so the
    hit area is the same for any alpha threshold. */
Image renderMask (const SkinImageRecipe& mask)
{
    auto image = blankImage (mask.width, mask.height);
    const auto shape = findSkinShape (mask);

    if (! isValidShape (shape))
        return image;

    const auto area = shape.box->getImageArea (shape.index);
    Image::BitmapData pixels (image, Image::BitmapData::writeOnly);

    for (int y = 0; y < image.getHeight(); ++y)
        for (int x = 0; x < image.getWidth(); ++x)
            if (shape.box->findShapeAt ({ (float) (area.getX() + x) + 0.5f, (float) (area.getY() + y) + 0.5f }) == shape.index)
                pixels.setPixelColour (x, y, Colours::white);

    return image;
}
} // namespace

SkinRecipeRegistration::SkinRecipeRegistration (std::initializer_list<SkinRecipe> recipes)
{
    for (const auto& recipe : recipes)
    {
        if (findSkinRecipe (recipe.name) != nullptr)
            doublyRegisteredNames().add (recipe.name);

        recipeTable().push_back (recipe);
    }
}

Result checkSkinRecipes()
{
    if (! doublyRegisteredNames().isEmpty())
        return Result::fail ("more than one painter file registers " + doublyRegisteredNames().joinIntoString (", "));

    return Result::ok();
}

const SkinRecipe* findSkinRecipe (const String& name)
{
    for (const auto& recipe : recipeTable())
        if (name == recipe.name)
            return &recipe;

    return nullptr;
}

SkinShape findSkinShape (const SkinImageRecipe& image)
{
    const auto* recipe = findSkinRecipe (image.recipe);
    return recipe != nullptr && recipe->findShape != nullptr ? recipe->findShape (image) : SkinShape {};
}

Path getShapeOutline (const SkinImageRecipe& image)
{
    const auto shape = findSkinShape (image);

    if (! isValidShape (shape))
        return {};

    const auto area = shape.box->getImageArea (shape.index);
    auto outline = shape.box->getShape (shape.index);
    outline.applyTransform (AffineTransform::translation ((float) -area.getX(), (float) -area.getY()));
    return outline;
}

//==============================================================================
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

Image renderSlicedPicture (const String& name, const SliceGrid& grid)
{
    auto canvas = blankImage (grid.getWidth(), grid.getHeight());
    const auto* recipe = findSkinRecipe (name);

    if (recipe != nullptr && recipe->paintSliced != nullptr)
        recipe->paintSliced (canvas, grid);
    else
        jassertfalse;

    return canvas;
}

Image renderSkinImage (const SkinImageRecipe& image)
{
    jassert (! isSlicePart (image.part));

    if (image.maskOf >= 0)
        return renderMask (image);

    auto painted = blankImage (image.width, image.height);
    const auto* recipe = findSkinRecipe (image.recipe);

    if (recipe == nullptr || recipe->paintImage == nullptr)
    {
        jassertfalse;
        return painted;
    }

    recipe->paintImage (painted, image);

    if (recipe->findShape == nullptr)
        return painted;

    // Whatever the painter drew outside the shape (a glow, a shadow) would lie in another shape's
    // hit area: only the shape itself, with smoothed edges, is kept.
    auto kept = blankImage (image.width, image.height);
    Graphics g (kept);
    g.reduceClipRegion (getShapeOutline (image));
    g.drawImageAt (painted, 0, 0);
    return kept;
}
