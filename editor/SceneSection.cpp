#include "editor/SceneSection.h"

#include "core/ParameterTables.h"
#include "widgets/AnimComponent.h"
#include "widgets/AnimImageButton.h"
#include "widgets/CloseButton.h"
#include "widgets/ComboLabel.h"
#include "widgets/CustomSlider.h"
#include "widgets/LockButton.h"
#include "widgets/SceneMenuButton.h"
#include "widgets/ToggleImageButton.h"
#include "widgets/ValueCombo.h"

#include <vector>

namespace
{
using J = juce::Justification;
using R = juce::Rectangle<int>;
using Start = PanelBuilder::Start;
namespace SE = SceneEffect;

constexpr int category = 1;
const auto grey113 = PanelBuilder::grey (113), grey200 = PanelBuilder::grey (200);
const juce::Colour white = juce::Colours::white;

// The dial's keys: effects 1..5 on the upper arc, 6..10 on the lower, five to a 319x180 box.
const R upperDial (114, 16, 319, 180), lowerDial (114, 209, 319, 180);

// The echo times sit round the echo-time knob: lower left, upper left, upper right, lower right.
const juce::Point<int> echoLabelAt[] { { 61, 427 }, { 61, 379 }, { 191, 379 }, { 191, 427 } };
const juce::Point<int> echoComboAt[] { { 69, 425 }, { 69, 376 }, { 185, 376 }, { 185, 425 } };

const SkinImageSet<SkinButtonState> dialFaces[] {
    SkinImageSets::sceneEffect1, SkinImageSets::sceneEffect2, SkinImageSets::sceneEffect3, SkinImageSets::sceneEffect4,
    SkinImageSets::sceneEffect5, SkinImageSets::sceneEffect6, SkinImageSets::sceneEffect7, SkinImageSets::sceneEffect8,
    SkinImageSets::sceneEffect9, SkinImageSets::sceneEffect10 };
constexpr SkinImageId dialMasks[] {
    SkinImageId::sceneEffect1Mask, SkinImageId::sceneEffect2Mask, SkinImageId::sceneEffect3Mask, SkinImageId::sceneEffect4Mask,
    SkinImageId::sceneEffect5Mask, SkinImageId::sceneEffect6Mask, SkinImageId::sceneEffect7Mask, SkinImageId::sceneEffect8Mask,
    SkinImageId::sceneEffect9Mask, SkinImageId::sceneEffect10Mask };

constexpr SkinImageId knobIds[] { SkinImageId::sceneKnob1, SkinImageId::sceneKnob2, SkinImageId::sceneKnob3,
                                  SkinImageId::sceneKnob4, SkinImageId::sceneKnob5, SkinImageId::sceneKnob6 };
const juce::Point<int> knobAt[] { { 122, 380 }, { 121, 380 }, { 121, 380 }, { 121, 380 }, { 121, 380 }, { 358, 380 } };

/** What the section view shows for each kind of Scene effect. */
struct EffectView
{
    const char* centreCaption;
    const char* sub1Caption;        // null: the caption is not shown and keeps its text
    const char* groupCaption;
    const char* modeCaption;
    int scale;                      // the knob scale over the echo-time knob: Scene image 1..4
    bool frequencyRange, levelRange;
};

EffectView viewOf (int effect)
{
    switch (effect)
    {
        case SE::bpfEcho: case SE::hpfEcho: case SE::lpfEcho:
            return { "FILTER\nTYPE", "TYPE", "ECHO TIME", "MODE-SELECT", 1, true, false };
        case SE::echo:
            return { "FEEDBACK", nullptr, "ECHO TIME", "FILTER RANGE", 1, false, false };
        case SE::noise:
            return { "NOISE\nSOUND", nullptr, "NOISE GAIN", "MODE-SELECT", 2, false, true };
        case SE::spiralUp: case SE::spiralDown:
            return { "SPIRAL\nTYPE", nullptr, "ECHO TIME", "PITCH TYPE", 1, false, false };
        case SE::reverbUp: case SE::reverbDown:
            return { "ROOM\nSIZE", "MAX", "REVERB TIME", "FILTER", 4, false, false };
        default:
            break;
    }
    return { "DEPTH", "FEEDBACK", "ECHO TIME", "MODULATION", 1, false, false };
}

bool hasSelector (int effect)
{
    return effect == SE::bpfEcho || effect == SE::hpfEcho || effect == SE::lpfEcho || effect == SE::noise;
}

const ControlId readouts[] { ControlId::sceneReadout1, ControlId::sceneReadout2, ControlId::sceneReadout3,
                             ControlId::sceneReadout4, ControlId::sceneReadout5, ControlId::sceneReadout6,
                             ControlId::sceneReadout7, ControlId::sceneRangeReadout1, ControlId::sceneRangeReadout2 };
} // namespace

void SceneSection::create (PanelBuilder& build, juce::LookAndFeel& rightList, juce::LookAndFeel& leftList)
{
    auto* s = sceneButton;

    for (int e = 0; e < numEffects; ++e)
    {
        const bool lowerArc = e >= 5;
        auto* key = build.button<SceneMenuButton> (s, lowerArc ? lowerDial : upperDial, Start::faded,
                                                   ParameterTables::effectName (category, e));
        const auto& faces = dialFaces[e];
        using S = SkinButtonState;
        key->setImages (SkinImages::get (faces[S::normal]), SkinImages::get (faces[S::over]),
                        SkinImages::get (faces[S::down]), SkinImages::get (faces[S::disabled]));
        const auto mask = SkinImages::get (dialMasks[e]);
        key->setHitTestImages (mask, mask, mask, mask);

        const auto& area = SkinImages::getInfo (faces[S::normal]).textArea;
        key->setTextRect ({ area.x, area.y, area.width, area.height });
        key->setTwoLineCaption (lowerArc);
        sceneEffectButtons[(size_t) e] = key;
    }

    sceneModulationButton = build.button<ToggleImageButton> (s, { 289, 365, 108, 34 }, Start::faded, "MODULATION");
    sceneResonanceButton = build.button<ToggleImageButton> (s, { 385, 365, 108, 34 }, Start::faded, "RESONANCE");
    sceneLockButton = build.button<LockButton> (s, { 123, 192, 52, 26 }, Start::faded);
    lockStrip = build.image (s, SkinImageId::sceneLockStrip, { 133, 148, 40, 108 });

    for (int i = 0; i < 6; ++i)
        knobImages[(size_t) i] = build.image (s, knobIds[i], { knobAt[i].x, knobAt[i].y, 68, 68 },
                                              i >= 2 && i <= 4 ? Start::hidden : Start::faded);

    sliderMarks[0] = build.image (s, SkinImageId::sceneDialMark, { 321, 198, 37, 12 });
    sliderMarks[1] = build.image (s, SkinImageId::sceneDialMark, { 190, 198, 37, 12 }, Start::hidden);
    sliderTracks[0] = build.image (s, SkinImageId::sceneCaptionRule, { 70, 364, 172, 7 });
    sliderTracks[1] = build.image (s, SkinImageId::sceneCaptionRule, { 306, 364, 172, 7 });

    captions[centreType] = build.label (s, "TYPE", 14.0f, J::centredBottom, { 339, 174, 72, 26 }, grey113);
    captions[sub1Type] = build.label (s, "TYPE", 14.0f, J::centredRight, { 32, 458, 72, 11 }, grey113);
    captions[sub2Type] = build.label (s, "TYPE", 14.0f, J::centredRight, { 303, 458, 35, 11 }, grey113);
    captions[minCaption] = build.label (s, "MIN", 14.0f, J::centred, { 121, 460, 28, 11 }, grey113);
    captions[maxCaption] = build.label (s, "MAX", 14.0f, J::centred, { 162, 460, 28, 11 }, grey113);
    captions[echoTime] = build.label (s, "ECHO TIME", 18.0f, J::centred, { 70, 348, 172, 14 }, white);
    captions[modeSelect] = build.label (s, "MODE-SELECT", 18.0f, J::centred, { 306, 348, 172, 14 }, white);
    captions[zeroHz] = build.label (s, "0Hz", 14.0f, J::centredRight, { 32, 486, 34, 13 }, grey200);
    captions[topHz] = build.label (s, "24,000Hz", 14.0f, J::centredLeft, { 244, 487, 64, 12 }, grey200);
    captions[levelBottom] = build.label (s, juce::String::fromUTF8 ("-\xe2\x88\x9e" "dB"), 14.0f, J::centredRight,
                                         { 32, 486, 34, 13 }, grey200);
    captions[levelTop] = build.label (s, "+9dB", 14.0f, J::centredLeft, { 244, 487, 64, 12 }, grey200);

    // The level slider writes its captions' values too, so they exist first; they join the section
    // after the two groups, where they draw.
    sceneLevelMinLabel = build.readout (nullptr, 16.0f, J::centredRight, { 66, 458, 49, 14 });
    sceneLevelMaxLabel = build.readout (nullptr, 16.0f, J::centredLeft, { 197, 458, 64, 14 });

    sceneFrequencySlider = build.make<CustomSlider> (s, { 32, 476, 248, 28 }, Start::faded, false, nullptr, nullptr);
    sceneLevelSlider = build.make<CustomSlider> (s, { 32, 476, 248, 28 }, Start::hidden, true,
                                                 sceneLevelMinLabel, sceneLevelMaxLabel);
    sceneLabelView = build.view (s, { 0, 0, 550, 540 }, Start::shown);
    sceneEditView = build.view (s, { 0, 0, 550, 540 }, Start::hidden);
    s->addChildComponent (sceneLevelMinLabel);
    s->addChildComponent (sceneLevelMaxLabel);

    // The overview only shows: switches and sliders take the mouse once an effect is open for editing.
    for (auto* slider : { sceneFrequencySlider, sceneLevelSlider })
        slider->setInterceptsMouseClicks (false, false);
    sceneModulationButton->setInteractive (false);
    sceneResonanceButton->setInteractive (false);

    auto* labels = sceneLabelView;
    sceneCenterLabel = build.readout (labels, 18.0f, J::centred, { 339, 213, 72, 15 }, white, Start::shown);
    sceneSub1Label = build.readout (labels, 18.0f, J::centred, { 114, 455, 86, 15 }, white, Start::shown);
    sceneSub2Label = build.readout (labels, 18.0f, J::centred, { 348, 455, 86, 15 }, white, Start::shown);

    for (int i = 0; i < 4; ++i)
        sceneEchoTimeLabels[(size_t) i] = build.readout (labels, 16.0f, i < 2 ? J::centredRight : J::centredLeft,
                                                         { echoLabelAt[i].x, echoLabelAt[i].y, 60, 15 }, white, Start::shown);

    auto* edits = sceneEditView;
    sceneCenterCombo = build.combo (edits, { 333, 207, 100, 21 });
    sceneSub1Combo = build.combo (edits, { 108, 452, 114, 21 });
    sceneSub2Combo = build.combo (edits, { 342, 452, 114, 21 });

    for (int i = 0; i < 4; ++i)
        sceneEchoTimeCombos[(size_t) i] = build.combo (edits, { echoComboAt[i].x, echoComboAt[i].y, 58, 21 },
                                                       i < 2 ? &rightList : &leftList,
                                                       i < 2 ? J::centredRight : J::centredLeft);

    editCloseButton = build.closeButton (edits, { 458, 458 });
}

void SceneSection::registerControls (PanelControls& controls) const
{
    controls.add (ControlId::sceneLock, *sceneLockButton);

    const std::array<ComboLabel*, 7> labels { sceneCenterLabel, sceneSub1Label, sceneSub2Label, sceneEchoTimeLabels[0],
                                              sceneEchoTimeLabels[1], sceneEchoTimeLabels[2], sceneEchoTimeLabels[3] };
    const std::array<ValueCombo*, 7> combos { sceneCenterCombo, sceneSub1Combo, sceneSub2Combo, sceneEchoTimeCombos[0],
                                              sceneEchoTimeCombos[1], sceneEchoTimeCombos[2], sceneEchoTimeCombos[3] };

    for (int n = 1; n <= 7; ++n)
    {
        controls.add (ControlIds::sceneReadout (n), *labels[(size_t) n - 1]);
        controls.add (ControlIds::sceneCombo (n), *combos[(size_t) n - 1]);
    }

    controls.add (ControlId::sceneRangeReadout1, *sceneLevelMinLabel);
    controls.add (ControlId::sceneRangeReadout2, *sceneLevelMaxLabel);
    controls.add (ControlId::sceneFrequencyMin, sceneFrequencySlider->getMinThumb());
    controls.add (ControlId::sceneFrequencyMax, sceneFrequencySlider->getMaxThumb());
    controls.add (ControlId::sceneLevelMin, sceneLevelSlider->getMinThumb());
    controls.add (ControlId::sceneLevelMax, sceneLevelSlider->getMaxThumb());
    controls.add (ControlId::sceneModulation, *sceneModulationButton);
    controls.add (ControlId::sceneResonance, *sceneResonanceButton);
}

int SceneSection::boundEffect (int currentEffect, int editedEffect) noexcept
{
    return juce::isPositiveAndBelow (currentEffect, numEffects) ? currentEffect : juce::jlimit (0, numEffects - 1, editedEffect);
}

void SceneSection::refresh (PanelControls& controls, int effect)
{
    controls.showSwitch (ControlId::sceneLock, effect);
    sceneLockButton->repaint();

    if (hasSelector (effect))
    {
        switchEffect = effect;
        controls.showSwitch (ControlId::sceneModulation, effect);
        controls.showSwitch (ControlId::sceneResonance, effect);
        controls.bind (effect == SE::noise ? ControlId::sceneLevelMin : ControlId::sceneFrequencyMin, effect);
    }

    sceneButton->repaint();

    // The Sub2 row follows the selector as it stands now.
    for (auto id : readouts)
        controls.bind (id, effect);
    sceneLabelView->repaint();

    for (int n = 1; n <= 7; ++n)
        controls.bind (ControlIds::sceneCombo (n), effect);
    sceneEditView->repaint();
}

void SceneSection::showEffect (PanelControls& controls, int effect)
{
    for (auto* key : sceneEffectButtons)
        key->switchOff();

    const bool onLock = ! juce::isPositiveAndBelow (effect, numEffects);
    sceneLockButton->setLit (onLock);

    if (onLock)
        effect = lastShownEffect;
    else
        sceneEffectButtons[(size_t) effect]->setLit (true);

    lastShownEffect = effect;

    for (auto* c : captions)
        setShownAndEnabled (*c, false);
    for (size_t i = 1; i < knobImages.size(); ++i)
        setShownAndEnabled (*knobImages[i], false);
    for (auto* c : { static_cast<juce::Component*> (sceneModulationButton), static_cast<juce::Component*> (sceneResonanceButton),
                     static_cast<juce::Component*> (sceneFrequencySlider), static_cast<juce::Component*> (sceneLevelSlider) })
        setShownAndEnabled (*c, false);

    const auto view = viewOf (effect);
    captions[centreType]->setText (view.centreCaption, juce::dontSendNotification);
    if (view.sub1Caption != nullptr)
        captions[sub1Type]->setText (view.sub1Caption, juce::dontSendNotification);
    captions[echoTime]->setText (view.groupCaption, juce::dontSendNotification);
    captions[modeSelect]->setText (view.modeCaption, juce::dontSendNotification);

    for (auto c : { centreType, sub2Type, echoTime, modeSelect })
        setShownAndEnabled (*captions[c], true);
    setShownAndEnabled (*captions[sub1Type], view.sub1Caption != nullptr);
    setShownAndEnabled (*knobImages[(size_t) view.scale], true);

    // A read-out shows when the effect's binding shows it; the range captions exist for NOISE only.
    for (auto id : readouts)
    {
        const auto binding = controls.bind (id, effect);
        if (auto* c = controls.get (id))
            setShownAndEnabled (*c, binding.use == BindingUse::shown);
    }

    if (hasSelector (effect))
    {
        switchEffect = effect;
        setShownAndEnabled (*sceneModulationButton, true);
        setShownAndEnabled (*sceneResonanceButton, true);
        controls.showSwitch (ControlId::sceneModulation, effect);
        controls.showSwitch (ControlId::sceneResonance, effect);
    }

    if (view.frequencyRange)
    {
        for (auto c : { zeroHz, topHz })
            setShownAndEnabled (*captions[c], true);
        setShownAndEnabled (*sceneFrequencySlider, true);
        controls.bind (ControlId::sceneFrequencyMin, effect);
    }

    if (view.levelRange)
    {
        for (auto c : { minCaption, maxCaption, levelBottom, levelTop })
            setShownAndEnabled (*captions[c], true);
        setShownAndEnabled (*sceneLevelSlider, true);
        controls.bind (ControlId::sceneLevelMin, effect);
    }

    matchFadeOpacity (*sceneButton, sceneButton->getFadeAlpha());
    sceneButton->repaint();
}

void SceneSection::chooseSelector (PanelControls& controls, bool resonance)
{
    auto* selector = controls.valueFor (ControlId::sceneModulation, switchEffect);
    if (selector == nullptr)
        return;

    *selector = resonance ? 1 : 0;
    sceneModulationButton->setToggleState (! resonance, juce::dontSendNotification);
    sceneResonanceButton->setToggleState (resonance, juce::dontSendNotification);
    sceneModulationButton->setLit (! resonance);
    sceneResonanceButton->setLit (resonance);
    controls.bind (ControlId::sceneCombo3, switchEffect);
}

void SceneSection::showEditView (PanelControls& controls, int effect)
{
    for (auto* key : sceneEffectButtons)
    {
        key->setInteractive (true);
        key->setLit (false);
    }

    for (int n = 1; n <= 7; ++n)
    {
        const auto binding = controls.bind (ControlIds::sceneCombo (n), effect);
        if (auto* c = controls.get (ControlIds::sceneCombo (n)))
            setShownAndEnabled (*c, binding.use == BindingUse::shown);
    }

    if (hasSelector (effect))
    {
        switchEffect = effect;
        controls.showSwitch (ControlId::sceneModulation, effect);
        controls.showSwitch (ControlId::sceneResonance, effect);
        controls.bind (effect == SE::noise ? ControlId::sceneLevelMin : ControlId::sceneFrequencyMin, effect);
    }

    setShownAndEnabled (*sceneLabelView, false);

    // The combo boxes and the close key join the section itself, so that they fade with it.
    for (auto* c : std::vector<juce::Component*> (sceneEditView->getChildren().begin(), sceneEditView->getChildren().end()))
        sceneButton->addChildComponent (c);

    setShownAndEnabled (*editCloseButton, true);
    sceneEditView->setVisible (false);
    sceneEditView->setEnabled (true);

    for (auto* slider : { sceneFrequencySlider, sceneLevelSlider })
        slider->setInterceptsMouseClicks (true, true);
    sceneModulationButton->setInteractive (true);
    sceneResonanceButton->setInteractive (true);

    matchFadeOpacity (*sceneButton, sceneButton->getFadeAlpha());
    sceneButton->repaint();
}

void SceneSection::openEffects()
{
    const std::array<juce::Component*, 8> resting { sceneCenterCombo, sceneSub1Combo, sceneSub2Combo, sceneEchoTimeCombos[0],
                                                    sceneEchoTimeCombos[1], sceneEchoTimeCombos[2], sceneEchoTimeCombos[3],
                                                    editCloseButton };
    for (auto* c : resting)
        sceneEditView->addChildComponent (c);

    setShownAndEnabled (*sceneLabelView, true);
    setShownAndEnabled (*sceneEditView, false);

    for (auto* slider : { sceneFrequencySlider, sceneLevelSlider })
        slider->setInterceptsMouseClicks (false, false);
    sceneModulationButton->setInteractive (false);
    sceneResonanceButton->setInteractive (false);

    for (auto* key : sceneEffectButtons)
    {
        key->switchOff();
        key->setInteractive (true);
    }

    matchFadeOpacity (*sceneButton, sceneButton->getFadeAlpha());
}

bool SceneSection::isEditing() const
{
    return sceneEditView->isEnabled();
}
