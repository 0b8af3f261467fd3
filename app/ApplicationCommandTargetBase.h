#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

class MainWindow;

/** The program's command target: every command of the command table, with its name and keys, and
    every handler acting on the main window. The main view carries it; the tool windows forward their
    commands to it. The class that carries it sets the main-window pointer. */
class ApplicationCommandTargetBase : public juce::ApplicationCommandTarget
{
public:
    juce::ApplicationCommandTarget* getNextCommandTarget() override;
    void getAllCommands (juce::Array<juce::CommandID>& commands) override;
    void getCommandInfo (juce::CommandID commandID, juce::ApplicationCommandInfo& result) override;
    bool perform (const InvocationInfo& info) override;

protected:
    MainWindow* mainWindow = nullptr;
};
