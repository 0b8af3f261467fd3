// panel_composite: the effect panel put together from the skin images the way the program places
// them, for a look at the art in context. For each body colour it writes
//   panel-composite-<colour>.png   the main window at 1024x738 with every section lit at once
//                                  (an overview of the art; the program lights one at a time)
//   panel-rest-<colour>.png        the first level with nothing under the mouse: the body alone
// and, for the black body, panel-<section>.png with one section up as the mouse finds it, and the
// two overlays. Captions and read-outs carry sample texts in the panel's fonts and colours.
//
//   panel_composite <output folder>

#include "PanelLayout.h"
#include "SkinList.h"

#include <juce_core/juce_core.h>
#include <juce_events/juce_events.h>
#include <juce_graphics/juce_graphics.h>

#include <iostream>
#include <map>

using namespace juce;

namespace
{
// Where the effect panel sits in a 1024x738 main window: the content view starts under the title
// bar, the menu bar and the 115-pixel top strip, and the panel's 910x585 core is centred in the
// 995x548 component it scrolls.
const Point<int> panelInWindow (42, 148);
const Rectangle<int> contentView (0, 166, 1015, 566);

struct Skin
{
    std::vector<SkinImageRecipe> recipes;
    std::vector<Image> images;

    const Image& get (const String& id) const
    {
        static const Image none;
        const auto index = findSkinImage (recipes, id);
        return index >= 0 ? images[(size_t) index] : none;
    }
};

Font verdana (float height)
{
    return Font ("Verdana", height, Font::plain);
}

/** Draws into the panel's coordinates (the panel's top-left at the origin). */
struct Panel
{
    Graphics& g;
    const Skin& skin;

    void image (const String& id, int x, int y, float alpha = 1.0f) const
    {
        g.setOpacity (alpha);
        g.drawImageAt (skin.get (id), x, y);
        g.setOpacity (1.0f);
    }

    void text (const char* utf8, Rectangle<int> area, float height, Justification j, Colour colour, int lines = 1) const
    {
        g.setColour (colour);
        g.setFont (verdana (height));
        g.drawFittedText (String::fromUTF8 (utf8), area, j, lines, 0.7f);
    }
};

const Colour white (0xffffffff);
Colour grey (int n) { return Colour ((uint8) n, (uint8) n, (uint8) n); }

//==============================================================================
/** The value arc of an Isolate knob between two values of a nine-step row, cut as the panel cuts it. */
void isolateArc (const Panel& p, Point<int> at, int low, int high)
{
    const auto n = 9;
    const auto step = 0.75f / (float) (n - 1);
    const auto pi = MathConstants<float>::pi;
    Path plain, reverse;
    plain.addCentredArc (49.0f, 53.0f, 48.5f, 48.5f, 0.0f, 3.926991f, (step * (float) high + 2.0f) * 3.14f, true);
    plain.closeSubPath();
    reverse.addCentredArc (49.0f, 53.0f, 48.5f, 48.5f, 0.0f, (step * (float) low + 1.25f) * pi, 8.63938f, true);
    reverse.closeSubPath();

    const Graphics::ScopedSaveState s (p.g);
    p.g.setOrigin (at);
    p.g.reduceClipRegion (plain);
    p.g.reduceClipRegion (reverse);
    p.g.drawImageAt (p.skin.get ("isolateArc"), 0, 0);
}

void drawIsolate (const Panel& p, bool overlay)
{
    const Point<int> o (11, 97);
    const auto at = [o] (int x, int y) { return Point<int> (o.x + x, o.y + y); };
    p.image (overlay ? "isolatePanelDown" : "isolateSectionDown", o.x, o.y);

    const char* names[] { "ISOLATOR", "CUT/ADD", "TRANS/ROLL", "GATE/DRIVE" };
    const int arcs[3][2] { { 1, 6 }, { 2, 5 }, { 0, 8 } };

    for (int i = 0; i < 3; ++i)
    {
        const auto k = at (140 + 128 * i, 80);
        p.image ("isolateKnobScale", k.x, k.y);
        isolateArc (p, k, arcs[i][0], arcs[i][1]);
    }

    if (overlay)
    {
        for (auto x : { 251, 379 })
        {
            p.image ("isolatePanelDivider", at (x, 86).x, at (x, 86).y);
            p.image ("isolatePanelDividerShort", at (x, 256).x, at (x, 256).y);
        }

        p.image ("panelCloseNormal", at (541, 106).x, at (541, 106).y);
        p.text ("ISOLATOR", { at (31, 120), at (132, 135) }, 18.0f, Justification::centred, white);
        p.text ("FREQUENCY", { at (38, 232), at (150, 247) }, 18.0f, Justification::centredLeft, white);
        const char* values[] { "LOW", "-12dB", "MID", "+3dB", "HI", "0dB" };

        for (int i = 0; i < 6; ++i)
        {
            const Rectangle<int> box (at (132 + 63 * i + (i / 2) * 2, 166), at (183 + 63 * i + (i / 2) * 2, 198));
            p.g.setColour (Colour (0x99434343));
            p.g.fillRect (box);
            p.image ("wideComboButtonNormal", box.getX() + 2, box.getBottom() - 13);
            p.text (values[i], box.withTrimmedBottom (13), 15.0f, Justification::centred, white);
        }
    }
    else
    {
        for (auto x : { 251, 379 })
            p.image ("isolateDivider", at (x, 86).x, at (x, 86).y);

        p.text ("ISOLATOR", { at (31, 120), at (132, 135) }, 18.0f, Justification::centredLeft, white);
        p.text ("FREQUENCY", { at (38, 202), at (150, 217) }, 18.0f, Justification::centredLeft, white);
        const char* values[] { "-12dB", "+3dB", "-24dB", "0dB", "-∞dB", "+6dB" };

        for (int i = 0; i < 6; ++i)
        {
            const int xs[] { 136, 199, 264, 327, 392, 455 };
            p.text (values[i], { at (xs[i], 169), at (xs[i] + 43, 184) }, 16.0f, Justification::centred, white);
        }

        p.text ("250Hz", { at (223, 203), at (286, 217) }, 16.0f, Justification::centred, white);
        p.text ("2.5kHz", { at (349, 203), at (412, 217) }, 16.0f, Justification::centred, white);
    }

    for (int i = 0; i < 4; ++i)
    {
        const auto b = at (34 + 110 * i, 14);
        p.image (i == 0 ? "isolateEffectOver" : "isolateEffectNormal", b.x, b.y);
        p.text (names[i], { b.x, b.y, 114, 50 }, 16.0f, Justification::centred, i == 0 ? Colour (0xffc68302) : Colour (0xff6d4801));
    }

    p.image ("lockButtonNormal", at (472, 53).x, at (472, 53).y);
    p.image ("isolateLockStrip", at (40, 53).x, at (40, 53).y);
}

//==============================================================================
void drawScene (const Panel& p)
{
    const Point<int> o (370, 28);
    const auto at = [o] (int x, int y) { return Point<int> (o.x + x, o.y + y); };
    const auto box = [&at] (int x, int y, int w, int h) { return Rectangle<int> (at (x, y).x, at (x, y).y, w, h); };
    p.image ("sceneSectionDown", o.x, o.y);

    const char* names[] { "BPF\nECHO", "ECHO", "NOISE", "SPIRAL\nUP", "REVERB  UP", "HPF\nECHO", "LPF\nECHO", "CRUSH\nECHO", "SPIRAL\nDOWN", "REVERB  DOWN" };

    for (int i = 0; i < 10; ++i)
    {
        const auto b = at (114, i < 5 ? 16 : 209);
        const String id = "sceneEffect" + String (i + 1);
        const auto lit = i == 0;
        p.image (id + (lit ? "Over" : "Normal"), b.x, b.y);
        const auto twoLines = String (names[i]).contains ("\n");
        const auto colour = twoLines ? Colour (lit ? 0xff90abff : 0xff2d5cf7) : Colour (lit ? 0xffff001e : 0xff881321);
        // The caption goes where the key's picture leaves room for it (SkinImageInfo's text area).
        const auto shape = findSkinShape (p.skin.recipes[(size_t) findSkinImage (p.skin.recipes, id + "Normal")]);
        const auto area = shape.box->getTextArea (shape.index) - shape.box->getImageArea (shape.index).getPosition();
        p.text (names[i], area + b, 13.0f, Justification::centred, colour, 2);
    }

    p.image ("toggleButtonLitIdle", at (289, 365).x, at (289, 365).y);
    p.text ("MODULATION", box (289, 365, 108, 34), 16.0f, Justification::centred, Colour (0xfffdc641));
    p.image ("toggleButtonIdle", at (385, 365).x, at (385, 365).y);
    p.text ("RESONANCE", box (385, 365, 108, 34), 16.0f, Justification::centred, Colour (0xff787878));
    p.image ("lockButtonNormal", at (123, 192).x, at (123, 192).y);
    p.image ("sceneLockStrip", at (133, 148).x, at (133, 148).y);
    p.image ("sceneKnob1", at (122, 380).x, at (122, 380).y);
    p.image ("sceneKnob2", at (121, 380).x, at (121, 380).y);
    p.image ("sceneDialMark", at (321, 198).x, at (321, 198).y);
    p.image ("sceneCaptionRule", at (70, 364).x, at (70, 364).y);
    p.image ("sceneCaptionRule", at (306, 364).x, at (306, 364).y);

    p.text ("FILTER\nTYPE", box (339, 174, 72, 26), 14.0f, Justification::centredBottom, grey (113), 2);
    p.text ("TYPE", box (32, 458, 72, 11), 14.0f, Justification::centredRight, grey (113));
    p.text ("TYPE", box (303, 458, 35, 11), 14.0f, Justification::centredRight, grey (113));
    p.text ("ECHO TIME", box (70, 348, 172, 14), 18.0f, Justification::centred, white);
    p.text ("MODE-SELECT", box (306, 348, 172, 14), 18.0f, Justification::centred, white);
    p.text ("0Hz", box (32, 486, 34, 13), 14.0f, Justification::centredRight, grey (200));
    p.text ("24,000Hz", box (244, 487, 64, 12), 14.0f, Justification::centredLeft, grey (200));

    // The frequency range slider: its track, the bar between the thumbs and the thumbs.
    const auto slider = at (32, 476);
    p.image ("rangeSliderTrack", slider.x, slider.y);
    const auto minValue = 0, maxValue = 2;
    const auto a = 39 + 29 * minValue + 14, c = 126 + 29 * maxValue - 2;
    p.g.drawImage (p.skin.get ("rangeSliderBar"), slider.x + a + 12, slider.y + 9, c - a - 12, 19, 0, 0, 1, 19);
    p.image ("rangeSliderCapLeft", slider.x + a, slider.y + 9);
    p.image ("rangeSliderCapRight", slider.x + c, slider.y + 9);
    p.image ("valueThumbLeft", slider.x + a, slider.y + 5);
    p.image ("valueThumbRight", slider.x + c + 6, slider.y + 5);

    p.text ("BPF", box (339, 213, 72, 15), 18.0f, Justification::centred, white);
    p.text ("2", box (114, 455, 86, 15), 18.0f, Justification::centred, white);
    p.text ("LFO 1", box (348, 455, 86, 15), 18.0f, Justification::centred, white);
    const char* echo[] { "1/4", "1/2", "3/4", "1/1" };
    const int ex[] { 61, 61, 191, 191 }, ey[] { 427, 379, 379, 427 };

    for (int i = 0; i < 4; ++i)
        p.text (echo[i], box (ex[i], ey[i], 60, 15), 16.0f, i < 2 ? Justification::centredRight : Justification::centredLeft, white);
}

//==============================================================================
void drawRelease (const Panel& p)
{
    const Point<int> o (328, 52);
    const auto box = [o] (int x, int y, int w, int h) { return Rectangle<int> (o.x + x, o.y + y, w, h); };
    p.image ("releaseSectionDown", o.x, o.y);
    const char* names[] { "VINYL BRAKE", "ECHO", "BACK SPIN" };

    for (int i = 0; i < 3; ++i)
    {
        const auto b = box (280 + 102 * i, 59, 108, 34);
        p.image (i == 0 ? "toggleButtonLitOn" : "toggleButtonIdle", b.getX(), b.getY());
        p.text (names[i], b, 16.0f, Justification::centred, i == 0 ? Colour (0xfffdc641) : Colour (0xff787878));
    }

    p.text ("OFF", box (515, 175, 32, 15), 16.0f, Justification::centred, white);
    p.text ("ISOLATE FX", box (73, 132, 72, 12), 15.0f, Justification::centred, white);
    p.text ("X-PAD FX", box (73, 256, 72, 12), 15.0f, Justification::centred, white);
    p.text ("FEEDBACK", box (401, 95, 72, 12), 15.0f, Justification::centred, white);
    p.text ("RELEASE FX", box (495, 140, 72, 15), 15.0f, Justification::centred, white);
    p.text ("SCENE FX", box (273, 132, 72, 15), 15.0f, Justification::centred, white);
    const char* values[] { "ON", "OFF", "ON", "50%", "1/2", "1", "2" };
    const int xs[] { 73, 73, 272, 401, 515, 515, 515 }, ys[] { 175, 288, 175, 114, 217, 259, 301 }, ws[] { 72, 72, 72, 72, 32, 32, 32 };

    for (int i = 0; i < 7; ++i)
        p.text (values[i], box (xs[i], ys[i], ws[i], 15), 16.0f, Justification::centred, white);
}

//==============================================================================
void drawXPadKeys (const Panel& p, Point<int> o, int lit)
{
    struct Key { const char* id; const char* name; int x, y, w, h; };
    const Key keys[] { { "xpadRollButton", "ROLL", 174, 184, 68, 34 }, { "xpadOscButton", "OSC", 240, 184, 84, 34 },
                       { "xpadSamplerButton", "SAMPLER", 322, 184, 84, 34 }, { "xpadPitchButton", "PITCH", 115, 206, 58, 58 },
                       { "xpadPadButton", "X-PAD", 174, 214, 232, 50 } };

    for (int i = 0; i < 5; ++i)
    {
        const auto& k = keys[i];
        const Rectangle<int> b (o.x + k.x, o.y + k.y, k.w, k.h);
        p.image (String (k.id) + (i == lit ? "Over" : "Normal"), b.getX(), b.getY());
        p.text (k.name, b, 15.0f, Justification::centred, i == lit ? Colour (0xffd0d000) : Colour (0xffc0c0c0));
    }
}

void drawXPad (const Panel& p)
{
    const Point<int> o (0, 259);
    const auto box = [o] (int x, int y, int w, int h) { return Rectangle<int> (o.x + x, o.y + y, w, h); };
    p.image ("xpadSectionDown", o.x, o.y);
    drawXPadKeys (p, o, 0);
    p.text ("ROLL TYPE", box (243, 49, 94, 15), 16.0f, Justification::centred, white);
    const char* rolls[] { "ROLL", "SLIP ROLL", "DIVIDE ROLL" };

    for (int i = 0; i < 3; ++i)
    {
        const auto b = box (118 + 116 * i, 102, 108, 34);
        p.image (i == 0 ? "toggleButtonLitIdle" : "toggleButtonIdle", b.getX(), b.getY());
        p.text (rolls[i], b, 16.0f, Justification::centred, i == 0 ? Colour (0xfffdc641) : Colour (0xff787878));
    }
}

void drawPadPanel (const Panel& p)
{
    const Point<int> o (0, 179);
    p.image ("padPanelDown", o.x, o.y);
    p.image ("panelCloseNormal", o.x + 496, o.y + 303);
    p.image ("xpadPadTargets", o.x + 175, o.y + 168);
    const char* beats[] { "1/2", "2/3", "3/4", "1/1", "3/2", "2/1", "4/1", "8/1", "1/32", "1/24", "1/16", "1/12", "1/8", "1/6", "1/4", "1/3" };
    const int targets[] { 0, 3, 14, 12, 6 };

    for (int i = 0; i < 5; ++i)
    {
        const Rectangle<int> t (o.x + 182 + 44 * i, o.y + 176, 40, 40);

        if (i == 1)
            p.image ("dropTargetHighlight", t.getX(), t.getY());

        p.text (beats[targets[i]], t, 15.0f, Justification::centred, Colour (0xfff8c840));
    }

    for (int i = 0; i < 16; ++i)
    {
        const Rectangle<int> b (o.x + 92 + 50 * (i % 8), o.y + 53 + 50 * (i / 8), 46, 46);
        p.image (i == 3 ? "beatButtonOver" : "beatButtonNormal", b.getX(), b.getY());
        p.text (beats[i], b, 15.0f, Justification::centred, Colour (0xffc0c0c0));
    }

    drawXPadKeys (p, o.translated (0, 80), 4);
}

//==============================================================================
enum class Lit { none, all, isolate, scene, release, xpad, isolatePanel, padPanel };

Image composeWindow (const Skin& skin, const SliceGrid& windowGrid, int colour, Lit lit)
{
    Image window (Image::RGB, 1024, 738, true, SoftwareImageType());
    Graphics g (window);
    g.drawImageAt (renderSlicedPicture ("windowFrame", windowGrid), 0, 0);

    g.reduceClipRegion (contentView);
    g.setOrigin (panelInWindow);
    const Panel p { g, skin };
    const char* bodies[] { "bodyBlack", "bodyWhite", "bodyPlatinum" };
    p.image (bodies[colour], 0, 0);

    const auto show = [lit] (Lit section) { return lit == Lit::all || lit == section; };

    if (lit == Lit::isolatePanel)
        drawIsolate (p, true);
    if (show (Lit::isolate))
        drawIsolate (p, false);
    if (show (Lit::scene))
        drawScene (p);
    if (show (Lit::release))
        drawRelease (p);
    if (lit == Lit::padPanel)
        drawPadPanel (p);
    if (show (Lit::xpad))
        drawXPad (p);

    return window;
}

bool writePng (const Image& image, const File& file)
{
    file.deleteFile();
    FileOutputStream out (file);
    PNGImageFormat png;
    return out.openedOk() && png.writeImageToStream (image, out);
}
} // namespace

int main (int argc, char** argv)
{
    // Drawing creates the font cache, which lives until shutdown: let it go before the program ends.
    const struct Shutdown { ~Shutdown() { DeletedAtShutdown::deleteAll(); } } shutdown;

    if (argc < 2)
    {
        std::cerr << "usage: panel_composite <output folder>" << std::endl;
        return 1;
    }

    const File folder (String::fromUTF8 (argv[1]));
    folder.createDirectory();

    Skin skin;
    const auto result = expandSkinList (getSkinListLines(), skin.recipes);

    if (result.failed())
    {
        std::cerr << result.getErrorMessage() << std::endl;
        return 1;
    }

    skin.images = renderSkinImages (skin.recipes);
    SliceGrid windowGrid;
    findSliceGrid (skin.recipes, "windowFrame", windowGrid);

    const char* colours[] { "black", "white", "platinum" };
    std::map<String, Image> out;

    for (int c = 0; c < 3; ++c)
    {
        out[String ("panel-composite-") + colours[c]] = composeWindow (skin, windowGrid, c, Lit::all);
        out[String ("panel-rest-") + colours[c]] = composeWindow (skin, windowGrid, c, Lit::none);
    }

    out["panel-isolate"] = composeWindow (skin, windowGrid, 0, Lit::isolate);
    out["panel-scene"] = composeWindow (skin, windowGrid, 0, Lit::scene);
    out["panel-release"] = composeWindow (skin, windowGrid, 0, Lit::release);
    out["panel-xpad"] = composeWindow (skin, windowGrid, 0, Lit::xpad);
    out["panel-isolate-editor"] = composeWindow (skin, windowGrid, 1, Lit::isolatePanel);
    out["panel-pad-editor"] = composeWindow (skin, windowGrid, 2, Lit::padPanel);

    for (const auto& [name, image] : out)
    {
        if (! writePng (image, folder.getChildFile (name + ".png")))
        {
            std::cerr << "cannot write " << name << std::endl;
            return 1;
        }
    }

    return 0;
}
