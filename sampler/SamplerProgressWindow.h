#pragma once

#include "sampler/files/SamplerTemporaryFiles.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>

/** The modal window behind which the slots' temporary files are brought in line with the document,
    with a progress bar and "Cancel".

    The build runs on this window's thread (and on helpers it starts for the other cores) while the
    message thread waits in the window's modal loop. Whatever the build reads of the document or
    writes into it and into the tiles, it does holding the message-manager lock, so nothing that
    paints ever sees a half-written slot; a lock wanted after Cancel is given up, which ends the run.
    Cancel never kills the thread: a file being written stops within one block and is deleted. */
class SamplerProgressWindow : public juce::ThreadWithProgressWindow
{
public:
    /** document, tiles and files must outlive runThread(); slotSettled is called on the building
        threads, holding the message-manager lock (repainting is what it is for). */
    SamplerProgressWindow (juce::Component* centreAround, SamplerTemporaryFiles& files, DeviceSettings& document,
                           SamplerTiles& tiles, bool readModelChunk, std::function<void (int slot)> slotSettled);
    ~SamplerProgressWindow() override;

    void run() override;

    const SamplerTemporaryFiles::RunResult& getResult() const noexcept    { return result; }

private:
    SamplerTemporaryFiles& files;
    DeviceSettings& document;
    SamplerTiles& tiles;
    const bool readModelChunk;
    std::function<void (int)> slotSettled;
    SamplerTemporaryFiles::RunResult result;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SamplerProgressWindow)
};
