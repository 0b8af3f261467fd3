#include "sampler/SamplerProgressWindow.h"

namespace
{
// The worker stops within one block of the file it writes; it is waited for, never killed, since
// killing it could leave the message-manager lock held or its helper threads running.
constexpr int waitForWorkerWhenCancelled = -1;
}

SamplerProgressWindow::SamplerProgressWindow (juce::Component* centreAround, SamplerTemporaryFiles& filesToBuild,
                                              DeviceSettings& documentToRead, SamplerTiles& tilesToFill,
                                              bool readChunk, std::function<void (int)> settled)
    : juce::ThreadWithProgressWindow ("Create Temporary file...", true, true, waitForWorkerWhenCancelled, "Cancel",
                                      centreAround),
      files (filesToBuild), document (documentToRead), tiles (tilesToFill), readModelChunk (readChunk),
      slotSettled (std::move (settled))
{
}

SamplerProgressWindow::~SamplerProgressWindow() = default;

void SamplerProgressWindow::run()
{
    SamplerTemporaryFiles::RunHooks hooks;

    hooks.runLocked = [this] (const std::function<void()>& fn)
    {
        // Also from the helper threads: the lock is given up as soon as this window's thread is told
        // to stop, whichever thread waits for it.
        const juce::MessageManagerLock lock (this);

        if (! lock.lockWasGained())
            return false;

        fn();
        return true;
    };

    hooks.shouldCancel = [this] { return threadShouldExit(); };
    hooks.progress = [this] (double progress) { setProgress (progress); };
    hooks.slotSettled = slotSettled;

    result = files.rebuild (document, tiles, readModelChunk, hooks);
}
