#pragma once

#include <juce_graphics/juce_graphics.h>

#include <initializer_list>

class SkinShapeBox;

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
    sync, exportData, importData, save, load, effectBrowser, settings,
    // the shapes of a shared box, in the box's own order
    segment1, segment2, segment3, segment4, segment5,
    // the effect panel's section artworks and its two overlays
    isolateSection, sceneSection, releaseSection, xpadSection, isolateOverlay, padOverlay
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

/** The colour of the unit's body, which the effect panel's background follows. */
enum class BodyColour
{
    black, white, platinum
};

/** One image of the list, with the variant of its line filled in: what a painter draws. */
struct SkinImageRecipe
{
    juce::String id;
    int width = 0, height = 0;
    juce::String recipe;
    Part part = Part::whole;
    State state = State::normal;
    BodyColour body = BodyColour::black;    // the first colour for pictures that do not follow it
    Accent accent = Accent::ui;
    juce::String role;
    int maskOf = -1;                        // a hit mask: the index of the first image of its artwork line
    int line = -1;                          // the list line it comes from
    int variant = -1;                       // its variant within that line's set, -1 for a one-image line
};

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

//==============================================================================
/** One shape of a shared box: what a shaped image shows and its hit mask is made from. */
struct SkinShape
{
    const SkinShapeBox* box = nullptr;
    int index = -1;
};

/** A drawing routine that the list names in its recipe column. Exactly one of the painters is set. */
struct SkinRecipe
{
    using PaintImage = void (*) (juce::Image&, const SkinImageRecipe&);
    using PaintSliced = void (*) (juce::Image&, const SliceGrid&);
    using FindShape = SkinShape (*) (const SkinImageRecipe&);

    /** Draws each image at its listed size. */
    static SkinRecipe image (const char* name, PaintImage paint) { return { name, paint, nullptr, nullptr }; }

    /** Draws the whole picture that the listed frame pieces are cut from. */
    static SkinRecipe sliced (const char* name, PaintSliced paint) { return { name, nullptr, paint, nullptr }; }

    /** Draws each image as one shape of a shared box: the generator keeps the painting inside that
        shape, and the hit masks of these images are made from the same shape. */
    static SkinRecipe shaped (const char* name, PaintImage paint, FindShape shape) { return { name, paint, nullptr, shape }; }

    const char* name;
    PaintImage paintImage;
    PaintSliced paintSliced;
    FindShape findShape;
};

/** Each painter file adds its recipes to the generator's table with one of these (a file-scope
    object), so a new painter file needs no edit anywhere else. */
struct SkinRecipeRegistration
{
    SkinRecipeRegistration (std::initializer_list<SkinRecipe> recipes);
};

/** Fails when two registrations use one name (the list could not tell them apart). */
juce::Result checkSkinRecipes();

/** The registered recipe of a name, or null. */
const SkinRecipe* findSkinRecipe (const juce::String& name);

/** The shape of a shared box that an image (or a hit mask) shows; no box for other recipes. */
SkinShape findSkinShape (const SkinImageRecipe& image);

/** The shape that a shaped image shows, in the image's own coordinates (an empty path when its recipe
    has no shape). Painters of shaped recipes draw from this. */
juce::Path getShapeOutline (const SkinImageRecipe& image);

//==============================================================================
/** Draws one image that is not a frame piece: an image recipe at its listed size, a shaped one kept
    inside its shape, a hit mask opaque exactly on the pixels whose centres its artwork's shape owns. */
juce::Image renderSkinImage (const SkinImageRecipe& image);

/** The whole picture of a sliced recipe (cut into the pieces, and shown whole on the contact sheet). */
juce::Image renderSlicedPicture (const juce::String& recipe, const SliceGrid& grid);
