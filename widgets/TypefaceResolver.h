#pragma once

#include "widgets/FontCollection.h"

#include <juce_graphics/juce_graphics.h>

#include <map>
#include <optional>

/** Finds an installed face for each typeface name the skin uses.

    The program names Windows typefaces ("Verdana", "MingLiU", "Batang", "MS PGothic"). Where one is
    missing, JUCE draws no glyphs at all, so every name is resolved here to a face that exists:
    - "Verdana": the first installed of Verdana, DejaVu Sans, Liberation Sans, else the platform's
      default sans-serif face;
    - "MingLiU", "Batang", "MS PGothic": the face itself when installed, else Noto Sans CJK TC, KR or
      JP (also from a font collection file, which JUCE's own font scan skips), else the "Verdana" face;
    - any other name: the face itself when installed, else the "Verdana" face.
*/
class TypefaceResolver
{
public:
    /** Resolves against the fonts of this system. The collection files are only searched the first
        time a name needs them. */
    TypefaceResolver();

    /** Resolves against given fonts: the families JUCE can load by name, and folders to search for
        collection files. */
    TypefaceResolver (juce::StringArray installedFamilies, juce::Array<juce::File> collectionFolders);

    /** The resolver of the system's fonts, shared by every look-and-feel. */
    static TypefaceResolver& getInstance();

    /** The family drawn for "Verdana"; always an installed one. */
    juce::String getSansFamily() const;

    /** The family a typeface name draws in. */
    juce::String getFamilyFor (const juce::String& typefaceName);

    /** The typeface to draw a font with: its name resolved as above. Never null. */
    juce::Typeface::Ptr getTypefaceFor (const juce::Font& font);

private:
    bool isInstalled (const juce::String& family) const;
    std::optional<FontCollection::Face> findCollectionFace (const juce::String& family);

    juce::StringArray installed;
    juce::Array<juce::File> collectionFolders;
    juce::String sansFamily;

    juce::CriticalSection lock;
    bool collectionsSearched = false;
    juce::Array<FontCollection::Face> collectionFaces;
    std::map<juce::String, juce::Typeface::Ptr> loadedFaces;

    JUCE_DECLARE_NON_COPYABLE (TypefaceResolver)
};
