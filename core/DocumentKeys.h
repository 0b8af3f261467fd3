#pragma once

#include "core/DeviceSettings.h"

/** The XML element of one document value. The writer and the reader walk the same tables, so the
    element order, the value each element carries and its maximum cannot drift apart. */
struct ParameterKey
{
    /** Values that the older part of the format carries in a narrower range. */
    enum class NarrowRange { none, clampToTop, wrapToZero };

    const char* element;
    int valueIndex;         // index inside the effect's record
    int maximum;
    NarrowRange narrow = NarrowRange::none;
};

struct EffectKeys
{
    const char* element;
    int effectIndex;        // record index inside the category
    const ParameterKey* keys;
    int numKeys;
};

/** Which record array of the document a category's effects live in. */
enum class DocumentCategory { isolate, scene, release, xpad };

struct CategoryKeys
{
    const char* element;
    DocumentCategory category;
    int32_t DeviceSettings::* lock;     // null for categories without a lock
    const EffectKeys* effects;          // in writing order
    int numEffects;
};

namespace DocumentKeys
{
    constexpr const char* rootElement = "QZT-7200";
    constexpr const char* versionAttribute = "version";
    constexpr const char* lockElement = "Lock";
    constexpr const char* samplerElement = "Sampler";

    /** Narrow maximum of the Noise sliders in the "1.0" part; the "1.1" part carries 0..7. */
    constexpr int noiseSliderNarrowMax = 3;
    constexpr int noiseSliderFullMax = 7;
    constexpr int noiseMinSliderIndex = 7;
    constexpr int noiseMaxSliderIndex = 8;

    /** The four categories in writing order. */
    const CategoryKeys* categories();
    constexpr int numCategories = 4;

    /** The value a key of an effect addresses inside a document. */
    int32_t& value (DeviceSettings& document, DocumentCategory category, int effectIndex, int valueIndex);
    int32_t value (const DeviceSettings& document, DocumentCategory category, int effectIndex, int valueIndex);

    /** "Bank1Slot1" .. "Bank5Slot4" for slot indices 0..19. */
    juce::String slotElementName (int slotIndex);
}
