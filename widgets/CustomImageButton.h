#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** The program's image button: drawn entirely from four state images, optionally hit-tested on
    the alpha of mask images, and walked with the effect panel's navigation keys.

    Every skin button of the program derives from it (the panel's effect, toggle, lock and beat
    buttons, the knob face of the popup sliders, the breadcrumb steps, the menu strip's and the
    sample editor's buttons). Images are shared juce::Image objects; a null image draws nothing.
*/
class CustomImageButton : public juce::Button
{
public:
    explicit CustomImageButton (const juce::String& name);
    ~CustomImageButton() override;

    /** The four display images; any may be null (see the getters for what stands in). */
    void setImages (const juce::Image& normal, const juce::Image& over,
                    const juce::Image& down, const juce::Image& disabled);

    /** The four hit masks, and mask hit-testing on. */
    void setHitTestImages (const juce::Image& normal, const juce::Image& over,
                           const juce::Image& down, const juce::Image& disabled);

    /** Mask hit-testing on or off (the panel turns it off on the chosen effect button). */
    void setUseMaskHitTest (bool shouldUse) noexcept    { useMaskHitTest = shouldUse; }
    bool getUseMaskHitTest() const noexcept             { return useMaskHitTest; }

    /** The normal image; the over image or else the normal one; the down image, else the over one,
        else the normal one; the disabled image or else the normal one. */
    const juce::Image& getNormalImage() const noexcept;
    const juce::Image& getOverImage() const noexcept;
    const juce::Image& getDownImage() const noexcept;
    const juce::Image& getDisabledImage() const noexcept;

    /** The image for the button's state: disabled (itself or a parent), then down (pressed or
        toggled on), then over (mouse over, or the keyboard focus on it or inside it), else normal. */
    virtual juce::Image getCurrentImage() const;

    /** The same choice over the masks; a missing mask stands in with that state's display image. */
    virtual juce::Image getCurrentHitTestImage() const;

    //==============================================================================
    /** With mask hit-testing, a hit where the current mask's pixel is not fully transparent; a
        point outside the mask misses, and a button without any image hits everywhere. */
    bool hitTest (int x, int y) override;

    /** Escape, Backspace, the arrows, Tab and Shift+Tab go to the panel; other keys (Return
        clicks) are the button's own. */
    bool keyPressed (const juce::KeyPress& key) override;

    /** The current image at its own size at the top-left corner. */
    void paintButton (juce::Graphics& g, bool shouldDrawButtonAsHighlighted, bool shouldDrawButtonAsDown) override;

protected:
    /** True when the image has a pixel at (x, y) that is not fully transparent. */
    static bool isOpaqueAt (const juce::Image& image, int x, int y);

    /** The state the current image is chosen for. */
    enum class ImageState { normal, over, down, disabled };
    ImageState getImageState() const;

private:
    const juce::Image& imageFor (ImageState state) const noexcept;

    bool useMaskHitTest = false;
    juce::Image normalMask, overMask, downMask, disabledMask;
    juce::Image normalImage, overImage, downImage, disabledImage;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (CustomImageButton)
};
