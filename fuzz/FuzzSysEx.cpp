// The System Exclusive frame decoder and the settings dump parser, as the link's input thread runs them.
#include "core/DocumentXml.h"
#include "FuzzCheck.h"
#include "core/SysExFrame.h"

namespace
{
int parseDump (const juce::uint8* payload, int size)
{
    auto received = FuzzSupport::resetDocument();
    const int result = parseSettingsText (*received, SysExFrame::decodeSettingsDump (payload, size));
    FUZZ_CHECK (result >= settingsReadOk && result <= settingsNoSecondPart);
    return result;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput (const uint8_t* data, size_t size)
{
    if (size > (size_t) std::numeric_limits<int>::max() / 2)
        return 0;

    // Any bytes as a dump's payload: the decoder must take what no frame would carry too.
    parseDump (data, (int) size);

    SysExFrame::Parsed frame;
    if (! SysExFrame::parse (frame, data, (int) size, SysExFrame::fromUnit))
        return 0;

    FUZZ_CHECK (frame.payload == data + SysExFrame::payloadOffset);
    FUZZ_CHECK (frame.payloadSize == (int) size - SysExFrame::framingSize);
    FUZZ_CHECK (frame.command >= 0 && frame.command < (1 << 23));     // three 7-bit bytes

    // Built again from its parts, a frame whose length field is true is the same bytes.
    juce::MemoryBlock body;
    FUZZ_CHECK (SysExFrame::buildBody (body, SysExFrame::fromUnit, frame.command, frame.payload, (size_t) frame.payloadSize));
    if (frame.isConsistent())
        FUZZ_CHECK (body.getSize() == size - 2 && std::memcmp (body.getData(), data + 1, size - 2) == 0);

    if (frame.command == SysExCommand::settingsRequest && frame.lengthField != 0 && frame.payloadSize > 0)
        parseDump (frame.payload, frame.payloadSize);

    return 0;
}
