#include "widgets/TypefaceResolver.h"

namespace
{
// The faces that stand in for the typefaces of the East Asian languages, in order of preference.
struct Substitute
{
    const char* typeface;
    const char* standIn;
};

constexpr Substitute eastAsianStandIns[] {
    { "MingLiU",    "Noto Sans CJK TC" },
    { "Batang",     "Noto Sans CJK KR" },
    { "MS PGothic", "Noto Sans CJK JP" },
};

constexpr const char* sansCandidates[] { "Verdana", "DejaVu Sans", "Liberation Sans" };

juce::Typeface::Ptr installedTypeface (const juce::Font& font, const juce::String& family)
{
    juce::Font f (font);
    f.setTypefaceName (family);
    return juce::Font::getDefaultTypefaceForFont (f);
}
} // namespace

TypefaceResolver::TypefaceResolver()
    : TypefaceResolver (juce::Font::findAllTypefaceNames(), FontCollection::getSystemFontFolders())
{
}

TypefaceResolver::TypefaceResolver (juce::StringArray installedFamilies, juce::Array<juce::File> folders)
    : installed (std::move (installedFamilies)), collectionFolders (std::move (folders))
{
    for (auto* candidate : sansCandidates)
    {
        if (isInstalled (candidate))
        {
            sansFamily = candidate;
            break;
        }
    }

    if (sansFamily.isEmpty())
    {
        const juce::Font platformSans (juce::Font::getDefaultSansSerifFontName(), 10.0f, juce::Font::plain);
        sansFamily = juce::Font::getDefaultTypefaceForFont (platformSans)->getName();
    }
}

TypefaceResolver& TypefaceResolver::getInstance()
{
    static TypefaceResolver instance;
    return instance;
}

juce::String TypefaceResolver::getSansFamily() const
{
    return sansFamily;
}

bool TypefaceResolver::isInstalled (const juce::String& family) const
{
    return installed.contains (family);
}

std::optional<FontCollection::Face> TypefaceResolver::findCollectionFace (const juce::String& family)
{
    const juce::ScopedLock sl (lock);

    if (! collectionsSearched)
    {
        collectionFaces = FontCollection::findFaces (collectionFolders);
        collectionsSearched = true;
    }

    std::optional<FontCollection::Face> found;

    for (const auto& face : collectionFaces)
    {
        if (face.family != family)
            continue;

        if (face.style.equalsIgnoreCase ("Regular"))
            return face;

        if (! found.has_value())
            found = face;
    }

    return found;
}

juce::String TypefaceResolver::getFamilyFor (const juce::String& typefaceName)
{
    if (typefaceName == "Verdana")
        return sansFamily;

    if (isInstalled (typefaceName))
        return typefaceName;

    for (const auto& substitute : eastAsianStandIns)
    {
        if (typefaceName != substitute.typeface)
            continue;

        for (const auto& candidate : { typefaceName, juce::String (substitute.standIn) })
            if (isInstalled (candidate) || findCollectionFace (candidate).has_value())
                return candidate;
    }

    return sansFamily;
}

juce::Typeface::Ptr TypefaceResolver::getTypefaceFor (const juce::Font& font)
{
    const auto family = getFamilyFor (font.getTypefaceName());

    if (isInstalled (family) || family == sansFamily)
        return installedTypeface (font, family);

    {
        const juce::ScopedLock sl (lock);
        auto loaded = loadedFaces.find (family);

        if (loaded == loadedFaces.end())
        {
            // Loaded once (about 20 MB for a CJK face); a face that fails to load is not tried again.
            // A stand-in gets the one-em line of the face it replaces, so text keeps its intended size.
            const auto face = findCollectionFace (family);
            const auto lineHeight = family == font.getTypefaceName() ? FontCollection::LineHeight::asDesigned
                                                                     : FontCollection::LineHeight::oneEm;
            loaded = loadedFaces.emplace (family, face.has_value() ? FontCollection::loadFace (*face, lineHeight) : nullptr).first;
        }

        if (loaded->second != nullptr)
            return loaded->second;
    }

    // The collection could not be read after all: never leave the text without glyphs.
    return installedTypeface (font, sansFamily);
}
