#include "sampler/files/WavAudioFormatWriterQzt.h"

namespace
{
    // Largest RIFF size a plain header can hold: 0xFFFFFFFF is the RF64 marker, and a size past it would
    // wrap around into a short, wrong file.
    constexpr uint64_t maxPlainRiffSize = 0xFFFFFFFEu;

    // Bytes that follow the RIFF size field up to the sample data: "WAVE", the junk or ds64 chunk, the
    // format chunk and the "data" header (96), plus the 16 bytes of the "qzt1" chunk.
    constexpr uint64_t headerBytesAfterRiffSize = WavAudioFormatWriterQzt::headerSize - 8;

    // KSDATAFORMAT_SUBTYPE_PCM and KSDATAFORMAT_SUBTYPE_IEEE_FLOAT differ only in their first field.
    constexpr uint8_t subFormatTail[12] = { 0x00, 0x00, 0x10, 0x00, 0x80, 0x00, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71 };

    struct HeaderBuilder
    {
        uint8_t bytes[WavAudioFormatWriterQzt::headerSize] = {};
        size_t pos = 0;

        void id (const char* fourChars)   { for (int i = 0; i < 4; ++i) bytes[pos++] = (uint8_t) fourChars[i]; }
        void u16 (uint32_t v)             { for (int i = 0; i < 2; ++i) bytes[pos++] = (uint8_t) (v >> (8 * i)); }
        void u32 (uint32_t v)             { for (int i = 0; i < 4; ++i) bytes[pos++] = (uint8_t) (v >> (8 * i)); }
        void u64 (uint64_t v)             { for (int i = 0; i < 8; ++i) bytes[pos++] = (uint8_t) (v >> (8 * i)); }
        void zeros (size_t n)             { pos += n; }
    };

    uint32_t channelMask (unsigned int numChannels)
    {
        switch (numChannels)
        {
            case 2:  return 0x3;
            case 5:  return 0x37;
            case 6:  return 0x3f;
            default: return 0;
        }
    }
}

WavAudioFormatWriterQzt::WavAudioFormatWriterQzt (int numChannelsToWrite, int bits, int32_t loopFlag, int32_t tempoValue,
                                                  double rate, std::unique_ptr<juce::OutputStream> stream)
    : juce::AudioFormatWriter (stream.release(), "WAV file", rate, (unsigned int) juce::jmax (1, numChannelsToWrite),
                               (unsigned int) bits),
      loop (loopFlag),
      tempo (tempoValue)
{
    jassert (bits == 8 || bits == 16 || bits == 24 || bits == 32);
    jassert (output != nullptr);

    if (output == nullptr || ! (bits == 8 || bits == 16 || bits == 24 || bits == 32))
    {
        writeFailed = true;
        return;
    }

    headerPosition = output->getPosition();

    if (! writeHeader())
        writeFailed = true;
}

WavAudioFormatWriterQzt::~WavAudioFormatWriterQzt()
{
    // The base class deletes the stream after this body has run, and must be the only one to.
    if (output == nullptr)
        return;

    // After a refused write the stream sits behind the rewritten header, so a pad byte would land on the
    // samples; the header already describes what was written.
    if (! writeFailed)
    {
        if ((bytesWritten & 1) != 0 && output->writeByte (0))
            ++bytesWritten;

        writeHeader();
    }

    // No flush here: a file stream's flush forces the data to disk, which a temporary sample file
    // does not need; deleting the stream writes out its buffer.
}

bool WavAudioFormatWriterQzt::write (const int** samples, int numSamples)
{
    if (writeFailed)
        return false;

    if (numSamples <= 0)
        return true;

    const auto numBytes = (size_t) numSamples * (size_t) blockAlign();

    if (bufferSize < numBytes)
    {
        buffer.malloc (numBytes);
        bufferSize = numBytes;
    }

    using namespace juce;
    const auto numDest = (int) numChannels;

    switch (bitsPerSample)
    {
        case 8:   WriteHelper<AudioData::UInt8,   AudioData::Int32,   AudioData::LittleEndian>::write (buffer, numDest, samples, numSamples); break;
        case 16:  WriteHelper<AudioData::Int16,   AudioData::Int32,   AudioData::LittleEndian>::write (buffer, numDest, samples, numSamples); break;
        case 24:  WriteHelper<AudioData::Int24,   AudioData::Int32,   AudioData::LittleEndian>::write (buffer, numDest, samples, numSamples); break;
        default:  WriteHelper<AudioData::Float32, AudioData::Float32, AudioData::LittleEndian>::write (buffer, numDest, samples, numSamples); break;
    }

    if (! output->write (buffer, numBytes))
    {
        // Leave a header that matches the samples that did reach the stream.
        writeHeader();
        writeFailed = true;
        return false;
    }

    bytesWritten += numBytes;
    samplesWritten += (uint64_t) numSamples;
    return true;
}

bool WavAudioFormatWriterQzt::writeHeader()
{
    const auto dataSize = getDataSize();
    const auto riffSize = dataSize + (dataSize & 1) + headerBytesAfterRiffSize;
    const bool rf64 = riffSize > maxPlainRiffSize;
    const bool extensible = rf64 || numChannels > 2;
    const bool floatingPoint = bitsPerSample == 32;
    const auto align = (uint32_t) blockAlign();
    const auto rate = (uint32_t) juce::roundToInt (sampleRate);

    HeaderBuilder h;
    h.id (rf64 ? "RF64" : "RIFF");
    h.u32 (rf64 ? 0xFFFFFFFFu : (uint32_t) riffSize);
    h.id ("WAVE");

    if (extensible)
    {
        h.id (rf64 ? "ds64" : "JUNK");
        h.u32 (28);

        if (rf64)
        {
            h.u64 (riffSize);
            h.u64 (dataSize);
        }
        else
        {
            h.zeros (16);
        }

        h.zeros (12);   // sample count and table length

        h.id ("fmt ");
        h.u32 (40);
        h.u16 (0xFFFE);
    }
    else
    {
        h.id ("JUNK");
        h.u32 (52);
        h.zeros (52);

        h.id ("fmt ");
        h.u32 (16);
        h.u16 (floatingPoint ? 3 : 1);
    }

    h.u16 (numChannels);
    h.u32 (rate);
    h.u32 (align * rate);
    h.u16 (align);
    h.u16 (bitsPerSample);

    if (extensible)
    {
        h.u16 (22);
        h.u16 (bitsPerSample);
        h.u32 (channelMask (numChannels));
        h.u32 (floatingPoint ? 3 : 1);

        for (auto b : subFormatTail)
            h.bytes[h.pos++] = b;
    }

    h.id ("qzt1");
    h.u32 (8);
    h.u32 ((uint32_t) tempo);
    h.u32 ((uint32_t) loop);

    h.id ("data");
    h.u32 (rf64 ? 0xFFFFFFFFu : (uint32_t) dataSize);

    jassert (h.pos == (size_t) headerSize);

    usesFloatingPointData = floatingPoint;

    return output->setPosition (headerPosition) && output->write (h.bytes, sizeof (h.bytes));
}
