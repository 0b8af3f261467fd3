// The effect panel of the running program under X, edited with the real pointer (xdotool): one
// control of each kind in each section. Each edit must reach the settings file written at quit under
// its element, and undo must bring every old value back, in the document, the panel and the file.
// Also writes the main window at the first level in each body colour to the build folder.

#include "app/CommandTable.h"
#include "app/MainWindow.h"
#include "app/QZT7200ControlApplication.h"
#include "AppGuiTestSupport.h"
#include "JuceTestPrinters.h"
#include "TestDocuments.h"
#include "widgets/AnimImageButton.h"
#include "widgets/ComboLabel.h"
#include "widgets/CustomSlider.h"
#include "widgets/DraggableButton.h"
#include "widgets/DropTargetImage.h"
#include "widgets/LanguageTypefaces.h"
#include "widgets/LockButton.h"
#include "widgets/XPadPad.h"
#include "widgets/PopupSlider.h"
#include "widgets/ToggleImageButton.h"
#include "widgets/ValueCombo.h"

#include <gtest/gtest.h>

namespace
{
using P = juce::Point<int>;

struct PanelEditGuiTest : ::testing::Test
{
    TemporaryConfigHome config;
    std::unique_ptr<QZT7200ControlApplication> app;
    MainWindow* window = nullptr;
    Body* body = nullptr;
    DeviceSettings* doc = nullptr;

    void SetUp() override
    {
        xdotool ({ "mousemove", "1270", "890" });
        app = std::make_unique<QZT7200ControlApplication>();
        app->initialise ({});
        window = &app->getMainWindow();
        body = &window->getBody();
        doc = &app->getCurrentDocument();
        window->toFront (true);
        pumpMessages (300);
    }

    void TearDown() override
    {
        app.reset();
    }

    void xdotool (const juce::StringArray& commands, int settleMs = 150)
    {
        EXPECT_TRUE (runXdotool (commands, settleMs)) << "xdotool " << commands.joinIntoString (" ");
    }

    static juce::StringArray moveTo (P screen)
    {
        return { "mousemove", juce::String (screen.x), juce::String (screen.y), "sleep", "0.05" };
    }

    static P centreOf (juce::Component& c)     { return c.localPointToGlobal (c.getLocalBounds().getCentre()); }

    /** Arrives on a point in two real steps (a move to the same place is no move). */
    void hover (P screen, int settleMs = 450)
    {
        auto steps = moveTo (screen - P (4, 2));
        steps.addArray (moveTo (screen));
        xdotool (steps, settleMs);
    }

    void click (juce::Component& c)
    {
        hover (centreOf (c), 200);
        xdotool ({ "click", "1" });
    }

    /** What opening an effect for editing does to a control's section, done by hand until the panel
        walks its levels: the section open and up, the others dimmed, and the control's group shown
        and taking the mouse. */
    void openForEditing (juce::Component& control)
    {
        AnimImageButton* section = nullptr;

        for (auto* c = &control; c != nullptr && c != body; c = c->getParentComponent())
        {
            if ((section = dynamic_cast<AnimImageButton*> (c)) != nullptr)
                break;

            c->setEnabled (true);
            c->setVisible (true);
            c->setAlpha (1.0f);
            if (c == &control || dynamic_cast<CustomSlider*> (c) != nullptr)
                c->setInterceptsMouseClicks (true, true);

            if (auto* toggle = dynamic_cast<ToggleImageButton*> (c))
                toggle->setInteractive (true);
        }

        ASSERT_TRUE (section != nullptr);

        for (auto* child : body->getChildren())
            if (auto* other = dynamic_cast<AnimImageButton*> (child); other != nullptr && other != section)
            {
                other->setOpen (false);
                other->setDimmed (true);
                other->setStateAndReevaluate (juce::Button::buttonNormal);
            }

        pumpMessages (450);
        section->setDimmed (false);
        section->setVisible (true);
        section->setOpen (true);
        section->setStateAndReevaluate (juce::Button::buttonOver);
        pumpMessages (450);
    }

    /** Opens a combo box's list with a click and takes the item after the current one by keys. */
    void chooseNextItem (ValueCombo& box)
    {
        click (box);
        pumpMessages (200);
        xdotool ({ "key", "--delay", "80", "Down", "Return" });
    }

    int historyPosition() { return window->getUndoHistory().getPosition(); }

    /** The value of an element of the document ("SceneFx/BpfEcho/CenterFilterTypeCb") as the
        settings file holds it in either of its two parts; -1 when neither has it. */
    int storedValue (const juce::String& path) const
    {
        auto xml = juce::XmlDocument::parse (config.settingsFile());
        if (xml == nullptr)
            return -1;

        for (auto* value : xml->getChildWithTagNameIterator ("VALUE"))
        {
            if (! value->getStringAttribute ("name").startsWith ("currentSettings"))
                continue;

            auto* e = value->getFirstChildElement();
            for (const auto& step : juce::StringArray::fromTokens (path, "/", {}))
                e = e != nullptr ? e->getChildByName (step) : nullptr;

            if (e != nullptr)
                return e->getAllSubText().trim().getIntValue();
        }
        return -1;
    }
};

/** One edit: where it lands in the document and in the file. */
struct Edit
{
    juce::String element;
    int32_t* value;
    int before, after;
};
} // namespace

TEST_F (PanelEditGuiTest, OneControlOfEachKindInEachSectionEditedByMouseReachesTheFileAndUndoes)
{
    auto& isolate = body->getIsolate();
    auto& scene = body->getScene();
    auto& release = body->getRelease();
    auto& xpad = body->getXPad();
    std::vector<Edit> edits;

    // Known starting values, taken as a loaded document is: the panel refreshed, nothing to undo.
    doc->isolate[IsolateEffect::isolator][1] = 1;
    doc->scene[SceneEffect::bpfEcho][1] = 0;
    doc->scene[SceneEffect::bpfEcho][7] = 0;
    doc->scene[SceneEffect::bpfEcho][9] = 0;
    doc->release[ReleaseEffect::vinylBrake][5] = 0;
    doc->xpad[XPadEffect::roll].values[1] = 0;
    doc->xpad[XPadEffect::osc].values[7] = 2;
    doc->xpad[XPadEffect::pitch].values[3] = 0;
    doc->xpad[XPadEffect::xpad].values[16] = 0;
    app->getLastSentDocument() = *doc;
    window->refreshPanel();
    window->getUndoHistory().clear();

    const auto expectEdit = [&] (const char* element, int32_t& value, int before, int after)
    {
        EXPECT_EQ (value, after) << element;
        EXPECT_EQ (historyPosition(), (int) edits.size() + 1) << element << ": one commit";
        edits.push_back ({ element, &value, before, after });
    };

    // ISOLATE FX: the lock, reached at the first level through the section, then an overlay combo box.
    hover (isolate.isolateButton->localPointToGlobal (P (200, 120)));
    click (*isolate.isolateLockButton);
    expectEdit ("IsolateFx/Lock", doc->isolateLock, 0, 1);
    EXPECT_TRUE (isolate.isolatePanelLockButton->getToggleState());

    openForEditing (*isolate.isolateValueCombos[0]);
    chooseNextItem (*isolate.isolateValueCombos[0]);
    expectEdit ("IsolateFx/Isolator/LowMinCb", doc->isolate[0][1], 1, 2);

    // SCENE FX: the lock, the centre combo box, a frequency thumb dragged one step, RESONANCE.
    openForEditing (*scene.sceneLockButton);
    click (*scene.sceneLockButton);
    expectEdit ("SceneFx/Lock", doc->sceneLock, 0, 1);

    openForEditing (*scene.sceneCenterCombo);
    chooseNextItem (*scene.sceneCenterCombo);
    expectEdit ("SceneFx/BpfEcho/CenterFilterTypeCb", doc->scene[0][1], 0, 1);

    auto& thumb = scene.sceneFrequencySlider->getMinThumb();
    openForEditing (thumb);
    const auto pointerAt = [&] (int p) { return thumb.localPointToGlobal (P ((int) thumb.getPositionOfValue (p) + 3, 11)); };
    hover (pointerAt (0), 200);
    auto drag = juce::StringArray { "mousedown", "1" };
    for (int x = 1; x <= 4; ++x)
        drag.addArray (moveTo (pointerAt (0) + (pointerAt (1) - pointerAt (0)) * x / 4));
    drag.addArray ({ "mouseup", "1" });
    xdotool (drag);
    expectEdit ("SceneFx/BpfEcho/Sub1EchoFreqLowerSld", doc->scene[0][7], 0, 1);

    openForEditing (*scene.sceneResonanceButton);
    click (*scene.sceneResonanceButton);
    expectEdit ("SceneFx/BpfEcho/Sub2ModResSelectBtn", doc->scene[0][9], 0, 1);

    // RELEASE FX: the Isolate routing of VINYL BRAKE.
    openForEditing (*release.releaseCombos[0]);
    chooseNextItem (*release.releaseCombos[0]);
    expectEdit ("ReleaseFx/VinylBrake/IsolateCb", doc->release[0][5], 0, 1);

    // X-PAD FX: SLIP ROLL, the hi-hat's gain (where the Release section's switch stands at the first
    // level), the plus pitch slider clicked along, a beat dragged onto a pad.
    openForEditing (*xpad.rollButtons[1]);
    click (*xpad.rollButtons[1]);
    expectEdit ("XpadFx/Roll/RollBtn", doc->xpad[0].values[1], 0, 1);

    openForEditing (*xpad.oscCombos[3]);
    chooseNextItem (*xpad.oscCombos[3]);
    expectEdit ("XpadFx/Osc/HihatGainCb", doc->xpad[1].values[7], 2, 3);

    auto& plus = *xpad.pitchPlusSlider;
    openForEditing (plus);
    click (plus.getButton());
    ASSERT_TRUE (plus.isPopupOpen());
    auto& track = plus.getSlider();
    hover (track.localPointToGlobal (P ((int) track.getPositionOfValue (4), track.getHeight() / 2)), 200);
    xdotool ({ "click", "1" });
    expectEdit ("XpadFx/Pitch/PlusCb", doc->xpad[3].values[3], 0, 4);
    EXPECT_EQ (plus.getLabel().getText(), "+5");

    openForEditing (*xpad.padDropTargets[0]);
    auto& beat = *xpad.beatButtons[15];
    hover (centreOf (beat), 200);
    drag = { "mousedown", "1" };
    for (int i = 1; i <= 6; ++i)
        drag.addArray (moveTo (centreOf (beat) + (centreOf (*xpad.padDropTargets[0]) - centreOf (beat)) * i / 6));
    drag.addArray ({ "sleep", "0.2", "mouseup", "1" });
    xdotool (drag, 300);
    expectEdit ("XpadFx/Xpad/Position0", doc->xpad[4].values[16], 0, 15);
    EXPECT_EQ (xpad.xpadPad->getBeatIndex (0), 0) << "the pad read-out follows at the next refresh";

    // Quit writes the new values under their elements.
    {
        ModalAnswer unsaved (juce::KeyPress::returnKey);
        ASSERT_TRUE (app->prepareToQuit());
        EXPECT_TRUE (unsaved.wasAsked());
    }
    for (const auto& e : edits)
        EXPECT_EQ (storedValue (e.element), e.after) << e.element;

    // Undo, one step per edit, brings every old value back: document, panel and file.
    for (size_t i = 0; i < edits.size(); ++i)
        ASSERT_TRUE (window->performCommand (CommandTable::undo));
    pumpMessages (100);

    for (const auto& e : edits)
        EXPECT_EQ (*e.value, e.before) << e.element;
    EXPECT_EQ (isolate.isolateValueCombos[0]->getSelectedItemIndex(), 1);
    EXPECT_FALSE (isolate.isolateLockButton->getToggleState());
    EXPECT_EQ (plus.getLabel().getText(), "+1");
    EXPECT_TRUE (xpad.rollButtons[0]->getToggleState());

    {
        ModalAnswer unsaved (juce::KeyPress::returnKey);
        ASSERT_TRUE (app->prepareToQuit());
    }
    for (const auto& e : edits)
        EXPECT_EQ (storedValue (e.element), e.before) << e.element;
}

TEST_F (PanelEditGuiTest, MainWindowAtTheFirstLevelInEachBodyColour)
{
    const juce::File folder (TESSALIN_BUILD_DIR);
    const char* colours[] { "black", "white", "platinum" };
    const std::pair<PanelSection, const char*> sections[] { { PanelSection::isolate, "isolate" }, { PanelSection::scene, "scene" },
                                                            { PanelSection::release, "release" }, { PanelSection::xpad, "xpad" } };

    // The pointer away from the panel for real, so that no section is up before its turn.
    hover (P (1270, 890));

    // A document with something to read in every section.
    juce::Random random (7);
    *doc = *TestDocuments::randomParameters (random);
    setSlotPath (samplerSlot (*doc, 0), "/home/dj/Samples/kick 909.wav");
    window->refreshPanel();

    for (int c = 0; c < 3; ++c)
    {
        window->setBodyColor (static_cast<BodyColor> (c));
        pumpMessages (100);

        const auto shoot = [&] (const juce::String& name)
        {
            const auto image = window->createComponentSnapshot (window->getLocalBounds(), true, 1.0f);
            const auto file = folder.getChildFile (name + ".png");
            file.deleteFile();
            juce::FileOutputStream out (file);
            ASSERT_TRUE (out.openedOk());
            juce::PNGImageFormat().writeImageToStream (image, out);
        };

        shoot (juce::String ("panel-level1-") + colours[c]);

        for (auto [section, name] : sections)
        {
            auto* button = body->getSectionButton (section);
            body->setCurrentEffect (section, section == PanelSection::xpad ? XPadEffect::osc : 0);
            button->setStateAndReevaluate (juce::Button::buttonOver);
            pumpMessages (450);
            EXPECT_EQ (button->getFadeAlpha(), 1.0f) << name;
            shoot (juce::String ("panel-level1-") + colours[c] + "-" + name);
            button->setStateAndReevaluate (juce::Button::buttonNormal);
            pumpMessages (450);
        }
    }

    // A new message language redraws the slot names in its typeface.
    auto& kick = *body->getXPad().slotNameLabels[0];
    window->setLanguage (UiLanguage::korean);
    EXPECT_EQ (kick.getText(), "kick 909.wav");
    EXPECT_EQ (kick.getFont().getTypefaceName(), LanguageTypefaces::typefaceNameFor (UiLanguage::korean));
    window->setLanguage (UiLanguage::english);
}
