// The effect panel without a display: edits, the refresh, the read-outs' texts, the slot names and
// the tree as built.

#include "PanelTestSupport.h"

#include "widgets/AnimComponent.h"
#include "widgets/AnimImageButton.h"
#include "widgets/ComboLabel.h"
#include "widgets/CustomLookAndFeel.h"
#include "widgets/CustomMaskedImageComponent.h"
#include "widgets/CustomSlider.h"
#include "widgets/DropTargetImage.h"
#include "widgets/LanguageTypefaces.h"
#include "widgets/LockButton.h"
#include "widgets/PopupSlider.h"
#include "widgets/ToggleImageButton.h"
#include "widgets/ValueCombo.h"
#include "widgets/ValueLabel.h"
#include "widgets/XPadPad.h"

using namespace paneltest;
using Cat = DocumentCategory;

namespace
{
struct BodyTest : ::testing::Test
{
    TestPanel panel;
    Body& body = panel.body;
    DeviceSettings& doc = *panel.current;

    AnimImageButton& isolate = *section (body, "ISOLATE FX", { 11, 97, 630, 260 });
    AnimImageButton& isolateOverlay = *section (body, {}, { 11, 97, 630, 350 });
    AnimImageButton& scene = *section (body, "SCENE FX", { 370, 28, 550, 540 });
    AnimImageButton& release = *section (body, "RELEASE FX", { 328, 52, 622, 365 });
    AnimImageButton& xpad = *section (body, "X-PAD FX", { 0, 259, 580, 294 });
    AnimImageButton& padOverlay = *section (body, {}, { 0, 179, 580, 374 });

    void show (PanelSection s, int effect)
    {
        body.setCurrentEffect (s, effect);
        body.refreshFromData();
    }

    /** The action changes exactly one word of the document, to the value given, and commits once. */
    void expectOneEdit (const char* what, const std::function<void()>& action, int wordIndex, int value)
    {
        const auto before = std::make_unique<DeviceSettings> (doc);
        const int commits = panel.commits, position = panel.editor.getHistory().getPosition();
        action();
        pump (30);

        EXPECT_EQ (differingWords (*before, doc), std::vector<int> { wordIndex }) << what;
        EXPECT_EQ (panel.words()[wordIndex], value) << what;
        EXPECT_EQ (panel.commits - commits, 1) << what;
        EXPECT_EQ (panel.editor.getHistory().getPosition() - position, 1) << what;
    }

    /** Every text, selection, switch and slider position the panel shows, in tree order. */
    juce::StringArray shownState()
    {
        juce::StringArray state;
        std::function<void (juce::Component&)> walk = [&] (juce::Component& c)
        {
            for (auto* child : c.getChildren())
            {
                if (auto* label = dynamic_cast<juce::Label*> (child))
                    state.add (label->getText() + "|" + label->getFont().getTypefaceName());
                else if (auto* box = dynamic_cast<juce::ComboBox*> (child))
                    state.add (juce::String (box->getSelectedId()) + "/" + juce::String (box->getNumItems()));
                else if (auto* button = dynamic_cast<juce::Button*> (child))
                    state.add (juce::String ((int) button->getToggleState()));
                else if (auto* slider = dynamic_cast<juce::Slider*> (child))
                    state.add (juce::String (slider->getValue()));
                walk (*child);
            }
        };
        walk (body);
        return state;
    }
};
} // namespace

TEST_F (BodyTest, EachEditStoresOneValueAndCommitsOnce)
{
    fillMarkers (doc, 3);
    *panel.lastSent = doc;
    show (PanelSection::isolate, IsolateEffect::isolator);
    show (PanelSection::scene, SceneEffect::hpfEcho);
    show (PanelSection::release, ReleaseEffect::echo);

    // ISOLATOR's LowMin on the overlay: the value, and the arc of the first knob with it.
    auto* lowMin = find<ValueCombo> (isolateOverlay, { 132, 166, 51, 32 });
    const int lowMinValue = (doc.isolate[0][1] + 1) % 4;
    expectOneEdit ("Isolate combo", [&] { lowMin->setSelectedItemIndex (lowMinValue, juce::sendNotificationSync); },
                   wordOf (Cat::isolate, 0, 1), lowMinValue);
    EXPECT_FALSE (find<CustomMaskedImageComponent> (isolateOverlay, { 140, 80, 97, 88 })->getReverseArcMask().isEmpty());

    // Either Isolate lock sets both, the Scene lock its own value.
    const int isolateLocked = 1 - doc.isolateLock;
    expectOneEdit ("Isolate lock", [&] { find<LockButton> (isolateOverlay, { 472, 53, 52, 26 })->triggerClick(); }, 0, isolateLocked);
    EXPECT_EQ (find<LockButton> (isolate, { 472, 53, 52, 26 })->getToggleState(), isolateLocked == 1);
    expectOneEdit ("Scene lock", [&] { find<LockButton> (scene, { 123, 192, 52, 26 })->triggerClick(); },
                   wordOf (Cat::scene, -1, -1), 1 - doc.sceneLock);

    auto* echo3 = find<ValueCombo> (scene, { 185, 376, 58, 21 });
    const int echoValue = (doc.scene[SceneEffect::hpfEcho][4] + 1) % echo3->getNumItems();
    expectOneEdit ("Scene echo time", [&] { echo3->setSelectedItemIndex (echoValue, juce::sendNotificationSync); },
                   wordOf (Cat::scene, SceneEffect::hpfEcho, 4), echoValue);

    // The switches write the selector of the effect they show and bind the Sub2 combo box anew.
    doc.scene[SceneEffect::hpfEcho][9] = 0;
    *panel.lastSent = doc;
    body.refreshFromData();
    expectOneEdit ("RESONANCE", [&] { find<ToggleImageButton> (scene, { 385, 365, 108, 34 })->triggerClick(); },
                   wordOf (Cat::scene, SceneEffect::hpfEcho, 9), 1);
    EXPECT_EQ (find<ValueCombo> (scene, { 342, 452, 114, 21 })->getValuePointer(), panel.words() + wordOf (Cat::scene, SceneEffect::hpfEcho, 11));

    // The frequency range slider: three steps a thumb, each thumb its own value.
    // Two range sliders share the place: the narrow one is the frequency range.
    CustomSlider* frequency = nullptr;
    for (auto* c : scene.getChildren())
        if (auto* slider = dynamic_cast<CustomSlider*> (c); slider != nullptr && ! slider->isWide())
            frequency = slider;
    ASSERT_TRUE (frequency != nullptr && frequency->getBounds() == juce::Rectangle<int> (32, 476, 248, 28));
    const int upper = (doc.scene[SceneEffect::hpfEcho][8] + 1) % 3;
    expectOneEdit ("frequency thumb", [&] { frequency->getMaxThumb().setValue (upper, juce::sendNotificationSync); },
                   wordOf (Cat::scene, SceneEffect::hpfEcho, 8), upper);

    // NOISE's level slider: eight shared steps, the maximum stored as (position + 4) mod 8.
    doc.scene[SceneEffect::noise][7] = 0;
    doc.scene[SceneEffect::noise][8] = 0;
    *panel.lastSent = doc;
    show (PanelSection::scene, SceneEffect::noise);
    auto* level = dynamic_cast<CustomSlider*> (body.getControls().get (ControlId::sceneLevelMax)->getParentComponent());
    ASSERT_TRUE (level != nullptr && level->isWide());
    expectOneEdit ("level thumb", [&] { level->getMaxThumb().setValue (6, juce::sendNotificationSync); },
                   wordOf (Cat::scene, SceneEffect::noise, 8), 2);

    auto* feedback = find<ValueCombo> (release, { 395, 111, 100, 21 });
    expectOneEdit ("Release feedback", [&] { feedback->setSelectedItemIndex (1 - doc.release[1][4], juce::sendNotificationSync); },
                   wordOf (Cat::release, ReleaseEffect::echo, 4), 1 - doc.release[1][4]);

    auto* clapDecay = find<ValueCombo> (xpad, { 104 + 220, 110, 104, 21 });
    const int decay = (doc.xpad[1].values[10] + 1) % 3;
    expectOneEdit ("OSC decay", [&] { clapDecay->setSelectedItemIndex (decay, juce::sendNotificationSync); },
                   wordOf (Cat::xpad, XPadEffect::osc, 10), decay);

    doc.xpad[0].values[1] = 0;
    *panel.lastSent = doc;
    body.refreshFromData();
    expectOneEdit ("SLIP ROLL", [&] { find<ToggleImageButton> (xpad, { 234, 102, 108, 34 })->triggerClick(); },
                   wordOf (Cat::xpad, XPadEffect::roll, 1), 1);
    EXPECT_FALSE (find<ToggleImageButton> (xpad, { 118, 102, 108, 34 })->getToggleState());

    // The minus slider runs reversed: position 3 stores 11 - 3.
    auto* minus = find<PopupSlider> (xpad, { 159, 119, 163, 51 });
    doc.xpad[3].values[2] = 0;
    *panel.lastSent = doc;
    body.refreshFromData();
    expectOneEdit ("pitch minus", [&] { minus->getSlider().setValue (3, juce::sendNotificationSync); },
                   wordOf (Cat::xpad, XPadEffect::pitch, 2), 8);

    doc.xpad[4].values[18] = 0;
    *panel.lastSent = doc;
    auto* target = find<DropTargetImage> (padOverlay, { 182 + 88, 176, 40, 40 });
    expectOneEdit ("position 2", [&] { target->itemDropped ({ "1/3", nullptr, {} }); }, wordOf (Cat::xpad, XPadEffect::xpad, 18), 15);
}

TEST_F (BodyTest, AComboBoxWithoutASelectionStoresNothing)
{
    show (PanelSection::release, ReleaseEffect::echo);
    auto* feedback = find<ValueCombo> (release, { 395, 111, 100, 21 });
    const auto before = std::make_unique<DeviceSettings> (doc);

    feedback->setSelectedId (0, juce::sendNotificationSync);
    EXPECT_TRUE (differingWords (*before, doc).empty());
    EXPECT_EQ (panel.commits, 0);
}

TEST_F (BodyTest, TheRefreshNeverWritesTheDocumentNorCommitsAndShowsTheSameTwice)
{
    const auto checkRefreshLeavesEverything = [this] (const char* state)
    {
        const auto before = std::make_unique<DeviceSettings> (doc);
        const auto sentBefore = std::make_unique<DeviceSettings> (*panel.lastSent);
        const int position = panel.editor.getHistory().getPosition();

        body.refreshFromData();
        const auto once = shownState();
        body.refreshFromData();
        pump (50);

        EXPECT_TRUE (TestDocuments::sameBytes (*before, doc)) << state;
        EXPECT_TRUE (TestDocuments::sameBytes (*sentBefore, *panel.lastSent)) << state;
        EXPECT_EQ (panel.commits, 0) << state;
        EXPECT_EQ (panel.editor.getHistory().getPosition(), position) << state;
        EXPECT_EQ (shownState(), once) << state;
    };

    checkRefreshLeavesEverything ("as built");

    // A document that differs from what the panel shows, with values the sliders would pin.
    fillMarkers (doc, 4);
    doc.scene[SceneEffect::noise][7] = 7;
    doc.scene[SceneEffect::noise][8] = 5;
    doc.xpad[3].values[2] = 11;
    checkRefreshLeavesEverything ("new document");

    // The Release combo boxes last bound to another effect (as opening it for editing leaves them):
    // the refresh binds them to the current effect before showing its values.
    for (int n = 1; n <= 7; ++n)
        body.getControls().bind (ControlIds::releaseCombo (n), ReleaseEffect::vinylBrake);

    for (int e : { 1, 2, 3, 4 })
        body.setCurrentEffect (PanelSection::isolate, e);
    body.setCurrentEffect (PanelSection::scene, SceneEffect::noise);
    body.setCurrentEffect (PanelSection::release, ReleaseEffect::backSpin);
    body.setCurrentEffect (PanelSection::xpad, XPadEffect::sampler);
    checkRefreshLeavesEverything ("other effects, Isolate on its lock");

    body.setCurrentEffect (PanelSection::scene, SceneSection::lockPosition);
    scene.setState (juce::Button::buttonOver);
    body.selectXPadEffect (XPadEffect::osc);
    find<PopupSlider> (xpad, { 258, 119, 163, 51 })->keyPressed (juce::KeyPress (juce::KeyPress::returnKey));
    checkRefreshLeavesEverything ("Scene up on its lock, a popup open");
    EXPECT_EQ (body.getCurrentEffect (PanelSection::scene), SceneSection::lockPosition) << "the refresh keeps the current effects";
}

TEST_F (BodyTest, ReadOutsShowTheirRowsReadingRules)
{
    auto& levelMin = *find<ComboLabel> (scene, { 66, 458, 49, 14 });
    auto& levelMax = *find<ComboLabel> (scene, { 197, 458, 64, 14 });
    doc.scene[SceneEffect::noise][7] = 0;
    doc.scene[SceneEffect::noise][8] = 3;
    show (PanelSection::scene, SceneEffect::noise);
    EXPECT_EQ (levelMin.getText(), juce::String::fromUTF8 ("-\xe2\x88\x9e" "dB")) << "the reversed row";
    EXPECT_EQ (levelMax.getText(), "+9dB");
    doc.scene[SceneEffect::noise][7] = 7;
    body.refreshFromData();
    EXPECT_EQ (levelMin.getText(), "+6dB");

    doc.isolate[IsolateEffect::cutAdd][2] = 1;
    show (PanelSection::isolate, IsolateEffect::cutAdd);
    EXPECT_EQ (find<ComboLabel> (isolate, { 199, 169, 43, 15 })->getText(), "P-2");
    EXPECT_EQ (find<ValueCombo> (isolateOverlay, { 195, 166, 51, 32 })->getText(), "PATTERN2");

    auto& feedbackLabel = *find<ComboLabel> (release, { 401, 114, 72, 15 });
    auto& feedbackCombo = *find<ValueCombo> (release, { 395, 111, 100, 21 });
    for (int v : { 0, 1 })
    {
        doc.release[ReleaseEffect::echo][4] = v;
        show (PanelSection::release, ReleaseEffect::echo);
        EXPECT_EQ (feedbackLabel.getText(), v == 0 ? "HOLD" : "VKZ");
        EXPECT_EQ (feedbackCombo.getText(), v == 0 ? "HOLD" : "VKZ");
    }

    auto& minusLabel = *find<ValueLabel> (xpad, { 218, 120, 44, 15 });
    auto& plusLabel = *find<ValueLabel> (xpad, { 317, 120, 44, 15 });
    auto& minus = *find<PopupSlider> (xpad, { 159, 119, 163, 51 });
    for (auto [value, text, position] : { std::tuple { 0, "-1", 11 }, std::tuple { 11, "-12", 0 } })
    {
        doc.xpad[XPadEffect::pitch].values[2] = value;
        doc.xpad[XPadEffect::pitch].values[3] = value;
        body.refreshFromData();
        EXPECT_EQ (minusLabel.getText(), text);
        EXPECT_EQ (minus.getLabel().getText(), text);
        EXPECT_EQ ((int) minus.getSlider().getValue(), position);
        EXPECT_EQ (plusLabel.getText(), "+" + juce::String (value + 1));
    }

    for (auto [roll, lit] : { std::pair { 1, 1 }, std::pair { 3, 2 }, std::pair { 0, 0 } })
    {
        doc.xpad[XPadEffect::roll].values[1] = roll;
        body.refreshFromData();
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ (find<ToggleImageButton> (xpad, { 118 + 116 * i, 102, 108, 34 })->getToggleState(), i == lit) << roll;
    }

    // REVERB's Sub1 row and the first echo time share index 2 with two rows of labels.
    doc.scene[SceneEffect::reverbUp][2] = 2;
    show (PanelSection::scene, SceneEffect::reverbUp);
    EXPECT_EQ (find<ComboLabel> (scene, { 114, 455, 86, 15 })->getText(), "LONG");
    EXPECT_EQ (find<ComboLabel> (scene, { 61, 427, 60, 15 })->getText(), ParameterTables::valueLabelText (0, 2));

    // BPF ECHO's Sub2 row follows the selector as it stands when bound.
    auto& sub2 = *find<ComboLabel> (scene, { 348, 455, 86, 15 });
    doc.scene[SceneEffect::bpfEcho][9] = 0;
    show (PanelSection::scene, SceneEffect::bpfEcho);
    EXPECT_EQ (sub2.getValuePointer(), panel.words() + wordOf (Cat::scene, 0, 10));
    doc.scene[SceneEffect::bpfEcho][9] = 1;
    EXPECT_EQ (sub2.getValuePointer(), panel.words() + wordOf (Cat::scene, 0, 10)) << "not before it is bound again";
    body.refreshFromData();
    EXPECT_EQ (sub2.getValuePointer(), panel.words() + wordOf (Cat::scene, 0, 11));
    EXPECT_EQ (toInt (sub2.getKind()), 5);
}

TEST_F (BodyTest, SlotNamesAreFileNamesInTheMessageLanguagesTypeface)
{
    const auto previous = CustomLookAndFeel::getUiLanguage();
    CustomLookAndFeel::setUiLanguage (UiLanguage::japanese);
    const auto label = [this] (int slot) { return find<juce::Label> (xpad, { 103 + 110 * (slot % 4), 67 + 30 * (slot / 4), 102, 12 }); };

    setSlotPath (samplerSlot (doc, 0), "C:\\Users\\dj\\Samples\\kick 01.wav");
    setSlotPath (samplerSlot (doc, 6), "/home/dj/samples/snare.wav");
    setSlotPath (samplerSlot (doc, 15), "D:/mixed\\dir/hat.WAV");
    body.refreshFromData();

    EXPECT_EQ (label (0)->getText(), "kick 01.wav");
    EXPECT_EQ (label (6)->getText(), "snare.wav");
    EXPECT_EQ (label (15)->getText(), "hat.WAV");
    EXPECT_EQ (label (0)->getFont().getTypefaceName(), LanguageTypefaces::typefaceNameFor (UiLanguage::japanese));
    EXPECT_EQ (label (1)->getText(), "---");
    EXPECT_EQ (label (1)->getFont(), CustomLookAndFeel::skinFont (14.0f));

    // A slot emptied behind the panel shows "---" in Verdana again; the others keep their names.
    setSlotPath (samplerSlot (doc, 6), {});
    body.refreshFromData();
    EXPECT_EQ (label (6)->getText(), "---");
    EXPECT_EQ (label (6)->getFont(), CustomLookAndFeel::skinFont (14.0f));
    EXPECT_EQ (label (0)->getText(), "kick 01.wav");

    // The sampler window's own refresh reads them only while they show.
    setSlotPath (samplerSlot (doc, 2), "/x/new.wav");
    body.refreshSamplerPanelIfShown();
    EXPECT_EQ (label (2)->getText(), "---");
    body.selectXPadEffect (XPadEffect::sampler);
    EXPECT_TRUE (label (2)->isVisible());
    setSlotPath (samplerSlot (doc, 2), "/x/newer.wav");
    body.refreshSamplerPanelIfShown();
    EXPECT_EQ (label (2)->getText(), "newer.wav");

    CustomLookAndFeel::setUiLanguage (previous);
}

TEST_F (BodyTest, TheTreeAsBuilt)
{
    // Bottom to top: background, Isolate overlay, Isolate, Scene, Release, X-PAD overlay, X-PAD.
    const auto& children = body.getChildren();
    ASSERT_EQ (children.size(), 7);
    EXPECT_NE (dynamic_cast<juce::ImageComponent*> (children[0]), nullptr);
    const juce::Component* order[] { &isolateOverlay, &isolate, &scene, &release, &padOverlay, &xpad };
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ (children[i + 1], order[i]) << i;

    EXPECT_FALSE (isolateOverlay.isVisible());
    EXPECT_FALSE (padOverlay.isVisible());
    for (auto* s : { &isolate, &scene, &release, &xpad })
    {
        EXPECT_TRUE (s->isVisible());
        EXPECT_EQ (s->getHitTestAlphaThreshold(), 26);
    }

    // The edit groups and the second range slider wait hidden and disabled.
    auto* levelSlider = body.getControls().get (ControlId::sceneLevelMin)->getParentComponent();
    auto* sceneEdits = body.getControls().get (ControlId::sceneCombo1)->getParentComponent();
    auto* releaseEdits = body.getControls().get (ControlId::releaseCombo1)->getParentComponent();
    auto* xpadEdits = body.getControls().get (ControlId::oscCombo1)->getParentComponent();
    for (auto* c : { levelSlider, sceneEdits, releaseEdits, xpadEdits })
    {
        EXPECT_FALSE (c->isVisible());
        EXPECT_FALSE (c->isEnabled());
    }

    // Beat keys in the table's order, two rows of eight; the overlay's X-PAD key on.
    EXPECT_EQ (find<juce::Button> (padOverlay, { 92, 53, 46, 46 })->getButtonText(), "1/2");
    EXPECT_EQ (find<juce::Button> (padOverlay, { 92 + 350, 103, 46, 46 })->getButtonText(), "1/3");
    EXPECT_TRUE (find<juce::Button> (padOverlay, { 174, 294, 232, 50 })->getToggleState());

    // The panel never scales: a resize leaves every child where it was.
    const auto before = find<ComboLabel> (scene, { 339, 213, 72, 15 })->getBounds();
    body.setSize (500, 300);
    EXPECT_EQ (find<ComboLabel> (scene, { 339, 213, 72, 15 })->getBounds(), before);
    EXPECT_EQ (isolate.getBounds(), juce::Rectangle<int> (11, 97, 630, 260));
}

TEST_F (BodyTest, ABodyColourChangeReloadsTheBackgroundOnceAtTheNextPaint)
{
    juce::Image canvas (juce::Image::ARGB, 8, 8, true);
    juce::Graphics g (canvas);
    body.bodyColorChanged (BodyColor::white);
    body.paint (g);
    EXPECT_EQ (body.getBackgroundImage(), SkinImages::get (SkinImageSets::body[SkinBodyColour::white]));

    // Without a new change a paint takes nothing new, even when the skin's picture changed meanwhile.
    const SkinImages::ScopedOverride replaced (SkinImageSets::body[SkinBodyColour::white], juce::Image (juce::Image::ARGB, 910, 470, true));
    body.paint (g);
    EXPECT_NE (body.getBackgroundImage(), SkinImages::get (SkinImageSets::body[SkinBodyColour::white]));
    body.bodyColorChanged (BodyColor::white);
    body.paint (g);
    EXPECT_EQ (body.getBackgroundImage(), SkinImages::get (SkinImageSets::body[SkinBodyColour::white]));
}
