#include "SkinTestSupport.h"
#include "WidgetTestSupport.h"

#include "JuceTestPrinters.h"
#include "TestDocuments.h"
#include "widgets/ComboLabel.h"
#include "widgets/CustomSlider.h"

#include <gtest/gtest.h>

using namespace widgettest;

namespace
{
/** Range sliders in the fake panel over the Scene records' slider values. */
struct RangeSliderTest : ::testing::Test
{
    FakePanelHost host;
    int32_t& freqLower = host.document.scene[SceneEffect::bpfEcho][7];
    int32_t& freqUpper = host.document.scene[SceneEffect::bpfEcho][8];
    int32_t& levelMin = host.document.scene[SceneEffect::noise][7];
    int32_t& levelMax = host.document.scene[SceneEffect::noise][8];

    void SetUp() override
    {
        freqLower = 0;
        freqUpper = 2;
        levelMin = 6;
        levelMax = 4;           // position 0: the minimum above the maximum, as a file may hold it
        host.lastSent = host.document;
    }

    void place (CustomSlider& slider, int32_t* minValue, int32_t* maxValue)
    {
        host.addAndMakeVisible (slider);
        slider.setBounds (0, 0, 248, 28);
        slider.setValuePointers (minValue, maxValue);
    }

    int historyPosition() { return host.editor.getHistory().getPosition(); }
};

void move (juce::Slider& thumb, int position)
{
    thumb.setValue ((double) position, juce::sendNotificationSync);
}
} // namespace

TEST_F (RangeSliderTest, ThumbsStep29PixelsNarrowAnd21WideAndTheWideMaximumStoresPositionPlus4)
{
    CustomSlider narrow (false, nullptr, nullptr), wide (true, nullptr, nullptr);
    place (narrow, nullptr, nullptr);
    place (wide, nullptr, nullptr);

    for (int v = 0; v <= 2; ++v)
        EXPECT_FLOAT_EQ (narrow.getMaxThumb().getPositionOfValue (v), 9.0f + 29.0f * (float) v);

    for (int v = 0; v <= 7; ++v)
        EXPECT_FLOAT_EQ (wide.getMinThumb().getPositionOfValue (v), 2.0f + 21.0f * (float) v);

    // The wide maximum's position p points 19 pixels right of the minimum's p.
    EXPECT_EQ (wide.getMaxThumb().getX() - wide.getMinThumb().getX(), 19);
    EXPECT_EQ (narrow.getMaxThumb().getBounds(), juce::Rectangle<int> (126, 5, 76, 23));

    for (int p = 0; p < 8; ++p)
    {
        EXPECT_EQ (thumbValueMap (RangeThumb::minimum, p), p);
        EXPECT_EQ (thumbValueMap (RangeThumb::maximum, thumbValueMap (RangeThumb::maximum, p)), p);
    }

    EXPECT_EQ (thumbValueMap (RangeThumb::maximum, 7), 3);
    EXPECT_EQ (thumbValueMap (RangeThumb::maximum, 4), 0);
    EXPECT_EQ (thumbValueMap (RangeThumb::maximum, 8), 0);
    EXPECT_EQ (thumbValueMap (RangeThumb::minimum, -1), 0);
}

TEST_F (RangeSliderTest, TheDocumentMovesTheThumbsSilentlyAndTheUserMovesTheDocument)
{
    ComboLabel minLabel, maxLabel;
    minLabel.bindValue (ValueLabelKind::levelScale, &levelMin, nullptr, true);
    maxLabel.bindValue (ValueLabelKind::levelBoostCut, &levelMax, nullptr, true);
    CustomSlider level (true, &minLabel, &maxLabel), freq (false, nullptr, nullptr);
    place (level, &levelMin, &levelMax);
    place (freq, &freqLower, &freqUpper);

    // Shown as loaded, minimum above maximum included: nothing written, nothing committed.
    EXPECT_EQ (level.getMinThumb().getValue(), 6.0);
    EXPECT_EQ (level.getMaxThumb().getValue(), 0.0);
    EXPECT_EQ (freq.getMaxThumb().getValue(), 2.0);
    EXPECT_EQ (host.commits, 0);
    EXPECT_EQ (levelMin, 6);

    // The first move puts the range in order: the moved maximum stops at the minimum.
    move (level.getMaxThumb(), 3);
    EXPECT_EQ (level.getMaxThumb().getValue(), 6.0);
    EXPECT_EQ (levelMax, 2);
    EXPECT_EQ (maxLabel.getText(), "+6dB");
    move (level.getMaxThumb(), 7);
    EXPECT_EQ (levelMax, 3);
    move (level.getMinThumb(), 7);
    EXPECT_EQ (levelMin, 7) << "up to the maximum, not past it";
    move (level.getMaxThumb(), 4);
    EXPECT_EQ (level.getMaxThumb().getValue(), 7.0);
    EXPECT_EQ (levelMax, 3);
    EXPECT_EQ (minLabel.getText(), "+6dB");
    EXPECT_EQ (historyPosition(), 3);
    host.editor.undo();
    EXPECT_EQ (levelMin, 6);

    // Narrow thumbs have no such rule.
    move (freq.getMinThumb(), 2);
    move (freq.getMaxThumb(), 0);
    EXPECT_EQ (freqLower, 2);
    EXPECT_EQ (freqUpper, 0);

    // Unbound thumbs move; the commit finds nothing to record.
    CustomSlider loose (true, nullptr, nullptr);
    place (loose, nullptr, nullptr);
    const int position = historyPosition();
    move (loose.getMinThumb(), 0);
    move (loose.getMaxThumb(), 5);
    EXPECT_EQ (historyPosition(), position);
}

TEST_F (RangeSliderTest, TheWideThumbNearerTheMouseEndsOnTopAndTheNarrowBarJoinsThePointers)
{
    levelMin = 1;
    levelMax = 6;       // position 2
    CustomSlider level (true, nullptr, nullptr);
    place (level, &levelMin, &levelMax);
    auto& minThumb = level.getMinThumb();
    auto& maxThumb = level.getMaxThumb();
    const auto minOnTop = [&] { return level.getIndexOfChildComponent (&minThumb) > level.getIndexOfChildComponent (&maxThumb); };
    ASSERT_FALSE (minOnTop());

    // The mouse over the maximum thumb at the minimum's pointer (59 in the slider), then back.
    maxThumb.mouseMove (mouseAt (maxThumb, { 59 - 55 + 3, 10 }));
    EXPECT_TRUE (minOnTop());
    minThumb.mouseMove (mouseAt (minThumb, { 21 + 7, 10 }));
    EXPECT_TRUE (minOnTop());
    minThumb.mouseMove (mouseAt (minThumb, { 99 - 36 + 3, 10 }));
    EXPECT_FALSE (minOnTop());

    skintest::Overrides pictures;
    pictures.addSolid (SkinImageId::rangeSliderTrack, juce::Colours::transparentBlack);
    pictures.addSolid (SkinImageId::rangeSliderBar, juce::Colours::green);
    pictures.addSolid (SkinImageId::rangeSliderCapLeft, juce::Colours::red);
    pictures.addSolid (SkinImageId::rangeSliderCapRight, juce::Colours::blue);
    pictures.addSolid (SkinImageId::valueThumbLeft, juce::Colours::yellow);
    pictures.addSolid (SkinImageId::valueThumbRight, juce::Colours::cyan);
    CustomSlider freq (false, nullptr, nullptr);
    place (freq, &freqLower, &freqUpper);
    const auto colourAt = [&] (int x, int y) { return freq.createComponentSnapshot ({ x, y, 1, 1 }).getPixelAt (0, 0); };

    // 0 and 2: left cap at 39 + 14, right cap at 126 + 58 - 2, the bar between from y 9; the
    // pointers at 39 + 9 (left-hand) and 126 + 9 + 58 (right-hand).
    EXPECT_EQ (colourAt (60, 20), juce::Colours::red);
    EXPECT_EQ (colourAt (65, 9), juce::Colours::green);
    EXPECT_EQ (colourAt (181, 27), juce::Colours::green);
    EXPECT_EQ (colourAt (185, 20), juce::Colours::blue);
    EXPECT_EQ (colourAt (50, 10), juce::Colours::yellow);
    EXPECT_EQ (colourAt (196, 10), juce::Colours::cyan);
    EXPECT_EQ (colourAt (100, 8).getAlpha(), 0);

    move (freq.getMaxThumb(), 1);
    EXPECT_EQ (colourAt (150, 20), juce::Colours::green);
    EXPECT_EQ (colourAt (160, 20), juce::Colours::blue);
    EXPECT_EQ (colourAt (175, 20).getAlpha(), 0);
}
