#include "TestAudioDeviceType.h"

TestAudioDeviceType::TestAudioDeviceType (TestAudioDevice::Options opts, bool withDevice)
    : juce::AudioIODeviceType (typeName), options (std::move (opts)), hasDevice (withDevice)
{
}

void TestAudioDeviceType::installInto (juce::AudioDeviceManager& manager, TestAudioDevice::Options opts,
                                       bool withDevice)
{
    // Added before the manager's first scan, it keeps the manager from creating the system's types.
    manager.addAudioDeviceType (std::make_unique<TestAudioDeviceType> (std::move (opts), withDevice));
}

juce::StringArray TestAudioDeviceType::getDeviceNames (bool wantInputNames) const
{
    if (wantInputNames || ! hasDevice)
        return {};

    return { deviceName };
}

int TestAudioDeviceType::getDefaultDeviceIndex (bool forInput) const
{
    return forInput || ! hasDevice ? -1 : 0;
}

int TestAudioDeviceType::getIndexOfDevice (juce::AudioIODevice* device, bool asInput) const
{
    return ! asInput && dynamic_cast<TestAudioDevice*> (device) != nullptr ? 0 : -1;
}

juce::AudioIODevice* TestAudioDeviceType::createDevice (const juce::String& outputDeviceName,
                                                        const juce::String&)
{
    if (! hasDevice || outputDeviceName != deviceName)
        return nullptr;

    return new TestAudioDevice (deviceName, typeName, options);
}
