#include "widgets/PopupSlider.h"

#include "widgets/PanelHost.h"
#include "widgets/WidgetFocus.h"

namespace
{
const juce::Colour readOutColour (0xfff8f8f8);
const juce::Colour readOutBackground (0x99434343);

// Read-out, button and slider, one under the other.
const juce::Rectangle<int> labelBounds (56, 0, 51, 18), buttonBounds (58, 19, 47, 11), sliderBounds (0, 30, 163, 19);
const juce::Rectangle<int> readOutFrame (57, -1, 51, 32);
} // namespace

PopupSlider::PopupSlider (DbStepRow rowToShow, int32_t* valueToEdit)
    : reversed (rowToShow == DbStepRow::pitchMinus), row (rowToShow), value (valueToEdit)
{
    setWantsKeyboardFocus (true);

    using State = SkinButtonState;
    const auto& faces = SkinImageSets::wideComboButton;
    button.setImages (SkinImages::get (faces[State::normal]), SkinImages::get (faces[State::over]),
                      SkinImages::get (faces[State::down]), SkinImages::get (faces[State::disabled]));
    button.setClickingTogglesState (true);
    button.addListener (this);

    // The slider is set up silently: building the control must not touch the document.
    slider.setLookAndFeel (&sliderSkin);
    slider.setSliderStyle (juce::Slider::LinearHorizontal);
    slider.setTextBoxStyle (juce::Slider::NoTextBox, false, 51, 18);
    slider.setRange (0.0, (double) maxPosition, 1.0);
    slider.setWantsKeyboardFocus (false);
    slider.addListener (this);

    label.setFont (CustomLookAndFeel::skinFont (16.0f));
    label.setJustificationType (juce::Justification::centred);
    label.setEditable (false, false, false);
    label.setWantsKeyboardFocus (false);
    label.setColour (juce::Label::textColourId, readOutColour);

    addAndMakeVisible (label);
    addAndMakeVisible (button);
    addChildComponent (slider);

    refreshFromValue();
}

PopupSlider::~PopupSlider()
{
    slider.removeListener (this);
    button.removeListener (this);
    slider.setLookAndFeel (nullptr);
}

void PopupSlider::refreshFromValue()
{
    if (value == nullptr)
    {
        showLabelFor (position());
        return;
    }

    const int p = juce::jlimit (0, maxPosition, storedValueOf ((int) *value));
    slider.setValue ((double) p, juce::dontSendNotification);
    showLabelFor (p);
}

void PopupSlider::showLabelFor (int p)
{
    label.setText (ParameterTables::dbStepLabel (row, storedValueOf (p)), juce::dontSendNotification);
}

void PopupSlider::hidePopup()
{
    slider.setVisible (false);
    button.setToggleState (false, juce::dontSendNotification);
}

void PopupSlider::openPopup()
{
    button.setToggleState (true, juce::dontSendNotification);
    slider.setVisible (true);
    valueAtOpen = slider.getValue();

    if (auto* host = PanelHost::find (this))
        host->raisePopupSlider (*this);
}

void PopupSlider::cancelPopup()
{
    slider.setVisible (false);
    // With notification: the document goes back with the slider, and the commit records it.
    slider.setValue (valueAtOpen, juce::sendNotificationSync);
    button.setToggleState (false, juce::dontSendNotification);
}

void PopupSlider::step (int delta)
{
    const int target = position() + delta;
    if (target >= 0 && target <= maxPosition)
        slider.setValue ((double) target, juce::sendNotificationSync);
}

//==============================================================================
void PopupSlider::paint (juce::Graphics& g)
{
    g.setColour (readOutBackground);
    g.fillRect (readOutFrame);
    CustomLookAndFeel::drawInsetBevel (g, readOutFrame);
}

void PopupSlider::resized()
{
    label.setBounds (labelBounds);
    button.setBounds (buttonBounds);
    slider.setBounds (sliderBounds);
}

bool PopupSlider::hitTest (int, int)
{
    return true;
}

void PopupSlider::focusGained (FocusChangeType)
{
    WidgetFocus::recordFocus (*this);
    button.setInteractive (true);

    if (auto* host = PanelHost::find (this))
        host->closeOtherSliderPopups (*this);
}

void PopupSlider::focusLost (FocusChangeType)
{
    button.setInteractive (false);
}

void PopupSlider::mouseDown (const juce::MouseEvent&)
{
    if (slider.isEnabled() && slider.isVisible())
        hidePopup();
}

void PopupSlider::buttonClicked (juce::Button*)
{
    const bool open = button.getToggleState();
    slider.setVisible (open);

    if (open)
    {
        valueAtOpen = slider.getValue();

        if (auto* host = PanelHost::find (this))
            host->raisePopupSlider (*this);
    }
}

void PopupSlider::sliderValueChanged (juce::Slider*)
{
    const int stored = storedValueOf (position());
    showLabelFor (position());

    if (value == nullptr)
        return;

    *value = stored;

    if (auto* host = PanelHost::find (this))
        host->commitSettingsChange();
}

bool PopupSlider::keyPressed (const juce::KeyPress& key)
{
    const auto nav = WidgetFocus::classify (key);

    if (nav == NavigationKey::up)      { step (1);  return true; }
    if (nav == NavigationKey::down)    { step (-1); return true; }

    if (isPopupOpen())
    {
        switch (nav)
        {
            case NavigationKey::enter:      hidePopup(); return true;
            case NavigationKey::back:
            case NavigationKey::left:
            case NavigationKey::right:
            case NavigationKey::tab:
            case NavigationKey::shiftTab:   cancelPopup(); return true;
            case NavigationKey::up:
            case NavigationKey::down:
            case NavigationKey::none:       return false;
        }

        return false;
    }

    if (nav == NavigationKey::enter)
    {
        openPopup();
        return true;
    }

    auto* host = PanelHost::find (this);
    if (host == nullptr)
        return false;

    switch (nav)
    {
        case NavigationKey::back:
            hidePopup();
            host->navigateBack (this);
            return true;

        case NavigationKey::right:
        case NavigationKey::tab:
            host->focusNext (this);
            return true;

        case NavigationKey::left:
        case NavigationKey::shiftTab:
            host->focusPrevious (this);
            return true;

        case NavigationKey::up:
        case NavigationKey::down:
        case NavigationKey::enter:
        case NavigationKey::none:
            break;
    }

    return false;
}
