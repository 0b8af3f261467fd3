#pragma once

/** What the effect browser's tree and the breadcrumb bar ask of the effect panel: to take the
    keyboard, and to move to one of its four levels (the whole panel, a section, an effect, a sampler
    slot). The panel implements it; the main window hands it to both.

    Sections are 0 ISOLATE FX, 1 SCENE FX, 2 RELEASE FX, 3 X-PAD FX; effects are the section's own
    indices (the order of the name tables in core/ParameterTables); slots are 0..15 for BANK1-SLOT1 ..
    BANK4-SLOT4. Every operation runs on the message thread.
*/
class EffectNavigator
{
public:
    virtual ~EffectNavigator() = default;

    /** The panel takes the keyboard focus (the main window holds it for the panel). */
    virtual void focusPanel() = 0;

    /** Level 1: open overlay panels close, an open section returns to its effects view and every
        section button shows closed; the breadcrumb shows the model alone. */
    virtual void resetSections() = 0;

    /** Level 2 of a section: the panel is reset, then the section opens on its current effect. */
    virtual void showSection (int section) = 0;

    /** Back to level 2 of the section the panel was last in: the panel is reset, and the section
        opens again on its current effect unless it already shows its effects. */
    virtual void reopenCurrentSection() = 0;

    /** Level 3: opens an effect of a section as a choice from outside the section, with the keyboard
        focus on that effect's first control. Effect -1 reopens the effect last asked for. */
    virtual void selectSectionEffect (int section, int effect) = 0;

    /** Level 4: opens the X-PAD SAMPLER effect and the slot's editor in the sampler window. */
    virtual void openSamplerSlot (int slot) = 0;

    /** The sampler window's open slot editor takes the keyboard focus; nothing when none is open. */
    virtual void focusSampleEditor() = 0;
};
