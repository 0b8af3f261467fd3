#include "editor/BrowserPlacement.h"

#include "editor/bindings/PanelNames.h"

namespace
{
constexpr int insetFromMainWindow = 18;
constexpr int belowMainWindowTop = 170;
constexpr int systemTitleBarHeight = 32;
constexpr int displayMargin = 32;

/** The four corner pixels of an area: its last column and row belong to it, the edge beyond does not. */
std::array<juce::Point<int>, 4> cornersOf (juce::Rectangle<int> r)
{
    const auto right = r.getRight() - 1, bottom = r.getBottom() - 1;
    return { r.getTopLeft(), juce::Point<int> (right, r.getY()), juce::Point<int> (r.getX(), bottom), juce::Point<int> (right, bottom) };
}

bool hasCornerIn (juce::Rectangle<int> r, juce::Rectangle<int> area)
{
    if (r.isEmpty())
        return false;

    for (auto corner : cornersOf (r))
        if (area.contains (corner))
            return true;

    return false;
}

/** x (or y) moved just far enough that [x, x + size) lies in [low, high); the low end wins when it
    cannot. */
int keepInside (int position, int size, int low, int high)
{
    return juce::jmax (low, juce::jmin (position, high - size));
}
} // namespace

std::optional<juce::Rectangle<int>> BrowserPlacement::placeBesideMainWindow() const
{
    if (! windowVisible || samplerDrivesBreadcrumb || ! hasCornerIn (window, mainWindow))
        return std::nullopt;

    // ISOLATE FX and X-PAD FX take the panel's left side: the window goes to the right.
    const bool toTheRight = sectionStep == PanelNames::sectionName (0) || sectionStep == PanelNames::sectionName (3);
    const int x = toTheRight ? mainWindow.getRight() - window.getWidth() - insetFromMainWindow
                             : mainWindow.getX() + insetFromMainWindow;
    const int y = mainWindow.getY() + belowMainWindowTop - (mainWindowHasSystemTitleBar ? systemTitleBarHeight : 0);
    const juce::Rectangle<int> beside (x, y, window.getWidth(), window.getHeight());

    for (auto area : displayAreas)
        if (hasCornerIn (beside, area.reduced (displayMargin)))
            return beside;

    if (displayAreas.isEmpty())
        return beside;

    // Off every display: kept on the display of the main window, inside its margins.
    auto area = displayAreas.getLast();

    for (auto candidate : displayAreas)
    {
        if (hasCornerIn (mainWindow, candidate))
        {
            area = candidate;
            break;
        }
    }

    area = area.reduced (displayMargin);
    return beside.withPosition (keepInside (x, beside.getWidth(), area.getX(), area.getRight()),
                                keepInside (y, beside.getHeight(), area.getY(), area.getBottom()));
}

void placeBesideMainWindow (juce::Component& window, const juce::ResizableWindow& mainWindow,
                            const juce::String& sectionStep, bool samplerDrivesBreadcrumb)
{
    BrowserPlacement placement;
    placement.window = window.getBounds();
    placement.mainWindow = mainWindow.getBounds();
    placement.windowVisible = window.isVisible();
    placement.samplerDrivesBreadcrumb = samplerDrivesBreadcrumb;
    placement.mainWindowHasSystemTitleBar = mainWindow.isUsingNativeTitleBar() && mainWindow.isOnDesktop();
    placement.sectionStep = sectionStep;

    for (const auto& display : juce::Desktop::getInstance().getDisplays().displays)
        placement.displayAreas.add (display.userArea);

    if (const auto bounds = placement.placeBesideMainWindow())
        window.setBounds (*bounds);
}
