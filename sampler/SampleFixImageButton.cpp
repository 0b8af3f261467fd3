#include "sampler/SampleFixImageButton.h"

SampleFixImageButton::SampleFixImageButton (const juce::String& name)
    : SampleImageButton (name)
{
    setImages (SkinImages::get (SkinImageId::sampleFixNormal), SkinImages::get (SkinImageId::sampleFixOver),
               SkinImages::get (SkinImageId::sampleFixDown), {});
}

SampleFixImageButton::~SampleFixImageButton() = default;

juce::Image SampleFixImageButton::getCurrentImage() const
{
    if (getState() == buttonDown)
        return getDownImage();

    if (getToggleState())
        return SkinImages::get (SkinImageId::sampleFixSelected);

    return CustomImageButton::getCurrentImage();
}
