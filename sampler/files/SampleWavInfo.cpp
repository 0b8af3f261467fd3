#include "sampler/files/SampleWavInfo.h"

#include "core/DocumentXmlText.h"
#include "core/FileChecks.h"

#include <algorithm>
#include <limits>

namespace
{
    constexpr int maxChannels = 64;             // keeps a frame well inside the WAV reader's read block
    constexpr int maxSampleRate = 768000;       // faster sources would make a 16 s conversion run for ages
    constexpr int minTempo = 4000, maxTempo = 99999;

    constexpr int chunkId (const char (&name)[5])
    {
        return (int) ((uint32_t) (uint8_t) name[0]
                      | ((uint32_t) (uint8_t) name[1] << 8)
                      | ((uint32_t) (uint8_t) name[2] << 16)
                      | ((uint32_t) (uint8_t) name[3] << 24));
    }

    juce::int64 addClamped (juce::int64 position, uint64_t size)
    {
        const auto room = (uint64_t) (std::numeric_limits<juce::int64>::max() - position);
        return size >= room ? std::numeric_limits<juce::int64>::max() : position + (juce::int64) size;
    }

    /** The format chunk's values must describe samples the WAV reader decodes: integer PCM of 8, 16, 24
        or 32 bits or 32-bit float, a sane channel count and rate. Other values send the reader down
        paths that divide by them or never finish reading. */
    bool formatIsDecodable (juce::InputStream& in, uint32_t size)
    {
        // Shorter than PCMWAVEFORMAT: the reader would take channels and bits from whatever follows.
        if (size < 16)
            return false;

        const auto formatTag = (uint16_t) in.readShort();
        const auto channels = (uint16_t) in.readShort();
        const auto rate = (uint32_t) in.readInt();
        in.readInt();                                   // bytes per second
        in.readShort();                                 // block align
        const auto bits = (uint16_t) in.readShort();

        const bool sampleFormatOk = formatTag == 3 ? bits == 32
                                  : formatTag == 1 && (bits == 8 || bits == 16 || bits == 24 || bits == 32);

        return sampleFormatOk
            && channels >= 1 && channels <= maxChannels
            && rate >= 1 && rate <= (uint32_t) maxSampleRate;
    }

    /** The reader reads every label, note and text region of a cue list, trusting their sizes: each must
        lie inside the list and be long enough for its fixed fields, or it reads past them (and, with a
        size near 2 GiB, computes a length that overflows). */
    bool cueTextsAreWhole (juce::InputStream& in, juce::int64 pos, juce::int64 listBodyEnd, juce::int64 listEnd)
    {
        while (pos < listEnd)
        {
            if (pos + 8 > listBodyEnd || ! in.setPosition (pos))
                return false;

            const auto type = in.readInt();
            const auto size = (uint32_t) in.readInt();
            const auto body = pos + 8;

            if (body + (juce::int64) size > listBodyEnd)
                return false;

            if (((type == chunkId ("labl") || type == chunkId ("note")) && size < 4)
                || (type == chunkId ("ltxt") && size < 20))
                return false;

            pos = body + (juce::int64) size + (size & 1);
        }

        return true;
    }

    /** The reader parses "axml" and "iXML" chunks with the framework's XML parser, which loops for ever
        on some malformed texts (a processing instruction before text inside an element), reads past the
        end of others (bytes that are not UTF-8) and recurses once per level of nesting. It takes the
        chunk as text up to its first zero byte: that text must be blank, or well-formed XML that nests
        no deeper than any real metadata. */
    bool xmlIsReadable (juce::InputStream& in, uint32_t size)
    {
        juce::MemoryBlock chunk;
        in.readIntoMemoryBlock (chunk, (ssize_t) size);

        const auto* text = static_cast<const char*> (chunk.getData());
        const auto* end = std::find (text, text + chunk.getSize(), '\0');

        if (std::all_of (text, end, [] (char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }))
            return true;

        const auto length = (size_t) (end - text);
        return DocumentXmlText::isValidUtf8 (text, length) && DocumentXmlText::isWellFormed (text, length);
    }

    struct ScanResult
    {
        int result = sampleWavOk;
        bool haveData = false;
        juce::int64 dataStart = 0;
        uint64_t dataSize = 0;          // as the header declares it
        bool haveTempo = false, haveLoop = false;
        int32_t tempo = 0, loop = 0;
    };

    ScanResult scanChunks (juce::InputStream& in, juce::int64 streamEnd, bool readModelChunk)
    {
        ScanResult scan;
        const auto start = in.getPosition();
        juce::int64 scanEnd;
        bool rf64 = false;
        uint64_t rf64DataSize = 0;

        const auto id = in.readInt();

        if (id == chunkId ("RF64"))
        {
            in.skipNextBytes (4);    // the real size is in "ds64"
            rf64 = true;
            scanEnd = streamEnd;     // an RF64 file without "ds64" is scanned to its end
        }
        else if (id == chunkId ("RIFF"))
        {
            const auto riffSize = (uint32_t) in.readInt();
            scanEnd = addClamped (in.getPosition(), riffSize);
        }
        else
        {
            scan.result = sampleWavNotRiff;
            return scan;
        }

        if (in.readInt() != chunkId ("WAVE"))
        {
            scan.result = sampleWavNotWave;
            return scan;
        }

        if (rf64)
        {
            const auto chunkStart = in.getPosition();

            if (in.readInt() == chunkId ("ds64"))
            {
                const auto size = (uint32_t) in.readInt();

                if (size < 28)
                {
                    scan.result = sampleWavNotWave;
                    return scan;
                }

                const auto chunkEnd = in.getPosition() + (juce::int64) size + (size & 1);
                scanEnd = addClamped (start + 8, (uint64_t) in.readInt64());
                rf64DataSize = (uint64_t) in.readInt64();
                in.setPosition (chunkEnd);
            }
            else
            {
                in.setPosition (chunkStart);
            }
        }

        scanEnd = juce::jmin (scanEnd, streamEnd);

        // Every chunk moves the scan on by at least its 8-byte header, so the loop always ends. Empty
        // chunks are stepped over rather than ending the scan: the WAV reader walks past some of them,
        // and everything it will walk over must have been looked at here.
        while (in.getPosition() < scanEnd && ! in.isExhausted())
        {
            const auto chunkType = in.readInt();
            const auto size = (uint32_t) in.readInt();
            const auto body = in.getPosition();
            const auto bodyEnd = body + (juce::int64) size;
            auto chunkEnd = bodyEnd + (size & 1);

            // In RF64 the sample data's real size is the one in "ds64"; the reader steps over every
            // "data" chunk by that size, and so must the scan to see the same chunks.
            if (rf64 && chunkType == chunkId ("data") && (juce::int64) rf64DataSize > 0)
                chunkEnd = addClamped (body, rf64DataSize + (rf64DataSize & 1));

            if (chunkType == chunkId ("fmt "))
            {
                if (! formatIsDecodable (in, size))
                {
                    scan.result = sampleWavUnsupported;
                    return scan;
                }
            }
            else if (chunkType == chunkId ("LIST") && size >= 4 && bodyEnd <= streamEnd)
            {
                // The reader walks a cue list up to its padded end; where a stream cannot go past its
                // end (memory, sub-ranges), a missing pad byte leaves that walk stuck on the last byte.
                if (in.readInt() == chunkId ("adtl")
                     && (chunkEnd > streamEnd || ! cueTextsAreWhole (in, body + 4, bodyEnd, chunkEnd)))
                {
                    scan.result = sampleWavUnsupported;
                    return scan;
                }
            }
            else if (chunkType == chunkId ("axml") || chunkType == chunkId ("iXML"))
            {
                if (! xmlIsReadable (in, size))
                {
                    scan.result = sampleWavUnsupported;
                    return scan;
                }
            }
            else if (chunkType == chunkId ("qzt1") && readModelChunk)
            {
                // A short chunk gives only the values that lie inside it.
                if (size >= 4)
                {
                    const auto t = (int32_t) in.readInt();
                    scan.haveTempo = t == 0 || (t >= minTempo && t <= maxTempo);
                    scan.tempo = scan.haveTempo ? t : 0;
                }

                if (size >= 8)
                {
                    const auto l = (int32_t) in.readInt();
                    scan.haveLoop = l == 0 || l == 1;
                    scan.loop = scan.haveLoop ? l : 0;
                }
            }
            else if (chunkType == chunkId ("data"))
            {
                scan.haveData = true;
                scan.dataStart = body;
                scan.dataSize = rf64 && size == 0xFFFFFFFFu ? rf64DataSize : size;
            }

            if (chunkEnd > streamEnd)
            {
                // Sample data cut short is a truncated recording: the frames that are there can be used.
                // Any other chunk cut short is damage that the WAV reader does not survive (it can spin
                // for ever at the end of a cut list chunk). A last chunk that is whole but lacks the pad
                // byte of an odd size is only a careless writer: the reader steps past the end and stops.
                if (chunkType != chunkId ("data") && bodyEnd > streamEnd)
                    scan.result = sampleWavUnsupported;

                break;
            }

            in.setPosition (chunkEnd);
        }

        return scan;
    }

    bool readerCanDecode (const juce::AudioFormatReader& reader)
    {
        const auto bits = (int) reader.bitsPerSample;

        if (reader.usesFloatingPointData ? bits != 32 : (bits != 8 && bits != 16 && bits != 24 && bits != 32))
            return false;

        return reader.numChannels >= 1 && reader.numChannels <= (unsigned int) maxChannels
            && reader.sampleRate > 0 && reader.sampleRate <= maxSampleRate;
    }
}

int readSampleWavInfo (juce::InputStream& in, int32_t* loop, int32_t* tempo, double* length,
                       bool readModelChunk, int* sampleRate)
{
    const auto start = in.getPosition();
    const auto total = in.getTotalLength();
    const auto streamEnd = total >= 0 ? total : std::numeric_limits<juce::int64>::max();

    const auto scan = scanChunks (in, streamEnd, readModelChunk);

    if (scan.result != sampleWavOk)
        return scan.result;

    if (! scan.haveData)
        return sampleWavUnsupported;

    in.setPosition (start);
    juce::WavAudioFormat wav;
    std::unique_ptr<juce::AudioFormatReader> reader (
        wav.createReaderFor (new juce::SubregionStream (&in, start, -1, false), true));

    if (reader == nullptr || ! readerCanDecode (*reader))
        return sampleWavUnsupported;

    // A truncated file claims more frames than it holds, and RF64 sizes are 64 bits wide, while a slot
    // keeps its length in 32 bits.
    const auto bytesPerFrame = (juce::int64) reader->numChannels * (juce::int64) (reader->bitsPerSample / 8);
    const auto framesPresent = (streamEnd - scan.dataStart) / bytesPerFrame;
    const auto framesDeclared = scan.dataSize / (uint64_t) bytesPerFrame;

    // A negative RF64 size gives a negative length, which the reader's own sample reading does not
    // survive; and the reader gives up at an empty chunk of a kind it does not know: samples that are
    // there but that it cannot reach make a file it cannot read.
    if (reader->lengthInSamples < 0 || (reader->lengthInSamples == 0 && framesDeclared > 0 && framesPresent > 0))
        return sampleWavUnsupported;

    const auto frames = juce::jlimit ((juce::int64) 0, (juce::int64) std::numeric_limits<int32_t>::max(),
                                      juce::jmin (reader->lengthInSamples, framesPresent));

    if (length != nullptr)      *length = (double) frames;
    if (sampleRate != nullptr)  *sampleRate = juce::roundToInt (reader->sampleRate);
    if (tempo != nullptr && scan.haveTempo)  *tempo = scan.tempo;
    if (loop != nullptr && scan.haveLoop)    *loop = scan.loop;

    return sampleWavOk;
}

int readSampleWavInfo (const juce::File& file, int32_t* loop, int32_t* tempo, double* length,
                       bool readModelChunk, int* sampleRate)
{
    // Opening a named pipe or a device for reading can block or never end: only plain files are samples.
    if (! FileChecks::isRegularFile (file))
        return sampleWavNotAFile;

    juce::FileInputStream in (file);

    if (in.failedToOpen())
        return sampleWavNotAFile;

    return readSampleWavInfo (in, loop, tempo, length, readModelChunk, sampleRate);
}
