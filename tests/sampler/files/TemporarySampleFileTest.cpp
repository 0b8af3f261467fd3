#include "sampler/files/SampleFileBuilder.h"
#include "sampler/files/SampleWavInfo.h"
#include "sampler/files/TemporarySampleFile.h"
#include "ScopedTestFolder.h"
#include "WavTestSupport.h"

#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

using namespace wavtest;

namespace
{
constexpr float pi = juce::MathConstants<float>::pi;

/** Every test runs with its own temporary folder, which must be empty again when the test is over. */
class TemporarySampleFileTest  : public ::testing::Test
{
protected:
    void TearDown() override
    {
        EXPECT_EQ (scope.numLeftInTmpDir(), 0) << "left in TMPDIR";
    }

    juce::File source (const juce::String& name, int channels, double rate, int bits, double seconds,
                       const SampleFunction& fn)
    {
        const auto file = sources.getChildFile (name);
        EXPECT_TRUE (writeFrameworkWav (file, channels, rate, bits, juce::roundToInt (seconds * rate), fn));
        return file;
    }

    ScopedTestFolder scope { "sample_file_test_" };
    const juce::File &root = scope.root, &sources = scope.sources, &tmpDir = scope.tmpDir;
};

float peak (const juce::AudioBuffer<float>& b)
{
    return b.getMagnitude (0, b.getNumSamples());
}
} // namespace

TEST_F (TemporarySampleFileTest, ALongRangeAt44100BecomesSixteenSecondsAt48000)
{
    // Left: a ramp that tells the time (1/40 per second); right: a 1 kHz sine.
    const auto src = source ("long.wav", 2, 44100, 16, 20.5, [] (int c, int i)
    {
        const auto t = (float) i / 44100.0f;
        return c == 0 ? t / 40.0f : 0.5f * std::sin (2 * pi * 1000.0f * t);
    });

    TemporarySampleFile temp;
    ASSERT_EQ (temp.write (src, 1, 12800, 2000, 22000, 128), TemporarySampleFile::Outcome::built);
    ASSERT_TRUE (temp.hasFile());
    EXPECT_TRUE (temp.getFile().isAChildOf (tmpDir));
    EXPECT_TRUE (temp.getFile().getFileName().startsWith ("temp_"));

    int32_t loop = 0, tempo = 0;
    double length = 0;
    int rate = 0;
    ASSERT_EQ (readSampleWavInfo (temp.getFile(), &loop, &tempo, &length, true, &rate), sampleWavOk);
    EXPECT_EQ (length, 768000);
    EXPECT_EQ (rate, 48000);
    EXPECT_EQ (loop, 1);
    EXPECT_EQ (tempo, 12800);

    int bits = 0;
    const auto out = readWav (temp.getFile(), nullptr, &bits);
    ASSERT_EQ (out.getNumChannels(), 2);
    EXPECT_EQ (bits, 16);

    // The range starts at 2 s and runs at the source's speed.
    for (int k : { 100, 48000, 400000, 767999 })
        EXPECT_NEAR (out.getSample (0, k), (2.0f + (float) k / 48000.0f) / 40.0f, 2e-4f) << k;

    int crossings = 0;

    for (int k = 1; k < out.getNumSamples(); ++k)
        crossings += (out.getSample (1, k - 1) < 0) != (out.getSample (1, k) < 0);

    EXPECT_NEAR (crossings, 32000, 2);
    EXPECT_NEAR (out.getMagnitude (1, 1000, 100000), 0.5f, 0.01f);
}

TEST_F (TemporarySampleFileTest, WholeFileRangesAreCappedAtSixteenSeconds)
{
    auto noise = [] (int c, int i) { return 0.2f * std::sin ((float) (i * (c + 3))); };
    const auto shortSource = source ("short.wav", 2, 44100, 24, 2.5, noise);
    const auto longSource = source ("long.wav", 1, 32000, 16, 17.0, noise);

    auto framesOf = [] (const juce::File& f)
    {
        double length = -1;
        EXPECT_EQ (readSampleWavInfo (f, nullptr, nullptr, &length, false, nullptr), sampleWavOk);
        return length;
    };

    TemporarySampleFile a, b, c;
    ASSERT_EQ (a.write (shortSource, 0, 0, 0, 0, 128), TemporarySampleFile::Outcome::built);
    EXPECT_EQ (framesOf (a.getFile()), 2500 * 48);
    ASSERT_EQ (b.write (longSource, 0, 0, 0, 0, 128), TemporarySampleFile::Outcome::built);
    EXPECT_EQ (framesOf (b.getFile()), 768000);
    EXPECT_EQ (readWav (b.getFile()).getNumChannels(), 1);

    // An empty or reversed range is a valid, empty sample.
    ASSERT_EQ (c.write (shortSource, 0, 0, 1500, 1000, 128), TemporarySampleFile::Outcome::built);
    EXPECT_EQ (c.getFile().getSize(), 120);
}

TEST_F (TemporarySampleFileTest, TrimAt48000CopiesTheSourceWithinOneStep)
{
    juce::Random random (1234);
    std::vector<float> values (48000 * 3 * 2);

    for (auto& v : values)
        v = random.nextFloat() * 1.6f - 0.8f;

    const auto src = source ("noise.wav", 2, 48000, 16, 3.0, [&] (int c, int i) { return values[(size_t) (i * 2 + c)]; });
    const auto original = readWav (src);

    TemporarySampleFile temp;
    ASSERT_EQ (temp.write (src, 0, 0, 1000, 1500, 128), TemporarySampleFile::Outcome::built);
    const auto trimmed = readWav (temp.getFile());
    ASSERT_EQ (trimmed.getNumSamples(), 24000);

    float worst = 0;

    for (int c = 0; c < 2; ++c)
        for (int i = 0; i < 24000; ++i)
            worst = std::max (worst, std::abs (trimmed.getSample (c, i) - original.getSample (c, 48000 + i)));

    EXPECT_LE (worst * 32768.0f, 1.0f + 1e-3f);
}

TEST_F (TemporarySampleFileTest, GainIsAppliedAndClipsAtFullScale)
{
    const auto src = source ("sine.wav", 2, 48000, 16, 1.0, [] (int, int i) { return 0.5f * std::sin (2 * pi * (float) i / 96.0f); });

    struct Case { int gainIndex; float expectedPeak; };

    for (auto c : { Case { 0, 0.5f * 0.12589255f }, Case { 128, 0.5f }, Case { 192, 0.5f * (1.0f + 64 * 1.8183827f / 127) } })
    {
        TemporarySampleFile temp;
        ASSERT_EQ (temp.write (src, 0, 0, 0, 0, c.gainIndex), TemporarySampleFile::Outcome::built);
        EXPECT_NEAR (peak (readWav (temp.getFile())), c.expectedPeak, 2.0f / 32768) << c.gainIndex;
    }

    // +9 dB takes the sine to 1.41 of full scale: it is cut flat at full scale, never wrapped around.
    TemporarySampleFile loud;
    ASSERT_EQ (loud.write (src, 0, 0, 0, 0, 255), TemporarySampleFile::Outcome::built);
    const auto out = readWav (loud.getFile());
    const auto in = readWav (src);
    int flat = 0;

    for (int i = 0; i < out.getNumSamples(); ++i)
    {
        const auto expected = juce::jlimit (-1.0f, 32767.0f / 32768, 2.8183827f * in.getSample (0, i));
        ASSERT_NEAR (out.getSample (0, i), expected, 1.0f / 32768) << i;
        flat += std::abs (out.getSample (0, i)) > 0.999f;
    }

    EXPECT_GT (flat, 48000 / 4);
}

TEST_F (TemporarySampleFileTest, KeepsBitDepthAndWritesAtMostTwoChannels)
{
    auto fn = [] (int c, int i) { return 0.1f * (float) (c + 1) * std::sin ((float) i * 0.05f); };

    struct Case { int channels, bits, expectChannels; };

    for (auto c : { Case { 1, 8, 1 }, Case { 2, 24, 2 }, Case { 2, 32, 2 }, Case { 3, 16, 2 }, Case { 5, 24, 2 }, Case { 6, 16, 2 } })
    {
        SCOPED_TRACE (juce::String (c.channels) + " ch " + juce::String (c.bits) + " bits");

        const auto src = source ("src.wav", c.channels, 44100, c.bits, 0.1, fn);
        ASSERT_EQ (readSampleWavInfo (src, nullptr, nullptr, nullptr, false, nullptr), sampleWavOk);

        TemporarySampleFile temp;
        ASSERT_EQ (temp.write (src, 0, 0, 0, 0, 128), TemporarySampleFile::Outcome::built);

        // Our own check accepts our own file.
        double length = 0;
        EXPECT_EQ (readSampleWavInfo (temp.getFile(), nullptr, nullptr, &length, false, nullptr), sampleWavOk);
        EXPECT_EQ (length, 100 * 48);

        int bits = 0;
        const auto out = readWav (temp.getFile(), nullptr, &bits);
        EXPECT_EQ (out.getNumChannels(), c.expectChannels);
        EXPECT_EQ (bits, c.bits);

        // The first two channels carry the first two channels of the source.
        for (int ch = 0; ch < c.expectChannels; ++ch)
            EXPECT_NEAR (out.getMagnitude (ch, 200, 4000), 0.1f * (float) (ch + 1), 0.01f) << ch;
    }
}

TEST_F (TemporarySampleFileTest, RebuildsOnlyWhenSomethingThatShapesTheFileChanges)
{
    const auto src = source ("a.wav", 2, 44100, 16, 1.0, [] (int, int i) { return 0.1f * std::sin ((float) i * 0.1f); });
    const auto other = source ("b.wav", 2, 44100, 16, 1.0, [] (int, int i) { return 0.1f * std::sin ((float) i * 0.2f); });

    TemporarySampleFile temp;
    ASSERT_EQ (temp.write (src, 0, 12000, 0, 500, 128), TemporarySampleFile::Outcome::built);
    auto previous = temp.getFile();
    EXPECT_EQ (temp.write (src, 0, 12000, 0, 500, 128), TemporarySampleFile::Outcome::unchanged);
    EXPECT_EQ (temp.getFile(), previous);

    auto expectRebuilt = [&] (TemporarySampleFile::Outcome outcome)
    {
        EXPECT_EQ (outcome, TemporarySampleFile::Outcome::built);
        EXPECT_NE (temp.getFile(), previous);
        EXPECT_FALSE (previous.exists());
        EXPECT_EQ (tmpDir.getNumberOfChildFiles (juce::File::findFiles), 1);
        previous = temp.getFile();
    };

    expectRebuilt (temp.write (src, 0, 12000, 0, 500, 129));
    expectRebuilt (temp.write (src, 1, 12000, 0, 500, 129));
    expectRebuilt (temp.write (src, 1, 12001, 0, 500, 129));
    expectRebuilt (temp.write (src, 1, 12001, 1, 500, 129));
    expectRebuilt (temp.write (src, 1, 12001, 1, 501, 129));
    expectRebuilt (temp.write (other, 1, 12001, 1, 501, 129));

    temp.clear();
    EXPECT_FALSE (temp.hasFile());
    EXPECT_TRUE (temp.getPath().isEmpty());
    EXPECT_FALSE (previous.exists());
}

TEST_F (TemporarySampleFileTest, FailedBuildsLeaveNothingBehind)
{
    const auto good = source ("good.wav", 2, 44100, 16, 17.0, [] (int, int i) { return 0.1f * std::sin ((float) i * 0.1f); });

    auto alaw = pcmFile (4410);
    alaw.data[20] = 6;
    const auto refused = sources.getChildFile ("alaw.wav");
    refused.replaceWithData (alaw.data.data(), alaw.data.size());

    TemporarySampleFile temp;
    ASSERT_EQ (temp.write (good, 0, 0, 0, 1000, 128), TemporarySampleFile::Outcome::built);
    const auto previous = temp.getFile();

    // A failure also drops the file of the earlier settings: it no longer matches the slot.
    for (const auto& bad : { sources.getChildFile ("missing.wav"), refused, sources })
    {
        EXPECT_EQ (temp.write (bad, 0, 0, 0, 1000, 128), TemporarySampleFile::Outcome::failed);
        EXPECT_FALSE (temp.hasFile());
        EXPECT_TRUE (temp.getPath().isEmpty());
        EXPECT_FALSE (previous.exists());
        EXPECT_EQ (tmpDir.getNumberOfChildFiles (juce::File::findFilesAndDirectories), 0);
    }

    // A disk that fills up halfway: the file size limit makes the writes fail part of the way through.
    rlimit old {};
    ASSERT_EQ (::getrlimit (RLIMIT_FSIZE, &old), 0);
    const auto oldHandler = std::signal (SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 256 * 1024;
    ASSERT_EQ (::setrlimit (RLIMIT_FSIZE, &small), 0);

    const auto outcome = temp.write (good, 1, 12000, 0, 16000, 128);
    const auto leftOver = tmpDir.getNumberOfChildFiles (juce::File::findFilesAndDirectories);

    ::setrlimit (RLIMIT_FSIZE, &old);
    std::signal (SIGXFSZ, oldHandler);

    EXPECT_EQ (outcome, TemporarySampleFile::Outcome::failed);
    EXPECT_FALSE (temp.hasFile());
    EXPECT_EQ (leftOver, 0);

    // With room again the same settings are tried once more rather than taken as done.
    EXPECT_EQ (temp.write (good, 1, 12000, 0, 16000, 128), TemporarySampleFile::Outcome::built);
}

TEST_F (TemporarySampleFileTest, BuilderReplacesFilesButNeverFolders)
{
    const auto src = source ("s.wav", 1, 48000, 16, 0.5, [] (int, int) { return 0.1f; });

    const auto target = root.getChildFile ("target.wav");
    target.replaceWithText ("an older, longer file that must not survive at the end of the new one");
    ASSERT_TRUE (buildSampleFile (src, target, 0, 0, 0, 100, 128));
    EXPECT_EQ (target.getSize(), 120 + 4800 * 2);

    const auto folder = root.getChildFile ("folder");
    folder.createDirectory();
    EXPECT_FALSE (buildSampleFile (src, folder, 0, 0, 0, 100, 128));
    EXPECT_TRUE (folder.isDirectory());

    EXPECT_FALSE (buildSampleFile (src, root.getChildFile ("no/such/folder/x.wav"), 0, 0, 0, 100, 128));
}
