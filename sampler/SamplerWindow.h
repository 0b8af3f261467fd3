#pragma once

#include "app/ApplicationCommandTargetBase.h"

#include <juce_gui_basics/juce_gui_basics.h>

/** The sampler window: a tool window in which the user arranges the 4 banks of 4 sample slots. It
    carries the program's commands, so every shortcut works from it.

    For now it holds its title, size, title bar, visibility and its place on the desktop; the slot
    tiles and their temporary sample files go into its content component.
*/
class SamplerWindow : public juce::DocumentWindow,
                      public ApplicationCommandTargetBase
{
public:
    static constexpr int windowWidth = 630, windowHeight = 550;
    static constexpr int titleBarHeight = 40;

    SamplerWindow();
    ~SamplerWindow() override;

    void setOwner (MainWindow* owner) noexcept          { mainWindow = owner; }

    /** The component inside the window that listens for command keys too. */
    juce::Component& getInnerComponent() noexcept       { return content; }

    /** Rebuilds the slots' temporary sample files from the current document; with reshow the window
        is shown afterwards. */
    void createTemporaryFiles (bool reshow);

    /** The prepared temporary file of a slot, or File() while the slot has none. */
    juce::File getTemporaryFile (int slotIndex) const;

    void closeButtonPressed() override;
    int getDesktopWindowStyleFlags() const override;

private:
    juce::Component content;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SamplerWindow)
};
