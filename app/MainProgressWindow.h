#pragma once

#include "core/transfer/CardTransfer.h"

#include <juce_gui_basics/juce_gui_basics.h>

/** The modal window behind which a card export or import runs on its own thread, with a progress
    bar and "Cancel". Cancelling never stops the worker by force: it finishes the file it is writing
    and then stops, so no card file is ever cut in half.

    The worker reads the document while the message thread waits in this window's modal loop; an
    import's new document comes back in the result for the caller to apply. */
class MainProgressWindow  : public juce::ThreadWithProgressWindow
{
public:
    enum class Mode
    {
        importFromCard = 0,
        exportToCard = 1
    };

    /** document and preparedFiles (one prepared sample file per unit slot, File() for none; export
        only) must outlive runThread(). */
    MainProgressWindow (juce::Component* owner, Mode mode, const juce::String& title, const juce::File& cardRoot,
                        CardTransfer::Options options, const DeviceSettings& document,
                        std::vector<juce::File> preparedFiles, CardVolume& volume);

    void run() override;

    /** What the run came to; an import's document is moved out with it. Call after runThread(). */
    CardTransfer::Result takeResult() { return std::move (result); }

private:
    const Mode mode;
    const juce::File cardRoot;
    const CardTransfer::Options options;
    const DeviceSettings& document;
    const std::vector<juce::File> preparedFiles;
    CardVolume& volume;
    CardTransfer::Result result;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MainProgressWindow)
};
