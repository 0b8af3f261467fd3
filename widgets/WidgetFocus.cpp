#include "widgets/WidgetFocus.h"

#include "widgets/PanelHost.h"

namespace
{
const juce::Identifier pointerStateProperty ("tessalinPointerState");

/** How a pointer state rides in a component's properties. */
struct PointerStateLink : juce::ReferenceCountedObject
{
    explicit PointerStateLink (PointerState& s) : state (s) {}
    PointerState& state;
};

PointerState* findPointerState (const juce::Component& control)
{
    if (auto* host = PanelHost::find (&control))
        return &host->getPointerState();

    for (auto* c = &control; c != nullptr; c = c->getParentComponent())
        if (auto* link = dynamic_cast<PointerStateLink*> (c->getProperties()[pointerStateProperty].getObject()))
            return &link->state;

    return nullptr;
}
} // namespace

namespace WidgetFocus
{
NavigationKey classify (const juce::KeyPress& key) noexcept
{
    using K = juce::KeyPress;

    if (key == K::escapeKey || key == K::backspaceKey)    return NavigationKey::back;
    if (key == K::leftKey)                                 return NavigationKey::left;
    if (key == K::rightKey)                                return NavigationKey::right;
    if (key == K::upKey)                                   return NavigationKey::up;
    if (key == K::downKey)                                 return NavigationKey::down;
    if (key == K::tabKey)                                  return NavigationKey::tab;
    if (key == K (K::tabKey, juce::ModifierKeys::shiftModifier, 0))
        return NavigationKey::shiftTab;
    if (key == K::returnKey)                               return NavigationKey::enter;
    return NavigationKey::none;
}

bool isRealMouseMove (const juce::Component& control, const juce::MouseEvent& e)
{
    if (auto* state = findPointerState (control))
        return state->noteMouseMove (e.getScreenPosition());

    return true;
}

void attachPointerState (juce::Component& root, PointerState* state)
{
    if (state == nullptr)
        root.getProperties().remove (pointerStateProperty);
    else
        root.getProperties().set (pointerStateProperty, juce::var (new PointerStateLink (*state)));
}

bool followMouse (juce::Component& control, const juce::MouseEvent& e)
{
    if (! isRealMouseMove (control, e))
        return false;

    if (control.isShowing() && ! control.hasKeyboardFocus (false))
        control.grabKeyboardFocus();

    return true;
}

bool followMouseToParent (juce::Component& part, const juce::MouseEvent& e)
{
    if (! isRealMouseMove (part, e))
        return false;

    // While a popup is open the mouse may cross the other slider on its way to the open one.
    auto* host = PanelHost::find (&part);
    if (host != nullptr && host->isAnySliderPopupOpen())
        return true;

    if (auto* parent = part.getParentComponent(); parent != nullptr && parent->isShowing())
        parent->grabKeyboardFocus();

    return true;
}

void recordFocus (juce::Component& control)
{
    if (auto* host = PanelHost::find (&control))
        host->getPointerState().setLastFocusedControl (&control);
}

void raiseFocusOnMouseUp (juce::Component& control)
{
    auto* host = PanelHost::find (&control);
    if (host == nullptr)
        return;

    // The pointer is a safe one: a recorded control that has been deleted reads as none.
    auto* recorded = host->getPointerState().getLastFocusedControl();
    if (recorded == nullptr)
        return;

    host->placeEffectBrowser();

    if (recorded->isShowing())
        recorded->grabKeyboardFocus();
}

void refreshStateFromMouse (juce::Button& button)
{
    if (button.isMouseButtonDown())
        button.setState (juce::Button::buttonDown);
    else if (button.isMouseOver (true))
        button.setState (juce::Button::buttonOver);
    else
        button.setState (juce::Button::buttonNormal);
}

bool routeNavigationKey (juce::Component& control, const juce::KeyPress& key)
{
    const auto nav = classify (key);
    if (nav == NavigationKey::none || nav == NavigationKey::enter)
        return false;

    auto* host = PanelHost::find (&control);
    if (host == nullptr)
        return false;

    switch (nav)
    {
        case NavigationKey::back:       host->navigateBack (&control); break;
        case NavigationKey::right:
        case NavigationKey::down:
        case NavigationKey::tab:        host->focusNext (&control); break;
        case NavigationKey::left:
        case NavigationKey::up:
        case NavigationKey::shiftTab:   host->focusPrevious (&control); break;
        case NavigationKey::none:
        case NavigationKey::enter:      break;
    }

    return true;
}
} // namespace WidgetFocus
