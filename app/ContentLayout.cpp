#include "app/ContentLayout.h"

#include "editor/Body.h"

juce::Rectangle<int> ContentLayout::centredMainWindow (juce::Rectangle<int> workArea)
{
    return { workArea.getX() + workArea.getWidth() / 2 - mainWidth / 2,
             workArea.getY() + workArea.getHeight() / 2 - mainHeight / 2,
             mainWidth, mainHeight };
}

juce::Rectangle<int> ContentLayout::effectBrowserBesideRightEdge (juce::Rectangle<int> main,
                                                                 juce::Rectangle<int> browser)
{
    return browser.withPosition (main.getX() + main.getWidth() - browser.getWidth(),
                                 main.getY() + (main.getHeight() - browser.getHeight()) / 2);
}

juce::Rectangle<int> ContentLayout::contentCompSize (int windowWidth, int windowHeight)
{
    // Below 1015 the content keeps its narrowest width and the viewport scrolls.
    return { windowWidth >= 1015 ? windowWidth - 29 : 986, juce::jmax (548, windowHeight - 192) };
}

juce::Rectangle<int> ContentLayout::contentViewBounds (int windowWidth, int windowHeight)
{
    return { 0, menuViewHeight, windowWidth - 9, windowHeight - 172 };
}

ContentLayout::MenuPlacement ContentLayout::menuPlacement (int stripWidth, bool systemTitleBar)
{
    const int t = systemTitleBar ? 32 : 51;
    const int c = juce::jmax (0, (stripWidth - menuStripWidth) / 2);
    const int b = juce::jmax (0, (stripWidth - breadcrumbWidth) / 2);

    return { { c, 61 - t },
             { b, 138 - t },
             { c + 188, 136 - t },
             { c + 84, 136 - t },
             { c + 208, 126 - t } };
}

int ContentLayout::menuViewHeightFor (int windowHeight, bool panelOpen)
{
    return panelOpen ? windowHeight : menuViewHeight;
}

juce::Point<int> ContentLayout::panelPosition (int contentWidth, int contentHeight)
{
    return { (contentWidth - Body::centredWidth) / 2, (contentHeight - Body::centredHeight) / 2 };
}
