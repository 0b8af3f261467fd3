#include "widgets/FontCollection.h"
#include "widgets/TypefaceResolver.h"

#include <JuceTestPrinters.h>
#include <gtest/gtest.h>

namespace
{
//==============================================================================
// A font collection built in memory: a header, and per face a table directory with one name table.
juce::MemoryBlock makeCollection (const std::vector<std::pair<juce::String, juce::String>>& faces)
{
    const auto utf16 = [] (const juce::String& s)
    {
        juce::MemoryOutputStream out;

        for (auto c : s)
            out.writeShortBigEndian ((short) c);

        return out.getMemoryBlock();
    };

    std::vector<juce::MemoryBlock> nameTables;

    for (const auto& [family, style] : faces)
    {
        const auto familyBytes = utf16 (family);
        const auto styleBytes = utf16 (style);
        juce::MemoryOutputStream table;
        table.writeShortBigEndian (0);        // format
        table.writeShortBigEndian (2);        // count
        table.writeShortBigEndian (6 + 2 * 12);

        for (auto [nameId, offset, length] : { std::tuple { 1, 0, (int) familyBytes.getSize() },
                                               std::tuple { 2, (int) familyBytes.getSize(), (int) styleBytes.getSize() } })
        {
            for (auto v : { 3, 1, 0x409, nameId, length, offset })
                table.writeShortBigEndian ((short) v);
        }

        table << familyBytes << styleBytes;
        nameTables.push_back (table.getMemoryBlock());
    }

    const auto headerSize = 12 + 4 * (int) faces.size();
    const auto directorySize = 12 + 16;
    juce::MemoryOutputStream out;
    out.writeIntBigEndian (0x74746366);       // 'ttcf'
    out.writeIntBigEndian (0x00010000);
    out.writeIntBigEndian ((int) faces.size());

    for (size_t i = 0; i < faces.size(); ++i)
        out.writeIntBigEndian (headerSize + (int) i * directorySize);

    auto tableOffset = headerSize + (int) faces.size() * directorySize;

    for (const auto& table : nameTables)
    {
        out.writeIntBigEndian (0x00010000);
        out.writeShortBigEndian (1);          // one table
        out.writeShortBigEndian (0);
        out.writeShortBigEndian (0);
        out.writeShortBigEndian (0);
        out.writeIntBigEndian (0x6e616d65);   // 'name'
        out.writeIntBigEndian (0);
        out.writeIntBigEndian (tableOffset);
        out.writeIntBigEndian ((int) table.getSize());
        tableOffset += (int) table.getSize();
    }

    for (const auto& table : nameTables)
        out << table;

    return out.getMemoryBlock();
}

juce::uint32 readU32 (const juce::MemoryBlock& data, size_t pos)
{
    auto* b = static_cast<const juce::uint8*> (data.getData()) + pos;
    return ((juce::uint32) b[0] << 24) | ((juce::uint32) b[1] << 16) | ((juce::uint32) b[2] << 8) | b[3];
}

} // namespace

//==============================================================================
TEST (FontCollection, ListsTheFacesOfACollectionFromTheirNameTables)
{
    const auto data = makeCollection ({ { "Noto Sans CJK JP", "Regular" }, { "Noto Sans CJK KR", "Regular" },
                                        { "Noto Sans CJK TC", "Bold" } });
    const auto faces = FontCollection::readFaces (data);

    ASSERT_EQ (faces.size(), 3);
    EXPECT_EQ (faces[0].family, "Noto Sans CJK JP");
    EXPECT_EQ (faces[1].family, "Noto Sans CJK KR");
    EXPECT_EQ (faces[1].index, 1);
    EXPECT_EQ (faces[2].style, "Bold");
}

TEST (FontCollection, RefusesDamagedFilesWithoutReadingOutside)
{
    auto data = makeCollection ({ { "A", "Regular" }, { "B", "Regular" } });

    // Cut anywhere, the data gives at most the faces that are whole.
    for (size_t size = 0; size < data.getSize(); size += 7)
    {
        juce::MemoryBlock cut (data.getData(), size);
        EXPECT_LE (FontCollection::readFaces (cut).size(), 2);
    }

    // A face count far beyond the file, and an offset past its end.
    auto huge = data;
    static_cast<juce::uint8*> (huge.getData())[8] = 0x7f;
    EXPECT_TRUE (FontCollection::readFaces (huge).isEmpty());

    auto stray = data;
    static_cast<juce::uint8*> (stray.getData())[12] = 0x7f;
    const auto faces = FontCollection::readFaces (stray);
    ASSERT_EQ (faces.size(), 1);
    EXPECT_EQ (faces[0].family, "B");

    juce::MemoryBlock plainFont;
    plainFont.append ("\0\1\0\0\0\1", 6);
    EXPECT_TRUE (FontCollection::readFaces (plainFont).isEmpty());
}

TEST (FontCollection, MovingAFaceToTheFrontSwapsOnlyTheTwoEntries)
{
    const auto original = makeCollection ({ { "A", "Regular" }, { "B", "Regular" }, { "C", "Regular" } });
    auto data = original;

    ASSERT_TRUE (FontCollection::moveFaceToFront (data, 2));
    EXPECT_EQ (readU32 (data, 12), readU32 (original, 20));
    EXPECT_EQ (readU32 (data, 16), readU32 (original, 16));
    EXPECT_EQ (readU32 (data, 20), readU32 (original, 12));
    EXPECT_EQ (FontCollection::readFaces (data)[0].family, "C");

    // Without line-metric tables there is nothing to fit, and nothing is touched.
    const auto beforeFit = data;
    EXPECT_FALSE (FontCollection::fitLineToEm (data));
    EXPECT_EQ (data, beforeFit);

    EXPECT_FALSE (FontCollection::moveFaceToFront (data, 3));
    EXPECT_FALSE (FontCollection::moveFaceToFront (data, -1));
    juce::MemoryBlock notACollection (16, true);
    EXPECT_FALSE (FontCollection::moveFaceToFront (notACollection, 0));
}

//==============================================================================
TEST (TypefaceResolver, VerdanaIsTheFirstInstalledOfItsSubstitutes)
{
    EXPECT_EQ (TypefaceResolver ({ "Verdana", "DejaVu Sans", "Liberation Sans" }, {}).getSansFamily(), "Verdana");
    EXPECT_EQ (TypefaceResolver ({ "Liberation Sans", "DejaVu Sans" }, {}).getSansFamily(), "DejaVu Sans");
    EXPECT_EQ (TypefaceResolver ({ "Liberation Sans", "Ubuntu" }, {}).getSansFamily(), "Liberation Sans");

    // With none of them, the platform's own sans-serif face, which is installed by definition.
    const auto platformSans = TypefaceResolver ({ "Ubuntu" }, {}).getSansFamily();
    EXPECT_TRUE (juce::Font::findAllTypefaceNames().contains (platformSans)) << platformSans;

    TypefaceResolver resolver ({ "Liberation Sans", "DejaVu Serif" }, {});
    EXPECT_EQ (resolver.getFamilyFor ("Verdana"), "Liberation Sans");
    EXPECT_EQ (resolver.getFamilyFor ("DejaVu Serif"), "DejaVu Serif");
    EXPECT_EQ (resolver.getFamilyFor ("No Such Face"), "Liberation Sans");
}

TEST (TypefaceResolver, EastAsianTypefacesPreferThemselvesThenNotoThenTheSansFace)
{
    const auto folder = juce::File::createTempFile ("fonts");
    ASSERT_TRUE (folder.createDirectory());
    const auto data = makeCollection ({ { "Noto Sans CJK JP", "Regular" }, { "Noto Sans CJK TC", "Bold" },
                                        { "Noto Sans CJK TC", "Regular" } });
    const auto subfolder = folder.getChildFile ("opentype");
    ASSERT_TRUE (subfolder.createDirectory());
    ASSERT_TRUE (subfolder.getChildFile ("NotoSansCJK.ttc").replaceWithData (data.getData(), data.getSize()));

    TypefaceResolver withNoto ({ "DejaVu Sans", "Batang" }, { folder });
    EXPECT_EQ (withNoto.getFamilyFor ("MingLiU"), "Noto Sans CJK TC");
    EXPECT_EQ (withNoto.getFamilyFor ("MS PGothic"), "Noto Sans CJK JP");
    EXPECT_EQ (withNoto.getFamilyFor ("Batang"), "Batang");

    TypefaceResolver withoutKorean ({ "DejaVu Sans" }, { folder });
    EXPECT_EQ (withoutKorean.getFamilyFor ("Batang"), "DejaVu Sans");

    TypefaceResolver withoutCollections ({ "DejaVu Sans" }, {});
    EXPECT_EQ (withoutCollections.getFamilyFor ("MingLiU"), "DejaVu Sans");

    // A collection that cannot really be loaded (ours has no glyphs) still leaves text drawable.
    const juce::Font font ("MingLiU", 15.0f, juce::Font::plain);
    const auto typeface = withNoto.getTypefaceFor (font);
    ASSERT_NE (typeface, nullptr);
    EXPECT_EQ (typeface->getName(), withNoto.getSansFamily());

    folder.deleteRecursively();
}

