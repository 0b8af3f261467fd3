#include "core/DeviceSettings.h"

#include <cmath>
#include <cstring>

void initSamplerSlot (SamplerSlot& slot)
{
    slot.filePath[0] = 0;
    slot.start = 0;
    slot.end = 0;
    slot.length = 0;
    slot.loop = 0;
    slot.tempo = 0;
    slot.fixState = 0;
    slot.gainIndex = 128;
    slot.sampleRate = 48000;
    slot.loopPresent = 0;
    slot.tempoPresent = 0;
}

void initXPadEffectRecord (XPadEffectRecord& record)
{
    for (auto& slot : record.slots)
        initSamplerSlot (slot);
}

void initDeviceSettings (DeviceSettings& document)
{
    for (auto& record : document.xpad)
        initXPadEffectRecord (record);
}

std::unique_ptr<DeviceSettings> createDeviceSettings()
{
    auto document = std::make_unique<DeviceSettings>();   // value-initialised: all zero
    initDeviceSettings (*document);
    return document;
}

namespace
{
// Value indices inside the records, as the unit numbers them.
constexpr int echoTime1 = 2;

void setEchoTimes (int32_t* record)
{
    for (int i = 0; i < 4; ++i)
        record[echoTime1 + i] = 2 + i;
}
} // namespace

void resetDeviceSettings (DeviceSettings& document, bool keepSampler)
{
    document.isolateLock = 0;
    document.sceneLock = 0;
    std::memset (document.isolate, 0, sizeof (document.isolate));
    std::memset (document.scene, 0, sizeof (document.scene));
    std::memset (document.release, 0, sizeof (document.release));

    std::unique_ptr<XPadEffectRecord> kept;
    if (keepSampler)
    {
        kept = std::make_unique<XPadEffectRecord>();
        initXPadEffectRecord (*kept);
        *kept = document.xpad[XPadEffect::sampler];
    }

    std::memset (document.xpad, 0, sizeof (document.xpad));

    if (kept != nullptr)
        document.xpad[XPadEffect::sampler] = *kept;

    auto& iso = document.isolate[IsolateEffect::isolator];
    iso[1] = 3; iso[2] = 2; iso[3] = 3; iso[4] = 2; iso[5] = 3; iso[6] = 2;

    for (auto effect : { SceneEffect::bpfEcho, SceneEffect::hpfEcho, SceneEffect::lpfEcho })
    {
        setEchoTimes (document.scene[effect]);
        document.scene[effect][7] = 1;
        document.scene[effect][8] = 2;
    }

    document.scene[SceneEffect::echo][1] = 1;
    setEchoTimes (document.scene[SceneEffect::echo]);
    document.scene[SceneEffect::noise][7] = 1;
    document.scene[SceneEffect::noise][8] = 2;
    for (auto effect : { SceneEffect::spiralUp, SceneEffect::spiralDown, SceneEffect::crushEcho })
        setEchoTimes (document.scene[effect]);
    document.scene[SceneEffect::reverbDown][12] = 1;

    auto setAreas = [&] (int effect, int a0, int a1, int a2)
    {
        document.release[effect][1] = a0;
        document.release[effect][2] = a1;
        document.release[effect][3] = a2;
    };
    setAreas (ReleaseEffect::vinylBrake, 8, 5, 2);
    setAreas (ReleaseEffect::echo, 5, 3, 2);
    document.release[ReleaseEffect::echo][4] = 1;
    setAreas (ReleaseEffect::backSpin, 5, 3, 2);

    for (int drum = 0; drum < 4; ++drum)
    {
        document.xpad[XPadEffect::osc].values[4 + drum] = 3;    // gain
        document.xpad[XPadEffect::osc].values[8 + drum] = 1;    // decay
    }
    document.xpad[XPadEffect::pitch].values[2] = 11;
    document.xpad[XPadEffect::pitch].values[3] = 11;

    const int32_t positions[] = { 12, 14, 0, 3, 5 };
    for (int i = 0; i < 5; ++i)
        document.xpad[XPadEffect::xpad].values[16 + i] = positions[i];

    for (int i = 0; i < numUnitSlots; ++i)
        samplerSlot (document, i).gainIndex = 128;
}

void setSamplerSlotRange (SamplerSlot& slot, double startMs, double endMs)
{
    if (endMs < startMs)
    {
        slot.start = 0;
        slot.end = 0;
        return;
    }

    // Ties go to even, as the unit's own arithmetic does; results are kept inside int32.
    auto toFrames = [&] (double ms)
    {
        const double frames = std::nearbyint ((double) slot.sampleRate * ms / 1000.0);
        return (int32_t) juce::jlimit (0.0, 2147483647.0, frames);
    };

    slot.start = toFrames (startMs);
    slot.end = toFrames (endMs);

    if (slot.end > slot.length)
        slot.end = slot.length;
}

void setSlotPath (SamplerSlot& slot, const juce::String& path)
{
    auto* units = slot.filePath;
    int count = 0;

    for (auto p = path.getCharPointer(); ! p.isEmpty();)
    {
        auto c = (uint32_t) p.getAndAdvance();

        // A string can hold values UTF-16 cannot carry (a lone surrogate, or beyond U+10FFFF from a
        // character reference or a damaged byte sequence); stored as they are, they would read back
        // as something else.
        if ((c >= 0xd800 && c < 0xe000) || c > 0x10ffff)
            c = 0xfffd;

        const int needed = c >= 0x10000 ? 2 : 1;

        if (count + needed > SamplerSlot::pathCapacity - 1)
            break;

        if (needed == 2)
        {
            const auto v = c - 0x10000;
            units[count++] = (char16_t) (0xd800 + (v >> 10));
            units[count++] = (char16_t) (0xdc00 + (v & 0x3ff));
        }
        else
        {
            units[count++] = (char16_t) c;
        }
    }

    units[count] = 0;
}

bool slotPathFits (const juce::String& path)
{
    const auto units = juce::CharPointer_UTF16::getBytesRequiredFor (path.getCharPointer()) / sizeof (char16_t);
    return units <= (size_t) SamplerSlot::pathCapacity - 1;
}

juce::String getSlotPath (const SamplerSlot& slot)
{
    // The block may come from anywhere (a file, the unit): never read past its end.
    int count = 0;
    while (count < SamplerSlot::pathCapacity && slot.filePath[count] != 0)
        ++count;

    juce::juce_wchar decoded[SamplerSlot::pathCapacity + 1];
    int length = 0;

    for (int i = 0; i < count; ++i)
    {
        uint32_t c = slot.filePath[i];

        if (c >= 0xd800 && c < 0xdc00 && i + 1 < count
             && slot.filePath[i + 1] >= 0xdc00 && slot.filePath[i + 1] < 0xe000)
        {
            c = 0x10000 + ((c - 0xd800) << 10) + (uint32_t) (slot.filePath[i + 1] - 0xdc00);
            ++i;
        }
        else if (c >= 0xd800 && c < 0xe000)
        {
            c = 0xfffd;     // a lone surrogate cannot be represented in UTF-8
        }

        decoded[length++] = (juce::juce_wchar) c;
    }

    decoded[length] = 0;
    return juce::String (juce::CharPointer_UTF32 (decoded));
}

bool slotPathIsEmpty (const SamplerSlot& slot)
{
    return slot.filePath[0] == 0;
}

bool slotPathsEqual (const SamplerSlot& a, const SamplerSlot& b)
{
    for (int i = 0; i < SamplerSlot::pathCapacity; ++i)
    {
        if (a.filePath[i] != b.filePath[i])
            return false;
        if (a.filePath[i] == 0)
            return true;
    }
    return true;
}
