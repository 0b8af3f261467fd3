#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** The program's one command list: ids, names, categories and keys, and the menu bar built from them.
    The main view, the effect browser window and the sampler window all carry it. */
class CommandTable
{
public:
    enum CommandIds : int
    {
        load                = 0x2000,
        save                = 0x2001,
        settings            = 0x2002,
        undo                = 0x2100,
        redo                = 0x2101,
        sync                = 0x2102,
        importData          = 0x2103,
        exportData          = 0x2104,
        updateSetting       = 0x2105,
        effectBrowser       = 0x2106,
        loadDefaultSettings = 0x2107,
        launchMirocrate     = 0x2108,
        version             = 0x2200,
        manual              = 0x2201,
        firstManual         = 0x2210    // one per language, 0x2210..0x221B
    };

    static constexpr int numCommands = 26;

    /** Every id in the order the command manager registers them. */
    static juce::Array<juce::CommandID> allCommands();

    /** Name, empty description, category, default key and no flags; false for an id not in the list. */
    static bool getCommandInfo (juce::CommandID id, juce::ApplicationCommandInfo& result);

    static juce::StringArray menuBarNames();

    /** File, Edit and Help; the items are the commands themselves, so they show their keys. */
    static juce::PopupMenu menuForIndex (int topLevelMenuIndex, juce::ApplicationCommandManager& commands);
};
