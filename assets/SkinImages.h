#pragma once

#include "SkinImageIds.h"

#include <juce_graphics/juce_graphics.h>

/** The built-in skin images: PNGs embedded in the program, decoded once through juce::ImageCache.

    Ids, pixel sizes and roles come from assets/SkinImageList.inc through the generated
    SkinImageIds.h. An image that cannot be decoded is a null image, and drawing a null image draws
    nothing.
*/
struct SkinImages
{
    /** The image of an id (a null image for an id outside the list). */
    static juce::Image get (SkinImageId id);

    /** The listed name, size and role of an id. */
    static const SkinImageInfo& getInfo (SkinImageId id);

    /** Draws a nine-piece frame over an area: the corners at their own size, the edges stretched along
        the sides and the centre stretched over the rest. The nine pieces are the ids that follow
        topLeft in the list (the list keeps every frame in reading order). */
    static void drawFrame (juce::Graphics& g, SkinImageId topLeft, juce::Rectangle<int> area);

    /** Draws an image stretched over an area. One-pixel rows and columns of the skin are meant to be
        repeated, so those are drawn without smoothing (which would fade their edges). */
    static void drawStretched (juce::Graphics& g, const juce::Image& image, juce::Rectangle<int> area);

    /** Puts another picture in place of a skin image for as long as it lives, and then the previous
        one back: tests draw with plain colours to see which piece lands where. */
    class ScopedOverride
    {
    public:
        ScopedOverride (SkinImageId id, juce::Image replacement);
        ~ScopedOverride();

    private:
        SkinImageId id;
        juce::Image previous;
        bool hadPrevious = false;

        JUCE_DECLARE_NON_COPYABLE (ScopedOverride)
    };
};
