#include "widgets/CloseButton.h"

#include "assets/SkinImages.h"
#include "widgets/WidgetFocus.h"

CloseButton::CloseButton()
    : juce::ImageButton (juce::String())
{
    setImages (true, false, true,
               SkinImages::get (SkinImageSets::panelClose[SkinPressState::normal]), 1.0f, {},
               SkinImages::get (SkinImageSets::panelClose[SkinPressState::over]), 1.0f, {},
               SkinImages::get (SkinImageSets::panelClose[SkinPressState::down]), 1.0f, {},
               0.1f);
}

CloseButton::~CloseButton() = default;

void CloseButton::mouseUp (const juce::MouseEvent& e)
{
    juce::Component::SafePointer<CloseButton> self (this);
    juce::ImageButton::mouseUp (e);

    if (self != nullptr)
        WidgetFocus::raiseFocusOnMouseUp (*this);
}
