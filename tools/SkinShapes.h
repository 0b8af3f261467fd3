#pragma once

#include <juce_graphics/juce_graphics.h>

#include <vector>

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

    /** Where a caption that the program draws over a shape's images goes, in box coordinates: a
        rectangle that lies wholly inside the shape (empty for shapes that carry no caption). */
    virtual juce::Rectangle<int> getTextArea (int index) const;

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

    /** The largest rectangle of the segment's own proportions, centred on its middle, that keeps a
        margin from every edge of the segment. */
    juce::Rectangle<int> getTextArea (int index) const override;

    const Layout& getLayout() const noexcept { return layout; }

private:
    juce::Path band (float fromAngle, float toAngle) const;

    Layout layout;
};

//==============================================================================
/** Outlines built from straight lines only, so that a point test and the renderer agree on every
    pixel. Corners are listed clockwise (screen coordinates) or anticlockwise: makePolygon turns
    an added area clockwise and a hole anticlockwise, so that with non-zero winding areas add up
    and holes cut them out. */
namespace SkinOutline
{
    /** A polygon with its corners rounded: convex corners by one radius, inward corners by another
        (which adds a small fillet outside the listed corner). */
    juce::Path makePolygon (const std::vector<juce::Point<float>>& corners, float convexRadius,
                            float concaveRadius, bool hole = false);

    /** A rectangle with rounded corners. */
    juce::Path makeRectangle (juce::Rectangle<float> area, float radius, bool hole = false);

    /** A disc. */
    juce::Path makeDisc (juce::Point<float> centre, float radius, bool hole = false);

    /** A band between two concentric circular arcs, cut radially at both ends. Angles in radians,
        clockwise from twelve o'clock. */
    juce::Path makeBand (juce::Point<float> centre, float innerRadius, float outerRadius,
                         float fromAngle, float toAngle);

    /** Any path as straight lines (curves flattened finely), for use as a region outline. */
    juce::Path flatten (const juce::Path& path);
}

//==============================================================================
/** Regions of one box, each drawn from an outline of straight lines (which may hold several areas
    and holes). Where outlines would overlap the earlier region owns the point, but the outlines are
    meant to be disjoint: each region's images are kept inside its own outline, so an overlap shows
    up as artwork outside a mask. Which region owns each pixel centre is worked out once, row by
    row, so masks of large boxes are quick to make. */
class SkinRegionSet : public SkinShapeBox
{
public:
    struct Region
    {
        juce::Path outline;                 // box coordinates
        juce::Rectangle<int> imageArea;     // where the region's images lie in the box
    };

    SkinRegionSet (juce::Rectangle<int> bounds, std::vector<Region> regions);

    int getNumShapes() const override { return (int) regions.size(); }
    juce::Path getShape (int index) const override;
    int findShapeAt (juce::Point<float> point) const override;
    juce::Path getOutline() const override;
    juce::Rectangle<int> getImageArea (int index) const override;
    juce::Rectangle<int> getBounds() const override { return bounds; }

private:
    struct Edge { float x0, y0, x1, y1; };

    int ownerAt (float x, float y) const;
    static int windingAt (const std::vector<Edge>& edges, float x, float y);

    juce::Rectangle<int> bounds;
    std::vector<Region> regions;
    std::vector<std::vector<Edge>> edges;   // per region
    std::vector<juce::int8> owners;         // per pixel centre of the box, -1 for none
};
