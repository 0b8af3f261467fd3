// Times the sampler's full temporary-file run: all 16 unit slots filled with 16 s of 44.1 kHz stereo,
// each built into its 48 kHz file, as after loading a document or before a card export. Every timed run
// changes each slot's gain so that every file is really rebuilt. Median of 5 runs, on all cores and on
// one.
#include "bench/BenchTiming.h"
#include "bench/SourceWav.h"
#include "sampler/files/SamplerTemporaryFiles.h"
#include "sampler/files/SamplerTiles.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace
{
constexpr int sourceSeconds = 16;

juce::File writeSource (const juce::File& folder, int index)
{
    const auto file = folder.getChildFile ("source" + juce::String (index) + ".wav");

    // Each slot its own tone, so no two files are alike.
    if (! bench::writeSourceWav (file, 16, sourceSeconds, 0.029f * (float) (index + 1), index))
    {
        std::fprintf (stderr, "cannot write %s\n", file.getFullPathName().toRawUTF8());
        std::exit (1);
    }

    return file;
}

double medianRunMs (SamplerTemporaryFiles& files, DeviceSettings& document, SamplerTiles& tiles, int& gain)
{
    std::vector<double> times;

    for (int run = 0; run < 5; ++run)
    {
        ++gain;

        for (int slot = 0; slot < numUnitSlots; ++slot)
            samplerSlot (document, slot).gainIndex = gain;

        SamplerTemporaryFiles::RunResult result;
        times.push_back (bench::timeMs ([&] { result = files.rebuild (document, tiles, false, {}); }));

        for (int slot = 0; slot < numUnitSlots; ++slot)
        {
            if (result.slots[(size_t) slot] != SamplerTemporaryFiles::SlotOutcome::built)
            {
                std::fprintf (stderr, "slot %d was not built\n", slot);
                std::exit (1);
            }
        }
    }

    return bench::median (std::move (times));
}
} // namespace

int main()
{
    const auto folder = juce::File::getSpecialLocation (juce::File::tempDirectory)
                            .getNonexistentChildFile ("temp_files_bench_", "", false);
    folder.createDirectory();

    auto document = createDeviceSettings();
    resetDeviceSettings (*document, false);

    for (int slot = 0; slot < numUnitSlots; ++slot)
    {
        auto& record = samplerSlot (*document, slot);
        setSlotPath (record, writeSource (folder, slot).getFullPathName());
        record.tempo = 12800;
        record.loop = SamplerTiles::mayLoop (slot) ? 1 : 0;
        record.fixState = 2;
    }

    SamplerTiles tiles;
    SamplerTemporaryFiles files;
    int gain = 100;

    files.rebuild (*document, tiles, true, {});     // warms the page cache and the allocator
    std::printf ("temp_files_16_slots_ms: %.1f\n", medianRunMs (files, *document, tiles, gain));

    files.setMaxThreads (1);
    std::printf ("temp_files_16_slots_one_thread_ms: %.1f\n", medianRunMs (files, *document, tiles, gain));

    folder.deleteRecursively();
    return 0;
}
