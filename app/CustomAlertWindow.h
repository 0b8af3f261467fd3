#pragma once

#include "app/AlertTextLayout.h"
#include "core/UserMessage.h"
#include "widgets/MenuComponentButton.h"
#include "widgets/UiLanguage.h"

#include <juce_gui_basics/juce_gui_basics.h>

/** The program's skinned message window: one text in the user's language over the skin's alert
    frame, with OK, or OK and CANCEL for a question.

    The buttons report to a listener (the main window) by their command identifiers: CANCEL -1, OK
    the style + 3. The listener answers by calling finish(), which leaves the alert's modal loop
    with 0 for OK or -1 for CANCEL. Return answers OK (or the button that holds the keyboard focus),
    Escape answers CANCEL, or OK when there is no CANCEL; the alert reads both keys itself, so they
    work whatever the window system thinks of the keyboard. A button takes the keyboard focus when
    the mouse really moves over it, so Return answers what the pointer shows lit.

    The alert is built off the desktop; open() places and shows it.
*/
class CustomAlertWindow : public juce::TopLevelWindow
{
public:
    /** Load Default Settings asks with style 0 (its OK reports 3), every other alert has style 2
        (OK reports 5). */
    enum Style
    {
        loadDefaultsStyle = 0,
        messageStyle = 2
    };

    static constexpr int width = 550, height = 160;
    static constexpr int cancelIdentifier = -1;

    /** A hidden alert, off the desktop. The message is shown in the typeface of the language. */
    CustomAlertWindow (int style, AlertKind kind, const juce::String& message,
                       juce::Button::Listener* listener, UiLanguage language);
    ~CustomAlertWindow() override;

    /** Where an alert goes over the main window: centred across it and 178 pixels below its top (142
        when it has the system's title bar); kept inside the screen area when one is given. */
    static juce::Rectangle<int> placeOver (juce::Rectangle<int> mainWindowScreenBounds, bool nativeTitleBar,
                                           juce::Rectangle<int> screenArea = {});

    /** The font of the message in a language, resolved to an installed face. */
    static juce::Font messageFont (UiLanguage language);

    /** Puts the alert on the desktop at a place and shows it in front of every window with the
        keyboard focus. Whenever it comes to the front, each of the given tool windows that shows is
        put directly behind it in turn, so the last one given ends up next to it. */
    void open (juce::Rectangle<int> screenBounds, const juce::Array<juce::Component*>& toolWindows);

    /** Answers the alert: leaves its modal loop with the result and hides it. Only the first answer
        counts. */
    void finish (int result);

    bool isFinished() const noexcept                    { return finished; }
    int getResult() const noexcept                      { return result; }

    int getStyle() const noexcept                       { return style; }
    AlertKind getKind() const noexcept                  { return kind; }
    const juce::String& getMessage() const noexcept     { return message; }
    MenuComponentButton& getOkButton() noexcept         { return *okButton; }
    MenuComponentButton* getCancelButton() noexcept     { return cancelButton.get(); }
    const AlertTextLayout& getTextLayout() const noexcept { return textLayout; }

    //==============================================================================
    void paint (juce::Graphics&) override;
    bool keyPressed (const juce::KeyPress&) override;
    void broughtToFront() override;
    int getDesktopWindowStyleFlags() const override;

private:
    const int style;
    const AlertKind kind;
    const juce::String message;
    juce::Button::Listener* const listener;
    std::unique_ptr<MenuComponentButton> okButton, cancelButton;

    AlertTextLayout textLayout;
    juce::Array<juce::Component::SafePointer<juce::Component>> windowsToKeepBehind;
    bool finished = false;
    int result = 0;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (CustomAlertWindow)
};
