// The analysis behind one handle: takes the track's stereo frames in chunks of any size, mixes them
// into 588-frame mono blocks for the band bank and the overview builder, and runs the beat-grid
// analysis once, inside the call that delivers the last frame.
#pragma once

#include "BeatCandidateCollector.h"
#include "BeatRecord.h"
#include "OverviewBuilder.h"
#include "pulsek.h"

#include <cstdint>
#include <vector>

class TrackAnalysis
{
public:
    static constexpr int32_t blockSize = 588;
    static constexpr int32_t beatsPerBar = 4;

    TrackAnalysis();
    virtual ~TrackAnalysis() = default;

    TrackAnalysis (const TrackAnalysis&) = delete;
    TrackAnalysis& operator= (const TrackAnalysis&) = delete;

    void reset();

    // False when memory for the bank or the overview runs out.
    bool init (int32_t sampleRate, int32_t totalFrames, int32_t gridSpanBeats);

    // Feeds count frames; null channels or a count of 0 or less are ignored, and so is everything
    // once the track is complete. Frames beyond totalFrames are dropped.
    void setSample (const float* left, const float* right, int32_t count);

    // After a failure inside a call: the track counts as analysed, with tempo 0 and no beats.
    void abandon();

    bool isAnalyzed() const { return analyzed; }
    int32_t getBpmTimes100() const { return bpmTimes100 (tempo); }
    const std::vector<BeatRecord>& getBeatList() const { return beatList; }
    int32_t getLoudWaveCount() const { return overview.getLoudCount(); }
    int32_t getDotsWaveCount() const { return overview.getDotsCount(); }

    // Classify the points built since the previous call, then give the curve.
    const BA_WaveInfo* getLoudWave();
    const BA_WaveInfo* getDotsWave();

    int32_t getSampleRate() const { return sampleRate; }
    int32_t getTotalFrames() const { return totalFrames; }
    int32_t getGridSpanBeats() const { return gridSpanBeats; }
    int32_t getFedFrames() const { return fedFrames; }
    float getTempo() const { return tempo; }
    const BeatCandidateCollector& getCollector() const { return collector; }

    // gridSpanBeats as kept: 4, 8, 16, 32, ... (a multiple of 4 whose quarter is a power of two) stay,
    // anything else becomes 4.
    static int32_t acceptedGridSpan (int32_t gridSpanBeats);

    // The lead and tail beats of the grid analysis for a kept grid span: g/2 and g/2 - 4, or 0 and 0
    // for a span of 4.
    static void gridArguments (int32_t gridSpanBeats, int32_t& leadBeats, int32_t& tailBeats);

    // bpm x 100 rounded half up, clamped to the int32 range (0 for NaN).
    static int32_t bpmTimes100 (double bpm);

    // The exported tempo of one beat: 60000 / periodMs x 100, rounded half up in extended precision;
    // 0 for a period of 0 or less.
    static int32_t beatBpmTimes100 (float periodMs);

protected:
    // The beat list as the analysis leaves it (reachable by tests through a subclass).
    std::vector<BeatRecord> beatList;

private:
    void finish();

    bool analyzed = false;
    int32_t sampleRate = 0;
    int32_t totalFrames = 0;
    int32_t gridSpanBeats = 4;
    int32_t fedFrames = 0;
    int32_t blockFill = 0;
    float block[blockSize] {};
    float tempo = 0.0f;
    int32_t loudClassified = 0;
    int32_t dotsClassified = 0;
    BeatCandidateCollector collector;
    OverviewBuilder overview;
};
