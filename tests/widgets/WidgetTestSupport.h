#pragma once

#include "FakePanelHost.h"

#include <juce_gui_basics/juce_gui_basics.h>

namespace widgettest
{
/** A picture of one colour (transparent black clears it). */
inline juce::Image plain (int w, int h, juce::Colour colour)
{
    juce::Image image (juce::Image::ARGB, w, h, true);
    image.clear (image.getBounds(), colour);
    return image;
}

/** A mouse event on a component at a local position, as the framework would deliver it. */
inline juce::MouseEvent mouseAt (juce::Component& component, juce::Point<int> local,
                                 juce::ModifierKeys mods = {})
{
    const auto position = local.toFloat();
    return juce::MouseEvent (juce::Desktop::getInstance().getMainMouseSource(), position, mods,
                             juce::MouseInputSource::defaultPressure, juce::MouseInputSource::defaultOrientation,
                             juce::MouseInputSource::defaultRotation, juce::MouseInputSource::defaultTiltX,
                             juce::MouseInputSource::defaultTiltY, &component, &component,
                             juce::Time::getCurrentTime(), position, juce::Time::getCurrentTime(), 1, false);
}

/** Lets the message loop run for a while (asynchronous clicks, repaints, timers). */
inline void pump (int milliseconds)
{
    juce::MessageManager::getInstance()->runDispatchLoopUntil (milliseconds);
}

/** Counts the clicks of a button. */
struct ClickCounter : juce::Button::Listener
{
    explicit ClickCounter (juce::Button& b) : button (b)    { button.addListener (this); }
    ~ClickCounter() override                                { button.removeListener (this); }
    void buttonClicked (juce::Button*) override             { ++clicks; }

    juce::Button& button;
    int clicks = 0;
};

inline const juce::KeyPress shiftTab { juce::KeyPress::tabKey, juce::ModifierKeys::shiftModifier, 0 };
} // namespace widgettest
