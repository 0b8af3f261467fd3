// Times the document format on a document with all 16 slots in use: the full text, its parse, and
// the one-value difference that every commit builds. Prints medians as "name: value" lines.
#include "bench/BenchTiming.h"
#include "core/DeviceSettings.h"
#include "core/DocumentXml.h"

#include <juce_events/juce_events.h>

#include <cstdio>

int main()
{
    juce::ScopedJuceInitialiser_GUI juce;

    auto document = createDeviceSettings();
    resetDeviceSettings (*document, false);
    for (int i = 0; i < numUnitSlots; ++i)
    {
        auto& slot = samplerSlot (*document, i);
        setSlotPath (slot, "/home/dj/Music/Samples/Session " + juce::String (i) + "/sample-" + juce::String (i) + ".wav");
        slot.start = 1000 * i;
        slot.end = 48000 + 1000 * i;
        slot.tempo = 12800;
        slot.gainIndex = 100 + i;
    }

    juce::String text;
    const double fullText = bench::medianMs (201, [&] { text = createSettingsText (*document, *document, {}); });

    const double fullParse = bench::medianMs (201, [&]
    {
        auto target = createDeviceSettings();
        parseSettingsText (*target, text);
    });

    auto lastSent = std::make_unique<DeviceSettings> (*document);
    document->scene[SceneEffect::crushEcho][10] = 3;
    int children = 0;
    const double oneValueDiff = bench::medianMs (2001, [&]
    {
        auto v10 = createSettingsElementV10 (*document, *lastSent, { false, true });
        auto v11 = createSettingsElementV11 (*document, *lastSent, { false, true });
        children = v10->getNumChildElements() + v11->getNumChildElements();
    });

    std::printf ("full_text_ms: %.4f\n", fullText);
    std::printf ("full_parse_ms: %.4f\n", fullParse);
    std::printf ("one_value_diff_ms: %.4f\n", oneValueDiff);
    std::printf ("full_text_bytes: %d\n", (int) text.getNumBytesAsUTF8());
    return children == 1 ? 0 : 1;
}
