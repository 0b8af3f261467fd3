#include "widgets/CustomPopupMenu.h"

using namespace juce;

CustomPopupMenu::CustomPopupMenu()
    : highlight (SkinImages::get (SkinImageId::comboFocusHighlight))
{
    setColour (PopupMenu::backgroundColourId,            Colour (0xff282828));
    setColour (PopupMenu::textColourId,                  Colour (0xffe2e2e2));
    setColour (PopupMenu::headerTextColourId,            Colour (0xffe2e2e2));
    setColour (PopupMenu::highlightedTextColourId,       Colour (0xffe2e2e2));
    setColour (PopupMenu::highlightedBackgroundColourId, Colour (0x802222ff));
}

CustomPopupMenu::~CustomPopupMenu() = default;

Justification CustomPopupMenu::getItemJustification() const
{
    return Justification::centred;
}

void CustomPopupMenu::drawPopupMenuBackground (Graphics& g, int width, int height)
{
    g.fillAll (findColour (PopupMenu::backgroundColourId));
    drawInsetBevel (g, { 0, 0, width, height });
}

void CustomPopupMenu::drawPopupMenuItem (Graphics& g, const Rectangle<int>& area, bool isSeparator, bool isActive,
                                         bool isHighlighted, bool, bool, const String& text, const String&,
                                         const Drawable*, const Colour*)
{
    drawItem (g, area, isSeparator, isActive, isHighlighted, text,
              { 6, 0, area.getWidth() - 28, area.getHeight() }, getItemJustification());
}

void CustomPopupMenu::drawItem (Graphics& g, const Rectangle<int>& area, bool isSeparator, bool isActive, bool isHighlighted,
                                const String& text, Rectangle<int> textArea, Justification justification)
{
    if (isSeparator)
    {
        drawMenuSeparator (g, area);
        return;
    }

    const Graphics::ScopedSaveState state (g);
    g.setOrigin (area.getPosition());

    if (isHighlighted)
    {
        SkinImages::drawStretched (g, highlight, { 2, 1, area.getWidth() - 4, area.getHeight() - 2 });
        g.setColour (findColour (PopupMenu::highlightedTextColourId));
    }
    else
    {
        g.setColour (findColour (PopupMenu::textColourId));
    }

    if (! isActive)
        g.setOpacity (0.3f);

    auto font = getPopupMenuFont();
    const auto maxHeight = (float) area.getHeight() / 1.3f;

    if (font.getHeight() > maxHeight)
        font.setHeight (maxHeight);

    g.setFont (font);
    g.drawFittedText (text, textArea, justification, 1, 0.7f);
}

Font CustomPopupMenu::getPopupMenuFont()
{
    return skinFont (15.0f);
}

void CustomPopupMenu::getIdealPopupMenuItemSize (const String& text, bool isSeparator, int standardHeight,
                                                 int& idealWidth, int& idealHeight)
{
    if (isSeparator)
    {
        idealWidth = 50;
        idealHeight = standardHeight > 0 ? standardHeight / 2 : 10;
        return;
    }

    auto font = getPopupMenuFont();

    if (standardHeight > 0 && font.getHeight() > (float) standardHeight / 1.3f)
        font.setHeight ((float) standardHeight / 1.3f);

    idealHeight = standardHeight > 0 ? standardHeight : roundToInt (font.getHeight() * 1.3f);
    idealWidth = roundToInt (font.getStringWidthFloat (text));
}
