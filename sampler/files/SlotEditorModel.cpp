#include "sampler/files/SlotEditorModel.h"

#include "sampler/files/SampleGain.h"
#include "sampler/files/SampleWavInfo.h"
#include "sampler/files/SlotTime.h"

#include <cmath>
#include <limits>

namespace
{
    // The beat lengths at the tempo limits, in milliseconds: 60 / 999.99 BPM and 60 / 40 BPM.
    constexpr double shortestBeatMs = 60.0006, longestBeatMs = 1500.0;

    bool isKnownTempo (int tempo)
    {
        return tempo >= SlotEditorModel::minTempo && tempo <= SlotEditorModel::maxTempo;
    }

    SlotFixState fixStateFromRecord (int32_t value)
    {
        return value == 1 ? SlotFixState::beats : value == 2 ? SlotFixState::tempo : SlotFixState::none;
    }

    juce::String numberText (const juce::String& text)
    {
        return text.retainCharacters ("0123456789.");
    }
}

SlotEditorModel::SlotEditorModel (const SamplerSlot& record, int index, double bankTotalSeconds)
    : slotIndex (index), bankTotalAtOpening (bankTotalSeconds)
{
    path = getSlotPath (record);

    if (hasSource())
    {
        sourceLengthMs = juce::jmax (0.0, SlotTime::sourceLengthMs (record));
        const auto range = SlotTime::rangeMs (record);
        endMs = juce::jlimit (0.0, sourceLengthMs, range.endMs);
        startMs = juce::jlimit (0.0, endMs, range.startMs);
    }

    gainIndex = juce::jlimit (0, 255, (int) record.gainIndex);
    tempo = isKnownTempo (record.tempo) ? record.tempo : 0;
    looping = record.loop != 0 && tempo != 0 && mayLoop();
    fixState = fixStateFromRecord (record.fixState);

    if (tempo != 0)
        beatsFromRange();

    rangeSecondsAtOpening = rangeSeconds();
}

//==============================================================================
float SlotEditorModel::getGainAmplitude() const
{
    return gainIndexToAmplitude (gainIndex);
}

double SlotEditorModel::getProjectedBankTotal() const
{
    return bankTotalAtOpening - rangeSecondsAtOpening + rangeSeconds();
}

juce::String SlotEditorModel::formatMilliseconds (double ms)
{
    const auto total = juce::jmax (0, juce::roundToInt (juce::jmin (ms, (double) std::numeric_limits<int>::max())));
    return juce::String::formatted ("%d:%02d.%03d", total / 60000, (total / 1000) % 60, total % 1000);
}

double SlotEditorModel::parseMilliseconds (const juce::String& text)
{
    const auto colon = text.indexOfChar (':');

    if (colon < 0)
        return numberText (text).getDoubleValue() * 1000.0;

    const auto minutes = numberText (text.substring (0, colon)).getDoubleValue();
    const auto seconds = numberText (text.substring (colon + 1)).getDoubleValue();
    return (minutes * 60.0 + seconds) * 1000.0;
}

juce::String SlotEditorModel::getTempoText() const
{
    return tempo == 0 ? juce::String ("unknown") : juce::String::formatted ("%d.%02d", tempo / 100, tempo % 100);
}

juce::String SlotEditorModel::getBeatsText() const
{
    return beats == 0 ? juce::String ("unknown BEAT") : juce::String (beats, 2) + " BEAT";
}

juce::String SlotEditorModel::getLengthText() const
{
    // Told from the times as they are shown, so the three labels always agree.
    const auto ms = juce::jmax (0, juce::roundToInt (parseMilliseconds (getEndText()) - parseMilliseconds (getStartText())));
    return juce::String::formatted ("Time:%03d:%02d.%03d", ms / 60000, (ms / 1000) % 60, ms % 1000);
}

juce::String SlotEditorModel::getTimeSpaceText() const
{
    const auto maxBankSeconds = maxSampleMilliseconds / 1000.0;
    return "Time Space:" + juce::String (juce::jmax (0.0, maxBankSeconds - getProjectedBankTotal()), 3) + "sec";
}

juce::String SlotEditorModel::getGainText() const
{
    const auto db = 20.0 * std::log10 ((double) getGainAmplitude());
    return (gainIndex > unityGainIndex ? "GAIN:+" : "GAIN:") + juce::String (db, 1) + "dB";
}

//==============================================================================
void SlotEditorModel::chooseFixState (SlotFixState newState)
{
    // Only a known value can be held.
    const bool known = newState == SlotFixState::tempo ? tempo != 0 : beats > 0;

    if (fixState != SlotFixState::none && newState != SlotFixState::none && known)
        fixState = newState;
}

void SlotEditorModel::setLooping (bool shouldLoop)
{
    looping = shouldLoop && tempo >= 1 && mayLoop();
}

void SlotEditorModel::clearSource()
{
    path.clear();
    sourceLengthMs = startMs = endMs = 0;
    forgetTempo();
    gainIndex = unityGainIndex;
}

SampleFileAcceptance SlotEditorModel::loadFile (const juce::File& file)
{
    auto accepted = SampleFileAcceptance::check (file, true);

    if (! accepted.isAccepted())
        return accepted;

    path = accepted.path;
    sourceLengthMs = SlotTime::framesToMs (accepted.frames, accepted.sampleRate);
    startMs = 0;
    endMs = sourceLengthMs;
    tempo = isKnownTempo (accepted.tempo) ? accepted.tempo : 0;
    looping = accepted.loop != 0 && tempo != 0 && mayLoop();

    // As for a file dropped on a tile: a tempo in the file is the value to hold.
    if (tempo != 0)
    {
        fixState = SlotFixState::tempo;
        beatsFromRange();
    }
    else
    {
        forgetTempo();
    }

    return accepted;
}

void SlotEditorModel::setStart (double ms)
{
    if (std::isnan (ms))
        ms = 0;

    placeStart (ms);
    couple (Control::start, true);
}

void SlotEditorModel::setEnd (double ms)
{
    if (std::isnan (ms))
        ms = 0;

    placeEnd (ms);
    couple (Control::end, true);
}

void SlotEditorModel::typeTempo (const juce::String& text)
{
    const auto number = numberText (text);

    if (number.isEmpty())
    {
        tempo = 0;
    }
    else
    {
        // Rounded, not cut: 999.99 is 99998.999... in binary and must stay 99999.
        const auto bpm = juce::jlimit (minTempo / 100.0, maxTempo / 100.0, number.getDoubleValue());
        tempo = juce::roundToInt (bpm * 100.0);
    }

    if (tempo == 0)
        looping = false;

    couple (Control::tempo, true);
}

void SlotEditorModel::typeBeats (const juce::String& text)
{
    const auto value = numberText (text).getDoubleValue();
    beats = std::isfinite (value) ? value : 0.0;
    couple (Control::beats, true);
}

bool SlotEditorModel::setGainIndex (int newIndex)
{
    if (! hasSource())
    {
        gainIndex = unityGainIndex;
        return false;
    }

    gainIndex = juce::jlimit (0, 255, newIndex);
    return true;
}

//==============================================================================
SlotEditorModel::StoreResult SlotEditorModel::store (SamplerSlot& record) const
{
    const juce::File file (juce::File::isAbsolutePath (path) ? path : juce::String());
    double frames = 0;
    int sampleRate = unitSampleRate;

    const auto check = SampleFileAcceptance::hasWavExtension (file) && slotPathFits (path)
                         ? readSampleWavInfo (file, nullptr, nullptr, &frames, false, &sampleRate)
                         : sampleWavNotAFile;

    if (check != sampleWavOk)
    {
        initSamplerSlot (record);
        return check == sampleWavNotAFile ? StoreResult::cleared : StoreResult::clearedUnsupported;
    }

    setSlotPath (record, path);
    record.length = (int32_t) juce::jlimit (0.0, (double) std::numeric_limits<int32_t>::max(), std::round (frames));
    record.sampleRate = sampleRate;
    setSamplerSlotRange (record, startMs, endMs);
    record.fixState = (int32_t) fixState;
    record.gainIndex = gainIndex;
    record.loop = looping ? 1 : 0;
    record.tempo = tempo;
    return StoreResult::stored;
}

//==============================================================================
void SlotEditorModel::couple (Control changed, bool mayRunAgain)
{
    // A held value that is unknown holds nothing.
    auto held = fixState;

    if ((held == SlotFixState::beats && beats <= 0 && changed != Control::beats)
         || (held == SlotFixState::tempo && tempo == 0 && changed == Control::beats))
        held = SlotFixState::none;

    switch (held)
    {
        case SlotFixState::none:   coupleWithNothingHeld (changed); break;
        case SlotFixState::beats:  coupleWithBeatsHeld (changed, mayRunAgain); break;
        case SlotFixState::tempo:  coupleWithTempoHeld (changed); break;
    }

    if (tempo == 0)
    {
        looping = false;

        if (fixState == SlotFixState::tempo)
            fixState = SlotFixState::none;
    }

    if (beats <= 0 && fixState == SlotFixState::beats)
        fixState = SlotFixState::none;
}

void SlotEditorModel::coupleWithNothingHeld (Control changed)
{
    if (changed == Control::tempo)
    {
        if (tempo != 0)
        {
            fixState = SlotFixState::tempo;
            beatsFromRange();
        }
        else
        {
            beats = 0;
        }
    }
    else if (changed == Control::beats)
    {
        if (beats != 0)
        {
            fixState = SlotFixState::beats;
            tempoFromBeats();
        }
        else
        {
            tempo = 0;
        }
    }
}

void SlotEditorModel::coupleWithBeatsHeld (Control changed, bool mayRunAgain)
{
    switch (changed)
    {
        case Control::start:
        case Control::end:
            restoreRangeForBeats (changed, mayRunAgain);
            break;

        case Control::tempo:
        {
            // No tempo: the beats and the range give it back.
            if (tempo == 0)
            {
                restoreRangeForBeats (Control::end, mayRunAgain);
                break;
            }

            const auto wantedEnd = startMs + beatSeconds() * beats * 1000.0;

            if (wantedEnd > sourceLengthMs)
            {
                placeEnd (sourceLengthMs);

                // The beats do not fit at this tempo: the tempo follows the range that there is.
                if (mayRunAgain)
                    couple (Control::end, false);
            }
            else
            {
                placeEnd (wantedEnd);
            }
            break;
        }

        case Control::beats:
            if (beats == 0)
                forgetTempo();
            else
                tempoFromBeats();
            break;
    }
}

void SlotEditorModel::coupleWithTempoHeld (Control changed)
{
    if (changed == Control::beats && beats != 0)
    {
        placeEnd (juce::jmin (startMs + beatSeconds() * beats * 1000.0, sourceLengthMs));
    }

    // Whatever moved, the beats are what the range holds at the held tempo.
    if (tempo != 0)
        beatsFromRange();
    else
        forgetTempo();
}

void SlotEditorModel::tempoFromBeats()
{
    const auto rounded = roundedTempoForBeats();

    if (rounded >= minTempo && rounded <= maxTempo)
    {
        tempo = (int) rounded;
        return;
    }

    tempo = rounded < minTempo ? minTempo : maxTempo;
    const auto wantedEnd = startMs + beatSeconds() * beats * 1000.0;

    if (wantedEnd > sourceLengthMs)
    {
        placeEnd (sourceLengthMs);
        beatsFromRange();
    }
    else
    {
        placeEnd (wantedEnd);
    }
}

void SlotEditorModel::restoreRangeForBeats (Control moved, bool mayRunAgain)
{
    const auto rounded = roundedTempoForBeats();

    if (rounded >= minTempo && rounded <= maxTempo)
    {
        tempo = (int) rounded;
        return;
    }

    // Out of the tempo limits: the range goes back to what the beats take at the nearest limit.
    tempo = rounded < minTempo ? minTempo : maxTempo;
    const auto needed = beatSeconds() * beats * 1000.0;
    const bool reachable = needed >= minRangeMs
                        && needed >= beats * shortestBeatMs
                        && needed <= beats * longestBeatMs * (1.0 + 1e-12);
    const auto span = juce::jmax (needed, minRangeMs);

    // A range too short to hold even one step runs the coupling once more from where it landed; a
    // second pass ends there, so a tiny beat count cannot bounce the range for ever.
    if (moved == Control::start)
    {
        const auto before = startMs;
        placeStart (endMs - span);

        if (! reachable && mayRunAgain && startMs != before)
            couple (Control::start, false);
    }
    else
    {
        const auto before = endMs;
        placeEnd (startMs + span);

        if (! reachable && mayRunAgain && endMs != before)
            couple (Control::end, false);
    }
}

void SlotEditorModel::forgetTempo()
{
    fixState = SlotFixState::none;
    tempo = 0;
    beats = 0;
    looping = false;
}

void SlotEditorModel::beatsFromRange()
{
    beats = tempo > 0 ? rangeSeconds() / beatSeconds() : 0.0;
}

double SlotEditorModel::roundedTempoForBeats() const
{
    const auto range = rangeSeconds();

    if (range <= 0)
        return std::numeric_limits<double>::infinity();

    return std::round (beats * 60.0 / range * 100.0);
}

void SlotEditorModel::placeStart (double ms)
{
    startMs = juce::jlimit (0.0, juce::jmax (0.0, endMs - minRangeMs), ms);
}

void SlotEditorModel::placeEnd (double ms)
{
    endMs = juce::jlimit (juce::jmin (startMs + minRangeMs, sourceLengthMs), sourceLengthMs, ms);
}
