#include "editor/Body.h"

#include "widgets/AnimComponent.h"
#include "widgets/AnimImageButton.h"
#include "widgets/CloseButton.h"
#include "widgets/CustomMaskedImageComponent.h"
#include "widgets/CustomSliderButton.h"
#include "widgets/IsolateMenuButton.h"
#include "widgets/LockButton.h"
#include "widgets/PopupSlider.h"
#include "widgets/ReleaseMenuButton.h"
#include "widgets/SceneMenuButton.h"
#include "widgets/ToggleImageButton.h"
#include "widgets/ValueCombo.h"
#include "widgets/XPadMenuButton.h"

namespace
{
using Start = PanelBuilder::Start;

SkinBodyColour skinColourOf (BodyColor color) noexcept
{
    switch (color)
    {
        case BodyColor::white:      return SkinBodyColour::white;
        case BodyColor::platinum:   return SkinBodyColour::platinum;
        case BodyColor::black:      break;
    }
    return SkinBodyColour::black;
}
} // namespace

Body::Body (BodyHost& panelHost)
    : host (panelHost)
{
    setWantsKeyboardFocus (false);
}

Body::~Body()
{
    // The children go before the popup skins they use (members die after this body runs).
    for (auto* child : children)
        if (auto* box = dynamic_cast<juce::ComboBox*> (child))
            box->setLookAndFeel (nullptr);

    children.clear();
}

//==============================================================================
void Body::createComponents (DeviceSettings& currentDocument)
{
    document = &currentDocument;
    controls.setDocument (currentDocument);

    background.setInterceptsMouseClicks (false, false);
    addAndMakeVisible (background);

    PanelBuilder build (children, placements, customPopupMenu, { *this, *this, *this });
    createSectionButtons (build);

    isolate.createOverview (build);
    isolate.createEditPanel (build, customPopupMenu, wideButtonComboLookAndFeel);
    scene.create (build, customPopupMenuRight, customPopupMenuLeft);
    release.create (build);
    xpad.create (build, currentDocument);
    xpad.createPadPanel (build);

    keyboard.makeFocusContainers();

    isolate.registerControls (controls);
    scene.registerControls (controls);
    release.registerControls (controls);
    xpad.registerControls (controls);

    // The two overlays rest faded out until a section opens them; every section starts faded out,
    // its groups of read-outs too.
    for (auto* overlay : { isolate.isolatePanel, xpad.padPanel })
        overlay->setStateAndReevaluate (juce::Button::buttonNormal);

    for (auto* section : { isolate.isolatePanel, isolate.isolateButton, scene.sceneButton, release.releaseButton,
                           xpad.padPanel, xpad.xpadButton })
        matchFadeOpacity (*section, section->getFadeAlpha());

    setSize (panelWidth, panelHeight);
    resized();
}

void Body::createSectionButtons (PanelBuilder& build)
{
    // Bottom to top: the overlays lie under the section buttons until they open. An open section
    // takes the mouse round all of its controls (the others are hidden then); an overlay is never
    // shown beside another section, so one mask serves it throughout.
    isolate.isolatePanel = build.section (this, {}, { 11, 97, 630, 350 }, SkinImageSets::isolatePanel,
                                          SkinImageId::isolatePanelMask, SkinImageId::isolatePanelMask, Start::faded);
    isolate.isolateButton = build.section (this, "ISOLATE FX", { 11, 97, 630, 260 }, SkinImageSets::isolateSection,
                                           SkinImageId::isolateSectionMask, SkinImageId::isolateSectionOpenMask, Start::shown);
    scene.sceneButton = build.section (this, "SCENE FX", { 370, 28, 550, 540 }, SkinImageSets::sceneSection,
                                       SkinImageId::sceneSectionMask, SkinImageId::sceneSectionOpenMask, Start::shown);
    release.releaseButton = build.section (this, "RELEASE FX", { 328, 52, 622, 365 }, SkinImageSets::releaseSection,
                                           SkinImageId::releaseSectionMask, SkinImageId::releaseSectionOpenMask, Start::shown);
    xpad.padPanel = build.section (this, {}, { 0, 179, 580, 374 }, SkinImageSets::padPanel,
                                   SkinImageId::padPanelMask, SkinImageId::padPanelMask, Start::faded);
    xpad.xpadButton = build.section (this, "X-PAD FX", { 0, 259, 580, 294 }, SkinImageSets::xpadSection,
                                     SkinImageId::xpadSectionMask, SkinImageId::xpadSectionOpenMask, Start::shown);
}

AnimImageButton* Body::getSectionButton (PanelSection section) const noexcept
{
    return getSectionButtons()[sectionSlot (section)];
}

std::array<AnimImageButton*, numPanelSections> Body::getSectionButtons() const noexcept
{
    return { isolate.isolateButton, scene.sceneButton, release.releaseButton, xpad.xpadButton };
}

std::optional<PanelSection> Body::sectionOf (const AnimImageButton& button) const noexcept
{
    if (&button == isolate.isolateButton || &button == isolate.isolatePanel)  return PanelSection::isolate;
    if (&button == scene.sceneButton)                                         return PanelSection::scene;
    if (&button == release.releaseButton)                                     return PanelSection::release;
    if (&button == xpad.xpadButton || &button == xpad.padPanel)               return PanelSection::xpad;
    return std::nullopt;
}

//==============================================================================
void Body::bodyColorChanged (BodyColor color)
{
    bodyColorIndex = bodyColorFromInt (static_cast<int> (color));
    bodyImageDirty = true;
    repaint();
}

void Body::paint (juce::Graphics&)
{
    // The panel draws nothing itself: its background component shows the body.
    if (! bodyImageDirty)
        return;

    bodyImageDirty = false;
    const auto image = SkinImages::get (SkinImageSets::body[skinColourOf (bodyColorIndex)]);

    if (image != background.getImage())
        background.setImage (image);
}

void Body::resized()
{
    background.setBounds (0, 0, backgroundWidth, backgroundHeight);

    for (const auto& p : placements)
        p.component->setBounds (p.bounds);
}

void Body::mouseMove (const juce::MouseEvent& e)
{
    if (getPointerState().noteMouseMove (e.getScreenPosition()))
        keyboardMode = false;
}

void Body::mouseDown (const juce::MouseEvent&)
{
    // A click on the bare body goes back to the first level.
    resetSections();
    host.focusMainWindow();
}

//==============================================================================
void Body::refreshFromData()
{
    if (document == nullptr)
        return;

    isolate.refresh (controls, IsolateSection::boundEffect (currentEffect[0], editedEffect[0]));
    scene.refresh (controls, SceneSection::boundEffect (currentEffect[1], editedEffect[1]));
    release.refresh (controls, juce::jlimit (0, ReleaseSection::numEffects - 1, currentEffect[2]));
    xpad.refresh (controls, *document);
    repaint();
}

void Body::refreshSamplerPanelIfShown()
{
    if (xpad.isSamplerShown())
        selectXPadEffect (XPadEffect::sampler);
}

void Body::selectIsolateEffect (int effect)        { isolate.showEffect (controls, effect); }
void Body::showSceneEffectControls (int effect)    { scene.showEffect (controls, effect); }
void Body::selectReleaseEffect (int effect)        { release.showEffect (controls, effect); }

void Body::selectXPadEffect (int effect)
{
    if (document != nullptr)
        xpad.showEffect (controls, *document, effect);
}

SceneMenuButton* Body::selectSceneEffect (int effect)
{
    showSceneEffectControls (effect);
    return juce::isPositiveAndBelow (effect, SceneSection::numEffects) ? scene.sceneEffectButtons[(size_t) effect] : nullptr;
}

void Body::showSectionView (PanelSection section, int effect)
{
    switch (section)
    {
        case PanelSection::isolate: selectIsolateEffect (effect); break;
        case PanelSection::scene:   showSceneEffectControls (effect); break;
        case PanelSection::release: selectReleaseEffect (effect); break;
        case PanelSection::xpad:    selectXPadEffect (effect); break;
    }
}

//==============================================================================
void Body::buttonClicked (juce::Button* button)
{
    if (button == nullptr || document == nullptr)
        return;

    if (button == isolate.isolateLockButton || button == isolate.isolatePanelLockButton || button == scene.sceneLockButton)
        lockClicked (*button);
    else if (button == scene.sceneModulationButton || button == scene.sceneResonanceButton)
    {
        // The switches write the record of the effect whose values they show.
        scene.chooseSelector (controls, button == scene.sceneResonanceButton);
        commitSettingsChange();
    }
    else if (auto* sectionButton = dynamic_cast<AnimImageButton*> (button))
        sectionClicked (*sectionButton);
    else if (button == isolate.panelCloseButton)
        closeClicked (PanelSection::isolate);
    else if (button == scene.editCloseButton)
        closeClicked (PanelSection::scene);
    else if (button == release.editCloseButton)
        closeClicked (PanelSection::release);
    else if (button == xpad.editCloseButton || button == xpad.padCloseButton)
        closeClicked (PanelSection::xpad);
    else if (auto* key = dynamic_cast<Step2MenuButton*> (button))
    {
        const auto* parent = key->getParentComponent();
        const bool onOverlay = parent == isolate.isolatePanel || parent == xpad.padPanel;
        effectKeyClicked (key->getSection(), key->getEffectIndex(), onOverlay);
    }
    else
    {
        for (int i = 0; i < 3; ++i)
            if (button == xpad.rollButtons[(size_t) i])
                rollClicked (i);
    }
}

void Body::lockClicked (juce::Button& lock)
{
    const bool locked = lock.getToggleState();

    if (&lock == scene.sceneLockButton)
    {
        document->sceneLock = locked ? 1 : 0;
    }
    else
    {
        // The overview and the overlay show one lock: both follow either.
        document->isolateLock = locked ? 1 : 0;
        isolate.isolateLockButton->setToggleState (locked, juce::dontSendNotification);
        isolate.isolatePanelLockButton->setToggleState (locked, juce::dontSendNotification);
    }

    commitSettingsChange();
    placeEffectBrowser();
    restoreLastFocus();
}

void Body::rollClicked (int choice)
{
    for (int i = 0; i < 3; ++i)
    {
        xpad.rollButtons[(size_t) i]->setToggleState (i == choice, juce::dontSendNotification);
        xpad.rollButtons[(size_t) i]->setLit (i == choice);
    }

    if (auto* value = controls.valueFor (ControlId::rollButton, XPadEffect::roll))
        *value = choice;

    commitSettingsChange();
}

void Body::comboBoxChanged (juce::ComboBox* box)
{
    // Only an item of the box is ever stored: a box without a selection writes nothing.
    auto* combo = dynamic_cast<ValueCombo*> (box);
    if (combo == nullptr || ! combo->applySelection())
        return;

    if (auto* arc = combo->getIndicator())
        arc->repaint();

    commitSettingsChange();
}

std::optional<PanelSection> Body::effectKeySection (const juce::Button& button) const noexcept
{
    const auto* parent = button.getParentComponent();

    if (dynamic_cast<const IsolateMenuButton*> (&button) != nullptr && parent == isolate.isolateButton)
        return PanelSection::isolate;
    if (dynamic_cast<const SceneMenuButton*> (&button) != nullptr)
        return PanelSection::scene;
    if (dynamic_cast<const ReleaseMenuButton*> (&button) != nullptr)
        return PanelSection::release;
    if (dynamic_cast<const XPadMenuButton*> (&button) != nullptr && parent == xpad.xpadButton)
        return PanelSection::xpad;
    return std::nullopt;
}

void Body::buttonStateChanged (juce::Button* button)
{
    if (button == nullptr)
        return;

    // A section under the mouse previews its name and effect; an effect key its effect.
    if (auto* sectionButton = dynamic_cast<AnimImageButton*> (button))
        hoverSection (*sectionButton);
    else if (const auto section = effectKeySection (*button))
        hoverEffectKey (*button, *section);
}

bool Body::keyPressed (const juce::KeyPress& key, juce::Component* sectionButton)
{
    return keyboard.keyPressed (key, sectionButton);
}

//==============================================================================
void Body::navigateBack (juce::Component* focused)         { keyboard.navigateBack (focused); }
void Body::focusNext (juce::Component* focused)            { keyboard.focusNext (focused); }
void Body::focusPrevious (juce::Component* focused)        { keyboard.focusPrevious (focused); }
void Body::focusBeatAbove (juce::Component* beatButton)    { keyboard.focusBeatAbove (beatButton); }
void Body::focusBeatBelow (juce::Component* beatButton)    { keyboard.focusBeatBelow (beatButton); }
void Body::activateFocused (juce::Component* focused)      { keyboard.activateFocused (focused); }

AnimImageButton* Body::getOpenSectionButton()
{
    for (auto* b : { isolate.isolateButton, scene.sceneButton, xpad.xpadButton, release.releaseButton,
                     isolate.isolatePanel, xpad.padPanel })
        if (b != nullptr && b->isExpanded())
            return b;

    return nullptr;
}

bool Body::isOtherSectionOpen (PanelSection section)
{
    auto* open = getOpenSectionButton();
    if (open == nullptr)
        return false;

    const auto openSection = sectionOf (*open);
    return openSection.has_value() && *openSection != section;
}

void Body::updateSectionButtons()
{
    for (auto* b : getSectionButtons())
        if (b != nullptr)
            b->buttonStateChanged();
}

void Body::sectionButtonStateChanged (AnimImageButton& sectionButton)
{
    // A section coming up shows its current effect.
    if (sectionButton.isExpanded() && ! sectionButton.isOpen())
        if (const auto section = sectionOf (sectionButton); section.has_value() && &sectionButton == getSectionButton (*section))
            showSectionView (*section, currentEffect[sectionSlot (*section)]);
}

int Body::getCurrentEffect (PanelSection section)
{
    return currentEffect[sectionSlot (section)];
}

void Body::setCurrentEffect (PanelSection section, int effect)
{
    currentEffect[sectionSlot (section)] = effect;
}

bool Body::isAnySliderPopupOpen()
{
    for (auto* slider : { xpad.pitchMinusSlider, xpad.pitchPlusSlider })
        if (slider != nullptr && slider->isPopupOpen())
            return true;

    return false;
}

void Body::closeOtherSliderPopups (juce::Component& popupSlider)
{
    for (auto* slider : { xpad.pitchMinusSlider, xpad.pitchPlusSlider })
    {
        if (slider == nullptr)
            continue;

        if (slider != &popupSlider)
        {
            slider->hidePopup();
            slider->getButton().setUseMaskHitTest (false);
        }

        slider->repaint();
    }
}

void Body::raisePopupSlider (juce::Component& popupSlider)
{
    for (auto* slider : { xpad.pitchMinusSlider, xpad.pitchPlusSlider })
    {
        if (slider != nullptr && slider != &popupSlider)
            slider->toBehind (&popupSlider);

        if (slider != nullptr)
            slider->repaint();
    }
}
