#pragma once

#include "widgets/CustomLookAndFeel.h"

#include <juce_graphics/juce_graphics.h>

/** Where the main window and its views put things, as plain arithmetic on the window's size. */
class ContentLayout
{
public:
    /** The main window's first size, which the skin's window background is drawn for. */
    static constexpr int mainWidth = CustomLookAndFeel::windowBackgroundWidth;
    static constexpr int mainHeight = CustomLookAndFeel::windowBackgroundHeight;
    static constexpr int minimumWidth = 740, minimumHeight = 643;
    static constexpr int maximumSize = 8192;
    static constexpr int titleBarHeight = 23, fullScreenTitleBarHeight = 26;

    static constexpr int menuViewHeight = 115;      // the top strip; the scrolling content starts below it
    static constexpr int menuStripWidth = 716;
    static constexpr int breadcrumbWidth = 703;

    /** The main window at its first size, centred in the work area of its display. */
    static juce::Rectangle<int> centredMainWindow (juce::Rectangle<int> workArea);

    /** The effect browser against the main window's right edge, vertically centred on it. */
    static juce::Rectangle<int> effectBrowserBesideRightEdge (juce::Rectangle<int> mainWindow,
                                                              juce::Rectangle<int> effectBrowser);

    /** The component that carries the effect panel, for a main window of this size. */
    static juce::Rectangle<int> contentCompSize (int windowWidth, int windowHeight);

    /** The viewport under the top strip. */
    static juce::Rectangle<int> contentViewBounds (int windowWidth, int windowHeight);

    /** Top-left corners inside the top strip. */
    struct MenuPlacement
    {
        juce::Point<int> menuStrip, breadcrumb, exportPanel, importPanel, settingsPanel;
    };

    /** stripWidth is the top strip's width; the offsets depend on how much of the window's top the
        title and menu bars take. */
    static MenuPlacement menuPlacement (int stripWidth, bool systemTitleBar);

    /** The top strip's height: just the strip, or the whole window while a panel is open, so that a
        click anywhere outside the panel reaches the strip (and closes the panel). */
    static int menuViewHeightFor (int windowHeight, bool panelOpen);

    /** The effect panel's top-left corner inside the content component. */
    static juce::Point<int> panelPosition (int contentWidth, int contentHeight);
};
