#pragma once

#include "core/UserMessage.h"

#include <cstdint>
#include <optional>
#include <juce_core/juce_core.h>

/** What a WAV file handed to a slot (dropped on a tile or on the slot editor, or chosen in the editor)
    gives, and whether it is taken at all. */
struct SampleFileAcceptance
{
    enum class Verdict
    {
        accepted,       // the fields below are filled
        notWav,         // no "wav" extension: ignored without a word
        notAFile,       // missing or not a plain file: silently nothing
        unsupported,    // fails the sample check: "Non-supported WAV format."
        pathTooLong     // a slot cannot hold its path; cut, it would name another file
    };

    Verdict verdict = Verdict::notWav;
    juce::String path;                  // the file's full path
    int32_t loop = 0, tempo = 0;        // from its "qzt1" chunk when asked for and present, else 0
    double frames = 0;                  // source length in frames
    int sampleRate = 0;

    bool isAccepted() const noexcept     { return verdict == Verdict::accepted; }

    /** The alert a verdict calls for, if any. */
    std::optional<UserMessage> alert() const;

    /** The extension check alone, as drag-over feedback uses it ("wav" in any case). */
    static bool hasWavExtension (const juce::File& file);

    /** Runs the checks in order: extension, path length, the sample WAV check (reading the "qzt1"
        chunk when readModelChunk is set). */
    static SampleFileAcceptance check (const juce::File& file, bool readModelChunk);
};
