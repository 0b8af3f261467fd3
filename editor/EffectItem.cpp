#include "editor/EffectItem.h"

#include "editor/EffectBrowserLookAndFeel.h"
#include "editor/EffectNavigator.h"
#include "editor/EffectTreeView.h"
#include "widgets/CustomLookAndFeel.h"

namespace
{
const juce::Colour nameShadow (8, 8, 8);
const juce::Colour selectedName (255, 255, 255);
const juce::Colour plainName (169, 169, 169);

constexpr int textX = 17;
constexpr int selectionY = -5;
} // namespace

EffectItem::EffectItem (const juce::XmlElement& element)
    : node (element)
{
    // The selection bar runs from the tree's left edge, under the indent and the open/close box.
    setDrawsInLeftMargin (true);
}

EffectItem::~EffectItem() = default;

juce::String EffectItem::getName() const
{
    return node.getStringAttribute ("name");
}

int EffectItem::getDepth() const noexcept
{
    int depth = 1;

    for (auto* p = getParentItem(); p != nullptr; p = p->getParentItem())
        ++depth;

    return depth;
}

void EffectItem::buildSubItems()
{
    if (getNumSubItems() > 0)
        return;

    for (auto* child : node.getChildIterator())
        addSubItem (new EffectItem (*child));
}

EffectItem* EffectItem::findSubItem (const juce::String& name)
{
    buildSubItems();

    for (int i = 0; i < getNumSubItems(); ++i)
        if (auto* item = dynamic_cast<EffectItem*> (getSubItem (i)); item != nullptr && item->getName() == name)
            return item;

    return nullptr;
}

void EffectItem::activate()
{
    auto* view = dynamic_cast<EffectTreeView*> (getOwnerView());
    auto* navigator = view != nullptr ? view->getNavigator() : nullptr;

    if (navigator == nullptr)
        return;

    const int index = getIndexInParent();
    navigator->focusPanel();

    switch (getDepth())
    {
        case 2:  navigator->showSection (index); break;
        case 3:  navigator->selectSectionEffect (getParentItem()->getIndexInParent(), index); break;
        case 4:  navigator->openSamplerSlot (index); break;
        default: navigator->resetSections(); break;
    }
}

//==============================================================================
bool EffectItem::mightContainSubItems()
{
    return node.getFirstChildElement() != nullptr;
}

juce::String EffectItem::getUniqueName() const
{
    return getName();
}

void EffectItem::itemOpennessChanged (bool isNowOpen)
{
    // Closing keeps the sub-items: opening again shows the same ones, selection and all.
    if (isNowOpen)
        buildSubItems();
}

void EffectItem::paintItem (juce::Graphics& g, int width, int height)
{
    g.setOpacity (1.0f);
    g.setFont (CustomLookAndFeel::skinFont (0.8f * (float) height));
    const auto name = getName();
    const int textWidth = width - textX;

    if (isSelected())
    {
        g.drawImageAt (EffectBrowserLookAndFeel::selectionImage(), -getItemPosition (false).getX(), selectionY);
        g.setColour (nameShadow);
        g.drawText (name, textX + 1, 1, textWidth, height, juce::Justification::centredLeft, true);
    }

    if (mightContainSubItems())
    {
        const auto icon = EffectBrowserLookAndFeel::nodeIconArea();
        g.drawImage (EffectBrowserLookAndFeel::nodeImage (getDepth(), isOpen()), 0, 2, icon.getWidth(), icon.getHeight(),
                     icon.getX(), icon.getY(), icon.getWidth(), icon.getHeight());
    }
    else
    {
        g.drawImageAt (EffectBrowserLookAndFeel::leafImage(), 4, 4);
    }

    g.setColour (isSelected() ? selectedName : plainName);
    g.drawText (name, textX, 0, textWidth, height, juce::Justification::centredLeft, true);
}

void EffectItem::itemDoubleClicked (const juce::MouseEvent&)
{
    activate();
}
