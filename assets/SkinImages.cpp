#include "assets/SkinImages.h"

#include <map>

namespace
{
struct Overrides
{
    juce::CriticalSection lock;
    std::map<int, juce::Image> images;
};

Overrides& getOverrides()
{
    static Overrides overrides;
    return overrides;
}

bool isListed (SkinImageId id) noexcept
{
    return (int) id >= 0 && (int) id < numSkinImages;
}
} // namespace

juce::Image SkinImages::get (SkinImageId id)
{
    if (! isListed (id))
        return {};

    {
        auto& overrides = getOverrides();
        const juce::ScopedLock sl (overrides.lock);

        if (! overrides.images.empty())
        {
            const auto found = overrides.images.find ((int) id);

            if (found != overrides.images.end())
                return found->second;
        }
    }

    const auto& data = skinImageData[(int) id];
    return juce::ImageCache::getFromMemory (data.bytes, data.size);
}

const SkinImageInfo& SkinImages::getInfo (SkinImageId id)
{
    static constexpr SkinImageInfo none { "", 0, 0, "" };
    return isListed (id) ? skinImageInfo[(int) id] : none;
}

namespace
{
/** A one-pixel row (or column) resampled to a length, nearest pixel. */
juce::Image resampleLine (const juce::Image& line, bool isRow, int length)
{
    const auto sourceLength = isRow ? line.getWidth() : line.getHeight();

    if (sourceLength == length)
        return line;

    juce::Image result (juce::Image::ARGB, isRow ? length : 1, isRow ? 1 : length, false);
    const juce::Image::BitmapData source (line, juce::Image::BitmapData::readOnly);
    juce::Image::BitmapData dest (result, juce::Image::BitmapData::writeOnly);

    for (int i = 0; i < length; ++i)
    {
        const auto from = (int) ((juce::int64) i * sourceLength / length);
        const auto colour = isRow ? source.getPixelColour (from, 0) : source.getPixelColour (0, from);

        if (isRow)
            dest.setPixelColour (i, 0, colour);
        else
            dest.setPixelColour (0, i, colour);
    }

    return result;
}
} // namespace

void SkinImages::drawStretched (juce::Graphics& g, const juce::Image& image, juce::Rectangle<int> area)
{
    if (! image.isValid() || area.isEmpty())
        return;

    // A one-pixel row or column is repeated rather than scaled: scaling blends its borders with the
    // outside and leaves a faint seam where the pieces meet.
    if (image.getHeight() == 1 || image.getWidth() == 1)
    {
        const bool isRow = image.getHeight() == 1;
        const auto line = resampleLine (image, isRow, isRow ? area.getWidth() : area.getHeight());
        const juce::Graphics::ScopedSaveState state (g);
        g.setTiledImageFill (line, area.getX(), area.getY(), 1.0f);
        g.fillRect (area);
        return;
    }

    g.drawImage (image, area.getX(), area.getY(), area.getWidth(), area.getHeight(),
                 0, 0, image.getWidth(), image.getHeight());
}

void SkinImages::drawFrame (juce::Graphics& g, SkinImageId topLeft, juce::Rectangle<int> area)
{
    const auto first = (int) topLeft;

    if (first < 0 || first + 8 >= numSkinImages)
        return;

    juce::Image pieces[9];

    for (int i = 0; i < 9; ++i)
        pieces[i] = get ((SkinImageId) (first + i));

    // The corners keep their listed sizes even when a piece is missing, so the layout never shifts.
    const auto& tl = skinImageInfo[first];
    const auto& br = skinImageInfo[first + 8];
    const int columns[3] = { tl.width, juce::jmax (0, area.getWidth() - tl.width - br.width), br.width };
    const int rows[3] = { tl.height, juce::jmax (0, area.getHeight() - tl.height - br.height), br.height };

    for (int i = 0; i < 9; ++i)
    {
        const auto column = i % 3, row = i / 3;
        const auto x = area.getX() + (column > 0 ? columns[0] : 0) + (column > 1 ? columns[1] : 0);
        const auto y = area.getY() + (row > 0 ? rows[0] : 0) + (row > 1 ? rows[1] : 0);
        drawStretched (g, pieces[i], { x, y, columns[column], rows[row] });
    }
}

SkinImages::ScopedOverride::ScopedOverride (SkinImageId idToReplace, juce::Image replacement)
    : id (idToReplace)
{
    auto& overrides = getOverrides();
    const juce::ScopedLock sl (overrides.lock);
    const auto found = overrides.images.find ((int) id);

    if (found != overrides.images.end())
    {
        previous = found->second;
        hadPrevious = true;
    }

    overrides.images[(int) id] = std::move (replacement);
}

SkinImages::ScopedOverride::~ScopedOverride()
{
    auto& overrides = getOverrides();
    const juce::ScopedLock sl (overrides.lock);

    if (hadPrevious)
        overrides.images[(int) id] = previous;
    else
        overrides.images.erase ((int) id);
}
