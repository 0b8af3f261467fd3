#include "SkinList.h"

#include "SkinShapes.h"

#include <map>
#include <set>

using namespace juce;

const std::vector<SkinVariantSet>& getSkinVariantSets()
{
    static const std::vector<SkinVariantSet> sets {
        { "pressStates", "SkinPressState", "a push button's three faces", {
            { "Normal",   "normal",   "normal",     State::normal,   BodyColour::black },
            { "Over",     "over",     "mouse over", State::over,     BodyColour::black },
            { "Down",     "down",     "pressed",    State::down,     BodyColour::black } } },

        { "buttonStates", "SkinButtonState", "an image button's four faces", {
            { "Normal",   "normal",   "normal",                State::normal,   BodyColour::black },
            { "Over",     "over",     "mouse over or focused", State::over,     BodyColour::black },
            { "Down",     "down",     "pressed",               State::down,     BodyColour::black },
            { "Disabled", "disabled", "disabled",              State::disabled, BodyColour::black } } },

        { "checkStates", "SkinCheckState", "a check box's four unticked and four ticked faces", {
            { "Normal",         "normal",         "unticked",                        State::normal,     BodyColour::black },
            { "Over",           "over",           "unticked, mouse over or focused", State::over,       BodyColour::black },
            { "Down",           "down",           "unticked, pressed",               State::down,       BodyColour::black },
            { "Disabled",       "disabled",       "unticked, disabled",              State::disabled,   BodyColour::black },
            { "Ticked",         "ticked",         "ticked",                          State::on,         BodyColour::black },
            { "TickedFocused",  "tickedFocused",  "ticked, focused",                 State::onOver,     BodyColour::black },
            { "TickedDown",     "tickedDown",     "ticked, pressed",                 State::onDown,     BodyColour::black },
            { "TickedDisabled", "tickedDisabled", "ticked, disabled",                State::onDisabled, BodyColour::black } } },

        // A toggle's seven pictures, in the order the toggle button lists them. "Lit" marks the
        // panel's current choice; "focused" is the keyboard focus or the mouse.
        { "toggleStates", "SkinToggleState", "a toggle button's seven pictures", {
            { "Off",        "off",        "off (disabled)",    State::disabled, BodyColour::black },
            { "On",         "on",         "on",                State::down,     BodyColour::black },
            { "LitOn",      "litOn",      "lit, on",           State::onDown,   BodyColour::black },
            { "Focused",    "focused",    "focused",           State::over,     BodyColour::black },
            { "LitFocused", "litFocused", "lit, focused",      State::onOver,   BodyColour::black },
            { "Idle",       "idle",       "idle",              State::normal,   BodyColour::black },
            { "LitIdle",    "litIdle",    "lit, idle",         State::on,       BodyColour::black } } },

        // A lock switch's four pictures, in the order of its image slots: normal, over, down, and
        // the fourth for locked and hovered.
        { "lockStates", "SkinLockState", "a lock switch's four pictures", {
            { "Normal",   "normal",   "unlocked",                           State::normal, BodyColour::black },
            { "Over",     "over",     "unlocked, hovered or lit",           State::over,   BodyColour::black },
            { "Down",     "down",     "locked, or pressed",                 State::on,     BodyColour::black },
            { "DownOver", "downOver", "locked and hovered, pressed or lit", State::onOver, BodyColour::black } } },

        // In the order of the body-colour index (0, 1, 2).
        { "bodyColours", "SkinBodyColour", "the unit's body colours", {
            { "Black",    "black",    "Black",    State::normal, BodyColour::black },
            { "White",    "white",    "White",    State::normal, BodyColour::white },
            { "Platinum", "platinum", "Platinum", State::normal, BodyColour::platinum } } },
    };

    return sets;
}

const SkinVariantSet* findSkinVariantSet (const String& name)
{
    for (const auto& set : getSkinVariantSets())
        if (name == set.name)
            return &set;

    return nullptr;
}

const std::vector<SkinListLine>& getSkinListLines()
{
    static const std::vector<SkinListLine> lines {
#define SKIN_IMAGE(id, w, h, recipe, part, state, accent, role) \
        { #id, w, h, #recipe, Part::part, State::state, nullptr, Accent::accent, nullptr, role },
#define SKIN_VARIANTS(id, w, h, recipe, part, variants, accent, role) \
        { #id, w, h, #recipe, Part::part, State::normal, #variants, Accent::accent, nullptr, role },
#define SKIN_MASK(id, artwork, role) \
        { #id, 0, 0, "", Part::whole, State::normal, nullptr, Accent::ui, #artwork, role },
#include "assets/SkinImageList.inc"
#undef SKIN_IMAGE
#undef SKIN_VARIANTS
#undef SKIN_MASK
    };

    return lines;
}

int findSkinImage (const std::vector<SkinImageRecipe>& images, const String& id)
{
    for (size_t i = 0; i < images.size(); ++i)
        if (images[i].id == id)
            return (int) i;

    return -1;
}

//==============================================================================
namespace
{
/** A mask takes its artwork's size, recipe and part, so that it finds the same shape. */
Result expandMask (const SkinListLine& line, int lineIndex, const std::map<String, int>& firstImageOfLine,
                   std::vector<SkinImageRecipe>& images)
{
    const String id (line.id);
    const auto artwork = firstImageOfLine.find (line.artwork);

    if (artwork == firstImageOfLine.end())
        return Result::fail (id + ": its artwork " + line.artwork + " must be listed before it");

    auto mask = images[(size_t) artwork->second];
    const auto* recipe = findSkinRecipe (mask.recipe);

    if (recipe == nullptr || recipe->findShape == nullptr || mask.maskOf >= 0)
        return Result::fail (id + ": " + line.artwork + " is not drawn from a shape, so no mask can be made from it");

    mask.id = id;
    mask.state = State::normal;
    mask.role = line.role;
    mask.maskOf = artwork->second;
    mask.line = lineIndex;
    mask.variant = -1;
    images.push_back (mask);
    return Result::ok();
}

Result checkDrawable (const SkinImageRecipe& image, const SkinRecipe& recipe)
{
    if (image.width <= 0 || image.height <= 0)
        return Result::fail (image.id + " has no size");

    if ((recipe.paintSliced != nullptr) != isSlicePart (image.part))
        return Result::fail (image.id + ": frame pieces, and only they, come from a sliced recipe");

    if (recipe.findShape == nullptr)
        return Result::ok();

    const auto shape = recipe.findShape (image);

    if (shape.box == nullptr || ! isPositiveAndBelow (shape.index, shape.box->getNumShapes()))
        return Result::fail (image.id + ": its part is not a shape of " + image.recipe);

    if (shape.box->getImageArea (shape.index).getWidth() != image.width
         || shape.box->getImageArea (shape.index).getHeight() != image.height)
        return Result::fail (image.id + ": its size differs from its shape's image area");

    return Result::ok();
}

Result expandDrawn (const SkinListLine& line, int lineIndex, std::vector<SkinImageRecipe>& images)
{
    const String id (line.id);
    const auto* recipe = findSkinRecipe (line.recipe);

    if (recipe == nullptr)
        return Result::fail (id + ": no painter file registers a recipe named " + line.recipe);

    SkinImageRecipe image;
    image.id = id;
    image.width = line.width;
    image.height = line.height;
    image.recipe = line.recipe;
    image.part = line.part;
    image.state = line.state;
    image.accent = line.accent;
    image.role = line.role;
    image.line = lineIndex;

    std::vector<SkinImageRecipe> expanded;

    if (line.variantSet == nullptr)
    {
        expanded.push_back (image);
    }
    else
    {
        const auto* set = findSkinVariantSet (line.variantSet);

        if (set == nullptr)
            return Result::fail (id + ": there is no variant set named " + line.variantSet);

        for (size_t v = 0; v < set->variants.size(); ++v)
        {
            const auto& variant = set->variants[v];
            auto copy = image;
            copy.id = id + variant.suffix;
            copy.role = image.role + ", " + variant.role;
            copy.state = variant.state;
            copy.body = variant.body;
            copy.variant = (int) v;
            expanded.push_back (copy);
        }
    }

    for (const auto& e : expanded)
    {
        const auto check = checkDrawable (e, *recipe);

        if (check.failed())
            return check;

        images.push_back (e);
    }

    return Result::ok();
}
} // namespace

Result expandSkinList (const std::vector<SkinListLine>& lines, std::vector<SkinImageRecipe>& images)
{
    images.clear();
    const auto recipesCheck = checkSkinRecipes();

    if (recipesCheck.failed())
        return recipesCheck;

    std::map<String, int> firstImageOfLine;

    for (size_t i = 0; i < lines.size(); ++i)
    {
        const auto first = (int) images.size();
        const auto result = lines[i].artwork != nullptr ? expandMask (lines[i], (int) i, firstImageOfLine, images)
                                                        : expandDrawn (lines[i], (int) i, images);
        if (result.failed())
            return result;

        firstImageOfLine[lines[i].id] = first;
    }

    std::set<String> ids;
    std::set<String> slicedRecipes;

    for (const auto& image : images)
    {
        if (! ids.insert (image.id).second)
            return Result::fail (image.id + " is listed twice");

        if (isSlicePart (image.part))
            slicedRecipes.insert (image.recipe);
    }

    for (const auto& recipe : slicedRecipes)
    {
        SliceGrid grid;
        const auto result = findSliceGrid (images, recipe, grid);

        if (result.failed())
            return result;
    }

    return Result::ok();
}

//==============================================================================
Result findSliceGrid (const std::vector<SkinImageRecipe>& images, const String& recipe, SliceGrid& grid)
{
    grid = {};
    int first = -1, last = -1, count = 0;
    auto previousPart = -1;

    for (int i = 0; i < (int) images.size(); ++i)
    {
        const auto& r = images[(size_t) i];

        if (r.recipe != recipe || r.maskOf >= 0)
            continue;

        if (! isSlicePart (r.part))
            return Result::fail (r.id + ": a sliced picture has only frame pieces");

        if ((int) r.part <= previousPart)
            return Result::fail (r.id + ": frame pieces must be listed in reading order");

        if (first >= 0 && i != last + 1)
            return Result::fail (r.id + ": frame pieces must stand one after the other");

        const auto column = ((int) r.part - (int) Part::topLeft) % 3;
        const auto row = ((int) r.part - (int) Part::topLeft) / 3;
        auto& width = grid.columnWidths[column];
        auto& height = grid.rowHeights[row];

        if ((width != 0 && width != r.width) || (height != 0 && height != r.height))
            return Result::fail (r.id + ": pieces of one column must share a width and of one row a height");

        width = r.width;
        height = r.height;
        previousPart = (int) r.part;
        first = first < 0 ? i : first;
        last = i;
        ++count;
    }

    if (count == 0)
        return Result::fail ("no pieces of " + recipe);

    // A frame that starts with a corner is a whole nine-piece frame: the program draws it from its
    // first id on.
    if (images[(size_t) first].part == Part::topLeft && count != 9)
        return Result::fail (images[(size_t) first].id + ": a frame needs all nine pieces");

    return Result::ok();
}

std::vector<Image> renderSkinImages (const std::vector<SkinImageRecipe>& images)
{
    std::map<String, Image> pictures;
    std::vector<Image> rendered;
    rendered.reserve (images.size());

    for (const auto& r : images)
    {
        if (! isSlicePart (r.part))
        {
            rendered.push_back (renderSkinImage (r));
            continue;
        }

        SliceGrid grid;
        findSliceGrid (images, r.recipe, grid);
        auto& picture = pictures[r.recipe];

        if (! picture.isValid())
            picture = renderSlicedPicture (r.recipe, grid);

        rendered.push_back (picture.getClippedImage (grid.getPieceArea (r.part)).createCopy());
    }

    return rendered;
}
