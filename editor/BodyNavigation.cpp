// The effect panel's walk through its levels: the selection state, the section and effect operations
// that the clicks, the breadcrumb bar, the effect browser and the keyboard share.

#include "editor/Body.h"

#include "editor/LineBrowser.h"
#include "editor/bindings/PanelNames.h"
#include "widgets/AnimComponent.h"
#include "widgets/AnimImageButton.h"
#include "widgets/DropTargetImage.h"
#include "widgets/LockButton.h"
#include "widgets/IsolateMenuButton.h"
#include "widgets/PopupSlider.h"
#include "widgets/ReleaseMenuButton.h"
#include "widgets/SceneMenuButton.h"
#include "widgets/ToggleImageButton.h"
#include "widgets/ValueCombo.h"
#include "widgets/XPadMenuButton.h"

namespace
{
constexpr int numEffectsOf[numPanelSections] { IsolateSection::numEffects, SceneSection::numEffects,
                                               ReleaseSection::numEffects, XPadSection::numEffects };

constexpr PanelSection sectionAt (int index) noexcept   { return static_cast<PanelSection> (index); }

bool isEffectOf (PanelSection section, int effect) noexcept
{
    return juce::isPositiveAndBelow (effect, numEffectsOf[sectionSlot (section)]);
}

/** Lets a section button go of every flag that makes it the chosen one, and hides it as it fades. */
void dim (AnimImageButton& b, bool alsoExpanded)
{
    b.setDimmed (true);
    b.setOpen (false);
    b.setSelected (false);
    if (alsoExpanded)
        b.setExpanded (false);
}

/** Makes a section button or overlay the chosen, expanded one on top. */
void raiseExpanded (AnimImageButton& b)
{
    b.setDimmed (false);
    b.setVisible (true);
    b.setOpen (true);
    b.setExpanded (true);
    b.toFront (false);
}
/** A section's overlay put back behind its section button, and the section button shown open at
    the section's level: how the two sections with an overlay come back to their effects. */
void showOpenBehindOverlay (AnimImageButton& overlay, AnimImageButton& b)
{
    overlay.setExpanded (false);
    dim (overlay, false);
    overlay.buttonStateChanged();

    b.setExpanded (false);
    b.setSelected (false);
    b.setDimmed (false);
    b.setVisible (true);
    b.setOpen (true);
    b.buttonStateChanged();
}
} // namespace

//==============================================================================
int Body::getLevel() const
{
    return breadcrumb != nullptr ? breadcrumb->getLevel() : 1;
}

int Body::getEditedEffect (PanelSection section) const noexcept
{
    return editedEffect[sectionSlot (section)];
}

bool Body::isEditViewInUse (PanelSection section) const
{
    switch (section)
    {
        case PanelSection::isolate: return isolate.isolatePanel->isOpen();
        case PanelSection::scene:   return scene.isEditing();
        case PanelSection::release: return release.isEditing();
        case PanelSection::xpad:    break;
    }
    return xpad.isEditing() || xpad.padPanel->isOpen();
}

bool Body::isStepCurrent (int step) const
{
    return breadcrumb != nullptr && breadcrumb->isStepVisible (step)
        && breadcrumb->getStep (static_cast<LineBrowser::Step> (step)).isCurrent();
}

bool Body::isBreadcrumbEffectPinned()
{
    return isStepCurrent (LineBrowser::effectStep);
}

void Body::showLinePathSection (PanelSection section, bool placeBrowser)
{
    if (breadcrumb != nullptr)
        breadcrumb->showLinePathSection (PanelNames::sectionName ((int) section), placeBrowser);
}

void Body::showLinePathEffect (PanelSection section, int effect)
{
    if (breadcrumb != nullptr)
        breadcrumb->showLinePathEffect (PanelNames::oneLineEffectName ((int) section, effect));
}

void Body::focusPanel()
{
    host.focusMainWindow();
}

//==============================================================================
void Body::resetSections()
{
    host.closeMenus();

    // An effect open for editing goes back to its section's effects first, showing the current one.
    if (isolate.isolatePanel->isOpen())
    {
        openIsolateSection();
        selectIsolateEffect (currentEffect[0]);
    }

    if (scene.isEditing())
    {
        openSceneSection();
        selectSceneEffect (currentEffect[1]);
    }

    if (release.isEditing())
    {
        openReleaseSection();
        selectReleaseEffect (currentEffect[2]);
    }

    if (xpad.padPanel->isOpen() || xpad.isEditing())
    {
        openXPadSection();
        selectXPadEffect (currentEffect[3]);
    }

    if (breadcrumb != nullptr)
        breadcrumb->showLinePathRoot();

    for (auto* b : getSectionButtons())
    {
        b->setDimmed (false);
        b->setVisible (true);
        b->setOpen (false);
        b->setSelected (false);
        b->setExpanded (false);
    }

    // Each lets go (and fades out) unless the mouse rests on it, which shows it as at the first level.
    for (auto* b : getSectionButtons())
        b->buttonStateChanged();
}

void Body::showSection (int section)
{
    if (section < 0)
        section = currentSection;

    // Before any section was open there is none to show again: the panel only goes back to level 1.
    if (juce::isPositiveAndBelow (section, numPanelSections))
        reopenSection (section);
    else
        resetSections();
}

void Body::reopenSection (int section)
{
    if (! juce::isPositiveAndBelow (section, numPanelSections))
        return;

    resetSections();
    currentSection = section;
    const auto s = sectionAt (section);

    if (! (s == PanelSection::isolate ? isolate.isolateButton->isOpen() : isEditViewInUse (s)))
    {
        markSection (s);
        openSection (s);
        showSectionView (s, currentEffect[(size_t) section]);
    }
}

void Body::enterSection (int section)
{
    if (! juce::isPositiveAndBelow (section, numPanelSections))
        return;

    resetSections();
    currentSection = section;
    const auto s = sectionAt (section);

    if (breadcrumb != nullptr)
    {
        auto& step = breadcrumb->getStep (LineBrowser::sectionStep);
        step.setVisible (true);
        step.setCurrent (false);
        step.setHighlighted (true);
        step.setButtonText (PanelNames::sectionName (section));
        step.useImages (LineBrowserButton::Ends::end);
        breadcrumb->repaint();
    }

    for (auto* b : getSectionButtons())
        b->setSelected (false);

    auto* b = getSectionButton (s);
    b->setExpanded (false);
    b->setDimmed (false);
    b->setVisible (true);
    b->setSelected (true);
    b->buttonStateChanged();

    showSectionView (s, currentEffect[(size_t) section]);
    host.focusMainWindow();
    keyboardMode = true;
}

//==============================================================================
void Body::markSection (PanelSection section)
{
    auto* chosen = getSectionButton (section);

    for (auto* b : getSectionButtons())
        if (b != chosen)
        {
            dim (*b, false);
            b->buttonStateChanged();
        }

    chosen->setSelected (false);
    chosen->setOpen (true);
    chosen->buttonStateChanged();
}

void Body::markIsolateSectionButton()   { markSection (PanelSection::isolate); }
void Body::markSceneSectionButton()     { markSection (PanelSection::scene); }
void Body::markReleaseSectionButton()   { markSection (PanelSection::release); }
void Body::markXPadSectionButton()      { markSection (PanelSection::xpad); }

void Body::openSection (PanelSection section)
{
    switch (section)
    {
        case PanelSection::isolate: openIsolateSection(); break;
        case PanelSection::scene:   openSceneSection(); break;
        case PanelSection::release: openReleaseSection(); break;
        case PanelSection::xpad:    openXPadSection(); break;
    }
}

void Body::openIsolateSection()
{
    showLinePathSection (PanelSection::isolate, true);
    currentSection = 0;
    showOpenBehindOverlay (*isolate.isolatePanel, *isolate.isolateButton);
    isolate.openEffects();
}

void Body::openSceneSection()
{
    showLinePathSection (PanelSection::scene, true);
    currentSection = 1;
    scene.openEffects();
}

void Body::openReleaseSection()
{
    showLinePathSection (PanelSection::release, true);
    currentSection = 2;
    release.openEffects();
}

void Body::openXPadSection()
{
    showLinePathSection (PanelSection::xpad, true);
    currentSection = 3;
    xpad.openEffects();
    showOpenBehindOverlay (*xpad.padPanel, *xpad.xpadButton);
}

//==============================================================================
void Body::chooseEffect (PanelSection section, int effect)
{
    switch (section)
    {
        case PanelSection::isolate: chooseIsolateEffect (effect); break;
        case PanelSection::scene:   chooseSceneEffect (effect); break;
        case PanelSection::release: chooseReleaseEffect (effect); break;
        case PanelSection::xpad:    chooseXPadEffect (effect); break;
    }
}

int Body::takeEditedEffect (PanelSection section, int effect)
{
    const auto slot = sectionSlot (section);

    if (! isEffectOf (section, effect))
        effect = editedEffect[slot];

    editedEffect[slot] = currentEffect[slot] = effect;
    return effect;
}

void Body::chooseIsolateEffect (int effect)
{
    effect = takeEditedEffect (PanelSection::isolate, effect);
    isolate.showEditView (controls, effect);
    showLinePathEffect (PanelSection::isolate, effect);
}

void Body::chooseSceneEffect (int effect)
{
    effect = takeEditedEffect (PanelSection::scene, effect);
    showLinePathEffect (PanelSection::scene, effect);
    scene.showEditView (controls, effect);
}

void Body::chooseReleaseEffect (int effect)
{
    effect = takeEditedEffect (PanelSection::release, effect);
    showLinePathEffect (PanelSection::release, effect);
    release.showEditView (controls, effect);
}

void Body::chooseXPadEffect (int effect)
{
    effect = takeEditedEffect (PanelSection::xpad, effect);
    showLinePathEffect (PanelSection::xpad, effect);
    xpad.showEditView (controls, effect);

    if (effect == XPadEffect::xpad)
    {
        // The position overlay takes the section's place; every section button lets go.
        for (auto* b : getSectionButtons())
            dim (*b, b == xpad.xpadButton);

        raiseExpanded (*xpad.padPanel);

        for (auto* b : getSectionButtons())
            b->buttonStateChanged();
        xpad.padPanel->buttonStateChanged();
    }
    else if (effect == XPadEffect::sampler)
    {
        host.showSamplerWindow();

        if (xpad.isSamplerShown())
            selectXPadEffect (XPadEffect::sampler);

        host.focusSamplerSlot();
    }
}

//==============================================================================
int Body::resolveRequestedEffect (PanelSection section, int effect) const
{
    if (effect < 0)
        effect = requestedEffect;

    // What was asked for last may belong to another section, or be a lock position: the section's
    // own last edited effect stands in.
    return isEffectOf (section, effect) ? effect : editedEffect[sectionSlot (section)];
}

void Body::selectSectionEffect (int sectionIndex, int effect, juce::Component* focusTarget)
{
    if (! juce::isPositiveAndBelow (sectionIndex, numPanelSections) || document == nullptr)
        return;

    const auto section = sectionAt (sectionIndex);
    effect = resolveRequestedEffect (section, effect);
    requestedEffect = effect;

    switch (section)
    {
        case PanelSection::isolate:
        {
            showSection (0);
            chooseIsolateEffect (effect);

            auto& b = *isolate.isolateButton;
            dim (b, true);
            b.buttonStateChanged();

            auto& overlay = *isolate.isolatePanel;
            raiseExpanded (overlay);
            overlay.buttonStateChanged();
            overlay.setFocusAfterFade (focusTarget != nullptr ? focusTarget : isolate.isolateValueCombos[0]);
            break;
        }

        case PanelSection::scene:
        {
            showSection (1);
            showSceneEffectControls (effect);
            chooseSceneEffect (effect);
            markSceneSectionButton();

            auto* key = scene.sceneEffectButtons[(size_t) effect];
            key->setInteractive (false);
            key->setToggleState (true, juce::dontSendNotification);
            scene.sceneButton->setFocusAfterFade (focusTarget != nullptr ? focusTarget : scene.sceneCenterCombo);
            break;
        }

        case PanelSection::release:
        {
            showSection (2);
            selectReleaseEffect (effect);
            chooseReleaseEffect (effect);
            markReleaseSectionButton();

            auto* key = release.releaseEffectButtons[(size_t) effect];
            key->setInteractive (false);
            key->setToggleState (true, juce::dontSendNotification);
            key->repaint();
            release.releaseButton->setFocusAfterFade (focusTarget != nullptr ? focusTarget : release.releaseCombos[0]);
            break;
        }

        case PanelSection::xpad:
            selectXPadSectionEffect (effect, focusTarget);
            break;
    }
}

void Body::selectXPadSectionEffect (int effect, juce::Component* focusTarget)
{
    if (effect == XPadEffect::sampler)
    {
        // The sampler opens over the panel as it stands: only the breadcrumb goes back to the section.
        showLinePathSection (PanelSection::xpad, false);
        currentSection = 3;
        host.removeSampleEditor();
    }
    else
    {
        showSection (3);
    }

    openXPadSection();
    selectXPadEffect (effect);
    chooseXPadEffect (effect);
    markXPadSectionButton();

    auto* key = xpad.xpadEffectButtons[(size_t) effect];
    key->setInteractive (false);
    key->setToggleState (true, juce::dontSendNotification);

    juce::Component* target = focusTarget;

    if (effect == XPadEffect::sampler)
        target = nullptr;   // the sampler window's current slot holds the keyboard
    else if (target == nullptr)
        switch (effect)
        {
            case XPadEffect::roll:  target = xpad.rollButtons[0]; break;
            case XPadEffect::osc:   target = xpad.oscCombos[0]; break;
            case XPadEffect::pitch: target = xpad.pitchMinusSlider; break;
            default:                target = xpad.padDropTargets[0]; break;
        }

    xpad.xpadButton->setFocusAfterFade (target);

    if (effect == XPadEffect::xpad)
        xpad.padPanel->setFocusAfterFade (target);
}

void Body::openSamplerSlot (int slot)
{
    selectSectionEffect (3, XPadEffect::sampler, xpad.xpadButton);
    host.openSampleEditor (slot);
}

//==============================================================================
void Body::effectKeyClicked (PanelSection section, int effect, bool onOverlay)
{
    if (! onOverlay || section != PanelSection::isolate)
    {
        showLinePathSection (section, true);
        currentSection = (int) section;
    }

    switch (section)
    {
        case PanelSection::isolate: selectSectionEffect (0, effect, isolate.isolateValueCombos[0]); return;
        case PanelSection::scene:   selectSectionEffect (1, effect, scene.sceneCenterCombo); return;
        case PanelSection::release: selectSectionEffect (2, effect, release.releaseCombos[0]); return;
        case PanelSection::xpad:    break;
    }

    switch (effect)
    {
        case XPadEffect::roll:      selectSectionEffect (3, effect, xpad.rollButtons[0]); break;
        case XPadEffect::osc:       selectSectionEffect (3, effect, xpad.oscCombos[0]); break;
        case XPadEffect::sampler:   selectSectionEffect (3, effect, xpad.xpadButton); break;
        case XPadEffect::pitch:     selectSectionEffect (3, effect, xpad.pitchMinusSlider); closePitchPopups(); break;
        default:                    selectSectionEffect (3, effect, xpad.padDropTargets[0]); break;
    }
}

void Body::closeClicked (PanelSection section)
{
    switch (section)
    {
        case PanelSection::isolate:
            markIsolateSectionButton();
            openIsolateSection();
            selectIsolateEffect (currentEffect[0]);
            break;

        case PanelSection::scene:
            currentEffect[1] = editedEffect[1];
            openSceneSection();
            selectSceneEffect (currentEffect[1]);
            break;

        case PanelSection::release:
            openReleaseSection();
            selectReleaseEffect (currentEffect[2]);
            break;

        case PanelSection::xpad:
            openXPadSection();
            selectXPadEffect (currentEffect[3]);
            break;
    }
}

void Body::sectionClicked (AnimImageButton& sectionButton)
{
    const auto section = sectionOf (sectionButton);
    if (! section.has_value())
        return;

    const bool isSectionButton = &sectionButton == getSectionButton (*section);
    const bool showsEffects = *section == PanelSection::isolate ? sectionButton.isOpen() : isEditViewInUse (*section);

    if (isSectionButton && ! showsEffects)
    {
        markSection (*section);
        openSection (*section);
        showSectionView (*section, currentEffect[sectionSlot (*section)]);
        return;
    }

    if (&sectionButton == xpad.xpadButton)
        closePitchPopups();

    placeEffectBrowser();
    restoreLastFocus();
}

void Body::toggleLock (PanelSection section)
{
    auto* lock = section == PanelSection::scene ? static_cast<juce::Button*> (scene.sceneLockButton)
                                                : static_cast<juce::Button*> (isolate.isolateLockButton);
    lock->setToggleState (! lock->getToggleState(), juce::dontSendNotification);
    lockClicked (*lock);
}

void Body::restoreLastFocus()
{
    if (auto* last = getPointerState().getLastFocusedControl(); last != nullptr && last->isShowing())
        last->grabKeyboardFocus();
}

void Body::closePitchPopups()
{
    for (auto* slider : { xpad.pitchMinusSlider, xpad.pitchPlusSlider })
        if (slider != nullptr)
        {
            slider->hidePopup();
            slider->repaint();
        }
}

//==============================================================================
void Body::hoverSection (AnimImageButton& sectionButton)
{
    const auto section = sectionOf (sectionButton);
    if (! section.has_value() || &sectionButton != getSectionButton (*section) || ! sectionButton.isExpanded())
        return;

    const bool sectionPinned = isStepCurrent (LineBrowser::sectionStep);

    if (sectionButton.getState() != juce::Button::buttonNormal || sectionButton.isSelected())
    {
        if (sectionPinned)
            breadcrumb->getStep (LineBrowser::sectionStep).setHighlighted (false);
        else
        {
            if (breadcrumb != nullptr)
                breadcrumb->previewLinePathSection (sectionButton.getName());
            showSectionView (*section, currentEffect[sectionSlot (*section)]);
        }
    }
    else if (! sectionPinned && breadcrumb != nullptr)
    {
        auto& step = breadcrumb->getStep (LineBrowser::sectionStep);
        step.setHighlighted (false);
        step.setVisible (false);
    }
}

void Body::hoverEffectKey (juce::Button& key, PanelSection section)
{
    if (isStepCurrent (LineBrowser::effectStep))
        return;

    if (key.getState() != juce::Button::buttonNormal)
    {
        if (breadcrumb != nullptr)
            breadcrumb->setLinePathLeaf (key.getButtonText(), false);

        if (auto* step2 = dynamic_cast<Step2MenuButton*> (&key))
            showSectionView (section, step2->getEffectIndex());
    }
    else if (breadcrumb != nullptr)
    {
        breadcrumb->getStep (LineBrowser::sectionStep).useImages (LineBrowserButton::Ends::end);
        auto& step = breadcrumb->getStep (LineBrowser::effectStep);
        step.setHighlighted (false);
        step.setVisible (false);
        breadcrumb->repaint();
    }
}
