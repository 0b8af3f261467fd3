#pragma once

#include "core/DeviceSettings.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

/** A broken promise of the code under test: reported and turned into a crash the fuzzer keeps. */
#define FUZZ_CHECK(condition) \
    do { if (! (condition)) { std::fprintf (stderr, "FUZZ_CHECK failed: %s (%s:%d)\n", #condition, __FILE__, __LINE__); std::abort(); } } while (false)

namespace FuzzSupport
{
/** The document every input is read into: factory defaults, as before a load or a fetch. */
inline std::unique_ptr<DeviceSettings> resetDocument()
{
    static const auto reset = []
    {
        auto d = createDeviceSettings();
        resetDeviceSettings (*d, false);
        return d;
    }();
    return std::make_unique<DeviceSettings> (*reset);
}

/** Equal in everything a written text carries back: every parameter, and each slot that names a
    file with all its stored fields. A slot without a path is unused and writes nothing. */
inline bool carriesTheSame (const DeviceSettings& a, const DeviceSettings& b)
{
    if (std::memcmp (&a, &b, offsetof (DeviceSettings, xpad)) != 0)
        return false;

    for (int r = 0; r < DeviceSettings::numXPadEffects; ++r)
        if (std::memcmp (a.xpad[r].values, b.xpad[r].values, sizeof (a.xpad[r].values)) != 0)
            return false;

    for (int i = 0; i < XPadEffectRecord::numSlots; ++i)
    {
        const auto& x = samplerSlot (a, i);
        const auto& y = samplerSlot (b, i);

        if (slotPathIsEmpty (x) != slotPathIsEmpty (y))
            return false;

        if (! slotPathIsEmpty (x)
             && (! slotPathsEqual (x, y) || x.start != y.start || x.end != y.end || x.loop != y.loop
                  || x.tempo != y.tempo || x.fixState != y.fixState || x.gainIndex != y.gainIndex))
            return false;
    }

    return true;
}
} // namespace FuzzSupport
