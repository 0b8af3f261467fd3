#include "PanelLayout.h"

#include <cmath>

using namespace juce;

namespace PanelLayout
{
namespace
{
using Points = std::vector<Point<float>>;

constexpr float plateRadius = 10.0f;
constexpr float filletRadius = 4.0f;
constexpr float islandRadius = 3.0f;

//==============================================================================
// The dial: two arcs of one large radius, the upper bowing up and the lower bowing down, so the
// ten keys frame the dial's face like an eye. The arcs stay clear of the Release keys above the
// face's right half and of the Isolate plate at its left.
constexpr float dialCentreX = 643.5f;
constexpr float upperCentreY = 880.0f;      // the upper arc's centre, far below it
constexpr float lowerCentreY = -510.0f;     // the lower arc's centre, far above it
constexpr float dialOuterRadius = 834.0f;
constexpr float dialInnerRadius = 794.0f;
constexpr float dialHalfWidth = 140.0f;     // the outer ends' distance from the middle

float dialHalfAngle() { return std::asin (dialHalfWidth / dialOuterRadius); }

SkinRingSegments makeDial (Point<int> position, float centreY, float firstAngle)
{
    const auto halfAngle = dialHalfAngle();
    return SkinRingSegments ({ { 0, 0, 319, 180 },
                               { dialCentreX - (float) position.x, centreY - (float) position.y },
                               dialOuterRadius, dialOuterRadius, dialInnerRadius / dialOuterRadius,
                               firstAngle - halfAngle, firstAngle + halfAngle, 5 });
}

/** An arc of the dial with a margin round its keys, as part of the Scene's region. */
Path dialArc (float centreY, float middleAngle)
{
    constexpr float margin = 2.5f;
    const auto halfAngle = dialHalfAngle() + margin / dialOuterRadius;
    return SkinOutline::makeBand ({ dialCentreX, centreY }, dialInnerRadius - margin, dialOuterRadius + margin,
                                  middleAngle - halfAngle, middleAngle + halfAngle);
}

//==============================================================================
// The plates, as corner lists (clockwise from the top-left).
const Points isolatePlate { { 22, 102 }, { 541, 102 }, { 541, 178 }, { 498, 178 }, { 498, 318 }, { 22, 318 } };

// The X-PAD plate steps down round the Scene's echo-time read-outs and keeps a tooth under its
// last OSC column.
const Points xpadPlate { { 22, 324 }, { 538, 324 }, { 538, 433 }, { 505, 433 }, { 505, 398 }, { 425, 398 },
                         { 425, 436 }, { 412, 436 }, { 412, 532 }, { 22, 532 } };

// The Release plate: the key row across the top right, the feedback read-out below it and the
// column of release times down the right edge, deep enough that the lowest stands clear of its rim.
const Points releasePlate { { 600, 104 }, { 812, 104 }, { 812, 64 }, { 932, 64 }, { 932, 378 }, { 812, 378 },
                            { 812, 192 }, { 715, 192 }, { 715, 150 }, { 600, 150 } };

// The Scene's lower plate: under the dial down to its slider row, round the echo-time knob.
const Points sceneLowerPlate { { 542, 300 }, { 808, 300 }, { 808, 380 }, { 886, 380 }, { 886, 540 }, { 416, 540 },
                               { 416, 478 }, { 429, 478 }, { 429, 400 }, { 501, 400 }, { 501, 437 }, { 542, 437 } };

const Rectangle<float> sceneLockColumn { 505, 184, 44, 106 };
const Rectangle<float> sceneTypeBlock { 700, 196, 106, 108 };

// The Release read-outs placed over other sections (combos of 100x21 with a margin), and the
// X-PAD close button's key, which sits in the Scene's lower row.
const Rectangle<float> releaseIsolateIsland { 391, 221, 105, 27 };
const Rectangle<float> releaseXPadIsland { 391, 334, 107, 27 };
const Rectangle<float> releaseSceneIsland { 591, 221, 106, 27 };
const Point<float> xpadCloseCentre { 522, 506 };
constexpr float xpadCloseRadius = 17.0f;

// Where an open section's controls stand past its plate (or too near its rounded corners): the
// Isolate lock key, the Scene's range-slider row with its Sub1 combo box, the X-PAD's OSC table
// with the pitch sliders.
const Rectangle<float> isolateLockReach { 480, 147, 58, 32 };
const Rectangle<float> sceneSliderRowReach { 398, 474, 256, 62 };
const Rectangle<float> xpadTableReach { 100, 326, 442, 108 };

/** The panel from its top-left corner as far as an area reaches: the box of a single region. */
Rectangle<int> boxReaching (Rectangle<int> area)
{
    return { 0, 0, area.getRight(), area.getBottom() };
}

Path polygon (const Points& corners, bool hole = false)
{
    return SkinOutline::makePolygon (corners, plateRadius, filletRadius, hole);
}

Path island (Rectangle<float> area, bool hole = false)
{
    return SkinOutline::makeRectangle (area, islandRadius, hole);
}

Path scenePlate()
{
    Path p;
    p.addPath (dialArc (upperCentreY, 0.0f));
    p.addPath (dialArc (lowerCentreY, MathConstants<float>::pi));
    p.addPath (SkinOutline::makeRectangle (sceneLockColumn, 6.0f));
    p.addPath (SkinOutline::makeRectangle (sceneTypeBlock, 6.0f));
    p.addPath (polygon (sceneLowerPlate));
    return p;
}

Path region (Section section)
{
    auto p = getPlate (section);

    switch (section)
    {
        case Section::isolate:
            p.addPath (island (releaseIsolateIsland, true));
            break;

        case Section::xpad:
            p.addPath (island (releaseXPadIsland, true));
            p.addPath (SkinOutline::makeDisc (xpadCloseCentre, xpadCloseRadius));
            break;

        case Section::scene:
            p.addPath (SkinOutline::makeDisc (xpadCloseCentre, xpadCloseRadius + 2.0f, true));
            break;

        case Section::release:
            for (auto area : getIslands (Section::release))
                p.addPath (island (area));
            break;
    }

    return p;
}
} // namespace

//==============================================================================
Path getPlate (Section section)
{
    switch (section)
    {
        case Section::isolate: return polygon (isolatePlate);
        case Section::scene:   return scenePlate();
        case Section::release: return polygon (releasePlate);
        case Section::xpad:    return polygon (xpadPlate);
    }

    return {};
}

Path getGlowOutline (Section section)
{
    switch (section)
    {
        case Section::scene:
        {
            Path p;
            p.addPath (dialArc (upperCentreY, 0.0f));
            p.addPath (dialArc (lowerCentreY, MathConstants<float>::pi));
            return p;
        }

        case Section::xpad:
            return polygon ({ { 22, 324 }, { 538, 324 }, { 538, 436 }, { 412, 436 }, { 412, 532 }, { 22, 532 } });

        case Section::isolate:
        case Section::release:
            break;
    }

    return getPlate (section);
}

Path getFrame (Section section)
{
    switch (section)
    {
        case Section::scene:
            // The dial marks the Scene's zone; its lower groups share the deck with the X-PAD zone.
            return {};

        case Section::xpad:
        case Section::isolate:
        case Section::release:
            break;
    }

    return getGlowOutline (section);
}

Path getReach (Section section)
{
    Path p;

    switch (section)
    {
        case Section::isolate:
            p.addPath (getPlate (section));
            p.addPath (island (isolateLockReach));
            break;

        case Section::scene:
            p.addPath (getPlate (section));
            p.addPath (island (sceneSliderRowReach));
            break;

        case Section::release:
            p = region (section);
            break;

        case Section::xpad:
            p.addPath (getGlowOutline (section));
            p.addPath (island (xpadTableReach));
            p.addPath (SkinOutline::makeDisc (xpadCloseCentre, xpadCloseRadius + 2.0f));
            break;
    }

    p.setUsingNonZeroWinding (true);
    return p;
}

Path getBodyFrame (Section section)
{
    switch (section)
    {
        case Section::release:
            return polygon ({ { 600, 104 }, { 812, 104 }, { 812, 64 }, { bodyFrameRight, 64 }, { bodyFrameRight, 378 },
                              { 812, 378 }, { 812, 192 }, { 715, 192 }, { 715, 150 }, { 600, 150 } });

        case Section::xpad:
            // The lit frame's step round the Scene's lower row, then along the deck's bottom.
            return polygon ({ { 22, 324 }, { 538, 324 }, { 538, 436 }, { 412, 436 }, { 412, bodyFrameBottom }, { 22, bodyFrameBottom } });

        case Section::isolate:
        case Section::scene:
            break;
    }

    return getFrame (section);
}

std::vector<Rectangle<float>> getIslands (Section section)
{
    if (section == Section::release)
        return { releaseIsolateIsland, releaseXPadIsland, releaseSceneIsland };

    if (section == Section::xpad)
        return { Rectangle<float> (2.0f * xpadCloseRadius, 2.0f * xpadCloseRadius).withCentre (xpadCloseCentre) };

    return {};
}

const SkinRegionSet& getSections()
{
    static const SkinRegionSet sections (reach, { { region (Section::isolate), isolateArea },
                                                  { region (Section::scene), sceneArea },
                                                  { region (Section::release), releaseArea },
                                                  { region (Section::xpad), xpadArea } });
    return sections;
}

const SkinRegionSet& getIsolateOverlay()
{
    static const SkinRegionSet overlay (boxReaching (isolatePanelArea), { { polygon ({ { 22, 102 }, { 541, 102 }, { 541, 196 }, { 612, 196 },
                                                               { 612, 258 }, { 541, 258 }, { 541, 412 }, { 22, 412 } }),
                                                     isolatePanelArea } });
    return overlay;
}

const SkinRegionSet& getPadOverlay()
{
    static const SkinRegionSet overlay (boxReaching (padPanelArea), { { polygon ({ { 76, 224 }, { 506, 224 }, { 506, 436 }, { 556, 436 },
                                                               { 556, 536 }, { 104, 536 }, { 104, 436 }, { 76, 436 } }),
                                                     padPanelArea } });
    return overlay;
}

const SkinRingSegments& getUpperDial()
{
    static const SkinRingSegments dial = makeDial (upperDialPosition, upperCentreY, 0.0f);
    return dial;
}

const SkinRingSegments& getLowerDial()
{
    static const SkinRingSegments dial = makeDial (lowerDialPosition, lowerCentreY, MathConstants<float>::pi);
    return dial;
}

Path getDeck()
{
    // Everything but a frame round the body, the band along its top and a wide step at its top
    // left, where the body's own colour shows.
    return SkinOutline::makePolygon ({ { 14, 94 }, { 474, 94 }, { 474, 38 }, { 904, 38 }, { 904, 456 }, { 14, 456 } },
                                     12.0f, 8.0f);
}
} // namespace PanelLayout
