#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

class MainWindow;

/** The component that carries the main effect panel inside the scrolling content view. */
class ContentComp : public juce::Component
{
public:
    explicit ContentComp (MainWindow& owner);
    ~ContentComp() override;

    void addChild (juce::Component* component);

    void resized() override;
    void mouseMove (const juce::MouseEvent&) override;
    void mouseDown (const juce::MouseEvent&) override;

private:
    MainWindow& owner;
    juce::Array<juce::Component*> children;
    juce::TooltipWindow tooltipWindow { this };

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ContentComp)
};
