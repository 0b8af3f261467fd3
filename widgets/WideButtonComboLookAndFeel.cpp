#include "widgets/WideButtonComboLookAndFeel.h"

using namespace juce;

WideButtonComboLookAndFeel::WideButtonComboLookAndFeel()
    : wideHighlight (SkinImages::get (SkinImageId::comboFocusHighlight)),
      buttons { SkinImages::get (SkinImageId::wideComboButtonNormal), SkinImages::get (SkinImageId::wideComboButtonOver),
                SkinImages::get (SkinImageId::wideComboButtonDown), SkinImages::get (SkinImageId::wideComboButtonDisabled) }
{
}

WideButtonComboLookAndFeel::~WideButtonComboLookAndFeel() = default;

void WideButtonComboLookAndFeel::drawPopupMenuItem (Graphics& g, const Rectangle<int>& area, bool isSeparator, bool isActive,
                                                    bool isHighlighted, bool, bool, const String& text, const String&,
                                                    const Drawable*, const Colour*)
{
    drawItem (g, area, isSeparator, isActive, isHighlighted, text,
              { 2, 0, area.getWidth() - 4, area.getHeight() }, Justification::centred);
}

void WideButtonComboLookAndFeel::drawComboBox (Graphics& g, int width, int height, bool isButtonDown, int, int, int, int, ComboBox& box)
{
    g.fillAll (box.findColour (ComboBox::backgroundColourId));
    drawInsetBevel (g, { 0, 0, width, height });
    g.drawImageAt (pickComboImage (box, isButtonDown, buttons), 2, height - 13);

    if (box.isEnabled() && box.hasKeyboardFocus (true))
        SkinImages::drawStretched (g, wideHighlight, { 1, 2, width - 2, height - 15 });
}

void WideButtonComboLookAndFeel::positionComboBoxText (ComboBox& box, Label& label)
{
    label.setBounds (-2, 1, box.getWidth() + 3, box.getHeight() - 13);
    const auto font = getComboBoxFont (box);

    if (label.getFont() != font)
        label.setFont (font);
}
