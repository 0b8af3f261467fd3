// The sampler window and its slot editor: the window's frame and divider, the bank gauges, the title
// and column tabs, the tiles' marks, the editor's panel and its keys, the focus of its texts and its
// range track. The close key and the gain knob are the effect panel's (WidgetPainters.cpp). Keys are dark metal like the effect panel's; light shows
// at rims, glyphs and indicators, blue for the sampler's own controls, yellow where the X-PAD section's
// colour marks the window, red for what deletes or overflows.

#include "SkinPainter.h"

#include <cmath>

using namespace juce;

namespace
{
constexpr float pi = MathConstants<float>::pi;

/** The sampler window's and the slot editor's screws: dark steel on the dark frame. */
const SkinPainter::ScrewLook screwLook { Colours::black.withAlpha (0.5f), Colour (0xff4a4e56), Colour (0xff16181b),
                                         Colour (0xff0c0d0f) };

Rectangle<float> boundsOf (const Image& image)
{
    return image.getBounds().toFloat();
}

/** A dark key face in a state with its light: a rim glow under the mouse or focus, deeper pressed. */
void drawFace (Graphics& g, Rectangle<float> area, float corner, State state, Colour accent)
{
    const bool over = SkinPainter::isOver (state);
    const bool down = SkinPainter::isDown (state);
    const bool disabled = SkinPainter::isDisabled (state);
    const auto top = disabled ? Colour (0xff212327) : over ? Colour (0xff3b3f47) : Colour (0xff33363d);
    const auto bottom = disabled ? Colour (0xff1a1b1f) : over ? Colour (0xff25282d) : Colour (0xff202227);

    SkinPainter::drawKey (g, area, corner, top, bottom, down);

    if (disabled || ! (over || down))
        return;

    Path face;
    face.addRoundedRectangle (area.reduced (1.0f), jmax (0.0f, corner - 1.0f));
    SkinPainter::drawInnerGlow (g, face, accent.withAlpha (down ? 0.7f : 0.55f), down ? 6 : 4);
    g.setColour (accent.withAlpha (down ? 0.75f : 0.9f));
    g.drawRoundedRectangle (area.reduced (0.5f), corner, 1.0f);
}

//==============================================================================
// The window.
void paintFrame (Image& canvas, const SliceGrid& grid)
{
    // A flat plate with a bevelled outer rim and a groove one piece-width in; everything along the
    // stretched sides and the middle is the same all along, so any window size joins without seams.
    const auto w = canvas.getWidth(), h = canvas.getHeight();
    const auto corner = (float) grid.columnWidths[0] / 3.0f;
    Graphics g (canvas);

    g.setColour (Colour (SkinPainter::outline));
    g.fillRect (0, 0, w, h);
    const auto plate = Rectangle<float> (1.0f, 1.0f, (float) w - 2.0f, (float) h - 2.0f);
    g.setColour (Colour (SkinPainter::chassis));
    g.fillRoundedRectangle (plate, corner);

    // Light along the top and left, shade along the bottom and right.
    g.setColour (Colours::white.withAlpha (0.12f));
    g.fillRect (plate.getX() + corner, plate.getY(), plate.getWidth() - 2.0f * corner, 1.0f);
    g.fillRect (plate.getX(), plate.getY() + corner, 1.0f, plate.getHeight() - 2.0f * corner);
    g.setColour (Colours::black.withAlpha (0.45f));
    g.fillRect (plate.getX() + corner, plate.getBottom() - 1.0f, plate.getWidth() - 2.0f * corner, 1.0f);
    g.fillRect (plate.getRight() - 1.0f, plate.getY() + corner, 1.0f, plate.getHeight() - 2.0f * corner);

    // The groove: a dark line with a lit one below and right of it.
    const auto groove = plate.reduced (5.0f);
    g.setColour (Colours::black.withAlpha (0.55f));
    g.drawRoundedRectangle (groove, corner * 0.6f, 1.0f);
    g.setColour (Colours::white.withAlpha (0.06f));
    g.drawRoundedRectangle (groove.translated (1.0f, 1.0f), corner * 0.6f, 1.0f);

    // A screw head in each corner.
    for (auto c : { Point<float> (13.5f, 13.5f), Point<float> ((float) w - 13.5f, 13.5f),
                    Point<float> (13.5f, (float) h - 13.5f), Point<float> ((float) w - 13.5f, (float) h - 13.5f) })
        SkinPainter::drawScrew (g, c, 7.0f, { 2.5f, 1.2f }, screwLook);
}

void paintDivider (Image& canvas, const SliceGrid& grid)
{
    // An engraved rule with a light line under it; the caps fade it in and out.
    const auto w = (float) canvas.getWidth();
    const auto cap = (float) grid.columnWidths[0];
    Graphics g (canvas);

    auto rule = [&] (float y, Colour colour)
    {
        ColourGradient fade (colour.withAlpha (0.0f), 0.0f, y, colour.withAlpha (0.0f), w, y, false);
        fade.addColour (cap / w, colour);
        fade.addColour ((w - cap) / w, colour);
        g.setGradientFill (fade);
        g.fillRect (0.0f, y, w, 1.0f);
    };

    rule (3.0f, Colours::black.withAlpha (0.35f));
    rule (4.0f, Colour (0xff050506));
    rule (5.0f, Colours::white.withAlpha (0.13f));
}

void paintGaugeFrame (Image& image, const SkinImageRecipe&)
{
    Graphics g (image);
    SkinPainter::drawWell (g, boundsOf (image).withTrimmedBottom (1.0f), 2.0f, Colour (0xff0b0c0e));
}

void paintGaugeBar (Image& image, const SkinImageRecipe& r)
{
    // Lit segments of one second each, so a bar cut to its time shows whole seconds.
    Graphics g (image);
    const auto accent = SkinPainter::accentColour (r.accent);
    const auto area = boundsOf (image);

    g.setGradientFill (ColourGradient::vertical (accent.brighter (0.55f), area.getY(), accent.darker (0.45f), area.getBottom()));
    g.fillRect (area);
    g.setColour (Colours::white.withAlpha (0.3f));
    g.fillRect (area.withHeight (1.0f));

    for (int second = 1; second < 16; ++second)
    {
        const auto x = std::floor (area.getWidth() * (float) second / 16.0f);
        g.setColour (Colours::black.withAlpha (second % 4 == 0 ? 0.55f : 0.3f));
        g.fillRect (x, 1.0f, 1.0f, area.getHeight() - 1.0f);
    }
}

void paintTitle (Image& image, const SkinImageRecipe& r)
{
    const auto area = boundsOf (image);
    {
        Graphics g (image);
        g.setGradientFill (ColourGradient::vertical (Colour (0xff2d3036), 0.0f, Colour (0xff1c1e22), area.getBottom()));
        g.fillRect (area);
    }

    SkinPainter::addBrushing (image, image.getBounds().reduced (1), 3.0f, 71);

    Graphics g (image);
    const auto accent = SkinPainter::accentColour (r.accent);
    g.setColour (Colour (SkinPainter::outline));
    g.drawRect (area, 1.0f);
    g.setColour (Colours::white.withAlpha (0.14f));
    g.fillRect (1.0f, 1.0f, area.getWidth() - 2.0f, 1.0f);
    g.setColour (Colours::black.withAlpha (0.6f));
    g.fillRect (1.0f, area.getBottom() - 2.0f, area.getWidth() - 2.0f, 1.0f);

    // The sampler's emblem left of the tabs: a waveform in the section's light.
    Path wave;
    const auto left = 22.0f, right = 80.0f, mid = area.getCentreY() + 1.0f;

    for (int i = 0; i <= 58; ++i)
    {
        const auto x = left + (right - left) * (float) i / 58.0f;
        const auto envelope = std::sin (pi * (float) i / 58.0f);
        const auto y = mid - 9.0f * envelope * std::sin ((float) i * 0.9f) * (0.55f + 0.45f * std::cos ((float) i * 0.31f));

        if (i == 0)
            wave.startNewSubPath (x, y);
        else
            wave.lineTo (x, y);
    }

    SkinPainter::drawGlow (g, wave, accent.withAlpha (0.5f), 3);
    SkinPainter::strokeGlyph (g, wave, accent.brighter (0.3f), 1.4f);
}

void paintTab (Image& image, const SkinImageRecipe& r)
{
    // A tab that rises from the window body into the title bar, lit along its top edge.
    Graphics g (image);
    const auto accent = SkinPainter::accentColour (r.accent);
    const Rectangle<float> tab (3.0f, 5.0f, 104.0f, 35.0f);
    Path p;
    p.addRoundedRectangle (tab.getX(), tab.getY(), tab.getWidth(), tab.getHeight(), 6.0f, 6.0f, true, true, false, false);

    g.setColour (Colour (SkinPainter::outline));
    g.strokePath (p, PathStrokeType (2.0f));
    g.setGradientFill (ColourGradient::vertical (Colour (0xff34373e), tab.getY(), Colour (SkinPainter::chassis), tab.getBottom()));
    g.fillPath (p);
    g.setGradientFill (ColourGradient::vertical (Colours::white.withAlpha (0.18f), tab.getY(), Colours::white.withAlpha (0.0f), tab.getY() + 10.0f));
    g.strokePath (p, PathStrokeType (1.0f));

    g.setColour (accent.withAlpha (0.75f));
    g.fillRoundedRectangle (tab.getCentreX() - 18.0f, tab.getY() + 2.0f, 36.0f, 2.0f, 1.0f);
}

//==============================================================================
// The tiles.
void paintDeleteTile (Image& image, const SkinImageRecipe& r)
{
    // A dark well with a dashed red edge: a place to drop on. With a tile over it the edge lights up.
    Graphics g (image);
    const auto accent = SkinPainter::accentColour (r.accent);
    const bool over = SkinPainter::isOver (r.state);
    const auto area = boundsOf (image).reduced (1.5f);

    SkinPainter::drawWell (g, area, 5.0f, Colour (over ? 0xff2a1418 : 0xff16171b));

    Path edge;
    edge.addRoundedRectangle (area.reduced (4.0f), 4.0f);

    if (over)
        SkinPainter::drawInnerGlow (g, edge, accent.withAlpha (0.55f), 8);

    Path dashed;
    const float dashes[] { 6.0f, 4.0f };
    PathStrokeType (1.2f).createDashedStroke (dashed, edge, dashes, 2);
    g.setColour (accent.withAlpha (over ? 0.95f : 0.45f));
    g.fillPath (dashed);
}

void paintTileLight (Image& image, const SkinImageRecipe& r)
{
    // Laid over a tile: a lit rim where a drop would land (blue), or a red rim with a faint hatch on
    // the tile where its bank runs over 16 seconds. The middle stays clear for the tile's text.
    Graphics g (image);
    const auto accent = SkinPainter::accentColour (r.accent);
    const bool drop = SkinPainter::isOver (r.state);
    const auto area = boundsOf (image).reduced (1.0f);
    Path rim;
    rim.addRoundedRectangle (area, 3.0f);

    if (! drop)
    {
        const Graphics::ScopedSaveState state (g);
        g.reduceClipRegion (rim);
        g.setColour (accent.withAlpha (0.10f));

        for (float x = -area.getHeight(); x < area.getRight(); x += 9.0f)
            g.drawLine (x, area.getBottom(), x + area.getHeight(), area.getY(), 3.0f);
    }

    SkinPainter::drawInnerGlow (g, rim, accent.withAlpha (drop ? 0.8f : 0.6f), drop ? 7 : 5);
    g.setColour (accent.withAlpha (drop ? 0.95f : 0.8f));
    g.drawRoundedRectangle (area.reduced (0.5f), 3.0f, drop ? 1.5f : 1.0f);
}

void paintTileFrame (Image& image, const SkinImageRecipe& r)
{
    // Round the 126x70 face (3 pixels in on every side): a lit edge just inside the face's border,
    // and a soft light around it, which a drag image shows where the face is cut.
    Graphics g (image);
    const auto accent = SkinPainter::accentColour (r.accent);
    const auto face = boundsOf (image).reduced (3.0f);
    Path edge;
    edge.addRoundedRectangle (face.reduced (0.5f), 3.0f);

    {
        // The light stays around the face: a glow of the whole shape would tint the face under its text.
        Path around;
        around.addRectangle (boundsOf (image));
        around.addPath (edge);
        around.setUsingNonZeroWinding (false);
        const Graphics::ScopedSaveState state (g);
        g.reduceClipRegion (around);
        SkinPainter::drawGlow (g, edge, accent.withAlpha (0.6f), 3);
    }

    SkinPainter::drawInnerGlow (g, edge, accent.withAlpha (0.45f), 5);
    g.setColour (accent.brighter (0.2f));
    g.strokePath (edge, PathStrokeType (1.5f));
}

//==============================================================================
// The slot editor's panel: the plate with a header, and wells where its controls sit (places from
// the editor's layout).
void drawPanelWell (Graphics& g, Rectangle<float> area, float corner = 4.0f, Colour fill = Colour (0xff131417))
{
    SkinPainter::drawWell (g, area, corner, fill);
}

void drawGroupCaptionRule (Graphics& g, float x, float y, float w, Colour accent)
{
    g.setColour (accent.withAlpha (0.5f));
    g.fillRect (x, y, 14.0f, 1.0f);
    g.setColour (Colours::white.withAlpha (0.08f));
    g.fillRect (x + 16.0f, y, w - 16.0f, 1.0f);
}

void paintEditor (Image& image, const SkinImageRecipe& r)
{
    const auto area = boundsOf (image);
    const auto plate = area.reduced (1.0f);
    const auto accent = SkinPainter::accentColour (r.accent);
    const auto blue = SkinPainter::accentColour (Accent::ui);

    {
        Graphics g (image);
        g.setColour (Colours::black.withAlpha (0.55f));
        g.fillRoundedRectangle (area, 9.0f);
        g.setColour (Colour (SkinPainter::outline));
        g.fillRoundedRectangle (plate, 8.0f);
        g.setGradientFill (ColourGradient::vertical (Colour (0xff2a2d33), plate.getY(), Colour (0xff191b1f), plate.getBottom()));
        g.fillRoundedRectangle (plate.reduced (1.0f), 7.0f);
    }

    SkinPainter::addBrushing (image, plate.toNearestInt().reduced (3), 2.5f, 83);

    Graphics g (image);

    // Bevel, then the header strip with the section's light under it.
    g.setGradientFill (ColourGradient::vertical (Colours::white.withAlpha (0.16f), plate.getY(), Colours::white.withAlpha (0.0f), plate.getY() + 8.0f));
    g.drawRoundedRectangle (plate.reduced (1.5f), 7.0f, 1.0f);

    const Rectangle<float> header (2.0f, 2.0f, area.getWidth() - 4.0f, 28.0f);
    Path headerShape;
    headerShape.addRoundedRectangle (header.getX(), header.getY(), header.getWidth(), header.getHeight(), 7.0f, 7.0f, true, true, false, false);
    g.setGradientFill (ColourGradient::vertical (Colour (0xff33363d), header.getY(), Colour (0xff23262b), header.getBottom()));
    g.fillPath (headerShape);
    g.setColour (Colour (SkinPainter::outline));
    g.fillRect (header.getX(), header.getBottom(), header.getWidth(), 1.0f);

    ColourGradient line (accent.withAlpha (0.0f), header.getX(), 0.0f, accent.withAlpha (0.0f), header.getRight(), 0.0f, false);
    line.addColour (0.08, accent.withAlpha (0.85f));
    line.addColour (0.6, accent.withAlpha (0.35f));
    g.setGradientFill (line);
    g.fillRect (header.getX(), header.getBottom() + 1.0f, header.getWidth(), 1.0f);

    // The header's indicator lamp at the right.
    Path lamp;
    lamp.addEllipse (Rectangle<float> (6.0f, 6.0f).withCentre ({ header.getRight() - 18.0f, header.getCentreY() }));
    SkinPainter::drawGlow (g, lamp, accent.withAlpha (0.8f), 4);
    g.setColour (accent.brighter (0.3f));
    g.fillPath (lamp);

    // File row, with a deeper slot for the path.
    drawPanelWell (g, { 38.0f, 62.0f, 404.0f, 40.0f }, 5.0f, Colour (0xff17181c));
    drawPanelWell (g, { 76.0f, 71.0f, 304.0f, 22.0f }, 3.0f, Colour (0xff0b0c0e));

    // Beat count and tempo, with the tempo's read-out.
    drawPanelWell (g, { 34.0f, 108.0f, 196.0f, 72.0f }, 5.0f, Colour (0xff17181c));
    drawPanelWell (g, { 117.0f, 149.0f, 68.0f, 22.0f }, 3.0f, Colour (0xff0b0c0e));

    // Play mode.
    drawPanelWell (g, { 316.0f, 108.0f, 124.0f, 74.0f }, 5.0f, Colour (0xff17181c));

    // Range: START and END read-outs and the transport between them.
    drawPanelWell (g, { 156.0f, 192.0f, 278.0f, 114.0f }, 6.0f, Colour (0xff17181c));
    drawPanelWell (g, { 170.0f, 214.0f, 74.0f, 22.0f }, 3.0f, Colour (0xff0b0c0e));
    drawPanelWell (g, { 350.0f, 214.0f, 74.0f, 22.0f }, 3.0f, Colour (0xff0b0c0e));
    drawGroupCaptionRule (g, 172.0f, 212.0f, 68.0f, blue);
    drawGroupCaptionRule (g, 352.0f, 212.0f, 68.0f, blue);

    // The gain knob's well.
    drawPanelWell (g, { 34.0f, 192.0f, 112.0f, 114.0f }, 6.0f, Colour (0xff17181c));

    // The foot, above OK and CANCEL.
    g.setColour (Colour (SkinPainter::outline));
    g.fillRect (14.0f, 312.0f, area.getWidth() - 28.0f, 1.0f);
    g.setColour (Colours::white.withAlpha (0.06f));
    g.fillRect (14.0f, 313.0f, area.getWidth() - 28.0f, 1.0f);

    // Screws in the lower corners.
    for (auto c : { Point<float> (16.0f, area.getBottom() - 16.0f), Point<float> (area.getRight() - 16.0f, area.getBottom() - 16.0f) })
        SkinPainter::drawScrew (g, c, 8.0f, { 2.8f, 1.4f }, screwLook);
}

//==============================================================================
// The editor's keys.
void paintFileKey (Image& image, const SkinImageRecipe& r)
{
    Graphics g (image);
    const auto accent = SkinPainter::accentColour (r.accent);
    const auto area = boundsOf (image).reduced (1.0f, 1.5f);
    drawFace (g, area, 4.0f, r.state, accent);

    // A folder.
    const auto c = area.getCentre().translated (0.0f, SkinPainter::isDown (r.state) ? 0.5f : 0.0f);
    Path folder;
    folder.startNewSubPath (c.x - 7.0f, c.y + 5.0f);
    folder.lineTo (c.x - 7.0f, c.y - 5.0f);
    folder.lineTo (c.x - 2.5f, c.y - 5.0f);
    folder.lineTo (c.x - 1.0f, c.y - 3.0f);
    folder.lineTo (c.x + 7.0f, c.y - 3.0f);
    folder.lineTo (c.x + 7.0f, c.y + 5.0f);
    folder.closeSubPath();
    SkinPainter::strokeGlyph (g, folder, SkinPainter::glyphColour (r.state, r.accent), 1.3f);
}

void paintSmallKey (Image& image, const SkinImageRecipe& r)
{
    // A plain key for a caption the program writes on it.
    Graphics g (image);
    drawFace (g, boundsOf (image).reduced (1.0f, 1.5f), 4.0f, r.state, SkinPainter::accentColour (r.accent));
}

void paintFixKey (Image& image, const SkinImageRecipe& r)
{
    // A pin that holds its value: grey, lit in the section's colour with its lamp on while held.
    Graphics g (image);
    const auto accent = SkinPainter::accentColour (r.accent);
    const bool held = SkinPainter::isOn (r.state);
    const auto area = boundsOf (image).reduced (2.0f, 2.5f);
    drawFace (g, area, 4.0f, held ? State::normal : r.state, accent);

    const auto c = area.getCentre().translated (-4.0f, SkinPainter::isDown (r.state) ? 0.5f : 0.0f);
    Path pin;
    pin.addEllipse (Rectangle<float> (7.0f, 7.0f).withCentre (c.translated (0.0f, -3.0f)));
    pin.startNewSubPath (c.x, c.y + 0.5f);
    pin.lineTo (c.x, c.y + 7.0f);
    const auto colour = held ? accent.brighter (0.3f) : SkinPainter::glyphColour (r.state, r.accent);

    if (held)
        SkinPainter::drawGlow (g, pin, accent.withAlpha (0.6f), 3);

    SkinPainter::strokeGlyph (g, pin, colour, 1.5f);

    // The lamp right of the pin.
    const auto led = Rectangle<float> (5.0f, 5.0f).withCentre ({ area.getRight() - 9.0f, area.getCentreY() });
    Path dot;
    dot.addEllipse (led);

    if (held)
        SkinPainter::drawGlow (g, dot, accent, 4);

    g.setColour (held ? accent.brighter (0.4f) : Colour (0xff0c0d0f));
    g.fillPath (dot);
    g.setColour (Colour (SkinPainter::outline));
    g.drawEllipse (led.expanded (0.5f), 1.0f);
}

/** The big round transport key with a glyph drawn by the caller. */
Point<float> drawTransportKey (Graphics& g, const SkinImageRecipe& r)
{
    const auto accent = SkinPainter::accentColour (r.accent);
    const bool over = SkinPainter::isOver (r.state), down = SkinPainter::isDown (r.state);
    const Point<float> c (48.0f, 44.0f);
    const auto ring = Rectangle<float> (80.0f, 80.0f).withCentre (c);
    const auto key = ring.reduced (7.0f);

    // A lit ring in a dark bezel round a domed key.
    g.setColour (Colours::black.withAlpha (0.45f));
    g.fillEllipse (ring.expanded (1.5f).translated (0.0f, 1.5f));
    g.setGradientFill (ColourGradient::vertical (Colour (0xff2b2e34), ring.getY(), Colour (0xff111215), ring.getBottom()));
    g.fillEllipse (ring);
    g.setColour (Colour (SkinPainter::outline));
    g.drawEllipse (ring.reduced (0.5f), 1.0f);

    Path track;
    track.addEllipse (ring.reduced (3.5f));
    g.setColour (over || down ? accent.withAlpha (0.9f) : accent.withAlpha (0.28f));

    if (over || down)
        SkinPainter::drawGlow (g, track, accent.withAlpha (0.7f), 4);

    g.strokePath (track, PathStrokeType (1.6f));

    g.setColour (Colour (SkinPainter::outline));
    g.fillEllipse (key.expanded (1.0f));
    const auto top = over ? Colour (0xff41454e) : Colour (0xff363a41);
    const auto bottom = Colour (0xff1b1d21);
    g.setGradientFill (ColourGradient::vertical (down ? bottom : top, key.getY(), down ? top.darker (0.3f) : bottom, key.getBottom()));
    g.fillEllipse (key);
    g.setGradientFill (ColourGradient (Colours::white.withAlpha (down ? 0.04f : 0.14f), key.getCentreX(), key.getY(),
                                       Colours::white.withAlpha (0.0f), key.getCentreX(), key.getCentreY(), false));
    g.fillEllipse (key.reduced (2.0f));
    g.setColour (Colours::white.withAlpha (down ? 0.04f : 0.12f));
    g.drawEllipse (key.reduced (0.5f), 1.0f);

    return c.translated (0.0f, down ? 1.0f : 0.0f);
}

/** A transport key's glyph in its accent, glowing, and brighter under the mouse or pressed. */
void drawTransportGlyph (Graphics& g, const Path& glyph, const SkinImageRecipe& r)
{
    const auto accent = SkinPainter::accentColour (r.accent);
    const auto lit = SkinPainter::isOver (r.state) || SkinPainter::isDown (r.state);
    SkinPainter::drawGlow (g, glyph, accent.withAlpha (lit ? 0.8f : 0.45f), 5);
    g.setColour (lit ? accent.brighter (0.5f) : accent.brighter (0.15f));
    g.fillPath (glyph);
}

void paintPlayKey (Image& image, const SkinImageRecipe& r)
{
    Graphics g (image);
    const auto c = drawTransportKey (g, r);
    Path triangle;
    triangle.addTriangle (c.x - 8.0f, c.y - 12.0f, c.x - 8.0f, c.y + 12.0f, c.x + 13.0f, c.y);
    drawTransportGlyph (g, triangle, r);
}

void paintStopKey (Image& image, const SkinImageRecipe& r)
{
    Graphics g (image);
    const auto c = drawTransportKey (g, r);
    Path square;
    square.addRoundedRectangle (Rectangle<float> (20.0f, 20.0f).withCentre (c), 2.0f);
    drawTransportGlyph (g, square, r);
}

void paintStepKey (Image& image, const SkinImageRecipe& r)
{
    // A small key with a minus (arrowLeft) or a plus (arrowRight).
    Graphics g (image);
    const auto area = boundsOf (image).reduced (1.0f, 1.0f);
    drawFace (g, area, 3.0f, r.state, SkinPainter::accentColour (r.accent));

    const auto c = area.getCentre().translated (0.0f, SkinPainter::isDown (r.state) ? 0.5f : 0.0f);
    Path glyph;
    glyph.startNewSubPath (c.x - 4.0f, c.y);
    glyph.lineTo (c.x + 4.0f, c.y);

    if (r.part == Part::arrowRight)
    {
        glyph.startNewSubPath (c.x, c.y - 4.0f);
        glyph.lineTo (c.x, c.y + 4.0f);
    }

    SkinPainter::strokeGlyph (g, glyph, SkinPainter::glyphColour (r.state, r.accent), 1.5f);
}

void paintLabelFocus (Image& image, const SkinImageRecipe& r)
{
    Graphics g (image);
    const auto accent = SkinPainter::accentColour (r.accent);
    const auto area = boundsOf (image).reduced (0.5f);
    g.setColour (accent.withAlpha (0.22f));
    g.fillRoundedRectangle (area, 3.0f);
    g.setColour (accent.withAlpha (0.95f));
    g.drawRoundedRectangle (area, 3.0f, 1.0f);
}

void paintRangeTrack (Image& image, const SkinImageRecipe& r)
{
    // A groove the thumbs ride in, with a mark every tenth of its length.
    Graphics g (image);
    const auto accent = SkinPainter::accentColour (r.accent);
    const auto area = boundsOf (image);
    const Rectangle<float> groove (4.0f, 6.5f, area.getWidth() - 8.0f, 6.0f);
    SkinPainter::drawWell (g, groove, 3.0f, Colour (0xff0b0c0e));

    for (int i = 0; i <= 10; ++i)
    {
        const auto x = std::round (groove.getX() + 2.0f + (groove.getWidth() - 4.0f) * (float) i / 10.0f);
        g.setColour (i % 5 == 0 ? accent.withAlpha (0.5f) : Colours::white.withAlpha (0.16f));
        g.fillRect (x, 1.0f, 1.0f, i % 5 == 0 ? 4.0f : 3.0f);
    }
}

} // namespace

static const SkinRecipeRegistration samplerRecipes {
    SkinRecipe::sliced ("samplerFrame",      paintFrame),
    SkinRecipe::sliced ("samplerDivider",    paintDivider),
    SkinRecipe::image  ("samplerGaugeFrame", paintGaugeFrame),
    SkinRecipe::image  ("samplerGaugeBar",   paintGaugeBar),
    SkinRecipe::image  ("samplerTitle",      paintTitle),
    SkinRecipe::image  ("samplerTab",        paintTab),
    SkinRecipe::image  ("sampleDeleteTile",  paintDeleteTile),
    SkinRecipe::image  ("sampleTileLight",   paintTileLight),
    SkinRecipe::image  ("sampleTileFrame",   paintTileFrame),
    SkinRecipe::image  ("sampleEditor",      paintEditor),
    SkinRecipe::image  ("sampleFileKey",     paintFileKey),
    SkinRecipe::image  ("sampleKey",         paintSmallKey),
    SkinRecipe::image  ("sampleFixKey",      paintFixKey),
    SkinRecipe::image  ("samplePlayKey",     paintPlayKey),
    SkinRecipe::image  ("sampleStopKey",     paintStopKey),
    SkinRecipe::image  ("sampleStepKey",     paintStepKey),
    SkinRecipe::image  ("sampleLabelFocus",  paintLabelFocus),
    SkinRecipe::image  ("sampleRangeTrack",  paintRangeTrack),
};
