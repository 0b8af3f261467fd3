#include "SkinContactSheet.h"

#include "SkinList.h"
#include "SkinShapes.h"

using namespace juce;

std::vector<Rectangle<int>> layoutSkinContactSheetFlow (const std::vector<Rectangle<int>>& sizes, int width, int gap, int maxScale)
{
    std::vector<Rectangle<int>> placed;
    int x = 0, y = 0, rowHeight = 0;

    for (const auto& size : sizes)
    {
        const auto w = jmax (1, size.getWidth());
        const auto h = jmax (1, size.getHeight());
        const auto wholeScale = jmin (maxScale, width / w);
        const auto scale = wholeScale >= 1 ? (double) wholeScale : (double) width / (double) w;
        const auto scaledWidth = jmin (width, roundToInt (w * scale));
        const auto scaledHeight = jmax (1, roundToInt (h * scale));

        if (x > 0 && x + scaledWidth > width)
        {
            x = 0;
            y += rowHeight + gap;
            rowHeight = 0;
        }

        placed.push_back ({ x, y, scaledWidth, scaledHeight });
        x += scaledWidth + gap;
        rowHeight = jmax (rowHeight, scaledHeight);
    }

    return placed;
}

namespace
{
constexpr int margin = 16;
constexpr int gap = 12;
constexpr int contentWidth = 1024;

struct Sheet
{
    const std::vector<SkinImageRecipe>& images;
    const std::vector<Image>& rendered;

    const Image* find (const char* id) const
    {
        const auto index = findSkinImage (images, id);
        return index >= 0 ? &rendered[(size_t) index] : nullptr;
    }

    void drawAt (Graphics& g, const char* id, Point<int> at) const
    {
        if (const auto* image = find (id))
            g.drawImageAt (*image, at.x, at.y);
    }

    /** A nine-piece frame stretched over an area the way the program draws it. */
    void drawFrame (Graphics& g, const char* topLeftId, Rectangle<int> area) const
    {
        const auto first = findSkinImage (images, topLeftId);

        if (first < 0 || first + 8 >= (int) rendered.size())
            return;

        const auto& tl = rendered[(size_t) first];
        const auto& br = rendered[(size_t) first + 8];
        const int cols[3] = { tl.getWidth(), area.getWidth() - tl.getWidth() - br.getWidth(), br.getWidth() };
        const int rows[3] = { tl.getHeight(), area.getHeight() - tl.getHeight() - br.getHeight(), br.getHeight() };

        const Graphics::ScopedSaveState state (g);
        g.setImageResamplingQuality (Graphics::lowResamplingQuality);

        for (int piece = 0; piece < 9; ++piece)
        {
            const auto col = piece % 3, row = piece / 3;
            const auto x = area.getX() + (col > 0 ? cols[0] : 0) + (col > 1 ? cols[1] : 0);
            const auto y = area.getY() + (row > 0 ? rows[0] : 0) + (row > 1 ? rows[1] : 0);
            const auto& image = rendered[(size_t) first + (size_t) piece];
            g.drawImage (image, x, y, cols[col], rows[row], 0, 0, image.getWidth(), image.getHeight());
        }
    }
};

void drawChequers (Graphics& g, Rectangle<int> area)
{
    g.setColour (Colour (0xff2b2e34));
    g.fillRect (area);
    g.setColour (Colour (0xff34383f));

    for (int y = area.getY(); y < area.getBottom(); y += 8)
        for (int x = area.getX() + ((y - area.getY()) / 8 % 2) * 8; x < area.getRight(); x += 16)
            g.fillRect (Rectangle<int> (x, y, 8, 8).getIntersection (area));
}

constexpr int composedPanelsHeight = 262 + 160;

/** The window background whole, and the panels, the alert and the progress bar as the program
    composes them. */
void drawComposedFrames (Graphics& g, const Sheet& sheet, const SliceGrid& windowGrid, int top)
{
    if (windowGrid.getHeight() > 0)
        g.drawImageAt (renderSlicedPicture ("windowFrame", windowGrid), margin, top);

    const auto panelsTop = top + windowGrid.getHeight() + margin;
    const Point<int> cardPanel (margin, panelsTop);
    sheet.drawFrame (g, "cardPanelTopLeft", { cardPanel.x, cardPanel.y, 430, 237 });
    sheet.drawAt (g, "exportPicture", cardPanel + Point<int> (11, 36));
    sheet.drawAt (g, "checkBoxTicked", cardPanel + Point<int> (170, 58));
    sheet.drawAt (g, "checkBoxNormal", cardPanel + Point<int> (170, 80));
    sheet.drawAt (g, "cardPanelSeparator", cardPanel + Point<int> (117, 107));
    sheet.drawAt (g, "panelButtonOver", cardPanel + Point<int> (242, 185));
    sheet.drawAt (g, "panelButtonNormal", cardPanel + Point<int> (322, 185));

    const Point<int> settingsPanel (margin + 430 + margin, panelsTop);
    sheet.drawFrame (g, "settingsPanelTopLeft", { settingsPanel.x, settingsPanel.y, 530, 246 });
    sheet.drawAt (g, "checkBoxTickedFocused", settingsPanel + Point<int> (20, 36));
    sheet.drawAt (g, "checkBoxOver", settingsPanel + Point<int> (20, 58));
    sheet.drawAt (g, "checkBoxTickedDisabled", settingsPanel + Point<int> (20, 80));
    sheet.drawAt (g, "settingsPanelSeparator", settingsPanel + Point<int> (20, 105));
    sheet.drawAt (g, "settingsPanelSeparator", settingsPanel + Point<int> (20, 168));
    sheet.drawAt (g, "panelButtonDown", settingsPanel + Point<int> (342, 196));
    sheet.drawAt (g, "panelButtonDisabled", settingsPanel + Point<int> (422, 196));

    const Point<int> alert (margin, panelsTop + 262);
    sheet.drawFrame (g, "alertTopLeft", { alert.x, alert.y, 550, 160 });
    sheet.drawAt (g, "panelButtonNormal", alert + Point<int> (188, 108));
    sheet.drawAt (g, "panelButtonNormal", alert + Point<int> (268, 108));

    // The progress bar at about 60 %, drawn the way the program stretches it.
    const Rectangle<int> bar (margin + 550 + margin, panelsTop + 262 + 40, 440, 34);
    g.setColour (Colour (0xff383838));
    g.fillRect (bar);
    const auto* middlePiece = sheet.find ("progressMiddle");

    if (middlePiece != nullptr)
    {
        const auto middle = (int) (0.6 * (bar.getWidth() - 26));
        const Graphics::ScopedSaveState s (g);
        g.setImageResamplingQuality (Graphics::lowResamplingQuality);
        sheet.drawAt (g, "progressLeft", bar.getPosition());
        g.drawImage (*middlePiece, bar.getX() + 13, bar.getY(), middle, 34, 0, 0, 1, 34);
        sheet.drawAt (g, "progressRight", bar.getPosition() + Point<int> (13 + middle, 0));
    }
}

//==============================================================================
/** A shared box put together: one panel per variant with every shape's image of that variant in
    place, then one with the masks, each in its own colour, so gaps and overlaps show at a glance. */
struct BoxPanels
{
    const SkinShapeBox* box;
    int numVariants = 1;
    std::vector<size_t> members;
};

std::vector<BoxPanels> findBoxes (const std::vector<SkinImageRecipe>& images)
{
    std::vector<BoxPanels> boxes;

    for (size_t i = 0; i < images.size(); ++i)
    {
        const auto shape = findSkinShape (images[i]);

        if (shape.box == nullptr)
            continue;

        auto found = std::find_if (boxes.begin(), boxes.end(), [&] (const BoxPanels& b) { return b.box == shape.box; });

        if (found == boxes.end())
            found = boxes.insert (boxes.end(), BoxPanels { shape.box });

        found->numVariants = jmax (found->numVariants, images[i].variant + 1);
        found->members.push_back (i);
    }

    return boxes;
}

/** Boxes as wide as the panel itself are shown at half size, or the sheet would grow by thousands of
    rows for a handful of pictures. */
float boxScale (const SkinShapeBox& box)
{
    return box.getBounds().getWidth() > 500 ? 0.5f : 1.0f;
}

void drawBoxPanel (Graphics& g, const Sheet& sheet, const BoxPanels& box, int panel, Rectangle<int> place)
{
    const auto scale = boxScale (*box.box);
    Image full (Image::ARGB, box.box->getBounds().getWidth(), box.box->getBounds().getHeight(), true, SoftwareImageType());
    Graphics fg (full);
    const auto masks = panel == box.numVariants;
    drawChequers (fg, box.box->getBounds());

    for (auto i : box.members)
    {
        const auto& image = sheet.images[i];

        if (masks != (image.maskOf >= 0) || (! masks && jmax (0, image.variant) != panel))
            continue;

        const auto shape = findSkinShape (image);
        const auto position = box.box->getImageArea (shape.index).getPosition();

        if (masks)
        {
            fg.setColour (Colour::fromHSV ((float) shape.index / (float) box.box->getNumShapes(), 0.65f, 0.95f, 1.0f));
            fg.drawImageAt (sheet.rendered[i], position.x, position.y, true);
        }
        else
        {
            fg.drawImageAt (sheet.rendered[i], position.x, position.y);
        }
    }

    const Graphics::ScopedSaveState s (g);
    g.setImageResamplingQuality (scale < 1.0f ? Graphics::highResamplingQuality : Graphics::lowResamplingQuality);
    g.drawImage (full, place.toFloat());
}

bool isInSharedBox (const SkinImageRecipe& image)
{
    return findSkinShape (image).box != nullptr;
}
} // namespace

//==============================================================================
Image makeSkinContactSheet (const std::vector<SkinImageRecipe>& images, const std::vector<Image>& rendered)
{
    const Sheet sheet { images, rendered };

    // Shared boxes: their panels at their own size.
    const auto boxes = findBoxes (images);
    std::vector<std::pair<const BoxPanels*, int>> boxPanels;
    std::vector<Rectangle<int>> boxPanelSizes;

    for (const auto& box : boxes)
    {
        for (int panel = 0; panel <= box.numVariants; ++panel)
        {
            boxPanels.push_back ({ &box, panel });
            boxPanelSizes.push_back ((box.box->getBounds().toFloat() * boxScale (*box.box)).toNearestInt());
        }
    }

    const auto boxPlaces = layoutSkinContactSheetFlow (boxPanelSizes, contentWidth, gap, 1);

    // Every other single image (frame pieces are shown composed; the progress bar's are not).
    std::vector<size_t> flowImages;
    std::vector<Rectangle<int>> flowSizes;

    for (size_t i = 0; i < images.size(); ++i)
    {
        if ((isSlicePart (images[i].part) && images[i].recipe != "progressBar") || isInSharedBox (images[i]))
            continue;

        flowImages.push_back (i);
        flowSizes.push_back ({ images[i].width, images[i].height });
    }

    const auto flowPlaces = layoutSkinContactSheetFlow (flowSizes, contentWidth, gap, 2);

    const auto bottomOf = [] (const std::vector<Rectangle<int>>& places)
    {
        int bottom = 0;

        for (const auto& p : places)
            bottom = jmax (bottom, p.getBottom());

        return bottom;
    };

    SliceGrid windowGrid;
    findSliceGrid (images, "windowFrame", windowGrid);
    const auto boxesTop = margin + windowGrid.getHeight() + margin + composedPanelsHeight + 2 * margin;
    const auto flowTop = boxesTop + bottomOf (boxPlaces) + (boxPlaces.empty() ? 0 : 2 * margin);
    const auto sheetHeight = flowTop + bottomOf (flowPlaces) + margin;

    Image image (Image::RGB, contentWidth + 2 * margin, sheetHeight, true, SoftwareImageType());
    Graphics g (image);
    g.fillAll (Colour (0xff0b0c0e));
    drawComposedFrames (g, sheet, windowGrid, margin);

    for (size_t i = 0; i < boxPanels.size(); ++i)
        drawBoxPanel (g, sheet, *boxPanels[i].first, boxPanels[i].second, boxPlaces[i] + Point<int> (margin, boxesTop));

    for (size_t i = 0; i < flowImages.size(); ++i)
    {
        const auto area = flowPlaces[i].translated (margin, flowTop);
        const auto& picture = rendered[flowImages[i]];
        drawChequers (g, area);

        // Enlarged images keep their pixels sharp; reduced ones are smoothed so that nothing drops out.
        const Graphics::ScopedSaveState s (g);
        g.setImageResamplingQuality (area.getWidth() >= picture.getWidth() ? Graphics::lowResamplingQuality : Graphics::highResamplingQuality);
        g.drawImage (picture, area.toFloat());
    }

    return image;
}
