// Test tracks for the wave overview (the same music at any sample rate) and a way to run one through
// the exported functions and read back both curves.
#pragma once

#include "OverviewBuilder.h"
#include "pulsek.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class SyntheticAudio;

namespace OverviewTracks
{
struct Track
{
    int32_t sampleRate = 44100;
    std::vector<float> left, right;

    int32_t frameCount() const { return static_cast<int32_t> (left.size()); }

    // A sine on both channels (peak `gain` of full scale) from `start` for `seconds`; the track grows
    // to hold it.
    void addTone (double start, double seconds, double hz, float gain);
};

Track fromAudio (const SyntheticAudio& audio);

// Drums at 124 BPM for a minute, a 30 s breakdown (a quiet noise pad over a low hum), then the drums
// again and a short silence: 160 s.
Track drumsWithBreakdown (int32_t sampleRate);

// Accented clicks at 120 BPM for 100 s.
Track clicks (int32_t sampleRate);

// Swung drums at 96 BPM with a held bass note, noise bursts and a DC stretch: 150 s.
Track mixed (int32_t sampleRate);

// A bass line of held notes over quiet drums: 90 s.
Track bassAndHats (int32_t sampleRate);

struct Named
{
    const char* name;
    Track (*make) (int32_t);
};

// Every track above with a short name.
std::vector<Named> all();

struct Curves
{
    std::vector<BA_WaveInfo> loud = std::vector<BA_WaveInfo> (BA_LOUD_WAVE_POINTS, BA_WaveInfo { -1.0f, -1 });
    std::vector<BA_WaveInfo> dots = std::vector<BA_WaveInfo> (BA_DOTS_WAVE_POINTS, BA_WaveInfo { -1.0f, -1 });
    int32_t loudCount = 0, dotsCount = 0;
};

// Feeds the whole track in chunks of `chunk` frames (0: at once); with `poll`, both curves are read
// incrementally (from the count read last) after every chunk, otherwise once at the end.
Curves analyse (const Track& track, int32_t chunk = 0, bool poll = false);

// The mono mix the analysis makes of a track: (left + right) / 65,536.
std::vector<float> monoOf (const Track& track);

// The track through a six-band bank and an overview builder of its own, as the analysis runs them,
// for a look at the builder's inner figures.
std::unique_ptr<OverviewBuilder> buildOverview (const Track& track);
} // namespace OverviewTracks
