#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** The program's main window. */
class MainWindow : public juce::DocumentWindow
{
public:
    static constexpr int defaultWidth = 1024;
    static constexpr int defaultHeight = 738;

    MainWindow();

    void closeButtonPressed() override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MainWindow)
};
