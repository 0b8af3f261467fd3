#include "WavFile.h"

#include "WavStream.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <fstream>
#include <sstream>

namespace
{
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
} // namespace

bool readWav (const std::string& path, WavAudio& audio, std::string& error)
{
    WavStream stream;

    if (! stream.open (path, error))
        return false;

    const auto frames = static_cast<size_t> (stream.getFrameCount());
    audio.sampleRate = stream.getSampleRate();
    audio.left.resize (frames);
    audio.right.resize (frames);

    for (size_t done = 0; done < frames;)
    {
        const auto n = static_cast<int32_t> (std::min<size_t> (frames - done, 1 << 20));
        const int32_t got = stream.read (audio.left.data() + done, audio.right.data() + done, n);

        if (got == 0)
        {
            error = "cannot read";
            return false;
        }

        done += static_cast<size_t> (got);
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
