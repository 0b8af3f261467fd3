#include "sampler/files/TemporarySampleFile.h"

#include "sampler/files/SampleFileBuilder.h"

TemporarySampleFile::Outcome TemporarySampleFile::write (const juce::File& source, int32_t loop, int32_t tempo,
                                                         int startMs, int endMs, int gainIndex,
                                                         const CancelCheck& shouldCancel)
{
    return write (Settings { source.getFullPathName(), loop, tempo, startMs, endMs, gainIndex }, shouldCancel);
}

TemporarySampleFile::Outcome TemporarySampleFile::write (const Settings& wanted, const CancelCheck& shouldCancel)
{
    if (isBuiltFrom (wanted))
        return Outcome::unchanged;

    clear();

    auto newFile = std::make_unique<juce::TemporaryFile>();

    if (! buildSampleFile (juce::File (wanted.sourcePath), newFile->getFile(), wanted.loop, wanted.tempo,
                           wanted.startMs, wanted.endMs, wanted.gainIndex, shouldCancel))
        return shouldCancel && shouldCancel() ? Outcome::cancelled : Outcome::failed;

    file = std::move (newFile);
    builtFrom = wanted;
    return Outcome::built;
}

void TemporarySampleFile::clear()
{
    file.reset();
    builtFrom = {};
}

juce::File TemporarySampleFile::getFile() const
{
    return file != nullptr ? file->getFile() : juce::File();
}

juce::String TemporarySampleFile::getPath() const
{
    return getFile().getFullPathName();
}
