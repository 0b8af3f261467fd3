#include "core/SysExFrame.h"

#include <gtest/gtest.h>
#include <vector>

namespace
{
std::vector<int> framed (int command, const void* payload = nullptr, size_t size = 0)
{
    const auto m = SysExFrame::createMessage (SysExFrame::fromProgram, command, payload, size);

    if (! m.has_value())
        return {};

    return std::vector<int> (m->getRawData(), m->getRawData() + m->getRawDataSize());
}

std::vector<int> programFrame (int c0, int c1, int c2, std::vector<int> lengthNibbles = { 0, 0, 0, 0, 0, 0, 0, 0 },
                               std::vector<int> payload = {})
{
    std::vector<int> v { 0xf0, 0x00, 0x66, 0x1d, 0x00, 0x02, 0x0b, 0x07, 0x21, 0x02, c0, c1, c2 };
    v.insert (v.end(), lengthNibbles.begin(), lengthNibbles.end());
    v.insert (v.end(), payload.begin(), payload.end());
    v.push_back (0xf7);
    return v;
}

juce::MidiMessage rawMessage (const std::vector<int>& bytes)
{
    std::vector<juce::uint8> raw (bytes.begin(), bytes.end());
    return juce::MidiMessage (raw.data(), (int) raw.size());
}

bool parseFromUnit (SysExFrame::Parsed& frame, const std::vector<int>& bytes)
{
    const std::vector<juce::uint8> raw (bytes.begin(), bytes.end());
    // The parsed payload points into the bytes, so keep the check to what is copied out here.
    const bool ok = SysExFrame::parse (frame, raw.data(), (int) raw.size(), SysExFrame::fromUnit);
    frame.payload = nullptr;
    return ok;
}

std::vector<int> unitFrame (int command, std::vector<int> payload, int lengthField)
{
    std::vector<int> v { 0xf0, 0x00, 0x66, 0x1d, 0x00, 0x02, 0x0b, 0x07, 0x21, 0x01,
                         (command >> 16) & 0x7f, (command >> 8) & 0x7f, command & 0x7f };

    for (int shift = 28; shift >= 0; shift -= 4)
        v.push_back ((lengthField >> shift) & 0x0f);

    v.insert (v.end(), payload.begin(), payload.end());
    v.push_back (0xf7);
    return v;
}

juce::String decode (std::vector<int> bytes)
{
    std::vector<juce::uint8> raw (bytes.begin(), bytes.end());
    return SysExFrame::decodeSettingsDump (raw.data(), (int) raw.size());
}
} // namespace

TEST (MidiFrame, EveryCommandOfTheProgramIsFramedAsTheUnitExpects)
{
    EXPECT_EQ (framed (SysExCommand::handshake), programFrame (0x00, 0x02, 0x01));
    EXPECT_EQ (framed (SysExCommand::handshake).size(), 22u);
    EXPECT_EQ (framed (SysExCommand::colourQuery), programFrame (0x00, 0x05, 0x01));
    EXPECT_EQ (framed (SysExCommand::selectorQuery), programFrame (0x00, 0x04, 0x01));
    EXPECT_EQ (framed (SysExCommand::settingsRequest), programFrame (0x00, 0x03, 0x12));
    EXPECT_EQ (framed (SysExCommand::versionRequest), programFrame (0x00, 0x03, 0x21));
    EXPECT_EQ (framed (SysExCommand::settingsText, "AB", 2),
               programFrame (0x00, 0x03, 0x11, { 0, 0, 0, 0, 0, 0, 0, 2 }, { 0x41, 0x42 }));

    // A payload given without bytes counts as empty.
    EXPECT_EQ (framed (SysExCommand::settingsText, nullptr, 5), programFrame (0x00, 0x03, 0x11));
}

TEST (MidiFrame, LengthIsWrittenAsEightNibblesMostSignificantFirst)
{
    const std::vector<char> payload (0x12345, 'x');
    const auto bytes = framed (SysExCommand::settingsText, payload.data(), payload.size());
    ASSERT_EQ (bytes.size(), 0x12345u + 22);
    EXPECT_EQ (std::vector<int> (bytes.begin() + 13, bytes.begin() + 21), (std::vector<int> { 0, 0, 0, 1, 2, 3, 4, 5 }));
}

TEST (MidiFrame, PayloadThatMidiCannotCarryIsRefused)
{
    // A byte of 0x80 or more would end the System Exclusive message in the middle.
    const juce::uint8 payload[] = { 0x41, 0x80, 0x42 };
    EXPECT_FALSE (SysExFrame::createMessage (SysExFrame::fromProgram, SysExCommand::settingsText, payload, 3));

    const juce::String text (juce::CharPointer_UTF8 ("Caf\xc3\xa9"));
    EXPECT_FALSE (SysExFrame::createMessage (SysExFrame::fromProgram, SysExCommand::settingsText,
                                             text.toRawUTF8(), text.getNumBytesAsUTF8()));
}

TEST (MidiFrame, FramesFromTheUnitAreCheckedAndSplit)
{
    SysExFrame::Parsed f;

    ASSERT_TRUE (parseFromUnit (f, unitFrame (SysExCommand::versionRequest, { 1, 0, 2 }, 3)));
    EXPECT_EQ (f.command, SysExCommand::versionRequest);
    EXPECT_EQ (f.payloadSize, 3);
    EXPECT_TRUE (f.isConsistent());

    // The payload is what the frame holds, whatever its length field claims.
    ASSERT_TRUE (parseFromUnit (f, unitFrame (SysExCommand::settingsRequest, { 0x41, 0x42 }, 0x7fffffff)));
    EXPECT_EQ (f.payloadSize, 2);
    EXPECT_FALSE (f.isConsistent());

    ASSERT_TRUE (parseFromUnit (f, unitFrame (SysExCommand::handshake, {}, 0)));
    EXPECT_EQ (f.payloadSize, 0);

    auto bad = unitFrame (SysExCommand::handshake, {}, 0);
    bad[16] = 0x10;     // a length "nibble" above 15
    EXPECT_FALSE (parseFromUnit (f, bad));

    bad = unitFrame (SysExCommand::handshake, {}, 0);
    bad[9] = 0x02;      // our own direction
    EXPECT_FALSE (parseFromUnit (f, bad));

    bad = unitFrame (SysExCommand::handshake, {}, 0);
    bad[3] = 0x1e;      // another maker
    EXPECT_FALSE (parseFromUnit (f, bad));

    bad = unitFrame (SysExCommand::handshake, {}, 0);
    bad.pop_back();     // cut short: no F7
    EXPECT_FALSE (parseFromUnit (f, bad));

    bad = unitFrame (SysExCommand::versionRequest, { 1, 0x90, 2 }, 3);
    EXPECT_FALSE (parseFromUnit (f, bad));

    bad = unitFrame (SysExCommand::handshake, {}, 0);
    bad.erase (bad.begin() + 20);   // 21 bytes
    EXPECT_FALSE (parseFromUnit (f, bad));

    EXPECT_FALSE (SysExFrame::parse (f, nullptr, 0, SysExFrame::fromUnit));
    const auto m = rawMessage ({ 0xf0, 0xf7 });
    EXPECT_FALSE (SysExFrame::parse (f, m.getRawData(), m.getRawDataSize(), SysExFrame::fromUnit));
}

TEST (MidiFrame, SettingsDumpIsDecodedWithoutPaddingAndClosingByte)
{
    EXPECT_EQ (decode ({ 0x41, 0x00, 0x00, 0x42, 0x00 }), "AB");
    EXPECT_EQ (decode ({ 0x41, 0x42, 0x43 }), "AB");                     // last byte dropped
    EXPECT_EQ (decode ({ 0x41, 0x00, 0x42, 0x43, 0x00 }), "A");         // a lone zero ends the text
    EXPECT_EQ (decode ({ 0x00, 0x00, 0x00, 0x41, 0x00 }), "");          // pair removed, then a lone zero
    EXPECT_EQ (decode ({ 0x00, 0x00, 0x00, 0x00, 0x41, 0x42, 0x7f }), "AB");
    EXPECT_EQ (decode ({ 0x41, 0x00, 0x00 }), "A");                     // the pair would reach into the dropped byte
    EXPECT_EQ (decode ({ 0x41 }), "");
    EXPECT_EQ (decode ({}), "");
}
