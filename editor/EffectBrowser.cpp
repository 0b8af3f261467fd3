#include "editor/EffectBrowser.h"

EffectBrowser::EffectBrowser()
    : ToolWindow ("Effect Browser", titleBarHeight)
{
    setLookAndFeel (&lookAndFeel);
    treeView.setSize (treeWidth, treeHeight);
    setContentNonOwned (&treeView, true);
    setSize (windowWidth, windowHeight);
}

EffectBrowser::~EffectBrowser()
{
    clearContentComponent();
    setLookAndFeel (nullptr);
}

void EffectBrowser::focusGained (FocusChangeType)
{
    // The window itself has nothing to type into: the keys belong to the tree.
    if (treeView.isShowing())
        treeView.grabKeyboardFocus();
}
