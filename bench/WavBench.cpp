// Times the making of one slot's file: 16 s at 48 kHz stereo from a 44.1 kHz source, as the sampler does
// after every edit. Median of 5 builds for a 16-bit and for a 24-bit source.
#include "bench/BenchTiming.h"
#include "bench/SourceWav.h"
#include "sampler/files/SampleFileBuilder.h"

#include <cstdio>
#include <cstdlib>

namespace
{
juce::File writeSource (const juce::File& folder, int bits)
{
    const auto file = folder.getChildFile ("source" + juce::String (bits) + ".wav");

    if (! bench::writeSourceWav (file, bits, 18, 0.031f, 7))
    {
        std::fprintf (stderr, "cannot write %s\n", file.getFullPathName().toRawUTF8());
        std::exit (1);
    }

    return file;
}

double medianBuildMs (const juce::File& source, const juce::File& target)
{
    int run = 0;

    return bench::medianMs (5, [&]
    {
        if (! buildSampleFile (source, target, 1, 12800, 1000, 17000, 120 + run++))
        {
            std::fprintf (stderr, "build failed\n");
            std::exit (1);
        }
    });
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
