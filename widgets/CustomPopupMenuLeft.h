#pragma once

#include "widgets/CustomPopupMenu.h"

/** The dark popup-menu skin with its items left-aligned. */
class CustomPopupMenuLeft : public CustomPopupMenu
{
public:
    juce::Justification getItemJustification() const override { return juce::Justification::centredLeft; }
};
