// Writes the starting corpus of every fuzz target: texts, files and frames as the program and the
// unit make them, and tracks with beats for Pulsek. Usage: fuzz_seeds <corpus folder>
#include "core/DocumentXml.h"
#include "FuzzCheck.h"
#include "core/SysExFrame.h"
#include "app/SettingsStore.h"

#include <cmath>

namespace
{
juce::File corpus;

void writeSeed (const char* target, const juce::String& name, const void* data, size_t size)
{
    const auto folder = corpus.getChildFile (target);
    folder.createDirectory();
    FUZZ_CHECK (folder.getChildFile (name).replaceWithData (data, size));
}

void writeSeed (const char* target, const juce::String& name, const juce::String& text)
{
    writeSeed (target, name, text.toRawUTF8(), text.getNumBytesAsUTF8());
}

std::unique_ptr<DeviceSettings> documentWithPaths (int variant)
{
    auto d = FuzzSupport::resetDocument();
    d->isolateLock = 1;
    d->scene[SceneEffect::noise][8] = 5 + variant % 3;
    const juce::String paths[] = { juce::String::fromUTF8 ("/home/dj/\xc3\x9c" "ber & <Nacht>/kick.wav"),
                                   "C:\\Samples\\snare\r\nline.wav", " ", juce::String::fromUTF8 ("/\xf0\x9f\x8e\xb5 loop.wav") };

    for (int i = 0; i < XPadEffectRecord::numSlots; i += 1 + variant)
    {
        auto& slot = samplerSlot (*d, i);
        setSlotPath (slot, paths[(i + variant) % 4]);
        slot.start = 100 * i;
        slot.end = 48000 + i;
        slot.loop = i % 2;
        slot.tempo = 12000 + i;
        slot.fixState = i % 3;
        slot.gainIndex = 100 + i;
    }

    return d;
}

void documentSeeds()
{
    for (int variant = 0; variant < 3; ++variant)
    {
        const auto d = documentWithPaths (variant);
        const auto reset = FuzzSupport::resetDocument();
        writeSeed ("document", "file" + juce::String (variant), createSettingsText (*d, *d, {}));
        writeSeed ("document", "internal" + juce::String (variant), createSettingsText (*d, *d, { false, true }));
        writeSeed ("document", "unit" + juce::String (variant), createSettingsText (*d, *d, { true, false }));
        writeSeed ("document", "difference" + juce::String (variant), createSettingsText (*d, *reset, { false, true }));
    }

    const auto d = documentWithPaths (0);
    writeSeed ("document", "firstPartOnly", createSettingsText (*d, *d, {}).upToFirstOccurrenceOf ("</QZT-7200>", true, false));
    writeSeed ("document", "processingInstruction",
               "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<QZT-7200 version=\"1.0\"><?x?>b</QZT-7200>");
}

void settingsSeeds()
{
    const auto file = juce::File::createTempFile ("settings");
    StoredSettings s;
    s.mainWindowState = "fs 12 34 1100 800";
    s.lastFilePath = "<a>1</a>x";
    s.lastWavFilePath = juce::String::fromUTF8 ("/home/dj/\xe6\x97\xa5\xe6\x9c\xac/kick.wav");
    s.language = clampUiLanguage (7);

    for (int variant = 0; variant < 2; ++variant)
    {
        file.deleteFile();
        {
            SettingsStore store (file);
            FUZZ_CHECK (store.write (s, *documentWithPaths (variant)));
        }
        juce::MemoryBlock bytes;
        FUZZ_CHECK (file.loadFileAsData (bytes));
        writeSeed ("settings", "written" + juce::String (variant), bytes.getData(), bytes.getSize());
    }

    file.deleteFile();
    writeSeed ("settings", "framework", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n\n<PROPERTIES>\n"
                                        "  <VALUE name=\"messageLanguage\" val=\"3\"/>\n"
                                        "  <VALUE name=\"lastFilePath\"><a>1</a></VALUE>\n</PROPERTIES>\n");
}

/** A dump as the unit pads it: a pair of zeros every 96 bytes, one byte at the end. */
juce::MemoryBlock encodeDump (const juce::String& text)
{
    juce::MemoryOutputStream out;
    const auto* chars = text.toRawUTF8();
    for (size_t i = 0; i < text.getNumBytesAsUTF8(); ++i)
    {
        if (i > 0 && i % 96 == 0)
            out.writeShort (0);
        out.writeByte (chars[i]);
    }
    out.writeByte (0);
    return out.getMemoryBlock();
}

void sysExSeeds()
{
    const auto d = documentWithPaths (1);
    const auto dumps = { createSettingsText (*d, *d, { true, false }),
                         createSettingsText (*d, *d, { true, false }).upToFirstOccurrenceOf ("</QZT-7200>", true, false) };
    int n = 0;

    for (const auto& text : dumps)
    {
        const auto payload = encodeDump (text);
        const auto message = SysExFrame::createMessage (SysExFrame::fromUnit, SysExCommand::settingsRequest,
                                                        payload.getData(), payload.getSize());
        FUZZ_CHECK (message.has_value());
        writeSeed ("sysex", "dump" + juce::String (n++), message->getRawData(), (size_t) message->getRawDataSize());
    }

    for (const int command : { SysExCommand::handshake, SysExCommand::versionRequest, SysExCommand::colourQuery })
    {
        const char payload[] = "1.23";
        const auto message = SysExFrame::createMessage (SysExFrame::fromUnit, command, payload, 4);
        writeSeed ("sysex", "command" + juce::String (command), message->getRawData(), (size_t) message->getRawDataSize());
    }
}

/** A WAV file built by hand, so that every chunk can be placed as the check meets it. */
void writeWav (const juce::String& name, bool rf64, int format, int channels, int rate, int bits, int frames, bool modelChunk)
{
    juce::MemoryOutputStream body;
    const int blockAlign = channels * bits / 8;
    body.write ("WAVE", 4);

    if (rf64)
    {
        body.write ("ds64", 4);
        body.writeInt (28);
        body.writeInt64 (0);                                    // RIFF size, filled below
        body.writeInt64 ((juce::int64) frames * blockAlign);   // data size
        body.writeInt64 (frames);
        body.writeInt (0);
    }

    body.write ("fmt ", 4);
    body.writeInt (16);
    body.writeShort ((short) format);
    body.writeShort ((short) channels);
    body.writeInt (rate);
    body.writeInt (rate * blockAlign);
    body.writeShort ((short) blockAlign);
    body.writeShort ((short) bits);

    if (modelChunk)
    {
        body.write ("qzt1", 4);
        body.writeInt (8);
        body.writeInt (12800);
        body.writeInt (1);
    }

    body.write ("data", 4);
    body.writeInt (rf64 ? -1 : frames * blockAlign);
    for (int i = 0; i < frames * blockAlign; ++i)
        body.writeByte ((char) (i * 37));

    juce::MemoryOutputStream file;
    file.write (rf64 ? "RF64" : "RIFF", 4);
    file.writeInt (rf64 ? -1 : (int) body.getDataSize());
    file << body.getMemoryBlock();
    writeSeed ("wavcheck", name, file.getData(), file.getDataSize());
}

void wavSeeds()
{
    writeWav ("pcm16", false, 1, 2, 48000, 16, 64, true);
    writeWav ("pcm24", false, 1, 1, 44100, 24, 40, false);
    writeWav ("pcm8", false, 1, 1, 22050, 8, 33, true);
    writeWav ("float", false, 3, 2, 96000, 32, 20, true);
    writeWav ("rf64", true, 1, 2, 48000, 16, 30, true);
}

/** A click every `period` frames of the waveform, stretched by the header's factor. */
void pulsekSeeds()
{
    struct Track { int flags, span, lengthBy8, stretch, period; };
    const Track tracks[] = { { 1, 4, 60000, 24, 1000 }, { 0, 8, 40000, 20, 1225 }, { 3, 16, 65535, 1, 3000 }, { 5, 4, 30000, 8, 2500 } };
    int n = 0;

    for (const auto& t : tracks)
    {
        juce::MemoryOutputStream out;
        for (const int b : { t.flags, t.span, t.lengthBy8 >> 8, t.lengthBy8 & 0xff, 0x12, 0x34, t.stretch - 1 })
            out.writeByte ((char) b);

        const int width = (t.flags & 2) != 0 ? 4 : 2;
        for (int frame = 0; frame < t.period; ++frame)
        {
            const float value = frame < 40 ? 20000.0f * std::sin ((float) frame * 0.7f) : 300.0f * std::sin ((float) frame * 0.05f);
            for (int channel = 0; channel < 2; ++channel)
            {
                if (width == 2)
                    out.writeShort ((short) value);
                else
                    out.writeInt ((int) (value * 65536.0f));
            }
        }

        writeSeed ("pulsek", "clicks" + juce::String (n++), out.getData(), out.getDataSize());
    }
}
} // namespace

int main (int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf (stderr, "usage: %s <corpus folder>\n", argv[0]);
        return 2;
    }

    corpus = juce::File::getCurrentWorkingDirectory().getChildFile (argv[1]);
    documentSeeds();
    settingsSeeds();
    sysExSeeds();
    wavSeeds();
    pulsekSeeds();
    return 0;
}
