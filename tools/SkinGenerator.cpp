// skingen: draws every image of assets/SkinImageList.inc into a PNG file, writes the header with the
// images' compile-time ids and the table that ties each id to its embedded data, and on request a
// contact sheet of all images for review.
//
//   skingen --images <folder> --header <SkinImageIds.h> --table <SkinImageTable.cpp>
//           [--data-header <name of the embedded-data header>] [--contact-sheet <file.png>]

#include "SkinPainter.h"
#include "SkinRecipes.h"

#include <juce_core/juce_core.h>
#include <juce_graphics/juce_graphics.h>

#include <iostream>
#include <map>
#include <set>

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
bool writeIfChanged (const File& file, const MemoryBlock& bytes)
{
    MemoryBlock existing;

    if (file.existsAsFile() && file.loadFileAsData (existing) && existing == bytes)
        return true;

    return file.replaceWithData (bytes.getData(), bytes.getSize());
}

bool writeTextIfChanged (const File& file, const String& text)
{
    const auto utf8 = text.toStdString();
    return writeIfChanged (file, MemoryBlock (utf8.data(), utf8.size()));
}

Result checkList()
{
    std::set<String> ids;
    std::set<Recipe> sliced;

    for (const auto& r : skinImageRecipes)
    {
        if (! ids.insert (r.id).second)
            return Result::fail (String (r.id) + " is listed twice");

        if (r.width <= 0 || r.height <= 0)
            return Result::fail (String (r.id) + " has no size");

        if (isSlicePart (r.part))
            sliced.insert (r.recipe);
    }

    for (auto recipe : sliced)
    {
        SliceGrid grid;
        const auto result = findSliceGrid (recipe, grid);

        if (result.failed())
            return result;
    }

    return Result::ok();
}

/** Renders every listed image once; the whole picture of a sliced recipe is drawn once and cut. */
std::vector<Image> renderAll()
{
    std::map<Recipe, Image> pictures;
    std::vector<Image> images;

    for (const auto& r : skinImageRecipes)
    {
        if (isSlicePart (r.part))
        {
            SliceGrid grid;
            findSliceGrid (r.recipe, grid);
            auto& picture = pictures[r.recipe];

            if (! picture.isValid())
                picture = renderSlicedPicture (r.recipe, grid);

            images.push_back (picture.getClippedImage (grid.getPieceArea (r.part)).createCopy());
        }
        else
        {
            images.push_back (renderSkinImage (r));
        }
    }

    return images;
}

String cString (const String& s)
{
    return "\"" + s.replace ("\\", "\\\\").replace ("\"", "\\\"") + "\"";
}

String makeHeader()
{
    String s;
    s << "// Written by skingen from assets/SkinImageList.inc: edit the list, not this file.\n"
         "#pragma once\n\n"
         "/** The built-in skin images, in list order (the nine pieces of a frame follow one another). */\n"
         "enum class SkinImageId : int\n{\n";

    for (const auto& r : skinImageRecipes)
        s << "    " << r.id << ",\n";

    s << "};\n\n"
         "inline constexpr int numSkinImages = " << numSkinImageRecipes << ";\n\n"
         "struct SkinImageInfo\n{\n"
         "    const char* name;\n"
         "    int width;\n"
         "    int height;\n"
         "    const char* role;\n"
         "};\n\n"
         "/** Each image's name, pixel size and role, indexed by its id. */\n"
         "inline constexpr SkinImageInfo skinImageInfo[numSkinImages] = {\n";

    for (const auto& r : skinImageRecipes)
        s << "    { " << cString (r.id) << ", " << r.width << ", " << r.height << ", " << cString (r.role) << " },\n";

    s << "};\n\n"
         "/** The PNG bytes of an image as embedded in the program. */\n"
         "struct SkinImageData\n{\n"
         "    const char* bytes;\n"
         "    int size;\n"
         "};\n\n"
         "extern const SkinImageData skinImageData[numSkinImages];\n";
    return s;
}

String makeTable (const String& dataHeader, const String& dataNamespace)
{
    String s;
    s << "// Written by skingen from assets/SkinImageList.inc: edit the list, not this file.\n"
         "#include \"SkinImageIds.h\"\n"
         "#include \"" << dataHeader << "\"\n\n"
         "const SkinImageData skinImageData[numSkinImages] = {\n";

    for (const auto& r : skinImageRecipes)
        s << "    { " << dataNamespace << "::" << r.id << "_png, " << dataNamespace << "::" << r.id << "_pngSize },\n";

    s << "};\n";
    return s;
}

//==============================================================================
// Contact sheet: the window background whole, the panels and the alert assembled at their real sizes,
// then every other image enlarged, on a chequered ground that shows transparency.

const SkinImageRecipe* findRecipe (const char* id)
{
    for (const auto& r : skinImageRecipes)
        if (String (r.id) == id)
            return &r;

    return nullptr;
}

int indexOf (const char* id)
{
    const auto* r = findRecipe (id);
    return r == nullptr ? -1 : (int) (r - skinImageRecipes);
}

void drawFrame (Graphics& g, const std::vector<Image>& images, const char* topLeftId, Rectangle<int> area)
{
    const auto first = indexOf (topLeftId);

    if (first < 0)
        return;

    const auto& tl = images[(size_t) first];
    const auto& br = images[(size_t) first + 8];
    const int cols[3] = { tl.getWidth(), area.getWidth() - tl.getWidth() - br.getWidth(), br.getWidth() };
    const int rows[3] = { tl.getHeight(), area.getHeight() - tl.getHeight() - br.getHeight(), br.getHeight() };

    const Graphics::ScopedSaveState state (g);
    g.setImageResamplingQuality (Graphics::lowResamplingQuality);

    for (int piece = 0; piece < 9; ++piece)
    {
        const auto col = piece % 3, row = piece / 3;
        const auto x = area.getX() + (col > 0 ? cols[0] : 0) + (col > 1 ? cols[1] : 0);
        const auto y = area.getY() + (row > 0 ? rows[0] : 0) + (row > 1 ? rows[1] : 0);
        g.drawImage (images[(size_t) first + (size_t) piece], x, y, cols[col], rows[row],
                     0, 0, images[(size_t) first + (size_t) piece].getWidth(), images[(size_t) first + (size_t) piece].getHeight());
    }
}

void drawAt (Graphics& g, const std::vector<Image>& images, const char* id, Point<int> at)
{
    const auto index = indexOf (id);

    if (index >= 0)
        g.drawImageAt (images[(size_t) index], at.x, at.y);
}

void drawChequers (Graphics& g, Rectangle<int> area)
{
    g.setColour (Colour (0xff2b2e34));
    g.fillRect (area);
    g.setColour (Colour (0xff34383f));

    for (int y = area.getY(); y < area.getBottom(); y += 8)
        for (int x = area.getX() + ((y - area.getY()) / 8 % 2) * 8; x < area.getRight(); x += 16)
            g.fillRect (Rectangle<int> (x, y, 8, 8).getIntersection (area));
}

Image makeContactSheet (const std::vector<Image>& images)
{
    const int margin = 16;
    const int sheetWidth = 1024 + 2 * margin;
    const int scale = 2;

    // Flow layout of the single images (everything that is not a piece of a frame).
    struct Placed { int index; Rectangle<int> area; };
    std::vector<Placed> placed;
    int x = margin, y = 0, rowHeight = 0;

    for (int i = 0; i < numSkinImageRecipes; ++i)
    {
        const auto& r = skinImageRecipes[i];

        if (isSlicePart (r.part) && r.recipe != Recipe::progressBar)
            continue;

        const auto w = r.width * scale, h = r.height * scale;

        if (x + w > sheetWidth - margin)
        {
            x = margin;
            y += rowHeight + 12;
            rowHeight = 0;
        }

        placed.push_back ({ i, { x, y, w, h } });
        x += w + 12;
        rowHeight = jmax (rowHeight, h);
    }

    const int windowTop = margin;
    const int panelsTop = windowTop + 738 + margin;
    const int flowTop = panelsTop + 262 + 160 + 2 * margin;
    const int sheetHeight = flowTop + y + rowHeight + margin;

    Image sheet (Image::RGB, sheetWidth, sheetHeight, true, SoftwareImageType());
    Graphics g (sheet);
    g.fillAll (Colour (0xff0b0c0e));

    // The window background, and the panels and alert as the program composes them.
    SliceGrid grid;
    findSliceGrid (Recipe::windowFrame, grid);
    g.drawImageAt (renderSlicedPicture (Recipe::windowFrame, grid), margin, windowTop);

    const Point<int> cardPanel (margin, panelsTop);
    drawFrame (g, images, "cardPanelTopLeft", { cardPanel.x, cardPanel.y, 430, 237 });
    drawAt (g, images, "exportPicture", cardPanel + Point<int> (11, 36));
    drawAt (g, images, "checkBoxTicked", cardPanel + Point<int> (170, 58));
    drawAt (g, images, "checkBoxNormal", cardPanel + Point<int> (170, 80));
    drawAt (g, images, "cardPanelSeparator", cardPanel + Point<int> (117, 107));
    drawAt (g, images, "panelButtonOver", cardPanel + Point<int> (242, 185));
    drawAt (g, images, "panelButtonNormal", cardPanel + Point<int> (322, 185));

    const Point<int> settingsPanel (margin + 430 + margin, panelsTop);
    drawFrame (g, images, "settingsPanelTopLeft", { settingsPanel.x, settingsPanel.y, 530, 246 });
    drawAt (g, images, "checkBoxTickedFocused", settingsPanel + Point<int> (20, 36));
    drawAt (g, images, "checkBoxOver", settingsPanel + Point<int> (20, 58));
    drawAt (g, images, "checkBoxTickedDisabled", settingsPanel + Point<int> (20, 80));
    drawAt (g, images, "settingsPanelSeparator", settingsPanel + Point<int> (20, 105));
    drawAt (g, images, "settingsPanelSeparator", settingsPanel + Point<int> (20, 168));
    drawAt (g, images, "panelButtonDown", settingsPanel + Point<int> (342, 196));
    drawAt (g, images, "panelButtonDisabled", settingsPanel + Point<int> (422, 196));

    const Point<int> alert (margin, panelsTop + 262);
    drawFrame (g, images, "alertTopLeft", { alert.x, alert.y, 550, 160 });
    drawAt (g, images, "panelButtonNormal", alert + Point<int> (188, 108));
    drawAt (g, images, "panelButtonNormal", alert + Point<int> (268, 108));

    // The progress bar at about 60 %, drawn the way the program stretches it.
    {
        const Rectangle<int> bar (margin + 550 + margin, panelsTop + 262 + 40, 440, 34);
        g.setColour (Colour (0xff383838));
        g.fillRect (bar);
        const auto middle = (int) (0.6 * (bar.getWidth() - 26));
        const Graphics::ScopedSaveState s (g);
        g.setImageResamplingQuality (Graphics::lowResamplingQuality);
        drawAt (g, images, "progressLeft", bar.getPosition());
        g.drawImage (images[(size_t) indexOf ("progressMiddle")], bar.getX() + 13, bar.getY(), middle, 34, 0, 0, 1, 34);
        drawAt (g, images, "progressRight", bar.getPosition() + Point<int> (13 + middle, 0));
    }

    for (const auto& p : placed)
    {
        const auto area = p.area.translated (0, flowTop);
        drawChequers (g, area);
        const Graphics::ScopedSaveState s (g);
        g.setImageResamplingQuality (Graphics::lowResamplingQuality);
        g.drawImage (images[(size_t) p.index], area.toFloat());
    }

    return sheet;
}
} // namespace

//==============================================================================
int main (int argc, char** argv)
{
    StringArray args;

    for (int i = 1; i < argc; ++i)
        args.add (String::fromUTF8 (argv[i]));

    const File imageFolder (argumentAfter (args, "--images"));
    const File headerFile (argumentAfter (args, "--header"));
    const File tableFile (argumentAfter (args, "--table"));
    const auto dataHeader = argumentAfter (args, "--data-header").isNotEmpty() ? argumentAfter (args, "--data-header") : String ("SkinBinaryData.h");
    const auto dataNamespace = File::createFileWithoutCheckingPath (dataHeader).getFileNameWithoutExtension();
    const auto contactSheet = argumentAfter (args, "--contact-sheet");

    if (argumentAfter (args, "--images").isEmpty() || argumentAfter (args, "--header").isEmpty()
         || argumentAfter (args, "--table").isEmpty())
        return fail ("usage: skingen --images <folder> --header <file> --table <file> [--data-header <name>] [--contact-sheet <file.png>]");

    const auto listCheck = checkList();

    if (listCheck.failed())
        return fail (listCheck.getErrorMessage());

    if (! imageFolder.createDirectory())
        return fail ("cannot create " + imageFolder.getFullPathName());

    const auto images = renderAll();
    PNGImageFormat png;

    for (size_t i = 0; i < images.size(); ++i)
    {
        const auto& r = skinImageRecipes[i];

        if (images[i].getWidth() != r.width || images[i].getHeight() != r.height)
            return fail (String (r.id) + " was drawn at the wrong size");

        MemoryOutputStream out;

        if (! png.writeImageToStream (images[i], out))
            return fail (String ("cannot encode ") + r.id);

        if (! writeIfChanged (imageFolder.getChildFile (String (r.id) + ".png"), out.getMemoryBlock()))
            return fail (String ("cannot write ") + r.id);
    }

    if (! writeTextIfChanged (headerFile, makeHeader()) || ! writeTextIfChanged (tableFile, makeTable (dataHeader, dataNamespace)))
        return fail ("cannot write the id header or the data table");

    if (contactSheet.isNotEmpty())
    {
        MemoryOutputStream out;

        if (! png.writeImageToStream (makeContactSheet (images), out)
             || ! writeIfChanged (File (contactSheet), out.getMemoryBlock()))
            return fail ("cannot write the contact sheet");
    }

    return 0;
}
