#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <optional>

/** Where a tool window goes when it covers the main window: beside the section the effect panel has
    open, so that the window never hides what the user works on.

    The window moves only when one of its corners lies inside the main window. It then goes 170 px
    below the main window's top (32 less when the system draws the main window's title bar), 18 px in
    from the main window's right edge while ISOLATE FX or X-PAD FX is open (they sit on the left of
    the panel), else 18 px in from its left edge. Where that spot has no corner in any display (each
    taken 32 px in from its edges), the window is kept inside the display that holds the main window
    instead, whole where it fits.
*/
struct BrowserPlacement
{
    juce::Rectangle<int> window;            // the tool window's bounds on the desktop
    juce::Rectangle<int> mainWindow;
    bool windowVisible = true;
    bool samplerDrivesBreadcrumb = false;   // the sampler window is showing its own path meanwhile
    bool mainWindowHasSystemTitleBar = false;
    juce::String sectionStep;               // the breadcrumb's section step as it shows, empty when hidden
    juce::Array<juce::Rectangle<int>> displayAreas;     // the displays' user areas, in the system's order

    /** The window's new bounds, or nothing when it stays where it is. */
    std::optional<juce::Rectangle<int>> placeBesideMainWindow() const;
};

/** Moves a tool window beside the main window when it covers it (see BrowserPlacement), over the
    displays the desktop has now. */
void placeBesideMainWindow (juce::Component& window, const juce::ResizableWindow& mainWindow,
                            const juce::String& sectionStep, bool samplerDrivesBreadcrumb);
