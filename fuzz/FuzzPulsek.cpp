// Pulsek through its C interface: an input describes a track (rate, grid span, length, chunking)
// and a waveform that is stretched and repeated to fill it, so that short inputs still make beats.
// Header: flags, grid span, length / 8 (2 bytes), chunking (2 bytes), stretch; then the waveform.
#include "pulsek.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

#define FUZZ_CHECK(condition) \
    do { if (! (condition)) { std::fprintf (stderr, "FUZZ_CHECK failed: %s (%s:%d)\n", #condition, __FILE__, __LINE__); std::abort(); } } while (false)

namespace
{
constexpr size_t headerSize = 7;

/** Samples in the interface's 16-bit scale: whole values from pairs of bytes, or (mode bit 2)
    fractions between them from four. */
float sampleAt (const uint8_t* wave, size_t waveSize, size_t index, bool fractions)
{
    const size_t width = fractions ? 4 : 2;
    const auto* p = wave + (index * width) % (waveSize - waveSize % width);

    if (! fractions)
        return (float) (int16_t) (p[0] | (p[1] << 8));

    int32_t bits;
    std::memcpy (&bits, p, 4);
    return (float) bits / 65536.0f;     // -32768 .. 32767.99
}
} // namespace

extern "C" int LLVMFuzzerInitialize (int*, char***)
{
    // The library's console lines would drown the fuzzer's own.
    const int null = ::open ("/dev/null", O_WRONLY);
    if (null >= 0)
        ::dup2 (null, STDOUT_FILENO);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput (const uint8_t* data, size_t size)
{
    if (size < headerSize + 4)
        return 0;

    const bool rate48 = (data[0] & 1) != 0;
    const bool fractions = (data[0] & 2) != 0;
    const bool decoratedNames = (data[0] & 4) != 0;
    const int32_t span = (int8_t) data[1];
    const int32_t totalFrames = ((data[2] << 8) | data[3]) * 8;       // up to 11 s
    const int chunkStep = 1 + ((data[4] << 8) | data[5]) % 9000;
    const int stretch = 1 + data[6] % 64;
    const auto* wave = data + headerSize;
    const size_t waveSize = size - headerSize;

    void* handle = decoratedNames ? (rate48 ? BAEX_Create48k (totalFrames, span) : BAEX_Create44k (totalFrames, span))
                                  : (rate48 ? BA_Create48k (totalFrames, span) : BA_Create44k (totalFrames, span));
    if (handle == nullptr)
        return 0;

    std::vector<float> left, right;
    int32_t fed = 0;
    int chunk = chunkStep;

    while (fed < totalFrames)
    {
        FUZZ_CHECK (! BA_Analyzed (handle));
        chunk = 1 + (chunk * 7 + 13) % chunkStep;
        left.resize ((size_t) chunk);
        right.resize ((size_t) chunk);

        for (int i = 0; i < chunk; ++i)
        {
            const auto frame = (size_t) ((fed + i) / stretch);
            left[(size_t) i] = sampleAt (wave, waveSize, frame * 2, fractions);
            right[(size_t) i] = sampleAt (wave, waveSize, frame * 2 + 1, fractions);
        }

        BA_SetSample (handle, left.data(), right.data(), chunk);    // past the end is ignored
        fed += chunk;
    }

    FUZZ_CHECK (totalFrames <= 0 || BA_Analyzed (handle));
    BA_SetSample (handle, left.data(), right.data(), (int32_t) left.size());   // after the analysis: nothing

    const int32_t bpm = BA_GetBpm (handle);
    const int32_t numBeats = BA_GetBeatNum (handle);
    FUZZ_CHECK (bpm >= 0 && numBeats >= 0);

    std::vector<BA_BeatInfo> beats ((size_t) numBeats + 1);
    beats.back().position = -12345;
    BA_GetBeatList (handle, beats.data());
    FUZZ_CHECK (beats.back().position == -12345);   // nothing written past the count

    for (int32_t i = 0; i < numBeats; ++i)
    {
        FUZZ_CHECK (beats[(size_t) i].beatInBar >= 1 && beats[(size_t) i].beatInBar <= 4);
        FUZZ_CHECK (i == 0 || beats[(size_t) i].position >= beats[(size_t) i - 1].position);
    }

    BA_WaveInfo loud[BA_LOUD_WAVE_POINTS + 1], dots[BA_DOTS_WAVE_POINTS + 1];
    loud[BA_LOUD_WAVE_POINTS].kind = dots[BA_DOTS_WAVE_POINTS].kind = -99;
    const int32_t numLoud = BA_GetLoudWave (handle, loud, 0);
    const int32_t numDots = BA_GetDotsWave (handle, dots, (int32_t) (data[5] % 8));
    FUZZ_CHECK (numLoud >= 0 && numLoud <= BA_LOUD_WAVE_POINTS && numDots >= 0 && numDots <= BA_DOTS_WAVE_POINTS);
    FUZZ_CHECK (loud[BA_LOUD_WAVE_POINTS].kind == -99 && dots[BA_DOTS_WAVE_POINTS].kind == -99);

    for (int32_t i = 0; i < numLoud; ++i)
        FUZZ_CHECK (loud[i].kind >= 0 && loud[i].kind <= 5);
    for (int32_t i = data[5] % 8; i < numDots; ++i)
        FUZZ_CHECK (dots[i].kind == 5);

    decoratedNames ? BAEX_Release (handle) : BA_Release (handle);
    return 0;
}
