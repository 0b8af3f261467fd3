#pragma once

#include "assets/SkinImages.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <vector>

class AnimComponent;
class AnimImageButton;
class CloseButton;
class ComboLabel;
class CustomMaskedImageComponent;
class ValueCombo;

/** Where a child of the effect panel goes: its parent's coordinates, fixed whatever the panel's size. */
struct PanelPlacement
{
    juce::Component* component = nullptr;
    juce::Rectangle<int> bounds;
};

/** Builds the effect panel's children: each one made with the settings every child of its kind
    shares, added to its parent in the order of creation (which is the order of drawing), owned by
    the panel, and recorded with its bounds so that the panel's layout is one loop.

    A child starts in one of three ways: faded (added but not visible: its parent's fade shows it),
    shown (visible at once) or hidden (not visible and disabled, so that fades leave it alone).
*/
class PanelBuilder
{
public:
    enum class Start { faded, shown, hidden };

    /** The listeners that the panel's buttons, combo boxes and section buttons report to. */
    struct Listeners
    {
        juce::Button::Listener& buttons;
        juce::ComboBox::Listener& combos;
        juce::KeyListener& keys;
    };

    PanelBuilder (juce::OwnedArray<juce::Component>& owner, std::vector<PanelPlacement>& placements,
                  juce::LookAndFeel& defaultComboSkin, Listeners listeners);

    /** Any child: made, owned, recorded, and added to the parent (none: the caller adds it later). */
    template <typename Child, typename... Args>
    Child* make (juce::Component* parent, juce::Rectangle<int> bounds, Start start, Args&&... args)
    {
        auto* child = new Child (std::forward<Args> (args)...);
        adopt (*child, parent, bounds, start);
        return child;
    }

    /** A text in "Verdana", plain, that takes no mouse and no focus; white unless given. */
    juce::Label* label (juce::Component* parent, const juce::String& text, float height, juce::Justification justification,
                        juce::Rectangle<int> bounds, juce::Colour colour = juce::Colours::white, Start start = Start::faded);

    /** A read-out of a document value, set up as label() sets a text. */
    ComboLabel* readout (juce::Component* parent, float height, juce::Justification justification,
                         juce::Rectangle<int> bounds, juce::Colour colour = juce::Colours::white, Start start = Start::faded);

    /** A skin picture that takes no mouse, at its natural size unless stretched. */
    juce::ImageComponent* image (juce::Component* parent, SkinImageId id, juce::Rectangle<int> bounds,
                                 Start start = Start::faded, bool stretched = false);

    /** The lit arc of an Isolate knob, cut by the values its read-outs or combo boxes set. */
    CustomMaskedImageComponent* arc (juce::Component* parent, juce::Rectangle<int> bounds);

    /** A combo box of a document value: text not editable, the panel listening, a popup skin. */
    ValueCombo* combo (juce::Component* parent, juce::Rectangle<int> bounds, juce::LookAndFeel* skin = nullptr,
                       juce::Justification justification = juce::Justification::centred, Start start = Start::faded);

    /** A section's close key at its picture's size; the panel listens. */
    CloseButton* closeButton (juce::Component* parent, juce::Point<int> position, Start start = Start::faded);

    /** A section button or overlay: its artwork in three faces (drawn only while it fades in), hit
        on its mask at rest and under the mouse, and on its open mask while it is open or pressed;
        the panel listening to its clicks, state and keys. */
    AnimImageButton* section (juce::Component* parent, const juce::String& name, juce::Rectangle<int> bounds,
                              const SkinImageSet<SkinPressState>& faces, SkinImageId mask, SkinImageId openMask, Start start);

    /** A group of read-outs or controls that covers its section: it takes no mouse itself, so that
        the section underneath keeps the hover; its children do. */
    AnimComponent* view (juce::Component* parent, juce::Rectangle<int> bounds, Start start);

    /** Any button of the panel, with the panel listening. */
    template <typename ButtonType, typename... Args>
    ButtonType* button (juce::Component* parent, juce::Rectangle<int> bounds, Start start, Args&&... args)
    {
        auto* b = make<ButtonType> (parent, bounds, start, std::forward<Args> (args)...);
        b->addListener (&listeners.buttons);
        return b;
    }

    /** Grey n: red, green and blue all n. */
    static juce::Colour grey (int n) noexcept   { return juce::Colour ((juce::uint8) n, (juce::uint8) n, (juce::uint8) n); }

private:
    void adopt (juce::Component& child, juce::Component* parent, juce::Rectangle<int> bounds, Start start);
    static void setUpText (juce::Label& label, float height, juce::Justification justification, juce::Colour colour);

    juce::OwnedArray<juce::Component>& owner;
    std::vector<PanelPlacement>& placements;
    juce::LookAndFeel& defaultComboSkin;
    Listeners listeners;
};

/** Shows a child, enabled, or hides it, disabled: a hidden child stays out of its section's fades. */
inline void setShownAndEnabled (juce::Component& child, bool shown)
{
    child.setEnabled (shown);
    child.setVisible (shown);
}

/** Gives the enabled children of a fading component its fade's present opacity at once, so that a
    child just shown does not flash at another opacity until the fade's next step. (The fade's own
    step may also end the section's turn; this never does.) */
inline void matchFadeOpacity (juce::Component& owner, float alpha)
{
    for (auto* child : owner.getChildren())
        if (child->isEnabled())
            child->setAlpha (alpha);
}
