#include "editor/IsolateSection.h"

#include "core/ParameterTables.h"
#include "widgets/AnimImageButton.h"
#include "widgets/CloseButton.h"
#include "widgets/ComboLabel.h"
#include "widgets/CustomMaskedImageComponent.h"
#include "widgets/IsolateMenuButton.h"
#include "widgets/LockButton.h"
#include "widgets/ValueCombo.h"

namespace
{
using J = juce::Justification;
using R = juce::Rectangle<int>;
using Start = PanelBuilder::Start;

constexpr int category = 0;
constexpr int knobX[] { 140, 268, 396 }, knobY = 80, knobWidth = 97, knobHeight = 88;
constexpr int readoutX[] { 136, 199, 264, 327, 392, 455 }, comboX[] { 132, 195, 260, 323, 388, 451 };
constexpr int keyX[] { 34, 144, 254, 364 }, keyY = 14, keyWidth = 114, keyHeight = 50;
const R lockBounds (472, 53, 52, 26), lockStripBounds (40, 53, 432, 16), nameBounds (31, 120, 101, 15);

R knob (int i)      { return { knobX[i], knobY, knobWidth, knobHeight }; }

juce::String effectName (int effect)
{
    return ParameterTables::effectName (category, effect);
}

IsolateMenuButton* effectKey (PanelBuilder& build, juce::Component* parent, int effect)
{
    auto* key = build.button<IsolateMenuButton> (parent, { keyX[effect], keyY, keyWidth, keyHeight }, Start::faded,
                                                 effectName (effect));
    using S = SkinButtonState;
    const auto& faces = SkinImageSets::isolateEffect;
    key->setImages (SkinImages::get (faces[S::normal]), SkinImages::get (faces[S::over]),
                    SkinImages::get (faces[S::down]), SkinImages::get (faces[S::disabled]));
    return key;
}
} // namespace

void IsolateSection::createOverview (PanelBuilder& build)
{
    auto* s = isolateButton;
    isolateNameLabel = build.label (s, effectName (0), 18.0f, J::centredLeft, nameBounds);

    for (int i = 0; i < 6; ++i)
        isolateValueLabels[(size_t) i] = build.readout (s, 16.0f, J::centred, { readoutX[i], 169, 43, 15 });

    frequencyCaption = build.label (s, "FREQUENCY", 18.0f, J::centredLeft, { 38, 202, 112, 15 });
    isolateFrequencyLabels[0] = build.readout (s, 16.0f, J::centred, { 223, 203, 63, 14 });
    isolateFrequencyLabels[1] = build.readout (s, 16.0f, J::centred, { 349, 203, 63, 14 });

    for (int i = 0; i < 3; ++i)
        knobImages[(size_t) i] = build.image (s, SkinImageId::isolateKnobScale, knob (i));
    for (int i = 0; i < 3; ++i)
        isolateArcs[(size_t) i] = build.arc (s, knob (i));

    dividers[0] = build.image (s, SkinImageId::isolateDivider, { 251, 86, 4, 106 });
    dividers[1] = build.image (s, SkinImageId::isolateDivider, { 379, 86, 4, 106 });

    for (int e = 0; e < numEffects; ++e)
        isolateEffectButtons[(size_t) e] = effectKey (build, s, e);

    isolateLockButton = build.button<LockButton> (s, lockBounds, Start::faded);
    lockStrip = build.image (s, SkinImageId::isolateLockStrip, lockStripBounds);
}

void IsolateSection::createEditPanel (PanelBuilder& build, juce::LookAndFeel& plainList, juce::LookAndFeel& wideButtonList)
{
    auto* p = isolatePanel;
    panelNameLabel = build.label (p, effectName (0), 18.0f, J::centred, nameBounds);
    panelFrequencyCaption = build.label (p, "FREQUENCY", 18.0f, J::centredLeft, { 38, 232, 112, 15 });

    for (int i = 0; i < 3; ++i)
        panelKnobImages[(size_t) i] = build.image (p, SkinImageId::isolateKnobScale, knob (i));
    for (int i = 0; i < 3; ++i)
        isolatePanelArcs[(size_t) i] = build.arc (p, knob (i));

    panelDividers[0] = build.image (p, SkinImageId::isolatePanelDivider, { 251, 86, 4, 136 });
    panelDividers[1] = build.image (p, SkinImageId::isolatePanelDivider, { 379, 86, 4, 136 });
    panelDividers[2] = build.image (p, SkinImageId::isolatePanelDividerShort, { 251, 256, 4, 51 });
    panelDividers[3] = build.image (p, SkinImageId::isolatePanelDividerShort, { 379, 256, 4, 51 });
    panelCloseButton = build.closeButton (p, { 541, 106 });

    isolateFrequencyCombos[0] = build.combo (p, { 217, 229, 91, 21 }, &plainList);
    isolateFrequencyCombos[1] = build.combo (p, { 345, 229, 91, 21 }, &plainList);

    for (int i = 0; i < 6; ++i)
        isolateValueCombos[(size_t) i] = build.combo (p, { comboX[i], 166, 51, 32 }, &wideButtonList);

    for (int e = 0; e < numEffects; ++e)
        isolatePanelEffectButtons[(size_t) e] = effectKey (build, p, e);

    isolatePanelLockButton = build.button<LockButton> (p, lockBounds, Start::faded);
    panelLockStrip = build.image (p, SkinImageId::isolateLockStrip, lockStripBounds);
}

void IsolateSection::registerControls (PanelControls& controls) const
{
    controls.add (ControlId::isolateLock, *isolateLockButton);
    controls.add (ControlId::isolatePanelLock, *isolatePanelLockButton);

    // Read-outs 1..6 are the band values, 7..8 the frequencies; combos 1..2 the frequencies, 3..8 the bands.
    for (int n = 1; n <= 6; ++n)
    {
        controls.add (ControlIds::isolateReadout (n), *isolateValueLabels[(size_t) n - 1]);
        controls.add (ControlIds::isolateCombo (n + 2), *isolateValueCombos[(size_t) n - 1]);
    }

    for (int n = 1; n <= 2; ++n)
    {
        controls.add (ControlIds::isolateReadout (n + 6), *isolateFrequencyLabels[(size_t) n - 1]);
        controls.add (ControlIds::isolateCombo (n), *isolateFrequencyCombos[(size_t) n - 1]);
    }

    controls.setArcs ({ isolateArcs[0], isolateArcs[1], isolateArcs[2] },
                      { isolatePanelArcs[0], isolatePanelArcs[1], isolatePanelArcs[2] });
}

int IsolateSection::boundEffect (int currentEffect, int editedEffect) noexcept
{
    return juce::isPositiveAndBelow (currentEffect, numEffects) ? currentEffect : juce::jlimit (0, numEffects - 1, editedEffect);
}

void IsolateSection::refresh (PanelControls& controls, int effect)
{
    controls.showSwitch (ControlId::isolateLock, effect);
    controls.showSwitch (ControlId::isolatePanelLock, effect);

    isolateNameLabel->setText (effectName (effect), juce::dontSendNotification);

    // The table leaves the frequency controls of CUT/ADD and GATE/DRIVE unbound: they keep the
    // frequencies of the effect last bound to them.
    for (int n = 1; n <= 8; ++n)
    {
        controls.bind (ControlIds::isolateReadout (n), effect);
        controls.bind (ControlIds::isolateCombo (n), effect);
    }

    const bool arcsLive = ControlBindings::isolateArcsEnabled (effect);
    for (auto* arc : isolateArcs)
        arc->setEnabled (arcsLive);
    for (auto* arc : isolatePanelArcs)
        arc->setEnabled (arcsLive);

    isolateButton->repaint();
    isolatePanel->repaint();
}

void IsolateSection::showEffect (PanelControls& controls, int effect)
{
    isolateLockButton->setLit (effect == lockPosition);

    for (auto* key : isolateEffectButtons)
        key->setLit (false);

    if (juce::isPositiveAndBelow (effect, numEffects))
    {
        isolateEffectButtons[(size_t) effect]->setLit (true);
        isolateNameLabel->setText (effectName (effect), juce::dontSendNotification);

        for (int n = 1; n <= 8; ++n)
            controls.bind (ControlIds::isolateReadout (n), effect);

        const bool frequencies = ControlBindings::isolateHasFrequencies (effect);
        for (auto* c : { static_cast<juce::Component*> (frequencyCaption), static_cast<juce::Component*> (isolateFrequencyLabels[0]),
                         static_cast<juce::Component*> (isolateFrequencyLabels[1]) })
            setShownAndEnabled (*c, frequencies);

        const bool scale = ControlBindings::isolateArcsEnabled (effect);
        for (auto* k : knobImages)
            k->setImage (SkinImages::get (scale ? SkinImageId::isolateKnobScale : SkinImageId::isolateKnobPlain));
        for (auto* arc : isolateArcs)
            setShownAndEnabled (*arc, scale);
    }

    matchFadeOpacity (*isolateButton, isolateButton->getFadeAlpha());
}

void IsolateSection::showEditView (PanelControls& controls, int effect)
{
    for (auto* key : isolateEffectButtons)
        key->setInteractive (false);

    for (auto* key : isolatePanelEffectButtons)
    {
        key->setInteractive (true);
        key->switchOff();
    }

    auto* chosen = isolatePanelEffectButtons[(size_t) effect];
    chosen->setToggleState (true, juce::dontSendNotification);
    chosen->setInteractive (false);
    panelNameLabel->setText (effectName (effect), juce::dontSendNotification);

    for (int n = 1; n <= 8; ++n)
        controls.bind (ControlIds::isolateCombo (n), effect);

    const bool frequencies = ControlBindings::isolateHasFrequencies (effect);
    for (auto* c : { static_cast<juce::Component*> (isolateFrequencyCombos[0]), static_cast<juce::Component*> (isolateFrequencyCombos[1]),
                     static_cast<juce::Component*> (panelFrequencyCaption) })
        setShownAndEnabled (*c, frequencies);

    const bool scale = ControlBindings::isolateArcsEnabled (effect);
    for (auto* k : panelKnobImages)
        k->setImage (SkinImages::get (scale ? SkinImageId::isolateKnobScale : SkinImageId::isolateKnobPlain));
    for (auto* arc : isolatePanelArcs)
        setShownAndEnabled (*arc, scale);

    matchFadeOpacity (*isolatePanel, isolatePanel->getFadeAlpha());
}

void IsolateSection::openEffects()
{
    for (auto* key : isolateEffectButtons)
        key->setInteractive (true);

    for (auto* key : isolatePanelEffectButtons)
        key->switchOff();
}
