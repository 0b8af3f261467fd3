#include "sampler/SamplerWindow.h"

SamplerWindow::SamplerWindow()
    : ToolWindow ("Sampler Window", titleBarHeight)
{
    setContentNonOwned (&content, false);
    centreWithSize (windowWidth, windowHeight);
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
