#include "OverviewTracks.h"

#include "BandBank.h"
#include "SyntheticAudio.h"

#include <algorithm>
#include <cmath>

namespace OverviewTracks
{
void Track::addTone (double start, double seconds, double hz, float gain)
{
    const int32_t first = static_cast<int32_t> (std::lround (start * sampleRate));
    const int32_t last = static_cast<int32_t> (std::lround ((start + seconds) * sampleRate));

    if (frameCount() < last)
    {
        left.resize (static_cast<size_t> (last), 0.0f);
        right.resize (static_cast<size_t> (last), 0.0f);
    }

    for (int32_t i = first; i < last; ++i)
    {
        const double t = static_cast<double> (i - first) / sampleRate;
        const float v = static_cast<float> (std::sin (6.283185307179586 * hz * t)) * gain * 32767.0f;
        left[static_cast<size_t> (i)] += v;
        right[static_cast<size_t> (i)] += v;
    }
}

Track fromAudio (const SyntheticAudio& audio)
{
    Track track;
    track.sampleRate = audio.getSampleRate();
    track.left = audio.getLeft();
    track.right = audio.getRight();
    return track;
}

Track drumsWithBreakdown (int32_t sampleRate)
{
    SyntheticAudio audio (sampleRate, 3);
    audio.addDrumPattern (0.0, 124.0, 31);
    audio.addNoiseBurst (60.0, 30.0, 0.04f);
    audio.addDrumPattern (90.0, 124.0, 31);
    audio.extendTo (160.0);
    Track track = fromAudio (audio);
    track.addTone (60.0, 30.0, 55.0, 0.15f);
    return track;
}

Track clicks (int32_t sampleRate)
{
    SyntheticAudio audio (sampleRate, 5);
    audio.addClicks (0.25, 120.0, 199);
    audio.extendTo (100.0);
    return fromAudio (audio);
}

Track mixed (int32_t sampleRate)
{
    SyntheticAudio audio (sampleRate, 9);
    audio.addDrumPattern (1.0, 96.0, 25, 0.3);
    audio.addNoiseBurst (64.0, 2.0, 0.3f);
    audio.addDc (70.0, 5.0, 3000.0f);
    audio.addNoiseBurst (80.0, 0.5, 0.5f);
    audio.addDrumPattern (85.0, 96.0, 24, 0.1, 0.6f);
    audio.extendTo (150.0);
    Track track = fromAudio (audio);
    track.addTone (1.0, 60.0, 82.4, 0.2f);
    return track;
}

Track bassAndHats (int32_t sampleRate)
{
    SyntheticAudio audio (sampleRate, 13);
    // Quiet drums under a loud bass line.
    audio.addDrumPattern (0.0, 128.0, 48, 0.0, 0.15f);
    audio.extendTo (90.0);
    Track track = fromAudio (audio);
    const double notes[] { 41.2, 55.0, 49.0, 61.7 };

    for (int32_t i = 0; i < 44; ++i)
        track.addTone (i * 2.0, 1.9, notes[i % 4], 0.3f);

    return track;
}

std::vector<Named> all()
{
    return { { "drums_breakdown", drumsWithBreakdown }, { "clicks", clicks }, { "mixed", mixed },
             { "bass_hats", bassAndHats } };
}

Curves analyse (const Track& track, int32_t chunk, bool poll)
{
    Curves curves;
    const int32_t total = track.frameCount();
    void* h = track.sampleRate == 44100 ? BA_Create44k (total, 4) : BA_Create48k (total, 4);
    auto* left = const_cast<float*> (track.left.data());
    auto* right = const_cast<float*> (track.right.data());

    for (int32_t done = 0; done < total;)
    {
        const int32_t n = chunk > 0 ? std::min (chunk, total - done) : total;
        BA_SetSample (h, left + done, right + done, n);
        done += n;

        if (poll)
        {
            curves.loudCount = BA_GetLoudWave (h, curves.loud.data(), curves.loudCount);
            curves.dotsCount = BA_GetDotsWave (h, curves.dots.data(), curves.dotsCount);
        }
    }

    curves.loudCount = BA_GetLoudWave (h, curves.loud.data(), poll ? curves.loudCount : 0);
    curves.dotsCount = BA_GetDotsWave (h, curves.dots.data(), poll ? curves.dotsCount : 0);
    BA_Release (h);
    return curves;
}

std::vector<float> monoOf (const Track& track)
{
    std::vector<float> mono (track.left.size());

    for (size_t i = 0; i < mono.size(); ++i)
        mono[i] = (track.left[i] + track.right[i]) / 65536.0f;

    return mono;
}

std::unique_ptr<OverviewBuilder> buildOverview (const Track& track)
{
    auto overview = std::make_unique<OverviewBuilder>();
    BandBank bank;

    if (! bank.build (track.sampleRate, 8, 6) || ! overview->init (track.sampleRate, track.frameCount()))
        return nullptr;

    const std::vector<float> mono = monoOf (track);
    const int32_t total = track.frameCount();

    for (int32_t done = 0; done < total; done += BandBank::blockSize)
        bank.processBlock (mono.data() + done, std::min (BandBank::blockSize, total - done), overview.get());

    return overview;
}
} // namespace OverviewTracks
