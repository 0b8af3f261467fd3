#include "core/JuceMidiPortProvider.h"

namespace
{
class JuceOutputPort : public MidiOutputPort
{
public:
    explicit JuceOutputPort (std::unique_ptr<juce::MidiOutput> o) : output (std::move (o)) {}

    void sendMessageNow (const juce::MidiMessage& message) override     { output->sendMessageNow (message); }

private:
    std::unique_ptr<juce::MidiOutput> output;
};

class JuceInputPort : public MidiInputPort
{
public:
    explicit JuceInputPort (std::unique_ptr<juce::MidiInput> i) : input (std::move (i)) {}

    void start() override   { input->start(); }
    void stop() override    { input->stop(); }

private:
    std::unique_ptr<juce::MidiInput> input;
};
} // namespace

bool JuceMidiPortProvider::isMidiServiceAvailable()
{
   #if JUCE_LINUX || JUCE_BSD
    return juce::File ("/dev/snd/seq").exists();
   #else
    return true;
   #endif
}

juce::Array<juce::MidiDeviceInfo> JuceMidiPortProvider::getOutputs()
{
    if (! isMidiServiceAvailable())
        return {};

    return juce::MidiOutput::getAvailableDevices();
}

juce::Array<juce::MidiDeviceInfo> JuceMidiPortProvider::getInputs()
{
    if (! isMidiServiceAvailable())
        return {};

    return juce::MidiInput::getAvailableDevices();
}

std::unique_ptr<MidiOutputPort> JuceMidiPortProvider::openOutput (const juce::MidiDeviceInfo& port)
{
    if (! isMidiServiceAvailable())
        return {};

    if (auto output = juce::MidiOutput::openDevice (port.identifier))
        return std::make_unique<JuceOutputPort> (std::move (output));

    return {};
}

std::unique_ptr<MidiInputPort> JuceMidiPortProvider::openInput (const juce::MidiDeviceInfo& port,
                                                                juce::MidiInputCallback& callback)
{
    if (! isMidiServiceAvailable())
        return {};

    if (auto input = juce::MidiInput::openDevice (port.identifier, &callback))
        return std::make_unique<JuceInputPort> (std::move (input));

    return {};
}
