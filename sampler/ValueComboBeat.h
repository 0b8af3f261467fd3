#pragma once

#include "widgets/ValueCombo.h"

/** The slot editor's beat count: a combo box over the beat-count labels ("1 BEAT" .. "32 BEAT") whose
    text shows any beat count ("6.00 BEAT", "unknown BEAT") and can be typed after a double-click
    (only while the editor has a source file) or Return. Down picks the first listed count above the
    current one, Up the nearest below; Left, Right, Tab, Shift+Tab, Escape, Backspace and Return go to
    the editor's key handling. */
class ValueComboBeat : public ValueCombo,
                       private juce::Label::Listener
{
public:
    ValueComboBeat();
    ~ValueComboBeat() override;

    /** The beat count the Up and Down keys step from. */
    void setBeats (double beats) noexcept       { storedBeats = beats; }
    /** With a source file a double-click on the text opens it for typing. */
    void setTypeableByDoubleClick (bool typeable);

    /** Opens the text for typing. */
    void showTextEditor();
    bool isTextBeingEdited() const;

    /** The item a key would pick: the first with a count above the stored one (Down) or the last
        below it (Up); -1 when there is none. */
    int itemForStep (bool up) const;

    bool keyPressed (const juce::KeyPress& key) override;

private:
    void labelTextChanged (juce::Label*) override {}
    void editorHidden (juce::Label*, juce::TextEditor&) override;

    juce::Label* text = nullptr;
    double storedBeats = 0;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ValueComboBeat)
};
