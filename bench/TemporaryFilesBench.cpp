// Times the sampler's full temporary-file run: all 16 unit slots filled with 16 s of 44.1 kHz stereo,
// each built into its 48 kHz file, as after loading a document or before a card export. Every timed run
// changes each slot's gain so that every file is really rebuilt. Median of 5 runs, on all cores and on
// one.
#include "sampler/files/SamplerTemporaryFiles.h"
#include "sampler/files/SamplerTiles.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace
{
constexpr int sourceRate = 44100, sourceSeconds = 16;

juce::File writeSource (const juce::File& folder, int index)
{
    const auto file = folder.getChildFile ("source" + juce::String (index) + ".wav");
    constexpr int frames = sourceRate * sourceSeconds;
    juce::WavAudioFormat wav;
    std::unique_ptr<juce::AudioFormatWriter> writer (wav.createWriterFor (file.createOutputStream().release(),
                                                                          sourceRate, 2, 16, {}, 0));
    juce::AudioBuffer<float> buffer (2, frames);
    juce::Random random (index);

    for (int i = 0; i < frames; ++i)
        for (int c = 0; c < 2; ++c)
            buffer.setSample (c, i, 0.4f * std::sin ((float) i * 0.029f * (float) (c + 1 + index))
                                        + 0.1f * (random.nextFloat() - 0.5f));

    writer->writeFromAudioSampleBuffer (buffer, 0, frames);
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

        const auto start = std::chrono::steady_clock::now();
        const auto result = files.rebuild (document, tiles, false, {});
        const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;

        for (int slot = 0; slot < numUnitSlots; ++slot)
        {
            if (result.slots[(size_t) slot] != SamplerTemporaryFiles::SlotOutcome::built)
            {
                std::fprintf (stderr, "slot %d was not built\n", slot);
                std::exit (1);
            }
        }

        times.push_back (elapsed.count());
    }

    std::sort (times.begin(), times.end());
    return times[times.size() / 2];
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
