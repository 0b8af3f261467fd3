#pragma once

#include "widgets/PointerState.h"

#include <juce_gui_basics/juce_gui_basics.h>

class AnimImageButton;

/** The effect panel's four sections, in the panel's order. */
enum class PanelSection : int { isolate, scene, release, xpad };

constexpr int numPanelSections = 4;

/** The section's place in anything kept per section, in the panel's order. */
constexpr size_t sectionSlot (PanelSection section) noexcept { return static_cast<size_t> (section); }

/** What the program's controls need of the effect panel and of the window around it.

    A control never reaches the application: it finds its host with find(), which looks at the
    control and its parents for a component that is a PanelHost (the effect panel is one), or for one
    that carries a host given to it with attach() (so that controls in other windows, or in a test,
    share the same host). A control without a host still draws and takes the mouse; keys that would
    go to the panel are then left to the framework, and nothing is committed.

    Every operation runs on the message thread.
*/
class PanelHost
{
public:
    virtual ~PanelHost() = default;

    //==============================================================================
    // Keyboard navigation. The component is the one that had the keyboard focus (null when none).

    /** Escape or Backspace: one level up (parameters to effects, effects to sections). */
    virtual void navigateBack (juce::Component* focused) = 0;
    /** Right, Down or Tab: the next control of the panel's focus chain. */
    virtual void focusNext (juce::Component* focused) = 0;
    /** Left, Up or Shift+Tab: the previous control of the panel's focus chain. */
    virtual void focusPrevious (juce::Component* focused) = 0;
    /** Up on a beat button: the beat button above it in the two-row walk. */
    virtual void focusBeatAbove (juce::Component* beatButton) = 0;
    /** Down on a beat button: the beat button below it in the two-row walk. */
    virtual void focusBeatBelow (juce::Component* beatButton) = 0;
    /** Return: a position target becomes the current one, a beat button stores its beat there. */
    virtual void activateFocused (juce::Component* focused) = 0;

    //==============================================================================
    // Sections.

    /** The section button whose controls are shown (expanded), or null when none is. */
    virtual AnimImageButton* getOpenSectionButton() = 0;
    /** True when the open section button belongs to another section than this one (a section's
        button and its overlay both belong to it); false when none is open. */
    virtual bool isOtherSectionOpen (PanelSection section) = 0;
    /** A section button finished fading out: every section button re-evaluates its state. */
    virtual void updateSectionButtons() = 0;
    /** A section button was expanded by its own state change: the panel shows its current effect. */
    virtual void sectionButtonStateChanged (AnimImageButton& sectionButton) = 0;

    /** Keyboard mode: set while keys drive the panel (section buttons then ignore the mouse),
        cleared by a real mouse move. */
    virtual bool isKeyboardMode() = 0;
    virtual void setKeyboardMode (bool on) = 0;

    /** The highlighted effect of a section (Isolate 0..4 with 4 the lock, Scene 0..10 with 10 the
        lock, Release 0..2, X-PAD 0..4). */
    virtual int getCurrentEffect (PanelSection section) = 0;
    virtual void setCurrentEffect (PanelSection section, int effect) = 0;

    /** True while the breadcrumb's effect step is pinned (current): hovering an effect button then
        previews nothing and leaves the current effect alone. */
    virtual bool isBreadcrumbEffectPinned() = 0;

    //==============================================================================
    // The two PITCH popup sliders.

    /** True while the popup of either popup slider is open. */
    virtual bool isAnySliderPopupOpen() = 0;
    /** Closes the popup of every popup slider but this one. */
    virtual void closeOtherSliderPopups (juce::Component& popupSlider) = 0;
    /** Puts the other popup slider behind this one. */
    virtual void raisePopupSlider (juce::Component& popupSlider) = 0;

    //==============================================================================
    // The window.

    /** Records, sends and adopts a change of the current document; false when nothing changed. */
    virtual bool commitSettingsChange() = 0;
    /** Moves the effect browser window beside the main window when it covers it. */
    virtual void placeEffectBrowser() = 0;
    /** The last focused control and the last mouse position, shared by every control. */
    virtual PointerState& getPointerState() = 0;

    //==============================================================================
    /** The host of a component: the nearest of it and its parents that is a host or carries one.
        Null when there is none. */
    static PanelHost* find (const juce::Component* component);

    /** Makes a component (and everything inside it) use a host that is not among its parents; null
        takes it away again. The host must outlive the component or be taken away first. */
    static void attach (juce::Component& root, PanelHost* host);
};
