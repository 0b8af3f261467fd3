#pragma once

#include "app/OverlayPanels.h"
#include "core/BodyColor.h"
#include "core/UserMessage.h"

#include <optional>

/** What OK of the Export, Import and Settings panels does, and how the Settings panel's colour
    preview is undone when it closes any other way.

    OK stores the panel's values as the window's choices first. Export and Import then close the
    panel and run the transfer when something is ticked, and otherwise warn and leave the panel open.
    Settings applies the body-colour mode and the language and closes.

    The Settings panel shows a picked body colour at once. Closed without OK (CANCEL, Escape, a click
    outside it, another panel's command) it puts back the colour the program had when it opened,
    and applies the stored mode again, also when that mode follows a unit that is not there.
*/
class PanelAnswers
{
public:
    /** What the answers need of the main window. */
    class Host
    {
    public:
        virtual ~Host() = default;

        /** Takes what a panel shows as the window's choices (and, for Export and Import, its drive). */
        virtual void takePanelValues (PanelKind kind, const PanelValues& values) = 0;

        virtual void setBodyColor (BodyColor color) = 0;
        virtual void applyBodyColorMode() = 0;

        virtual void exportToCard() = 0;
        virtual void importFromCard() = 0;

        virtual void showAlert (UserMessage message, AlertKind kind) = 0;
    };

    PanelAnswers (OverlayPanels& panels, Host& host);

    /** The Settings panel is about to open over the program drawn in this colour. */
    void settingsOpening (BodyColor colourNow);

    /** A panel is closing: the Settings panel closing without OK undoes its preview. */
    void panelClosing (PanelKind kind);

    /** OK of the open panel of that kind; nothing when that panel is not open. */
    void ok (PanelKind kind);

private:
    OverlayPanels& panels;
    Host& host;
    std::optional<BodyColor> colourBeforePreview;

    JUCE_DECLARE_NON_COPYABLE (PanelAnswers)
};
