// The effect panel driven by real keys on a real desktop (Xvfb): the Tab cycles of every effect, Back
// from each level, the section highlight and Return, the beat walk, and the breadcrumb's steps
// clicked with the real mouse.

#include "app/MainWindow.h"
#include "app/ProcessLauncher.h"
#include "AppGuiTestSupport.h"
#include "MessagePump.h"
#include "JuceTestPrinters.h"
#include "core/ParameterTables.h"
#include "editor/bindings/ControlBindings.h"
#include "editor/bindings/PanelNames.h"
#include "widgets/AnimImageButton.h"
#include "widgets/DraggableButton.h"
#include "widgets/DropTargetImage.h"
#include "widgets/LockButton.h"
#include "KeyTakingControls.h"

#include <gtest/gtest.h>

#include <set>
#include <typeinfo>
#include <vector>

namespace
{
/** Every component that held the keyboard focus, in turn. */
struct FocusTrail : juce::FocusChangeListener
{
    std::vector<juce::Component*> seen;

    FocusTrail()    { juce::Desktop::getInstance().addFocusChangeListener (this); }
    ~FocusTrail() override { juce::Desktop::getInstance().removeFocusChangeListener (this); }

    void globalFocusChanged (juce::Component* focused) override
    {
        if (focused != nullptr && (seen.empty() || seen.back() != focused))
            seen.push_back (focused);
    }
};

struct PanelKeysGuiTest : ::testing::Test
{
    std::unique_ptr<DeviceSettings> current = createDeviceSettings();
    std::unique_ptr<DeviceSettings> lastSent = createDeviceSettings();
    PointerState pointer;
    std::unique_ptr<MainWindow> window;

    void SetUp() override
    {
        ASSERT_NE (ProcessLauncher::findExecutable ("xdotool"), juce::File()) << "xdotool is needed for real input";

        window = std::make_unique<MainWindow> (*current, *lastSent, pointer);
        window->setBounds (40, 30, 1024, 738);
        window->setVisible (true);
        pumpMessages (100);

        // The mouse rests outside the panel, so that no hover takes part.
        ASSERT_TRUE (parkMouse());
        ASSERT_TRUE (runXdotool ({ "windowactivate", "--sync", xWindowId (*window) }));
    }

    void TearDown() override { window.reset(); }

    /** The mouse to the screen's corner, off every window (without --sync: the pointer may be there
        already, and xdotool would wait for a move that never comes). */
    static bool parkMouse() { return runXdotool ({ "mousemove", "1270", "890" }); }

    Body& body() { return window->getBody(); }

    void press (const juce::String& keys)
    {
        juce::StringArray arguments { "key", "--delay", "30" };
        arguments.addTokens (keys, " ", {});
        ASSERT_TRUE (runXdotool (arguments, 60));

        // On a busy machine the keys may still be on their way: wait until the focus rests.
        auto* last = focused();
        for (int quiet = 0, waited = 0; quiet < 3 && waited < 1500; waited += 40)
        {
            pumpMessages (40);
            quiet = focused() == last ? quiet + 1 : 0;
            last = focused();
        }
    }

    juce::Component* focused() const { return juce::Component::getCurrentlyFocusedComponent(); }

    /** Opens an effect as the effect browser does, and waits until its section has faded in and
        handed the focus to the effect's control. Without a window manager the X server may still
        deliver a focus change for the window a moment later, which gives the keyboard back to the
        window itself: the effect is then opened once more. */
    void openEffect (int section, int effect)
    {
        for (int attempt = 0; attempt < 3; ++attempt)
        {
            body().focusPanel();
            body().selectSectionEffect (section, effect, nullptr);

            pumpUntil ([this] { return focusIsInOpenSection(); }, 2000);
            pumpMessages (350);     // the other sections finish fading out

            if (focusIsInOpenSection())
                return;
        }
    }

    bool focusIsInOpenSection()
    {
        auto* open = body().getOpenSectionButton();
        return open != nullptr && focused() != nullptr && open->isParentOf (focused());
    }

    /** The controls in a section that show on the screen and can hold the keyboard. */
    std::set<juce::Component*> shownControls (juce::Component& section)
    {
        std::set<juce::Component*> shown;
        for (int i = 0; i < ControlIds::count; ++i)
            if (auto* c = body().getControls().get (ControlIds::fromInt (i)))
                if (takesTheKeys (ControlIds::fromInt (i)) && c->isShowing() && section.isParentOf (c))
                    shown.insert (c);
        return shown;
    }

    juce::String stepText (int step) { return window->getLineBrowser().getStepText (step); }
};
} // namespace

TEST_F (PanelKeysGuiTest, TabAndShiftTabCycleOverExactlyTheShownControlsOfEachEffect)
{
    for (int section = 0; section < 4; ++section)
    {
        for (int effect = 0; effect < ParameterTables::numEffects (section); ++effect)
        {
            if (section == 3 && effect == 2)
                continue;   // SAMPLER: the sampler window takes the keys

            SCOPED_TRACE (PanelNames::sectionName (section) + " " + PanelNames::oneLineEffectName (section, effect));
            openEffect (section, effect);

            auto* start = focused();
            auto* container = body().getOpenSectionButton();
            ASSERT_NE (container, nullptr);
            ASSERT_NE (start, nullptr);
            const auto expected = shownControls (*container);
            ASSERT_EQ (expected.count (start), 1u) << "the effect opens on one of its controls, not on a "
                                                   << typeid (*start).name() << " " << start->getName();

            // Tab once per control: every shown control once, inside the section, then back at the start.
            FocusTrail trail;
            juce::String keys;
            for (size_t i = 0; i < expected.size(); ++i)
                keys << "Tab ";
            press (keys.trim());

            const auto tabs = std::exchange (trail.seen, {});
            EXPECT_EQ (focused(), start);
            EXPECT_EQ (std::set<juce::Component*> (tabs.begin(), tabs.end()), expected);
            EXPECT_EQ (tabs.size(), expected.size());

            for (auto* c : tabs)
                EXPECT_TRUE (container->isParentOf (c)) << c->getName();

            // Shift+Tab walks the same cycle the other way round.
            press (keys.trim().replace ("Tab", "shift+Tab"));
            const auto back = std::exchange (trail.seen, {});
            EXPECT_EQ (focused(), start);
            ASSERT_EQ (back.size(), tabs.size());
            for (size_t i = 0; i + 1 < tabs.size(); ++i)
                EXPECT_EQ (back[i], tabs[tabs.size() - 2 - i]) << i;
        }
    }
}

TEST_F (PanelKeysGuiTest, BackFromEachLevelLandsOnTheLevelAboveWithTheEffectThatWasOpen)
{
    const std::pair<int, int> effects[] = { { 0, 3 }, { 1, 7 }, { 2, 1 }, { 3, 1 }, { 3, 4 } };

    for (auto [section, effect] : effects)
    {
        const auto name = PanelNames::oneLineEffectName (section, effect);
        SCOPED_TRACE (name);
        openEffect (section, effect);
        ASSERT_EQ (body().getLevel(), 3);
        ASSERT_EQ (window->getEffectBrowser().getCurrentLevel(), 3);

        // From the effect's control to the section's effects, highlight on the effect that was open.
        press ("Escape");
        auto* button = body().getSectionButton (static_cast<PanelSection> (section));
        EXPECT_EQ (body().getLevel(), 2);
        EXPECT_EQ (focused(), button);
        EXPECT_EQ (body().getCurrentEffect (static_cast<PanelSection> (section)), effect);
        EXPECT_EQ (stepText (1), PanelNames::sectionName (section));
        EXPECT_EQ (stepText (2), name);
        EXPECT_TRUE (window->getLineBrowser().isStepVisible (2));

        // Return opens it again; Back twice reaches the first level, the section lit for the keys.
        press ("Return");
        pumpMessages (500);
        EXPECT_EQ (body().getLevel(), 3);
        EXPECT_EQ (body().getEditedEffect (static_cast<PanelSection> (section)), effect);

        press ("Escape Escape");
        EXPECT_EQ (body().getLevel(), 1);
        EXPECT_EQ (window->getEffectBrowser().getCurrentLevel(), 1);
        EXPECT_TRUE (body().isKeyboardMode());
        EXPECT_TRUE (button->isSelected());
        EXPECT_EQ (stepText (1), PanelNames::sectionName (section));
    }
}

TEST_F (PanelKeysGuiTest, KeysWalkTheSectionsTheHighlightAndTheBeats)
{
    // The first level's ring: Right enters ISOLATE FX, Left twice goes round to RELEASE FX.
    body().focusPanel();
    press ("Right");
    EXPECT_TRUE (body().getSectionButton (PanelSection::isolate)->isSelected());
    press ("Left Left");
    EXPECT_TRUE (body().getSectionButton (PanelSection::release)->isSelected());
    EXPECT_EQ (stepText (1), "RELEASE FX");

    // On an open SCENE FX the dial's keys move the highlight and the breadcrumb names it.
    openEffect (1, 0);
    press ("Escape");
    ASSERT_EQ (body().getLevel(), 2);
    press ("Right Right Right Right Right");
    EXPECT_EQ (body().getCurrentEffect (PanelSection::scene), 10);
    EXPECT_FALSE (window->getLineBrowser().isStepVisible (2)) << "the lock position names no effect";
    press ("Right Down");
    EXPECT_EQ (body().getCurrentEffect (PanelSection::scene), 1);
    EXPECT_EQ (stepText (2), "ECHO");

    // On ISOLATE FX, Left from the first effect reaches the lock; Return there switches the lock as a
    // click does (both lock keys, one commit) and opens nothing.
    openEffect (0, 0);
    press ("Escape Left");
    EXPECT_EQ (body().getCurrentEffect (PanelSection::isolate), 4);
    EXPECT_FALSE (window->getLineBrowser().isStepVisible (2));
    const auto beforeLock = window->getUndoHistory().getPosition();
    press ("Return");
    EXPECT_EQ (window->getCurrentDocument().isolateLock, 1);
    EXPECT_TRUE (body().getIsolate().isolateLockButton->getToggleState());
    EXPECT_TRUE (body().getIsolate().isolatePanelLockButton->getToggleState());
    EXPECT_EQ (window->getUndoHistory().getPosition(), beforeLock + 1);
    EXPECT_EQ (body().getLevel(), 2);

    // X-PAD's position overlay: Return on a target goes to the beats, Down walks them by column,
    // Return stores the beat in the target with one commit.
    openEffect (3, 4);
    auto& targets = body().getXPad().padDropTargets;
    auto& beats = body().getXPad().beatButtons;
    ASSERT_EQ (focused(), targets[0]);
    press ("Right Right Return");
    EXPECT_EQ (focused(), beats[0]);
    EXPECT_TRUE (targets[2]->isDragOver());
    press ("Down Down Down");
    EXPECT_EQ (focused(), beats[9]);
    press ("Up");
    EXPECT_EQ (focused(), beats[1]);

    const auto position = window->getUndoHistory().getPosition();
    press ("Return");
    EXPECT_EQ (focused(), targets[2]);
    EXPECT_FALSE (targets[2]->isDragOver());
    ASSERT_NE (targets[2]->getValuePointer(), nullptr);
    EXPECT_EQ (*targets[2]->getValuePointer(), 1);
    EXPECT_EQ (window->getUndoHistory().getPosition(), position + 1);

    // Back from a beat returns to the target it would store in.
    press ("Return Escape");
    EXPECT_EQ (focused(), targets[2]);
}

TEST_F (PanelKeysGuiTest, AClickOnEachBreadcrumbStepTakesThePanelToItsLevel)
{
    auto& line = window->getLineBrowser();
    const auto clickStep = [&] (int step)
    {
        // The middle of the part of the step that its right neighbour does not cover.
        const auto at = line.localPointToGlobal (juce::Point<int> (step * LineBrowser::stepSpacing + 85, 14));
        ASSERT_TRUE (runXdotool ({ "mousemove", "--sync", juce::String (at.x), juce::String (at.y), "click", "1" }, 400));
        ASSERT_TRUE (parkMouse());
    };

    openEffect (1, 4);
    ASSERT_EQ (stepText (2), "REVERB UP");

    // Step 3 opens its effect again, step 2 the section's effects, step 1 the whole panel.
    body().showSection (2);
    pumpMessages (300);
    line.setLinePathLeaf ("ECHO", false);
    clickStep (2);
    EXPECT_EQ (body().getLevel(), 3);
    EXPECT_EQ (body().getCurrentSection(), 2);
    EXPECT_EQ (body().getEditedEffect (PanelSection::release), 1);

    clickStep (1);
    EXPECT_EQ (body().getLevel(), 2);
    EXPECT_EQ (stepText (1), "RELEASE FX");
    EXPECT_FALSE (line.isStepVisible (2));

    clickStep (0);
    EXPECT_EQ (body().getLevel(), 1);
    EXPECT_FALSE (line.isStepVisible (1));

    // Step 4: the sampler window's open slot editor takes the keys.
    body().openSamplerSlot (6);
    pumpMessages (600);
    ASSERT_EQ (body().getLevel(), 4);
    EXPECT_EQ (stepText (3), "BANK2-SLOT3");
    EXPECT_EQ (window->getEffectBrowser().getCurrentLevel(), 4);
    window->toFront (true);
    pumpMessages (200);
    clickStep (3);
    auto* keys = focused();
    ASSERT_NE (keys, nullptr);
    EXPECT_EQ (keys->getTopLevelComponent(), &window->getSamplerWindow());
}

TEST_F (PanelKeysGuiTest, TheSamplerWindowShowsItsOwnPathAndPutsThePanelsBack)
{
    auto& line = window->getLineBrowser();
    auto& sampler = window->getSamplerWindow();
    openEffect (1, 0);
    const auto panelPath = line.saveSteps();
    ASSERT_EQ (stepText (2), "BPF ECHO");

    // Brought to the front, the sampler window shows its path, and the browser mirrors it.
    sampler.setVisible (true);
    sampler.toFront (true);
    pumpMessages (300);
    EXPECT_EQ (stepText (1), "X-PAD FX");
    EXPECT_EQ (stepText (2), "SAMPLER");
    EXPECT_FALSE (line.isStepVisible (3));
    EXPECT_EQ (window->getEffectBrowser().getCurrentLevel(), 3);

    // Closed, it puts back the panel's path as it was, step for step.
    sampler.closeButtonPressed();
    pumpMessages (200);
    EXPECT_TRUE (line.saveSteps() == panelPath);
    EXPECT_EQ (stepText (2), "BPF ECHO");
}
