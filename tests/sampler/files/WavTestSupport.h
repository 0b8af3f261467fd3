#pragma once

#include "sampler/files/WavAudioFormatWriterQzt.h"

#include <cstdint>
#include <functional>
#include <vector>
#include <juce_audio_formats/juce_audio_formats.h>

namespace wavtest
{
inline uint32_t le16 (const void* data, size_t offset)
{
    auto p = static_cast<const uint8_t*> (data) + offset;
    return (uint32_t) p[0] | ((uint32_t) p[1] << 8);
}

inline uint32_t le32 (const void* data, size_t offset)
{
    auto p = static_cast<const uint8_t*> (data) + offset;
    return (uint32_t) p[0] | ((uint32_t) p[1] << 8) | ((uint32_t) p[2] << 16) | ((uint32_t) p[3] << 24);
}

inline uint64_t le64 (const void* data, size_t offset)
{
    return (uint64_t) le32 (data, offset) | ((uint64_t) le32 (data, offset + 4) << 32);
}

inline std::string fourCC (const void* data, size_t offset)
{
    return std::string (static_cast<const char*> (data) + offset, 4);
}

/** Little-endian byte buffer for hand-made files. */
struct Bytes
{
    std::vector<uint8_t> data;

    Bytes& id (const char* s)               { for (int i = 0; i < 4; ++i) data.push_back ((uint8_t) s[i]); return *this; }
    Bytes& u8 (uint32_t v)                  { data.push_back ((uint8_t) v); return *this; }
    Bytes& u16 (uint32_t v)                 { for (int i = 0; i < 2; ++i) u8 (v >> (8 * i)); return *this; }
    Bytes& u32 (uint32_t v)                 { for (int i = 0; i < 4; ++i) u8 (v >> (8 * i)); return *this; }
    Bytes& u64 (uint64_t v)                 { for (int i = 0; i < 8; ++i) u8 ((uint32_t) (v >> (8 * i))); return *this; }
    Bytes& fill (size_t n, uint8_t v = 0)   { data.insert (data.end(), n, v); return *this; }
    Bytes& chunk (const char* name, uint32_t size) { return id (name).u32 (size); }

    /** A 16-byte PCMWAVEFORMAT chunk. */
    Bytes& fmt (uint32_t tag, uint32_t channels, uint32_t rate, uint32_t bits)
    {
        const auto align = channels * bits / 8;
        return chunk ("fmt ", 16).u16 (tag).u16 (channels).u32 (rate).u32 (align * rate).u16 (align).u16 (bits);
    }

    void setU32 (size_t offset, uint32_t v)  { for (int i = 0; i < 4; ++i) data[offset + (size_t) i] = (uint8_t) (v >> (8 * i)); }

    /** Fixes the RIFF size field to the bytes that follow it. */
    Bytes& closeRiff()                      { setU32 (4, (uint32_t) (data.size() - 8)); return *this; }
};

/** "RIFF" <size> "WAVE" followed by whatever the caller adds; close with closeRiff(). */
inline Bytes riffWave()
{
    Bytes b;
    b.id ("RIFF").u32 (0).id ("WAVE");
    return b;
}

/** A small valid 16-bit stereo PCM file of the given frames with optional chunks before the data. */
inline Bytes pcmFile (int frames, uint32_t rate = 44100, std::function<void (Bytes&)> extra = {})
{
    auto b = riffWave();
    b.fmt (1, 2, rate, 16);

    if (extra)
        extra (b);

    b.chunk ("data", (uint32_t) frames * 4);

    for (int i = 0; i < frames * 2; ++i)
        b.u16 ((uint32_t) (i * 97));

    return b.closeRiff();
}

/** A folder in the temporary folder, deleted with everything in it. */
struct ScratchFolder
{
    juce::File folder = juce::File::getSpecialLocation (juce::File::tempDirectory)
                            .getNonexistentChildFile ("wav_test_" + juce::String::toHexString (juce::Random::getSystemRandom().nextInt64()),
                                                      "", false);

    ScratchFolder()   { folder.createDirectory(); }
    ~ScratchFolder()  { folder.deleteRecursively(); }

    juce::File file (const juce::String& name) const { return folder.getChildFile (name); }

    juce::File write (const juce::String& name, const Bytes& bytes) const
    {
        auto f = file (name);
        f.replaceWithData (bytes.data.data(), bytes.data.size());
        return f;
    }
};

using SampleFunction = std::function<float (int channel, int frame)>;

inline juce::AudioBuffer<float> makeBuffer (int channels, int frames, const SampleFunction& fn)
{
    juce::AudioBuffer<float> buffer (channels, frames);

    for (int c = 0; c < channels; ++c)
        for (int i = 0; i < frames; ++i)
            buffer.setSample (c, i, fn (c, i));

    return buffer;
}

/** A WAV file written by the framework's own writer: plain PCM or float, or with surround set, the
    extensible format with a speaker layout for more than two channels. */
inline bool writeFrameworkWav (const juce::File& file, int channels, double rate, int bits, int frames,
                               const SampleFunction& fn, bool surround = false)
{
    file.deleteFile();
    juce::WavAudioFormat wav;
    auto stream = file.createOutputStream();

    if (stream == nullptr)
        return false;

    const auto layout = surround ? juce::AudioChannelSet::canonicalChannelSet (channels)
                                 : juce::AudioChannelSet::discreteChannels (channels);
    std::unique_ptr<juce::AudioFormatWriter> writer (wav.createWriterFor (stream.get(), rate, layout, bits, {}, 0));
    if (writer == nullptr)
        return false;

    stream.release();
    const auto buffer = makeBuffer (channels, frames, fn);
    return writer->writeFromAudioSampleBuffer (buffer, 0, frames);
}

/** A WAV file written by our own writer. */
inline bool writeQztWav (const juce::File& file, int channels, double rate, int bits, int32_t loop, int32_t tempo,
                         int frames, const SampleFunction& fn)
{
    file.deleteFile();
    auto stream = file.createOutputStream();

    if (stream == nullptr)
        return false;

    WavAudioFormatWriterQzt writer (channels, bits, loop, tempo, rate, std::move (stream));
    const auto buffer = makeBuffer (channels, frames, fn);
    return writer.writeFromAudioSampleBuffer (buffer, 0, frames);
}

/** The whole file decoded by the framework's WAV reader. */
inline juce::AudioBuffer<float> readWav (const juce::File& file, double* rate = nullptr, int* bits = nullptr)
{
    juce::WavAudioFormat wav;
    std::unique_ptr<juce::AudioFormatReader> reader (wav.createReaderFor (file.createInputStream().release(), true));

    if (reader == nullptr)
        return {};

    juce::AudioBuffer<float> buffer ((int) reader->numChannels, (int) reader->lengthInSamples);
    reader->read (&buffer, 0, (int) reader->lengthInSamples, 0, true, true);

    if (rate != nullptr)  *rate = reader->sampleRate;
    if (bits != nullptr)  *bits = (int) reader->bitsPerSample;

    return buffer;
}
} // namespace wavtest
