#include "editor/LineBrowser.h"
#include "FakeNavigator.h"
#include "JuceTestPrinters.h"

#include <gtest/gtest.h>

namespace
{
using Ends = LineBrowserButton::Ends;

struct RecordingMirror : LineBrowser::Mirror
{
    juce::StringArray calls;
    void mirrorLevel (int level, const juce::String& name) override { calls.add (juce::String (level) + " " + name); }
    void placeBrowserBesideMainWindow() override                    { calls.add ("place"); }
};

struct LineBrowserTest : ::testing::Test
{
    LineBrowser bar;
    FakeNavigator navigator;
    RecordingMirror mirror;

    void SetUp() override
    {
        bar.setNavigator (&navigator);
        bar.setMirror (&mirror);
    }

    /** Each step as "text:flags", flags v visible, h highlighted, c current, d dimmed, e end images;
        "-" for a hidden step. */
    juce::String steps()
    {
        juce::StringArray out;

        for (auto step : { LineBrowser::modelStep, LineBrowser::sectionStep, LineBrowser::effectStep, LineBrowser::slotStep })
        {
            auto& s = bar.getStep (step);
            if (! s.isVisible())
            {
                out.add ("-");
                continue;
            }

            juce::String flags;
            if (s.isHighlighted()) flags << "h";
            if (s.isCurrent())     flags << "c";
            if (s.isDimmed())      flags << "d";
            if (step != LineBrowser::modelStep && s.getEnds() == Ends::end) flags << "e";
            out.add (s.getButtonText() + ":" + flags);
        }

        return out.joinIntoString (" | ");
    }

    juce::String mirrored()
    {
        const auto joined = mirror.calls.joinIntoString (", ");
        mirror.calls.clear();
        return joined;
    }

    void click (LineBrowser::Step step)
    {
        bar.getStep (step).triggerClick();
        juce::MessageManager::getInstance()->runDispatchLoopUntil (20);
    }
};
} // namespace

TEST_F (LineBrowserTest, EachLevelShowsItsStepsAndTellsTheBrowser)
{
    EXPECT_EQ (steps(), "QZT-7200: | - | - | -");
    EXPECT_EQ (bar.getBounds(), juce::Rectangle<int> (0, 0, 703, 29));
    // Neighbours overlap by 19 px, the last step ends at the bar's edge.
    EXPECT_EQ (bar.getStep (LineBrowser::slotStep).getBounds(), juce::Rectangle<int> (513, 0, 190, 29));

    bar.showLinePathSection ("SCENE FX", false);
    EXPECT_EQ (steps(), "QZT-7200:d | SCENE FX:ce | - | -");
    EXPECT_EQ (mirrored(), "2 SCENE FX");

    bar.showLinePathEffect ("BPF ECHO");
    EXPECT_EQ (steps(), "QZT-7200:d | SCENE FX:cd | BPF ECHO:ce | -");
    EXPECT_EQ (mirrored(), "3 BPF ECHO");

    bar.showLinePathSection ("X-PAD FX", true);
    bar.showLinePathEffect ("SAMPLER");
    bar.showLinePathSlot ("BANK2-SLOT3");
    EXPECT_EQ (steps(), "QZT-7200:d | X-PAD FX:cd | SAMPLER:cd | BANK2-SLOT3:ce");
    EXPECT_EQ (mirrored(), "2 X-PAD FX, place, 3 SAMPLER, 4 BANK2-SLOT3");

    // Back to the section: the lower steps go and lose their pin; the section step ends the path again.
    bar.showLinePathSection ("X-PAD FX", false);
    EXPECT_EQ (steps(), "QZT-7200:d | X-PAD FX:ce | - | -");
    EXPECT_FALSE (bar.getStep (LineBrowser::slotStep).isCurrent());

    bar.showLinePathRoot();
    EXPECT_EQ (steps(), "QZT-7200:c | - | - | -");
    EXPECT_EQ (mirrored(), "2 X-PAD FX, 1 QZT-7200");
}

TEST_F (LineBrowserTest, PreviewsLightStepsWithoutChangingLevel)
{
    bar.showLinePathRoot();
    mirror.calls.clear();

    bar.previewLinePathSection ("RELEASE FX");
    EXPECT_EQ (steps(), "QZT-7200:c | RELEASE FX:he | - | -");

    // An effect preview on one line; the section step continues into it.
    bar.setLinePathLeaf ("BPF\nECHO", false);
    EXPECT_EQ (steps(), "QZT-7200:c | RELEASE FX:h | BPF ECHO:he | -");
    bar.setLinePathLeaf ("REVERB  UP", false);
    EXPECT_EQ (bar.getStepText (LineBrowser::effectStep), "REVERB UP");

    // The lock position: no effect step, the section ends the path.
    bar.setLinePathLeaf ("LOCK", true);
    EXPECT_EQ (steps(), "QZT-7200:c | RELEASE FX:he | - | -");
    EXPECT_TRUE (mirror.calls.isEmpty());

    // A current section step is not lit by a preview below it.
    bar.showLinePathSection ("SCENE FX", false);
    bar.setLinePathLeaf ("NOISE", false);
    EXPECT_EQ (steps(), "QZT-7200:cd | SCENE FX:c | NOISE:he | -");
}

TEST_F (LineBrowserTest, ClickingAStepTakesThePanelBackToItsLevel)
{
    bar.showLinePathSection ("SCENE FX", false);
    bar.showLinePathEffect ("BPF ECHO");

    click (LineBrowser::modelStep);
    EXPECT_EQ (navigator.take(), "focusPanel, resetSections");
    click (LineBrowser::sectionStep);
    EXPECT_EQ (navigator.take(), "focusPanel, reopenCurrentSection");
    click (LineBrowser::effectStep);
    EXPECT_EQ (navigator.take(), "selectSectionEffect 1 0");

    bar.setLinePathLeaf ("REVERB  UP", false);
    click (LineBrowser::effectStep);
    EXPECT_EQ (navigator.take(), "selectSectionEffect 1 4");

    // A name left from elsewhere reopens the effect last asked for.
    bar.setLinePathLeaf ("ISOLATOR", false);
    click (LineBrowser::effectStep);
    EXPECT_EQ (navigator.take(), "selectSectionEffect 1 -1");

    // An empty effect step is no effect, although the name table runs on with empty entries.
    bar.showLinePathSection ("ISOLATE FX", false);
    bar.setLinePathLeaf ({}, false);
    click (LineBrowser::effectStep);
    EXPECT_EQ (navigator.take(), "selectSectionEffect 0 -1");

    // With no section name on the section step, the effect step does nothing.
    bar.previewLinePathSection ("SAMPLER");
    bar.setLinePathLeaf ("ROLL", false);
    click (LineBrowser::effectStep);
    EXPECT_EQ (navigator.take(), "");

    click (LineBrowser::slotStep);
    EXPECT_EQ (navigator.take(), "focusSampleEditor");
}

TEST_F (LineBrowserTest, SavedStepsComeBackExactly)
{
    bar.showLinePathSection ("SCENE FX", false);
    bar.showLinePathEffect ("HPF ECHO");
    bar.previewLinePathSection ("SCENE FX");
    const auto before = steps();
    const auto saved = bar.saveSteps();
    mirror.calls.clear();

    bar.showLinePathSection ("X-PAD FX", false);
    bar.showLinePathEffect ("SAMPLER");
    bar.showLinePathSlot ("BANK1-SLOT1");
    ASSERT_NE (steps(), before);
    mirror.calls.clear();

    bar.restoreSteps (saved);
    EXPECT_EQ (steps(), before);
    EXPECT_EQ (bar.saveSteps(), saved);
    EXPECT_TRUE (mirror.calls.isEmpty());
}

TEST_F (LineBrowserTest, AStepsFaceFollowsItsFlagsNotTheMouse)
{
    // Faces told apart by their widths: middle 1..4, end 5..8 (normal, over, down, disabled).
    const auto set = [] (int first)
    {
        LineBrowserButton::ImageSet images;
        for (int i = 0; i < 4; ++i)
            images[(size_t) i] = juce::Image (juce::Image::ARGB, first + i, 1, true);
        return images;
    };

    auto& step = bar.getStep (LineBrowser::sectionStep);
    step.setImageSets (set (1), set (5));
    const auto face = [&] { return step.getCurrentImage().getWidth(); };

    step.useImages (Ends::middle);
    EXPECT_EQ (face(), 1);
    step.setState (juce::Button::buttonOver);
    EXPECT_EQ (face(), 1) << "hovering alone lights nothing";
    step.setHighlighted (true);
    EXPECT_EQ (face(), 2);
    step.setDimmed (true);
    EXPECT_EQ (face(), 4);
    EXPECT_FALSE (step.isTextBright());

    // Pressed, a dimmed step shows its down face and bright text.
    step.setState (juce::Button::buttonDown);
    EXPECT_EQ (face(), 3);
    EXPECT_TRUE (step.isTextBright());

    step.setState (juce::Button::buttonNormal);
    step.useImages (Ends::end);
    EXPECT_EQ (face(), 8);

    // The whole rectangle takes clicks, the notch for the neighbour's arrow too.
    EXPECT_TRUE (step.hitTest (1, 14));
    EXPECT_TRUE (step.hitTest (189, 0));
}
