#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** The viewport below the top strip: it scrolls the content when the window is smaller than the panel. */
class ContentView : public juce::Viewport
{
public:
    /** Takes ownership of the content component. */
    explicit ContentView (juce::Component* contentComp);
    ~ContentView() override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ContentView)
};
