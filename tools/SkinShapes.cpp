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
    const auto c = layout.centre;
    const auto k = layout.innerProportion;
    Path p;
    p.addCentredArc (c.x, c.y, layout.outerRadiusX, layout.outerRadiusY, 0.0f, fromAngle, toAngle, true);

    // Back along the inner edge: the radial cuts are the straight joins between the two arcs.
    if (k > 0.0f)
        p.addCentredArc (c.x, c.y, layout.outerRadiusX * k, layout.outerRadiusY * k, 0.0f, toAngle, fromAngle, false);
    else
        p.lineTo (c);

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
