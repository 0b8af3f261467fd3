// Pictures of the effect panel's controls for review, drawn without a display: every button family
// in its states, a section button at three points of its fade, and the X-PAD position overlay with
// its beat buttons and targets. Usage: widget_snapshots [output folder] (default: the build folder)

#include "widgets/AnimImageButton.h"
#include "widgets/CloseButton.h"
#include "widgets/DraggableButton.h"
#include "widgets/DropTargetImage.h"
#include "widgets/IsolateMenuButton.h"
#include "widgets/LockButton.h"
#include "widgets/ReleaseMenuButton.h"
#include "widgets/SceneMenuButton.h"
#include "widgets/ToggleImageButton.h"
#include "widgets/XPadMenuButton.h"
#include "widgets/XPadPad.h"
#include "widgets/XPadTab.h"

#include "core/ParameterTables.h"
#include "widgets/CustomLookAndFeel.h"

#include <array>
#include <cstdio>
#include <memory>
#include <vector>

namespace
{

juce::File outputFolder;
const juce::Colour panelColour (0xff1e1f22), captionColour (0xffa8a8a8);

bool writePng (const juce::Image& image, const char* name)
{
    const auto file = outputFolder.getChildFile (name);
    file.deleteFile();
    juce::FileOutputStream out (file);
    const auto ok = out.openedOk() && juce::PNGImageFormat().writeImageToStream (image, out);
    std::printf ("%s: %s\n", name, ok ? file.getFullPathName().toRawUTF8() : "could not be written");
    return ok;
}

/** Four faces of one skin set, in the order normal, over, down, disabled (missing ones null). */
template <typename Set>
std::array<juce::Image, 4> facesOf (Set set, int count)
{
    std::array<juce::Image, 4> faces;
    for (int i = 0; i < count && i < 4; ++i)
        faces[(size_t) i] = SkinImages::get (static_cast<SkinImageId> (static_cast<int> (set.first) + i));
    return faces;
}

enum class Shown { normal, over, down, disabled, on, lit };

/** Draws a control as it looks in one state, at a place of the sheet. */
void setLit (juce::Component& control, bool lit)
{
    if (auto* step = dynamic_cast<Step2MenuButton*> (&control))
        step->setLit (lit);
    else if (auto* toggle = dynamic_cast<ToggleImageButton*> (&control))
        toggle->setLit (lit);
    else if (auto* lock = dynamic_cast<LockButton*> (&control))
        lock->setLit (lit);
}

bool hasLitFlag (juce::Component& control)
{
    return dynamic_cast<Step2MenuButton*> (&control) != nullptr || dynamic_cast<ToggleImageButton*> (&control) != nullptr
        || dynamic_cast<LockButton*> (&control) != nullptr;
}

void drawInState (juce::Graphics& g, juce::Component& control, juce::Button* button, Shown shown, juce::Point<int> at)
{
    control.setEnabled (shown != Shown::disabled);
    setLit (control, shown == Shown::lit);

    if (button != nullptr)
    {
        button->setToggleState (shown == Shown::on, juce::dontSendNotification);
        button->setState (shown == Shown::over ? juce::Button::buttonOver
                        : shown == Shown::down ? juce::Button::buttonDown
                        : juce::Button::buttonNormal);
    }

    const juce::Graphics::ScopedSaveState save (g);
    g.setOrigin (at);
    control.paintEntireComponent (g, true);
}

void caption (juce::Graphics& g, const juce::String& text, juce::Rectangle<int> area,
              juce::Justification j = juce::Justification::centredLeft)
{
    g.setColour (captionColour);
    g.setFont (CustomLookAndFeel::skinFont (13.0f));
    g.drawFittedText (text, area, j, 2, 0.8f);
}

/** A stand-in section artwork: a rounded plate with a rim, drawn here so the fade shows on something. */
juce::Image plate (int w, int h, juce::Colour colour)
{
    juce::Image image (juce::Image::ARGB, w, h, true);
    juce::Graphics g (image);
    const auto area = image.getBounds().toFloat().reduced (3.0f);
    g.setGradientFill (juce::ColourGradient::vertical (colour.brighter (0.25f), area.getY(), colour.darker (0.4f), area.getBottom()));
    g.fillRoundedRectangle (area, 14.0f);
    g.setColour (colour.brighter (0.8f));
    g.drawRoundedRectangle (area, 14.0f, 2.0f);
    return image;
}

void drawButtonFamilies()
{
    juce::Component host;
    host.setSize (10, 10);

    const auto panel = facesOf (SkinImageSets::panelButton, 4);
    const auto scene = facesOf (SkinImageSets::sceneEffect1, 4);
    const auto beat = facesOf (SkinImageSets::beatButton, 3);

    CustomImageButton plainButton ("plain");
    plainButton.setImages (panel[0], panel[1], panel[2], panel[3]);
    plainButton.setSize (84, 28);
    IsolateMenuButton isolate ("ISOLATOR");
    isolate.setImages (panel[0], panel[1], panel[2], panel[3]);
    isolate.setSize (84, 28);
    SceneMenuButton sceneButton ("BPF\nECHO");
    sceneButton.setImages (scene[0], scene[1], scene[2], scene[3]);
    sceneButton.setSize (319, 180);
    sceneButton.setTextRect ({ 20, 70, 70, 40 });
    ReleaseMenuButton release ("ECHO");
    release.setSize (108, 34);
    XPadMenuButton xpad ("ROLL");
    xpad.setImages (panel[0], panel[1], panel[2], panel[3]);
    xpad.setSize (84, 28);
    ToggleImageButton toggle ("MODULATION");
    toggle.setSize (108, 34);
    LockButton lock;
    lock.setSize (52, 26);
    CloseButton close;
    DraggableButton beatButton (nullptr);
    beatButton.setButtonText ("3/4");
    beatButton.setImages (beat[0], beat[1], beat[2], beat[2]);
    beatButton.setSize (46, 46);

    struct Row { const char* name; juce::Component* control; juce::Button* button; int height; };
    const Row rows[] {
        { "CustomImageButton", &plainButton, &plainButton, 40 },
        { "IsolateMenuButton", &isolate, &isolate, 40 },
        { "SceneMenuButton (upper-arc key, box cropped)", &sceneButton, &sceneButton, 110 },
        { "ReleaseMenuButton", &release, &release, 46 },
        { "XPadMenuButton", &xpad, &xpad, 40 },
        { "ToggleImageButton", &toggle, &toggle, 46 },
        { "LockButton", &lock, &lock, 38 },
        { "CloseButton", &close, &close, 58 },
        { "DraggableButton", &beatButton, &beatButton, 56 },
    };

    const Shown states[] { Shown::normal, Shown::over, Shown::down, Shown::disabled, Shown::on, Shown::lit };
    const char* stateNames[] { "normal", "over (mouse)", "down (pressed)", "disabled", "on (toggled)", "lit (panel's choice)" };
    constexpr int numColumns = 6, labelWidth = 170, columnWidth = 140, top = 30;

    int height = top;
    for (const auto& row : rows)
        height += row.height + 10;

    juce::Image sheet (juce::Image::ARGB, labelWidth + columnWidth * numColumns, height, true);
    {
        juce::Graphics g (sheet);
        g.fillAll (panelColour);

        for (int c = 0; c < numColumns; ++c)
            caption (g, stateNames[c], { labelWidth + columnWidth * c, 6, columnWidth, 18 });

        int y = top;
        for (const auto& row : rows)
        {
            host.addAndMakeVisible (row.control);
            caption (g, row.name, { 6, y, labelWidth - 12, row.height });

            for (int c = 0; c < numColumns; ++c)
            {
                if (states[c] == Shown::lit && ! hasLitFlag (*row.control))
                    continue;

                juce::Graphics::ScopedSaveState save (g);
                g.reduceClipRegion (labelWidth + columnWidth * c, y, columnWidth - 8, row.height);

                // The Scene key is a segment of a 319x180 box: show the part around its caption.
                const auto offset = row.control == &sceneButton ? juce::Point<int> (0, -40) : juce::Point<int>();
                drawInState (g, *row.control, row.button, states[c], juce::Point<int> (labelWidth + columnWidth * c, y) + offset);
            }

            host.removeChildComponent (row.control);
            y += row.height + 10;
        }
    }

    writePng (sheet, "widgets-buttons.png");
}

void drawSectionFade()
{
    juce::Component host;
    host.setSize (1000, 330);

    constexpr int w = 300, h = 200;
    std::vector<std::unique_ptr<AnimImageButton>> sections;
    std::vector<std::unique_ptr<juce::Component>> children;
    const float alphas[] { 0.0f, 0.5f, 1.0f };

    for (int i = 0; i < 3; ++i)
    {
        auto section = std::make_unique<AnimImageButton> ("RELEASE FX");
        const auto art = plate (w, h, juce::Colour (0xff6a4a10));
        section->setImages (art, 0.0f, {}, art, 1.0f, {}, art, 1.0f, {}, 0.1f);
        host.addAndMakeVisible (*section);
        section->setBounds (20 + i * (w + 30), 40, w, h);

        auto effect = std::make_unique<ReleaseMenuButton> ("VINYL BRAKE");
        section->addChildComponent (*effect);
        effect->setBounds (20, 20, 108, 34);
        effect->setMarked (true);
        auto toggle = std::make_unique<ToggleImageButton> ("ECHO");
        section->addChildComponent (*toggle);
        toggle->setBounds (140, 20, 108, 34);
        auto lock = std::make_unique<LockButton>();
        section->addChildComponent (*lock);
        lock->setBounds (20, 140, 52, 26);
        auto pad = std::make_unique<XPadPad>();
        section->addChildComponent (*pad);
        pad->setBounds (60, 80, 230, 56);

        for (int step = 0; step < (int) (alphas[i] * 10.0f + 0.5f); ++step)
        {
            section->getFade().getFade().fadeIn();
            section->getFade().getFade().timerCallback();
        }
        section->getFade().applyNow();

        children.push_back (std::move (effect));
        children.push_back (std::move (toggle));
        children.push_back (std::move (lock));
        children.push_back (std::move (pad));
        sections.push_back (std::move (section));
    }

    juce::Image shot (juce::Image::ARGB, host.getWidth(), host.getHeight(), true);
    {
        juce::Graphics g (shot);
        g.fillAll (panelColour);
        g.setColour (juce::Colour (0xff2a2c31));
        for (int x = 0; x < host.getWidth(); x += 16)
            g.drawVerticalLine (x, 0.0f, (float) host.getHeight());
        host.paintEntireComponent (g, true);

        for (int i = 0; i < 3; ++i)
            caption (g, "fade alpha " + juce::String (alphas[i], 1), { 20 + i * (w + 30), 260, w, 20 },
                     juce::Justification::centred);
    }

    writePng (shot, "widgets-section-fade.png");
}

void drawBeatPad()
{
    juce::Component host;
    host.setSize (580, 470);

    AnimImageButton padPanel ("");
    const auto art = plate (580, 374, juce::Colour (0xff303845));
    padPanel.setImages (art, 0.0f, {}, art, 1.0f, {}, art, 1.0f, {}, 0.1f);
    host.addAndMakeVisible (padPanel);
    padPanel.setBounds (0, 0, 580, 374);
    for (int i = 0; i < 10; ++i)
    {
        padPanel.getFade().getFade().fadeIn();
        padPanel.getFade().getFade().timerCallback();
    }

    CloseButton close;
    padPanel.addAndMakeVisible (close);
    close.setTopLeftPosition (496, 303);

    juce::ImageComponent padImage;
    padImage.setImage (SkinImages::get (SkinImageId::xpadPadDisplay));
    padPanel.addAndMakeVisible (padImage);
    padImage.setBounds (175, 168, 230, 56);

    std::array<int32_t, 5> positions {};
    std::vector<std::unique_ptr<DropTargetImage>> targets;
    for (int i = 0; i < 5; ++i)
    {
        auto target = std::make_unique<DropTargetImage>();
        padPanel.addAndMakeVisible (*target);
        target->setTopLeftPosition (182 + 44 * i, 176);
        positions[(size_t) i] = (int32_t) (i * 3 + 1);
        target->setValuePointer (&positions[(size_t) i]);
        targets.push_back (std::move (target));
    }
    targets[1]->itemDragEnter ({ "1/3", nullptr, {} });

    const auto beat = facesOf (SkinImageSets::beatButton, 3);
    std::vector<std::unique_ptr<DraggableButton>> beats;
    for (int i = 0; i < ParameterTables::numBeatFractions; ++i)
    {
        auto button = std::make_unique<DraggableButton> (&padPanel);
        button->setButtonText (ParameterTables::beatFractionLabel (i));
        button->setImages (beat[0], beat[1], beat[2], beat[2]);
        padPanel.addAndMakeVisible (*button);
        button->setBounds (92 + 50 * (i % 8), 53 + 50 * (i / 8), 46, 46);
        beats.push_back (std::move (button));
    }
    beats[15]->setState (juce::Button::buttonDown);
    beats[4]->setState (juce::Button::buttonOver);

    // Below the overlay: the section's read-out pad and two tabs, and the picture a drag carries.
    XPadPad pad;
    pad.setBeatIndex (0, 15);
    pad.setBeatIndex (4, 8);
    host.addAndMakeVisible (pad);
    pad.setBounds (20, 390, 230, 56);
    XPadTab kick ("KICK"), slot ("SLOT1");
    host.addAndMakeVisible (kick);
    host.addAndMakeVisible (slot);
    kick.setBounds (270, 398, 110, 40);
    slot.setBounds (390, 398, 110, 40);
    beats[15]->buildDragImage();

    juce::Image shot (juce::Image::ARGB, host.getWidth(), host.getHeight(), true);
    {
        juce::Graphics g (shot);
        g.fillAll (panelColour);
        host.paintEntireComponent (g, true);
        g.drawImageAt (beats[15]->getDragImage(), 520, 395);
    }

    writePng (shot, "widgets-beat-pad.png");
}
} // namespace

int main (int argc, char** argv)
{
    juce::ScopedJuceInitialiser_GUI juce;
    outputFolder = argc > 1 ? juce::File::getCurrentWorkingDirectory().getChildFile (argv[1])
                            : juce::File (TESSALIN_BUILD_DIR);
    outputFolder.createDirectory();

    // The skin's look-and-feel resolves "Verdana" for every text drawn.
    CustomLookAndFeel skin;
    juce::LookAndFeel::setDefaultLookAndFeel (&skin);

    drawButtonFamilies();
    drawSectionFade();
    drawBeatPad();

    juce::LookAndFeel::setDefaultLookAndFeel (nullptr);
    return 0;
}
