#include "sampler/files/SampleFileBuilder.h"
#include "sampler/files/SampleWavInfo.h"
#include "WavTestSupport.h"

#include <cstdlib>
#include <gtest/gtest.h>

using namespace wavtest;

namespace
{
std::vector<uint8_t> toBytes (const juce::File& f)
{
    juce::MemoryBlock block;
    f.loadFileAsData (block);
    auto* p = static_cast<const uint8_t*> (block.getData());
    return std::vector<uint8_t> (p, p + block.getSize());
}

/** Well-formed files of every shape the check meets, the framework's metadata chunks included. */
std::vector<std::vector<uint8_t>> seedFiles (const ScratchFolder& scratch)
{
    std::vector<std::vector<uint8_t>> seeds;
    auto fn = [] (int c, int i) { return 0.4f * std::sin ((float) i * 0.07f + (float) c); };

    const auto ours = scratch.file ("ours.wav");
    writeQztWav (ours, 2, 48000, 16, 1, 12000, 60, fn);
    seeds.push_back (toBytes (ours));
    writeQztWav (ours, 1, 44100, 8, 0, 9000, 61, fn);
    seeds.push_back (toBytes (ours));
    writeFrameworkWav (ours, 3, 48000, 24, 20, fn);
    seeds.push_back (toBytes (ours));

    juce::StringPairArray metadata (juce::WavAudioFormat::createBWAVMetadata ("take", "tessalin", "ref",
                                                                              juce::Time (2020, 1, 2, 3, 4), 12, "history"));
    metadata.set ("Loop0Start", "4");
    metadata.set ("Loop0End", "30");
    metadata.set ("NumSampleLoops", "1");
    metadata.set ("NumCuePoints", "1");
    metadata.set ("Cue0Identifier", "1");
    metadata.set ("Cue0Offset", "10");
    metadata.set ("NumCueLabels", "1");
    metadata.set ("CueLabel0Identifier", "1");
    metadata.set ("CueLabel0Text", "drop");
    metadata.set ("NumCueRegions", "1");
    metadata.set ("CueRegion0Identifier", "1");
    metadata.set ("CueRegion0SampleLength", "5");
    metadata.set ("CueRegion0Text", "hook");
    metadata.set (juce::WavAudioFormat::riffInfoTitle, "title");

    {
        const auto tagged = scratch.file ("tagged.wav");
        auto stream = tagged.createOutputStream();
        std::unique_ptr<juce::AudioFormatWriter> writer (juce::WavAudioFormat().createWriterFor (stream.release(), 44100, 2, 16, metadata, 0));
        const auto buffer = makeBuffer (2, 50, fn);
        writer->writeFromAudioSampleBuffer (buffer, 0, 50);
        writer.reset();
        seeds.push_back (toBytes (tagged));
    }

    Bytes rf64;
    rf64.id ("RF64").u32 (0xFFFFFFFF).id ("WAVE")
        .chunk ("ds64", 28).u64 (4 + 36 + 24 + 16 + 8 + 80).u64 (80).u64 (0).u32 (0)
        .fmt (3, 2, 32000, 32).chunk ("qzt1", 8).u32 (15000).u32 (1).chunk ("data", 0xFFFFFFFF).fill (80, 0x3e);
    seeds.push_back (rf64.data);
    return seeds;
}

class Mutator
{
public:
    explicit Mutator (juce::int64 seed) : random (seed) {}

    std::vector<uint8_t> mutate (std::vector<uint8_t> d)
    {
        for (int n = 1 + random.nextInt (4); --n >= 0 && ! d.empty();)
        {
            const auto at = (size_t) random.nextInt ((int) d.size());

            switch (random.nextInt (6))
            {
                case 0:  d[at] ^= (uint8_t) (1 << random.nextInt (8)); break;
                case 1:  d[at] = (uint8_t) random.nextInt (256); break;
                case 2:  putWord (d, at & ~(size_t) 3, interestingWords[(size_t) random.nextInt ((int) std::size (interestingWords))]); break;
                case 3:  putId (d, at & ~(size_t) 3, chunkIds[(size_t) random.nextInt ((int) std::size (chunkIds))]); break;
                case 4:  d.resize (at); break;
                default:
                {
                    // Repeat a stretch of the file somewhere else, which moves chunks against their sizes.
                    const auto from = (size_t) random.nextInt ((int) d.size());
                    const auto length = std::min ((size_t) random.nextInt (48), d.size() - from);
                    std::vector<uint8_t> piece (d.begin() + (long) from, d.begin() + (long) (from + length));
                    d.insert (d.begin() + (long) at, piece.begin(), piece.end());
                    break;
                }
            }
        }

        return d;
    }

private:
    static void putWord (std::vector<uint8_t>& d, size_t at, uint32_t v)
    {
        for (size_t i = 0; i < 4 && at + i < d.size(); ++i)
            d[at + i] = (uint8_t) (v >> (8 * i));
    }

    static void putId (std::vector<uint8_t>& d, size_t at, const char* id)
    {
        for (size_t i = 0; i < 4 && at + i < d.size(); ++i)
            d[at + i] = (uint8_t) id[i];
    }

    static constexpr uint32_t interestingWords[] = { 0, 1, 2, 3, 7, 8, 16, 28, 40, 0x7FFFFFFF, 0x80000000,
                                                    0xFFFFFFFF, 0xFFFFFFF0, 0xFFFE, 64, 65, 768001, 4000, 99999 };
    static constexpr const char* chunkIds[] = { "RIFF", "RF64", "WAVE", "ds64", "fmt ", "data", "qzt1", "LIST",
                                                "adtl", "labl", "ltxt", "note", "bext", "smpl", "cue ", "JUNK" };
    juce::Random random;
};
} // namespace

TEST (SampleWavInfoFuzz, MutatedFilesGiveAResultAndAcceptedOnesDecode)
{
    ScratchFolder scratch;
    const auto seeds = seedFiles (scratch);

    for (const auto& seed : seeds)
    {
        juce::MemoryInputStream in (seed.data(), seed.size(), false);
        ASSERT_EQ (readSampleWavInfo (in, nullptr, nullptr, nullptr, true, nullptr), sampleWavOk) << &seed - seeds.data();
    }

    // Longer or different runs: WAV_FUZZ_SEED and WAV_FUZZ_ITERATIONS.
    const auto* seedText = std::getenv ("WAV_FUZZ_SEED");
    const auto* iterationsText = std::getenv ("WAV_FUZZ_ITERATIONS");
    const auto iterations = iterationsText != nullptr ? std::atoi (iterationsText) : 30000;
    Mutator mutator (seedText != nullptr ? std::atoll (seedText) : 20240611);
    int counts[5] = {};
    int built = 0;

    for (int iteration = 0; iteration < iterations; ++iteration)
    {
        const auto bytes = mutator.mutate (seeds[(size_t) iteration % seeds.size()]);
        juce::MemoryInputStream in (bytes.data(), bytes.size(), false);
        double length = -1;
        int rate = -1;
        int32_t loop = -7, tempo = -7;
        const auto result = readSampleWavInfo (in, &loop, &tempo, &length, true, &rate);

        ASSERT_GE (result, 0) << iteration;
        ASSERT_LE (result, 4) << iteration;
        ++counts[result];

        if (result != sampleWavOk)
            continue;

        ASSERT_GE (length, 0) << iteration;
        ASSERT_LE (length, (double) bytes.size()) << iteration;
        ASSERT_GT (rate, 0) << iteration;
        ASSERT_LE (rate, 768000) << iteration;
        ASSERT_TRUE (loop == -7 || loop == 0 || loop == 1) << iteration;
        ASSERT_TRUE (tempo == -7 || tempo == 0 || (tempo >= 4000 && tempo <= 99999)) << iteration;

        // Whatever the check lets through, the framework's reader opens and decodes.
        juce::WavAudioFormat wav;
        std::unique_ptr<juce::AudioFormatReader> reader (
            wav.createReaderFor (new juce::MemoryInputStream (bytes.data(), bytes.size(), false), true));
        ASSERT_NE (reader, nullptr) << iteration;
        juce::AudioBuffer<float> buffer (2, (int) length + 1);
        reader->read (&buffer, 0, (int) length + 1, 0, true, true);

        // And a slot's file can be made from it, or the attempt leaves nothing.
        if (built < 40 && iteration % 7 == 0)
        {
            const auto source = scratch.file ("mutant.wav");
            const auto target = scratch.file ("built");
            source.replaceWithData (bytes.data(), bytes.size());

            if (buildSampleFile (source, target, loop, tempo, 0, 0, 200))
                EXPECT_EQ (readSampleWavInfo (target, nullptr, nullptr, nullptr, false, nullptr), sampleWavOk) << iteration;
            else
                EXPECT_FALSE (target.exists()) << iteration;

            target.deleteFile();
            ++built;
        }
    }

    // The run reaches every answer a stream can give, so the mutations do test each of them.
    for (int r : { sampleWavOk, sampleWavNotRiff, sampleWavNotWave, sampleWavUnsupported })
        EXPECT_GT (counts[r], 30) << "result " << r;

    std::printf ("results 0/2/3/4: %d/%d/%d/%d, builds tried: %d\n", counts[0], counts[2], counts[3], counts[4], built);

    EXPECT_GT (built, 10);
}
