#pragma once

#include <juce_audio_basics/juce_audio_basics.h>
#include <optional>

/** Command identifiers of the System Exclusive messages exchanged with the unit. */
struct SysExCommand
{
    static constexpr int unitNotice1     = 0x000101;    // from the unit only; acknowledged, nothing more
    static constexpr int unitNotice2     = 0x000102;    // from the unit only; acknowledged, nothing more
    static constexpr int handshake       = 0x000201;
    static constexpr int settingsText    = 0x000311;    // new settings for the unit, as document text
    static constexpr int settingsRequest = 0x000312;    // the unit answers with its settings dump
    static constexpr int versionRequest  = 0x000321;
    static constexpr int selectorQuery   = 0x000401;
    static constexpr int colourQuery     = 0x000501;
};

/** The framing of every message between the program and the unit except the active-sensing byte:

        F0, 00 66 1D, 00 02 0B 07 21, direction, command (3 bytes, MSB first),
        payload length as 8 nibbles (MSB first), payload, F7

    Only 7-bit bytes may travel inside a System Exclusive message, so a payload byte of 0x80 or
    more can be neither built nor accepted.
*/
class SysExFrame
{
public:
    enum Direction : juce::uint8
    {
        fromUnit = 0x01,
        fromProgram = 0x02
    };

    static constexpr int payloadOffset = 21;    // F0 and the 20 header bytes
    static constexpr int framingSize = 22;      // header plus F7

    /** The bytes between F0 and F7, which the framework adds itself. False (and nothing built)
        when the payload holds a byte that MIDI cannot carry. */
    static bool buildBody (juce::MemoryBlock& body, Direction direction, int command,
                           const void* payload, size_t payloadSize);

    /** A complete message ready to send; nothing for an unsendable payload. */
    static std::optional<juce::MidiMessage> createMessage (Direction direction, int command,
                                                           const void* payload, size_t payloadSize);

    /** A frame as found in raw message bytes (F0 .. F7). The payload is what actually lies between
        the header and F7; `lengthField` is what the frame claims, which need not agree. */
    struct Parsed
    {
        int command = 0;
        juce::uint32 lengthField = 0;
        const juce::uint8* payload = nullptr;
        int payloadSize = 0;

        bool isConsistent() const noexcept      { return lengthField == (juce::uint32) payloadSize; }
    };

    /** Checks the framing (F0 .. F7, at least 22 bytes, our header, the direction, length nibbles
        of 0..15, no byte of 0x80 or more inside) and splits the frame up; false when it fails. */
    static bool parse (Parsed& frame, const juce::uint8* raw, int size, Direction expected);

    /** The unit's settings dump: drop the last payload byte, drop every pair of consecutive zero
        bytes scanning from the start, and read the rest up to the first zero as 8-bit text. */
    static juce::String decodeSettingsDump (const juce::uint8* payload, int size);
};
