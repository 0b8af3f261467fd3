// Times the making of one slot's file: 16 s at 48 kHz stereo from a 44.1 kHz source, as the sampler does
// after every edit. Median of 5 builds for a 16-bit and for a 24-bit source.
#include "sampler/files/SampleFileBuilder.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace
{
juce::File writeSource (const juce::File& folder, int bits)
{
    const auto file = folder.getChildFile ("source" + juce::String (bits) + ".wav");
    constexpr int rate = 44100, frames = rate * 18;
    juce::WavAudioFormat wav;
    std::unique_ptr<juce::AudioFormatWriter> writer (wav.createWriterFor (file.createOutputStream().release(), rate, 2, bits, {}, 0));
    juce::AudioBuffer<float> buffer (2, frames);
    juce::Random random (7);

    for (int i = 0; i < frames; ++i)
        for (int c = 0; c < 2; ++c)
            buffer.setSample (c, i, 0.4f * std::sin ((float) i * 0.031f * (float) (c + 1)) + 0.1f * (random.nextFloat() - 0.5f));

    writer->writeFromAudioSampleBuffer (buffer, 0, frames);
    return file;
}

double medianBuildMs (const juce::File& source, const juce::File& target)
{
    std::vector<double> times;

    for (int run = 0; run < 5; ++run)
    {
        const auto start = std::chrono::steady_clock::now();
        const bool ok = buildSampleFile (source, target, 1, 12800, 1000, 17000, 120 + run);
        const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;

        if (! ok)
        {
            std::fprintf (stderr, "build failed\n");
            std::exit (1);
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
                            .getNonexistentChildFile ("wav_bench_", "", false);
    folder.createDirectory();
    const auto target = folder.getChildFile ("slot.wav");

    const auto source16 = writeSource (folder, 16);
    const auto source24 = writeSource (folder, 24);
    medianBuildMs (source16, target);      // warm the page cache and the allocator

    std::printf ("temp_file_build_ms: %.1f\n", medianBuildMs (source16, target));
    std::printf ("temp_file_16s_ms: %.1f\n", medianBuildMs (source24, target));

    folder.deleteRecursively();
    return 0;
}
