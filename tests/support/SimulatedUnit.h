#pragma once

#include "core/DeviceSettings.h"
#include "core/MidiPortProvider.h"

#include <functional>
#include <juce_events/juce_events.h>
#include <memory>
#include <vector>

/** A stand-in for the QZT-7200 and the system's MIDI ports, for tests of the link.

    It lists ports of its own, some of them the unit's and some decoys, and hands out port objects
    for them. Frames sent to one of the unit's outputs reach the unit's thread, which decodes them
    and answers through every started input of the unit, as the system's MIDI input thread would;
    decoys swallow what they get and never answer. Every reply can be switched, delayed, split or
    left out, the unit can go silent or be unplugged, and tests may inject any raw bytes.

    Everything sent to any port is recorded; settings texts that reach the unit are parsed into its
    own document, so tests can see what the unit ended up holding.
*/
class SimulatedUnit : public MidiPortProvider,
                      private juce::Thread
{
public:
    struct Port
    {
        juce::String name;
        bool isUnit = true;         // false: a decoy that never answers
        bool failsToOpen = false;   // e.g. held by another program
    };

    struct ReceivedFrame
    {
        juce::String port;
        bool reachedUnit = false;
        int command = 0;
        juce::MemoryBlock payload;
        juce::Thread::ThreadID sender = nullptr;
    };

    /** Ports: a decoy "Midi Through Port-0" and the unit's "QZT-7200 MIDI 1", as output and input.
        The unit answers the handshake, reports colour byte 2, selector 1, version 1.00, sends its
        own document as settings dump, and sends active sensing every 100 ms. */
    SimulatedUnit();
    ~SimulatedUnit() override;

    //==============================================================================
    void setPorts (std::vector<Port> outputs, std::vector<Port> inputs);
    static std::vector<Port> unitPorts (const juce::String& name);     // one port of the unit

    /** The unit's ports vanish from the lists and its open ports go dead; replug brings back the
        ports (open ones stay dead, as after a real unplug). */
    void unplug();
    void replug();

    //==============================================================================
    void setAnswersHandshake (bool);
    void setColourByte (int byte);                  // -1: no reply
    void setSelectorByte (int byte);                // -1: no reply
    void setVersionBytes (int first, int second, int third);
    void clearVersionBytes();                       // no reply
    void setAnswersSettingsRequest (bool);
    void setSettingsDumpText (const juce::String& text);        // sent in the unit's encoding
    void setSettingsDumpPayload (const juce::MemoryBlock& raw); // sent as it stands
    void useOwnDocumentForDump();                   // the default
    void setReplyDelayMs (int);
    void setActiveSensingIntervalMs (int);          // 0: none
    void setSilent (bool);                          // no replies, no active sensing
    void setSplitsReplies (bool);                   // every reply frame arrives as two messages

    /** The unit sends a frame of its own at once (direction "from the unit"). */
    void sendFrame (int command, const void* payload = nullptr, size_t payloadSize = 0);

    /** Any bytes, delivered as one message through the unit's inputs. */
    void sendRaw (const void* bytes, int size);
    void sendRaw (std::initializer_list<int> bytes);

    /** A settings text as the unit sends it in a dump: its bytes with zero pairs as padding and
        one closing byte, which the reader drops. */
    static juce::MemoryBlock encodeSettingsDump (const juce::String& text);

    //==============================================================================
    std::vector<ReceivedFrame> getReceivedFrames() const;
    int countFrames (int command) const;                // frames that reached the unit
    int getActiveSensingCount() const;                  // FE bytes that reached the unit
    int getMalformedCount() const;
    int getSettingsReceivedCount() const;               // settings texts parsed by the unit
    int getLastParseResult() const;
    juce::String getLastSettingsText() const;
    int getDumpsSentCount() const;
    int getDeliveredCount() const;                      // messages other than FE the unit has sent out
    void clearRecords();

    std::unique_ptr<DeviceSettings> copyDocument() const;
    void setDocument (const DeviceSettings&);

    int getOpenOutputCount() const;
    int getOpenInputCount() const;

    /** Waits (without pumping any message loop) until the condition holds; false at the deadline. */
    static bool waitFor (const std::function<bool()>& condition, int timeoutMs);

    //==============================================================================
    juce::Array<juce::MidiDeviceInfo> getOutputs() override;
    juce::Array<juce::MidiDeviceInfo> getInputs() override;
    std::unique_ptr<MidiOutputPort> openOutput (const juce::MidiDeviceInfo&) override;
    std::unique_ptr<MidiInputPort> openInput (const juce::MidiDeviceInfo&, juce::MidiInputCallback&) override;

    struct Core;

private:
    void run() override;
    void handleFrame (const juce::MidiMessage& message);
    void queueReply (int command, const void* payload, size_t payloadSize);
    void queueMessage (const juce::MidiMessage& message, int delayMs);

    std::shared_ptr<Core> core;
};
