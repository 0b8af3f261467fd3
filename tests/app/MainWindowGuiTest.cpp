#include "app/MainWindow.h"

#include <gtest/gtest.h>

TEST (MainWindowShell, OpensWithTitleAndSize)
{
    MainWindow window;
    window.setVisible (true);
    EXPECT_EQ (window.getName(), juce::String ("tessalin 2.1.0"));
    EXPECT_EQ (window.getContentComponent(), nullptr);
    EXPECT_TRUE (window.isOnDesktop());
    EXPECT_EQ (window.getWidth(), MainWindow::defaultWidth);
}
