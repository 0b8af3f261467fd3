#pragma once

#include "widgets/CustomPopupMenu.h"

/** The skin of the small value combo boxes that show their value above a wide button. */
class WideButtonComboLookAndFeel : public CustomPopupMenu
{
public:
    WideButtonComboLookAndFeel();
    ~WideButtonComboLookAndFeel() override;

    void drawPopupMenuItem (juce::Graphics&, const juce::Rectangle<int>& area, bool isSeparator, bool isActive,
                            bool isHighlighted, bool isTicked, bool hasSubMenu, const juce::String& text,
                            const juce::String& shortcutKeyText, const juce::Drawable* icon,
                            const juce::Colour* textColour) override;
    void drawComboBox (juce::Graphics&, int width, int height, bool isMouseButtonDown,
                       int buttonX, int buttonY, int buttonW, int buttonH, juce::ComboBox&) override;
    void positionComboBoxText (juce::ComboBox&, juce::Label&) override;

private:
    juce::Image wideHighlight;
    juce::Image buttons[4];   // normal, over or focused, down, disabled

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (WideButtonComboLookAndFeel)
};
