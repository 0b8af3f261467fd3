#include "sampler/files/SamplerTemporaryFiles.h"

#include "sampler/files/SampleWavInfo.h"
#include "sampler/files/SamplerTiles.h"
#include "sampler/files/SlotTime.h"

#include <cmath>
#include <thread>
#include <vector>

namespace
{
    enum class Check { noSample, failed, passed };

    /** A slot record as loading the slot leaves it: checked against its sample and normalised. */
    Check settleRecord (SamplerSlot& record, int slot, bool readModelChunk)
    {
        const auto path = getSlotPath (record);

        if (path.isEmpty())
            return Check::noSample;

        auto loop = record.loop, tempo = record.tempo;
        double frames = 0;
        int rate = 0;

        const auto result = juce::File::isAbsolutePath (path)
                              ? readSampleWavInfo (juce::File (path), record.loopPresent != 0 ? nullptr : &loop,
                                                   record.tempoPresent != 0 ? nullptr : &tempo, &frames,
                                                   readModelChunk, &rate)
                              : sampleWavNotAFile;

        if (result != sampleWavOk)
        {
            initSamplerSlot (record);
            return Check::failed;
        }

        record.length = (int32_t) juce::jlimit (0.0, 2147483647.0, std::round (frames));
        record.sampleRate = rate;

        if (record.start == 0 && record.end == 0)
            record.end = record.length;

        // The spare row keeps what it was given; it never reaches the unit.
        const bool mayLoop = slot >= numUnitSlots || SamplerTiles::mayLoop (slot);
        record.loop = mayLoop && loop != 0 ? 1 : 0;
        record.tempo = tempo;
        return Check::passed;
    }
}

struct SamplerTemporaryFiles::Job
{
    Job (DeviceSettings& d, SamplerTiles& t, bool readChunk, const RunHooks& h, std::mutex& lock)
        : document (d), tiles (t), readModelChunk (readChunk), hooks (h), ownLock (lock)
    {
        outcomes.fill (SlotOutcome::notReached);

        for (auto& left : slotsLeftInBank)
            left = slotsPerBank;
    }

    DeviceSettings& document;
    SamplerTiles& tiles;
    const bool readModelChunk;
    const RunHooks& hooks;
    std::mutex& ownLock;
    const std::thread::id callerThread = std::this_thread::get_id();

    std::array<SamplerSlot, numSlots> records {};       // copied from the document, then settled
    std::array<SlotOutcome, numSlots> outcomes {};
    std::array<std::atomic<int>, numSamplerBanks> slotsLeftInBank {};
    std::atomic<int> nextSlot { 0 }, slotsDone { 0 };
    std::atomic<bool> stopped { false };

    bool locked (const std::function<void()>& fn) const
    {
        if (hooks.runLocked)
            return hooks.runLocked (fn);

        const std::lock_guard<std::mutex> guard (ownLock);
        fn();
        return true;
    }

    bool shouldStop()
    {
        if (! stopped.load() && hooks.shouldCancel && hooks.shouldCancel())
            stopped = true;

        return stopped.load();
    }
};

SamplerTemporaryFiles::SamplerTemporaryFiles()
    : maxThreads (juce::jmax (1, juce::SystemStats::getNumCpus()))
{
    for (auto& s : states)
        s = SlotState::empty;

    for (auto& o : open)
        o = false;
}

SamplerTemporaryFiles::~SamplerTemporaryFiles() = default;

void SamplerTemporaryFiles::setMaxThreads (int numThreads) noexcept
{
    maxThreads = juce::jlimit (1, numSlots, numThreads);
}

juce::File SamplerTemporaryFiles::getTemporaryFile (int slot) const
{
    if (slot < 0 || slot >= numSlots)
        return {};

    const std::lock_guard<std::mutex> guard (fileLock);
    const auto& file = files[(size_t) slot];
    return file != nullptr ? file->getFile() : juce::File();
}

SamplerTemporaryFiles::SlotState SamplerTemporaryFiles::getState (int slot) const
{
    return slot >= 0 && slot < numSlots ? states[(size_t) slot].load() : SlotState::empty;
}

//==============================================================================
SamplerTemporaryFiles::RunResult SamplerTemporaryFiles::rebuild (DeviceSettings& document, SamplerTiles& tiles,
                                                                 bool readModelChunk, const RunHooks& hooks)
{
    auto job = std::make_unique<Job> (document, tiles, readModelChunk, hooks, ownRecordLock);

    for (auto& o : open)
        o = true;

    // The one read of the document: the workers build from this copy.
    const bool copied = job->locked ([&]
    {
        for (int i = 0; i < numSlots; ++i)
            job->records[(size_t) i] = samplerSlot (document, i);
    });

    RunResult result;

    if (copied)
    {
        std::vector<std::thread> helpers;

        try
        {
            for (int i = 1; i < maxThreads; ++i)
                helpers.emplace_back ([this, &job] { runSlots (*job); });
        }
        catch (const std::system_error&)
        {
            // Fewer threads only make the run slower.
        }

        runSlots (*job);

        for (auto& helper : helpers)
            helper.join();
    }

    result.slots = job->outcomes;

    for (auto outcome : result.slots)
        if (outcome == SlotOutcome::notReached || outcome == SlotOutcome::cancelled)
            result.cancelled = true;

    if (! result.cancelled && hooks.progress)
        hooks.progress (1.0);

    return result;
}

void SamplerTemporaryFiles::runSlots (Job& job)
{
    const bool reportsProgress = std::this_thread::get_id() == job.callerThread;

    for (;;)
    {
        const auto slot = job.nextSlot++;

        if (slot >= numSlots || job.shouldStop())
            return;

        job.outcomes[(size_t) slot] = processSlot (job, slot);
        const auto done = ++job.slotsDone;

        if (reportsProgress && job.hooks.progress)
            job.hooks.progress ((double) done / numSlots);
    }
}

SamplerTemporaryFiles::SlotOutcome SamplerTemporaryFiles::processSlot (Job& job, int slot)
{
    auto& record = job.records[(size_t) slot];
    const auto check = settleRecord (record, slot, job.readModelChunk);
    std::unique_ptr<TemporarySampleFile> file;

    if (check != Check::passed)
    {
        if (! publish (job, slot, SlotState::empty, file, true))
            return SlotOutcome::notReached;

        return check == Check::noSample ? SlotOutcome::empty : SlotOutcome::emptied;
    }

    const auto settings = SlotTime::fileSettings (record);

    bool matches;

    {
        const std::lock_guard<std::mutex> guard (fileLock);
        const auto& current = files[(size_t) slot];
        matches = current != nullptr && current->isBuiltFrom (settings);
    }

    // (Never publish while holding fileLock: publishing takes the record lock first, then fileLock.)
    if (matches)
        return publish (job, slot, SlotState::ready, file, false) ? SlotOutcome::unchanged : SlotOutcome::notReached;

    file = std::make_unique<TemporarySampleFile>();
    const auto built = file->write (settings, [&job] { return job.shouldStop(); });

    if (built == TemporarySampleFile::Outcome::cancelled)
        return SlotOutcome::cancelled;

    if (built != TemporarySampleFile::Outcome::built)
    {
        file.reset();
        return publish (job, slot, SlotState::notReady, file, true) ? SlotOutcome::failed : SlotOutcome::notReached;
    }

    return publish (job, slot, SlotState::ready, file, true) ? SlotOutcome::built : SlotOutcome::notReached;
}

bool SamplerTemporaryFiles::publish (Job& job, int slot, SlotState state, std::unique_ptr<TemporarySampleFile>& file,
                                     bool replaceFile)
{
    const auto& record = job.records[(size_t) slot];

    const bool published = job.locked ([&]
    {
        // Record, working copy, file and state change together, so a tile never shows a record with
        // another record's file or readiness.
        samplerSlot (job.document, slot) = record;
        job.tiles.setWorkingCopy (slot, record);

        if (replaceFile)
        {
            const std::lock_guard<std::mutex> guard (fileLock);
            std::swap (files[(size_t) slot], file);
        }

        states[(size_t) slot] = state;
        open[(size_t) slot] = false;

        const auto bank = SamplerTiles::bankOf (slot);

        if (bank >= 0 && --job.slotsLeftInBank[(size_t) bank] == 0)
        {
            double total = 0;

            for (int i = bank * slotsPerBank; i < (bank + 1) * slotsPerBank; ++i)
                total += SlotTime::bankSeconds (job.records[(size_t) i]);

            job.tiles.setBankTotal (bank, total);
        }

        if (job.hooks.slotSettled)
            job.hooks.slotSettled (slot);
    });

    // Outside every lock: what is left in file is the replaced one (deleted here) or, when nothing
    // could be published, the new one, which must not outlive its unpublished record.
    file.reset();
    return published;
}

//==============================================================================
void SamplerTemporaryFiles::settle (const DeviceSettings& document, SamplerTiles& tiles)
{
    for (int slot = 0; slot < numSlots; ++slot)
    {
        if (! open[(size_t) slot])
            continue;

        const auto& record = samplerSlot (document, slot);
        tiles.setWorkingCopy (slot, record);

        std::unique_ptr<TemporarySampleFile> stale;
        auto state = SlotState::notReady;

        {
            const std::lock_guard<std::mutex> guard (fileLock);
            auto& current = files[(size_t) slot];

            if (slotPathIsEmpty (record))
                state = SlotState::empty;
            else if (current != nullptr && current->isBuiltFrom (SlotTime::fileSettings (record)))
                state = SlotState::ready;

            if (state != SlotState::ready)
                std::swap (current, stale);
        }

        states[(size_t) slot] = state;
        open[(size_t) slot] = false;
    }
}
