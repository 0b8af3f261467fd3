#include "app/ApplicationInfo.h"
#include "app/MainWindow.h"

#include <juce_gui_basics/juce_gui_basics.h>

namespace
{
class TessalinApplication : public juce::JUCEApplication
{
public:
    const juce::String getApplicationName() override    { return ApplicationInfo::name; }
    const juce::String getApplicationVersion() override { return ApplicationInfo::version; }
    bool moreThanOneInstanceAllowed() override          { return true; }

    void initialise (const juce::String&) override
    {
        mainWindow = std::make_unique<MainWindow>();
        mainWindow->setVisible (true);
    }

    void shutdown() override { mainWindow.reset(); }

    void systemRequestedQuit() override { quit(); }

private:
    std::unique_ptr<MainWindow> mainWindow;
};
} // namespace

START_JUCE_APPLICATION (TessalinApplication)
