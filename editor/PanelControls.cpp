#include "editor/PanelControls.h"

#include "widgets/ComboLabel.h"
#include "widgets/CustomMaskedImageComponent.h"
#include "widgets/CustomSlider.h"
#include "widgets/DropTargetImage.h"
#include "widgets/PopupSlider.h"
#include "widgets/ToggleImageButton.h"
#include "widgets/ValueCombo.h"

void PanelControls::add (ControlId id, juce::Component& component)
{
    controls[(size_t) ControlIds::toInt (id)] = &component;
}

juce::Component* PanelControls::get (ControlId id) const noexcept
{
    const int i = ControlIds::toInt (id);
    return i >= 0 && i < ControlIds::count ? controls[(size_t) i] : nullptr;
}

void PanelControls::setArcs (const Arcs& readouts, const Arcs& combos) noexcept
{
    readoutArcs = readouts;
    comboArcs = combos;
}

CustomMaskedImageComponent* PanelControls::arcFor (const ControlBinding& binding, bool forCombo) const noexcept
{
    if (binding.arc < 0 || binding.arc >= numArcs)
        return nullptr;

    return (forCombo ? comboArcs : readoutArcs)[(size_t) binding.arc];
}

int32_t* PanelControls::valueFor (ControlId id, int sectionEffect) const
{
    if (doc == nullptr)
        return nullptr;

    const auto binding = ControlBindings::bindingFor (id, sectionEffect, *doc);
    return binding.isBound() ? ControlBindings::valuePointer (*doc, binding.address) : nullptr;
}

ControlBinding PanelControls::bind (ControlId id, int sectionEffect)
{
    if (doc == nullptr)
        return {};

    const auto binding = ControlBindings::bindingFor (id, sectionEffect, *doc);
    auto* component = get (id);

    if (! binding.isBound() || component == nullptr)
        return binding;

    auto* value = ControlBindings::valuePointer (*doc, binding.address);

    switch (ControlIds::classOf (id))
    {
        case ControlClass::readout:
            if (auto* label = dynamic_cast<ComboLabel*> (component))
                label->bindValue (binding.kind, value, arcFor (binding, false), binding.lowerEnd);
            break;

        case ControlClass::combo:
            if (auto* box = dynamic_cast<ValueCombo*> (component))
                box->bindValue (value, binding.lowerEnd, binding.kind, arcFor (binding, true));
            break;

        case ControlClass::pitchReadout:
        case ControlClass::slotName:
            if (auto* label = dynamic_cast<juce::Label*> (component))
                label->setText (ControlBindings::controlText (id, binding, *doc), juce::dontSendNotification);
            break;

        case ControlClass::pitchSlider:
            if (auto* slider = dynamic_cast<PopupSlider*> (component))
                slider->refreshFromValue();
            break;

        case ControlClass::padTarget:
            if (auto* target = dynamic_cast<DropTargetImage*> (component))
                target->setValuePointer (value);
            break;

        case ControlClass::rangeThumb:
            bindRange (id, sectionEffect);
            break;

        case ControlClass::lockButton:
        case ControlClass::toggleButton:
            showSwitch (id, sectionEffect);
            break;
    }

    return binding;
}

void PanelControls::bindRange (ControlId thumb, int sectionEffect)
{
    // A range slider's thumbs are numbered minimum first, each slider's pair in a row.
    const bool isMinimum = ((ControlIds::toInt (thumb) - ControlIds::toInt (ControlId::sceneFrequencyMin)) % 2) == 0;
    const auto minimum = isMinimum ? thumb : ControlIds::offset (thumb, -1);
    const auto maximum = ControlIds::offset (minimum, 1);

    auto* component = get (minimum);
    auto* slider = component != nullptr ? dynamic_cast<CustomSlider*> (component->getParentComponent()) : nullptr;
    auto* low = valueFor (minimum, sectionEffect);
    auto* high = valueFor (maximum, sectionEffect);

    if (slider != nullptr && low != nullptr && high != nullptr)
        slider->setValuePointers (low, high);
}

void PanelControls::showSwitch (ControlId id, int sectionEffect)
{
    auto* button = dynamic_cast<juce::Button*> (get (id));
    const auto* value = valueFor (id, sectionEffect);

    if (button == nullptr || value == nullptr)
        return;

    const bool on = ControlBindings::toggleIsOn (id, *value);
    button->setToggleState (on, juce::dontSendNotification);

    if (auto* toggle = dynamic_cast<ToggleImageButton*> (button))
        toggle->setLit (on);

    button->repaint();
}
