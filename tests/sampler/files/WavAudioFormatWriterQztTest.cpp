#include "sampler/files/WavAudioFormatWriterQzt.h"
#include "WavTestSupport.h"

#include <array>
#include <cstring>
#include <gtest/gtest.h>

using namespace wavtest;

namespace
{
/** Writes `frames` frames with every channel at `value` (floats for 32 bits, else full-scale integers). */
juce::MemoryBlock writeToMemory (int channels, int bits, int32_t loop, int32_t tempo, int frames,
                                 const SampleFunction& fn = [] (int, int) { return 0.25f; })
{
    juce::MemoryBlock block;

    {
        WavAudioFormatWriterQzt writer (channels, bits, loop, tempo, 48000.0,
                                        std::make_unique<juce::MemoryOutputStream> (block, false));
        const auto buffer = makeBuffer (channels, frames, fn);
        EXPECT_TRUE (writer.writeFromAudioSampleBuffer (buffer, 0, frames));
    }

    return block;
}

/** Keeps the first bytes of what is written and counts the rest, so 4 GiB files cost no memory. */
class CountingStream  : public juce::OutputStream
{
public:
    explicit CountingStream (juce::MemoryBlock& headOut) : head (headOut) { head.setSize (4096, true); }

    bool write (const void* data, size_t numBytes) override
    {
        const auto* bytes = static_cast<const char*> (data);

        for (size_t i = 0; i < numBytes && position + (juce::int64) i < (juce::int64) head.getSize(); ++i)
            head[(size_t) position + i] = bytes[i];

        position += (juce::int64) numBytes;
        length = juce::jmax (length, position);
        return true;
    }

    bool setPosition (juce::int64 p) override   { position = p; return true; }
    juce::int64 getPosition() override          { return position; }
    void flush() override                       {}

    juce::int64 length = 0;

private:
    juce::MemoryBlock& head;
    juce::int64 position = 0;
};

/** Takes `limit` bytes, then refuses; records its own deletion. */
class RefusingStream  : public juce::MemoryOutputStream
{
public:
    RefusingStream (juce::MemoryBlock& block, size_t limitBytes, int& deletionsOut)
        : juce::MemoryOutputStream (block, false), limit (limitBytes), deletions (deletionsOut) {}

    ~RefusingStream() override { ++deletions; }

    bool write (const void* data, size_t numBytes) override
    {
        if ((size_t) getPosition() + numBytes > limit)
            return false;

        return juce::MemoryOutputStream::write (data, numBytes);
    }

private:
    size_t limit;
    int& deletions;
};

void expectCommonHeader (const juce::MemoryBlock& b, uint32_t dataSize, int32_t tempo, int32_t loop)
{
    const auto* d = b.getData();
    EXPECT_EQ (fourCC (d, 96), "qzt1");
    EXPECT_EQ (le32 (d, 100), 8u);
    EXPECT_EQ ((int32_t) le32 (d, 104), tempo);
    EXPECT_EQ ((int32_t) le32 (d, 108), loop);
    EXPECT_EQ (fourCC (d, 112), "data");
    EXPECT_EQ (le32 (d, 116), dataSize);
}
} // namespace

TEST (WavAudioFormatWriterQzt, SixteenBitStereoHasTheFixedPlainLayout)
{
    const auto b = writeToMemory (2, 16, 1, 12800, 1000, [] (int c, int i) { return (c == 0 ? 1 : -1) * (float) i / 4096.0f; });
    const auto* d = b.getData();

    ASSERT_EQ (b.getSize(), 4120u);
    EXPECT_EQ (fourCC (d, 0), "RIFF");
    EXPECT_EQ (le32 (d, 4), 4112u);
    EXPECT_EQ (fourCC (d, 8), "WAVE");
    EXPECT_EQ (fourCC (d, 12), "JUNK");
    EXPECT_EQ (le32 (d, 16), 52u);

    for (size_t i = 20; i < 72; ++i)
        EXPECT_EQ (static_cast<const uint8_t*> (d)[i], 0) << "junk byte " << i;

    EXPECT_EQ (fourCC (d, 72), "fmt ");
    EXPECT_EQ (le32 (d, 76), 16u);
    EXPECT_EQ (le16 (d, 80), 1u);
    EXPECT_EQ (le16 (d, 82), 2u);
    EXPECT_EQ (le32 (d, 84), 48000u);
    EXPECT_EQ (le32 (d, 88), 192000u);
    EXPECT_EQ (le16 (d, 92), 4u);
    EXPECT_EQ (le16 (d, 94), 16u);
    expectCommonHeader (b, 4000, 12800, 1);

    // Frame i holds +i/4096 and -i/4096 of full scale: exactly +-8i in 16 bits.
    for (uint32_t i : { 0u, 1u, 500u, 999u })
    {
        EXPECT_EQ ((int16_t) le16 (d, 120 + 4 * i), (int16_t) (8 * i));
        EXPECT_EQ ((int16_t) le16 (d, 122 + 4 * i), (int16_t) (-8 * (int) i));
    }
}

TEST (WavAudioFormatWriterQzt, SampleEncodingsKeepTheTopBits)
{
    // 8 bits are unsigned around 128; 24 bits keep the top three bytes; 32 bits are the floats themselves.
    const auto eight = writeToMemory (1, 8, 0, 0, 4, [] (int, int i) { return std::array<float, 4> { -1.0f, 0.0f, 0.5f, 1.0f }[(size_t) i]; });
    const auto* e = static_cast<const uint8_t*> (eight.getData());
    EXPECT_EQ (e[120], 0);
    EXPECT_EQ (e[121], 128);
    EXPECT_EQ (e[122], 192);
    EXPECT_EQ (e[123], 255);

    const auto twentyFour = writeToMemory (1, 24, 0, 0, 1, [] (int, int) { return 0.5f; });
    const auto* t = static_cast<const uint8_t*> (twentyFour.getData());
    EXPECT_EQ (le16 (t, 92), 3u);
    EXPECT_EQ ((uint32_t) t[120] | ((uint32_t) t[121] << 8) | ((uint32_t) t[122] << 16), 0x400000u);

    const auto floats = writeToMemory (2, 32, 0, 0, 2, [] (int c, int i) { return c == 0 ? 0.125f * (float) (i + 1) : -2.5f; });
    const auto* f = floats.getData();
    EXPECT_EQ (le16 (f, 80), 3u);
    EXPECT_EQ (le16 (f, 92), 8u);
    float v[4];
    std::memcpy (v, static_cast<const char*> (f) + 120, sizeof (v));
    EXPECT_EQ (v[0], 0.125f);
    EXPECT_EQ (v[1], -2.5f);
    EXPECT_EQ (v[2], 0.25f);
    EXPECT_EQ (floats.getSize(), 120u + 16u);
}

TEST (WavAudioFormatWriterQzt, OddDataGetsOnePadByteThatOnlyTheRiffSizeCounts)
{
    const auto b = writeToMemory (1, 8, 0, 0, 3);
    const auto* d = b.getData();

    ASSERT_EQ (b.getSize(), 124u);
    EXPECT_EQ (le32 (d, 4), 3u + 1u + 112u);
    EXPECT_EQ (le32 (d, 116), 3u);
    EXPECT_EQ (static_cast<const uint8_t*> (d)[123], 0);

    // A zero tempo still gets its chunk, and an empty file is a complete header.
    const auto empty = writeToMemory (2, 16, 0, 0, 0);
    ASSERT_EQ (empty.getSize(), 120u);
    EXPECT_EQ (le32 (empty.getData(), 4), 112u);
    expectCommonHeader (empty, 0, 0, 0);
}

TEST (WavAudioFormatWriterQzt, MoreThanTwoChannelsUseTheExtensibleLayoutAtTheSameOffsets)
{
    struct Case { int channels, bits; uint32_t mask; uint32_t subFormat; };

    for (auto c : { Case { 3, 24, 0, 1 }, Case { 5, 16, 0x37, 1 }, Case { 6, 32, 0x3f, 3 }, Case { 4, 8, 0, 1 } })
    {
        SCOPED_TRACE (c.channels);
        const auto b = writeToMemory (c.channels, c.bits, 1, 4000, 10);
        const auto* d = b.getData();
        const auto align = (uint32_t) (c.channels * c.bits / 8);

        ASSERT_EQ (b.getSize(), 120u + 10u * align);
        EXPECT_EQ (fourCC (d, 0), "RIFF");
        EXPECT_EQ (le32 (d, 4), 10u * align + 112u);
        EXPECT_EQ (fourCC (d, 12), "JUNK");
        EXPECT_EQ (le32 (d, 16), 28u);
        EXPECT_EQ (fourCC (d, 48), "fmt ");
        EXPECT_EQ (le32 (d, 52), 40u);
        EXPECT_EQ (le16 (d, 56), 0xFFFEu);
        EXPECT_EQ (le16 (d, 58), (uint32_t) c.channels);
        EXPECT_EQ (le32 (d, 60), 48000u);
        EXPECT_EQ (le32 (d, 64), align * 48000u);
        EXPECT_EQ (le16 (d, 68), align);
        EXPECT_EQ (le16 (d, 70), (uint32_t) c.bits);
        EXPECT_EQ (le16 (d, 72), 22u);
        EXPECT_EQ (le16 (d, 74), (uint32_t) c.bits);
        EXPECT_EQ (le32 (d, 76), c.mask);

        const uint8_t guid[16] = { (uint8_t) c.subFormat, 0, 0, 0, 0x00, 0x00, 0x10, 0x00,
                                   0x80, 0x00, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71 };
        EXPECT_EQ (std::memcmp (static_cast<const uint8_t*> (d) + 80, guid, 16), 0);
        expectCommonHeader (b, 10u * align, 4000, 1);
    }
}

TEST (WavAudioFormatWriterQzt, FilesReadBackThroughTheFrameworkReader)
{
    ScratchFolder scratch;
    auto fn = [] (int c, int i) { return std::sin ((float) i * 0.01f * (float) (c + 1)) * 0.5f; };

    for (auto [channels, bits] : { std::pair { 1, 8 }, std::pair { 2, 16 }, std::pair { 2, 24 }, std::pair { 2, 32 }, std::pair { 3, 24 } })
    {
        SCOPED_TRACE (juce::String (channels) + " ch " + juce::String (bits) + " bits");
        const auto file = scratch.file ("w.wav");
        ASSERT_TRUE (writeQztWav (file, channels, 48000, bits, 0, 0, 333, fn));

        double rate = 0;
        int readBits = 0;
        const auto buffer = readWav (file, &rate, &readBits);
        ASSERT_EQ (buffer.getNumChannels(), channels);
        ASSERT_EQ (buffer.getNumSamples(), 333);
        EXPECT_EQ (rate, 48000.0);
        EXPECT_EQ (readBits, bits);

        const auto tolerance = bits == 8 ? 1.0f / 64 : 1.0f / 16384;

        for (int c = 0; c < channels; ++c)
            for (int i = 0; i < 333; i += 37)
                EXPECT_NEAR (buffer.getSample (c, i), fn (c, i), tolerance);
    }
}

TEST (WavAudioFormatWriterQzt, HeaderGoesWhereTheStreamStood)
{
    juce::MemoryBlock block;

    {
        auto stream = std::make_unique<juce::MemoryOutputStream> (block, false);
        stream->write ("PREFIX", 6);
        WavAudioFormatWriterQzt writer (2, 16, 0, 0, 48000, std::move (stream));
        const auto buffer = makeBuffer (2, 5, [] (int, int) { return 0.1f; });
        writer.writeFromAudioSampleBuffer (buffer, 0, 5);
    }

    ASSERT_EQ (block.getSize(), 6u + 140u);
    EXPECT_EQ (std::memcmp (block.getData(), "PREFIXRIFF", 10), 0);
    EXPECT_EQ (le32 (block.getData(), 6 + 116), 20u);
}

TEST (WavAudioFormatWriterQzt, RefusedWriteLeavesAHeaderForWhatWasWrittenAndStops)
{
    juce::MemoryBlock block;
    int deletions = 0;

    {
        WavAudioFormatWriterQzt writer (2, 16, 0, 9000, 48000,
                                        std::make_unique<RefusingStream> (block, 120 + 400 + 10, deletions));
        const auto buffer = makeBuffer (2, 100, [] (int, int) { return 0.1f; });

        EXPECT_TRUE (writer.writeFromAudioSampleBuffer (buffer, 0, 100));
        EXPECT_FALSE (writer.writeFromAudioSampleBuffer (buffer, 0, 100));
        EXPECT_FALSE (writer.writeFromAudioSampleBuffer (buffer, 0, 1));   // would fit, but the file is finished
        EXPECT_EQ (writer.getDataSize(), 400u);
    }

    // Deleted exactly once (by the framework's base class), the header tells the 100 frames that made it.
    EXPECT_EQ (deletions, 1);
    ASSERT_EQ (block.getSize(), 520u);
    EXPECT_EQ (le32 (block.getData(), 4), 512u);
    EXPECT_EQ (le32 (block.getData(), 116), 400u);
    EXPECT_EQ (le32 (block.getData(), 104), 9000u);

    // A stream that refuses even the header makes every write fail.
    juce::MemoryBlock none;
    WavAudioFormatWriterQzt refused (2, 16, 0, 0, 48000, std::make_unique<RefusingStream> (none, 10, deletions));
    const auto buffer = makeBuffer (2, 1, [] (int, int) { return 0.1f; });
    EXPECT_FALSE (refused.writeFromAudioSampleBuffer (buffer, 0, 1));
}

TEST (WavAudioFormatWriterQzt, BeyondFourGibibytesTheFileBecomesRf64)
{
    // 32-bit stereo frames are 8 bytes; a plain header can count data up to 0xFFFFFFFE - 112 bytes.
    constexpr uint64_t lastPlainData = 0xFFFFFFFEull - 112 - 6;     // a multiple of 8
    const auto block = makeBuffer (2, 1 << 20, [] (int, int) { return 0.0f; });

    auto writeFrames = [&] (uint64_t frames, juce::MemoryBlock& head) -> juce::int64
    {
        auto stream = std::make_unique<CountingStream> (head);
        auto* counter = stream.get();
        juce::int64 length = 0;

        {
            WavAudioFormatWriterQzt writer (2, 32, 1, 17500, 48000, std::move (stream));

            for (uint64_t left = frames; left > 0;)
            {
                const auto n = (int) std::min<uint64_t> (left, (uint64_t) block.getNumSamples());
                EXPECT_TRUE (writer.writeFromAudioSampleBuffer (block, 0, n));
                left -= (uint64_t) n;
            }

            length = counter->length;
        }

        return length;
    };

    {
        juce::MemoryBlock head;
        const auto frames = lastPlainData / 8;
        EXPECT_EQ (writeFrames (frames, head), (juce::int64) (120 + lastPlainData));
        const auto* d = head.getData();
        EXPECT_EQ (fourCC (d, 0), "RIFF");
        EXPECT_EQ (le32 (d, 4), (uint32_t) (lastPlainData + 112));
        EXPECT_EQ (le16 (d, 80), 3u);
        EXPECT_EQ (le32 (d, 116), (uint32_t) lastPlainData);
    }

    {
        juce::MemoryBlock head;
        const auto frames = lastPlainData / 8 + 1;
        const auto dataSize = frames * 8;
        writeFrames (frames, head);
        const auto* d = head.getData();
        EXPECT_EQ (fourCC (d, 0), "RF64");
        EXPECT_EQ (le32 (d, 4), 0xFFFFFFFFu);
        EXPECT_EQ (fourCC (d, 12), "ds64");
        EXPECT_EQ (le32 (d, 16), 28u);
        EXPECT_EQ (le64 (d, 20), dataSize + 112);
        EXPECT_EQ (le64 (d, 28), dataSize);
        EXPECT_EQ (le64 (d, 36), 0u);
        EXPECT_EQ (le32 (d, 44), 0u);
        EXPECT_EQ (le16 (d, 56), 0xFFFEu);
        EXPECT_EQ (le32 (d, 76), 3u);
        EXPECT_EQ (le32 (d, 80), 3u);
        expectCommonHeader (head, 0xFFFFFFFFu, 17500, 1);
    }
}
