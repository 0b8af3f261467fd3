#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** The strip of large command buttons below the title bar: Sync, Import, Export, Load, Save, Effect
    Browser and Settings. Sync also shows whether the unit is connected.

    The strip holds its size, the buttons' places and the connection state; until the skin's images
    are in, it draws each button as a labelled frame.
*/
class MenuButtons : public juce::Component
{
public:
    static constexpr int stripWidth = 716, stripHeight = 104;
    static constexpr int buttonWidth = 92, buttonHeight = 77;
    static constexpr int numButtons = 7;

    MenuButtons();

    /** Called by the MIDI link (under the message-manager lock) whenever the connection changes. */
    void setDeviceConnected (bool connected);
    bool isDeviceConnected() const noexcept     { return deviceConnected; }

    /** The Sync switch: while on, every committed edit goes to the unit. */
    void setSyncOn (bool shouldBeOn);
    bool isSyncOn() const noexcept              { return syncOn; }

    /** The button names in member order and their places along the strip. */
    static juce::String buttonName (int index);
    static juce::Rectangle<int> buttonBounds (int index);

    void paint (juce::Graphics&) override;

private:
    bool deviceConnected = true;
    bool syncOn = false;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MenuButtons)
};
