// Plain RIFF/WAVE reading and writing for the evaluation tools: PCM of 8, 16, 24 or 32 bits and
// IEEE float of 32 or 64 bits, in any channel count (the first two channels are used). Samples come
// out as floats in 16-bit scale, as the analysis library takes them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct WavAudio
{
    int32_t sampleRate = 0;
    std::vector<float> left, right; // a mono file gives the same samples twice
};

// False with a reason when the file cannot be read or is no WAV file of a supported kind.
bool readWav (const std::string& path, WavAudio& audio, std::string& error);

// 16-bit PCM stereo; samples are clipped to the 16-bit range.
bool writeWav16 (const std::string& path, const WavAudio& audio);

// Beat times in seconds from a text file: the first number of each line ("#" starts a comment).
bool readBeatTimes (const std::string& path, std::vector<double>& seconds);
