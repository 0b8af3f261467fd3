#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

class MainWindow;

/** The main window's top strip: it holds the menu strip and the breadcrumb bar, and hosts the
    overlay panels. While a panel is open the strip covers the whole window, so that a click anywhere
    outside the panel reaches it and closes the panel. */
class MenuView : public juce::Component
{
public:
    explicit MenuView (MainWindow& owner);
    ~MenuView() override;

    /** Adds a child; a non-zero panelOpen marks it as an overlay panel. */
    void addPanel (juce::Component* component, int panelOpen);
    void removePanel (juce::Component* component);

    bool isPanelOpen() const noexcept       { return panelOpen != 0; }

    void resized() override;
    void mouseDown (const juce::MouseEvent&) override;

private:
    MainWindow& owner;
    juce::Array<juce::Component*> children;
    int panelOpen = 0;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MenuView)
};
