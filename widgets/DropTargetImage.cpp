#include "widgets/DropTargetImage.h"

#include "core/ParameterTables.h"
#include "widgets/CustomLookAndFeel.h"
#include "widgets/PanelHost.h"
#include "widgets/WidgetFocus.h"

DropTargetImage::DropTargetImage()
    : juce::ImageComponent (juce::String())
{
    setSize (size, size);
    setImagePlacement (juce::RectanglePlacement::centred);
    setWantsKeyboardFocus (true);
}

DropTargetImage::~DropTargetImage() = default;

void DropTargetImage::setValuePointer (int32_t* newValue)
{
    value = newValue;
    repaint();
}

bool DropTargetImage::isInterestedInDragSource (const SourceDetails&)
{
    return true;
}

void DropTargetImage::itemDragEnter (const SourceDetails&)
{
    setDragOver (true);
}

void DropTargetImage::itemDragExit (const SourceDetails&)
{
    setDragOver (false);
}

void DropTargetImage::itemDropped (const SourceDetails& details)
{
    const auto beat = ParameterTables::findBeatFraction (details.description.toString());

    if (beat >= 0 && value != nullptr)
    {
        *value = beat;

        if (auto* host = PanelHost::find (this))
            host->commitSettingsChange();
    }

    dragOver = false;
    refresh();
}

void DropTargetImage::setDragOver (bool isOver)
{
    if (dragOver != isOver)
    {
        dragOver = isOver;
        refresh();
    }
}

void DropTargetImage::refresh()
{
    if (auto* cache = getCachedComponentImage())
        cache->invalidateAll();

    if (isVisible())
        repaint();
}

void DropTargetImage::paint (juce::Graphics& g)
{
    if (dragOver || hasKeyboardFocus (true))
        g.drawImageAt (SkinImages::get (SkinImageId::dropTargetHighlight), 0, 0);

    if (value == nullptr)
        return;

    // A value outside the table (the document's limits keep it inside) shows no text.
    g.setColour (juce::Colour (0xfff8c840));
    g.setFont (CustomLookAndFeel::skinFont (15.0f));
    g.drawFittedText (ParameterTables::beatFractionLabel (*value), 0, 0, size, size,
                      juce::Justification::centred, 1, 0.7f);
}

bool DropTargetImage::keyPressed (const juce::KeyPress& key)
{
    auto* host = PanelHost::find (this);
    if (host == nullptr)
        return false;

    switch (WidgetFocus::classify (key))
    {
        case NavigationKey::back:       host->navigateBack (this); return true;
        case NavigationKey::right:
        case NavigationKey::down:
        case NavigationKey::tab:        host->focusNext (this); return true;
        case NavigationKey::left:
        case NavigationKey::up:
        case NavigationKey::shiftTab:   host->focusPrevious (this); return true;
        case NavigationKey::enter:      host->activateFocused (this); return true;
        case NavigationKey::none:       break;
    }

    return false;
}

void DropTargetImage::mouseDown (const juce::MouseEvent&)
{
    grabKeyboardFocus();
}

void DropTargetImage::focusGained (FocusChangeType)
{
    WidgetFocus::recordFocus (*this);
    repaint();
}

void DropTargetImage::focusLost (FocusChangeType)
{
    repaint();
}
