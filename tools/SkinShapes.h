#pragma once

#include <juce_graphics/juce_graphics.h>

/** Shapes that share one box, each shown by its own images: defined once, so that every artwork and
    its hit mask come from the same numbers. The shapes never overlap: findShapeAt gives every point
    of the box at most one owner, and the masks are made from it, so neighbouring masks cannot both
    claim a pixel on their common edge. */
class SkinShapeBox
{
public:
    virtual ~SkinShapeBox() = default;

    virtual int getNumShapes() const = 0;

    /** The outline of a shape in box coordinates, for painting. */
    virtual juce::Path getShape (int index) const = 0;

    /** The shape that a point of the box belongs to, or -1. */
    virtual int findShapeAt (juce::Point<float> point) const = 0;

    /** The whole area that the shapes cover together, drawn from the box's outer numbers rather than
        from the shapes, so that a gap between shapes shows against it. */
    virtual juce::Path getOutline() const = 0;

    /** The part of the box that the images of a shape show (by default the whole box). */
    virtual juce::Rectangle<int> getImageArea (int index) const;

    /** The box's size. */
    virtual juce::Rectangle<int> getBounds() const = 0;
};

//==============================================================================
/** A ring (or an arc of one) cut into equal segments by radial lines: the ring is an ellipse band
    whose inner edge has the outer edge's proportions, so the cuts are straight. Angles are in
    radians, clockwise from twelve o'clock; the segments are numbered from the first angle on. */
class SkinRingSegments : public SkinShapeBox
{
public:
    struct Layout
    {
        juce::Rectangle<int> box;          // the box, at (0, 0)
        juce::Point<float> centre;
        float outerRadiusX, outerRadiusY;
        float innerProportion;             // inner radii over outer radii, 0..1
        float firstAngle, lastAngle;
        int numSegments;
    };

    explicit SkinRingSegments (const Layout& layout);

    int getNumShapes() const override { return layout.numSegments; }
    juce::Path getShape (int index) const override;
    int findShapeAt (juce::Point<float> point) const override;
    juce::Path getOutline() const override;
    juce::Rectangle<int> getBounds() const override { return layout.box; }

    /** The angle between the cuts of one segment. */
    float getSegmentAngle() const noexcept;

    /** The middle of a segment, halfway between its edges both ways (where its caption goes). */
    juce::Point<float> getSegmentCentre (int index) const;

    const Layout& getLayout() const noexcept { return layout; }

private:
    juce::Path band (float fromAngle, float toAngle) const;

    Layout layout;
};
