#include "editor/EffectBrowser.h"

#include "app/MainWindow.h"
#include "sampler/SamplerWindow.h"

EffectBrowser::EffectBrowser()
    : juce::DocumentWindow ("Effect Browser", juce::Colour (230, 230, 230), juce::DocumentWindow::closeButton)
{
    setResizable (false, false);
    setTitleBarHeight (titleBarHeight);

    tree.setSize (treeWidth, treeHeight);
    setContentNonOwned (&tree, true);
    setSize (windowWidth, windowHeight);

    // Again, now that the style flags of this class apply: a tool window stays off the task bar.
    addToDesktop (getDesktopWindowStyleFlags());
}

EffectBrowser::~EffectBrowser()
{
    clearContentComponent();
}

void EffectBrowser::closeButtonPressed()
{
    if (mainWindow != nullptr)
    {
        auto& sampler = mainWindow->getSamplerWindow();

        if (sampler.isVisible())
        {
            sampler.toFront (true);
            mainWindow->toBehind (&sampler);
        }
        else
        {
            mainWindow->toFront (true);
        }
    }

    setVisible (false);
}

int EffectBrowser::getDesktopWindowStyleFlags() const
{
    return juce::DocumentWindow::getDesktopWindowStyleFlags() & ~juce::ComponentPeer::windowAppearsOnTaskbar;
}
