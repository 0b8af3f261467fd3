#pragma once

#include "editor/bindings/ControlId.h"

#include <bitset>

/** The keyboard walk of the effect panel as decisions over ids: where Tab, Shift+Tab and the arrows
    lead, what Escape and Return do, the section ring at the first level, the effect highlight on an
    open section and the two-row walk over the beat buttons.

    Nothing here touches a component: the panel says what is focused and what shows, these functions
    say where the focus goes, and the panel moves it. Where the panel would leave the choice to the
    framework's own traversal among a section's controls, the walk follows the panel's layout, top to
    bottom and left to right within each focus container, which is the order that traversal takes.
*/
namespace KeyboardNavigation
{
    constexpr int numSections = 4;
    constexpr int numBeats = 16;
    constexpr int beatsPerRow = 8;
    constexpr int numPositionTargets = 5;

    /** The highlight positions of a section at its second level: its effects, plus the lock button's
        position where the section has one (Isolate 4, Scene 10). */
    int numHighlightPositions (int section) noexcept;
    /** True for Isolate 4 and Scene 10. */
    bool isLockPosition (int section, int position) noexcept;

    //==============================================================================
    /** What the keyboard can stand on in the panel: a control bound to a value, a beat button, a
        section button or one of the two overlays; other is any further component of the panel (a
        close key, an effect key), from which the framework's own traversal goes on. */
    struct Target
    {
        enum class Kind : uint8_t { none, control, beat, sectionButton, isolateOverlay, padOverlay, other };

        Kind kind = Kind::none;
        int index = 0;          // the control's id, the beat (0..15) or the section (0..3)

        static constexpr Target none() noexcept                 { return {}; }
        static constexpr Target control (ControlId id) noexcept { return { Kind::control, ControlIds::toInt (id) }; }
        static constexpr Target beat (int i) noexcept           { return { Kind::beat, i }; }
        static constexpr Target sectionButton (int s) noexcept  { return { Kind::sectionButton, s }; }
        static constexpr Target isolateOverlay() noexcept       { return { Kind::isolateOverlay, 0 }; }
        static constexpr Target padOverlay() noexcept           { return { Kind::padOverlay, 0 }; }
        static constexpr Target other() noexcept                { return { Kind::other, 0 }; }

        constexpr bool isNone() const noexcept                  { return kind == Kind::none; }
        constexpr bool isControl() const noexcept               { return kind == Kind::control; }
        constexpr bool is (ControlId id) const noexcept         { return isControl() && index == ControlIds::toInt (id); }
        constexpr ControlId getControl() const noexcept         { return ControlIds::fromInt (index); }

        constexpr bool operator== (const Target& other) const noexcept { return kind == other.kind && index == other.index; }
        constexpr bool operator!= (const Target& other) const noexcept { return ! operator== (other); }
    };

    /** The open section button, as the panel finds it (the first of these that is expanded). */
    enum class OpenButton : uint8_t { none, isolate, scene, release, xpad, isolateOverlay, padOverlay };

    /** The section an open button belongs to (an overlay to its section), -1 for none. */
    int sectionOf (OpenButton button) noexcept;

    /** What the panel shows now: the controls it shows, and the Isolate effect whose chain it walks. */
    struct PanelView
    {
        std::bitset<ControlIds::count> shown;
        int isolateEffect = 0;

        bool isShown (ControlId id) const           { return shown.test ((size_t) ControlIds::toInt (id)); }
        void show (ControlId id, bool isShown = true) { shown.set ((size_t) ControlIds::toInt (id), isShown); }
    };

    enum class Direction : uint8_t { next, previous };

    //==============================================================================
    /** What focusNext and focusPrevious do. */
    struct FocusStep
    {
        enum class Action : uint8_t
        {
            stay,               // the focus stays where it is
            focus,              // target takes the focus
            enterSection,       // first level: the panel enters section by key
            frameworkTraversal  // a component the walk does not know: the framework's own next or previous
        };

        Action action = Action::stay;
        Target target;
        int section = -1;
        bool closeSliderPopups = false;     // both PITCH popups close first and both sliders repaint

        bool operator== (const FocusStep& o) const noexcept
        {
            return action == o.action && target == o.target && section == o.section && closeSliderPopups == o.closeSliderPopups;
        }
    };

    /** Next (Right, Down, Tab) or previous (Left, Up, Shift+Tab) from the focused target. With nothing
        focused the open section button decides: the ring of the four sections, or the first control of
        an open overlay. A range slider's minimum thumb leads to its maximum thumb and back, as the
        slider itself does before it hands on. */
    FocusStep decideFocusStep (Target focused, Direction direction, OpenButton open, const PanelView& view);

    /** The framework's own traversal as the walk models it, which the table's "default" steps take:
        the next (or previous) shown target in the panel's layout of the focused one's focus container,
        wrapping round it. Stays when it is the only one shown; the framework's traversal itself for a
        target in no container the walk knows. */
    FocusStep layoutStep (Target focused, Direction direction, const PanelView& view);

    /** Up and Down on a beat button: the two rows of eight are walked as one cycle, so that Down goes
        b0, b8, b1, b9 ... b7, b15 and back to b0, and Up the other way. */
    int beatAbove (int beat) noexcept;
    int beatBelow (int beat) noexcept;

    //==============================================================================
    /** The keys that move the highlight on an open section's button. Right and Tab are one, as are
        Left and Shift+Tab; only the Scene dial tells Down and Up from them. */
    enum class HighlightKey : uint8_t { rightOrTab, down, leftOrShiftTab, up };

    /** The highlight after a key: a ring over the section's positions, and for Scene the dial's own
        moves (the upper half 0..4, the lower half 5..9, the lock 10 between them). */
    int moveHighlight (int section, int position, HighlightKey key) noexcept;

    /** The control that takes the focus when an effect opens without a target given: Isolate combo 3,
        Scene and Release combo 1, and per X-PAD effect the ROLL toggle, OSC combo 1, the section
        button itself (SAMPLER: the sampler window takes it), PITCH slider 1 and position target 0. */
    Target defaultFocusTarget (int section, int effect) noexcept;

    /** Right/Tab (next) or Left/Shift+Tab (previous) on the button of an open effect: the first or
        last control of that effect. None where the effect has none to enter (SAMPLER). */
    Target entryTarget (OpenButton focusedButton, int xpadEffect, Direction direction) noexcept;

    //==============================================================================
    /** What Escape or Backspace does with the focused target. */
    struct BackStep
    {
        enum class Action : uint8_t
        {
            nothing,
            toFirstLevel,       // the whole panel, in keyboard mode, the main window focused
            toSection,          // the section's effects, on its current effect, its button focused
            toPositionTarget    // from the beats back to the current position target
        };

        Action action = Action::nothing;
        int section = -1;
    };

    BackStep decideBack (Target focused, OpenButton open) noexcept;

    /** What Return does with the focused target. */
    struct ActivateStep
    {
        enum class Action : uint8_t
        {
            nothing,
            choosePositionTarget,   // index: the target becomes the current one, its beat takes the focus
            storeBeat,              // index: the beat goes into the current position target
            reopenSection           // index: the open section's effects, its button focused
        };

        Action action = Action::nothing;
        int index = -1;
    };

    ActivateStep decideActivate (Target focused, OpenButton open) noexcept;
}
