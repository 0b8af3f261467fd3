#pragma once

#include "core/DeviceSettings.h"
#include "core/UserMessage.h"
#include "core/transfer/CardVolume.h"

#include <functional>
#include <memory>
#include <optional>
#include <vector>
#include <juce_core/juce_core.h>

/** Copies the document and the sampler's prepared sample files to a card in the layout the unit
    reads, and reads them back. It runs on a worker thread while the message thread waits modally;
    it touches no user interface and changes no document of the caller's: an import hands back a
    new document for the caller to apply.

    Every card file is replaced whole (see FileReplace), cancelling is honoured between files, and
    after an export the card's filesystem is flushed, so the card holds what the result says. */
class CardTransfer
{
public:
    /** What goes to or comes from the card. */
    struct Options
    {
        bool effectParameters = true;
        bool sampleData = true;
    };

    enum class Outcome
    {
        completed,      // everything asked for was done ("completed" may be shown)
        cancelled,      // the user stopped it between two files: nothing is to be shown
        failed          // message says why
    };

    struct Result
    {
        Outcome outcome = Outcome::completed;

        /** Why it failed; a completed import may carry rsdVersionDiffers, to be shown as information. */
        std::optional<UserMessage> message;

        /** Export: the card holds the document now (the settings-modified flag may be cleared). */
        bool documentWritten = false;

        /** Export: the card holds every slot's sample now (the sampler-modified flag may be cleared). */
        bool samplesWritten = false;

        /** Import, completed only: the document read from the card, to replace the current one. */
        std::unique_ptr<DeviceSettings> document;
    };

    /** Asked between files; true stops the transfer. */
    using CancelCheck = std::function<bool()>;

    /** Told the progress, 0..1. */
    using ProgressCallback = std::function<void (double)>;

    /** Space on the card is counted in clusters of this size. */
    static constexpr int64_t clusterBytes = 32768;

    /** cardRoot is the drive's mount point; volume answers for the filesystem it holds. */
    CardTransfer (const juce::File& cardRoot, Options options, CardVolume& volume,
                  CancelCheck shouldCancel = {}, ProgressCallback progress = {});

    /** The card folder, the document in it and the sample file of bank and slot 1..4. */
    static juce::File cardFolderFor (const juce::File& cardRoot);
    static juce::File documentFileFor (const juce::File& cardRoot);
    static juce::File sampleFileFor (const juce::File& cardRoot, int bank, int slot);

    /** The checks before an export starts: the card is there (else noCardLoaded), its card folder
        exists or can be made, and a file can be written in it (else cardWriteProtected). */
    static std::optional<UserMessage> prepareExport (const juce::File& cardRoot);

    /** The text stored on the card: the whole document as the unit reads it, no sampler elements. */
    static juce::String cardDocumentText (const DeviceSettings& document);

    /** Writes the document and samples to the card. preparedFiles holds the prepared sample file of
        each of the 16 unit slots; a missing entry or File() means the slot has none. */
    Result exportToCard (const DeviceSettings& document, const std::vector<juce::File>& preparedFiles);

    /** Reads the card into a copy of current, which is never changed. */
    Result importFromCard (const DeviceSettings& current);

private:
    bool cancelled() const;
    void setProgress (double value) const;

    int64_t bytesNeeded (const juce::String& documentText, const std::vector<juce::File>& preparedFiles) const;
    std::optional<UserMessage> writeSampleFiles (const DeviceSettings& document,
                                                 const std::vector<juce::File>& preparedFiles, bool& stopped);
    void readSampleFiles (DeviceSettings& document, bool& stopped) const;

    juce::File cardRoot;
    Options options;
    CardVolume& volume;
    CancelCheck shouldCancel;
    ProgressCallback progress;

    JUCE_DECLARE_NON_COPYABLE (CardTransfer)
};
