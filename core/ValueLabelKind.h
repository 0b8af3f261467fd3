#pragma once

#include "core/ParameterTables.h"

#include <cstdint>

/** The rows of the value-label table by name. A control of a stepped value shows one row; the number
    of a kind is its row, so the names index ParameterTables directly. */
enum class ValueLabelKind : int8_t
{
    echoTime,               //  0 "1/16" .. "2/1"
    filterWidth,            //  1 "NORMAL" "NARROW" "WIDE"
    defaultMildWild,        //  2 "DEFAULT" "MILD" "WILD"
    defaultLowHigh,         //  3 "DEFAULT" "LOW" "HI"
    modulationType,         //  4 "TRIANGLE" .. "SIDE-CHAIN"
    resonanceType,          //  5 "DEFAULT" "MILD" "NONE"
    offOn,                  //  6 "OFF" "ON"
    levelScale,             //  7 "+6dB" .. "-∞dB"; a label reads it backwards
    levelBoostCut,          //  8 "0dB" "+3dB" "+6dB" "+9dB" "-18dB" .. "-3dB"
    reverbTime,             //  9 "DEFAULT" "SHORT" "LONG"
    speed,                  // 10 "SLOW" "NORMAL" "FAST"
    filterTypeShort,        // 11 "HPF" "LPF" "BPF"
    drumGain,               // 12 "+3dB" .. "-3dB"
    drumDecay,              // 13 "SHORT" "DEFAULT" "LONG"
    drumEnvelope,           // 14 "TYPE1" "TYPE2"
    bandSwitch,             // 15 "OFF" "ON"
    pattern,                // 16 "PATTERN1" .. "PATTERN3"; a label shows "P-1" .. "P-3"
    bandCut,                // 17 "-6dB" "-12dB" "-18dB" "-∞dB"
    longEchoTime,           // 18 "1/16" .. "8/1"
    feedbackMode,           // 19 "HOLD" "VKZ"
    widthReversed,          // 20 "WIDE" "NARROW" "NORMAL"
    pitchType,              // 21 "LINEAR" "KEY"
    roomSize,               // 22 "LARGE" "SMALL"
    shortEchoTime,          // 23 "1/16" .. "1/1"
    filterTypeLong,         // 24 "HIGH PASS FILTER" "LOW PASS FILTER" "BAND PASS FILTER"
    defaultMildWildShort,   // 25 "DEF." "MILD" "WILD"
    releaseTimeFromQuarter, // 26 "1/4" .. "16/1"
    releaseTimeFromHalf,    // 27 "1/2" .. "32/1"
    beatCount,              // 28 "1 BEAT" .. "32 BEAT"
    bandBoost               // 29 "0dB" "+3dB" "+6dB" "+9dB"
};

/** Rows of the dB and step label table: the pitch controls show rows pitchMinus and pitchPlus. */
enum class DbStepRow : int8_t { cutLevels, boostLevels, pitchMinus, pitchPlus };

constexpr int toInt (ValueLabelKind kind) noexcept  { return static_cast<int> (kind); }
constexpr int toInt (DbStepRow row) noexcept        { return static_cast<int> (row); }

static_assert (toInt (ValueLabelKind::bandBoost) + 1 == ParameterTables::numValueLabelKinds);
static_assert (toInt (ValueLabelKind::levelScale) == ParameterTables::reversedKind);
static_assert (toInt (ValueLabelKind::pattern) == ParameterTables::patternKind);
static_assert (toInt (DbStepRow::pitchPlus) + 1 == ParameterTables::numDbStepRows);

namespace ParameterTables
{
    inline juce::String valueLabelText (ValueLabelKind kind, int value)     { return valueLabelText (toInt (kind), value); }
    inline juce::String valueLabelChoice (ValueLabelKind kind, int column)  { return valueLabelChoice (toInt (kind), column); }
    inline int numValueLabelChoices (ValueLabelKind kind)                   { return numValueLabelChoices (toInt (kind)); }
    inline juce::String dbStepLabel (DbStepRow row, int column)             { return dbStepLabel (toInt (row), column); }
}
