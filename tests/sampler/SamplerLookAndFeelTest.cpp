// The sampler window's skin drawn off screen: the bank gauges read the tiles' totals, and the window
// background puts each gauge in its bank's row.

#include "JuceTestPrinters.h"
#include "sampler/SamplerLookAndFeel.h"
#include "sampler/files/SamplerTiles.h"
#include "tests/widgets/SkinTestSupport.h"

#include <gtest/gtest.h>

namespace
{
const juce::Colour normalBar = juce::Colours::lime, fullBar = juce::Colours::red, frame = juce::Colours::blue;

/** How many pixels of a row carry a colour. */
int countInRow (const juce::Image& image, int y, juce::Colour colour)
{
    int n = 0;

    for (int x = 0; x < image.getWidth(); ++x)
        n += image.getPixelAt (x, y) == colour ? 1 : 0;

    return n;
}

struct SamplerLookAndFeelTest : ::testing::Test
{
    skintest::Overrides overrides;

    SamplerLookAndFeelTest()
    {
        overrides.addSolid (SkinImageId::samplerGaugeBar, normalBar);
        overrides.addSolid (SkinImageId::samplerGaugeBarFull, fullBar);
        overrides.addSolid (SkinImageId::samplerGaugeFrame, frame);
    }
};
} // namespace

TEST_F (SamplerLookAndFeelTest, AGaugeIsCutToItsBanksTimeAndFullInRedAbove16Seconds)
{
    const auto draw = [] (double seconds)
    {
        juce::Image image (juce::Image::ARGB, 80, 20, true);
        juce::Graphics g (image);
        SamplerLookAndFeel::drawBankGauge (g, 10, 5, seconds);
        return image;
    };

    struct Case { double seconds; int normal, full; };
    for (const auto& c : { Case { 8.0, 27, 0 }, Case { 16.0, 54, 0 }, Case { 16.01, 0, 54 }, Case { 0.2, 0, 0 },
                           Case { -3.0, 0, 0 }, Case { 1.0, 3, 0 } })
    {
        const auto image = draw (c.seconds);
        EXPECT_EQ (countInRow (image, 8, normalBar), c.normal) << c.seconds;
        EXPECT_EQ (countInRow (image, 8, fullBar), c.full) << c.seconds;
        EXPECT_EQ (image.getPixelAt (10, 8), c.normal + c.full > 0 ? (c.full > 0 ? fullBar : normalBar) : frame)
            << "the bar starts at the gauge's place";
    }
}

TEST_F (SamplerLookAndFeelTest, TheBackgroundPutsEachBanksGaugeInItsRow)
{
    SamplerTiles tiles;
    tiles.setBankTotal (0, 4.0);
    tiles.setBankTotal (2, 20.0);
    SamplerLookAndFeel lookAndFeel;
    lookAndFeel.setTiles (&tiles);

    juce::Image image (juce::Image::ARGB, 630, 550, true);
    juce::Graphics g (image);
    juce::ResizableWindow window ("w", false);
    lookAndFeel.fillResizableWindowBackground (g, 630, 550, {}, window);

    // Bars at y 74 + 94 * bank, from x 27.
    EXPECT_EQ (countInRow (image, 76, normalBar), 13);
    EXPECT_EQ (countInRow (image, 76 + 94, normalBar) + countInRow (image, 76 + 94, fullBar), 0);
    EXPECT_EQ (countInRow (image, 76 + 188, fullBar), 54);
    EXPECT_EQ (image.getPixelAt (27, 76 + 188), fullBar);
    EXPECT_EQ (countInRow (image, 76 + 282, frame), 58) << "an empty bank shows its frame";
}
