#include "core/DocumentXml.h"

#include "core/DocumentKeys.h"
#include "core/DocumentXmlText.h"

#include <limits>
#include <string>
#include <string_view>

namespace
{
constexpr std::string_view markerText = "<QZT-7200 version=";
constexpr std::string_view endTagText = "</QZT-7200>";
constexpr std::string_view declarationText = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>";
constexpr auto notFound = std::string_view::npos;
constexpr int64_t int32Max = std::numeric_limits<int32_t>::max();

/** An element that is only created once something is added to it, so that the difference writer
    allocates nothing for the many parts of a document that did not change. */
class LazyElement
{
public:
    explicit LazyElement (const char* nameToUse) : name (nameToUse) {}

    juce::XmlElement& get()
    {
        if (element == nullptr)
            element = std::make_unique<juce::XmlElement> (name);
        return *element;
    }

    void addInt (const char* childName, int32_t value, int32_t reference, bool sameBlock)
    {
        if (sameBlock || value != reference)
            get().createNewChildElement (childName)->addTextElement (juce::String (value));
    }

    /** Hands the element to its parent when it has any children. */
    void appendTo (juce::XmlElement& parent)
    {
        if (element != nullptr && element->getNumChildElements() > 0)
            parent.addChildElement (element.release());
    }

    void appendTo (LazyElement& parent)
    {
        if (element != nullptr && element->getNumChildElements() > 0)
            parent.get().addChildElement (element.release());
    }

private:
    const char* name;
    std::unique_ptr<juce::XmlElement> element;
};

int numSlotRows (SettingsWriteFlags flags)
{
    return flags.internal ? XPadEffectRecord::numSlots / slotsPerBank : numSamplerBanks;
}

/** The "1.0" part carries the Noise sliders in 0..3: the minimum is clamped, the maximum wraps to 0. */
int32_t narrowValue (const ParameterKey& key, int32_t value)
{
    if (key.narrow == ParameterKey::NarrowRange::clampToTop && value > DocumentKeys::noiseSliderNarrowMax)
        return DocumentKeys::noiseSliderNarrowMax;
    if (key.narrow == ParameterKey::NarrowRange::wrapToZero && value > DocumentKeys::noiseSliderNarrowMax)
        return 0;
    return value;
}

void writeSamplerV10 (LazyElement& xpadFx, const DeviceSettings& document, const DeviceSettings& reference,
                      SettingsWriteFlags flags)
{
    const bool same = &document == &reference;
    LazyElement samplerElement (DocumentKeys::samplerElement);

    for (int i = 0; i < numSlotRows (flags) * slotsPerBank; ++i)
    {
        const auto& d = samplerSlot (document, i);
        const auto& r = samplerSlot (reference, i);
        const auto name = DocumentKeys::slotElementName (i);
        LazyElement slotElement (name.toRawUTF8());

        if (! slotPathIsEmpty (d) && (same || ! slotPathsEqual (d, r)))
            slotElement.get().createNewChildElement ("File")->addTextElement (getSlotPath (d));

        if (! slotPathIsEmpty (d) || ! slotPathIsEmpty (r))
        {
            slotElement.addInt ("Start", d.start, r.start, same);
            slotElement.addInt ("End", d.end, r.end, same);

            if (flags.internal)
            {
                slotElement.addInt ("Loop", d.loop, r.loop, same);
                slotElement.addInt ("Bpm", d.tempo, r.tempo, same);
            }
        }

        slotElement.appendTo (samplerElement);
    }

    samplerElement.appendTo (xpadFx);
}

std::unique_ptr<juce::XmlElement> createRoot (const char* version)
{
    auto root = std::make_unique<juce::XmlElement> (DocumentKeys::rootElement);
    root->setAttribute (DocumentKeys::versionAttribute, version);
    return root;
}

juce::String elementToText (const juce::XmlElement& element)
{
    juce::XmlElement::TextFormat format;
    format.customEncoding = "UTF-8";
    return DocumentXmlText::write (element, format);
}

/** Child lookup that ignores letter case, as texts from older writers may differ in it. */
const juce::XmlElement* findChild (const juce::XmlElement& parent, juce::StringRef name)
{
    for (auto* child : parent.getChildIterator())
        if (child->getTagName().equalsIgnoreCase (name))
            return child;
    return nullptr;
}

/** Leading blanks, an optional sign, then digits up to the first other character; no digits is 0.
    Saturates instead of wrapping, so a huge number is out of range rather than some small value. */
int64_t parseDecimal (const juce::String& text)
{
    auto p = text.getCharPointer();
    while (p.isWhitespace())
        ++p;

    bool negative = false;
    if (*p == '-' || *p == '+')
        negative = (p.getAndAdvance() == '-');

    constexpr int64_t limit = (int64_t) 1 << 40;   // far beyond any maximum, far below overflow
    int64_t value = 0;
    while (p.isDigit())
    {
        value = value * 10 + (p.getAndAdvance() - '0');
        if (value > limit)
            value = limit;
    }

    return negative ? -value : value;
}

int readValues (const juce::XmlElement& effect, const EffectKeys& keys, DeviceSettings& document,
                DocumentCategory category, bool narrowRange)
{
    for (int k = 0; k < keys.numKeys; ++k)
    {
        const auto& key = keys.keys[k];
        const int maximum = (narrowRange && key.narrow != ParameterKey::NarrowRange::none)
                                ? DocumentKeys::noiseSliderNarrowMax : key.maximum;
        auto& value = DocumentKeys::value (document, category, keys.effectIndex, key.valueIndex);

        if (readChildInt (effect, key.element, value, maximum) == settingsValueOutOfRange)
            return settingsValueOutOfRange;
    }
    return settingsReadOk;
}

const juce::XmlElement* findSamplerElement (const juce::XmlElement& root)
{
    if (auto* xpadFx = findChild (root, "XpadFx"))
        return findChild (*xpadFx, DocumentKeys::samplerElement);
    return nullptr;
}

int readSamplerV10 (const juce::XmlElement& root, DeviceSettings& document)
{
    auto* samplerElement = findSamplerElement (root);
    if (samplerElement == nullptr)
        return settingsReadOk;

    // The fifth row is only ever written to the settings file; reading it back keeps spare slots.
    for (int i = 0; i < XPadEffectRecord::numSlots; ++i)
    {
        auto* slotElement = findChild (*samplerElement, DocumentKeys::slotElementName (i));
        if (slotElement == nullptr)
            continue;

        auto* fileElement = findChild (*slotElement, "File");
        if (fileElement == nullptr)
            continue;

        auto& slot = samplerSlot (document, i);
        setSlotPath (slot, fileElement->getAllSubText());

        if (readChildInt (*slotElement, "Start", slot.start, int32Max) == settingsValueOutOfRange
             || readChildInt (*slotElement, "End", slot.end, int32Max) == settingsValueOutOfRange)
            return settingsValueOutOfRange;

        const int loopResult = readChildInt (*slotElement, "Loop", slot.loop, 1);
        if (loopResult == settingsValueOutOfRange)
            return settingsValueOutOfRange;
        if (loopResult == settingsReadOk)
            slot.loopPresent = 1;

        const int tempoResult = readChildInt (*slotElement, "Bpm", slot.tempo, 99999);
        if (tempoResult == settingsValueOutOfRange)
            return settingsValueOutOfRange;
        if (tempoResult == settingsReadOk)
            slot.tempoPresent = 1;
    }

    return settingsReadOk;
}

/** Where the part whose root tag starts at rootStart ends: after its end tag, or after the root tag
    itself when that closes at once (a difference with nothing in it); npos when the text stops first. */
size_t endOfPart (std::string_view text, size_t rootStart)
{
    if (rootStart == notFound)
        return notFound;

    const auto tagEnd = text.find ('>', rootStart);
    if (tagEnd == notFound)
        return notFound;
    if (text[tagEnd - 1] == '/')
        return tagEnd + 1;

    const auto end = text.find (endTagText, tagEnd);
    return end == notFound ? notFound : end + endTagText.size();
}

int checkRoot (const juce::XmlElement& element, double version)
{
    if (element.getTagName() != DocumentKeys::rootElement)
        return settingsNoFirstPart;
    if (element.getDoubleAttribute (DocumentKeys::versionAttribute) != version)
        return settingsWrongVersion;
    return settingsReadOk;
}
} // namespace

std::unique_ptr<juce::XmlElement> createSettingsElementV10 (const DeviceSettings& document,
                                                            const DeviceSettings& reference,
                                                            SettingsWriteFlags flags)
{
    const bool same = &document == &reference;
    auto root = createRoot ("1.0");

    for (int c = 0; c < DocumentKeys::numCategories; ++c)
    {
        const auto& category = DocumentKeys::categories()[c];
        LazyElement categoryElement (category.element);

        if (category.lock != nullptr)
            categoryElement.addInt (DocumentKeys::lockElement, document.*category.lock, reference.*category.lock, same);

        for (int e = 0; e < category.numEffects; ++e)
        {
            const auto& effect = category.effects[e];

            if (category.category == DocumentCategory::xpad && effect.effectIndex == XPadEffect::sampler)
            {
                if (! flags.unit)
                    writeSamplerV10 (categoryElement, document, reference, flags);
                continue;
            }

            LazyElement effectElement (effect.element);

            for (int k = 0; k < effect.numKeys; ++k)
            {
                const auto& key = effect.keys[k];
                const auto d = DocumentKeys::value (document, category.category, effect.effectIndex, key.valueIndex);
                const auto r = DocumentKeys::value (reference, category.category, effect.effectIndex, key.valueIndex);

                if (same || d != r)
                    effectElement.get().createNewChildElement (key.element)
                                       ->addTextElement (juce::String (narrowValue (key, d)));
            }

            effectElement.appendTo (categoryElement);
        }

        categoryElement.appendTo (*root);
    }

    return root;
}

std::unique_ptr<juce::XmlElement> createSettingsElementV11 (const DeviceSettings& document,
                                                            const DeviceSettings& reference,
                                                            SettingsWriteFlags flags)
{
    const bool same = &document == &reference;
    auto root = createRoot ("1.1");

    LazyElement sceneFx ("SceneFx");
    LazyElement noiseElement ("Noise");
    noiseElement.addInt ("Sub1MinSld", document.scene[SceneEffect::noise][DocumentKeys::noiseMinSliderIndex],
                         reference.scene[SceneEffect::noise][DocumentKeys::noiseMinSliderIndex], same);
    noiseElement.addInt ("Sub1MaxSld", document.scene[SceneEffect::noise][DocumentKeys::noiseMaxSliderIndex],
                         reference.scene[SceneEffect::noise][DocumentKeys::noiseMaxSliderIndex], same);
    noiseElement.appendTo (sceneFx);
    sceneFx.appendTo (*root);

    if (! flags.unit)
    {
        LazyElement xpadFx ("XpadFx");
        LazyElement samplerElement (DocumentKeys::samplerElement);

        for (int i = 0; i < numSlotRows (flags) * slotsPerBank; ++i)
        {
            const auto& d = samplerSlot (document, i);
            const auto& r = samplerSlot (reference, i);

            if (slotPathIsEmpty (d) && slotPathIsEmpty (r))
                continue;

            const auto name = DocumentKeys::slotElementName (i);
            LazyElement slotElement (name.toRawUTF8());
            slotElement.addInt ("FixState", d.fixState, r.fixState, same);
            slotElement.addInt ("Gain", d.gainIndex, r.gainIndex, same);
            slotElement.appendTo (samplerElement);
        }

        samplerElement.appendTo (xpadFx);
        xpadFx.appendTo (*root);
    }

    return root;
}

juce::String joinSettingsParts (const juce::XmlElement& partV10, const juce::XmlElement& partV11)
{
    const auto second = elementToText (partV11);
    return elementToText (partV10) + second.substring (second.indexOf ("<" + juce::String (DocumentKeys::rootElement)));
}

juce::String createSettingsText (const DeviceSettings& document, const DeviceSettings& reference,
                                 SettingsWriteFlags flags)
{
    return joinSettingsParts (*createSettingsElementV10 (document, reference, flags),
                              *createSettingsElementV11 (document, reference, flags));
}

int readChildInt (const juce::XmlElement& element, juce::StringRef name, int32_t& value, int64_t maximum)
{
    auto* child = findChild (element, name);
    if (child == nullptr)
        return childMissing;

    const auto parsed = parseDecimal (child->getAllSubText());
    if (parsed < 0 || parsed > maximum)
        return settingsValueOutOfRange;

    value = (int32_t) parsed;
    return settingsReadOk;
}

int readSettingsElementV10 (DeviceSettings& document, const juce::XmlElement* element)
{
    if (element == nullptr)
        return settingsDidNotParse;
    if (auto result = checkRoot (*element, 1.0))
        return result;

    for (int c = 0; c < DocumentKeys::numCategories; ++c)
    {
        const auto& category = DocumentKeys::categories()[c];
        auto* categoryElement = findChild (*element, category.element);
        if (categoryElement == nullptr)
            continue;

        if (category.lock != nullptr
             && readChildInt (*categoryElement, DocumentKeys::lockElement, document.*category.lock, 1) == settingsValueOutOfRange)
            return settingsValueOutOfRange;

        for (int e = 0; e < category.numEffects; ++e)
        {
            const auto& effect = category.effects[e];

            if (category.category == DocumentCategory::xpad && effect.effectIndex == XPadEffect::sampler)
            {
                if (readSamplerV10 (*element, document) == settingsValueOutOfRange)
                    return settingsValueOutOfRange;
                continue;
            }

            if (auto* effectElement = findChild (*categoryElement, effect.element))
                if (readValues (*effectElement, effect, document, category.category, true) == settingsValueOutOfRange)
                    return settingsValueOutOfRange;
        }
    }

    return settingsReadOk;
}

int readSettingsElementV11 (DeviceSettings& document, const juce::XmlElement* element)
{
    if (element == nullptr)
    {
        for (int i = 0; i < numUnitSlots; ++i)
            samplerSlot (document, i).gainIndex = 128;
        return settingsDidNotParse;
    }

    if (auto result = checkRoot (*element, 1.1))
        return result;

    if (auto* sceneFx = findChild (*element, "SceneFx"))
    {
        if (readChildInt (*sceneFx, DocumentKeys::lockElement, document.sceneLock, 1) == settingsValueOutOfRange)
            return settingsValueOutOfRange;

        if (auto* noiseElement = findChild (*sceneFx, "Noise"))
        {
            auto& values = document.scene[SceneEffect::noise];
            if (readChildInt (*noiseElement, "Sub1MinSld", values[DocumentKeys::noiseMinSliderIndex],
                              DocumentKeys::noiseSliderFullMax) == settingsValueOutOfRange
                 || readChildInt (*noiseElement, "Sub1MaxSld", values[DocumentKeys::noiseMaxSliderIndex],
                                  DocumentKeys::noiseSliderFullMax) == settingsValueOutOfRange)
                return settingsValueOutOfRange;
        }
    }

    if (auto* samplerElement = findSamplerElement (*element))
    {
        for (int i = 0; i < XPadEffectRecord::numSlots; ++i)
        {
            auto* slotElement = findChild (*samplerElement, DocumentKeys::slotElementName (i));
            if (slotElement == nullptr)
                continue;

            auto& slot = samplerSlot (document, i);
            if (readChildInt (*slotElement, "FixState", slot.fixState, 2) == settingsValueOutOfRange)
                return settingsValueOutOfRange;

            const int gainResult = readChildInt (*slotElement, "Gain", slot.gainIndex, 255);
            if (gainResult == settingsValueOutOfRange)
                return settingsValueOutOfRange;
            if (gainResult != settingsReadOk)
                slot.gainIndex = 128;
        }
    }

    return settingsReadOk;
}

int parseSettingsText (DeviceSettings& document, const juce::String& text)
{
    // Worked on the UTF-8 bytes: the markers are ASCII, and every search stays linear however many
    // markers a hostile text holds. Bytes that are not UTF-8 are no text at all.
    const std::string_view bytes (text.toRawUTF8());
    if (! DocumentXmlText::isValidUtf8 (bytes.data(), bytes.size()))
        return settingsDidNotParse;

    bool hasV10 = false, hasV11 = false;

    // Texts begin with the XML declaration, so the search starts at the second character (a marker
    // starts with '<', which is never part of a longer character).
    for (auto i = bytes.find (markerText, 1); i != notFound; i = bytes.find (markerText, i + 1))
    {
        const auto quoted = bytes.substr (i + markerText.size(), 5);
        hasV10 = hasV10 || quoted == "\"1.0\"";
        hasV11 = hasV11 || quoted == "\"1.1\"";
    }

    if (! hasV10)
        return settingsNoFirstPart;

    // Each part must end with its own end tag: the framework's parser accepts many truncated texts.
    const auto firstEnd = endOfPart (bytes, bytes.find (markerText, 1));
    if (firstEnd == notFound)
        return settingsDidNotParse;

    const auto first = DocumentXmlText::read (bytes.data(), firstEnd);
    if (auto result = readSettingsElementV10 (document, first.get()))
        return result;

    if (! hasV11)
        return settingsNoSecondPart;

    const auto secondStart = bytes.find (std::string (markerText) + "\"1.1\"");
    const auto secondEnd = endOfPart (bytes, secondStart);
    if (secondEnd == notFound)
        return readSettingsElementV11 (document, nullptr);

    const auto secondText = std::string (declarationText) + "\n\n"
                          + std::string (bytes.substr (secondStart, secondEnd - secondStart));
    const auto second = DocumentXmlText::read (secondText.data(), secondText.size());
    return readSettingsElementV11 (document, second.get());
}

bool samplerSlotsDiffer (const DeviceSettings& a, const DeviceSettings& b)
{
    for (int i = 0; i < XPadEffectRecord::numSlots; ++i)
    {
        const auto& x = samplerSlot (a, i);
        const auto& y = samplerSlot (b, i);

        if (! slotPathsEqual (x, y) || x.start != y.start || x.end != y.end || x.loop != y.loop
             || x.tempo != y.tempo || x.fixState != y.fixState || x.gainIndex != y.gainIndex)
            return true;
    }
    return false;
}
