#pragma once

// What the panel's tests hold the code against, typed from the unit's documentation rather than taken
// from the code's own tables, shared by the binding table's tests and the built panel's.

#include "core/DocumentKeys.h"

#include <juce_core/juce_core.h>

#include <vector>

namespace typedtables
{
/** The document's layout in 32-bit words, counted from the record sizes alone (a lock, 4 records of 9,
    a lock, 10 of 13, 3 of 8, then X-PAD records of 10,481 words), not from the code's structs. Index -1
    is the section's lock. */
inline int wordOf (DocumentCategory category, int effect, int index)
{
    switch (category)
    {
        case DocumentCategory::isolate: return index < 0 ? 0 : 1 + 9 * effect + index;
        case DocumentCategory::scene:   return index < 0 ? 37 : 38 + 13 * effect + index;
        case DocumentCategory::release: return 168 + 8 * effect + index;
        case DocumentCategory::xpad:    break;
    }
    return 192 + 10481 * effect + index;
}

/** One value of an effect: its element (or "#n"), the read-out's and the combo box's label rows, the
    knob arc it drives (its lower end when lowerEnd). */
struct ValueRow
{
    juce::String element;
    int readoutKind, comboKind;
    int arc = -1;
    bool lowerEnd = true;
};

/** The Isolate effects' values in read-out order: the three bands' lower and upper ends, then the two
    frequencies where the effect has them. */
inline const std::vector<ValueRow> isolateRows[4] = {
    { { "LowMinCb", 17, 17, 0, true }, { "LowMaxCb", 29, 29, 0, false }, { "MidMinCb", 17, 17, 1, true },
      { "MidMaxCb", 29, 29, 1, false }, { "HighMinCb", 17, 17, 2, true }, { "HighMaxCb", 29, 29, 2, false },
      { "Freq1Cb", 3, 3 }, { "Freq2Cb", 3, 3 } },
    { { "LowMinCb", 25, 2 }, { "LowMaxCb", 16, 16 }, { "MidMinCb", 15, 15 }, { "MidMaxCb", 16, 16 },
      { "HighMinCb", 15, 15 }, { "HighMaxCb", 16, 16 } },
    { { "LowMinCb", 16, 16 }, { "LowMaxCb", 16, 16 }, { "MidMinCb", 16, 16 }, { "MidMaxCb", 16, 16 },
      { "HighMinCb", 16, 16 }, { "HighMaxCb", 16, 16 }, { "Freq1Cb", 3, 3 }, { "Freq2Cb", 3, 3 } },
    { { "LowMinCb", 25, 2 }, { "LowMaxCb", 25, 2 }, { "MidMinCb", 25, 2 }, { "MidMaxCb", 25, 2 },
      { "HighMinCb", 25, 2 }, { "HighMaxCb", 25, 2 } }
};
} // namespace typedtables
