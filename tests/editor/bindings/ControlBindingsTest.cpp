#include "editor/bindings/ControlBindings.h"
#include "JuceTestPrinters.h"
#include "TypedPanelTables.h"

#include <gtest/gtest.h>
#include <set>
#include <vector>

using namespace ControlBindings;
using C = ControlId;

namespace
{
template <typename Effect>
int fx (Effect effect) { return static_cast<int> (effect); }

using typedtables::isolateRows;
using typedtables::wordOf;

const char* categoryElements[] = { "IsolateFx", "SceneFx", "ReleaseFx", "XpadFx" };
const std::vector<const char*> effectElements[] = {
    { "Isolator", "CutAdd", "TransRoll", "GateDrive" },
    { "BpfEcho", "Echo", "Noise", "SpiralUp", "ReverbUp", "HpfEcho", "LpfEcho", "CrushEcho", "SpiralDown", "ReverbDown" },
    { "VinylBrake", "Echo", "BackSpin" },
    { "Roll", "Osc", "Sampler", "Pitch", "Xpad" }
};

/** The record index of an element for an effect, from the document format's key tables. */
int indexOfElement (DocumentCategory category, int effect, const juce::String& element)
{
    const auto& keys = DocumentKeys::categories()[(int) category];
    for (int e = 0; e < keys.numEffects; ++e)
        for (int k = 0; k < keys.effects[e].numKeys; ++k)
            if (keys.effects[e].effectIndex == effect && element == keys.effects[e].keys[k].element)
                return keys.effects[e].keys[k].valueIndex;
    return -100;
}

constexpr int noKind = -1;  // buttons, thumbs and pitch controls show no row of the label table

/** One control for one effect. "#n" names a record index that no element carries, "Lock" the lock. */
struct Cell
{
    juce::String element;
    int kind;
    bool shown = true;
    int arc = ControlBinding::noArc;
    bool lowerEnd = true;
};

/** Each control's binding against the tables, on a document whose every word holds its own number
    (the Scene selectors too, so Sub2 shows the resonance type). */
class ControlBindingTables : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (int i = 0; i < (int) (sizeof (DeviceSettings) / 4); ++i)
            words[i] = i;
    }

    void expect (C control, int effect, const Cell& cell, int recordEffect = -1)
    {
        const auto section = ControlIds::sectionOf (control);
        recordEffect = recordEffect < 0 ? effect : recordEffect;
        const auto& element = cell.element;
        const auto category = juce::String (categoryElements[(int) section]) + "/";
        const int index = element == "Lock" ? -1 : element.startsWith ("#") ? element.substring (1).getIntValue()
                                                                            : indexOfElement (section, recordEffect, element);
        const auto path = element == "Lock" ? category + "Lock"
                                            : category + effectElements[(int) section][(size_t) recordEffect] + "/" + element;
        const auto where = ::testing::Message() << "control " << ControlIds::toInt (control) << ", effect " << effect
                                                << ", " << element.toStdString();
        const auto b = bindingFor (control, effect, *marked);

        ASSERT_EQ (b.use, cell.shown ? BindingUse::shown : BindingUse::hidden) << where;
        EXPECT_EQ (valueAt (*marked, b.address), wordOf (section, recordEffect, index)) << where;
        EXPECT_EQ (valuePointer (*marked, b.address), words + wordOf (section, recordEffect, index)) << where;
        EXPECT_TRUE (cell.kind == noKind || toInt (b.kind) == cell.kind) << where << ", kind " << toInt (b.kind);
        EXPECT_EQ (b.arc, cell.arc) << where;
        EXPECT_EQ (b.lowerEnd, cell.lowerEnd) << where;
        EXPECT_TRUE (element.startsWith ("#") || xmlKey (b.address) == path) << where << ", key " << xmlKey (b.address);
        checked.insert ({ ControlIds::toInt (control), effect });
    }

    void expectPair (C readout, C combo, int effect, Cell cell, int comboKind, int recordEffect = -1)
    {
        expect (readout, effect, cell, recordEffect);
        cell.kind = comboKind;
        expect (combo, effect, cell, recordEffect);
    }

    /** Every control and effect the tables did not name is left unbound. */
    void expectTheRestUnbound (DocumentCategory section, int numEffects)
    {
        for (int i = 0; i < ControlIds::count; ++i)
            for (int e = 0; e < numEffects; ++e)
                EXPECT_TRUE (ControlIds::sectionOf (ControlIds::fromInt (i)) != section || checked.count ({ i, e }) != 0
                             || ! bindingFor (ControlIds::fromInt (i), e, *marked).isBound()) << i << ", effect " << e;
    }

    std::unique_ptr<DeviceSettings> marked = createDeviceSettings();
    int32_t* words = reinterpret_cast<int32_t*> (marked.get());
    std::set<std::pair<int, int>> checked;
};
} // namespace

TEST_F (ControlBindingTables, Isolate)
{
    // Read-out kind / combo kind; read-outs 1..6 pair with combos 3..8, read-outs 7..8 with combos 1..2.
    const auto& table = isolateRows;
    const int comboOf[8] = { 3, 4, 5, 6, 7, 8, 1, 2 };

    for (int e = 0; e < 4; ++e)
    {
        for (size_t n = 0; n < table[e].size(); ++n)
        {
            const auto& r = table[e][n];
            expectPair (ControlIds::isolateReadout ((int) n + 1), ControlIds::isolateCombo (comboOf[n]), e,
                        { r.element, r.readoutKind, true, r.arc, r.lowerEnd }, r.comboKind);
        }
        expect (C::isolateLock, e, { "Lock", noKind });
        expect (C::isolatePanelLock, e, { "Lock", noKind });
        EXPECT_EQ (isolateHasFrequencies (e), table[e].size() == 8);
        EXPECT_EQ (isolateArcsEnabled (e), e == 0);
    }
    expectTheRestUnbound (DocumentCategory::isolate, 4);

    // The lock position has no record: only the locks stay bound there.
    EXPECT_FALSE (bindingFor (C::isolateReadout1, 4, *marked).isBound());
    EXPECT_TRUE (bindingFor (C::isolateLock, 4, *marked).isBound());
    EXPECT_FALSE (isolateHasFrequencies (4));
}

TEST_F (ControlBindingTables, Scene)
{
    // Centre, Sub1, Sub2, echo times 1..4 (read-out n with combo n), then Sub2's combo kind.
    struct Column { std::vector<int> effects; Cell rows[7]; int sub2Combo; };
    const Cell echoTimes[4] = { { "Sub1EchoTime1Cb", 0 }, { "Sub1EchoTime2Cb", 0 }, { "Sub1EchoTime3Cb", 0 }, { "Sub1EchoTime4Cb", 0 } };
    const Cell hiddenTimes[4] = { { "#2", 0, false }, { "#3", 0, false }, { "#4", 0, false }, { "#5", 0, false } };
    const auto t = echoTimes;
    const auto h = hiddenTimes;
    const Column columns[] = {
        { { 0, 5, 6 }, { { "CenterFilterTypeCb", 1 }, { "Sub1EchoFeedbackCb", 2 }, { "Sub2ResTypeCb", 5 }, t[0], t[1], t[2], t[3] }, 5 },
        { { 1 }, { { "CenterFeedbackCb", 19 }, { "#6", 2, false }, { "Sub2FilterTypeCb", 1 }, { "Sub1EchoTime1Cb", 18 },
                   { "Sub1EchoTime2Cb", 18 }, { "Sub1EchoTime3Cb", 18 }, { "Sub1EchoTime4Cb", 18 } }, 1 },
        { { 2 }, { { "CenterFilterTypeCb", 2 }, { "#6", 2, false }, { "Sub2ResTypeCb", 5 }, h[0], h[1], h[2], h[3] }, 5 },
        { { 3, 8 }, { { "CenterSpiralTypeCb", 2 }, { "#6", 2, false }, { "Sub2PitchTypeCb", 21 }, t[0], t[1], t[2], t[3] }, 21 },
        { { 4, 9 }, { { "CenterRoomSizeCb", 22 }, { "Sub1ReverbTimeMaxCb", 9 }, { "Sub2FilterTypeCb", 11 }, h[0], h[1], h[2], h[3] }, 24 },
        { { 7 }, { { "CenterDepthCb", 2 }, { "Sub1FeedbackCb", 2 }, { "Sub2ModTypeCb", 4 }, t[0], t[1], t[2], t[3] }, 4 }
    };

    for (const auto& column : columns)
        for (int e : column.effects)
        {
            for (int n = 0; n < 7; ++n)
                expectPair (ControlIds::sceneReadout (n + 1), ControlIds::sceneCombo (n + 1), e, column.rows[n],
                            n == 2 ? column.sub2Combo : column.rows[n].kind);
            expect (C::sceneLock, e, { "Lock", noKind });
        }

    for (int e : { 0, 5, 6, 2 })
    {
        expect (C::sceneModulation, e, { "Sub2ModResSelectBtn", noKind });
        expect (C::sceneResonance, e, { "Sub2ModResSelectBtn", noKind });
    }
    for (int e : { 0, 5, 6 })
    {
        expect (C::sceneFrequencyMin, e, { "Sub1EchoFreqLowerSld", noKind });
        expect (C::sceneFrequencyMax, e, { "Sub1EchoFreqUpperSld", noKind });
    }
    expect (C::sceneRangeReadout1, 2, { "Sub1MinSld", 7 });
    expect (C::sceneLevelMin, 2, { "Sub1MinSld", noKind });
    expect (C::sceneRangeReadout2, 2, { "Sub1MaxSld", 8 });
    expect (C::sceneLevelMax, 2, { "Sub1MaxSld", noKind });

    expectTheRestUnbound (DocumentCategory::scene, 10);
    EXPECT_FALSE (bindingFor (C::sceneCombo1, 10, *marked).isBound());

    // With the selector at 0, Sub2 binds the modulation type; CRUSH ECHO has no selector.
    for (int e : { 0, 2, 5, 6, 7 })
    {
        marked->scene[e][9] = 0;
        expectPair (C::sceneReadout3, C::sceneCombo3, e, { "Sub2ModTypeCb", 4 }, 4);
        marked->scene[e][9] = 1;
        EXPECT_EQ (bindingFor (C::sceneCombo3, e, *marked).address.valueIndex, e == 7 ? 10 : 11);
    }
}

TEST_F (ControlBindingTables, ReleaseAndXPad)
{
    // Isolate, X-PAD and Scene switches, feedback, three release times.
    const Cell release[3][7] = {
        { { "IsolateCb", 6 }, { "XpadCb", 6 }, { "SceneCb", 6 }, { "#4", 19, false }, { "Area0Cb", 26 }, { "Area1Cb", 26 }, { "Area2Cb", 26 } },
        { { "IsolateCb", 6 }, { "XpadCb", 6 }, { "SceneCb", 6 }, { "FeedbackCb", 19 }, { "Area0Cb", 18 }, { "Area1Cb", 23 }, { "Area2Cb", 23 } },
        { { "IsolateCb", 6 }, { "XpadCb", 6 }, { "SceneCb", 6 }, { "#4", 19, false }, { "Area0Cb", 27 }, { "Area1Cb", 27 }, { "Area2Cb", 27 } }
    };
    for (int e = 0; e < 3; ++e)
        for (int n = 0; n < 7; ++n)
            expectPair (ControlIds::releaseReadout (n + 1), ControlIds::releaseCombo (n + 1), e, release[e][n], release[e][n].kind);
    expectTheRestUnbound (DocumentCategory::release, 3);

    // X-PAD controls keep their own record whichever effect the section shows, and show only with it.
    const char* drums[] = { "Kick", "Snare", "Clap", "Hihat" };
    const char* oscRows[] = { "Gain", "Decay", "Envelope" };
    for (int shown = 0; shown < 5; ++shown)
    {
        const auto cell = [shown] (const juce::String& element, int kind, int own)
        { return Cell { element, kind, own == shown }; };

        for (auto roll : { C::rollButton, C::slipRollButton, C::divideRollButton })
            expect (roll, shown, cell ("RollBtn", noKind, 0), 0);
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 4; ++c)
                expectPair (ControlIds::oscReadout (r, c), ControlIds::oscCombo (r, c), shown,
                            cell (juce::String (drums[c]) + oscRows[r] + "Cb", 12 + r, 1), 12 + r, 1);
        for (auto [control, element] : { std::pair { C::pitchMinusReadout, "MinusCb" }, { C::pitchMinusSlider, "MinusCb" },
                                         { C::pitchPlusReadout, "PlusCb" }, { C::pitchPlusSlider, "PlusCb" } })
            expect (control, shown, cell (element, noKind, 3), 3);
        for (int i = 0; i < 5; ++i)
            expect (ControlIds::padTarget (i), shown, cell ("Position" + juce::String (i), noKind, 4), 4);

        for (int s = 0; s < 16; ++s)
        {
            const auto b = bindingFor (ControlIds::slotName (s), shown, *marked);
            EXPECT_EQ (b.use, shown == 2 ? BindingUse::shown : BindingUse::hidden);
            EXPECT_EQ (b.address.slot, s);
            EXPECT_EQ (xmlKey (b.address), "XpadFx/Sampler/Bank" + juce::String (s / 4 + 1) + "Slot" + juce::String (s % 4 + 1) + "/File");
            checked.insert ({ ControlIds::toInt (ControlIds::slotName (s)), shown });
        }
    }
    expectTheRestUnbound (DocumentCategory::xpad, 5);
}

TEST (ControlBindings, EveryParameterHasAControlWhoseKindLabelsItsWholeRange)
{
    // Scene Sub2 shows the modulation type in one document and the resonance type in the other.
    auto modulation = createDeviceSettings(), resonance = createDeviceSettings();
    resetDeviceSettings (*modulation, false);
    resetDeviceSettings (*resonance, false);
    for (auto& record : resonance->scene)
        record[9] = 1;

    for (const auto* category = DocumentKeys::categories(); category < DocumentKeys::categories() + 4; ++category)
        for (const auto* e = category->effects; e < category->effects + category->numEffects; ++e)
            for (const auto* key = e->keys; key < e->keys + e->numKeys; ++key)
            {
                const bool narrow = key->narrow != ParameterKey::NarrowRange::none;
                const int maximum = narrow ? DocumentKeys::noiseSliderFullMax : key->maximum;
                int controls = 0;

                for (int i = 0; i < 2 * ControlIds::count; ++i)
                {
                    const auto control = ControlIds::fromInt (i % ControlIds::count);
                    const auto b = bindingFor (control, e->effectIndex, i < ControlIds::count ? *modulation : *resonance);
                    const auto cls = ControlIds::classOf (control);
                    if (ControlIds::sectionOf (control) != category->category || ! b.isBound()
                        || ! xmlKey (b.address).endsWith (juce::String (e->element) + "/" + key->element))
                        continue;
                    ++controls;
                    EXPECT_TRUE ((cls != ControlClass::readout && cls != ControlClass::combo)
                                 || ParameterTables::numValueLabelChoices (b.kind) > maximum) << key->element << " " << i;
                }
                EXPECT_GT (controls, 0) << e->element << "/" << key->element;
            }
}

TEST (ControlBindings, LabelTextsAndReadingRules)
{
    auto d = createDeviceSettings();
    resetDeviceSettings (*d, false);
    const auto text = [&d] (C control, int effect) { return controlText (control, bindingFor (control, effect, *d), *d); };
    const int cutAdd = fx (IsolateEffect::cutAdd), noise = fx (SceneEffect::noise), echo = fx (ReleaseEffect::echo);
    const int pitch = fx (XPadEffect::pitch), xpad = fx (XPadEffect::xpad);

    d->isolate[cutAdd][2] = 1;
    EXPECT_EQ (text (C::isolateReadout2, cutAdd), "P-2");
    EXPECT_EQ (text (C::isolateCombo4, cutAdd), "PATTERN2");

    d->scene[noise][7] = 0;
    EXPECT_EQ (text (C::sceneRangeReadout1, noise), juce::String::fromUTF8 ("-\xe2\x88\x9e" "dB"));

    d->release[echo][4] = 1;
    EXPECT_EQ (text (C::releaseReadout4, echo), "VKZ");
    EXPECT_EQ (text (C::releaseCombo4, echo), "VKZ");
    d->release[echo][4] = 0;
    EXPECT_EQ (text (C::releaseReadout4, echo), "HOLD");

    for (auto [value, minus, plus] : { std::tuple { 0, "-1", "+1" }, { 11, "-12", "+12" } })
    {
        d->xpad[pitch].values[2] = d->xpad[pitch].values[3] = value;
        EXPECT_EQ (text (C::pitchMinusReadout, xpad), minus);
        EXPECT_EQ (text (C::pitchMinusSlider, xpad), minus);
        EXPECT_EQ (text (C::pitchPlusReadout, xpad), plus);
        EXPECT_EQ (pitchSliderPosition (C::pitchMinusSlider, value), 11 - value);
        EXPECT_EQ (pitchSliderPosition (C::pitchPlusSlider, value), value);
    }

    EXPECT_EQ (text (C::padTarget0, xpad), "1/8");     // factory position 12
    EXPECT_EQ (text (C::sceneLock, 0), "");

    for (auto [value, lit] : { std::pair { 0, 0 }, { 1, 1 }, { 2, 2 }, { 3, 2 } })
        for (int b = 0; b < 3; ++b)
            EXPECT_EQ (toggleIsOn (ControlIds::rollButton (b), value), b == lit) << value;
    EXPECT_TRUE (toggleIsOn (C::isolatePanelLock, 1));
    EXPECT_FALSE (toggleIsOn (C::sceneLock, 0));
}

TEST (ControlBindings, SlotNamesFromWindowsAndPosixPaths)
{
    EXPECT_EQ (slotFileName ("C:\\Users\\dj\\Samples\\Kick 01.wav"), "Kick 01.wav");
    EXPECT_EQ (slotFileName ("/home/dj/loops/break.wav"), "break.wav");
    EXPECT_EQ (slotFileName ("D:/crates\\vinyl/scratch.wav"), "scratch.wav");
    EXPECT_EQ (slotFileName ("alone.wav"), "alone.wav");
    EXPECT_EQ (slotFileName (""), "---");

    auto d = createDeviceSettings();
    resetDeviceSettings (*d, false);
    setSlotPath (samplerSlot (*d, 6), "C:\\Samples\\Bank2\\Horn.wav");
    const auto slotText = [&d] (int s) { return controlText (ControlIds::slotName (s), bindingFor (ControlIds::slotName (s), 0, *d), *d); };
    EXPECT_EQ (slotText (6), "Horn.wav");
    EXPECT_EQ (slotText (7), "---");
}
