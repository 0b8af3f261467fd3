#include "core/ParameterTables.h"
#include "JuceTestPrinters.h"

#include <gtest/gtest.h>

using namespace ParameterTables;

TEST (ParameterTables, ValueLabelsAndTheirReadingRules)
{
    const auto minusInfinity = juce::String::fromUTF8 ("-\xe2\x88\x9e" "dB");

    EXPECT_EQ (valueLabelChoice (19, 1), "VKZ");
    EXPECT_EQ (valueLabelChoice (7, 7), minusInfinity);
    EXPECT_EQ (valueLabelChoice (17, 3), minusInfinity);
    EXPECT_EQ (minusInfinity[1], (juce::juce_wchar) 0x221e);

    // Kind 7 reads backwards: 0 is the bottom of the scale.
    EXPECT_EQ (valueLabelText (7, 0), minusInfinity);
    EXPECT_EQ (valueLabelText (7, 7), "+6dB");
    EXPECT_EQ (valueLabelText (7, 2), "-12dB");

    // Kind 16 lists patterns in combo boxes but labels them short.
    EXPECT_EQ (numValueLabelChoices (16), 3);
    EXPECT_EQ (valueLabelChoice (16, 1), "PATTERN2");
    EXPECT_EQ (valueLabelText (16, 1), "P-2");

    EXPECT_EQ (numValueLabelChoices (6), 2);
    EXPECT_EQ (numValueLabelChoices (18), 9);
    EXPECT_EQ (numValueLabelChoices (24), 3);
    EXPECT_EQ (valueLabelText (28, 6), "32 BEAT");
}

TEST (ParameterTables, OutOfRangeLookupsGiveEmptyText)
{
    for (auto [kind, value] : { std::pair { -1, 0 }, { 30, 0 }, { 0, -1 }, { 0, 9 }, { 6, 2 }, { 7, 8 }, { 7, -1 },
                                { 16, 3 }, { 1000000, 1000000 } })
    {
        EXPECT_TRUE (valueLabelText (kind, value).isEmpty()) << kind << "," << value;
        EXPECT_TRUE (valueLabelChoice (kind, value).isEmpty()) << kind << "," << value;
    }
    EXPECT_EQ (numValueLabelChoices (30), 0);
    EXPECT_TRUE (dbStepLabel (4, 0).isEmpty());
    EXPECT_TRUE (dbStepLabel (0, 4).isEmpty());
    EXPECT_TRUE (effectName (1, 10).isEmpty());
    EXPECT_TRUE (effectName (4, 0).isEmpty());
    EXPECT_TRUE (beatFractionLabel (16).isEmpty());
    EXPECT_TRUE (patternLabel (3).isEmpty());
}

TEST (ParameterTables, NamesAndFractions)
{
    EXPECT_EQ (categoryName (3), "X-PAD FX");
    EXPECT_EQ (effectName (1, 4), "REVERB  UP");
    EXPECT_EQ (effectName (1, 8), "SPIRAL\nDOWN");
    EXPECT_EQ (effectName (2, 2), "BACK SPIN");
    EXPECT_EQ (numEffects (1), 10);

    EXPECT_EQ (beatFractionLabel (8), "1/32");
    EXPECT_EQ (findBeatFraction ("1/3"), 15);
    EXPECT_EQ (findBeatFraction ("1/1"), 3);
    EXPECT_EQ (findBeatFraction ("5/4"), -1);

    EXPECT_EQ (dbStepLabel (2, 11), "-12");
    EXPECT_EQ (dbStepLabel (1, 3), "+9dB");
    EXPECT_TRUE (dbStepLabel (1, 4).isEmpty());
}
