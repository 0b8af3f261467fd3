#include "app/PanelAnswers.h"

PanelAnswers::PanelAnswers (OverlayPanels& overlayPanels, Host& owner)
    : panels (overlayPanels), host (owner)
{
}

void PanelAnswers::settingsOpening (BodyColor colourNow)
{
    colourBeforePreview = colourNow;
}

void PanelAnswers::panelClosing (PanelKind kind)
{
    if (kind != PanelKind::settingsPanel || ! colourBeforePreview.has_value())
        return;

    // A mode that follows the unit leaves the colour alone when no unit answers, so the colour from
    // before the preview is put back first.
    const auto colour = *colourBeforePreview;
    colourBeforePreview.reset();
    host.setBodyColor (colour);
    host.applyBodyColorMode();
}

void PanelAnswers::ok (PanelKind kind)
{
    auto* panel = panels.get (kind);
    if (panel == nullptr)
        return;

    const auto values = panel->getValues();
    host.takePanelValues (kind, values);

    if (kind == PanelKind::settingsPanel)
    {
        // The chosen mode decides the colour now; nothing to undo on closing.
        colourBeforePreview.reset();
        host.applyBodyColorMode();
        panels.closeAll();
        return;
    }

    if (! values.box1 && ! values.box2)
    {
        host.showAlert (kind == PanelKind::exportPanel ? UserMessage::selectExportData : UserMessage::selectImportData,
                        AlertKind::warning);
        return;
    }

    // The panel goes before the transfer's progress window and messages come up.
    panels.closeAll();

    if (kind == PanelKind::exportPanel)
        host.exportToCard();
    else
        host.importFromCard();
}
