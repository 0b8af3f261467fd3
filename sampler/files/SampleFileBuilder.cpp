#include "sampler/files/SampleFileBuilder.h"

#include "core/FileChecks.h"
#include "sampler/files/SampleGain.h"
#include "sampler/files/SampleWavInfo.h"
#include "sampler/files/WavAudioFormatWriterQzt.h"

#include <limits>
#include <vector>

namespace
{
    constexpr int blockFrames = 2048;
    constexpr int resamplerBlockFrames = 128;

    void floatsToFullScaleIntegers (const float* source, int* dest, int num) noexcept
    {
        // Clipped at full scale, never wrapped; a NaN from a damaged float source becomes silence.
        // Scaling by 2^31 is exact in float, and the largest float below 1 keeps the top 24 bits at
        // full scale. Written without branches so that the loop vectorises.
        constexpr float belowOne = 1.0f - 1.0f / (1 << 24);

        for (int i = 0; i < num; ++i)
        {
            auto x = source[i];
            x = x == x ? x : 0.0f;
            x = x > -1.0f ? x : -1.0f;
            x = x < belowOne ? x : belowOne;
            dest[i] = (int) (x * 2147483648.0f);
        }
    }

    bool isWritableBitDepth (int bits)
    {
        return bits == 8 || bits == 16 || bits == 24 || bits == 32;
    }

    uint64_t fileSizeFor (int numFrames, int numChannels, int bits)
    {
        const auto dataSize = (uint64_t) numFrames * (uint64_t) numChannels * (uint64_t) (bits / 8);
        return (uint64_t) WavAudioFormatWriterQzt::headerSize + dataSize + (dataSize & 1);
    }

    bool writeSampleFile (const juce::File& source, const juce::File& destination,
                          int32_t loop, int32_t tempo, int startMs, int endMs, int gainIndex,
                          const CancelCheck& shouldCancel)
    {
        double sourceFrames = 0;

        if (readSampleWavInfo (source, nullptr, nullptr, &sourceFrames, false, nullptr) != sampleWavOk)
            return false;

        // The file may have gone since it was checked.
        auto input = source.createInputStream();

        if (input == nullptr)
            return false;

        juce::WavAudioFormat wav;
        std::unique_ptr<juce::AudioFormatReader> reader (wav.createReaderFor (input.release(), true));

        if (reader == nullptr || ! isWritableBitDepth ((int) reader->bitsPerSample))
            return false;

        const auto sourceRate = reader->sampleRate;
        const auto bits = (int) reader->bitsPerSample;

        // Our own check refuses the extensible files that more channels would need, and the resampler
        // carries two channels anyway.
        const auto numChannels = juce::jmin (2, (int) reader->numChannels);

        startMs = juce::jmax (0, startMs);

        if (endMs == 0)
            endMs = (int) juce::jmin ((double) std::numeric_limits<int>::max(), sourceFrames * 1000.0 / sourceRate);

        const auto rangeMs = (int) juce::jlimit ((juce::int64) 0, (juce::int64) maxSampleMilliseconds,
                                                 (juce::int64) endMs - startMs);

        // Counted in whole milliseconds so that the frame count does not hang on the rounding of the ratio.
        const auto numFrames = rangeMs * (unitSampleRate / 1000);

        juce::AudioFormatReaderSource readerSource (reader.get(), false);
        readerSource.setNextReadPosition ((juce::int64) ((double) startMs * sourceRate / 1000.0));

        juce::ResamplingAudioSource resampler (&readerSource, false, 2);
        resampler.setResamplingRatio (sourceRate / unitSampleRate);
        resampler.prepareToPlay (resamplerBlockFrames, unitSampleRate);

        if (destination.exists() && ! destination.deleteFile())
            return false;

        auto stream = std::make_unique<juce::FileOutputStream> (destination);

        if (stream->failedToOpen())
            return false;

        bool written;

        {
            WavAudioFormatWriterQzt writer (numChannels, bits, loop, tempo, unitSampleRate, std::move (stream));
            written = writeFromAudioSourceWithGain (writer, resampler, numFrames, gainIndexToAmplitude (gainIndex),
                                                    shouldCancel);
        }

        resampler.releaseResources();

        if (! written)
            return false;

        // The stream's last flush and the final header happen as the writer goes, out of sight of any
        // return value; a full disk there shows only in what reached the file.
        double writtenFrames = -1;
        int writtenRate = 0;

        return (uint64_t) destination.getSize() == fileSizeFor (numFrames, numChannels, bits)
            && readSampleWavInfo (destination, nullptr, nullptr, &writtenFrames, false, &writtenRate) == sampleWavOk
            && (int) writtenFrames == numFrames
            && writtenRate == unitSampleRate;
    }
}

bool buildSampleFile (const juce::File& source, const juce::File& destination,
                      int32_t loop, int32_t tempo, int startMs, int endMs, int gainIndex,
                      const CancelCheck& shouldCancel)
{
    // Only a plain file is ever replaced or cleaned up here.
    if (destination.exists() && ! FileChecks::isRegularFile (destination))
        return false;

    if (writeSampleFile (source, destination, loop, tempo, startMs, endMs, gainIndex, shouldCancel))
        return true;

    destination.deleteFile();
    return false;
}

bool writeFromAudioSourceWithGain (juce::AudioFormatWriter& writer, juce::AudioSource& source,
                                   int numFrames, float gain, const CancelCheck& shouldCancel)
{
    const auto numChannels = writer.getNumChannels();
    juce::AudioBuffer<float> buffer (numChannels, blockFrames);

    // Integer writers take full-scale 32-bit samples; converting here, saturating at full scale, spares
    // the framework's per-sample double conversion and its scratch allocations on every block.
    juce::HeapBlock<int> integers;
    std::vector<const int*> channels ((size_t) numChannels + 1, nullptr);

    if (! writer.isFloatingPoint())
        integers.malloc ((size_t) numChannels * blockFrames);

    for (int c = 0; c < numChannels; ++c)
        channels[(size_t) c] = writer.isFloatingPoint() ? reinterpret_cast<const int*> (buffer.getReadPointer (c))
                                                        : integers + (size_t) c * blockFrames;

    for (auto remaining = numFrames; remaining > 0;)
    {
        if (shouldCancel && shouldCancel())
            return false;

        const auto n = juce::jmin (remaining, blockFrames);

        buffer.clear (0, n);
        source.getNextAudioBlock (juce::AudioSourceChannelInfo (&buffer, 0, n));
        buffer.applyGain (0, n, gain);

        if (! writer.isFloatingPoint())
            for (int c = 0; c < numChannels; ++c)
                floatsToFullScaleIntegers (buffer.getReadPointer (c), integers + (size_t) c * blockFrames, n);

        if (! writer.write (channels.data(), n))
            return false;

        remaining -= n;
    }

    return true;
}
