#include "sampler/files/SamplePreview.h"

#include "sampler/files/SampleGain.h"
#include "sampler/files/SlotEditorModel.h"

namespace
{
PreviewRange::SlotValues valuesOf (const SlotEditorModel& slot)
{
    return { slot.getStartMs(), slot.getEndMs(), slot.isLooping(), slot.getTempo() };
}
} // namespace

SamplePreview::SamplePreview (juce::AudioDeviceManager& deviceManager)
    : devices (deviceManager)
{
    player.setSource (&transport);
}

SamplePreview::~SamplePreview()
{
    detachRange();
    player.setSource (nullptr);
    devices.closeAudioDevice();
}

void SamplePreview::detachRange()
{
    transport.stop();
    transport.setSource (nullptr);
    range.reset();
    devices.removeAudioCallback (&player);
}

bool SamplePreview::openOutput()
{
    // An open output is kept: reopening it at every start would click and take time.
    if (devices.getCurrentAudioDevice() == nullptr)
    {
        juce::AudioDeviceManager::AudioDeviceSetup setup;
        setup.sampleRate = 44100.0;
        devices.initialise (0, 2, nullptr, true, {}, &setup);
    }

    // The device manager reports success when the system has no output at all: only a device counts.
    return devices.getCurrentAudioDevice() != nullptr;
}

SamplePreview::Outcome SamplePreview::start (const juce::File& source, double startMs, double endMs)
{
    detachRange();

    if (! openOutput())
        return Outcome::noOutputDevice;

    juce::AudioFormatManager formats;
    formats.registerBasicFormats();
    std::unique_ptr<juce::AudioFormatReader> reader (formats.createReaderFor (source));

    if (reader == nullptr)
        return Outcome::unreadableFile;

    const auto sourceRate = reader->sampleRate;
    range = std::make_unique<AudioFormatReaderRange> (reader.release(), true);
    range->setRange (startMs / 1000.0, endMs / 1000.0, -1.0);

    // Read straight from the file on the audio thread: a preview range is short and read ahead by
    // the system's cache, and a read-ahead buffer would hold stale audio after every range change.
    transport.setSource (range.get(), 0, nullptr, sourceRate, 2);
    devices.addAudioCallback (&player);
    return Outcome::started;
}

SamplePreview::Outcome SamplePreview::play (const juce::File& source, const PreviewRange::SlotValues& values,
                                            int gainIndex)
{
    const auto outcome = start (source, values.startMs, values.endMs);

    if (outcome != Outcome::started)
        return outcome;

    setGainIndex (gainIndex);
    updateRange (values);
    transport.start();
    return outcome;
}

void SamplePreview::updateRange (const PreviewRange::SlotValues& values)
{
    if (range == nullptr)
        return;

    const auto r = PreviewRange::forSlot (values);
    range->setLooping (values.loop);
    range->setRange (r.startMs / 1000.0, r.playEndMs / 1000.0, r.periodEndMs < 0.0 ? -1.0 : r.periodEndMs / 1000.0);

    // Also drops what the rate converter still holds of the old range.
    transport.setNextReadPosition (0);
}

SamplePreview::Outcome SamplePreview::play (const SlotEditorModel& slot)
{
    return play (juce::File (slot.getPath()), valuesOf (slot), slot.getGainIndex());
}

void SamplePreview::updateRange (const SlotEditorModel& slot)
{
    updateRange (valuesOf (slot));
}

void SamplePreview::setGainIndex (int gainIndex)
{
    // The player's gain is read by the audio thread atomically; the transport's is a plain float.
    player.setGain (gainIndexToAmplitude (gainIndex));
}

void SamplePreview::stop()
{
    transport.stop();
}

bool SamplePreview::isPlaying() const
{
    return transport.isPlaying();
}
