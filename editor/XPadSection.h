#pragma once

#include "editor/PanelBuilder.h"
#include "editor/PanelControls.h"

#include <array>

class AnimComponent;
class AnimImageButton;
class CloseButton;
class ComboLabel;
class DraggableButton;
class DropTargetImage;
class PopupSlider;
class ToggleImageButton;
class ValueCombo;
class ValueLabel;
class XPadMenuButton;
class XPadPad;
class XPadTab;

/** The X-PAD FX section of the effect panel: five effect keys, and per effect its part of the
    section (ROLL's three switches, OSC's drum table, the sampler's slot names, PITCH's knob and popup
    sliders, the pad read-out), plus the position overlay where beat keys are dragged onto the five
    pad positions. Every X-PAD control shows its own effect's record, whichever effect the section shows. */
struct XPadSection
{
    static constexpr int numEffects = 5;
    static constexpr int numBeats = 16, numPositions = 5;

    AnimImageButton* padPanel = nullptr;
    AnimImageButton* xpadButton = nullptr;

    // Children of xpadButton.
    std::array<XPadMenuButton*, numEffects> xpadEffectButtons {};
    AnimComponent* pitchView = nullptr;
    juce::Label* xpadNameLabel = nullptr;
    AnimComponent* xpadEditView = nullptr;
    std::array<ToggleImageButton*, 3> rollButtons {};
    std::array<XPadTab*, 4> drumTabs {};
    std::array<juce::Label*, 3> rowCaptions {};
    std::array<ComboLabel*, 12> oscLabels {};
    std::array<juce::ImageComponent*, numUnitSlots> slotFrames {};
    std::array<juce::Label*, numUnitSlots> slotNameLabels {};
    std::array<juce::Label*, numSamplerBanks> bankLabels {};
    XPadPad* xpadPad = nullptr;
    CloseButton* editCloseButton = nullptr;     // joins the section when an effect opens for editing

    // Children of pitchView and xpadEditView.
    std::array<juce::ImageComponent*, 2> pitchKnobImages {};
    ValueLabel* pitchMinusLabel = nullptr;
    ValueLabel* pitchPlusLabel = nullptr;
    PopupSlider* pitchMinusSlider = nullptr;
    PopupSlider* pitchPlusSlider = nullptr;
    std::array<ValueCombo*, 12> oscCombos {};

    // Children of padPanel.
    CloseButton* padCloseButton = nullptr;
    juce::ImageComponent* padImage = nullptr;
    std::array<DropTargetImage*, numPositions> padDropTargets {};
    std::array<DraggableButton*, numBeats> beatButtons {};
    std::array<XPadMenuButton*, numEffects> padPanelEffectButtons {};

    /** The section on xpadButton; the pitch popup sliders are bound to the PITCH record for good. */
    void create (PanelBuilder& build, DeviceSettings& document);
    void createPadPanel (PanelBuilder& build);
    void registerControls (PanelControls& controls) const;

    /** The refresh's X-PAD steps: OSC read-outs and combo boxes, slot names (in the message
        language's typeface, "---" in Verdana for an empty slot), pad positions, pitch, roll. */
    void refresh (PanelControls& controls, const DeviceSettings& document);

    /** The slot names alone. */
    void refreshSlotNames (PanelControls& controls, const DeviceSettings& document);

    /** The section view of an effect: its key lit and its part of the section shown, the rest hidden;
        then the section's fade put on what shows. */
    void showEffect (PanelControls& controls, const DeviceSettings& document, int effect);

    /** The edit view of an effect: every section key clickable, the pitch read-outs put away, the
        slot names too unless it is SAMPLER; ROLL's switches taking the mouse, OSC's combo boxes or
        PITCH's popup sliders bound and lifted onto the section with the close key (the position
        overlay's part for X-PAD; nothing more for SAMPLER). */
    void showEditView (PanelControls& controls, int effect);

    /** Back at the section's effects: the switches only show, the close key leaves, the popup sliders
        and combo boxes return to their resting panel, and every section key is clickable again. */
    void openEffects();

    /** True while the edit view is in use (its panel enabled). */
    bool isEditing() const;

    /** True while the SAMPLER part (the slot names) shows. */
    bool isSamplerShown() const;
};
