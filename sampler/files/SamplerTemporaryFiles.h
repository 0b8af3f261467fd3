#pragma once

#include "core/DeviceSettings.h"
#include "sampler/files/TemporarySampleFile.h"

#include <array>
#include <atomic>
#include <functional>
#include <memory>
#include <mutex>

class SamplerTiles;

/** The temporary sample files of the 20 slots: what is copied beside a saved document and onto the
    card, one ready-made 48 kHz file per filled slot.

    rebuild() brings every file in line with its slot record, building the slots side by side on the
    machine's cores and skipping those whose file already matches (a fix-state change never rebuilds; a
    gain change does). A slot whose build fails or is cancelled keeps no file and is not ready, so saving
    and the card export see that it is missing instead of copying a stale or half-written file. */
class SamplerTemporaryFiles
{
public:
    static constexpr int numSlots = XPadEffectRecord::numSlots;

    enum class SlotState
    {
        empty,          // no sample in the slot
        ready,          // the file matches the record
        notReady        // the slot has a sample but no file: the build failed or was cancelled
    };

    enum class SlotOutcome
    {
        empty,          // no sample, no file
        unchanged,      // the file already matched the record
        built,          // a new file was written
        emptied,        // the sample failed the WAV check: the slot was emptied, as on loading
        failed,         // the build failed: no file
        cancelled,      // stopped within its build: no file
        notReached      // the run stopped before this slot was settled
    };

    struct RunHooks
    {
        /** Runs fn while nothing else reads or writes the document's slot records, the tiles' working
            copies and bank totals; false when fn could not run, which ends the run as a cancel. Called
            from the worker threads. The sampler window takes the message-manager lock, given up when its
            progress thread is told to stop (juce::MessageManagerLock with that thread). Empty: a lock of
            this object's own. */
        std::function<bool (const std::function<void()>& fn)> runLocked;

        /** True once the run should stop; asked from the worker threads between files and between
            blocks of a file. Empty: never. */
        std::function<bool()> shouldCancel;

        /** 0..1, on the thread that called rebuild(). */
        std::function<void (double)> progress;

        /** A slot's record, working copy, file and state have just been settled; called inside
            runLocked (the window repaints the tile). */
        std::function<void (int slot)> slotSettled;
    };

    struct RunResult
    {
        bool cancelled = false;
        std::array<SlotOutcome, numSlots> slots {};
    };

    SamplerTemporaryFiles();
    ~SamplerTemporaryFiles();

    /** Makes the tiles mirror the document's 20 slot records and every slot's file match its record.

        For each slot, as loading a slot does: the sample is checked (its "qzt1" chunk read when
        readModelChunk is set, taking loop and tempo only where the record did not carry them); a slot
        whose sample fails is emptied; a range of 0..0 becomes the whole sample; loop is cleared on bank
        slots that may not loop; then the file is built or kept, and the settled record goes into the
        document and the tile. A bank's total is stored once its four slots are settled.

        Runs on the calling thread and on up to getMaxThreads() - 1 more. After a cancel, call settle(). */
    RunResult rebuild (DeviceSettings& document, SamplerTiles& tiles, bool readModelChunk, const RunHooks& hooks);

    /** Settles the slots the last run left open (Cancel): each such tile mirrors its document record
        again, and its file is kept only where it still matches that record; otherwise the slot is not
        ready. Call on the message thread once rebuild() has returned; cheap when nothing is open. */
    void settle (const DeviceSettings& document, SamplerTiles& tiles);

    /** The slot's file, or File() when it has none (empty or not ready). Any thread. */
    juce::File getTemporaryFile (int slot) const;
    SlotState getState (int slot) const;

    /** Files built at once; defaults to the machine's cores. */
    void setMaxThreads (int numThreads) noexcept;
    int getMaxThreads() const noexcept          { return maxThreads; }

private:
    struct Job;

    void runSlots (Job& job);
    SlotOutcome processSlot (Job& job, int slot);
    bool publish (Job& job, int slot, SlotState state, std::unique_ptr<TemporarySampleFile>& file, bool replaceFile);

    mutable std::mutex fileLock;
    std::array<std::unique_ptr<TemporarySampleFile>, numSlots> files;
    std::array<std::atomic<SlotState>, numSlots> states;
    std::array<std::atomic<bool>, numSlots> open;
    std::mutex ownRecordLock;
    int maxThreads;

    JUCE_DECLARE_NON_COPYABLE (SamplerTemporaryFiles)
};
