#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** The slot editor's range: a two-thumb slider whose minimum is START and maximum END, in
    milliseconds of the source. It remembers which thumb is being dragged, so the editor moves only
    that one, and hands every key to the editor's key handling. */
class SampleSlider : public juce::Slider
{
public:
    enum class Thumb { none, start, end };

    SampleSlider();
    ~SampleSlider() override;

    Thumb getDraggedThumb() const noexcept      { return dragged; }
    bool isDragging() const noexcept            { return dragged != Thumb::none; }

    bool keyPressed (const juce::KeyPress& key) override;
    void mouseMove (const juce::MouseEvent& e) override;
    void parentHierarchyChanged() override;

private:
    void startedDragging() override;
    void stoppedDragging() override;

    Thumb dragged = Thumb::none;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SampleSlider)
};
