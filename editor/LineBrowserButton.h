#pragma once

#include "widgets/CustomImageButton.h"

#include <array>

/** One step of the breadcrumb bar: an arrow-shaped image button that carries its level's name.

    Besides its four display images it holds two sets of four: the middle set (a step that continues
    into the next one) and the end set (the last step shown). Three flags choose its face: highlighted
    (a preview of where hovering or keys would go), current (the step is pinned while the mouse roams)
    and dimmed (a step above the current level: its disabled face and dark text). The whole rectangle
    takes clicks, also where the face is cut away for the neighbour's arrow.
*/
class LineBrowserButton : public CustomImageButton
{
public:
    static constexpr int stepWidth = 190, stepHeight = 29;

    /** Four images: normal, over, down, disabled. */
    using ImageSet = std::array<juce::Image, 4>;
    enum class Ends { middle, end };

    LineBrowserButton();
    ~LineBrowserButton() override;

    void setImageSets (const ImageSet& middle, const ImageSet& end);
    /** Shows the middle or the end set. */
    void useImages (Ends ends);
    Ends getEnds() const noexcept                   { return ends; }

    void setHighlighted (bool shouldBeHighlighted);
    bool isHighlighted() const noexcept             { return highlighted; }
    void setCurrent (bool shouldBeCurrent) noexcept { current = shouldBeCurrent; }
    bool isCurrent() const noexcept                 { return current; }
    void setDimmed (bool shouldBeDimmed);
    bool isDimmed() const noexcept                  { return dimmed; }

    /** The text is bright unless the step is dimmed; pressed or toggled on it is bright anyway. */
    bool isTextBright() const;

    //==============================================================================
    /** Down while pressed or toggled on, else the disabled image when dimmed, the over image when
        highlighted, the normal image otherwise. The mouse alone changes nothing: the panel says
        which step to highlight. */
    juce::Image getCurrentImage() const override;
    bool hitTest (int x, int y) override;
    void paintButton (juce::Graphics& g, bool shouldDrawButtonAsHighlighted, bool shouldDrawButtonAsDown) override;

private:
    ImageSet middleImages, endImages;
    Ends ends = Ends::middle;
    bool highlighted = false, current = false, dimmed = false;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (LineBrowserButton)
};
