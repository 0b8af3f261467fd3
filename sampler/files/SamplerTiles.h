#pragma once

#include "core/DeviceSettings.h"
#include "sampler/files/SampleFileAcceptance.h"
#include "sampler/files/SlotEditorModel.h"

#include <array>
#include <memory>

/** The sampler window's 20 tiles without their faces: each tile's working copy of its slot record, the
    bank totals, and the rules the window applies to them: which tiles are available under the bank's
    16 seconds, what a tile shows, how the keyboard moves between tiles, and what tile drags, file drops,
    the Delete key and the slot editor's OK do to the working copies and the document.

    Index i is row i / 4 and column i % 4; rows 0..3 are banks 1..4, row 4 holds the spare slots 16..18
    and the DELETE tile 19. Everything here runs on the message thread, except that the temporary-file
    run writes working copies and bank totals while it holds the lock the window gives it. */
class SamplerTiles
{
public:
    static constexpr int numTiles = XPadEffectRecord::numSlots;
    static constexpr int deleteTile = numTiles - 1;
    static constexpr int numSelectable = numTiles - 1;     // the DELETE tile is never the current one
    static constexpr double maxBankSeconds = 16.0;

    SamplerTiles();

    //==============================================================================
    const SamplerSlot& getWorkingCopy (int index) const;
    void setWorkingCopy (int index, const SamplerSlot& record);

    /** 0..3 for banks 1..4; -1 for the fifth row. */
    static int bankOf (int index) noexcept          { return index < numUnitSlots ? index / slotsPerBank : -1; }

    /** Only a slot whose index is a multiple of 4 may loop. */
    static bool mayLoop (int index) noexcept        { return index % slotsPerBank == 0; }

    /** "BANK2-SLOT3" for index 6. */
    static juce::String slotName (int index);

    //==============================================================================
    /** A bank's sampled seconds as the last temporary-file run counted them (0..3). */
    double getBankTotal (int bank) const;
    void setBankTotal (int bank, double seconds);
    bool isBankFull (int bank) const                { return getBankTotal (bank) > maxBankSeconds; }

    /** The bar of a bank gauge fullPixels wide for a total: full above 16 s (drawn in the full-bank
        image), in proportion below, nothing for a negative total. Also the slot editor's gauge. */
    static int gaugePixels (double totalSeconds, int fullPixels);

    /** An empty tile of a bank that already holds more than 16 s: it takes no drops, starts no drags,
        opens no editor and is skipped by the arrow keys. The fifth row never is. */
    bool isUnavailable (int index) const;

    /** The tile at which the running sum of its bank first passes 16 s; it alone shows the excess. */
    bool isOverLimitTile (int index) const;
    juce::String getOverLimitText (int index) const;    // "OVER 1.25sec", or empty

    //==============================================================================
    juce::String getFileNameText (int index) const;     // the source's file name, or "---"
    juce::String getLengthText (int index) const;       // "3.25sec", or "---"
    juce::String getPlayModeText (int index) const;     // "LOOP", "ONE-SHOT", or "---"

    //==============================================================================
    /** The arrow keys, Tab and Shift+Tab over the 19 selectable tiles, skipping unavailable ones. */
    int nextSlot (int current) const;
    int previousSlot (int current) const;
    int slotAbove (int current) const;
    int slotBelow (int current) const;

    //==============================================================================
    bool canOpenEditor (int index) const;               // banks 1..4, available
    bool canStartDrag (int index) const;                // not the DELETE tile, available

    /** A slot editor on the tile's working copy; null where none may open. */
    std::unique_ptr<SlotEditorModel> createEditorModel (int index) const;

    /** OK in the slot editor: the editor's values go into the document record and the working copy. */
    SlotEditorModel::StoreResult storeEditor (const SlotEditorModel& editor, DeviceSettings& document);

    /** Whether dragging tile source onto tile target may drop there (no editor open is the window's
        own condition). */
    bool acceptsTileDrop (int source, int target) const;

    /** A tile dropped on another: onto the DELETE tile it empties the source; with Ctrl held it copies
        a filled source onto an available target; otherwise the two swap. All working copies then go into
        the document. False when the drop is refused and nothing changed. */
    bool dropTile (int source, int target, bool copy, DeviceSettings& document);

    /** The Delete key: the slot becomes empty at 0 dB, in the working copy and the document. */
    void clearSlot (int index, DeviceSettings& document);

    struct FileDrop
    {
        bool refused = false;               // the DELETE tile or an unavailable one: only repaint
        SampleFileAcceptance acceptance;    // show acceptance.alert() when there is one

        /** The slot took the file: set the sampler-modified flag and refresh the SAMPLER view. */
        bool changedSlot() const noexcept   { return ! refused && acceptance.isAccepted(); }

        /** The file was looked at: rebuild the temporary files (window shown) and commit. */
        bool needsRun() const noexcept;
    };

    /** A file dropped on a tile: an accepted WAV file fills the slot (its "qzt1" tempo and loop, loop only
        where the slot may loop, fix state 2 with a tempo, the tile's gain, the whole file as range). */
    FileDrop dropFile (int index, const juce::File& file, DeviceSettings& document);

private:
    void emptySlot (int index, DeviceSettings& document);
    int stepOver (int current, int (*step) (int)) const;

    std::array<SamplerSlot, numTiles> working {};
    std::array<double, numSamplerBanks> bankTotals {};
};
