#pragma once

#include <cstdint>
#include <functional>
#include <juce_audio_formats/juce_audio_formats.h>

/** What the unit plays: 48 kHz samples of at most 16 seconds. */
constexpr int unitSampleRate = 48000;
constexpr int maxSampleMilliseconds = 16000;

/** Asked between blocks of a long job; true stops it. May be empty (never stop). Called on the
    thread doing the work, so it must be safe to call from any thread. */
using CancelCheck = std::function<bool()>;

/** Writes the file the unit gets for one slot: the range startMs..endMs of source (endMs 0 = to the end,
    at most 16 s), resampled to 48 kHz, with the slot's gain applied, in the source's bit depth, as at most
    two channels, with tempo and loop in the file's "qzt1" chunk. Any file at destination is replaced.

    Returns false when the source fails the sample check or cannot be read, when the file cannot be
    written completely, or when shouldCancel says stop (asked before every block); destination is then
    deleted, so a half-written file is never left to be copied beside a document or onto a card. */
bool buildSampleFile (const juce::File& source, const juce::File& destination,
                      int32_t loop, int32_t tempo, int startMs, int endMs, int gainIndex,
                      const CancelCheck& shouldCancel = {});

/** Pulls numFrames frames from source in blocks of up to 2,048, multiplies them by gain and writes them
    through writer; false as soon as the writer refuses a block or shouldCancel says stop. */
bool writeFromAudioSourceWithGain (juce::AudioFormatWriter& writer, juce::AudioSource& source,
                                   int numFrames, float gain, const CancelCheck& shouldCancel = {});
