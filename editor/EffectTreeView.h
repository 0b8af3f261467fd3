#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

class EffectNavigator;

/** The effect browser's tree view. Return opens the selected item's level in the effect panel;
    every other key is the tree's own (arrows walk and fold it). It is the component of the browser
    that holds the keyboard. */
class EffectTreeView : public juce::TreeView
{
public:
    EffectTreeView();
    ~EffectTreeView() override;

    /** The panel the items open their levels in; null leaves them without one. */
    void setNavigator (EffectNavigator* newNavigator) noexcept  { navigator = newNavigator; }
    EffectNavigator* getNavigator() const noexcept              { return navigator; }

    bool keyPressed (const juce::KeyPress& key) override;

private:
    EffectNavigator* navigator = nullptr;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (EffectTreeView)
};
