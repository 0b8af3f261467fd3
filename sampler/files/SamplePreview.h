#pragma once

#include "sampler/files/AudioFormatReaderRange.h"
#include "sampler/files/PreviewRange.h"

#include <memory>
#include <juce_audio_devices/juce_audio_devices.h>

class SlotEditorModel;

/** The slot editor's preview: plays a range of the source file through the computer's audio output,
    once or looping on the slot's beat grid, at the slot's gain.

    The device manager is the preview's alone: the preview opens its default output on the first
    start, keeps it open while it lives (so play starts at once) and closes it when it goes, so the
    device is free again for other programs. All calls come from the message thread.
*/
class SamplePreview
{
public:
    enum class Outcome
    {
        started,            // the range is attached to the output; play() also started it
        noOutputDevice,     // no audio output could be opened: nothing is attached
        unreadableFile      // the source file cannot be read as audio: nothing is attached
    };

    explicit SamplePreview (juce::AudioDeviceManager& deviceManager);
    ~SamplePreview();

    /** Replaces the preview's range by a new one over the whole source, set to startMs..endMs and
        played once, and attaches it to the output, opening the output if needed. Stops what plays. */
    Outcome start (const juce::File& source, double startMs, double endMs);

    /** The play button: start() from the editor's values, then gain, looping and range, and play. */
    Outcome play (const juce::File& source, const PreviewRange::SlotValues& values, int gainIndex);

    /** Lays the range, period and looping of the editor's values on the current range (nothing when
        there is none) and restarts it from the range start. */
    void updateRange (const PreviewRange::SlotValues& values);

    /** The same with the slot editor's current file, range, loop, tempo and gain. */
    Outcome play (const SlotEditorModel& slot);
    void updateRange (const SlotEditorModel& slot);

    /** The slot's gain index (0..255, 128 is 0 dB); takes effect within one device block, also while
        playing. */
    void setGainIndex (int gainIndex);

    void stop();
    bool isPlaying() const;
    bool hasRange() const noexcept          { return range != nullptr; }

private:
    void detachRange();
    bool openOutput();

    juce::AudioDeviceManager& devices;
    juce::AudioSourcePlayer player;
    juce::AudioTransportSource transport;
    std::unique_ptr<AudioFormatReaderRange> range;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SamplePreview)
};
