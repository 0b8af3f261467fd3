#pragma once

#include "SkinShapes.h"

/** The effect panel's layout as the skin sees it, in panel coordinates (the 1024x738 panel, whose
    body image starts at its top-left corner): where each section's images lie, the plate each
    section covers, and the disjoint regions that its artwork and hit mask cover.

    The four sections overlap in their image bounds, and some of their controls sit inside another
    section's plate (the Release read-outs over the Isolate and X-PAD plates, the X-PAD close button
    in the Scene's lower row). A section's controls can only be reached where its own mask is
    opaque, so such a control gets a small island of its section's region, cut out of the plate
    around it. The body shows one deck with each zone's frame; an artwork shows its region.
*/
namespace PanelLayout
{
    enum class Section { isolate, scene, release, xpad };

    // Where each section's images lie in the panel (their bounds there).
    inline const juce::Rectangle<int> isolateArea { 11, 97, 630, 260 };
    inline const juce::Rectangle<int> isolatePanelArea { 11, 97, 630, 350 };
    inline const juce::Rectangle<int> sceneArea { 370, 28, 550, 540 };
    inline const juce::Rectangle<int> releaseArea { 328, 52, 622, 365 };
    inline const juce::Rectangle<int> padPanelArea { 0, 179, 580, 374 };
    inline const juce::Rectangle<int> xpadArea { 0, 259, 580, 294 };

    /** The body image's place, and the whole area the sections reach. */
    inline const juce::Rectangle<int> bodyArea { 0, 0, 910, 470 };
    inline const juce::Rectangle<int> reach { 0, 0, 950, 568 };

    /** The four section buttons' regions, in Section order: disjoint, so that at the first level
        the mouse lights exactly one section. */
    const SkinRegionSet& getSections();

    /** The Isolate editor overlay and the X-PAD position overlay: each shows alone (the other
        sections are hidden while it is open), so their regions may cover the others'. */
    const SkinRegionSet& getIsolateOverlay();
    const SkinRegionSet& getPadOverlay();

    /** A section's plate: its region without the islands it gives to other sections and without
        its own islands. */
    juce::Path getPlate (Section section);

    /** The outline a section's light follows within the body: its plate without the steps and
        notches it makes round the others' controls (for the Scene, its two arcs of keys), so that
        the glow traces a clean shape. Past the body's edge the light follows the plate itself. */
    juce::Path getGlowOutline (Section section);

    /** The frame printed round a section's zone on the deck: the line its light traces when it is
        up, and what marks the zone while it rests (none for the Scene, whose dial marks it). */
    juce::Path getFrame (Section section);

    /** The frame as the body prints it at rest: closed inside the deck, also for the zones whose
        plates reach past the body (the Release and X-PAD zones), whose lit artwork shows the rest. */
    juce::Path getBodyFrame (Section section);

    /** Where the body's frames keep clear of the deck's right edge and bottom. */
    inline constexpr float bodyFrameRight = 898.0f, bodyFrameBottom = 448.0f;

    /** Where a section takes the mouse while it is open: the other sections are hidden then, so it
        keeps the holes it gives them at the first level, and reaches round every control it shows,
        also where a control stands past its plate. */
    juce::Path getReach (Section section);

    /** The islands a section owns inside other sections' plates (for the Release read-outs and
        the X-PAD close button). */
    std::vector<juce::Rectangle<float>> getIslands (Section section);

    /** The Scene dial: ten keys on two shallow arcs, five in each 319x180 box. */
    const SkinRingSegments& getUpperDial();
    const SkinRingSegments& getLowerDial();
    inline const juce::Point<int> upperDialPosition { 484, 44 };
    inline const juce::Point<int> lowerDialPosition { 484, 237 };

    /** The dark deck of the body, in which the plates sit. */
    juce::Path getDeck();
}
