#include "WidgetTestSupport.h"

#include "JuceTestPrinters.h"
#include "widgets/ComboLabel.h"
#include "widgets/CustomMaskedImageComponent.h"
#include "widgets/ValueCombo.h"

#include <gtest/gtest.h>

using namespace widgettest;
using K = juce::KeyPress;
using Kind = ValueLabelKind;

namespace
{
/** The point 2 pixels inside the arc's circle at an angle in turns of pi, clockwise from 12 o'clock. */
juce::Point<float> onScale (float turnsOfPi)
{
    const auto a = turnsOfPi * juce::MathConstants<float>::pi;
    return { 49.0f + 46.5f * std::sin (a), 53.0f - 46.5f * std::cos (a) };
}

bool covers (const juce::Path& mask, float turnsOfPi)    { return mask.contains (onScale (turnsOfPi)); }

bool paintsAt (CustomMaskedImageComponent& arc, float turnsOfPi)
{
    juce::Image out (juce::Image::ARGB, 97, 88, true);
    juce::Graphics g (out);
    arc.paintEntireComponent (g, false);
    const auto p = onScale (turnsOfPi).roundToInt();
    return out.getPixelAt (p.x, p.y).getAlpha() > 0;
}

struct ChangeCount : juce::Label::Listener, juce::ComboBox::Listener
{
    void labelTextChanged (juce::Label*) override        { ++count; }
    void comboBoxChanged (juce::ComboBox*) override      { ++count; }
    int count = 0;
};
} // namespace

TEST (ComboLabel, ShowsTheReversedAndPatternKindsNothingOutsideTheRowAndDrivesItsArc)
{
    ComboLabel label;
    ChangeCount changes;
    label.addListener (&changes);
    int32_t v = 0;

    label.bindValue (Kind::levelScale, &v, nullptr, true);
    EXPECT_EQ (label.getText(), juce::String::fromUTF8 ("-\xe2\x88\x9e" "dB"));
    v = 7;
    label.updateText();
    EXPECT_EQ (label.getText(), "+6dB");
    v = 2;
    label.bindValue (Kind::pattern, &v, nullptr, true);
    EXPECT_EQ (label.getText(), "P-3");

    for (auto [kind, value] : { std::pair { Kind::filterWidth, 3 }, { Kind::filterWidth, -1 }, { Kind::levelScale, 8 },
                                { Kind::pattern, 3 }, { static_cast<Kind> (30), 0 } })
    {
        v = value;
        label.bindValue (kind, &v, nullptr, true);
        EXPECT_TRUE (label.getText().isEmpty()) << toInt (kind) << ", " << value;
    }

    label.setText ("kept", juce::dontSendNotification);
    label.bindValue (Kind::defaultMildWild, nullptr, nullptr, true);
    EXPECT_EQ (label.getText(), "kept");
    EXPECT_EQ (changes.count, 0);
    label.removeListener (&changes);

    // Two read-outs drive one arc: the lower end (kind 17 counts from "-6dB") and the upper end.
    CustomMaskedImageComponent arc;
    ComboLabel low, high;
    int32_t minimum = 3, maximum = 0;       // "-inf dB" up to "0dB"
    low.bindValue (Kind::bandCut, &minimum, &arc, true);
    high.bindValue (Kind::bandBoost, &maximum, &arc, false);
    EXPECT_TRUE (covers (arc.getReverseArcMask(), 1.3f));
    EXPECT_TRUE (covers (arc.getPlainArcMask(), 1.9f));
    EXPECT_FALSE (covers (arc.getPlainArcMask(), 2.1f));
}

TEST (CustomMaskedImageComponent, ArcsStepOverTheScaleClampAndNeverDivideByZero)
{
    CustomMaskedImageComponent arc;

    // Three labels: value 0 runs from 1.25 pi to 6.28 rad, each step is 0.375 pi more.
    arc.setValue (Kind::filterWidth, 0, false);
    EXPECT_FALSE (covers (arc.getPlainArcMask(), 1.2f));
    EXPECT_TRUE (covers (arc.getPlainArcMask(), 1.97f));
    EXPECT_FALSE (covers (arc.getPlainArcMask(), 2.03f));
    arc.setValue (Kind::filterWidth, 1, false);
    EXPECT_TRUE (covers (arc.getPlainArcMask(), 2.33f));
    EXPECT_FALSE (covers (arc.getPlainArcMask(), 2.42f));
    arc.setValue (Kind::filterWidth, 99, false);
    EXPECT_TRUE (covers (arc.getPlainArcMask(), 2.72f));
    EXPECT_FALSE (covers (arc.getPlainArcMask(), 2.8f));

    // The reverse arc runs from the value to the end; kind 17's value 0 is the top of the scale.
    arc.setValue (Kind::bandCut, 0, true);
    EXPECT_FALSE (covers (arc.getReverseArcMask(), 1.95f));
    EXPECT_TRUE (covers (arc.getReverseArcMask(), 2.7f));
    arc.setValue (Kind::bandBoost, 2, true);
    EXPECT_FALSE (covers (arc.getReverseArcMask(), 1.7f));
    EXPECT_TRUE (covers (arc.getReverseArcMask(), 1.8f));

    // Painted, only what both masks hold shows: 1.75 pi up to the top.
    arc.setImage (plain (97, 88, juce::Colours::orange), juce::RectanglePlacement::stretchToFit);
    arc.setBounds (0, 0, 97, 88);
    arc.setValue (Kind::bandBoost, 0, false);
    EXPECT_FALSE (paintsAt (arc, 1.5f));
    EXPECT_TRUE (paintsAt (arc, 1.9f));
    EXPECT_FALSE (paintsAt (arc, 2.2f));

    // A kind without labels has no step to divide by: no arc at all, not the whole image.
    arc.setValue (static_cast<Kind> (99), 1, false);
    EXPECT_FALSE (paintsAt (arc, 1.9f));
    arc.setValue (Kind::bandBoost, 3, false);
    EXPECT_TRUE (paintsAt (arc, 1.9f));
}

TEST (ValueCombo, BindsSilentlyRoutesNavigationKeysAndWritesOnlyWhenApplied)
{
    FakePanelHost host;
    ValueCombo box;
    CustomMaskedImageComponent arc;
    ChangeCount changes;
    host.addAndMakeVisible (box);
    box.addListener (&changes);
    int32_t v = 3;

    box.bindValue (&v, false, Kind::filterWidth, &arc);
    ASSERT_EQ (box.getNumItems(), 3);
    EXPECT_EQ (box.getItemId (2), 3);
    EXPECT_EQ (box.getSelectedId(), 0) << "a value without an item selects nothing";
    box.bindValue (&v, false, Kind::longEchoTime, &arc);
    EXPECT_EQ (box.getNumItems(), 9);
    v = 1;
    box.bindValue (&v, false, Kind::filterWidth, &arc);
    EXPECT_EQ (box.getSelectedId(), 2);

    for (const auto& key : { K (K::escapeKey), K (K::rightKey), K (K::tabKey), K (K::leftKey), shiftTab })
        EXPECT_TRUE (box.keyPressed (key));
    using C = FakePanelHost::Call;
    EXPECT_EQ (host.takeNavigation(), (std::vector<FakePanelHost::Navigation> {
        { C::back, &box }, { C::next, &box }, { C::next, &box }, { C::previous, &box }, { C::previous, &box } }));

    // Down changes the selection; the panel stores it.
    box.keyPressed (K (K::downKey));
    EXPECT_EQ (v, 1);
    EXPECT_TRUE (box.applySelection());
    EXPECT_EQ (v, 2);
    EXPECT_TRUE (covers (arc.getPlainArcMask(), 2.7f));
    box.bindValue (nullptr, false, Kind::filterWidth, &arc);
    box.setSelectedId (1, juce::dontSendNotification);
    EXPECT_FALSE (box.applySelection());
    EXPECT_EQ (v, 2);

    pump (30);
    EXPECT_EQ (changes.count, 1) << "only the key's change is announced";
    box.removeListener (&changes);
}
