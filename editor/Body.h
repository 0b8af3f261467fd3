#pragma once

#include "core/BodyColor.h"
#include "core/DeviceSettings.h"

#include <juce_gui_basics/juce_gui_basics.h>

/** The main effect panel: the unit's body with its four effect sections.

    For now the panel holds its size, its background (the body in the current body colour) and the
    navigation state; the sections and their controls are built in later. Until the skin's body
    images are in, the background is a plain body-sized plate in the body colour.
*/
class Body : public juce::Component
{
public:
    static constexpr int panelWidth = 1024, panelHeight = 738;
    static constexpr int backgroundWidth = 910, backgroundHeight = 470;

    /** The part of the panel that the content centres: the body's width, and the height down to the
        sections' lower edge. */
    static constexpr int centredWidth = backgroundWidth, centredHeight = 585;

    Body();
    ~Body() override;

    /** Builds the panel's children over the application's current document; called once by the
        main window right after construction. */
    void createComponents (DeviceSettings& currentDocument);

    /** The body colour changed: the next paint reloads the background. */
    void bodyColorChanged (BodyColor color);
    BodyColor getBodyColorIndex() const noexcept        { return bodyColorIndex; }

    /** Re-reads every control from the document after it changed behind the panel. */
    void refreshFromData();

    /** Keyboard navigation of the panel; the component is the one that had the focus (may be null). */
    void navigateBack (juce::Component* focused);
    void focusNext (juce::Component* focused);
    void focusPrevious (juce::Component* focused);
    void activateFocused (juce::Component* focused);

    void setKeyboardMode (bool on) noexcept             { keyboardMode = on; }
    bool isKeyboardMode() const noexcept                { return keyboardMode; }

    DeviceSettings* getDocument() const noexcept        { return document; }
    const juce::Image& getBackgroundImage() const       { return background.getImage(); }

    void paint (juce::Graphics&) override;
    void resized() override;

private:
    static juce::Image createBackground (BodyColor color);

    bool keyboardMode = false;
    bool bodyImageDirty = true;
    BodyColor bodyColorIndex = BodyColor::black;

    juce::ImageComponent background;
    DeviceSettings* document = nullptr;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (Body)
};
