#pragma once

#include <cstdint>
#include <juce_audio_formats/juce_audio_formats.h>

/** Results of the sample file check. */
enum SampleWavResult
{
    sampleWavOk = 0,            // acceptable; the outputs are filled
    sampleWavNotAFile = 1,      // missing, a folder, or not a regular file (pipes, devices)
    sampleWavNotRiff = 2,       // starts with neither "RIFF" nor "RF64"
    sampleWavNotWave = 3,       // form type is not "WAVE", or an RF64 "ds64" chunk is too short
    sampleWavUnsupported = 4    // not 8/16/24/32-bit integer PCM or 32-bit float, or damaged in a way
                                // the WAV reader cannot read safely
};

/** Tells whether a file is a WAV file the sampler can take, and reads its length in frames, its sample
    rate and, when readModelChunk is set, the tempo and loop flag of its "qzt1" chunk.

    Every output may be null. Outputs are written only when the result is sampleWavOk; tempo and loop only
    when the chunk holds a valid value for them (tempo 0 or 4000..99999, loop 0 or 1), so a caller's
    defaults stand otherwise. length is never more than the frames the file really holds, nor more than
    a slot's 32-bit length can carry. The file is never changed.

    A file that passes can be opened and read with juce::WavAudioFormat without hanging or crashing:
    chunks other than the sample data must lie inside the file, at most 64 channels and 768 kHz. */
int readSampleWavInfo (const juce::File& file, int32_t* loop, int32_t* tempo, double* length,
                       bool readModelChunk, int* sampleRate);

/** The same check on a stream positioned at the start of the WAV data; the stream is left at an
    unspecified position and not deleted. A stream cannot give sampleWavNotAFile. */
int readSampleWavInfo (juce::InputStream& stream, int32_t* loop, int32_t* tempo, double* length,
                       bool readModelChunk, int* sampleRate);

