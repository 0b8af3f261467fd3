// The effect panel: the unit's body in its three colours, and the Scene section's dial, whose ten
// effect buttons are the segments of a ring cut in two boxes of five.

#include "SkinPainter.h"
#include "SkinShapes.h"

#include <cmath>

using namespace juce;

namespace
{
//==============================================================================
// The Scene dial. Each 319x180 box holds half of the ring; both halves are cut into five segments
// numbered clockwise, so the upper box runs from nine o'clock over the top to three o'clock and the
// lower box on from three o'clock round the bottom to nine. The ring ends one pixel inside the
// box's outer edges and at the box's edge toward the other half.
constexpr float halfPi = MathConstants<float>::halfPi;

const SkinRingSegments sceneUpperDial ({ { 0, 0, 319, 180 }, { 159.5f, 179.0f }, 157.5f, 177.0f, 0.6f, -halfPi, halfPi, 5 });
const SkinRingSegments sceneLowerDial ({ { 0, 0, 319, 180 }, { 159.5f, 1.0f }, 157.5f, 177.0f, 0.6f, halfPi, 3.0f * halfPi, 5 });

int segmentIndex (Part part) noexcept
{
    return (int) part - (int) Part::segment1;
}

SkinShape upperDialShape (const SkinImageRecipe& r) { return { &sceneUpperDial, segmentIndex (r.part) }; }
SkinShape lowerDialShape (const SkinImageRecipe& r) { return { &sceneLowerDial, segmentIndex (r.part) }; }

void paintDialSegment (Image& image, const SkinImageRecipe& r, const SkinRingSegments& dial)
{
    Graphics g (image);
    const auto shape = getShapeOutline (r);
    const auto accent = SkinPainter::accentColour (r.accent);
    const auto bounds = shape.getBounds();
    const bool down = SkinPainter::isDown (r.state) || SkinPainter::isOn (r.state);
    const bool over = SkinPainter::isOver (r.state);
    const bool disabled = SkinPainter::isDisabled (r.state);

    // The face: dark metal lit from above, brighter under the mouse; pressed, the accent shines up
    // through it. The whole shape is filled, since the hit mask is the shape.
    if (disabled)
        g.setColour (Colour (0xff17181b));
    else if (down)
        g.setGradientFill (ColourGradient::vertical (accent.darker (0.55f), bounds.getY(), accent.darker (1.4f), bounds.getBottom()));
    else
        g.setGradientFill (ColourGradient::vertical (Colour (over ? 0xff3b3f47 : 0xff2c2f35), bounds.getY(),
                                                     Colour (over ? 0xff24272c : 0xff1b1d21), bounds.getBottom()));

    g.fillPath (shape);

    if (over || down)
        SkinPainter::drawInnerGlow (g, shape, accent.withAlpha (down ? 0.9f : 0.8f), down ? 10 : 8);

    // The seam: each segment darkens its own edge, so neighbours meet in a two-pixel groove, and a
    // hairline follows just inside it: faint light when idle, the accent when lit.
    g.setColour (over || down ? accent.brighter (0.2f).withAlpha (0.9f) : Colours::white.withAlpha (disabled ? 0.03f : 0.08f));
    g.strokePath (shape, PathStrokeType (5.0f));
    g.setColour (Colour (SkinPainter::outline));
    g.strokePath (shape, PathStrokeType (3.0f));

    // An indicator toward the outer edge: dark when idle, lit by the accent when pressed.
    const auto index = segmentIndex (r.part);
    const auto centre = dial.getSegmentCentre (index);
    const auto& layout = dial.getLayout();
    const auto angle = layout.firstAngle + dial.getSegmentAngle() * ((float) index + 0.5f);
    const auto towardRim = Point<float> (std::sin (angle) * layout.outerRadiusX, -std::cos (angle) * layout.outerRadiusY) * 0.14f;
    const auto led = Rectangle<float> (7.0f, 7.0f).withCentre (centre + towardRim);
    Path dot;
    dot.addEllipse (led);

    if (down)
        SkinPainter::drawGlow (g, dot, accent, 6);

    g.setColour (disabled ? Colour (0xff101113) : down ? accent.brighter (0.5f) : over ? accent.darker (0.6f) : Colour (0xff0c0d0f));
    g.fillPath (dot);
    g.setColour (Colour (SkinPainter::outline));
    g.drawEllipse (led.expanded (0.5f), 1.0f);
}

void paintUpperDialSegment (Image& image, const SkinImageRecipe& r) { paintDialSegment (image, r, sceneUpperDial); }
void paintLowerDialSegment (Image& image, const SkinImageRecipe& r) { paintDialSegment (image, r, sceneLowerDial); }

//==============================================================================
Colour bodyBase (BodyColour colour) noexcept
{
    switch (colour)
    {
        case BodyColour::white:    return Colour (0xffdcdcd8);
        case BodyColour::platinum: return Colour (0xffa9adb3);
        case BodyColour::black:    break;
    }

    return Colour (0xff1f2125);
}

void paintBody (Image& image, const SkinImageRecipe& r)
{
    const auto base = bodyBase (r.body);
    const bool light = r.body != BodyColour::black;
    const auto plate = image.getBounds().toFloat().reduced (1.0f);
    const auto corner = 12.0f;

    {
        Graphics g (image);
        g.setColour (Colour (SkinPainter::outline));
        g.fillRoundedRectangle (plate.expanded (1.0f), corner + 1.0f);
        g.setGradientFill (ColourGradient::vertical (base.brighter (0.06f), plate.getY(), base.darker (light ? 0.1f : 0.2f), plate.getBottom()));
        g.fillRoundedRectangle (plate, corner);
    }

    // Brushed along its length, more visibly on the light finishes that catch the light.
    SkinPainter::addBrushing (image, plate.toNearestInt().reduced (2), light ? 4.0f : 3.0f, 21 + (int) r.body);

    Graphics g (image);
    // Bevel: a bright lip along the top, a shadowed one along the bottom.
    g.setGradientFill (ColourGradient::vertical (Colours::white.withAlpha (light ? 0.55f : 0.14f), plate.getY(),
                                                 Colours::white.withAlpha (0.0f), plate.getY() + 6.0f));
    g.drawRoundedRectangle (plate.reduced (0.5f), corner, 1.0f);
    g.setGradientFill (ColourGradient::vertical (Colours::black.withAlpha (0.0f), plate.getBottom() - 8.0f,
                                                 Colours::black.withAlpha (light ? 0.3f : 0.5f), plate.getBottom()));
    g.drawRoundedRectangle (plate.reduced (1.0f), corner - 0.5f, 1.5f);

    // A screw in each corner.
    for (auto c : { Point<float> (18.0f, 18.0f), Point<float> (plate.getRight() - 17.0f, 18.0f),
                    Point<float> (18.0f, plate.getBottom() - 17.0f), Point<float> (plate.getRight() - 17.0f, plate.getBottom() - 17.0f) })
    {
        const auto head = Rectangle<float> (9.0f, 9.0f).withCentre (c);
        g.setColour (Colours::black.withAlpha (light ? 0.25f : 0.5f));
        g.fillEllipse (head.expanded (1.0f).translated (0.0f, 0.5f));
        g.setGradientFill (ColourGradient::vertical (base.brighter (0.3f), head.getY(), base.darker (0.35f), head.getBottom()));
        g.fillEllipse (head);
        g.setColour (base.darker (light ? 0.7f : 0.9f));
        g.drawLine (c.x - 3.0f, c.y + 1.5f, c.x + 3.0f, c.y - 1.5f, 1.2f);
    }
}
} // namespace

static const SkinRecipeRegistration panelRecipes {
    SkinRecipe::image ("body", paintBody),
    SkinRecipe::shaped ("sceneUpperDial", paintUpperDialSegment, upperDialShape),
    SkinRecipe::shaped ("sceneLowerDial", paintLowerDialSegment, lowerDialShape),
};
