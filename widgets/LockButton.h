#pragma once

#include "widgets/CustomImageButton.h"

/** The lock switch of the Isolate and Scene sections: four 52x26 pictures (unlocked, unlocked and
    hovered, locked, locked and hovered). Clicking switches it. While the mouse is on it, the section
    button it sits on stays lit. */
class LockButton : public CustomImageButton
{
public:
    LockButton();
    ~LockButton() override;

    void setInteractive (bool shouldBeInteractive) noexcept { interactive = shouldBeInteractive; }
    bool isInteractive() const noexcept                     { return interactive; }
    void setLit (bool shouldBeLit);
    bool isLit() const noexcept                             { return lit; }

    /** Locked: the locked-and-hovered picture while hovered, pressed or lit, else locked. Unlocked:
        the locked picture while pressed, the hovered one while hovered or lit, else unlocked. */
    juce::Image getCurrentImage() const override;

    /** Whether it takes the mouse; also the hover flag of the section button it sits on. */
    bool hitTest (int x, int y) override;

    void mouseEnter (const juce::MouseEvent& e) override;
    void mouseExit (const juce::MouseEvent& e) override;
    void mouseUp (const juce::MouseEvent& e) override;

private:
    bool interactive = true;
    bool lit = false;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (LockButton)
};
