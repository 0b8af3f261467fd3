#include "core/SettingsHistory.h"

#include <cstring>
#include <new>
#include <unordered_set>

namespace
{
bool slotsEqual (const SamplerSlot (&a)[DeviceSettings::numXPadEffects][XPadEffectRecord::numSlots],
                 const DeviceSettings& document)
{
    for (int r = 0; r < DeviceSettings::numXPadEffects; ++r)
        if (std::memcmp (a[r], document.xpad[r].slots, sizeof (document.xpad[r].slots)) != 0)
            return false;
    return true;
}
} // namespace

void SettingsHistory::clear()
{
    entries.clear();
    position = 0;
}

std::unique_ptr<SettingsHistory::Entry> SettingsHistory::makeEntry (const DeviceSettings& document) const
{
    auto entry = std::make_unique<Entry>();
    std::memcpy (entry->head, &document, sizeof (entry->head));
    for (int r = 0; r < DeviceSettings::numXPadEffects; ++r)
        std::memcpy (entry->xpadValues[r], document.xpad[r].values, sizeof (entry->xpadValues[r]));

    // The newest entry is almost always the neighbour in time, so it is the one worth comparing with.
    if (! entries.empty() && slotsEqual (entries.back()->slots->slots, document))
    {
        entry->slots = entries.back()->slots;
    }
    else
    {
        auto block = std::make_shared<SlotBlock>();
        for (int r = 0; r < DeviceSettings::numXPadEffects; ++r)
            std::memcpy (block->slots[r], document.xpad[r].slots, sizeof (block->slots[r]));
        entry->slots = std::move (block);
    }

    return entry;
}

void SettingsHistory::append (const DeviceSettings& document)
{
    for (;;)
    {
        try
        {
            entries.push_back (makeEntry (document));
            return;
        }
        catch (const std::bad_alloc&)
        {
            if (entries.empty())
                throw;
            dropOldestEntries();
        }
    }
}

void SettingsHistory::dropOldestEntries()
{
    // Half of what is held, so that a long run of failures ends quickly.
    const auto count = std::max<size_t> (1, entries.size() / 2);
    entries.erase (entries.begin(), entries.begin() + (std::ptrdiff_t) count);
    position = std::max (0, position - (int) count);
}

bool SettingsHistory::pushSettingsSnapshot (const DeviceSettings* before, const DeviceSettings* after)
{
    if (before == nullptr)
        return false;

    if (position < getNumEntries())
        entries.erase (entries.begin() + position, entries.end());

    try
    {
        append (*before);
        position = getNumEntries();

        if (after != nullptr)
            append (*after);
    }
    catch (const std::bad_alloc&)
    {
        // Not even one entry fits: the history is lost, the edit itself is not.
        clear();
    }

    return true;
}

bool SettingsHistory::restoreEntry (int index, DeviceSettings& document) const
{
    if (index < 0 || index >= getNumEntries())
        return false;

    const auto& entry = *entries[(size_t) index];
    std::memcpy (&document, entry.head, sizeof (entry.head));
    for (int r = 0; r < DeviceSettings::numXPadEffects; ++r)
    {
        std::memcpy (document.xpad[r].values, entry.xpadValues[r], sizeof (entry.xpadValues[r]));
        std::memcpy (document.xpad[r].slots, entry.slots->slots[r], sizeof (entry.slots->slots[r]));
    }
    return true;
}

size_t SettingsHistory::getMemoryUsage() const
{
    std::unordered_set<const SlotBlock*> blocks;
    size_t bytes = entries.capacity() * sizeof (entries[0]);

    for (const auto& entry : entries)
    {
        bytes += sizeof (Entry);
        if (blocks.insert (entry->slots.get()).second)
            bytes += sizeof (SlotBlock);
    }
    return bytes;
}
