// The effect panel: the unit's body in its three colours, the four section artworks and the two
// overlays, and the Scene dial's ten keys. Everything is laid out in panel coordinates by
// PanelLayout, and the deck is textured by position in the panel, so a section artwork lies pixel
// for pixel on the deck the body shows under it: what it adds is its light, its print and, where
// it reaches past the body, the edges of a plate of its own. The deck is the same dark face on
// every body colour, so the captions the program writes on it stay readable.

#include "PanelLayout.h"
#include "SkinPainter.h"

#include <cmath>

using namespace juce;
using PanelLayout::Section;

namespace
{
//==============================================================================
// Materials.
const Colour deckTop (0xff212429), deckBottom (0xff16181b);
const Colour bedColour (0xff101114);
const Colour windowColour (0xff08090b);

Colour sectionAccent (Section section)
{
    switch (section)
    {
        case Section::isolate: return SkinPainter::accentColour (Accent::isolate);
        case Section::scene:   return SkinPainter::accentColour (Accent::scene);
        case Section::release: return SkinPainter::accentColour (Accent::release);
        case Section::xpad:    return SkinPainter::accentColour (Accent::xpad);
    }

    return SkinPainter::accentColour (Accent::ui);
}

/** How strongly an artwork is lit in a state: the down face is the one the panel shows while the
    section is up; the normal face is the deck as the body shows it. */
float lightFor (State state) noexcept
{
    return SkinPainter::isDown (state) ? 1.0f : SkinPainter::isOver (state) ? 0.65f : 0.0f;
}

Path moved (Path p, Point<int> origin)
{
    p.applyTransform (AffineTransform::translation ((float) -origin.x, (float) -origin.y));
    return p;
}

//==============================================================================
/** The deck's anodised surface, graded and brushed by panel position, inside a path: the body and
    every artwork paint the same pixels at the same place. */
void paintDeckSurface (Image& image, Point<int> origin, const Path& area)
{
    Image surface (Image::ARGB, image.getWidth(), image.getHeight(), true, SoftwareImageType());
    {
        Graphics g (surface);
        g.setGradientFill (ColourGradient::vertical (deckTop, (float) (40 - origin.y), deckBottom, (float) (560 - origin.y)));
        g.fillAll();
    }
    SkinPainter::addBrushingAt (surface, surface.getBounds(), origin, 2.0f, 31);

    Graphics g (image);
    g.reduceClipRegion (area);
    g.drawImageAt (surface, 0, 0);
}

/** What the program draws over the deck for one section, in panel coordinates: the beds its keys
    sit in with the keys at rest, the windows its read-outs are written into, its seats and its
    indicator. The body prints every section unlit; an artwork prints its own section lit. */
struct Print
{
    Graphics& g;
    Point<int> origin;
    Colour accent;
    float light;
    bool onBody = false;    // the body at rest, which must close every zone inside its deck

    Rectangle<float> at (float x, float y, float w, float h) const { return Rectangle<float> (x, y, w, h) - origin.toFloat(); }
    Point<float> at (float x, float y) const { return { x - (float) origin.x, y - (float) origin.y }; }

    void bed (float x, float y, float w, float h) const
    {
        SkinPainter::drawWell (g, at (x, y, w, h), 6.0f, bedColour);
    }

    /** A key at rest, where a key picture comes to lie when the section is up. */
    void key (float x, float y, float w, float h) const
    {
        SkinPainter::drawKey (g, at (x, y, w, h), 5.0f, Colour (0xff2a2d33), Colour (0xff1b1d21), false);
    }

    void window (float x, float y, float w, float h) const
    {
        const auto area = at (x, y, w, h);
        SkinPainter::drawWell (g, area, 3.0f, light > 0.0f ? windowColour : Colour (0xff101114));
        g.setColour (light > 0.0f ? accent.withAlpha (0.2f + 0.35f * light) : Colours::white.withAlpha (0.04f));
        g.drawRoundedRectangle (area.reduced (0.5f), 3.0f, 1.0f);
    }

    /** A zone's frame where it is printed: on the body closed inside the deck, on an artwork round
        the section's whole zone. */
    void zoneFrame (Section section) const
    {
        frame (onBody ? PanelLayout::getBodyFrame (section) : PanelLayout::getFrame (section));
    }

    /** A zone's frame: an engraved hairline just inside its outline, which the section's light
        turns to its colour. */
    void frame (const Path& outlinePanel) const
    {
        auto outline = outlinePanel;
        outline.applyTransform (AffineTransform::translation ((-origin).toFloat()));
        const Graphics::ScopedSaveState state (g);
        g.reduceClipRegion (outline);
        g.setColour (Colours::white.withAlpha (0.06f));
        g.strokePath (outline, PathStrokeType (6.0f));
        g.setColour (light > 0.0f ? accent.withAlpha (0.35f + 0.45f * light) : Colour (SkinPainter::outline));
        g.strokePath (outline, PathStrokeType (3.0f));
    }

    /** A printed rail (the lock's), dim at rest. */
    void rail (const Path& railPanel) const
    {
        auto r = railPanel;
        r.applyTransform (AffineTransform::translation ((-origin).toFloat()));
        g.setColour (Colours::black.withAlpha (0.6f));
        g.strokePath (r, PathStrokeType (1.0f), AffineTransform::translation (0.0f, 1.0f));
        g.setColour (Colour (SkinPainter::glyph).withAlpha (0.2f + 0.25f * light));
        g.strokePath (r, PathStrokeType (1.0f));
    }

    /** A small key at rest, as the lock switches stand. */
    void lockKey (float x, float y) const
    {
        SkinPainter::drawKey (g, at (x + 12.0f, y + 3.0f, 28.0f, 20.0f), 4.0f, Colour (0xff2a2d33), Colour (0xff1b1d21), false);
    }

    /** A dark ring where a knob's lit arc goes. */
    void seat (float cx, float cy, float radius, float width) const
    {
        const auto c = at (cx, cy);
        Path track;
        track.addCentredArc (c.x, c.y, radius, radius, 0.0f, 1.25f * MathConstants<float>::pi, 2.75f * MathConstants<float>::pi, true);
        g.setColour (Colour (SkinPainter::outline));
        g.strokePath (track, PathStrokeType (width + 2.0f, PathStrokeType::curved, PathStrokeType::butt));
        g.setColour (Colour (0xff121316));
        g.strokePath (track, PathStrokeType (width, PathStrokeType::curved, PathStrokeType::butt));
    }

    void led (float x, float y, Colour colour) const
    {
        const auto led = Rectangle<float> (6.0f, 6.0f).withCentre (at (x, y));
        Path dot;
        dot.addEllipse (led);

        if (light > 0.0f)
            SkinPainter::drawGlow (g, dot, colour.withAlpha (0.9f * light), 7);

        g.setColour (Colour (SkinPainter::outline));
        g.fillEllipse (led.expanded (1.0f));
        g.setColour (light > 0.0f ? colour.brighter (0.6f).interpolatedWith (Colour (0xff141518), 1.0f - light) : Colour (0xff141518));
        g.fillEllipse (led);
        g.setColour (Colours::white.withAlpha (0.2f + 0.35f * light));
        g.fillEllipse (Rectangle<float> (2.0f, 2.0f).withCentre (led.getCentre().translated (-0.8f, -1.0f)));
    }

    void dialKeys (const SkinRingSegments& dial, Point<int> position) const
    {
        for (int i = 0; i < dial.getNumShapes(); ++i)
        {
            auto key = dial.getShape (i);
            key.applyTransform (AffineTransform::translation ((position - origin).toFloat()));
            const auto b = key.getBounds();
            g.setGradientFill (ColourGradient::vertical (Colour (0xff2a2d33), b.getY(), Colour (0xff1b1d21), b.getBottom()));
            g.fillPath (key);
            g.setColour (Colours::white.withAlpha (0.08f));
            g.strokePath (key, PathStrokeType (3.5f));
            g.setColour (Colour (SkinPainter::outline));
            g.strokePath (key, PathStrokeType (2.0f));
        }
    }
};

Path isolateRail()
{
    Path rail;
    rail.startNewSubPath (59.0f, 162.5f);
    rail.lineTo (481.0f, 162.5f);
    return rail;
}

Path sceneRail()
{
    Path rail;
    rail.startNewSubPath (515.0f, 186.5f);
    rail.lineTo (523.5f, 186.5f);
    rail.lineTo (523.5f, 216.0f);
    rail.startNewSubPath (523.5f, 250.0f);
    rail.lineTo (523.5f, 279.5f);
    rail.lineTo (515.0f, 279.5f);
    return rail;
}

/** The Isolate controls' print, the same in the section and in its panel overlay: the keys' bed, the
    rail, the lock key, the four effect keys and the three knob seats. */
void printIsolateControls (const Print& p)
{
    p.bed (41, 109, 452, 45);
    p.rail (isolateRail());
    p.lockKey (472 + 11, 53 + 97);

    for (int i = 0; i < 4; ++i)
        p.key (49.0f + 110.0f * (float) i, 114, 106, 36);

    for (auto cx : { 200.0f, 328.0f, 456.0f })
        p.seat (cx, 230.0f, 39.5f, 7.0f);
}

void printIsolate (const Print& p)
{
    p.zoneFrame (Section::isolate);
    printIsolateControls (p);

    for (auto x : { 147, 210, 275, 338, 403, 466 })
        p.window ((float) x - 2, 264, 47, 19);

    for (auto x : { 234, 360 })
        p.window ((float) x - 3, 298, 69, 18);

    p.led (31, 113, p.accent);
}

void printIsolatePanel (const Print& p)
{
    printIsolateControls (p);

    // The close key's seat on the tab.
    SkinPainter::drawWell (p.g, p.at (548, 200, 60, 54), 8.0f, bedColour);
    p.led (31, 113, p.accent);
}

void printScene (const Print& p)
{
    p.zoneFrame (Section::scene);
    p.rail (sceneRail());
    p.lockKey (123 + 370, 192 + 28);
    p.dialKeys (PanelLayout::getUpperDial(), PanelLayout::upperDialPosition);
    p.dialKeys (PanelLayout::getLowerDial(), PanelLayout::lowerDialPosition);
    p.window (704, 232, 99, 27);

    // The dial's two colours: red over the upper arc, blue under the lower one.
    p.led (796, 206, p.accent);
    p.led (796, 294, SkinPainter::accentColour (Accent::sceneBlue));
}

/** A round socket in the plate: the recess the X-PAD close key stands in, which belongs to X-PAD. */
void printSocket (const Print& p, Point<float> centrePanel, float radius)
{
    const auto c = p.at (centrePanel.x, centrePanel.y);
    const auto ring = Rectangle<float> (2.0f * radius, 2.0f * radius).withCentre (c);
    p.g.setColour (Colours::white.withAlpha (0.08f));
    p.g.drawEllipse (ring.translated (0.0f, 1.0f), 1.5f);
    p.g.setColour (Colour (SkinPainter::outline));
    p.g.drawEllipse (ring, 2.0f);
}

void printSceneArtwork (const Print& p)
{
    printScene (p);

    // The echo-time read-outs round their knob; the sub read-outs are written on the plate.
    for (auto [x, y] : { std::pair { 431, 407 }, std::pair { 431, 455 }, std::pair { 561, 407 }, std::pair { 561, 455 } })
        p.window ((float) x - 2, (float) y - 3, 64, 21);

    printSocket (p, PanelLayout::getIslands (Section::xpad).front().getCentre(),
                 PanelLayout::getIslands (Section::xpad).front().getWidth() * 0.5f + 2.0f);
}

void printRelease (const Print& p)
{
    p.zoneFrame (Section::release);

    // The key row reaches past the body, where the lit plate carries it; at rest the body keeps
    // its row, three even keys, and the release-time windows inside its own frame.
    if (p.onBody)
    {
        p.bed (604, 108, PanelLayout::bodyFrameRight - 4.0f - 604.0f, 40);

        for (int i = 0; i < 3; ++i)
            p.key (613.0f + 94.0f * (float) i, 113.5f, 84, 29);
    }
    else
    {
        p.bed (604, 108, 320, 40);

        for (int i = 0; i < 3; ++i)
            p.key (616.0f + 102.0f * (float) i, 113.5f, 92, 29);
    }

    p.window (723, 162, 101, 24);

    for (auto y : { 266, 308, 350 })
        p.window (836, (float) y - 1, p.onBody ? PanelLayout::bodyFrameRight - 6.0f - 836.0f : 62.0f, 24);

    // The light sits in the corner of the zone's upper tab, inside the body.
    p.led (826, 78, p.accent);
}

void printXPad (const Print& p)
{
    p.zoneFrame (Section::xpad);
    p.led (31, 334, p.accent);
}

void printPadPanel (const Print& p)
{
    // Two rows of beat keys, the pad with its five targets, and the effect keys' bed.
    p.bed (86, 228, 408, 104);
    p.bed (171, 343, 238, 64);
    p.bed (110, 440, 300, 88);
}

void printXPadArtwork (const Print& p)
{
    printXPad (p);
    // The effect keys' bed, below the body.
    p.bed (110, 440, 300, 88);
}

//==============================================================================
// The body.
Colour bodyBase (BodyColour colour) noexcept
{
    switch (colour)
    {
        case BodyColour::white:    return Colour (0xffe4e4e0);
        case BodyColour::platinum: return Colour (0xffaeb3ba);
        case BodyColour::black:    break;
    }

    return Colour (0xff2a2c31);
}

void paintChassis (Image& image, BodyColour colour)
{
    const auto base = bodyBase (colour);
    const bool light = colour != BodyColour::black;
    const auto chassis = image.getBounds().toFloat().reduced (0.5f);
    const auto corner = 14.0f;

    {
        Graphics g (image);
        g.setColour (Colour (SkinPainter::outline));
        g.fillRoundedRectangle (chassis, corner);
        g.setGradientFill (ColourGradient::vertical (base.brighter (0.08f), 0.0f, base.darker (light ? 0.12f : 0.25f), chassis.getBottom()));
        g.fillRoundedRectangle (chassis.reduced (1.0f), corner - 1.0f);
    }

    SkinPainter::addBrushingAt (image, image.getBounds().reduced (2), {}, light ? 4.5f : 3.0f, 21 + (int) colour);

    Path outline;
    outline.addRoundedRectangle (chassis.reduced (1.0f), corner - 1.0f);
    SkinPainter::bevel (image, SkinPainter::coverageOf (outline, image.getWidth(), image.getHeight()), 5,
                        Colours::white.withAlpha (light ? 0.5f : 0.18f), Colours::black.withAlpha (light ? 0.35f : 0.6f));

    // Screws at the corners of the top step, and vents between them.
    Graphics g (image);

    const SkinPainter::ScrewLook screw { Colours::black.withAlpha (light ? 0.3f : 0.55f), base.brighter (0.3f),
                                         base.darker (0.4f), base.darker (light ? 0.8f : 1.0f), 1.2f };

    for (auto c : { Point<float> (32.0f, 66.0f), Point<float> (452.0f, 66.0f), Point<float> (878.0f, 30.0f) })
        SkinPainter::drawScrew (g, c, 9.0f, { 3.0f, 1.5f }, screw);

    for (int i = 0; i < 14; ++i)
    {
        const Rectangle<float> slot (84.0f + 24.0f * (float) i, 54.0f, 10.0f, 26.0f);
        g.setColour (Colours::white.withAlpha (light ? 0.45f : 0.08f));
        g.fillRoundedRectangle (slot.translated (0.0f, 1.0f), 5.0f);
        g.setColour (Colour (0xff060607));
        g.fillRoundedRectangle (slot, 5.0f);
        g.setGradientFill (ColourGradient::vertical (Colours::black, slot.getY(), Colour (0xff1a1b1e), slot.getBottom()));
        g.fillRoundedRectangle (slot.reduced (1.0f), 4.0f);
    }
}

void paintBody (Image& image, const SkinImageRecipe& r)
{
    paintChassis (image, r.body);

    const auto deck = PanelLayout::getDeck();
    paintDeckSurface (image, {}, deck);
    // The deck lies below the body's face: shadowed under its top edge, lit along its bottom one.
    SkinPainter::bevel (image, SkinPainter::coverageOf (deck, image.getWidth(), image.getHeight()), 4,
                        Colours::black.withAlpha (0.85f), Colours::white.withAlpha (0.2f));

    Graphics g (image);
    g.reduceClipRegion (deck);

    for (auto section : { Section::isolate, Section::scene, Section::release, Section::xpad })
    {
        const Print p { g, {}, sectionAccent (section), 0.0f, true };

        switch (section)
        {
            case Section::isolate: printIsolate (p); break;
            case Section::scene:   printScene (p); break;
            case Section::release: printRelease (p); break;
            case Section::xpad:    printXPad (p); break;
        }
    }
}

//==============================================================================
// The section artworks: the deck again, lit from the section's rim, with the section's print lit.
// Within the body they add only light; where a section reaches past the body it stands as a plate
// of its own, with its edges lit like the body's.
void paintIsland (const Print& p, Rectangle<float> areaPanel, bool round)
{
    const auto area = areaPanel - p.origin.toFloat();
    const auto corner = round ? area.getWidth() * 0.5f : 3.0f;

    if (round)
    {
        // The close key's socket: a plain recess, lit only faintly, since the key that stands in it
        // shows only while the section is open.
        p.g.setColour (bedColour);
        p.g.fillEllipse (area);
        p.g.setColour (p.accent.withAlpha (0.15f * p.light));
        p.g.drawEllipse (area.reduced (1.0f), 1.0f);
        return;
    }

    Path shape;
    shape.addRoundedRectangle (area, corner);
    p.g.setColour (windowColour);
    p.g.fillPath (shape);

    if (p.light > 0.0f)
        SkinPainter::drawInnerGlow (p.g, shape, p.accent.withAlpha (0.5f * p.light), 5);

    p.g.setColour (p.accent.withAlpha (0.2f + 0.6f * p.light));
    p.g.drawRoundedRectangle (area.reduced (0.5f), corner, 1.0f);
}

void paintLitDeck (Image& image, Point<int> origin, const Path& platePanel, const Path& glowPanel, Colour accent, float light)
{
    const auto w = image.getWidth(), h = image.getHeight();
    const auto plate = moved (platePanel, origin);
    paintDeckSurface (image, origin, plate);

    const auto cover = SkinPainter::coverageOf (plate, w, h);
    const auto insideBody = SkinPainter::coverageOf (moved (PanelLayout::getDeck(), origin), w, h);
    auto outsideBody = insideBody;

    for (auto& v : outsideBody.values)
        v = 1.0f - v;

    SkinPainter::bevel (image, cover, 4, Colours::white.withAlpha (0.16f), Colours::black.withAlpha (0.7f), &outsideBody);

    if (light > 0.0f)
    {
        SkinPainter::glowInside (image, SkinPainter::coverageOf (moved (glowPanel, origin), w, h), accent.withAlpha (0.2f * light), 18, &insideBody);
        SkinPainter::glowInside (image, cover, accent.withAlpha (0.2f * light), 18, &outsideBody);
    }
}

struct SectionArt
{
    const SkinShapeBox& box;
    int index;
    Section section;
    Point<int> origin;
    void (*print) (const Print&);
};

const SectionArt& sectionArt (Part part)
{
    using namespace PanelLayout;
    static const SectionArt arts[] {
        { getSections(),       0, Section::isolate, isolateArea.getPosition(),      printIsolate },
        { getSections(),       1, Section::scene,   sceneArea.getPosition(),        printSceneArtwork },
        { getSections(),       2, Section::release, releaseArea.getPosition(),      printRelease },
        { getSections(),       3, Section::xpad,    xpadArea.getPosition(),         printXPadArtwork },
        { getIsolateOverlay(), 0, Section::isolate, isolatePanelArea.getPosition(), printIsolatePanel },
        { getPadOverlay(),     0, Section::xpad,    padPanelArea.getPosition(),     printPadPanel },
    };

    return arts[jlimit (0, 5, (int) part - (int) Part::isolateSection)];
}

SkinShape sectionShape (const SkinImageRecipe& r)
{
    const auto& art = sectionArt (r.part);
    return { &art.box, art.index };
}

void paintSection (Image& image, const SkinImageRecipe& r)
{
    const auto& art = sectionArt (r.part);
    const auto accent = sectionAccent (art.section);
    const auto light = lightFor (r.state);
    const bool overlay = &art.box != &PanelLayout::getSections();
    const auto plate = overlay ? art.box.getShape (0) : PanelLayout::getPlate (art.section);
    paintLitDeck (image, art.origin, plate, overlay ? plate : PanelLayout::getGlowOutline (art.section), accent, light);

    Graphics g (image);
    const Print p { g, art.origin, accent, light };
    art.print (p);

    if (! overlay)
        for (auto island : PanelLayout::getIslands (art.section))
            paintIsland (p, island, art.section == Section::xpad);
}

/** The hit area of a section while it is open: opaque exactly where a pixel's centre lies in the
    section's reach, as the masks of shaped images are. */
void paintSectionReach (Image& image, const SkinImageRecipe& r)
{
    const auto& art = sectionArt (r.part);
    const auto reach = moved (PanelLayout::getReach (art.section), art.origin);
    Image::BitmapData pixels (image, Image::BitmapData::writeOnly);

    for (int y = 0; y < image.getHeight(); ++y)
        for (int x = 0; x < image.getWidth(); ++x)
            pixels.setPixelColour (x, y, reach.contains ((float) x + 0.5f, (float) y + 0.5f) ? Colours::white : Colours::transparentBlack);
}

//==============================================================================
// The Scene dial's keys: dark faces (the program writes red or blue captions on them) that light
// at the rim under the mouse and glow from within when chosen.
int segmentIndex (Part part) noexcept
{
    return (int) part - (int) Part::segment1;
}

SkinShape upperDialShape (const SkinImageRecipe& r) { return { &PanelLayout::getUpperDial(), segmentIndex (r.part) }; }
SkinShape lowerDialShape (const SkinImageRecipe& r) { return { &PanelLayout::getLowerDial(), segmentIndex (r.part) }; }

void paintDialKey (Image& image, const SkinImageRecipe& r, const SkinRingSegments& dial)
{
    Graphics g (image);
    const auto shape = getShapeOutline (r);
    const auto accent = SkinPainter::accentColour (r.accent);
    const auto bounds = shape.getBounds();
    const bool on = SkinPainter::isDown (r.state) || SkinPainter::isOn (r.state);
    const bool over = SkinPainter::isOver (r.state);
    const bool disabled = SkinPainter::isDisabled (r.state);

    const auto top = disabled ? Colour (0xff1a1b1e) : on ? Colour (0xff15161a) : over ? Colour (0xff32363d) : Colour (0xff2b2e34);
    const auto bottom = disabled ? Colour (0xff151619) : on ? Colour (0xff1d1f24) : over ? Colour (0xff1f2226) : Colour (0xff1b1d21);
    g.setGradientFill (ColourGradient::vertical (top, bounds.getY(), bottom, bounds.getBottom()));
    g.fillPath (shape);

    if (on || over)
        SkinPainter::drawInnerGlow (g, shape, accent.withAlpha (on ? 0.75f : 0.45f), on ? 9 : 6);

    // The seam between neighbours: a dark groove at the edge with a fine light inside it.
    g.setColour (on || over ? accent.brighter (0.3f).withAlpha (on ? 0.95f : 0.7f) : Colours::white.withAlpha (disabled ? 0.03f : 0.09f));
    g.strokePath (shape, PathStrokeType (4.0f));
    g.setColour (Colour (SkinPainter::outline));
    g.strokePath (shape, PathStrokeType (2.0f));

    // An indicator bar along the key's outer edge: dark, dim under the mouse, lit when chosen.
    const auto index = segmentIndex (r.part);
    const auto& layout = dial.getLayout();
    const auto angle = layout.firstAngle + dial.getSegmentAngle() * ((float) index + 0.5f);
    const auto half = dial.getSegmentAngle() * 0.28f;
    const auto radius = layout.outerRadiusX - 5.0f;
    Path bar;
    bar.addCentredArc (layout.centre.x, layout.centre.y, radius, radius, 0.0f, angle - half, angle + half, true);
    const PathStrokeType barStroke (2.5f, PathStrokeType::curved, PathStrokeType::rounded);

    if (on)
    {
        Path glowing;
        barStroke.createStrokedPath (glowing, bar);
        SkinPainter::drawGlow (g, glowing, accent, 5);
    }

    g.setColour (disabled ? Colour (0xff111214) : on ? accent.brighter (0.6f) : over ? accent.darker (0.5f) : Colour (0xff0c0d0f));
    g.strokePath (bar, barStroke);
}

void paintUpperDialKey (Image& image, const SkinImageRecipe& r) { paintDialKey (image, r, PanelLayout::getUpperDial()); }
void paintLowerDialKey (Image& image, const SkinImageRecipe& r) { paintDialKey (image, r, PanelLayout::getLowerDial()); }
} // namespace

static const SkinRecipeRegistration panelRecipes {
    SkinRecipe::image ("body", paintBody),
    SkinRecipe::shaped ("panelSection", paintSection, sectionShape),
    SkinRecipe::image ("panelSectionReach", paintSectionReach),
    SkinRecipe::shaped ("sceneUpperDial", paintUpperDialKey, upperDialShape),
    SkinRecipe::shaped ("sceneLowerDial", paintLowerDialKey, lowerDialShape),
};
