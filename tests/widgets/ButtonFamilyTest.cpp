#include "WidgetTestSupport.h"

#include "JuceTestPrinters.h"
#include "assets/SkinImages.h"
#include "widgets/AnimImageButton.h"
#include "widgets/DraggableButton.h"
#include "widgets/DropTargetImage.h"
#include "widgets/IsolateMenuButton.h"
#include "widgets/LockButton.h"
#include "widgets/ReleaseMenuButton.h"
#include "widgets/SceneMenuButton.h"
#include "widgets/ToggleImageButton.h"
#include "widgets/XPadMenuButton.h"
#include "widgets/XPadPad.h"

#include <gtest/gtest.h>

using namespace widgettest;
using Call = FakePanelHost::Call;

namespace
{
struct FamilyTest : ::testing::Test
{
    FakePanelHost host;
    AnimImageButton section { "ISOLATE FX" };
    std::vector<std::unique_ptr<juce::Component>> owned;

    void SetUp() override
    {
        host.addAndMakeVisible (section);
        section.setBounds (0, 0, 630, 260);
    }

    template <typename T>
    T& add (std::unique_ptr<T> control, juce::Rectangle<int> bounds)
    {
        auto& c = *control;
        section.addAndMakeVisible (c);
        c.setBounds (bounds);
        owned.push_back (std::move (control));
        return c;
    }
};
} // namespace

TEST_F (FamilyTest, EachFamilyRoutesItsKeysToThePanel)
{
    using K = juce::KeyPress;
    const K escape (K::escapeKey), backspace (K::backspaceKey), right (K::rightKey), left (K::leftKey),
            up (K::upKey), down (K::downKey), tab (K::tabKey), enter (K::returnKey);
    using Routes = std::vector<std::pair<K, Call>>;

    const Routes buttonRoutes { { escape, Call::back }, { backspace, Call::back }, { right, Call::next },
                                { down, Call::next }, { tab, Call::next }, { left, Call::previous },
                                { up, Call::previous }, { shiftTab, Call::previous } };
    const Routes beatRoutes { { escape, Call::back }, { right, Call::next }, { tab, Call::next },
                              { left, Call::previous }, { shiftTab, Call::previous }, { up, Call::beatAbove },
                              { down, Call::beatBelow }, { enter, Call::activate } };
    const Routes targetRoutes { { backspace, Call::back }, { right, Call::next }, { down, Call::next },
                                { tab, Call::next }, { left, Call::previous }, { up, Call::previous },
                                { shiftTab, Call::previous }, { enter, Call::activate } };

    auto& isolate = add (std::make_unique<IsolateMenuButton> ("ISOLATOR"), { 34, 14, 114, 50 });
    const std::pair<juce::Component*, const Routes*> families[] {
        { &isolate, &buttonRoutes },
        { &add (std::make_unique<SceneMenuButton> ("ECHO"), { 150, 14, 114, 50 }), &buttonRoutes },
        { &add (std::make_unique<ReleaseMenuButton> ("ECHO"), { 270, 14, 108, 34 }), &buttonRoutes },
        { &add (std::make_unique<XPadMenuButton> ("ROLL"), { 380, 14, 68, 34 }), &buttonRoutes },
        { &add (std::make_unique<ToggleImageButton> ("ROLL"), { 34, 100, 108, 34 }), &buttonRoutes },
        { &add (std::make_unique<LockButton>(), { 472, 53, 52, 26 }), &buttonRoutes },
        { &add (std::make_unique<DraggableButton> (&section), { 92, 150, 46, 46 }), &beatRoutes },
        { &add (std::make_unique<DropTargetImage>(), { 182, 200, 40, 40 }), &targetRoutes },
    };

    for (const auto& [control, routes] : families)
    {
        const auto family = typeid (*control).name();

        for (const auto& [key, call] : *routes)
        {
            EXPECT_TRUE (control->keyPressed (key)) << family << " " << key.getTextDescription();
            const auto calls = host.takeNavigation();
            ASSERT_EQ (calls.size(), 1u) << family << " " << key.getTextDescription();
            EXPECT_EQ (calls[0], (FakePanelHost::Navigation { call, control })) << family << " " << key.getTextDescription();
        }

        EXPECT_FALSE (control->keyPressed (K ('q'))) << family;
        EXPECT_FALSE (control->keyPressed (K (K::rightKey, juce::ModifierKeys::ctrlModifier, 0))) << family;
        EXPECT_TRUE (host.takeNavigation().empty()) << family;
    }

    // Return on an image button is its own click; without a host the navigation keys are not taken.
    ClickCounter clicks (isolate);
    EXPECT_TRUE (isolate.keyPressed (enter));
    pump (30);
    EXPECT_EQ (clicks.clicks, 1);
    EXPECT_TRUE (host.takeNavigation().empty());
    CustomImageButton loose ("loose");
    EXPECT_FALSE (loose.keyPressed (tab));
}

TEST_F (FamilyTest, ButtonsNotInteractivePassTheMouseThroughAndAHitLightsTheSection)
{
    auto& button = add (std::make_unique<IsolateMenuButton> ("CUT/ADD"), { 144, 14, 114, 50 });
    auto face = plain (114, 50, {});
    face.clear ({ 0, 0, 57, 50 }, juce::Colours::white);
    button.setImages (face, face, face, face);
    button.setHitTestImages ({}, {}, {}, {});

    EXPECT_TRUE (button.hitTest (10, 10));
    EXPECT_TRUE (section.isHover());
    EXPECT_FALSE (button.hitTest (80, 10));
    EXPECT_FALSE (section.isHover());
    button.setInteractive (false);
    EXPECT_FALSE (button.hitTest (10, 10));

    // Unlike a plain image button, an effect button with no picture at all misses.
    button.setInteractive (true);
    button.setImages ({}, {}, {}, {});
    EXPECT_FALSE (button.hitTest (10, 10));

    auto& lock = add (std::make_unique<LockButton>(), { 472, 53, 52, 26 });
    EXPECT_TRUE (lock.hitTest (5, 5));
    EXPECT_TRUE (section.isHover());
    lock.setInteractive (false);
    EXPECT_FALSE (lock.hitTest (5, 5));
    EXPECT_FALSE (section.isHover());

    auto& toggle = add (std::make_unique<ToggleImageButton> ("ROLL"), { 34, 100, 108, 34 });
    toggle.setInteractive (false);
    EXPECT_FALSE (toggle.hitTest (50, 17));
}

TEST_F (FamilyTest, HoveringAnEffectButtonMakesItTheSectionsCurrentEffect)
{
    add (std::make_unique<juce::Label>(), { 0, 0, 10, 10 });       // other children do not count
    std::vector<IsolateMenuButton*> buttons;
    for (int i = 0; i < 4; ++i)
        buttons.push_back (&add (std::make_unique<IsolateMenuButton> ("effect"), { 34 + 110 * i, 14, 114, 50 }));
    EXPECT_EQ (buttons[2]->getEffectIndex(), 2);

    // The move at the position of the enter event does not count; the next one does.
    buttons[2]->mouseEnter (mouseAt (*buttons[2], { 10, 10 }));
    EXPECT_EQ (section.getState(), juce::Button::buttonOver);
    buttons[2]->mouseMove (mouseAt (*buttons[2], { 10, 10 }));
    EXPECT_EQ (host.currentEffect[0], 0);
    buttons[2]->mouseMove (mouseAt (*buttons[2], { 11, 10 }));
    EXPECT_EQ (host.currentEffect[0], 2);

    // Another section open: nothing; its own section (or its overlay) open: the choice moves.
    host.openSection = PanelSection::scene;
    buttons[1]->mouseMove (mouseAt (*buttons[1], { 12, 10 }));
    EXPECT_EQ (host.currentEffect[0], 2);
    EXPECT_EQ (buttons[1]->getState(), juce::Button::buttonNormal);
    host.openSection = PanelSection::isolate;
    buttons[1]->mouseMove (mouseAt (*buttons[1], { 13, 10 }));
    EXPECT_EQ (host.currentEffect[0], 1);

    // The breadcrumb's effect step pinned: the button lights, the choice stays.
    host.breadcrumbEffectPinned = true;
    buttons[3]->mouseMove (mouseAt (*buttons[3], { 14, 10 }));
    EXPECT_EQ (buttons[3]->getState(), juce::Button::buttonOver);
    EXPECT_EQ (host.currentEffect[0], 1);

    // Leaving hands the hover back to the section, unless the section is open.
    section.setHover (true);
    buttons[3]->mouseExit (mouseAt (*buttons[3], { 200, 200 }));
    EXPECT_FALSE (section.isHover());
    EXPECT_EQ (section.getState(), juce::Button::buttonNormal);
    section.setOpen (true);
    section.setHover (true);
    buttons[0]->mouseExit (mouseAt (*buttons[0], { 200, 200 }));
    EXPECT_TRUE (section.isHover());
}

TEST (XPadPadTest, TheBeatIndexSetterIsBoundsChecked)
{
    XPadPad pad;
    pad.setSize (230, 56);
    EXPECT_EQ (pad.getBeatIndex (4), 4);
    pad.setBeatIndex (4, 15);
    pad.setBeatIndex (5, 3);
    pad.setBeatIndex (-1, 3);
    EXPECT_EQ (pad.getBeatIndex (4), 15);
    EXPECT_EQ (pad.getBeatIndex (5), -1);

    // Beats outside the table draw no text.
    SkinImages::ScopedOverride display (SkinImageId::xpadPadDisplay, plain (230, 56, juce::Colours::black));
    for (int i = 0; i < 5; ++i)
        pad.setBeatIndex (i, 16);
    const auto shot = pad.createComponentSnapshot (pad.getLocalBounds(), true, 1.0f);
    int drawn = 0;
    for (int y = 0; y < 56; ++y)
        for (int x = 0; x < 230; ++x)
            drawn += shot.getPixelAt (x, y) != juce::Colours::black ? 1 : 0;
    EXPECT_EQ (drawn, 0);
}
