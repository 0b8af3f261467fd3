#include "sampler/files/SampleFileAcceptance.h"

#include "core/DeviceSettings.h"
#include "sampler/files/SampleWavInfo.h"

std::optional<UserMessage> SampleFileAcceptance::alert() const
{
    switch (verdict)
    {
        case Verdict::unsupported:  return UserMessage::unsupportedWav;
        case Verdict::pathTooLong:  return UserMessage::samplePathTooLong;
        case Verdict::accepted:
        case Verdict::notWav:
        case Verdict::notAFile:     break;
    }

    return std::nullopt;
}

bool SampleFileAcceptance::hasWavExtension (const juce::File& file)
{
    return file.getFileExtension().equalsIgnoreCase (".wav");
}

SampleFileAcceptance SampleFileAcceptance::check (const juce::File& file, bool readModelChunk)
{
    SampleFileAcceptance result;
    result.path = file.getFullPathName();

    if (! hasWavExtension (file))
        return result;

    // Refused before anything reads the file: the slot could only keep a cut path.
    if (! slotPathFits (result.path))
    {
        result.verdict = Verdict::pathTooLong;
        return result;
    }

    const auto wav = readSampleWavInfo (file, &result.loop, &result.tempo, &result.frames, readModelChunk,
                                        &result.sampleRate);

    result.verdict = wav == sampleWavOk       ? Verdict::accepted
                   : wav == sampleWavNotAFile ? Verdict::notAFile
                                              : Verdict::unsupported;
    return result;
}
