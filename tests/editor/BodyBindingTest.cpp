// The controls of the built panel against the binding tables, typed here from the panel's layout and
// tables: each control is found by its section, class and bounds, and must show the value of the
// document word that the record layout puts there, through the right label row.

#include "PanelTestSupport.h"

#include "core/ParameterTables.h"
#include "widgets/AnimComponent.h"
#include "widgets/AnimImageButton.h"
#include "widgets/ComboLabel.h"
#include "widgets/CustomMaskedImageComponent.h"
#include "widgets/DropTargetImage.h"
#include "widgets/LockButton.h"
#include "widgets/PopupSlider.h"
#include "widgets/ToggleImageButton.h"
#include "widgets/ValueCombo.h"
#include "widgets/ValueLabel.h"
#include "widgets/XPadPad.h"

using namespace paneltest;
using R = juce::Rectangle<int>;
using Cat = DocumentCategory;

namespace
{
using Row = typedtables::ValueRow;

struct PanelBindings : ::testing::TestWithParam<int>
{
    TestPanel panel;
    Body& body = panel.body;

    void SetUp() override
    {
        fillMarkers (*panel.current, GetParam());
        *panel.lastSent = *panel.current;
    }

    int32_t* word (Cat c, int effect, const juce::String& element) const
    {
        return panel.words() + wordOf (c, effect, indexOf (c, effect, element));
    }

    void show (PanelSection section, int effect)
    {
        body.setCurrentEffect (section, effect);
        body.refreshFromData();
    }

    /** A read-out and the combo box bound with it. */
    void expectPair (ComboLabel* label, ValueCombo* combo, Cat c, int effect, const Row& row,
                     const PanelControls::Arcs& labelArcs = {}, const PanelControls::Arcs& comboArcs = {})
    {
        ASSERT_TRUE (label != nullptr && combo != nullptr);
        auto* value = word (c, effect, row.element);
        const auto where = ::testing::Message() << "effect " << effect << " " << row.element << " (seed " << GetParam() << ")";

        EXPECT_EQ (label->getValuePointer(), value) << where;
        EXPECT_EQ (toInt (label->getKind()), row.readoutKind) << where;
        EXPECT_EQ (label->getText(), ParameterTables::valueLabelText (row.readoutKind, *value)) << where;
        EXPECT_EQ (combo->getValuePointer(), value) << where;
        EXPECT_EQ (toInt (combo->getKind()), row.comboKind) << where;
        EXPECT_EQ (combo->getText(), ParameterTables::valueLabelChoice (row.comboKind, *value)) << where;
        EXPECT_EQ (combo->getNumItems(), ParameterTables::numValueLabelChoices (row.comboKind)) << where;

        const auto* labelArc = row.arc >= 0 ? labelArcs[(size_t) row.arc] : nullptr;
        const auto* comboArc = row.arc >= 0 ? comboArcs[(size_t) row.arc] : nullptr;
        EXPECT_EQ (label->getIndicator(), labelArc) << where;
        EXPECT_EQ (combo->getIndicator(), comboArc) << where;
        EXPECT_EQ (label->isReverseArc(), row.lowerEnd) << where;
        EXPECT_EQ (combo->isReverseArc(), row.lowerEnd) << where;
    }
};
} // namespace

TEST_P (PanelBindings, Isolate)
{
    auto* overview = section (body, "ISOLATE FX", { 11, 97, 630, 260 });
    auto* overlay = section (body, {}, { 11, 97, 630, 350 });
    ASSERT_TRUE (overview != nullptr && overlay != nullptr);

    // Read-outs 1..6 (band values) and 7..8 (frequencies) of the overview; their combo boxes on the overlay.
    std::vector<ComboLabel*> labels;
    std::vector<ValueCombo*> combos;
    for (int x : { 136, 199, 264, 327, 392, 455 })
        labels.push_back (find<ComboLabel> (*overview, { x, 169, 43, 15 }));
    for (int x : { 132, 195, 260, 323, 388, 451 })
        combos.push_back (find<ValueCombo> (*overlay, { x, 166, 51, 32 }));
    labels.push_back (find<ComboLabel> (*overview, { 223, 203, 63, 14 }));
    labels.push_back (find<ComboLabel> (*overview, { 349, 203, 63, 14 }));
    combos.push_back (find<ValueCombo> (*overlay, { 217, 229, 91, 21 }));
    combos.push_back (find<ValueCombo> (*overlay, { 345, 229, 91, 21 }));

    PanelControls::Arcs overviewArcs, overlayArcs;
    for (int i = 0; i < 3; ++i)
    {
        overviewArcs[(size_t) i] = find<CustomMaskedImageComponent> (*overview, { 140 + 128 * i, 80, 97, 88 });
        overlayArcs[(size_t) i] = find<CustomMaskedImageComponent> (*overlay, { 140 + 128 * i, 80, 97, 88 });
    }

    auto* name = find<juce::Label> (*overview, { 31, 120, 101, 15 });
    auto* lock = find<LockButton> (*overview, { 472, 53, 52, 26 });
    auto* overlayLock = find<LockButton> (*overlay, { 472, 53, 52, 26 });
    ASSERT_TRUE (name != nullptr && lock != nullptr && overlayLock != nullptr);

    const auto& table = typedtables::isolateRows;
    const char* names[] { "ISOLATOR", "CUT/ADD", "TRANS/ROLL", "GATE/DRIVE" };

    for (int e = 0; e < 4; ++e)
    {
        const auto frequencyBefore = labels[6]->getValuePointer();
        show (PanelSection::isolate, e);

        for (size_t n = 0; n < table[e].size(); ++n)
            expectPair (labels[n], combos[n], Cat::isolate, e, table[e][n], overviewArcs, overlayArcs);

        // CUT/ADD and GATE/DRIVE have no frequencies: the frequency controls keep the effect before.
        if (table[e].size() == 6)
        {
            EXPECT_EQ (labels[6]->getValuePointer(), frequencyBefore) << names[e];
            EXPECT_EQ (combos[6]->getValuePointer(), frequencyBefore) << names[e];
        }

        EXPECT_EQ (name->getText(), names[e]);
        for (auto* arc : overviewArcs)
            EXPECT_EQ (arc->isEnabled(), e == 0);
        EXPECT_EQ (lock->getToggleState(), panel.current->isolateLock != 0);
        EXPECT_EQ (overlayLock->getToggleState(), panel.current->isolateLock != 0);
    }

    // At the lock's place in the key walk the section shows the effect last edited (the first here).
    show (PanelSection::isolate, 4);
    expectPair (labels[0], combos[0], Cat::isolate, 0, table[0][0], overviewArcs, overlayArcs);
}

TEST_P (PanelBindings, Scene)
{
    auto* s = section (body, "SCENE FX", { 370, 28, 550, 540 });
    ASSERT_TRUE (s != nullptr);

    const std::vector<ComboLabel*> labels {
        find<ComboLabel> (*s, { 339, 213, 72, 15 }), find<ComboLabel> (*s, { 114, 455, 86, 15 }), find<ComboLabel> (*s, { 348, 455, 86, 15 }),
        find<ComboLabel> (*s, { 61, 427, 60, 15 }), find<ComboLabel> (*s, { 61, 379, 60, 15 }),
        find<ComboLabel> (*s, { 191, 379, 60, 15 }), find<ComboLabel> (*s, { 191, 427, 60, 15 }) };
    const std::vector<ValueCombo*> combos {
        find<ValueCombo> (*s, { 333, 207, 100, 21 }), find<ValueCombo> (*s, { 108, 452, 114, 21 }), find<ValueCombo> (*s, { 342, 452, 114, 21 }),
        find<ValueCombo> (*s, { 69, 425, 58, 21 }), find<ValueCombo> (*s, { 69, 376, 58, 21 }),
        find<ValueCombo> (*s, { 185, 376, 58, 21 }), find<ValueCombo> (*s, { 185, 425, 58, 21 }) };
    auto* levelMin = find<ComboLabel> (*s, { 66, 458, 49, 14 });
    auto* levelMax = find<ComboLabel> (*s, { 197, 458, 64, 14 });
    auto* modulation = find<ToggleImageButton> (*s, { 289, 365, 108, 34 });
    auto* resonance = find<ToggleImageButton> (*s, { 385, 365, 108, 34 });
    auto* lock = find<LockButton> (*s, { 123, 192, 52, 26 });
    ASSERT_TRUE (levelMin != nullptr && levelMax != nullptr && modulation != nullptr && resonance != nullptr && lock != nullptr);

    // Centre, Sub1, Sub2 (with the selector at 0), echo times 1..4; Sub2 with the selector set.
    const Row times[4] = { { "Sub1EchoTime1Cb", 0, 0 }, { "Sub1EchoTime2Cb", 0, 0 }, { "Sub1EchoTime3Cb", 0, 0 }, { "Sub1EchoTime4Cb", 0, 0 } };
    const Row unnamedTimes[4] = { { "#2", 0, 0 }, { "#3", 0, 0 }, { "#4", 0, 0 }, { "#5", 0, 0 } };
    struct Column { std::vector<int> effects; Row rows[7]; Row selectedSub2; };
    const auto& t = times;
    const auto& u = unnamedTimes;
    const Column columns[] = {
        { { 0, 5, 6 }, { { "CenterFilterTypeCb", 1, 1 }, { "Sub1EchoFeedbackCb", 2, 2 }, { "Sub2ModTypeCb", 4, 4 }, t[0], t[1], t[2], t[3] },
          { "Sub2ResTypeCb", 5, 5 } },
        { { 1 }, { { "CenterFeedbackCb", 19, 19 }, { "#6", 2, 2 }, { "Sub2FilterTypeCb", 1, 1 }, { "Sub1EchoTime1Cb", 18, 18 },
                   { "Sub1EchoTime2Cb", 18, 18 }, { "Sub1EchoTime3Cb", 18, 18 }, { "Sub1EchoTime4Cb", 18, 18 } }, {} },
        { { 2 }, { { "CenterFilterTypeCb", 2, 2 }, { "#6", 2, 2 }, { "Sub2ModTypeCb", 4, 4 }, u[0], u[1], u[2], u[3] },
          { "Sub2ResTypeCb", 5, 5 } },
        { { 3, 8 }, { { "CenterSpiralTypeCb", 2, 2 }, { "#6", 2, 2 }, { "Sub2PitchTypeCb", 21, 21 }, t[0], t[1], t[2], t[3] }, {} },
        { { 4, 9 }, { { "CenterRoomSizeCb", 22, 22 }, { "Sub1ReverbTimeMaxCb", 9, 9 }, { "Sub2FilterTypeCb", 11, 24 },
                      { "Sub1ReverbTimeMaxCb", 0, 0 }, u[1], u[2], u[3] }, {} },
        { { 7 }, { { "CenterDepthCb", 2, 2 }, { "Sub1FeedbackCb", 2, 2 }, { "Sub2ModTypeCb", 4, 4 }, t[0], t[1], t[2], t[3] }, {} }
    };

    for (const auto& column : columns)
        for (int e : column.effects)
        {
            const bool selector = ! column.selectedSub2.element.isEmpty();
            const bool resonanceSelected = selector && panel.current->scene[e][9] != 0;
            const auto switchesBefore = std::pair { modulation->getToggleState(), resonance->getToggleState() };
            show (PanelSection::scene, e);

            for (int n = 0; n < 7; ++n)
                expectPair (labels[(size_t) n], combos[(size_t) n], Cat::scene, e,
                            n == 2 && resonanceSelected ? column.selectedSub2 : column.rows[n]);

            EXPECT_EQ (lock->getToggleState(), panel.current->sceneLock != 0);

            if (selector)
            {
                EXPECT_EQ (modulation->getToggleState(), ! resonanceSelected) << e;
                EXPECT_EQ (resonance->getToggleState(), resonanceSelected) << e;
            }
            else
            {
                EXPECT_EQ (std::pair (modulation->getToggleState(), resonance->getToggleState()), switchesBefore) << e;
            }

            // The level slider's captions belong to NOISE alone: other effects leave them on NOISE's values.
            if (e == 2)
            {
                EXPECT_EQ (levelMin->getValuePointer(), word (Cat::scene, 2, "Sub1MinSld"));
                EXPECT_EQ (toInt (levelMin->getKind()), 7);
                EXPECT_EQ (levelMax->getValuePointer(), word (Cat::scene, 2, "Sub1MaxSld"));
                EXPECT_EQ (toInt (levelMax->getKind()), 8);
            }
            else if (levelMin->getValuePointer() != nullptr)
            {
                EXPECT_EQ (levelMin->getValuePointer(), word (Cat::scene, 2, "Sub1MinSld")) << e;
            }
        }
}

TEST_P (PanelBindings, Release)
{
    auto* s = section (body, "RELEASE FX", { 328, 52, 622, 365 });
    ASSERT_TRUE (s != nullptr);

    const R labelAt[] { { 73, 175, 72, 15 }, { 73, 288, 72, 15 }, { 272, 175, 72, 15 }, { 401, 114, 72, 15 },
                        { 515, 217, 32, 15 }, { 515, 259, 32, 15 }, { 515, 301, 32, 15 } };
    const R comboAt[] { { 67, 172, 100, 21 }, { 67, 285, 100, 21 }, { 266, 172, 100, 21 }, { 395, 111, 100, 21 },
                        { 509, 214, 60, 21 }, { 509, 256, 60, 21 }, { 509, 298, 60, 21 } };

    // Isolate, X-PAD and Scene switches, feedback, three release times.
    const Row table[3][7] = {
        { { "IsolateCb", 6, 6 }, { "XpadCb", 6, 6 }, { "SceneCb", 6, 6 }, { "#4", 19, 19 }, { "Area0Cb", 26, 26 }, { "Area1Cb", 26, 26 }, { "Area2Cb", 26, 26 } },
        { { "IsolateCb", 6, 6 }, { "XpadCb", 6, 6 }, { "SceneCb", 6, 6 }, { "FeedbackCb", 19, 19 }, { "Area0Cb", 18, 18 }, { "Area1Cb", 23, 23 }, { "Area2Cb", 23, 23 } },
        { { "IsolateCb", 6, 6 }, { "XpadCb", 6, 6 }, { "SceneCb", 6, 6 }, { "#4", 19, 19 }, { "Area0Cb", 27, 27 }, { "Area1Cb", 27, 27 }, { "Area2Cb", 27, 27 } }
    };

    for (int e : { 0, 1, 2, 1 })
    {
        show (PanelSection::release, e);
        for (int n = 0; n < 7; ++n)
            expectPair (find<ComboLabel> (*s, labelAt[n]), find<ValueCombo> (*s, comboAt[n]), Cat::release, e, table[e][n]);
    }
}

TEST_P (PanelBindings, XPadControlsKeepTheirOwnRecordWhicheverEffectShows)
{
    auto* s = section (body, "X-PAD FX", { 0, 259, 580, 294 });
    auto* pads = section (body, {}, { 0, 179, 580, 374 });
    ASSERT_TRUE (s != nullptr && pads != nullptr);
    auto& d = *panel.current;
    const char* drums[] { "Kick", "Snare", "Clap", "Hihat" };
    const char* rows[] { "Gain", "Decay", "Envelope" };

    for (int shown = 0; shown < 5; ++shown)
    {
        show (PanelSection::xpad, shown);

        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 4; ++c)
                expectPair (find<ComboLabel> (*s, { 122 + 110 * c, 74 + 40 * r, 64, 14 }), find<ValueCombo> (*s, { 104 + 110 * c, 70 + 40 * r, 104, 21 }),
                            Cat::xpad, 1, { juce::String (drums[c]) + rows[r] + "Cb", 12 + r, 12 + r });

        auto* minus = find<PopupSlider> (*s, { 159, 119, 163, 51 });
        auto* plus = find<PopupSlider> (*s, { 258, 119, 163, 51 });
        ASSERT_TRUE (minus != nullptr && plus != nullptr);
        EXPECT_EQ (minus->getValuePointer(), word (Cat::xpad, 3, "MinusCb"));
        EXPECT_EQ (plus->getValuePointer(), word (Cat::xpad, 3, "PlusCb"));
        EXPECT_EQ (minus->getRow(), DbStepRow::pitchMinus);
        EXPECT_EQ ((int) minus->getSlider().getValue(), 11 - d.xpad[3].values[2]);
        EXPECT_EQ ((int) plus->getSlider().getValue(), d.xpad[3].values[3]);
        EXPECT_EQ (find<ValueLabel> (*s, { 218, 120, 44, 15 })->getText(), "-" + juce::String (d.xpad[3].values[2] + 1));
        EXPECT_EQ (find<ValueLabel> (*s, { 317, 120, 44, 15 })->getText(), "+" + juce::String (d.xpad[3].values[3] + 1));

        auto* pad = find<XPadPad> (*s, { 175, 88, 230, 56 });
        for (int i = 0; i < 5; ++i)
        {
            EXPECT_EQ (find<DropTargetImage> (*pads, { 182 + 44 * i, 176, 40, 40 })->getValuePointer(), word (Cat::xpad, 4, "Position" + juce::String (i)));
            EXPECT_EQ (pad->getBeatIndex (i), d.xpad[4].values[16 + i]);
        }

        const int roll = d.xpad[0].values[indexOf (Cat::xpad, 0, "RollBtn")];
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ (find<ToggleImageButton> (*s, { 118 + 116 * i, 102, 108, 34 })->getToggleState(), i == std::min (roll, 2));
    }
}

INSTANTIATE_TEST_SUITE_P (TwoFillsOfMarkers, PanelBindings, ::testing::Values (1, 2));
