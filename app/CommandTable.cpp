#include "app/CommandTable.h"

#include "app/InterfaceTexts.h"

#include <iterator>

namespace
{
enum class Category { file, edit, help };
enum class Key { none, ctrlO, ctrlS, ctrlZ, ctrlY, f2, f3, f4, f5, f6, f7, f8 };

struct Command
{
    int id;
    MenuName name;
    Category category;
    Key key;
};

constexpr Command commands[] = {
    { CommandTable::load,                MenuName::load,                Category::file, Key::ctrlO },
    { CommandTable::save,                MenuName::save,                Category::file, Key::ctrlS },
    { CommandTable::settings,            MenuName::settings,            Category::file, Key::f7 },
    { CommandTable::undo,                MenuName::undo,                Category::edit, Key::ctrlZ },
    { CommandTable::redo,                MenuName::redo,                Category::edit, Key::ctrlY },
    { CommandTable::sync,                MenuName::sync,                Category::edit, Key::f2 },
    { CommandTable::importData,          MenuName::importData,          Category::file, Key::f3 },
    { CommandTable::exportData,          MenuName::exportData,          Category::file, Key::f4 },
    { CommandTable::updateSetting,       MenuName::updateSetting,       Category::edit, Key::f5 },
    { CommandTable::effectBrowser,       MenuName::effectBrowser,       Category::edit, Key::f6 },
    { CommandTable::loadDefaultSettings, MenuName::loadDefaultSettings, Category::edit, Key::none },
    { CommandTable::launchMirocrate,     MenuName::launchMirocrate,     Category::edit, Key::f8 },
    { CommandTable::version,             MenuName::version,             Category::help, Key::none },
    { CommandTable::manual,              MenuName::manual,              Category::help, Key::none },
};

static_assert (std::size (commands) + numUiLanguages == CommandTable::numCommands);

juce::String categoryName (Category c)
{
    switch (c)
    {
        case Category::file: return menuText (MenuName::file)[UiLanguage::english];
        case Category::edit: return menuText (MenuName::edit)[UiLanguage::english];
        case Category::help: return menuText (MenuName::help)[UiLanguage::english];
    }
    return {};
}

juce::KeyPress keyPressFor (Key key)
{
    const auto ctrl = juce::ModifierKeys::commandModifier;

    switch (key)
    {
        case Key::none:  return {};
        case Key::ctrlO: return { 'o', ctrl, 0 };
        case Key::ctrlS: return { 's', ctrl, 0 };
        case Key::ctrlZ: return { 'z', ctrl, 0 };
        case Key::ctrlY: return { 'y', ctrl, 0 };
        case Key::f2:    return juce::KeyPress (juce::KeyPress::F2Key);
        case Key::f3:    return juce::KeyPress (juce::KeyPress::F3Key);
        case Key::f4:    return juce::KeyPress (juce::KeyPress::F4Key);
        case Key::f5:    return juce::KeyPress (juce::KeyPress::F5Key);
        case Key::f6:    return juce::KeyPress (juce::KeyPress::F6Key);
        case Key::f7:    return juce::KeyPress (juce::KeyPress::F7Key);
        case Key::f8:    return juce::KeyPress (juce::KeyPress::F8Key);
    }
    return {};
}
} // namespace

juce::Array<juce::CommandID> CommandTable::allCommands()
{
    juce::Array<juce::CommandID> ids;

    for (const auto& c : commands)
        ids.add (c.id);

    for (int language = 0; language < numUiLanguages; ++language)
        ids.add (firstManual + language);

    return ids;
}

bool CommandTable::getCommandInfo (juce::CommandID id, juce::ApplicationCommandInfo& result)
{
    if (id >= firstManual && id < firstManual + numUiLanguages)
    {
        result.setInfo (languageName (clampUiLanguage (id - firstManual)), {}, categoryName (Category::help), 0);
        return true;
    }

    for (const auto& c : commands)
    {
        if (c.id != id)
            continue;

        result.setInfo (menuText (c.name)[UiLanguage::english], {}, categoryName (c.category), 0);

        if (const auto key = keyPressFor (c.key); key.isValid())
            result.addDefaultKeypress (key.getKeyCode(), key.getModifiers());

        return true;
    }

    return false;
}

juce::StringArray CommandTable::menuBarNames()
{
    return { menuText (MenuName::file)[UiLanguage::english], menuText (MenuName::edit)[UiLanguage::english], menuText (MenuName::help)[UiLanguage::english] };
}

juce::PopupMenu CommandTable::menuForIndex (int topLevelMenuIndex, juce::ApplicationCommandManager& manager)
{
    juce::PopupMenu menu;

    switch (topLevelMenuIndex)
    {
        case 0:
            menu.addCommandItem (&manager, load);
            menu.addCommandItem (&manager, save);
            menu.addCommandItem (&manager, settings);
            menu.addSeparator();
            menu.addCommandItem (&manager, juce::StandardApplicationCommandIDs::quit, menuText (MenuName::quit)[UiLanguage::english]);
            break;

        case 1:
            for (int id = undo; id <= launchMirocrate; ++id)
                menu.addCommandItem (&manager, id);
            break;

        case 2:
        {
            menu.addCommandItem (&manager, version);

            juce::PopupMenu manuals;
            for (int language = 0; language < numUiLanguages; ++language)
                manuals.addCommandItem (&manager, firstManual + language);

            menu.addSubMenu (menuText (MenuName::manual)[UiLanguage::english], manuals);
            break;
        }

        default:
            break;
    }

    return menu;
}
