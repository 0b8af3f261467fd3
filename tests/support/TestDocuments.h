#pragma once

#include "core/DeviceSettings.h"
#include "core/DocumentKeys.h"

#include <cstring>
#include <memory>

/** Documents that tests start from and compare. */
namespace TestDocuments
{
/** A document with the factory defaults. */
inline std::unique_ptr<DeviceSettings> resetDocument()
{
    auto d = createDeviceSettings();
    resetDeviceSettings (*d, false);
    return d;
}

/** Every parameter the document format carries, set at random within its range; slots untouched. */
inline std::unique_ptr<DeviceSettings> randomParameters (juce::Random& random)
{
    auto d = resetDocument();
    d->isolateLock = random.nextInt (2);
    d->sceneLock = random.nextInt (2);

    for (int c = 0; c < DocumentKeys::numCategories; ++c)
    {
        const auto& category = DocumentKeys::categories()[c];

        for (int e = 0; e < category.numEffects; ++e)
        {
            const auto& effect = category.effects[e];

            for (int k = 0; k < effect.numKeys; ++k)
            {
                const auto& key = effect.keys[k];
                const int maximum = key.narrow != ParameterKey::NarrowRange::none ? DocumentKeys::noiseSliderFullMax
                                                                                  : key.maximum;
                DocumentKeys::value (*d, category.category, effect.effectIndex, key.valueIndex) = random.nextInt (maximum + 1);
            }
        }
    }

    return d;
}

inline bool sameBytes (const DeviceSettings& a, const DeviceSettings& b)
{
    return std::memcmp (&a, &b, sizeof (DeviceSettings)) == 0;
}

/** Equal in everything but the sampler slots. */
inline bool sameParameters (const DeviceSettings& a, const DeviceSettings& b)
{
    if (std::memcmp (&a, &b, offsetof (DeviceSettings, xpad)) != 0)
        return false;

    for (int i = 0; i < DeviceSettings::numXPadEffects; ++i)
        if (std::memcmp (a.xpad[i].values, b.xpad[i].values, sizeof (a.xpad[i].values)) != 0)
            return false;

    return true;
}
} // namespace TestDocuments
