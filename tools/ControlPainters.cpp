// Small controls: window buttons, slider parts, combo-box parts, scroll-bar parts, the panel button,
// the check box and separators.

#include "SkinPainter.h"

using namespace juce;

namespace
{
Rectangle<float> boundsOf (const Image& image)
{
    return image.getBounds().toFloat();
}

/** Metal face colours of a key in a state (top and bottom of its gradient). */
std::pair<Colour, Colour> keyColours (State state)
{
    if (SkinPainter::isDisabled (state))
        return { Colour (0xff212327), Colour (0xff1a1b1f) };

    if (SkinPainter::isOver (state))
        return { Colour (0xff3b3f47), Colour (0xff25282d) };

    return { Colour (0xff33363d), Colour (0xff202227) };
}

//==============================================================================
void paintTitleButton (Image& image, const SkinImageRecipe& r)
{
    Graphics g (image);
    const auto area = boundsOf (image).reduced (2.5f);
    const auto accent = SkinPainter::accentColour (r.accent);
    const bool over = SkinPainter::isOver (r.state);
    const bool down = SkinPainter::isDown (r.state);
    const bool alarm = r.part == Part::close && (over || down);

    // The close key turns red under the mouse; the others light their rim.
    auto [top, bottom] = keyColours (r.state);

    if (alarm)
    {
        top = accent.darker (0.1f);
        bottom = accent.darker (0.75f);
    }

    SkinPainter::drawKey (g, area, 4.0f, top, bottom, down);

    if (over && ! alarm)
    {
        Path face;
        face.addRoundedRectangle (area.reduced (1.0f), 3.0f);
        SkinPainter::drawInnerGlow (g, face, accent.withAlpha (0.9f), 4);
    }

    auto c = area.getCentre();

    if (SkinPainter::isDown (r.state))
        c.y += 0.5f;

    Path glyph;

    switch (r.part)
    {
        case Part::minimise:
            glyph.startNewSubPath (c.x - 4.0f, c.y + 3.0f);
            glyph.lineTo (c.x + 4.0f, c.y + 3.0f);
            break;

        case Part::maximise:
            glyph.addRectangle (c.x - 3.5f, c.y - 3.5f, 7.0f, 7.0f);
            break;

        case Part::close:
        default:
            glyph.startNewSubPath (c.x - 3.5f, c.y - 3.5f);
            glyph.lineTo (c.x + 3.5f, c.y + 3.5f);
            glyph.startNewSubPath (c.x + 3.5f, c.y - 3.5f);
            glyph.lineTo (c.x - 3.5f, c.y + 3.5f);
            break;
    }

    const auto colour = alarm ? Colours::white : SkinPainter::glyphColour (r.state, r.accent);

    if (down && ! alarm)
        SkinPainter::drawGlow (g, glyph, accent.withAlpha (0.9f), 3);

    SkinPainter::strokeGlyph (g, glyph, colour, r.part == Part::maximise ? 1.4f : 1.7f);
}

//==============================================================================
void paintSliderTrack (Image& image, const SkinImageRecipe& r)
{
    Graphics g (image);
    const auto w = (float) image.getWidth();
    const auto h = (float) image.getHeight();
    const auto cy = h * 0.5f;

    // Scale marks above and below the groove, longer at the ends and in the middle.
    const int marks = 11;
    const auto x0 = 7.5f, x1 = w - 7.5f;

    for (int i = 0; i < marks; ++i)
    {
        const auto x = std::round (x0 + (x1 - x0) * (float) i / (float) (marks - 1)) + 0.5f;
        const bool major = i == 0 || i == marks - 1 || i == marks / 2;
        const auto len = major ? 4.0f : 2.5f;
        g.setColour (Colour (0xff5a5e66).withAlpha (major ? 0.9f : 0.6f));
        g.drawLine (x, 1.0f, x, 1.0f + len, 1.0f);
        g.drawLine (x, h - 1.0f - len, x, h - 1.0f, 1.0f);
    }

    // The groove: a dark slot lit at its lower lip, with a faint accent line inside.
    const Rectangle<float> groove (3.0f, cy - 2.0f, w - 6.0f, 4.0f);
    SkinPainter::drawWell (g, groove, 2.0f, Colour (0xff050607));
    g.setColour (SkinPainter::accentColour (r.accent).withAlpha (0.35f));
    g.fillRect (groove.reduced (3.0f, 1.5f).withHeight (1.0f).translated (0.0f, 0.5f));
}

void paintSliderThumb (Image& image, const SkinImageRecipe& r)
{
    Graphics g (image);
    const auto area = boundsOf (image).reduced (1.0f, 0.5f);
    const auto accent = SkinPainter::accentColour (r.accent);
    const bool lit = SkinPainter::isOver (r.state);

    // A fader cap: grey metal with ridges and a centre line that lights up with the rim.
    SkinPainter::drawKey (g, area, 2.5f, Colour (0xff9aa0aa), Colour (0xff4b4f57), false);

    if (lit)
    {
        g.setColour (accent.brighter (0.2f));
        g.drawRoundedRectangle (area.reduced (0.5f), 2.5f, 1.0f);
    }

    const auto cx = std::floor (area.getCentreX()) + 0.5f;
    g.setColour (Colours::black.withAlpha (0.35f));

    for (auto dy : { -5.0f, -3.0f, 3.0f, 5.0f })
        g.drawLine (area.getX() + 2.5f, area.getCentreY() + dy, area.getRight() - 2.5f, area.getCentreY() + dy, 1.0f);

    g.setColour (lit ? accent.brighter (0.6f) : Colour (0xffe8eaee));
    g.drawLine (cx, area.getY() + 2.5f, cx, area.getBottom() - 2.5f, 1.6f);
}

void paintValueThumb (Image& image, const SkinImageRecipe& r)
{
    Graphics g (image);
    const auto w = (float) image.getWidth();
    const auto h = (float) image.getHeight();
    const bool lit = SkinPainter::isOver (r.state);
    const auto accent = SkinPainter::accentColour (r.accent);

    // A slim pointer: a bar with a flag at the top that points toward the middle of the range.
    const bool pointsRight = r.part == Part::leftHand;
    Path p;
    p.addRoundedRectangle (pointsRight ? 0.5f : w - 3.5f, 0.5f, 3.0f, h - 1.0f, 1.0f);

    if (pointsRight)
        p.addTriangle (2.0f, 0.5f, w, 0.5f, 2.0f, 6.0f);
    else
        p.addTriangle (w - 2.0f, 0.5f, 0.0f, 0.5f, w - 2.0f, 6.0f);

    g.setColour (Colour (SkinPainter::outline));
    g.fillPath (p);
    g.setGradientFill (ColourGradient::horizontal (lit ? accent.brighter (0.5f) : Colour (0xffd6d9de), 0.0f,
                                                   lit ? accent : Colour (0xff8a8f98), w));
    g.fillPath (p, AffineTransform::scale ((w - 1.0f) / w, (h - 1.0f) / h, w * 0.5f, h * 0.5f));
}

void paintRangeBar (Image& image, const SkinImageRecipe& r)
{
    // Stretched across the chosen range: uniform along x.
    Graphics g (image);
    const auto w = (float) image.getWidth();
    const auto h = (float) image.getHeight();
    const auto accent = SkinPainter::accentColour (r.accent);

    g.setGradientFill (ColourGradient::vertical (accent.brighter (0.4f), 0.0f, accent.darker (0.4f), h));
    g.fillRect (0.0f, 0.0f, w, h);
    g.setColour (Colours::white.withAlpha (0.35f));
    g.fillRect (0.0f, 1.0f, w, 1.0f);
    g.setColour (Colours::black.withAlpha (0.5f));
    g.fillRect (0.0f, h - 1.0f, w, 1.0f);
}

void paintRangeThumb (Image& image, const SkinImageRecipe& r)
{
    Graphics g (image);
    const auto w = (float) image.getWidth();
    const auto h = (float) image.getHeight();
    const bool lit = SkinPainter::isOver (r.state);
    const auto accent = SkinPainter::accentColour (r.accent);

    // Brackets that close the range from either side: "[" for the minimum, "]" for the maximum.
    const bool isMin = r.part == Part::minimum;
    Path bracket;
    const auto spine = isMin ? 2.0f : w - 2.0f;
    const auto tip = isMin ? w - 1.0f : 1.0f;
    bracket.startNewSubPath (tip, 1.5f);
    bracket.lineTo (spine, 1.5f);
    bracket.lineTo (spine, h - 1.5f);
    bracket.lineTo (tip, h - 1.5f);

    g.setColour (Colour (SkinPainter::outline));
    g.strokePath (bracket, PathStrokeType (3.2f, PathStrokeType::mitered, PathStrokeType::square));

    if (lit)
        SkinPainter::drawGlow (g, bracket, accent.withAlpha (0.6f), 2);

    g.setColour (lit ? accent.brighter (0.5f) : Colour (0xffc9ccd2));
    g.strokePath (bracket, PathStrokeType (1.6f, PathStrokeType::mitered, PathStrokeType::square));
}

//==============================================================================
void paintFocusHighlight (Image& image, const SkinImageRecipe& r)
{
    // Stretched over a focused combo box or a highlighted menu item: a soft lit plate with a brighter
    // rim, translucent so the text on it stays readable.
    Graphics g (image);
    const auto area = boundsOf (image).reduced (0.5f);
    const auto accent = SkinPainter::accentColour (r.accent);

    g.setGradientFill (ColourGradient::vertical (accent.withAlpha (0.42f), area.getY(), accent.withAlpha (0.22f), area.getBottom()));
    g.fillRoundedRectangle (area, 3.0f);
    g.setColour (Colours::white.withAlpha (0.12f));
    g.fillRoundedRectangle (area.reduced (1.5f).withHeight (area.getHeight() * 0.4f), 2.0f);
    g.setColour (accent.brighter (0.3f).withAlpha (0.9f));
    g.drawRoundedRectangle (area, 3.0f, 1.0f);
}

void paintComboArrow (Image& image, const SkinImageRecipe& r)
{
    Graphics g (image);
    const auto area = boundsOf (image).reduced (1.0f, 1.5f);
    const auto [top, bottom] = keyColours (r.state);

    SkinPainter::drawKey (g, area, 2.5f, top, bottom, SkinPainter::isDown (r.state));

    auto c = area.getCentre();
    c.y += SkinPainter::isDown (r.state) ? 1.0f : 0.5f;
    const auto chevron = SkinPainter::chevronDown (c, 3.5f, 3.5f);

    if (SkinPainter::isOver (r.state) || SkinPainter::isDown (r.state))
        SkinPainter::drawGlow (g, chevron, SkinPainter::accentColour (r.accent).withAlpha (0.9f), 3);

    SkinPainter::strokeGlyph (g, chevron, SkinPainter::glyphColour (r.state, r.accent), 1.6f);
}

void paintWideComboButton (Image& image, const SkinImageRecipe& r)
{
    Graphics g (image);
    const auto area = boundsOf (image).reduced (0.5f, 0.5f);
    const auto [top, bottom] = keyColours (r.state);
    const auto accent = SkinPainter::accentColour (r.accent);

    SkinPainter::drawKey (g, area, area.getHeight() * 0.5f, top, bottom, SkinPainter::isDown (r.state));

    // A lit slot across the middle and a small chevron: the value opens a list.
    const auto c = area.getCentre().translated (0.0f, SkinPainter::isDown (r.state) ? 0.5f : 0.0f);
    const auto chevron = SkinPainter::chevronDown (c, 3.0f, 3.0f);

    if (! SkinPainter::isDisabled (r.state))
    {
        const auto alpha = SkinPainter::isOver (r.state) || SkinPainter::isDown (r.state) ? 0.9f : 0.35f;
        g.setColour (accent.withAlpha (alpha));
        g.fillRect (area.getX() + 6.0f, c.y - 0.5f, 10.0f, 1.0f);
        g.fillRect (area.getRight() - 16.0f, c.y - 0.5f, 10.0f, 1.0f);
    }

    if (SkinPainter::isOver (r.state) || SkinPainter::isDown (r.state))
        SkinPainter::drawGlow (g, chevron, accent.withAlpha (0.8f), 2);

    SkinPainter::strokeGlyph (g, chevron, SkinPainter::glyphColour (r.state, r.accent), 1.3f);
}

//==============================================================================
void paintScrollButton (Image& image, const SkinImageRecipe& r)
{
    Graphics g (image);
    const auto area = boundsOf (image);
    const bool vertical = r.part == Part::arrowUp || r.part == Part::arrowDown;

    // The button continues the track: a dark slot with the arrow in it.
    g.setColour (Colour (0xff0c0d0f));
    g.fillRect (area);
    g.setColour (SkinPainter::isDown (r.state) ? Colour (0xff1a2a40) : SkinPainter::isOver (r.state) ? Colour (0xff24272d) : Colour (0xff191b1f));
    g.fillRect (area.reduced (1.0f));

    const auto arrowArea = vertical ? area.withSizeKeepingCentre (6.0f, 4.0f) : area.withSizeKeepingCentre (4.0f, 6.0f);
    const auto arrow = SkinPainter::arrowTriangle (arrowArea, r.part);

    if (SkinPainter::isOver (r.state) || SkinPainter::isDown (r.state))
        SkinPainter::drawGlow (g, arrow, SkinPainter::accentColour (r.accent).withAlpha (0.8f), 2);

    g.setColour (SkinPainter::glyphColour (r.state, r.accent));
    g.fillPath (arrow);
}

void paintScrollTrack (Image& image, const SkinImageRecipe& r)
{
    // Stretched along the bar, so the profile only varies across it.
    Graphics g (image);
    const auto size = (float) image.getWidth();
    const bool vertical = r.part == Part::vertical;
    const auto across = [&] (float from, float thickness, Colour colour)
    {
        g.setColour (colour);

        if (vertical)
            g.fillRect (from, 0.0f, thickness, size);
        else
            g.fillRect (0.0f, from, size, thickness);
    };

    across (0.0f, size, Colour (0xff0f1013));
    across (0.0f, 1.0f, Colour (0xff060708));
    across (1.0f, 1.0f, Colours::black.withAlpha (0.35f));
    across (size - 1.0f, 1.0f, Colours::white.withAlpha (0.05f));
}

void paintScrollThumb (Image& image, const SkinImageRecipe& r)
{
    // Stretched along the bar: a rounded profile across it, flat along it.
    Graphics g (image);
    const auto size = (float) image.getWidth();
    const bool vertical = r.part == Part::vertical;
    const auto accent = SkinPainter::accentColour (r.accent);

    const auto edge = SkinPainter::isDown (r.state) ? accent.darker (0.6f) : Colour (0xff2f3238);
    const auto middle = SkinPainter::isDown (r.state) ? accent.darker (0.1f)
                      : SkinPainter::isOver (r.state) ? Colour (0xff7a808b) : Colour (0xff555a63);

    ColourGradient grad = vertical ? ColourGradient::horizontal (edge, 0.0f, edge, size)
                                   : ColourGradient::vertical (edge, 0.0f, edge, size);
    grad.addColour (0.3, middle.brighter (0.15f));
    grad.addColour (0.6, middle);
    g.setGradientFill (grad);
    g.fillRect (0.0f, 0.0f, size, size);

    g.setColour (Colour (SkinPainter::outline).withAlpha (0.8f));

    if (vertical)
    {
        g.fillRect (0.0f, 0.0f, 1.0f, size);
        g.fillRect (size - 1.0f, 0.0f, 1.0f, size);
    }
    else
    {
        g.fillRect (0.0f, 0.0f, size, 1.0f);
        g.fillRect (0.0f, size - 1.0f, size, 1.0f);
    }
}

//==============================================================================
void paintPanelButton (Image& image, const SkinImageRecipe& r)
{
    Graphics g (image);
    const auto area = boundsOf (image).reduced (2.0f, 2.5f);
    const auto accent = SkinPainter::accentColour (r.accent);
    const auto [top, bottom] = keyColours (r.state);

    SkinPainter::drawKey (g, area, 4.0f, top, bottom, SkinPainter::isDown (r.state));

    // An accent rim marks the hovered, focused or pressed button; hovering also lights it inside.
    if (SkinPainter::isOver (r.state))
    {
        Path face;
        face.addRoundedRectangle (area.reduced (1.0f), 3.0f);
        SkinPainter::drawInnerGlow (g, face, accent.withAlpha (0.8f), 5);
    }

    if (SkinPainter::isOver (r.state) || SkinPainter::isDown (r.state))
    {
        g.setColour (accent.withAlpha (SkinPainter::isDown (r.state) ? 0.6f : 0.9f));
        g.drawRoundedRectangle (area.reduced (0.5f), 3.5f, 1.0f);
    }
}

void paintCheckBox (Image& image, const SkinImageRecipe& r)
{
    Graphics g (image);
    const auto area = boundsOf (image).reduced (1.0f);
    const auto accent = SkinPainter::accentColour (r.accent);
    const bool ticked = SkinPainter::isOn (r.state);
    const bool disabled = SkinPainter::isDisabled (r.state);

    if (ticked && ! disabled)
    {
        const auto base = SkinPainter::isDown (r.state) ? accent.darker (0.45f) : accent;
        g.setColour (Colour (SkinPainter::outline));
        g.fillRoundedRectangle (area, 3.0f);
        g.setGradientFill (ColourGradient::vertical (base.brighter (0.35f), area.getY(), base.darker (0.25f), area.getBottom()));
        g.fillRoundedRectangle (area.reduced (1.0f), 2.0f);
    }
    else
    {
        SkinPainter::drawWell (g, area, 3.0f, disabled ? Colour (0xff17181b) : SkinPainter::isDown (r.state) ? Colour (0xff08090a) : Colour (0xff0d0e10));

        g.setColour ((SkinPainter::isOver (r.state) ? accent : Colour (0xff6a6f78)).withAlpha (disabled ? 0.25f : 0.9f));
        g.drawRoundedRectangle (area.reduced (0.5f), 2.5f, 1.0f);
    }

    // Focus: a bright rim and light inside it.
    if (SkinPainter::isOver (r.state))
    {
        Path face;
        face.addRoundedRectangle (area.reduced (1.0f), 2.0f);
        SkinPainter::drawInnerGlow (g, face, (ticked ? Colours::white : accent).withAlpha (0.7f), 3);
        g.setColour (ticked ? Colours::white.withAlpha (0.9f) : accent.brighter (0.3f));
        g.drawRoundedRectangle (area.reduced (0.5f), 2.5f, 1.0f);
    }

    if (ticked)
    {
        Path tick;
        tick.startNewSubPath (area.getX() + 3.5f, area.getCentreY() + 0.5f);
        tick.lineTo (area.getX() + 6.0f, area.getBottom() - 3.5f);
        tick.lineTo (area.getRight() - 3.0f, area.getY() + 3.5f);
        SkinPainter::strokeGlyph (g, tick, disabled ? Colour (SkinPainter::glyph).withAlpha (0.35f) : Colours::white, 1.9f);
    }
}

void paintSeparator (Image& image, const SkinImageRecipe&)
{
    // An engraved line: shadow over light, fading out at both ends.
    Graphics g (image);
    const auto w = (float) image.getWidth();

    for (auto [y, colour] : { std::pair<float, Colour> { 0.0f, Colours::black.withAlpha (0.7f) },
                              std::pair<float, Colour> { 1.0f, Colours::black.withAlpha (0.35f) },
                              std::pair<float, Colour> { 2.0f, Colours::white.withAlpha (0.09f) } })
    {
        ColourGradient grad (colour.withAlpha (0.0f), 0.0f, y, colour.withAlpha (0.0f), w, y, false);
        grad.addColour (0.08, colour);
        grad.addColour (0.92, colour);
        g.setGradientFill (grad);
        g.fillRect (0.0f, y, w, 1.0f);
    }
}

} // namespace

static const SkinRecipeRegistration controlRecipes {
    SkinRecipe::image ("titleButton",     paintTitleButton),
    SkinRecipe::image ("sliderTrack",     paintSliderTrack),
    SkinRecipe::image ("sliderThumb",     paintSliderThumb),
    SkinRecipe::image ("valueThumb",      paintValueThumb),
    SkinRecipe::image ("rangeBar",        paintRangeBar),
    SkinRecipe::image ("rangeThumb",      paintRangeThumb),
    SkinRecipe::image ("focusHighlight",  paintFocusHighlight),
    SkinRecipe::image ("comboArrow",      paintComboArrow),
    SkinRecipe::image ("wideComboButton", paintWideComboButton),
    SkinRecipe::image ("scrollButton",    paintScrollButton),
    SkinRecipe::image ("scrollTrack",     paintScrollTrack),
    SkinRecipe::image ("scrollThumb",     paintScrollThumb),
    SkinRecipe::image ("panelButton",     paintPanelButton),
    SkinRecipe::image ("checkBox",        paintCheckBox),
    SkinRecipe::image ("separator",       paintSeparator),
};
