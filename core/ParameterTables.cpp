#include "core/ParameterTables.h"

namespace
{
constexpr const char* fxCategoryNames[4] = { "ISOLATE FX", "SCENE FX", "RELEASE FX", "X-PAD FX" };

// Rows are as long as the longest category; the unused tail is empty.
constexpr int maxEffects = 11;
constexpr const char* effectNames[4][maxEffects] = {
    { "ISOLATOR", "CUT/ADD", "TRANS/ROLL", "GATE/DRIVE" },
    { "BPF\nECHO", "ECHO", "NOISE", "SPIRAL\nUP", "REVERB  UP", "HPF\nECHO", "LPF\nECHO", "CRUSH\nECHO",
      "SPIRAL\nDOWN", "REVERB  DOWN" },
    { "VINYL BRAKE", "ECHO", "BACK SPIN" },
    { "ROLL", "OSC", "SAMPLER", "PITCH", "X-PAD" }
};
constexpr int effectCounts[4] = { 4, 10, 3, 5 };

constexpr const char* beatFractionLabels[16] = {
    "1/2", "2/3", "3/4", "1/1", "3/2", "2/1", "4/1", "8/1",
    "1/32", "1/24", "1/16", "1/12", "1/8", "1/6", "1/4", "1/3"
};

#define MINUS_INFINITY_DB "-\xe2\x88\x9e" "dB"   // U+221E

constexpr const char* valueLabelTable[30][9] = {
    /*  0 */ { "1/16", "1/8", "1/4", "1/2", "3/4", "1/1", "2/1" },
    /*  1 */ { "NORMAL", "NARROW", "WIDE" },
    /*  2 */ { "DEFAULT", "MILD", "WILD" },
    /*  3 */ { "DEFAULT", "LOW", "HI" },
    /*  4 */ { "TRIANGLE", "SAW", "SQUARE", "RANDOM", "SIDE-CHAIN" },
    /*  5 */ { "DEFAULT", "MILD", "NONE" },
    /*  6 */ { "OFF", "ON" },
    /*  7 */ { "+6dB", "+3dB", "0dB", "-3dB", "-6dB", "-12dB", "-18dB", MINUS_INFINITY_DB },
    /*  8 */ { "0dB", "+3dB", "+6dB", "+9dB", "-18dB", "-12dB", "-6dB", "-3dB" },
    /*  9 */ { "DEFAULT", "SHORT", "LONG" },
    /* 10 */ { "SLOW", "NORMAL", "FAST" },
    /* 11 */ { "HPF", "LPF", "BPF" },
    /* 12 */ { "+3dB", "+2dB", "+1dB", "0dB", "-1dB", "-2dB", "-3dB" },
    /* 13 */ { "SHORT", "DEFAULT", "LONG" },
    /* 14 */ { "TYPE1", "TYPE2" },
    /* 15 */ { "OFF", "ON" },
    /* 16 */ { "PATTERN1", "PATTERN2", "PATTERN3" },
    /* 17 */ { "-6dB", "-12dB", "-18dB", MINUS_INFINITY_DB },
    /* 18 */ { "1/16", "1/8", "1/4", "1/2", "3/4", "1/1", "2/1", "4/1", "8/1" },
    /* 19 */ { "HOLD", "VKZ" },
    /* 20 */ { "WIDE", "NARROW", "NORMAL" },
    /* 21 */ { "LINEAR", "KEY" },
    /* 22 */ { "LARGE", "SMALL" },
    /* 23 */ { "1/16", "1/8", "1/4", "1/2", "3/4", "1/1" },
    /* 24 */ { "HIGH PASS FILTER", "LOW PASS FILTER", "BAND PASS FILTER" },
    /* 25 */ { "DEF.", "MILD", "WILD" },
    /* 26 */ { "1/4", "1/2", "3/4", "1/1", "2/1", "4/1", "8/1", "12/1", "16/1" },
    /* 27 */ { "1/2", "3/4", "1/1", "2/1", "4/1", "8/1", "12/1", "16/1", "32/1" },
    /* 28 */ { "1 BEAT", "2 BEAT", "3 BEAT", "4 BEAT", "8 BEAT", "16 BEAT", "32 BEAT" },
    /* 29 */ { "0dB", "+3dB", "+6dB", "+9dB" }
};

constexpr const char* patternLabels[3] = { "P-1", "P-2", "P-3" };

constexpr const char* dbStepLabels[4][12] = {
    { "-6dB", "-12dB", "-18dB", MINUS_INFINITY_DB },
    { "0dB", "+3dB", "+6dB", "+9dB" },
    { "-1", "-2", "-3", "-4", "-5", "-6", "-7", "-8", "-9", "-10", "-11", "-12" },
    { "+1", "+2", "+3", "+4", "+5", "+6", "+7", "+8", "+9", "+10", "+11", "+12" }
};

#undef MINUS_INFINITY_DB

template <typename Array>
juce::String entry (const Array& table, int index)
{
    constexpr int size = (int) (sizeof (Array) / sizeof (table[0]));
    if (index < 0 || index >= size || table[index] == nullptr)
        return {};
    return juce::String::fromUTF8 (table[index]);
}
} // namespace

namespace ParameterTables
{
juce::String categoryName (int category)    { return entry (fxCategoryNames, category); }

int numEffects (int category)
{
    return category >= 0 && category < numCategories ? effectCounts[category] : 0;
}

juce::String effectName (int category, int effect)
{
    if (category < 0 || category >= numCategories)
        return {};
    return entry (effectNames[category], effect);
}

juce::String beatFractionLabel (int index)  { return entry (beatFractionLabels, index); }

int findBeatFraction (const juce::String& text)
{
    for (int i = 0; i < numBeatFractions; ++i)
        if (text == beatFractionLabels[i])
            return i;
    return -1;
}

juce::String valueLabelChoice (int kind, int column)
{
    if (kind < 0 || kind >= numValueLabelKinds)
        return {};
    return entry (valueLabelTable[kind], column);
}

int numValueLabelChoices (int kind)
{
    if (kind < 0 || kind >= numValueLabelKinds)
        return 0;
    int n = 0;
    while (n < valueLabelColumns && valueLabelTable[kind][n] != nullptr)
        ++n;
    return n;
}

juce::String valueLabelText (int kind, int value)
{
    if (kind == reversedKind)
        return value >= 0 && value <= 7 ? valueLabelChoice (kind, 7 - value) : juce::String();
    if (kind == patternKind)
        return patternLabel (value);
    return valueLabelChoice (kind, value);
}

juce::String patternLabel (int index)       { return entry (patternLabels, index); }

juce::String dbStepLabel (int row, int column)
{
    if (row < 0 || row >= numDbStepRows)
        return {};
    return entry (dbStepLabels[row], column);
}
} // namespace ParameterTables
