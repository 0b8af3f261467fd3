#pragma once

#include "core/DeviceSettings.h"

#include <memory>
#include <vector>

/** The undo history: whole-document states with a position at the entry that equals the current
    state. The sampler's slot arrays make up almost all of a document but rarely change, so
    consecutive entries share one copy of them while they are byte-equal; every entry still reads
    back as the complete document it recorded. */
class SettingsHistory
{
public:
    SettingsHistory() = default;

    /** Deletes every entry; the position returns to 0. */
    void clear();

    /** Cuts the entries that redo could still reach, appends `before` at the position and advances to
        it; then appends `after` (when given) without advancing. False only when before is missing.
        Memory that cannot be obtained costs the oldest entries, never an exception. */
    bool pushSettingsSnapshot (const DeviceSettings* before, const DeviceSettings* after);

    int getNumEntries() const noexcept      { return (int) entries.size(); }
    int getPosition() const noexcept        { return position; }
    bool canUndo() const noexcept           { return position > 0 && position - 1 < getNumEntries(); }
    bool canRedo() const noexcept           { return position + 1 < getNumEntries(); }

    /** Writes entry `index` into `document`; false when there is no such entry. */
    bool restoreEntry (int index, DeviceSettings& document) const;

    void setPosition (int newPosition) noexcept { position = newPosition; }

    /** Bytes held by the entries, counting each shared slot block once. */
    size_t getMemoryUsage() const;

private:
    struct SlotBlock
    {
        SamplerSlot slots[DeviceSettings::numXPadEffects][XPadEffectRecord::numSlots];
    };

    struct Entry
    {
        // Everything but the slot arrays: the head and the 21 values of each X-PAD record.
        int32_t head[offsetof (DeviceSettings, xpad) / sizeof (int32_t)];
        int32_t xpadValues[DeviceSettings::numXPadEffects][XPadEffectRecord::numValues];
        std::shared_ptr<const SlotBlock> slots;
    };

    std::unique_ptr<Entry> makeEntry (const DeviceSettings& document) const;
    void append (const DeviceSettings& document);
    void dropOldestEntries();

    std::vector<std::unique_ptr<Entry>> entries;
    int position = 0;

    JUCE_DECLARE_NON_COPYABLE (SettingsHistory)
};
