#pragma once

#include "app/ApplicationCommandTargetBase.h"

#include <juce_gui_basics/juce_gui_basics.h>

/** The effect browser: a small tool window beside the main window that shows the unit's effect
    hierarchy as a tree. It carries the program's commands, so every shortcut works from it.

    For now it holds its title, size, title bar, visibility and its place on the desktop; the tree
    goes into its content component.
*/
class EffectBrowser : public juce::DocumentWindow,
                      public ApplicationCommandTargetBase
{
public:
    static constexpr int windowWidth = 177, windowHeight = 467;
    static constexpr int titleBarHeight = 16;
    static constexpr int treeWidth = 175, treeHeight = 449;

    EffectBrowser();
    ~EffectBrowser() override;

    void setOwner (MainWindow* owner) noexcept          { mainWindow = owner; }

    /** The component inside the window that listens for command keys too. */
    juce::Component& getInnerComponent() noexcept       { return tree; }

    void closeButtonPressed() override;
    int getDesktopWindowStyleFlags() const override;

private:
    juce::Component tree;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (EffectBrowser)
};
