#pragma once

#include "widgets/ToolWindow.h"

/** The effect browser: a small tool window beside the main window that shows the unit's effect
    hierarchy as a tree.

    For now it holds its title, size, title bar, visibility and its place on the desktop; the tree
    goes into its content component.
*/
class EffectBrowser : public ToolWindow
{
public:
    static constexpr int windowWidth = 177, windowHeight = 467;
    static constexpr int titleBarHeight = 16;
    static constexpr int treeWidth = 175, treeHeight = 449;

    EffectBrowser();
    ~EffectBrowser() override;

    juce::Component& getInnerComponent() noexcept override     { return tree; }

private:
    juce::Component tree;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (EffectBrowser)
};
