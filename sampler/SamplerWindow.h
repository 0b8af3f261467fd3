#pragma once

#include "widgets/ToolWindow.h"

/** The sampler window: a tool window in which the user arranges the 4 banks of 4 sample slots.

    For now it holds its title, size, title bar, visibility and its place on the desktop; the slot
    tiles and their temporary sample files go into its content component.
*/
class SamplerWindow : public ToolWindow
{
public:
    static constexpr int windowWidth = 630, windowHeight = 550;
    static constexpr int titleBarHeight = 40;

    SamplerWindow();
    ~SamplerWindow() override;

    juce::Component& getInnerComponent() noexcept override     { return content; }

    /** Rebuilds the slots' temporary sample files from the current document; with reshow the window
        is shown afterwards. */
    void createTemporaryFiles (bool reshow);

    /** The prepared temporary file of a slot, or File() while the slot has none. */
    juce::File getTemporaryFile (int slotIndex) const;

private:
    juce::Component content;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SamplerWindow)
};
