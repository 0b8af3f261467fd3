#include "editor/PanelKeyboard.h"

#include "editor/Body.h"
#include "editor/LineBrowser.h"
#include "editor/bindings/PanelNames.h"
#include "widgets/AnimImageButton.h"
#include "widgets/DraggableButton.h"
#include "widgets/DropTargetImage.h"
#include "widgets/IsolateMenuButton.h"
#include "widgets/ReleaseMenuButton.h"
#include "widgets/SceneMenuButton.h"
#include "widgets/WidgetFocus.h"
#include "widgets/XPadMenuButton.h"

namespace
{
namespace KN = KeyboardNavigation;
using Target = KN::Target;
using Direction = KN::Direction;

constexpr int xpadSection = 3;
constexpr int pitchEffect = 3;

bool isSectionLevel (Target t) noexcept
{
    return t.kind == Target::Kind::sectionButton || t.kind == Target::Kind::isolateOverlay
        || t.kind == Target::Kind::padOverlay;
}

std::optional<KN::HighlightKey> highlightKeyOf (NavigationKey key) noexcept
{
    switch (key)
    {
        case NavigationKey::right:
        case NavigationKey::tab:        return KN::HighlightKey::rightOrTab;
        case NavigationKey::down:       return KN::HighlightKey::down;
        case NavigationKey::left:
        case NavigationKey::shiftTab:   return KN::HighlightKey::leftOrShiftTab;
        case NavigationKey::up:         return KN::HighlightKey::up;
        case NavigationKey::none:
        case NavigationKey::back:
        case NavigationKey::enter:      break;
    }

    return std::nullopt;
}

bool isNextKey (NavigationKey key) noexcept
{
    return key == NavigationKey::right || key == NavigationKey::down || key == NavigationKey::tab;
}

bool isPreviousKey (NavigationKey key) noexcept
{
    return key == NavigationKey::left || key == NavigationKey::up || key == NavigationKey::shiftTab;
}
} // namespace

PanelKeyboard::PanelKeyboard (Body& panel)
    : body (panel)
{
}

void PanelKeyboard::makeFocusContainers()
{
    for (auto* b : { body.isolate.isolateButton, body.isolate.isolatePanel, body.scene.sceneButton,
                     body.release.releaseButton, body.xpad.xpadButton, body.xpad.padPanel })
    {
        if (b == nullptr)
            continue;

        b->setFocusContainerType (juce::Component::FocusContainerType::keyboardFocusContainer);
        b->setWantsKeyboardFocus (true);
        b->setMouseClickGrabsKeyboardFocus (false);
    }
}

//==============================================================================
Target PanelKeyboard::targetOf (const juce::Component* c) const
{
    if (c == nullptr || c == &body || ! body.isParentOf (c))
        return Target::none();

    if (c == body.isolate.isolatePanel)     return Target::isolateOverlay();
    if (c == body.xpad.padPanel)            return Target::padOverlay();

    for (int s = 0; s < KN::numSections; ++s)
        if (c == sectionButton (s))
            return Target::sectionButton (s);

    for (int i = 0; i < KN::numBeats; ++i)
        if (c == body.xpad.beatButtons[(size_t) i])
            return Target::beat (i);

    for (int i = 0; i < ControlIds::count; ++i)
        if (c == body.controls.get (ControlIds::fromInt (i)))
            return Target::control (ControlIds::fromInt (i));

    return Target::other();
}

juce::Component* PanelKeyboard::componentOf (Target t) const
{
    switch (t.kind)
    {
        case Target::Kind::control:         return body.controls.get (t.getControl());
        case Target::Kind::beat:            return juce::isPositiveAndBelow (t.index, KN::numBeats) ? body.xpad.beatButtons[(size_t) t.index] : nullptr;
        case Target::Kind::sectionButton:   return sectionButton (t.index);
        case Target::Kind::isolateOverlay:  return body.isolate.isolatePanel;
        case Target::Kind::padOverlay:      return body.xpad.padPanel;
        case Target::Kind::none:
        case Target::Kind::other:           break;
    }

    return nullptr;
}

AnimImageButton* PanelKeyboard::sectionButton (int section) const
{
    return juce::isPositiveAndBelow (section, KN::numSections) ? body.getSectionButton (static_cast<PanelSection> (section))
                                                                : nullptr;
}

KN::OpenButton PanelKeyboard::getOpenButton() const
{
    auto* open = body.getOpenSectionButton();

    if (open == nullptr)                        return KN::OpenButton::none;
    if (open == body.isolate.isolateButton)     return KN::OpenButton::isolate;
    if (open == body.scene.sceneButton)         return KN::OpenButton::scene;
    if (open == body.release.releaseButton)     return KN::OpenButton::release;
    if (open == body.xpad.xpadButton)           return KN::OpenButton::xpad;
    if (open == body.isolate.isolatePanel)      return KN::OpenButton::isolateOverlay;
    return KN::OpenButton::padOverlay;
}

bool PanelKeyboard::isShownInPanel (const juce::Component& component) const
{
    // Visible all the way up to the panel: a window that is not on screen (or no display at all)
    // still tells what the panel shows.
    for (auto* c = &component; c != nullptr && c != &body; c = c->getParentComponent())
        if (! c->isVisible())
            return false;

    return true;
}

KN::PanelView PanelKeyboard::getView() const
{
    KN::PanelView view;
    view.isolateEffect = body.currentEffect[0];

    for (int i = 0; i < ControlIds::count; ++i)
        if (auto* c = body.controls.get (ControlIds::fromInt (i)))
            view.show (ControlIds::fromInt (i), isShownInPanel (*c));

    return view;
}

Target PanelKeyboard::walkFrom (const juce::Component* focused) const
{
    // On a section button or an overlay the open section button decides, as with nothing focused.
    const auto target = targetOf (focused);
    return isSectionLevel (target) ? Target::none() : target;
}

//==============================================================================
void PanelKeyboard::focusNext (juce::Component* focused)        { step (focused, Direction::next); }
void PanelKeyboard::focusPrevious (juce::Component* focused)    { step (focused, Direction::previous); }

void PanelKeyboard::step (juce::Component* focused, Direction direction)
{
    const auto decision = KN::decideFocusStep (walkFrom (focused), direction, getOpenButton(), getView());

    switch (decision.action)
    {
        case KN::FocusStep::Action::stay:
            break;

        case KN::FocusStep::Action::focus:
            focusOn (decision.target, decision.closeSliderPopups);
            break;

        case KN::FocusStep::Action::enterSection:
            body.enterSection (decision.section);
            break;

        case KN::FocusStep::Action::frameworkTraversal:
            if (focused != nullptr)
                focused->moveKeyboardFocusToSibling (direction == Direction::next);
            break;
    }
}

void PanelKeyboard::focusOn (Target target, bool closePopups)
{
    if (closePopups)
        body.closePitchPopups();

    if (auto* c = componentOf (target))
        c->grabKeyboardFocus();

    // A position target shows whether it holds the focus.
    repaintPositionTargets();
}

void PanelKeyboard::focusBeatAbove (juce::Component* beatButton)    { focusBeat (beatButton, false); }
void PanelKeyboard::focusBeatBelow (juce::Component* beatButton)    { focusBeat (beatButton, true); }

void PanelKeyboard::focusBeat (juce::Component* beatButton, bool below)
{
    const auto target = targetOf (beatButton);

    if (target.kind == Target::Kind::beat)
        focusOn (Target::beat (below ? KN::beatBelow (target.index) : KN::beatAbove (target.index)), false);
    else if (beatButton != nullptr)
        beatButton->moveKeyboardFocusToSibling (below);
}

//==============================================================================
void PanelKeyboard::navigateBack (juce::Component* focused)
{
    const auto decision = KN::decideBack (walkFrom (focused), getOpenButton());

    switch (decision.action)
    {
        case KN::BackStep::Action::nothing:
            break;

        case KN::BackStep::Action::toFirstLevel:
            body.keyboardMode = true;
            body.resetSections();
            body.host.focusMainWindow();
            break;

        case KN::BackStep::Action::toSection:
            backToSection (decision.section);
            break;

        case KN::BackStep::Action::toPositionTarget:
            if (auto* t = body.xpad.padDropTargets[(size_t) juce::jlimit (0, KN::numPositionTargets - 1, body.currentDropTarget)])
            {
                t->setHighlighted (false);
                t->grabKeyboardFocus();
                t->repaint();
            }
            break;
    }
}

void PanelKeyboard::backToSection (int section)
{
    // The section's effects again, with the highlight on the effect that was open.
    body.currentEffect[(size_t) section] = body.editedEffect[(size_t) section];
    body.currentSection = section;
    body.reopenCurrentSection();
    setLeaf (section, body.currentEffect[(size_t) section]);

    if (auto* button = sectionButton (section))
        button->grabKeyboardFocus();
}

void PanelKeyboard::activateFocused (juce::Component* focused)
{
    const auto decision = KN::decideActivate (walkFrom (focused), getOpenButton());
    auto& targets = body.xpad.padDropTargets;

    switch (decision.action)
    {
        case KN::ActivateStep::Action::nothing:
            break;

        case KN::ActivateStep::Action::choosePositionTarget:
            body.currentDropTarget = decision.index;
            targets[(size_t) decision.index]->setHighlighted (true);
            focusOn (Target::beat (body.lastBeat), false);
            break;

        case KN::ActivateStep::Action::storeBeat:
        {
            body.lastBeat = decision.index;
            auto* position = targets[(size_t) juce::jlimit (0, KN::numPositionTargets - 1, body.currentDropTarget)];

            if (auto* value = position->getValuePointer())
            {
                *value = decision.index;
                body.commitSettingsChange();
            }

            position->setHighlighted (false);
            position->grabKeyboardFocus();
            position->repaint();
            break;
        }

        case KN::ActivateStep::Action::reopenSection:
            body.currentSection = decision.index;
            body.reopenCurrentSection();

            if (auto* open = body.getOpenSectionButton())
                open->grabKeyboardFocus();
            break;
    }
}

//==============================================================================
bool PanelKeyboard::keyPressed (const juce::KeyPress& key, juce::Component* button)
{
    // Only keys on the section button itself: a child's keys that it left alone pass by here on their
    // way up to the main window.
    if (body.getOpenSectionButton() == nullptr || body.getLevel() < 2 || button == nullptr
        || juce::Component::getCurrentlyFocusedComponent() != button)
        return false;

    const auto target = targetOf (button);

    // The Isolate overlay hands its keys to the walk, as a control would.
    if (target.kind == Target::Kind::isolateOverlay)
    {
        const auto nav = WidgetFocus::classify (key);

        if (nav == NavigationKey::back)     navigateBack (button);
        else if (isNextKey (nav))           focusNext (button);
        else if (isPreviousKey (nav))       focusPrevious (button);
        else                                return false;

        return true;
    }

    if (body.getLevel() == 2 && target.kind == Target::Kind::sectionButton)
        return sectionKey (target.index, key);

    if (target.kind == Target::Kind::sectionButton || target.kind == Target::Kind::padOverlay)
        return openEffectKey (*button, key);

    return false;
}

bool PanelKeyboard::sectionKey (int section, const juce::KeyPress& key)
{
    const auto nav = WidgetFocus::classify (key);

    if (const auto move = highlightKeyOf (nav))
        moveHighlight (section, *move);
    else if (nav == NavigationKey::enter)
        chooseHighlighted (section);
    else if (nav == NavigationKey::back)
        leaveHighlight (section);
    else
        return false;

    return true;
}

void PanelKeyboard::moveHighlight (int section, KN::HighlightKey key)
{
    auto& h = body.currentEffect[(size_t) section];
    h = KN::moveHighlight (section, h, key);
    body.keyboardMode = true;

    body.showSectionView (static_cast<PanelSection> (section), h);
    if (auto* b = sectionButton (section))
        matchFadeOpacity (*b, b->getFadeAlpha());

    setLeaf (section, h);
}

void PanelKeyboard::chooseHighlighted (int section)
{
    body.keyboardMode = false;
    const int h = body.currentEffect[(size_t) section];

    if (KN::isLockPosition (section, h))
    {
        body.toggleLock (static_cast<PanelSection> (section));
        return;
    }

    body.selectSectionEffect (section, h, componentOf (KN::defaultFocusTarget (section, h)));

    if (section == xpadSection && h == pitchEffect)
        body.closePitchPopups();
}

void PanelKeyboard::leaveHighlight (int section)
{
    body.keyboardMode = false;
    body.resetSections();
    body.host.focusMainWindow();

    // Where the mouse rests on one of the section's effects, the section is only previewed; elsewhere
    // (but not on the section itself) the keys go on from the section they left.
    bool overEffect = false;
    const auto checkOver = [&overEffect] (auto& buttons)
    {
        for (auto* b : buttons)
            overEffect = overEffect || (b != nullptr && b->isMouseOver (true));
    };

    switch (section)
    {
        case 0:  checkOver (body.isolate.isolateEffectButtons); break;
        case 1:  checkOver (body.scene.sceneEffectButtons); break;
        case 2:  checkOver (body.release.releaseEffectButtons); break;
        default: checkOver (body.xpad.xpadEffectButtons); break;
    }

    if (overEffect)
    {
        if (auto* line = body.getBreadcrumb())
        {
            line->previewLinePathSection (PanelNames::sectionName (section));
            line->getStep (LineBrowser::sectionStep).setCurrent (false);
        }
        return;
    }

    if (auto* b = sectionButton (section); b != nullptr && ! b->isMouseOver (false))
        body.enterSection (section);
}

bool PanelKeyboard::openEffectKey (juce::Component& button, const juce::KeyPress& key)
{
    const auto nav = WidgetFocus::classify (key);
    const bool overlay = &button == body.xpad.padPanel;
    const auto section = overlay ? xpadSection : targetOf (&button).index;

    if (nav == NavigationKey::back)
    {
        backToSection (section);
        return true;
    }

    // Down and Up enter as Right and Left do: left to the main window, they would walk on to
    // another section while this one stays open.
    if (! isNextKey (nav) && ! isPreviousKey (nav))
        return false;

    const auto direction = isNextKey (nav) ? Direction::next : Direction::previous;
    const auto open = overlay ? KN::OpenButton::padOverlay
                              : section == 1 ? KN::OpenButton::scene
                              : section == 2 ? KN::OpenButton::release
                              : section == xpadSection ? KN::OpenButton::xpad : KN::OpenButton::none;
    const auto entry = KN::entryTarget (open, body.editedEffect[(size_t) xpadSection], direction);

    if (! entry.isNone())
        focusOn (entry, false);

    return true;
}

//==============================================================================
void PanelKeyboard::setLeaf (int section, int effect)
{
    if (auto* line = body.getBreadcrumb())
        line->setLinePathLeaf (PanelNames::oneLineEffectName (section, effect), KN::isLockPosition (section, effect));
}

void PanelKeyboard::repaintPositionTargets()
{
    for (auto* t : body.xpad.padDropTargets)
        if (t != nullptr)
            t->repaint();
}
