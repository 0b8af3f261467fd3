#pragma once

#include <cstdint>
#include <memory>
#include <juce_audio_formats/juce_audio_formats.h>

/** Writes the sample files the unit reads: RIFF (or RF64 past 4 GiB) WAVE with a fixed 120-byte header
    that carries the slot's tempo and loop flag in a "qzt1" chunk in front of the sample data.

    8, 16 and 24 bits are integer PCM (8 bits unsigned), 32 bits is IEEE float. Files with more than two
    channels, and RF64 files, use the extensible format chunk; the header stays 120 bytes either way, so
    it can be rewritten in place when the final sizes are known. */
class WavAudioFormatWriterQzt  : public juce::AudioFormatWriter
{
public:
    static constexpr int headerSize = 120;

    /** Takes the stream over and writes a header with empty sizes at its current position. */
    WavAudioFormatWriterQzt (int numChannels, int bitsPerSample, int32_t loop, int32_t tempo,
                             double sampleRate, std::unique_ptr<juce::OutputStream> stream);

    /** Pads odd data to an even size and rewrites the header with the final sizes. */
    ~WavAudioFormatWriterQzt() override;

    /** Takes samples as 32-bit integers (floats when writing 32 bits); false once the stream has refused
        a write, after which nothing more is written. */
    bool write (const int** samples, int numSamples) override;

    /** Bytes of sample data written so far, without the pad byte. */
    uint64_t getDataSize() const noexcept    { return samplesWritten * blockAlign(); }

private:
    bool writeHeader();
    uint64_t blockAlign() const noexcept     { return (uint64_t) numChannels * (bitsPerSample / 8); }

    juce::HeapBlock<char> buffer;
    size_t bufferSize = 0;
    uint64_t samplesWritten = 0;
    uint64_t bytesWritten = 0;
    juce::int64 headerPosition = 0;
    bool writeFailed = false;
    int32_t loop, tempo;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (WavAudioFormatWriterQzt)
};
