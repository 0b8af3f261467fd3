#include "editor/EffectTreeView.h"

#include "editor/EffectItem.h"

EffectTreeView::EffectTreeView()
    : juce::TreeView ("Effect tree")
{
}

EffectTreeView::~EffectTreeView() = default;

bool EffectTreeView::keyPressed (const juce::KeyPress& key)
{
    if (key == juce::KeyPress::returnKey && getNumSelectedItems() > 0)
    {
        if (auto* item = dynamic_cast<EffectItem*> (getSelectedItem (0)))
        {
            item->activate();
            return true;
        }
    }

    return juce::TreeView::keyPressed (key);
}
