#include "widgets/ComboLabel.h"

#include "core/ParameterTables.h"
#include "widgets/CustomMaskedImageComponent.h"

ComboLabel::ComboLabel()
    : juce::Label (juce::String(), juce::String())
{
}

ComboLabel::~ComboLabel() = default;

void ComboLabel::bindValue (ValueLabelKind newKind, int32_t* newValue, CustomMaskedImageComponent* newIndicator, bool newReverseArc)
{
    kind = newKind;
    value = newValue;
    indicator = newIndicator;
    reverseArc = newReverseArc;
    updateText();
}

void ComboLabel::updateText()
{
    if (value == nullptr)
        return;

    const int v = (int) *value;
    setText (ParameterTables::valueLabelText (kind, v), juce::dontSendNotification);

    if (indicator != nullptr)
        indicator->setValue (kind, v, reverseArc);
}
