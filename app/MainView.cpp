#include "app/MainView.h"

#include "app/CommandTable.h"
#include "app/ContentLayout.h"
#include "app/ContentView.h"
#include "app/MainWindow.h"
#include "app/MenuView.h"

MainView::MainView (MainWindow& window, std::unique_ptr<ContentView> content, std::unique_ptr<MenuView> menu)
    : owner (window), contentView (std::move (content)), menuView (std::move (menu))
{
    mainWindow = &owner;

    // The strip goes on top: while a panel is open it covers the content and catches the clicks
    // that close the panel.
    addAndMakeVisible (*contentView);
    addAndMakeVisible (*menuView);

    contentView->setBounds (0, ContentLayout::menuViewHeight, ContentLayout::mainWidth,
                            ContentLayout::mainHeight - ContentLayout::menuViewHeight);
    menuView->setBounds (0, 0, ContentLayout::mainWidth, ContentLayout::menuViewHeight);
}

MainView::~MainView() = default;

void MainView::resized()
{
    // The layout follows the main window's size, not this component's.
    const int w = owner.getWidth();
    const int h = owner.getHeight();

    if (auto* comp = contentView->getViewedComponent())
        comp->setBounds (ContentLayout::contentCompSize (w, h).withPosition (comp->getPosition()));

    contentView->setBounds (ContentLayout::contentViewBounds (w, h));

    menuView->setSize (w, ContentLayout::menuViewHeightFor (h, menuView->isPanelOpen()));
    menuView->resized();
}

juce::StringArray MainView::getMenuBarNames()
{
    return CommandTable::menuBarNames();
}

juce::PopupMenu MainView::getMenuForIndex (int topLevelMenuIndex, const juce::String&)
{
    return CommandTable::menuForIndex (topLevelMenuIndex, owner.getCommandManager());
}

void MainView::menuItemSelected (int, int)
{
    // Every item is a command item: the command manager invokes it, nothing is left to do here.
}
