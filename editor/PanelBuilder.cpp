#include "editor/PanelBuilder.h"

#include "widgets/AnimComponent.h"
#include "widgets/AnimImageButton.h"
#include "widgets/CloseButton.h"
#include "widgets/ComboLabel.h"
#include "widgets/CustomLookAndFeel.h"
#include "widgets/CustomMaskedImageComponent.h"
#include "widgets/ValueCombo.h"

namespace
{
// A section's artwork shows only while the section fades in; the alpha a hit needs.
constexpr float normalOpacity = 0.0f, overOpacity = 1.0f, downOpacity = 1.0f;
constexpr float sectionHitThreshold = 0.1f;
constexpr int closeButtonWidth = 52, closeButtonHeight = 48;
} // namespace

PanelBuilder::PanelBuilder (juce::OwnedArray<juce::Component>& o, std::vector<PanelPlacement>& p,
                            juce::LookAndFeel& comboSkin, Listeners l)
    : owner (o), placements (p), defaultComboSkin (comboSkin), listeners (l)
{
}

void PanelBuilder::adopt (juce::Component& child, juce::Component* parent, juce::Rectangle<int> bounds, Start start)
{
    owner.add (&child);
    placements.push_back ({ &child, bounds });

    child.setVisible (start == Start::shown);
    child.setEnabled (start != Start::hidden);

    if (parent != nullptr)
        parent->addChildComponent (child);
}

void PanelBuilder::setUpText (juce::Label& label, float height, juce::Justification justification, juce::Colour colour)
{
    label.setFont (CustomLookAndFeel::skinFont (height));
    label.setJustificationType (justification);
    label.setEditable (false, false, false);
    label.setColour (juce::Label::textColourId, colour);
    label.setInterceptsMouseClicks (false, false);
    label.setWantsKeyboardFocus (false);
    label.setBorderSize ({});
}

juce::Label* PanelBuilder::label (juce::Component* parent, const juce::String& text, float height,
                                  juce::Justification justification, juce::Rectangle<int> bounds, juce::Colour colour, Start start)
{
    auto* l = make<juce::Label> (parent, bounds, start, juce::String(), text);
    setUpText (*l, height, justification, colour);
    return l;
}

ComboLabel* PanelBuilder::readout (juce::Component* parent, float height, juce::Justification justification,
                                   juce::Rectangle<int> bounds, juce::Colour colour, Start start)
{
    auto* l = make<ComboLabel> (parent, bounds, start);
    setUpText (*l, height, justification, colour);
    return l;
}

juce::ImageComponent* PanelBuilder::image (juce::Component* parent, SkinImageId id, juce::Rectangle<int> bounds,
                                           Start start, bool stretched)
{
    auto* c = make<juce::ImageComponent> (parent, bounds, start);
    c->setImage (SkinImages::get (id), stretched ? juce::RectanglePlacement::stretchToFit
                                                 : juce::RectanglePlacement (juce::RectanglePlacement::xLeft
                                                                             | juce::RectanglePlacement::yTop
                                                                             | juce::RectanglePlacement::doNotResize));
    c->setInterceptsMouseClicks (false, false);
    return c;
}

CustomMaskedImageComponent* PanelBuilder::arc (juce::Component* parent, juce::Rectangle<int> bounds)
{
    auto* c = make<CustomMaskedImageComponent> (parent, bounds, Start::faded);
    c->setImage (SkinImages::get (SkinImageId::isolateArc), juce::RectanglePlacement (juce::RectanglePlacement::xLeft
                                                                                      | juce::RectanglePlacement::yTop
                                                                                      | juce::RectanglePlacement::doNotResize));
    c->setInterceptsMouseClicks (false, false);
    return c;
}

ValueCombo* PanelBuilder::combo (juce::Component* parent, juce::Rectangle<int> bounds, juce::LookAndFeel* skin,
                                 juce::Justification justification, Start start)
{
    auto* c = make<ValueCombo> (parent, bounds, start);
    c->setEditableText (false);
    c->setJustificationType (justification);
    c->setLookAndFeel (skin != nullptr ? skin : &defaultComboSkin);
    c->addListener (&listeners.combos);
    return c;
}

CloseButton* PanelBuilder::closeButton (juce::Component* parent, juce::Point<int> position, Start start)
{
    auto* b = make<CloseButton> (parent, { position.x, position.y, closeButtonWidth, closeButtonHeight }, start);
    b->addListener (&listeners.buttons);
    return b;
}

AnimImageButton* PanelBuilder::section (juce::Component* parent, const juce::String& name, juce::Rectangle<int> bounds,
                                        const SkinImageSet<SkinPressState>& faces, SkinImageId mask, SkinImageId openMask,
                                        Start start)
{
    auto* s = make<AnimImageButton> (parent, bounds, start, name);
    const auto face = [&faces] (SkinPressState state) { return SkinImages::get (faces[state]); };
    s->setImages (face (SkinPressState::normal), normalOpacity, {}, face (SkinPressState::over), overOpacity, {},
                  face (SkinPressState::down), downOpacity, {}, sectionHitThreshold);
    const auto hitArea = SkinImages::get (mask);
    s->setHitTestImages (hitArea, hitArea, SkinImages::get (openMask));
    s->addListener (&listeners.buttons);
    s->addKeyListener (&listeners.keys);
    s->setWantsKeyboardFocus (false);
    return s;
}

AnimComponent* PanelBuilder::view (juce::Component* parent, juce::Rectangle<int> bounds, Start start)
{
    auto* v = make<AnimComponent> (parent, bounds, start);
    v->setInterceptsMouseClicks (false, true);
    v->getFade().setOwner (v);
    return v;
}
