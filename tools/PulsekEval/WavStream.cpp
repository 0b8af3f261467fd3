#include "WavStream.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>

namespace
{
constexpr size_t bufferBytes = 1 << 16;

uint32_t le32 (const unsigned char* p)
{
    return static_cast<uint32_t> (p[0]) | static_cast<uint32_t> (p[1]) << 8 | static_cast<uint32_t> (p[2]) << 16
         | static_cast<uint32_t> (p[3]) << 24;
}

uint16_t le16 (const unsigned char* p)
{
    return static_cast<uint16_t> (p[0] | p[1] << 8);
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

// Reads exactly n bytes at offset unless the file ends or fails first; the count read.
size_t readAt (int fd, unsigned char* to, size_t n, int64_t offset)
{
    size_t done = 0;

    while (done < n)
    {
        const ssize_t got = pread (fd, to + done, n - done, static_cast<off_t> (offset) + static_cast<off_t> (done));

        if (got <= 0)
            break;

        done += static_cast<size_t> (got);
    }

    return done;
}
} // namespace

WavStream::~WavStream()
{
    close();
}

void WavStream::close()
{
    if (mapped != nullptr)
        munmap (const_cast<unsigned char*> (mapped), mappedSize);

    mapped = nullptr;
    mappedSize = 0;

    if (fd >= 0)
        ::close (fd);

    fd = -1;
}

bool WavStream::open (const std::string& path, std::string& error)
{
    close();
    format = channels = bits = 0;
    sampleRate = 0;
    dataOffset = frameCount = nextFrame = 0;
    fd = ::open (path.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat info {};

    if (fd < 0 || fstat (fd, &info) != 0)
    {
        error = "cannot open";
        close();
        return false;
    }

    const auto fileSize = static_cast<size_t> (std::max<off_t> (info.st_size, 0));
    unsigned char head[40];

    if (fileSize >= 12 && readAt (fd, head, 12, 0) != 12)
    {
        error = "cannot read";
        close();
        return false;
    }

    if (fileSize < 12 || std::memcmp (head, "RIFF", 4) != 0 || std::memcmp (head + 8, "WAVE", 4) != 0)
    {
        error = "not a RIFF/WAVE file";
        close();
        return false;
    }

    uint32_t rate = 0;
    bool haveData = false;
    size_t dataSize = 0;

    // Every chunk header is read; a chunk's size is cut to what the file holds.
    for (size_t at = 12; at + 8 <= fileSize;)
    {
        if (readAt (fd, head, 8, static_cast<int64_t> (at)) != 8)
        {
            error = "cannot read";
            close();
            return false;
        }

        const size_t size = std::min<size_t> (le32 (head + 4), fileSize - at - 8);

        if (std::memcmp (head, "fmt ", 4) == 0 && size >= 16)
        {
            const size_t wanted = std::min<size_t> (size, 40);

            if (readAt (fd, head, wanted, static_cast<int64_t> (at + 8)) != wanted)
            {
                error = "cannot read";
                close();
                return false;
            }

            format = le16 (head);
            channels = le16 (head + 2);
            rate = le32 (head + 4);
            bits = le16 (head + 14);

            if (format == 0xfffe && size >= 40)
                format = le16 (head + 24); // the sub-format's tag
        }
        else if (std::memcmp (head, "data", 4) == 0)
        {
            haveData = true;
            dataOffset = static_cast<int64_t> (at + 8);
            dataSize = size;
        }

        at += 8 + size + (size & 1);
    }

    const bool pcm = format == 1 && (bits == 8 || bits == 16 || bits == 24 || bits == 32);
    const bool ieee = format == 3 && (bits == 32 || bits == 64);

    if (! haveData || channels == 0 || rate == 0 || ! (pcm || ieee))
    {
        error = "unsupported WAV format";
        close();
        return false;
    }

    sampleRate = static_cast<int32_t> (rate);
    frameBytes = static_cast<size_t> (channels) * bits / 8;
    frameCount = static_cast<int64_t> (dataSize / frameBytes);
    buffer.resize (std::max (bufferBytes / frameBytes, size_t { 1 }) * frameBytes);

    // Mapped, the samples are decoded straight from the page cache instead of being copied out of
    // it first; reading a piece at a time stays the way when the file cannot be mapped.
    void* map = mmap (nullptr, fileSize, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);

    if (map != MAP_FAILED)
    {
        mapped = static_cast<const unsigned char*> (map);
        mappedSize = fileSize;
    }

    return true;
}

int32_t WavStream::read (float* left, float* right, int32_t maxFrames)
{
    int32_t total = 0;

    while (fd >= 0 && total < maxFrames && nextFrame < frameCount)
    {
        const int64_t offset = dataOffset + nextFrame * static_cast<int64_t> (frameBytes);
        size_t want = 0, got = 0;
        const unsigned char* frames = nullptr;

        if (mapped != nullptr)
        {
            want = got = static_cast<size_t> (std::min<int64_t> (maxFrames - total, frameCount - nextFrame));
            frames = mapped + offset;
        }
        else
        {
            want = static_cast<size_t> (std::min<int64_t> ({ maxFrames - total, frameCount - nextFrame,
                                                             static_cast<int64_t> (buffer.size() / frameBytes) }));
            got = readAt (fd, buffer.data(), want * frameBytes, offset) / frameBytes;
            frames = buffer.data();
        }

        if (got == 0)
            break;

        float* l = left + total;
        float* r = right + total;

        if (format == 1 && bits == 16 && channels == 2)
        {
            // The common case, in a loop the compiler can widen.
            for (size_t i = 0; i < got; ++i)
            {
                l[i] = static_cast<float> (static_cast<int16_t> (le16 (frames + 4 * i)));
                r[i] = static_cast<float> (static_cast<int16_t> (le16 (frames + 4 * i + 2)));
            }
        }
        else
        {
            for (size_t i = 0; i < got; ++i)
            {
                const unsigned char* frame = frames + i * frameBytes;
                l[i] = decode (frame, format, bits);
                r[i] = channels > 1 ? decode (frame + bits / 8, format, bits) : l[i];
            }
        }

        nextFrame += static_cast<int64_t> (got);
        total += static_cast<int32_t> (got);

        if (got < want)
            break;
    }

    return total;
}
