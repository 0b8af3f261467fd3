// Loads the built libPulsek.so as a caller would, resolves all 20 exported names and drives an
// analysis through the plain functions and through their C++-named twins.
#include "BeatScore.h"
#include "SyntheticAudio.h"
#include "pulsek.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <algorithm>
#include <string>
#include <vector>

namespace
{
struct Api
{
    void* (*create48k) (int32_t, int32_t);
    void* (*create44k) (int32_t, int32_t);
    void (*release) (void*);
    bool (*analyzed) (void*);
    void (*setSample) (void*, float*, float*, int32_t);
    int32_t (*getBpm) (void*);
    int32_t (*getBeatNum) (void*);
    void (*getBeatList) (void*, BA_BeatInfo*);
    int32_t (*getLoudWave) (void*, BA_WaveInfo*, int32_t);
    int32_t (*getDotsWave) (void*, BA_WaveInfo*, int32_t);
};

class LoadedLibrary : public testing::Test
{
protected:
    void SetUp() override
    {
        library = dlopen (PULSEK_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE (library, nullptr) << dlerror();

        plain = resolve ({ "BA_Create48k", "BA_Create44k", "BA_Release", "BA_Analyzed", "BA_SetSample", "BA_GetBpm",
                           "BA_GetBeatNum", "BA_GetBeatList", "BA_GetLoudWave", "BA_GetDotsWave" });
        twins = resolve ({ "_Z14BAEX_Create48kii", "_Z14BAEX_Create44kii", "_Z12BAEX_ReleasePv", "_Z13BAEX_AnalyzedPv",
                           "_Z14BAEX_SetSamplePvPfS0_i", "_Z11BAEX_GetBpmPv", "_Z15BAEX_GetBeatNumPv",
                           "_Z16BAEX_GetBeatListPvP11BA_BeatInfo", "_Z16BAEX_GetLoudWavePvP11BA_WaveInfoi",
                           "_Z16BAEX_GetDotsWavePvP11BA_WaveInfoi" });
    }

    void TearDown() override
    {
        if (library != nullptr)
            dlclose (library);
    }

    Api resolve (const std::vector<std::string>& names)
    {
        void* f[10] {};

        for (size_t i = 0; i < names.size(); ++i)
        {
            f[i] = dlsym (library, names[i].c_str());
            EXPECT_NE (f[i], nullptr) << names[i];
        }

        Api api;
        api.create48k = reinterpret_cast<decltype (api.create48k)> (f[0]);
        api.create44k = reinterpret_cast<decltype (api.create44k)> (f[1]);
        api.release = reinterpret_cast<decltype (api.release)> (f[2]);
        api.analyzed = reinterpret_cast<decltype (api.analyzed)> (f[3]);
        api.setSample = reinterpret_cast<decltype (api.setSample)> (f[4]);
        api.getBpm = reinterpret_cast<decltype (api.getBpm)> (f[5]);
        api.getBeatNum = reinterpret_cast<decltype (api.getBeatNum)> (f[6]);
        api.getBeatList = reinterpret_cast<decltype (api.getBeatList)> (f[7]);
        api.getLoudWave = reinterpret_cast<decltype (api.getLoudWave)> (f[8]);
        api.getDotsWave = reinterpret_cast<decltype (api.getDotsWave)> (f[9]);
        return api;
    }

    static void nullHandleDoesNothing (const Api& api)
    {
        std::vector<float> samples (16, 1000.0f);
        BA_BeatInfo beats[1] { { 7, 7, 7 } };
        BA_WaveInfo wave[BA_LOUD_WAVE_POINTS];
        wave[0] = { 7.0f, 7 };

        api.release (nullptr);
        EXPECT_FALSE (api.analyzed (nullptr));
        api.setSample (nullptr, samples.data(), samples.data(), 16);
        EXPECT_EQ (api.getBpm (nullptr), 0);
        EXPECT_EQ (api.getBeatNum (nullptr), 0);
        api.getBeatList (nullptr, beats);
        EXPECT_EQ (beats[0].position, 7);
        EXPECT_EQ (api.getLoudWave (nullptr, wave, 0), 0);
        EXPECT_EQ (api.getDotsWave (nullptr, wave, 0), 0);
        EXPECT_EQ (wave[0].kind, 7);
    }

    // A 20-second click track at 120 BPM fed in uneven chunks; the analysis runs inside the call with
    // the last frame. What comes back through the library is the tempo of the clicks and beats on them.
    static void driveAnalysis (const Api& api, int32_t sampleRate)
    {
        constexpr double bpm = 120.0;
        SyntheticAudio audio (sampleRate);
        const std::vector<int32_t> clicks = audio.addClicks (0.5, bpm, 38);
        audio.extendTo (20.0);
        std::vector<float> left = audio.getLeft(), right = audio.getRight();
        const int32_t total = audio.frameCount();

        void* h = (sampleRate == 44100 ? api.create44k : api.create48k) (total, 16);
        ASSERT_NE (h, nullptr);
        EXPECT_EQ (api.getBpm (h), 0);

        for (int32_t done = 0, chunk = 1; done < total; chunk = chunk * 3 + 1)
        {
            EXPECT_FALSE (api.analyzed (h));
            const int32_t n = std::min (chunk, total - done);
            api.setSample (h, left.data() + done, right.data() + done, n);
            done += n;

            // The curves may be polled while feeding.
            BA_WaveInfo wave[BA_LOUD_WAVE_POINTS];
            EXPECT_GE (api.getLoudWave (h, wave, 0), 0);
            EXPECT_GE (api.getDotsWave (h, wave, 0), 0);
        }

        EXPECT_TRUE (api.analyzed (h));
        EXPECT_EQ (left, audio.getLeft()); // the library never writes the channels

        EXPECT_NEAR (api.getBpm (h) / 100.0, bpm, bpm * 0.01);

        const int32_t beats = api.getBeatNum (h);
        ASSERT_GT (beats, 0);
        std::vector<BA_BeatInfo> list (static_cast<size_t> (beats) + 1, BA_BeatInfo { -1, -1, -1 });
        api.getBeatList (h, list.data());
        EXPECT_EQ (list.back().position, -1);
        list.pop_back();

        std::vector<double> detected, annotated;
        for (const BA_BeatInfo& b : list)
            detected.push_back (static_cast<double> (b.position) / sampleRate);
        for (const int32_t click : clicks)
            annotated.push_back (static_cast<double> (click) / sampleRate);

        const BeatScore score = scoreBeats (detected, annotated);
        EXPECT_GE (score.fMeasure(), 0.95) << sampleRate << " Hz: " << score.hits << " hits of " << score.annotations
                                           << ", " << score.detections << " beats";

        BA_WaveInfo loud[BA_LOUD_WAVE_POINTS], dots[BA_DOTS_WAVE_POINTS];
        const int32_t loudCount = api.getLoudWave (h, loud, 0);
        const int32_t dotsCount = api.getDotsWave (h, dots, 0);
        EXPECT_TRUE (loudCount >= 0 && loudCount <= BA_LOUD_WAVE_POINTS);
        EXPECT_TRUE (dotsCount >= 0 && dotsCount <= BA_DOTS_WAVE_POINTS);

        // Feeding after the analysis is ignored.
        api.setSample (h, left.data(), right.data(), 100);
        EXPECT_TRUE (api.analyzed (h));
        api.release (h);
    }

    void* library = nullptr;
    Api plain {};
    Api twins {};
};
} // namespace

TEST_F (LoadedLibrary, NullHandles)
{
    nullHandleDoesNothing (plain);
    nullHandleDoesNothing (twins);
}

TEST_F (LoadedLibrary, WholeAnalysisThroughThePlainNames)
{
    driveAnalysis (plain, 44100);
    driveAnalysis (plain, 48000);
}

TEST_F (LoadedLibrary, WholeAnalysisThroughTheTwins)
{
    driveAnalysis (twins, 44100);
    driveAnalysis (twins, 48000);
}

TEST_F (LoadedLibrary, HandlesMixAcrossTwins)
{
    // A handle from one set works with the other: they are the same functions.
    void* h = twins.create48k (10, 4);
    ASSERT_NE (h, nullptr);
    std::vector<float> samples (10, 100.0f);
    plain.setSample (h, samples.data(), samples.data(), 10);
    EXPECT_TRUE (twins.analyzed (h));
    plain.release (h);
}
