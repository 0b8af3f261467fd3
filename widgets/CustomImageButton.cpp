#include "widgets/CustomImageButton.h"

#include "widgets/WidgetFocus.h"

CustomImageButton::CustomImageButton (const juce::String& name)
    : juce::Button (name)
{
}

CustomImageButton::~CustomImageButton() = default;

void CustomImageButton::setImages (const juce::Image& normal, const juce::Image& over,
                                   const juce::Image& down, const juce::Image& disabled)
{
    normalImage = normal;
    overImage = over;
    downImage = down;
    disabledImage = disabled;
    repaint();
}

void CustomImageButton::setHitTestImages (const juce::Image& normal, const juce::Image& over,
                                          const juce::Image& down, const juce::Image& disabled)
{
    normalMask = normal;
    overMask = over;
    downMask = down;
    disabledMask = disabled;
    useMaskHitTest = true;
}

const juce::Image& CustomImageButton::getNormalImage() const noexcept
{
    return normalImage;
}

const juce::Image& CustomImageButton::getOverImage() const noexcept
{
    return overImage.isValid() ? overImage : normalImage;
}

const juce::Image& CustomImageButton::getDownImage() const noexcept
{
    return downImage.isValid() ? downImage : getOverImage();
}

const juce::Image& CustomImageButton::getDisabledImage() const noexcept
{
    return disabledImage.isValid() ? disabledImage : normalImage;
}

CustomImageButton::ImageState CustomImageButton::getImageState() const
{
    // isEnabled() is false also when a parent is disabled.
    if (! isEnabled())
        return ImageState::disabled;

    if (getState() == buttonDown || getToggleState())
        return ImageState::down;

    if (getState() == buttonOver || hasKeyboardFocus (true))
        return ImageState::over;

    return ImageState::normal;
}

const juce::Image& CustomImageButton::imageFor (ImageState state) const noexcept
{
    switch (state)
    {
        case ImageState::disabled:  return getDisabledImage();
        case ImageState::down:      return getDownImage();
        case ImageState::over:      return getOverImage();
        case ImageState::normal:    break;
    }

    return getNormalImage();
}

juce::Image CustomImageButton::getCurrentImage() const
{
    return imageFor (getImageState());
}

juce::Image CustomImageButton::getCurrentHitTestImage() const
{
    const auto state = getImageState();
    const juce::Image* mask = nullptr;

    switch (state)
    {
        case ImageState::disabled:  mask = &disabledMask; break;
        case ImageState::down:      mask = &downMask; break;
        case ImageState::over:      mask = &overMask; break;
        case ImageState::normal:    mask = &normalMask; break;
    }

    return mask->isValid() ? *mask : imageFor (state);
}

bool CustomImageButton::isOpaqueAt (const juce::Image& image, int x, int y)
{
    // getPixelAt reads a point outside the image as transparent.
    return image.getPixelAt (x, y).getAlpha() != 0;
}

bool CustomImageButton::hitTest (int x, int y)
{
    if (! useMaskHitTest)
        return true;

    const auto mask = getCurrentHitTestImage();
    if (! mask.isValid())
        return true;

    return isOpaqueAt (mask, x, y);
}

bool CustomImageButton::keyPressed (const juce::KeyPress& key)
{
    if (WidgetFocus::routeNavigationKey (*this, key))
        return true;

    return juce::Button::keyPressed (key);
}

void CustomImageButton::paintButton (juce::Graphics& g, bool, bool)
{
    const auto image = getCurrentImage();
    if (image.isValid())
        g.drawImageAt (image, 0, 0);
}
