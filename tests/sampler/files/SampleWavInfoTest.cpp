#include "Deadline.h"
#include "sampler/files/SampleWavInfo.h"
#include "WavTestSupport.h"

#include <chrono>
#include <fcntl.h>
#include <future>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace wavtest;

namespace
{
constexpr int32_t untouched = -77;

struct Info
{
    int result = -1;
    int32_t loop = untouched, tempo = untouched;
    double length = -1;
    int rate = -1;
};

Info check (const juce::File& file, bool readModelChunk = true)
{
    Info i;
    i.result = readSampleWavInfo (file, &i.loop, &i.tempo, &i.length, readModelChunk, &i.rate);
    return i;
}

Info check (const Bytes& bytes, bool readModelChunk = true)
{
    juce::MemoryInputStream in (bytes.data.data(), bytes.data.size(), false);
    Info i;
    i.result = readSampleWavInfo (in, &i.loop, &i.tempo, &i.length, readModelChunk, &i.rate);
    return i;
}

/** A 16-bit stereo file with a "qzt1" chunk of the given size holding tempo and loop (cut to size). */
Bytes fileWithModelChunk (uint32_t chunkSize, int32_t tempo, int32_t loop)
{
    return pcmFile (10, 48000, [=] (Bytes& b)
    {
        Bytes body;
        body.u32 ((uint32_t) tempo).u32 ((uint32_t) loop).fill (8);
        b.chunk ("qzt1", chunkSize);

        for (uint32_t i = 0; i < chunkSize + (chunkSize & 1); ++i)
            b.u8 (body.data[i]);
    });
}

Bytes rf64File (uint64_t riffSize, uint64_t dataSize, uint32_t ds64Size, int framesPresent)
{
    Bytes b;
    b.id ("RF64").u32 (0xFFFFFFFF).id ("WAVE");
    Bytes ds64;
    ds64.u64 (riffSize).u64 (dataSize).u64 (0).u32 (0).fill (ds64Size > 28 ? ds64Size - 28 : 0);
    b.chunk ("ds64", ds64Size);

    for (uint32_t i = 0; i < ds64Size; ++i)
        b.u8 (ds64.data[i]);

    b.fmt (1, 2, 48000, 16);
    b.chunk ("data", 0xFFFFFFFF).fill ((size_t) framesPresent * 4, 0x11);
    return b;
}
} // namespace

TEST (SampleWavInfo, ResultTable)
{
    ScratchFolder scratch;
    auto sine = [] (int c, int i) { return 0.3f * std::sin (0.05f * (float) i + (float) c); };

    EXPECT_EQ (check (scratch.file ("missing.wav")).result, sampleWavNotAFile);
    EXPECT_EQ (check (juce::File()).result, sampleWavNotAFile);
    scratch.file ("folder.wav").createDirectory();
    EXPECT_EQ (check (scratch.file ("folder.wav")).result, sampleWavNotAFile);

    {
        auto aiff = scratch.file ("sound.wav");
        auto stream = aiff.createOutputStream();
        std::unique_ptr<juce::AudioFormatWriter> w (juce::AiffAudioFormat().createWriterFor (stream.release(), 44100, 2, 16, {}, 0));
        const auto buffer = makeBuffer (2, 100, sine);
        w->writeFromAudioSampleBuffer (buffer, 0, 100);
    }
    EXPECT_EQ (check (scratch.file ("sound.wav")).result, sampleWavNotRiff);
    EXPECT_EQ (check (Bytes()).result, sampleWavNotRiff);
    EXPECT_EQ (check (Bytes().id ("RIFX").u32 (4).id ("WAVE")).result, sampleWavNotRiff);

    EXPECT_EQ (check (Bytes().id ("RIFF").u32 (4).id ("AVI ")).result, sampleWavNotWave);
    EXPECT_EQ (check (rf64File (100, 40, 20, 10)).result, sampleWavNotWave);

    auto alaw = pcmFile (10);
    alaw.data[20] = 6;
    EXPECT_EQ (check (alaw).result, sampleWavUnsupported);

    // Extensible files, the framework's (5.1) and our own (3 channels), are refused.
    ASSERT_TRUE (writeFrameworkWav (scratch.file ("surround.wav"), 6, 48000, 24, 100, sine, true));
    EXPECT_EQ (check (scratch.file ("surround.wav")).result, sampleWavUnsupported);
    ASSERT_TRUE (writeQztWav (scratch.file ("three.wav"), 3, 48000, 16, 0, 0, 100, sine));
    EXPECT_EQ (check (scratch.file ("three.wav")).result, sampleWavUnsupported);

    // Nothing is written for a refused file.
    const auto refused = check (alaw);
    EXPECT_EQ (refused.length, -1);
    EXPECT_EQ (refused.rate, -1);
}

TEST (SampleWavInfo, AcceptedFilesReportLengthRateAndModelChunk)
{
    ScratchFolder scratch;
    auto sine = [] (int c, int i) { return 0.3f * std::sin (0.05f * (float) i + (float) c); };

    ASSERT_TRUE (writeFrameworkWav (scratch.file ("plain.wav"), 2, 44100, 16, 12345, sine));
    auto plain = check (scratch.file ("plain.wav"));
    EXPECT_EQ (plain.result, sampleWavOk);
    EXPECT_EQ (plain.length, 12345);
    EXPECT_EQ (plain.rate, 44100);
    EXPECT_EQ (plain.loop, untouched);
    EXPECT_EQ (plain.tempo, untouched);

    for (int bits : { 8, 24, 32 })
    {
        ASSERT_TRUE (writeFrameworkWav (scratch.file ("mono.wav"), 1, 22050, bits, 777, sine));
        auto mono = check (scratch.file ("mono.wav"));
        EXPECT_EQ (mono.result, sampleWavOk) << bits;
        EXPECT_EQ (mono.length, 777) << bits;
    }

    ASSERT_TRUE (writeQztWav (scratch.file ("ours.wav"), 2, 48000, 24, 1, 12850, 4800, sine));
    auto ours = check (scratch.file ("ours.wav"));
    EXPECT_EQ (ours.result, sampleWavOk);
    EXPECT_EQ (ours.length, 4800);
    EXPECT_EQ (ours.rate, 48000);
    EXPECT_EQ (ours.loop, 1);
    EXPECT_EQ (ours.tempo, 12850);

    // Without the chunk asked for, the caller's values stand.
    auto unread = check (scratch.file ("ours.wav"), false);
    EXPECT_EQ (unread.result, sampleWavOk);
    EXPECT_EQ (unread.loop, untouched);
    EXPECT_EQ (unread.tempo, untouched);

    // Every output may be left out.
    EXPECT_EQ (readSampleWavInfo (scratch.file ("ours.wav"), nullptr, nullptr, nullptr, true, nullptr), sampleWavOk);

    // A link to a sample is as good as the sample.
    ASSERT_EQ (::symlink (scratch.file ("ours.wav").getFullPathName().toRawUTF8(),
                          scratch.file ("link.wav").getFullPathName().toRawUTF8()), 0);
    EXPECT_EQ (check (scratch.file ("link.wav")).tempo, 12850);
}

TEST (SampleWavInfo, FilesTheReaderCannotDecodeAreRefused)
{
    auto withFmt = [] (uint32_t tag, uint32_t channels, uint32_t rate, uint32_t bits)
    {
        auto b = riffWave();
        b.fmt (tag, channels, rate, bits).chunk ("data", 64).fill (64);
        return b.closeRiff();
    };

    EXPECT_EQ (check (withFmt (1, 2, 48000, 16)).result, sampleWavOk);
    EXPECT_EQ (check (withFmt (1, 2, 48000, 32)).result, sampleWavOk);    // 32-bit integer PCM decodes
    EXPECT_EQ (check (withFmt (3, 2, 48000, 64)).result, sampleWavUnsupported);
    EXPECT_EQ (check (withFmt (3, 1, 48000, 8)).result, sampleWavUnsupported);
    EXPECT_EQ (check (withFmt (1, 2, 48000, 12)).result, sampleWavUnsupported);
    EXPECT_EQ (check (withFmt (1, 2, 48000, 0)).result, sampleWavUnsupported);
    EXPECT_EQ (check (withFmt (1, 0, 48000, 16)).result, sampleWavUnsupported);
    EXPECT_EQ (check (withFmt (1, 65, 48000, 16)).result, sampleWavUnsupported);
    EXPECT_EQ (check (withFmt (1, 64, 48000, 8)).result, sampleWavOk);
    EXPECT_EQ (check (withFmt (1, 2, 0, 16)).result, sampleWavUnsupported);
    EXPECT_EQ (check (withFmt (1, 2, 768000, 16)).result, sampleWavOk);
    EXPECT_EQ (check (withFmt (1, 2, 768001, 16)).result, sampleWavUnsupported);

    // Values that send the reader into a division of the most negative int by -1.
    auto trap = riffWave();
    trap.chunk ("fmt ", 16).u16 (1).u16 (2).u32 (0xFFFFFFFF).u32 (0x80000000).u16 (4).u16 (0xFFFF).chunk ("data", 8).fill (8);
    EXPECT_EQ (check (trap.closeRiff()).result, sampleWavUnsupported);

    auto noFmt = riffWave();
    noFmt.chunk ("data", 8).fill (8);
    EXPECT_EQ (check (noFmt.closeRiff()).result, sampleWavUnsupported);

    auto noData = riffWave();
    noData.fmt (1, 2, 48000, 16);
    EXPECT_EQ (check (noData.closeRiff()).result, sampleWavUnsupported);

    auto shortFmt = riffWave();
    shortFmt.chunk ("fmt ", 14).u16 (1).u16 (2).u32 (48000).u32 (192000).u16 (4).chunk ("data", 8).fill (8);
    EXPECT_EQ (check (shortFmt.closeRiff()).result, sampleWavUnsupported);

    // RF64 needs its "ds64" chunk for the reader to find any size at all.
    Bytes noDs64;
    noDs64.id ("RF64").u32 (0xFFFFFFFF).id ("WAVE").fmt (1, 2, 48000, 16).chunk ("data", 40).fill (40);
    EXPECT_EQ (check (noDs64).result, sampleWavUnsupported);

    auto rf64 = check (rf64File (4 + 36 + 16 + 8 + 8 + 40, 40, 28, 10));
    EXPECT_EQ (rf64.result, sampleWavOk);
    EXPECT_EQ (rf64.length, 10);
    EXPECT_EQ (check (rf64File (4 + 36 + 16 + 8 + 8 + 40 + 2, 40, 30, 10)).length, 10);   // longer ds64
}

TEST (SampleWavInfo, ModelChunkIsReadWithinItsSizeAndOnlyWhenValid)
{
    struct Case { uint32_t size; int32_t tempo, loop; int32_t expectTempo, expectLoop; };

    for (auto c : { Case { 8, 12000, 1, 12000, 1 },
                    Case { 8, 0, 0, 0, 0 },
                    Case { 8, 4000, 1, 4000, 1 },
                    Case { 8, 99999, 0, 99999, 0 },
                    Case { 8, 3999, 1, untouched, 1 },
                    Case { 8, 100000, 1, untouched, 1 },
                    Case { 8, -12000, 0, untouched, 0 },
                    Case { 8, 12000, 2, 12000, untouched },
                    Case { 8, 12000, -1, 12000, untouched },
                    Case { 12, 12000, 1, 12000, 1 },
                    Case { 5, 12000, 1, 12000, untouched },
                    Case { 4, 12000, 1, 12000, untouched },
                    Case { 3, 12000, 1, untouched, untouched } })
    {
        SCOPED_TRACE (juce::String ("size ") + juce::String (c.size) + " tempo " + juce::String (c.tempo) + " loop " + juce::String (c.loop));
        auto i = check (fileWithModelChunk (c.size, c.tempo, c.loop));

        // The sample data behind the chunk is still found: nothing was read past the chunk's end.
        EXPECT_EQ (i.result, sampleWavOk);
        EXPECT_EQ (i.length, 10);
        EXPECT_EQ (i.tempo, c.expectTempo);
        EXPECT_EQ (i.loop, c.expectLoop);
    }
}

TEST (SampleWavInfo, ChunkScanSurvivesOddSizesAndBrokenChunks)
{
    // An odd chunk is followed by its pad byte.
    auto odd = pcmFile (10, 48000, [] (Bytes& b) { b.chunk ("note", 3).fill (4, 0xAB); });
    EXPECT_EQ (check (odd).length, 10);

    // Empty chunks are stepped over, but the framework's reader stops at those it does not know, and
    // then cannot reach the samples.
    auto empty = pcmFile (10, 48000, [] (Bytes& b) { b.chunk ("bext", 0).chunk ("LIST", 0); });
    EXPECT_EQ (check (empty).length, 10);
    EXPECT_EQ (check (pcmFile (10, 48000, [] (Bytes& b) { b.chunk ("qzt1", 0); })).result, sampleWavUnsupported);

    auto emptyData = riffWave();
    emptyData.fmt (1, 2, 48000, 16).chunk ("data", 0).chunk ("JUNK", 0);
    const auto silent = check (emptyData.closeRiff());
    EXPECT_EQ (silent.result, sampleWavOk);
    EXPECT_EQ (silent.length, 0);

    // A chunk that claims more than the file holds ends the scan at once; when it is not the sample data
    // the file is refused, whatever lies behind it.
    auto huge = pcmFile (10, 48000, [] (Bytes& b) { b.chunk ("bext", 0xFFFFFFF0).fill (20); });
    EXPECT_EQ (check (huge).result, sampleWavUnsupported);

    auto cutList = pcmFile (10);
    cutList.chunk ("LIST", 41).id ("adtl").chunk ("labl", 20).u32 (1);
    cutList.closeRiff();
    const auto started = std::chrono::steady_clock::now();
    EXPECT_EQ (check (cutList).result, sampleWavUnsupported);
    EXPECT_LT (std::chrono::steady_clock::now() - started, std::chrono::seconds (1));

    // Cue texts are read by their own sizes, which must stay inside their list and cover their fields.
    auto cueList = [] (const char* type, uint32_t size, uint32_t listExtra = 0)
    {
        auto b = pcmFile (10);
        b.chunk ("LIST", 4 + 8 + 24 + listExtra).id ("adtl").chunk (type, size).u32 (1).fill (20 + listExtra, 'a');
        return b.closeRiff();
    };
    EXPECT_EQ (check (cueList ("labl", 24)).length, 10);
    EXPECT_EQ (check (cueList ("ltxt", 24)).length, 10);
    EXPECT_EQ (check (cueList ("labl", 2)).result, sampleWavUnsupported);
    EXPECT_EQ (check (cueList ("ltxt", 12)).result, sampleWavUnsupported);
    EXPECT_EQ (check (cueList ("labl", 0x80000002)).result, sampleWavUnsupported);
    EXPECT_EQ (check (cueList ("note", 24, 6)).result, sampleWavUnsupported);   // a 6-byte tail that is no entry

    // XML metadata is parsed by a recursive parser: it must not nest deeper than any real metadata.
    auto xmlChunk = [] (const std::string& xml)
    {
        auto b = pcmFile (10);
        b.chunk ("iXML", (uint32_t) xml.size());

        for (auto c : xml)
            b.u8 ((uint8_t) c);

        if (xml.size() & 1)
            b.u8 (0);

        return b.closeRiff();
    };

    std::string deep, shallow = "<?xml version=\"1.0\"?><BWFXML><PROJECT>take</PROJECT><NOTE/></BWFXML>";

    for (int i = 0; i < 50000; ++i)
        deep += "<a>";

    EXPECT_EQ (check (xmlChunk (shallow)).length, 10);
    EXPECT_EQ (check (xmlChunk (deep)).result, sampleWavUnsupported);

    // The same parser loops for ever on a processing instruction before text, and reads past the end
    // of bytes that are not UTF-8: the check refuses such metadata, at once. Text after a zero byte
    // is not read, and blank metadata is none.
    const auto hanging = [&] { return check (xmlChunk ("<BWFXML><?x?>b</BWFXML>")).result; };
    EXPECT_EQ (returnsWithin (std::chrono::milliseconds (1000), "the WAV check", hanging), sampleWavUnsupported);
    EXPECT_EQ (check (xmlChunk ("\xbc\xfb\xff\xff\x57\x41\x56\xfb")).result, sampleWavUnsupported);
    EXPECT_EQ (check (xmlChunk (std::string ("<BWFXML/>\0<?x?>b", 16))).length, 10);
    EXPECT_EQ (check (xmlChunk (std::string (" \r\n\0\0\0", 6))).length, 10);

    // A whole last chunk without the pad byte of its odd size only lacks the padding; one that is cut
    // short is damage, and so is an unpadded cue list, whose walk the reader ends only at the pad.
    auto unpadded = pcmFile (10);
    unpadded.chunk ("note", 3).fill (3, 0xAB);
    EXPECT_EQ (check (unpadded.closeRiff()).length, 10);

    auto cutShort = pcmFile (10);
    cutShort.chunk ("note", 5).fill (3, 0xAB);
    EXPECT_EQ (check (cutShort.closeRiff()).result, sampleWavUnsupported);

    auto unpaddedCues = pcmFile (10);
    unpaddedCues.chunk ("LIST", 4 + 8 + 5).id ("adtl").chunk ("labl", 5).u32 (1).fill (1, 'a');
    EXPECT_EQ (check (unpaddedCues.closeRiff()).result, sampleWavUnsupported);

    auto oddData = riffWave();
    oddData.fmt (1, 1, 8000, 8).chunk ("data", 3).fill (3, 128);
    EXPECT_EQ (check (oddData.closeRiff()).length, 3);

    // A RIFF size that stops short hides the chunks behind it; one that overstates (streaming writers
    // put 0xFFFFFFFF) is limited by the file.
    auto shortRiff = pcmFile (10);
    shortRiff.setU32 (4, 4);
    EXPECT_EQ (check (shortRiff).result, sampleWavUnsupported);

    auto streaming = pcmFile (10);
    streaming.setU32 (4, 0xFFFFFFFF);
    EXPECT_EQ (check (streaming).length, 10);

    auto trailing = pcmFile (10);
    trailing.fill (3, 0xEE);
    EXPECT_EQ (check (trailing.closeRiff()).length, 10);
}

TEST (SampleWavInfo, LengthIsWhatTheFileHoldsAndFitsASlot)
{
    ScratchFolder scratch;

    auto truncated = pcmFile (1000);
    truncated.data.resize (truncated.data.size() - 900 * 4 - 2);    // 99.5 frames left
    EXPECT_EQ (check (truncated).length, 99);

    EXPECT_EQ (check (rf64File (1ull << 41, 1ull << 40, 28, 25)).length, 25);
    EXPECT_EQ (check (rf64File (1ull << 41, (uint64_t) -4, 28, 25)).result, sampleWavUnsupported);

    // Sparse files with more frames than 32 bits can count: an RF64 file and a full-size RIFF file.
    auto sparse = [&] (const char* name, Bytes header, uint64_t dataBytes)
    {
        const auto file = scratch.write (name, header);
        EXPECT_EQ (::truncate (file.getFullPathName().toRawUTF8(), (off_t) (header.data.size() + dataBytes)), 0);
        return check (file);
    };

    constexpr uint64_t bigData = (1ull << 31) + 1000;
    Bytes bigRf64;
    bigRf64.id ("RF64").u32 (0xFFFFFFFF).id ("WAVE")
           .chunk ("ds64", 28).u64 (bigData + 4 + 36 + 24 + 8).u64 (bigData).u64 (0).u32 (0)
           .fmt (1, 1, 48000, 8).chunk ("data", 0xFFFFFFFF);
    auto rf64 = sparse ("big_rf64.wav", bigRf64, bigData);
    EXPECT_EQ (rf64.result, sampleWavOk);
    EXPECT_EQ (rf64.length, 2147483647.0);

    auto bigRiff = riffWave();
    bigRiff.fmt (1, 1, 48000, 8).chunk ("data", 0xFFFFFFF0);
    bigRiff.setU32 (4, 0xFFFFFFFF);
    EXPECT_EQ (sparse ("big_riff.wav", bigRiff, 0xFFFFFFF0).length, 2147483647.0);
}

TEST (SampleWavInfo, OnlyRegularFilesAreOpened)
{
    ScratchFolder scratch;
    const auto fifo = scratch.file ("pipe.wav");
    ASSERT_EQ (::mkfifo (fifo.getFullPathName().toRawUTF8(), 0600), 0);

    auto pending = std::async (std::launch::async, [&] { return check (fifo).result; });

    if (pending.wait_for (std::chrono::seconds (2)) != std::future_status::ready)
    {
        // Let the blocked reader go before failing, or the test would never end.
        const auto fd = ::open (fifo.getFullPathName().toRawUTF8(), O_WRONLY | O_NONBLOCK);
        ADD_FAILURE() << "the check blocked on a named pipe";
        pending.wait();

        if (fd >= 0)
            ::close (fd);
    }
    else
    {
        EXPECT_EQ (pending.get(), sampleWavNotAFile);
    }

    EXPECT_EQ (check (juce::File ("/dev/null")).result, sampleWavNotAFile);
    EXPECT_EQ (check (juce::File ("/dev/zero")).result, sampleWavNotAFile);
}
