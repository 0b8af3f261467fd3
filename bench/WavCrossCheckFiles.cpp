// Writes sample files of every layout our writer produces into a folder, for other programs' readers
// to judge (see wav_cross_check.sh). The RF64 file is sparse: its 4 GiB of silence take no disk space.
#include "sampler/files/SampleFileBuilder.h"
#include "sampler/files/WavAudioFormatWriterQzt.h"

#include <cstdio>
#include <unistd.h>

namespace
{
/** Seeks over all-zero blocks instead of writing them, and gives the file its full length at the end. */
class SparseFileStream  : public juce::OutputStream
{
public:
    explicit SparseFileStream (const juce::File& f) : file (f), out (f) {}

    ~SparseFileStream() override
    {
        out.flush();
        ok = ok && ::truncate (file.getFullPathName().toRawUTF8(), (off_t) end) == 0;
    }

    bool write (const void* data, size_t numBytes) override
    {
        const auto* bytes = static_cast<const char*> (data);
        bool zero = true;

        for (size_t i = 0; i < numBytes && zero; ++i)
            zero = bytes[i] == 0;

        const auto pos = out.getPosition();
        const bool written = zero ? out.setPosition (pos + (juce::int64) numBytes) : out.write (data, numBytes);
        end = juce::jmax (end, pos + (juce::int64) numBytes);
        ok = ok && written;
        return written;
    }

    bool setPosition (juce::int64 p) override   { return out.setPosition (p); }
    juce::int64 getPosition() override          { return out.getPosition(); }
    void flush() override                       { out.flush(); }

    static inline bool ok = true;

private:
    juce::File file;
    juce::FileOutputStream out;
    juce::int64 end = 0;
};

bool writeFile (const juce::File& file, int channels, int bits, int32_t loop, int32_t tempo, juce::int64 frames,
                std::unique_ptr<juce::OutputStream> stream)
{
    WavAudioFormatWriterQzt writer (channels, bits, loop, tempo, 48000, std::move (stream));
    constexpr int block = 1 << 16;
    juce::AudioBuffer<float> buffer (channels, block);
    juce::int64 done = 0;

    // Half a second of a 1 kHz tone at half scale on every channel, then silence.
    while (done < frames)
    {
        const auto n = (int) juce::jmin ((juce::int64) block, frames - done);
        buffer.clear();

        for (int i = 0; i < n && done + i < 24000; ++i)
            for (int c = 0; c < channels; ++c)
                buffer.setSample (c, i, 0.5f * std::sin (2.0f * juce::MathConstants<float>::pi * (float) (done + i) / 48.0f));

        if (! writer.writeFromAudioSampleBuffer (buffer, 0, n))
        {
            std::fprintf (stderr, "writing %s failed\n", file.getFullPathName().toRawUTF8());
            return false;
        }

        done += n;
    }

    return true;
}
} // namespace

int main (int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf (stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }

    const juce::File folder (juce::File::getCurrentWorkingDirectory().getChildFile (argv[1]));
    folder.createDirectory();

    auto fileStream = [] (const juce::File& f) -> std::unique_ptr<juce::OutputStream>
    {
        f.deleteFile();
        return f.createOutputStream();
    };

    bool ok = writeFile (folder.getChildFile ("plain.wav"), 2, 16, 1, 12800, 48000, fileStream (folder.getChildFile ("plain.wav")))
           && writeFile (folder.getChildFile ("float.wav"), 2, 32, 0, 9000, 48000, fileStream (folder.getChildFile ("float.wav")))
           && writeFile (folder.getChildFile ("extensible.wav"), 3, 24, 0, 0, 48000, fileStream (folder.getChildFile ("extensible.wav")))
           && writeFile (folder.getChildFile ("odd.wav"), 1, 8, 0, 0, 47999, fileStream (folder.getChildFile ("odd.wav")));

    // Just past what a plain RIFF header can count: 2^32 bytes of 32-bit stereo, plus 1,000 frames.
    const auto rf64 = folder.getChildFile ("rf64.wav");
    rf64.deleteFile();
    ok = ok && writeFile (rf64, 2, 32, 1, 17500, (1ll << 29) + 1000, std::make_unique<SparseFileStream> (rf64));
    ok = ok && SparseFileStream::ok;

    // And the product's own path: a slot's file made from a 44.1 kHz source.
    const auto source = folder.getChildFile ("source44k.wav");
    {
        source.deleteFile();
        juce::WavAudioFormat wav;
        std::unique_ptr<juce::AudioFormatWriter> writer (wav.createWriterFor (source.createOutputStream().release(), 44100, 2, 16, {}, 0));
        juce::AudioBuffer<float> buffer (2, 44100);

        for (int i = 0; i < 44100; ++i)
            for (int c = 0; c < 2; ++c)
                buffer.setSample (c, i, 0.5f * std::sin (2.0f * juce::MathConstants<float>::pi * 1000.0f * (float) i / 44100.0f));

        ok = ok && writer != nullptr && writer->writeFromAudioSampleBuffer (buffer, 0, 44100);
    }

    ok = ok && buildSampleFile (source, folder.getChildFile ("built.wav"), 1, 12800, 0, 0, 128);

    return ok ? 0 : 1;
}
