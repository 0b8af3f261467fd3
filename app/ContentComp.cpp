#include "app/ContentComp.h"

#include "app/ContentLayout.h"
#include "app/MainWindow.h"
#include "editor/Body.h"

ContentComp::ContentComp (MainWindow& window)
    : owner (window)
{
}

ContentComp::~ContentComp() = default;

void ContentComp::addChild (juce::Component* component)
{
    if (component == nullptr)
        return;

    children.addIfNotAlreadyThere (component);
    addAndMakeVisible (component);
    resized();
}

void ContentComp::resized()
{
    owner.getBody().setTopLeftPosition (ContentLayout::panelPosition (getWidth(), getHeight()));
}

void ContentComp::mouseMove (const juce::MouseEvent& e)
{
    // Only a real move ends keyboard mode: windows also send moves when they appear or scroll.
    if (owner.getPointerState().noteMouseMove (e.getScreenPosition()))
        owner.getBody().setKeyboardMode (false);
}

void ContentComp::mouseDown (const juce::MouseEvent& e)
{
    auto& body = owner.getBody();
    body.mouseDown (e.getEventRelativeTo (&body));
}
