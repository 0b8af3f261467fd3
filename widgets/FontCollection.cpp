#include "widgets/FontCollection.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <functional>

namespace
{
// Limits far above any real font; they only keep a damaged file from asking for absurd reads.
constexpr juce::uint32 maxFaces = 256;
constexpr juce::uint32 maxTables = 512;
constexpr juce::uint32 maxNameTableSize = 1 << 20;

constexpr juce::uint32 tag (char a, char b, char c, char d) noexcept
{
    return ((juce::uint32) (juce::uint8) a << 24) | ((juce::uint32) (juce::uint8) b << 16)
         | ((juce::uint32) (juce::uint8) c << 8) | (juce::uint32) (juce::uint8) d;
}

constexpr auto collectionTag = tag ('t', 't', 'c', 'f');
constexpr auto nameTableTag = tag ('n', 'a', 'm', 'e');
constexpr auto headTableTag = tag ('h', 'e', 'a', 'd');
constexpr auto hheaTableTag = tag ('h', 'h', 'e', 'a');
constexpr auto os2TableTag = tag ('O', 'S', '/', '2');

/** Reads `size` bytes at `offset`; false when they are not all there. */
using ByteReader = std::function<bool (juce::int64 offset, size_t size, juce::MemoryBlock& out)>;

bool readU16 (const juce::MemoryBlock& data, size_t pos, juce::uint32& result) noexcept
{
    if (pos + 2 > data.getSize())
        return false;

    auto* b = static_cast<const juce::uint8*> (data.getData()) + pos;
    result = ((juce::uint32) b[0] << 8) | b[1];
    return true;
}

bool readU32 (const juce::MemoryBlock& data, size_t pos, juce::uint32& result) noexcept
{
    if (pos + 4 > data.getSize())
        return false;

    auto* b = static_cast<const juce::uint8*> (data.getData()) + pos;
    result = ((juce::uint32) b[0] << 24) | ((juce::uint32) b[1] << 16) | ((juce::uint32) b[2] << 8) | b[3];
    return true;
}

juce::String decodeUtf16BigEndian (const juce::uint8* bytes, size_t length)
{
    juce::String result;

    for (size_t i = 0; i + 1 < length; i += 2)
    {
        auto unit = (juce::uint32) ((bytes[i] << 8) | bytes[i + 1]);

        if (unit >= 0xd800 && unit < 0xdc00 && i + 3 < length)
        {
            const auto low = (juce::uint32) ((bytes[i + 2] << 8) | bytes[i + 3]);

            if (low >= 0xdc00 && low < 0xe000)
            {
                unit = 0x10000 + ((unit - 0xd800) << 10) + (low - 0xdc00);
                i += 2;
            }
        }

        result += (juce::juce_wchar) unit;
    }

    return result;
}

/** One entry of a face's name table; English names win over localised ones. */
juce::String findName (const juce::MemoryBlock& table, juce::uint32 wantedId)
{
    juce::uint32 count = 0, stringOffset = 0;

    if (! readU16 (table, 2, count) || ! readU16 (table, 4, stringOffset))
        return {};

    juce::String best;
    int bestRank = 0;

    for (juce::uint32 i = 0; i < count; ++i)
    {
        const auto record = 6 + (size_t) i * 12;
        juce::uint32 platform = 0, encoding = 0, language = 0, nameId = 0, length = 0, offset = 0;

        if (! readU16 (table, record, platform) || ! readU16 (table, record + 2, encoding)
             || ! readU16 (table, record + 4, language) || ! readU16 (table, record + 6, nameId)
             || ! readU16 (table, record + 8, length) || ! readU16 (table, record + 10, offset))
            return best;

        if (nameId != wantedId)
            continue;

        const auto start = (size_t) stringOffset + offset;

        if (start + length > table.getSize())
            continue;

        const auto* bytes = static_cast<const juce::uint8*> (table.getData()) + start;
        const bool windowsUnicode = platform == 3 && (encoding == 1 || encoding == 10);
        const bool macRoman = platform == 1 && encoding == 0;
        const int rank = windowsUnicode ? (language == 0x409 ? 3 : 1) : (macRoman && language == 0 ? 2 : 0);

        if (rank <= bestRank)
            continue;

        if (windowsUnicode)
        {
            best = decodeUtf16BigEndian (bytes, length);
        }
        else
        {
            best = {};

            for (juce::uint32 c = 0; c < length; ++c)
                best += (juce::juce_wchar) (bytes[c] < 128 ? bytes[c] : '?');
        }

        bestRank = rank;
    }

    return best;
}

void writeU16 (juce::MemoryBlock& data, size_t pos, int value) noexcept
{
    auto* b = static_cast<juce::uint8*> (data.getData()) + pos;
    b[0] = (juce::uint8) ((value >> 8) & 0xff);
    b[1] = (juce::uint8) (value & 0xff);
}

/** Where a table of the collection's first face lies, checked against the data's size. */
bool findTable (const juce::MemoryBlock& data, juce::uint32 wanted, size_t minimumLength, size_t& offset)
{
    juce::uint32 faceOffset = 0, numTables = 0;

    if (! readU32 (data, 12, faceOffset) || ! readU16 (data, (size_t) faceOffset + 4, numTables) || numTables > maxTables)
        return false;

    for (juce::uint32 t = 0; t < numTables; ++t)
    {
        const auto record = (size_t) faceOffset + 12 + (size_t) t * 16;
        juce::uint32 tableTag = 0, tableOffset = 0, tableLength = 0;

        if (! readU32 (data, record, tableTag) || ! readU32 (data, record + 8, tableOffset)
             || ! readU32 (data, record + 12, tableLength))
            return false;

        if (tableTag == wanted)
        {
            offset = tableOffset;
            return tableLength >= minimumLength && (size_t) tableOffset + minimumLength <= data.getSize();
        }
    }

    return false;
}

juce::Array<FontCollection::Face> parseCollection (const ByteReader& read)
{
    juce::Array<FontCollection::Face> faces;
    juce::MemoryBlock header;
    juce::uint32 fileTag = 0, numFaces = 0;

    if (! read (0, 12, header) || ! readU32 (header, 0, fileTag) || fileTag != collectionTag
         || ! readU32 (header, 8, numFaces) || numFaces == 0 || numFaces > maxFaces)
        return faces;

    juce::MemoryBlock offsets;

    if (! read (12, (size_t) numFaces * 4, offsets))
        return faces;

    for (juce::uint32 i = 0; i < numFaces; ++i)
    {
        juce::uint32 faceOffset = 0, numTables = 0;
        juce::MemoryBlock directory, records;

        if (! readU32 (offsets, (size_t) i * 4, faceOffset) || ! read (faceOffset, 12, directory)
             || ! readU16 (directory, 4, numTables) || numTables > maxTables
             || ! read ((juce::int64) faceOffset + 12, (size_t) numTables * 16, records))
            continue;

        for (juce::uint32 t = 0; t < numTables; ++t)
        {
            juce::uint32 tableTag = 0, tableOffset = 0, tableLength = 0;
            juce::MemoryBlock names;

            if (! readU32 (records, (size_t) t * 16, tableTag) || tableTag != nameTableTag)
                continue;

            if (! readU32 (records, (size_t) t * 16 + 8, tableOffset) || ! readU32 (records, (size_t) t * 16 + 12, tableLength)
                 || tableLength > maxNameTableSize || ! read (tableOffset, tableLength, names))
                break;

            // The typographic names (16, 17) are the ones FreeType reports when a face has them.
            FontCollection::Face face;
            face.index = (int) i;
            face.family = findName (names, 16);
            face.style = findName (names, 17);

            if (face.family.isEmpty())
                face.family = findName (names, 1);

            if (face.style.isEmpty())
                face.style = findName (names, 2);

            if (face.family.isNotEmpty())
                faces.add (face);

            break;
        }
    }

    return faces;
}
} // namespace

juce::Array<FontCollection::Face> FontCollection::readFaces (const juce::MemoryBlock& data)
{
    return parseCollection ([&data] (juce::int64 offset, size_t size, juce::MemoryBlock& out)
    {
        if (offset < 0 || (juce::uint64) offset + size > data.getSize())
            return false;

        out.replaceAll (static_cast<const char*> (data.getData()) + offset, size);
        return true;
    });
}

juce::Array<FontCollection::Face> FontCollection::readFaces (const juce::File& file)
{
    juce::FileInputStream in (file);

    if (! in.openedOk())
        return {};

    const auto total = in.getTotalLength();
    auto faces = parseCollection ([&in, total] (juce::int64 offset, size_t size, juce::MemoryBlock& out)
    {
        if (offset < 0 || offset + (juce::int64) size > total || ! in.setPosition (offset))
            return false;

        out.setSize (size);
        return size == 0 || in.read (out.getData(), size) == (int) size;
    });

    for (auto& face : faces)
        face.file = file;

    return faces;
}

juce::Array<FontCollection::Face> FontCollection::findFaces (const juce::Array<juce::File>& folders)
{
    juce::Array<Face> faces;

    for (const auto& folder : folders)
    {
        if (! folder.isDirectory())
            continue;

        for (const auto& entry : juce::RangedDirectoryIterator (folder, true, "*.ttc;*.otc", juce::File::findFiles))
            faces.addArray (readFaces (entry.getFile()));
    }

    return faces;
}

juce::Array<juce::File> FontCollection::getSystemFontFolders()
{
    // The same places JUCE's own scan looks in, so both see the same fonts.
    juce::StringArray paths;
    paths.addTokens (juce::SystemStats::getEnvironmentVariable ("JUCE_FONT_PATH", {}), ";,", "");
    paths.removeEmptyStrings (true);

    if (paths.isEmpty())
    {
        for (auto* confPath : { "/etc/fonts/fonts.conf", "/usr/share/fonts/fonts.conf",
                                "/usr/local/etc/fonts/fonts.conf", "/usr/share/defaults/fonts/fonts.conf" })
        {
            auto conf = juce::parseXML (juce::File (confPath));

            if (conf == nullptr)
                continue;

            for (auto* dir : conf->getChildWithTagNameIterator ("dir"))
            {
                auto path = dir->getAllSubText().trim();

                if (path.isEmpty())
                    continue;

                if (dir->getStringAttribute ("prefix") == "xdg")
                {
                    auto dataHome = juce::SystemStats::getEnvironmentVariable ("XDG_DATA_HOME", {});

                    if (dataHome.trim().isEmpty())
                        dataHome = "~/.local/share";

                    path = juce::File (dataHome).getChildFile (path).getFullPathName();
                }

                paths.add (path);
            }

            break;
        }
    }

    if (paths.isEmpty())
        paths.add ("/usr/share/fonts");

    paths.removeDuplicates (false);

    juce::Array<juce::File> folders;

    for (const auto& path : paths)
        folders.add (juce::File::getCurrentWorkingDirectory().getChildFile (path));

    return folders;
}

bool FontCollection::moveFaceToFront (juce::MemoryBlock& data, int index)
{
    juce::uint32 fileTag = 0, numFaces = 0, first = 0, wanted = 0;

    if (! readU32 (data, 0, fileTag) || fileTag != collectionTag || ! readU32 (data, 8, numFaces)
         || index < 0 || (juce::uint32) index >= numFaces
         || ! readU32 (data, 12, first) || ! readU32 (data, 12 + (size_t) index * 4, wanted))
        return false;

    auto* offsets = static_cast<juce::uint8*> (data.getData()) + 12;

    for (int i = 0; i < 4; ++i)
        std::swap (offsets[i], offsets[(size_t) index * 4 + (size_t) i]);

    return true;
}

bool FontCollection::fitLineToEm (juce::MemoryBlock& data)
{
    juce::uint32 fileTag = 0, unitsPerEm = 0;
    size_t head = 0, hhea = 0, os2 = 0;

    if (! readU32 (data, 0, fileTag) || fileTag != collectionTag
         || ! findTable (data, headTableTag, 54, head) || ! readU16 (data, head + 18, unitsPerEm) || unitsPerEm == 0
         || ! findTable (data, hheaTableTag, 36, hhea))
        return false;

    const auto ascent = juce::roundToInt ((double) unitsPerEm * 0.88);
    const auto descent = (int) unitsPerEm - ascent;

    writeU16 (data, hhea + 4, ascent);
    writeU16 (data, hhea + 6, -descent);
    writeU16 (data, hhea + 8, 0);

    // FreeType reads the typographic metrics instead when the face asks for them.
    if (findTable (data, os2TableTag, 78, os2))
    {
        writeU16 (data, os2 + 68, ascent);
        writeU16 (data, os2 + 70, -descent);
        writeU16 (data, os2 + 72, 0);
        writeU16 (data, os2 + 74, ascent);
        writeU16 (data, os2 + 76, descent);
    }

    return true;
}

namespace
{
/** JUCE crashes on font data that FreeType refuses, so FreeType sees it first. */
bool freeTypeAccepts (const juce::MemoryBlock& data)
{
    FT_Library library = nullptr;

    if (FT_Init_FreeType (&library) != 0)
        return false;

    FT_Face face = nullptr;
    const bool accepted = FT_New_Memory_Face (library, static_cast<const FT_Byte*> (data.getData()),
                                              (FT_Long) data.getSize(), 0, &face) == 0
                          && face->family_name != nullptr && face->num_glyphs > 1;

    if (face != nullptr)
        FT_Done_Face (face);

    FT_Done_FreeType (library);
    return accepted;
}
} // namespace

juce::Typeface::Ptr FontCollection::loadFace (const Face& face, LineHeight lineHeight)
{
    juce::MemoryBlock data;

    if (! face.file.loadFileAsData (data) || ! moveFaceToFront (data, face.index))
        return nullptr;

    if (lineHeight == LineHeight::oneEm)
        fitLineToEm (data);

    if (! freeTypeAccepts (data))
        return nullptr;

    auto typeface = juce::Typeface::createSystemTypefaceFor (data.getData(), data.getSize());

    if (typeface == nullptr || typeface->getName() != face.family)
        return nullptr;

    return typeface;
}
