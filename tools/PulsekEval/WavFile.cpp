#include "WavFile.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <fstream>
#include <sstream>

namespace
{
uint32_t le32 (const unsigned char* p)
{
    return static_cast<uint32_t> (p[0]) | static_cast<uint32_t> (p[1]) << 8 | static_cast<uint32_t> (p[2]) << 16
         | static_cast<uint32_t> (p[3]) << 24;
}

uint16_t le16 (const unsigned char* p)
{
    return static_cast<uint16_t> (p[0] | p[1] << 8);
}

void put32 (std::ofstream& out, uint32_t v)
{
    const char b[4] { static_cast<char> (v), static_cast<char> (v >> 8), static_cast<char> (v >> 16), static_cast<char> (v >> 24) };
    out.write (b, 4);
}

void put16 (std::ofstream& out, uint16_t v)
{
    const char b[2] { static_cast<char> (v), static_cast<char> (v >> 8) };
    out.write (b, 2);
}

// One sample in 16-bit scale.
float decode (const unsigned char* p, uint16_t format, uint16_t bits)
{
    if (format == 3)
    {
        if (bits == 32)
        {
            float f;
            std::memcpy (&f, p, 4);
            return f * 32768.0f;
        }

        double d;
        std::memcpy (&d, p, 8);
        return static_cast<float> (d * 32768.0);
    }

    switch (bits)
    {
        case 8: return (static_cast<float> (p[0]) - 128.0f) * 256.0f;
        case 16: return static_cast<float> (static_cast<int16_t> (le16 (p)));
        case 24:
            return static_cast<float> (static_cast<int32_t> (static_cast<uint32_t> (p[0]) << 8 | static_cast<uint32_t> (p[1]) << 16
                                                             | static_cast<uint32_t> (p[2]) << 24))
                 / 65536.0f;
        default: return static_cast<float> (static_cast<int32_t> (le32 (p))) / 65536.0f;
    }
}
} // namespace

bool readWav (const std::string& path, WavAudio& audio, std::string& error)
{
    std::ifstream in (path, std::ios::binary | std::ios::ate);

    if (! in)
    {
        error = "cannot open";
        return false;
    }

    std::vector<unsigned char> bytes (static_cast<size_t> (std::max<std::streamoff> (in.tellg(), 0)));
    in.seekg (0);

    if (! in.read (reinterpret_cast<char*> (bytes.data()), static_cast<std::streamsize> (bytes.size())))
    {
        error = "cannot read";
        return false;
    }

    if (bytes.size() < 12 || std::memcmp (bytes.data(), "RIFF", 4) != 0 || std::memcmp (bytes.data() + 8, "WAVE", 4) != 0)
    {
        error = "not a RIFF/WAVE file";
        return false;
    }

    uint16_t format = 0, channels = 0, bits = 0;
    uint32_t rate = 0;
    const unsigned char* data = nullptr;
    size_t dataSize = 0;

    for (size_t at = 12; at + 8 <= bytes.size();)
    {
        const unsigned char* chunk = bytes.data() + at;
        const size_t size = std::min<size_t> (le32 (chunk + 4), bytes.size() - at - 8);

        if (std::memcmp (chunk, "fmt ", 4) == 0 && size >= 16)
        {
            format = le16 (chunk + 8);
            channels = le16 (chunk + 10);
            rate = le32 (chunk + 12);
            bits = le16 (chunk + 22);

            if (format == 0xfffe && size >= 40)
                format = le16 (chunk + 32); // the sub-format's tag
        }
        else if (std::memcmp (chunk, "data", 4) == 0)
        {
            data = chunk + 8;
            dataSize = size;
        }

        at += 8 + size + (size & 1);
    }

    const bool pcm = format == 1 && (bits == 8 || bits == 16 || bits == 24 || bits == 32);
    const bool ieee = format == 3 && (bits == 32 || bits == 64);

    if (data == nullptr || channels == 0 || rate == 0 || ! (pcm || ieee))
    {
        error = "unsupported WAV format";
        return false;
    }

    const size_t frameBytes = static_cast<size_t> (channels) * bits / 8;
    const size_t frames = dataSize / frameBytes;
    audio.sampleRate = static_cast<int32_t> (rate);
    audio.left.resize (frames);
    audio.right.resize (frames);

    for (size_t i = 0; i < frames; ++i)
    {
        const unsigned char* frame = data + i * frameBytes;
        audio.left[i] = decode (frame, format, bits);
        audio.right[i] = channels > 1 ? decode (frame + bits / 8, format, bits) : audio.left[i];
    }

    return true;
}

bool writeWav16 (const std::string& path, const WavAudio& audio)
{
    std::ofstream out (path, std::ios::binary);
    const auto frames = static_cast<uint32_t> (std::min (audio.left.size(), audio.right.size()));

    out.write ("RIFF", 4);
    put32 (out, 36 + frames * 4);
    out.write ("WAVEfmt ", 8);
    put32 (out, 16);
    put16 (out, 1);
    put16 (out, 2);
    put32 (out, static_cast<uint32_t> (audio.sampleRate));
    put32 (out, static_cast<uint32_t> (audio.sampleRate) * 4);
    put16 (out, 4);
    put16 (out, 16);
    out.write ("data", 4);
    put32 (out, frames * 4);

    for (uint32_t i = 0; i < frames; ++i)
    {
        for (const float v : { audio.left[i], audio.right[i] })
            put16 (out, static_cast<uint16_t> (static_cast<int16_t> (std::lround (std::clamp (v, -32768.0f, 32767.0f)))));
    }

    return static_cast<bool> (out);
}

bool readBeatTimes (const std::string& path, std::vector<double>& seconds)
{
    std::ifstream in (path);

    if (! in)
        return false;

    std::string line;

    while (std::getline (in, line))
    {
        std::istringstream fields (line.substr (0, line.find ('#')));
        double t;

        if (fields >> t)
            seconds.push_back (t);
    }

    std::sort (seconds.begin(), seconds.end());
    return true;
}
