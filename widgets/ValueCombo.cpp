#include "widgets/ValueCombo.h"

#include "core/ParameterTables.h"
#include "widgets/CustomMaskedImageComponent.h"
#include "widgets/PanelHost.h"
#include "widgets/WidgetFocus.h"

ValueCombo::ValueCombo()
    : juce::ComboBox (juce::String())
{
}

ValueCombo::~ValueCombo() = default;

void ValueCombo::bindValue (int32_t* newValue, bool newReverseArc, ValueLabelKind newKind, CustomMaskedImageComponent* newIndicator)
{
    kind = newKind;
    indicator = newIndicator;
    reverseArc = newReverseArc;

    clear (juce::dontSendNotification);

    const int n = ParameterTables::numValueLabelChoices (kind);
    for (int i = 0; i < n; ++i)
        addItem (ParameterTables::valueLabelChoice (kind, i), i + 1);

    value = newValue;

    const int v = value != nullptr ? (int) *value : -1;
    setSelectedId (v >= 0 && v < n ? v + 1 : 0, juce::dontSendNotification);
}

bool ValueCombo::applySelection()
{
    const int index = getSelectedItemIndex();
    if (value == nullptr || index < 0)
        return false;

    *value = index;

    if (indicator != nullptr)
        indicator->setValue (kind, index, reverseArc);

    return true;
}

bool ValueCombo::keyPressed (const juce::KeyPress& key)
{
    auto* host = PanelHost::find (this);
    if (host == nullptr)
        return juce::ComboBox::keyPressed (key);

    switch (WidgetFocus::classify (key))
    {
        case NavigationKey::back:
            host->navigateBack (this);
            return true;

        case NavigationKey::right:
        case NavigationKey::tab:
            hidePopup();
            host->focusNext (this);
            return true;

        case NavigationKey::left:
        case NavigationKey::shiftTab:
            hidePopup();
            host->focusPrevious (this);
            return true;

        case NavigationKey::up:
        case NavigationKey::down:
        case NavigationKey::enter:
        case NavigationKey::none:
            break;
    }

    return juce::ComboBox::keyPressed (key);
}

void ValueCombo::focusGained (FocusChangeType cause)
{
    juce::ComboBox::focusGained (cause);
    WidgetFocus::recordFocus (*this);
}

void ValueCombo::mouseMove (const juce::MouseEvent& e)
{
    juce::ComboBox::mouseMove (e);
    WidgetFocus::followMouse (*this, e);
}
