#include "widgets/SectionChild.h"

#include "widgets/AnimImageButton.h"

namespace SectionChild
{
AnimImageButton* sectionOf (const juce::Component& control)
{
    return dynamic_cast<AnimImageButton*> (control.getParentComponent());
}

void enter (juce::Button& button)
{
    juce::Component::SafePointer<juce::Button> watch (&button);

    if (auto* section = sectionOf (button); section != nullptr && ! section->isOpen())
        section->setState (juce::Button::buttonOver);

    if (watch != nullptr)
        button.setState (button.isMouseButtonDown() ? juce::Button::buttonDown : juce::Button::buttonOver);
}

void leave (juce::Button& button)
{
    juce::Component::SafePointer<juce::Button> watch (&button);
    button.setState (button.isMouseButtonDown() ? juce::Button::buttonDown : juce::Button::buttonNormal);

    if (watch == nullptr)
        return;

    if (auto* section = sectionOf (button); section != nullptr && ! section->isOpen())
    {
        section->setHover (false);
        section->setStateAndReevaluate (juce::Button::buttonNormal);
    }
}
} // namespace SectionChild
