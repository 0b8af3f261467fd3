#include "app/CustomAlertWindow.h"

#include "app/ApplicationInfo.h"
#include "app/WindowStacking.h"
#include "widgets/CustomLookAndFeel.h"
#include "widgets/LanguageTypefaces.h"
#include "widgets/TypefaceResolver.h"

namespace
{
const juce::Colour textColour (248, 248, 248);

constexpr int buttonWidth = 84, buttonHeight = 28, buttonY = 108;
constexpr int okOfTwoX = 188, cancelX = 268, okAloneX = 228;

// The message: from x 17, first baseline at 38, lines up to 506 wide, ending a little above the
// buttons; a text that needs more room is set smaller rather than run into them.
constexpr float textX = 17.0f;
constexpr AlertTextLayout::Area textArea { 38.0f, 506.0f, (float) buttonY - 4.0f, 16.0f, 11.0f };

constexpr int yBelowOwnTitleBar = 178, yBelowNativeTitleBar = 142;

/** The font as drawn: its typeface name resolved to an installed face here, so the text never
    depends on which look-and-feel happens to be the default one. */
juce::Font resolved (const juce::Font& font)
{
    return juce::Font (TypefaceResolver::getInstance().getTypefaceFor (font)).withHeight (font.getHeight());
}
} // namespace

//==============================================================================
CustomAlertWindow::CustomAlertWindow (int alertStyle, AlertKind alertKind, const juce::String& text,
                                      juce::Button::Listener* buttonListener, UiLanguage language)
    : juce::TopLevelWindow (ApplicationInfo::name, false),
      style (alertStyle),
      kind (alertKind),
      message (text),
      listener (buttonListener),
      textLayout (text, messageFont (language), textArea)
{
    setDropShadowEnabled (false);
    setOpaque (true);

    okButton = std::make_unique<MenuComponentButton> ("OK", style + 3);

    if (kind == AlertKind::question)
    {
        cancelButton = std::make_unique<MenuComponentButton> ("CANCEL", cancelIdentifier);
        okButton->setBounds (okOfTwoX, buttonY, buttonWidth, buttonHeight);
        cancelButton->setBounds (cancelX, buttonY, buttonWidth, buttonHeight);
    }
    else
    {
        okButton->setBounds (okAloneX, buttonY, buttonWidth, buttonHeight);
    }

    for (auto* button : { okButton.get(), cancelButton.get() })
    {
        if (button == nullptr)
            continue;

        if (listener != nullptr)
            button->addListener (listener);

        addAndMakeVisible (button);
    }

    setSize (width, height);
}

CustomAlertWindow::~CustomAlertWindow()
{
    // The buttons go before the window that holds them.
    okButton.reset();
    cancelButton.reset();
}

juce::Rectangle<int> CustomAlertWindow::placeOver (juce::Rectangle<int> main, bool nativeTitleBar,
                                                  juce::Rectangle<int> screenArea)
{
    const auto x = main.getX() + juce::jmax (0, (main.getWidth() - width) / 2);
    const auto y = main.getY() + (nativeTitleBar ? yBelowNativeTitleBar : yBelowOwnTitleBar);
    const juce::Rectangle<int> bounds (x, y, width, height);

    // A main window dragged partly off the screen must not take the answer with it.
    return screenArea.isEmpty() ? bounds : bounds.constrainedWithin (screenArea);
}

juce::Font CustomAlertWindow::messageFont (UiLanguage language)
{
    return resolved (LanguageTypefaces::fontFor (language, textArea.largestHeight));
}

void CustomAlertWindow::open (juce::Rectangle<int> screenBounds, const juce::Array<juce::Component*>& toolWindows)
{
    windowsToKeepBehind.clear();

    for (auto* window : toolWindows)
        windowsToKeepBehind.add (window);

    setBounds (screenBounds);
    addToDesktop (getDesktopWindowStyleFlags());
    setVisible (true);
    toFront (true);
}

void CustomAlertWindow::finish (int answer)
{
    if (finished)
        return;

    finished = true;
    result = answer;
    exitModalState (answer);
    setVisible (false);
}

//==============================================================================
void CustomAlertWindow::paint (juce::Graphics& g)
{
    SkinImages::drawFrame (g, SkinImageId::alertTopLeft, getLocalBounds());

    g.setColour (textColour);
    textLayout.draw (g, textX);
}

bool CustomAlertWindow::keyPressed (const juce::KeyPress& key)
{
    // A focused button takes Return itself; here it means the default answer.
    if (key.isKeyCode (juce::KeyPress::returnKey))
    {
        okButton->triggerClick();
        return true;
    }

    if (key.isKeyCode (juce::KeyPress::escapeKey))
    {
        (cancelButton != nullptr ? *cancelButton : *okButton).triggerClick();
        return true;
    }

    return false;
}

void CustomAlertWindow::broughtToFront()
{
    // Each tool window goes directly behind the alert in turn: the last one given ends up next to it.
    juce::Array<juce::Component*> below;

    for (int i = windowsToKeepBehind.size(); --i >= 0;)
        below.add (windowsToKeepBehind.getReference (i).getComponent());

    WindowStacking::raiseWithBelow (*this, below);
}

int CustomAlertWindow::getDesktopWindowStyleFlags() const
{
    // No title bar, no task-bar entry, no shadow: the skin draws the whole window.
    return 0;
}
