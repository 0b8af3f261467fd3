// The sample WAV check, and its promise that the framework's WAV reader reads what passed.
#include "FuzzCheck.h"
#include "sampler/files/SampleWavInfo.h"

#include <limits>

extern "C" int LLVMFuzzerTestOneInput (const uint8_t* data, size_t size)
{
    int32_t loop = -7, tempo = -7;
    double length = -1.0;
    int sampleRate = -1;

    juce::MemoryInputStream stream (data, size, false);
    const int result = readSampleWavInfo (stream, &loop, &tempo, &length, true, &sampleRate);
    FUZZ_CHECK (result >= sampleWavOk && result <= sampleWavUnsupported);

    if (result != sampleWavOk)
    {
        FUZZ_CHECK (loop == -7 && tempo == -7 && length == -1.0 && sampleRate == -1);
        return 0;
    }

    FUZZ_CHECK (loop == -7 || loop == 0 || loop == 1);
    FUZZ_CHECK (tempo == -7 || tempo == 0 || (tempo >= 4000 && tempo <= 99999));
    FUZZ_CHECK (length >= 0.0 && length <= (double) std::numeric_limits<int32_t>::max());
    FUZZ_CHECK (sampleRate > 0 && sampleRate <= 768000);

    juce::WavAudioFormat format;
    std::unique_ptr<juce::AudioFormatReader> reader (format.createReaderFor (new juce::MemoryInputStream (data, size, false), true));
    FUZZ_CHECK (reader != nullptr);
    FUZZ_CHECK (reader->numChannels >= 1 && reader->numChannels <= 64);
    FUZZ_CHECK ((int) reader->sampleRate == sampleRate);
    FUZZ_CHECK ((double) reader->lengthInSamples >= length);

    // Every frame the check counted can be read.
    constexpr int block = 4096;
    juce::AudioBuffer<float> buffer ((int) reader->numChannels, block);
    const auto frames = (juce::int64) length;
    for (juce::int64 position = 0; position < frames; position += block)
        reader->read (&buffer, 0, (int) juce::jmin ((juce::int64) block, frames - position), position, true, true);

    return 0;
}
