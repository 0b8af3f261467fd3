#include "core/DocumentKeys.h"

namespace
{
using Narrow = ParameterKey::NarrowRange;

// Isolate effects: the six band selectors, and two frequency selectors for the effects that have them.
constexpr ParameterKey isolatorKeys[] = {
    { "LowMinCb", 1, 3 }, { "LowMaxCb", 2, 3 }, { "MidMinCb", 3, 3 }, { "MidMaxCb", 4, 3 },
    { "HighMinCb", 5, 3 }, { "HighMaxCb", 6, 3 }, { "Freq1Cb", 7, 2 }, { "Freq2Cb", 8, 2 }
};
constexpr ParameterKey cutAddKeys[] = {
    { "LowMinCb", 1, 2 }, { "LowMaxCb", 2, 2 }, { "MidMinCb", 3, 1 }, { "MidMaxCb", 4, 2 },
    { "HighMinCb", 5, 1 }, { "HighMaxCb", 6, 2 }
};
constexpr ParameterKey transRollKeys[] = {
    { "LowMinCb", 1, 2 }, { "LowMaxCb", 2, 2 }, { "MidMinCb", 3, 2 }, { "MidMaxCb", 4, 2 },
    { "HighMinCb", 5, 2 }, { "HighMaxCb", 6, 2 }, { "Freq1Cb", 7, 2 }, { "Freq2Cb", 8, 2 }
};
constexpr ParameterKey gateDriveKeys[] = {
    { "LowMinCb", 1, 2 }, { "LowMaxCb", 2, 2 }, { "MidMinCb", 3, 2 }, { "MidMaxCb", 4, 2 },
    { "HighMinCb", 5, 2 }, { "HighMaxCb", 6, 2 }
};

constexpr EffectKeys isolateEffects[] = {
    { "Isolator", IsolateEffect::isolator, isolatorKeys, 8 },
    { "CutAdd", IsolateEffect::cutAdd, cutAddKeys, 6 },
    { "TransRoll", IsolateEffect::transRoll, transRollKeys, 8 },
    { "GateDrive", IsolateEffect::gateDrive, gateDriveKeys, 6 }
};

// Scene effects.
constexpr ParameterKey filterEchoKeys[] = {
    { "CenterFilterTypeCb", 1, 2 },
    { "Sub1EchoTime1Cb", 2, 6 }, { "Sub1EchoTime2Cb", 3, 6 }, { "Sub1EchoTime3Cb", 4, 6 }, { "Sub1EchoTime4Cb", 5, 6 },
    { "Sub1EchoFeedbackCb", 6, 2 }, { "Sub1EchoFreqLowerSld", 7, 2 }, { "Sub1EchoFreqUpperSld", 8, 2 },
    { "Sub2ModResSelectBtn", 9, 1 }, { "Sub2ModTypeCb", 10, 4 }, { "Sub2ResTypeCb", 11, 2 }
};
constexpr ParameterKey echoKeys[] = {
    { "CenterFeedbackCb", 1, 1 },
    { "Sub1EchoTime1Cb", 2, 8 }, { "Sub1EchoTime2Cb", 3, 8 }, { "Sub1EchoTime3Cb", 4, 8 }, { "Sub1EchoTime4Cb", 5, 8 },
    { "Sub2FilterTypeCb", 12, 2 }
};
constexpr ParameterKey noiseKeys[] = {
    { "CenterFilterTypeCb", 1, 2 },
    { "Sub1MinSld", 7, 3, Narrow::clampToTop }, { "Sub1MaxSld", 8, 3, Narrow::wrapToZero },
    { "Sub2ModResSelectBtn", 9, 1 }, { "Sub2ModTypeCb", 10, 4 }, { "Sub2ResTypeCb", 11, 2 }
};
constexpr ParameterKey spiralKeys[] = {
    { "CenterSpiralTypeCb", 1, 2 },
    { "Sub1EchoTime1Cb", 2, 6 }, { "Sub1EchoTime2Cb", 3, 6 }, { "Sub1EchoTime3Cb", 4, 6 }, { "Sub1EchoTime4Cb", 5, 6 },
    { "Sub2PitchTypeCb", 12, 1 }
};
constexpr ParameterKey reverbKeys[] = {
    { "CenterRoomSizeCb", 1, 1 }, { "Sub1ReverbTimeMaxCb", 2, 2 }, { "Sub2FilterTypeCb", 12, 2 }
};
constexpr ParameterKey crushEchoKeys[] = {
    { "CenterDepthCb", 1, 2 },
    { "Sub1EchoTime1Cb", 2, 6 }, { "Sub1EchoTime2Cb", 3, 6 }, { "Sub1EchoTime3Cb", 4, 6 }, { "Sub1EchoTime4Cb", 5, 6 },
    { "Sub1FeedbackCb", 6, 2 }, { "Sub2ModTypeCb", 10, 4 }
};

constexpr EffectKeys sceneEffects[] = {
    { "BpfEcho", SceneEffect::bpfEcho, filterEchoKeys, 11 },
    { "Echo", SceneEffect::echo, echoKeys, 6 },
    { "Noise", SceneEffect::noise, noiseKeys, 6 },
    { "SpiralUp", SceneEffect::spiralUp, spiralKeys, 6 },
    { "ReverbUp", SceneEffect::reverbUp, reverbKeys, 3 },
    { "HpfEcho", SceneEffect::hpfEcho, filterEchoKeys, 11 },
    { "LpfEcho", SceneEffect::lpfEcho, filterEchoKeys, 11 },
    { "CrushEcho", SceneEffect::crushEcho, crushEchoKeys, 7 },
    { "SpiralDown", SceneEffect::spiralDown, spiralKeys, 6 },
    { "ReverbDown", SceneEffect::reverbDown, reverbKeys, 3 }
};

// Release effects: the routing switches first, then the areas (not in value order).
constexpr ParameterKey vinylBrakeKeys[] = {
    { "IsolateCb", 5, 1 }, { "SceneCb", 6, 1 }, { "XpadCb", 7, 1 },
    { "Area0Cb", 1, 8 }, { "Area1Cb", 2, 8 }, { "Area2Cb", 3, 8 }
};
constexpr ParameterKey releaseEchoKeys[] = {
    { "IsolateCb", 5, 1 }, { "SceneCb", 6, 1 }, { "XpadCb", 7, 1 }, { "FeedbackCb", 4, 1 },
    { "Area0Cb", 1, 8 }, { "Area1Cb", 2, 5 }, { "Area2Cb", 3, 5 }
};
constexpr ParameterKey backSpinKeys[] = {
    { "IsolateCb", 5, 1 }, { "SceneCb", 6, 1 }, { "XpadCb", 7, 1 },
    { "Area0Cb", 1, 8 }, { "Area1Cb", 2, 8 }, { "Area2Cb", 3, 8 }
};

constexpr EffectKeys releaseEffects[] = {
    { "VinylBrake", ReleaseEffect::vinylBrake, vinylBrakeKeys, 6 },
    { "Echo", ReleaseEffect::echo, releaseEchoKeys, 7 },
    { "BackSpin", ReleaseEffect::backSpin, backSpinKeys, 6 }
};

// X-PAD effects share one index space of 21 values; the Sampler's slots are written separately.
constexpr ParameterKey rollKeys[] = { { "RollBtn", 1, 2 } };
constexpr ParameterKey oscKeys[] = {
    { "KickGainCb", 4, 6 }, { "KickDecayCb", 8, 2 }, { "KickEnvelopeCb", 12, 1 },
    { "SnareGainCb", 5, 6 }, { "SnareDecayCb", 9, 2 }, { "SnareEnvelopeCb", 13, 1 },
    { "ClapGainCb", 6, 6 }, { "ClapDecayCb", 10, 2 }, { "ClapEnvelopeCb", 14, 1 },
    { "HihatGainCb", 7, 6 }, { "HihatDecayCb", 11, 2 }, { "HihatEnvelopeCb", 15, 1 }
};
constexpr ParameterKey pitchKeys[] = { { "MinusCb", 2, 11 }, { "PlusCb", 3, 11 } };
constexpr ParameterKey xpadKeys[] = {
    { "Position0", 16, 15 }, { "Position1", 17, 15 }, { "Position2", 18, 15 }, { "Position3", 19, 15 },
    { "Position4", 20, 15 }
};

// The Sampler entry has no keys of its own: it marks where the slots go in writing order.
constexpr EffectKeys xpadEffects[] = {
    { "Roll", XPadEffect::roll, rollKeys, 1 },
    { "Osc", XPadEffect::osc, oscKeys, 12 },
    { DocumentKeys::samplerElement, XPadEffect::sampler, nullptr, 0 },
    { "Pitch", XPadEffect::pitch, pitchKeys, 2 },
    { "Xpad", XPadEffect::xpad, xpadKeys, 5 }
};

constexpr CategoryKeys categoryKeys[] = {
    { "IsolateFx", DocumentCategory::isolate, &DeviceSettings::isolateLock, isolateEffects, 4 },
    { "SceneFx", DocumentCategory::scene, &DeviceSettings::sceneLock, sceneEffects, 10 },
    { "ReleaseFx", DocumentCategory::release, nullptr, releaseEffects, 3 },
    { "XpadFx", DocumentCategory::xpad, nullptr, xpadEffects, 5 }
};

template <typename Document>
auto& valueOf (Document& document, DocumentCategory category, int effectIndex, int valueIndex)
{
    switch (category)
    {
        case DocumentCategory::isolate:  return document.isolate[effectIndex][valueIndex];
        case DocumentCategory::scene:    return document.scene[effectIndex][valueIndex];
        case DocumentCategory::release:  return document.release[effectIndex][valueIndex];
        case DocumentCategory::xpad:     break;
    }
    return document.xpad[effectIndex].values[valueIndex];
}
} // namespace

namespace DocumentKeys
{
const CategoryKeys* categories() { return categoryKeys; }

int32_t& value (DeviceSettings& document, DocumentCategory category, int effectIndex, int valueIndex)
{
    return valueOf (document, category, effectIndex, valueIndex);
}

int32_t value (const DeviceSettings& document, DocumentCategory category, int effectIndex, int valueIndex)
{
    return valueOf (document, category, effectIndex, valueIndex);
}

juce::String slotElementName (int slotIndex)
{
    return "Bank" + juce::String (slotIndex / slotsPerBank + 1) + "Slot" + juce::String (slotIndex % slotsPerBank + 1);
}
} // namespace DocumentKeys
