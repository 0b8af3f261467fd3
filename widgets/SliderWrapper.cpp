#include "widgets/SliderWrapper.h"

#include "widgets/WidgetFocus.h"

SliderWrapper::SliderWrapper()
    : juce::Slider (juce::String())
{
}

SliderWrapper::~SliderWrapper() = default;

void SliderWrapper::mouseMove (const juce::MouseEvent& e)
{
    juce::Slider::mouseMove (e);

    if (! WidgetFocus::followMouse (*this, e))
        return;

    const auto x = e.getEventRelativeTo (this).getPosition().x;
    // Walk a copy: a listener may remove itself while it is told.
    for (auto* listener : juce::Array<MouseListener*> (mouseListeners))
        listener->thumbMouseMoved (*this, x);
}

void SliderWrapper::focusGained (FocusChangeType cause)
{
    juce::Slider::focusGained (cause);
    WidgetFocus::recordFocus (*this);
}

bool SliderWrapper::keyPressed (const juce::KeyPress& key)
{
    if (auto* parent = getParentComponent())
        return parent->keyPressed (key);

    return false;
}
