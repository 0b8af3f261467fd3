#include "MainWindow.h"

#include "app/ApplicationInfo.h"

MainWindow::MainWindow()
    : juce::DocumentWindow (ApplicationInfo::windowTitle(), juce::Colour (0xff202226), juce::DocumentWindow::allButtons)
{
    setUsingNativeTitleBar (true);
    setResizable (false, false);
    centreWithSize (defaultWidth, defaultHeight);
}

void MainWindow::closeButtonPressed()
{
    juce::JUCEApplicationBase::quit();
}
