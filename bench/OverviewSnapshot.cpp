// Draws the two overview curves of the drum track with a breakdown, at 44,100 Hz (top) and at
// 48,000 Hz (bottom), into a PNG: the loud wave as mirrored bars coloured by class, the dots wave as
// bars below it. Usage: pulsek_overview_snapshot out.png
#include "OverviewTracks.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace
{
struct Image
{
    int32_t width, height;
    std::vector<uint8_t> rgb;

    Image (int32_t w, int32_t h, uint32_t background)
        : width (w), height (h), rgb (static_cast<size_t> (w * h * 3))
    {
        fill (0, 0, w, h, background);
    }

    void fill (int32_t x0, int32_t y0, int32_t x1, int32_t y1, uint32_t colour)
    {
        for (int32_t y = std::max (0, y0); y < std::min (height, y1); ++y)
            for (int32_t x = std::max (0, x0); x < std::min (width, x1); ++x)
            {
                uint8_t* p = &rgb[static_cast<size_t> ((y * width + x) * 3)];
                p[0] = static_cast<uint8_t> (colour >> 16);
                p[1] = static_cast<uint8_t> (colour >> 8);
                p[2] = static_cast<uint8_t> (colour);
            }
    }
};

uint32_t crc32 (const uint8_t* data, size_t n, uint32_t crc = 0)
{
    static const std::array<uint32_t, 256> table = []
    {
        std::array<uint32_t, 256> t {};

        for (uint32_t i = 0; i < 256; ++i)
        {
            uint32_t c = i;

            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xedb88320u ^ (c >> 1) : c >> 1;

            t[i] = c;
        }

        return t;
    }();

    crc = ~crc;

    for (size_t i = 0; i < n; ++i)
        crc = table[(crc ^ data[i]) & 0xff] ^ (crc >> 8);

    return ~crc;
}

void putBigEndian (std::vector<uint8_t>& out, uint32_t v)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back (static_cast<uint8_t> (v >> shift));
}

void writeChunk (std::FILE* f, const char* type, const std::vector<uint8_t>& data)
{
    std::vector<uint8_t> chunk;
    putBigEndian (chunk, static_cast<uint32_t> (data.size()));
    chunk.insert (chunk.end(), type, type + 4);
    chunk.insert (chunk.end(), data.begin(), data.end());
    putBigEndian (chunk, crc32 (chunk.data() + 4, chunk.size() - 4));
    std::fwrite (chunk.data(), 1, chunk.size(), f);
}

// An uncompressed PNG: 8-bit RGB rows, filter 0, in stored deflate blocks.
bool writePng (const Image& image, const std::string& path)
{
    std::vector<uint8_t> raw;

    for (int32_t y = 0; y < image.height; ++y)
    {
        raw.push_back (0);
        const auto row = image.rgb.begin() + y * image.width * 3;
        raw.insert (raw.end(), row, row + image.width * 3);
    }

    std::vector<uint8_t> z { 0x78, 0x01 };

    for (size_t pos = 0; pos < raw.size() || raw.empty();)
    {
        const size_t n = std::min<size_t> (65535, raw.size() - pos);
        z.push_back (pos + n == raw.size() ? 1 : 0);
        z.push_back (static_cast<uint8_t> (n));
        z.push_back (static_cast<uint8_t> (n >> 8));
        z.push_back (static_cast<uint8_t> (~n));
        z.push_back (static_cast<uint8_t> (~n >> 8));
        z.insert (z.end(), raw.begin() + static_cast<long> (pos), raw.begin() + static_cast<long> (pos + n));
        pos += n;

        if (raw.empty())
            break;
    }

    uint32_t a = 1, b = 0;

    for (const uint8_t byte : raw)
    {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }

    putBigEndian (z, (b << 16) | a);

    std::vector<uint8_t> header;
    putBigEndian (header, static_cast<uint32_t> (image.width));
    putBigEndian (header, static_cast<uint32_t> (image.height));
    header.insert (header.end(), { 8, 2, 0, 0, 0 });

    std::FILE* f = std::fopen (path.c_str(), "wb");

    if (f == nullptr)
        return false;

    const uint8_t signature[8] { 0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n' };
    std::fwrite (signature, 1, 8, f);
    writeChunk (f, "IHDR", header);
    writeChunk (f, "IDAT", z);
    writeChunk (f, "IEND", {});
    return std::fclose (f) == 0;
}

// Class colours: 0 low above mid (red), 1 mid at low (orange), 2 low above high (yellow),
// 3 high on top (cyan), 4 quiet low with mid (green), 5 quiet (grey).
constexpr uint32_t kindColours[6] { 0xe04030, 0xf09030, 0xe0d040, 0x40c0e0, 0x60c060, 0x808080 };

void drawCurves (Image& image, int32_t top, const OverviewTracks::Curves& curves, double loudMax, double dotsMax)
{
    constexpr int32_t left = 10, loudHeight = 200, dotsHeight = 70;
    const int32_t centre = top + loudHeight / 2;
    image.fill (left, top, left + 800, top + loudHeight, 0x181818);
    image.fill (left, top + loudHeight + 10, left + 800, top + loudHeight + 10 + dotsHeight, 0x181818);
    image.fill (left, centre, left + 800, centre + 1, 0x404040);

    for (int32_t j = 0; j < curves.loudCount; ++j)
    {
        const int32_t h = static_cast<int32_t> (curves.loud[j].value / loudMax * (loudHeight / 2 - 4));
        const int32_t kind = std::clamp (curves.loud[j].kind, 0, 5);
        image.fill (left + 2 * j, centre - h, left + 2 * j + 2, centre + h + 1, kindColours[kind]);
    }

    const int32_t dotsBase = top + loudHeight + 10 + dotsHeight - 2;

    for (int32_t k = 0; k < curves.dotsCount; ++k)
    {
        const int32_t h = static_cast<int32_t> (curves.dots[k].value / dotsMax * (dotsHeight - 6));
        image.fill (left + 8 * k + 2, dotsBase - h, left + 8 * k + 6, dotsBase + 1, 0xf0f0f0);
    }
}
} // namespace

int main (int argc, char** argv)
{
    if (argc < 2)
    {
        std::fprintf (stderr, "usage: %s out.png\n", argv[0]);
        return 2;
    }

    const OverviewTracks::Curves c44 = OverviewTracks::analyse (OverviewTracks::drumsWithBreakdown (44100));
    const OverviewTracks::Curves c48 = OverviewTracks::analyse (OverviewTracks::drumsWithBreakdown (48000));
    double loudMax = 1.0, dotsMax = 1.0;

    for (const auto* c : { &c44, &c48 })
    {
        for (const BA_WaveInfo& p : c->loud)
            loudMax = std::max (loudMax, static_cast<double> (p.value));

        for (const BA_WaveInfo& p : c->dots)
            dotsMax = std::max (dotsMax, static_cast<double> (p.value));
    }

    Image image (820, 600, 0x000000);
    drawCurves (image, 10, c44, loudMax, dotsMax);
    drawCurves (image, 310, c48, loudMax, dotsMax);

    if (! writePng (image, argv[1]))
    {
        std::fprintf (stderr, "cannot write %s\n", argv[1]);
        return 1;
    }

    std::printf ("loud_points: %d %d\n", c44.loudCount, c48.loudCount);
    std::printf ("dots_points: %d %d\n", c44.dotsCount, c48.dotsCount);
    std::printf ("loud_max: %.1f\n", loudMax);
    std::printf ("dots_max: %.1f\n", dotsMax);
    return 0;
}
