// Reads the samples of a RIFF/WAVE file a piece at a time, so a long file never has to be held in
// memory: PCM of 8, 16, 24 or 32 bits and IEEE float of 32 or 64 bits, in any channel count (the
// first two channels are used; a mono file gives the same samples twice). Samples come out as floats
// in 16-bit scale, as the analysis library takes them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class WavStream
{
public:
    WavStream() = default;
    ~WavStream();

    WavStream (const WavStream&) = delete;
    WavStream& operator= (const WavStream&) = delete;

    // Finds the format and the data; false with a reason when the file cannot be read or is no WAV
    // file of a supported kind.
    bool open (const std::string& path, std::string& error);

    int32_t getSampleRate() const { return sampleRate; }
    int64_t getFrameCount() const { return frameCount; }

    // Back to the first frame.
    void rewind() { nextFrame = 0; }

    // Up to maxFrames of the next frames into left and right; the number read, 0 at the end (or
    // when the file can no longer be read).
    int32_t read (float* left, float* right, int32_t maxFrames);

private:
    void close();

    int fd = -1;
    const unsigned char* mapped = nullptr; // the whole file, when it could be mapped
    size_t mappedSize = 0;
    uint16_t format = 0, channels = 0, bits = 0;
    int32_t sampleRate = 0;
    int64_t dataOffset = 0;
    int64_t frameCount = 0;
    int64_t nextFrame = 0;
    size_t frameBytes = 0;
    std::vector<unsigned char> buffer;
};
