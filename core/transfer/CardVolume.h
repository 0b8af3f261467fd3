#pragma once

#include <cstdint>
#include <optional>
#include <juce_core/juce_core.h>

/** What the card transfer asks of the filesystem that holds the card: how much fits on it, and
    getting what was written out of the page cache onto the medium. Tests put in their own. */
class CardVolume
{
public:
    virtual ~CardVolume() = default;

    /** Bytes an ordinary user may still write on the volume holding folder; nothing when it cannot
        be asked (no such folder, nothing mounted). */
    virtual std::optional<int64_t> freeBytes (const juce::File& folder) = 0;

    /** Writes every cached change of the volume holding folder to the medium; false when the volume
        reports that some of it could not be written. */
    virtual bool flush (const juce::File& folder) = 0;
};

/** The real volume: statvfs() for the free space and syncfs() for the flush. */
class SystemCardVolume  : public CardVolume
{
public:
    std::optional<int64_t> freeBytes (const juce::File& folder) override;
    bool flush (const juce::File& folder) override;
};
