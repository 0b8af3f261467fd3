#include "sampler/SamplePanel.h"

#include "sampler/SamplerWindow.h"
#include "sampler/files/SampleFileAcceptance.h"
#include "widgets/CustomLookAndFeel.h"
#include "widgets/LanguageTypefaces.h"

namespace
{
const juce::Colour currentFill (48, 54, 72), plainFill (32, 32, 40);
const juce::Colour fileNameColour (29, 141, 255), lengthColour (248, 248, 248), noValueGrey (112, 112, 112);
const juce::Colour loopColour (255, 210, 0), oneShotColour (191, 255, 99), overColour (184, 0, 72);
const juce::Colour deleteHovered (248, 200, 64), notReadyColour (248, 200, 64);
const juce::Colour unavailableShade = juce::Colour (8, 8, 16).withAlpha ((juce::uint8) 191);

constexpr const char* noValue = "---";
constexpr const char* notReadyText = "NOT READY";
constexpr float dragImageOpacity = 0.7f;
constexpr int textX = 4, textWidth = 118, lineHeight = 12;
constexpr int fileNameY = 7, lengthY = 29, playModeY = 51, playModeWidth = 64, overLimitY = 72;

bool namesWavFile (const juce::String& path)
{
    if (juce::File::isAbsolutePath (path))
        return SampleFileAcceptance::hasWavExtension (juce::File (path));

    return path.endsWithIgnoreCase (".wav");
}

void drawLine (juce::Graphics& g, const juce::String& text, juce::Font font, juce::Colour colour, int y, int width = textWidth)
{
    g.setFont (font);
    g.setColour (colour);
    g.drawFittedText (text, textX, y, width, lineHeight, juce::Justification::centredLeft, 1, 1.0f);
}
} // namespace

SamplePanel::SamplePanel (int row, int column, SamplerWindow& owner)
    : window (owner), index (row * slotsPerBank + column), fifthRow (row >= numSamplerBanks)
{
    setSize (tileWidth, tileHeight);
    setWantsKeyboardFocus (false);
    setMouseClickGrabsKeyboardFocus (false);
    setComponentID (index == SamplerTiles::deleteTile ? juce::String ("DELETE") : SamplerTiles::slotName (index));
}

SamplePanel::~SamplePanel() = default;

bool SamplePanel::isFileReady() const
{
    return window.getTemporaryFileState (index) != SamplerTemporaryFiles::SlotState::notReady;
}

bool SamplePanel::takesInput() const
{
    return window.getEditor() == nullptr;
}

//==============================================================================
void SamplePanel::paintContents (juce::Graphics& g, const SamplerTiles& tiles, int index, bool fileReady)
{
    const auto font = CustomLookAndFeel::skinFont (14.0f);
    const auto name = tiles.getFileNameText (index);

    if (name == noValue)
        drawLine (g, noValue, font, noValueGrey, fileNameY);
    else
        drawLine (g, name, LanguageTypefaces::fontFor (CustomLookAndFeel::getUiLanguage(), 14.0f), fileNameColour, fileNameY);

    const auto length = tiles.getLengthText (index);
    const bool known = length != noValue;

    // A sample without its prepared file (its build failed or was cancelled, perhaps before its length
    // was read) can be neither saved nor exported: that says more than its length until a run builds it.
    if (! fileReady)
        drawLine (g, notReadyText, font, notReadyColour, lengthY);
    else if (known)
        drawLine (g, length, font, lengthColour, lengthY);
    else
        drawLine (g, noValue, font, noValueGrey, lengthY);

    if (! known)
    {
        drawLine (g, noValue, font, noValueGrey, playModeY, playModeWidth);
        return;
    }

    const bool loops = tiles.getWorkingCopy (index).loop != 0;
    drawLine (g, tiles.getPlayModeText (index), font, loops ? loopColour : oneShotColour, playModeY, playModeWidth);
}

void SamplePanel::paint (juce::Graphics& g)
{
    const auto& tiles = window.getTiles();

    if (index == SamplerTiles::deleteTile)
    {
        g.drawImageAt (SkinImages::get (dragOver ? SkinImageId::sampleTileDeleteDrop : SkinImageId::sampleTileDelete), 0, 0);
        g.setFont (CustomLookAndFeel::skinFont (14.0f));
        g.setColour (dragOver || isMouseOver (true) ? deleteHovered : noValueGrey);
        g.drawText ("DELETE", 0, 0, tileWidth, faceHeight, juce::Justification::centred, false);
        return;
    }

    const bool unavailable = tiles.isUnavailable (index);
    const bool current = index == window.getCurrentSlot() && ! unavailable && takesInput();
    g.setColour (current ? currentFill : plainFill);
    g.fillRect (0, 0, tileWidth, faceHeight);

    const bool overLimit = ! fifthRow && tiles.isOverLimitTile (index);

    if (overLimit)
        g.drawImageAt (SkinImages::get (SkinImageId::sampleTileOverLimit), 0, 0);

    if (dragOver)
        g.drawImageAt (SkinImages::get (SkinImageId::sampleTileDrop), 0, 0);

    paintContents (g, tiles, index, isFileReady());

    if (overLimit)
        drawLine (g, tiles.getOverLimitText (index), CustomLookAndFeel::skinFont (14.0f), overColour, overLimitY);

    if (pressed && takesInput())
    {
        g.setColour (juce::Colours::black.withAlpha ((juce::uint8) 128));
        g.fillRect (0, 0, tileWidth, faceHeight);
    }
    else if (unavailable)
    {
        g.setColour (unavailableShade);
        g.fillRect (0, 0, tileWidth, faceHeight);
    }
}

juce::Image SamplePanel::createDragImage() const
{
    juce::Image image (juce::Image::ARGB, tileWidth, faceHeight, true);

    {
        juce::Graphics g (image);
        g.fillAll (plainFill);
        g.drawImageAt (SkinImages::get (SkinImageId::sampleTileFrame), -3, -3);
        paintContents (g, window.getTiles(), index, isFileReady());
    }

    // The dragged tile covers the one under the pointer: that one's drop mark shows through.
    image.multiplyAllAlphas (dragImageOpacity);
    return image;
}

//==============================================================================
bool SamplePanel::keyPressed (const juce::KeyPress& key)
{
    if (key == juce::KeyPress::escapeKey || key == juce::KeyPress::backspaceKey)
        window.goBack();
    else if (key == juce::KeyPress::rightKey || key == juce::KeyPress (juce::KeyPress::tabKey))
        window.selectNextSlot();
    else if (key == juce::KeyPress::leftKey || key == juce::KeyPress (juce::KeyPress::tabKey, juce::ModifierKeys::shiftModifier, 0))
        window.selectPreviousSlot();
    else if (key == juce::KeyPress::downKey)
        window.selectSlotBelow();
    else if (key == juce::KeyPress::upKey)
        window.selectSlotAbove();
    else if (key == juce::KeyPress::returnKey)
        window.openCurrentSlot();
    else if (key == juce::KeyPress::deleteKey)
        window.clearSlot (index);
    else
        return false;

    return true;
}

void SamplePanel::focusGained (FocusChangeType)
{
    // The keyboard belongs to the current tile: a tile that gets it otherwise (the window coming back
    // to the front to whichever tile had it last) hands it on.
    if (takesInput() && index != window.getCurrentSlot())
        if (auto* current = window.getTile (window.getCurrentSlot()); current != nullptr && current->getWantsKeyboardFocus())
            current->grabKeyboardFocus();

    repaint();
}

void SamplePanel::focusLost (FocusChangeType)
{
    repaint();
}

//==============================================================================
void SamplePanel::mouseMove (const juce::MouseEvent& e)
{
    // A move event without a real move (a window appearing under the pointer) takes nothing.
    if (! window.noteMouseMove (e.getScreenPosition()) || ! takesInput() || index == SamplerTiles::deleteTile)
        return;

    window.setCurrentSlot (index);
}

void SamplePanel::mouseEnter (const juce::MouseEvent&)
{
    if (index == SamplerTiles::deleteTile)
        repaint();
}

void SamplePanel::mouseExit (const juce::MouseEvent&)
{
    if (takesInput())
        repaint();
}

void SamplePanel::mouseDown (const juce::MouseEvent&)
{
    if (! takesInput() || ! window.getTiles().canStartDrag (index))
        return;

    pressed = true;
    repaint();
    window.startDragging (index, this, juce::ScaledImage (createDragImage()));
}

void SamplePanel::mouseUp (const juce::MouseEvent&)
{
    if (! takesInput())
        return;

    pressed = false;
    repaint();
}

void SamplePanel::mouseDoubleClick (const juce::MouseEvent&)
{
    if (takesInput())
        window.openSampleEditor (index);
}

//==============================================================================
void SamplePanel::setDragOver (bool isOver)
{
    if (dragOver != isOver)
    {
        dragOver = isOver;
        repaint();
    }
}

bool SamplePanel::isInterestedInDragSource (const SourceDetails& details)
{
    // Only the tiles' own drags carry a slot index.
    if (! takesInput() || ! details.description.isInt() || dynamic_cast<SamplePanel*> (details.sourceComponent.get()) == nullptr)
        return false;

    return window.getTiles().acceptsTileDrop ((int) details.description, index);
}

void SamplePanel::itemDragEnter (const SourceDetails&)
{
    if (takesInput())
        setDragOver (true);
}

void SamplePanel::itemDragExit (const SourceDetails&)
{
    if (takesInput())
        setDragOver (false);
}

void SamplePanel::itemDropped (const SourceDetails& details)
{
    setDragOver (false);
    window.dropTile ((int) details.description, index, juce::ModifierKeys::getCurrentModifiersRealtime().isCtrlDown());
}

bool SamplePanel::isInterestedInFileDrag (const juce::StringArray& files)
{
    return takesInput() && ! files.isEmpty() && namesWavFile (files[0]);
}

void SamplePanel::fileDragEnter (const juce::StringArray&, int, int)
{
    if (takesInput())
        setDragOver (true);
}

void SamplePanel::fileDragExit (const juce::StringArray&)
{
    if (takesInput())
        setDragOver (false);
}

void SamplePanel::filesDropped (const juce::StringArray& files, int, int)
{
    setDragOver (false);
    window.dropFiles (index, files);
}
