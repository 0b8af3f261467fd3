#include "core/ParameterTables.h"
#include "editor/bindings/ControlBindings.h"
#include "editor/bindings/KeyboardNavigation.h"
#include "TestDocuments.h"
#include "KeyTakingControls.h"

#include <gtest/gtest.h>
#include <set>
#include <vector>

using namespace KeyboardNavigation;
using C = ControlId;
using Action = FocusStep::Action;

namespace
{
constexpr OpenButton sectionButtons[] = { OpenButton::isolate, OpenButton::scene, OpenButton::release, OpenButton::xpad };

/** What an open effect shows, from the binding table rather than from the walk: the focusable
    controls of its section that the effect shows (X-PAD controls belong to their own effect). */
PanelView viewOf (int section, int effect, const DeviceSettings& document)
{
    PanelView view;
    view.isolateEffect = section == 0 ? effect : 0;

    for (int i = 0; i < ControlIds::count; ++i)
    {
        const auto id = ControlIds::fromInt (i);

        if (! takesTheKeys (id) || (int) ControlIds::sectionOf (id) != section)
            continue;

        const auto binding = ControlBindings::bindingFor (id, effect, document);
        const bool ownEffect = section != 3 || binding.address.effect == effect;
        view.show (id, binding.use == BindingUse::shown && ownEffect);
    }

    return view;
}

std::set<int> shownIds (const PanelView& view)
{
    std::set<int> ids;
    for (int i = 0; i < ControlIds::count; ++i)
        if (view.shown.test ((size_t) i))
            ids.insert (i);
    return ids;
}

/** The targets that repeated steps visit from a start until they come back to it (at most limit). */
std::vector<Target> walk (Target start, Direction direction, OpenButton open, const PanelView& view, int limit = 40)
{
    std::vector<Target> visited { start };
    auto at = start;

    for (int i = 0; i < limit; ++i)
    {
        const auto step = decideFocusStep (at, direction, open, view);
        if (step.action != Action::focus || step.target == start)
            break;

        visited.push_back (at = step.target);
    }

    return visited;
}

std::vector<int> beatWalk (int (*move) (int) noexcept)
{
    std::vector<int> visited { 0 };
    for (int beat = move (0); beat != 0 && visited.size() < 40; beat = move (beat))
        visited.push_back (beat);
    return visited;
}
} // namespace

TEST (KeyboardNavigation, TheFirstLevelRingEntersEachSectionInTurnBothWays)
{
    const PanelView nothingShown;

    // With no section open, next enters ISOLATE FX and previous X-PAD FX; from each open section
    // the ring goes on round, both ways, and wraps.
    std::vector<int> forward, backward;
    auto open = OpenButton::none;

    for (int i = 0; i < 5; ++i)
    {
        const auto step = decideFocusStep (Target::none(), Direction::next, open, nothingShown);
        ASSERT_EQ (step.action, Action::enterSection);
        forward.push_back (step.section);
        open = sectionButtons[step.section];
    }

    open = OpenButton::none;
    for (int i = 0; i < 5; ++i)
    {
        const auto step = decideFocusStep (Target::none(), Direction::previous, open, nothingShown);
        ASSERT_EQ (step.action, Action::enterSection);
        backward.push_back (step.section);
        open = sectionButtons[step.section];
    }

    EXPECT_EQ (forward, (std::vector<int> { 0, 1, 2, 3, 0 }));
    EXPECT_EQ (backward, (std::vector<int> { 3, 2, 1, 0, 3 }));

    // An open overlay is entered instead: Isolate at combo 3 either way, the pad at either end.
    EXPECT_EQ (decideFocusStep (Target::none(), Direction::previous, OpenButton::isolateOverlay, nothingShown).target,
               Target::control (C::isolateCombo3));
    EXPECT_EQ (decideFocusStep (Target::none(), Direction::next, OpenButton::padOverlay, nothingShown).target,
               Target::control (C::padTarget0));
    EXPECT_EQ (decideFocusStep (Target::none(), Direction::previous, OpenButton::padOverlay, nothingShown).target,
               Target::control (C::padTarget4));
}

TEST (KeyboardNavigation, TabCyclesEveryEffectsShownControlsAndShiftTabTheSameBackwards)
{
    const auto document = TestDocuments::resetDocument();

    for (int section = 0; section < numSections; ++section)
    {
        for (int effect = 0; effect < ParameterTables::numEffects (section); ++effect)
        {
            const auto open = sectionButtons[section];
            const auto start = defaultFocusTarget (section, effect);
            const auto view = viewOf (section, effect, *document);
            SCOPED_TRACE ("section " + std::to_string (section) + " effect " + std::to_string (effect));

            if (! start.isControl())
            {
                // SAMPLER: the sampler window takes the keyboard; nothing of the panel is walked.
                EXPECT_EQ (start, Target::sectionButton (3));
                EXPECT_TRUE (shownIds (view).empty());
                continue;
            }

            const auto forward = walk (start, Direction::next, open, view);
            const auto backward = walk (start, Direction::previous, open, view);

            // Round and back to the start, over exactly what the effect shows, each once.
            EXPECT_EQ (decideFocusStep (forward.back(), Direction::next, open, view).target, start);
            std::set<int> visited;
            for (auto t : forward)
            {
                ASSERT_TRUE (t.isControl());
                EXPECT_TRUE (visited.insert (t.index).second) << "twice: " << t.index;
            }
            EXPECT_EQ (visited, shownIds (view));

            // Shift+Tab is the same cycle the other way round.
            ASSERT_EQ (backward.size(), forward.size());
            for (size_t i = 1; i < forward.size(); ++i)
                EXPECT_EQ (backward[i], forward[forward.size() - i]) << i;

            // Entering from the effect's button lands on the two ends of that cycle.
            if (section > 0)
            {
                EXPECT_EQ (entryTarget (open, effect, Direction::next), start);
                EXPECT_EQ (entryTarget (open, effect, Direction::previous), forward.back());
            }
        }
    }
}

TEST (KeyboardNavigation, ChainsTakeTheirAlternativesWhereAControlIsHidden)
{
    // Isolate combo 8 goes on to combo 3 for CUT/ADD and GATE/DRIVE, to combo 1 otherwise.
    PanelView view;
    for (int effect = 0; effect < 4; ++effect)
    {
        view.isolateEffect = effect;
        const bool noFrequencies = effect == 1 || effect == 3;
        EXPECT_EQ (decideFocusStep (Target::control (C::isolateCombo8), Direction::next, OpenButton::isolateOverlay, view).target,
                   Target::control (noFrequencies ? C::isolateCombo3 : C::isolateCombo1)) << effect;
    }

    // Scene combo 1 with nothing after it shown keeps the focus.
    PanelView sceneView;
    sceneView.show (C::sceneCombo1);
    EXPECT_EQ (decideFocusStep (Target::control (C::sceneCombo1), Direction::next, OpenButton::scene, sceneView).action, Action::stay);

    // The PITCH sliders swap the focus and close both popups first, whichever way.
    for (auto direction : { Direction::next, Direction::previous })
    {
        const auto step = decideFocusStep (Target::control (C::pitchPlusSlider), direction, OpenButton::xpad, sceneView);
        EXPECT_EQ (step.target, Target::control (C::pitchMinusSlider));
        EXPECT_TRUE (step.closeSliderPopups);
    }

    // Something the walk does not know is left to the framework.
    EXPECT_EQ (decideFocusStep (Target::sectionButton (1), Direction::next, OpenButton::scene, sceneView).action,
               Action::frameworkTraversal);
}

TEST (KeyboardNavigation, TheSceneDialMovesAreEachOthersInversesAndVisitEveryPosition)
{
    const HighlightKey pairs[][2] = { { HighlightKey::rightOrTab, HighlightKey::leftOrShiftTab },
                                      { HighlightKey::down, HighlightKey::up } };

    for (const auto& pair : pairs)
    {
        std::set<int> reached;
        int h = 0;

        for (int i = 0; i < 11; ++i)
        {
            const int moved = moveHighlight (1, h, pair[0]);
            EXPECT_EQ (moveHighlight (1, moved, pair[1]), h) << "from " << h;
            reached.insert (moved);
            h = moved;
        }

        // One cycle through all eleven positions, lock included.
        EXPECT_EQ (h, 0);
        EXPECT_EQ (reached.size(), 11u);
    }

    EXPECT_EQ (moveHighlight (1, 4, HighlightKey::rightOrTab), 10);
    EXPECT_EQ (moveHighlight (1, 10, HighlightKey::rightOrTab), 5);
    EXPECT_EQ (moveHighlight (1, 9, HighlightKey::rightOrTab), 0);
    EXPECT_EQ (moveHighlight (1, 0, HighlightKey::down), 10);
    EXPECT_EQ (moveHighlight (1, 10, HighlightKey::up), 0);
    EXPECT_TRUE (isLockPosition (1, 10));
}

TEST (KeyboardNavigation, TheOtherSectionsHighlightsRingOverTheirEffectsAndLock)
{
    // Isolate passes its lock (4); Release and X-PAD have none. Down and Up are Right and Left there.
    EXPECT_EQ (moveHighlight (0, 0, HighlightKey::leftOrShiftTab), 4);
    EXPECT_EQ (moveHighlight (0, 4, HighlightKey::rightOrTab), 0);
    EXPECT_EQ (moveHighlight (0, 3, HighlightKey::down), 4);
    EXPECT_EQ (moveHighlight (2, 0, HighlightKey::leftOrShiftTab), 2);
    EXPECT_EQ (moveHighlight (2, 2, HighlightKey::down), 0);
    EXPECT_EQ (moveHighlight (3, 0, HighlightKey::up), 4);
    EXPECT_EQ (moveHighlight (3, 4, HighlightKey::rightOrTab), 0);
    EXPECT_TRUE (isLockPosition (0, 4));
    EXPECT_FALSE (isLockPosition (3, 4));
}

TEST (KeyboardNavigation, DownWalksTheBeatsColumnByColumnAndUpWalksItBack)
{
    const auto down = beatWalk (beatBelow);
    EXPECT_EQ (down, (std::vector<int> { 0, 8, 1, 9, 2, 10, 3, 11, 4, 12, 5, 13, 6, 14, 7, 15 }));

    auto up = beatWalk (beatAbove);
    ASSERT_EQ (up.size(), down.size());
    for (size_t i = 1; i < down.size(); ++i)
        EXPECT_EQ (up[i], down[down.size() - i]);

    EXPECT_EQ (beatAbove (8), 0);
    EXPECT_EQ (beatBelow (7), 15);

    // Tab and Shift+Tab go along the rows and wrap at the ends of the sixteen.
    const PanelView view;
    EXPECT_EQ (decideFocusStep (Target::beat (15), Direction::next, OpenButton::padOverlay, view).target, Target::beat (0));
    EXPECT_EQ (decideFocusStep (Target::beat (0), Direction::previous, OpenButton::padOverlay, view).target, Target::beat (15));
    EXPECT_EQ (decideFocusStep (Target::beat (7), Direction::next, OpenButton::padOverlay, view).target, Target::beat (8));
}

TEST (KeyboardNavigation, BackAndReturnDependOnWhatHasTheFocusAndWhatIsOpen)
{
    using B = BackStep::Action;
    using A = ActivateStep::Action;

    EXPECT_EQ (decideBack (Target::none(), OpenButton::scene).action, B::toFirstLevel);
    EXPECT_EQ (decideBack (Target::none(), OpenButton::isolateOverlay).section, 0);
    EXPECT_EQ (decideBack (Target::control (C::isolateCombo6), OpenButton::isolateOverlay).section, 0);
    EXPECT_EQ (decideBack (Target::control (C::sceneLevelMax), OpenButton::scene).section, 1);
    EXPECT_EQ (decideBack (Target::control (C::sceneResonance), OpenButton::scene).section, 1);
    EXPECT_EQ (decideBack (Target::control (C::releaseCombo4), OpenButton::release).section, 2);
    EXPECT_EQ (decideBack (Target::beat (9), OpenButton::padOverlay).action, B::toPositionTarget);
    EXPECT_EQ (decideBack (Target::control (C::oscCombo7), OpenButton::xpad).section, 3);
    EXPECT_EQ (decideBack (Target::control (C::padTarget2), OpenButton::padOverlay).section, 3);
    // Another control with another section open: nothing.
    EXPECT_EQ (decideBack (Target::control (C::oscCombo7), OpenButton::scene).action, B::nothing);

    EXPECT_EQ (decideActivate (Target::control (C::padTarget3), OpenButton::padOverlay).action, A::choosePositionTarget);
    EXPECT_EQ (decideActivate (Target::control (C::padTarget3), OpenButton::padOverlay).index, 3);
    EXPECT_EQ (decideActivate (Target::beat (12), OpenButton::padOverlay).index, 12);
    EXPECT_EQ (decideActivate (Target::beat (12), OpenButton::padOverlay).action, A::storeBeat);
    EXPECT_EQ (decideActivate (Target::control (C::sceneCombo2), OpenButton::scene).action, A::nothing);
    EXPECT_EQ (decideActivate (Target::none(), OpenButton::padOverlay).index, 3);
    EXPECT_EQ (decideActivate (Target::none(), OpenButton::release).action, A::reopenSection);
    EXPECT_EQ (decideActivate (Target::none(), OpenButton::none).action, A::nothing);

    // SAMPLER has nothing to enter from its button.
    EXPECT_TRUE (entryTarget (OpenButton::xpad, 2, Direction::next).isNone());
}
