#pragma once

#include "SkinRecipes.h"

#include <vector>

/** The materials, bevels and lights that every recipe is drawn with, so that all images share one
    look: dark anodised metal, hairline bevels lit from above, and coloured glows for what is active. */
struct SkinPainter
{
    // The chassis and its controls.
    static constexpr juce::uint32 chassis      = 0xff1b1d21;
    static constexpr juce::uint32 chassisLight = 0xff2a2d33;
    static constexpr juce::uint32 recess       = 0xff111215;
    static constexpr juce::uint32 outline      = 0xff08090a;
    static constexpr juce::uint32 glyph        = 0xffb4b8c0;

    static juce::Colour accentColour (Accent accent) noexcept;

    /** True for the states that show a control as switched on or ticked. */
    static bool isOn (State state) noexcept;
    static bool isOver (State state) noexcept;
    static bool isDown (State state) noexcept;
    static bool isDisabled (State state) noexcept;

    /** Fine monochrome grain (matte finish). The same seed always gives the same pixels. */
    static void addGrain (juce::Image& image, juce::Rectangle<int> area, float strength, int seed);

    /** Horizontal brushed-metal streaks: each row gets a slowly varying brightness along x. */
    static void addBrushing (juce::Image& image, juce::Rectangle<int> area, float strength, int seed);

    /** A key cap: a rounded body filled with a top-lit gradient, a dark outline and a hairline
        highlight along its upper edge. Pressed keys are darker and lit from below. */
    static void drawKey (juce::Graphics& g, juce::Rectangle<float> area, float corner, juce::Colour top,
                         juce::Colour bottom, bool pressed);

    /** A recessed well: darker than its surroundings, shadowed at the top, lit at the bottom edge. */
    static void drawWell (juce::Graphics& g, juce::Rectangle<float> area, float corner, juce::Colour fill);

    /** How a screw head looks: its drop shadow, the head shaded from top to bottom, and its slot. */
    struct ScrewLook
    {
        juce::Colour shadow, top, bottom, slot;
        float slotThickness = 1.0f;
    };

    /** A screw head of a diameter at centre, its slot running from centre - slotHalf to centre +
        slotHalf (y pointing up, as the slots lean). */
    static void drawScrew (juce::Graphics& g, juce::Point<float> centre, float diameter, juce::Point<float> slotHalf,
                           const ScrewLook& look);

    /** A soft halo of light around a path (offset 0 drop shadow), drawn before the path itself.
        Only for shapes with room around them: a halo cut by the image edge shows as a hard square. */
    static void drawGlow (juce::Graphics& g, const juce::Path& path, juce::Colour colour, int radius);

    /** Light that falls inward from the rim of a shape, for lit keys that fill their image. */
    static void drawInnerGlow (juce::Graphics& g, const juce::Path& shape, juce::Colour colour, int radius);

    /** A stroked line glyph with round ends. */
    static void strokeGlyph (juce::Graphics& g, const juce::Path& path, juce::Colour colour, float thickness);

    /** The glyph colour of a control in a state: grey, white when hovered, the accent when pressed
        or on, dim when disabled. */
    static juce::Colour glyphColour (State state, Accent accent) noexcept;

    /** Brushing that belongs to a place rather than to an image: the streaks are a function of
        position in a larger picture (an image drawn at origin in it), so two images that cover the
        same part of that picture get the same grain there. */
    static void addBrushingAt (juce::Image& image, juce::Rectangle<int> area, juce::Point<int> origin,
                               float strength, int seed);

    //==============================================================================
    /** How much of each pixel of an image a path covers (0..1). The lighting below works from it,
        so it suits any outline: several areas, holes and all. */
    struct Coverage
    {
        int width = 0, height = 0;
        std::vector<float> values;

        float at (int x, int y) const noexcept
        {
            return juce::isPositiveAndBelow (x, width) && juce::isPositiveAndBelow (y, height)
                       ? values[(size_t) (y * width + x)] : 0.0f;
        }
    };

    static Coverage coverageOf (const juce::Path& path, int width, int height);

    /** The coverage smoothed over about a radius (three box passes, close to a Gaussian). */
    static Coverage blurred (const Coverage& coverage, int radius);

    /** Lights a raised shape from the top left: its upper and left edges catch the light, its lower
        and right edges fall into shadow, over a band about as wide as the radius. With a second
        coverage, only where that one covers. */
    static void bevel (juce::Image& image, const Coverage& shape, int radius, juce::Colour light, juce::Colour shadow,
                       const Coverage* where = nullptr);

    /** Light that falls inward from the rim of a shape, kept inside it. */
    static void glowInside (juce::Image& image, const Coverage& shape, juce::Colour colour, int radius,
                            const Coverage* where = nullptr);

    /** A downward chevron centred on a point. */
    static juce::Path chevronDown (juce::Point<float> centre, float halfWidth, float height);

    /** A filled triangle pointing in a direction (arrowUp .. arrowRight), centred in an area. */
    static juce::Path arrowTriangle (juce::Rectangle<float> area, Part direction);
};
