#pragma once

/** The three overlay panels. The value is also the identifier their OK button reports. */
enum class PanelKind
{
    exportPanel = 0,
    importPanel = 1,
    settingsPanel = 2
};

constexpr int numPanelKinds = 3;
