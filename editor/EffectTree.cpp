#include "editor/EffectTree.h"

#include "assets/EffectTreeText.h"
#include "editor/EffectTreeView.h"
#include "editor/bindings/PanelNames.h"

EffectTree::EffectTree (EffectTreeView& treeView)
    : view (treeView),
      document (parseTreeText()),
      root (*document)
{
    root.setOpen (true);
    view.setRootItem (&root);
    view.setIndentSize (indentSize);

    for (int i = 0; i < root.getNumSubItems(); ++i)
        root.getSubItem (i)->setOpen (true);

    selectItem (1, PanelNames::modelName);
}

EffectTree::~EffectTree()
{
    view.setRootItem (nullptr);
}

std::unique_ptr<juce::XmlElement> EffectTree::parseTreeText()
{
    // The text is built in and checked by the tests; should it ever fail to parse, the browser
    // shows an empty model rather than nothing at all.
    if (auto parsed = juce::parseXML (juce::String::fromUTF8 (EffectTreeText::text, (int) EffectTreeText::size())))
        return parsed;

    auto fallback = std::make_unique<juce::XmlElement> ("node");
    fallback->setAttribute ("name", PanelNames::modelName);
    return fallback;
}

void EffectTree::select (EffectItem& item)
{
    item.setSelected (true, true);
    view.scrollToKeepItemVisible (&item);
}

EffectItem* EffectTree::findRememberedSection()
{
    auto* section = root.findSubItem (sectionName);
    return section != nullptr && section->mightContainSubItems() ? section : nullptr;
}

bool EffectTree::selectItem (int level, const juce::String& name)
{
    if (level < 1 || level > 4)
        return false;

    currentLevel = level;

    if (level == 1)
    {
        sectionName.clear();

        if (root.getName() != name)
            return false;

        select (root);
        return true;
    }

    if (level == 2)
    {
        sectionName = name;
        auto* section = root.findSubItem (name);

        if (section == nullptr)
            return false;

        root.setOpen (true);
        select (*section);
        return true;
    }

    auto* section = findRememberedSection();

    if (section == nullptr)
        return false;

    if (level == 3)
    {
        auto* effect = section->findSubItem (name);

        if (effect == nullptr)
            return false;

        section->setOpen (true);
        select (*effect);
        return true;
    }

    auto* sampler = section->findSubItem (PanelNames::samplerEffectName);

    if (sampler == nullptr)
        return false;

    section->setOpen (true);
    sampler->setOpen (true);
    select (*sampler);

    auto* slot = sampler->findSubItem (name);

    if (slot == nullptr)
        return false;

    select (*slot);
    return true;
}
