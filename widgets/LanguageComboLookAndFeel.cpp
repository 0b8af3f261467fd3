#include "widgets/LanguageComboLookAndFeel.h"

#include "widgets/LanguageTypefaces.h"

using namespace juce;

void LanguageComboLookAndFeel::drawPopupMenuItem (Graphics& g, const Rectangle<int>& area, bool isSeparator, bool isActive,
                                                  bool isHighlighted, bool isTicked, bool hasSubMenu, const String& text,
                                                  const String& shortcutKeyText, const Drawable* icon, const Colour* textColour)
{
    CustomLookAndFeel::drawPopupMenuItem (g, area, isSeparator, isActive, isHighlighted, isTicked, hasSubMenu,
                                          text, shortcutKeyText, icon, textColour);
}

void LanguageComboLookAndFeel::positionComboBoxText (ComboBox& box, Label& label)
{
    label.setBounds (1, 1, box.getWidth() - box.getHeight() + 3, box.getHeight() - 2);

    // The selected language's name in its own typeface (no selection reads as English).
    const auto font = LanguageTypefaces::fontFor (clampUiLanguage (box.getSelectedItemIndex()), 17.0f);

    if (label.getFont() != font)
        label.setFont (font);
}
