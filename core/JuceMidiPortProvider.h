#pragma once

#include "core/MidiPortProvider.h"

/** The system's MIDI devices through juce::MidiOutput and juce::MidiInput.

    Where the system has no MIDI sequencer at all, the lists are simply empty: the framework would
    otherwise try to open the sequencer on every listing and have the sound library complain each
    time, and the link lists the ports every retry round.
*/
class JuceMidiPortProvider : public MidiPortProvider
{
public:
    juce::Array<juce::MidiDeviceInfo> getOutputs() override;
    juce::Array<juce::MidiDeviceInfo> getInputs() override;

    std::unique_ptr<MidiOutputPort> openOutput (const juce::MidiDeviceInfo& port) override;
    std::unique_ptr<MidiInputPort> openInput (const juce::MidiDeviceInfo& port,
                                              juce::MidiInputCallback& callback) override;

    /** False when the system has no MIDI service to ask. */
    static bool isMidiServiceAvailable();
};
