#include "SkinShapes.h"

#include <cmath>

using namespace juce;

Rectangle<int> SkinShapeBox::getImageArea (int) const
{
    return getBounds();
}

//==============================================================================
SkinRingSegments::SkinRingSegments (const Layout& l) : layout (l)
{
    jassert (l.numSegments > 0 && l.lastAngle > l.firstAngle && l.lastAngle - l.firstAngle <= MathConstants<float>::twoPi);
    jassert (l.innerProportion >= 0.0f && l.innerProportion < 1.0f);
}

float SkinRingSegments::getSegmentAngle() const noexcept
{
    return (layout.lastAngle - layout.firstAngle) / (float) layout.numSegments;
}

Path SkinRingSegments::band (float fromAngle, float toAngle) const
{
    // Straight lines only, with vertices on the ellipses close enough together that the renderer's
    // edge and findShapeAt's exact test part at the same place to within a sliver of a pixel, even
    // on arcs of large radius.
    const auto c = layout.centre;
    const auto k = layout.innerProportion;
    const auto pointAt = [c] (float rx, float ry, float angle)
    {
        return Point<float> (c.x + rx * std::sin (angle), c.y - ry * std::cos (angle));
    };
    const auto steps = [toAngle, fromAngle] (float radius)
    {
        // Chords that stay within 0.02 pixel of the curve.
        return jmax (2, (int) std::ceil ((toAngle - fromAngle) * radius / std::sqrt (0.16f * jmax (1.0f, radius))));
    };

    Path p;
    const auto outerSteps = steps (jmax (layout.outerRadiusX, layout.outerRadiusY));

    for (int i = 0; i <= outerSteps; ++i)
    {
        const auto point = pointAt (layout.outerRadiusX, layout.outerRadiusY, fromAngle + (toAngle - fromAngle) * (float) i / (float) outerSteps);

        if (i == 0)
            p.startNewSubPath (point);
        else
            p.lineTo (point);
    }

    // Back along the inner edge: the radial cuts are the straight joins between the two arcs.
    if (k > 0.0f)
    {
        const auto innerSteps = steps (jmax (layout.outerRadiusX, layout.outerRadiusY) * k);

        for (int i = innerSteps; i >= 0; --i)
            p.lineTo (pointAt (layout.outerRadiusX * k, layout.outerRadiusY * k, fromAngle + (toAngle - fromAngle) * (float) i / (float) innerSteps));
    }
    else
    {
        p.lineTo (c);
    }

    p.closeSubPath();
    return p;
}

Path SkinRingSegments::getShape (int index) const
{
    if (! isPositiveAndBelow (index, layout.numSegments))
        return {};

    const auto from = layout.firstAngle + getSegmentAngle() * (float) index;
    // The last cut is the ring's own end, not a sum of steps that may fall short of it.
    const auto to = index == layout.numSegments - 1 ? layout.lastAngle : from + getSegmentAngle();
    return band (from, to);
}

Path SkinRingSegments::getOutline() const
{
    return band (layout.firstAngle, layout.lastAngle);
}

int SkinRingSegments::findShapeAt (Point<float> point) const
{
    // In units of the outer radii the ring is circular, and a point at angle a lies at (sin a, -cos a).
    const auto u = (double) (point.x - layout.centre.x) / (double) layout.outerRadiusX;
    const auto v = (double) (point.y - layout.centre.y) / (double) layout.outerRadiusY;
    const auto radiusSquared = u * u + v * v;
    const auto inner = (double) layout.innerProportion;

    if (radiusSquared > 1.0 || radiusSquared <= inner * inner)
        return -1;

    auto fromFirst = std::atan2 (u, -v) - (double) layout.firstAngle;
    const auto twoPi = MathConstants<double>::twoPi;
    fromFirst -= twoPi * std::floor (fromFirst / twoPi);

    if (fromFirst >= (double) (layout.lastAngle - layout.firstAngle))
        return -1;

    return jmin (layout.numSegments - 1, (int) (fromFirst / (double) getSegmentAngle()));
}

Point<float> SkinRingSegments::getSegmentCentre (int index) const
{
    const auto angle = layout.firstAngle + getSegmentAngle() * ((float) index + 0.5f);
    const auto radius = (1.0f + layout.innerProportion) * 0.5f;
    return { layout.centre.x + layout.outerRadiusX * radius * std::sin (angle),
             layout.centre.y - layout.outerRadiusY * radius * std::cos (angle) };
}

Rectangle<int> SkinShapeBox::getTextArea (int) const
{
    return {};
}

Rectangle<int> SkinRingSegments::getTextArea (int index) const
{
    if (! isPositiveAndBelow (index, layout.numSegments))
        return {};

    // The widest rectangle of each height, centred on the segment's middle, that keeps a margin
    // from every edge of the segment; of those, the one with the most room for two short lines.
    constexpr float margin = 2.0f;
    const auto centre = getSegmentCentre (index).roundToInt();
    const auto fits = [this, index] (Rectangle<int> area)
    {
        const auto grown = area.toFloat().expanded (margin);

        for (int i = 0; i <= 8; ++i)
        {
            const auto t = (float) i / 8.0f;

            for (auto p : { Point<float> (grown.getX() + grown.getWidth() * t, grown.getY()),
                            Point<float> (grown.getX() + grown.getWidth() * t, grown.getBottom()),
                            Point<float> (grown.getX(), grown.getY() + grown.getHeight() * t),
                            Point<float> (grown.getRight(), grown.getY() + grown.getHeight() * t) })
                if (findShapeAt (p) != index)
                    return false;
        }

        return true;
    };

    Rectangle<int> best;
    auto bestScore = 0.0f;

    for (int h = 8; h <= layout.box.getHeight(); h += 2)
    {
        int w = 8;

        while (fits (Rectangle<int> (w + 2, h).withCentre (centre)))
            w += 2;

        if (! fits (Rectangle<int> (w, h).withCentre (centre)))
            break;

        // Room for two lines of about 13 pixels, each some 60 pixels wide, counts most.
        const auto score = (float) jmin (w, 64) * (float) jmin (h, 32);

        if (score > bestScore)
        {
            bestScore = score;
            best = Rectangle<int> (w, h).withCentre (centre);
        }
    }

    return best;
}

//==============================================================================
namespace
{
float signedArea (const std::vector<Point<float>>& points)
{
    auto area = 0.0f;

    for (size_t i = 0; i < points.size(); ++i)
    {
        const auto& a = points[i];
        const auto& b = points[(i + 1) % points.size()];
        area += a.x * b.y - b.x * a.y;
    }

    return area * 0.5f;
}

/** A closed polygon, turned clockwise for an area and anticlockwise for a hole. */
Path polygonPath (std::vector<Point<float>> points, bool hole)
{
    Path path;

    if (points.size() < 3)
        return path;

    if ((signedArea (points) < 0.0f) != hole)
        std::reverse (points.begin(), points.end());

    path.startNewSubPath (points.front());

    for (size_t i = 1; i < points.size(); ++i)
        path.lineTo (points[i]);

    path.closeSubPath();
    return path;
}

Point<float> onCircle (Point<float> centre, float radius, float angle)
{
    return { centre.x + radius * std::sin (angle), centre.y - radius * std::cos (angle) };
}

int stepsFor (float radius, float angle)
{
    // Chords that stay within 0.02 pixel of the circle: a chord of length s sags s^2 / 8r.
    return jmax (2, (int) std::ceil (std::abs (angle) * radius / std::sqrt (0.16f * jmax (1.0f, radius))));
}
} // namespace

Path SkinOutline::makePolygon (const std::vector<Point<float>>& corners, float convexRadius, float concaveRadius, bool hole)
{
    if (corners.size() < 3)
        return {};

    // Work on the corners in clockwise order, where a convex corner turns right.
    auto ordered = corners;

    if (signedArea (ordered) < 0.0f)
        std::reverse (ordered.begin(), ordered.end());

    std::vector<Point<float>> points;
    const auto n = ordered.size();

    for (size_t i = 0; i < n; ++i)
    {
        const auto p = ordered[(i + n - 1) % n];
        const auto v = ordered[i];
        const auto q = ordered[(i + 1) % n];
        const auto turn = (v.x - p.x) * (q.y - v.y) - (v.y - p.y) * (q.x - v.x);
        const auto radius = turn > 0.0f ? convexRadius : concaveRadius;
        const auto cut = jmin (radius, p.getDistanceFrom (v) * 0.5f, q.getDistanceFrom (v) * 0.5f);

        if (cut <= 0.0f || turn == 0.0f)
        {
            points.push_back (v);
            continue;
        }

        const auto a = v + (p - v) * (cut / p.getDistanceFrom (v));
        const auto b = v + (q - v) * (cut / q.getDistanceFrom (v));
        const int steps = jmax (3, (int) std::ceil (cut));

        for (int s = 0; s <= steps; ++s)
        {
            const auto t = (float) s / (float) steps;
            points.push_back (a * ((1.0f - t) * (1.0f - t)) + v * (2.0f * t * (1.0f - t)) + b * (t * t));
        }
    }

    return polygonPath (points, hole);
}

Path SkinOutline::makeRectangle (Rectangle<float> area, float radius, bool hole)
{
    return makePolygon ({ area.getTopLeft(), area.getTopRight(), area.getBottomRight(), area.getBottomLeft() },
                        radius, 0.0f, hole);
}

Path SkinOutline::makeDisc (Point<float> centre, float radius, bool hole)
{
    std::vector<Point<float>> points;
    const auto steps = stepsFor (radius, MathConstants<float>::twoPi);

    for (int i = 0; i < steps; ++i)
        points.push_back (onCircle (centre, radius, MathConstants<float>::twoPi * (float) i / (float) steps));

    return polygonPath (points, hole);
}

Path SkinOutline::makeBand (Point<float> centre, float innerRadius, float outerRadius, float fromAngle, float toAngle)
{
    std::vector<Point<float>> points;
    const auto outerSteps = stepsFor (outerRadius, toAngle - fromAngle);
    const auto innerSteps = stepsFor (innerRadius, toAngle - fromAngle);

    for (int i = 0; i <= outerSteps; ++i)
        points.push_back (onCircle (centre, outerRadius, fromAngle + (toAngle - fromAngle) * (float) i / (float) outerSteps));

    for (int i = innerSteps; i >= 0; --i)
        points.push_back (onCircle (centre, innerRadius, fromAngle + (toAngle - fromAngle) * (float) i / (float) innerSteps));

    return polygonPath (points, false);
}

Path SkinOutline::flatten (const Path& path)
{
    Path lines;
    lines.setUsingNonZeroWinding (path.isUsingNonZeroWinding());
    PathFlatteningIterator it (path, {}, 0.05f);
    bool open = false;

    while (it.next())
    {
        if (! open)
        {
            lines.startNewSubPath (it.x1, it.y1);
            open = true;
        }

        lines.lineTo (it.x2, it.y2);

        if (it.closesSubPath)
        {
            lines.closeSubPath();
            open = false;
        }
    }

    return lines;
}

//==============================================================================
SkinRegionSet::SkinRegionSet (Rectangle<int> b, std::vector<Region> r)
    : bounds (b), regions (std::move (r))
{
    jassert (regions.size() < 127);

    for (auto& region : regions)
    {
        region.outline = SkinOutline::flatten (region.outline);
        auto& list = edges.emplace_back();
        PathFlatteningIterator it (region.outline, {}, 0.05f);

        while (it.next())
            if (it.y1 != it.y2)
                list.push_back ({ it.x1, it.y1, it.x2, it.y2 });
    }

    // Row by row: where each outline crosses the row through the pixel centres, and with which
    // direction, then the winding along the row. The same crossing rule as windingAt.
    owners.assign ((size_t) (bounds.getWidth() * bounds.getHeight()), (int8) -1);
    std::vector<std::pair<float, int>> crossings;

    for (int row = 0; row < bounds.getHeight(); ++row)
    {
        const auto y = (float) (bounds.getY() + row) + 0.5f;

        for (int index = (int) regions.size(); --index >= 0;)
        {
            crossings.clear();

            for (const auto& e : edges[(size_t) index])
                if ((e.y0 <= y && y < e.y1) || (e.y1 <= y && y < e.y0))
                    crossings.push_back ({ e.x0 + (y - e.y0) * (e.x1 - e.x0) / (e.y1 - e.y0), e.y1 > e.y0 ? 1 : -1 });

            std::sort (crossings.begin(), crossings.end());
            size_t next = 0;
            int winding = 0;

            for (int column = 0; column < bounds.getWidth(); ++column)
            {
                const auto x = (float) (bounds.getX() + column) + 0.5f;

                while (next < crossings.size() && crossings[next].first < x)
                    winding += crossings[next++].second;

                // Later regions are written first, so the earlier ones win any overlap.
                if (winding != 0)
                    owners[(size_t) (row * bounds.getWidth() + column)] = (int8) index;
            }
        }
    }
}

int SkinRegionSet::windingAt (const std::vector<Edge>& list, float x, float y)
{
    int winding = 0;

    for (const auto& e : list)
        if (((e.y0 <= y && y < e.y1) || (e.y1 <= y && y < e.y0)) && e.x0 + (y - e.y0) * (e.x1 - e.x0) / (e.y1 - e.y0) < x)
            winding += e.y1 > e.y0 ? 1 : -1;

    return winding;
}

int SkinRegionSet::ownerAt (float x, float y) const
{
    for (size_t i = 0; i < regions.size(); ++i)
        if (windingAt (edges[i], x, y) != 0)
            return (int) i;

    return -1;
}

int SkinRegionSet::findShapeAt (Point<float> point) const
{
    const auto column = point.x - 0.5f - (float) bounds.getX();
    const auto row = point.y - 0.5f - (float) bounds.getY();

    if (column == std::floor (column) && row == std::floor (row))
    {
        if (column < 0.0f || row < 0.0f || column >= (float) bounds.getWidth() || row >= (float) bounds.getHeight())
            return -1;

        return owners[(size_t) ((int) row * bounds.getWidth() + (int) column)];
    }

    return bounds.toFloat().contains (point) ? ownerAt (point.x, point.y) : -1;
}

Path SkinRegionSet::getShape (int index) const
{
    return isPositiveAndBelow (index, (int) regions.size()) ? regions[(size_t) index].outline : Path();
}

Path SkinRegionSet::getOutline() const
{
    Path all;

    for (const auto& region : regions)
        all.addPath (region.outline);

    return all;
}

Rectangle<int> SkinRegionSet::getImageArea (int index) const
{
    return isPositiveAndBelow (index, (int) regions.size()) ? regions[(size_t) index].imageArea : Rectangle<int>();
}
