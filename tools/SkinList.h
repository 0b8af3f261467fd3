#pragma once

#include "SkinRecipes.h"

#include <vector>

/** One variant that a list line expands into: the suffix it adds to the line's id, the words it adds
    to the line's role, and what it changes in the drawing. */
struct SkinVariant
{
    const char* suffix;
    const char* enumerator;     // its name in the generated enum
    const char* role;
    State state;
    BodyColour body;
};

/** A named set of variants. The generated header gets one enum per set (enumerators in this order)
    and, for every line over the set, the ids of its images indexed by that enum. */
struct SkinVariantSet
{
    const char* name;           // as the list names it
    const char* enumName;       // the generated enum
    const char* description;
    std::vector<SkinVariant> variants;
};

const std::vector<SkinVariantSet>& getSkinVariantSets();
const SkinVariantSet* findSkinVariantSet (const juce::String& name);

//==============================================================================
/** One line of assets/SkinImageList.inc, as the three line kinds write it:
        SKIN_IMAGE    (id, width, height, recipe, part, state, accent, role)     one image
        SKIN_VARIANTS (id, width, height, recipe, part, set, accent, role)       an image per variant
        SKIN_MASK     (id, artwork, role)                                        the hit mask of a shaped line
*/
struct SkinListLine
{
    const char* id;
    int width, height;
    const char* recipe;
    Part part;
    State state;
    const char* variantSet;     // null for one image
    Accent accent;
    const char* artwork;        // masks: the id of the line whose shape they are made from; else null
    const char* role;
};

/** The lines of assets/SkinImageList.inc. */
const std::vector<SkinListLine>& getSkinListLines();

/** Expands list lines into their images, in list order, checking names, sizes, frames and masks.
    Fails with a message that names the offending line. */
juce::Result expandSkinList (const std::vector<SkinListLine>& lines, std::vector<SkinImageRecipe>& images);

/** The grid of a sliced recipe, from the sizes its pieces have among the images. Fails with a message
    when pieces of one column differ in width, pieces of one row differ in height, or the pieces of a
    frame do not stand one after the other in reading order. */
juce::Result findSliceGrid (const std::vector<SkinImageRecipe>& images, const juce::String& recipe, SliceGrid& grid);

/** The index of an image by id, or -1. */
int findSkinImage (const std::vector<SkinImageRecipe>& images, const juce::String& id);

/** Draws every image of an expanded list, in order; the whole picture of a sliced recipe is drawn
    once and cut into its pieces. */
std::vector<juce::Image> renderSkinImages (const std::vector<SkinImageRecipe>& images);
