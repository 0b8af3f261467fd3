#include "SkinPainter.h"

#include <cmath>

using namespace juce;

Colour SkinPainter::accentColour (Accent accent) noexcept
{
    switch (accent)
    {
        case Accent::ui:        return Colour (0xff1d8dff);
        case Accent::alarm:     return Colour (0xffff1e3c);
        case Accent::isolate:   return Colour (0xffc68302);
        case Accent::scene:     return Colour (0xffff001e);
        case Accent::sceneBlue: return Colour (0xff90abff);
        case Accent::release:   return Colour (0xfffdc641);
        case Accent::xpad:      return Colour (0xffd0d000);
    }

    return Colour (0xff1d8dff);
}

bool SkinPainter::isOn (State s) noexcept       { return s == State::on || s == State::onOver || s == State::onDown || s == State::onDisabled; }
bool SkinPainter::isOver (State s) noexcept     { return s == State::over || s == State::onOver; }
bool SkinPainter::isDown (State s) noexcept     { return s == State::down || s == State::onDown; }
bool SkinPainter::isDisabled (State s) noexcept { return s == State::disabled || s == State::onDisabled; }

namespace
{
uint8 clampByte (float v) noexcept
{
    return (uint8) jlimit (0, 255, roundToInt (v));
}

void shadePixel (Image::BitmapData& data, int x, int y, float delta)
{
    auto c = data.getPixelColour (x, y);

    if (c.getAlpha() == 0)
        return;

    data.setPixelColour (x, y, Colour (clampByte ((float) c.getRed() + delta),
                                       clampByte ((float) c.getGreen() + delta),
                                       clampByte ((float) c.getBlue() + delta),
                                       c.getAlpha()));
}
} // namespace

void SkinPainter::addGrain (Image& image, Rectangle<int> area, float strength, int seed)
{
    Random random ((int64) seed);
    Image::BitmapData data (image, Image::BitmapData::readWrite);
    area = area.getIntersection (image.getBounds());

    for (int y = area.getY(); y < area.getBottom(); ++y)
        for (int x = area.getX(); x < area.getRight(); ++x)
            shadePixel (data, x, y, (random.nextFloat() - 0.5f) * 2.0f * strength);
}

void SkinPainter::addBrushing (Image& image, Rectangle<int> area, float strength, int seed)
{
    Random random ((int64) seed);
    Image::BitmapData data (image, Image::BitmapData::readWrite);
    area = area.getIntersection (image.getBounds());

    for (int y = area.getY(); y < area.getBottom(); ++y)
    {
        // A streak: a row brightness plus two slow waves along x with random phase and length.
        const auto rowLevel = (random.nextFloat() - 0.5f) * strength;
        const auto phase1 = random.nextFloat() * MathConstants<float>::twoPi;
        const auto phase2 = random.nextFloat() * MathConstants<float>::twoPi;
        const auto length1 = 90.0f + random.nextFloat() * 260.0f;
        const auto length2 = 25.0f + random.nextFloat() * 60.0f;

        for (int x = area.getX(); x < area.getRight(); ++x)
        {
            const auto fx = (float) x;
            const auto wave = 0.55f * std::sin (phase1 + fx / length1 * MathConstants<float>::twoPi)
                            + 0.25f * std::sin (phase2 + fx / length2 * MathConstants<float>::twoPi);
            const auto fine = (random.nextFloat() - 0.5f) * 0.35f;
            shadePixel (data, x, y, rowLevel + (wave + fine) * strength * 0.6f);
        }
    }
}

void SkinPainter::drawKey (Graphics& g, Rectangle<float> area, float corner, Colour top, Colour bottom, bool pressed)
{
    // Outline and a faint drop shadow beneath it.
    g.setColour (Colours::black.withAlpha (0.35f));
    g.fillRoundedRectangle (area.translated (0.0f, 1.0f), corner);
    g.setColour (Colour (outline));
    g.fillRoundedRectangle (area, corner);

    auto body = area.reduced (1.0f);
    const auto innerCorner = jmax (0.0f, corner - 1.0f);

    if (pressed)
        g.setGradientFill (ColourGradient::vertical (bottom.darker (0.35f), body.getY(), top.darker (0.2f), body.getBottom()));
    else
        g.setGradientFill (ColourGradient::vertical (top, body.getY(), bottom, body.getBottom()));

    g.fillRoundedRectangle (body, innerCorner);

    // Hairline light along the upper edge (the lower edge when pressed in).
    Path rim;
    rim.addRoundedRectangle (body.reduced (0.5f), innerCorner);
    const auto light = Colours::white.withAlpha (pressed ? 0.05f : 0.16f);
    const auto dark = Colours::white.withAlpha (0.0f);
    g.setGradientFill (pressed ? ColourGradient::vertical (dark, body.getY(), light, body.getBottom())
                               : ColourGradient::vertical (light, body.getY(), dark, body.getY() + jmin (10.0f, body.getHeight())));
    g.strokePath (rim, PathStrokeType (1.0f));
}

void SkinPainter::drawScrew (Graphics& g, Point<float> c, float diameter, Point<float> slotHalf, const ScrewLook& look)
{
    const auto head = Rectangle<float> (diameter, diameter).withCentre (c);
    g.setColour (look.shadow);
    g.fillEllipse (head.expanded (1.0f).translated (0.0f, 0.5f));
    g.setGradientFill (ColourGradient::vertical (look.top, head.getY(), look.bottom, head.getBottom()));
    g.fillEllipse (head);
    g.setColour (look.slot);
    g.drawLine (c.x - slotHalf.x, c.y + slotHalf.y, c.x + slotHalf.x, c.y - slotHalf.y, look.slotThickness);
}

void SkinPainter::drawWell (Graphics& g, Rectangle<float> area, float corner, Colour fill)
{
    // Lit lower rim, then the dark hollow, then a shadow along its top inside.
    g.setColour (Colours::white.withAlpha (0.07f));
    g.fillRoundedRectangle (area.translated (0.0f, 1.0f), corner);
    g.setColour (Colour (outline).withAlpha (0.9f));
    g.fillRoundedRectangle (area, corner);

    auto inner = area.reduced (1.0f);
    g.setColour (fill);
    g.fillRoundedRectangle (inner, jmax (0.0f, corner - 1.0f));

    g.setGradientFill (ColourGradient::vertical (Colours::black.withAlpha (0.45f), inner.getY(),
                                                 Colours::black.withAlpha (0.0f), inner.getY() + jmin (5.0f, inner.getHeight() * 0.5f)));
    g.fillRoundedRectangle (inner, jmax (0.0f, corner - 1.0f));
}

void SkinPainter::drawGlow (Graphics& g, const Path& path, Colour colour, int radius)
{
    DropShadow (colour, radius, {}).drawForPath (g, path);
}

void SkinPainter::drawInnerGlow (Graphics& g, const Path& shape, Colour colour, int radius)
{
    // The shadow of everything outside the shape, cast inward and kept inside it.
    Path outside;
    outside.addRectangle (shape.getBounds().expanded ((float) radius * 3.0f));
    outside.addPath (shape);
    outside.setUsingNonZeroWinding (false);

    const Graphics::ScopedSaveState state (g);
    g.reduceClipRegion (shape);
    DropShadow (colour, radius, {}).drawForPath (g, outside);
}

void SkinPainter::strokeGlyph (Graphics& g, const Path& path, Colour colour, float thickness)
{
    g.setColour (colour);
    g.strokePath (path, PathStrokeType (thickness, PathStrokeType::curved, PathStrokeType::rounded));
}

Colour SkinPainter::glyphColour (State state, Accent accent) noexcept
{
    if (isDisabled (state))
        return Colour (glyph).withAlpha (0.3f);

    if (isDown (state) || isOn (state))
        return accentColour (accent).brighter (0.25f);

    if (isOver (state))
        return Colours::white;

    return Colour (glyph);
}

Path SkinPainter::chevronDown (Point<float> centre, float halfWidth, float height)
{
    Path p;
    p.startNewSubPath (centre.x - halfWidth, centre.y - height * 0.5f);
    p.lineTo (centre.x, centre.y + height * 0.5f);
    p.lineTo (centre.x + halfWidth, centre.y - height * 0.5f);
    return p;
}

Path SkinPainter::arrowTriangle (Rectangle<float> area, Part direction)
{
    const auto c = area.getCentre();
    const auto w = area.getWidth() * 0.5f;
    const auto h = area.getHeight() * 0.5f;
    Path p;

    switch (direction)
    {
        case Part::arrowUp:    p.addTriangle (c.x - w, c.y + h, c.x + w, c.y + h, c.x, c.y - h); break;
        case Part::arrowDown:  p.addTriangle (c.x - w, c.y - h, c.x + w, c.y - h, c.x, c.y + h); break;
        case Part::arrowLeft:  p.addTriangle (c.x + w, c.y - h, c.x + w, c.y + h, c.x - w, c.y); break;
        case Part::arrowRight:
        default:               p.addTriangle (c.x - w, c.y - h, c.x - w, c.y + h, c.x + w, c.y); break;
    }

    return p;
}

//==============================================================================
namespace
{
/** A well-mixed hash of a position, 0..1. */
float hashAt (int x, int y, int seed) noexcept
{
    auto h = (uint32) x * 0x8da6b343u ^ (uint32) y * 0xd8163841u ^ (uint32) seed * 0xcb1ab31fu;
    h ^= h >> 15;
    h *= 0x2c1b3c6du;
    h ^= h >> 12;
    h *= 0x297a2d39u;
    h ^= h >> 15;
    return (float) (h & 0xffffffu) / (float) 0xffffffu;
}

void boxBlurLine (const float* in, float* out, int count, int stride, int radius)
{
    // A running sum over 2r+1 samples, the edges held at their last value.
    const auto width = (float) (2 * radius + 1);
    auto sum = 0.0f;

    for (int i = -radius; i <= radius; ++i)
        sum += in[jlimit (0, count - 1, i) * stride];

    for (int i = 0; i < count; ++i)
    {
        out[i * stride] = sum / width;
        sum += in[jmin (count - 1, i + radius + 1) * stride] - in[jmax (0, i - radius) * stride];
    }
}

void blendPixel (Image::BitmapData& data, int x, int y, Colour colour, float amount)
{
    if (amount <= 0.0f)
        return;

    const auto c = data.getPixelColour (x, y);

    if (c.getAlpha() == 0)
        return;

    data.setPixelColour (x, y, c.interpolatedWith (colour.withAlpha (c.getFloatAlpha()), jmin (1.0f, amount * colour.getFloatAlpha())));
}
} // namespace

void SkinPainter::addBrushingAt (Image& image, Rectangle<int> area, Point<int> origin, float strength, int seed)
{
    Image::BitmapData data (image, Image::BitmapData::readWrite);
    area = area.getIntersection (image.getBounds());

    for (int y = area.getY(); y < area.getBottom(); ++y)
    {
        const auto py = y + origin.y;
        const auto rowLevel = (hashAt (0, py, seed) - 0.5f) * strength;
        const auto phase1 = hashAt (1, py, seed) * MathConstants<float>::twoPi;
        const auto phase2 = hashAt (2, py, seed) * MathConstants<float>::twoPi;
        const auto length1 = 90.0f + hashAt (3, py, seed) * 260.0f;
        const auto length2 = 25.0f + hashAt (4, py, seed) * 60.0f;

        for (int x = area.getX(); x < area.getRight(); ++x)
        {
            const auto px = (float) (x + origin.x);
            const auto wave = 0.55f * std::sin (phase1 + px / length1 * MathConstants<float>::twoPi)
                            + 0.25f * std::sin (phase2 + px / length2 * MathConstants<float>::twoPi);
            const auto fine = (hashAt (x + origin.x, py, seed + 7) - 0.5f) * 0.35f;
            shadePixel (data, x, y, rowLevel + (wave + fine) * strength * 0.6f);
        }
    }
}

SkinPainter::Coverage SkinPainter::coverageOf (const Path& path, int width, int height)
{
    Image mask (Image::SingleChannel, jmax (1, width), jmax (1, height), true, SoftwareImageType());
    {
        Graphics g (mask);
        g.setColour (Colours::white);
        g.fillPath (path);
    }

    Coverage c { width, height, std::vector<float> ((size_t) (width * height)) };
    const Image::BitmapData data (mask, Image::BitmapData::readOnly);

    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            c.values[(size_t) (y * width + x)] = (float) *data.getPixelPointer (x, y) / 255.0f;

    return c;
}

SkinPainter::Coverage SkinPainter::blurred (const Coverage& coverage, int radius)
{
    auto result = coverage;

    if (radius <= 0 || coverage.values.empty())
        return result;

    std::vector<float> scratch (result.values.size());
    const auto w = coverage.width, h = coverage.height;
    const auto passRadius = jmax (1, radius / 2);

    for (int pass = 0; pass < 3; ++pass)
    {
        for (int y = 0; y < h; ++y)
            boxBlurLine (result.values.data() + y * w, scratch.data() + y * w, w, 1, passRadius);

        for (int x = 0; x < w; ++x)
            boxBlurLine (scratch.data() + x, result.values.data() + x, h, w, passRadius);
    }

    return result;
}

void SkinPainter::bevel (Image& image, const Coverage& shape, int radius, Colour light, Colour shadow, const Coverage* where)
{
    const auto height = blurred (shape, radius);
    Image::BitmapData data (image, Image::BitmapData::readWrite);
    // Toward the light: up and a little to the left.
    const auto lx = -0.32f, ly = -0.95f;
    const auto gain = (float) radius * 1.6f;

    for (int y = 0; y < shape.height; ++y)
    {
        for (int x = 0; x < shape.width; ++x)
        {
            const auto inside = shape.at (x, y) * (where != nullptr ? where->at (x, y) : 1.0f);

            if (inside <= 0.0f)
                continue;

            // The slope of the smoothed shape, facing the light where it rises into the shape.
            const auto gx = (height.at (x + 1, y) - height.at (x - 1, y)) * 0.5f;
            const auto gy = (height.at (x, y + 1) - height.at (x, y - 1)) * 0.5f;
            const auto facing = -(gx * lx + gy * ly) * gain;

            if (facing > 0.0f)
                blendPixel (data, x, y, light, facing * inside);
            else
                blendPixel (data, x, y, shadow, -facing * inside);
        }
    }
}

void SkinPainter::glowInside (Image& image, const Coverage& shape, Colour colour, int radius, const Coverage* where)
{
    Coverage outside = shape;

    for (auto& v : outside.values)
        v = 1.0f - v;

    const auto spread = blurred (outside, radius);
    Image::BitmapData data (image, Image::BitmapData::readWrite);

    for (int y = 0; y < shape.height; ++y)
        for (int x = 0; x < shape.width; ++x)
            blendPixel (data, x, y, colour, jmin (1.0f, spread.at (x, y) * 2.0f) * shape.at (x, y)
                                                * (where != nullptr ? where->at (x, y) : 1.0f));
}
