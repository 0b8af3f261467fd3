#include "WidgetTestSupport.h"

#include "ImageCompare.h"
#include "JuceTestPrinters.h"
#include "assets/SkinImages.h"
#include "widgets/DraggableButton.h"
#include "widgets/DropTargetImage.h"

#include <gtest/gtest.h>

using namespace widgettest;

namespace
{
struct BeatDropTest : ::testing::Test
{
    FakePanelHost host;
    DropTargetImage target;
    int32_t& position0 = host.document.xpad[XPadEffect::xpad].values[16];

    void SetUp() override { host.addAndMakeVisible (target); }

    void drop (const juce::var& description)
    {
        target.itemDragEnter ({ description, nullptr, { 5, 5 } });
        target.itemDropped ({ description, nullptr, { 5, 5 } });
    }

    int undoEntries() { return host.editor.getHistory().getNumEntries(); }
};

int pixelsNear (const juce::Image& image, juce::Colour colour)
{
    int n = 0;
    for (int y = 0; y < image.getHeight(); ++y)
        for (int x = 0; x < image.getWidth(); ++x)
            n += channelDistance (image.getPixelAt (x, y), colour) < 40 ? 1 : 0;
    return n;
}
} // namespace

TEST_F (BeatDropTest, ABeatTextStoresItsIndexAndCommitsOnceAnythingElseChangesNothing)
{
    // An unbound target takes the drop and commits nothing.
    EXPECT_TRUE (target.isInterestedInDragSource ({ "1/4", nullptr, {} }));
    drop ("1/4");
    EXPECT_EQ (host.commits, 0);

    target.setValuePointer (&position0);
    drop ("1/3");
    EXPECT_EQ (position0, 15);
    EXPECT_FALSE (target.isDragOver());
    drop ("1/2");
    EXPECT_EQ (position0, 0);
    EXPECT_EQ (host.commits, 2);

    // The same beat again commits, but the commit finds no change: no undo entry.
    const auto entries = undoEntries();
    drop ("1/2");
    EXPECT_EQ (host.commits, 3);
    EXPECT_EQ (undoEntries(), entries);

    for (const juce::var& other : { juce::var ("1/5"), juce::var ("1/3 "), juce::var(), juce::var (15) })
    {
        drop (other);
        EXPECT_EQ (position0, 0) << other.toString();
        EXPECT_FALSE (target.isDragOver());
    }
    EXPECT_EQ (host.commits, 3);
}

TEST_F (BeatDropTest, TheHighlightShowsWhileADragHoversAndTheBeatInAmber)
{
    SkinImages::ScopedOverride highlight (SkinImageId::dropTargetHighlight, plain (40, 40, juce::Colour (0xff00a000)));
    auto shot = [this] { return target.createComponentSnapshot (target.getLocalBounds(), true, 1.0f); };

    EXPECT_EQ (target.getWidth(), 40);
    EXPECT_EQ (shot().getPixelAt (1, 1).getAlpha(), 0);
    target.itemDragEnter ({ "1/8", nullptr, {} });
    EXPECT_EQ (shot().getPixelAt (1, 1), juce::Colour (0xff00a000));
    target.itemDragExit ({ "1/8", nullptr, {} });       // left without dropping
    EXPECT_EQ (shot().getPixelAt (1, 1).getAlpha(), 0);

    target.setValuePointer (&position0);
    position0 = 9;
    EXPECT_GT (pixelsNear (shot(), juce::Colour (0xfff8c840)), 10);
    position0 = 16;                                      // outside the table: no text
    EXPECT_EQ (pixelsNear (shot(), juce::Colour (0xfff8c840)), 0);
}

TEST (DragImageTest, TheBeatPictureWithTheTextAt46By46MadeAfreshOnEveryPress)
{
    const juce::Colour key (0xff303a48);
    SkinImages::ScopedOverride beat (SkinImageSets::beatButton[SkinPressState::normal], plain (46, 46, key));

    DraggableButton button (nullptr);
    button.setButtonText ("1/24");
    button.setSize (46, 46);
    button.setVisible (true);
    EXPECT_FALSE (button.getDragImage().isValid());

    button.mouseDown (mouseAt (button, { 20, 20 }));
    const auto first = button.getDragImage();
    ASSERT_EQ (first.getBounds(), juce::Rectangle<int> (0, 0, 46, 46));
    EXPECT_TRUE (first.hasAlphaChannel());
    EXPECT_EQ (first.getPixelAt (1, 1), key);
    EXPECT_GT (pixelsNear (first, juce::Colour (248, 248, 248)), 10);

    // The button's own mouse-down ran: it shows pressed while the drag goes on.
    EXPECT_EQ (button.getState(), juce::Button::buttonDown);

    button.setButtonText ("8/1");
    button.mouseDown (mouseAt (button, { 20, 20 }));
    const auto second = button.getDragImage();
    int differing = 0;
    for (int y = 0; y < 46; ++y)
        for (int x = 0; x < 46; ++x)
            differing += first.getPixelAt (x, y) != second.getPixelAt (x, y) ? 1 : 0;
    EXPECT_GT (differing, 10);
}
