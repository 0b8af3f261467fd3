#pragma once

#include <juce_graphics/juce_graphics.h>

#include <vector>

/** The drawing routine of a skin image. The pieces of one frame share a recipe. */
enum class Recipe
{
    windowFrame,
    titleButton,
    sliderTrack,
    sliderThumb,
    valueThumb,
    rangeBar,
    rangeThumb,
    focusHighlight,
    comboArrow,
    wideComboButton,
    progressBar,
    scrollButton,
    scrollTrack,
    scrollThumb,
    appIcon,
    stripButton,
    cardPanelFrame,
    settingsPanelFrame,
    separator,
    cardPicture,
    panelButton,
    checkBox,
    alertFrame
};

/** Which piece, glyph or direction of a recipe an image is. */
enum class Part
{
    whole,
    // pieces of a frame, in reading order
    topLeft, top, topRight, left, centre, right, bottomLeft, bottom, bottomRight,
    // title-bar glyphs
    minimise, maximise, close,
    // arrows and orientations
    arrowUp, arrowDown, arrowLeft, arrowRight, vertical, horizontal,
    // slider thumbs
    leftHand, rightHand, minimum, maximum,
    // menu-strip glyphs and pictures
    sync, exportData, importData, save, load, effectBrowser, settings
};

enum class State
{
    normal, over, down, disabled,
    on, onOver, onDown, onDisabled
};

/** The light colour of a control. */
enum class Accent
{
    ui, alarm, isolate, scene, sceneBlue, release, xpad
};

struct SkinImageRecipe
{
    const char* id;
    int width, height;
    Recipe recipe;
    Part part;
    State state;
    Accent accent;
    const char* role;
};

inline constexpr SkinImageRecipe skinImageRecipes[] = {
#define SKIN_IMAGE(id, w, h, recipe, part, state, accent, role) \
    { #id, w, h, Recipe::recipe, Part::part, State::state, Accent::accent, role },
#include "assets/SkinImageList.inc"
#undef SKIN_IMAGE
};

inline constexpr int numSkinImageRecipes = (int) (sizeof (skinImageRecipes) / sizeof (skinImageRecipes[0]));

//==============================================================================
/** Where the pieces of a sliced picture lie: the picture is drawn whole on a canvas whose columns and
    rows have the pieces' sizes, then cut, so neighbouring pieces always join. */
struct SliceGrid
{
    int columnWidths[3] {};
    int rowHeights[3] {};

    int getWidth() const noexcept  { return columnWidths[0] + columnWidths[1] + columnWidths[2]; }
    int getHeight() const noexcept { return rowHeights[0] + rowHeights[1] + rowHeights[2]; }

    /** The canvas area of one piece. */
    juce::Rectangle<int> getPieceArea (Part part) const;
};

/** True for the nine frame pieces (topLeft .. bottomRight). */
bool isSlicePart (Part part) noexcept;

/** The grid of a sliced recipe, from the sizes its pieces have in the list. Fails with a message when
    pieces of one column differ in width, pieces of one row differ in height, or the pieces of a frame
    do not stand one after the other in reading order. */
juce::Result findSliceGrid (Recipe recipe, SliceGrid& grid);

/** Draws one image of the list at its listed size; pieces of sliced pictures are cut from
    renderSlicedPicture instead. */
juce::Image renderSkinImage (const SkinImageRecipe& recipe);

/** The whole picture of a sliced recipe (used for the pieces and for the contact sheet). */
juce::Image renderSlicedPicture (Recipe recipe, const SliceGrid& grid);
