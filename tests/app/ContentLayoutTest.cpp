#include "app/ContentLayout.h"

#include <gtest/gtest.h>

using R = juce::Rectangle<int>;
using P = juce::Point<int>;

TEST (ContentLayout, FirstPlacesOfTheWindows)
{
    EXPECT_EQ (ContentLayout::centredMainWindow ({ 0, 0, 1280, 900 }), R (128, 81, 1024, 738));
    EXPECT_EQ (ContentLayout::centredMainWindow ({ 1920, 24, 1280, 776 }), R (2048, 43, 1024, 738));

    // Smaller than the window: centred all the same, so the title bar may leave the top.
    EXPECT_EQ (ContentLayout::centredMainWindow ({ 0, 0, 800, 600 }), R (-112, -69, 1024, 738));

    EXPECT_EQ (ContentLayout::effectBrowserBesideRightEdge ({ 128, 81, 1024, 738 }, { 5, 6, 177, 467 }),
               R (975, 216, 177, 467));
}

TEST (ContentLayout, ContentFollowsTheWindowAndScrollsBelowItsNarrowestWidth)
{
    struct Case { int w, h; R comp, view; };
    const Case cases[] = {
        { 1200, 738, { 0, 0, 1171, 548 }, { 0, 115, 1191, 566 } },
        { 1024, 738, { 0, 0, 995, 548 },  { 0, 115, 1015, 566 } },
        { 1015, 738, { 0, 0, 986, 548 },  { 0, 115, 1006, 566 } },
        { 1014, 738, { 0, 0, 986, 548 },  { 0, 115, 1005, 566 } },
        { 1000, 738, { 0, 0, 986, 548 },  { 0, 115, 991, 566 } },
        { 700, 738,  { 0, 0, 986, 548 },  { 0, 115, 691, 566 } },
        { 1200, 900, { 0, 0, 1171, 708 }, { 0, 115, 1191, 728 } },
    };

    for (const auto& c : cases)
    {
        EXPECT_EQ (ContentLayout::contentCompSize (c.w, c.h), c.comp) << c.w << " x " << c.h;
        EXPECT_EQ (ContentLayout::contentViewBounds (c.w, c.h), c.view) << c.w << " x " << c.h;
    }

    EXPECT_EQ (ContentLayout::panelPosition (995, 548), P (42, -18));
    EXPECT_EQ (ContentLayout::panelPosition (1171, 708), P (130, 61));
}

TEST (ContentLayout, TopStripCentresItsPartsAndPinsThemLeftWhenNarrow)
{
    struct Case { int width; bool systemTitleBar; P strip, breadcrumb, exportPanel, importPanel, settingsPanel; };
    const Case cases[] = {
        { 1200, false, { 242, 10 }, { 248, 87 }, { 430, 85 }, { 326, 85 }, { 450, 75 } },
        { 1000, false, { 142, 10 }, { 148, 87 }, { 330, 85 }, { 226, 85 }, { 350, 75 } },
        { 710,  false, { 0, 10 },   { 3, 87 },   { 188, 85 }, { 84, 85 },  { 208, 75 } },
        { 700,  false, { 0, 10 },   { 0, 87 },   { 188, 85 }, { 84, 85 },  { 208, 75 } },
        { 1000, true,  { 142, 29 }, { 148, 106 }, { 330, 104 }, { 226, 104 }, { 350, 94 } },
    };

    for (const auto& c : cases)
    {
        const auto p = ContentLayout::menuPlacement (c.width, c.systemTitleBar);
        EXPECT_EQ (p.menuStrip, c.strip) << c.width;
        EXPECT_EQ (p.breadcrumb, c.breadcrumb) << c.width;
        EXPECT_EQ (p.exportPanel, c.exportPanel) << c.width;
        EXPECT_EQ (p.importPanel, c.importPanel) << c.width;
        EXPECT_EQ (p.settingsPanel, c.settingsPanel) << c.width;
    }

    EXPECT_EQ (ContentLayout::menuViewHeightFor (738, false), 115);
    EXPECT_EQ (ContentLayout::menuViewHeightFor (738, true), 738);
}
