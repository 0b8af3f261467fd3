#include "core/MidiThread.h"

#include "core/DocumentXml.h"
#include "core/JuceMidiPortProvider.h"

#include <chrono>

namespace
{
constexpr juce::uint64 packFetchWord (juce::uint64 generation, juce::uint64 status) noexcept
{
    return (generation << 8) | status;
}

constexpr juce::uint64 fetchGenerationOf (juce::uint64 word) noexcept   { return word >> 8; }
constexpr juce::uint64 fetchStatusOf (juce::uint64 word) noexcept       { return word & 0xff; }

BodyColor colourFromReply (int byte) noexcept
{
    switch (byte)
    {
        case 2:  return BodyColor::white;
        case 3:  return BodyColor::platinum;
        default: return BodyColor::black;
    }
}
} // namespace

//==============================================================================
MidiThread::MidiThread (MidiLinkHost& h, BodyColor currentBodyColour)
    : MidiThread (h, currentBodyColour, std::make_unique<JuceMidiPortProvider>(), nullptr, {})
{
}

MidiThread::MidiThread (MidiLinkHost& h, BodyColor currentBodyColour, MidiPortProvider& p, MidiLinkTimings t)
    : MidiThread (h, currentBodyColour, nullptr, &p, t)
{
}

MidiThread::MidiThread (MidiLinkHost& h, BodyColor currentBodyColour, std::unique_ptr<MidiPortProvider> owned,
                        MidiPortProvider* external, MidiLinkTimings t)
    : juce::Thread ("midiThread"),
      host (h),
      ownedPorts (std::move (owned)),
      ports (external != nullptr ? *external : *ownedPorts),
      timings (t),
      unitColour (currentBodyColour),
      received (createDeviceSettings())
{
    for (auto& time : replyTimes)
        time = never;

    // At start-up only the unit's own name counts; the "USB" fallback is left to the thread.
    connectDevice (unitPortName, false);

    if (connectionState.load() == statePortUnavailable)
        portBusy = true;
    else
        startThread();
}

MidiThread::~MidiThread()
{
    signalThreadShouldExit();
    replyArrived.signal();      // cut short a handshake wait
    stopThread (1000);

    // Also when the thread never ran or has already closed them.
    closeInput();
    closeOutput();
}

//==============================================================================
juce::int64 MidiThread::nowMs() noexcept
{
    using namespace std::chrono;
    return duration_cast<milliseconds> (steady_clock::now().time_since_epoch()).count();
}

int MidiThread::replyIndex (int command) noexcept
{
    switch (command)
    {
        case SysExCommand::unitNotice1:     return 0;
        case SysExCommand::unitNotice2:     return 1;
        case SysExCommand::handshake:       return 2;
        case SysExCommand::settingsRequest: return 3;
        case SysExCommand::versionRequest:  return 4;
        case SysExCommand::selectorQuery:   return 5;
        case SysExCommand::colourQuery:     return 6;
        default:                            return -1;
    }
}

//==============================================================================
bool MidiThread::sendSysEx (int command, const void* payload, size_t payloadSize)
{
    const auto message = SysExFrame::createMessage (SysExFrame::fromProgram, command, payload, payloadSize);

    if (! message.has_value())
        return false;

    const juce::ScopedLock sl (sendLock);

    if (output == nullptr)
        return false;

    sending = true;
    output->sendMessageNow (*message);
    noteHeartbeat();
    sending = false;
    return true;
}

void MidiThread::sendActiveSensing()
{
    const juce::ScopedLock sl (sendLock);

    if (output != nullptr)
        output->sendMessageNow (juce::MidiMessage (0xfe));
}

void MidiThread::closeInput()
{
    if (input != nullptr)
    {
        input->stop();
        input.reset();
    }
}

void MidiThread::closeOutput()
{
    const juce::ScopedLock sl (sendLock);
    output.reset();
    outputOpen = false;
}

//==============================================================================
bool MidiThread::awaitReply (int command, juce::int64 sendTime)
{
    const auto index = replyIndex (command);
    const auto deadline = sendTime + timings.replyMs;

    for (;;)
    {
        const auto replied = replyTimes[index].load();

        if (replied >= sendTime && replied <= deadline && lastAcceptedCommand.load() == command)
            return true;

        const auto remaining = deadline - nowMs();

        if (remaining < 0 || threadShouldExit())
            return false;

        replyArrived.wait ((int) remaining + 1);
    }
}

bool MidiThread::tryHandshake()
{
    const auto sent = nowMs();
    return sendSysEx (SysExCommand::handshake) && awaitReply (SysExCommand::handshake, sent);
}

MidiThread::ConnectResult MidiThread::connectDevice (const juce::String& name, bool loose)
{
    const auto outputs = ports.getOutputs();

    if (outputs.isEmpty())
    {
        connectionState = stateNotConnected;
        return ConnectResult::noOutput;
    }

    bool outputFailed = false, inputFailed = false, handshakeFailed = false;

    for (const auto& outputInfo : outputs)
    {
        if (threadShouldExit())
            break;

        if (! outputInfo.name.contains (name))
            continue;

        {
            const juce::ScopedLock sl (sendLock);
            output.reset();
            output = ports.openOutput (outputInfo);
            outputOpen = output != nullptr;
        }

        if (! outputOpen)
        {
            outputFailed = true;
            continue;
        }

        for (const auto& inputInfo : ports.getInputs())
        {
            if (threadShouldExit())
                break;

            if (! inputInfo.name.contains (name))
                continue;

            input = ports.openInput (inputInfo, *this);

            if (input == nullptr)
            {
                inputFailed = true;
                continue;
            }

            input->start();

            if (tryHandshake())
            {
                connectionState = stateConnected;

                const auto sent = nowMs();

                if (! (sendSysEx (SysExCommand::colourQuery) && awaitReply (SysExCommand::colourQuery, sent)))
                    unitColour = BodyColor::black;

                // At start-up the owner applies the colour itself once the window exists.
                if (isThreadRunning())
                {
                    const juce::MessageManagerLock mml (this);

                    if (mml.lockWasGained())
                        host.applyBodyColorMode();
                }

                return ConnectResult::connected;
            }

            // Another port of the same name may be the one that answers: go on with it, in both
            // searches, rather than give up on the first silent one.
            handshakeFailed = true;
            closeInput();
        }

        closeOutput();
    }

    closeInput();
    closeOutput();

    if (! loose && outputFailed)
    {
        connectionState = statePortUnavailable;
        return ConnectResult::noOutput;
    }

    if (! loose && inputFailed)
    {
        connectionState = statePortUnavailable;
        return ConnectResult::noAnswer;
    }

    connectionState = stateNotConnected;
    return handshakeFailed ? ConnectResult::noAnswer : ConnectResult::noMatchingPort;
}

//==============================================================================
void MidiThread::run()
{
    int silentRounds = 0;

    while (! threadShouldExit())
    {
        if (connectionState.load() == stateConnected)
        {
            sendActiveSensing();
            wait (timings.roundMs);

            if (threadShouldExit())
                break;

            // Anything from the unit, or anything we sent, counts as a sign of life; so does a
            // frame still on its way out, which may hold up the unit's answers.
            if (heartbeatSeen.exchange (false) || sending.load())
            {
                silentRounds = 0;
            }
            else if (++silentRounds >= timings.silentRounds)
            {
                silentRounds = 0;
                connectionState = stateNotConnected;
                closeInput();
                closeOutput();
                wait (timings.roundMs);
            }
        }
        else
        {
            silentRounds = 0;

            if (connectDevice (unitPortName, false) == ConnectResult::noMatchingPort && ! threadShouldExit())
                connectDevice (fallbackPortName, true);

            wait (timings.roundMs);
        }

        updateIndicator();
    }

    closeInput();
    closeOutput();
}

void MidiThread::updateIndicator()
{
    const bool connected = isConnected();

    if (connected == indicatorShown || threadShouldExit())
        return;

    // Never under the send lock: the message thread may be waiting for it while it holds this one.
    const juce::MessageManagerLock mml (this);

    if (! mml.lockWasGained())
        return;     // asked to stop; or try again next round

    host.setDeviceConnected (connected);
    indicatorShown = connected;
}

//==============================================================================
void MidiThread::handleIncomingMidiMessage (juce::MidiInput*, const juce::MidiMessage& message)
{
    const auto* raw = message.getRawData();
    const auto size = message.getRawDataSize();

    if (size == 1 && raw[0] == 0xfe)
    {
        noteHeartbeat();
        return;
    }

    SysExFrame::Parsed frame;

    if (! SysExFrame::parse (frame, raw, size, SysExFrame::fromUnit))
        return;

    const auto index = replyIndex (frame.command);

    if (index < 0)
        return;

    switch (frame.command)
    {
        case SysExCommand::versionRequest:
            if (! frame.isConsistent() || frame.payloadSize != 3)
                return;

            unitVersion = frame.payload[0] * 100 + frame.payload[1] * 10 + frame.payload[2];
            break;

        case SysExCommand::selectorQuery:
            if (! frame.isConsistent() || frame.payloadSize != 1)
                return;

            selectorByte = frame.payload[0];
            break;

        case SysExCommand::colourQuery:
            if (! frame.isConsistent() || frame.payloadSize != 1)
                return;

            unitColour = colourFromReply (frame.payload[0]);
            break;

        case SysExCommand::unitNotice1:
        case SysExCommand::unitNotice2:
        case SysExCommand::handshake:
            if (frame.lengthField != 0 || frame.payloadSize != 0)
                return;

            break;

        case SysExCommand::settingsRequest:
            // The length field of a dump is not relied on: the payload is what the frame holds.
            takeSettingsDump (frame);
            break;

        default:
            return;
    }

    replyTimes[index] = nowMs();
    lastAcceptedCommand = frame.command;
    noteHeartbeat();
    replyArrived.signal();
}

//==============================================================================
void MidiThread::beginSettingsRequest()
{
    ++fetchGeneration;

    if (! isConnected())
    {
        fetchWord.store (packFetchWord (fetchGeneration, fetchEmpty), std::memory_order_release);
        return;
    }

    fetchWord.store (packFetchWord (fetchGeneration, fetchWaiting), std::memory_order_release);

    if (! sendSysEx (SysExCommand::settingsRequest))
    {
        auto expected = packFetchWord (fetchGeneration, fetchWaiting);
        fetchWord.compare_exchange_strong (expected, packFetchWord (fetchGeneration, fetchEmpty),
                                           std::memory_order_acq_rel);
    }
}

int MidiThread::getSettingsRequestStatus() const noexcept
{
    const auto status = fetchStatusOf (fetchWord.load (std::memory_order_acquire));
    return status == fetchClosed ? fetchWaiting : (int) status;
}

int MidiThread::endSettingsRequest() noexcept
{
    auto word = packFetchWord (fetchGeneration, fetchWaiting);

    if (fetchWord.compare_exchange_strong (word, packFetchWord (fetchGeneration, fetchClosed),
                                           std::memory_order_acq_rel, std::memory_order_acquire))
        return fetchWaiting;

    const auto status = fetchStatusOf (word);
    return status == fetchClosed ? fetchWaiting : (int) status;
}

bool MidiThread::applyReceivedSettings (DeviceSettings& current)
{
    const auto word = fetchWord.load (std::memory_order_acquire);
    const auto status = fetchStatusOf (word);

    if (fetchGenerationOf (word) != fetchGeneration || (status != fetchApplied && status != fetchNoSecondPart))
        return false;

    // The unit knows nothing of the files behind the slots: keep ours.
    for (int i = 0; i < numUnitSlots; ++i)
        samplerSlot (*received, i) = samplerSlot (current, i);

    current = *received;
    return true;
}

void MidiThread::takeSettingsDump (const SysExFrame::Parsed& frame)
{
    // One taker at a time; the word is read only after that, so that no dump is parsed into
    // `received` once an outcome has been published and the owner may be reading it.
    if (dumpBeingTaken.exchange (true, std::memory_order_acquire))
        return;

    auto word = fetchWord.load (std::memory_order_acquire);

    if (fetchStatusOf (word) == fetchWaiting)
    {
        int outcome = fetchEmpty;

        if (frame.lengthField != 0 && frame.payloadSize > 0)
        {
            resetDeviceSettings (*received, false);
            const auto result = parseSettingsText (*received, SysExFrame::decodeSettingsDump (frame.payload,
                                                                                              frame.payloadSize));
            outcome = result == settingsReadOk         ? fetchApplied
                    : result == settingsNoSecondPart   ? fetchNoSecondPart
                                                       : fetchDidNotParse;
        }

        // Fails when the request has ended or another has begun meanwhile: then nothing changes.
        fetchWord.compare_exchange_strong (word, packFetchWord (fetchGenerationOf (word), (juce::uint64) outcome),
                                           std::memory_order_acq_rel, std::memory_order_relaxed);
    }

    dumpBeingTaken.store (false, std::memory_order_release);
}
