#pragma once

#include "widgets/CustomLookAndFeel.h"

/** The dark skin of the effect panel's and the panels' combo-box lists: items centred (by default),
    the highlighted one under a lit plate, no ticks, shortcuts or sub-menu arrows. */
class CustomPopupMenu : public CustomLookAndFeel
{
public:
    CustomPopupMenu();
    ~CustomPopupMenu() override;

    void drawPopupMenuBackground (juce::Graphics&, int width, int height) override;
    void drawPopupMenuItem (juce::Graphics&, const juce::Rectangle<int>& area, bool isSeparator, bool isActive,
                            bool isHighlighted, bool isTicked, bool hasSubMenu, const juce::String& text,
                            const juce::String& shortcutKeyText, const juce::Drawable* icon,
                            const juce::Colour* textColour) override;
    juce::Font getPopupMenuFont() override;
    void getIdealPopupMenuItemSize (const juce::String& text, bool isSeparator, int standardMenuItemHeight,
                                    int& idealWidth, int& idealHeight) override;

    /** Where an item's text sits in its row. */
    virtual juce::Justification getItemJustification() const;

protected:
    /** Draws an item's text in the popup font, fitted into an area of the item. */
    void drawItem (juce::Graphics&, const juce::Rectangle<int>& area, bool isSeparator, bool isActive, bool isHighlighted,
                   const juce::String& text, juce::Rectangle<int> textArea, juce::Justification justification);

    juce::Image highlight;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (CustomPopupMenu)
};
