#include "widgets/CustomMaskedImageComponent.h"

#include "core/ParameterTables.h"
#include "widgets/WidgetFocus.h"

namespace
{
// The knob's pivot in its picture and the arc's radius.
constexpr float centreX = 49.0f, centreY = 53.0f, radius = 48.5f;

// Where the scale starts, and how far the values turn. The plain arc's end is reckoned with 3.14 for
// pi, so its last step stops a hair (0.004 rad) short of the reverse arc's end.
constexpr float startTurns = 1.25f, valueTurns = 0.75f;
constexpr float piApprox = 3.14f;
constexpr float reverseEnd = 8.63938f;     // 2.75 pi
} // namespace

CustomMaskedImageComponent::CustomMaskedImageComponent() = default;
CustomMaskedImageComponent::~CustomMaskedImageComponent() = default;

juce::Path CustomMaskedImageComponent::arcMask (float fromRadians, float toRadians)
{
    // The chord closes the arc: the mask is the segment of the circle between the two.
    juce::Path p;
    p.addCentredArc (centreX, centreY, radius, radius, 0.0f, fromRadians, toRadians, true);
    p.closeSubPath();
    return p;
}

void CustomMaskedImageComponent::setValue (ValueLabelKind kind, int v, bool reverseArc)
{
    const int n = ParameterTables::numValueLabelChoices (kind);
    auto& mask = reverseArc ? reverseArcMask : plainArcMask;
    auto& hidden = reverseArc ? reverseHidden : plainHidden;

    // One label (or none) leaves no steps to divide the scale into.
    hidden = n < 2;
    mask.clear();

    if (! hidden)
    {
        const int value = juce::jlimit (0, n - 1, v);
        const float step = valueTurns / (float) (n - 1);

        if (reverseArc)
        {
            // bandCut lists its labels from the top of the scale down ("-6dB" first).
            const int fromEnd = kind == ValueLabelKind::bandCut ? n - value - 1 : value;
            mask = arcMask ((step * (float) fromEnd + startTurns) * juce::MathConstants<float>::pi, reverseEnd);
        }
        else
        {
            mask = arcMask (startTurns * juce::MathConstants<float>::pi, (step * (float) value + 2.0f) * piApprox);
        }
    }

    repaint();
}

void CustomMaskedImageComponent::paint (juce::Graphics& g)
{
    if (plainHidden || reverseHidden)
        return;

    if (! plainArcMask.isEmpty())
        g.reduceClipRegion (plainArcMask);

    if (! reverseArcMask.isEmpty())
        g.reduceClipRegion (reverseArcMask);

    juce::ImageComponent::paint (g);
}

void CustomMaskedImageComponent::mouseUp (const juce::MouseEvent& e)
{
    juce::ImageComponent::mouseUp (e);
    WidgetFocus::raiseFocusOnMouseUp (*this);
}
