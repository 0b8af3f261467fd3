#pragma once

#include "editor/PanelBuilder.h"
#include "editor/PanelControls.h"

#include <array>

class AnimImageButton;
class CloseButton;
class ComboLabel;
class CustomMaskedImageComponent;
class IsolateMenuButton;
class LockButton;
class ValueCombo;

/** The ISOLATE FX section of the effect panel: its section button with the overview (the current
    effect's read-outs around three knobs, the effect keys, the lock) and the editor overlay with the
    same keys and a combo box for every value. */
struct IsolateSection
{
    static constexpr int numEffects = 4;
    static constexpr int lockPosition = 4;      // the lock's place in the key walk; no record

    // Panel level (made by the panel, in its z-order).
    AnimImageButton* isolatePanel = nullptr;
    AnimImageButton* isolateButton = nullptr;

    // Overview, children of isolateButton.
    juce::Label* isolateNameLabel = nullptr;
    std::array<ComboLabel*, 6> isolateValueLabels {};
    juce::Label* frequencyCaption = nullptr;
    std::array<ComboLabel*, 2> isolateFrequencyLabels {};
    std::array<juce::ImageComponent*, 3> knobImages {};
    std::array<CustomMaskedImageComponent*, 3> isolateArcs {};
    std::array<juce::ImageComponent*, 2> dividers {};
    std::array<IsolateMenuButton*, numEffects> isolateEffectButtons {};
    LockButton* isolateLockButton = nullptr;
    juce::ImageComponent* lockStrip = nullptr;

    // Editor overlay, children of isolatePanel.
    juce::Label* panelNameLabel = nullptr;
    juce::Label* panelFrequencyCaption = nullptr;
    std::array<juce::ImageComponent*, 3> panelKnobImages {};
    std::array<CustomMaskedImageComponent*, 3> isolatePanelArcs {};
    std::array<juce::ImageComponent*, 4> panelDividers {};
    CloseButton* panelCloseButton = nullptr;
    std::array<ValueCombo*, 2> isolateFrequencyCombos {};
    std::array<ValueCombo*, 6> isolateValueCombos {};
    std::array<IsolateMenuButton*, numEffects> isolatePanelEffectButtons {};
    LockButton* isolatePanelLockButton = nullptr;
    juce::ImageComponent* panelLockStrip = nullptr;

    /** The overview on isolateButton, then the overlay on isolatePanel (both made by the panel). */
    void createOverview (PanelBuilder& build);
    void createEditPanel (PanelBuilder& build, juce::LookAndFeel& plainList, juce::LookAndFeel& wideButtonList);

    /** Records the value controls by id and the arcs their bindings drive. */
    void registerControls (PanelControls& controls) const;

    /** The refresh's Isolate steps: both locks, the effect's name, every read-out and combo box bound
        for the effect (the frequency ones only where it has frequencies), the arcs live for ISOLATOR. */
    void refresh (PanelControls& controls, int effect);

    /** The section view of an effect (the lock position lights the lock and leaves the read-outs):
        lit key, name, read-outs, the frequency row where the effect has one, and the knobs with a
        scale and lit arcs for ISOLATOR; the section's fade then put on what shows. */
    void showEffect (PanelControls& controls, int effect);

    /** The editor overlay for an effect: its key chosen (and no longer clickable), the section's keys
        asleep under the overlay, the name, every combo box bound, the frequency row shown where the
        effect has one, the knobs with a scale and lit arcs for ISOLATOR. */
    void showEditView (PanelControls& controls, int effect);

    /** Back at the section's effects: the section's keys take the mouse, the overlay's are cleared. */
    void openEffects();

    /** The effect whose values the section binds at a position of the key walk. */
    static int boundEffect (int currentEffect, int editedEffect) noexcept;
};
