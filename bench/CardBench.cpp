// Times a card export of a document whose 16 slots all hold a prepared sample, flush included, into a
// local folder standing for the card (the first argument, or a folder in the temporary directory).
#include "core/DeviceSettings.h"
#include "core/transfer/CardTransfer.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
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
    std::vector<double> times;

    for (int run = 0; run < 5; ++run)
    {
        CardTransfer transfer (cardRoot, {}, volume);
        const auto start = std::chrono::steady_clock::now();

        if (CardTransfer::prepareExport (cardRoot).has_value()
            || transfer.exportToCard (document, files).outcome != CardTransfer::Outcome::completed)
        {
            std::fprintf (stderr, "export failed\n");
            std::exit (1);
        }

        times.push_back (std::chrono::duration<double, std::milli> (std::chrono::steady_clock::now() - start).count());
    }

    std::sort (times.begin(), times.end());
    return times[times.size() / 2];
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
