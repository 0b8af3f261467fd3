#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <juce_core/juce_core.h>

/** One sampler slot as the unit and our files know it. Plain data: copied and compared as bytes. */
struct SamplerSlot
{
    static constexpr int pathCapacity = 1024;   // code units, terminator included

    char16_t filePath[pathCapacity];            // UTF-16, zero-terminated; empty = slot unused
    int32_t reserved;
    int32_t start;          // first frame of the used range, in frames of the source file
    int32_t end;            // end of the used range; 0 = up to the end of the file
    int32_t length;         // source length in frames
    int32_t loop;           // 0 one-shot, 1 loop
    int32_t tempo;          // hundredths of a BPM, 4000..99999, 0 = unknown
    int32_t fixState;       // 0 neither, 1 beat count fixed, 2 tempo fixed
    int32_t gainIndex;      // 0..255, 128 = 0 dB
    int32_t sampleRate;
    int32_t loopPresent;    // a Loop element was read for this slot
    int32_t tempoPresent;   // a Bpm element was read for this slot
};

struct XPadEffectRecord
{
    static constexpr int numValues = 21;
    static constexpr int numSlots = 20;

    int32_t values[numValues];
    SamplerSlot slots[numSlots];
};

/** The unit's whole editable state: a flat block of 32-bit values with no pointers. */
struct DeviceSettings
{
    static constexpr int numIsolateEffects = 4, isolateValues = 9;
    static constexpr int numSceneEffects = 10, sceneValues = 13;
    static constexpr int numReleaseEffects = 3, releaseValues = 8;
    static constexpr int numXPadEffects = 5;

    int32_t isolateLock;
    int32_t isolate[numIsolateEffects][isolateValues];
    int32_t sceneLock;
    int32_t scene[numSceneEffects][sceneValues];
    int32_t release[numReleaseEffects][releaseValues];
    XPadEffectRecord xpad[numXPadEffects];
};

/** Effect order inside each section's records. The names are scoped by section, so that they clash
    with nothing; the values index the section's records (document.scene[SceneEffect::noise]). */
namespace IsolateEffect { enum Index : int { isolator, cutAdd, transRoll, gateDrive }; }
namespace SceneEffect   { enum Index : int { bpfEcho, echo, noise, spiralUp, reverbUp, hpfEcho, lpfEcho, crushEcho, spiralDown, reverbDown }; }
namespace ReleaseEffect { enum Index : int { vinylBrake, echo, backSpin }; }
namespace XPadEffect    { enum Index : int { roll, osc, sampler, pitch, xpad }; }

static_assert (IsolateEffect::gateDrive + 1 == DeviceSettings::numIsolateEffects);
static_assert (SceneEffect::reverbDown + 1 == DeviceSettings::numSceneEffects);
static_assert (ReleaseEffect::backSpin + 1 == DeviceSettings::numReleaseEffects);
static_assert (XPadEffect::xpad + 1 == DeviceSettings::numXPadEffects);

/** Sampler geometry: the unit has 4 banks of 4 slots; a fifth row is kept for the sampler editor only. */
constexpr int numSamplerBanks = 4;
constexpr int slotsPerBank = 4;
constexpr int numUnitSlots = numSamplerBanks * slotsPerBank;   // 16
constexpr int slotIndex (int bank, int slot) { return (bank - 1) * slotsPerBank + (slot - 1); }

void initSamplerSlot (SamplerSlot& slot);
void initXPadEffectRecord (XPadEffectRecord& record);
void initDeviceSettings (DeviceSettings& document);

/** Factory defaults; with keepSampler the Sampler record's values and slots survive (their gains
    of slots 0..15 still return to 0 dB). */
void resetDeviceSettings (DeviceSettings& document, bool keepSampler);

/** Converts a confirmed range in milliseconds into frames of the slot's source file. */
void setSamplerSlotRange (SamplerSlot& slot, double startMs, double endMs);

/** A document block on the heap, initialised (not reset): documents are too large for the stack. */
std::unique_ptr<DeviceSettings> createDeviceSettings();

/** Path of a slot. Setting cuts to pathCapacity - 1 code units without splitting a surrogate pair, so
    a path that does not fit must be refused before it is set: cut, it would name another file. */
void setSlotPath (SamplerSlot& slot, const juce::String& path);
bool slotPathFits (const juce::String& path);
juce::String getSlotPath (const SamplerSlot& slot);
bool slotPathIsEmpty (const SamplerSlot& slot);
bool slotPathsEqual (const SamplerSlot& a, const SamplerSlot& b);

inline SamplerSlot& samplerSlot (DeviceSettings& d, int index)             { return d.xpad[XPadEffect::sampler].slots[index]; }
inline const SamplerSlot& samplerSlot (const DeviceSettings& d, int index) { return d.xpad[XPadEffect::sampler].slots[index]; }

static_assert (sizeof (SamplerSlot) == 2092);
static_assert (sizeof (XPadEffectRecord) == 41924);
static_assert (offsetof (DeviceSettings, xpad) == 768);
static_assert (sizeof (DeviceSettings) == 210388);
static_assert (sizeof (DeviceSettings) % 4 == 0 && sizeof (DeviceSettings) / 4 == 52597);
