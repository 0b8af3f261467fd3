#pragma once

#include "assets/SkinImages.h"
#include "widgets/CustomImageButton.h"

/** An image button of the slot editor: every key it gets goes to the editor's key handling (which
    presses it on Return), and on a real mouse move it takes the keyboard focus, which shows it in its
    over face. */
class SampleImageButton : public CustomImageButton
{
public:
    explicit SampleImageButton (const juce::String& name);
    ~SampleImageButton() override;

    /** The faces of a set of the skin: normal, over, down and disabled; a push button's set has no
        disabled face (its normal one stands in). */
    void setFaces (const SkinImageSet<SkinButtonState>& faces);
    void setFaces (const SkinImageSet<SkinPressState>& faces);

    bool keyPressed (const juce::KeyPress& key) override;
    void mouseMove (const juce::MouseEvent& e) override;

    /** A button without a disabled face shows its normal one dimmed while disabled. */
    void paintButton (juce::Graphics& g, bool shouldDrawButtonAsHighlighted, bool shouldDrawButtonAsDown) override;

private:
    bool hasDisabledFace = false;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SampleImageButton)
};
