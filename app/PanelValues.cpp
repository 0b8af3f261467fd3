#include "app/PanelValues.h"

#include "app/LocalisedText.h"

#include <algorithm>

PanelValues PanelValues::forPanel (PanelKind kind, const StoredSettings& s)
{
    switch (kind)
    {
        case PanelKind::exportPanel:    return { s.exportEffects, s.exportSamples, false, -1, -1 };
        case PanelKind::importPanel:    return { s.importEffects, s.importSamples, false, -1, -1 };
        case PanelKind::settingsPanel:
            return { s.effectBrowserAtStartup, s.restoreDocument, s.restoreWindows,
                     static_cast<int> (s.bodyColorMode), uiLanguageIndex (s.language) };
    }

    return {};
}

void PanelValues::storeInto (PanelKind kind, StoredSettings& s) const
{
    switch (kind)
    {
        case PanelKind::exportPanel:
            s.exportEffects = box1;
            s.exportSamples = box2;
            break;

        case PanelKind::importPanel:
            s.importEffects = box1;
            s.importSamples = box2;
            break;

        case PanelKind::settingsPanel:
            s.effectBrowserAtStartup = box1;
            s.restoreDocument = box2;
            s.restoreWindows = box3;
            s.bodyColorMode = bodyColorModeFromInt (std::max (0, combo1));
            s.language = clampUiLanguage (std::max (0, combo2));
            break;
    }
}
