#include "WidgetTestSupport.h"

#include "JuceTestPrinters.h"
#include "TestDocuments.h"
#include "widgets/PopupSlider.h"

#include <gtest/gtest.h>

using namespace widgettest;
using K = juce::KeyPress;

namespace
{
/** The PITCH record's minus (reversed) and plus values in the fake panel. */
struct PopupSliderTest : ::testing::Test
{
    FakePanelHost host;
    int32_t& minus = host.document.xpad[XPadEffect::pitch].values[2];
    int32_t& plus = host.document.xpad[XPadEffect::pitch].values[3];
    std::unique_ptr<DeviceSettings> before = createDeviceSettings();

    void SetUp() override
    {
        minus = 3;
        plus = 9;
        host.lastSent = host.document;
        *before = host.document;
    }

    int historyPosition() { return host.editor.getHistory().getPosition(); }
};
} // namespace

TEST_F (PopupSliderTest, BuildingAndRefreshingShowTheStoredPositionAndWriteNothing)
{
    PopupSlider minusSlider (DbStepRow::pitchMinus, &minus), plusSlider (DbStepRow::pitchPlus, &plus);
    host.addAndMakeVisible (minusSlider);
    EXPECT_EQ (minusSlider.getSlider().getValue(), 8.0) << "11 - 3";
    EXPECT_EQ (minusSlider.getLabel().getText(), "-4");
    EXPECT_EQ (plusSlider.getSlider().getValue(), 9.0);
    EXPECT_EQ (plusSlider.getLabel().getText(), "+10");

    // A value the document should never hold is shown clamped and left alone.
    minus = 40;
    minusSlider.refreshFromValue();
    EXPECT_EQ (minusSlider.getSlider().getValue(), 0.0);
    EXPECT_EQ (minusSlider.getLabel().getText(), "-12");
    EXPECT_EQ (minus, 40);

    minus = 3;
    minusSlider.refreshFromValue();
    EXPECT_EQ (host.commits, 0);
    EXPECT_TRUE (TestDocuments::sameBytes (host.document, *before));
}

TEST_F (PopupSliderTest, UpAndDownStopAtTheEndsAndTheReversedKindStoresElevenMinusThePosition)
{
    PopupSlider minusSlider (DbStepRow::pitchMinus, &minus), plusSlider (DbStepRow::pitchPlus, &plus);
    host.addAndMakeVisible (minusSlider);
    host.addAndMakeVisible (plusSlider);

    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE (plusSlider.keyPressed (K (K::upKey)));
    EXPECT_EQ (plus, 11);
    EXPECT_EQ (host.commits, 2) << "nothing to do at the top";

    minusSlider.keyPressed (K (K::upKey));
    EXPECT_EQ (minus, 2) << "the slider moved right, the value went down";
    for (int i = 0; i < 14; ++i)
        minusSlider.keyPressed (K (K::downKey));
    EXPECT_EQ (minus, 11);
    EXPECT_EQ (minusSlider.getLabel().getText(), "-12");
    EXPECT_EQ (historyPosition(), 2 + 1 + 9);
    EXPECT_FALSE (minusSlider.isPopupOpen()) << "stepping does not open the popup";
}

TEST_F (PopupSliderTest, EscapeRestoresTheValueAtOpeningReturnKeepsAndClosedKeysWalkThePanel)
{
    PopupSlider minusSlider (DbStepRow::pitchMinus, &minus);
    host.addAndMakeVisible (minusSlider);

    EXPECT_TRUE (minusSlider.keyPressed (K (K::returnKey)));
    EXPECT_TRUE (minusSlider.isPopupOpen());
    EXPECT_TRUE (minusSlider.getButton().getToggleState());
    EXPECT_EQ (host.raisedPopups, std::vector<juce::Component*> { &minusSlider });
    minusSlider.keyPressed (K (K::downKey));
    minusSlider.keyPressed (K (K::downKey));
    EXPECT_EQ (minus, 5);

    EXPECT_TRUE (minusSlider.keyPressed (K (K::escapeKey)));
    EXPECT_FALSE (minusSlider.isPopupOpen());
    EXPECT_FALSE (minusSlider.getButton().getToggleState());
    EXPECT_TRUE (TestDocuments::sameBytes (host.document, *before));
    EXPECT_EQ (historyPosition(), 3) << "the way back is committed too";

    // Every other way out of an open popup cancels the same way, and none walks the panel.
    for (const auto& key : { K (K::backspaceKey), K (K::leftKey), K (K::rightKey), K (K::tabKey), shiftTab })
    {
        minusSlider.keyPressed (K (K::returnKey));
        minusSlider.keyPressed (K (K::upKey));
        EXPECT_TRUE (minusSlider.keyPressed (key));
        EXPECT_EQ (minus, 3) << key.getTextDescription();
    }

    EXPECT_TRUE (host.takeNavigation().empty());

    // Return keeps; so does a click beside the face.
    minusSlider.keyPressed (K (K::returnKey));
    minusSlider.keyPressed (K (K::upKey));
    minusSlider.keyPressed (K (K::returnKey));
    EXPECT_FALSE (minusSlider.isPopupOpen());
    minusSlider.getButton().triggerClick();
    pump (30);
    EXPECT_TRUE (minusSlider.isPopupOpen());
    minusSlider.mouseDown (mouseAt (minusSlider, { 5, 5 }));
    EXPECT_FALSE (minusSlider.getButton().getToggleState());
    EXPECT_EQ (minus, 2);

    for (const auto& key : { K (K::rightKey), shiftTab, K (K::escapeKey) })
        EXPECT_TRUE (minusSlider.keyPressed (key));
    EXPECT_FALSE (minusSlider.keyPressed (K ('a')));
    using C = FakePanelHost::Call;
    EXPECT_EQ (host.takeNavigation(), (std::vector<FakePanelHost::Navigation> {
        { C::next, &minusSlider }, { C::previous, &minusSlider }, { C::back, &minusSlider } }));

    // Taking the focus lights the face and closes the other popup slider.
    minusSlider.focusGained (juce::Component::focusChangedByMouseClick);
    EXPECT_TRUE (minusSlider.getButton().isInteractive());
    EXPECT_EQ (host.closedOtherPopupsFor, std::vector<juce::Component*> { &minusSlider });
}
