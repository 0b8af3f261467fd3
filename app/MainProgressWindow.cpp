#include "app/MainProgressWindow.h"

namespace
{
// Waits for the worker however long the file being written takes.
constexpr int waitForWorkerWhenCancelled = -1;
}

MainProgressWindow::MainProgressWindow (juce::Component* owner, Mode modeToRun, const juce::String& title,
                                        const juce::File& root, CardTransfer::Options optionsToUse,
                                        const DeviceSettings& documentToUse, std::vector<juce::File> prepared,
                                        CardVolume& volumeToUse)
    : juce::ThreadWithProgressWindow (title, true, true, waitForWorkerWhenCancelled, "Cancel", owner),
      mode (modeToRun), cardRoot (root), options (optionsToUse), document (documentToUse),
      preparedFiles (std::move (prepared)), volume (volumeToUse)
{
}

void MainProgressWindow::run()
{
    CardTransfer transfer (cardRoot, options, volume,
                           [this] { return threadShouldExit(); },
                           [this] (double progress) { setProgress (progress); });

    result = mode == Mode::exportToCard ? transfer.exportToCard (document, preparedFiles)
                                        : transfer.importFromCard (document);
}
