#include "core/DeviceSettings.h"
#include "JuceTestPrinters.h"

#include <gtest/gtest.h>

TEST (DeviceSettingsLayout, FieldsSitWhereTheUnitExpectsThem)
{
    EXPECT_EQ (offsetof (SamplerSlot, reserved), 2048u);
    EXPECT_EQ (offsetof (SamplerSlot, tempoPresent), 2088u);
    EXPECT_EQ (offsetof (XPadEffectRecord, slots), 84u);
    EXPECT_EQ (offsetof (DeviceSettings, sceneLock), 4u + 4 * 9 * 4);
    EXPECT_EQ (offsetof (DeviceSettings, release), offsetof (DeviceSettings, scene) + 10 * 13 * 4);
    EXPECT_EQ (offsetof (DeviceSettings, xpad) + 2 * sizeof (XPadEffectRecord), 768u + 83848u);
}

namespace
{
void fillSlot (SamplerSlot& slot, const juce::String& path, int seed)
{
    setSlotPath (slot, path);
    slot.start = 100 + seed;
    slot.end = 5000 + seed;
    slot.length = 9000;
    slot.loop = 1;
    slot.tempo = 12000 + seed;
    slot.fixState = 2;
    slot.gainIndex = 60 + seed;
    slot.sampleRate = 44100;
}
} // namespace

TEST (DeviceSettingsReset, FactoryDefaultsWithoutKeepingTheSampler)
{
    auto d = createDeviceSettings();
    fillSlot (samplerSlot (*d, 3), "/music/a.wav", 1);
    d->isolateLock = 1;
    d->scene[SceneEffect::noise][0] = 77;

    resetDeviceSettings (*d, false);

    EXPECT_EQ (d->isolateLock, 0);
    EXPECT_EQ (d->scene[SceneEffect::noise][0], 0);
    EXPECT_EQ (d->isolate[IsolateEffect::isolator][1], 3);
    EXPECT_EQ (d->isolate[IsolateEffect::isolator][6], 2);
    EXPECT_EQ (d->scene[SceneEffect::hpfEcho][5], 5);
    EXPECT_EQ (d->scene[SceneEffect::echo][1], 1);
    EXPECT_EQ (d->scene[SceneEffect::noise][8], 2);
    EXPECT_EQ (d->scene[SceneEffect::reverbDown][12], 1);
    EXPECT_EQ (d->scene[SceneEffect::reverbUp][12], 0);
    EXPECT_EQ (d->release[ReleaseEffect::vinylBrake][1], 8);
    EXPECT_EQ (d->release[ReleaseEffect::echo][4], 1);
    EXPECT_EQ (d->release[ReleaseEffect::backSpin][3], 2);
    EXPECT_EQ (d->xpad[XPadEffect::osc].values[7], 3);
    EXPECT_EQ (d->xpad[XPadEffect::osc].values[11], 1);
    EXPECT_EQ (d->xpad[XPadEffect::osc].values[15], 0);
    EXPECT_EQ (d->xpad[XPadEffect::pitch].values[3], 11);
    EXPECT_EQ (d->xpad[XPadEffect::xpad].values[17], 14);

    for (int i = 0; i < XPadEffectRecord::numSlots; ++i)
    {
        const auto& slot = samplerSlot (*d, i);
        EXPECT_TRUE (slotPathIsEmpty (slot));
        EXPECT_EQ (slot.sampleRate, 0);
        EXPECT_EQ (slot.gainIndex, i < numUnitSlots ? 128 : 0);
    }
    EXPECT_EQ (d->xpad[XPadEffect::roll].slots[0].gainIndex, 0);
}

TEST (DeviceSettingsReset, KeepingTheSamplerKeepsSlotsButNotTheirGains)
{
    auto d = createDeviceSettings();
    for (int i = 0; i < XPadEffectRecord::numSlots; ++i)
        fillSlot (samplerSlot (*d, i), "/music/s" + juce::String (i) + ".wav", i);
    d->xpad[XPadEffect::sampler].values[1] = 2;

    resetDeviceSettings (*d, true);

    EXPECT_EQ (d->xpad[XPadEffect::sampler].values[1], 2);
    for (int i = 0; i < XPadEffectRecord::numSlots; ++i)
    {
        const auto& slot = samplerSlot (*d, i);
        EXPECT_EQ (getSlotPath (slot), "/music/s" + juce::String (i) + ".wav");
        EXPECT_EQ (slot.start, 100 + i);
        EXPECT_EQ (slot.end, 5000 + i);
        EXPECT_EQ (slot.loop, 1);
        EXPECT_EQ (slot.tempo, 12000 + i);
        EXPECT_EQ (slot.fixState, 2);
        EXPECT_EQ (slot.gainIndex, i < numUnitSlots ? 128 : 60 + i);
    }
}

TEST (DeviceSettingsSlots, RangeIsRoundedToEvenAndCutAtTheFileLength)
{
    SamplerSlot slot {};
    initSamplerSlot (slot);
    slot.sampleRate = 48000;
    slot.length = 96000;

    setSamplerSlotRange (slot, 1000.0, 1000.0);
    EXPECT_EQ (slot.start, 48000);
    EXPECT_EQ (slot.end, 48000);

    setSamplerSlotRange (slot, 500.0, 400.0);
    EXPECT_EQ (slot.start, 0);
    EXPECT_EQ (slot.end, 0);

    setSamplerSlotRange (slot, 0.0, 5000.0);
    EXPECT_EQ (slot.end, 96000);

    slot.sampleRate = 1000;     // 1 frame per ms: halves show the tie rule
    setSamplerSlotRange (slot, 0.5, 1.5);
    EXPECT_EQ (slot.start, 0);
    EXPECT_EQ (slot.end, 2);
    setSamplerSlotRange (slot, 2.5, 3.5);
    EXPECT_EQ (slot.start, 2);
    EXPECT_EQ (slot.end, 4);
}

TEST (DeviceSettingsSlots, PathsAreCutTerminatedAndNeverSplitASurrogatePair)
{
    SamplerSlot slot {};
    initSamplerSlot (slot);

    setSlotPath (slot, juce::String::repeatedString ("a", 1500));
    EXPECT_EQ (getSlotPath (slot).length(), 1023);
    EXPECT_EQ (slot.filePath[1023], 0);

    // 1022 ASCII characters then one character outside the BMP: its pair would need units 1022 and 1023.
    const juce::juce_wchar clef = 0x1d11e;
    setSlotPath (slot, juce::String::repeatedString ("b", 1022) + juce::String::charToString (clef));
    EXPECT_EQ (getSlotPath (slot).length(), 1022);
    EXPECT_EQ (slot.filePath[1022], 0);

    const auto mixed = juce::String::fromUTF8 ("/home/dj/\xc3\xa9t\xc3\xa9/\xf0\x9f\x8e\xb5 loop.wav");
    setSlotPath (slot, mixed);
    EXPECT_EQ (getSlotPath (slot), mixed);
    EXPECT_EQ (slot.filePath[9], 0xe9);
    EXPECT_EQ (slot.filePath[13], 0xd83c);

    // A lone surrogate from a foreign block reads as a replacement character, never as garbage.
    slot.filePath[0] = 0xd800;
    slot.filePath[1] = 'x';
    slot.filePath[2] = 0;
    EXPECT_EQ (getSlotPath (slot), juce::String::charToString (0xfffd) + "x");

    // A block without any terminator is read only up to its end.
    for (auto& unit : slot.filePath)
        unit = 'z';
    EXPECT_EQ (getSlotPath (slot).length(), SamplerSlot::pathCapacity);
}
