#pragma once

#include "editor/bindings/ControlBindings.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <array>

class CustomMaskedImageComponent;

/** The effect panel's value controls by id, and the one place where the binding table is put on
    them: the refresh, the section views and the effect selection all bind through here, so a control
    cannot show one value while its neighbour edits another.

    Binding shows the value at once and never writes the document or notifies a listener.
*/
class PanelControls
{
public:
    static constexpr int numArcs = 3;
    using Arcs = std::array<CustomMaskedImageComponent*, numArcs>;

    PanelControls() = default;

    void setDocument (DeviceSettings& document) noexcept    { doc = &document; }
    DeviceSettings* getDocument() const noexcept            { return doc; }

    /** Records the component of a control (for a range slider: each of its thumbs). */
    void add (ControlId id, juce::Component& component);
    juce::Component* get (ControlId id) const noexcept;

    template <typename Type>
    Type* as (ControlId id) const   { return dynamic_cast<Type*> (get (id)); }

    /** The knob arcs that a binding's arc names: read-outs drive the overview's, combo boxes the editor's. */
    void setArcs (const Arcs& readoutArcs, const Arcs& comboArcs) noexcept;

    /** Puts the table's binding for the section's effect on a read-out, combo box, pitch read-out,
        position target or slot name (a range slider's thumb binds its slider's two values). A control
        that the effect does not bind keeps what it had. Returns the binding. */
    ControlBinding bind (ControlId id, int sectionEffect);

    /** Shows a lock or toggle switch on or off for its value, without a click; a toggle is also lit
        while on. Unbound toggles stay as they are. */
    void showSwitch (ControlId id, int sectionEffect);

    /** The document value a control shows for the effect; null when the effect binds none (or it is a
        slot's path). */
    int32_t* valueFor (ControlId id, int sectionEffect) const;

private:
    CustomMaskedImageComponent* arcFor (const ControlBinding& binding, bool forCombo) const noexcept;
    void bindRange (ControlId thumb, int sectionEffect);

    DeviceSettings* doc = nullptr;
    std::array<juce::Component*, ControlIds::count> controls {};
    Arcs readoutArcs {}, comboArcs {};
};
