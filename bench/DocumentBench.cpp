// Times the document format on a document with all 16 slots in use: the full text, its parse, and
// the one-value difference that every commit builds. Prints medians as "name: value" lines.
#include "core/DeviceSettings.h"
#include "core/DocumentXml.h"

#include <juce_events/juce_events.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace
{
template <typename Function>
double medianMs (int runs, Function&& f)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i)
    {
        const auto start = std::chrono::steady_clock::now();
        f();
        times.push_back (std::chrono::duration<double, std::milli> (std::chrono::steady_clock::now() - start).count());
    }
    std::sort (times.begin(), times.end());
    return times[times.size() / 2];
}
} // namespace

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
    const double fullText = medianMs (201, [&] { text = createSettingsText (*document, *document, {}); });

    const double fullParse = medianMs (201, [&]
    {
        auto target = createDeviceSettings();
        parseSettingsText (*target, text);
    });

    auto lastSent = std::make_unique<DeviceSettings> (*document);
    document->scene[SceneEffect::crushEcho][10] = 3;
    int children = 0;
    const double oneValueDiff = medianMs (2001, [&]
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
