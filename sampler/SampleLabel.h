#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** A text of the slot editor: the START and END times and the tempo, which can be typed (after a
    double-click, Return, or arriving by Tab), and the range length, which only shows. It has no
    background; while it holds the keyboard focus its focus picture lies behind the text. Keys go to
    the editor's key handling. */
class SampleLabel : public juce::Label
{
public:
    SampleLabel (const juce::String& name, bool typeable);
    ~SampleLabel() override;

    bool isTypeable() const noexcept       { return typeable; }

    bool keyPressed (const juce::KeyPress& key) override;
    void mouseMove (const juce::MouseEvent& e) override;
    void focusGained (FocusChangeType cause) override;
    void focusLost (FocusChangeType cause) override;
    void paint (juce::Graphics& g) override;

protected:
    /** Typing ended with Return or Escape: the label keeps the keyboard, unless it moved on. */
    void editorAboutToBeHidden (juce::TextEditor* editor) override;

private:
    const bool typeable;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SampleLabel)
};
