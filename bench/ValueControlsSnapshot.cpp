// Draws the value controls without a display, at twice their size, for a look: the narrow and the
// wide range slider in two states each, a popup slider open above a closed one, and the image knob
// at three values (with plain stand-in layers: the sample editor gives the knob its pictures).
// Usage: value_controls_snapshot [out.png] (value-controls.png in the build folder by default)

#include "widgets/ComboLabel.h"
#include "widgets/CustomSlider.h"
#include "widgets/PopupSlider.h"
#include "widgets/WidgetRotary.h"

#include <cstdio>

namespace
{
const juce::Colour panelColour (0xff1b1c20), captionColour (0xff9a9ca3);

juce::Image layer (std::function<void (juce::Graphics&)> draw)
{
    juce::Image image (juce::Image::ARGB, 72, 72, true);
    juce::Graphics g (image);
    draw (g);
    return image;
}

class Sheet : public juce::Component
{
public:
    Sheet()
    {
        minLabel.bindValue (ValueLabelKind::levelScale, &levelMin, nullptr, true);
        maxLabel.bindValue (ValueLabelKind::levelBoostCut, &levelMax, nullptr, true);

        for (auto* label : { &minLabel, &maxLabel })
        {
            label->setFont (CustomLookAndFeel::skinFont (16.0f));
            label->setColour (juce::Label::textColourId, juce::Colours::white);
            addAndMakeVisible (label);
        }

        minLabel.setJustificationType (juce::Justification::centredRight);
        maxLabel.setJustificationType (juce::Justification::centredLeft);

        for (auto* slider : { &narrowFull, &narrowSingle, &wide, &widePinned })
            addAndMakeVisible (slider);

        narrowFull.setValuePointers (&freq[0], &freq[1]);
        narrowSingle.setValuePointers (&freq[2], &freq[3]);
        wide.setValuePointers (&levelMin, &levelMax);
        widePinned.setValuePointers (&pinnedMin, &pinnedMax);

        addAndMakeVisible (minus);
        addAndMakeVisible (plus);
        minus.keyPressed (juce::KeyPress (juce::KeyPress::returnKey));     // opens it

        const auto base = layer ([] (juce::Graphics& g)
        {
            g.setGradientFill (juce::ColourGradient::vertical (juce::Colour (0xff4a4d55), 4.0f, juce::Colour (0xff1d1e22), 68.0f));
            g.fillEllipse (4.0f, 4.0f, 64.0f, 64.0f);
        });
        const auto pointer = layer ([] (juce::Graphics& g)
        {
            g.setColour (juce::Colour (0xfff0f0f0));
            g.fillRoundedRectangle (34.0f, 8.0f, 4.0f, 20.0f, 2.0f);
        });
        const auto top = layer ([] (juce::Graphics& g)
        {
            g.setColour (juce::Colour (0xff2a2c31));
            g.fillEllipse (24.0f, 24.0f, 24.0f, 24.0f);
            g.setColour (juce::Colour (0xff3fa0ff));
            g.fillEllipse (34.0f, 26.0f, 4.0f, 4.0f);
        });

        for (double value : { 0.0, 128.0, 255.0 })
        {
            auto* knob = knobs.add (new WidgetRotary ("knob"));
            knob->setRange (0.0, 255.0, 1.0);
            knob->setImages (base, {}, pointer, {}, top);
            knob->setValue (value, juce::dontSendNotification);
            addAndMakeVisible (knob);
        }

        setSize (600, 330);
    }

    void resized() override
    {
        narrowFull.setBounds (20, 40, 248, 28);
        narrowSingle.setBounds (20, 100, 248, 28);
        wide.setBounds (320, 40, 248, 28);
        widePinned.setBounds (320, 100, 248, 28);
        minLabel.setBounds (354, 22, 49, 14);
        maxLabel.setBounds (485, 22, 64, 14);
        minus.setBounds (40, 180, 163, 51);
        plus.setBounds (40, 250, 163, 51);

        for (int i = 0; i < knobs.size(); ++i)
            knobs[i]->setBounds (300 + 96 * i, 190, 72, 72);
    }

    void paint (juce::Graphics& g) override
    {
        g.fillAll (panelColour);
        g.setColour (captionColour);
        g.setFont (CustomLookAndFeel::skinFont (11.0f));

        const auto caption = [&] (const juce::String& text, int x, int y)
        {
            g.drawFittedText (text, x, y, 260, 12, juce::Justification::centredLeft, 1);
        };

        caption ("narrow: min 0, max 2", 20, 72);
        caption ("narrow: min 1, max 1", 20, 132);
        caption ("wide: min 1 (-18dB), max 6 (-6dB)", 320, 72);
        caption ("wide: min 2 pinned at max 6", 320, 132);
        caption ("pitch minus (reversed), open at -4", 40, 234);
        caption ("pitch plus, closed at +8", 40, 304);
        caption ("knob at 0, 128 and 255", 330, 268);
    }

private:
    int32_t freq[4] { 0, 2, 1, 1 };
    int32_t levelMin = 1, levelMax = 6, pinnedMin = 2, pinnedMax = 6;
    int32_t pitchMinus = 3, pitchPlus = 7;
    ComboLabel minLabel, maxLabel;
    CustomSlider narrowFull { false, nullptr, nullptr }, narrowSingle { false, nullptr, nullptr };
    CustomSlider wide { true, &minLabel, &maxLabel }, widePinned { true, nullptr, nullptr };
    PopupSlider minus { DbStepRow::pitchMinus, &pitchMinus }, plus { DbStepRow::pitchPlus, &pitchPlus };
    juce::OwnedArray<WidgetRotary> knobs;
};
} // namespace

int main (int argc, char** argv)
{
    const juce::ScopedJuceInitialiser_GUI juce;
    const auto file = argc > 1 ? juce::File::getCurrentWorkingDirectory().getChildFile (juce::String::fromUTF8 (argv[1]))
                               : juce::File (TESSALIN_BUILD_DIR).getChildFile ("value-controls.png");
    CustomLookAndFeel skin;
    juce::LookAndFeel::setDefaultLookAndFeel (&skin);   // the skin's typefaces are asked of the default one

    bool written = false;
    {
        Sheet sheet;
        const auto image = sheet.createComponentSnapshot (sheet.getLocalBounds(), true, 2.0f);
        file.deleteFile();
        juce::FileOutputStream out (file);
        written = out.openedOk() && juce::PNGImageFormat().writeImageToStream (image, out);
    }

    juce::LookAndFeel::setDefaultLookAndFeel (nullptr);

    if (! written)
    {
        std::fprintf (stderr, "cannot write %s\n", file.getFullPathName().toRawUTF8());
        return 1;
    }

    std::printf ("%s\n", file.getFullPathName().toRawUTF8());
    return 0;
}
