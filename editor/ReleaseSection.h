#pragma once

#include "editor/PanelBuilder.h"
#include "editor/PanelControls.h"

#include <array>

class AnimComponent;
class AnimImageButton;
class CloseButton;
class ComboLabel;
class ReleaseMenuButton;
class ValueCombo;

/** The RELEASE FX section of the effect panel: three effect keys, the routing switches of the other
    sections, the feedback (ECHO only) and the three release times, as read-outs in one group and
    combo boxes in another. */
struct ReleaseSection
{
    static constexpr int numEffects = 3;
    static constexpr int numValues = 7;

    AnimImageButton* releaseButton = nullptr;

    std::array<ReleaseMenuButton*, numEffects> releaseEffectButtons {};
    enum Caption { off, isolateFx, xpadFx, feedback, releaseFx, sceneFx, numCaptions };
    std::array<juce::Label*, numCaptions> captions {};
    CloseButton* editCloseButton = nullptr;     // joins the section when an effect opens for editing
    AnimComponent* releaseLabelView = nullptr;
    std::array<ComboLabel*, numValues> releaseLabels {};
    AnimComponent* releaseEditView = nullptr;
    std::array<ValueCombo*, numValues> releaseCombos {};

    void create (PanelBuilder& build);
    void registerControls (PanelControls& controls) const;

    /** The refresh's Release steps: every read-out and every combo box bound for the effect (the
        combo boxes too, so that they stand on the effect's own values). */
    void refresh (PanelControls& controls, int effect);

    /** The section view of an effect: lit key, read-outs, the feedback only for ECHO. */
    void showEffect (PanelControls& controls, int effect);

    /** The edit view of an effect: every key clickable and unlit, the read-outs put away, the combo
        boxes bound (the feedback only for ECHO) and lifted onto the section with the close key. */
    void showEditView (PanelControls& controls, int effect);

    /** Back at the section's effects: the close key leaves, the combo boxes return to their resting
        panel, the read-outs show again, and the keys are clickable. */
    void openEffects();

    /** True while the edit view is in use (its panel enabled). */
    bool isEditing() const;
};
