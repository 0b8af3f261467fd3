// Whole-analysis fingerprints: every result of a set of synthetic tracks (tempo, each beat, both
// overview curves, the console lines, and the front end's candidate list behind them) is hashed and
// compared with the hashes the analysis gave when they were recorded. Work on speed must leave every
// bit of every result as it was; any change of output, however small, fails here, under every
// processor variant this machine runs.
#include "OverviewTracks.h"
#include "SyntheticAudio.h"
#include "TrackAnalysis.h"
#include "VectorOps.h"
#include "pulsek.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace
{
struct Fnv
{
    uint64_t h = 14695981039346656037ull;

    void bytes (const void* p, size_t n)
    {
        const auto* b = static_cast<const unsigned char*> (p);

        for (size_t i = 0; i < n; ++i)
            h = (h ^ b[i]) * 1099511628211ull;
    }

    template <typename T>
    void value (const T& v) { bytes (&v, sizeof (T)); }
};

struct Fingerprint
{
    uint64_t results = 0;    // tempo, beats through the export, both curves
    uint64_t console = 0;    // the bytes the analysis wrote to standard output
    uint64_t candidates = 0; // the collected candidate list and the internal beat list
    int32_t beats = 0;
    int32_t consoleBytes = 0;
};

// Standard output goes to a file while the track is fed, so the library's lines can be hashed.
class CapturedStdout
{
public:
    CapturedStdout()
    {
        std::fflush (stdout);
        file = std::tmpfile();
        saved = dup (STDOUT_FILENO);
        ok = file != nullptr && saved >= 0 && dup2 (fileno (file), STDOUT_FILENO) >= 0;
    }

    std::string finish()
    {
        std::fflush (stdout);
        std::string text;

        if (saved >= 0)
        {
            dup2 (saved, STDOUT_FILENO);
            close (saved);
            saved = -1;
        }

        if (file != nullptr)
        {
            std::rewind (file);
            char buffer[4096];

            for (size_t n; (n = std::fread (buffer, 1, sizeof (buffer), file)) > 0;)
                text.append (buffer, n);

            std::fclose (file);
            file = nullptr;
        }

        return text;
    }

    ~CapturedStdout() { finish(); }

    bool ok = false;

private:
    FILE* file = nullptr;
    int saved = -1;
};

// Reaches the internal beat list.
struct InspectedAnalysis : TrackAnalysis
{
    const std::vector<BeatRecord>& beats() const { return beatList; }
};

void hashRecords (Fnv& f, const std::vector<BeatRecord>& list)
{
    f.value (list.size());

    for (const BeatRecord& r : list)
    {
        f.value (r.position);
        f.value (r.level);
        f.value (r.periodMs);
        f.value (r.stamp);
        f.value (r.band);
        f.value (r.flag);
    }
}

Fingerprint fingerprintOf (const OverviewTracks::Track& track, int32_t chunk, int32_t gridSpan)
{
    const int32_t total = track.frameCount();
    InspectedAnalysis analysis;
    EXPECT_TRUE (analysis.init (track.sampleRate, total, gridSpan));
    void* h = &analysis;

    std::vector<BA_WaveInfo> loud (BA_LOUD_WAVE_POINTS), dots (BA_DOTS_WAVE_POINTS);
    int32_t loudCount = 0, dotsCount = 0;
    auto* left = const_cast<float*> (track.left.data());
    auto* right = const_cast<float*> (track.right.data());

    CapturedStdout captured;
    EXPECT_TRUE (captured.ok);

    for (int32_t done = 0; done < total;)
    {
        const int32_t n = std::min (chunk, total - done);
        BA_SetSample (h, left + done, right + done, n);
        done += n;
        // Polled while feeding, as a caller drawing the curves would.
        loudCount = BA_GetLoudWave (h, loud.data(), loudCount);
        dotsCount = BA_GetDotsWave (h, dots.data(), dotsCount);
    }

    const std::string console = captured.finish();
    EXPECT_TRUE (BA_Analyzed (h));

    Fingerprint fp;
    Fnv results;
    results.value (BA_GetBpm (h));
    const int32_t beatCount = BA_GetBeatNum (h);
    results.value (beatCount);
    std::vector<BA_BeatInfo> beats (static_cast<size_t> (beatCount));
    BA_GetBeatList (h, beats.data());

    for (const BA_BeatInfo& b : beats)
    {
        results.value (b.position);
        results.value (b.beatInBar);
        results.value (b.bpmTimes100);
    }

    results.value (loudCount);
    results.value (dotsCount);

    for (int32_t i = 0; i < loudCount; ++i)
    {
        results.value (loud[static_cast<size_t> (i)].value);
        results.value (loud[static_cast<size_t> (i)].kind);
    }

    for (int32_t i = 0; i < dotsCount; ++i)
    {
        results.value (dots[static_cast<size_t> (i)].value);
        results.value (dots[static_cast<size_t> (i)].kind);
    }

    fp.results = results.h;
    fp.beats = beatCount;
    fp.consoleBytes = static_cast<int32_t> (console.size());

    Fnv text;
    text.bytes (console.data(), console.size());
    fp.console = text.h;

    Fnv lists;
    hashRecords (lists, analysis.getCollector().getCandidates());
    hashRecords (lists, analysis.beats());
    fp.candidates = lists.h;
    return fp;
}

OverviewTracks::Track clicks44k()
{
    SyntheticAudio a (44100, 21);
    a.addClicks (0.3, 120.0, 70);
    a.extendTo (36.0);
    return OverviewTracks::fromAudio (a);
}

OverviewTracks::Track quietClicks48k()
{
    SyntheticAudio a (48000, 22);
    a.addClicks (0.1, 93.0, 55, 0.5f);
    a.addNoiseBurst (12.0, 3.0, 0.05f);
    a.extendTo (37.3);
    return OverviewTracks::fromAudio (a);
}

OverviewTracks::Track swungDrums48k()
{
    SyntheticAudio a (48000, 23);
    a.addDrumPattern (0.5, 124.0, 18, 0.2);
    a.extendTo (36.0);
    return OverviewTracks::fromAudio (a);
}

OverviewTracks::Track drumsAndNoise44k()
{
    SyntheticAudio a (44100, 24);
    a.addDrumPattern (0.0, 100.0, 14, 0.35, 0.7f);
    a.addNoiseBurst (10.0, 1.5, 0.2f);
    a.addDc (20.0, 2.0, 1500.0f);
    a.extendTo (35.1234);
    OverviewTracks::Track t = OverviewTracks::fromAudio (a);
    t.addTone (5.0, 12.0, 73.0, 0.2f);
    return t;
}

OverviewTracks::Track tempoStep (int32_t rate)
{
    SyntheticAudio a (rate, 25);
    a.addClicks (0.0, 120.0, 40);
    a.addDrumPattern (20.0, 128.0, 10, 0.0, 0.8f);
    a.extendTo (40.0);
    return OverviewTracks::fromAudio (a);
}

// The track as a 16-bit file carries it: every sample a whole number within the 16-bit range.
OverviewTracks::Track quantised (OverviewTracks::Track t)
{
    for (std::vector<float>* channel : { &t.left, &t.right })
        for (float& v : *channel)
            v = std::nearbyint (std::min (32767.0f, std::max (-32768.0f, v)));

    return t;
}

struct Case
{
    const char* name;
    std::function<OverviewTracks::Track()> make;
    int32_t chunk;
    int32_t gridSpan;
    Fingerprint expected;
};

const std::vector<Case>& cases()
{
    static const std::vector<Case> list {
        { "clicks_44k", clicks44k, 4096, 4, { 0x4eb477820dc85b3dull, 0x197d8a0487fd237cull, 0xb88286fdb9ddefc3ull } },
        { "quiet_clicks_48k", quietClicks48k, 1000, 16, { 0x39d3d66ca4853595ull, 0x9fb39d8b03fbd00full, 0xa2c706622d9a5aa2ull } },
        { "swung_drums_48k", swungDrums48k, 587, 4, { 0xabf0b0ff60c544d0ull, 0xffd0496c6d397015ull, 0x83ef07f2c6429379ull } },
        { "drums_noise_44k", drumsAndNoise44k, 4096, 8, { 0x176ffe368c64f96full, 0x9aeceba552e5260eull, 0x3f89ef3eca8d4147ull } },
        { "step_44k", [] { return tempoStep (44100); }, 10000, 4, { 0x759d3fce000f2a40ull, 0xf11dac7311a1d5c9ull, 0xbf77bf967c398886ull } },
        { "step_48k", [] { return tempoStep (48000); }, 589, 32, { 0x1c5cba2fd8ccae35ull, 0x2be82d25ea3b10f9ull, 0x123eb3dcb0309e51ull } },
        { "mixed_48k", [] { return OverviewTracks::mixed (48000); }, 1 << 20, 4, { 0x0a15c73776617e3eull, 0x84f386d57b21b786ull, 0x443f8b2cf380cbf5ull } },
        { "bass_hats_44k", [] { return OverviewTracks::bassAndHats (44100); }, 44100, 4, { 0x09138e3b12b2223bull, 0xed4c7db46ea12dafull, 0x05a0ad003c7260fbull } },
        { "drums_noise_16bit_44k", [] { return quantised (drumsAndNoise44k()); }, 4096, 4, { 0xf6ac9dc872304a50ull, 0x9aeceba552e5260eull, 0x753cf87b30518f46ull } },
        { "breakdown_16bit_48k", [] { return quantised (OverviewTracks::drumsWithBreakdown (48000)); }, 4096, 4, { 0x4a251118ae5495ceull, 0x430f354b05db0355ull, 0x26bccbad2a4c2c88ull } },
    };
    return list;
}

std::string hex (uint64_t v)
{
    char text[24];
    std::snprintf (text, sizeof (text), "0x%016" PRIx64 "ull", v);
    return text;
}

// Runs the enclosed code under one processor variant and restores the load-time choice.
struct ForcedVariant
{
    explicit ForcedVariant (int32_t index) { ok = dspForceVariant (index); }
    ~ForcedVariant() { dspForceVariant (dspDetectedVariant()); }
    bool ok = false;
};
} // namespace

TEST (AnalysisFingerprint, EveryResultAsRecordedUnderEveryVariant)
{
    for (const Case& c : cases())
    {
        const OverviewTracks::Track track = c.make();

        for (int32_t variant = 0; variant <= dspDetectedVariant(); ++variant)
        {
            ForcedVariant forced (variant);
            ASSERT_TRUE (forced.ok);
            const Fingerprint fp = fingerprintOf (track, c.chunk, c.gridSpan);
            const std::string where = std::string (c.name) + " variant " + std::to_string (variant) + ": { "
                                      + hex (fp.results) + ", " + hex (fp.console) + ", " + hex (fp.candidates) + " }";

            // Every track has beats and console lines, so the fingerprints cover the whole grid analysis.
            EXPECT_GT (fp.beats, 0) << where;
            EXPECT_GT (fp.consoleBytes, 0) << where;
            EXPECT_EQ (fp.results, c.expected.results) << where;
            EXPECT_EQ (fp.console, c.expected.console) << where;
            EXPECT_EQ (fp.candidates, c.expected.candidates) << where;
        }
    }
}
