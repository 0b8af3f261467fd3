#pragma once

#include "editor/bindings/ControlId.h"
#include "core/DeviceSettings.h"
#include "core/ValueLabelKind.h"

/** Where a control's value lives in the document. Together with the effect record it names one
    element of the document format, so the panel, its refresh and the XML keys cannot disagree. */
struct ValueAddress
{
    static constexpr int lockIndex = -1;    // valueIndex of a section's lock

    DocumentCategory category = DocumentCategory::isolate;
    int effect = 0;                         // record inside the category (0 for a lock)
    int valueIndex = 0;                     // index inside the record, or lockIndex
    int slot = -1;                          // 0..15: the Sampler slot whose file path is shown

    bool isLock() const noexcept            { return valueIndex == lockIndex; }
    bool isSlotPath() const noexcept        { return slot >= 0; }
};

enum class BindingUse : uint8_t
{
    unbound,    // the control keeps whatever it showed before; the effect has no value for it
    shown,      // bound, and the effect shows the control
    hidden      // bound all the same, but the effect does not show the control
};

/** What the panel binds a control to for one effect of its section. */
struct ControlBinding
{
    static constexpr int noArc = -1;

    BindingUse use = BindingUse::unbound;
    ValueAddress address;
    ValueLabelKind kind = ValueLabelKind::offOn;    // the row a read-out, combo or range caption shows
    int arc = noArc;                                // 0..2: the Isolate knob whose arc the value drives
    bool lowerEnd = true;                           // the value sets the arc's lower end (the reverse arc)

    bool isBound() const noexcept   { return use != BindingUse::unbound; }
};

/** The binding of every panel control, per effect, and the reading rules of the controls that show
    their value without a label kind. */
namespace ControlBindings
{
    constexpr int pitchSteps = 12;

    /** The binding of a control while its section's current effect is sectionEffect. X-PAD controls and
        the locks do not depend on the effect (X-PAD controls are shown only with their own effect); an
        effect outside the section's range (a lock position) gives unbound for the others. A row that
        follows a selector (Scene Sub2) reads it from the document now: a later change of the selector
        shows only when the control is bound again. */
    ControlBinding bindingFor (ControlId control, int sectionEffect, const DeviceSettings& document);

    /** The document int a binding writes through; null for a slot path. */
    int32_t* valuePointer (DeviceSettings& document, const ValueAddress& address);
    int32_t valueAt (const DeviceSettings& document, const ValueAddress& address);

    /** The element path of the value in the document format, e.g. "SceneFx/BpfEcho/Sub2ModTypeCb",
        "IsolateFx/Lock" or "XpadFx/Sampler/Bank1Slot2/File"; empty when no element carries the value. */
    juce::String xmlKey (const ValueAddress& address);

    /** What the control shows for its binding: a read-out's label, a combo's selected item, a slot's file
        name, a pitch step or a position's beat fraction. Empty for unbound controls and for buttons and
        slider thumbs, which show their value by state or position. */
    juce::String controlText (ControlId control, const ControlBinding& binding, const DeviceSettings& document);

    /** Whether a lock or toggle button is on for its value: locks and RESONANCE when it is not 0,
        MODULATION when it is 0, the roll buttons by rollChoice. */
    bool toggleIsOn (ControlId control, int32_t value);

    /** Which roll button a roll value lights: 0 ROLL, 1 SLIP ROLL, 2 DIVIDE ROLL (for 2 and above). */
    int rollChoice (int32_t value);

    /** The file name shown for a slot: the path after its last '/' or '\\' (documents may come from
        Windows), "---" for an empty path. */
    juce::String slotFileName (const juce::String& path);

    /** The label row of a pitch read-out or popup slider: pitchMinus ("-1" .. "-12") or pitchPlus. */
    DbStepRow pitchRow (ControlId control);

    /** A pitch slider's position for a value, and the value of a position: the minus slider runs
        reversed (position 11 - value), so the map is its own inverse. */
    int pitchSliderPosition (ControlId control, int value);

    /** Isolate effects with frequency values (ISOLATOR, TRANS/ROLL), and the one whose knob arcs show
        (ISOLATOR). Read from the binding rows. */
    bool isolateHasFrequencies (int isolateEffect);
    bool isolateArcsEnabled (int isolateEffect);
}
