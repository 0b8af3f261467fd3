// The exported interface: a plain C function per operation and a C++-named twin of each. A handle is
// the address of one TrackAnalysis. Every function tolerates a null handle, and nothing thrown inside
// (only memory exhaustion can throw) leaves the library.
#include "TrackAnalysis.h"
#include "pulsek.h"

#include <memory>
#include <new>

namespace
{
TrackAnalysis* analysisOf (void* handle)
{
    return static_cast<TrackAnalysis*> (handle);
}

void* create (int32_t sampleRate, int32_t totalFrames, int32_t gridSpanBeats) noexcept
{
    try
    {
        std::unique_ptr<TrackAnalysis> analysis (new (std::nothrow) TrackAnalysis());

        if (analysis == nullptr || ! analysis->init (sampleRate, totalFrames, gridSpanBeats))
            return nullptr;

        return analysis.release();
    }
    catch (...)
    {
        return nullptr;
    }
}

int32_t copyWave (const BA_WaveInfo* points, int32_t count, BA_WaveInfo* out, int32_t first)
{
    if (out != nullptr && first >= 0)
        for (int32_t i = first; i < count; ++i)
            out[i] = points[i];

    return count;
}

// Runs an operation on the handle's analysis: a null handle gives the fallback, and a failure inside
// leaves the analysis finished with tempo 0 and no beats.
template <typename Result, typename Operation>
Result guarded (void* handle, Result fallback, Operation&& operation) noexcept
{
    if (handle == nullptr)
        return fallback;

    TrackAnalysis& analysis = *analysisOf (handle);

    try
    {
        return operation (analysis);
    }
    catch (...)
    {
        analysis.abandon();
        return fallback;
    }
}
} // namespace

void* BA_Create48k (int32_t totalFrames, int32_t gridSpanBeats)
{
    return create (48000, totalFrames, gridSpanBeats);
}

void* BA_Create44k (int32_t totalFrames, int32_t gridSpanBeats)
{
    return create (44100, totalFrames, gridSpanBeats);
}

void BA_Release (void* handle)
{
    delete analysisOf (handle);
}

bool BA_Analyzed (void* handle)
{
    return guarded (handle, false, [] (TrackAnalysis& a) { return a.isAnalyzed(); });
}

void BA_SetSample (void* handle, float* left, float* right, int32_t count)
{
    guarded (handle, 0, [=] (TrackAnalysis& a) { a.setSample (left, right, count); return 0; });
}

int32_t BA_GetBpm (void* handle)
{
    return guarded (handle, 0, [] (TrackAnalysis& a) { return a.getBpmTimes100(); });
}

int32_t BA_GetBeatNum (void* handle)
{
    return guarded (handle, 0, [] (TrackAnalysis& a) { return static_cast<int32_t> (a.getBeatList().size()); });
}

void BA_GetBeatList (void* handle, BA_BeatInfo* out)
{
    if (out == nullptr)
        return;

    guarded (handle, 0, [=] (TrackAnalysis& a) mutable
    {
        for (const BeatRecord& beat : a.getBeatList())
            *out++ = { beat.position, beat.stamp, TrackAnalysis::beatBpmTimes100 (beat.periodMs) };

        return 0;
    });
}

int32_t BA_GetLoudWave (void* handle, BA_WaveInfo* out, int32_t first)
{
    return guarded (handle, 0, [=] (TrackAnalysis& a)
    {
        const BA_WaveInfo* points = a.getLoudWave();
        return copyWave (points, a.getLoudWaveCount(), out, first);
    });
}

int32_t BA_GetDotsWave (void* handle, BA_WaveInfo* out, int32_t first)
{
    return guarded (handle, 0, [=] (TrackAnalysis& a)
    {
        const BA_WaveInfo* points = a.getDotsWave();
        return copyWave (points, a.getDotsWaveCount(), out, first);
    });
}

//==============================================================================
void* BAEX_Create48k (int32_t totalFrames, int32_t gridSpanBeats) { return BA_Create48k (totalFrames, gridSpanBeats); }
void* BAEX_Create44k (int32_t totalFrames, int32_t gridSpanBeats) { return BA_Create44k (totalFrames, gridSpanBeats); }
void BAEX_Release (void* handle) { BA_Release (handle); }
bool BAEX_Analyzed (void* handle) { return BA_Analyzed (handle); }
void BAEX_SetSample (void* handle, float* left, float* right, int32_t count) { BA_SetSample (handle, left, right, count); }
int32_t BAEX_GetBpm (void* handle) { return BA_GetBpm (handle); }
int32_t BAEX_GetBeatNum (void* handle) { return BA_GetBeatNum (handle); }
void BAEX_GetBeatList (void* handle, BA_BeatInfo* out) { BA_GetBeatList (handle, out); }
int32_t BAEX_GetLoudWave (void* handle, BA_WaveInfo* out, int32_t first) { return BA_GetLoudWave (handle, out, first); }
int32_t BAEX_GetDotsWave (void* handle, BA_WaveInfo* out, int32_t first) { return BA_GetDotsWave (handle, out, first); }
