// The main window's own pictures: the window icon, the menu-strip buttons and the pictures of the
// Export and Import panels. Every caption is drawn by the program over these, so they carry none.

#include "SkinPainter.h"

using namespace juce;

namespace
{
constexpr float glyphStroke = 2.2f;

Path arrowHead (Point<float> tip, float angle, float size)
{
    Path p;
    p.startNewSubPath (tip.translated (-size, -size));
    p.lineTo (tip);
    p.lineTo (tip.translated (-size, size));
    p.applyTransform (AffineTransform::rotation (angle, tip.x, tip.y));
    return p;
}

Path syncGlyph (Point<float> c, float r)
{
    // Two arcs chasing each other round a circle.
    Path p;
    const auto pi = MathConstants<float>::pi;
    p.addCentredArc (c.x, c.y, r, r, 0.0f, 0.25f * pi, 0.95f * pi, true);
    p.addCentredArc (c.x, c.y, r, r, 0.0f, 1.25f * pi, 1.95f * pi, true);

    const auto end1 = c.getPointOnCircumference (r, 0.95f * pi);
    const auto end2 = c.getPointOnCircumference (r, 1.95f * pi);
    p.addPath (arrowHead (end1, 0.95f * pi, 4.0f));
    p.addPath (arrowHead (end2, 1.95f * pi, 4.0f));
    return p;
}

Path trayArrowGlyph (Point<float> c, bool up)
{
    // An open tray with an arrow leaving it (export) or entering it (import).
    Path p;
    p.startNewSubPath (c.x - 11.0f, c.y + 2.0f);
    p.lineTo (c.x - 11.0f, c.y + 10.0f);
    p.lineTo (c.x + 11.0f, c.y + 10.0f);
    p.lineTo (c.x + 11.0f, c.y + 2.0f);

    const auto tail = Point<float> (c.x, up ? c.y + 5.0f : c.y - 12.0f);
    const auto tip = Point<float> (c.x, up ? c.y - 12.0f : c.y + 5.0f);
    p.startNewSubPath (tail);
    p.lineTo (tip);
    p.addPath (arrowHead (tip, up ? -MathConstants<float>::halfPi : MathConstants<float>::halfPi, 5.0f));
    return p;
}

Path saveGlyph (Point<float> c)
{
    // A storage cartridge: a body with a cut corner, a shutter and a label field.
    Path p;
    const auto x = c.x - 11.0f, y = c.y - 11.0f, s = 22.0f;
    p.startNewSubPath (x, y);
    p.lineTo (x + s - 5.0f, y);
    p.lineTo (x + s, y + 5.0f);
    p.lineTo (x + s, y + s);
    p.lineTo (x, y + s);
    p.closeSubPath();
    p.addRectangle (x + 5.0f, y, 10.0f, 6.5f);
    p.addRectangle (x + 4.5f, y + 12.0f, 13.0f, 10.0f);
    return p;
}

Path loadGlyph (Point<float> c)
{
    // An open folder.
    Path p;
    const auto x = c.x - 12.0f, y = c.y - 9.0f;
    p.startNewSubPath (x, y + 18.0f);
    p.lineTo (x, y);
    p.lineTo (x + 8.0f, y);
    p.lineTo (x + 10.5f, y + 3.0f);
    p.lineTo (x + 20.0f, y + 3.0f);
    p.lineTo (x + 20.0f, y + 7.0f);
    p.startNewSubPath (x, y + 18.0f);
    p.lineTo (x + 4.0f, y + 7.0f);
    p.lineTo (x + 25.0f, y + 7.0f);
    p.lineTo (x + 20.5f, y + 18.0f);
    p.closeSubPath();
    return p;
}

Path browserGlyph (Point<float> c)
{
    // A tree: a trunk with three branches ending in nodes.
    Path p;
    const auto x = c.x - 10.0f, y = c.y - 11.0f;
    p.startNewSubPath (x, y);
    p.lineTo (x, y + 19.0f);

    for (auto dy : { 0.0f, 9.5f, 19.0f })
    {
        p.startNewSubPath (x, y + dy);
        p.lineTo (x + 6.0f, y + dy);
        p.addRoundedRectangle (x + 8.0f, y + dy - 2.5f, 12.0f, 5.0f, 1.5f);
    }

    return p;
}

Path gearGlyph (Point<float> c)
{
    // A gear outline with eight teeth and a hub.
    Path p;
    const int teeth = 8;
    const auto outer = 12.0f, inner = 8.5f;

    for (int i = 0; i < teeth * 4; ++i)
    {
        const auto angle = MathConstants<float>::twoPi * ((float) i - 0.5f) / (float) (teeth * 4);
        const auto r = (i % 4 == 0 || i % 4 == 1) ? outer : inner;
        const auto pt = c.getPointOnCircumference (r, angle);

        if (i == 0)
            p.startNewSubPath (pt);
        else
            p.lineTo (pt);
    }

    p.closeSubPath();
    p.addEllipse (c.x - 3.5f, c.y - 3.5f, 7.0f, 7.0f);
    return p;
}

Path stripGlyph (Part part, Point<float> c)
{
    switch (part)
    {
        case Part::sync:          return syncGlyph (c, 10.0f);
        case Part::exportData:    return trayArrowGlyph (c, true);
        case Part::importData:    return trayArrowGlyph (c, false);
        case Part::save:          return saveGlyph (c);
        case Part::load:          return loadGlyph (c);
        case Part::effectBrowser: return browserGlyph (c);
        case Part::settings:
        default:                  return gearGlyph (c);
    }
}

/** A card for the unit: a body with a cut corner and contact stripes along its top. */
void drawCard (Graphics& g, Rectangle<float> area, Colour line)
{
    Path body;
    body.startNewSubPath (area.getX(), area.getY());
    body.lineTo (area.getRight() - 9.0f, area.getY());
    body.lineTo (area.getRight(), area.getY() + 9.0f);
    body.lineTo (area.getRight(), area.getBottom());
    body.lineTo (area.getX(), area.getBottom());
    body.closeSubPath();

    g.setColour (Colour (0xff24272d));
    g.fillPath (body);
    SkinPainter::strokeGlyph (g, body, line, 2.0f);

    g.setColour (line.withAlpha (0.8f));

    for (int i = 0; i < 4; ++i)
        g.fillRoundedRectangle (area.getX() + 5.0f + (float) i * 5.5f, area.getY() + 4.0f, 3.0f, 9.0f, 1.0f);
}

/** A display on a stand. */
void drawComputer (Graphics& g, Rectangle<float> area, Colour line)
{
    auto screen = area.withTrimmedBottom (12.0f);
    g.setColour (Colour (0xff24272d));
    g.fillRoundedRectangle (screen, 3.0f);
    g.setColour (Colour (0xff0b1220));
    g.fillRect (screen.reduced (5.0f));
    g.setColour (line);
    g.drawRoundedRectangle (screen, 3.0f, 2.0f);

    Path stand;
    stand.startNewSubPath (screen.getCentreX(), screen.getBottom());
    stand.lineTo (screen.getCentreX(), area.getBottom() - 2.0f);
    stand.startNewSubPath (screen.getCentreX() - 10.0f, area.getBottom() - 1.0f);
    stand.lineTo (screen.getCentreX() + 10.0f, area.getBottom() - 1.0f);
    SkinPainter::strokeGlyph (g, stand, line, 2.0f);
}

//==============================================================================
void paintAppIcon (Image& image, const SkinImageRecipe& r)
{
    Graphics g (image);
    const auto area = image.getBounds().toFloat().reduced (0.5f);
    const auto accent = SkinPainter::accentColour (r.accent);

    g.setColour (Colour (SkinPainter::outline));
    g.fillRoundedRectangle (area, 3.5f);
    g.setGradientFill (ColourGradient::vertical (Colour (0xff3a3e46), area.getY(), Colour (0xff1c1e22), area.getBottom()));
    g.fillRoundedRectangle (area.reduced (1.0f), 2.5f);

    // A knob with its value arc lit.
    const auto c = area.getCentre();
    const auto pi = MathConstants<float>::pi;
    Path track, lit;
    track.addCentredArc (c.x, c.y, 5.0f, 5.0f, 0.0f, -0.75f * pi, 0.75f * pi, true);
    lit.addCentredArc (c.x, c.y, 5.0f, 5.0f, 0.0f, -0.75f * pi, 0.3f * pi, true);
    g.setColour (Colour (0xff55595f));
    g.strokePath (track, PathStrokeType (1.8f, PathStrokeType::curved, PathStrokeType::rounded));
    g.setColour (accent.brighter (0.2f));
    g.strokePath (lit, PathStrokeType (1.8f, PathStrokeType::curved, PathStrokeType::rounded));

    g.setColour (Colours::white);
    const auto tip = c.getPointOnCircumference (3.0f, 0.3f * pi);
    g.drawLine ({ c, tip }, 1.4f);
}

void paintStripButton (Image& image, const SkinImageRecipe& r)
{
    Graphics g (image);
    const auto bounds = image.getBounds().toFloat();
    const auto key = bounds.reduced (3.0f, 3.0f);
    const auto accent = SkinPainter::accentColour (r.accent);
    const bool over = SkinPainter::isOver (r.state);
    const bool down = SkinPainter::isDown (r.state);
    const bool offline = SkinPainter::isDisabled (r.state);

    const auto top = offline ? Colour (0xff25272b) : over ? Colour (0xff3a3e46) : Colour (0xff30333a);
    const auto bottom = offline ? Colour (0xff1b1c1f) : over ? Colour (0xff23262b) : Colour (0xff1d1f23);
    SkinPainter::drawKey (g, key, 7.0f, top, bottom, down);

    if (over)
    {
        Path face;
        face.addRoundedRectangle (key.reduced (1.0f), 6.0f);
        SkinPainter::drawInnerGlow (g, face, accent.withAlpha (0.6f), 8);
    }

    if (over || down)
    {
        g.setColour (accent.withAlpha (down ? 0.55f : 0.85f));
        g.drawRoundedRectangle (key.reduced (1.0f), 6.0f, 1.0f);
    }

    // The pictogram in the upper part of the key.
    const auto centre = Point<float> (bounds.getCentreX(), 29.0f + (down ? 1.0f : 0.0f));
    const auto glyph = stripGlyph (r.part, centre);
    const auto colour = offline ? Colour (SkinPainter::glyph).withAlpha (0.28f) : SkinPainter::glyphColour (r.state, r.accent);

    if (over || down)
        SkinPainter::drawGlow (g, glyph, accent.withAlpha (down ? 0.9f : 0.6f), 4);

    SkinPainter::strokeGlyph (g, glyph, colour, glyphStroke);

    // The caption plate below it, where the program writes the button's name.
    SkinPainter::drawWell (g, { 10.0f, 52.0f, 72.0f, 16.0f }, 3.0f, Colour (0xff121316));

    // The Sync key has a status light: lit while the switch is on, dark while no unit is connected.
    if (r.part == Part::sync)
    {
        const Rectangle<float> led (76.0f, 9.0f, 6.0f, 6.0f);
        Path dot;
        dot.addEllipse (led);

        if (down)
        {
            SkinPainter::drawGlow (g, dot, accent, 5);
            g.setColour (accent.brighter (0.5f));
        }
        else
        {
            g.setColour (offline ? Colour (0xff1a1b1e) : Colour (0xff2a3442));
        }

        g.fillPath (dot);
        g.setColour (Colour (SkinPainter::outline));
        g.drawEllipse (led.expanded (0.5f), 1.0f);
    }
}

void paintCardPicture (Image& image, const SkinImageRecipe& r)
{
    Graphics g (image);
    const auto bounds = image.getBounds().toFloat();
    const auto accent = SkinPainter::accentColour (r.accent);
    const auto line = Colour (0xffb4b8c0);

    SkinPainter::drawWell (g, bounds.reduced (1.0f), 6.0f, Colour (0xff141519));

    drawComputer (g, { 12.0f, 34.0f, 54.0f, 52.0f }, line);
    drawCard (g, { 94.0f, 36.0f, 32.0f, 44.0f }, line);

    // The arrow says which way the data goes: to the card for Export, from it for Import.
    const bool toCard = r.part == Part::exportData;
    const auto y = 58.0f;
    const auto from = Point<float> (toCard ? 71.0f : 89.0f, y);
    const auto to = Point<float> (toCard ? 89.0f : 71.0f, y);
    Path arrow;
    arrow.startNewSubPath (from);
    arrow.lineTo (to);
    arrow.addPath (arrowHead (to, toCard ? 0.0f : MathConstants<float>::pi, 5.0f));

    SkinPainter::drawGlow (g, arrow, accent.withAlpha (0.9f), 5);
    SkinPainter::strokeGlyph (g, arrow, accent.brighter (0.3f), 2.6f);

    // Three dots on the floor of the well: transfer in progress.
    for (int i = 0; i < 3; ++i)
    {
        g.setColour (accent.withAlpha (0.35f + 0.25f * (float) (toCard ? i : 2 - i)));
        g.fillEllipse (58.0f + (float) i * 10.0f, 104.0f, 4.0f, 4.0f);
    }
}

} // namespace

static const SkinRecipeRegistration shellRecipes {
    SkinRecipe::image ("appIcon",     paintAppIcon),
    SkinRecipe::image ("stripButton", paintStripButton),
    SkinRecipe::image ("cardPicture", paintCardPicture),
};
