#pragma once

#include "editor/EffectItem.h"

class EffectTreeView;

/** The effect browser's tree, built from the tree text and shown in a tree view, and the level it
    mirrors: whenever the effect panel changes level, the breadcrumb bar passes the level and the name
    along it, and the item of that name is selected.

    The names of levels 3 and 4 are only unique inside their section (both SCENE FX and RELEASE FX
    have an "ECHO"), so the section chosen at level 2 is remembered and looked in.
*/
class EffectTree
{
public:
    static constexpr int indentSize = 17;

    /** Parses the tree text, gives the view its root item and the tree's indent, opens the model and
        every section, and selects the model (level 1). */
    explicit EffectTree (EffectTreeView& view);
    ~EffectTree();

    /** Mirrors the panel's level: the level becomes the current one, and the item of that name at
        that level (inside the remembered section from level 3 on) is selected, opened to and scrolled
        into view. Level 1 forgets the section, level 2 remembers it. False when no item matched (level
        4 with an unknown slot leaves "SAMPLER" selected). */
    bool selectItem (int level, const juce::String& name);

    /** The level last given to selectItem (1..4). */
    int getCurrentLevel() const noexcept                { return currentLevel; }

    /** The section chosen at level 2; empty after level 1. */
    const juce::String& getSectionName() const noexcept { return sectionName; }

    EffectItem& getRootItem() noexcept                  { return root; }

private:
    static std::unique_ptr<juce::XmlElement> parseTreeText();
    EffectItem* findRememberedSection();
    void select (EffectItem& item);

    EffectTreeView& view;
    const std::unique_ptr<juce::XmlElement> document;
    EffectItem root;
    int currentLevel = 1;
    juce::String sectionName;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (EffectTree)
};
