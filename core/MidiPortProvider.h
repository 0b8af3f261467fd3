#pragma once

#include <juce_audio_devices/juce_audio_devices.h>

/** An open MIDI output. */
class MidiOutputPort
{
public:
    virtual ~MidiOutputPort() = default;
    virtual void sendMessageNow (const juce::MidiMessage& message) = 0;
};

/** An open MIDI input. Its callback runs on the provider's own input thread between start() and
    stop(); once stop() or the destructor has returned, no callback is running or will run. */
class MidiInputPort
{
public:
    virtual ~MidiInputPort() = default;
    virtual void start() = 0;
    virtual void stop() = 0;
};

/** Where the link finds its ports: the system's MIDI devices, or anything that stands in for them.
    Lists come in the system's order; opening returns null when the port cannot be opened. */
class MidiPortProvider
{
public:
    virtual ~MidiPortProvider() = default;

    virtual juce::Array<juce::MidiDeviceInfo> getOutputs() = 0;
    virtual juce::Array<juce::MidiDeviceInfo> getInputs() = 0;

    virtual std::unique_ptr<MidiOutputPort> openOutput (const juce::MidiDeviceInfo& port) = 0;

    /** The callback is handed a null MidiInput when the port is not one of the framework's own. */
    virtual std::unique_ptr<MidiInputPort> openInput (const juce::MidiDeviceInfo& port,
                                                      juce::MidiInputCallback& callback) = 0;
};
