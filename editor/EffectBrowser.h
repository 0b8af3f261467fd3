#pragma once

#include "editor/EffectBrowserLookAndFeel.h"
#include "editor/EffectTree.h"
#include "editor/EffectTreeView.h"
#include "widgets/ToolWindow.h"

class EffectNavigator;

/** The effect browser: a small tool window beside the main window that shows the unit's effect
    hierarchy as a tree. Double-clicking an item, or Return on it, opens that level in the effect
    panel; whenever the panel changes level, the browser selects the item that mirrors it.
*/
class EffectBrowser : public ToolWindow
{
public:
    static constexpr int windowWidth = 177, windowHeight = 467;
    static constexpr int titleBarHeight = 16;
    static constexpr int treeWidth = 175, treeHeight = 449;

    EffectBrowser();
    ~EffectBrowser() override;

    /** The panel whose levels the items open; null leaves them without one. */
    void setNavigator (EffectNavigator* navigator) noexcept    { treeView.setNavigator (navigator); }

    /** Mirrors the panel's level (see EffectTree::selectItem); false when no item matched. */
    bool selectItem (int level, const juce::String& name)      { return tree.selectItem (level, name); }

    /** The level last given to selectItem: the panel's level (1..4). */
    int getCurrentLevel() const noexcept                        { return tree.getCurrentLevel(); }

    EffectTree& getTree() noexcept                              { return tree; }
    EffectTreeView& getTreeView() noexcept                      { return treeView; }

    /** The tree view: it holds the keyboard. */
    juce::Component& getInnerComponent() noexcept override     { return treeView; }

    void focusGained (FocusChangeType cause) override;

private:
    EffectBrowserLookAndFeel lookAndFeel;
    EffectTreeView treeView;
    EffectTree tree { treeView };

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (EffectBrowser)
};
