#include "core/SysExFrame.h"

namespace
{
constexpr juce::uint8 frameHeader[] = { 0x00, 0x66, 0x1d, 0x00, 0x02, 0x0b, 0x07, 0x21 };
constexpr int headerSize = (int) sizeof (frameHeader);
constexpr int directionOffset = 1 + headerSize;        // 9
constexpr int commandOffset = directionOffset + 1;      // 10
constexpr int lengthOffset = commandOffset + 3;         // 13
constexpr int lengthNibbles = 8;

static_assert (lengthOffset + lengthNibbles == SysExFrame::payloadOffset);
} // namespace

bool SysExFrame::buildBody (juce::MemoryBlock& body, Direction direction, int command,
                            const void* payload, size_t payloadSize)
{
    if (payload == nullptr)
        payloadSize = 0;

    // The length travels in 32 bits, and the framework's messages are sized by int.
    if (payloadSize > (size_t) std::numeric_limits<int>::max() - framingSize)
        return false;

    auto* bytes = static_cast<const juce::uint8*> (payload);

    for (size_t i = 0; i < payloadSize; ++i)
        if (bytes[i] >= 0x80)
            return false;

    body.setSize (framingSize - 2 + payloadSize);
    auto* out = static_cast<juce::uint8*> (body.getData());

    std::memcpy (out, frameHeader, (size_t) headerSize);
    out += headerSize;
    *out++ = (juce::uint8) direction;
    *out++ = (juce::uint8) ((command >> 16) & 0x7f);
    *out++ = (juce::uint8) ((command >> 8) & 0x7f);
    *out++ = (juce::uint8) (command & 0x7f);

    const auto length = (juce::uint32) payloadSize;

    for (int shift = 28; shift >= 0; shift -= 4)
        *out++ = (juce::uint8) ((length >> shift) & 0x0f);

    if (payloadSize > 0)
        std::memcpy (out, bytes, payloadSize);

    return true;
}

std::optional<juce::MidiMessage> SysExFrame::createMessage (Direction direction, int command,
                                                            const void* payload, size_t payloadSize)
{
    juce::MemoryBlock body;

    if (! buildBody (body, direction, command, payload, payloadSize))
        return std::nullopt;

    return juce::MidiMessage::createSysExMessage (body.getData(), (int) body.getSize());
}

bool SysExFrame::parse (Parsed& frame, const juce::uint8* raw, int size, Direction expected)
{
    if (raw == nullptr || size < framingSize || raw[0] != 0xf0 || raw[size - 1] != 0xf7)
        return false;

    for (int i = 1; i < size - 1; ++i)
        if (raw[i] >= 0x80)
            return false;

    if (std::memcmp (raw + 1, frameHeader, (size_t) headerSize) != 0 || raw[directionOffset] != expected)
        return false;

    juce::uint32 length = 0;

    for (int i = 0; i < lengthNibbles; ++i)
    {
        const auto nibble = raw[lengthOffset + i];

        if (nibble > 0x0f)
            return false;

        length = (length << 4) | nibble;
    }

    frame.command = (raw[commandOffset] << 16) | (raw[commandOffset + 1] << 8) | raw[commandOffset + 2];
    frame.lengthField = length;
    frame.payload = raw + payloadOffset;
    frame.payloadSize = size - framingSize;
    return true;
}

juce::String SysExFrame::decodeSettingsDump (const juce::uint8* payload, int size)
{
    if (payload == nullptr || size <= 1)
        return {};

    const int end = size - 1;     // the last byte is never part of the text
    std::vector<juce::juce_wchar> chars;
    chars.reserve ((size_t) end + 1);

    for (int i = 0; i < end; ++i)
    {
        if (payload[i] == 0)
        {
            if (i + 1 < end && payload[i + 1] == 0)
            {
                ++i;    // a pair of zeros is padding
                continue;
            }

            break;      // a lone zero ends the text
        }

        chars.push_back ((juce::juce_wchar) payload[i]);    // 8-bit text: one byte, one character
    }

    const auto count = chars.size();
    chars.push_back (0);
    return juce::String (juce::CharPointer_UTF32 (chars.data()), count);
}
