#include "sampler/files/TemporarySampleFile.h"

#include "sampler/files/SampleFileBuilder.h"

TemporarySampleFile::Outcome TemporarySampleFile::write (const juce::File& source, int32_t loop, int32_t tempo,
                                                         int startMs, int endMs, int gainIndex)
{
    const Settings wanted { source.getFullPathName(), loop, tempo, startMs, endMs, gainIndex };

    if (file != nullptr && wanted == builtFrom)
        return Outcome::unchanged;

    clear();

    auto newFile = std::make_unique<juce::TemporaryFile>();

    if (! buildSampleFile (source, newFile->getFile(), loop, tempo, startMs, endMs, gainIndex))
        return Outcome::failed;

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
