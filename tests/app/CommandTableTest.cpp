#include "app/ApplicationCommandTargetBase.h"
#include "app/CommandTable.h"
#include "JuceTestPrinters.h"

#include <gtest/gtest.h>

namespace
{
juce::ApplicationCommandInfo infoFor (juce::CommandID id)
{
    juce::ApplicationCommandInfo info (id);
    EXPECT_TRUE (CommandTable::getCommandInfo (id, info)) << id;
    return info;
}

/** The framework's quit command, as the application contributes it. */
struct QuitTarget : juce::ApplicationCommandTarget
{
    ApplicationCommandTarget* getNextCommandTarget() override { return nullptr; }
    void getAllCommands (juce::Array<juce::CommandID>& c) override { c.add (juce::StandardApplicationCommandIDs::quit); }
    void getCommandInfo (juce::CommandID, juce::ApplicationCommandInfo& r) override { r.setInfo ("Quit", {}, "Application", 0); }
    bool perform (const InvocationInfo&) override { return true; }
};

juce::Array<int> itemIds (const juce::PopupMenu& menu)
{
    juce::Array<int> ids;
    for (juce::PopupMenu::MenuItemIterator it (menu); it.next();)
        ids.add (it.getItem().itemID);
    return ids;
}
} // namespace

TEST (CommandTable, IdsNamesCategoriesAndKeys)
{
    const auto ids = CommandTable::allCommands();
    ASSERT_EQ (ids.size(), 26);
    EXPECT_EQ (ids[0], 0x2000);
    EXPECT_EQ (ids[3], 0x2100);
    EXPECT_EQ (ids[11], 0x2108);
    EXPECT_EQ (ids[12], 0x2200);
    EXPECT_EQ (ids[13], 0x2201);
    EXPECT_EQ (ids[14], 0x2210);
    EXPECT_EQ (ids[25], 0x221B);

    const auto load = infoFor (CommandTable::load);
    EXPECT_EQ (load.shortName, "Load");
    EXPECT_EQ (load.categoryName, "File");
    EXPECT_TRUE (load.description.isEmpty());
    EXPECT_EQ (load.flags, 0);
    ASSERT_EQ (load.defaultKeypresses.size(), 1);
    EXPECT_EQ (load.defaultKeypresses[0], juce::KeyPress ('o', juce::ModifierKeys::commandModifier, 0));

    // Import and Export sit in the Edit menu but belong to the File category.
    const auto importData = infoFor (CommandTable::importData);
    EXPECT_EQ (importData.shortName, "Import");
    EXPECT_EQ (importData.categoryName, "File");
    EXPECT_EQ (importData.defaultKeypresses[0], juce::KeyPress (juce::KeyPress::F3Key));

    EXPECT_EQ (infoFor (CommandTable::settings).defaultKeypresses[0], juce::KeyPress (juce::KeyPress::F7Key));
    EXPECT_EQ (infoFor (CommandTable::redo).defaultKeypresses[0], juce::KeyPress ('y', juce::ModifierKeys::commandModifier, 0));
    EXPECT_TRUE (infoFor (CommandTable::loadDefaultSettings).defaultKeypresses.isEmpty());
    EXPECT_EQ (infoFor (CommandTable::launchMirocrate).shortName, "Launch mirocrate");

    const auto japanese = infoFor (CommandTable::firstManual + 11);
    EXPECT_EQ (japanese.shortName, juce::String::fromUTF8 ("\xe6\x97\xa5\xe6\x9c\xac\xe8\xaa\x9e"));
    EXPECT_EQ (japanese.categoryName, "Help");

    juce::ApplicationCommandInfo unknown (0x2109);
    EXPECT_FALSE (CommandTable::getCommandInfo (0x2109, unknown));
    EXPECT_FALSE (CommandTable::getCommandInfo (CommandTable::firstManual + 12, unknown));
}

TEST (CommandTable, MenuBarShowsEveryCommandButManual)
{
    juce::ApplicationCommandManager manager;
    ApplicationCommandTargetBase target;
    QuitTarget quit;
    manager.registerAllCommandsForTarget (&target);
    manager.registerAllCommandsForTarget (&quit);

    EXPECT_EQ (CommandTable::menuBarNames(), juce::StringArray ("File", "Edit", "Help"));

    const auto file = CommandTable::menuForIndex (0, manager);
    EXPECT_EQ (itemIds (file), juce::Array<int> ({ 0x2000, 0x2001, 0x2002, 0, juce::StandardApplicationCommandIDs::quit }));

    EXPECT_EQ (itemIds (CommandTable::menuForIndex (1, manager)),
               juce::Array<int> ({ 0x2100, 0x2101, 0x2102, 0x2103, 0x2104, 0x2105, 0x2106, 0x2107, 0x2108 }));

    const auto help = CommandTable::menuForIndex (2, manager);
    juce::PopupMenu::MenuItemIterator it (help);
    ASSERT_TRUE (it.next());
    EXPECT_EQ (it.getItem().itemID, 0x2200);
    ASSERT_TRUE (it.next());
    EXPECT_EQ (it.getItem().text, "Manual");
    ASSERT_NE (it.getItem().subMenu, nullptr);
    const auto manuals = itemIds (*it.getItem().subMenu);
    ASSERT_EQ (manuals.size(), 12);
    EXPECT_EQ (manuals.getFirst(), 0x2210);
    EXPECT_EQ (manuals.getLast(), 0x221B);
    EXPECT_FALSE (it.next());

    // Without a main window no command runs.
    EXPECT_FALSE (target.perform (juce::ApplicationCommandTarget::InvocationInfo (CommandTable::effectBrowser)));
}
