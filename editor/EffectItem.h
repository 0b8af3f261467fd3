#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** One item of the effect browser's tree, over its own copy of one `node` element of the tree text:
    the model, a section, an effect or a sampler slot. Its sub-items are made from the element's
    children the first time it opens.

    Double-clicking it, or Return on it, opens its level in the effect panel (activate()).
*/
class EffectItem : public juce::TreeViewItem
{
public:
    static constexpr int itemHeight = 16;

    explicit EffectItem (const juce::XmlElement& node);
    ~EffectItem() override;

    /** The item's name (the element's `name`). */
    juce::String getName() const;

    /** The first sub-item named so, or null. The sub-items are made first if they are not yet. */
    EffectItem* findSubItem (const juce::String& name);

    /** 1 for the model, 2 for a section, 3 for an effect, 4 for a slot. */
    int getDepth() const noexcept;

    /** Opens the item's level in the panel: the panel takes the keyboard, then shows the section,
        opens the effect (from outside its section, with its default focus) or the sampler slot; the
        model resets the panel to its first level. Nothing without a panel to ask. */
    void activate();

    //==============================================================================
    bool mightContainSubItems() override;
    juce::String getUniqueName() const override;
    void itemOpennessChanged (bool isNowOpen) override;
    int getItemWidth() const override       { return -1; }
    int getItemHeight() const override      { return itemHeight; }
    void paintItem (juce::Graphics& g, int width, int height) override;
    void itemDoubleClicked (const juce::MouseEvent&) override;

private:
    void buildSubItems();

    const juce::XmlElement node;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (EffectItem)
};
