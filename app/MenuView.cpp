#include "app/MenuView.h"

#include "app/ContentLayout.h"
#include "app/MainWindow.h"

MenuView::MenuView (MainWindow& window)
    : owner (window)
{
}

MenuView::~MenuView() = default;

void MenuView::addPanel (juce::Component* component, int open)
{
    if (component == nullptr)
        return;

    children.addIfNotAlreadyThere (component);
    addAndMakeVisible (component);
    panelOpen = open;
    owner.layOutViews();
}

void MenuView::removePanel (juce::Component* component)
{
    children.removeFirstMatchingValue (component);
    removeChildComponent (component);
    panelOpen = 0;
    owner.layOutViews();
}

void MenuView::resized()
{
    const auto place = ContentLayout::menuPlacement (getWidth(), owner.isUsingNativeTitleBar());

    owner.getMenuButtons().setTopLeftPosition (place.menuStrip);
    owner.getLineBrowser().setTopLeftPosition (place.breadcrumb);

    if (auto* panel = owner.getOpenPanel (PanelKind::exportPanel))
        panel->setTopLeftPosition (place.exportPanel);

    if (auto* panel = owner.getOpenPanel (PanelKind::importPanel))
        panel->setTopLeftPosition (place.importPanel);

    if (auto* panel = owner.getOpenPanel (PanelKind::settingsPanel))
        panel->setTopLeftPosition (place.settingsPanel);
}

void MenuView::mouseDown (const juce::MouseEvent&)
{
    owner.closeMenus();
}
