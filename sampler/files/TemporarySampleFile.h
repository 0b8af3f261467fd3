#pragma once

#include "sampler/files/SampleFileBuilder.h"

#include <cstdint>
#include <memory>
#include <juce_core/juce_core.h>

/** The ready-made sample file of one sampler slot: a temporary file in the user's temporary folder,
    rebuilt only when something that shapes it changes, and deleted with this object. */
class TemporarySampleFile
{
public:
    enum class Outcome
    {
        unchanged,      // built before from the same source and settings; kept as it is
        built,          // a new file was written (under a new name)
        failed,         // nothing usable: no file is kept
        cancelled       // stopped by the cancel check: no file is kept
    };

    /** Everything that shapes the file. A slot's fix state is not among them: it changes only how the
        editor couples tempo and range, never a sample. */
    struct Settings
    {
        juce::String sourcePath;
        int32_t loop = 0, tempo = 0;
        int startMs = 0, endMs = 0, gainIndex = 128;

        bool operator== (const Settings& other) const
        {
            return sourcePath == other.sourcePath && loop == other.loop && tempo == other.tempo
                && startMs == other.startMs && endMs == other.endMs && gainIndex == other.gainIndex;
        }

        bool operator!= (const Settings& other) const    { return ! operator== (other); }
    };

    TemporarySampleFile() = default;
    ~TemporarySampleFile() = default;

    /** Makes sure the file holds source's range startMs..endMs (endMs 0 = to the end) with the given
        loop flag, tempo and gain index. A failed or cancelled build leaves no file behind; the next call
        tries again. */
    Outcome write (const juce::File& source, int32_t loop, int32_t tempo, int startMs, int endMs, int gainIndex,
                   const CancelCheck& shouldCancel = {});
    Outcome write (const Settings& settings, const CancelCheck& shouldCancel = {});

    /** True when the file exists and was built from exactly these settings: write() would keep it. */
    bool isBuiltFrom (const Settings& settings) const    { return file != nullptr && builtFrom == settings; }

    /** Deletes the file, for a slot that has been emptied. */
    void clear();

    bool hasFile() const noexcept          { return file != nullptr; }
    juce::File getFile() const;             // juce::File() when there is none
    juce::String getPath() const;           // empty when there is none

private:
    std::unique_ptr<juce::TemporaryFile> file;
    Settings builtFrom;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (TemporarySampleFile)
};
