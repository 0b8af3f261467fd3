#pragma once

#include "core/BodyColor.h"
#include "core/DeviceSettings.h"
#include "core/MidiLinkHost.h"
#include "core/MidiPortProvider.h"
#include "core/SysExFrame.h"

#include <atomic>
#include <juce_events/juce_events.h>

/** The link's rhythm. The defaults are the unit's; tests may run faster. */
struct MidiLinkTimings
{
    static constexpr int defaultRoundMs = 200;
    static constexpr int defaultReplyMs = 100;
    static constexpr int defaultSilentRounds = 5;

    int roundMs = defaultRoundMs;           // heartbeat and retry cycle
    int replyMs = defaultReplyMs;           // how long a reply to a query is awaited
    int silentRounds = defaultSilentRounds; // rounds without a sign of life before the unit counts as gone
};

/** The link to the QZT-7200 over MIDI.

    It finds the unit's ports by name, proves with a handshake that the unit answers, keeps the
    link alive with active sensing, reconnects when the unit comes back, frames and sends System
    Exclusive commands, and decodes the unit's replies (version, SETTING selector, body colour and
    the settings dump).

    Threads: the owner (the message thread) constructs and destroys it, sends and fetches; the
    link's own thread runs the heartbeat and reconnects; the port provider's input thread delivers
    the unit's messages. The send lock guards every use of the output port and is never held while
    waiting for anything else.
*/
class MidiThread : public juce::Thread,
                   public juce::MidiInputCallback
{
public:
    enum ConnectionState
    {
        stateInitial = 0,
        stateNotConnected = 1,
        stateConnected = 2,     // the unit answered the handshake
        statePortUnavailable = 3  // a matching port could not be opened (held by another program)
    };

    /** The outcome of a settings fetch. */
    enum FetchStatus
    {
        fetchWaiting = 0,       // also: the request ended without an answer
        fetchApplied = 1,
        fetchEmpty = 2,         // an empty dump, or no unit to ask
        fetchDidNotParse = 3,
        fetchNoSecondPart = 4   // parsed without its "1.1" part; still usable
    };

    static constexpr const char* unitPortName = "QZT-7200";
    static constexpr const char* fallbackPortName = "USB";

    /** Connects to the unit on the calling thread, by its own port name only, then starts the link
        thread, unless a matching port could not be opened: then isPortBusy() is true and the link
        stays offline for the rest of its life. currentBodyColour is what getUnitColour() reports
        until the unit has told its own. */
    MidiThread (MidiLinkHost& host, BodyColor currentBodyColour);

    /** The same on ports of the caller's choosing, which must outlive the link. */
    MidiThread (MidiLinkHost& host, BodyColor currentBodyColour, MidiPortProvider& ports,
                MidiLinkTimings timings = {});

    /** Stops the thread (well within a second) and closes the ports; no callback of the host or of
        an input runs after this has returned. */
    ~MidiThread() override;

    int getConnectionState() const noexcept     { return connectionState.load(); }
    bool isConnected() const noexcept           { return connectionState.load() == stateConnected; }
    bool isPortBusy() const noexcept            { return portBusy; }
    bool isOutputOpen() const noexcept          { return outputOpen.load(); }
    const MidiLinkTimings& getTimings() const noexcept { return timings; }

    /** The unit's body colour; black when it did not say. */
    BodyColor getUnitColour() const noexcept    { return unitColour.load(); }

    /** first byte * 100 + second * 10 + third of the last version reply; -1 unknown. */
    int getUnitVersion() const noexcept         { return unitVersion.load(); }
    void clearUnitVersion() noexcept            { unitVersion = -1; }

    /** The last SETTING selector reply (16 = DEFAULT); -1 before any. */
    int getSelectorByte() const noexcept        { return selectorByte.load(); }
    void clearSelectorByte() noexcept           { selectorByte = -1; }
    static constexpr int selectorAtDefault = 16;

    /** Frames and sends a command at once. False when no output is open or the payload holds a
        byte that MIDI cannot carry (nothing is sent then). */
    bool sendSysEx (int command, const void* payload = nullptr, size_t payloadSize = 0);

    //==============================================================================
    // Fetching the unit's settings, all on the owner's thread:
    //   beginSettingsRequest(); poll getSettingsRequestStatus() until non-zero or time is up;
    //   status = endSettingsRequest(); on fetchApplied or fetchNoSecondPart, applyReceivedSettings().
    // Only a dump that comes while a request waits is taken; one that comes unasked or after its
    // request gave up is ignored, and one still being read when its request ends is dropped, even
    // when the next request has already begun.

    /** Starts a new request: asks the unit when connected, else the outcome is fetchEmpty at once. */
    void beginSettingsRequest();

    /** The outcome of the current request so far (read with acquire ordering). */
    int getSettingsRequestStatus() const noexcept;

    /** Stops waiting; returns the final outcome (fetchWaiting when nothing came). */
    int endSettingsRequest() noexcept;

    /** After fetchApplied or fetchNoSecondPart: the received settings replace `current`, except its
        16 unit sampler slots, which are kept. False (and nothing changed) otherwise. */
    bool applyReceivedSettings (DeviceSettings& current);

    //==============================================================================
    /** Called on the input thread of the port provider. */
    void handleIncomingMidiMessage (juce::MidiInput* source, const juce::MidiMessage& message) override;

private:
    MidiThread (MidiLinkHost&, BodyColor, std::unique_ptr<MidiPortProvider>, MidiPortProvider*, MidiLinkTimings);

    void run() override;

    /** How a connection attempt ended. */
    enum class ConnectResult
    {
        connected,
        noAnswer,           // the handshake went unanswered, or an input could not be opened
        noOutput,           // no MIDI outputs at all, or an output could not be opened
        noMatchingPort      // no port's name matched
    };

    ConnectResult connectDevice (const juce::String& name, bool loose);
    bool tryHandshake();
    bool awaitReply (int command, juce::int64 sendTime);
    void sendActiveSensing();
    void updateIndicator();
    void closeInput();
    void closeOutput();
    void takeSettingsDump (const SysExFrame::Parsed& frame);
    void noteHeartbeat() noexcept               { heartbeatSeen = true; }

    static juce::int64 nowMs() noexcept;
    static int replyIndex (int command) noexcept;

    MidiLinkHost& host;
    std::unique_ptr<MidiPortProvider> ownedPorts;
    MidiPortProvider& ports;
    const MidiLinkTimings timings;

    std::atomic<int> connectionState { stateInitial };
    bool portBusy = false;
    bool indicatorShown = false;    // link thread only; the Sync button starts out disabled

    juce::CriticalSection sendLock;
    std::unique_ptr<MidiOutputPort> output;     // guarded by sendLock
    std::atomic<bool> outputOpen { false };
    std::unique_ptr<MidiInputPort> input;       // link thread only (owner before and after it runs)
    std::atomic<bool> sending { false };

    std::atomic<bool> heartbeatSeen { false };
    static constexpr int numAcceptedCommands = 7;
    static constexpr juce::int64 never = std::numeric_limits<juce::int64>::min();
    std::atomic<juce::int64> replyTimes[numAcceptedCommands];
    std::atomic<int> lastAcceptedCommand { 0 };
    juce::WaitableEvent replyArrived;

    std::atomic<BodyColor> unitColour { BodyColor::black };
    std::atomic<int> unitVersion { -1 };
    std::atomic<int> selectorByte { -1 };

    // The fetch word holds the request's generation and its outcome, so that an outcome is only
    // ever published for the request it answers.
    static constexpr juce::uint64 fetchClosed = 0xff;
    std::atomic<juce::uint64> fetchWord { fetchClosed };
    juce::uint64 fetchGeneration = 0;           // owner's thread only
    std::atomic<bool> dumpBeingTaken { false };
    std::unique_ptr<DeviceSettings> received;   // written by the input thread only while a request waits

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MidiThread)
};
