#include "sampler/ValueComboBeat.h"

#include "sampler/SampleComponent.h"
#include "widgets/WidgetFocus.h"

ValueComboBeat::ValueComboBeat()
{
    bindValue (nullptr, false, ValueLabelKind::beatCount, nullptr);
    setWantsKeyboardFocus (true);

    for (auto* child : getChildren())
        if (auto* label = dynamic_cast<juce::Label*> (child))
            text = label;

    jassert (text != nullptr);

    if (text != nullptr)
        text->addListener (this);
}

ValueComboBeat::~ValueComboBeat()
{
    if (text != nullptr)
        text->removeListener (this);
}

void ValueComboBeat::setTypeableByDoubleClick (bool typeable)
{
    // Editable on a double-click only: a click on the arrow still opens the list.
    if (text != nullptr)
        text->setEditable (false, typeable, false);
}

void ValueComboBeat::showTextEditor()
{
    if (text == nullptr)
        return;

    hidePopup();
    text->showEditor();
}

bool ValueComboBeat::isTextBeingEdited() const
{
    return text != nullptr && text->isBeingEdited();
}

void ValueComboBeat::editorHidden (juce::Label*, juce::TextEditor&)
{
    // The box, not its text, keeps the keyboard once typing ends.
    juce::Component::SafePointer<ValueComboBeat> self (this);
    juce::MessageManager::callAsync ([self]
    {
        if (self != nullptr && self->isShowing() && ! self->hasKeyboardFocus (true))
            self->grabKeyboardFocus();
    });
}

int ValueComboBeat::itemForStep (bool up) const
{
    int found = -1;

    for (int i = 0; i < getNumItems(); ++i)
    {
        const auto count = getItemText (i).retainCharacters ("0123456789.").getDoubleValue();

        if (! up && count > storedBeats)
            return i;

        if (up && count < storedBeats)
            found = i;
    }

    return found;
}

bool ValueComboBeat::keyPressed (const juce::KeyPress& key)
{
    switch (WidgetFocus::classify (key))
    {
        case NavigationKey::up:
        case NavigationKey::down:
        {
            const auto item = itemForStep (key == juce::KeyPress::upKey);

            if (item >= 0)
                setSelectedItemIndex (item, juce::sendNotificationSync);

            return true;
        }

        case NavigationKey::none:
            return juce::ComboBox::keyPressed (key);

        case NavigationKey::back:
        case NavigationKey::left:
        case NavigationKey::right:
        case NavigationKey::tab:
        case NavigationKey::shiftTab:
        case NavigationKey::enter:
            break;
    }

    hidePopup();
    return SampleComponent::forwardKey (*this, key);
}
