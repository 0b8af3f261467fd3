#pragma once

#include "app/OverlayPanel.h"

#include <array>
#include <memory>

/** The Export, Import and Settings panels that drop down over the main window, at most one at a
    time. Their commands (F4, F3, F7) and the menu strip's buttons toggle them: the open panel's own
    command closes it; any other closes what is open and opens its panel.
*/
class OverlayPanels
{
public:
    /** What the toggles need of the window that shows the panels. */
    class Host
    {
    public:
        virtual ~Host() = default;

        /** A new panel of that kind whose buttons report to the window; null while that panel
            cannot be built. */
        virtual std::unique_ptr<OverlayPanel> createPanel (PanelKind kind) = 0;

        /** The window's choices that a panel of that kind opens with. */
        virtual PanelValues getPanelValues (PanelKind kind) = 0;

        /** Puts a panel over the window, or takes it away again. */
        virtual void showPanel (juce::Component& panel) = 0;
        virtual void hidePanel (juce::Component& panel) = 0;
    };

    explicit OverlayPanels (Host& host);

    /** Opens the panel of that kind, or closes every panel when that one is already open. Opening
        closes any other, builds the panel, loads the window's values into it, shows it and gives
        its first check box the keyboard focus. */
    void toggle (PanelKind kind);

    /** Closes and deletes every open panel. */
    void closeAll();

    /** The open panel of that kind, or null. */
    OverlayPanel* get (PanelKind kind) const noexcept;
    bool isAnyOpen() const noexcept;

private:
    Host& host;
    std::array<std::unique_ptr<OverlayPanel>, numPanelKinds> panels;

    JUCE_DECLARE_NON_COPYABLE (OverlayPanels)
};
