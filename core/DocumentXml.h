#pragma once

#include "core/DeviceSettings.h"

#include <juce_core/juce_core.h>

/** Result codes of the document readers. */
enum SettingsReadResult
{
    settingsReadOk = 0,
    settingsDidNotParse = 1,        // no element (also a missing "1.1" element)
    settingsNoFirstPart = 2,        // no "1.0" part, or a root not named "QZT-7200"
    settingsWrongVersion = 3,
    settingsValueOutOfRange = 4,    // reading stopped at that value
    settingsNoSecondPart = 5        // the "1.0" values were applied
};

/** Who a text is written for: the unit gets no sampler elements; the internal copy (settings file,
    commit's change test) also carries Loop, Bpm and the fifth slot row. */
struct SettingsWriteFlags
{
    bool unit = false;
    bool internal = false;
};

/** The two parts of the document format. With reference == &document every element is written;
    otherwise only values that differ, so an empty root means "no change". */
std::unique_ptr<juce::XmlElement> createSettingsElementV10 (const DeviceSettings& document,
                                                            const DeviceSettings& reference,
                                                            SettingsWriteFlags flags);
std::unique_ptr<juce::XmlElement> createSettingsElementV11 (const DeviceSettings& document,
                                                            const DeviceSettings& reference,
                                                            SettingsWriteFlags flags);

/** The text that files, the card and the unit carry: the "1.0" part with its XML declaration,
    immediately followed by the "1.1" part from its root tag on. */
juce::String createSettingsText (const DeviceSettings& document, const DeviceSettings& reference,
                                 SettingsWriteFlags flags);

/** Joins two written parts into one text. */
juce::String joinSettingsParts (const juce::XmlElement& partV10, const juce::XmlElement& partV11);

/** The readers apply values as they go and return a SettingsReadResult (0 to 4). */
int readSettingsElementV10 (DeviceSettings& document, const juce::XmlElement* element);
int readSettingsElementV11 (DeviceSettings& document, const juce::XmlElement* element);

/** Splits a text into its parts and reads them into the document; returns 0 to 5. */
int parseSettingsText (DeviceSettings& document, const juce::String& text);

/** Reads child `name` of element as an integer in 0..maximum: returns 0 with the value stored,
    childMissing, or settingsValueOutOfRange (the value is then left as it was). */
constexpr int childMissing = 2;
int readChildInt (const juce::XmlElement& element, juce::StringRef name, int32_t& value, int64_t maximum);

/** True at the first Sampler slot whose path, range, loop, tempo, fix state or gain differ. */
bool samplerSlotsDiffer (const DeviceSettings& a, const DeviceSettings& b);
