#pragma once

#include "TestAudioDevice.h"

/** A device type that lists one TestAudioDevice as its output, or none at all, as on a machine without
    a sound card. Added to an AudioDeviceManager before its first use, it is the only type the manager
    knows, so no test ever reaches the system's own audio. */
class TestAudioDeviceType : public juce::AudioIODeviceType
{
public:
    static constexpr const char* typeName = "Test";
    static constexpr const char* deviceName = "Test output";

    explicit TestAudioDeviceType (TestAudioDevice::Options options, bool hasDevice = true);

    /** A device manager that knows this type alone. */
    static void installInto (juce::AudioDeviceManager& manager, TestAudioDevice::Options options = {},
                             bool hasDevice = true);

    void scanForDevices() override {}
    juce::StringArray getDeviceNames (bool wantInputNames) const override;
    int getDefaultDeviceIndex (bool forInput) const override;
    int getIndexOfDevice (juce::AudioIODevice* device, bool asInput) const override;
    bool hasSeparateInputsAndOutputs() const override             { return true; }
    juce::AudioIODevice* createDevice (const juce::String& outputDeviceName,
                                       const juce::String& inputDeviceName) override;

private:
    const TestAudioDevice::Options options;
    const bool hasDevice;
};
