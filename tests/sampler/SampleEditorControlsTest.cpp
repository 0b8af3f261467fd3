// The slot editor's range slider and file path drawn off screen: the brackets of a whole-source range
// close over the track's end marks, and a long path keeps the file's name in view.

#include "JuceTestPrinters.h"
#include "sampler/SampleComponent.h"
#include "sampler/SampleSlider.h"
#include "sampler/SamplerLookAndFeel.h"

#include <gtest/gtest.h>

namespace
{
// The brackets are light grey; the range bar between them is blue.
bool isStroke (juce::Colour c)   { return c.getAlpha() == 255 && c.getBrightness() > 0.5f && c.getSaturation() < 0.2f; }

/** The columns of a row of an image where a test holds. */
template <typename Test>
std::vector<int> columnsWhere (const juce::Image& image, int y, Test test)
{
    std::vector<int> columns;

    for (int x = 0; x < image.getWidth(); ++x)
        if (test (image.getPixelAt (x, y)))
            columns.push_back (x);

    return columns;
}

bool contains (const std::vector<int>& columns, int x)
{
    return std::find (columns.begin(), columns.end(), x) != columns.end();
}
} // namespace

TEST (SampleEditorControls, AWholeSourceRangeClosesItsBracketsOverTheTracksEndMarks)
{
    // The marks as the track picture has them, along its top.
    const auto track = SkinImages::get (SkinImageId::sampleRangeTrack);
    const auto marks = columnsWhere (track, 2, [] (juce::Colour c) { return c.getAlpha() > 0; });
    ASSERT_GE (marks.size(), 2u);

    // Placed before it joins the editor, as the editor builds it; the window's look is the parent's.
    SamplerLookAndFeel lookAndFeel;
    juce::Component editor;
    editor.setLookAndFeel (&lookAndFeel);
    SampleSlider slider;
    slider.setBounds (0, 0, track.getWidth(), track.getHeight());
    slider.setRange (0.0, 4000.0, 0.0);
    editor.setSize (track.getWidth(), track.getHeight());
    editor.addAndMakeVisible (slider);

    const auto strokesAt = [&] (double start, double end)
    {
        slider.setMinAndMaxValues (start, end, juce::dontSendNotification);
        return columnsWhere (slider.createComponentSnapshot (slider.getLocalBounds()), track.getHeight() / 2, isStroke);
    };

    const auto whole = strokesAt (0.0, 4000.0);
    EXPECT_TRUE (contains (whole, marks.front()) && contains (whole, marks.back()));

    // The marks are tenths of the source.
    const auto part = strokesAt (400.0, 2000.0);
    EXPECT_TRUE (contains (part, marks[1]) && contains (part, marks[marks.size() / 2]));
    editor.setLookAndFeel (nullptr);
}

TEST (SampleEditorControls, ALongPathKeepsTheFilesNameInView)
{
    const juce::Font font (14.0f);
    const juce::String folder ("/home/dj/Music/Sets/2026 Summer Tour/Warm-up/");
    const juce::String path = folder + "Amen Break 170bpm.wav";
    const auto width = font.getStringWidthFloat ("Amen Break 170bpm.wav") + 80.0f;

    EXPECT_EQ (SampleComponent::fitPath (path, font, 2000.0f), path) << "a path that fits is shown whole";

    // Whole folders go first; a name too long for the field keeps its end.
    const auto fitted = SampleComponent::fitPath (path, font, width);
    EXPECT_LE (font.getStringWidthFloat (fitted), width);
    EXPECT_TRUE (fitted.startsWith (".../") && path.endsWith (fitted.substring (3))) << fitted;
    EXPECT_EQ (SampleComponent::fitPath (path, font, font.getStringWidthFloat ("...170bpm.wav") + 1.0f), "...170bpm.wav");
}
