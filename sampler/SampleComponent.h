#pragma once

#include "sampler/DeleteImageButton.h"
#include "sampler/SampleFixImageButton.h"
#include "sampler/SampleImageButton.h"
#include "sampler/SampleLabel.h"
#include "sampler/SampleMenuComponentButton.h"
#include "sampler/SampleSlider.h"
#include "sampler/SampleToggleImageButton.h"
#include "sampler/ValueComboBeat.h"
#include "sampler/files/SamplePreview.h"
#include "sampler/files/SlotEditorModel.h"
#include "widgets/WidgetRotary.h"

#include <memory>
#include <vector>

class SamplerWindow;

/** The slot editor: one slot's source file, range, play mode, tempo, beat count and gain, edited on a
    copy inside the sampler window, and heard through the range preview.

    The rules live in SlotEditorModel: every control hands its edit to the model, and then every
    control shows the model's values again. OK and CANCEL report to the sampler window, which stores
    the model on OK. */
class SampleComponent : public juce::Component,
                        public juce::Button::Listener,
                        public juce::Label::Listener,
                        public juce::ComboBox::Listener,
                        public juce::Slider::Listener,
                        public juce::FileDragAndDropTarget
{
public:
    static constexpr int editorWidth = 480, editorHeight = 380;
    static constexpr int leftInWindow = 86, topInWindow = 69;

    SampleComponent (SamplerWindow& owner, std::unique_ptr<SlotEditorModel> model);
    ~SampleComponent() override;

    const SlotEditorModel& getModel() const noexcept    { return *model; }
    int getSlotIndex() const noexcept                   { return model->getSlotIndex(); }

    //==============================================================================
    // The controls, for the window and for tests.
    juce::Button& getOkButton() noexcept                { return okButton; }
    juce::Button& getCancelButton() noexcept            { return cancelButton; }
    juce::Button& getFileButton() noexcept              { return fileButton; }
    juce::Button& getDeleteButton() noexcept            { return deleteButton; }
    juce::Button& getFixBeatsButton() noexcept          { return fixBeatsButton; }
    juce::Button& getFixTempoButton() noexcept          { return fixTempoButton; }
    ValueComboBeat& getBeatsCombo() noexcept            { return beatsCombo; }
    SampleLabel& getTempoLabel() noexcept               { return tempoLabel; }
    ToggleImageButton& getOneShotButton() noexcept      { return oneShotButton; }
    ToggleImageButton& getLoopButton() noexcept         { return loopButton; }
    juce::Button& getPlayButton() noexcept              { return playButton; }
    juce::Button& getStopButton() noexcept              { return stopButton; }
    juce::Button& getStartMinusButton() noexcept        { return startMinusButton; }
    juce::Button& getStartPlusButton() noexcept         { return startPlusButton; }
    juce::Button& getEndMinusButton() noexcept          { return endMinusButton; }
    juce::Button& getEndPlusButton() noexcept           { return endPlusButton; }
    SampleLabel& getStartLabel() noexcept               { return startLabel; }
    SampleLabel& getEndLabel() noexcept                 { return endLabel; }
    SampleLabel& getLengthLabel() noexcept              { return lengthLabel; }
    SampleSlider& getRangeSlider() noexcept             { return rangeSlider; }
    WidgetRotary& getGainKnob() noexcept                { return gainKnob; }
    juce::TextEditor& getFilePath() noexcept            { return filePath; }

    /** The controls that the keys walk through now, in order. */
    std::vector<juce::Component*> getFocusRing();

    //==============================================================================
    /** The file button takes the keyboard focus. */
    void focusFirstControl();

    /** Shows every value of the model again. */
    void updateFromSlot();

    /** Stops what the preview plays and shows the play button. */
    void stopPreview();
    bool isPreviewPlaying() const                       { return preview.isPlaying(); }

    /** A path as a field of a width shows it: whole when it fits, else what fits of its end after
        "...", cut before a folder where one fits, so the file's name stays in view. */
    static juce::String fitPath (const juce::String& path, const juce::Font& font, float width);

    /** A file chosen or dropped: taken when it passes the sample check, else the alert it calls for. */
    void loadFile (const juce::File& file);

    //==============================================================================
    // Keys. The controls hand their keys here (forwardKey), as does the editor itself.

    /** The editor's key handling for a key that reached the given control. */
    bool handleKey (const juce::KeyPress& key, juce::Component* from);

    /** A control's key, handed to the editor around it; false when it lies in none. */
    static bool forwardKey (juce::Component& control, const juce::KeyPress& key);

    /** Moves the focus along the ring from a control; arriving by Tab opens a typeable text. */
    void moveFocus (juce::Component* from, bool forward, bool byTab);

    /** Return on a control: presses a button, opens a text for typing. */
    void activate (juce::Component* focused);

    /** The range slider's thumb was let go. */
    void rangeDragEnded();

    //==============================================================================
    void buttonClicked (juce::Button* button) override;
    void labelTextChanged (juce::Label* label) override;
    void comboBoxChanged (juce::ComboBox* box) override;
    void sliderValueChanged (juce::Slider* slider) override;
    bool keyPressed (const juce::KeyPress& key) override;
    bool isInterestedInFileDrag (const juce::StringArray& files) override;
    void filesDropped (const juce::StringArray& files, int x, int y) override;
    void paint (juce::Graphics& g) override;

private:
    void placeControls();
    void chooseFile();
    void play();
    void showPlayButton (bool playVisible, bool moveFocus);
    void updatePreviewRange();
    void showAlert (UserMessage message);
    juce::Component* ringMemberOf (juce::Component* component);

    SamplerWindow& window;
    std::unique_ptr<SlotEditorModel> model;
    SamplePreview preview;
    bool updating = false;

    SampleImageButton fileButton { "FILE" };
    juce::TextEditor filePath { "FILE PATH" };
    DeleteImageButton deleteButton;
    SampleFixImageButton fixBeatsButton { "FIX BEAT" }, fixTempoButton { "FIX BPM" };
    ValueComboBeat beatsCombo;
    SampleLabel tempoLabel { "BPM", true };
    SampleToggleImageButton oneShotButton { "ONE-SHOT" }, loopButton { "LOOP" };
    SampleImageButton playButton { "PLAY" }, stopButton { "STOP" };
    SampleImageButton startMinusButton { "START -" }, startPlusButton { "START +" };
    SampleImageButton endMinusButton { "END -" }, endPlusButton { "END +" };
    SampleLabel startLabel { "START", true }, endLabel { "END", true };
    SampleSlider rangeSlider;
    SampleLabel lengthLabel { "TIME", false };
    WidgetRotary gainKnob { "SAMPLE GAIN" };
    SampleMenuComponentButton okButton { "OK" }, cancelButton { "CANCEL" };

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SampleComponent)
};
