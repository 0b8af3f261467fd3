#pragma once

#include <juce_audio_formats/juce_audio_formats.h>

#include <cmath>
#include <memory>

namespace rampwav
{
/** Sample k of a ramp file is (k + 1) / 2^20 on the left and its negative on the right, stored as
    32-bit float: every rendered sample tells which source sample it came from, and 0 is silence. */
constexpr double scale = 1048576.0;

/** Writes a stereo ramp of the given frames; false when the file could not be written. */
inline bool write (const juce::File& file, double sampleRate, int frames)
{
    file.deleteFile();
    std::unique_ptr<juce::OutputStream> stream (file.createOutputStream());

    if (stream == nullptr)
        return false;

    juce::WavAudioFormat wav;
    std::unique_ptr<juce::AudioFormatWriter> writer (wav.createWriterFor (stream.get(), sampleRate, 2, 32, {}, 0));

    if (writer == nullptr)
        return false;

    stream.release();
    juce::AudioBuffer<float> buffer (2, frames);

    for (int k = 0; k < frames; ++k)
    {
        buffer.setSample (0, k, (float) ((k + 1) / scale));
        buffer.setSample (1, k, (float) (-(k + 1) / scale));
    }

    return writer->writeFromAudioSampleBuffer (buffer, 0, frames);
}

inline std::unique_ptr<juce::AudioFormatReader> open (const juce::File& file)
{
    juce::WavAudioFormat wav;
    return std::unique_ptr<juce::AudioFormatReader> (wav.createReaderFor (file.createInputStream().release(), true));
}

/** The source sample a rendered value came from, fractional after rate conversion; -1 for silence. */
inline double sourceIndex (float value)
{
    return value * scale - 1.0;
}
} // namespace rampwav
