#include "core/transfer/DocumentFiles.h"

#include "core/DocumentXml.h"
#include "core/FileChecks.h"
#include "core/transfer/FileReplace.h"
#include "sampler/files/SampleWavInfo.h"

namespace
{

bool writeSampleFiles (const DeviceSettings& document, const juce::File& documentFile, DocumentFileHost& host)
{
    const auto folder = DocumentFiles::sampleFolderFor (documentFile);
    if (! folder.isDirectory() && ! folder.createDirectory())
        return false;

    bool allWritten = true;

    for (int bank = 1; bank <= numSamplerBanks; ++bank)
    {
        for (int slot = 1; slot <= slotsPerBank; ++slot)
        {
            const int index = slotIndex (bank, slot);
            const auto target = folder.getChildFile (DocumentFiles::sampleFileName (bank, slot));
            const auto temporary = host.temporaryFileForSlot (index);

            if (temporary != juce::File() && FileChecks::isRegularFile (temporary))
            {
                allWritten = FileReplace::replaceWithCopyOf (target, temporary) && allWritten;
            }
            else if (slotPathIsEmpty (samplerSlot (document, index)))
            {
                if (target.existsAsFile())
                    allWritten = target.deleteFile() && allWritten;
            }
            else
            {
                // A used slot without its prepared file: the file already beside the document may be
                // the only copy of the sample, so it stays.
                allWritten = false;
            }
        }
    }

    return allWritten;
}
} // namespace

namespace DocumentFiles
{
juce::String sampleFileName (int bank, int slot)
{
    return "Sampler" + juce::String (bank) + juce::String (slot) + ".wav";
}

juce::File sampleFolderFor (const juce::File& documentFile)
{
    return documentFile.getParentDirectory().getChildFile (documentFile.getFileNameWithoutExtension());
}

bool saveSettingsFile (const DeviceSettings& document, const juce::File& file, DocumentFileHost& host)
{
    const auto text = createSettingsText (document, document, {});
    // A failed or partial write (a full disk among them) leaves the old file and is reported, never a
    // torn file with "Saving completed.".
    bool saved = file != juce::File() && FileReplace::replaceWithData (file, text.toRawUTF8(), text.getNumBytesAsUTF8());

    if (saved)
    {
        host.buildTemporaryFiles();
        saved = writeSampleFiles (document, file, host);
    }

    if (saved)
        host.showAlert (UserMessage::savingCompleted, AlertKind::information);
    else
        host.showAlert (UserMessage::savingFailed, AlertKind::warning);

    return saved;
}

bool loadSettingsFile (DeviceSettings& document, const juce::File& file, DocumentFileHost& host)
{
    if (file == juce::File() || ! FileChecks::isRegularFile (file) || file.getSize() > maximumDocumentBytes)
    {
        host.showAlert (UserMessage::rsdCorrupt, AlertKind::warning);
        return false;
    }

    // Parse into a copy: a document that fails half-way must not leave half of itself behind.
    auto loaded = std::make_unique<DeviceSettings> (document);
    const int result = parseSettingsText (*loaded, file.loadFileAsString());

    switch (result)
    {
        case settingsReadOk:
            break;

        case settingsNoSecondPart:
            host.showAlert (UserMessage::rsdVersionDiffers, AlertKind::warning);
            break;

        case settingsDidNotParse:
            host.showAlert (UserMessage::rsdCorrupt, AlertKind::warning);
            return false;

        default:    // no first part, parts out of order, a value out of range
            host.showAlert (UserMessage::rsdIncorrect, AlertKind::warning);
            return false;
    }

    // The spare row belongs to the sampler editor and is never written to document files: a file
    // that carries one anyway must not place paths there that nothing has checked.
    for (int i = numUnitSlots; i < XPadEffectRecord::numSlots; ++i)
        samplerSlot (*loaded, i) = samplerSlot (document, i);

    document = *loaded;
    loaded.reset();

    host.refreshPanel();
    const bool allRestored = loadSamplerWavFiles (document, file);
    host.samplesReloaded();
    host.showAlert (allRestored ? UserMessage::loadingCompleted : UserMessage::someSamplesFailed,
                    AlertKind::information);
    return true;
}

bool loadSamplerWavFiles (DeviceSettings& document, const juce::File& documentFile)
{
    bool allRestored = true;

    for (int bank = 1; bank <= numSamplerBanks; ++bank)
    {
        for (int slotNumber = 1; slotNumber <= slotsPerBank; ++slotNumber)
        {
            auto& slot = samplerSlot (document, slotIndex (bank, slotNumber));
            if (slotPathIsEmpty (slot))
                continue;

            // Paths stored by other machines ("C:\...") are not paths here: they count as missing.
            const auto stored = getSlotPath (slot);
            auto file = juce::File::isAbsolutePath (stored) ? juce::File (stored) : juce::File();

            if (! FileChecks::isRegularFile (file))
            {
                file = juce::File();

                if (documentFile != juce::File())
                {
                    const auto beside = sampleFolderFor (documentFile).getChildFile (sampleFileName (bank, slotNumber));
                    if (FileChecks::isRegularFile (beside))
                    {
                        file = beside;
                        setSlotPath (slot, beside.getFullPathName());
                        slot.start = 0;     // the file beside the document is already trimmed
                        slot.end = 0;
                    }
                }
            }

            if (file == juce::File())
            {
                initSamplerSlot (slot);
                allRestored = false;
                continue;
            }

            // Only what the file really carries replaces the slot's loop and tempo; a file that fails the
            // check keeps the slot as the document had it.
            readSampleWavInfo (file, &slot.loop, &slot.tempo, nullptr, true, nullptr);

            // Whatever a file carries, the slot stays within what the document format can read back.
            slot.loop = juce::jlimit (0, 1, (int) slot.loop);
            if (slot.tempo < 0 || slot.tempo > 99999)
                slot.tempo = 0;
        }
    }

    return allRestored;
}
} // namespace DocumentFiles
