#include "widgets/ValueLabel.h"

#include "widgets/WidgetFocus.h"

ValueLabel::ValueLabel()
    : juce::Label (juce::String(), juce::String())
{
}

ValueLabel::~ValueLabel() = default;

void ValueLabel::mouseMove (const juce::MouseEvent& e)
{
    juce::Label::mouseMove (e);
    WidgetFocus::followMouseToParent (*this, e);
}
