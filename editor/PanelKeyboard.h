#pragma once

#include "editor/bindings/KeyboardNavigation.h"

#include <juce_gui_basics/juce_gui_basics.h>

class AnimImageButton;
class Body;

/** The keyboard's hand on the effect panel: it tells the pure walk (KeyboardNavigation) what has the
    focus, what is open and what shows, and carries out what the walk decides: it moves the focus,
    walks a section's effect highlight, stores a beat, or asks the panel's navigation for another
    level. The levels themselves are the panel's own navigation.

    The section buttons and the two overlays are focus containers, so that wherever the walk hands
    over to the framework's own traversal, the focus stays inside the section it is in.
*/
class PanelKeyboard
{
public:
    explicit PanelKeyboard (Body& panel);

    /** Makes each section button and overlay a keyboard focus container that can hold the focus
        itself (a click does not give it the focus). Call once the panel's children exist. */
    void makeFocusContainers();

    //==============================================================================
    // The keys, each with the component that had the focus (null for none).
    void navigateBack (juce::Component* focused);
    void focusNext (juce::Component* focused);
    void focusPrevious (juce::Component* focused);
    void focusBeatAbove (juce::Component* beatButton);
    void focusBeatBelow (juce::Component* beatButton);
    void activateFocused (juce::Component* focused);

    /** Keys on a section button or overlay at levels 2 and 3; false (not consumed) otherwise. */
    bool keyPressed (const juce::KeyPress& key, juce::Component* sectionButton);

    //==============================================================================
    /** What the walk calls a component: a value control, a beat, a section button, an overlay, any
        other component of the panel, or none (nothing, or something outside the panel). */
    KeyboardNavigation::Target targetOf (const juce::Component* component) const;
    juce::Component* componentOf (KeyboardNavigation::Target target) const;

    KeyboardNavigation::OpenButton getOpenButton() const;
    KeyboardNavigation::PanelView getView() const;

private:
    KeyboardNavigation::Target walkFrom (const juce::Component* focused) const;
    void step (juce::Component* focused, KeyboardNavigation::Direction direction);
    void focusOn (KeyboardNavigation::Target target, bool closeSliderPopups);
    void focusBeat (juce::Component* beatButton, bool below);
    void backToSection (int section);
    bool sectionKey (int section, const juce::KeyPress& key);
    bool openEffectKey (juce::Component& button, const juce::KeyPress& key);
    void moveHighlight (int section, KeyboardNavigation::HighlightKey key);
    void chooseHighlighted (int section);
    void leaveHighlight (int section);
    void setLeaf (int section, int effect);
    void repaintPositionTargets();
    AnimImageButton* sectionButton (int section) const;
    bool isShownInPanel (const juce::Component& component) const;

    Body& body;

    JUCE_DECLARE_NON_COPYABLE (PanelKeyboard)
};
