#include "sampler/SampleComponent.h"

#include "sampler/SamplerLookAndFeel.h"
#include "sampler/SamplerWindow.h"
#include "sampler/files/SampleFileAcceptance.h"
#include "widgets/CustomLookAndFeel.h"
#include "widgets/LanguageTypefaces.h"

namespace
{
const juce::Colour titleColour (248, 248, 248), captionColour (170, 174, 184), dimCaptionColour (112, 112, 112);
const juce::Colour pathColour (29, 141, 255), gainColour (255, 210, 0);

constexpr float pi = juce::MathConstants<float>::pi;

// The knob stands in the middle of its well in the background, its caption above it and the ends of
// its scale under the scale's end marks, which lie 12 pixels in from the knob picture's sides.
constexpr int gainWellX = 34, gainWellWidth = 112, gainKnobY = 216;
constexpr int scaleEndInset = 12, scaleLabelWidth = 36;
constexpr int gaugeX = 95, gaugeY = 35;
constexpr int gainSteps = 10;
constexpr float disabledKnobAlpha = 0.45f;
constexpr int pathIndent = 2, pathMargin = 2 * pathIndent + 4;

/** Sets a button's bounds at a place of the editor, at the size of its normal face. */
void place (juce::Component& control, int x, int y, int w, int h)
{
    control.setBounds (x, y, w, h);
}

PreviewRange::SlotValues previewValues (const SlotEditorModel& model)
{
    return { model.getStartMs(), model.getEndMs(), model.isLooping(), model.getTempo() };
}

bool sameValues (const PreviewRange::SlotValues& a, const PreviewRange::SlotValues& b)
{
    return a.startMs == b.startMs && a.endMs == b.endMs && a.loop == b.loop && a.tempo == b.tempo;
}
} // namespace

SampleComponent::SampleComponent (SamplerWindow& owner, std::unique_ptr<SlotEditorModel> modelToEdit)
    : window (owner), model (std::move (modelToEdit)), preview (owner.getAudioDeviceManager())
{
    jassert (model != nullptr);
    setSize (editorWidth, editorHeight);
    setWantsKeyboardFocus (false);
    setComponentID ("SAMPLE EDITOR");

    fileButton.setFaces (SkinImageSets::sampleFileButton);
    playButton.setFaces (SkinImageSets::samplePlay);
    stopButton.setFaces (SkinImageSets::sampleStop);
    startMinusButton.setFaces (SkinImageSets::sampleMinus);
    endMinusButton.setFaces (SkinImageSets::sampleMinus);
    startPlusButton.setFaces (SkinImageSets::samplePlus);
    endPlusButton.setFaces (SkinImageSets::samplePlus);

    filePath.setReadOnly (true);
    filePath.setCaretVisible (false);
    filePath.setWantsKeyboardFocus (false);
    filePath.setInterceptsMouseClicks (false, false);
    filePath.setScrollbarsShown (false);
    filePath.setColour (juce::TextEditor::backgroundColourId, juce::Colours::transparentBlack);
    filePath.setColour (juce::TextEditor::outlineColourId, juce::Colours::transparentBlack);
    filePath.setColour (juce::TextEditor::textColourId, pathColour);
    filePath.setFont (LanguageTypefaces::fontFor (CustomLookAndFeel::getUiLanguage(), 13.0f));
    filePath.setIndents (pathIndent, 1);

    gainKnob.setImages (SkinImages::get (SkinImageId::rotaryBase), SkinImages::get (SkinImageId::rotaryBaseFocused),
                        SkinImages::get (SkinImageId::rotaryPointer), SkinImages::get (SkinImageId::rotaryOverlay),
                        SkinImages::get (SkinImageId::rotaryTop));
    gainKnob.setRange (0.0, 255.0, 1.0);
    gainKnob.setRotaryParameters (1.25f * pi, 2.75f * pi, true);
    gainKnob.setDoubleClickReturnValue (true, SlotEditorModel::unityGainIndex);
    gainKnob.setVelocityBasedMode (false);
    gainKnob.setMouseDragSensitivity (255);

    stopButton.setVisible (false);

    for (auto* button : std::initializer_list<juce::Button*> { &fileButton, &deleteButton, &fixBeatsButton, &fixTempoButton,
                                                              &oneShotButton, &loopButton, &playButton, &stopButton,
                                                              &startMinusButton, &startPlusButton, &endMinusButton,
                                                              &endPlusButton })
    {
        button->addListener (this);
        addChildComponent (button);
    }

    // OK and CANCEL go to the window, which owns what they decide.
    okButton.addListener (&window);
    cancelButton.addListener (&window);

    for (auto* label : { &tempoLabel, &startLabel, &endLabel })
        label->addListener (this);

    beatsCombo.addListener (this);
    rangeSlider.addListener (this);
    gainKnob.addListener (this);

    for (auto* control : std::initializer_list<juce::Component*> { &filePath, &beatsCombo, &tempoLabel, &startLabel, &endLabel,
                                                                  &rangeSlider, &lengthLabel, &gainKnob, &okButton, &cancelButton })
        addAndMakeVisible (control);

    for (auto* button : std::initializer_list<juce::Component*> { &fileButton, &deleteButton, &fixBeatsButton, &fixTempoButton,
                                                                 &oneShotButton, &playButton, &startMinusButton, &startPlusButton,
                                                                 &endMinusButton, &endPlusButton })
        button->setVisible (true);

    loopButton.setVisible (model->mayLoop());

    placeControls();
    updateFromSlot();
}

SampleComponent::~SampleComponent()
{
    // The preview goes with its member; what plays stops first.
    preview.stop();

    // The remembered control would be one of ours.
    if (auto* host = window.getHost())
        host->getPointerState().setLastFocusedControl (nullptr);
}

void SampleComponent::placeControls()
{
    place (fileButton, 47, 70, 26, 24);
    place (filePath, 78, 74, 300, 16);
    place (deleteButton, 387, 70, 46, 24);
    place (fixBeatsButton, 42, 115, 40, 28);
    place (fixTempoButton, 42, 146, 40, 28);
    place (beatsCombo, 84, 118, 131, 21);
    place (tempoLabel, 120, 152, 62, 16);
    place (oneShotButton, 323, 113, 108, 34);
    place (loopButton, 323, 143, 108, 34);
    place (playButton, 248, 176, 96, 96);
    place (stopButton, 248, 176, 96, 96);
    place (startMinusButton, 172, 239, 30, 16);
    place (startPlusButton, 212, 239, 30, 16);
    place (endMinusButton, 352, 239, 30, 16);
    place (endPlusButton, 392, 239, 30, 16);
    place (startLabel, 173, 216, 68, 18);
    place (endLabel, 353, 216, 68, 18);
    place (rangeSlider, 160, 263, 266, 18);
    place (lengthLabel, 172, 285, 125, 15);

    const auto knob = SkinImages::get (SkinImageId::rotaryBase);
    place (gainKnob, gainWellX + (gainWellWidth - knob.getWidth()) / 2, gainKnobY, knob.getWidth(), knob.getHeight());
    place (okButton, 280, 319, SampleMenuComponentButton::buttonWidth, SampleMenuComponentButton::buttonHeight);
    place (cancelButton, 360, 319, SampleMenuComponentButton::buttonWidth, SampleMenuComponentButton::buttonHeight);
}

//==============================================================================
void SampleComponent::updateFromSlot()
{
    const juce::ScopedValueSetter<bool> guard (updating, true);
    const auto& m = *model;
    const bool hasSource = m.hasSource();

    filePath.setText (fitPath (m.getPath(), filePath.getFont(), (float) (filePath.getWidth() - pathMargin)), false);
    startLabel.setText (m.getStartText(), juce::dontSendNotification);
    endLabel.setText (m.getEndText(), juce::dontSendNotification);
    tempoLabel.setText (m.getTempoText(), juce::dontSendNotification);
    lengthLabel.setText (m.getLengthText(), juce::dontSendNotification);
    beatsCombo.setText (m.getBeatsText(), juce::dontSendNotification);
    beatsCombo.setBeats (m.getBeats());
    beatsCombo.setTypeableByDoubleClick (hasSource);

    fixBeatsButton.setToggleState (m.getFixState() == SlotFixState::beats, juce::dontSendNotification);
    fixTempoButton.setToggleState (m.getFixState() == SlotFixState::tempo, juce::dontSendNotification);
    oneShotButton.setLit (! m.isLooping());
    loopButton.setLit (m.isLooping());

    // The range slider spans the source; without one it stands still.
    rangeSlider.setRange (0.0, juce::jmax (m.getSourceLengthMs(), SlotEditorModel::minRangeMs), 0.0);
    rangeSlider.setMinAndMaxValues (m.getStartMs(), m.getEndMs(), juce::dontSendNotification);
    gainKnob.setValue (m.getGainIndex(), juce::dontSendNotification);

    // Without a source only the file button, OK and CANCEL have anything to do.
    for (auto* control : std::initializer_list<juce::Component*> { &deleteButton, &fixBeatsButton, &fixTempoButton, &beatsCombo,
                                                                  &tempoLabel, &oneShotButton, &loopButton, &playButton,
                                                                  &stopButton, &startMinusButton, &startPlusButton,
                                                                  &endMinusButton, &endPlusButton, &startLabel, &endLabel,
                                                                  &rangeSlider, &lengthLabel, &gainKnob })
        control->setEnabled (hasSource);

    // The knob's pictures have no disabled face of their own.
    gainKnob.setAlpha (hasSource ? 1.0f : disabledKnobAlpha);
    repaint();
}

juce::String SampleComponent::fitPath (const juce::String& path, const juce::Font& font, float width)
{
    const auto fits = [&] (const juce::String& text) { return font.getStringWidthFloat (text) <= width; };

    if (fits (path))
        return path;

    // The folders go first, whole ones where that is enough, so the file's name stays in view.
    const juce::String ellipsis ("...");
    const auto separator = juce::File::getSeparatorChar();

    for (auto cut = path.indexOfChar (1, separator); cut > 0; cut = path.indexOfChar (cut + 1, separator))
        if (fits (ellipsis + path.substring (cut)))
            return ellipsis + path.substring (cut);

    for (auto cut = path.lastIndexOfChar (separator) + 1; cut < path.length(); ++cut)
        if (fits (ellipsis + path.substring (cut)))
            return ellipsis + path.substring (cut);

    return ellipsis;
}

//==============================================================================
void SampleComponent::showAlert (UserMessage message)
{
    if (auto* host = window.getHost())
        host->showAlert (message, AlertKind::warning);
}

void SampleComponent::showPlayButton (bool playVisible, bool moveFocus)
{
    auto& shown = playVisible ? playButton : stopButton;
    auto& hidden = playVisible ? stopButton : playButton;
    const bool hadFocus = hidden.hasKeyboardFocus (false);

    shown.setVisible (true);
    hidden.setVisible (false);

    if (moveFocus || hadFocus)
        shown.grabKeyboardFocus();
}

void SampleComponent::play()
{
    switch (preview.play (*model))
    {
        case SamplePreview::Outcome::started:
            showPlayButton (false, true);
            break;

        case SamplePreview::Outcome::noOutputDevice:
            showAlert (UserMessage::noAudioOutput);
            break;

        case SamplePreview::Outcome::unreadableFile:
            showAlert (UserMessage::unsupportedWav);
            break;
    }
}

void SampleComponent::stopPreview()
{
    preview.stop();
    showPlayButton (true, false);
}

void SampleComponent::updatePreviewRange()
{
    preview.updateRange (*model);
}

void SampleComponent::chooseFile()
{
    auto* host = window.getHost();

    if (host == nullptr)
        return;

    auto start = juce::File::getSpecialLocation (juce::File::userDocumentsDirectory);

    if (model->hasSource() && juce::File::isAbsolutePath (model->getPath()))
        start = juce::File (model->getPath());
    else if (const auto last = host->getLastWavFilePath(); juce::File::isAbsolutePath (last))
        start = juce::File (last);

    const auto chosen = host->chooseWavFile (start);

    if (chosen != juce::File())
        loadFile (chosen);

    window.toFront (true);
    fileButton.grabKeyboardFocus();
}

void SampleComponent::loadFile (const juce::File& file)
{
    const auto verdict = model->loadFile (file);

    if (verdict.isAccepted())
    {
        stopPreview();

        if (auto* host = window.getHost())
            host->setLastWavFilePath (verdict.path);
    }

    updateFromSlot();

    if (const auto alert = verdict.alert())
        showAlert (*alert);
}

//==============================================================================
void SampleComponent::buttonClicked (juce::Button* button)
{
    const auto before = previewValues (*model);
    auto& m = *model;

    if (button == &fixBeatsButton)
        m.chooseFixState (SlotFixState::beats);
    else if (button == &fixTempoButton)
        m.chooseFixState (SlotFixState::tempo);
    else if (button == &oneShotButton)
        m.setLooping (false);
    else if (button == &loopButton)
        m.setLooping (true);
    else if (button == &startMinusButton)
        m.setStart (m.getStartMs() - SlotEditorModel::stepMs);
    else if (button == &startPlusButton)
        m.setStart (m.getStartMs() + SlotEditorModel::stepMs);
    else if (button == &endMinusButton)
        m.setEnd (m.getEndMs() - SlotEditorModel::stepMs);
    else if (button == &endPlusButton)
        m.setEnd (m.getEndMs() + SlotEditorModel::stepMs);
    else if (button == &deleteButton)
    {
        stopPreview();
        m.clearSource();
    }
    else if (button == &fileButton)
    {
        chooseFile();
        return;
    }
    else if (button == &playButton)
    {
        play();
        return;
    }
    else if (button == &stopButton)
    {
        preview.stop();
        showPlayButton (true, true);
        return;
    }

    updateFromSlot();

    if (! sameValues (before, previewValues (m)))
        updatePreviewRange();
}

void SampleComponent::labelTextChanged (juce::Label* label)
{
    if (updating)
        return;

    const auto before = previewValues (*model);
    const auto text = label->getText();

    if (label == &startLabel)
        model->typeStart (text);
    else if (label == &endLabel)
        model->typeEnd (text);
    else if (label == &tempoLabel)
        model->typeTempo (text);

    updateFromSlot();

    if (! rangeSlider.isDragging() && ! sameValues (before, previewValues (*model)))
        updatePreviewRange();
}

void SampleComponent::comboBoxChanged (juce::ComboBox* box)
{
    if (updating || box != &beatsCombo)
        return;

    const auto before = previewValues (*model);
    model->typeBeats (beatsCombo.getText());
    updateFromSlot();

    if (! sameValues (before, previewValues (*model)))
        updatePreviewRange();
}

void SampleComponent::sliderValueChanged (juce::Slider* slider)
{
    if (updating)
        return;

    if (slider == &gainKnob)
    {
        // Without a source the gain stays at 0 dB and the knob goes back there.
        if (model->setGainIndex ((int) gainKnob.getValue()))
            preview.setGainIndex (model->getGainIndex());
        else
            gainKnob.setValue (SlotEditorModel::unityGainIndex, juce::dontSendNotification);

        repaint();
        return;
    }

    if (slider != &rangeSlider)
        return;

    // Only the thumb in the user's hand moves a value; the other is put back where the model has it.
    const auto dragged = rangeSlider.getDraggedThumb();
    const auto minimum = rangeSlider.getMinValue(), maximum = rangeSlider.getMaxValue();

    if (SlotEditorModel::formatMilliseconds (minimum) != startLabel.getText() && dragged != SampleSlider::Thumb::end)
        model->setStart (minimum);
    else if (SlotEditorModel::formatMilliseconds (maximum) != endLabel.getText() && dragged != SampleSlider::Thumb::start)
        model->setEnd (maximum);

    updateFromSlot();

    if (! rangeSlider.isDragging())
        updatePreviewRange();
}

void SampleComponent::rangeDragEnded()
{
    updatePreviewRange();
}

//==============================================================================
bool SampleComponent::forwardKey (juce::Component& control, const juce::KeyPress& key)
{
    if (auto* editor = control.findParentComponentOfClass<SampleComponent>())
        return editor->handleKey (key, &control);

    return false;
}

bool SampleComponent::keyPressed (const juce::KeyPress& key)
{
    return handleKey (key, juce::Component::getCurrentlyFocusedComponent());
}

bool SampleComponent::handleKey (const juce::KeyPress& key, juce::Component* from)
{
    using K = juce::KeyPress;
    const auto* member = ringMemberOf (from);

    if (key == K::escapeKey || key == K::backspaceKey)
    {
        window.buttonClicked (&cancelButton);
        return true;
    }

    if (member == &gainKnob && (key.getKeyCode() == K::upKey || key.getKeyCode() == K::downKey))
    {
        const auto step = (key.getModifiers().isCtrlDown() ? 1 : gainSteps) * (key.getKeyCode() == K::upKey ? 1 : -1);
        gainKnob.setValue (gainKnob.getValue() + step, juce::sendNotificationSync);
        return true;
    }

    const bool shiftTab = key == K (K::tabKey, juce::ModifierKeys::shiftModifier, 0);

    if (key == K::rightKey || key == K::downKey || key == K::tabKey)
        moveFocus (from, true, key == K::tabKey);
    else if (key == K::leftKey || key == K::upKey || shiftTab)
        moveFocus (from, false, shiftTab);
    else if (key == K::returnKey)
        activate (from);
    else
        return false;

    return true;
}

std::vector<juce::Component*> SampleComponent::getFocusRing()
{
    // Without a source only the file button, OK and CANCEL can do anything.
    if (! model->hasSource())
        return { &fileButton, &okButton, &cancelButton };

    std::vector<juce::Component*> ring { &fileButton, &deleteButton, &fixBeatsButton, &fixTempoButton, &beatsCombo, &tempoLabel };

    if (model->mayLoop())
    {
        ring.push_back (&oneShotButton);
        ring.push_back (&loopButton);
    }

    for (auto* c : std::initializer_list<juce::Component*> { &gainKnob, &startLabel, &startMinusButton, &startPlusButton })
        ring.push_back (c);

    ring.push_back (playButton.isVisible() ? static_cast<juce::Component*> (&playButton) : &stopButton);

    for (auto* c : std::initializer_list<juce::Component*> { &endLabel, &endMinusButton, &endPlusButton, &okButton, &cancelButton })
        ring.push_back (c);

    return ring;
}

juce::Component* SampleComponent::ringMemberOf (juce::Component* component)
{
    // A typed text's editor lies inside its label, the combo box's text inside the box.
    for (auto* c = component; c != nullptr && c != this; c = c->getParentComponent())
        if (c->getParentComponent() == this)
            return c;

    return nullptr;
}

void SampleComponent::moveFocus (juce::Component* from, bool forward, bool byTab)
{
    const auto ring = getFocusRing();
    const auto* member = ringMemberOf (from);
    const auto at = std::find (ring.begin(), ring.end(), member);
    juce::Component* next = nullptr;

    if (at == ring.end())
    {
        // Anything outside the ring (a control without a source) sends the focus to OK.
        next = model->hasSource() ? ring.front() : static_cast<juce::Component*> (&okButton);
    }
    else
    {
        const auto index = (int) std::distance (ring.begin(), at);
        const auto count = (int) ring.size();
        next = ring[(size_t) ((index + (forward ? 1 : count - 1)) % count)];
    }

    next->grabKeyboardFocus();

    if (auto* label = dynamic_cast<SampleLabel*> (next); label != nullptr && byTab && label->isTypeable())
        label->showEditor();
}

void SampleComponent::activate (juce::Component* focused)
{
    auto* member = ringMemberOf (focused);

    if (auto* label = dynamic_cast<SampleLabel*> (member); label != nullptr && label->isTypeable())
        label->showEditor();
    else if (member == &beatsCombo)
        beatsCombo.showTextEditor();
    else if (auto* button = dynamic_cast<juce::Button*> (member); button != nullptr && button->isEnabled())
        button->triggerClick();
}

void SampleComponent::focusFirstControl()
{
    if (isShowing())
        fileButton.grabKeyboardFocus();
}

//==============================================================================
bool SampleComponent::isInterestedInFileDrag (const juce::StringArray& files)
{
    return ! files.isEmpty() && juce::File::isAbsolutePath (files[0]) && SampleFileAcceptance::hasWavExtension (juce::File (files[0]));
}

void SampleComponent::filesDropped (const juce::StringArray& files, int, int)
{
    if (! isInterestedInFileDrag (files))
        return;

    loadFile (juce::File (files[0]));
    window.toFront (true);
    fileButton.grabKeyboardFocus();
}

//==============================================================================
void SampleComponent::paint (juce::Graphics& g)
{
    const auto& m = *model;
    const auto bank = m.getSlotIndex() / slotsPerBank + 1, slot = m.getSlotIndex() % slotsPerBank + 1;

    g.drawImageAt (SkinImages::get (SkinImageId::sampleEditorBackground), 0, 0);

    g.setColour (titleColour);
    g.setFont (CustomLookAndFeel::skinFont (17.0f));
    g.drawText ("BANK" + juce::String (bank) + "  SLOT" + juce::String (slot), 30, 6, 300, 24, juce::Justification::centredLeft, false);

    g.setFont (CustomLookAndFeel::skinFont (13.0f));
    g.setColour (captionColour);
    g.drawText ("BANK" + juce::String (bank), 40, 31, 50, 16, juce::Justification::centredLeft, false);
    SamplerLookAndFeel::drawBankGauge (g, gaugeX, gaugeY, m.getProjectedBankTotal());
    g.drawText (m.getTimeSpaceText(), 160, 31, 200, 16, juce::Justification::centredLeft, false);

    g.drawText ("START", 172, 198, 70, 14, juce::Justification::centredLeft, false);
    g.drawText ("END", 352, 198, 70, 14, juce::Justification::centredLeft, false);
    g.drawText ("BPM", 186, 152, 34, 16, juce::Justification::centredLeft, false);

    // The gain above its knob, the ends of the scale beside the knob's lower corners.
    const auto knob = gainKnob.getBounds();
    g.setColour (m.hasSource() ? gainColour : dimCaptionColour);
    g.drawText (m.getGainText(), knob.getX() - 30, knob.getY() - 19, knob.getWidth() + 60, 16, juce::Justification::centred, false);

    g.setFont (CustomLookAndFeel::skinFont (11.0f));
    g.setColour (dimCaptionColour);
    const auto scaleLabel = [&] (const char* text, int centreX)
    {
        g.drawText (text, centreX - scaleLabelWidth / 2, knob.getBottom() - 2, scaleLabelWidth, 12, juce::Justification::centred, false);
    };
    scaleLabel ("-18dB", knob.getX() + scaleEndInset);
    scaleLabel ("+9dB", knob.getRight() - scaleEndInset);
}
