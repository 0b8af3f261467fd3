// The evaluation program's WAV reading: every supported sample format decodes to the 16-bit scale,
// chunks are found in any order, a file is read the same in pieces of any size, and files that are
// not WAV files of a supported kind are refused with a reason.
#include "WavFile.h"
#include "WavStream.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace
{
using Bytes = std::vector<unsigned char>;

void put (Bytes& b, uint32_t v, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        b.push_back (static_cast<unsigned char> (v >> (8 * i)));
}

void tag (Bytes& b, const char* four)
{
    for (int i = 0; i < 4; ++i)
        b.push_back (static_cast<unsigned char> (four[i]));
}

Bytes fmtChunk (uint16_t format, uint16_t channels, uint32_t rate, uint16_t bits, bool extensible = false)
{
    Bytes c;
    tag (c, "fmt ");
    put (c, extensible ? 40 : 16, 4);
    put (c, extensible ? 0xfffe : format, 2);
    put (c, channels, 2);
    put (c, rate, 4);
    put (c, rate * channels * bits / 8, 4);
    put (c, channels * bits / 8, 2);
    put (c, bits, 2);

    if (extensible)
    {
        put (c, 22, 2);
        put (c, bits, 2);
        put (c, 3, 4);
        put (c, format, 2);
        c.insert (c.end(), 14, 0);
    }

    return c;
}

Bytes dataChunk (const Bytes& samples, uint32_t declared = 0)
{
    Bytes c;
    tag (c, "data");
    put (c, declared != 0 ? declared : static_cast<uint32_t> (samples.size()), 4);
    c.insert (c.end(), samples.begin(), samples.end());

    if (samples.size() % 2 != 0)
        c.push_back (0);

    return c;
}

Bytes riff (const std::vector<Bytes>& chunks)
{
    Bytes body;
    tag (body, "WAVE");
    for (const Bytes& c : chunks)
        body.insert (body.end(), c.begin(), c.end());

    Bytes file;
    tag (file, "RIFF");
    put (file, static_cast<uint32_t> (body.size()), 4);
    file.insert (file.end(), body.begin(), body.end());
    return file;
}

struct TempFile
{
    explicit TempFile (const Bytes& bytes)
    {
        char name[] = "/tmp/pulsek-wav-XXXXXX";
        const int fd = mkstemp (name);
        path = name;
        if (fd >= 0)
        {
            EXPECT_EQ (write (fd, bytes.data(), bytes.size()), static_cast<ssize_t> (bytes.size()));
            close (fd);
        }
    }

    ~TempFile() { std::remove (path.c_str()); }

    std::string path;
};

WavAudio readAll (const Bytes& file)
{
    TempFile f (file);
    WavAudio audio;
    std::string error;
    EXPECT_TRUE (readWav (f.path, audio, error)) << error;
    return audio;
}

std::string refusal (const Bytes& file)
{
    TempFile f (file);
    WavStream stream;
    std::string error;
    EXPECT_FALSE (stream.open (f.path, error));
    return error;
}
} // namespace

TEST (WavStream, EveryFormatInSixteenBitScale)
{
    Bytes s16, s8, s24, s32, f32, f64;
    put (s16, static_cast<uint16_t> (-32768), 2);
    put (s16, 32767, 2);
    put (s16, 1, 2);
    put (s16, static_cast<uint16_t> (-2), 2);
    put (s8, 0, 1);
    put (s8, 255, 1);
    put (s24, 0x800000, 3);
    put (s24, 0x000100, 3);
    put (s32, 0x80000000u, 4);
    put (s32, 0x00010000u, 4);
    const float fl[2] { -1.0f, 0.25f };
    const double db[2] { 0.5, -0.125 };
    f32.resize (8);
    std::memcpy (f32.data(), fl, 8);
    f64.resize (16);
    std::memcpy (f64.data(), db, 16);

    WavAudio a = readAll (riff ({ fmtChunk (1, 2, 44100, 16), dataChunk (s16) }));
    EXPECT_EQ (a.sampleRate, 44100);
    EXPECT_EQ (a.left, (std::vector<float> { -32768.0f, 1.0f }));
    EXPECT_EQ (a.right, (std::vector<float> { 32767.0f, -2.0f }));

    a = readAll (riff ({ fmtChunk (1, 2, 48000, 8), dataChunk (s8) }));
    EXPECT_EQ (a.left, (std::vector<float> { -32768.0f }));
    EXPECT_EQ (a.right, (std::vector<float> { 32512.0f }));

    a = readAll (riff ({ fmtChunk (1, 2, 48000, 24), dataChunk (s24) }));
    EXPECT_EQ (a.left, (std::vector<float> { -32768.0f }));
    EXPECT_EQ (a.right, (std::vector<float> { 1.0f }));

    a = readAll (riff ({ fmtChunk (1, 2, 48000, 32), dataChunk (s32) }));
    EXPECT_EQ (a.left, (std::vector<float> { -32768.0f }));
    EXPECT_EQ (a.right, (std::vector<float> { 1.0f }));

    a = readAll (riff ({ fmtChunk (3, 2, 48000, 32, true), dataChunk (f32) }));
    EXPECT_EQ (a.left, (std::vector<float> { -32768.0f }));
    EXPECT_EQ (a.right, (std::vector<float> { 8192.0f }));

    a = readAll (riff ({ fmtChunk (3, 2, 48000, 64), dataChunk (f64) }));
    EXPECT_EQ (a.left, (std::vector<float> { 16384.0f }));
    EXPECT_EQ (a.right, (std::vector<float> { -4096.0f }));

    // Mono gives the same samples twice; three channels give the first two.
    a = readAll (riff ({ fmtChunk (1, 1, 44100, 16), dataChunk (s16) }));
    EXPECT_EQ (a.left, (std::vector<float> { -32768.0f, 32767.0f, 1.0f, -2.0f }));
    EXPECT_EQ (a.right, a.left);
    Bytes three = s16;
    put (three, 7, 2);
    put (three, 8, 2);
    a = readAll (riff ({ fmtChunk (1, 3, 44100, 16), dataChunk (three) }));
    EXPECT_EQ (a.left, (std::vector<float> { -32768.0f, -2.0f }));
    EXPECT_EQ (a.right, (std::vector<float> { 32767.0f, 7.0f }));
}

TEST (WavStream, ChunksInAnyOrderPaddedOrCut)
{
    Bytes s8 { 128, 129, 130 };
    Bytes other;
    tag (other, "LIST");
    put (other, 3, 4);
    other.insert (other.end(), { 1, 2, 3, 0 });

    // The format after the data, an odd chunk (with its pad byte) before it.
    WavAudio a = readAll (riff ({ other, dataChunk (s8), fmtChunk (1, 1, 44100, 8) }));
    EXPECT_EQ (a.left, (std::vector<float> { 0.0f, 256.0f, 512.0f }));

    // A data chunk that says it is longer than the file holds is cut to the whole frames there are.
    Bytes s16 (10, 0);
    a = readAll (riff ({ fmtChunk (1, 2, 44100, 16), dataChunk (s16, 4000) }));
    EXPECT_EQ (a.left.size(), 2u);
}

TEST (WavStream, PiecesOfAnySizeReadTheSameAsOnePiece)
{
    Bytes samples;
    for (uint32_t i = 0; i < 50000; ++i)
        put (samples, (i * 2654435761u) >> 8, 3);

    const Bytes file = riff ({ fmtChunk (1, 2, 48000, 24), dataChunk (samples) });
    const WavAudio whole = readAll (file);
    ASSERT_EQ (whole.left.size(), 25000u);

    TempFile f (file);
    WavStream stream;
    std::string error;
    ASSERT_TRUE (stream.open (f.path, error));
    EXPECT_EQ (stream.getFrameCount(), 25000);

    for (const int32_t piece : { 1, 7, 4096, 30000 })
    {
        stream.rewind();
        std::vector<float> left (25000 + piece), right (25000 + piece);
        size_t done = 0;

        for (int32_t n; (n = stream.read (left.data() + done, right.data() + done, piece)) > 0;)
            done += static_cast<size_t> (n);

        EXPECT_EQ (done, 25000u) << piece;
        left.resize (done);
        right.resize (done);
        EXPECT_EQ (left, whole.left) << piece;
        EXPECT_EQ (right, whole.right) << piece;
    }
}

TEST (WavStream, RefusesWhatItCannotRead)
{
    EXPECT_EQ (refusal ({}), "not a RIFF/WAVE file");
    EXPECT_EQ (refusal (Bytes (20, 'x')), "not a RIFF/WAVE file");
    EXPECT_EQ (refusal (riff ({ fmtChunk (1, 2, 44100, 16) })), "unsupported WAV format");
    EXPECT_EQ (refusal (riff ({ fmtChunk (1, 2, 44100, 12), dataChunk (Bytes (6, 0)) })), "unsupported WAV format");
    EXPECT_EQ (refusal (riff ({ fmtChunk (2, 2, 44100, 16), dataChunk (Bytes (4, 0)) })), "unsupported WAV format");
    EXPECT_EQ (refusal (riff ({ fmtChunk (1, 0, 44100, 16), dataChunk (Bytes (4, 0)) })), "unsupported WAV format");

    WavStream stream;
    std::string error;
    EXPECT_FALSE (stream.open ("/nonexistent/pulsek.wav", error));
    EXPECT_EQ (error, "cannot open");
    float l = 0.0f, r = 0.0f;
    EXPECT_EQ (stream.read (&l, &r, 1), 0);
}
