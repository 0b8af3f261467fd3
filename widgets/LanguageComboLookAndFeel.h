#pragma once

#include "widgets/CustomPopupMenu.h"

/** The skin of the language combo box: every language name, in the list and in the closed box, is
    drawn in that language's own typeface. */
class LanguageComboLookAndFeel : public CustomPopupMenu
{
public:
    void drawPopupMenuItem (juce::Graphics&, const juce::Rectangle<int>& area, bool isSeparator, bool isActive,
                            bool isHighlighted, bool isTicked, bool hasSubMenu, const juce::String& text,
                            const juce::String& shortcutKeyText, const juce::Drawable* icon,
                            const juce::Colour* textColour) override;
    void positionComboBoxText (juce::ComboBox&, juce::Label&) override;
};
