// The Export, Import and Settings panels without a display: their controls' places and items, the
// values in and out, the drive shown, the focus ring, the colour preview; and what OK and closing
// do with the window's choices.

#include "app/MenuComponent.h"
#include "app/PanelAnswers.h"
#include "JuceTestPrinters.h"
#include "TestEnums.h"

#include <gtest/gtest.h>

namespace
{
using R = juce::Rectangle<int>;
constexpr auto exportPanel = PanelKind::exportPanel, importPanel = PanelKind::importPanel,
               settingsPanel = PanelKind::settingsPanel;

void pump (int milliseconds)
{
    juce::MessageManager::getInstance()->runDispatchLoopUntil (milliseconds);
}

std::vector<CardDrive> twoDrives()
{
    return { { juce::File ("/media/user/CARD_A"), "CARD_A" }, { juce::File ("/run/media/user/B"), "B" } };
}

struct RecordingListener : juce::Button::Listener
{
    void buttonClicked (juce::Button* b) override { clicked.push_back (b->getCommandID()); }
    std::vector<int> clicked;
};

struct RecordingPreview : MenuComponent::ColourPreview
{
    void previewBodyColorMode (BodyColorMode mode) override { modes.push_back (mode); }
    std::vector<BodyColorMode> modes;
};

juce::StringArray itemsOf (const juce::ComboBox& combo)
{
    juce::StringArray items;
    for (int i = 0; i < combo.getNumItems(); ++i)
        items.add (combo.getItemText (i) + "=" + juce::String (combo.getItemId (i)));
    return items;
}
} // namespace

TEST (MenuComponent, EachKindPlacesItsControlsAndListsItsItems)
{
    RecordingListener window;
    const auto drives = twoDrives();

    for (auto kind : { exportPanel, importPanel })
    {
        SCOPED_TRACE ((int) kind);
        MenuComponent panel (&window, kind, drives);
        EXPECT_EQ (panel.getBounds(), R (0, 0, 430, 237));
        EXPECT_EQ (panel.getOkButton().getBounds(), R (242, 185, 84, 28));
        EXPECT_EQ (panel.getCancelButton().getBounds(), R (322, 185, 84, 28));
        EXPECT_EQ (panel.getOkButton().getCommandID(), (int) kind);
        EXPECT_EQ (panel.getCancelButton().getCommandID(), -1);
        EXPECT_EQ (panel.getCheckBox (1)->getBounds(), R (170, 58, 136, 16));
        EXPECT_EQ (panel.getCheckBox (2)->getBounds(), R (170, 80, 116, 16));
        EXPECT_EQ (panel.getCheckBox (3), nullptr);
        EXPECT_EQ (panel.getComboBox (1)->getBounds(), R (158, 137, 76, 21));
        EXPECT_EQ (panel.getComboBox (2), nullptr);
        EXPECT_EQ (itemsOf (*panel.getComboBox (1)), juce::StringArray ({ "CARD_A=1", "B=2" }));
        EXPECT_TRUE (panel.getOkButton().isEnabled());
    }

    MenuComponent settings (&window, settingsPanel);
    EXPECT_EQ (settings.getBounds(), R (0, 0, 530, 246));
    EXPECT_EQ (settings.getOkButton().getBounds(), R (342, 196, 84, 28));
    EXPECT_EQ (settings.getCancelButton().getBounds(), R (422, 196, 84, 28));
    EXPECT_EQ (settings.getOkButton().getCommandID(), 2);
    EXPECT_EQ (settings.getCheckBox (1)->getBounds(), R (20, 36, 280, 16));
    EXPECT_EQ (settings.getCheckBox (2)->getBounds(), R (20, 58, 267, 16));
    EXPECT_EQ (settings.getCheckBox (3)->getBounds(), R (20, 80, 399, 16));
    EXPECT_EQ (settings.getComboBox (1)->getBounds(), R (41, 134, 131, 21));
    EXPECT_EQ (settings.getComboBox (2)->getBounds(), R (41, 198, 131, 21));
    EXPECT_EQ (itemsOf (*settings.getComboBox (1)), juce::StringArray ({ "Auto=1", "Black=2", "White=3", "Platinum=4" }));
    ASSERT_EQ (settings.getComboBox (2)->getNumItems(), 12);
    EXPECT_EQ (settings.getComboBox (2)->getItemText (11), juce::String::fromUTF8 (u8"日本語"));

    // OK and CANCEL report to the window.
    settings.getOkButton().triggerClick();
    settings.getCancelButton().triggerClick();
    pump (30);
    EXPECT_EQ (window.clicked, std::vector<int> ({ 2, -1 }));
}

TEST (MenuComponent, ValuesGoInSilentlyAndComeBackOutWithTheDriveByItsMountPoint)
{
    RecordingListener window;
    RecordingPreview preview;

    MenuComponent settings (&window, settingsPanel, {}, &preview);
    const PanelValues chosen { true, false, true, 3, 11 };
    settings.setValues (chosen);
    EXPECT_EQ (settings.getValues(), chosen);
    EXPECT_EQ (settings.getComboBox (1)->getText(), "Platinum");
    pump (30);
    EXPECT_TRUE (preview.modes.empty()) << "loading values previews nothing";
    EXPECT_TRUE (window.clicked.empty());

    // -1 selects nothing, which reads back as the first item.
    settings.setValues ({ false, false, false, -1, -1 });
    EXPECT_TRUE (settings.getComboBox (1)->getText().isEmpty());
    EXPECT_EQ (settings.getValues(), PanelValues ({ false, false, false, 0, 0 }));

    // The card panels select the remembered drive; one that is gone, or none remembered, shows the
    // first drive, and that is the drive the values then name.
    const auto drives = twoDrives();
    MenuComponent card (&window, exportPanel, drives);
    struct Case { juce::File remembered; juce::String shown; int item; };
    for (const auto& c : { Case { drives[1].mountPoint, "B", 1 }, Case { juce::File ("/media/user/GONE"), "CARD_A", 0 },
                           Case { juce::File(), "CARD_A", 0 } })
    {
        PanelValues in { false, true };
        in.cardDrive = c.remembered;
        card.setValues (in);
        EXPECT_EQ (card.getComboBox (1)->getText(), c.shown) << c.remembered.getFullPathName();
        const auto out = card.getValues();
        EXPECT_EQ (out.combo1, c.item);
        EXPECT_EQ (out.cardDrive, drives[(size_t) c.item].mountPoint);
        EXPECT_FALSE (out.box1);
        EXPECT_TRUE (out.box2);
    }

    // No drive: nothing shown, no drive named, OK disabled.
    MenuComponent empty (&window, importPanel);
    PanelValues in;
    in.cardDrive = drives[0].mountPoint;
    empty.setValues (in);
    EXPECT_TRUE (empty.getComboBox (1)->getText().isEmpty());
    EXPECT_EQ (empty.getValues().cardDrive, juce::File());
    EXPECT_FALSE (empty.getOkButton().isEnabled());
}

TEST (MenuComponent, TheFocusRingSkipsADisabledOkAndStartsAtTheFirstBoxFromOutside)
{
    RecordingListener window;
    MenuComponent settings (&window, settingsPanel);
    const juce::Array<juce::Component*> settingsRing { settings.getCheckBox (1), settings.getCheckBox (2), settings.getCheckBox (3),
                                                       settings.getComboBox (1), settings.getComboBox (2),
                                                       &settings.getOkButton(), &settings.getCancelButton() };
    EXPECT_EQ (settings.getFocusRing(), settingsRing);

    for (int i = 0; i < settingsRing.size(); ++i)
    {
        EXPECT_EQ (settings.getRingNeighbour (settingsRing[i], true), settingsRing[(i + 1) % 7]) << i;
        EXPECT_EQ (settings.getRingNeighbour (settingsRing[i], false), settingsRing[(i + 6) % 7]) << i;
    }

    juce::Component elsewhere;
    for (auto* from : { static_cast<juce::Component*> (nullptr), &elsewhere, static_cast<juce::Component*> (&settings) })
        for (bool forward : { true, false })
            EXPECT_EQ (settings.getRingNeighbour (from, forward), settings.getCheckBox (1));

    MenuComponent noDrive (&window, exportPanel);
    const juce::Array<juce::Component*> cardRing { noDrive.getCheckBox (1), noDrive.getCheckBox (2), noDrive.getComboBox (1),
                                                   &noDrive.getCancelButton() };
    EXPECT_EQ (noDrive.getFocusRing(), cardRing);
    EXPECT_EQ (noDrive.getRingNeighbour (noDrive.getComboBox (1), true), &noDrive.getCancelButton());
    EXPECT_EQ (noDrive.getRingNeighbour (noDrive.getCheckBox (1), false), &noDrive.getCancelButton());
}

TEST (MenuComponent, EscapeAndBackspaceCancelAndOnlyTheColourComboPreviews)
{
    RecordingListener window;
    RecordingPreview preview;
    MenuComponent settings (&window, settingsPanel, {}, &preview);

    EXPECT_TRUE (settings.keyPressed (juce::KeyPress (juce::KeyPress::escapeKey)));
    EXPECT_TRUE (settings.keyPressed (juce::KeyPress (juce::KeyPress::backspaceKey)));
    EXPECT_FALSE (settings.keyPressed (juce::KeyPress (juce::KeyPress::F4Key))) << "command keys go on to the window";
    EXPECT_FALSE (settings.keyPressed (juce::KeyPress (juce::KeyPress::spaceKey))) << "no check box has the focus";
    pump (30);
    EXPECT_EQ (window.clicked, std::vector<int> ({ -1, -1 }));

    for (int item : { 2, 0, 3, 1 })
        settings.getComboBox (1)->setSelectedItemIndex (item, juce::sendNotificationSync);
    settings.getComboBox (2)->setSelectedItemIndex (5, juce::sendNotificationSync);
    EXPECT_EQ (preview.modes, std::vector<BodyColorMode> ({ BodyColorMode::white, BodyColorMode::followUnit,
                                                            BodyColorMode::platinum, BodyColorMode::black }));
    EXPECT_EQ (&settings.getComboBox (2)->getLookAndFeel(), &settings.getComboBox (1)->getLookAndFeel())
        << "both combo boxes keep the panel's look after a change";
}

//==============================================================================
namespace
{
/** The window as the panels' answers see it: its choices, what it was asked, in order. */
struct FakeWindow : OverlayPanels::Host, PanelAnswers::Host
{
    std::vector<CardDrive> drives = twoDrives();
    StoredSettings choices;
    juce::File cardDrive;
    BodyColor colour = BodyColor::black;
    juce::StringArray log;
    juce::Component view;
    RecordingListener buttons;
    OverlayPanels* panels = nullptr;
    PanelAnswers* answers = nullptr;

    std::unique_ptr<OverlayPanel> createPanel (PanelKind kind) override
    {
        return std::make_unique<MenuComponent> (&buttons, kind, kind == settingsPanel ? std::vector<CardDrive>() : drives);
    }

    PanelValues getPanelValues (PanelKind kind) override
    {
        auto values = PanelValues::forPanel (kind, choices);
        values.cardDrive = cardDrive;
        return values;
    }

    void showPanel (juce::Component& panel) override    { view.addAndMakeVisible (panel); }
    // As the window does: the Settings panel closing may have a preview to undo.
    void hidePanel (juce::Component& panel) override
    {
        if (&panel == panels->get (settingsPanel))
            answers->panelClosing (settingsPanel);

        view.removeChildComponent (&panel);
        log.add ("closed");
    }

    void takePanelValues (PanelKind kind, const PanelValues& values) override
    {
        values.storeInto (kind, choices);
        if (kind != settingsPanel)
            cardDrive = values.cardDrive;
    }

    void setBodyColor (BodyColor c) override            { colour = c; log.add ("colour " + juce::String ((int) c)); }

    void applyBodyColorMode() override
    {
        // No unit: a mode that follows it leaves the colour alone.
        if (const auto fixed = fixedColorOf (choices.bodyColorMode))
            setBodyColor (*fixed);
        log.add ("apply");
    }

    void exportToCard() override                        { log.add ("export"); }
    void importFromCard() override                      { log.add ("import"); }
    void showAlert (UserMessage m, AlertKind k) override { log.add ("alert " + juce::String ((int) m) + " " + juce::String ((int) k)); }

    juce::StringArray take() { auto l = log; log.clear(); return l; }
};

struct PanelAnswersTest : ::testing::Test
{
    FakeWindow window;
    OverlayPanels panels { window };
    PanelAnswers answers { panels, window };

    PanelAnswersTest()
    {
        window.panels = &panels;
        window.answers = &answers;
    }

    MenuComponent& open (PanelKind kind)
    {
        if (kind == settingsPanel)
            answers.settingsOpening (window.colour);

        panels.toggle (kind);
        window.take();
        return *static_cast<MenuComponent*> (panels.get (kind));
    }

    juce::String alert (UserMessage m) { return "alert " + juce::String ((int) m) + " " + juce::String ((int) AlertKind::warning); }
};
} // namespace

TEST_F (PanelAnswersTest, CardOkWithNothingTickedWarnsKeepsThePanelAndStoresWhatItRead)
{
    for (auto kind : { exportPanel, importPanel })
    {
        SCOPED_TRACE ((int) kind);
        auto& panel = open (kind);
        panel.getCheckBox (1)->setToggleState (false, juce::dontSendNotification);
        panel.getCheckBox (2)->setToggleState (false, juce::dontSendNotification);
        panel.getComboBox (1)->setSelectedItemIndex (1, juce::dontSendNotification);

        answers.ok (kind);
        EXPECT_EQ (window.take(), juce::StringArray ({ alert (kind == exportPanel ? UserMessage::selectExportData
                                                                                   : UserMessage::selectImportData) }));
        EXPECT_EQ (panels.get (kind), &panel);
        EXPECT_FALSE (kind == exportPanel ? window.choices.exportEffects : window.choices.importEffects);
        EXPECT_EQ (window.cardDrive, window.drives[1].mountPoint);

        // Something ticked: the panel goes first, then the transfer runs on the drive shown.
        panel.getCheckBox (2)->setToggleState (true, juce::dontSendNotification);
        answers.ok (kind);
        EXPECT_EQ (window.take(), juce::StringArray ({ "closed", kind == exportPanel ? "export" : "import" }));
        EXPECT_EQ (panels.get (kind), nullptr);
        EXPECT_TRUE (kind == exportPanel ? window.choices.exportSamples : window.choices.importSamples);
    }

    // The other panel's choices were never touched by the first.
    EXPECT_TRUE (window.choices.exportSamples);
    EXPECT_FALSE (window.choices.importEffects);
}

TEST_F (PanelAnswersTest, SettingsOkStoresAndAppliesTheModeAndLanguageWithoutUndoingThePreview)
{
    window.colour = BodyColor::platinum;
    auto& panel = open (settingsPanel);
    panel.setValues ({ true, false, false, 2, 11 });

    answers.ok (settingsPanel);
    EXPECT_EQ (window.take(), juce::StringArray ({ "colour 1", "apply", "closed" }));
    EXPECT_EQ (window.choices.bodyColorMode, BodyColorMode::white);
    EXPECT_EQ (window.choices.language, UiLanguage::japanese);
    EXPECT_TRUE (window.choices.effectBrowserAtStartup);
    EXPECT_FALSE (window.choices.restoreDocument);
    EXPECT_FALSE (window.choices.restoreWindows);

    // OK of a panel that is not open does nothing.
    answers.ok (settingsPanel);
    answers.ok (exportPanel);
    EXPECT_TRUE (window.take().isEmpty());
}

TEST_F (PanelAnswersTest, SettingsClosedWithoutOkPutsBackTheColourFromBeforeEvenWhenFollowingNoUnit)
{
    // "Auto" and no unit: applying the mode alone would leave the previewed colour on.
    window.colour = BodyColor::platinum;
    window.choices.bodyColorMode = BodyColorMode::followUnit;

    for (int way = 0; way < 3; ++way)
    {
        SCOPED_TRACE (way);
        open (settingsPanel);
        window.setBodyColor (BodyColor::white);     // the preview
        window.take();

        if (way == 0)
            panels.closeAll();                      // CANCEL, Escape, a click outside
        else if (way == 1)
            panels.toggle (settingsPanel);          // F7 again
        else
            panels.toggle (exportPanel);            // another panel's command

        auto log = window.take();
        EXPECT_EQ (log[0], "colour 2");
        EXPECT_EQ (log[1], "apply");
        EXPECT_EQ (window.colour, BodyColor::platinum);
        EXPECT_EQ (window.choices.bodyColorMode, BodyColorMode::followUnit);
        panels.closeAll();
    }

    // Other panels closing touch no colour.
    open (importPanel);
    panels.closeAll();
    EXPECT_EQ (window.take(), juce::StringArray ({ "closed" }));
}
