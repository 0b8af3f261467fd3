#pragma once

#include <juce_audio_formats/juce_audio_formats.h>

/** Plays a range of an audio reader once, or over and over on a period that may be longer than the
    range (the rest of each period is silence), so a sample can be heard looping on a beat grid.

    Positions count samples of the reader from the range start. The message thread may change the
    range, the position and the looping flag while the audio thread renders a block: every block
    works on a consistent copy of them, and a change made during a block wins over that block's
    advance of the position. The reader itself is used by the rendering thread only.
*/
class AudioFormatReaderRange : public juce::PositionableAudioSource
{
public:
    /** Starts as the whole of the reader, played once. */
    AudioFormatReaderRange (juce::AudioFormatReader* reader, bool deleteReaderWhenThisIsDeleted);
    ~AudioFormatReaderRange() override;

    /** Plays startSeconds..endSeconds of the reader, repeated (when looping) every period that ends
        at periodEndSeconds; a negative periodEndSeconds, or one before endSeconds, makes the period the
        range itself. Times become samples of the reader, truncated, and the range is limited to the
        reader's length. Playback restarts at the range start. */
    void setRange (double startSeconds, double endSeconds, double periodEndSeconds);

    void prepareToPlay (int samplesPerBlockExpected, double sampleRate) override;
    void releaseResources() override;
    void getNextAudioBlock (const juce::AudioSourceChannelInfo& info) override;

    /** Moves the next block to this place in the period; a position set after a single play ended
        plays again from there. Negative positions count as 0. */
    void setNextReadPosition (juce::int64 newPosition) override;

    /** The place in the period while looping, else the samples played since the range start. */
    juce::int64 getNextReadPosition() const override;

    /** The period in samples. */
    juce::int64 getTotalLength() const override;
    bool isLooping() const override;
    void setLooping (bool shouldLoop) override;

    juce::AudioFormatReader* getAudioFormatReader() const noexcept     { return reader.get(); }

private:
    struct State
    {
        juce::int64 start = 0, end = 0, period = 0;   // samples of the reader; period >= end - start
        juce::int64 position = 0;                      // samples from start; below period while looping
        bool looping = false, finished = false;
        juce::uint32 generation = 0;                   // counts the changes made from outside
    };

    State currentState() const;
    void render (State& state, juce::AudioBuffer<float>& buffer, int offset, int numSamples) const;
    juce::int64 toSamples (double seconds) const noexcept;

    juce::OptionalScopedPointer<juce::AudioFormatReader> reader;
    juce::SpinLock stateLock;      // held only to copy or change the state, never while reading the file
    State state;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (AudioFormatReaderRange)
};
