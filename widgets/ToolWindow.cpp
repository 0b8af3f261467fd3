#include "widgets/ToolWindow.h"

ToolWindow::ToolWindow (const juce::String& title, int titleBarHeight)
    : juce::DocumentWindow (title, juce::Colour (230, 230, 230), juce::DocumentWindow::closeButton)
{
    setResizable (false, false);
    setTitleBarHeight (titleBarHeight);

    // Again, now that the style flags of this class apply: a tool window stays off the task bar.
    addToDesktop (getDesktopWindowStyleFlags());
}

ToolWindow::~ToolWindow() = default;

void ToolWindow::setStacking (juce::Component* window, const juce::Array<juce::Component*>& others)
{
    mainWindow = window;
    otherToolWindows.clear();

    for (auto* other : others)
        if (other != nullptr && other != this)
            otherToolWindows.add (other);
}

void ToolWindow::listenForKeys (juce::KeyPressMappingSet& keyMappings)
{
    addKeyListener (&keyMappings);
    getInnerComponent().addKeyListener (&keyMappings);
}

void ToolWindow::closeButtonPressed()
{
    if (auto* main = mainWindow.getComponent())
    {
        juce::Component* nextInFront = nullptr;

        for (auto& other : otherToolWindows)
        {
            if (other != nullptr && other->isVisible())
            {
                nextInFront = other.getComponent();
                break;
            }
        }

        if (nextInFront != nullptr)
        {
            nextInFront->toFront (true);
            main->toBehind (nextInFront);
        }
        else
        {
            main->toFront (true);
        }
    }

    setVisible (false);
}

int ToolWindow::getDesktopWindowStyleFlags() const
{
    return juce::DocumentWindow::getDesktopWindowStyleFlags() & ~juce::ComponentPeer::windowAppearsOnTaskbar;
}

//==============================================================================
juce::ApplicationCommandTarget* ToolWindow::getNextCommandTarget()
{
    return commandTarget;
}

void ToolWindow::getAllCommands (juce::Array<juce::CommandID>&)
{
    // None of its own: the command manager finds every command at the next target.
}

void ToolWindow::getCommandInfo (juce::CommandID, juce::ApplicationCommandInfo&)
{
}

bool ToolWindow::perform (const InvocationInfo&)
{
    return false;
}
