#include "app/ApplicationCommandTargetBase.h"

#include "app/CommandTable.h"
#include "app/MainWindow.h"

juce::ApplicationCommandTarget* ApplicationCommandTargetBase::getNextCommandTarget()
{
    return findFirstTargetParentComponent();
}

void ApplicationCommandTargetBase::getAllCommands (juce::Array<juce::CommandID>& commands)
{
    commands.addArray (CommandTable::allCommands());
}

void ApplicationCommandTargetBase::getCommandInfo (juce::CommandID commandID, juce::ApplicationCommandInfo& result)
{
    CommandTable::getCommandInfo (commandID, result);
}

bool ApplicationCommandTargetBase::perform (const InvocationInfo& info)
{
    return mainWindow != nullptr && mainWindow->performCommand (info.commandID);
}
