#include "Deadline.h"
#include "core/DocumentKeys.h"
#include "core/DocumentXml.h"
#include "core/MidiThread.h"
#include "JuceTestPrinters.h"
#include "LinkTestHost.h"
#include "LinkTestTimings.h"
#include "SimulatedUnit.h"
#include "TestDocuments.h"

#include <cstring>
#include <gtest/gtest.h>
#include <thread>

namespace
{
using namespace TestDocuments;

class MidiFetch : public ::testing::Test
{
protected:
    void SetUp() override
    {
        link = std::make_unique<MidiThread> (host, BodyColor::black, unit, scaledTimings ({ 50, 100, 5 }));
        ASSERT_TRUE (link->isConnected());

        current = resetDocument();
        setSlotPath (samplerSlot (*current, 0), "/samples/kick.wav");
        samplerSlot (*current, 0).gainIndex = 90;
        setSlotPath (samplerSlot (*current, 15), "/samples/last.wav");
        setSlotPath (samplerSlot (*current, 17), "/samples/editor-only.wav");
    }

    /** As Update Setting does it: poll every 10 ms (on the tests' time scale), at most `polls` times. */
    int fetch (int polls = 100)
    {
        link->beginSettingsRequest();

        for (int i = 0; i < polls && link->getSettingsRequestStatus() == MidiThread::fetchWaiting; ++i)
            juce::Thread::sleep (scaledMs (10));

        return link->endSettingsRequest();
    }

    void waitUntilDelivered (int count)
    {
        ASSERT_TRUE (SimulatedUnit::waitFor ([&] { return unit.getDeliveredCount() >= count; }, scaledMs (3000)));
    }

    SimulatedUnit unit;
    LinkTestHost host;
    std::unique_ptr<MidiThread> link;
    std::unique_ptr<DeviceSettings> current;
    juce::Random random { 2024 };
};

juce::String firstPartOnly (const juce::String& text)
{
    return text.upToFirstOccurrenceOf ("</QZT-7200>", true, false);
}
} // namespace

//==============================================================================
TEST_F (MidiFetch, DumpReplacesTheSettingsButKeepsOurSamples)
{
    auto unitDocument = randomParameters (random);
    unitDocument->scene[SceneEffect::noise][8] = 5;      // only the newer part can carry it
    unit.setDocument (*unitDocument);
    const auto before = *current;

    ASSERT_EQ (fetch(), MidiThread::fetchApplied);
    ASSERT_TRUE (link->applyReceivedSettings (*current));

    EXPECT_TRUE (sameParameters (*current, *unitDocument));
    EXPECT_EQ (current->scene[SceneEffect::noise][8], 5);

    for (int i = 0; i < numUnitSlots; ++i)
        EXPECT_EQ (std::memcmp (&samplerSlot (*current, i), &samplerSlot (before, i), sizeof (SamplerSlot)), 0) << i;

    // The editor's fifth row does not travel to the unit and comes back empty.
    EXPECT_TRUE (slotPathIsEmpty (samplerSlot (*current, 17)));
    EXPECT_EQ (unit.countFrames (SysExCommand::settingsRequest), 1);
}

TEST_F (MidiFetch, EveryOutcomeOfADump)
{
    auto unitDocument = randomParameters (random);
    const auto fullText = createSettingsText (*unitDocument, *unitDocument, { true, false });

    // Without its newer part: usable, and said so.
    unit.setSettingsDumpText (firstPartOnly (fullText));
    ASSERT_EQ (fetch(), MidiThread::fetchNoSecondPart);
    auto expected = *unitDocument;
    expected.scene[SceneEffect::noise][7] = juce::jmin (expected.scene[SceneEffect::noise][7], 3);
    expected.scene[SceneEffect::noise][8] = expected.scene[SceneEffect::noise][8] > 3 ? 0 : expected.scene[SceneEffect::noise][8];
    ASSERT_TRUE (link->applyReceivedSettings (*current));
    EXPECT_TRUE (sameParameters (*current, expected));

    // Texts that do not parse leave the document alone.
    const auto kept = *current;
    const juce::String broken[] = { "garbage", fullText.substring (0, fullText.length() / 2),
                                    fullText.replace ("<Lock>", "<Lock>9") };

    for (auto& text : broken)
    {
        unit.setSettingsDumpText (text);
        EXPECT_EQ (fetch(), MidiThread::fetchDidNotParse) << text.substring (0, 60);
        EXPECT_FALSE (link->applyReceivedSettings (*current));
        EXPECT_EQ (std::memcmp (current.get(), &kept, sizeof (DeviceSettings)), 0);
    }

    // An empty dump, by payload or by its length field.
    unit.setSettingsDumpPayload ({});
    EXPECT_EQ (fetch(), MidiThread::fetchEmpty);

    unit.setAnswersSettingsRequest (false);
    link->beginSettingsRequest();
    unit.sendRaw ({ 0xf0, 0x00, 0x66, 0x1d, 0x00, 0x02, 0x0b, 0x07, 0x21, 0x01, 0x00, 0x03, 0x12,
                    0, 0, 0, 0, 0, 0, 0, 0, 0x41, 0x42, 0x00, 0xf7 });
    EXPECT_TRUE (SimulatedUnit::waitFor ([&] { return link->getSettingsRequestStatus() != 0; }, scaledMs (2000)));
    EXPECT_EQ (link->endSettingsRequest(), MidiThread::fetchEmpty);
    EXPECT_FALSE (link->applyReceivedSettings (*current));

    // No answer at all.
    EXPECT_EQ (fetch (10), MidiThread::fetchWaiting);
    EXPECT_FALSE (link->applyReceivedSettings (*current));
    EXPECT_EQ (std::memcmp (current.get(), &kept, sizeof (DeviceSettings)), 0);
}

TEST_F (MidiFetch, ADumpThatOnceHungTheParserIsGarbageAndTheLinkGoesOn)
{
    // A processing instruction before text inside an element made the framework's parser loop
    // for ever on the link's thread: no outcome was ever published and no later dump was taken.
    const juce::String declaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    const juce::String hostile[] = {
        declaration + "<QZT-7200 version=\"1.0\"><?x?>b</QZT-7200>",
        declaration + "<QZT-7200 version=\"1.0\"></QZT-7200><QZT-7200 version=\"1.1\"><SceneFx><?x?>b</SceneFx></QZT-7200>",
    };
    const auto kept = *current;

    for (const auto& text : hostile)
    {
        unit.setSettingsDumpText (text);
        const int outcome = returnsWithin (std::chrono::milliseconds (scaledMs (1000)), "the dump's parse", [&]
        {
            link->beginSettingsRequest();
            while (link->getSettingsRequestStatus() == MidiThread::fetchWaiting)
                juce::Thread::sleep (1);
            return link->endSettingsRequest();
        });

        EXPECT_EQ (outcome, MidiThread::fetchDidNotParse) << text;
        EXPECT_FALSE (link->applyReceivedSettings (*current));
        EXPECT_EQ (std::memcmp (current.get(), &kept, sizeof (DeviceSettings)), 0);
    }

    auto unitDocument = randomParameters (random);
    unit.setDocument (*unitDocument);
    unit.useOwnDocumentForDump();
    ASSERT_EQ (fetch(), MidiThread::fetchApplied);
    ASSERT_TRUE (link->applyReceivedSettings (*current));
    EXPECT_TRUE (sameParameters (*current, *unitDocument));
}

TEST_F (MidiFetch, WithoutAUnitTheAnswerIsEmptyAtOnce)
{
    link.reset();
    unit.setPorts ({}, {});
    link = std::make_unique<MidiThread> (host, BodyColor::black, unit, scaledTimings ({ 50, 100, 5 }));
    unit.clearRecords();

    link->beginSettingsRequest();
    EXPECT_EQ (link->getSettingsRequestStatus(), MidiThread::fetchEmpty);
    EXPECT_EQ (link->endSettingsRequest(), MidiThread::fetchEmpty);
    EXPECT_TRUE (unit.getReceivedFrames().empty());
}

TEST_F (MidiFetch, LateOrUnaskedDumpsChangeNothing)
{
    const auto kept = *current;
    auto first = randomParameters (random);
    auto second = randomParameters (random);
    ASSERT_FALSE (sameParameters (*first, *second));

    // Unasked: ignored, and it does not count as the answer to the next request.
    unit.setAnswersSettingsRequest (false);
    const auto text = createSettingsText (*first, *first, { true, false });
    const auto payload = SimulatedUnit::encodeSettingsDump (text);
    const auto deliveredBefore = unit.getDeliveredCount();
    unit.sendFrame (SysExCommand::settingsRequest, payload.getData(), payload.getSize());
    waitUntilDelivered (deliveredBefore + 1);
    EXPECT_FALSE (link->applyReceivedSettings (*current));
    EXPECT_EQ (link->getSettingsRequestStatus(), MidiThread::fetchWaiting);

    EXPECT_EQ (fetch (5), MidiThread::fetchWaiting);
    EXPECT_FALSE (link->applyReceivedSettings (*current));

    // Late: the request has given up when the dump comes.
    unit.setAnswersSettingsRequest (true);
    unit.setDocument (*first);
    unit.setReplyDelayMs (scaledMs (150));
    const auto delivered = unit.getDeliveredCount();
    EXPECT_EQ (fetch (5), MidiThread::fetchWaiting);
    waitUntilDelivered (delivered + 1);
    EXPECT_EQ (link->getSettingsRequestStatus(), MidiThread::fetchWaiting);
    EXPECT_FALSE (link->applyReceivedSettings (*current));
    EXPECT_EQ (std::memcmp (current.get(), &kept, sizeof (DeviceSettings)), 0);

    // The next request gets the unit's answer to it.
    unit.setReplyDelayMs (0);
    unit.setDocument (*second);
    ASSERT_EQ (fetch(), MidiThread::fetchApplied);
    ASSERT_TRUE (link->applyReceivedSettings (*current));
    EXPECT_TRUE (sameParameters (*current, *second));
}

TEST_F (MidiFetch, AnEmptyDumpIsAnAnswerOnlyToThePendingRequest)
{
    unit.setAnswersSettingsRequest (false);

    // Unasked, and late after a request gave up: neither becomes the next request's outcome.
    auto delivered = unit.getDeliveredCount();
    unit.sendFrame (SysExCommand::settingsRequest);
    waitUntilDelivered (delivered + 1);
    EXPECT_EQ (fetch (5), MidiThread::fetchWaiting);

    delivered = unit.getDeliveredCount();
    unit.sendFrame (SysExCommand::settingsRequest);
    waitUntilDelivered (delivered + 1);
    EXPECT_EQ (link->getSettingsRequestStatus(), MidiThread::fetchWaiting);
    EXPECT_EQ (fetch (5), MidiThread::fetchWaiting);

    // While a request waits, the same frame is its answer.
    link->beginSettingsRequest();
    unit.sendFrame (SysExCommand::settingsRequest);
    ASSERT_TRUE (SimulatedUnit::waitFor ([&] { return link->getSettingsRequestStatus() != MidiThread::fetchWaiting; }, scaledMs (3000)));
    EXPECT_EQ (link->endSettingsRequest(), MidiThread::fetchEmpty);
    EXPECT_FALSE (link->applyReceivedSettings (*current));
}

TEST_F (MidiFetch, RequestsRacingLateDumpsOnlyEverApplyWholeDocuments)
{
    // Dumps arrive around the moment each request gives up and the next begins; whatever is
    // applied must be one of the unit's documents, whole, never a mixture or a half-parsed one.
    std::unique_ptr<DeviceSettings> documents[] = { randomParameters (random), randomParameters (random) };
    int applied = 0;

    for (int round = 0; round < 40; ++round)
    {
        unit.setDocument (*documents[round % 2]);
        unit.setReplyDelayMs (scaledMs (random.nextInt (30)));

        link->beginSettingsRequest();
        const auto deadline = juce::Time::getMillisecondCounter() + (juce::uint32) random.nextInt (30);

        while (link->getSettingsRequestStatus() == MidiThread::fetchWaiting && juce::Time::getMillisecondCounter() < deadline)
            std::this_thread::yield();

        const auto status = link->endSettingsRequest();

        if (random.nextBool())
        {
            const auto text = createSettingsText (*documents[1 - round % 2], *documents[1 - round % 2], { true, false });
            const auto payload = SimulatedUnit::encodeSettingsDump (text);
            unit.sendFrame (SysExCommand::settingsRequest, payload.getData(), payload.getSize());
        }

        if (status == MidiThread::fetchApplied)
        {
            ASSERT_TRUE (link->applyReceivedSettings (*current));
            ++applied;
            EXPECT_TRUE (sameParameters (*current, *documents[0]) || sameParameters (*current, *documents[1])) << round;
            EXPECT_EQ (getSlotPath (samplerSlot (*current, 0)), "/samples/kick.wav");
        }
        else
        {
            EXPECT_EQ (status, MidiThread::fetchWaiting);
            EXPECT_FALSE (link->applyReceivedSettings (*current));
        }
    }

    EXPECT_GT (applied, 0);
}

TEST_F (MidiFetch, SentSettingsEndUpInTheUnitAndComeBack)
{
    auto sent = randomParameters (random);
    sent->scene[SceneEffect::noise][7] = 6;
    *current = *sent;

    // In full, then only what changed, as the settings are sent while Sync is on.
    const auto full = createSettingsText (*sent, *sent, { true, false });
    ASSERT_TRUE (link->sendSysEx (SysExCommand::settingsText, full.toRawUTF8(), full.getNumBytesAsUTF8()));
    ASSERT_TRUE (SimulatedUnit::waitFor ([&] { return unit.getSettingsReceivedCount() == 1; }, scaledMs (2000)));
    EXPECT_EQ (unit.getLastParseResult(), settingsReadOk);
    EXPECT_FALSE (unit.getLastSettingsText().contains ("Sampler"));
    EXPECT_TRUE (sameParameters (*unit.copyDocument(), *sent));

    auto changed = createDeviceSettings();
    *changed = *sent;
    changed->isolateLock = 1 - changed->isolateLock;
    changed->xpad[XPadEffect::xpad].values[16] = (changed->xpad[XPadEffect::xpad].values[16] + 1) % 16;
    const auto difference = createSettingsText (*changed, *sent, { true, false });
    EXPECT_LT (difference.length(), full.length() / 4);
    ASSERT_TRUE (link->sendSysEx (SysExCommand::settingsText, difference.toRawUTF8(), difference.getNumBytesAsUTF8()));
    ASSERT_TRUE (SimulatedUnit::waitFor ([&] { return unit.getSettingsReceivedCount() == 2; }, scaledMs (2000)));
    EXPECT_TRUE (sameParameters (*unit.copyDocument(), *changed));

    ASSERT_EQ (fetch(), MidiThread::fetchApplied);
    ASSERT_TRUE (link->applyReceivedSettings (*current));
    EXPECT_TRUE (sameParameters (*current, *changed));
}
