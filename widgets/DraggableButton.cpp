#include "widgets/DraggableButton.h"

#include "widgets/CustomLookAndFeel.h"
#include "widgets/PanelHost.h"
#include "widgets/WidgetFocus.h"

DraggableButton::DraggableButton (juce::DragAndDropContainer* container)
    : CustomImageButton ({}),
      dragContainer (container)
{
}

DraggableButton::~DraggableButton() = default;

void DraggableButton::buildDragImage()
{
    juce::Image image (juce::Image::ARGB, dragImageSize, dragImageSize, true);
    juce::Graphics g (image);
    g.drawImageAt (SkinImages::get (SkinImageSets::beatButton[SkinPressState::normal]), 0, 0);
    g.setColour (juce::Colour (248, 248, 248));
    g.setFont (CustomLookAndFeel::skinFont (15.0f));
    g.drawFittedText (getButtonText(), 0, 0, dragImageSize, dragImageSize, juce::Justification::centred, 1, 0.7f);
    dragImage = image;
}

void DraggableButton::paintButton (juce::Graphics& g, bool, bool)
{
    const auto pressed = getState() == buttonDown;
    auto image = getCurrentImage();

    if (isEnabled() && ! pressed && hasKeyboardFocus (true))
        image = getOverImage();

    if (image.isValid())
        g.drawImageAt (image, 0, 0);

    const auto colour = ! isEnabled() ? juce::Colour (0xff787878)
                      : pressed ? juce::Colour (0xfff8f8f8)
                      : juce::Colour (0xffc0c0c0);
    g.setColour (colour);
    g.setFont (CustomLookAndFeel::skinFont (15.0f));
    g.drawFittedText (getButtonText(), getLocalBounds(), juce::Justification::centred, 1, 0.7f);
}

bool DraggableButton::keyPressed (const juce::KeyPress& key)
{
    auto* host = PanelHost::find (this);
    if (host == nullptr)
        return juce::Button::keyPressed (key);

    switch (WidgetFocus::classify (key))
    {
        case NavigationKey::back:       host->navigateBack (this); return true;
        case NavigationKey::right:
        case NavigationKey::tab:        host->focusNext (this); return true;
        case NavigationKey::left:
        case NavigationKey::shiftTab:   host->focusPrevious (this); return true;
        case NavigationKey::up:         host->focusBeatAbove (this); return true;
        case NavigationKey::down:       host->focusBeatBelow (this); return true;
        case NavigationKey::enter:      host->activateFocused (this); return true;
        case NavigationKey::none:       break;
    }

    return juce::Button::keyPressed (key);
}

void DraggableButton::focusGained (FocusChangeType cause)
{
    CustomImageButton::focusGained (cause);
    WidgetFocus::recordFocus (*this);
    WidgetFocus::refreshStateFromMouse (*this);
}

void DraggableButton::mouseDown (const juce::MouseEvent& e)
{
    // The button's own handling first: it shows the key pressed while the drag runs.
    CustomImageButton::mouseDown (e);

    buildDragImage();

    if (dragContainer != nullptr)
        dragContainer->startDragging (getButtonText(), this, juce::ScaledImage (dragImage), false);
}
