#include "app/OverlayPanels.h"
#include "TestEnums.h"

#include <gtest/gtest.h>

namespace
{
/** Writes down, in one list shared with the window, what happened to it. */
struct FakePanel : OverlayPanel
{
    FakePanel (PanelKind k, juce::StringArray& journal) : kind (k), log (journal) {}
    ~FakePanel() override   { log.add (name() + " deleted"); }

    juce::String name() const { return juce::String ((int) kind); }

    void setValues (const PanelValues& v) override
    {
        values = v;
        log.add (name() + " values " + juce::String ((int) v.box1) + juce::String ((int) v.box2)
                 + juce::String ((int) v.box3) + " " + juce::String (v.combo1) + " " + juce::String (v.combo2));
    }

    PanelValues getValues() const override  { return values; }
    void focusFirstCheckBox() override      { log.add (name() + " focus" + (getParentComponent() != nullptr ? "" : " while hidden")); }

    PanelKind kind;
    juce::StringArray& log;
    PanelValues values;
};

struct FakeWindow : OverlayPanels::Host
{
    juce::StringArray log;
    juce::Component view;       // stands in for the strip that hosts the panels
    StoredSettings choices;
    bool canBuild = true;

    std::unique_ptr<OverlayPanel> createPanel (PanelKind kind) override
    {
        log.add (juce::String ((int) kind) + (canBuild ? " created" : " not built"));
        return canBuild ? std::make_unique<FakePanel> (kind, log) : nullptr;
    }

    PanelValues getPanelValues (PanelKind kind) override   { return PanelValues::forPanel (kind, choices); }

    void showPanel (juce::Component& panel) override
    {
        view.addAndMakeVisible (panel);
        log.add (juce::String ((int) static_cast<FakePanel&> (panel).kind) + " shown");
    }

    void hidePanel (juce::Component& panel) override
    {
        view.removeChildComponent (&panel);
        log.add (juce::String ((int) static_cast<FakePanel&> (panel).kind) + " hidden");
    }

    juce::StringArray takeLog() { auto l = log; log.clear(); return l; }
};

using Log = juce::StringArray;
constexpr auto exportPanel = PanelKind::exportPanel, importPanel = PanelKind::importPanel,
               settingsPanel = PanelKind::settingsPanel;
} // namespace

TEST (OverlayPanels, EachCommandOpensItsPanelWithTheWindowsValuesAndClosesItAgain)
{
    FakeWindow window;
    OverlayPanels panels (window);
    window.choices.effectBrowserAtStartup = true;
    window.choices.restoreDocument = false;
    window.choices.restoreWindows = true;
    window.choices.bodyColorMode = BodyColorMode::platinum;
    window.choices.language = UiLanguage::japanese;

    // F7: built, loaded, shown, then focused; the values are in before it shows.
    panels.toggle (settingsPanel);
    EXPECT_EQ (window.takeLog(), Log ({ "2 created", "2 values 101 3 11", "2 shown", "2 focus" }));
    ASSERT_NE (panels.get (settingsPanel), nullptr);
    EXPECT_TRUE (panels.isAnyOpen());

    // F7 again closes it.
    panels.toggle (settingsPanel);
    EXPECT_EQ (window.takeLog(), Log ({ "2 hidden", "2 deleted" }));
    EXPECT_FALSE (panels.isAnyOpen());

    // F4 while Settings is open swaps it for Export, which shows the export choices.
    window.choices.exportEffects = false;
    window.choices.exportSamples = true;
    panels.toggle (settingsPanel);
    window.takeLog();
    panels.toggle (exportPanel);
    EXPECT_EQ (window.takeLog(), Log ({ "2 hidden", "2 deleted", "0 created", "0 values 010 -1 -1", "0 shown", "0 focus" }));
    EXPECT_EQ (panels.get (settingsPanel), nullptr);
    EXPECT_NE (panels.get (exportPanel), nullptr);

    // A panel that cannot be built: what was open still closes, nothing else opens.
    window.canBuild = false;
    panels.toggle (importPanel);
    EXPECT_EQ (window.takeLog(), Log ({ "0 hidden", "0 deleted", "1 not built" }));
    EXPECT_FALSE (panels.isAnyOpen());

    window.canBuild = true;
    panels.toggle (importPanel);
    window.takeLog();
    panels.closeAll();
    EXPECT_EQ (window.takeLog(), Log ({ "1 hidden", "1 deleted" }));
    panels.closeAll();
    EXPECT_TRUE (window.takeLog().isEmpty());
}

TEST (PanelValues, WhatAPanelShowsGoesBackToTheSameChoices)
{
    StoredSettings choices;
    choices.importEffects = false;
    choices.importSamples = true;
    choices.effectBrowserAtStartup = true;
    choices.bodyColorMode = BodyColorMode::white;
    choices.language = UiLanguage::dutch;

    // Unchanged values store back as the choices they came from, for each panel.
    for (auto kind : { exportPanel, importPanel, settingsPanel })
    {
        auto stored = choices;
        PanelValues::forPanel (kind, choices).storeInto (kind, stored);
        EXPECT_EQ (stored, choices) << (int) kind;
    }

    // Nothing selected reads as the first item; a language outside the twelve as English.
    auto stored = choices;
    PanelValues { false, false, false, -1, 40 }.storeInto (settingsPanel, stored);
    EXPECT_EQ (stored.bodyColorMode, BodyColorMode::followUnit);
    EXPECT_EQ (stored.language, UiLanguage::english);
    EXPECT_FALSE (stored.effectBrowserAtStartup);
    EXPECT_FALSE (stored.importEffects) << "the Settings panel leaves the import choices alone";
}
