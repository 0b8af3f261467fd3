// skingen: draws every image of assets/SkinImageList.inc and writes what the program is built from:
// the header with the images' compile-time ids and variant sets, and a source file that embeds the
// PNGs. On request it also leaves each PNG in a folder and a contact sheet of all images for review.
//
//   skingen --header <SkinImageIds.h> --data <SkinImageData.cpp> [--images <folder>] [--contact-sheet <file.png>]

#include "SkinContactSheet.h"
#include "SkinList.h"
#include "SkinShapes.h"

#include <juce_core/juce_core.h>
#include <juce_events/juce_events.h>
#include <juce_graphics/juce_graphics.h>

#include <atomic>
#include <iostream>
#include <string>
#include <thread>

using namespace juce;

namespace
{
int fail (const String& message)
{
    std::cerr << "skingen: " << message << std::endl;
    return 1;
}

String argumentAfter (const StringArray& args, const String& option)
{
    const auto index = args.indexOf (option);
    return index >= 0 && index + 1 < args.size() ? args[index + 1] : String();
}

/** Writes a file only when its bytes change, so an unchanged image does not rebuild what embeds it. */
bool writeIfChanged (const File& file, const void* data, size_t size)
{
    MemoryBlock existing;

    if (file.existsAsFile() && file.loadFileAsData (existing) && existing.matches (data, size))
        return true;

    return file.replaceWithData (data, size);
}

bool writeIfChanged (const File& file, const std::string& text)
{
    return writeIfChanged (file, text.data(), text.size());
}

/** The caption area of a shaped image in its own coordinates (masks have none). */
Rectangle<int> findSkinTextArea (const SkinImageRecipe& image)
{
    const auto shape = findSkinShape (image);

    if (shape.box == nullptr || image.maskOf >= 0)
        return {};

    const auto area = shape.box->getTextArea (shape.index);
    return area.isEmpty() ? Rectangle<int>() : area - shape.box->getImageArea (shape.index).getPosition();
}

String cString (const String& s)
{
    return "\"" + s.replace ("\\", "\\\\").replace ("\"", "\\\"") + "\"";
}

//==============================================================================
String makeHeader (const std::vector<SkinListLine>& lines, const std::vector<SkinImageRecipe>& images)
{
    String s;
    s << "// Written by skingen from assets/SkinImageList.inc: edit the list, not this file.\n"
         "#pragma once\n\n"
         "/** The built-in skin images, in list order (the nine pieces of a frame follow one another, and so\n"
         "    do the variants of a line). */\n"
         "enum class SkinImageId : int\n{\n";

    for (const auto& r : images)
        s << "    " << r.id << ",\n";

    s << "};\n\n"
         "inline constexpr int numSkinImages = " << (int) images.size() << ";\n\n";

    for (const auto& set : getSkinVariantSets())
    {
        s << "/** The variants of " << set.description << ". */\n"
             "enum class " << set.enumName << " : int\n{\n";

        for (const auto& v : set.variants)
            s << "    " << v.enumerator << ",\n";

        s << "};\n\n";
    }

    s << "/** The images that one line of the list expands into, one per variant of its set. */\n"
         "template <typename Variant>\n"
         "struct SkinImageSet\n{\n"
         "    SkinImageId first;\n"
         "    int size;\n\n"
         "    constexpr SkinImageId operator[] (Variant variant) const noexcept\n"
         "    {\n"
         "        return static_cast<SkinImageId> (static_cast<int> (first) + static_cast<int> (variant));\n"
         "    }\n"
         "};\n\n"
         "/** Each line with variants by its id: SkinImageSets::panelButton[SkinButtonState::over]. */\n"
         "namespace SkinImageSets\n{\n";

    for (const auto& r : images)
    {
        if (r.variant != 0)
            continue;

        const auto& line = lines[(size_t) r.line];
        const auto* set = findSkinVariantSet (line.variantSet);
        s << "inline constexpr SkinImageSet<" << set->enumName << "> " << line.id << " { SkinImageId::" << r.id
          << ", " << (int) set->variants.size() << " };\n";
    }

    s << "} // namespace SkinImageSets\n\n"
         "struct SkinTextArea\n{\n"
         "    int x, y, width, height;\n"
         "};\n\n"
         "struct SkinImageInfo\n{\n"
         "    const char* name;\n"
         "    int width;\n"
         "    int height;\n"
         "    const char* role;\n"
         "    SkinTextArea textArea;      // where the program writes a caption over a shaped image; empty elsewhere\n"
         "};\n\n"
         "/** Each image's name, pixel size, role and caption area, indexed by its id. */\n"
         "inline constexpr SkinImageInfo skinImageInfo[numSkinImages] = {\n";

    for (const auto& r : images)
    {
        const auto text = findSkinTextArea (r);
        s << "    { " << cString (r.id) << ", " << r.width << ", " << r.height << ", " << cString (r.role)
          << ", { " << text.getX() << ", " << text.getY() << ", " << text.getWidth() << ", " << text.getHeight() << " } },\n";
    }

    s << "};\n\n"
         "/** The PNG bytes of an image as embedded in the program. */\n"
         "struct SkinImageData\n{\n"
         "    const char* bytes;\n"
         "    int size;\n"
         "};\n\n"
         "extern const SkinImageData skinImageData[numSkinImages];\n";
    return s;
}

/** The bytes as string literals: compilers read those far faster than lists of numbers. Printable
    characters stay as they are; the rest, and the quote, backslash and question mark, become
    three-digit octal escapes, which no following character can extend. */
void appendStringLiteral (std::string& out, const MemoryBlock& bytes)
{
    const auto* data = static_cast<const unsigned char*> (bytes.getData());
    const char* const digits = "01234567";
    size_t column = 0;
    out += "    \"";

    for (size_t i = 0; i < bytes.getSize(); ++i)
    {
        const auto c = data[i];

        if (c >= 0x20 && c < 0x7f && c != '"' && c != '\\' && c != '?')
        {
            out += (char) c;
            ++column;
        }
        else
        {
            out += '\\';
            out += digits[(c >> 6) & 7];
            out += digits[(c >> 3) & 7];
            out += digits[c & 7];
            column += 4;
        }

        if (column >= 96 && i + 1 < bytes.getSize())
        {
            out += "\"\n    \"";
            column = 0;
        }
    }

    out += "\"";
}

std::string makeData (const std::vector<SkinImageRecipe>& images, const std::vector<MemoryBlock>& pngs)
{
    std::string s = "// Written by skingen from assets/SkinImageList.inc: edit the list, not this file.\n"
                    "#include \"SkinImageIds.h\"\n\n"
                    "namespace\n{\n";

    for (size_t i = 0; i < images.size(); ++i)
    {
        s += "// " + images[i].id.toStdString() + "\nconst char png" + std::to_string (i) + "[] =\n";
        appendStringLiteral (s, pngs[i]);
        s += ";\n\n";
    }

    s += "} // namespace\n\nconst SkinImageData skinImageData[numSkinImages] = {\n";

    for (size_t i = 0; i < images.size(); ++i)
        s += "    { png" + std::to_string (i) + ", " + std::to_string (pngs[i].getSize()) + " },\n";

    s += "};\n";
    return s;
}
/** The PNG bytes of every image. Compression takes most of the generator's time, so the images are
    shared out among a few threads; each image's bytes are the same however they are shared. */
std::vector<MemoryBlock> encodePngs (const std::vector<Image>& images)
{
    std::vector<MemoryBlock> pngs (images.size());
    std::atomic<size_t> next { 0 };
    const auto worker = [&]
    {
        PNGImageFormat png;

        for (auto i = next++; i < images.size(); i = next++)
        {
            MemoryOutputStream out;

            if (png.writeImageToStream (images[i], out))
                pngs[i] = out.getMemoryBlock();
        }
    };

    std::vector<std::thread> threads;

    for (unsigned t = 1; t < jlimit (1u, 4u, std::thread::hardware_concurrency()); ++t)
        threads.emplace_back (worker);

    worker();

    for (auto& t : threads)
        t.join();

    return pngs;
}
} // namespace

//==============================================================================
int main (int argc, char** argv)
{
    // Drawing creates the font cache, which lives until shutdown: let it go before the program ends.
    const struct Shutdown { ~Shutdown() { DeletedAtShutdown::deleteAll(); } } shutdown;

    StringArray args;

    for (int i = 1; i < argc; ++i)
        args.add (String::fromUTF8 (argv[i]));

    const auto headerPath = argumentAfter (args, "--header");
    const auto dataPath = argumentAfter (args, "--data");
    const auto imagePath = argumentAfter (args, "--images");
    const auto contactSheetPath = argumentAfter (args, "--contact-sheet");

    if (headerPath.isEmpty() || dataPath.isEmpty())
        return fail ("usage: skingen --header <file> --data <file> [--images <folder>] [--contact-sheet <file.png>]");

    const auto& lines = getSkinListLines();
    std::vector<SkinImageRecipe> images;
    const auto listCheck = expandSkinList (lines, images);

    if (listCheck.failed())
        return fail (listCheck.getErrorMessage());

    const auto rendered = renderSkinImages (images);

    for (size_t i = 0; i < images.size(); ++i)
        if (rendered[i].getWidth() != images[i].width || rendered[i].getHeight() != images[i].height)
            return fail (images[i].id + " was drawn at the wrong size");

    const auto pngs = encodePngs (rendered);

    for (size_t i = 0; i < images.size(); ++i)
        if (pngs[i].isEmpty())
            return fail ("cannot encode " + images[i].id);

    if (! writeIfChanged (File (headerPath), makeHeader (lines, images).toStdString())
         || ! writeIfChanged (File (dataPath), makeData (images, pngs)))
        return fail ("cannot write the id header or the embedded data");

    if (imagePath.isNotEmpty())
    {
        const File folder (imagePath);

        if (! folder.createDirectory())
            return fail ("cannot create " + folder.getFullPathName());

        for (size_t i = 0; i < images.size(); ++i)
            if (! writeIfChanged (folder.getChildFile (images[i].id + ".png"), pngs[i].getData(), pngs[i].getSize()))
                return fail ("cannot write " + images[i].id + ".png");
    }

    if (contactSheetPath.isNotEmpty())
    {
        MemoryOutputStream out;
        PNGImageFormat png;

        if (! png.writeImageToStream (makeSkinContactSheet (images, rendered), out)
             || ! writeIfChanged (File (contactSheetPath), out.getData(), out.getDataSize()))
            return fail ("cannot write the contact sheet");
    }

    return 0;
}
