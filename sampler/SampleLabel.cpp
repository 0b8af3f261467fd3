#include "sampler/SampleLabel.h"

#include "assets/SkinImages.h"
#include "sampler/SampleComponent.h"
#include "widgets/CustomLookAndFeel.h"
#include "widgets/WidgetFocus.h"

namespace
{
const juce::Colour textColour (248, 248, 248);
}

SampleLabel::SampleLabel (const juce::String& name, bool canBeTyped)
    : juce::Label (name), typeable (canBeTyped)
{
    setColour (juce::Label::backgroundColourId, juce::Colours::transparentBlack);
    setColour (juce::Label::outlineColourId, juce::Colours::transparentBlack);
    setColour (juce::Label::textColourId, textColour);
    setColour (juce::Label::backgroundWhenEditingColourId, juce::Colour (0xff101218));
    setColour (juce::Label::textWhenEditingColourId, textColour);
    setColour (juce::Label::outlineWhenEditingColourId, juce::Colour (0xff1d8dff));
    setFont (CustomLookAndFeel::skinFont (14.0f));
    setJustificationType (juce::Justification::centred);
    setMinimumHorizontalScale (0.7f);
    setBorderSize ({});
    setEditable (false, typeable, false);
    setWantsKeyboardFocus (typeable);
    setMouseClickGrabsKeyboardFocus (typeable);
}

SampleLabel::~SampleLabel() = default;

bool SampleLabel::keyPressed (const juce::KeyPress& key)
{
    return SampleComponent::forwardKey (*this, key);
}

void SampleLabel::mouseMove (const juce::MouseEvent& e)
{
    juce::Label::mouseMove (e);

    if (typeable && ! isBeingEdited())
        WidgetFocus::followMouse (*this, e);
}

void SampleLabel::focusGained (FocusChangeType cause)
{
    juce::Label::focusGained (cause);
    repaint();
}

void SampleLabel::focusLost (FocusChangeType cause)
{
    juce::Label::focusLost (cause);
    repaint();
}

void SampleLabel::editorAboutToBeHidden (juce::TextEditor* editor)
{
    juce::Label::editorAboutToBeHidden (editor);

    juce::Component::SafePointer<SampleLabel> self (this);
    juce::MessageManager::callAsync ([self]
    {
        if (self == nullptr || ! self->isShowing())
            return;

        // Tab or a click took the focus to another control: it stays there.
        auto* focused = juce::Component::getCurrentlyFocusedComponent();
        auto* editorPanel = self->getParentComponent();

        if (focused == nullptr || focused == self->getTopLevelComponent()
            || (editorPanel != nullptr && ! editorPanel->isParentOf (focused)))
            self->grabKeyboardFocus();
    });
}

void SampleLabel::paint (juce::Graphics& g)
{
    if (hasKeyboardFocus (true))
    {
        const auto focus = SkinImages::get (SkinImageId::sampleLabelFocus);
        g.drawImageAt (focus, (getWidth() - focus.getWidth()) / 2, (getHeight() - focus.getHeight()) / 2);
    }

    juce::Label::paint (g);
}
