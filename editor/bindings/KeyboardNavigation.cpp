#include "editor/bindings/KeyboardNavigation.h"

#include "core/ParameterTables.h"

#include <array>
#include <initializer_list>

namespace KeyboardNavigation
{
namespace
{
using C = ControlId;

constexpr int isolateLockPosition = 4;
constexpr int sceneLockPosition = 10;
constexpr int xpadSampler = 2;

//==============================================================================
// Where the focus goes from a control that the walk names. A rule either leaves the choice to the
// section's own traversal (the layout order below), or names candidates in order: the first that
// shows takes the focus, and with none showing the last one does anyway, unless the rule says the
// focus stays.
struct Rule
{
    enum class Kind : uint8_t { layoutOrder, firstShown, firstShownOrStay, byIsolateEffect, otherPitchSlider };

    Kind kind = Kind::layoutOrder;
    std::array<C, 5> candidates {};
    int count = 0;
};

constexpr Rule layoutOrder() { return {}; }

constexpr Rule rule (Rule::Kind kind, std::initializer_list<C> ids)
{
    Rule r;
    r.kind = kind;
    for (auto id : ids)
        r.candidates[(size_t) r.count++] = id;
    return r;
}

constexpr Rule to (C id)                                { return rule (Rule::Kind::firstShown, { id }); }
constexpr Rule firstShown (std::initializer_list<C> ids) { return rule (Rule::Kind::firstShown, ids); }
constexpr Rule firstShownOrStay (std::initializer_list<C> ids) { return rule (Rule::Kind::firstShownOrStay, ids); }
/** The first candidate while Isolate shows CUT/ADD or GATE/DRIVE (no frequency combos), else the second. */
constexpr Rule byIsolateEffect (C cutOrGate, C other)   { return rule (Rule::Kind::byIsolateEffect, { cutOrGate, other }); }
constexpr Rule otherPitchSlider()                       { return rule (Rule::Kind::otherPitchSlider, {}); }

struct ChainRow
{
    C control;
    Rule next, previous;
};

// A range slider's thumbs first hand the focus to each other (minimum to maximum going on, maximum
// to minimum going back); only then does the walk leave the slider.
constexpr ChainRow chainTable[] = {
    { C::isolateCombo1, layoutOrder(),                                     to (C::isolateCombo8) },
    { C::isolateCombo2, to (C::isolateCombo3),                             layoutOrder() },
    { C::isolateCombo3, layoutOrder(),                                     byIsolateEffect (C::isolateCombo8, C::isolateCombo2) },
    { C::isolateCombo8, byIsolateEffect (C::isolateCombo3, C::isolateCombo1), layoutOrder() },

    { C::sceneCombo1, firstShownOrStay ({ C::sceneCombo5, C::sceneCombo2, C::sceneFrequencyMin, C::sceneLevelMin }),
                      to (C::sceneCombo3) },
    { C::sceneCombo2, firstShown ({ C::sceneFrequencyMin, C::sceneLevelMin, C::sceneCombo3 }),
                      firstShown ({ C::sceneCombo7, C::sceneCombo1 }) },
    { C::sceneCombo3, to (C::sceneCombo1),
                      firstShown ({ C::sceneResonance, C::sceneFrequencyMax, C::sceneLevelMax, C::sceneCombo2, C::sceneCombo7 }) },
    { C::sceneCombo5, layoutOrder(),                                       to (C::sceneCombo1) },
    { C::sceneFrequencyMin, to (C::sceneFrequencyMax),                     firstShown ({ C::sceneCombo2, C::sceneCombo7, C::sceneCombo1 }) },
    { C::sceneFrequencyMax, to (C::sceneModulation),                       to (C::sceneFrequencyMin) },
    { C::sceneLevelMin,     to (C::sceneLevelMax),                         firstShown ({ C::sceneCombo2, C::sceneCombo7, C::sceneCombo1 }) },
    { C::sceneLevelMax,     to (C::sceneModulation),                       to (C::sceneLevelMin) },
    { C::sceneModulation,   to (C::sceneResonance),                        firstShown ({ C::sceneFrequencyMax, C::sceneLevelMax, C::sceneCombo7 }) },
    { C::sceneResonance,    to (C::sceneCombo3),                           to (C::sceneModulation) },

    { C::releaseCombo1, to (C::releaseCombo3),                             to (C::releaseCombo7) },
    { C::releaseCombo2, firstShown ({ C::releaseCombo4, C::releaseCombo5 }), to (C::releaseCombo3) },
    { C::releaseCombo3, to (C::releaseCombo2),                             to (C::releaseCombo1) },
    { C::releaseCombo4, to (C::releaseCombo5),                             to (C::releaseCombo2) },
    { C::releaseCombo5, to (C::releaseCombo6),                             firstShown ({ C::releaseCombo4, C::releaseCombo2 }) },
    { C::releaseCombo6, to (C::releaseCombo7),                             to (C::releaseCombo5) },
    { C::releaseCombo7, to (C::releaseCombo1),                             to (C::releaseCombo6) },

    { C::pitchMinusSlider, otherPitchSlider(),                             otherPitchSlider() },
    { C::pitchPlusSlider,  otherPitchSlider(),                             otherPitchSlider() },

    { C::rollButton,       to (C::slipRollButton),                         to (C::divideRollButton) },
    { C::slipRollButton,   to (C::divideRollButton),                       to (C::rollButton) },
    { C::divideRollButton, to (C::rollButton),                             to (C::slipRollButton) },

    { C::oscCombo12, to (C::oscCombo1),                                    layoutOrder() },
    { C::oscCombo1,  layoutOrder(),                                        to (C::oscCombo12) },

    { C::padTarget4, to (C::padTarget0),                                   layoutOrder() },
    { C::padTarget0, layoutOrder(),                                        to (C::padTarget4) },
};

//==============================================================================
// The focus containers of the edit views in layout order (top to bottom, then left to right). The
// Scene edit view: combo 1 at the dial's centre, the two toggles, the echo-time combos (5 and 6 above
// 4 and 7), the Sub combos 2 and 3, then the range sliders' thumbs. The pad overlay: the beat rows
// above the position targets.
constexpr Target ct (C id) { return Target::control (id); }

constexpr Target isolateOrder[] = {
    ct (C::isolateCombo3), ct (C::isolateCombo4), ct (C::isolateCombo5), ct (C::isolateCombo6),
    ct (C::isolateCombo7), ct (C::isolateCombo8), ct (C::isolateCombo1), ct (C::isolateCombo2) };

constexpr Target sceneOrder[] = {
    ct (C::sceneCombo1), ct (C::sceneModulation), ct (C::sceneResonance), ct (C::sceneCombo5), ct (C::sceneCombo6),
    ct (C::sceneCombo4), ct (C::sceneCombo7), ct (C::sceneCombo2), ct (C::sceneCombo3),
    ct (C::sceneFrequencyMin), ct (C::sceneFrequencyMax), ct (C::sceneLevelMin), ct (C::sceneLevelMax) };

// The Release edit view: feedback (combo 4) at the top, the switches' row (1 and 3), then the release
// times (5, 6) beside the X-PAD switch (2), and the last time (7). Every Release combo has rules of its
// own; the order only serves a control the rules do not name.
constexpr Target releaseOrder[] = {
    ct (C::releaseCombo4), ct (C::releaseCombo1), ct (C::releaseCombo3), ct (C::releaseCombo5),
    ct (C::releaseCombo6), ct (C::releaseCombo2), ct (C::releaseCombo7) };

constexpr Target rollOrder[] = { ct (C::rollButton), ct (C::slipRollButton), ct (C::divideRollButton) };

constexpr Target oscOrder[] = {
    ct (C::oscCombo1), ct (C::oscCombo2), ct (C::oscCombo3), ct (C::oscCombo4), ct (C::oscCombo5), ct (C::oscCombo6),
    ct (C::oscCombo7), ct (C::oscCombo8), ct (C::oscCombo9), ct (C::oscCombo10), ct (C::oscCombo11), ct (C::oscCombo12) };

constexpr Target pitchOrder[] = { ct (C::pitchMinusSlider), ct (C::pitchPlusSlider) };

constexpr Target padOrder[] = {
    Target::beat (0), Target::beat (1), Target::beat (2), Target::beat (3), Target::beat (4), Target::beat (5),
    Target::beat (6), Target::beat (7), Target::beat (8), Target::beat (9), Target::beat (10), Target::beat (11),
    Target::beat (12), Target::beat (13), Target::beat (14), Target::beat (15),
    ct (C::padTarget0), ct (C::padTarget1), ct (C::padTarget2), ct (C::padTarget3), ct (C::padTarget4) };

struct Group
{
    const Target* begin;
    int size;
};

template <size_t n>
constexpr Group group (const Target (&targets)[n]) { return { targets, (int) n }; }

constexpr Group layoutGroups[] = {
    group (isolateOrder), group (sceneOrder), group (releaseOrder), group (rollOrder),
    group (oscOrder), group (pitchOrder), group (padOrder) };

//==============================================================================
bool isShown (Target t, const PanelView& view)
{
    // Beat buttons show whenever the pad overlay does; only controls come and go.
    return ! t.isControl() || view.isShown (t.getControl());
}

FocusStep focusOn (Target t, bool closeSliderPopups = false)
{
    FocusStep step;
    step.action = FocusStep::Action::focus;
    step.target = t;
    step.closeSliderPopups = closeSliderPopups;
    return step;
}

/** The section's own traversal: the next (or previous) shown target of the focused one's container,
    wrapping round it; stays when it is the only one shown. */
FocusStep followLayout (Target focused, Direction direction, const PanelView& view)
{
    for (const auto& g : layoutGroups)
    {
        int at = -1;

        for (int i = 0; i < g.size; ++i)
            if (g.begin[i] == focused)
                at = i;

        if (at < 0)
            continue;

        const int stride = direction == Direction::next ? 1 : g.size - 1;

        for (int i = (at + stride) % g.size; i != at; i = (i + stride) % g.size)
            if (isShown (g.begin[i], view))
                return focusOn (g.begin[i]);

        return {};
    }

    FocusStep step;
    step.action = FocusStep::Action::frameworkTraversal;
    return step;
}

FocusStep applyRule (const Rule& r, Target focused, Direction direction, const PanelView& view)
{
    switch (r.kind)
    {
        case Rule::Kind::layoutOrder:
            return followLayout (focused, direction, view);

        case Rule::Kind::byIsolateEffect:
        {
            const bool noFrequencies = view.isolateEffect == 1 || view.isolateEffect == 3;
            return focusOn (ct (r.candidates[noFrequencies ? 0 : 1]));
        }

        case Rule::Kind::otherPitchSlider:
            return focusOn (ct (focused.is (C::pitchMinusSlider) ? C::pitchPlusSlider : C::pitchMinusSlider), true);

        case Rule::Kind::firstShown:
        case Rule::Kind::firstShownOrStay:
            break;
    }

    for (int i = 0; i < r.count; ++i)
        if (view.isShown (r.candidates[(size_t) i]))
            return focusOn (ct (r.candidates[(size_t) i]));

    if (r.kind == Rule::Kind::firstShownOrStay)
        return {};

    return focusOn (ct (r.candidates[(size_t) r.count - 1]));
}

FocusStep enter (int section)
{
    FocusStep step;
    step.action = FocusStep::Action::enterSection;
    step.section = section;
    return step;
}

/** No focused control: the ring of the sections, or into an open overlay. */
FocusStep firstLevelStep (Direction direction, OpenButton open)
{
    const bool forward = direction == Direction::next;

    switch (open)
    {
        case OpenButton::isolateOverlay: return focusOn (ct (C::isolateCombo3));
        case OpenButton::padOverlay:     return focusOn (ct (forward ? C::padTarget0 : C::padTarget4));
        case OpenButton::none:           return enter (forward ? 0 : numSections - 1);
        case OpenButton::isolate:
        case OpenButton::scene:
        case OpenButton::release:
        case OpenButton::xpad:           break;
    }

    const int section = sectionOf (open);
    return enter ((section + (forward ? 1 : numSections - 1)) % numSections);
}

bool isIn (C id, C first, C last) { return ControlIds::inRun (id, first, last); }

// The Scene dial: h 0..4 over the top, 5..9 round the bottom, 10 the lock between the halves.
constexpr int sceneMoves[4][11] = {
    /* Right, Tab      */ { 1, 2, 3, 4, 10, 6, 7, 8, 9, 0, 5 },
    /* Down            */ { 10, 6, 7, 8, 9, 1, 2, 3, 4, 0, 5 },
    /* Left, Shift+Tab */ { 9, 0, 1, 2, 3, 10, 5, 6, 7, 8, 4 },
    /* Up              */ { 9, 5, 6, 7, 8, 10, 1, 2, 3, 4, 0 },
};
} // namespace

//==============================================================================
int numHighlightPositions (int section) noexcept
{
    const int effects = ParameterTables::numEffects (section);
    return section == 0 || section == 1 ? effects + 1 : effects;
}

bool isLockPosition (int section, int position) noexcept
{
    return (section == 0 && position == isolateLockPosition) || (section == 1 && position == sceneLockPosition);
}

int sectionOf (OpenButton button) noexcept
{
    switch (button)
    {
        case OpenButton::isolate:
        case OpenButton::isolateOverlay: return 0;
        case OpenButton::scene:          return 1;
        case OpenButton::release:        return 2;
        case OpenButton::xpad:
        case OpenButton::padOverlay:     return 3;
        case OpenButton::none:           break;
    }

    return -1;
}

FocusStep decideFocusStep (Target focused, Direction direction, OpenButton open, const PanelView& view)
{
    if (focused.isNone())
        return firstLevelStep (direction, open);

    if (focused.kind == Target::Kind::beat)
    {
        if (direction == Direction::next && focused.index == numBeats - 1)
            return focusOn (Target::beat (0));
        if (direction == Direction::previous && focused.index == 0)
            return focusOn (Target::beat (numBeats - 1));
        return followLayout (focused, direction, view);
    }

    if (focused.isControl())
        for (const auto& row : chainTable)
            if (focused.is (row.control))
                return applyRule (direction == Direction::next ? row.next : row.previous, focused, direction, view);

    return followLayout (focused, direction, view);
}

FocusStep layoutStep (Target focused, Direction direction, const PanelView& view)
{
    return followLayout (focused, direction, view);
}

int beatAbove (int beat) noexcept
{
    if (beat == 0)
        return numBeats - 1;

    return beat < beatsPerRow ? beat + beatsPerRow - 1 : beat - beatsPerRow;
}

int beatBelow (int beat) noexcept
{
    if (beat == numBeats - 1)
        return 0;

    return beat >= beatsPerRow ? beat - beatsPerRow + 1 : beat + beatsPerRow;
}

int moveHighlight (int section, int position, HighlightKey key) noexcept
{
    if (section == 1)
        return juce::isPositiveAndBelow (position, 11) ? sceneMoves[(int) key][position] : 0;

    const int n = numHighlightPositions (section);
    if (n <= 0)
        return 0;

    const bool forward = key == HighlightKey::rightOrTab || key == HighlightKey::down;
    return (juce::jlimit (0, n - 1, position) + (forward ? 1 : n - 1)) % n;
}

Target defaultFocusTarget (int section, int effect) noexcept
{
    switch (section)
    {
        case 0: return ct (C::isolateCombo3);
        case 1: return ct (C::sceneCombo1);
        case 2: return ct (C::releaseCombo1);
        default: break;
    }

    switch (effect)
    {
        case 0:           return ct (C::rollButton);
        case 1:           return ct (C::oscCombo1);
        case xpadSampler: return Target::sectionButton (3);
        case 3:           return ct (C::pitchMinusSlider);
        case 4:           return ct (C::padTarget0);
        default:          return Target::none();
    }
}

Target entryTarget (OpenButton focusedButton, int xpadEffect, Direction direction) noexcept
{
    const bool forward = direction == Direction::next;

    switch (focusedButton)
    {
        case OpenButton::scene:      return ct (forward ? C::sceneCombo1 : C::sceneCombo3);
        case OpenButton::release:    return ct (forward ? C::releaseCombo1 : C::releaseCombo7);
        case OpenButton::padOverlay: return ct (forward ? C::padTarget0 : C::padTarget4);
        case OpenButton::xpad:       break;
        case OpenButton::none:
        case OpenButton::isolate:
        case OpenButton::isolateOverlay: return Target::none();
    }

    switch (xpadEffect)
    {
        case 0:  return ct (forward ? C::rollButton : C::divideRollButton);
        case 1:  return ct (forward ? C::oscCombo1 : C::oscCombo12);
        case 3:  return ct (forward ? C::pitchMinusSlider : C::pitchPlusSlider);
        case 4:  return ct (forward ? C::padTarget0 : C::padTarget4);
        default: return Target::none();
    }
}

BackStep decideBack (Target focused, OpenButton open) noexcept
{
    const auto toSection = [] (int section) { return BackStep { BackStep::Action::toSection, section }; };

    if (focused.isNone())
        return open == OpenButton::isolateOverlay ? toSection (0) : BackStep { BackStep::Action::toFirstLevel, -1 };

    if (focused.kind == Target::Kind::beat)
        return { BackStep::Action::toPositionTarget, -1 };

    if (focused.isControl())
    {
        const auto id = focused.getControl();

        if (isIn (id, C::isolateCombo1, C::isolateCombo8))
            return toSection (0);
        if (isIn (id, C::sceneCombo1, C::sceneResonance))
            return toSection (1);
        if (isIn (id, C::releaseCombo1, C::releaseCombo7))
            return toSection (2);
    }

    if (open == OpenButton::xpad || open == OpenButton::padOverlay)
        return toSection (3);

    return {};
}

ActivateStep decideActivate (Target focused, OpenButton open) noexcept
{
    if (focused.kind == Target::Kind::beat)
        return { ActivateStep::Action::storeBeat, focused.index };

    if (focused.isControl() && isIn (focused.getControl(), C::padTarget0, C::padTarget4))
        return { ActivateStep::Action::choosePositionTarget, ControlIds::toInt (focused.getControl()) - ControlIds::toInt (C::padTarget0) };

    if (focused.isNone() && open != OpenButton::none)
        return { ActivateStep::Action::reopenSection, sectionOf (open) };

    return {};
}
} // namespace KeyboardNavigation
