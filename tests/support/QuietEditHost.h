#pragma once

#include "core/EditController.h"

/** The window side of an edit controller with nothing to place, refresh, rebuild or show, for tests and
    benchmarks that drive commits alone. Commits are sent over a link only while syncOn is set. */
struct QuietEditHost : EditControllerHost
{
    bool syncOn = false;

    bool isSyncOn() override                            { return syncOn; }
    void placeEffectBrowser() override                  {}
    void refreshPanel() override                        {}
    void rebuildSamplerFiles() override                 {}
    void showAlert (UserMessage, AlertKind) override    {}
    void showVersion (const juce::String&) override     {}
};
