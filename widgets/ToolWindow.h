#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** A small window that works beside the main window: the effect browser and the sampler window.

    It has a close button only and stays off the task bar. It carries none of the program's commands
    itself: it forwards them to the command target its owner injects (the main window's), and it
    listens for the program's key mappings, so every shortcut works from it as from the main window.
    Closing it hands the front to another tool window that shows, with the main window right behind
    that one, or else to the main window.
*/
class ToolWindow : public juce::DocumentWindow,
                   public juce::ApplicationCommandTarget
{
public:
    /** A hidden, non-resizable window on the desktop, with this class's style flags. */
    ToolWindow (const juce::String& title, int titleBarHeight);
    ~ToolWindow() override;

    /** The windows that closing this one brings forward: the main window, and the other tool windows
        in the order they are preferred. Either may be left out. */
    void setStacking (juce::Component* mainWindow, const juce::Array<juce::Component*>& otherToolWindows);

    /** Where the program's commands go; null leaves this window without commands. */
    void setCommandTarget (juce::ApplicationCommandTarget* target) noexcept  { commandTarget = target; }

    /** Lets the key mappings see every key pressed in this window and in its inner component. The
        mappings must outlive the window. */
    void listenForKeys (juce::KeyPressMappingSet& keyMappings);

    /** The component inside the window that listens for command keys too. */
    virtual juce::Component& getInnerComponent() noexcept = 0;

    //==============================================================================
    void closeButtonPressed() override;
    int getDesktopWindowStyleFlags() const override;

    juce::ApplicationCommandTarget* getNextCommandTarget() override;
    void getAllCommands (juce::Array<juce::CommandID>&) override;
    void getCommandInfo (juce::CommandID, juce::ApplicationCommandInfo&) override;
    bool perform (const InvocationInfo&) override;

private:
    juce::Component::SafePointer<juce::Component> mainWindow;
    juce::Array<juce::Component::SafePointer<juce::Component>> otherToolWindows;
    juce::ApplicationCommandTarget* commandTarget = nullptr;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ToolWindow)
};
