#pragma once

#include <array>
#include <memory>
#include <juce_gui_basics/juce_gui_basics.h>

/** The strip of large command buttons below the title bar: Sync, Import, Export, Load, Save, Effect
    Browser and Settings. Sync is a switch and also shows whether the unit is connected: grey and
    disabled while it is not.

    Each button runs its command on the host (the main window): Export, Import and Settings toggle
    their panels; Save, Load and Effect Browser first close any open panel; Sync closes the panels
    and, when switched on, sends the whole document to the unit.
*/
class MenuButtons : public juce::Component,
                    private juce::Button::Listener
{
public:
    /** What the buttons ask of the window. */
    class Host
    {
    public:
        virtual ~Host() = default;
        virtual void closeMenus() = 0;
        /** Runs one of the program's commands (the ids of CommandTable). */
        virtual bool performCommand (juce::CommandID commandID) = 0;
        /** The Sync switch was just switched on by a click. */
        virtual void syncSwitchedOn() = 0;
    };

    static constexpr int stripWidth = 716, stripHeight = 104;
    static constexpr int buttonWidth = 92, buttonHeight = 77;
    static constexpr int numButtons = 7;

    /** The buttons in member order. */
    enum class ButtonIndex { sync, exportData, importData, save, load, effectBrowser, settings };

    explicit MenuButtons (Host& host);
    ~MenuButtons() override;

    /** Called by the MIDI link (under the message-manager lock) whenever the connection changes,
        and by the constructor with false. Connected: Sync gets its faces back, is enabled and
        switched off (without notification). Not connected: Sync turns grey and is disabled; whether
        it is switched on stays as it was. */
    void setDeviceConnected (bool connected);
    bool isDeviceConnected() const noexcept     { return deviceConnected; }

    /** The Sync switch, set without notification: while on, every committed edit goes to the unit. */
    void setSyncOn (bool shouldBeOn);
    bool isSyncOn() const;

    juce::ImageButton& getButton (ButtonIndex index) noexcept   { return *buttons[(size_t) index]; }

    /** The button names in member order and their places along the strip. */
    static juce::String buttonName (int index);
    static juce::Rectangle<int> buttonBounds (int index);

    void resized() override;
    void paintOverChildren (juce::Graphics&) override;

private:
    void buttonClicked (juce::Button*) override;
    void setSyncFaces (bool connected);

    Host& host;
    std::array<std::unique_ptr<juce::ImageButton>, numButtons> buttons;
    bool deviceConnected = true;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MenuButtons)
};
