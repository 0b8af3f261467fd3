// Times a card export of a document whose 16 slots all hold a prepared sample, flush included, into a
// local folder standing for the card (the first argument, or a folder in the temporary directory).
#include "bench/BenchTiming.h"
#include "core/DeviceSettings.h"
#include "core/transfer/CardTransfer.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace
{
constexpr int unitSampleRate = 48000;
constexpr int bytesPerFrame = 6;                    // stereo, 24 bits
constexpr int wavHeaderBytes = 120;

std::vector<juce::File> makePreparedFiles (const juce::File& folder, double secondsPerSlot)
{
    std::vector<juce::File> files;
    juce::MemoryBlock data ((size_t) (wavHeaderBytes + secondsPerSlot * unitSampleRate * bytesPerFrame));
    juce::Random random (1);

    for (int i = 0; i < numUnitSlots; ++i)
    {
        random.fillBitsRandomly (data.getData(), data.getSize());
        auto file = folder.getChildFile ("prepared" + juce::String (i) + ".wav");
        file.replaceWithData (data.getData(), data.getSize());
        files.push_back (file);
    }

    return files;
}

double medianExportMs (const juce::File& cardRoot, const DeviceSettings& document, const std::vector<juce::File>& files)
{
    SystemCardVolume volume;

    return bench::medianMs (5, [&]
    {
        if (CardTransfer::prepareExport (cardRoot).has_value()
            || CardTransfer (cardRoot, {}, volume).exportToCard (document, files).outcome != CardTransfer::Outcome::completed)
        {
            std::fprintf (stderr, "export failed\n");
            std::exit (1);
        }
    });
}
} // namespace

int main (int argc, char** argv)
{
    const auto base = argc > 1 ? juce::File::getCurrentWorkingDirectory().getChildFile (argv[1])
                               : juce::File::getSpecialLocation (juce::File::tempDirectory);
    const auto folder = base.getNonexistentChildFile ("card_bench", "");
    const auto cardRoot = folder.getChildFile ("card");
    cardRoot.createDirectory();

    auto document = createDeviceSettings();
    resetDeviceSettings (*document, false);
    for (int i = 0; i < numUnitSlots; ++i)
        setSlotPath (samplerSlot (*document, i), "/music/source" + juce::String (i) + ".wav");

    // Each bank filled to the unit's 16 s, then every slot at 16 s (more than the unit keeps).
    const auto fullBanks = makePreparedFiles (folder, 4.0);
    std::printf ("card_export_16_slots_ms: %.1f\n", medianExportMs (cardRoot, *document, fullBanks));

    const auto longSlots = makePreparedFiles (folder, 16.0);
    std::printf ("card_export_16_slots_of_16s_ms: %.1f\n", medianExportMs (cardRoot, *document, longSlots));

    folder.deleteRecursively();
    return 0;
}
