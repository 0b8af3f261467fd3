// Micro-benchmark: the IIR filter over 588-sample blocks (the analysis block size) for every processor
// variant this machine runs, with the 2-section low-pass and the 4-section high-low pair of the band
// bank, and the front end's five filters of one block (the bank's four and the overview's low band)
// one after another or in the one rectifying pass. Prints one `name: value` line per measurement, in
// samples per second (of the block, through all five filters for the front end).
#include "BiquadStage.h"
#include "VectorOps.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace
{
const char* const variantNames[dspVariantCount] { "scalar", "sse2", "sse3", "ssse3", "sse41" };

void filterBlocks (benchmark::State& state, int32_t variant, int32_t sections)
{
    dspForceVariant (variant);
    BiquadStage stage;

    if (sections == 2)
        stage.rebuildLowPass (283.0f, 44100.0f, 0.70710677f);
    else
        stage.rebuildHighLowPair (283.0f, 6000.0f, 44100.0f, 0.70710677f);

    constexpr int32_t block = 588;
    float* x = alignedAllocFloat (block);
    float* y = alignedAllocFloat (block);
    std::mt19937 rng (1);
    std::uniform_real_distribution<float> noise (-1.0f, 1.0f);
    for (int32_t i = 0; i < block; ++i)
        x[i] = noise (rng);

    for (auto _ : state)
    {
        stage.filter (x, y, block);
        benchmark::DoNotOptimize (y);
        benchmark::ClobberMemory();
    }

    state.SetItemsProcessed (state.iterations() * block);
    alignedFree (x);
    alignedFree (y);
    dspForceVariant (dspDetectedVariant());
}

void frontEndBlocks (benchmark::State& state, int32_t variant, bool together)
{
    dspForceVariant (variant);
    BiquadStage stages[5];
    const float q = 0.70710677f;
    stages[0].rebuildLowPass (283.0f, 44100.0f, q);
    stages[1].rebuildBandPassOctaves (150.0f, 44100.0f, 1.5f);
    stages[2].rebuildHighLowPair (283.0f, 6000.0f, 44100.0f, q);
    stages[3].rebuildHighPass (6000.0f, 44100.0f, q);
    stages[4].rebuildBandPass (150.0f, 44100.0f, 0.9f);

    constexpr int32_t block = 588;
    float* x = alignedAllocFloat (block);
    float* outputs[5];
    IirState* states[5];
    std::mt19937 rng (1);
    std::uniform_real_distribution<float> noise (-1.0f, 1.0f);
    for (int32_t i = 0; i < block; ++i)
        x[i] = noise (rng);
    for (int32_t k = 0; k < 5; ++k)
    {
        outputs[k] = alignedAllocFloat (block);
        states[k] = stages[k].state;
    }

    for (auto _ : state)
    {
        if (together)
        {
            vecIirFilterRectify (x, outputs, states, 5, block);
        }
        else
        {
            for (int32_t k = 0; k < 5; ++k)
            {
                stages[k].filter (x, outputs[k], block);
                vecAbsInPlace (outputs[k], block);
            }
        }

        benchmark::DoNotOptimize (outputs[0]);
        benchmark::ClobberMemory();
    }

    state.SetItemsProcessed (state.iterations() * block);
    alignedFree (x);
    for (float* o : outputs)
        alignedFree (o);
    dspForceVariant (dspDetectedVariant());
}

class NameValueReporter : public benchmark::BenchmarkReporter
{
public:
    bool ReportContext (const Context&) override { return true; }

    void ReportRuns (const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
        {
            const auto rate = run.counters.find ("items_per_second");

            if (! run.error_occurred && rate != run.counters.end())
                std::printf ("%s_samples_per_second: %.0f\n", run.benchmark_name().c_str(), rate->second.value);
        }
    }
};
} // namespace

int main (int argc, char** argv)
{
    for (int32_t variant = 0; variant <= dspDetectedVariant(); ++variant)
        for (const int32_t sections : { 2, 4 })
        {
            const std::string name = std::string ("iir_") + variantNames[variant] + "_" + std::to_string (sections) + "_sections";
            benchmark::RegisterBenchmark (name.c_str(), filterBlocks, variant, sections);
        }

    for (int32_t variant = 0; variant <= dspDetectedVariant(); ++variant)
        for (const bool together : { false, true })
        {
            const std::string name = std::string ("front_end_") + variantNames[variant] + (together ? "_one_pass" : "_one_by_one");
            benchmark::RegisterBenchmark (name.c_str(), frontEndBlocks, variant, together);
        }

    benchmark::Initialize (&argc, argv);
    std::printf ("variant_in_use: %s\n", variantNames[dspVariantIndex()]);
    NameValueReporter reporter;
    benchmark::RunSpecifiedBenchmarks (&reporter);
    benchmark::Shutdown();
    return 0;
}
