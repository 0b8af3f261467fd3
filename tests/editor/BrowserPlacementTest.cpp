#include "editor/BrowserPlacement.h"

#include <gtest/gtest.h>

namespace
{
using R = juce::Rectangle<int>;

const R screen { 0, 0, 1920, 1080 };
const R main { 100, 50, 1024, 738 };

BrowserPlacement overlapping (const juce::String& section)
{
    BrowserPlacement p;
    p.window = { 900, 300, 177, 467 };
    p.mainWindow = main;
    p.sectionStep = section;
    p.displayAreas.add (screen);
    return p;
}

std::string text (const std::optional<R>& r)
{
    return r ? r->toString().toStdString() : "stays";
}

bool covers (R outer, R inner) { return outer.contains (inner); }
} // namespace

TEST (BrowserPlacement, AWindowThatDoesNotCoverTheMainWindowStays)
{
    auto p = overlapping ("SCENE FX");

    // Beside it, touching edge to edge on either side, above and below.
    for (auto window : { R (main.getRight(), 300, 177, 467), R (main.getX() - 177, 300, 177, 467),
                         R (300, main.getY() - 467, 177, 467), R (300, main.getBottom(), 177, 467) })
    {
        p.window = window;
        EXPECT_EQ (text (p.placeBesideMainWindow()), "stays") << window.toString();
    }

    // Hidden, or while the sampler window shows its own path: it stays even over the main window.
    p = overlapping ("SCENE FX");
    p.windowVisible = false;
    EXPECT_FALSE (p.placeBesideMainWindow());
    p = overlapping ("SCENE FX");
    p.samplerDrivesBreadcrumb = true;
    EXPECT_FALSE (p.placeBesideMainWindow());

    // One corner pixel over the main window is enough to move it.
    p = overlapping ("SCENE FX");
    p.window = { main.getRight() - 1, main.getBottom() - 1, 177, 467 };
    EXPECT_TRUE (p.placeBesideMainWindow());
}

TEST (BrowserPlacement, GoesToTheSideTheOpenSectionLeavesFree)
{
    // ISOLATE FX and X-PAD FX fill the panel's left: 18 px in from the main window's right edge.
    for (auto section : { "ISOLATE FX", "X-PAD FX" })
        EXPECT_EQ (text (overlapping (section).placeBesideMainWindow()), "929 220 177 467") << section;

    // The others, or none: 18 px in from its left edge; always 170 px below its top.
    for (auto section : { "SCENE FX", "RELEASE FX", "" })
        EXPECT_EQ (text (overlapping (section).placeBesideMainWindow()), "118 220 177 467") << section;

    // Under a title bar the system draws, 32 px higher.
    auto p = overlapping ("RELEASE FX");
    p.mainWindowHasSystemTitleBar = true;
    EXPECT_EQ (text (p.placeBesideMainWindow()), "118 188 177 467");
}

TEST (BrowserPlacement, OnSeveralDisplaysAnyDisplayThatHoldsACornerWillDo)
{
    // The main window on the right-hand display, the browser over it.
    auto p = overlapping ("SCENE FX");
    p.displayAreas = { screen, R (1920, 0, 1280, 1024) };
    p.mainWindow = { 2000, 100, 1024, 738 };
    p.window = { 2100, 200, 177, 467 };
    EXPECT_EQ (text (p.placeBesideMainWindow()), "2018 270 177 467");

    // A main window across both displays: the new place has a corner on the first one.
    p.mainWindow = { 1500, 100, 1024, 738 };
    p.window = { 1600, 200, 177, 467 };
    EXPECT_EQ (text (p.placeBesideMainWindow()), "1518 270 177 467");
}

TEST (BrowserPlacement, AWindowThatWouldLandOffEveryDisplayIsKeptInsideOne)
{
    const R left (0, 0, 1280, 1024), right (1280, 0, 1920, 1080);

    // The main window dragged almost off the bottom of the right display: 170 px below its top is
    // below every display, so the window is kept on the main window's display, inside its margins.
    auto p = overlapping ("SCENE FX");
    p.displayAreas = { left, right };
    p.mainWindow = { 1400, 1000, 1024, 738 };
    p.window = { 1500, 1020, 177, 467 };
    const auto placed = p.placeBesideMainWindow();
    ASSERT_TRUE (placed);
    EXPECT_TRUE (covers (right.reduced (32), *placed)) << text (placed);
    EXPECT_EQ (placed->getX(), 1418);
    EXPECT_EQ (placed->getBottom(), right.getBottom() - 32);

    // Far off to the left of all of them, with no display holding a corner of the main window:
    // the last display, its left margin.
    p.mainWindow = { -3000, 100, 1024, 738 };
    p.window = { -2950, 200, 177, 467 };
    const auto offLeft = p.placeBesideMainWindow();
    ASSERT_TRUE (offLeft);
    EXPECT_TRUE (covers (right.reduced (32), *offLeft)) << text (offLeft);
    EXPECT_EQ (offLeft->getX(), right.getX() + 32);

    // A display too small for the window: its top-left corner stays on it.
    p.displayAreas = { R (0, 0, 800, 400) };
    p.mainWindow = { 700, 300, 1024, 738 };
    p.window = { 750, 350, 177, 467 };
    const auto small = p.placeBesideMainWindow();
    ASSERT_TRUE (small);
    EXPECT_EQ (small->getPosition(), juce::Point<int> (800 - 32 - 177, 32)) << text (small);
}
