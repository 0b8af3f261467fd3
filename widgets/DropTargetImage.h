#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <cstdint>

/** A position target of the X-PAD position overlay: a 40x40 cell bound to one document value (a
    beat-fraction index, 0..15) that shows its beat text. Dropping a beat button's text on it stores
    that text's index and commits; it lights while a drag hovers over it or it holds the keyboard
    focus. */
class DropTargetImage : public juce::ImageComponent,
                        public juce::DragAndDropTarget
{
public:
    static constexpr int size = 40;

    DropTargetImage();
    ~DropTargetImage() override;

    /** The bound document value; null unbinds (a drop then stores nothing). */
    void setValuePointer (int32_t* newValue);
    int32_t* getValuePointer() const noexcept   { return value; }

    bool isDragOver() const noexcept            { return dragOver; }

    /** Lit as while a beat is dragged over it: the position the keyboard stores the next beat in. */
    void setHighlighted (bool on)               { setDragOver (on); }

    //==============================================================================
    bool isInterestedInDragSource (const SourceDetails& details) override;
    void itemDragEnter (const SourceDetails& details) override;
    void itemDragExit (const SourceDetails& details) override;

    /** A beat text stores its index in the bound value and commits; any other text changes
        nothing. The highlight goes either way. */
    void itemDropped (const SourceDetails& details) override;

    void paint (juce::Graphics& g) override;
    bool keyPressed (const juce::KeyPress& key) override;
    void mouseDown (const juce::MouseEvent& e) override;
    void focusGained (FocusChangeType cause) override;
    void focusLost (FocusChangeType cause) override;

private:
    void setDragOver (bool isOver);
    void refresh();

    bool dragOver = false;
    int32_t* value = nullptr;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (DropTargetImage)
};
