#pragma once

#include "core/ValueLabelKind.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <cstdint>

class CustomMaskedImageComponent;

/** A combo box that edits one value of the document: its items are the labels of a value-label
    kind, item i (id i + 1) standing for value i.

    The box only shows and selects; the effect panel listens to it, and on a change stores the
    selection through applySelection() and commits. It takes part in the panel's keyboard walk.
*/
class ValueCombo : public juce::ComboBox
{
public:
    ValueCombo();
    ~ValueCombo() override;

    /** Binds the box to a value: refills the items from the kind's labels (at most nine, up to the
        first empty one) and selects the value's item, all without a change notification. A value
        outside the items selects nothing; a null value leaves the box unbound with no selection. */
    void bindValue (int32_t* value, bool reverseArc, ValueLabelKind kind, CustomMaskedImageComponent* indicator);

    /** Stores the selected item's index in the bound value and moves the indicator to it (the
        panel commits afterwards). False, with nothing written, while unbound or with no selection. */
    bool applySelection();

    ValueLabelKind getKind() const noexcept                     { return kind; }
    int32_t* getValuePointer() const noexcept                   { return value; }
    CustomMaskedImageComponent* getIndicator() const noexcept   { return indicator; }
    bool isReverseArc() const noexcept                          { return reverseArc; }

    //==============================================================================
    /** Escape and Backspace go back; Right and Tab close the list and go to the next control, Left
        and Shift+Tab to the previous one; Up, Down and Return stay the box's own. */
    bool keyPressed (const juce::KeyPress& key) override;

    void focusGained (FocusChangeType cause) override;
    void mouseMove (const juce::MouseEvent& e) override;

private:
    ValueLabelKind kind = ValueLabelKind::echoTime;
    int32_t* value = nullptr;
    CustomMaskedImageComponent* indicator = nullptr;
    bool reverseArc = false;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ValueCombo)
};
