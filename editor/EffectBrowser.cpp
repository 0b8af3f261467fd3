#include "editor/EffectBrowser.h"

EffectBrowser::EffectBrowser()
    : ToolWindow ("Effect Browser", titleBarHeight)
{
    tree.setSize (treeWidth, treeHeight);
    setContentNonOwned (&tree, true);
    setSize (windowWidth, windowHeight);
}

EffectBrowser::~EffectBrowser()
{
    clearContentComponent();
}
