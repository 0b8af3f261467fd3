#include "editor/EffectBrowserLookAndFeel.h"
#include "editor/EffectTree.h"
#include "editor/EffectTreeView.h"
#include "FakeNavigator.h"
#include "JuceTestPrinters.h"

#include <gtest/gtest.h>

namespace
{
struct EffectTreeTest : ::testing::Test
{
    EffectTreeView view;
    EffectTree tree { view };
    FakeNavigator navigator;

    void SetUp() override
    {
        view.setSize (175, 449);
        view.setNavigator (&navigator);
    }

    EffectItem* selected() const { return dynamic_cast<EffectItem*> (view.getSelectedItem (0)); }

    /** The selected item's path from the model down, "QZT-7200/SCENE FX/ECHO". */
    juce::String selectedPath() const
    {
        juce::StringArray names;
        for (auto* item = view.getSelectedItem (0); item != nullptr; item = item->getParentItem())
            names.insert (0, dynamic_cast<EffectItem*> (item)->getName());
        return view.getNumSelectedItems() == 1 ? names.joinIntoString ("/") : juce::String (view.getNumSelectedItems()) + " selected";
    }

    EffectItem& itemAt (std::initializer_list<const char*> path)
    {
        auto* item = &tree.getRootItem();
        for (auto* name : path)
            item = item->findSubItem (name);
        return *item;
    }
};
} // namespace

TEST_F (EffectTreeTest, StartsWithTheModelSelectedAndEverySectionOpen)
{
    EXPECT_EQ (selectedPath(), "QZT-7200");
    EXPECT_EQ (tree.getCurrentLevel(), 1);
    EXPECT_EQ (view.getIndentSize(), 17);
    EXPECT_TRUE (tree.getRootItem().isOpen());
    ASSERT_EQ (tree.getRootItem().getNumSubItems(), 4);

    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE (tree.getRootItem().getSubItem (i)->isOpen()) << i;

    // SAMPLER stays closed until a slot is asked for: the tree fits the window without scrolling.
    EXPECT_FALSE (itemAt ({ "X-PAD FX", "SAMPLER" }).isOpen());
    EXPECT_LE (view.getViewport()->getViewedComponent()->getHeight(), 449);
}

TEST_F (EffectTreeTest, SelectsTheMirrorItemAtEachLevel)
{
    // Level 2 remembers the section; the two "ECHO" items are told apart only by it.
    EXPECT_TRUE (tree.selectItem (2, "SCENE FX"));
    EXPECT_EQ (selectedPath(), "QZT-7200/SCENE FX");
    EXPECT_TRUE (tree.selectItem (3, "ECHO"));
    EXPECT_EQ (selectedPath(), "QZT-7200/SCENE FX/ECHO");
    EXPECT_EQ (selected()->getIndexInParent(), 1);

    EXPECT_TRUE (tree.selectItem (2, "RELEASE FX"));
    EXPECT_TRUE (tree.selectItem (3, "ECHO"));
    EXPECT_EQ (selectedPath(), "QZT-7200/RELEASE FX/ECHO");

    // One-line names with single blanks find their items.
    EXPECT_TRUE (tree.selectItem (2, "SCENE FX"));
    EXPECT_TRUE (tree.selectItem (3, "REVERB UP"));
    EXPECT_EQ (selected()->getIndexInParent(), 4);

    // Level 4 opens the section and SAMPLER on the way to the slot.
    itemAt ({ "X-PAD FX" }).setOpen (false);
    EXPECT_TRUE (tree.selectItem (2, "X-PAD FX"));
    EXPECT_TRUE (tree.selectItem (4, "BANK2-SLOT3"));
    EXPECT_EQ (selectedPath(), "QZT-7200/X-PAD FX/SAMPLER/BANK2-SLOT3");
    EXPECT_EQ (selected()->getIndexInParent(), 6);
    EXPECT_TRUE (itemAt ({ "X-PAD FX" }).isOpen());
    EXPECT_TRUE (itemAt ({ "X-PAD FX", "SAMPLER" }).isOpen());
    EXPECT_EQ (tree.getCurrentLevel(), 4);

    EXPECT_TRUE (tree.selectItem (1, "QZT-7200"));
    EXPECT_EQ (selectedPath(), "QZT-7200");
    EXPECT_TRUE (tree.getSectionName().isEmpty());
}

TEST_F (EffectTreeTest, ANameNotAtThatLevelSelectsNothingButTheLevelFollows)
{
    ASSERT_TRUE (tree.selectItem (2, "ISOLATE FX"));

    // An effect of another section, and a name written as the panel captions it.
    EXPECT_FALSE (tree.selectItem (3, "NOISE"));
    EXPECT_FALSE (tree.selectItem (3, "REVERB  UP"));
    EXPECT_EQ (selectedPath(), "QZT-7200/ISOLATE FX");
    EXPECT_EQ (tree.getCurrentLevel(), 3);

    EXPECT_FALSE (tree.selectItem (2, "EFFECTS"));
    EXPECT_EQ (tree.getCurrentLevel(), 2);
    EXPECT_FALSE (tree.selectItem (1, "QZT-7300"));

    // Level 1 forgets the section: level 3 then has nowhere to look.
    EXPECT_TRUE (tree.selectItem (1, "QZT-7200"));
    EXPECT_FALSE (tree.selectItem (3, "ISOLATOR"));
    EXPECT_EQ (selectedPath(), "QZT-7200");

    // A slot that SAMPLER does not hold leaves SAMPLER selected; without SAMPLER in the section
    // nothing changes.
    ASSERT_TRUE (tree.selectItem (2, "X-PAD FX"));
    EXPECT_FALSE (tree.selectItem (4, "BANK5-SLOT1"));
    EXPECT_EQ (selectedPath(), "QZT-7200/X-PAD FX/SAMPLER");
    ASSERT_TRUE (tree.selectItem (2, "SCENE FX"));
    EXPECT_FALSE (tree.selectItem (4, "BANK1-SLOT1"));
    EXPECT_EQ (selectedPath(), "QZT-7200/SCENE FX");
}

TEST_F (EffectTreeTest, ActivatingAnItemOpensItsLevelInThePanel)
{
    tree.getRootItem().activate();
    EXPECT_EQ (navigator.take(), "focusPanel, resetSections");

    itemAt ({ "RELEASE FX" }).activate();
    EXPECT_EQ (navigator.take(), "focusPanel, showSection 2");

    itemAt ({ "SCENE FX", "ECHO" }).activate();
    itemAt ({ "RELEASE FX", "ECHO" }).activate();
    EXPECT_EQ (navigator.take(), "focusPanel, selectSectionEffect 1 1, focusPanel, selectSectionEffect 2 1");

    itemAt ({ "X-PAD FX", "SAMPLER" }).activate();
    EXPECT_EQ (navigator.take(), "focusPanel, selectSectionEffect 3 2");

    itemAt ({ "X-PAD FX", "SAMPLER", "BANK2-SLOT3" }).activate();
    itemAt ({ "X-PAD FX", "SAMPLER", "BANK4-SLOT4" }).activate();
    EXPECT_EQ (navigator.take(), "focusPanel, openSamplerSlot 6, focusPanel, openSamplerSlot 15");

    // Without a panel to ask, nothing happens.
    view.setNavigator (nullptr);
    itemAt ({ "ISOLATE FX" }).activate();
    EXPECT_TRUE (navigator.calls.isEmpty());
}

TEST_F (EffectTreeTest, ReturnActivatesTheSelectedItemAndOtherKeysWalkTheTree)
{
    ASSERT_TRUE (tree.selectItem (2, "SCENE FX"));
    ASSERT_TRUE (tree.selectItem (3, "BPF ECHO"));

    EXPECT_TRUE (view.keyPressed (juce::KeyPress (juce::KeyPress::downKey)));
    EXPECT_EQ (selectedPath(), "QZT-7200/SCENE FX/ECHO");
    EXPECT_TRUE (navigator.calls.isEmpty());

    EXPECT_TRUE (view.keyPressed (juce::KeyPress (juce::KeyPress::returnKey)));
    EXPECT_EQ (navigator.take(), "focusPanel, selectSectionEffect 1 1");

    // Return does not fold the item as the plain tree would.
    ASSERT_TRUE (tree.selectItem (2, "ISOLATE FX"));
    EXPECT_TRUE (view.keyPressed (juce::KeyPress (juce::KeyPress::returnKey)));
    EXPECT_TRUE (itemAt ({ "ISOLATE FX" }).isOpen());
    EXPECT_EQ (navigator.take(), "focusPanel, showSection 0");

    view.clearSelectedItems();
    EXPECT_FALSE (view.keyPressed (juce::KeyPress (juce::KeyPress::returnKey)));
    EXPECT_FALSE (view.keyPressed (juce::KeyPress ('s', juce::ModifierKeys::commandModifier, 0)));
}

TEST_F (EffectTreeTest, TheSelectedItemIsBarredFromTheTreesLeftEdge)
{
    EffectBrowserLookAndFeel lookAndFeel;
    view.setLookAndFeel (&lookAndFeel);
    ASSERT_TRUE (tree.selectItem (2, "SCENE FX"));
    ASSERT_TRUE (tree.selectItem (3, "CRUSH ECHO"));

    // The tree lays its rows out on the message loop.
    juce::MessageManager::getInstance()->runDispatchLoopUntil (20);
    const auto image = view.createComponentSnapshot (view.getLocalBounds());
    const auto row = selected()->getItemPosition (true);
    const auto bar = EffectBrowserLookAndFeel::selectionImage();
    view.setLookAndFeel (nullptr);

    // The bar begins at the tree's left edge, not at the item's indent, and only on its own row.
    const auto barColour = bar.getPixelAt (10, 12);
    const auto drawn = image.getPixelAt (10, row.getY() + 7);
    EXPECT_LE (std::abs (drawn.getBlue() - barColour.getBlue()) + std::abs (drawn.getRed() - barColour.getRed()), 8);
    EXPECT_GT (barColour.getBlue(), 100);
    EXPECT_LT (image.getPixelAt (10, row.getY() - 8).getBlue(), 40);
    EXPECT_LT (image.getPixelAt (10, row.getBottom() + 8).getBlue(), 40);
}
