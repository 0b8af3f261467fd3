#pragma once

#include "editor/PanelBuilder.h"
#include "editor/PanelControls.h"

#include <array>

class AnimComponent;
class AnimImageButton;
class CloseButton;
class ComboLabel;
class CustomSlider;
class LockButton;
class SceneMenuButton;
class ToggleImageButton;
class ValueCombo;

/** The SCENE FX section of the effect panel: the dial of ten effect keys on two arcs around the
    centre read-out, the lock, the echo-time and mode groups with their knobs, the MODULATION and
    RESONANCE switches and the two range sliders; the read-outs in one group, the combo boxes in
    another. */
struct SceneSection
{
    static constexpr int numEffects = 10;
    static constexpr int lockPosition = 10;

    AnimImageButton* sceneButton = nullptr;

    std::array<SceneMenuButton*, numEffects> sceneEffectButtons {};
    ToggleImageButton* sceneModulationButton = nullptr;
    ToggleImageButton* sceneResonanceButton = nullptr;
    LockButton* sceneLockButton = nullptr;
    juce::ImageComponent* lockStrip = nullptr;
    std::array<juce::ImageComponent*, 6> knobImages {};
    std::array<juce::ImageComponent*, 2> sliderMarks {};
    std::array<juce::ImageComponent*, 2> sliderTracks {};

    // The captions in the order made: the five captions whose texts follow the effect ("TYPE" over
    // the centre, "TYPE" before Sub1 and Sub2, the two group titles), then the range slider's ends.
    enum Caption { centreType, sub1Type, sub2Type, minCaption, maxCaption, echoTime, modeSelect,
                   zeroHz, topHz, levelBottom, levelTop, numCaptions };
    std::array<juce::Label*, numCaptions> captions {};

    CustomSlider* sceneFrequencySlider = nullptr;
    CustomSlider* sceneLevelSlider = nullptr;
    AnimComponent* sceneLabelView = nullptr;
    AnimComponent* sceneEditView = nullptr;
    ComboLabel* sceneLevelMinLabel = nullptr;
    ComboLabel* sceneLevelMaxLabel = nullptr;

    // In sceneLabelView.
    ComboLabel* sceneCenterLabel = nullptr;
    ComboLabel* sceneSub1Label = nullptr;
    ComboLabel* sceneSub2Label = nullptr;
    std::array<ComboLabel*, 4> sceneEchoTimeLabels {};

    // In sceneEditView.
    ValueCombo* sceneCenterCombo = nullptr;
    ValueCombo* sceneSub1Combo = nullptr;
    ValueCombo* sceneSub2Combo = nullptr;
    std::array<ValueCombo*, 4> sceneEchoTimeCombos {};
    CloseButton* editCloseButton = nullptr;

    /** The effect whose MODULATION/RESONANCE selector the two switches show, and the effect the
        section view showed last (the lock position shows it again). */
    int switchEffect = 0;
    int lastShownEffect = 0;

    void create (PanelBuilder& build, juce::LookAndFeel& rightList, juce::LookAndFeel& leftList);
    void registerControls (PanelControls& controls) const;

    /** The refresh's Scene steps: the lock; for the effects with a selector the switches and the range
        slider they use; then every read-out, and every combo box, bound for the effect. */
    void refresh (PanelControls& controls, int effect);

    /** The section view of an effect (the lock position lights the lock and shows the effect shown
        last): lit key, the effect's captions, knob scale, read-outs, switches and range slider. */
    void showEffect (PanelControls& controls, int effect);

    /** MODULATION (false) or RESONANCE (true) chosen: the selector of the effect the switches show
        is stored, the switches follow, and the Sub2 combo box is bound again to the value the
        selector now names (the caller commits). */
    void chooseSelector (PanelControls& controls, bool resonance);

    /** The edit view of an effect: every key clickable and unlit, the combo boxes the effect shows
        bound and lifted onto the section with the close key, the read-outs put away, the switches
        and range sliders taking the mouse. */
    void showEditView (PanelControls& controls, int effect);

    /** Back at the section's effects: the combo boxes and close key return to their resting panel,
        the read-outs show, switches and sliders only show, and every key is clickable again. */
    void openEffects();

    /** True while the edit view is in use (its panel enabled). */
    bool isEditing() const;

    static int boundEffect (int currentEffect, int editedEffect) noexcept;
};
