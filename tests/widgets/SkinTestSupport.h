#pragma once

#include "ImageCompare.h"
#include "widgets/CustomLookAndFeel.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>
#include <vector>

namespace skintest
{
inline juce::Image solid (int w, int h, juce::Colour colour)
{
    juce::Image image (juce::Image::ARGB, w, h, false);
    image.clear (image.getBounds(), colour);
    return image;
}

/** An image of horizontal bands: { first row, colour } pairs, each band running to the next one. */
inline juce::Image bands (int w, int h, std::initializer_list<std::pair<int, juce::Colour>> rows)
{
    juce::Image image (juce::Image::ARGB, w, h, false);

    for (auto it = rows.begin(); it != rows.end(); ++it)
    {
        const auto next = std::next (it);
        const auto end = next == rows.end() ? h : next->first;
        image.clear ({ 0, it->first, w, end - it->first }, it->second);
    }

    return image;
}

/** Puts plain pictures in place of skin images for the life of the object. */
class Overrides
{
public:
    void add (SkinImageId id, juce::Image image)
    {
        list.push_back (std::make_unique<SkinImages::ScopedOverride> (id, std::move (image)));
    }

    void addSolid (SkinImageId id, juce::Colour colour)
    {
        const auto& info = SkinImages::getInfo (id);
        add (id, solid (info.width, info.height, colour));
    }

private:
    std::vector<std::unique_ptr<SkinImages::ScopedOverride>> list;
};

/** Makes a look-and-feel the default one (the one JUCE asks for typefaces) for the life of the
    object; fonts looked up before or after are not mixed up with its own. */
class ScopedDefaultLookAndFeel
{
public:
    explicit ScopedDefaultLookAndFeel (juce::LookAndFeel& lf)
    {
        juce::LookAndFeel::setDefaultLookAndFeel (&lf);
        juce::Typeface::clearTypefaceCache();
    }

    ~ScopedDefaultLookAndFeel()
    {
        juce::LookAndFeel::setDefaultLookAndFeel (nullptr);
        juce::Typeface::clearTypefaceCache();
    }

    JUCE_DECLARE_NON_COPYABLE (ScopedDefaultLookAndFeel)
};

/** A software renderer that notes the font of every glyph drawn. */
class FontRecorder : public juce::LowLevelGraphicsSoftwareRenderer
{
public:
    explicit FontRecorder (const juce::Image& image) : juce::LowLevelGraphicsSoftwareRenderer (image) {}

    void drawGlyph (int glyphNumber, const juce::AffineTransform& t) override
    {
        fonts.push_back (getFont());
        glyphX.push_back (t.getTranslationX());
        juce::LowLevelGraphicsSoftwareRenderer::drawGlyph (glyphNumber, t);
    }

    std::vector<juce::Font> fonts;
    std::vector<float> glyphX;   // where each glyph starts
};

using ::channelDistance;
} // namespace skintest
