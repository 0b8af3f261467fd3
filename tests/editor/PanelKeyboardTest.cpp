// The keyboard's hand on the built panel, without a display: what it calls each component, the
// sections as focus containers, and the framework's own order inside them against the walk's.

#include "PanelTestSupport.h"

#include "core/ParameterTables.h"
#include "editor/PanelKeyboard.h"
#include "widgets/CloseButton.h"
#include "widgets/DraggableButton.h"
#include "KeyTakingControls.h"

namespace
{
namespace KN = KeyboardNavigation;
using Target = KN::Target;

struct PanelKeyboardTest : ::testing::Test
{
    TestPanel panel;
    Body& body = panel.body;
    PanelKeyboard keys { body };

    AnimImageButton* containers[6] = { body.getIsolate().isolateButton, body.getIsolate().isolatePanel,
                                       body.getScene().sceneButton, body.getRelease().releaseButton,
                                       body.getXPad().xpadButton, body.getXPad().padPanel };

    /** Opens an effect and lets every fade run to its end. */
    void open (int section, int effect)
    {
        body.selectSectionEffect (section, effect, nullptr);
        paneltest::pump (400);
    }
};
} // namespace

TEST_F (PanelKeyboardTest, EveryPartOfThePanelTheWalkNamesMapsBothWays)
{
    for (int i = 0; i < ControlIds::count; ++i)
    {
        const auto t = Target::control (ControlIds::fromInt (i));
        auto* c = keys.componentOf (t);
        ASSERT_NE (c, nullptr) << i;
        EXPECT_EQ (keys.targetOf (c), t) << i;
    }

    for (int i = 0; i < KN::numBeats; ++i)
        EXPECT_EQ (keys.targetOf (keys.componentOf (Target::beat (i))), Target::beat (i)) << i;

    for (int s = 0; s < KN::numSections; ++s)
        EXPECT_EQ (keys.targetOf (body.getSectionButton (static_cast<PanelSection> (s))), Target::sectionButton (s));

    EXPECT_EQ (keys.targetOf (body.getIsolate().isolatePanel), Target::isolateOverlay());
    EXPECT_EQ (keys.targetOf (body.getXPad().padPanel), Target::padOverlay());

    // A key of the panel that the walk does not name is another component; the panel itself, a
    // component outside it and nothing at all are none (the open section decides).
    EXPECT_EQ (keys.targetOf (body.getXPad().padCloseButton), Target::other());
    juce::Component outside;
    EXPECT_EQ (keys.targetOf (&outside), Target::none());
    EXPECT_EQ (keys.targetOf (&body), Target::none());
    EXPECT_EQ (keys.targetOf (nullptr), Target::none());
}

TEST_F (PanelKeyboardTest, SectionsAreFocusContainersThatTheFrameworksOwnWalkFollowsAsTheTableDoes)
{
    for (auto* c : containers)
    {
        EXPECT_TRUE (c->isKeyboardFocusContainer()) << c->getName();
        EXPECT_TRUE (c->getWantsKeyboardFocus()) << c->getName();
        EXPECT_FALSE (c->getMouseClickGrabsKeyboardFocus()) << c->getName();
    }

    // For every effect, the framework's order inside the open section, kept to the controls the walk
    // names, is the order in which the walk's own Tab goes where the table leaves it to the layout.
    for (int section = 0; section < KN::numSections; ++section)
    {
        for (int effect = 0; effect < ParameterTables::numEffects (section); ++effect)
        {
            SCOPED_TRACE (juce::String (section) + "/" + juce::String (effect));
            open (section, effect);
            auto* container = body.getOpenSectionButton();
            ASSERT_NE (container, nullptr);

            juce::KeyboardFocusTraverser traverser;
            std::vector<Target> order;

            for (auto* c : traverser.getAllComponents (container))
            {
                const auto t = keys.targetOf (c);
                EXPECT_TRUE (container->isParentOf (c));
                if (t.kind == Target::Kind::beat || (t.isControl() && takesTheKeys (t.getControl())))
                    order.push_back (t);
            }

            const auto view = keys.getView();
            for (auto t : order)
                EXPECT_TRUE (! t.isControl() || view.isShown (t.getControl())) << t.index;

            // Each target's layout step in the walk is the framework's next one, round the section.
            // (SAMPLER shows no control of the panel: the sampler window takes the keys.)
            EXPECT_EQ (order.empty(), section == 3 && effect == 2);
            for (size_t i = 0; i < order.size(); ++i)
            {
                const auto step = KN::layoutStep (order[i], KN::Direction::next, view);
                const auto next = order[(i + 1) % order.size()];
                EXPECT_EQ (step.action, order.size() == 1 ? KN::FocusStep::Action::stay : KN::FocusStep::Action::focus);
                EXPECT_TRUE (order.size() == 1 || step.target == next)
                    << "from " << order[i].index << ": the walk goes to " << step.target.index << ", the framework to " << next.index;
            }
        }
    }
}

TEST_F (PanelKeyboardTest, KeysOnASectionButtonAtTheFirstLevelAreLeftToTheButton)
{
    body.enterSection (1);
    ASSERT_EQ (body.getLevel(), 1);
    EXPECT_FALSE (keys.keyPressed (juce::KeyPress (juce::KeyPress::rightKey), body.getScene().sceneButton));
    EXPECT_FALSE (keys.keyPressed (juce::KeyPress (juce::KeyPress::returnKey), body.getScene().sceneButton));
}
