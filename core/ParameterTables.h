#pragma once

#include <juce_core/juce_core.h>

/** Display names, beat-fraction texts and value labels of the unit's parameters. Every accessor is
    bounds-checked: an index outside its table gives an empty string. */
namespace ParameterTables
{
    constexpr int numCategories = 4;
    constexpr int numValueLabelKinds = 30;
    constexpr int valueLabelColumns = 9;
    constexpr int numBeatFractions = 16;
    constexpr int numDbStepRows = 4;
    constexpr int dbStepColumns = 12;

    /** Kinds whose labels follow their own reading rule. */
    constexpr int reversedKind = 7;     // a label shows row 7 read backwards
    constexpr int patternKind = 16;     // a label shows "P-1".."P-3", a combo box lists row 16

    juce::String categoryName (int category);               // "ISOLATE FX" ...
    juce::String effectName (int category, int effect);     // may hold "\n" (two-line caption)
    int numEffects (int category);                          // 4, 10, 3, 5

    juce::String beatFractionLabel (int index);
    int findBeatFraction (const juce::String& text);         // -1 when no label matches

    /** Entry [kind][column] of the value-label table, as a combo box lists it. */
    juce::String valueLabelChoice (int kind, int column);

    /** Number of choices of a kind: its row up to the first empty entry. */
    int numValueLabelChoices (int kind);

    /** What a value label of this kind shows for value v (applies the reversed and pattern rules). */
    juce::String valueLabelText (int kind, int value);

    juce::String patternLabel (int index);
    juce::String dbStepLabel (int row, int column);
}
