#include "Deadline.h"
#include "core/DocumentXml.h"
#include "core/DocumentXmlText.h"
#include "JuceTestPrinters.h"
#include "TestDocuments.h"

#include <gtest/gtest.h>
#include <vector>

using namespace std::chrono_literals;
using namespace TestDocuments;

namespace
{
const juce::String declaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>";

/** The smallest text that made the framework's parser loop for ever. */
const juce::String processingInstructionText = declaration + "\n<QZT-7200 version=\"1.0\"><?x?>b</QZT-7200>";

int parseWithin (DeviceSettings& document, const juce::String& text)
{
    return returnsWithin (1000ms, "parseSettingsText", [&] { return parseSettingsText (document, text); });
}

juce::String fromBytes (const char* bytes, size_t size)
{
    // As a file's content arrives: the bytes unchecked.
    return juce::String (juce::CharPointer_UTF8 (bytes), juce::CharPointer_UTF8 (bytes + size));
}

juce::String fromCodePoints (const std::vector<juce::juce_wchar>& codes)
{
    auto terminated = codes;
    terminated.push_back (0);
    return juce::String (juce::CharPointer_UTF32 (terminated.data()));
}

/** Any code point at all, weighted towards what breaks writers: controls, blanks, markup, references,
    surrogates and values past U+10FFFF. */
juce::String randomPath (juce::Random& random)
{
    static const char* const fragments[] = { "&amp;", "&#13;", "&#x0;", "]]>", "<?x?>", "<!--", "</File>", "\r\n", " ", "\n" };
    juce::String path;
    const int length = random.nextInt (8) == 0 ? 900 + random.nextInt (300) : 1 + random.nextInt (24);

    while (path.length() < length)
    {
        switch (random.nextInt (8))
        {
            case 0:  path << fragments[random.nextInt (juce::numElementsInArray (fragments))]; break;
            case 1:  path << fromCodePoints ({ 1 + random.nextInt (31) }); break;
            case 2:  path << fromCodePoints ({ 0xd800 + random.nextInt (0x800) }); break;
            case 3:  path << fromCodePoints ({ 0x10000 + random.nextInt (0x100000) }); break;
            case 4:  path << fromCodePoints ({ 0x110000 + random.nextInt (0xf0000) }); break;
            case 5:  path << fromCodePoints ({ 1 + random.nextInt (0xffff) }); break;
            default: path << fromCodePoints ({ 32 + random.nextInt (95) }); break;
        }
    }

    return path;
}

std::unique_ptr<DeviceSettings> documentWithRandomPaths (juce::Random& random)
{
    auto d = randomParameters (random);

    for (int i = 0; i < XPadEffectRecord::numSlots; ++i)
    {
        if (random.nextInt (5) == 0)
            continue;

        auto& slot = samplerSlot (*d, i);
        setSlotPath (slot, randomPath (random));
        slot.start = random.nextInt (1 << 30);
        slot.end = random.nextInt (1 << 30);
        slot.loop = random.nextInt (2);
        slot.tempo = random.nextInt (100000);
        slot.fixState = random.nextInt (3);
        slot.gainIndex = random.nextInt (256);
        slot.loopPresent = slot.tempoPresent = 1;     // what the reader sets for a slot with a path
    }

    return d;
}

std::vector<char16_t> unitsOf (const SamplerSlot& slot)
{
    std::vector<char16_t> units;
    for (int i = 0; slot.filePath[i] != 0; ++i)
        units.push_back (slot.filePath[i]);
    return units;
}

} // namespace

//==============================================================================
TEST (DocumentXmlHostile, AProcessingInstructionBeforeTextEndsAndChangesNothing)
{
    const auto reset = resetDocument();
    const auto valid = createSettingsText (*reset, *reset, {});
    const juce::String texts[] = {
        processingInstructionText,
        declaration + "\n<QZT-7200 version=\"1.0\"><IsolateFx><Lock>1</Lock><?x?>b</IsolateFx></QZT-7200>",
        declaration + "<?other?><QZT-7200 version=\"1.0\"></QZT-7200>",
        valid.replace ("<QZT-7200 version=\"1.1\">", "<QZT-7200 version=\"1.1\"><?x?>b"),
    };

    for (const auto& text : texts)
    {
        auto d = resetDocument();
        d->isolateLock = 1;
        const auto before = *d;
        const int result = parseWithin (*d, text);
        EXPECT_EQ (result, settingsDidNotParse) << text;

        // Refused before anything is read, except a second part refused after the first one.
        if (! text.contains ("1.1\"><?x?>"))
        {
            EXPECT_TRUE (sameBytes (*d, before)) << text;
        }
    }
}

TEST (DocumentXmlHostile, MalformedTextsEndWithoutReadingPastTheirEnd)
{
    const auto open = declaration + "<QZT-7200 version=\"1.0\"><IsolateFx><Lock>";
    const auto close = "</Lock></IsolateFx></QZT-7200>";
    const char strayBytes[] = "<?xml version=\"1.0\"?><QZT-7200 version=\"1.0\"><IsolateFx><Lock>1\xbb\xa6</Lock></IsolateFx></QZT-7200>";
    const char cutCharacter[] = "<?xml version=\"1.0\"?><QZT-7200 version=\"1.0\"></QZT-7200>\xf0";

    const juce::String texts[] = {
        open + "&#x" + close,                       // a reference that never ends
        open + "1&#x" ,
        open + "&#12345678901234;" + close,
        open + "&nbsp;" + close,
        declaration + "<!DOCTYPE x [<!ENTITY a \"<b>&a;</b>\">]><QZT-7200 version=\"1.0\">&a;</QZT-7200>",
        open + "1</lock></IsolateFx></QZT-7200>",   // mismatched end tag
        open + "<!-- never closed" + close,
        declaration + "<QZT-7200 version=\"1.0\" a=\"<\"></QZT-7200>",
        declaration + juce::String::repeatedString ("<QZT-7200 version=\"1.0\">", 100000),
        fromBytes (strayBytes, sizeof (strayBytes) - 1),
        fromBytes (cutCharacter, sizeof (cutCharacter) - 1),
    };

    for (const auto& text : texts)
    {
        auto d = resetDocument();
        EXPECT_EQ (parseWithin (*d, text), settingsDidNotParse) << text.substring (0, 200);
    }

    // Deep nesting would take the parser's recursion down with it.
    const auto deep = open + juce::String::repeatedString ("<a>", 200000) + juce::String::repeatedString ("</a>", 200000) + close;
    EXPECT_EQ (DocumentXmlText::read (deep), nullptr);
    EXPECT_NE (DocumentXmlText::read (juce::String::repeatedString ("<a>", DocumentXmlText::maximumDepth)
                                      + juce::String::repeatedString ("</a>", DocumentXmlText::maximumDepth)), nullptr);
}

TEST (DocumentXmlHostile, WellFormedTextsOfEveryKindStillRead)
{
    const juce::String texts[] = {
        "<a/>",
        "\n  <?xml version=\"1.0\"?>\n<!-- c --><a x = 'y&AMP;&#x41;&#65;' z=\"&quot;&apos;&lt;&gt;\">t<![CDATA[<&]]>"
        "<!-- c -->u<b\n/></a >\n<!-- after -->\n",
    };

    for (const auto& text : texts)
        EXPECT_NE (DocumentXmlText::read (text), nullptr) << text;

    auto element = DocumentXmlText::read (texts[1]);
    EXPECT_EQ (element->getStringAttribute ("x"), "y&AA");
    EXPECT_EQ (element->getAllSubText(), "t<&u");
}

TEST (DocumentXmlPaths, ValuesUtf16CannotCarryAreStoredAsReplacementCharacters)
{
    auto d = resetDocument();
    const auto text = declaration + "<QZT-7200 version=\"1.0\"><XpadFx><Sampler>"
                    "<Bank1Slot1><File>a&#55296;b</File></Bank1Slot1>"
                    "<Bank1Slot2><File>&#1114112;</File></Bank1Slot2>"
                    "<Bank1Slot3><File>&#56320;&#55296;x&#x1F3B5;</File></Bank1Slot3>"
                    "</Sampler></XpadFx></QZT-7200>";
    ASSERT_EQ (parseWithin (*d, text), settingsNoSecondPart);

    const auto fffd = juce::String::charToString (0xfffd);
    EXPECT_EQ (getSlotPath (samplerSlot (*d, 0)), "a" + fffd + "b");
    EXPECT_EQ (getSlotPath (samplerSlot (*d, 1)), fffd);
    EXPECT_EQ (getSlotPath (samplerSlot (*d, 2)), fffd + fffd + "x" + juce::String::charToString (0x1f3b5));
    EXPECT_EQ (unitsOf (samplerSlot (*d, 1)), std::vector<char16_t> { 0xfffd });

    // Saved and loaded again, each slot names the same file.
    auto again = resetDocument();
    ASSERT_EQ (parseWithin (*again, createSettingsText (*d, *d, {})), settingsReadOk);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ (unitsOf (samplerSlot (*again, i)), unitsOf (samplerSlot (*d, i))) << i;
}

TEST (DocumentXmlPaths, CarriageReturnsAndBlankPathsComeBackUnchanged)
{
    const juce::String paths[] = { "a\rb", "a\r\nb\r", "\r", " ", "\n", " \t\n", " lead", "trail \n" };
    auto d = resetDocument();
    for (int i = 0; i < juce::numElementsInArray (paths); ++i)
        setSlotPath (samplerSlot (*d, i), paths[i]);

    const auto text = createSettingsText (*d, *d, {});
    EXPECT_TRUE (text.contains ("<File>a&#13;b</File>"));
    EXPECT_TRUE (text.contains ("<File>&#32;</File>"));

    auto read = resetDocument();
    ASSERT_EQ (parseWithin (*read, text), settingsReadOk);
    for (int i = 0; i < juce::numElementsInArray (paths); ++i)
        EXPECT_EQ (getSlotPath (samplerSlot (*read, i)), paths[i]) << i;
}

TEST (DocumentXmlPaths, RandomDocumentsComeBackByteForByte)
{
    juce::Random random (2718);

    for (int round = 0; round < 60; ++round)
    {
        const auto written = documentWithRandomPaths (random);
        const auto text = createSettingsText (*written, *written, { false, true });
        for (auto c : text.toStdString())
            ASSERT_LT ((unsigned char) c, 128) << "texts are plain ASCII";

        auto read = resetDocument();
        ASSERT_EQ (parseWithin (*read, text), settingsReadOk) << round;

        for (int i = 0; i < XPadEffectRecord::numSlots; ++i)
            EXPECT_EQ (unitsOf (samplerSlot (*read, i)), unitsOf (samplerSlot (*written, i))) << round << " slot " << i;
        ASSERT_TRUE (sameBytes (*read, *written)) << round;

        // What the unit gets back as text is the same text.
        EXPECT_EQ (createSettingsText (*read, *read, { false, true }), text);
    }
}
