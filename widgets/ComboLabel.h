#pragma once

#include "core/ValueLabelKind.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <cstdint>

class CustomMaskedImageComponent;

/** A read-out of one value of the document: shows the value's label from the value-label table and,
    when it has one, drives an arc indicator.

    The label holds a pointer into the current document; it never writes through it itself (the
    range slider writes the value it shows and then asks the label to update).
*/
class ComboLabel : public juce::Label
{
public:
    ComboLabel();
    ~ComboLabel() override;

    /** Binds the label to a value of a value-label kind, with an optional arc indicator
        that this value sets one end of (reverseArc: the lower end), and shows the value at once.
        A null value unbinds: the label then keeps its text. */
    void bindValue (ValueLabelKind kind, int32_t* value, CustomMaskedImageComponent* indicator, bool reverseArc);

    /** Shows the bound value's label without a change notification (levelScale reads its row
        backwards, pattern shows "P-1".."P-3"; a value without a label shows nothing) and sets the
        indicator. Does nothing while unbound. */
    void updateText();

    ValueLabelKind getKind() const noexcept                     { return kind; }
    int32_t* getValuePointer() const noexcept                   { return value; }
    CustomMaskedImageComponent* getIndicator() const noexcept   { return indicator; }
    bool isReverseArc() const noexcept                          { return reverseArc; }

private:
    ValueLabelKind kind = ValueLabelKind::echoTime;
    int32_t* value = nullptr;
    CustomMaskedImageComponent* indicator = nullptr;
    bool reverseArc = false;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ComboLabel)
};
