#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

class MainWindow;

/** The command target that the main view, the effect browser window and the sampler window share:
    the same commands, names and keys everywhere, and every handler acts on the main window. The
    class that carries it sets the main-window pointer. */
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
