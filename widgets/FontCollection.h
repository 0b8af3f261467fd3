#pragma once

#include <juce_graphics/juce_graphics.h>

/** Reads font collection files (.ttc, .otc): several faces in one file.

    JUCE's Linux font scan passes these files by, and JUCE can load a face from memory only as the
    first face of a file. So the faces are listed here from the files' own name tables, and a face is
    loaded by handing JUCE a copy of the file whose first entry points at that face.

    All reads are bounds-checked: a damaged or hostile file yields no faces, never a crash.
*/
class FontCollection
{
public:
    struct Face
    {
        juce::File file;
        int index = 0;
        juce::String family;   // e.g. "Noto Sans CJK TC"
        juce::String style;    // e.g. "Regular"
    };

    /** The faces of one collection file, in file order; none when the file is not a collection. */
    static juce::Array<Face> readFaces (const juce::File& file);

    /** The faces of a collection held in memory (the file is left empty in the results). */
    static juce::Array<Face> readFaces (const juce::MemoryBlock& data);

    /** Every face of the collection files below some folders (searched recursively). */
    static juce::Array<Face> findFaces (const juce::Array<juce::File>& folders);

    /** The folders JUCE itself searches for fonts on this system (JUCE_FONT_PATH, or the folders named
        in fontconfig's fonts.conf). */
    static juce::Array<juce::File> getSystemFontFolders();

    /** Rewrites a collection in memory so that face `index` comes first. False (and the data
        unchanged) when the data is no collection or has no such face. */
    static bool moveFaceToFront (juce::MemoryBlock& data, int index);

    /** Sets the line metrics of a collection's first face so that ascent and descent make one em
        (0.88 above the baseline, 0.12 below). JUCE sizes text by ascent plus descent, and East Asian
        faces with tall line metrics would otherwise draw their characters a third smaller than a
        face whose line is one em high. False (and the data unchanged) when the tables are missing. */
    static bool fitLineToEm (juce::MemoryBlock& data);

    enum class LineHeight
    {
        asDesigned,
        oneEm
    };

    /** Loads one face as a typeface; null when the file cannot be read or the face is not there. */
    static juce::Typeface::Ptr loadFace (const Face& face, LineHeight lineHeight = LineHeight::asDesigned);
};
