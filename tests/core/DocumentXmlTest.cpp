#include "core/DocumentKeys.h"
#include "core/DocumentXml.h"
#include "JuceTestPrinters.h"
#include "TestDocuments.h"

#include <gtest/gtest.h>
#include <cstring>

namespace
{
using namespace TestDocuments;

/** Every value the format carries set at random within its range, slots with paths. */
std::unique_ptr<DeviceSettings> randomDocument (juce::Random& random, int rows)
{
    auto d = randomParameters (random);

    for (int i = 0; i < rows * slotsPerBank; ++i)
    {
        auto& slot = samplerSlot (*d, i);
        if (random.nextInt (4) == 0)
            continue;
        setSlotPath (slot, juce::String::fromUTF8 ("/home/dj/\xc3\x9c" "ber/\xe6\x97\xa5\xe6\x9c\xac/\xf0\x9f\x8e\xb5 ")
                             + juce::String (i) + " & <\"'>.wav");
        slot.start = random.nextInt (1 << 30);
        slot.end = random.nextInt();
        slot.end = slot.end < 0 ? -(slot.end + 1) : slot.end;
        slot.loop = random.nextInt (2);
        slot.tempo = random.nextInt (100000);
        slot.fixState = random.nextInt (3);
        slot.gainIndex = random.nextInt (256);
    }
    return d;
}

/** What a reader can bring back: the reader fills the present flags, nothing else of that kind. */
void markPresent (DeviceSettings& d, int rows)
{
    for (int i = 0; i < rows * slotsPerBank; ++i)
        if (! slotPathIsEmpty (samplerSlot (d, i)))
            samplerSlot (d, i).loopPresent = samplerSlot (d, i).tempoPresent = 1;
}

juce::String fullText (const DeviceSettings& d, SettingsWriteFlags flags = {})
{
    return createSettingsText (d, d, flags);
}

int numChildren (const juce::XmlElement& e) { return e.getNumChildElements(); }
} // namespace

TEST (DocumentXmlRoundTrip, FactoryDefaultsComeBackIdentical)
{
    auto written = resetDocument();
    auto read = resetDocument();
    read->isolate[IsolateEffect::isolator][1] = 0;     // make sure the reader really writes

    const auto text = fullText (*written);
    EXPECT_TRUE (text.startsWith ("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"));
    EXPECT_EQ (text.indexOf (1, "<?xml"), -1) << "the second part has no declaration of its own";
    EXPECT_EQ (parseSettingsText (*read, text), settingsReadOk);
    EXPECT_TRUE (sameBytes (*written, *read));
}

TEST (DocumentXmlRoundTrip, RandomDocumentsWithNonAsciiPathsSurviveBothParts)
{
    juce::Random random (1234);

    for (int round = 0; round < 20; ++round)
    {
        auto written = randomDocument (random, 5);
        auto read = resetDocument();

        const auto text = fullText (*written, { false, true });
        for (auto c : text.toStdString())
            ASSERT_LT ((unsigned char) c, 128) << "text must be plain ASCII";

        ASSERT_EQ (parseSettingsText (*read, text), settingsReadOk);
        markPresent (*written, 5);
        EXPECT_TRUE (sameBytes (*written, *read)) << "round " << round;
    }
}

TEST (DocumentXmlRoundTrip, FilesCarryNeitherLoopNorTempoNorTheFifthRow)
{
    juce::Random random (99);
    auto written = randomDocument (random, 5);
    setSlotPath (samplerSlot (*written, 0), "/a.wav");
    setSlotPath (samplerSlot (*written, 17), "/spare.wav");
    auto read = resetDocument();

    const auto text = fullText (*written);
    EXPECT_FALSE (text.contains ("<Loop>"));
    EXPECT_FALSE (text.contains ("<Bpm>"));
    EXPECT_FALSE (text.contains ("Bank5"));
    ASSERT_EQ (parseSettingsText (*read, text), settingsReadOk);

    EXPECT_EQ (getSlotPath (samplerSlot (*read, 0)), "/a.wav");
    EXPECT_EQ (samplerSlot (*read, 0).loop, 0);
    EXPECT_EQ (samplerSlot (*read, 0).loopPresent, 0);
    EXPECT_EQ (samplerSlot (*read, 0).gainIndex, samplerSlot (*written, 0).gainIndex);
    EXPECT_TRUE (slotPathIsEmpty (samplerSlot (*read, 17)));

    // The unit's text has no sampler at all.
    const auto unitText = fullText (*written, { true, false });
    EXPECT_FALSE (unitText.contains ("Sampler"));
    EXPECT_FALSE (unitText.contains ("Bank"));
    EXPECT_TRUE (unitText.contains ("<Sub1MinSld>"));
}

TEST (DocumentXmlRoundTrip, CharacterOutsideTheBasicPlaneIsOneEntity)
{
    auto d = resetDocument();
    setSlotPath (samplerSlot (*d, 2), juce::String::charToString (0x1f3b5) + ".wav");
    const auto text = fullText (*d);
    EXPECT_TRUE (text.contains ("&#127925;.wav"));
    EXPECT_FALSE (text.contains ("&#55356;"));
}

TEST (DocumentXmlNoise, SlidersAreNarrowedInTheOlderPart)
{
    auto d = resetDocument();
    d->scene[SceneEffect::noise][7] = 6;     // minimum: clamped to 3
    d->scene[SceneEffect::noise][8] = 5;     // maximum: wraps to 0

    auto v10 = createSettingsElementV10 (*d, *d, {});
    auto* noiseElement = v10->getChildByName ("SceneFx")->getChildByName ("Noise");
    EXPECT_EQ (noiseElement->getChildElementAllSubText ("Sub1MinSld", {}), "3");
    EXPECT_EQ (noiseElement->getChildElementAllSubText ("Sub1MaxSld", {}), "0");

    auto v11 = createSettingsElementV11 (*d, *d, {});
    EXPECT_EQ (v11->getChildByName ("SceneFx")->getChildByName ("Noise")->getChildElementAllSubText ("Sub1MaxSld", {}), "5");
    EXPECT_EQ (v11->getChildByName ("SceneFx")->getChildByName ("Lock"), nullptr);

    auto both = resetDocument();
    EXPECT_EQ (parseSettingsText (*both, fullText (*d)), settingsReadOk);
    EXPECT_EQ (both->scene[SceneEffect::noise][7], 6);
    EXPECT_EQ (both->scene[SceneEffect::noise][8], 5);

    auto onlyFirst = resetDocument();
    const auto firstPart = fullText (*d).upToFirstOccurrenceOf ("</QZT-7200>", true, false);
    EXPECT_EQ (parseSettingsText (*onlyFirst, firstPart), settingsNoSecondPart);
    EXPECT_EQ (onlyFirst->scene[SceneEffect::noise][7], 3);
    EXPECT_EQ (onlyFirst->scene[SceneEffect::noise][8], 0);
}

TEST (DocumentXmlDifference, SaysExactlyWhatChanged)
{
    auto a = resetDocument();
    auto b = resetDocument();
    setSlotPath (samplerSlot (*a, 5), "/x.wav");
    setSlotPath (samplerSlot (*b, 5), "/x.wav");

    auto v10 = createSettingsElementV10 (*a, *b, { false, true });
    auto v11 = createSettingsElementV11 (*a, *b, { false, true });
    EXPECT_EQ (numChildren (*v10), 0);
    EXPECT_EQ (numChildren (*v11), 0);
    EXPECT_EQ (v10->getStringAttribute ("version"), "1.0");

    a->release[ReleaseEffect::echo][4] = 0;
    v10 = createSettingsElementV10 (*a, *b, { false, true });
    ASSERT_EQ (numChildren (*v10), 1);
    auto* releaseFx = v10->getChildByName ("ReleaseFx");
    ASSERT_NE (releaseFx, nullptr);
    ASSERT_EQ (numChildren (*releaseFx), 1);
    auto* echo = releaseFx->getChildByName ("Echo");
    ASSERT_NE (echo, nullptr);
    ASSERT_EQ (numChildren (*echo), 1);
    EXPECT_EQ (echo->getChildElement (0)->getTagName(), "FeedbackCb");
    EXPECT_EQ (echo->getChildElement (0)->getAllSubText(), "0");
    EXPECT_EQ (numChildren (*createSettingsElementV11 (*a, *b, { false, true })), 0);

    // A changed gain of a used slot shows in the newer part only.
    a->release[ReleaseEffect::echo][4] = 1;
    samplerSlot (*a, 5).gainIndex = 3;
    EXPECT_EQ (numChildren (*createSettingsElementV10 (*a, *b, { false, true })), 0);
    EXPECT_EQ (createSettingsText (*a, *b, { false, true }).contains ("<Gain>3</Gain>"), true);

    // The unit never hears about slots.
    EXPECT_FALSE (createSettingsText (*a, *b, { true, false }).contains ("Gain"));
}

TEST (DocumentXmlDifference, SamplerSlotsDifferOnEveryComparedField)
{
    auto a = resetDocument();
    auto b = resetDocument();
    EXPECT_FALSE (samplerSlotsDiffer (*a, *b));

    samplerSlot (*a, 19).length = 5;
    samplerSlot (*a, 19).sampleRate = 5;
    EXPECT_FALSE (samplerSlotsDiffer (*a, *b));

    for (auto field : { &SamplerSlot::start, &SamplerSlot::end, &SamplerSlot::loop, &SamplerSlot::tempo,
                        &SamplerSlot::fixState, &SamplerSlot::gainIndex })
    {
        auto c = std::make_unique<DeviceSettings> (*b);
        samplerSlot (*c, 19).*field += 1;
        EXPECT_TRUE (samplerSlotsDiffer (*c, *b));
    }

    setSlotPath (samplerSlot (*a, 0), "/a.wav");
    setSlotPath (samplerSlot (*b, 0), "/A.wav");
    EXPECT_TRUE (samplerSlotsDiffer (*a, *b));
}

TEST (DocumentXmlReader, CaseOfElementsButNotOfTheRoot)
{
    auto d = resetDocument();
    const juce::String text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<QZT-7200 version=\"1.0\"><isolatefx><lock>1</lock>"
                              "<ISOLATOR><lowmincb> 2</lowmincb></ISOLATOR></isolatefx></QZT-7200>";
    EXPECT_EQ (parseSettingsText (*d, text), settingsNoSecondPart);
    EXPECT_EQ (d->isolateLock, 1);
    EXPECT_EQ (d->isolate[IsolateEffect::isolator][1], 2);

    auto e = resetDocument();
    EXPECT_EQ (parseSettingsText (*e, text.replace ("QZT-7200", "qzt-7200")), settingsNoFirstPart);

    // A text with no declaration in front: the marker at the first character is not seen.
    EXPECT_EQ (parseSettingsText (*e, "<QZT-7200 version=\"1.0\"></QZT-7200>"), settingsNoFirstPart);
}

TEST (DocumentXmlReader, ValuesAreParsedWithinBoundsAndNeverWrap)
{
    auto d = resetDocument();
    auto isolatorWith = [] (const juce::String& value)
    {
        return "<QZT-7200 version=\"1.0\"><IsolateFx><Isolator><LowMinCb>" + value
               + "</LowMinCb></Isolator></IsolateFx></QZT-7200>";
    };
    auto read = [&] (const juce::String& value)
    {
        d->isolate[IsolateEffect::isolator][1] = 1;
        return readSettingsElementV10 (*d, juce::parseXML (isolatorWith (value)).get());
    };

    EXPECT_EQ (read ("3"), settingsReadOk);
    EXPECT_EQ (d->isolate[IsolateEffect::isolator][1], 3);
    EXPECT_EQ (read ("+2"), settingsReadOk);
    EXPECT_EQ (d->isolate[IsolateEffect::isolator][1], 2);
    EXPECT_EQ (read ("  3xyz"), settingsReadOk);
    EXPECT_EQ (d->isolate[IsolateEffect::isolator][1], 3);
    EXPECT_EQ (read ("abc"), settingsReadOk);
    EXPECT_EQ (d->isolate[IsolateEffect::isolator][1], 0);
    EXPECT_EQ (read ("4"), settingsValueOutOfRange);
    EXPECT_EQ (d->isolate[IsolateEffect::isolator][1], 1);
    EXPECT_EQ (read ("-1"), settingsValueOutOfRange);
    EXPECT_EQ (read ("4294967297"), settingsValueOutOfRange);
    EXPECT_EQ (read ("99999999999999999999999999"), settingsValueOutOfRange);
    EXPECT_EQ (d->isolate[IsolateEffect::isolator][1], 1);

    auto slotWith = [] (const juce::String& inner)
    {
        return "<QZT-7200 version=\"1.0\"><XpadFx><Sampler><Bank1Slot2><File>/a.wav</File>" + inner
               + "</Bank1Slot2></Sampler></XpadFx></QZT-7200>";
    };
    EXPECT_EQ (readSettingsElementV10 (*d, juce::parseXML (slotWith ("<Start>-1</Start>")).get()), settingsValueOutOfRange);
    EXPECT_EQ (readSettingsElementV10 (*d, juce::parseXML (slotWith ("<End>2147483648</End>")).get()), settingsValueOutOfRange);
    EXPECT_EQ (readSettingsElementV10 (*d, juce::parseXML (slotWith ("<End>2147483647</End><Bpm>99999</Bpm>")).get()), settingsReadOk);
    EXPECT_EQ (samplerSlot (*d, 1).end, 2147483647);
    EXPECT_EQ (samplerSlot (*d, 1).tempoPresent, 1);
    EXPECT_EQ (samplerSlot (*d, 1).loopPresent, 0);

    const juce::String gainText = "<QZT-7200 version=\"1.1\"><XpadFx><Sampler><Bank1Slot1><Gain>256</Gain>"
                                  "</Bank1Slot1></Sampler></XpadFx></QZT-7200>";
    EXPECT_EQ (readSettingsElementV11 (*d, juce::parseXML (gainText).get()), settingsValueOutOfRange);

    samplerSlot (*d, 0).gainIndex = 7;
    const juce::String noGain = "<QZT-7200 version=\"1.1\"><XpadFx><Sampler><Bank1Slot1><FixState>2</FixState>"
                                "</Bank1Slot1></Sampler></XpadFx></QZT-7200>";
    EXPECT_EQ (readSettingsElementV11 (*d, juce::parseXML (noGain).get()), settingsReadOk);
    EXPECT_EQ (samplerSlot (*d, 0).gainIndex, 128);
    EXPECT_EQ (samplerSlot (*d, 0).fixState, 2);
}

TEST (DocumentXmlReader, MalformedTextsGiveTheirCodes)
{
    const auto valid = fullText (*resetDocument());
    const auto secondStart = valid.indexOf ("<QZT-7200 version=\"1.1\"");
    const juce::String declaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";

    const std::pair<juce::String, int> cases[] = {
        { {}, settingsNoFirstPart },
        { "garbage", settingsNoFirstPart },
        { declaration + "<QZT-7200 version=\"1.1\"></QZT-7200>", settingsNoFirstPart },
        { declaration + "<QZT-7200 version=\"1.0\">", settingsDidNotParse },
        { declaration + "<QZT-7200 version=\"1.0\"><IsolateFx></QZT-7200>", settingsDidNotParse },
        { declaration + "<QZT-7200 version=\"1.0x\"></QZT-7200>", settingsNoFirstPart },
        { declaration + "<QZT-7200 version=\"1.00\"></QZT-7200>", settingsNoFirstPart },
        // Parts out of order: the first end tag closes the wrong part.
        { declaration + "<QZT-7200 version=\"1.1\"></QZT-7200><QZT-7200 version=\"1.0\"></QZT-7200>", settingsWrongVersion },
        { valid.substring (0, secondStart) + "<QZT-7200 version=\"1.1\"><SceneFx>", settingsDidNotParse },
        { valid.replace ("<Lock>0</Lock>", "<Lock>2</Lock>"), settingsValueOutOfRange },
    };

    for (const auto& [text, expected] : cases)
    {
        auto d = resetDocument();
        EXPECT_EQ (parseSettingsText (*d, text), expected) << text;
    }
}

TEST (DocumentXmlReader, EveryTruncationOfAValidTextIsHandled)
{
    auto original = resetDocument();
    setSlotPath (samplerSlot (*original, 0), "/s.wav");
    const auto valid = fullText (*original);
    const int firstEnd = valid.indexOf ("</QZT-7200>") + 11;
    const int secondMarker = valid.indexOf ("<QZT-7200 version=\"1.1\"");
    const int secondEnd = valid.lastIndexOf ("</QZT-7200>") + 11;

    for (int length = 0; length < valid.length(); ++length)
    {
        auto d = resetDocument();
        const int result = parseSettingsText (*d, valid.substring (0, length));

        if (length < firstEnd)
            EXPECT_TRUE (result == settingsNoFirstPart || result == settingsDidNotParse) << length;
        else if (length < secondMarker + 23)
            EXPECT_EQ (result, settingsNoSecondPart) << length;
        else if (length < secondEnd)
            EXPECT_EQ (result, settingsDidNotParse) << length;
        else
            EXPECT_EQ (result, settingsReadOk) << length;
    }
}

TEST (DocumentXmlReader, DifferenceTextsWithAnEmptyPartReadBack)
{
    auto before = resetDocument();
    auto after = resetDocument();
    after->xpad[XPadEffect::pitch].values[3] = 4;      // only the older part carries it

    const auto text = createSettingsText (*after, *before, { true, false });
    ASSERT_TRUE (text.contains ("<QZT-7200 version=\"1.1\"/>"));

    auto unitSide = resetDocument();
    EXPECT_EQ (parseSettingsText (*unitSide, text), settingsReadOk);
    EXPECT_EQ (unitSide->xpad[XPadEffect::pitch].values[3], 4);

    after->scene[SceneEffect::noise][8] = 6;             // now the newer part too; the older one writes it narrowed
    before->xpad[XPadEffect::pitch].values[3] = 4;
    const auto both = createSettingsText (*after, *before, { true, false });
    EXPECT_EQ (parseSettingsText (*unitSide, both), settingsReadOk);
    EXPECT_EQ (unitSide->scene[SceneEffect::noise][8], 6);

    // No change at all: both roots close at once, and the text still reads as a whole.
    auto same = std::make_unique<DeviceSettings> (*after);
    const auto nothing = createSettingsText (*after, *same, { true, false });
    EXPECT_TRUE (nothing.contains ("<QZT-7200 version=\"1.0\"/>"));
    auto untouched = std::make_unique<DeviceSettings> (*unitSide);
    EXPECT_EQ (parseSettingsText (*unitSide, nothing), settingsReadOk);
    EXPECT_TRUE (sameBytes (*unitSide, *untouched));

    // Cut inside the second root tag, or anywhere before the end of it, it is not a whole text.
    const int secondRoot = nothing.indexOf ("<QZT-7200 version=\"1.1\"");
    for (int length = secondRoot + 23; length < nothing.indexOf (secondRoot, "/>") + 2; ++length)
        EXPECT_EQ (parseSettingsText (*unitSide, nothing.substring (0, length)), settingsDidNotParse) << length;
}
