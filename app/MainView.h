#pragma once

#include "app/ApplicationCommandTargetBase.h"

#include <juce_gui_basics/juce_gui_basics.h>

class ContentView;
class MenuView;

/** The main window's content: the top strip over the scrolling content view. It is also the menu
    bar's model and the command target of the main window. */
class MainView : public juce::Component,
                 public juce::MenuBarModel,
                 public ApplicationCommandTargetBase
{
public:
    /** Takes ownership of both views. */
    MainView (MainWindow& owner, std::unique_ptr<ContentView> contentView, std::unique_ptr<MenuView> menuView);
    ~MainView() override;

    void resized() override;

    juce::StringArray getMenuBarNames() override;
    juce::PopupMenu getMenuForIndex (int topLevelMenuIndex, const juce::String& menuName) override;
    void menuItemSelected (int menuItemID, int topLevelMenuIndex) override;

private:
    MainWindow& owner;
    std::unique_ptr<ContentView> contentView;
    std::unique_ptr<MenuView> menuView;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MainView)
};
