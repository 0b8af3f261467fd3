#pragma once

#include "core/DeviceSettings.h"
#include "sampler/files/SampleFileAcceptance.h"

/** Which of the beat count and the tempo the slot editor holds while the range moves; stored in a
    record's fixState. */
enum class SlotFixState
{
    none = 0,
    beats = 1,
    tempo = 2
};

/** The slot editor without its face: one slot's values while the user edits them, and the rules that
    tie the tempo, the beat count of the range and the range together.

    It works on its own copy of the tile's record: nothing reaches the document until store() (OK);
    CANCEL simply drops the model. Times are milliseconds of the source, tempi hundredths of a beat per
    minute (0 = unknown), the beat count a plain number (0 = unknown). Every edit leaves START and END
    inside the source and at least minRangeMs apart (as far as the source is long enough), and a slot
    without a tempo never loops. After any edit the component shows every value again. */
class SlotEditorModel
{
public:
    static constexpr int minTempo = 4000, maxTempo = 99999;
    static constexpr double minRangeMs = 10.0;
    static constexpr double stepMs = 10.0;          // what START -/+ and END -/+ move
    static constexpr int unityGainIndex = 128;

    /** The editor of slot slotIndex (0..15) opened on the tile's working copy; bankTotalSeconds is the
        bank's total as the tiles last computed it, this slot's range included. */
    SlotEditorModel (const SamplerSlot& workingCopy, int slotIndex, double bankTotalSeconds);

    //==============================================================================
    int getSlotIndex() const noexcept              { return slotIndex; }
    bool mayLoop() const noexcept                  { return slotIndex % 4 == 0; }
    SlotFixState getFixState() const noexcept      { return fixState; }
    bool isLooping() const noexcept                { return looping; }
    int getTempo() const noexcept                  { return tempo; }
    double getBeats() const noexcept               { return beats; }
    const juce::String& getPath() const noexcept   { return path; }
    bool hasSource() const noexcept                { return path.isNotEmpty(); }
    double getSourceLengthMs() const noexcept      { return sourceLengthMs; }
    double getStartMs() const noexcept             { return startMs; }
    double getEndMs() const noexcept               { return endMs; }
    int getGainIndex() const noexcept              { return gainIndex; }
    float getGainAmplitude() const;

    /** The bank's total in seconds with this slot's new range instead of the one it had at opening. */
    double getProjectedBankTotal() const;

    //==============================================================================
    /** "m:ss.mmm" of a time rounded to whole milliseconds. */
    static juce::String formatMilliseconds (double ms);

    /** Seconds, or minutes and seconds around a ":", each reduced to digits and "."; in milliseconds. */
    static double parseMilliseconds (const juce::String& text);

    juce::String getStartText() const              { return formatMilliseconds (startMs); }
    juce::String getEndText() const                { return formatMilliseconds (endMs); }
    juce::String getTempoText() const;             // "120.00", or "unknown"
    juce::String getBeatsText() const;             // "6.00 BEAT", or "unknown BEAT"
    juce::String getLengthText() const;            // "Time:000:02.000"
    juce::String getTimeSpaceText() const;         // "Time Space:13.500sec": what the bank has left
    juce::String getGainText() const;              // "GAIN:-3.5dB", "GAIN:0.0dB", "GAIN:+2.1dB"

    //==============================================================================
    /** The fix buttons: switch between the two held values; nothing while neither is held. */
    void chooseFixState (SlotFixState newState);

    /** ONE-SHOT and LOOP: looping needs a tempo and a slot that may loop; otherwise one-shot stays. */
    void setLooping (bool shouldLoop);

    /** DELETE: the slot becomes empty, at 0 dB. */
    void clearSource();

    /** The file button and file drops: takes the file when it is accepted (its loop and tempo from its
        "qzt1" chunk, the whole file as range); otherwise nothing changes. Show the verdict's alert. */
    SampleFileAcceptance loadFile (const juce::File& file);

    /** A new START or END from the range slider, its -/+ buttons or typing: limited to the source and
        to minRangeMs from the other end, then tempo and beat count follow the fix state. */
    void setStart (double ms);
    void setEnd (double ms);

    /** Typed texts: times as parseMilliseconds reads them; the tempo in BPM ("unknown" or nothing = 0,
        otherwise 40.00..999.99, rounded to hundredths); the beat count ("unknown" or nothing = 0). */
    void typeStart (const juce::String& text)      { setStart (parseMilliseconds (text)); }
    void typeEnd (const juce::String& text)        { setEnd (parseMilliseconds (text)); }
    void typeTempo (const juce::String& text);
    void typeBeats (const juce::String& text);

    /** The gain knob. Without a source the gain stays at 0 dB and this returns false: put the knob back. */
    bool setGainIndex (int newIndex);

    //==============================================================================
    enum class StoreResult
    {
        stored,                 // the record holds the editor's values
        cleared,                // no usable file (none, gone, not "wav"): the record is now empty
        clearedUnsupported      // the file fails the sample check: empty too, and "Non-supported WAV format."
    };

    /** OK: writes the values into a document record, checking the file once more first. */
    StoreResult store (SamplerSlot& record) const;

private:
    enum class Control { start, end, tempo, beats };

    void couple (Control changed, bool mayRunAgain);
    void coupleWithNothingHeld (Control changed);
    void coupleWithBeatsHeld (Control changed, bool mayRunAgain);
    void coupleWithTempoHeld (Control changed);
    void tempoFromBeats();
    void restoreRangeForBeats (Control moved, bool mayRunAgain);
    void forgetTempo();
    void beatsFromRange();

    double rangeSeconds() const noexcept           { return (endMs - startMs) / 1000.0; }
    double beatSeconds() const noexcept            { return 6000.0 / tempo; }
    double roundedTempoForBeats() const;
    void placeStart (double ms);
    void placeEnd (double ms);

    const int slotIndex;
    const double bankTotalAtOpening;
    double rangeSecondsAtOpening = 0;

    SlotFixState fixState = SlotFixState::none;
    bool looping = false;
    int tempo = 0;
    double beats = 0;
    juce::String path;
    double sourceLengthMs = 0;
    double startMs = 0, endMs = 0;
    int gainIndex = unityGainIndex;
};
