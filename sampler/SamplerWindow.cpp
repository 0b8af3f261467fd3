#include "sampler/SamplerWindow.h"

#include "app/MainWindow.h"
#include "editor/EffectBrowser.h"

SamplerWindow::SamplerWindow()
    : juce::DocumentWindow ("Sampler Window", juce::Colour (230, 230, 230), juce::DocumentWindow::closeButton)
{
    setTitleBarHeight (titleBarHeight);
    setContentNonOwned (&content, false);
    centreWithSize (windowWidth, windowHeight);

    // Again, now that the style flags of this class apply: a tool window stays off the task bar.
    addToDesktop (getDesktopWindowStyleFlags());
}

SamplerWindow::~SamplerWindow()
{
    clearContentComponent();
}

void SamplerWindow::createTemporaryFiles (bool reshow)
{
    if (reshow)
    {
        setVisible (true);
        repaint();
    }
}

juce::File SamplerWindow::getTemporaryFile (int) const
{
    return {};
}

void SamplerWindow::closeButtonPressed()
{
    if (mainWindow != nullptr)
    {
        auto& browser = mainWindow->getEffectBrowser();

        if (browser.isVisible())
        {
            browser.toFront (true);
            mainWindow->toBehind (&browser);
        }
        else
        {
            mainWindow->toFront (true);
        }
    }

    setVisible (false);
}

int SamplerWindow::getDesktopWindowStyleFlags() const
{
    return juce::DocumentWindow::getDesktopWindowStyleFlags() & ~juce::ComponentPeer::windowAppearsOnTaskbar;
}
