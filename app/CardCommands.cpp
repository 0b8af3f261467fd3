#include "app/CardCommands.h"

#include "sampler/files/SamplerTiles.h"
#include "sampler/files/SlotTime.h"

juce::String CardCommands::Job::title() const
{
    return mode == MainProgressWindow::Mode::exportToCard ? "Exporting..." : "Importing...";
}

CardCommands::CardCommands (DeviceSettings& currentDocument, EditController& editController,
                            bool& samplerModifiedFlag, Host& hostToUse)
    : current (currentDocument),
      editing (editController),
      samplerModified (samplerModifiedFlag),
      host (hostToUse)
{
}

bool CardCommands::anyBankOverLimit (const DeviceSettings& document)
{
    for (int bank = 1; bank <= numSamplerBanks; ++bank)
    {
        double total = 0;

        for (int slot = 1; slot <= slotsPerBank; ++slot)
            total += SlotTime::bankSeconds (samplerSlot (document, slotIndex (bank, slot)));

        if (total > SamplerTiles::maxBankSeconds)
            return true;
    }

    return false;
}

std::optional<CardTransfer::Outcome> CardCommands::exportToCard (const juce::File& cardRoot, CardTransfer::Options options)
{
    if (options.effectParameters)
        editing.checkSettingSelector();

    if (options.sampleData)
        host.prepareSamplerFiles();

    // The drive the panel showed may have been pulled since; whatever is mounted there now, or the
    // folder left behind, is not the user's card.
    if (cardRoot == juce::File() || ! host.isCardDriveMounted (cardRoot))
    {
        host.showAlert (UserMessage::noCardLoaded, AlertKind::warning);
        return std::nullopt;
    }

    if (const auto problem = CardTransfer::prepareExport (cardRoot))
    {
        host.showAlert (*problem, AlertKind::warning);
        return std::nullopt;
    }

    // Only samples are cut: with effect parameters alone there is nothing to warn about.
    if (options.sampleData && anyBankOverLimit (current))
        host.showAlert (UserMessage::bankOver16Seconds, AlertKind::information);

    Job job { MainProgressWindow::Mode::exportToCard, cardRoot, options, current, {} };

    if (options.sampleData)
        for (int i = 0; i < numUnitSlots; ++i)
            job.preparedFiles.push_back (host.temporaryFileForSlot (i));

    const auto result = host.runCardTransfer (job);

    // What reached the card is saved there, however the run ended afterwards.
    if (result.documentWritten)
        editing.setSettingsModified (false);

    if (result.samplesWritten)
        samplerModified = false;

    report (result, UserMessage::exportingCompleted, UserMessage::noCardLoaded);
    return result.outcome;
}

std::optional<CardTransfer::Outcome> CardCommands::importFromCard (const juce::File& cardRoot, CardTransfer::Options options)
{
    if (cardRoot == juce::File() || ! host.isCardDriveMounted (cardRoot)
        || ! CardTransfer::cardFolderFor (cardRoot).isDirectory())
    {
        host.showAlert (UserMessage::noExportedData, AlertKind::warning);
        return std::nullopt;
    }

    auto result = host.runCardTransfer ({ MainProgressWindow::Mode::importFromCard, cardRoot, options, current, {} });

    // A failed or cancelled import leaves the document, the sampler and both flags as they were.
    if (result.outcome == CardTransfer::Outcome::completed && result.document != nullptr)
    {
        current = *result.document;
        result.document.reset();
        host.refreshPanel();

        if (options.effectParameters)
            editing.setSettingsModified (false);

        // The slots may point at other files now, or at none.
        host.rebuildSamplerFiles();

        if (options.sampleData)
            samplerModified = false;

        if (result.message == UserMessage::rsdVersionDiffers)
            host.showAlert (UserMessage::rsdVersionDiffers, AlertKind::information);
    }

    report (result, UserMessage::importingCompleted, UserMessage::noExportedData);
    return result.outcome;
}

void CardCommands::report (const CardTransfer::Result& result, UserMessage completed, UserMessage failedWithoutReason)
{
    switch (result.outcome)
    {
        case CardTransfer::Outcome::completed:
            host.showAlert (completed, AlertKind::information);
            break;

        case CardTransfer::Outcome::failed:
            host.showAlert (result.message.value_or (failedWithoutReason), AlertKind::warning);
            break;

        case CardTransfer::Outcome::cancelled:     // the user stopped it and knows
            break;
    }
}
