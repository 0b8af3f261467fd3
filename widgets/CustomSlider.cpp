#include "widgets/CustomSlider.h"

#include "widgets/ComboLabel.h"
#include "widgets/PanelHost.h"
#include "widgets/WidgetFocus.h"

namespace
{
// Narrow: a track per thumb. Wide: two thumbs over one track, the maximum's 19 pixels to the right,
// so that its position p lies just short of the minimum's p + 1.
const juce::Rectangle<int> narrowMinBounds (39, 5, 76, 23), narrowMaxBounds (126, 5, 76, 23);
const juce::Rectangle<int> wideMinBounds (36, 5, 151, 23), wideMaxBounds (55, 5, 151, 23);
const int wideThumbOffset = wideMaxBounds.getX() - wideMinBounds.getX();

// The bar's caps meet the thumbs' pointers: the left cap starts under the minimum's pointer, the
// right one ends under the maximum's.
constexpr int leftCapInset = 14, rightCapInset = -2, capWidth = 12, barTop = 9;
} // namespace

int thumbValueMap (RangeThumb thumb, int position) noexcept
{
    if (position < 0 || position > 7)
        return 0;

    return thumb == RangeThumb::minimum ? position : (position + 4) % 8;
}

CustomSlider::CustomSlider (bool isWide, ComboLabel* minimumLabel, ComboLabel* maximumLabel)
    : wide (isWide), thumbSkin (isWide), minLabel (minimumLabel), maxLabel (maximumLabel)
{
    for (auto* thumb : { &minThumb, &maxThumb })
    {
        thumb->setLookAndFeel (&thumbSkin);
        thumb->setSliderStyle (juce::Slider::LinearHorizontal);
        thumb->setTextBoxStyle (juce::Slider::NoTextBox, false, 0, 0);
        thumb->setRange (0.0, (double) topPosition(), 1.0);
        thumb->setWantsKeyboardFocus (true);
        addAndMakeVisible (thumb);
        thumb->addListener (this);

        if (wide)
            thumb->addThumbMouseListener (this);
    }
}

CustomSlider::~CustomSlider()
{
    for (auto* thumb : { &minThumb, &maxThumb })
    {
        thumb->removeThumbMouseListener (this);
        thumb->removeListener (this);
        thumb->setLookAndFeel (nullptr);
    }
}

void CustomSlider::setValuePointers (int32_t* newMinValue, int32_t* newMaxValue)
{
    minValue = newMinValue;
    maxValue = newMaxValue;

    // A refresh shows the document as it is: no pinning, no writing, no commit.
    if (minValue != nullptr)
        minThumb.setValue ((double) (wide ? thumbValueMap (RangeThumb::minimum, (int) *minValue) : (int) *minValue),
                           juce::dontSendNotification);

    if (maxValue != nullptr)
        maxThumb.setValue ((double) (wide ? thumbValueMap (RangeThumb::maximum, (int) *maxValue) : (int) *maxValue),
                           juce::dontSendNotification);

    repaint();
}

void CustomSlider::storeValue (RangeThumb thumb, int thumbPosition)
{
    const int v = wide ? thumbValueMap (thumb, thumbPosition) : thumbPosition;

    if (auto* target = thumb == RangeThumb::minimum ? minValue : maxValue)
        *target = v;

    if (auto* label = thumb == RangeThumb::minimum ? minLabel : maxLabel)
    {
        if (auto* shown = label->getValuePointer())
            *shown = v;

        label->updateText();
    }
}

void CustomSlider::sliderValueChanged (juce::Slider* slider)
{
    const bool minimumMoved = slider == &minThumb;
    auto& moved = minimumMoved ? minThumb : maxThumb;
    const auto& other = minimumMoved ? maxThumb : minThumb;

    // The wide thumbs share one scale: the one that moved stops at the other.
    if (wide && position (maxThumb) < position (minThumb))
        moved.setValue (other.getValue(), juce::dontSendNotification);

    storeValue (minimumMoved ? RangeThumb::minimum : RangeThumb::maximum, position (moved));
    repaint();

    if (auto* host = PanelHost::find (this))
        host->commitSettingsChange();
}

void CustomSlider::thumbMouseMoved (SliderWrapper& thumb, int x)
{
    // Where each thumb's pointer lies in the coordinates of the thumb under the mouse; the thumb
    // whose pointer is nearer ends on top.
    constexpr int step = CustomSliderLookAndFeel::wideStep;
    const int mouse = x - 4;
    const int minPos = position (minThumb), maxPos = position (maxThumb);

    if (&thumb == &minThumb)
    {
        const int d = mouse - (step * maxPos + wideThumbOffset);
        const int e = mouse - step * minPos;

        if (std::abs (d) < std::abs (e))
            minThumb.toBehind (&maxThumb);
    }
    else if (&thumb == &maxThumb)
    {
        const int d = mouse - (step * minPos - wideThumbOffset);
        const int e = mouse - step * maxPos;

        if (std::abs (d) < std::abs (e))
            maxThumb.toBehind (&minThumb);
    }
}

//==============================================================================
void CustomSlider::paint (juce::Graphics& g)
{
    if (wide)
    {
        g.drawImageAt (SkinImages::get (SkinImageId::rangeSliderTrackWide), 0, 0);
        return;
    }

    g.drawImageAt (SkinImages::get (SkinImageId::rangeSliderTrack), 0, 0);

    constexpr int step = CustomSliderLookAndFeel::narrowStep;
    const int a = minThumb.getX() + step * position (minThumb) + leftCapInset;
    const int c = maxThumb.getX() + step * position (maxThumb) + rightCapInset;
    const int barWidth = c - a - capWidth;

    if (barWidth > 0)
        SkinImages::drawStretched (g, SkinImages::get (SkinImageId::rangeSliderBar), { a + capWidth, barTop, barWidth, 19 });

    g.drawImageAt (SkinImages::get (SkinImageId::rangeSliderCapLeft), a, barTop);
    g.drawImageAt (SkinImages::get (SkinImageId::rangeSliderCapRight), c, barTop);
}

void CustomSlider::resized()
{
    minThumb.setBounds (wide ? wideMinBounds : narrowMinBounds);
    maxThumb.setBounds (wide ? wideMaxBounds : narrowMaxBounds);
}

SliderWrapper* CustomSlider::focusedThumb() noexcept
{
    if (minThumb.hasKeyboardFocus (false))  return &minThumb;
    if (maxThumb.hasKeyboardFocus (false))  return &maxThumb;
    return nullptr;
}

void CustomSlider::stepFocusedThumb (int delta)
{
    auto* thumb = focusedThumb();
    if (thumb == nullptr)
        return;

    const int target = position (*thumb) + delta;
    if (target < 0 || target > topPosition())
        return;

    // Wide: a key never pushes one thumb into the other.
    if (wide && delta > 0 && thumb == &minThumb && target > position (maxThumb))
        return;

    if (wide && delta < 0 && thumb == &maxThumb && target < position (minThumb))
        return;

    thumb->setValue ((double) target, juce::sendNotificationSync);
}

bool CustomSlider::keyPressed (const juce::KeyPress& key)
{
    auto* focused = focusedThumb();
    auto* host = PanelHost::find (this);
    juce::Component* from = focused != nullptr ? static_cast<juce::Component*> (focused) : this;

    switch (WidgetFocus::classify (key))
    {
        case NavigationKey::up:
            stepFocusedThumb (1);
            return focused != nullptr;

        case NavigationKey::down:
            stepFocusedThumb (-1);
            return focused != nullptr;

        case NavigationKey::right:
        case NavigationKey::tab:
            if (focused == &minThumb)
            {
                maxThumb.grabKeyboardFocus();
                return true;
            }

            if (host == nullptr)
                return false;

            host->focusNext (from);
            return true;

        case NavigationKey::left:
        case NavigationKey::shiftTab:
            if (focused == &maxThumb)
            {
                minThumb.grabKeyboardFocus();
                return true;
            }

            if (host == nullptr)
                return false;

            host->focusPrevious (from);
            return true;

        case NavigationKey::back:
            if (host == nullptr)
                return false;

            host->navigateBack (from);
            return true;

        case NavigationKey::enter:
        case NavigationKey::none:
            break;
    }

    return false;
}
