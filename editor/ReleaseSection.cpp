#include "editor/ReleaseSection.h"

#include "core/ParameterTables.h"
#include "widgets/AnimComponent.h"
#include "widgets/AnimImageButton.h"
#include "widgets/CloseButton.h"
#include "widgets/ComboLabel.h"
#include "widgets/ReleaseMenuButton.h"
#include "widgets/ValueCombo.h"

namespace
{
using J = juce::Justification;
using R = juce::Rectangle<int>;
using Start = PanelBuilder::Start;

constexpr int category = 2;

// Isolate switch, X-PAD switch, Scene switch, feedback, then the three release times down the right.
const R readoutBounds[] { { 73, 175, 72, 15 }, { 73, 288, 72, 15 }, { 272, 175, 72, 15 }, { 401, 114, 72, 15 },
                          { 515, 217, 32, 15 }, { 515, 259, 32, 15 }, { 515, 301, 32, 15 } };
const R comboBounds[] { { 67, 172, 100, 21 }, { 67, 285, 100, 21 }, { 266, 172, 100, 21 }, { 395, 111, 100, 21 },
                        { 509, 214, 60, 21 }, { 509, 256, 60, 21 }, { 509, 298, 60, 21 } };
constexpr int feedbackValue = 4;
} // namespace

void ReleaseSection::create (PanelBuilder& build)
{
    auto* s = releaseButton;

    for (int e = 0; e < numEffects; ++e)
        releaseEffectButtons[(size_t) e] = build.button<ReleaseMenuButton> (s, { 280 + 102 * e, 59, 108, 34 }, Start::faded,
                                                                            ParameterTables::effectName (category, e));

    captions[off] = build.label (s, "OFF", 16.0f, J::centred, { 515, 175, 32, 15 });
    captions[isolateFx] = build.label (s, "ISOLATE FX", 15.0f, J::centred, { 73, 132, 72, 12 });
    captions[xpadFx] = build.label (s, "X-PAD FX", 15.0f, J::centred, { 73, 256, 72, 12 });
    captions[feedback] = build.label (s, "FEEDBACK", 15.0f, J::centred, { 401, 95, 72, 12 });
    captions[releaseFx] = build.label (s, "RELEASE FX", 15.0f, J::centred, { 495, 140, 72, 15 });
    captions[sceneFx] = build.label (s, "SCENE FX", 15.0f, J::centred, { 273, 132, 72, 15 });

    editCloseButton = build.closeButton (nullptr, { 543, 21 });

    releaseLabelView = build.view (s, { 0, 0, 622, 365 }, Start::shown);
    for (int n = 0; n < numValues; ++n)
        releaseLabels[(size_t) n] = build.readout (releaseLabelView, 16.0f, J::centred, readoutBounds[n],
                                                   juce::Colours::white, Start::shown);

    releaseEditView = build.view (s, { 0, 0, 622, 365 }, Start::hidden);
    for (int n = 0; n < numValues; ++n)
        releaseCombos[(size_t) n] = build.combo (releaseEditView, comboBounds[n]);
}

void ReleaseSection::registerControls (PanelControls& controls) const
{
    for (int n = 1; n <= numValues; ++n)
    {
        controls.add (ControlIds::releaseReadout (n), *releaseLabels[(size_t) n - 1]);
        controls.add (ControlIds::releaseCombo (n), *releaseCombos[(size_t) n - 1]);
    }
}

void ReleaseSection::refresh (PanelControls& controls, int effect)
{
    for (int n = 1; n <= numValues; ++n)
        controls.bind (ControlIds::releaseReadout (n), effect);
    releaseLabelView->repaint();

    for (int n = 1; n <= numValues; ++n)
        controls.bind (ControlIds::releaseCombo (n), effect);
    releaseEditView->repaint();
}

void ReleaseSection::showEffect (PanelControls& controls, int effect)
{
    for (auto* key : releaseEffectButtons)
        key->switchOff();

    if (! juce::isPositiveAndBelow (effect, numEffects))
        return;

    releaseEffectButtons[(size_t) effect]->setLit (true);

    for (int n = 1; n <= numValues; ++n)
        controls.bind (ControlIds::releaseReadout (n), effect);

    const bool withFeedback = controls.bind (ControlIds::releaseReadout (feedbackValue), effect).use == BindingUse::shown;
    setShownAndEnabled (*releaseLabels[feedbackValue - 1], withFeedback);
    setShownAndEnabled (*captions[feedback], withFeedback);

    matchFadeOpacity (*releaseButton, releaseButton->getFadeAlpha());
    releaseButton->repaint();
}

void ReleaseSection::showEditView (PanelControls& controls, int effect)
{
    for (auto* key : releaseEffectButtons)
    {
        key->setInteractive (true);
        key->switchOff();
    }

    setShownAndEnabled (*releaseLabelView, false);

    for (int n = 1; n <= numValues; ++n)
    {
        const auto binding = controls.bind (ControlIds::releaseCombo (n), effect);
        auto* combo = releaseCombos[(size_t) n - 1];
        releaseButton->addChildComponent (combo);
        setShownAndEnabled (*combo, binding.use == BindingUse::shown);
    }

    releaseButton->addChildComponent (editCloseButton);
    setShownAndEnabled (*editCloseButton, true);
    releaseEditView->setVisible (false);
    releaseEditView->setEnabled (true);

    matchFadeOpacity (*releaseButton, releaseButton->getFadeAlpha());
    releaseButton->repaint();
}

void ReleaseSection::openEffects()
{
    releaseButton->removeChildComponent (editCloseButton);

    for (auto* combo : releaseCombos)
        releaseEditView->addChildComponent (combo);

    for (auto* label : releaseLabels)
        label->updateText();

    setShownAndEnabled (*releaseLabelView, true);
    setShownAndEnabled (*releaseEditView, false);

    for (auto* key : releaseEffectButtons)
        key->setInteractive (true);

    matchFadeOpacity (*releaseButton, releaseButton->getFadeAlpha());
}

bool ReleaseSection::isEditing() const
{
    return releaseEditView->isEnabled();
}
