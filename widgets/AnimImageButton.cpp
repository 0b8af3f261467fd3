#include "widgets/AnimImageButton.h"

#include "widgets/PanelHost.h"
#include "widgets/WidgetFocus.h"

AnimImageButton::AnimImageButton (const juce::String& name)
    : juce::Button (name)
{
}

AnimImageButton::~AnimImageButton()
{
    fadeTimer.stop();
}

void AnimImageButton::setImages (const juce::Image& normal, float normalOpacity, juce::Colour normalOverlay,
                                 const juce::Image& over, float overOpacity, juce::Colour overOverlay,
                                 const juce::Image& down, float downOpacity, juce::Colour downOverlay,
                                 float hitTestAlphaThreshold)
{
    faces[normalFace] = { normal, normalOpacity, normalOverlay };
    faces[overFace] = { over, overOpacity, overOverlay };
    faces[downFace] = { down, downOpacity, downOverlay };
    alphaThreshold = (juce::uint8) juce::jlimit (0, 255, juce::roundToInt (hitTestAlphaThreshold * 255.0f));
    fadeTimer.setOwner (this);
    repaint();
}

void AnimImageButton::setHitTestImages (const juce::Image& normal, const juce::Image& over, const juce::Image& down)
{
    hitTestImages[normalFace] = normal;
    hitTestImages[overFace] = over;
    hitTestImages[downFace] = down;
}

juce::Component* AnimImageButton::takeFocusAfterFade()
{
    auto* target = focusAfterFade.getComponent();
    focusAfterFade = nullptr;
    return target;
}

//==============================================================================
void AnimImageButton::paintButton (juce::Graphics& g, bool, bool)
{
    const auto& face = faces[downFace];
    hitFrame = frameFromBounds();

    if (! face.image.isValid())
        return;

    auto opacity = fadeTimer.getAlpha();
    if (! isEnabled())
        opacity *= 0.3f;

    if (! face.overlay.isOpaque())
    {
        g.setOpacity (opacity);
        g.drawImageAt (face.image, hitFrame->x, hitFrame->y);
    }

    if (! face.overlay.isTransparent())
    {
        g.setColour (face.overlay);
        g.drawImageAt (face.image, hitFrame->x, hitFrame->y, true);
    }
}

AnimImageButton::HitFrame AnimImageButton::frameFromBounds() const
{
    const auto& artwork = faces[downFace].image;
    const auto w = getWidth(), h = getHeight();

    if (! artwork.isValid())
        return { 0, 0, w, h };

    return { (w - artwork.getWidth()) / 2, (h - artwork.getHeight()) / 2, w, h };
}

juce::Image AnimImageButton::imageForHitTest() const
{
    // An open or pressed section counts as down, for its mask as for the display image that stands
    // in when a state has no mask: once open, the other sections are hidden and its whole area is its own.
    const auto state = (getToggleState() || selected || open || getState() == buttonDown) ? downFace
                     : (getState() == buttonOver || hover) ? overFace
                     : normalFace;

    if (hitTestImages[state].isValid())
        return hitTestImages[state];

    if (state == downFace)
        return faces[downFace].image;

    return faces[state].image;
}

bool AnimImageButton::hitTest (int x, int y)
{
    if (auto* host = PanelHost::find (this); host != nullptr && host->isKeyboardMode())
        return false;

    if (alphaThreshold == 0)
        return true;

    const auto image = imageForHitTest();
    if (! image.isValid())
        return true;

    // Before the first paint the frame is where the paint would put the artwork now.
    const auto frame = hitFrame.value_or (frameFromBounds());
    if (frame.width <= 0 || frame.height <= 0 || x < frame.x || y < frame.y)
        return false;

    const auto px = image.getWidth() * (x - frame.x) / frame.width;
    const auto py = image.getHeight() * (y - frame.y) / frame.height;
    return image.getPixelAt (px, py).getAlpha() > alphaThreshold;
}

//==============================================================================
void AnimImageButton::buttonStateChanged()
{
    auto& fade = fadeTimer.getFade();
    const auto held = isDown() || getToggleState() || open || selected || hover;

    if (! held && (getState() == buttonNormal || dimmed))
    {
        fade.fadeOut (dimmed);
    }
    else
    {
        auto* host = PanelHost::find (this);
        auto* openButton = host != nullptr ? host->getOpenSectionButton() : nullptr;

        if (openButton == nullptr)
        {
            expanded = true;
            toFront (false);
            fade.fadeIn();

            if (host != nullptr)
                host->sectionButtonStateChanged (*this);
        }
        else if (openButton == this)
        {
            fade.fadeIn();
        }
    }

    // The mouse went onto one of the section's own effect buttons: the section stays lit.
    if (hover)
    {
        hover = false;
        setStateAndReevaluate (buttonOver);
    }
}

void AnimImageButton::setStateAndReevaluate (ButtonState newState)
{
    if (getState() != newState)
        setState (newState);      // runs buttonStateChanged() and tells the listeners
    else
        buttonStateChanged();
}

void AnimImageButton::mouseMove (const juce::MouseEvent& e)
{
    if (! WidgetFocus::followMouse (*this, e))
        return;

    if (auto* host = PanelHost::find (this))
        host->setKeyboardMode (false);

    buttonStateChanged();
}

void AnimImageButton::mouseExit (const juce::MouseEvent&)
{
    setStateAndReevaluate (buttonNormal);
}

void AnimImageButton::mouseUp (const juce::MouseEvent& e)
{
    juce::Component::SafePointer<AnimImageButton> self (this);
    juce::Button::mouseUp (e);

    if (self != nullptr)
        WidgetFocus::raiseFocusOnMouseUp (*this);
}
