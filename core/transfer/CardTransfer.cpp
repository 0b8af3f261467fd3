#include "core/transfer/CardTransfer.h"

#include "core/transfer/DocumentFiles.h"
#include "core/DocumentXml.h"
#include "core/FileChecks.h"
#include "core/transfer/FileReplace.h"
#include "sampler/files/SampleWavInfo.h"

#include <cmath>
#include <limits>

namespace
{
const char* const cardFolderName = "CORVANE QZT";
const char* const documentFileName = "QZT-7200.RSD";
const char* const sampleFolderName = "QZT-7200";

constexpr double documentProgress = 0.2;

int64_t roundUpToClusters (int64_t bytes)
{
    return (bytes + CardTransfer::clusterBytes - 1) / CardTransfer::clusterBytes * CardTransfer::clusterBytes;
}

juce::File preparedFileFor (const std::vector<juce::File>& preparedFiles, int index)
{
    const auto file = (size_t) index < preparedFiles.size() ? preparedFiles[(size_t) index] : juce::File();
    return FileChecks::isRegularFile (file) ? file : juce::File();
}

double progressAfterSlot (int index)
{
    return documentProgress + (1.0 - documentProgress) * index / numUnitSlots;
}

CardTransfer::Result failure (UserMessage message)
{
    CardTransfer::Result result;
    result.outcome = CardTransfer::Outcome::failed;
    result.message = message;
    return result;
}

CardTransfer::Result stoppedByUser()
{
    CardTransfer::Result result;
    result.outcome = CardTransfer::Outcome::cancelled;
    return result;
}

/** Can a file be made and written in folder? Probes under a name nothing else uses. */
bool folderIsWritable (const juce::File& folder)
{
    const auto probe = folder.getNonexistentChildFile ("dummy", ".dat", false);
    const char content[] = "dummy";
    const bool written = FileReplace::replaceWithData (probe, content, sizeof (content))
                      && probe.getSize() == (juce::int64) sizeof (content);
    return probe.deleteFile() && written;
}
} // namespace

CardTransfer::CardTransfer (const juce::File& root, Options optionsToUse, CardVolume& volumeToUse,
                            CancelCheck cancelCheck, ProgressCallback progressCallback)
    : cardRoot (root), options (optionsToUse), volume (volumeToUse),
      shouldCancel (std::move (cancelCheck)), progress (std::move (progressCallback))
{
}

juce::File CardTransfer::cardFolderFor (const juce::File& root)
{
    return root.getChildFile (cardFolderName);
}

juce::File CardTransfer::documentFileFor (const juce::File& root)
{
    return cardFolderFor (root).getChildFile (documentFileName);
}

juce::File CardTransfer::sampleFileFor (const juce::File& root, int bank, int slot)
{
    return cardFolderFor (root).getChildFile (sampleFolderName).getChildFile (DocumentFiles::sampleFileName (bank, slot));
}

std::optional<UserMessage> CardTransfer::prepareExport (const juce::File& root)
{
    if (root == juce::File() || ! root.isDirectory())
        return UserMessage::noCardLoaded;

    const auto folder = cardFolderFor (root);
    if (! folder.isDirectory() && ! folder.createDirectory())
        return UserMessage::cardWriteProtected;

    // A folder that exists already says nothing about whether the card takes writes.
    if (! folder.isDirectory() || ! folderIsWritable (folder))
        return UserMessage::cardWriteProtected;

    return std::nullopt;
}

juce::String CardTransfer::cardDocumentText (const DeviceSettings& document)
{
    SettingsWriteFlags flags;
    flags.unit = true;
    flags.internal = false;
    return createSettingsText (document, document, flags);
}

bool CardTransfer::cancelled() const
{
    return shouldCancel != nullptr && shouldCancel();
}

void CardTransfer::setProgress (double value) const
{
    if (progress != nullptr)
        progress (value);
}

int64_t CardTransfer::bytesNeeded (const juce::String& documentText, const std::vector<juce::File>& preparedFiles) const
{
    int64_t needed = 0;

    if (options.effectParameters)
        needed += roundUpToClusters ((int64_t) documentText.getNumBytesAsUTF8());

    if (options.sampleData)
        for (int i = 0; i < numUnitSlots; ++i)
            if (const auto file = preparedFileFor (preparedFiles, i); file != juce::File())
                needed += roundUpToClusters (file.getSize());

    return needed;
}

CardTransfer::Result CardTransfer::exportToCard (const DeviceSettings& document, const std::vector<juce::File>& preparedFiles)
{
    const auto folder = cardFolderFor (cardRoot);
    const auto text = options.effectParameters ? cardDocumentText (document) : juce::String();

    const auto freeBytes = volume.freeBytes (folder);
    if (! freeBytes.has_value())
        return failure (UserMessage::noCardLoaded);

    // Nothing is written unless all of it fits: a half-exported card is worse than an untouched one.
    if (*freeBytes < bytesNeeded (text, preparedFiles))
        return failure (UserMessage::cardFull);

    Result result;

    if (options.effectParameters)
    {
        if (! folder.isDirectory())
            return failure (UserMessage::cardWriteProtected);

        if (! FileReplace::replaceWithData (documentFileFor (cardRoot), text.toRawUTF8(), text.getNumBytesAsUTF8()))
            result = failure (UserMessage::noCardLoaded);
        else
            result.documentWritten = true;
    }

    if (result.outcome == Outcome::completed && cancelled())
        result.outcome = Outcome::cancelled;

    if (result.outcome == Outcome::completed)
    {
        setProgress (documentProgress);

        if (options.sampleData)
        {
            bool stopped = false;
            result.message = writeSampleFiles (document, preparedFiles, stopped);
            result.outcome = stopped ? Outcome::cancelled
                                     : result.message.has_value() ? Outcome::failed : Outcome::completed;
            result.samplesWritten = result.outcome == Outcome::completed;
        }
    }

    // Whatever was written, stopped or failed, goes to the medium before anything is reported.
    if (! volume.flush (folder))
    {
        const bool wasCancelled = result.outcome == Outcome::cancelled;
        result = failure (UserMessage::noCardLoaded);

        if (wasCancelled)
            result.outcome = Outcome::cancelled;
    }

    if (result.outcome == Outcome::completed)
        setProgress (1.0);

    return result;
}

std::optional<UserMessage> CardTransfer::writeSampleFiles (const DeviceSettings& document,
                                                           const std::vector<juce::File>& preparedFiles, bool& stopped)
{
    // createDirectory() would also make a missing card folder, on whatever is mounted there now.
    const auto folder = cardFolderFor (cardRoot);
    const auto sampleFolder = folder.getChildFile (sampleFolderName);
    if (! folder.isDirectory() || (! sampleFolder.isDirectory() && ! sampleFolder.createDirectory()))
        return UserMessage::cardWriteProtected;

    std::optional<UserMessage> unpreparedSlot;

    for (int bank = 1; bank <= numSamplerBanks; ++bank)
    {
        for (int slot = 1; slot <= slotsPerBank; ++slot)
        {
            if (cancelled())
            {
                stopped = true;
                return std::nullopt;
            }

            const int index = slotIndex (bank, slot);
            const auto target = sampleFileFor (cardRoot, bank, slot);

            if (const auto prepared = preparedFileFor (preparedFiles, index); prepared != juce::File())
            {
                if (! FileReplace::replaceWithCopyOf (target, prepared))
                    return UserMessage::cardWriteProtected;
            }
            else if (slotPathIsEmpty (samplerSlot (document, index)))
            {
                if (target.exists() && ! target.deleteFile())
                    return UserMessage::cardWriteProtected;
            }
            else
            {
                // The card file may be the only copy of this sample left: it stays, and the export
                // does not claim to be complete.
                unpreparedSlot = UserMessage::someSamplesFailed;
            }

            setProgress (progressAfterSlot (index));
        }
    }

    return unpreparedSlot;
}

CardTransfer::Result CardTransfer::importFromCard (const DeviceSettings& current)
{
    if (! cardFolderFor (cardRoot).isDirectory())
        return failure (UserMessage::noExportedData);

    auto document = std::make_unique<DeviceSettings> (current);
    Result result;

    if (options.effectParameters)
    {
        const auto file = documentFileFor (cardRoot);
        if (! FileChecks::isRegularFile (file))
            return failure (UserMessage::noExportedData);

        if (file.getSize() > DocumentFiles::maximumDocumentBytes)
            return failure (UserMessage::rsdCorrupt);

        switch (parseSettingsText (*document, file.loadFileAsString()))
        {
            case settingsReadOk:
                break;

            case settingsNoSecondPart:
                result.message = UserMessage::rsdVersionDiffers;
                break;

            case settingsDidNotParse:
                return failure (UserMessage::rsdCorrupt);

            default:    // no first part, parts out of order, a value out of range
                return failure (UserMessage::rsdIncorrect);
        }

        // Samples come from the card's sample folder only. A card document that names sample files
        // anyway (the unit's own never does) must not point the slots at paths nothing has checked.
        for (int i = 0; i < XPadEffectRecord::numSlots; ++i)
            samplerSlot (*document, i) = samplerSlot (current, i);
    }

    if (cancelled())
        return stoppedByUser();

    setProgress (documentProgress);

    if (options.sampleData)
    {
        bool stopped = false;
        readSampleFiles (*document, stopped);

        if (stopped)
            return stoppedByUser();
    }

    setProgress (1.0);
    result.document = std::move (document);
    return result;
}

void CardTransfer::readSampleFiles (DeviceSettings& document, bool& stopped) const
{
    for (int bank = 1; bank <= numSamplerBanks; ++bank)
    {
        for (int slotNumber = 1; slotNumber <= slotsPerBank; ++slotNumber)
        {
            if (cancelled())
            {
                stopped = true;
                return;
            }

            const int index = slotIndex (bank, slotNumber);
            const auto file = sampleFileFor (cardRoot, bank, slotNumber);

            // A slot without a valid card file ends up empty.
            auto& slot = samplerSlot (document, index);
            initSamplerSlot (slot);

            int32_t loop = 0, tempo = 0;
            double length = 0;

            if (FileChecks::isRegularFile (file)
                && readSampleWavInfo (file, &loop, &tempo, &length, true, nullptr) == sampleWavOk)
            {
                setSlotPath (slot, file.getFullPathName());
                slot.start = 0;
                slot.end = (int32_t) juce::jlimit<double> (0.0, std::numeric_limits<int32_t>::max(), std::round (length));

                // Files on a card come from anywhere: the slot keeps only values the unit knows.
                slot.loop = loop == 1 ? 1 : 0;
                slot.tempo = (tempo >= 4000 && tempo <= 99999) ? tempo : 0;
            }

            setProgress (progressAfterSlot (index));
        }
    }
}
