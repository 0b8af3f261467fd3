// Pictures that the program draws in slices: the main window background, the overlay panels, the
// alert window and the progress bar. Each is drawn whole and cut afterwards, so every piece that is
// stretched must be uniform along its stretch direction; the layouts below keep all gradients out of
// the stretched rows and columns.

#include "SkinPainter.h"

using namespace juce;

namespace
{
void fillRow (Graphics& g, int y, int x0, int x1, Colour colour)
{
    g.setColour (colour);
    g.fillRect (x0, y, x1 - x0, 1);
}

void fillColumn (Graphics& g, int x, int y0, int y1, Colour colour)
{
    g.setColour (colour);
    g.fillRect (x, y0, 1, y1 - y0);
}

/** A horizontal light line that is brightest at its centre and fades out toward both ends. */
void drawLightLine (Graphics& g, float y, float x0, float x1, Colour colour, float thickness)
{
    ColourGradient grad (colour.withAlpha (0.0f), x0, y, colour.withAlpha (0.0f), x1, y, false);
    grad.addColour (0.25, colour.withMultipliedAlpha (0.55f));
    grad.addColour (0.5, colour);
    grad.addColour (0.75, colour.withMultipliedAlpha (0.55f));
    g.setGradientFill (grad);
    g.fillRect (x0, y, x1 - x0, thickness);
}

//==============================================================================
void paintWindowFrame (Image& canvas, const SliceGrid& grid)
{
    const auto w = canvas.getWidth();
    const auto h = canvas.getHeight();
    const auto side = grid.columnWidths[0];

    // Bands from the top, laid out for the main window: one band for the title bar (under a 4-pixel
    // border), whose buttons reach below it, and the menu bar, to row 50; the console behind the menu
    // strip and the breadcrumb bar; a ledge; then the stage behind the effect panel from row 166,
    // where the window's content view begins. The one-row middle piece lies inside the stage, which
    // is uniform around it; the last five rows of the bottom piece are the frame's lower edge, which
    // short windows show directly below the cut stage.
    const int titleBottom = 50;
    const int consoleTop = 52;
    const int ledgeTop = 162;
    const int stageTop = 166;
    const int stageBottom = h - 29;
    const int railTop = stageBottom + 2;
    const int edgeTop = h - 5;

    Graphics g (canvas);

    // Title bar.
    g.setGradientFill (ColourGradient::vertical (Colour (0xff2d3036), 0.0f, Colour (0xff1f2126), (float) titleBottom));
    g.fillRect (0, 0, w, titleBottom);
    // Console band behind the menu strip, and the rail below the stage.
    g.setGradientFill (ColourGradient::vertical (Colour (0xff1f2126), (float) consoleTop, Colour (0xff18191d), (float) ledgeTop));
    g.fillRect (0, consoleTop, w, ledgeTop - consoleTop);
    g.setGradientFill (ColourGradient::vertical (Colour (0xff1c1e22), (float) railTop, Colour (0xff16171a), (float) edgeTop));
    g.fillRect (0, railTop, w, edgeTop - railTop);
    // Side rails along the stage.
    g.setColour (Colour (0xff1a1c20));
    g.fillRect (0, stageTop, side, stageBottom - stageTop);
    g.fillRect (w - side, stageTop, side, stageBottom - stageTop);
    // The stage itself: a matte recess that the effect panel sits in.
    g.setColour (Colour (0xff111215));
    g.fillRect (side, stageTop, w - 2 * side, stageBottom - stageTop);

    // Brushed grain on the metal bands; a fine matte grain on the stage, kept out of the stretched
    // middle row.
    SkinPainter::addBrushing (canvas, { 0, 2, w, titleBottom - 2 }, 5.0f, 11);
    SkinPainter::addBrushing (canvas, { 0, consoleTop, w, ledgeTop - consoleTop }, 6.0f, 12);
    SkinPainter::addBrushing (canvas, { 0, railTop, w, edgeTop - railTop }, 6.0f, 13);
    SkinPainter::addGrain (canvas, { side, stageTop, w - 2 * side, grid.rowHeights[0] - stageTop }, 1.6f, 14);
    SkinPainter::addGrain (canvas, { side, grid.rowHeights[0] + grid.rowHeights[1], w - 2 * side,
                                     stageBottom - grid.rowHeights[0] - grid.rowHeights[1] }, 1.6f, 15);

    // Title-bar edges: an outline on top, a highlight under it, a groove at the bottom.
    fillRow (g, 0, 0, w, Colour (SkinPainter::outline));
    fillRow (g, 1, 1, w - 1, Colours::white.withAlpha (0.10f));
    fillRow (g, titleBottom, 0, w, Colour (0xff070809));
    fillRow (g, titleBottom + 1, 0, w, Colours::white.withAlpha (0.05f));

    // The ledge between the console and the stage, with a light pipe under the menu strip.
    fillRow (g, ledgeTop, 0, w, Colours::white.withAlpha (0.08f));
    fillRow (g, ledgeTop + 1, 0, w, Colour (0xff222429));
    fillRow (g, ledgeTop + 2, 0, w, Colour (0xff1c1e22));
    fillRow (g, ledgeTop + 3, 0, w, Colour (0xff060708));
    drawLightLine (g, (float) ledgeTop + 1.0f, (float) w * 0.12f, (float) w * 0.88f, SkinPainter::accentColour (Accent::ui).withAlpha (0.55f), 1.0f);

    // The stage is shadowed under the ledge and along the rails; a faint blue wash falls from the
    // light pipe onto its top.
    g.setGradientFill (ColourGradient::vertical (Colours::black.withAlpha (0.55f), (float) stageTop,
                                                 Colours::black.withAlpha (0.0f), (float) stageTop + 26.0f));
    g.fillRect (side, stageTop, w - 2 * side, 26);
    {
        // A wide, flat ellipse of light: a circle gradient squeezed vertically.
        const Graphics::ScopedSaveState s (g);
        const auto cx = (float) w * 0.5f;
        g.reduceClipRegion (side, stageTop, w - 2 * side, 90);
        g.addTransform (AffineTransform::scale (1.0f, 0.16f, cx, (float) stageTop));
        g.setGradientFill (ColourGradient (SkinPainter::accentColour (Accent::ui).withAlpha (0.10f), cx, (float) stageTop,
                                           SkinPainter::accentColour (Accent::ui).withAlpha (0.0f), cx + (float) w * 0.42f, (float) stageTop, true));
        g.fillRect (0.0f, (float) stageTop - 600.0f, (float) w, 1200.0f);
    }

    for (int i = 0; i < 8; ++i)
    {
        const auto alpha = 0.32f * (1.0f - (float) i / 8.0f) * (1.0f - (float) i / 8.0f);
        fillColumn (g, side + i, stageTop, stageBottom, Colours::black.withAlpha (alpha));
        fillColumn (g, w - side - 1 - i, stageTop, stageBottom, Colours::black.withAlpha (alpha));
    }

    // Rails: outline outside, highlight, metal, a dark inner edge toward the stage.
    for (auto x : { 0, w - 1 })
        fillColumn (g, x, 0, h, Colour (SkinPainter::outline));

    fillColumn (g, 1, 1, h - 1, Colours::white.withAlpha (0.06f));
    fillColumn (g, side - 1, stageTop, stageBottom, Colour (0xff060708));
    fillColumn (g, w - side, stageTop, stageBottom, Colour (0xff060708));
    fillColumn (g, side - 2, stageTop, stageBottom, Colours::white.withAlpha (0.035f));
    fillColumn (g, w - 2, 1, h - 1, Colours::black.withAlpha (0.25f));

    // Stage floor: a lip of light, then the rail.
    fillRow (g, stageBottom, 1, w - 1, Colours::white.withAlpha (0.06f));
    fillRow (g, stageBottom + 1, 1, w - 1, Colour (0xff060708));

    // Lower edge of the frame (the last five rows).
    fillRow (g, edgeTop, 1, w - 1, Colours::white.withAlpha (0.07f));
    fillRow (g, edgeTop + 1, 1, w - 1, Colour (0xff191b1f));
    fillRow (g, edgeTop + 2, 1, w - 1, Colour (0xff141518));
    fillRow (g, edgeTop + 3, 1, w - 1, Colour (0xff0d0e10));
    fillRow (g, edgeTop + 4, 0, w, Colour (SkinPainter::outline));
}

//==============================================================================
void paintPanelFrame (Image& canvas, const SliceGrid& grid, int notchX)
{
    const auto w = (float) canvas.getWidth();
    const auto h = (float) canvas.getHeight();
    const auto top = 9.0f;
    const auto headerBottom = (float) grid.rowHeights[0];
    const auto corner = 7.0f;
    const auto accent = SkinPainter::accentColour (Accent::ui);
    const auto body = Colour (0xff1d1f24);

    Graphics g (canvas);

    // The outline with a pointer that rises toward the strip button.
    Path shape;
    shape.addRoundedRectangle (0.0f, top, w, h - top, corner);
    Path notch;
    const auto nx = (float) notchX;
    notch.addTriangle (nx - 10.0f, top + 1.0f, nx + 10.0f, top + 1.0f, nx, 0.0f);
    shape.addPath (notch);
    shape.setUsingNonZeroWinding (true);

    g.setColour (Colour (SkinPainter::outline));
    g.fillPath (shape);

    // Body: lighter under the header, flat from the end of the top row on.
    Path inner;
    inner.addRoundedRectangle (1.0f, top + 1.0f, w - 2.0f, h - top - 2.0f, corner - 1.0f);
    Path innerNotch;
    innerNotch.addTriangle (nx - 8.5f, top + 2.0f, nx + 8.5f, top + 2.0f, nx, 1.6f);
    inner.addPath (innerNotch);
    inner.setUsingNonZeroWinding (true);
    g.setColour (body);
    g.fillPath (inner);
    {
        const Graphics::ScopedSaveState s (g);
        g.reduceClipRegion (inner);
        g.setGradientFill (ColourGradient::vertical (Colour (0xff2a2d33), top, body, headerBottom - 1.0f));
        g.fillRect (0.0f, 0.0f, w, headerBottom);

        // Accent light along the top edge and the pointer, fading at the ends.
        drawLightLine (g, top + 1.0f, 6.0f, w - 6.0f, accent.withAlpha (0.85f), 1.0f);
        g.setColour (accent.withAlpha (0.5f));
        Path rim;
        rim.startNewSubPath (nx - 9.0f, top + 1.5f);
        rim.lineTo (nx, 1.5f);
        rim.lineTo (nx + 9.0f, top + 1.5f);
        g.strokePath (rim, PathStrokeType (1.0f));

        // A darker floor along the bottom edge.
        g.setGradientFill (ColourGradient::vertical (body, h - 14.0f, Colour (0xff17181c), h - 1.0f));
        g.fillRect (0.0f, h - 14.0f, w, 14.0f);
    }

    // Hairline highlight just inside the straight part of the sides.
    g.setColour (Colours::white.withAlpha (0.05f));
    g.fillRect (1.0f, top + corner, 1.0f, h - top - 2.0f * corner);
    g.fillRect (w - 2.0f, top + corner, 1.0f, h - top - 2.0f * corner);
}

//==============================================================================
void paintAlertFrame (Image& canvas, const SliceGrid& grid)
{
    const auto w = canvas.getWidth();
    const auto h = canvas.getHeight();
    const auto headerBottom = grid.rowHeights[0];
    const auto body = Colour (0xff202227);

    Graphics g (canvas);
    g.fillAll (body);

    // The header rows brighten toward the top; the rest of the body is flat.
    g.setGradientFill (ColourGradient::vertical (Colour (0xff2c2f35), 2.0f, body, (float) headerBottom));
    g.fillRect (0, 2, w, headerBottom - 2);
    g.setGradientFill (ColourGradient::vertical (body, (float) (h - grid.rowHeights[2]), Colour (0xff191a1e), (float) h));
    g.fillRect (0, h - grid.rowHeights[2], w, grid.rowHeights[2]);

    // Square outer outline (the alert is an opaque window), a highlight inside it, an accent line on top.
    g.setColour (Colour (SkinPainter::outline));
    g.drawRect (0, 0, w, h, 1);
    g.setColour (Colours::white.withAlpha (0.07f));
    g.fillRect (1, 1, 1, h - 2);
    g.fillRect (w - 2, 1, 1, h - 2);
    g.setColour (SkinPainter::accentColour (Accent::ui).withAlpha (0.8f));
    g.fillRect (1, 1, w - 2, 1);
    g.setColour (SkinPainter::accentColour (Accent::ui).withAlpha (0.18f));
    g.fillRect (1, 2, w - 2, 1);
    g.setColour (Colours::black.withAlpha (0.35f));
    g.fillRect (1, h - 2, w - 2, 1);
}

//==============================================================================
void paintProgressBar (Image& canvas, const SliceGrid&, Accent accent)
{
    const auto w = (float) canvas.getWidth();
    const auto h = (float) canvas.getHeight();
    const auto colour = SkinPainter::accentColour (accent);

    Graphics g (canvas);

    // A lit capsule: the middle column lies on its straight part, so the caps and any stretch of the
    // middle join without a step.
    // The glow blurs sideways as far as its radius, so the round ends plus the glow stay clear of the
    // columns next to the middle one.
    const Rectangle<float> capsule (2.0f, 9.0f, w - 4.0f, h - 18.0f);
    const auto radius = capsule.getHeight() * 0.5f;
    const int glowRadius = 2;
    jassert (capsule.getX() + radius + (float) glowRadius <= w * 0.5f - 1.5f);

    Path p;
    p.addRoundedRectangle (capsule, radius);
    SkinPainter::drawGlow (g, p, colour.withAlpha (0.7f), glowRadius);

    g.setGradientFill (ColourGradient::vertical (colour.brighter (0.45f), capsule.getY(), colour.darker (0.35f), capsule.getBottom()));
    g.fillPath (p);

    // Gloss on the upper half.
    Path gloss;
    gloss.addRoundedRectangle (capsule.reduced (1.5f, 1.5f).withHeight (capsule.getHeight() * 0.45f), radius * 0.8f);
    g.setGradientFill (ColourGradient::vertical (Colours::white.withAlpha (0.38f), capsule.getY(),
                                                 Colours::white.withAlpha (0.04f), capsule.getCentreY()));
    g.fillPath (gloss);

    g.setColour (colour.darker (0.8f).withAlpha (0.9f));
    g.strokePath (p, PathStrokeType (1.0f));
}

} // namespace

// The overlay panels point up at the centre of the strip button that opens them.
static const SkinRecipeRegistration frameRecipes {
    SkinRecipe::sliced ("windowFrame",        paintWindowFrame),
    SkinRecipe::sliced ("cardPanelFrame",     [] (Image& canvas, const SliceGrid& grid) { paintPanelFrame (canvas, grid, 66); }),
    SkinRecipe::sliced ("settingsPanelFrame", [] (Image& canvas, const SliceGrid& grid) { paintPanelFrame (canvas, grid, 462); }),
    SkinRecipe::sliced ("alertFrame",         paintAlertFrame),
    SkinRecipe::sliced ("progressBar",        [] (Image& canvas, const SliceGrid& grid) { paintProgressBar (canvas, grid, Accent::ui); }),
};
