#pragma once

#include "widgets/Step2MenuButton.h"

/** A Scene effect button: one key of the Scene dial. Its caption goes into a rectangle the panel
    gives it, on up to two lines; keys on the dial's lower arc (twoLineCaption) light blue, the
    others red. */
class SceneMenuButton : public Step2MenuButton
{
public:
    explicit SceneMenuButton (const juce::String& name);

    void setTextRect (juce::Rectangle<int> area)            { textRect = area; repaint(); }
    juce::Rectangle<int> getTextRect() const noexcept       { return textRect; }
    void setTwoLineCaption (bool shouldBeTwoLine)           { twoLineCaption = shouldBeTwoLine; repaint(); }
    bool isTwoLineCaption() const noexcept                  { return twoLineCaption; }

    PanelSection getSection() const override    { return PanelSection::scene; }
    void paintButton (juce::Graphics& g, bool shouldDrawButtonAsHighlighted, bool shouldDrawButtonAsDown) override;

private:
    juce::Rectangle<int> textRect;
    bool twoLineCaption = false;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SceneMenuButton)
};
