#include "app/MenuButtons.h"

#include "app/CommandTable.h"
#include "assets/SkinImages.h"
#include "widgets/CustomLookAndFeel.h"
#include "widgets/TypefaceResolver.h"

namespace
{
/** One button of the strip, in member order: its name, its place, its faces, the command it runs
    and whether the open panels close first (the panel commands toggle the panels themselves). */
struct StripButton
{
    const char* name;
    int x;
    SkinImageSet<SkinPressState> faces;
    juce::CommandID command;
    bool closesPanelsFirst;
};

constexpr std::array<StripButton, MenuButtons::numButtons> stripButtons {{
    { "Sync",           0,   SkinImageSets::stripSync,     CommandTable::sync,          true  },
    { "Export",         208, SkinImageSets::stripExport,   CommandTable::exportData,    false },
    { "Import",         104, SkinImageSets::stripImport,   CommandTable::importData,    false },
    { "Save",           416, SkinImageSets::stripSave,     CommandTable::save,          true  },
    { "Load",           312, SkinImageSets::stripLoad,     CommandTable::load,          true  },
    { "Effect Browser", 520, SkinImageSets::stripBrowser,  CommandTable::effectBrowser, true  },
    { "Settings",       624, SkinImageSets::stripSettings, CommandTable::settings,      false },
}};

constexpr size_t syncIndex = (size_t) MenuButtons::ButtonIndex::sync;

// Where each face leaves room for its caption.
const juce::Rectangle<int> captionArea { 10, 52, 72, 16 };
constexpr float captionHeight = 11.0f;
const juce::Colour captionColour (0xffd8dadf), offlineCaptionColour (0xff6a6d72);

void setFaces (juce::ImageButton& button, const juce::Image& normal, const juce::Image& over, const juce::Image& down)
{
    const juce::Colour noOverlay;
    button.setImages (true, false, true, normal, 1.0f, noOverlay, over, 1.0f, noOverlay, down, 1.0f, noOverlay, 0.0f);
}
} // namespace

MenuButtons::MenuButtons (Host& owner)
    : host (owner)
{
    for (size_t i = 0; i < buttons.size(); ++i)
    {
        const auto& key = stripButtons[i];
        auto button = std::make_unique<juce::ImageButton> (key.name);
        setFaces (*button, SkinImages::get (key.faces[SkinPressState::normal]),
                  SkinImages::get (key.faces[SkinPressState::over]), SkinImages::get (key.faces[SkinPressState::down]));
        button->setWantsKeyboardFocus (false);
        button->setMouseClickGrabsKeyboardFocus (false);
        button->addListener (this);
        addAndMakeVisible (*button);
        buttons[i] = std::move (button);
    }

    buttons[syncIndex]->setClickingTogglesState (true);
    buttons[syncIndex]->setToggleState (false, juce::dontSendNotification);

    setDeviceConnected (false);
    setSize (stripWidth, stripHeight);
}

MenuButtons::~MenuButtons() = default;

void MenuButtons::setSyncFaces (bool connected)
{
    auto& sync = *buttons[syncIndex];

    if (connected)
    {
        const auto& faces = stripButtons[syncIndex].faces;
        setFaces (sync, SkinImages::get (faces[SkinPressState::normal]), SkinImages::get (faces[SkinPressState::over]),
                  SkinImages::get (faces[SkinPressState::down]));
    }
    else
    {
        const auto grey = SkinImages::get (SkinImageId::stripSyncOffline);
        setFaces (sync, grey, grey, grey);
    }
}

void MenuButtons::setDeviceConnected (bool connected)
{
    auto& sync = *buttons[syncIndex];
    setSyncFaces (connected);
    deviceConnected = connected;

    if (connected)
    {
        if (! sync.isEnabled())
            sync.setEnabled (true);

        // A unit that (re)connects starts with Sync off: nothing is sent until the user asks.
        sync.setToggleState (false, juce::dontSendNotification);
    }
    else if (sync.isEnabled())
    {
        sync.setEnabled (false);
    }

    repaint();
}

void MenuButtons::setSyncOn (bool shouldBeOn)
{
    buttons[syncIndex]->setToggleState (shouldBeOn, juce::dontSendNotification);
}

bool MenuButtons::isSyncOn() const
{
    return buttons[syncIndex]->getToggleState();
}

juce::String MenuButtons::buttonName (int index)
{
    return juce::isPositiveAndBelow (index, numButtons) ? juce::String (stripButtons[(size_t) index].name) : juce::String();
}

juce::Rectangle<int> MenuButtons::buttonBounds (int index)
{
    if (! juce::isPositiveAndBelow (index, numButtons))
        return {};

    return { stripButtons[(size_t) index].x, 0, buttonWidth, buttonHeight };
}

void MenuButtons::resized()
{
    for (int i = 0; i < numButtons; ++i)
        buttons[(size_t) i]->setTopLeftPosition (buttonBounds (i).getPosition());
}

void MenuButtons::paintOverChildren (juce::Graphics& g)
{
    // The faces carry no text: the captions go over them.
    const auto font = CustomLookAndFeel::skinFont (captionHeight);
    g.setFont (juce::Font (TypefaceResolver::getInstance().getTypefaceFor (font)).withHeight (captionHeight));

    for (int i = 0; i < numButtons; ++i)
    {
        const auto& button = *buttons[(size_t) i];
        g.setColour (button.isEnabled() ? captionColour : offlineCaptionColour);
        g.drawFittedText (buttonName (i), captionArea + button.getPosition(), juce::Justification::centred, 1);
    }
}

void MenuButtons::buttonClicked (juce::Button* button)
{
    for (size_t i = 0; i < buttons.size(); ++i)
    {
        if (button != buttons[i].get())
            continue;

        const auto& key = stripButtons[i];

        if (key.closesPanelsFirst)
            host.closeMenus();

        // The switch has already flipped itself; only switching on sends anything.
        if (i == syncIndex)
        {
            if (button->getToggleState())
                host.syncSwitchedOn();
        }
        else
        {
            host.performCommand (key.command);
        }

        return;
    }
}
