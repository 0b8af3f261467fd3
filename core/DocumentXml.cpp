#include "core/DocumentXml.h"

#include "core/DocumentKeys.h"

#include <limits>

namespace
{
constexpr const char* markerText = "<QZT-7200 version=";
constexpr const char* endTagText = "</QZT-7200>";
constexpr const char* declarationText = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>";
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
    juce::MemoryOutputStream out;
    element.writeTo (out, format);
    return out.toUTF8();
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
    itself when that closes at once (a difference with nothing in it); -1 when the text stops first. */
int endOfPart (const juce::String& text, int rootStart)
{
    if (rootStart < 0)
        return -1;

    const int tagEnd = text.indexOfChar (rootStart, '>');
    if (tagEnd < 0)
        return -1;
    if (text[tagEnd - 1] == '/')
        return tagEnd + 1;

    const juce::String endTag (endTagText);
    const int end = text.indexOf (tagEnd, endTag);
    return end < 0 ? -1 : end + endTag.length();
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
    const juce::String marker (markerText);
    bool hasV10 = false, hasV11 = false;

    // Texts begin with the XML declaration, so the search starts at the second character.
    for (int i = text.indexOf (1, marker); i >= 0; i = text.indexOf (i + 1, marker))
    {
        const auto quoted = text.substring (i + marker.length(), i + marker.length() + 5);
        hasV10 = hasV10 || quoted == "\"1.0\"";
        hasV11 = hasV11 || quoted == "\"1.1\"";
    }

    if (! hasV10)
        return settingsNoFirstPart;

    // Each part must end with its own end tag: the framework's parser accepts many truncated texts.
    const int firstEnd = endOfPart (text, text.indexOf (1, marker));
    if (firstEnd < 0)
        return settingsDidNotParse;

    const auto first = juce::parseXML (text.substring (0, firstEnd));
    if (auto result = readSettingsElementV10 (document, first.get()))
        return result;

    if (! hasV11)
        return settingsNoSecondPart;

    const int secondStart = text.indexOf (marker + "\"1.1\"");
    const int secondEnd = endOfPart (text, secondStart);
    if (secondEnd < 0)
        return readSettingsElementV11 (document, nullptr);

    const auto secondText = juce::String (declarationText) + "\n\n" + text.substring (secondStart, secondEnd);
    const auto second = juce::parseXML (secondText);
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
