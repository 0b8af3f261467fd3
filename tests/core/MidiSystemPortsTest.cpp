#include "core/JuceMidiPortProvider.h"
#include "core/MidiThread.h"
#include "LinkTestHost.h"
#include "TestEnums.h"

#include <gtest/gtest.h>

namespace
{
class DummyCallback : public juce::MidiInputCallback
{
    void handleIncomingMidiMessage (juce::MidiInput*, const juce::MidiMessage&) override {}
};
} // namespace

// These machines have no MIDI sequencer; where one exists the lists are whatever it holds.
TEST (MidiSystemPorts, WithoutASequencerTheLinkWaitsQuietly)
{
    if (juce::File ("/dev/snd/seq").exists())
        GTEST_SKIP() << "this machine has a MIDI sequencer";

    EXPECT_FALSE (JuceMidiPortProvider::isMidiServiceAvailable());

    JuceMidiPortProvider provider;
    DummyCallback callback;

    ::testing::internal::CaptureStderr();

    for (int i = 0; i < 3; ++i)
    {
        EXPECT_TRUE (provider.getOutputs().isEmpty());
        EXPECT_TRUE (provider.getInputs().isEmpty());
    }

    EXPECT_EQ (provider.openOutput ({ "QZT-7200", "128:0" }), nullptr);
    EXPECT_EQ (provider.openInput ({ "QZT-7200", "128:0" }, callback), nullptr);

    {
        // The link on the system's ports: offline but running, and it retries without a word.
        LinkTestHost host;
        MidiThread link (host, BodyColor::white);
        EXPECT_EQ (link.getConnectionState(), MidiThread::stateNotConnected);
        EXPECT_FALSE (link.isPortBusy());
        EXPECT_TRUE (link.isThreadRunning());
        pumpFor (3 * MidiLinkTimings::defaultRoundMs);
        EXPECT_EQ (link.getConnectionState(), MidiThread::stateNotConnected);
        EXPECT_EQ (link.getUnitColour(), BodyColor::white);
        EXPECT_TRUE (host.getIndicatorCalls().empty());
    }

    EXPECT_EQ (::testing::internal::GetCapturedStderr(), "");
}
