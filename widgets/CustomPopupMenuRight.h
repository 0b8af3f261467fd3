#pragma once

#include "widgets/CustomPopupMenu.h"

/** The dark popup-menu skin with its items right-aligned. */
class CustomPopupMenuRight : public CustomPopupMenu
{
public:
    juce::Justification getItemJustification() const override { return juce::Justification::centredRight; }
};
