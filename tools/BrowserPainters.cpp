// The effect browser window and the breadcrumb bar: the tree's node pictures, leaf mark and selection
// bar, the browser's slim scroll-bar thumb, and the arrow-shaped breadcrumb steps. The names on the
// steps and in the tree are drawn by the program over these.

#include "SkinPainter.h"

using namespace juce;

namespace
{
//==============================================================================
// Breadcrumb steps, 190x29. Each step ends in an arrow; every step but the model's starts with a
// notch that takes the arrow of the step before it (the bar lays them 171 px apart). The notch sits
// three pixels further in than the arrow reaches, so neighbours stay apart by a dark seam.
constexpr float arrowStart = 171.5f;
constexpr float arrowTip = 188.5f;
constexpr float notchDepth = 17.0f;
constexpr float seam = 3.0f;

enum class StepKind { model, middle, end };

Path stepOutline (float w, float h, StepKind kind)
{
    const auto top = 0.5f, bottom = h - 0.5f, middle = h * 0.5f;
    const auto tipX = jmin (arrowTip, w - 1.0f);
    Path p;

    if (kind == StepKind::model)
    {
        // A square left end with softened corners.
        p.startNewSubPath (3.5f, top);
        p.lineTo (arrowStart, top);
        p.lineTo (tipX, middle);
        p.lineTo (arrowStart, bottom);
        p.lineTo (3.5f, bottom);
        p.quadraticTo (0.5f, bottom, 0.5f, bottom - 3.0f);
        p.lineTo (0.5f, top + 3.0f);
        p.quadraticTo (0.5f, top, 3.5f, top);
    }
    else
    {
        p.startNewSubPath (seam + 0.5f, top);
        p.lineTo (arrowStart, top);
        p.lineTo (tipX, middle);
        p.lineTo (arrowStart, bottom);
        p.lineTo (seam + 0.5f, bottom);
        p.lineTo (seam + 0.5f + notchDepth, middle);
    }

    p.closeSubPath();
    return p;
}

void paintStep (Image& image, const SkinImageRecipe& r, StepKind kind)
{
    Graphics g (image);
    const auto w = (float) image.getWidth();
    const auto h = (float) image.getHeight();
    const auto outline = stepOutline (w, h, kind);
    const auto face = outline.getBounds();
    const auto accent = SkinPainter::accentColour (r.accent);
    const bool over = SkinPainter::isOver (r.state);
    const bool down = SkinPainter::isDown (r.state);
    const bool dimmed = SkinPainter::isDisabled (r.state);

    // A dimmed step lies above the current level: pale metal, so that its dark text reads as
    // engraved. The others are dark keys; pressed, the accent shines up through the face.
    if (dimmed)
        g.setGradientFill (ColourGradient::vertical (Colour (0xffc3c6cc), face.getY(), Colour (0xff989ca4), face.getBottom()));
    else if (down)
        g.setGradientFill (ColourGradient::vertical (accent.darker (1.3f), face.getY(), accent.darker (0.7f), face.getBottom()));
    else if (over)
        g.setGradientFill (ColourGradient::vertical (Colour (0xff3e434c), face.getY(), Colour (0xff262a30), face.getBottom()));
    else
        g.setGradientFill (ColourGradient::vertical (Colour (0xff33363d), face.getY(), Colour (0xff1e2025), face.getBottom()));

    g.fillPath (outline);

    if (over || down)
        SkinPainter::drawInnerGlow (g, outline, accent.withAlpha (down ? 0.9f : 0.65f), down ? 7 : 5);

    // The last step shown is where the panel stands: a lit line along its foot.
    if (kind == StepKind::end)
    {
        const Graphics::ScopedSaveState state (g);
        g.reduceClipRegion (outline);
        const auto lit = dimmed ? accent.withSaturation (0.35f).withAlpha (0.6f) : accent.brighter (over || down ? 0.5f : 0.1f);
        g.setColour (lit);
        g.fillRect (0.0f, h - 3.5f, w, 2.0f);
    }

    // Light along the upper edges, the dark rim round the whole shape.
    {
        const Graphics::ScopedSaveState state (g);
        g.reduceClipRegion (outline);
        g.setGradientFill (ColourGradient::vertical (Colours::white.withAlpha (dimmed ? 0.55f : 0.18f), 0.0f,
                                                     Colours::white.withAlpha (0.0f), h * 0.5f));
        g.strokePath (outline, PathStrokeType (2.0f));
    }

    g.setColour (over || down ? accent.brighter (0.2f).withAlpha (0.9f) : Colour (SkinPainter::outline));
    g.strokePath (outline, PathStrokeType (1.0f));
}

void paintModelStep (Image& image, const SkinImageRecipe& r)  { paintStep (image, r, StepKind::model); }
void paintMiddleStep (Image& image, const SkinImageRecipe& r) { paintStep (image, r, StepKind::middle); }
void paintEndStep (Image& image, const SkinImageRecipe& r)    { paintStep (image, r, StepKind::end); }

//==============================================================================
// Tree node pictures, 36x23: the open/close box (9x9 at 5, 7) and the node's icon (16x13 at 18, 5)
// side by side. Closed pictures are state normal, open ones state on.
const Rectangle<float> boxArea (5.0f, 7.0f, 9.0f, 9.0f);
const Rectangle<float> iconArea (18.0f, 5.0f, 16.0f, 13.0f);

enum class NodeIcon { model, section, folder };

void drawOpenCloseBox (Graphics& g, bool open, Colour accent)
{
    const auto box = boxArea.reduced (0.5f);
    g.setColour (Colour (0xff0d0e10));
    g.fillRoundedRectangle (box, 1.5f);
    g.setColour (open ? accent.withAlpha (0.9f) : Colour (0xff6a6f78));
    g.drawRoundedRectangle (box, 1.5f, 1.0f);

    // Minus when open, plus when closed, on whole pixels so the strokes stay crisp.
    const auto c = boxArea.getCentre();
    g.setColour (open ? accent.brighter (0.4f) : Colour (0xffc9ccd2));
    g.fillRect (c.x - 2.5f, c.y - 0.5f, 5.0f, 1.0f);

    if (! open)
        g.fillRect (c.x - 0.5f, c.y - 2.5f, 1.0f, 5.0f);
}

void drawModelIcon (Graphics& g, bool open, Colour line, Colour accent)
{
    // The unit from above: a slim deck with two knobs and a status light.
    const auto deck = iconArea.reduced (1.5f, 2.0f).withX (iconArea.getX() + 0.5f);
    g.setColour (Colour (0xff1b1d21));
    g.fillRoundedRectangle (deck, 2.0f);
    g.setColour (line);
    g.drawRoundedRectangle (deck, 2.0f, 1.0f);

    for (auto x : { deck.getX() + 4.0f, deck.getX() + 8.5f })
        g.drawEllipse (x - 1.5f, deck.getCentreY() - 1.5f, 3.0f, 3.0f, 1.0f);

    g.setColour (open ? accent.brighter (0.4f) : Colour (0xff3a3e45));
    g.fillEllipse (deck.getRight() - 4.0f, deck.getCentreY() - 1.0f, 2.0f, 2.0f);
}

void drawSectionIcon (Graphics& g, bool open, Colour line, Colour accent)
{
    // A section: four pads in a square, lit while it is open.
    const auto pads = iconArea.withSizeKeepingCentre (11.0f, 11.0f);

    for (int row = 0; row < 2; ++row)
    {
        for (int column = 0; column < 2; ++column)
        {
            const Rectangle<float> pad (pads.getX() + (float) column * 6.0f, pads.getY() + (float) row * 6.0f, 5.0f, 5.0f);
            const bool lit = open && row == column;
            g.setColour (lit ? accent.withAlpha (0.85f) : Colour (0xff24272c));
            g.fillRoundedRectangle (pad, 1.0f);
            g.setColour (lit ? accent.brighter (0.5f) : line);
            g.drawRoundedRectangle (pad.reduced (0.5f), 1.0f, 1.0f);
        }
    }
}

void drawFolderIcon (Graphics& g, bool open, Colour line, Colour accent)
{
    const auto x = iconArea.getX() + 0.5f, y = iconArea.getY() + 1.5f;
    Path back;
    back.startNewSubPath (x, y + 10.0f);
    back.lineTo (x, y);
    back.lineTo (x + 5.0f, y);
    back.lineTo (x + 6.5f, y + 2.0f);
    back.lineTo (x + 13.0f, y + 2.0f);
    back.lineTo (x + 13.0f, y + 10.0f);
    back.closeSubPath();

    g.setColour (Colour (0xff24272c));
    g.fillPath (back);
    g.setColour (line);
    g.strokePath (back, PathStrokeType (1.0f));

    if (open)
    {
        // The front flap tipped forward, lit from inside.
        Path front;
        front.startNewSubPath (x, y + 10.0f);
        front.lineTo (x + 3.0f, y + 4.5f);
        front.lineTo (x + 15.0f, y + 4.5f);
        front.lineTo (x + 12.5f, y + 10.0f);
        front.closeSubPath();
        g.setColour (accent.withAlpha (0.5f));
        g.fillPath (front);
        g.setColour (accent.brighter (0.4f));
        g.strokePath (front, PathStrokeType (1.0f));
    }
}

void paintNode (Image& image, const SkinImageRecipe& r, NodeIcon icon)
{
    Graphics g (image);
    const bool open = SkinPainter::isOn (r.state);
    const auto accent = SkinPainter::accentColour (r.accent);
    const auto line = open ? Colour (0xffdfe2e8) : Colour (SkinPainter::glyph);

    drawOpenCloseBox (g, open, accent);

    switch (icon)
    {
        case NodeIcon::model:   drawModelIcon (g, open, line, accent); break;
        case NodeIcon::section: drawSectionIcon (g, open, line, accent); break;
        case NodeIcon::folder:  drawFolderIcon (g, open, line, accent); break;
    }
}

void paintModelNode (Image& image, const SkinImageRecipe& r)   { paintNode (image, r, NodeIcon::model); }
void paintSectionNode (Image& image, const SkinImageRecipe& r) { paintNode (image, r, NodeIcon::section); }
void paintFolderNode (Image& image, const SkinImageRecipe& r)  { paintNode (image, r, NodeIcon::folder); }

void paintLeaf (Image& image, const SkinImageRecipe&)
{
    // A small diamond: an item with nothing under it.
    Graphics g (image);
    const auto c = image.getBounds().toFloat().getCentre();
    Path diamond;
    diamond.startNewSubPath (c.x - 3.0f, c.y);
    diamond.lineTo (c.x, c.y - 3.0f);
    diamond.lineTo (c.x + 3.0f, c.y);
    diamond.lineTo (c.x, c.y + 3.0f);
    diamond.closeSubPath();
    g.setColour (Colour (0xff8a8f98));
    g.fillPath (diamond);
}

void paintSelection (Image& image, const SkinImageRecipe& r)
{
    // The bar behind the selected item. Items are 16 high and the bar is drawn 5 px above the item's
    // top, so its rows 5..20 show: the lit plate lies there, a faint halo above and below.
    Graphics g (image);
    const auto accent = SkinPainter::accentColour (r.accent);
    const Rectangle<float> plate (1.0f, 5.5f, (float) image.getWidth() - 2.0f, 15.0f);

    g.setColour (accent.withAlpha (0.12f));
    g.fillRoundedRectangle (plate.expanded (0.0f, 3.0f), 4.0f);
    g.setGradientFill (ColourGradient::vertical (accent.darker (0.35f), plate.getY(), accent.darker (1.3f), plate.getBottom()));
    g.fillRoundedRectangle (plate, 3.0f);
    g.setColour (Colours::white.withAlpha (0.18f));
    g.fillRect (plate.getX() + 3.0f, plate.getY() + 1.0f, plate.getWidth() - 6.0f, 1.0f);
    g.setColour (accent.brighter (0.4f).withAlpha (0.9f));
    g.drawRoundedRectangle (plate, 3.0f, 1.0f);
}

//==============================================================================
// The browser's scroll-bar thumb in three pieces, cut from one 10x5 thumb so that they join: a 2-row
// top cap, one middle row stretched down the thumb, a 2-row bottom cap.
enum class ThumbPiece { top, middle, bottom };

void paintThumbPiece (Image& image, const SkinImageRecipe& r, ThumbPiece piece)
{
    Image whole (Image::ARGB, 10, 5, true, SoftwareImageType());
    {
        Graphics g (whole);
        const auto accent = SkinPainter::accentColour (r.accent);
        const auto fill = SkinPainter::isDown (r.state) ? accent
                        : SkinPainter::isOver (r.state) ? Colour (0xff7d838d) : Colour (0xff555a63);
        const Rectangle<float> body (2.0f, 0.0f, 6.0f, 5.0f);
        g.setColour (fill);
        g.fillRoundedRectangle (body, 2.0f);
        g.setColour (Colours::white.withAlpha (0.2f));
        g.fillRect (body.getX() + 1.0f, 2.0f, 1.0f, 1.0f);
    }

    const int firstRow = piece == ThumbPiece::top ? 0 : piece == ThumbPiece::middle ? 2 : 3;
    Graphics g (image);
    g.drawImageAt (whole.getClippedImage ({ 0, firstRow, 10, image.getHeight() }), 0, 0);
}

void paintThumbTop (Image& image, const SkinImageRecipe& r)    { paintThumbPiece (image, r, ThumbPiece::top); }
void paintThumbMiddle (Image& image, const SkinImageRecipe& r) { paintThumbPiece (image, r, ThumbPiece::middle); }
void paintThumbBottom (Image& image, const SkinImageRecipe& r) { paintThumbPiece (image, r, ThumbPiece::bottom); }
} // namespace

static const SkinRecipeRegistration browserRecipes {
    SkinRecipe::image ("breadcrumbModel",    paintModelStep),
    SkinRecipe::image ("breadcrumbMiddle",   paintMiddleStep),
    SkinRecipe::image ("breadcrumbEnd",      paintEndStep),
    SkinRecipe::image ("browserModelNode",   paintModelNode),
    SkinRecipe::image ("browserSectionNode", paintSectionNode),
    SkinRecipe::image ("browserFolderNode",  paintFolderNode),
    SkinRecipe::image ("browserLeaf",        paintLeaf),
    SkinRecipe::image ("browserSelection",   paintSelection),
    SkinRecipe::image ("browserThumbTop",    paintThumbTop),
    SkinRecipe::image ("browserThumbMiddle", paintThumbMiddle),
    SkinRecipe::image ("browserThumbBottom", paintThumbBottom),
};
