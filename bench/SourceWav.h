#pragma once

// A sample source for the sampler's benchmarks: what a DJ would drop on a slot, a 44.1 kHz stereo WAV
// file, with a tone and some noise so that no stage of the build sees silence.

#include <cmath>
#include <juce_audio_formats/juce_audio_formats.h>

namespace bench
{
/** Writes seconds of 44.1 kHz stereo at bits to file: on channel c a sine advancing step * (c + 1)
    radians a frame, plus noise seeded with seed. False when the file could not be written. */
inline bool writeSourceWav (const juce::File& file, int bits, int seconds, float step, int seed)
{
    constexpr int rate = 44100;
    const int frames = rate * seconds;
    juce::AudioBuffer<float> buffer (2, frames);
    juce::Random random (seed);

    for (int i = 0; i < frames; ++i)
        for (int c = 0; c < 2; ++c)
            buffer.setSample (c, i, 0.4f * std::sin ((float) i * step * (float) (c + 1)) + 0.1f * (random.nextFloat() - 0.5f));

    file.deleteFile();
    std::unique_ptr<juce::AudioFormatWriter> writer (juce::WavAudioFormat().createWriterFor (file.createOutputStream().release(),
                                                                                             rate, 2, bits, {}, 0));
    return writer != nullptr && writer->writeFromAudioSampleBuffer (buffer, 0, frames);
}
} // namespace bench
