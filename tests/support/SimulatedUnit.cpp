#include "SimulatedUnit.h"

#include "core/DocumentXml.h"
#include "core/SysExFrame.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <deque>
#include <optional>
#include <thread>

namespace
{
juce::int64 nowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds> (steady_clock::now().time_since_epoch()).count();
}

juce::String identifierFor (bool output, int index)
{
    return juce::String (output ? "sim-out-" : "sim-in-") + juce::String (index);
}

class InputPort;
} // namespace

//==============================================================================
struct SimulatedUnit::Core
{
    // Guards everything below except the input registry.
    juce::CriticalSection lock;

    std::vector<Port> outputs, inputs;
    bool plugged = true;
    std::atomic<int> plugGeneration { 0 };

    bool answersHandshake = true;
    int colourByte = 2;
    int selectorByte = 1;
    std::optional<std::array<int, 3>> versionBytes = std::array<int, 3> { 1, 0, 0 };
    bool answersSettingsRequest = true;
    std::optional<juce::String> dumpText;
    std::optional<juce::MemoryBlock> dumpPayload;
    int replyDelayMs = 0;
    int activeSensingMs = 100;
    bool silent = false;
    bool splitsReplies = false;

    std::deque<juce::MidiMessage> inbox;
    struct Outgoing { juce::int64 due; juce::MidiMessage message; };
    std::deque<Outgoing> outbox;

    std::vector<ReceivedFrame> frames;
    int activeSensingCount = 0, malformedCount = 0, settingsReceived = 0, dumpsSent = 0, delivered = 0;
    int lastParseResult = -1;
    juce::String lastSettingsText;
    std::unique_ptr<DeviceSettings> document = createDeviceSettings();

    int openOutputs = 0;
    std::function<void()> wakeUnit;

    // Delivery to the inputs holds this, and so do start, stop and closing: once an input has
    // stopped, no callback of it is running.
    juce::CriticalSection deliveryLock;
    std::vector<InputPort*> openInputs;

    void deliver (const juce::MidiMessage& message);
};

namespace
{
class OutputPort : public MidiOutputPort
{
public:
    OutputPort (std::shared_ptr<SimulatedUnit::Core> c, SimulatedUnit::Port p)
        : core (std::move (c)), port (std::move (p)), generation (core->plugGeneration.load())
    {
        const juce::ScopedLock sl (core->lock);
        ++core->openOutputs;
    }

    ~OutputPort() override
    {
        const juce::ScopedLock sl (core->lock);
        --core->openOutputs;
    }

    void sendMessageNow (const juce::MidiMessage& message) override
    {
        const juce::ScopedLock sl (core->lock);
        const bool reachesUnit = port.isUnit && core->plugged && generation == core->plugGeneration.load();
        const auto* raw = message.getRawData();
        const auto size = message.getRawDataSize();

        if (size == 1 && raw[0] == 0xfe)
        {
            if (reachesUnit)
                ++core->activeSensingCount;

            return;
        }

        SysExFrame::Parsed frame;

        if (! SysExFrame::parse (frame, raw, size, SysExFrame::fromProgram) || ! frame.isConsistent())
        {
            ++core->malformedCount;
            return;
        }

        core->frames.push_back ({ port.name, reachesUnit, frame.command,
                                  juce::MemoryBlock (frame.payload, (size_t) frame.payloadSize),
                                  juce::Thread::getCurrentThreadId() });

        if (reachesUnit)
        {
            core->inbox.push_back (message);

            if (core->wakeUnit)
                core->wakeUnit();
        }
    }

private:
    std::shared_ptr<SimulatedUnit::Core> core;
    SimulatedUnit::Port port;
    int generation;
};

class InputPort : public MidiInputPort
{
public:
    InputPort (std::shared_ptr<SimulatedUnit::Core> c, SimulatedUnit::Port p, juce::MidiInputCallback& cb)
        : core (std::move (c)), port (std::move (p)), callback (cb), generation (core->plugGeneration.load())
    {
        const juce::ScopedLock sl (core->deliveryLock);
        core->openInputs.push_back (this);
    }

    ~InputPort() override
    {
        const juce::ScopedLock sl (core->deliveryLock);
        started = false;
        core->openInputs.erase (std::find (core->openInputs.begin(), core->openInputs.end(), this));
    }

    void start() override
    {
        const juce::ScopedLock sl (core->deliveryLock);
        started = true;
    }

    void stop() override
    {
        const juce::ScopedLock sl (core->deliveryLock);
        started = false;
    }

    bool receives() const
    {
        return started && port.isUnit && generation == core->plugGeneration.load();
    }

    void deliver (const juce::MidiMessage& message)     { callback.handleIncomingMidiMessage (nullptr, message); }

private:
    std::shared_ptr<SimulatedUnit::Core> core;
    SimulatedUnit::Port port;
    juce::MidiInputCallback& callback;
    int generation;
    bool started = false;
};
} // namespace

void SimulatedUnit::Core::deliver (const juce::MidiMessage& message)
{
    const juce::ScopedLock sl (deliveryLock);

    for (auto* input : openInputs)
        if (input->receives())
            input->deliver (message);
}

//==============================================================================
SimulatedUnit::SimulatedUnit()
    : juce::Thread ("simulatedUnit"), core (std::make_shared<Core>())
{
    resetDeviceSettings (*core->document, false);
    core->outputs = { { "Midi Through Port-0", false }, { "QZT-7200 MIDI 1", true } };
    core->inputs = core->outputs;
    core->wakeUnit = [this] { notify(); };
    startThread();
}

SimulatedUnit::~SimulatedUnit()
{
    {
        const juce::ScopedLock sl (core->lock);
        core->wakeUnit = nullptr;
    }

    stopThread (5000);
}

std::vector<SimulatedUnit::Port> SimulatedUnit::unitPorts (const juce::String& name)
{
    return { { name, true } };
}

void SimulatedUnit::setPorts (std::vector<Port> outputs, std::vector<Port> inputs)
{
    const juce::ScopedLock sl (core->lock);
    core->outputs = std::move (outputs);
    core->inputs = std::move (inputs);
}

void SimulatedUnit::unplug()
{
    const juce::ScopedLock sl (core->lock);
    core->plugged = false;
    ++core->plugGeneration;
    core->inbox.clear();
    core->outbox.clear();
}

void SimulatedUnit::replug()
{
    const juce::ScopedLock sl (core->lock);
    core->plugged = true;
}

//==============================================================================
void SimulatedUnit::setAnswersHandshake (bool b)        { const juce::ScopedLock sl (core->lock); core->answersHandshake = b; }
void SimulatedUnit::setColourByte (int b)               { const juce::ScopedLock sl (core->lock); core->colourByte = b; }
void SimulatedUnit::setSelectorByte (int b)             { const juce::ScopedLock sl (core->lock); core->selectorByte = b; }
void SimulatedUnit::clearVersionBytes()                 { const juce::ScopedLock sl (core->lock); core->versionBytes.reset(); }
void SimulatedUnit::setAnswersSettingsRequest (bool b)  { const juce::ScopedLock sl (core->lock); core->answersSettingsRequest = b; }
void SimulatedUnit::setReplyDelayMs (int ms)            { const juce::ScopedLock sl (core->lock); core->replyDelayMs = ms; }
void SimulatedUnit::setSilent (bool b)                  { const juce::ScopedLock sl (core->lock); core->silent = b; }
void SimulatedUnit::setSplitsReplies (bool b)           { const juce::ScopedLock sl (core->lock); core->splitsReplies = b; }

void SimulatedUnit::setVersionBytes (int first, int second, int third)
{
    const juce::ScopedLock sl (core->lock);
    core->versionBytes = std::array<int, 3> { first, second, third };
}

void SimulatedUnit::setActiveSensingIntervalMs (int ms)
{
    {
        const juce::ScopedLock sl (core->lock);
        core->activeSensingMs = ms;
    }
    notify();
}

void SimulatedUnit::setSettingsDumpText (const juce::String& text)
{
    const juce::ScopedLock sl (core->lock);
    core->dumpText = text;
    core->dumpPayload.reset();
}

void SimulatedUnit::setSettingsDumpPayload (const juce::MemoryBlock& raw)
{
    const juce::ScopedLock sl (core->lock);
    core->dumpPayload = raw;
    core->dumpText.reset();
}

void SimulatedUnit::useOwnDocumentForDump()
{
    const juce::ScopedLock sl (core->lock);
    core->dumpPayload.reset();
    core->dumpText.reset();
}

//==============================================================================
juce::MemoryBlock SimulatedUnit::encodeSettingsDump (const juce::String& text)
{
    // The unit pads its dump in blocks; the reader must see through the padding.
    constexpr int block = 96;
    juce::MemoryOutputStream out;
    const auto* chars = text.toRawUTF8();
    const auto size = (int) text.getNumBytesAsUTF8();

    for (int i = 0; i < size; ++i)
    {
        if (i > 0 && i % block == 0)
            out.writeShort (0);

        out.writeByte (chars[i]);
    }

    out.writeByte (0);
    return out.getMemoryBlock();
}

void SimulatedUnit::sendFrame (int command, const void* payload, size_t payloadSize)
{
    if (const auto message = SysExFrame::createMessage (SysExFrame::fromUnit, command, payload, payloadSize))
        queueMessage (*message, 0);
}

void SimulatedUnit::sendRaw (const void* bytes, int size)
{
    queueMessage (juce::MidiMessage (bytes, size), 0);
}

void SimulatedUnit::sendRaw (std::initializer_list<int> bytes)
{
    std::vector<juce::uint8> raw;

    for (auto b : bytes)
        raw.push_back ((juce::uint8) b);

    sendRaw (raw.data(), (int) raw.size());
}

void SimulatedUnit::queueMessage (const juce::MidiMessage& message, int delayMs)
{
    {
        const juce::ScopedLock sl (core->lock);
        core->outbox.push_back ({ nowMs() + delayMs, message });
    }
    notify();
}

void SimulatedUnit::queueReply (int command, const void* payload, size_t payloadSize)
{
    // Called on the unit's thread with the lock held.
    const auto created = SysExFrame::createMessage (SysExFrame::fromUnit, command, payload, payloadSize);

    if (! created.has_value())
        return;

    const auto& message = *created;
    const auto due = nowMs() + core->replyDelayMs;

    if (core->splitsReplies)
    {
        const auto* raw = message.getRawData();
        const auto half = message.getRawDataSize() / 2;
        core->outbox.push_back ({ due, juce::MidiMessage (raw, half) });
        core->outbox.push_back ({ due, juce::MidiMessage (raw + half, message.getRawDataSize() - half) });
    }
    else
    {
        core->outbox.push_back ({ due, message });
    }
}

void SimulatedUnit::handleFrame (const juce::MidiMessage& message)
{
    const juce::ScopedLock sl (core->lock);
    SysExFrame::Parsed frame;

    if (! SysExFrame::parse (frame, message.getRawData(), message.getRawDataSize(), SysExFrame::fromProgram))
        return;

    if (frame.command == SysExCommand::settingsText)
    {
        const auto text = juce::String::fromUTF8 (reinterpret_cast<const char*> (frame.payload), frame.payloadSize);
        core->lastSettingsText = text;
        core->lastParseResult = parseSettingsText (*core->document, text);
        ++core->settingsReceived;
        return;
    }

    if (core->silent)
        return;

    switch (frame.command)
    {
        case SysExCommand::handshake:
            if (core->answersHandshake)
                queueReply (frame.command, nullptr, 0);
            break;

        case SysExCommand::colourQuery:
        case SysExCommand::selectorQuery:
        {
            const auto byte = frame.command == SysExCommand::colourQuery ? core->colourByte : core->selectorByte;

            if (byte >= 0)
            {
                const auto b = (juce::uint8) byte;
                queueReply (frame.command, &b, 1);
            }
            break;
        }

        case SysExCommand::versionRequest:
            if (core->versionBytes.has_value())
            {
                const juce::uint8 bytes[] = { (juce::uint8) (*core->versionBytes)[0],
                                              (juce::uint8) (*core->versionBytes)[1],
                                              (juce::uint8) (*core->versionBytes)[2] };
                queueReply (frame.command, bytes, 3);
            }
            break;

        case SysExCommand::settingsRequest:
            if (core->answersSettingsRequest)
            {
                const auto payload = core->dumpPayload.has_value()
                                         ? *core->dumpPayload
                                         : encodeSettingsDump (core->dumpText.has_value()
                                                                   ? *core->dumpText
                                                                   : createSettingsText (*core->document, *core->document,
                                                                                         { true, false }));
                queueReply (frame.command, payload.getData(), payload.getSize());
                ++core->dumpsSent;
            }
            break;

        default:
            break;
    }
}

void SimulatedUnit::run()
{
    juce::int64 nextActiveSensing = nowMs();

    while (! threadShouldExit())
    {
        for (;;)
        {
            juce::MidiMessage message;
            {
                const juce::ScopedLock sl (core->lock);

                if (core->inbox.empty())
                    break;

                message = core->inbox.front();
                core->inbox.pop_front();
            }
            handleFrame (message);
        }

        const auto now = nowMs();
        std::vector<juce::MidiMessage> due;
        juce::int64 nextWake = now + 50;
        {
            const juce::ScopedLock sl (core->lock);

            while (! core->outbox.empty() && core->outbox.front().due <= now)
            {
                if (core->plugged)
                    due.push_back (core->outbox.front().message);

                core->outbox.pop_front();
            }

            if (! core->outbox.empty())
                nextWake = std::min (nextWake, core->outbox.front().due);

            if (core->activeSensingMs > 0 && core->plugged && ! core->silent)
            {
                if (now >= nextActiveSensing)
                {
                    due.push_back (juce::MidiMessage (0xfe));
                    nextActiveSensing = now + core->activeSensingMs;
                }

                nextWake = std::min (nextWake, nextActiveSensing);
            }
        }

        for (auto& m : due)
        {
            core->deliver (m);

            if (! (m.getRawDataSize() == 1 && m.getRawData()[0] == 0xfe))
            {
                const juce::ScopedLock sl (core->lock);
                ++core->delivered;
            }
        }

        wait ((int) juce::jmax ((juce::int64) 1, nextWake - nowMs()));
    }
}

//==============================================================================
std::vector<SimulatedUnit::ReceivedFrame> SimulatedUnit::getReceivedFrames() const
{
    const juce::ScopedLock sl (core->lock);
    return core->frames;
}

int SimulatedUnit::countFrames (int command) const
{
    const juce::ScopedLock sl (core->lock);
    return (int) std::count_if (core->frames.begin(), core->frames.end(),
                                [command] (const ReceivedFrame& f) { return f.reachedUnit && f.command == command; });
}

int SimulatedUnit::getActiveSensingCount() const    { const juce::ScopedLock sl (core->lock); return core->activeSensingCount; }
int SimulatedUnit::getMalformedCount() const        { const juce::ScopedLock sl (core->lock); return core->malformedCount; }
int SimulatedUnit::getSettingsReceivedCount() const { const juce::ScopedLock sl (core->lock); return core->settingsReceived; }
int SimulatedUnit::getLastParseResult() const       { const juce::ScopedLock sl (core->lock); return core->lastParseResult; }
juce::String SimulatedUnit::getLastSettingsText() const { const juce::ScopedLock sl (core->lock); return core->lastSettingsText; }
int SimulatedUnit::getDumpsSentCount() const        { const juce::ScopedLock sl (core->lock); return core->dumpsSent; }
int SimulatedUnit::getDeliveredCount() const       { const juce::ScopedLock sl (core->lock); return core->delivered; }
int SimulatedUnit::getOpenOutputCount() const       { const juce::ScopedLock sl (core->lock); return core->openOutputs; }

int SimulatedUnit::getOpenInputCount() const
{
    const juce::ScopedLock sl (core->deliveryLock);
    return (int) core->openInputs.size();
}

void SimulatedUnit::clearRecords()
{
    const juce::ScopedLock sl (core->lock);
    core->frames.clear();
    core->activeSensingCount = core->malformedCount = core->settingsReceived = core->dumpsSent = core->delivered = 0;
    core->lastParseResult = -1;
    core->lastSettingsText = {};
}

std::unique_ptr<DeviceSettings> SimulatedUnit::copyDocument() const
{
    auto copy = createDeviceSettings();
    const juce::ScopedLock sl (core->lock);
    *copy = *core->document;
    return copy;
}

void SimulatedUnit::setDocument (const DeviceSettings& d)
{
    const juce::ScopedLock sl (core->lock);
    *core->document = d;
}

bool SimulatedUnit::waitFor (const std::function<bool()>& condition, int timeoutMs)
{
    const auto deadline = nowMs() + timeoutMs;

    while (! condition())
    {
        if (nowMs() > deadline)
            return false;

        std::this_thread::sleep_for (std::chrono::milliseconds (1));
    }

    return true;
}

//==============================================================================
juce::Array<juce::MidiDeviceInfo> SimulatedUnit::getOutputs()
{
    const juce::ScopedLock sl (core->lock);
    juce::Array<juce::MidiDeviceInfo> list;

    for (size_t i = 0; i < core->outputs.size(); ++i)
        if (core->plugged || ! core->outputs[i].isUnit)
            list.add ({ core->outputs[i].name, identifierFor (true, (int) i) });

    return list;
}

juce::Array<juce::MidiDeviceInfo> SimulatedUnit::getInputs()
{
    const juce::ScopedLock sl (core->lock);
    juce::Array<juce::MidiDeviceInfo> list;

    for (size_t i = 0; i < core->inputs.size(); ++i)
        if (core->plugged || ! core->inputs[i].isUnit)
            list.add ({ core->inputs[i].name, identifierFor (false, (int) i) });

    return list;
}

std::unique_ptr<MidiOutputPort> SimulatedUnit::openOutput (const juce::MidiDeviceInfo& info)
{
    Port port;
    {
        const juce::ScopedLock sl (core->lock);
        const auto index = info.identifier.fromLastOccurrenceOf ("-", false, false).getIntValue();

        if (! info.identifier.startsWith ("sim-out-") || index >= (int) core->outputs.size())
            return {};

        port = core->outputs[(size_t) index];

        if (port.failsToOpen || (port.isUnit && ! core->plugged))
            return {};
    }

    return std::make_unique<OutputPort> (core, port);
}

std::unique_ptr<MidiInputPort> SimulatedUnit::openInput (const juce::MidiDeviceInfo& info,
                                                          juce::MidiInputCallback& callback)
{
    Port port;
    {
        const juce::ScopedLock sl (core->lock);
        const auto index = info.identifier.fromLastOccurrenceOf ("-", false, false).getIntValue();

        if (! info.identifier.startsWith ("sim-in-") || index >= (int) core->inputs.size())
            return {};

        port = core->inputs[(size_t) index];

        if (port.failsToOpen || (port.isUnit && ! core->plugged))
            return {};
    }

    return std::make_unique<InputPort> (core, port, callback);
}
