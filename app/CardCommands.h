#pragma once

#include "app/MainProgressWindow.h"
#include "core/DeviceSettings.h"
#include "core/EditController.h"
#include "core/UserMessage.h"
#include "core/transfer/CardTransfer.h"

#include <optional>
#include <vector>

/** Export to and import from the card, as the Export and Import panels' OK start them: the steps on
    the message thread around the transfer that runs behind the progress window.

    Export asks the unit where its SETTING selector stands (effect parameters), has the sampler
    prepare its files (sample data), makes sure the chosen drive is still mounted and takes writes,
    warns once about a bank over 16 seconds, runs the transfer and tells how it ended. Import runs the
    transfer into a copy and applies it only when it completed. Either way a cancelled run shows
    nothing, and only what really reached the card or the document clears a modified flag.

    The window owns everything these act on and builds one whenever a panel's OK runs; a test builds
    one over its own document, host and card folder.
*/
class CardCommands
{
public:
    /** One run of the transfer behind the progress window. */
    struct Job
    {
        MainProgressWindow::Mode mode;
        juce::File cardRoot;
        CardTransfer::Options options;
        const DeviceSettings& document;

        /** Export: the prepared sample file of each of the 16 unit slots, File() for none. */
        std::vector<juce::File> preparedFiles;

        /** The progress window's title: "Exporting..." or "Importing...". */
        juce::String title() const;
    };

    /** What the card commands need of the window. */
    class Host
    {
    public:
        virtual ~Host() = default;

        virtual void showAlert (UserMessage message, AlertKind kind) = 0;

        /** Whether the drive a panel showed, known by its mount point, is still mounted. */
        virtual bool isCardDriveMounted (const juce::File& mountPoint) = 0;

        /** The sampler builds its temporary files for an export (a modal job), its window left as it is. */
        virtual void prepareSamplerFiles() = 0;

        /** The prepared temporary file of a slot, or File() when the slot has none. */
        virtual juce::File temporaryFileForSlot (int slotIndex) = 0;

        /** Runs the transfer behind the modal progress window and returns once it has ended. */
        virtual CardTransfer::Result runCardTransfer (const Job& job) = 0;

        /** Every control of the effect panel re-reads its value. */
        virtual void refreshPanel() = 0;

        /** Slot records changed behind the sampler: it rebuilds its temporary files, its window shown
            again if it was showing. */
        virtual void rebuildSamplerFiles() = 0;
    };

    CardCommands (DeviceSettings& current, EditController& editing, bool& samplerModified, Host& host);

    /** Writes the current document and the sampler's files to the card mounted at cardRoot. Returns
        how the transfer ended; nothing when the checks before it stopped the export. */
    std::optional<CardTransfer::Outcome> exportToCard (const juce::File& cardRoot, CardTransfer::Options options);

    /** Reads the card mounted at cardRoot into the current document, which changes only when the
        whole import completed. Returns as exportToCard. */
    std::optional<CardTransfer::Outcome> importFromCard (const juce::File& cardRoot, CardTransfer::Options options);

    /** Whether a bank's slots hold more than 16 seconds of sampled time in all. */
    static bool anyBankOverLimit (const DeviceSettings& document);

private:
    void report (const CardTransfer::Result& result, UserMessage completed, UserMessage failedWithoutReason);

    DeviceSettings& current;
    EditController& editing;
    bool& samplerModified;
    Host& host;

    JUCE_DECLARE_NON_COPYABLE (CardCommands)
};
