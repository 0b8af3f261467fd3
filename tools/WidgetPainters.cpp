// The effect panel's controls: effect keys, toggles, lock and close keys, X-PAD keys, tabs and pads,
// beat keys, knobs and their value arcs, dividers, rails and rules, the range slider's parts and the
// sample editor's rotary knob. Keys are dark so that the captions the program writes on them (amber,
// red, blue, yellow or grey) stay readable in every state; light shows at rims and indicators.

#include "SkinPainter.h"

#include <cmath>

using namespace juce;

namespace
{
constexpr float pi = MathConstants<float>::pi;

Rectangle<float> boundsOf (const Image& image)
{
    return image.getBounds().toFloat();
}

Point<float> onCircle (Point<float> c, float radius, float angle)
{
    return { c.x + radius * std::sin (angle), c.y - radius * std::cos (angle) };
}

/** A dark key face in a state, with its light: a rim glow under the mouse or focus, a deeper one
    when pressed or chosen. Returns the face's outline. */
Path drawFace (Graphics& g, Rectangle<float> area, float corner, State state, Colour accent, bool glowWhenDown = true)
{
    const bool over = SkinPainter::isOver (state);
    const bool down = SkinPainter::isDown (state);
    const bool disabled = SkinPainter::isDisabled (state);
    const auto top = disabled ? Colour (0xff1e2024) : over ? Colour (0xff383c44) : Colour (0xff30333a);
    const auto bottom = disabled ? Colour (0xff18191c) : over ? Colour (0xff212428) : Colour (0xff1c1e22);

    SkinPainter::drawKey (g, area, corner, top, bottom, down);
    Path face;
    face.addRoundedRectangle (area.reduced (1.0f), jmax (0.0f, corner - 1.0f));

    if (! disabled && (over || (down && glowWhenDown)))
    {
        SkinPainter::drawInnerGlow (g, face, accent.withAlpha (down ? 0.7f : 0.5f), down ? 7 : 5);
        g.setColour (accent.withAlpha (down ? 0.8f : 0.6f));
        g.drawRoundedRectangle (area.reduced (1.0f), jmax (0.0f, corner - 1.0f), 1.0f);
    }

    return face;
}

/** A short indicator bar: dark, or lit with a glow. */
void drawIndicator (Graphics& g, Rectangle<float> bar, Colour accent, float light)
{
    if (light > 0.0f)
    {
        Path p;
        p.addRoundedRectangle (bar, bar.getHeight() * 0.5f);
        SkinPainter::drawGlow (g, p, accent.withAlpha (0.8f * light), 5);
    }

    g.setColour (Colour (SkinPainter::outline));
    g.fillRoundedRectangle (bar.expanded (0.5f), bar.getHeight() * 0.5f + 0.5f);
    g.setColour (light > 0.0f ? accent.brighter (0.5f).interpolatedWith (Colour (0xff101113), 1.0f - light) : Colour (0xff101113));
    g.fillRoundedRectangle (bar, bar.getHeight() * 0.5f);
}

//==============================================================================
// Effect keys.
void paintIsolateEffectKey (Image& image, const SkinImageRecipe& r)
{
    // The key stands in the upper part of its image: the rail under the keys covers the rest.
    Graphics g (image);
    const auto accent = SkinPainter::accentColour (r.accent);
    const Rectangle<float> face (4.0f, 3.0f, 106.0f, 36.0f);
    drawFace (g, face, 5.0f, r.state, accent);
    const auto light = SkinPainter::isDown (r.state) ? 1.0f : SkinPainter::isOver (r.state) ? 0.45f : 0.0f;
    drawIndicator (g, { 37.0f, 33.5f, 40.0f, 2.0f }, accent, SkinPainter::isDisabled (r.state) ? 0.0f : light);
}

void paintXPadKey (Image& image, const SkinImageRecipe& r)
{
    Graphics g (image);
    const auto accent = SkinPainter::accentColour (r.accent);
    const auto area = boundsOf (image).reduced (2.5f);
    const bool square = image.getWidth() == image.getHeight();
    drawFace (g, area, square ? 10.0f : 5.0f, r.state, accent);

    const auto light = SkinPainter::isDisabled (r.state) ? 0.0f : SkinPainter::isDown (r.state) ? 1.0f : SkinPainter::isOver (r.state) ? 0.45f : 0.0f;

    if (image.getWidth() > 200)
    {
        // The wide X-PAD key is the touch strip: five positions marked along its lower edge.
        for (int i = 0; i < 5; ++i)
        {
            const auto x = area.getX() + 14.0f + (area.getWidth() - 28.0f) * (float) i / 4.0f;
            drawIndicator (g, { x - 8.0f, area.getBottom() - 6.0f, 16.0f, 2.0f }, accent, light);
        }
    }
    else
    {
        drawIndicator (g, Rectangle<float> (area.getWidth() * 0.4f, 2.0f).withCentre ({ area.getCentreX(), area.getBottom() - 4.5f }), accent, light);
    }
}

//==============================================================================
// Toggles, also drawn for the Release effect buttons: seven pictures of one key whose indicator
// under the caption shows the panel's choice ("lit").
void paintToggleKey (Image& image, const SkinImageRecipe& r)
{
    Graphics g (image);
    const auto accent = SkinPainter::accentColour (r.accent);
    const bool disabled = SkinPainter::isDisabled (r.state);
    const bool lit = SkinPainter::isOn (r.state) && ! disabled;
    const bool pressed = SkinPainter::isDown (r.state);
    const bool focused = SkinPainter::isOver (r.state);

    // Narrower than the picture: neighbouring toggles stand closer than their pictures are wide.
    const Rectangle<float> face (8.0f, 2.5f, 92.0f, 29.0f);
    const auto faceState = disabled ? State::disabled : pressed ? State::down : focused ? State::over : State::normal;
    drawFace (g, face, 5.0f, faceState, accent, lit);
    drawIndicator (g, { 34.0f, 26.5f, 40.0f, 2.0f }, accent, lit ? (pressed ? 1.0f : 0.85f) : 0.0f);
}

//==============================================================================
void paintLockKey (Image& image, const SkinImageRecipe& r)
{
    Graphics g (image);
    const auto accent = SkinPainter::accentColour (r.accent);
    const bool locked = SkinPainter::isOn (r.state);
    const bool over = SkinPainter::isOver (r.state);

    // A small key in the middle of its picture, so that it stays inside whichever plate holds it.
    const Rectangle<float> face (12.0f, 3.0f, 28.0f, 20.0f);
    drawFace (g, face, 4.0f, over ? State::over : locked ? State::down : State::normal, accent, locked);

    // A padlock: the shackle closed when locked, lifted and open when not.
    const auto c = face.getCentre().translated (0.0f, locked ? 0.5f : 0.0f);
    const Rectangle<float> body (c.x - 4.5f, c.y - 0.5f, 9.0f, 6.5f);
    Path shackle;
    const auto lift = locked ? 0.0f : 2.0f;
    shackle.startNewSubPath (body.getX() + 2.0f, body.getY());
    shackle.lineTo (body.getX() + 2.0f, body.getY() - 2.5f - lift);
    shackle.addArc (body.getX() + 2.0f, body.getY() - 5.0f - lift, 5.0f, 5.0f, -pi * 0.5f, pi * 0.5f);
    shackle.lineTo (body.getRight() - 2.0f, body.getY() - (locked ? 0.0f : 2.5f + lift - 1.0f));

    const auto colour = locked ? accent.brighter (0.4f) : over ? Colour (0xffd8dce2) : Colour (SkinPainter::glyph).withAlpha (0.75f);

    if (locked)
    {
        Path all (shackle);
        all.addRoundedRectangle (body, 1.0f);
        SkinPainter::drawGlow (g, all, accent.withAlpha (0.8f), 4);
    }

    SkinPainter::strokeGlyph (g, shackle, colour, 1.4f);
    g.setColour (colour);
    g.fillRoundedRectangle (body, 1.0f);
    g.setColour (Colour (SkinPainter::outline));
    g.fillEllipse (Rectangle<float> (1.8f, 1.8f).withCentre (body.getCentre().translated (0.0f, -0.3f)));
}

void paintCloseKey (Image& image, const SkinImageRecipe& r)
{
    Graphics g (image);
    const auto accent = SkinPainter::accentColour (r.accent);
    const bool over = SkinPainter::isOver (r.state);
    const bool down = SkinPainter::isDown (r.state);
    const auto c = Point<float> (26.0f, 24.0f);
    const auto key = Rectangle<float> (28.0f, 28.0f).withCentre (c);

    // A round key: a dark ring round a face that turns red under the mouse.
    g.setColour (Colours::black.withAlpha (0.4f));
    g.fillEllipse (key.expanded (2.0f).translated (0.0f, 1.0f));
    g.setColour (Colour (SkinPainter::outline));
    g.fillEllipse (key.expanded (1.0f));
    const auto top = over || down ? accent.darker (down ? 0.9f : 0.5f) : Colour (0xff34373e);
    const auto bottom = over || down ? accent.darker (down ? 1.4f : 1.1f) : Colour (0xff1d1f23);
    g.setGradientFill (ColourGradient::vertical (down ? bottom : top, key.getY(), down ? top : bottom, key.getBottom()));
    g.fillEllipse (key);
    g.setColour (Colours::white.withAlpha (down ? 0.05f : 0.16f));
    g.drawEllipse (key.reduced (0.5f), 1.0f);

    Path cross;
    const auto d = 4.5f;
    const auto o = c.translated (0.0f, down ? 0.5f : 0.0f);
    cross.startNewSubPath (o.x - d, o.y - d);
    cross.lineTo (o.x + d, o.y + d);
    cross.startNewSubPath (o.x + d, o.y - d);
    cross.lineTo (o.x - d, o.y + d);

    if (over || down)
        SkinPainter::drawGlow (g, cross, Colours::white.withAlpha (0.5f), 3);

    SkinPainter::strokeGlyph (g, cross, over || down ? Colours::white : Colour (SkinPainter::glyph), 1.8f);
}

//==============================================================================
// X-PAD tabs and pads.
void paintXPadTab (Image& image, const SkinImageRecipe&)
{
    Graphics g (image);
    const Rectangle<float> tab (2.0f, 6.0f, 106.0f, 32.0f);
    Path p;
    p.addRoundedRectangle (tab.getX(), tab.getY(), tab.getWidth(), tab.getHeight(), 6.0f, 6.0f, true, true, false, false);
    g.setColour (Colour (SkinPainter::outline));
    g.strokePath (p, PathStrokeType (2.0f));
    g.setGradientFill (ColourGradient::vertical (Colour (0xff2f3238), tab.getY(), Colour (0xff16181b), tab.getBottom()));
    g.fillPath (p);
    g.setGradientFill (ColourGradient::vertical (Colours::white.withAlpha (0.16f), tab.getY(), Colours::white.withAlpha (0.0f), tab.getY() + 8.0f));
    g.strokePath (p, PathStrokeType (1.0f));
}

void paintPadStrip (Image& image, bool targets)
{
    Graphics g (image);
    const auto strip = boundsOf (image).reduced (1.0f);
    const auto accent = SkinPainter::accentColour (Accent::xpad);
    SkinPainter::drawWell (g, strip, 8.0f, Colour (0xff131417));

    for (int i = 0; i < 5; ++i)
    {
        const Rectangle<float> cell (7.0f + 44.0f * (float) i, 8.0f, 40.0f, 40.0f);
        SkinPainter::drawWell (g, cell, 5.0f, targets ? Colour (0xff191b1f) : Colour (0xff07080a));

        if (targets)
        {
            // A drop zone: a faint rim marks where a beat can land.
            g.setColour (accent.withAlpha (0.22f));
            g.drawRoundedRectangle (cell.reduced (3.5f), 3.0f, 1.0f);
        }
        else
        {
            // A read-out cell, faintly backlit.
            g.setGradientFill (ColourGradient::vertical (accent.withAlpha (0.07f), cell.getY(), accent.withAlpha (0.0f), cell.getBottom()));
            g.fillRoundedRectangle (cell.reduced (1.0f), 4.0f);
        }
    }
}

void paintPadDisplay (Image& image, const SkinImageRecipe&) { paintPadStrip (image, false); }
void paintPadTargets (Image& image, const SkinImageRecipe&) { paintPadStrip (image, true); }

void paintDropHighlight (Image& image, const SkinImageRecipe& r)
{
    // Drawn over a target under a drag or the focus, below its text: a glow that leaves the
    // middle clear.
    Graphics g (image);
    const auto accent = SkinPainter::accentColour (r.accent);
    const auto area = boundsOf (image).reduced (1.5f);
    Path p;
    p.addRoundedRectangle (area, 4.0f);
    SkinPainter::drawInnerGlow (g, p, accent.withAlpha (0.8f), 8);
    g.setColour (accent.brighter (0.3f));
    g.drawRoundedRectangle (area, 4.0f, 1.5f);
}

void paintBeatKey (Image& image, const SkinImageRecipe& r)
{
    Graphics g (image);
    const auto accent = SkinPainter::accentColour (r.accent);
    // The down picture also stands for a disabled key, so it is pressed in without light.
    drawFace (g, boundsOf (image).reduced (2.5f), 6.0f, r.state, accent, false);
}

void paintSlotFrame (Image& image, const SkinImageRecipe&)
{
    // Stretched to 105x19, so it is plain along its length: a dark slot with a shadowed top and a
    // lit lower lip, its ends softened.
    Graphics g (image);
    const auto w = (float) image.getWidth();
    const auto h = (float) image.getHeight();
    g.setColour (Colour (0xff0e0f12));
    g.fillRect (0.0f, 0.0f, w, h);
    g.setColour (Colours::black.withAlpha (0.8f));
    g.fillRect (0.0f, 0.0f, w, 1.0f);
    g.setColour (Colours::black.withAlpha (0.35f));
    g.fillRect (0.0f, 1.0f, w, 2.0f);
    g.setColour (Colours::white.withAlpha (0.1f));
    g.fillRect (0.0f, h - 1.0f, w, 1.0f);
    g.setColour (Colours::black.withAlpha (0.5f));
    g.fillRect (0.0f, 0.0f, 1.0f, h);
    g.fillRect (w - 1.0f, 0.0f, 1.0f, h);
}

//==============================================================================
// Knobs. The panel's knob pictures do not turn: their read-outs and lit arcs show the values.
/** A machined knob: a dark skirt and a brushed cap with a dimple. */
void drawKnob (Graphics& g, Point<float> c, float skirt, float cap)
{
    g.setColour (Colours::black.withAlpha (0.5f));
    g.fillEllipse (Rectangle<float> (2.0f * skirt + 4.0f, 2.0f * skirt + 4.0f).withCentre (c.translated (0.0f, 2.0f)));
    g.setColour (Colour (SkinPainter::outline));
    g.fillEllipse (Rectangle<float> (2.0f * skirt + 2.0f, 2.0f * skirt + 2.0f).withCentre (c));
    g.setGradientFill (ColourGradient::vertical (Colour (0xff3b3f46), c.y - skirt, Colour (0xff15171a), c.y + skirt));
    g.fillEllipse (Rectangle<float> (2.0f * skirt, 2.0f * skirt).withCentre (c));

    // Knurled skirt: fine ridges round the edge.
    for (int i = 0; i < 48; ++i)
    {
        const auto a = 2.0f * pi * (float) i / 48.0f;
        g.setColour (Colours::white.withAlpha (0.05f + 0.05f * std::cos (a)));
        g.drawLine (Line<float> (onCircle (c, cap + 1.5f, a), onCircle (c, skirt - 1.0f, a)), 1.0f);
    }

    const auto capArea = Rectangle<float> (2.0f * cap, 2.0f * cap).withCentre (c);
    g.setColour (Colour (SkinPainter::outline));
    g.fillEllipse (capArea.expanded (1.0f));
    ColourGradient metal (Colour (0xff8e939b), capArea.getX(), capArea.getY(), Colour (0xff3c4047), capArea.getRight(), capArea.getBottom(), false);
    metal.addColour (0.45, Colour (0xff5d6169));
    g.setGradientFill (metal);
    g.fillEllipse (capArea);

    // Concentric machining rings and a soft highlight at the top left.
    for (float ring = 3.0f; ring < cap; ring += 2.0f)
    {
        g.setColour (Colours::black.withAlpha (0.06f));
        g.drawEllipse (Rectangle<float> (2.0f * ring, 2.0f * ring).withCentre (c), 0.7f);
    }

    g.setGradientFill (ColourGradient (Colours::white.withAlpha (0.3f), c.x - cap * 0.5f, c.y - cap * 0.6f,
                                       Colours::white.withAlpha (0.0f), c.x, c.y, true));
    g.fillEllipse (capArea);
    g.setColour (Colours::black.withAlpha (0.3f));
    g.fillEllipse (Rectangle<float> (5.0f, 5.0f).withCentre (c));
}

/** Tick marks round a knob from one angle to another. */
void drawTicks (Graphics& g, Point<float> c, float from, float to, int count, float inner, float outer, Colour colour, float thickness)
{
    for (int i = 0; i < count; ++i)
    {
        const auto a = count == 1 ? from : from + (to - from) * (float) i / (float) (count - 1);
        g.setColour (colour);
        g.drawLine (Line<float> (onCircle (c, inner, a), onCircle (c, outer, a)), thickness);
    }
}

// The Isolate knobs turn about (49, 53), the centre the value arcs are cut about.
const Point<float> isolateKnobCentre (49.0f, 53.0f);
constexpr float arcInner = 36.0f, arcOuter = 43.0f;
constexpr float arcFrom = 1.25f * pi, arcTo = 2.75f * pi;

void paintIsolateKnobScale (Image& image, const SkinImageRecipe&)
{
    Graphics g (image);
    const auto c = isolateKnobCentre;
    // The unlit track of the arc, with its scale: the lit arc lies over it.
    Path track;
    track.addCentredArc (c.x, c.y, (arcInner + arcOuter) * 0.5f, (arcInner + arcOuter) * 0.5f, 0.0f, arcFrom, arcTo, true);
    g.setColour (Colour (SkinPainter::outline));
    g.strokePath (track, PathStrokeType (arcOuter - arcInner + 2.0f, PathStrokeType::curved, PathStrokeType::butt));
    g.setColour (Colour (0xff121316));
    g.strokePath (track, PathStrokeType (arcOuter - arcInner, PathStrokeType::curved, PathStrokeType::butt));
    drawTicks (g, c, arcFrom, arcTo, 21, arcInner + 1.0f, arcOuter - 1.0f, Colours::white.withAlpha (0.09f), 1.0f);
    drawTicks (g, c, arcFrom, arcTo, 3, arcInner - 4.0f, arcInner - 1.0f, Colour (SkinPainter::glyph).withAlpha (0.6f), 1.4f);
    drawKnob (g, c, 29.0f, 20.0f);
}

void paintIsolateKnobPlain (Image& image, const SkinImageRecipe&)
{
    Graphics g (image);
    const auto c = isolateKnobCentre;
    // Without a value arc: a seat ring round the knob.
    g.setColour (Colours::black.withAlpha (0.35f));
    g.drawEllipse (Rectangle<float> (2.0f * arcInner, 2.0f * arcInner).withCentre (c), 1.5f);
    drawKnob (g, c, 29.0f, 20.0f);
}

void paintIsolateArc (Image& image, const SkinImageRecipe& r)
{
    // The whole arc lit: the panel clips it to the value's span.
    Graphics g (image);
    const auto c = isolateKnobCentre;
    const auto accent = SkinPainter::accentColour (r.accent);
    Path band;
    band.addCentredArc (c.x, c.y, arcOuter, arcOuter, 0.0f, arcFrom, arcTo, true);
    band.addCentredArc (c.x, c.y, arcInner, arcInner, 0.0f, arcTo, arcFrom, false);
    band.closeSubPath();
    SkinPainter::drawGlow (g, band, accent.withAlpha (0.6f), 4);
    g.setGradientFill (ColourGradient (accent.brighter (0.7f), c.x, c.y - arcOuter, accent.darker (0.2f), c.x, c.y + arcOuter, false));
    g.fillPath (band);
    drawTicks (g, c, arcFrom, arcTo, 21, arcInner, arcOuter, Colours::black.withAlpha (0.35f), 1.0f);
}

// The Scene knobs: a body, four scales laid over it (one per kind of effect), and the mode knob.
const Point<float> sceneKnobCentre (34.0f, 34.0f);
// Scales 2 to 5 lie one pixel to the left of the body in the panel, so they are drawn one pixel to
// the right to sit on it.
const Point<float> sceneScaleCentre (35.0f, 34.0f);

void paintSceneKnobBody (Image& image, const SkinImageRecipe&)
{
    Graphics g (image);
    drawKnob (g, sceneKnobCentre, 24.0f, 16.0f);
}

void paintSceneKnobMode (Image& image, const SkinImageRecipe& r)
{
    Graphics g (image);
    const auto accent = SkinPainter::accentColour (r.accent);
    drawTicks (g, sceneKnobCentre, -0.5f * pi, 0.5f * pi, 2, 27.0f, 32.0f, accent.withAlpha (0.8f), 2.0f);
    drawKnob (g, sceneKnobCentre, 24.0f, 16.0f);
}

void paintSceneEchoScale (Image& image, const SkinImageRecipe& r)
{
    // Four marks toward the four echo-time read-outs round the knob.
    Graphics g (image);
    const auto accent = SkinPainter::accentColour (r.accent);

    for (auto a : { 0.25f * pi, 0.75f * pi, 1.25f * pi, 1.75f * pi })
    {
        Path dot;
        dot.addEllipse (Rectangle<float> (4.0f, 4.0f).withCentre (onCircle (sceneScaleCentre, 29.5f, a)));
        SkinPainter::drawGlow (g, dot, accent.withAlpha (0.5f), 3);
        g.setColour (accent.brighter (0.3f));
        g.fillPath (dot);
    }
}

void paintSceneNoiseScale (Image& image, const SkinImageRecipe& r)
{
    Graphics g (image);
    drawTicks (g, sceneScaleCentre, 1.25f * pi, 2.75f * pi, 25, 27.0f, 31.0f, SkinPainter::accentColour (r.accent).withAlpha (0.75f), 1.0f);
}

void paintSceneStepScale (Image& image, const SkinImageRecipe& r)
{
    Graphics g (image);
    drawTicks (g, sceneScaleCentre, 1.25f * pi, 2.75f * pi, 11, 27.0f, 32.0f, SkinPainter::accentColour (r.accent).withAlpha (0.75f), 1.6f);
}

void paintSceneReverbScale (Image& image, const SkinImageRecipe& r)
{
    // Marks that grow toward the end of the scale: longer reverb.
    Graphics g (image);
    const auto colour = SkinPainter::accentColour (r.accent).withAlpha (0.8f);

    for (int i = 0; i < 7; ++i)
    {
        const auto a = 1.25f * pi + 1.5f * pi * (float) i / 6.0f;
        g.setColour (colour);
        g.drawLine (Line<float> (onCircle (sceneScaleCentre, 27.0f, a), onCircle (sceneScaleCentre, 28.0f + 0.7f * (float) i, a)), 1.2f + 0.25f * (float) i);
    }
}

void paintPitchKnob (Image& image, const SkinImageRecipe&)
{
    Graphics g (image);
    drawKnob (g, sceneKnobCentre, 24.0f, 16.0f);
}

void paintPitchScale (Image& image, const SkinImageRecipe& r)
{
    // Laid over the pitch knob: a minus at the start of its scale, a plus at the end.
    Graphics g (image);
    const auto colour = SkinPainter::accentColour (r.accent).withAlpha (0.85f);
    drawTicks (g, sceneKnobCentre, 1.25f * pi, 2.75f * pi, 13, 27.5f, 30.0f, colour.withMultipliedAlpha (0.6f), 1.0f);
    const auto minus = onCircle (sceneKnobCentre, 29.0f, 1.25f * pi).translated (-1.0f, 2.0f);
    const auto plus = onCircle (sceneKnobCentre, 29.0f, 0.75f * pi).translated (1.0f, 2.0f);
    g.setColour (colour);
    g.fillRect (Rectangle<float> (6.0f, 1.6f).withCentre (minus));
    g.fillRect (Rectangle<float> (6.0f, 1.6f).withCentre (plus));
    g.fillRect (Rectangle<float> (1.6f, 6.0f).withCentre (plus));
}

//==============================================================================
// Print on the plates: dividers, the lock rails and the Scene's rules and marks.
void paintDivider (Image& image, const SkinImageRecipe&)
{
    // An engraved line, fading out at both ends.
    Graphics g (image);
    const auto h = (float) image.getHeight();
    ColourGradient dark (Colours::black.withAlpha (0.0f), 0.0f, 0.0f, Colours::black.withAlpha (0.0f), 0.0f, h, false);
    dark.addColour (0.15, Colours::black.withAlpha (0.75f));
    dark.addColour (0.85, Colours::black.withAlpha (0.75f));
    g.setGradientFill (dark);
    g.fillRect (1.0f, 0.0f, 1.0f, h);
    ColourGradient lit (Colours::white.withAlpha (0.0f), 0.0f, 0.0f, Colours::white.withAlpha (0.0f), 0.0f, h, false);
    lit.addColour (0.15, Colours::white.withAlpha (0.1f));
    lit.addColour (0.85, Colours::white.withAlpha (0.1f));
    g.setGradientFill (lit);
    g.fillRect (2.0f, 0.0f, 1.0f, h);
}

void paintLockStrip (Image& image, const SkinImageRecipe& r)
{
    Graphics g (image);
    const auto colour = Colour (SkinPainter::glyph).withAlpha (0.45f);
    Path rail;

    if (r.part == Part::horizontal)
    {
        // Under the four Isolate keys to the lock at its end: a rail with a tick up to each key.
        const auto y = 9.5f;
        rail.startNewSubPath (8.0f, y);
        rail.lineTo ((float) image.getWidth() - 2.0f, y);

        for (auto x : { 51.5f, 161.5f, 271.5f, 381.5f })
        {
            rail.startNewSubPath (x, y);
            rail.lineTo (x, 4.0f);
        }
    }
    else
    {
        // Down the Scene dial's left side, broken where the lock key sits, its ends turned toward
        // the dial.
        const auto x = 20.5f;
        rail.startNewSubPath (32.0f, 10.5f);
        rail.lineTo (x, 10.5f);
        rail.lineTo (x, 40.0f);
        rail.startNewSubPath (x, 74.0f);
        rail.lineTo (x, 103.5f);
        rail.lineTo (32.0f, 103.5f);
    }

    g.setColour (Colours::black.withAlpha (0.6f));
    g.strokePath (rail, PathStrokeType (1.0f), AffineTransform::translation (0.0f, 1.0f));
    g.setColour (colour);
    g.strokePath (rail, PathStrokeType (1.0f));
    ignoreUnused (r);
}

void paintCaptionRule (Image& image, const SkinImageRecipe&)
{
    // Under a group caption, its ends turned down toward the controls it names.
    Graphics g (image);
    const auto w = (float) image.getWidth();
    Path p;
    p.startNewSubPath (0.5f, 6.5f);
    p.lineTo (0.5f, 2.5f);
    p.lineTo (w - 0.5f, 2.5f);
    p.lineTo (w - 0.5f, 6.5f);
    g.setColour (Colour (SkinPainter::glyph).withAlpha (0.45f));
    g.strokePath (p, PathStrokeType (1.0f));
}

void paintDialMark (Image& image, const SkinImageRecipe& r)
{
    // A short lit dash with fading ends, the same either way round.
    Graphics g (image);
    const auto accent = SkinPainter::accentColour (r.accent);
    const auto w = (float) image.getWidth();
    ColourGradient grad (accent.withAlpha (0.0f), 9.0f, 0.0f, accent.withAlpha (0.0f), w - 9.0f, 0.0f, false);
    grad.addColour (0.5, accent.withAlpha (0.9f));
    g.setGradientFill (grad);
    g.fillRect (9.0f, 5.5f, w - 18.0f, 1.0f);
    Path dot;
    dot.addEllipse (Rectangle<float> (4.0f, 4.0f).withCentre ({ w * 0.5f, 6.0f }));
    SkinPainter::drawGlow (g, dot, accent, 3);
    g.setColour (accent.brighter (0.5f));
    g.fillPath (dot);
}

//==============================================================================
// The range slider: the track behind both thumbs and the bar that joins them.
void paintRangeTrack (Image& image, const std::vector<float>& stops)
{
    Graphics g (image);
    const Rectangle<float> groove (40.0f, 12.0f, 170.0f, 6.0f);
    SkinPainter::drawWell (g, groove, 3.0f, Colour (0xff060708));

    for (auto x : stops)
    {
        g.setColour (Colour (SkinPainter::glyph).withAlpha (0.45f));
        g.fillRect (x, 21.0f, 1.0f, 4.0f);
    }
}

void paintSceneRangeTrack (Image& image, const SkinImageRecipe&)
{
    // Three steps for each thumb.
    paintRangeTrack (image, { 56.0f, 85.0f, 114.0f, 127.0f, 156.0f, 185.0f });
}

void paintSceneRangeTrackWide (Image& image, const SkinImageRecipe&)
{
    // Eight steps shared by both thumbs.
    std::vector<float> stops;

    for (int i = 0; i < 8; ++i)
        stops.push_back (50.0f + 21.0f * (float) i);

    paintRangeTrack (image, stops);
}

/** The lit bar's profile across its 19 rows, and its rounded end for the caps. */
void paintRangeBarPiece (Image& image, const SkinImageRecipe& r, int end)
{
    Graphics g (image);
    const auto accent = SkinPainter::accentColour (r.accent);
    const auto w = (float) image.getWidth();
    const Rectangle<float> core (end < 0 ? 5.0f : end > 0 ? -6.0f : 0.0f, 12.0f, end == 0 ? w : w + 1.0f, 6.0f);

    g.setGradientFill (ColourGradient::vertical (accent.withAlpha (0.0f), 7.0f, accent.withAlpha (0.0f), 19.0f));
    Path bar;
    bar.addRoundedRectangle (core, end == 0 ? 0.0f : 3.0f);
    g.saveState();
    g.reduceClipRegion (image.getBounds());
    SkinPainter::drawGlow (g, bar, accent.withAlpha (0.5f), 3);
    g.restoreState();
    g.setGradientFill (ColourGradient::vertical (accent.brighter (0.6f), core.getY(), accent.darker (0.3f), core.getBottom()));
    g.fillPath (bar);
}

void paintRangeFill (Image& image, const SkinImageRecipe& r)
{
    // Stretched across: the same in every column.
    paintRangeBarPiece (image, r, 0);
}

void paintRangeCap (Image& image, const SkinImageRecipe& r)
{
    paintRangeBarPiece (image, r, r.part == Part::leftHand ? -1 : 1);
}

//==============================================================================
// The sample editor's rotary knob: a base with its scale, a pointer and a top dot that turn, and
// a fixed sheen over the cap.
const Point<float> rotaryCentre (36.0f, 36.0f);

void paintRotaryBase (Image& image, const SkinImageRecipe& r)
{
    Graphics g (image);
    const auto accent = SkinPainter::accentColour (r.accent);

    if (SkinPainter::isOver (r.state))
    {
        Path ring;
        ring.addEllipse (Rectangle<float> (62.0f, 62.0f).withCentre (rotaryCentre));
        SkinPainter::drawGlow (g, ring, accent.withAlpha (0.7f), 5);
        g.setColour (accent.withAlpha (0.9f));
        g.drawEllipse (Rectangle<float> (62.0f, 62.0f).withCentre (rotaryCentre), 1.2f);
    }

    drawTicks (g, rotaryCentre, 1.25f * pi, 2.75f * pi, 19, 31.0f, 34.0f, Colour (SkinPainter::glyph).withAlpha (0.5f), 1.0f);
    drawTicks (g, rotaryCentre, 1.25f * pi, 2.75f * pi, 2, 30.0f, 35.0f, Colour (SkinPainter::glyph).withAlpha (0.9f), 1.6f);
    drawKnob (g, rotaryCentre, 27.0f, 19.0f);
}

void paintRotaryPointer (Image& image, const SkinImageRecipe& r)
{
    // Points up: the knob turns it.
    Graphics g (image);
    const auto accent = SkinPainter::accentColour (r.accent);
    Path line;
    line.startNewSubPath (rotaryCentre.x, rotaryCentre.y - 8.0f);
    line.lineTo (rotaryCentre.x, rotaryCentre.y - 17.0f);
    SkinPainter::drawGlow (g, line, accent.withAlpha (0.6f), 3);
    SkinPainter::strokeGlyph (g, line, accent.brighter (0.5f), 2.2f);
}

void paintRotaryOverlay (Image& image, const SkinImageRecipe&)
{
    // A fixed sheen: the light stays put while the cap turns under it.
    Graphics g (image);
    const auto cap = Rectangle<float> (38.0f, 38.0f).withCentre (rotaryCentre);
    g.setGradientFill (ColourGradient (Colours::white.withAlpha (0.18f), cap.getX() + 8.0f, cap.getY() + 6.0f,
                                       Colours::white.withAlpha (0.0f), cap.getCentreX(), cap.getCentreY() + 4.0f, true));
    g.fillEllipse (cap);
}

void paintRotaryTop (Image& image, const SkinImageRecipe& r)
{
    // A dot on the skirt, turning with the pointer.
    Graphics g (image);
    const auto accent = SkinPainter::accentColour (r.accent);
    const auto dot = Rectangle<float> (3.5f, 3.5f).withCentre (onCircle (rotaryCentre, 23.5f, 0.0f));
    g.setColour (Colour (SkinPainter::outline));
    g.fillEllipse (dot.expanded (0.8f));
    g.setColour (accent.brighter (0.4f));
    g.fillEllipse (dot);
}
} // namespace

static const SkinRecipeRegistration widgetRecipes {
    SkinRecipe::image ("isolateEffectKey",     paintIsolateEffectKey),
    SkinRecipe::image ("xpadKey",              paintXPadKey),
    SkinRecipe::image ("toggleKey",            paintToggleKey),
    SkinRecipe::image ("lockKey",              paintLockKey),
    SkinRecipe::image ("closeKey",             paintCloseKey),
    SkinRecipe::image ("xpadTab",              paintXPadTab),
    SkinRecipe::image ("padDisplay",           paintPadDisplay),
    SkinRecipe::image ("padTargets",           paintPadTargets),
    SkinRecipe::image ("dropHighlight",        paintDropHighlight),
    SkinRecipe::image ("beatKey",              paintBeatKey),
    SkinRecipe::image ("slotFrame",            paintSlotFrame),
    SkinRecipe::image ("isolateKnobScale",     paintIsolateKnobScale),
    SkinRecipe::image ("isolateKnobPlain",     paintIsolateKnobPlain),
    SkinRecipe::image ("isolateArc",           paintIsolateArc),
    SkinRecipe::image ("sceneKnobBody",        paintSceneKnobBody),
    SkinRecipe::image ("sceneKnobMode",        paintSceneKnobMode),
    SkinRecipe::image ("sceneEchoScale",       paintSceneEchoScale),
    SkinRecipe::image ("sceneNoiseScale",      paintSceneNoiseScale),
    SkinRecipe::image ("sceneStepScale",       paintSceneStepScale),
    SkinRecipe::image ("sceneReverbScale",     paintSceneReverbScale),
    SkinRecipe::image ("pitchKnob",            paintPitchKnob),
    SkinRecipe::image ("pitchScale",           paintPitchScale),
    SkinRecipe::image ("divider",              paintDivider),
    SkinRecipe::image ("lockStrip",            paintLockStrip),
    SkinRecipe::image ("captionRule",          paintCaptionRule),
    SkinRecipe::image ("dialMark",             paintDialMark),
    SkinRecipe::image ("sceneRangeTrack",      paintSceneRangeTrack),
    SkinRecipe::image ("sceneRangeTrackWide",  paintSceneRangeTrackWide),
    SkinRecipe::image ("rangeFill",            paintRangeFill),
    SkinRecipe::image ("rangeCap",             paintRangeCap),
    SkinRecipe::image ("rotaryBase",           paintRotaryBase),
    SkinRecipe::image ("rotaryPointer",        paintRotaryPointer),
    SkinRecipe::image ("rotaryOverlay",        paintRotaryOverlay),
    SkinRecipe::image ("rotaryTop",            paintRotaryTop),
};
