#include "sampler/files/AudioFormatReaderRange.h"

#include <limits>

AudioFormatReaderRange::AudioFormatReaderRange (juce::AudioFormatReader* sourceReader,
                                                bool deleteReaderWhenThisIsDeleted)
    : reader (sourceReader, deleteReaderWhenThisIsDeleted)
{
    jassert (reader != nullptr);
    state.end = state.period = juce::jmax ((juce::int64) 0, reader->lengthInSamples);
}

AudioFormatReaderRange::~AudioFormatReaderRange() = default;

juce::int64 AudioFormatReaderRange::toSamples (double seconds) const noexcept
{
    const auto length = juce::jmax ((juce::int64) 0, reader->lengthInSamples);
    // Times come from whole milliseconds divided by 1000 and may land a hair below the sample they
    // name; the nudge keeps that sample without moving any real fraction across a boundary.
    const auto samples = seconds * reader->sampleRate + 1.0e-6;

    if (! (samples > 0.0))              // also catches NaN
        return 0;

    return samples >= (double) length ? length : (juce::int64) samples;
}

void AudioFormatReaderRange::setRange (double startSeconds, double endSeconds, double periodEndSeconds)
{
    const auto start = toSamples (startSeconds);
    const auto end = juce::jmax (start, toSamples (endSeconds));

    // The period may run past the reader's end: what lies beyond the range is silence, never read.
    auto period = end - start;
    const auto periodEnd = periodEndSeconds * reader->sampleRate + 1.0e-6;

    if (periodEndSeconds >= 0.0 && periodEnd < (double) (std::numeric_limits<juce::int64>::max() / 2))
        period = juce::jmax (period, (juce::int64) periodEnd - start);

    const juce::SpinLock::ScopedLockType lock (stateLock);
    state.start = start;
    state.end = end;
    state.period = period;
    state.position = 0;
    state.finished = false;
    ++state.generation;
}

void AudioFormatReaderRange::prepareToPlay (int, double) {}
void AudioFormatReaderRange::releaseResources() {}

AudioFormatReaderRange::State AudioFormatReaderRange::currentState() const
{
    const juce::SpinLock::ScopedLockType lock (stateLock);
    return state;
}

void AudioFormatReaderRange::getNextAudioBlock (const juce::AudioSourceChannelInfo& info)
{
    if (info.numSamples <= 0)
        return;

    auto block = currentState();

    if (block.finished && ! block.looping)
    {
        info.clearActiveBufferRegion();
        return;
    }

    render (block, *info.buffer, info.startSample, info.numSamples);

    const juce::SpinLock::ScopedLockType lock (stateLock);

    if (state.generation == block.generation)
    {
        state.position = block.position;
        state.finished = block.finished;
    }
}

void AudioFormatReaderRange::render (State& s, juce::AudioBuffer<float>& buffer, int offset, int numSamples) const
{
    const auto audible = s.end - s.start;

    // One pass per stretch up to the period's end, so a period shorter than the block wraps as often
    // as it has to.
    while (numSamples > 0)
    {
        if (s.period <= 0 || (! s.looping && s.position >= s.period))
        {
            s.finished = ! s.looping;
            buffer.clear (offset, numSamples);
            return;
        }

        const auto place = s.looping ? s.position % s.period : s.position;
        const auto stretch = (int) juce::jmin ((juce::int64) numSamples, s.period - place);
        const auto toRead = (int) juce::jlimit ((juce::int64) 0, (juce::int64) stretch, audible - place);

        if (toRead > 0)
            reader->read (&buffer, offset, toRead, s.start + place, true, true);

        if (toRead < stretch)
            buffer.clear (offset + toRead, stretch - toRead);

        s.position = place + stretch;

        if (s.looping)
            s.position %= s.period;
        else if (s.position >= s.period)
            s.finished = true;

        offset += stretch;
        numSamples -= stretch;
    }
}

void AudioFormatReaderRange::setNextReadPosition (juce::int64 newPosition)
{
    const juce::SpinLock::ScopedLockType lock (stateLock);
    state.position = juce::jmax ((juce::int64) 0, newPosition);
    state.finished = false;
    ++state.generation;
}

juce::int64 AudioFormatReaderRange::getNextReadPosition() const
{
    const auto s = currentState();

    if (s.looping)
        return s.period > 0 ? s.position % s.period : 0;

    return s.position;
}

juce::int64 AudioFormatReaderRange::getTotalLength() const
{
    return currentState().period;
}

bool AudioFormatReaderRange::isLooping() const
{
    return currentState().looping;
}

void AudioFormatReaderRange::setLooping (bool shouldLoop)
{
    const juce::SpinLock::ScopedLockType lock (stateLock);
    state.looping = shouldLoop;
}
