#include "sampler/SampleImageButton.h"

#include "sampler/SampleComponent.h"
#include "widgets/WidgetFocus.h"

SampleImageButton::SampleImageButton (const juce::String& name)
    : CustomImageButton (name)
{
    setWantsKeyboardFocus (true);
}

SampleImageButton::~SampleImageButton() = default;

void SampleImageButton::setFaces (const SkinImageSet<SkinButtonState>& faces)
{
    using S = SkinButtonState;
    setImages (SkinImages::get (faces[S::normal]), SkinImages::get (faces[S::over]),
               SkinImages::get (faces[S::down]), SkinImages::get (faces[S::disabled]));
    hasDisabledFace = true;
}

void SampleImageButton::setFaces (const SkinImageSet<SkinPressState>& faces)
{
    using S = SkinPressState;
    setImages (SkinImages::get (faces[S::normal]), SkinImages::get (faces[S::over]), SkinImages::get (faces[S::down]), {});
    hasDisabledFace = false;
}

bool SampleImageButton::keyPressed (const juce::KeyPress& key)
{
    return SampleComponent::forwardKey (*this, key);
}

void SampleImageButton::mouseMove (const juce::MouseEvent& e)
{
    CustomImageButton::mouseMove (e);
    WidgetFocus::followMouse (*this, e);
}

void SampleImageButton::paintButton (juce::Graphics& g, bool isOver, bool isDown)
{
    if (! isEnabled() && ! hasDisabledFace)
        g.setOpacity (0.35f);

    CustomImageButton::paintButton (g, isOver, isDown);
}
