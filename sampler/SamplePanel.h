#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

class SamplerTiles;
class SamplerWindow;

/** One tile of the sampler window: a slot's file name, range length and play mode, or the DELETE tile.

    A tile takes WAV files dropped from the desktop, is dragged onto another tile to swap the two slots
    (or, with Ctrl, to copy it there), or onto the DELETE tile to empty it; the Delete key empties it
    too, and a double-click or Return opens the slot editor. The tile only reads its slot; what the
    input does to the slots, the window decides. While an editor is open, tiles take no input. */
class SamplePanel : public juce::Component,
                    public juce::DragAndDropTarget,
                    public juce::FileDragAndDropTarget
{
public:
    static constexpr int tileWidth = 126, tileHeight = 90;
    static constexpr int faceHeight = 70;

    SamplePanel (int row, int column, SamplerWindow& owner);
    ~SamplePanel() override;

    int getIndex() const noexcept              { return index; }
    bool isFifthRow() const noexcept           { return fifthRow; }
    bool isDragOver() const noexcept           { return dragOver; }
    bool isPressed() const noexcept            { return pressed; }

    /** The picture a drag carries: the tile's face in its frame, without its marks. */
    juce::Image createDragImage() const;

    /** False while the slot holds a sample without its prepared file (its build failed or was cancelled). */
    bool isFileReady() const;

    /** The file name, length and play mode lines of a tile, as the tile and its drag image show them;
        a slot whose file is not ready says so instead of its length. */
    static void paintContents (juce::Graphics& g, const SamplerTiles& tiles, int index, bool fileReady);

    //==============================================================================
    void paint (juce::Graphics&) override;
    bool keyPressed (const juce::KeyPress& key) override;
    void focusGained (FocusChangeType cause) override;
    void focusLost (FocusChangeType cause) override;
    void mouseMove (const juce::MouseEvent& e) override;
    void mouseEnter (const juce::MouseEvent& e) override;
    void mouseExit (const juce::MouseEvent& e) override;
    void mouseDown (const juce::MouseEvent& e) override;
    void mouseUp (const juce::MouseEvent& e) override;
    void mouseDoubleClick (const juce::MouseEvent& e) override;

    bool isInterestedInDragSource (const SourceDetails& details) override;
    void itemDragEnter (const SourceDetails& details) override;
    void itemDragExit (const SourceDetails& details) override;
    void itemDropped (const SourceDetails& details) override;

    bool isInterestedInFileDrag (const juce::StringArray& files) override;
    void fileDragEnter (const juce::StringArray& files, int x, int y) override;
    void fileDragExit (const juce::StringArray& files) override;
    void filesDropped (const juce::StringArray& files, int x, int y) override;

private:
    bool takesInput() const;
    void setDragOver (bool isOver);

    SamplerWindow& window;
    const int index;
    const bool fifthRow;
    bool dragOver = false, pressed = false;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SamplePanel)
};
