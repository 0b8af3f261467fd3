// The effect panel's skin as the panel uses it: the section masks placed where the panel puts its
// section buttons, the controls each section must be able to reach through its mask, the Scene
// keys' caption areas, and how dark the art stays under the captions and read-outs the program
// writes on it. Positions are the panel's own, typed here from its layout (section-relative, as the
// panel gives them to its children), not taken from the skin's code.

#include "RenderedSkinList.h"
#include "SkinShapes.h"

#include <JuceTestPrinters.h>
#include <gtest/gtest.h>

#include <map>

using namespace juce;

namespace
{
const RenderedSkinList& rendered()
{
    return getRenderedSkinList();
}

struct Placed
{
    const char* artwork;    // the line's id
    Rectangle<int> bounds;  // in the panel
};

// The section buttons and the two overlays, where the panel puts them.
const Placed isolateSection { "isolateSection", { 11, 97, 630, 260 } };
const Placed sceneSection { "sceneSection", { 370, 28, 550, 540 } };
const Placed releaseSection { "releaseSection", { 328, 52, 622, 365 } };
const Placed xpadSection { "xpadSection", { 0, 259, 580, 294 } };
const Placed isolatePanel { "isolatePanel", { 11, 97, 630, 350 } };
const Placed padPanel { "padPanel", { 0, 179, 580, 374 } };

bool opaque (const Image& mask, int x, int y)
{
    return isPositiveAndBelow (x, mask.getWidth()) && isPositiveAndBelow (y, mask.getHeight()) && mask.getPixelAt (x, y).getAlpha() != 0;
}

/** The share of a rectangle (in its section's coordinates) where the section's mask is opaque. */
float shareInMask (const Placed& section, Rectangle<int> area, const char* maskName = "Mask")
{
    const auto& mask = rendered().get (String (section.artwork) + maskName);
    int inside = 0;

    for (int y = area.getY(); y < area.getBottom(); ++y)
        for (int x = area.getX(); x < area.getRight(); ++x)
            inside += opaque (mask, x, y) ? 1 : 0;

    return (float) inside / (float) jmax (1, area.getWidth() * area.getHeight());
}

float luminance (Colour c)
{
    return 0.2126f * c.getFloatRed() + 0.7152f * c.getFloatGreen() + 0.0722f * c.getFloatBlue();
}

/** The average brightness of an area of a picture laid over a plain dark backdrop. */
float meanBrightness (const Image& image, Rectangle<int> area, Colour backdrop)
{
    float sum = 0.0f;
    int count = 0;

    for (int y = area.getY(); y < area.getBottom(); ++y)
    {
        for (int x = area.getX(); x < area.getRight(); ++x)
        {
            sum += luminance (backdrop.overlaidWith (image.getPixelAt (x, y)));
            ++count;
        }
    }

    return sum / (float) jmax (1, count);
}

// The window's stage, which shows round the body where a section reaches past it.
const Colour stage (0xff111215);
} // namespace

//==============================================================================
TEST (PanelSkin, SectionMasksPlacedWhereThePanelPutsThemNeverClaimAPixelTwice)
{
    // The four section buttons are all live at the first level: a pixel claimed by two would light
    // the upper one wherever the lower one's art shows.
    std::vector<int> claims (1024 * 738, 0);
    int total = 0;

    for (const auto& section : { isolateSection, sceneSection, releaseSection, xpadSection })
    {
        const auto& mask = rendered().get (String (section.artwork) + "Mask");
        ASSERT_EQ (mask.getBounds(), section.bounds.withZeroOrigin()) << section.artwork;
        int own = 0;

        for (int y = 0; y < mask.getHeight(); ++y)
        {
            for (int x = 0; x < mask.getWidth(); ++x)
            {
                if (! opaque (mask, x, y))
                    continue;

                ++own;
                const auto px = section.bounds.getX() + x, py = section.bounds.getY() + y;
                EXPECT_EQ (++claims[(size_t) (py * 1024 + px)], 1) << section.artwork << " at (" << px << ", " << py << ")";
            }
        }

        EXPECT_GT (own, 20000) << section.artwork;
        total += own;
    }

    // Between them they take most of the body: no section is a sliver.
    EXPECT_GT (total, 910 * 470 / 2);

    for (const auto& overlay : { isolatePanel, padPanel })
        EXPECT_EQ (rendered().get (String (overlay.artwork) + "Mask").getBounds(), overlay.bounds.withZeroOrigin()) << overlay.artwork;
}

namespace
{
/** The controls of each section and overlay where the panel places them (section coordinates),
    each with the share of it that must reach through the section's mask at the first level: most
    lie wholly inside; a few read-outs and the X-PAD close key stand where two sections' controls
    overlap, and keep at least a good part of themselves. */
struct Control { const char* name; Rectangle<int> area; float share; };
struct Case { const Placed& section; std::vector<Control> controls; };

std::vector<Case> controlsOfEachSection()
{
    std::vector<Control> isolate {
        { "lock", { 472, 53, 52, 26 }, 0.95f },
    };
    for (int i = 0; i < 4; ++i)
        isolate.push_back ({ "effect button", { 34 + 110 * i, 14, 114, 40 }, 1.0f });

    std::vector<Control> isolateOverlay {
        { "close", { 541, 106, 52, 48 }, 1.0f }, { "lock", { 472, 53, 52, 26 }, 0.95f },
        { "frequency combo 1", { 217, 229, 91, 21 }, 1.0f }, { "frequency combo 2", { 345, 229, 91, 21 }, 1.0f },
    };
    for (int i = 0; i < 6; ++i)
        isolateOverlay.push_back ({ "value combo", { 132 + 63 * i + (i / 2) * 2, 166, 51, 32 }, 1.0f });

    std::vector<Control> scene {
        { "lock", { 135, 195, 28, 20 }, 1.0f },
        { "modulation", { 297, 368, 92, 28 }, 1.0f }, { "resonance", { 393, 368, 92, 28 }, 1.0f },
        { "centre combo", { 333, 207, 100, 21 }, 1.0f }, { "sub 2 combo", { 342, 452, 114, 21 }, 1.0f },
        { "echo combo 1", { 69, 425, 58, 21 }, 1.0f }, { "echo combo 2", { 69, 376, 58, 21 }, 1.0f },
        { "echo combo 3", { 185, 376, 58, 21 }, 1.0f }, { "echo combo 4", { 185, 425, 58, 21 }, 1.0f },
        { "close", { 458, 458, 52, 48 }, 1.0f },
        // These two share their row with the X-PAD close key.
        { "sub 1 combo", { 108, 452, 114, 21 }, 0.8f }, { "range slider thumbs", { 39, 481, 163, 23 }, 0.8f },
    };

    std::vector<Control> release {
        { "close", { 543, 21, 52, 48 }, 1.0f }, { "feedback combo", { 395, 111, 100, 21 }, 1.0f },
        { "isolate release combo", { 67, 172, 100, 21 }, 1.0f }, { "scene release combo", { 266, 172, 100, 21 }, 1.0f },
        { "x-pad release combo", { 67, 285, 100, 21 }, 1.0f },
    };
    for (int i = 0; i < 3; ++i)
    {
        release.push_back ({ "effect button", { 288 + 102 * i, 61, 92, 30 }, 1.0f });
        release.push_back ({ "release time combo", { 509, 214 + 42 * i, 60, 21 }, 1.0f });
    }

    std::vector<Control> xpad {
        { "ROLL", { 174, 184, 68, 34 }, 1.0f }, { "OSC", { 240, 184, 84, 34 }, 1.0f }, { "SAMPLER", { 322, 184, 84, 34 }, 1.0f },
        { "PITCH", { 115, 206, 58, 58 }, 1.0f }, { "X-PAD", { 174, 214, 232, 50 }, 1.0f },
        { "pitch slider 1", { 159, 119, 163, 51 }, 1.0f }, { "pitch slider 2", { 258, 119, 163, 51 }, 1.0f },
        // The close key's round face, in the Scene's lower row.
        { "close", { 511, 236, 22, 22 }, 1.0f },
    };
    for (int i = 0; i < 3; ++i)
        xpad.push_back ({ "roll toggle", { 126 + 116 * i, 104, 92, 30 }, 1.0f });
    // The OSC combos of the right half share their places with the Release read-out of the X-PAD
    // switch (first row) and the Scene's echo times (last row).
    const float oscShares[3][4] { { 1.0f, 1.0f, 0.6f, 0.45f }, { 1.0f, 1.0f, 1.0f, 1.0f }, { 1.0f, 1.0f, 0.9f, 0.25f } };

    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 4; ++c)
            xpad.push_back ({ "osc combo", { 104 + 110 * c, 70 + 40 * r, 104, 21 }, oscShares[r][c] });

    std::vector<Control> padOverlay {
        { "close", { 496, 303, 52, 48 }, 1.0f }, { "X-PAD", { 174, 294, 232, 50 }, 1.0f }, { "PITCH", { 115, 286, 58, 58 }, 1.0f },
    };
    for (int i = 0; i < 16; ++i)
        padOverlay.push_back ({ "beat button", { 92 + 50 * (i % 8), 53 + 50 * (i / 8), 46, 46 }, 1.0f });
    for (int i = 0; i < 5; ++i)
        padOverlay.push_back ({ "position target", { 182 + 44 * i, 176, 40, 40 }, 1.0f });

    return { { isolateSection, isolate }, { isolatePanel, isolateOverlay }, { sceneSection, scene },
             { releaseSection, release }, { xpadSection, xpad }, { padPanel, padOverlay } };
}
} // namespace

TEST (PanelSkin, EveryControlCanBeReachedThroughItsOwnSectionsMask)
{
    // A section button passes the mouse to its children only where its mask is opaque.
    const auto cases = controlsOfEachSection();

    for (const auto& c : cases)
        for (const auto& control : c.controls)
            EXPECT_GE (shareInMask (c.section, control.area), control.share) << c.section.artwork << ": " << control.name;

    // The ten Scene keys are children of the Scene section: every pixel of each key's own mask is
    // one the section passes on.
    const auto& sceneMask = rendered().get ("sceneSectionMask");

    for (int key = 1; key <= 10; ++key)
    {
        const auto& keyMask = rendered().get ("sceneEffect" + String (key) + "Mask");
        const Point<int> box (114, key <= 5 ? 16 : 209);
        int outside = 0;

        for (int y = 0; y < keyMask.getHeight(); ++y)
            for (int x = 0; x < keyMask.getWidth(); ++x)
                outside += opaque (keyMask, x, y) && ! opaque (sceneMask, box.x + x, box.y + y) ? 1 : 0;

        EXPECT_EQ (outside, 0) << "Scene key " << key;
    }
}

TEST (PanelSkin, AnOpenSectionTakesTheMouseOnEachOfItsControlsWhole)
{
    // Once a section is open the others are hidden, and it passes the mouse on through its open
    // mask: every control of it, wherever it stands, is reached whole there.
    for (const auto& c : controlsOfEachSection())
    {
        if (&c.section == &isolatePanel || &c.section == &padPanel)
            continue;

        const auto& open = rendered().get (String (c.section.artwork) + "OpenMask");
        ASSERT_EQ (open.getBounds(), c.section.bounds.withZeroOrigin()) << c.section.artwork;

        for (const auto& control : c.controls)
            EXPECT_EQ (shareInMask (c.section, control.area, "OpenMask"), 1.0f) << c.section.artwork << ": " << control.name;

        // It still leaves the bare body round it to the panel (a click there goes back a level).
        EXPECT_LT (shareInMask (c.section, c.section.bounds.withZeroOrigin(), "OpenMask"), 0.75f) << c.section.artwork;
    }
}

TEST (PanelSkin, SceneKeyCaptionAreasLieInsideTheirKeysWithRoomForTwoLines)
{
    for (int key = 1; key <= 10; ++key)
    {
        const auto id = "sceneEffect" + String (key);
        const auto& recipe = rendered().recipes[(size_t) findSkinImage (rendered().recipes, id + "Normal")];
        const auto shape = findSkinShape (recipe);
        ASSERT_NE (shape.box, nullptr);
        const auto area = shape.box->getTextArea (shape.index) - shape.box->getImageArea (shape.index).getPosition();

        // Two lines of a 13-pixel caption such as "SPIRAL" over "DOWN".
        EXPECT_GE (area.getWidth(), 44) << id;
        EXPECT_GE (area.getHeight(), 26) << id;

        const auto& mask = rendered().get (id + "Mask");

        for (int y = area.getY() - 1; y <= area.getBottom(); ++y)
            for (int x = area.getX() - 1; x <= area.getRight(); ++x)
                ASSERT_TRUE (opaque (mask, x, y)) << id << " caption area reaches outside its key at (" << x << ", " << y << ")";

        // The caption stays readable in every state: the face under it is dark.
        for (const auto* state : { "Normal", "Over", "Down", "Disabled" })
            EXPECT_LT (meanBrightness (rendered().get (id + state), area, stage), 0.2f) << id << state;
    }
}

TEST (PanelSkin, CaptionsAndReadOutsSitOnDarkArtInEveryBodyColour)
{
    // The program writes white and grey text over the section artworks, and where a section's
    // text falls outside its own artwork, over the body: both must stay dark there, on every
    // body colour. Areas in section coordinates.
    struct Texts { const Placed& section; std::vector<Rectangle<int>> areas; };
    std::vector<Rectangle<int>> isolate { { 31, 120, 101, 15 }, { 38, 202, 112, 15 }, { 223, 203, 63, 14 }, { 349, 203, 63, 14 } };

    for (auto x : { 136, 199, 264, 327, 392, 455 })
        isolate.push_back ({ x, 169, 43, 15 });

    const std::vector<Rectangle<int>> scene { { 339, 174, 72, 26 }, { 32, 458, 72, 11 }, { 303, 458, 35, 11 }, { 70, 348, 172, 14 },
                                              { 306, 348, 172, 14 }, { 32, 486, 34, 13 }, { 244, 487, 64, 12 }, { 339, 213, 72, 15 },
                                              { 114, 455, 86, 15 }, { 348, 455, 86, 15 }, { 61, 427, 60, 15 }, { 61, 379, 60, 15 },
                                              { 191, 379, 60, 15 }, { 191, 427, 60, 15 }, { 66, 458, 49, 14 }, { 197, 458, 64, 14 } };
    const std::vector<Rectangle<int>> release { { 515, 175, 32, 15 }, { 73, 132, 72, 12 }, { 73, 256, 72, 12 }, { 401, 95, 72, 12 },
                                                { 495, 140, 72, 15 }, { 273, 132, 72, 15 }, { 73, 175, 72, 15 }, { 73, 288, 72, 15 },
                                                { 272, 175, 72, 15 }, { 401, 114, 72, 15 }, { 515, 217, 32, 15 }, { 515, 259, 32, 15 },
                                                { 515, 301, 32, 15 } };
    std::vector<Rectangle<int>> xpad { { 243, 49, 94, 15 } };

    for (int r = 0; r < 3; ++r)
    {
        xpad.push_back ({ 34, 75 + 40 * r, 56, 12 });

        for (int c = 0; c < 4; ++c)
            xpad.push_back ({ 122 + 110 * c, 74 + 40 * r, 64, 14 });
    }

    for (int b = 0; b < 4; ++b)
    {
        xpad.push_back ({ 34, 67 + 30 * b, 56, 12 });

        for (int s = 0; s < 4; ++s)
            xpad.push_back ({ 103 + 110 * s, 67 + 30 * b, 102, 12 });
    }

    const Texts sections[] { { isolateSection, isolate }, { sceneSection, scene }, { releaseSection, release }, { xpadSection, xpad } };
    const char* bodies[] { "bodyBlack", "bodyWhite", "bodyPlatinum" };

    for (const auto* bodyId : bodies)
    {
        const auto& body = rendered().get (bodyId);

        for (const auto& texts : sections)
        {
            // The panel as it looks with this section up: the body, and the section's down face
            // over it.
            Image panel (Image::ARGB, 1024, 738, true);
            {
                Graphics g (panel);
                g.fillAll (stage);
                g.drawImageAt (body, 0, 0);
                g.drawImageAt (rendered().get (String (texts.section.artwork) + "Down"), texts.section.bounds.getX(), texts.section.bounds.getY());
            }

            for (const auto& area : texts.areas)
                EXPECT_LT (meanBrightness (panel, area + texts.section.bounds.getPosition(), stage), 0.2f)
                    << bodyId << ", " << texts.section.artwork << " text at " << area.toString();
        }
    }
}

TEST (PanelSkin, KeysStayDarkUnderTheirCaptionsInEveryState)
{
    // Captions are centred on their keys (amber, yellow, grey, white or dark red on the keys'
    // faces), so the middle of every key picture stays dark whatever state it shows.
    struct Key { const char* id; const char* const* states; Rectangle<int> caption; };
    const char* const buttonStates[] { "Normal", "Over", "Down", "Disabled", nullptr };
    const char* const pressStates[] { "Normal", "Over", "Down", nullptr };
    const char* const toggleStates[] { "Off", "On", "LitOn", "Focused", "LitFocused", "Idle", "LitIdle", nullptr };
    const char* const single[] { "", nullptr };
    const Key keys[] { { "isolateEffect", buttonStates, { 12, 12, 90, 20 } },   { "toggleButton", toggleStates, { 16, 8, 76, 17 } },
                       { "xpadRollButton", buttonStates, { 8, 9, 52, 15 } },   { "xpadOscButton", buttonStates, { 8, 9, 68, 15 } },
                       { "xpadPitchButton", buttonStates, { 6, 20, 46, 16 } }, { "xpadPadButton", buttonStates, { 20, 16, 192, 16 } },
                       { "beatButton", pressStates, { 6, 14, 34, 17 } },       { "xpadTab", single, { 12, 12, 86, 18 } },
                       { "xpadPadDisplay", single, { 12, 18, 30, 18 } },       { "xpadPadTargets", single, { 12, 18, 30, 18 } } };

    for (const auto& key : keys)
        for (auto* state = key.states; *state != nullptr; ++state)
            EXPECT_LT (meanBrightness (rendered().get (String (key.id) + *state), key.caption, stage), 0.2f) << key.id << *state;
}

TEST (PanelSkin, BodyColoursDifferOnlyRoundTheDeck)
{
    // The section artworks are the same for every body colour, so the deck they lie on must be
    // the same too; the colour shows on the frame and the top step.
    const auto& black = rendered().get ("bodyBlack");
    const auto& white = rendered().get ("bodyWhite");
    const auto& platinum = rendered().get ("bodyPlatinum");

    for (auto [x, y] : { std::pair { 200, 230 }, std::pair { 643, 190 }, std::pair { 300, 400 }, std::pair { 860, 300 } })
    {
        EXPECT_EQ (black.getPixelAt (x, y), white.getPixelAt (x, y)) << x << ", " << y;
        EXPECT_EQ (black.getPixelAt (x, y), platinum.getPixelAt (x, y)) << x << ", " << y;
    }

    for (auto [x, y] : { std::pair { 60, 45 }, std::pair { 700, 20 }, std::pair { 6, 300 } })
    {
        EXPECT_GT (std::abs (luminance (white.getPixelAt (x, y)) - luminance (black.getPixelAt (x, y))), 0.4f) << x << ", " << y;
        EXPECT_GT (std::abs (luminance (platinum.getPixelAt (x, y)) - luminance (black.getPixelAt (x, y))), 0.2f) << x << ", " << y;
    }
}

TEST (PanelSkin, TheBodyClosesEveryZoneInsideItsDeck)
{
    // A finished front panel: no frame, bed or window runs off the body. Between the zones and the
    // deck's right edge, and along its bottom, the body shows bare deck in every colour: its grain
    // and grading change it by a few levels from one pixel to the next, a printed edge by far more.
    const auto largestStep = [] (const Image& body, Point<int> from, Point<int> step, int count)
    {
        float largest = 0.0f;

        for (auto p = from; --count > 0; p += step)
            largest = jmax (largest, std::abs (luminance (body.getPixelAt (p.x, p.y)) - luminance (body.getPixelAt (p.x + step.x, p.y + step.y))));

        return largest;
    };

    for (const auto* id : { "bodyBlack", "bodyWhite", "bodyPlatinum" })
    {
        const auto& body = rendered().get (id);
        EXPECT_LT (largestStep (body, { 901, 60 }, { 0, 1 }, 380), 0.03f) << id << ": along the deck's right edge";
        EXPECT_LT (largestStep (body, { 30, 451 }, { 1, 0 }, 850), 0.03f) << id << ": along the deck's bottom";
    }
}
