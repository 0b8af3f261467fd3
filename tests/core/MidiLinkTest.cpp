#include "core/MidiThread.h"
#include "LinkTestHost.h"
#include "LinkTestTimings.h"
#include "SimulatedUnit.h"
#include "TestEnums.h"

#include <gtest/gtest.h>

namespace
{
using Clock = std::chrono::steady_clock;

int msSince (Clock::time_point start)
{
    return (int) std::chrono::duration_cast<std::chrono::milliseconds> (Clock::now() - start).count();
}

std::vector<SimulatedUnit::Port> ports (std::initializer_list<SimulatedUnit::Port> list)
{
    return list;
}

class MidiLink : public ::testing::Test
{
protected:
    // Fast enough for a quick suite, slow enough that a reply is never late on a loaded machine.
    static MidiLinkTimings fastTimings()    { return scaledTimings ({ 50, 100, 5 }); }

    void open (MidiLinkTimings timings = fastTimings(), BodyColor bodyColour = BodyColor::black)
    {
        link = std::make_unique<MidiThread> (host, bodyColour, unit, timings);
    }

    bool waitForState (int state, int timeoutMs)
    {
        return pumpUntil ([&] { return link->getConnectionState() == state; }, timeoutMs);
    }

    int destroyLinkTimed()
    {
        const auto start = Clock::now();
        link.reset();
        return msSince (start);
    }

    SimulatedUnit unit;
    LinkTestHost host;
    std::unique_ptr<MidiThread> link;
};
} // namespace

//==============================================================================
TEST_F (MidiLink, ConnectsAtStartUpAndShowsItFromTheThreadOnce)
{
    open();

    EXPECT_EQ (link->getConnectionState(), MidiThread::stateConnected);
    EXPECT_FALSE (link->isPortBusy());
    EXPECT_TRUE (link->isThreadRunning());
    EXPECT_TRUE (link->isOutputOpen());

    // The first connection runs on the constructing thread and leaves the colour to the window.
    const auto frames = unit.getReceivedFrames();
    ASSERT_GE (frames.size(), 2u);
    EXPECT_EQ (frames[0].command, SysExCommand::handshake);
    EXPECT_EQ (frames[0].port, "QZT-7200 MIDI 1");
    EXPECT_EQ (frames[0].sender, juce::Thread::getCurrentThreadId());
    EXPECT_EQ (frames[1].command, SysExCommand::colourQuery);
    EXPECT_EQ (link->getUnitColour(), BodyColor::white);

    ASSERT_TRUE (pumpUntil ([&] { return host.lastIndicatorIs (true); }, scaledMs (2000)));
    pumpFor (6 * fastTimings().roundMs);

    EXPECT_EQ (host.getIndicatorCalls(), std::vector<bool> { true });
    EXPECT_EQ (host.getColourApplications(), 0);
    EXPECT_FALSE (host.everCalledWithoutLock());
    EXPECT_EQ (unit.countFrames (SysExCommand::handshake), 1);
    EXPECT_GE (unit.getActiveSensingCount(), 3);
}

TEST_F (MidiLink, BodyColourFollowsTheUnitsReply)
{
    const std::pair<int, BodyColor> cases[] = { { 2, BodyColor::white }, { 3, BodyColor::platinum }, { 7, BodyColor::black },
                                                { 0, BodyColor::black }, { -1, BodyColor::black } };

    for (auto [byte, colour] : cases)
    {
        unit.setColourByte (byte);     // -1: the unit does not answer
        open (fastTimings(), BodyColor::platinum);
        EXPECT_TRUE (link->isConnected());
        EXPECT_EQ (link->getUnitColour(), colour) << "colour byte " << byte;
        link.reset();
    }

    // Without a unit the colour stays what the window had.
    unit.setPorts ({}, {});
    open (fastTimings(), BodyColor::platinum);
    EXPECT_EQ (link->getUnitColour(), BodyColor::platinum);
}

TEST_F (MidiLink, SilentPortsOfTheSameNameArePassedOver)
{
    unit.setPorts (ports ({ { "Midi Through Port-0", false }, { "QZT-7200 Editor", false }, { "QZT-7200 MIDI 1", true } }),
                   ports ({ { "QZT-7200 Editor", false }, { "QZT-7200 MIDI 1", true } }));
    open();

    EXPECT_TRUE (link->isConnected());
    EXPECT_EQ (unit.getOpenOutputCount(), 1);
    EXPECT_EQ (unit.getOpenInputCount(), 1);

    int toDecoy = 0;

    for (auto& f : unit.getReceivedFrames())
    {
        EXPECT_NE (f.port, "Midi Through Port-0");

        if (f.port == "QZT-7200 Editor")
            ++toDecoy;
    }

    // decoy output with both inputs, then the unit's output with the decoy input and its own
    EXPECT_EQ (toDecoy, 2);
    EXPECT_EQ (unit.countFrames (SysExCommand::handshake), 2);
}

TEST_F (MidiLink, UsbPortIsTakenByTheThreadButNotAtStartUp)
{
    unit.setPorts (ports ({ { "USB Audio Device", false }, { "USB MIDI Interface", true } }),
                   ports ({ { "USB Audio Device", false }, { "USB MIDI Interface", true } }));
    unit.setColourByte (3);
    const auto messageThread = juce::Thread::getCurrentThreadId();
    open();

    ASSERT_TRUE (waitForState (MidiThread::stateConnected, scaledMs (3000)));

    const auto frames = unit.getReceivedFrames();
    ASSERT_FALSE (frames.empty());

    for (auto& f : frames)
        EXPECT_NE (f.sender, messageThread);

    // The window is asked to apply the colour once the unit has told it.
    ASSERT_TRUE (pumpUntil ([&] { return host.lastIndicatorIs (true); }, scaledMs (2000)));
    EXPECT_EQ (host.getColourApplications(), 1);
    EXPECT_EQ (link->getUnitColour(), BodyColor::platinum);
    EXPECT_FALSE (host.everCalledWithoutLock());
}

TEST_F (MidiLink, SendingFromTheWindowWhileTheThreadConnectsNeverBlocks)
{
    // The thread reaches the window under the message-manager lock while the window may be
    // sending; it must never hold the send lock while it waits for the other one.
    unit.setPorts (SimulatedUnit::unitPorts ("USB MIDI Interface"), SimulatedUnit::unitPorts ("USB MIDI Interface"));
    open();

    const auto start = Clock::now();

    while (! (host.getColourApplications() == 1 && host.lastIndicatorIs (true)) && msSince (start) < scaledMs (3000))
    {
        link->sendSysEx (SysExCommand::versionRequest);
        juce::MessageManager::getInstance()->runDispatchLoopUntil (1);
    }

    EXPECT_EQ (host.getColourApplications(), 1);
    EXPECT_TRUE (host.lastIndicatorIs (true));
    EXPECT_GT (unit.countFrames (SysExCommand::versionRequest), 0);
}

TEST_F (MidiLink, PortThatCannotBeOpenedLeavesTheLinkOfflineForGood)
{
    unit.setPorts (ports ({ { "QZT-7200 MIDI 1", true, true } }), ports ({ { "QZT-7200 MIDI 1", true } }));
    open();

    EXPECT_TRUE (link->isPortBusy());
    EXPECT_EQ (link->getConnectionState(), MidiThread::statePortUnavailable);
    EXPECT_FALSE (link->isThreadRunning());

    // The port comes free, but nothing tries it again during this run.
    unit.setPorts (SimulatedUnit::unitPorts ("QZT-7200 MIDI 1"), SimulatedUnit::unitPorts ("QZT-7200 MIDI 1"));
    pumpFor (4 * fastTimings().roundMs);

    EXPECT_EQ (link->getConnectionState(), MidiThread::statePortUnavailable);
    EXPECT_TRUE (unit.getReceivedFrames().empty());
    EXPECT_FALSE (link->sendSysEx (SysExCommand::versionRequest));
    EXPECT_TRUE (host.getIndicatorCalls().empty());
    EXPECT_LT (destroyLinkTimed(), scaledMs (100));

    // An input held elsewhere counts the same.
    unit.setPorts (SimulatedUnit::unitPorts ("QZT-7200 MIDI 1"), ports ({ { "QZT-7200 MIDI 1", true, true } }));
    open();
    EXPECT_TRUE (link->isPortBusy());
    EXPECT_FALSE (link->isThreadRunning());
    EXPECT_FALSE (link->isOutputOpen());
    link.reset();
    EXPECT_EQ (unit.getOpenOutputCount(), 0);
}

TEST_F (MidiLink, SilentUnitIsLostWithinAboutASecondAndFoundAgainAfterReplug)
{
    open (scaledTimings (MidiLinkTimings {}));
    ASSERT_TRUE (pumpUntil ([&] { return host.lastIndicatorIs (true); }, scaledMs (2000)));

    const auto silentSince = Clock::now();
    unit.setSilent (true);
    ASSERT_TRUE (waitForState (MidiThread::stateNotConnected, scaledMs (3000)));
    const auto lostAfter = msSince (silentSince);
    EXPECT_GE (lostAfter, scaledMs (800));
    EXPECT_LE (lostAfter, scaledMs (1800));
    EXPECT_TRUE (pumpUntil ([&] { return ! link->isOutputOpen(); }, scaledMs (1000)));
    ASSERT_TRUE (pumpUntil ([&] { return host.lastIndicatorIs (false); }, scaledMs (1000)));

    unit.unplug();
    unit.setSilent (false);
    pumpFor (scaledMs (300));
    EXPECT_EQ (link->getConnectionState(), MidiThread::stateNotConnected);

    const auto pluggedAt = Clock::now();
    unit.replug();
    ASSERT_TRUE (waitForState (MidiThread::stateConnected, scaledMs (2000)));
    EXPECT_LE (msSince (pluggedAt), scaledMs (500));     // the next round, plus the handshake
    ASSERT_TRUE (pumpUntil ([&] { return host.lastIndicatorIs (true); }, scaledMs (1000)));
    EXPECT_EQ (host.getIndicatorCalls(), (std::vector<bool> { true, false, true }));
    EXPECT_EQ (host.getColourApplications(), 1);
}

TEST_F (MidiLink, ActiveSensingAloneKeepsTheLink)
{
    unit.setActiveSensingIntervalMs (scaledMs (30));
    open();
    ASSERT_TRUE (link->isConnected());

    // From now on the unit answers nothing, so a reconnection would fail and show.
    unit.setAnswersHandshake (false);
    unit.setColourByte (-1);

    const auto rounds = 12;
    EXPECT_FALSE (pumpUntil ([&] { return ! link->isConnected(); }, rounds * fastTimings().roundMs));
    EXPECT_EQ (unit.countFrames (SysExCommand::handshake), 1);
    EXPECT_GE (unit.getActiveSensingCount(), rounds / 2);

    unit.setActiveSensingIntervalMs (0);
    EXPECT_TRUE (waitForState (MidiThread::stateNotConnected, 20 * fastTimings().roundMs));
}

TEST_F (MidiLink, RepliesAreReadFromWellFormedFramesOnly)
{
    open();
    ASSERT_TRUE (link->isConnected());

    unit.setVersionBytes (1, 0, 2);
    ASSERT_TRUE (link->sendSysEx (SysExCommand::versionRequest));
    ASSERT_TRUE (SimulatedUnit::waitFor ([&] { return link->getUnitVersion() == 102; }, scaledMs (2000)));

    unit.setSelectorByte (16);
    ASSERT_TRUE (link->sendSysEx (SysExCommand::selectorQuery));
    ASSERT_TRUE (SimulatedUnit::waitFor ([&] { return link->getSelectorByte() == 16; }, scaledMs (2000)));

    link->clearUnitVersion();
    EXPECT_EQ (link->getUnitVersion(), -1);

    const auto delivered = unit.getDeliveredCount();
    const std::initializer_list<int> header { 0xf0, 0x00, 0x66, 0x1d, 0x00, 0x02, 0x0b, 0x07, 0x21, 0x01 };
    auto frame = [&] (std::initializer_list<int> rest)
    {
        std::vector<int> bytes (header);
        bytes.insert (bytes.end(), rest);
        std::vector<juce::uint8> raw (bytes.begin(), bytes.end());
        unit.sendRaw (raw.data(), (int) raw.size());
    };

    frame ({ 0x00, 0x03, 0x21, 0, 0, 0, 0, 0, 0, 0, 4, 2, 0, 5, 0xf7 });          // length 4, three bytes
    frame ({ 0x00, 0x03, 0x21, 0, 0, 0, 0, 0, 0, 0, 2, 2, 0, 0xf7 });             // length 2, two bytes
    frame ({ 0x00, 0x03, 0x21, 0, 0, 0, 0, 0, 0, 0x10, 3, 2, 0, 5, 0xf7 });       // a nibble of 16
    frame ({ 0x00, 0x03, 0x21, 0, 0, 0, 0, 0, 0, 0, 3, 2, 0, 5 });                // no F7
    frame ({ 0x00, 0x03, 0x22, 0, 0, 0, 0, 0, 0, 0, 3, 2, 0, 5, 0xf7 });          // a command we do not know
    frame ({ 0x00, 0x04, 0x01, 0, 0, 0, 0, 0, 0, 0, 2, 3, 3, 0xf7 });             // selector of two bytes
    unit.sendRaw ({ 0xf0, 0x00, 0x66, 0x1d, 0x00, 0x02, 0x0b, 0x07, 0x21, 0x02,   // our own direction
                    0x00, 0x03, 0x21, 0, 0, 0, 0, 0, 0, 0, 3, 2, 0, 5, 0xf7 });
    unit.sendRaw ({ 0x90, 0x3c, 0x7f });                                           // a note
    unit.sendRaw ({ 0xf0, 0xf7 });

    unit.setSplitsReplies (true);
    unit.setVersionBytes (3, 0, 0);
    ASSERT_TRUE (link->sendSysEx (SysExCommand::versionRequest));

    ASSERT_TRUE (SimulatedUnit::waitFor ([&] { return unit.getDeliveredCount() >= delivered + 11; }, scaledMs (2000)));
    EXPECT_EQ (link->getUnitVersion(), -1);
    EXPECT_EQ (link->getSelectorByte(), 16);

    unit.setSplitsReplies (false);
    ASSERT_TRUE (link->sendSysEx (SysExCommand::versionRequest));
    EXPECT_TRUE (SimulatedUnit::waitFor ([&] { return link->getUnitVersion() == 300; }, scaledMs (2000)));
}

TEST_F (MidiLink, SendingNeedsAnOpenOutputAndBytesMidiCanCarry)
{
    unit.setPorts ({}, {});
    open();
    EXPECT_EQ (link->getConnectionState(), MidiThread::stateNotConnected);
    EXPECT_FALSE (link->sendSysEx (SysExCommand::versionRequest));
    link.reset();

    unit.setPorts (SimulatedUnit::unitPorts ("QZT-7200 MIDI 1"), SimulatedUnit::unitPorts ("QZT-7200 MIDI 1"));
    open();
    ASSERT_TRUE (link->isConnected());
    unit.clearRecords();

    const juce::String accented (juce::CharPointer_UTF8 ("<a>caf\xc3\xa9</a>"));
    EXPECT_FALSE (link->sendSysEx (SysExCommand::settingsText, accented.toRawUTF8(), accented.getNumBytesAsUTF8()));
    EXPECT_TRUE (unit.getReceivedFrames().empty());

    const juce::uint8 payload[] = { 0x41, 0x42 };
    ASSERT_TRUE (link->sendSysEx (SysExCommand::settingsText, payload, 2));
    const auto frames = unit.getReceivedFrames();
    ASSERT_EQ (frames.size(), 1u);
    EXPECT_EQ (frames[0].command, SysExCommand::settingsText);
    EXPECT_EQ (frames[0].payload, juce::MemoryBlock (payload, 2));
}

//==============================================================================
TEST_F (MidiLink, DestroyingWhileConnectedIsQuickAndClosesEverything)
{
    open (scaledTimings (MidiLinkTimings {}));
    ASSERT_TRUE (pumpUntil ([&] { return host.lastIndicatorIs (true); }, scaledMs (2000)));

    const auto took = destroyLinkTimed();
    EXPECT_LT (took, scaledMs (1200));
    EXPECT_LT (took, scaledMs (400));      // the heartbeat wait is cut short, not waited out
    EXPECT_EQ (unit.getOpenOutputCount(), 0);
    EXPECT_EQ (unit.getOpenInputCount(), 0);

    const auto calls = host.getIndicatorCalls().size();
    pumpFor (scaledMs (300));
    EXPECT_EQ (host.getIndicatorCalls().size(), calls);
}

TEST_F (MidiLink, DestroyingInTheMiddleOfAHandshakeIsQuick)
{
    unit.setPorts ({}, {});
    open (scaledTimings (MidiLinkTimings {}));
    ASSERT_TRUE (link->isThreadRunning());

    // Many silent ports: the search would take seconds if it were not cut short.
    std::vector<SimulatedUnit::Port> decoys;

    for (int i = 0; i < 16; ++i)
        decoys.push_back ({ "QZT-7200 Port " + juce::String (i), false });

    unit.setPorts (decoys, decoys);
    ASSERT_TRUE (SimulatedUnit::waitFor ([&] { return ! unit.getReceivedFrames().empty(); }, scaledMs (2000)));

    const auto took = destroyLinkTimed();
    EXPECT_LT (took, scaledMs (1200));
    EXPECT_LT (took, scaledMs (400));      // a waiting handshake is cut short, not waited out
    EXPECT_EQ (unit.getOpenOutputCount(), 0);
    EXPECT_EQ (unit.getOpenInputCount(), 0);
}

TEST_F (MidiLink, DestroyingWhileTheMessageThreadIsBusyIsQuick)
{
    // The message loop is not run here, so the link thread waits for the message-manager lock to
    // show the connection; the owner's destructor must not wait for that.
    open (scaledTimings (MidiLinkTimings {}));
    ASSERT_TRUE (link->isConnected());
    ASSERT_TRUE (SimulatedUnit::waitFor ([&] { return unit.getActiveSensingCount() >= 1; }, scaledMs (2000)));
    juce::Thread::sleep (scaledMs (MidiLinkTimings::defaultRoundMs + 50));

    EXPECT_LT (destroyLinkTimed(), scaledMs (1200));
    EXPECT_TRUE (host.getIndicatorCalls().empty());
    EXPECT_EQ (unit.getOpenOutputCount(), 0);
    EXPECT_EQ (unit.getOpenInputCount(), 0);
}
