#include "sampler/SampleSlider.h"

#include "sampler/SampleComponent.h"
#include "widgets/WidgetFocus.h"

SampleSlider::SampleSlider()
    : juce::Slider ("SAMPLE RANGE")
{
    setSliderStyle (juce::Slider::TwoValueHorizontal);
    setTextBoxStyle (juce::Slider::NoTextBox, false, 0, 0);
    setWantsKeyboardFocus (true);
}

SampleSlider::~SampleSlider() = default;

bool SampleSlider::keyPressed (const juce::KeyPress& key)
{
    return SampleComponent::forwardKey (*this, key);
}

void SampleSlider::mouseMove (const juce::MouseEvent& e)
{
    juce::Slider::mouseMove (e);
    WidgetFocus::followMouse (*this, e);
}

void SampleSlider::parentHierarchyChanged()
{
    // Placed before it joined the window, the slider laid out its values by the default look; the
    // window's look has the say once it is inside.
    resized();
}

void SampleSlider::startedDragging()
{
    // 1 is the minimum thumb, 2 the maximum.
    dragged = getThumbBeingDragged() == 1 ? Thumb::start : Thumb::end;
}

void SampleSlider::stoppedDragging()
{
    dragged = Thumb::none;

    if (auto* editor = findParentComponentOfClass<SampleComponent>())
        editor->rangeDragEnded();
}
