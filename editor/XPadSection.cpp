#include "editor/XPadSection.h"

#include "core/ParameterTables.h"
#include "widgets/AnimComponent.h"
#include "widgets/AnimImageButton.h"
#include "widgets/CloseButton.h"
#include "widgets/ComboLabel.h"
#include "widgets/CustomLookAndFeel.h"
#include "widgets/DraggableButton.h"
#include "widgets/DropTargetImage.h"
#include "widgets/LanguageTypefaces.h"
#include "widgets/PopupSlider.h"
#include "widgets/ToggleImageButton.h"
#include "widgets/ValueCombo.h"
#include "widgets/ValueLabel.h"
#include "widgets/XPadMenuButton.h"
#include "widgets/XPadPad.h"
#include "widgets/XPadTab.h"

#include <vector>

namespace
{
using J = juce::Justification;
using R = juce::Rectangle<int>;
using Start = PanelBuilder::Start;
namespace XE = XPadEffect;

constexpr int category = 3;
const auto grey112 = PanelBuilder::grey (112), grey248 = PanelBuilder::grey (248);
constexpr float slotNameHeight = 14.0f;

struct Key
{
    SkinImageSet<SkinButtonState> faces;
    R bounds;
};

// ROLL, OSC, SAMPLER over the X-PAD key; PITCH to its left.
const Key keys[] { { SkinImageSets::xpadRollButton, { 174, 184, 68, 34 } }, { SkinImageSets::xpadOscButton, { 240, 184, 84, 34 } },
                   { SkinImageSets::xpadSamplerButton, { 322, 184, 84, 34 } }, { SkinImageSets::xpadPitchButton, { 115, 206, 58, 58 } },
                   { SkinImageSets::xpadPadButton, { 174, 214, 232, 50 } } };

const char* const drumNames[] { "KICK", "SNARE", "CLAP", "HI-HAT" };
const char* const rowNames[] { "GAIN", "DECAY", "ENVELOPE" };
const char* const rollNames[] { "ROLL", "SLIP ROLL", "DIVIDE ROLL" };

XPadMenuButton* effectKey (PanelBuilder& build, juce::Component* parent, int effect, int dy)
{
    const auto& key = keys[effect];
    auto* b = build.button<XPadMenuButton> (parent, key.bounds.translated (0, dy), Start::faded,
                                            ParameterTables::effectName (category, effect));
    using S = SkinButtonState;
    b->setImages (SkinImages::get (key.faces[S::normal]), SkinImages::get (key.faces[S::over]),
                  SkinImages::get (key.faces[S::down]), SkinImages::get (key.faces[S::disabled]));
    return b;
}

juce::Font slotNameFont (bool empty)
{
    return empty ? CustomLookAndFeel::skinFont (slotNameHeight)
                 : LanguageTypefaces::fontFor (CustomLookAndFeel::getUiLanguage(), slotNameHeight);
}
} // namespace

void XPadSection::create (PanelBuilder& build, DeviceSettings& document)
{
    auto* s = xpadButton;

    for (int e = 0; e < numEffects; ++e)
        xpadEffectButtons[(size_t) e] = effectKey (build, s, e, 0);

    pitchView = build.view (s, { 0, 0, 580, 294 }, Start::shown);
    xpadNameLabel = build.label (s, {}, 16.0f, J::centred, { 243, 49, 94, 15 });
    xpadEditView = build.view (s, { 0, 0, 580, 294 }, Start::hidden);

    for (int i = 0; i < 3; ++i)
    {
        rollButtons[(size_t) i] = build.button<ToggleImageButton> (s, { 118 + 116 * i, 102, 108, 34 }, Start::faded, rollNames[i]);
        rollButtons[(size_t) i]->setInteractive (false);
    }

    for (int c = 0; c < 4; ++c)
    {
        drumTabs[(size_t) c] = build.make<XPadTab> (s, { 99 + 110 * c, 21, 110, 40 }, Start::faded, drumNames[c]);
        drumTabs[(size_t) c]->setInterceptsMouseClicks (false, false);
    }

    for (int r = 0; r < 3; ++r)
        rowCaptions[(size_t) r] = build.label (s, rowNames[r], 14.0f, J::centred, { 34, 75 + 40 * r, 56, 12 }, grey112);

    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 4; ++c)
            oscLabels[(size_t) (r * 4 + c)] = build.readout (s, 16.0f, J::centred, { 122 + 110 * c, 74 + 40 * r, 64, 14 }, grey248);

    for (int b = 0; b < numSamplerBanks; ++b)
        for (int slot = 0; slot < slotsPerBank; ++slot)
            slotFrames[(size_t) (b * slotsPerBank + slot)] = build.image (s, SkinImageId::slotFrame,
                                                                          { 101 + 110 * slot, 63 + 30 * b, 105, 19 },
                                                                          Start::faded, true);

    for (int b = 0; b < numSamplerBanks; ++b)
        for (int slot = 0; slot < slotsPerBank; ++slot)
            slotNameLabels[(size_t) (b * slotsPerBank + slot)] = build.label (s, {}, slotNameHeight, J::centredLeft,
                                                                              { 103 + 110 * slot, 67 + 30 * b, 102, 12 }, grey248);

    for (int b = 0; b < numSamplerBanks; ++b)
        bankLabels[(size_t) b] = build.label (s, "BANK" + juce::String (b + 1), 14.0f, J::centred, { 34, 67 + 30 * b, 56, 12 }, grey112);

    xpadPad = build.make<XPadPad> (s, { 175, 88, 230, 56 }, Start::faded);
    xpadPad->setInterceptsMouseClicks (false, false);
    editCloseButton = build.closeButton (nullptr, { 496, 223 });

    pitchKnobImages[0] = build.image (pitchView, SkinImageId::pitchKnob, { 256, 63, 68, 68 });
    pitchKnobImages[1] = build.image (pitchView, SkinImageId::pitchKnobScale, { 256, 63, 68, 68 });
    pitchMinusLabel = build.make<ValueLabel> (pitchView, { 218, 120, 44, 15 }, Start::faded);
    pitchPlusLabel = build.make<ValueLabel> (pitchView, { 317, 120, 44, 15 }, Start::faded);

    for (auto* l : { pitchMinusLabel, pitchPlusLabel })
    {
        l->setFont (CustomLookAndFeel::skinFont (16.0f));
        l->setJustificationType (J::centred);
        l->setEditable (false, false, false);
        l->setColour (juce::Label::textColourId, juce::Colours::white);
        l->setInterceptsMouseClicks (false, false);
        l->setBorderSize ({});
    }

    auto& pitch = document.xpad[XE::pitch].values;
    pitchMinusSlider = build.make<PopupSlider> (xpadEditView, { 159, 119, 163, 51 }, Start::faded, DbStepRow::pitchMinus, &pitch[2]);
    pitchPlusSlider = build.make<PopupSlider> (xpadEditView, { 258, 119, 163, 51 }, Start::faded, DbStepRow::pitchPlus, &pitch[3]);

    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 4; ++c)
            oscCombos[(size_t) (r * 4 + c)] = build.combo (xpadEditView, { 104 + 110 * c, 70 + 40 * r, 104, 21 });
}

void XPadSection::createPadPanel (PanelBuilder& build)
{
    auto* p = padPanel;
    padCloseButton = build.closeButton (p, { 496, 303 }, Start::shown);
    padImage = build.image (p, SkinImageId::xpadPadTargets, { 175, 168, 230, 56 }, Start::shown);

    for (int i = 0; i < numPositions; ++i)
        padDropTargets[(size_t) i] = build.make<DropTargetImage> (p, { 182 + 44 * i, 176, 40, 40 }, Start::shown);

    using S = SkinPressState;
    const auto& faces = SkinImageSets::beatButton;
    const auto pressed = SkinImages::get (faces[S::down]);

    for (int i = 0; i < numBeats; ++i)
    {
        auto* beat = build.button<DraggableButton> (p, { 92 + 50 * (i % 8), 53 + 50 * (i / 8), 46, 46 }, Start::shown, p);
        beat->setImages (SkinImages::get (faces[S::normal]), SkinImages::get (faces[S::over]), pressed, pressed);
        beat->setButtonText (ParameterTables::beatFractionLabel (i));
        beatButtons[(size_t) i] = beat;
    }

    for (int e = 0; e < numEffects; ++e)
        padPanelEffectButtons[(size_t) e] = effectKey (build, p, e, 80);

    padPanelEffectButtons[XE::xpad]->setToggleState (true, juce::dontSendNotification);
}

void XPadSection::registerControls (PanelControls& controls) const
{
    for (int i = 0; i < 3; ++i)
        controls.add (ControlIds::rollButton (i), *rollButtons[(size_t) i]);

    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 4; ++c)
        {
            controls.add (ControlIds::oscReadout (r, c), *oscLabels[(size_t) (r * 4 + c)]);
            controls.add (ControlIds::oscCombo (r, c), *oscCombos[(size_t) (r * 4 + c)]);
        }

    for (int i = 0; i < numUnitSlots; ++i)
        controls.add (ControlIds::slotName (i), *slotNameLabels[(size_t) i]);

    controls.add (ControlId::pitchMinusReadout, *pitchMinusLabel);
    controls.add (ControlId::pitchPlusReadout, *pitchPlusLabel);
    controls.add (ControlId::pitchMinusSlider, *pitchMinusSlider);
    controls.add (ControlId::pitchPlusSlider, *pitchPlusSlider);

    for (int i = 0; i < numPositions; ++i)
        controls.add (ControlIds::padTarget (i), *padDropTargets[(size_t) i]);
}

void XPadSection::refresh (PanelControls& controls, const DeviceSettings& document)
{
    // The X-PAD controls do not depend on the effect the section shows.
    constexpr int anyEffect = 0;

    for (int n = 0; n < 12; ++n)
        controls.bind (ControlIds::oscReadout (n / 4, n % 4), anyEffect);
    for (int n = 0; n < 12; ++n)
        controls.bind (ControlIds::oscCombo (n / 4, n % 4), anyEffect);

    refreshSlotNames (controls, document);

    for (int i = 0; i < numPositions; ++i)
    {
        controls.bind (ControlIds::padTarget (i), anyEffect);
        xpadPad->setBeatIndex (i, document.xpad[XE::xpad].values[16 + i]);
        padDropTargets[(size_t) i]->repaint();
    }
    xpadPad->repaint();

    for (auto id : { ControlId::pitchMinusReadout, ControlId::pitchPlusReadout, ControlId::pitchMinusSlider, ControlId::pitchPlusSlider })
        controls.bind (id, anyEffect);
    pitchView->repaint();

    for (int i = 0; i < 3; ++i)
        controls.showSwitch (ControlIds::rollButton (i), anyEffect);
    xpadEditView->repaint();
}

void XPadSection::refreshSlotNames (PanelControls& controls, const DeviceSettings& document)
{
    for (int i = 0; i < numUnitSlots; ++i)
    {
        auto& label = *slotNameLabels[(size_t) i];
        const auto font = slotNameFont (slotPathIsEmpty (samplerSlot (document, i)));

        if (label.getFont() != font)
            label.setFont (font);

        controls.bind (ControlIds::slotName (i), XE::sampler);
    }
}

bool XPadSection::isSamplerShown() const
{
    return slotNameLabels[0]->isVisible();
}

void XPadSection::showEffect (PanelControls& controls, const DeviceSettings& document, int effect)
{
    for (auto* key : xpadEffectButtons)
        key->switchOff();

    std::vector<juce::Component*> parts { xpadNameLabel, pitchMinusLabel, pitchPlusLabel, xpadPad };
    parts.insert (parts.end(), pitchKnobImages.begin(), pitchKnobImages.end());
    parts.insert (parts.end(), rollButtons.begin(), rollButtons.end());
    parts.insert (parts.end(), drumTabs.begin(), drumTabs.end());
    parts.insert (parts.end(), rowCaptions.begin(), rowCaptions.end());
    parts.insert (parts.end(), oscLabels.begin(), oscLabels.end());
    parts.insert (parts.end(), oscCombos.begin(), oscCombos.end());
    parts.insert (parts.end(), slotNameLabels.begin(), slotNameLabels.end());
    parts.insert (parts.end(), slotFrames.begin(), slotFrames.end());
    parts.insert (parts.end(), bankLabels.begin(), bankLabels.end());

    for (auto* c : parts)
        setShownAndEnabled (*c, false);

    const auto show = [] (auto& components)
    {
        for (auto* c : components)
            setShownAndEnabled (*c, true);
    };

    if (juce::isPositiveAndBelow (effect, numEffects))
        xpadEffectButtons[(size_t) effect]->setLit (true);

    switch (effect)
    {
        case XE::roll:
            xpadNameLabel->setText ("ROLL TYPE", juce::dontSendNotification);
            setShownAndEnabled (*xpadNameLabel, true);
            for (int i = 0; i < 3; ++i)
                controls.showSwitch (ControlIds::rollButton (i), effect);
            show (rollButtons);
            break;

        case XE::osc:
            for (int c = 0; c < 4; ++c)
                drumTabs[(size_t) c]->setText (drumNames[c]);
            show (drumTabs);
            show (rowCaptions);
            for (int n = 0; n < 12; ++n)
                controls.bind (ControlIds::oscReadout (n / 4, n % 4), effect);
            show (oscLabels);
            break;

        case XE::sampler:
            for (int c = 0; c < 4; ++c)
                drumTabs[(size_t) c]->setText ("SLOT" + juce::String (c + 1));
            show (drumTabs);
            refreshSlotNames (controls, document);
            show (slotNameLabels);
            show (slotFrames);
            show (bankLabels);
            break;

        case XE::pitch:
            xpadNameLabel->setText ("PITCH", juce::dontSendNotification);
            setShownAndEnabled (*xpadNameLabel, true);
            controls.bind (ControlId::pitchMinusReadout, effect);
            controls.bind (ControlId::pitchPlusReadout, effect);
            setShownAndEnabled (*pitchMinusLabel, true);
            setShownAndEnabled (*pitchPlusLabel, true);
            show (pitchKnobImages);
            break;

        case XE::xpad:
            for (int i = 0; i < numPositions; ++i)
                xpadPad->setBeatIndex (i, document.xpad[XE::xpad].values[16 + i]);
            setShownAndEnabled (*xpadPad, true);
            break;

        default:
            break;
    }

    matchFadeOpacity (*xpadButton, xpadButton->getFadeAlpha());
    xpadButton->repaint();
}

void XPadSection::showEditView (PanelControls& controls, int effect)
{
    for (auto* key : xpadEffectButtons)
        key->setInteractive (true);

    setShownAndEnabled (*pitchMinusLabel, false);
    setShownAndEnabled (*pitchPlusLabel, false);

    if (effect != XE::sampler)
    {
        for (auto* c : slotNameLabels)    setShownAndEnabled (*c, false);
        for (auto* c : slotFrames)        setShownAndEnabled (*c, false);
        for (auto* c : bankLabels)        setShownAndEnabled (*c, false);
    }

    if (effect == XE::xpad)
    {
        for (int i = 0; i < numPositions; ++i)
            controls.bind (ControlIds::padTarget (i), effect);

        for (int e = 0; e < numEffects; ++e)
        {
            padPanelEffectButtons[(size_t) e]->setInteractive (e != XE::xpad);
            padPanelEffectButtons[(size_t) e]->setToggleState (e == XE::xpad, juce::dontSendNotification);
        }
        return;
    }

    if (effect != XE::roll && effect != XE::osc && effect != XE::pitch)
        return;

    for (auto* toggle : rollButtons)
        toggle->setInteractive (effect == XE::roll);

    if (effect == XE::osc)
    {
        for (auto* label : oscLabels)
            setShownAndEnabled (*label, false);
        for (int n = 0; n < 12; ++n)
            controls.bind (ControlIds::oscCombo (n / 4, n % 4), effect);
    }

    if (effect == XE::pitch)
    {
        controls.bind (ControlId::pitchMinusSlider, effect);
        controls.bind (ControlId::pitchPlusSlider, effect);
    }

    // What the effect edits joins the section itself, so that it fades with it; the rest of the
    // resting panel stays hidden.
    for (auto* combo : oscCombos)
    {
        xpadButton->addChildComponent (combo);
        setShownAndEnabled (*combo, effect == XE::osc);
    }

    for (auto* slider : { pitchMinusSlider, pitchPlusSlider })
    {
        xpadButton->addChildComponent (slider);
        setShownAndEnabled (*slider, effect == XE::pitch);
    }

    xpadButton->addChildComponent (editCloseButton);
    setShownAndEnabled (*editCloseButton, true);
    xpadEditView->setVisible (false);
    xpadEditView->setEnabled (true);

    matchFadeOpacity (*xpadButton, xpadButton->getFadeAlpha());
    xpadButton->repaint();
}

void XPadSection::openEffects()
{
    for (auto* toggle : rollButtons)
        toggle->setInteractive (false);

    xpadButton->removeChildComponent (editCloseButton);

    for (auto* slider : { pitchMinusSlider, pitchPlusSlider })
    {
        slider->hidePopup();
        xpadEditView->addChildComponent (slider);
        setShownAndEnabled (*slider, true);
    }

    for (auto* combo : oscCombos)
    {
        xpadEditView->addChildComponent (combo);
        setShownAndEnabled (*combo, true);
    }

    setShownAndEnabled (*xpadEditView, false);

    for (auto* key : xpadEffectButtons)
    {
        key->switchOff();
        key->setInteractive (true);
    }

    matchFadeOpacity (*xpadButton, xpadButton->getFadeAlpha());
}

bool XPadSection::isEditing() const
{
    return xpadEditView->isEnabled();
}
