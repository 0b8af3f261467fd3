#pragma once

#include "app/MainWindow.h"
#include "widgets/PointerState.h"
#include "app/SettingsStore.h"
#include "app/SystemQuitRequests.h"
#include "core/DeviceSettings.h"

#include <juce_gui_basics/juce_gui_basics.h>

/** The application: it owns the two documents, the look-and-feel, the main window and the settings
    file, starts the program in a fixed order, keeps the user's choices and the last edited document
    between runs, and asks before quitting with unsaved edits. */
class QZT7200ControlApplication : public juce::JUCEApplication
{
public:
    /** Builds the documents, the look-and-feel and the main window (hidden). */
    QZT7200ControlApplication();
    ~QZT7200ControlApplication() override;

    void initialise (const juce::String& commandLine) override;
    void shutdown() override;
    const juce::String getApplicationName() override;
    const juce::String getApplicationVersion() override;
    bool moreThanOneInstanceAllowed() override;
    void anotherInstanceStarted (const juce::String& commandLine) override;
    void systemRequestedQuit() override;
    void unhandledException (const std::exception*, const juce::String& sourceFilename, int lineNumber) override;

    /** The quit request up to the point of stopping: asks while anything is unsaved, then stores
        every setting and the document. False when the user chose to stay, or while an earlier
        request is still asking. */
    bool prepareToQuit();

    DeviceSettings& getCurrentDocument() noexcept       { return *currentDocument; }
    DeviceSettings& getLastSentDocument() noexcept      { return *lastSentDocument; }
    MainWindow& getMainWindow() noexcept                { return *mainWindow; }
    PointerState& getPointerState() noexcept            { return pointerState; }
    SettingsStore* getSettingsStore() noexcept          { return settings.get(); }

private:
    std::unique_ptr<DeviceSettings> currentDocument, lastSentDocument;
    std::unique_ptr<juce::LookAndFeel> lookAndFeel;
    std::unique_ptr<MainWindow> mainWindow;
    PointerState pointerState;
    std::unique_ptr<SettingsStore> settings;
    std::unique_ptr<SystemQuitRequests> systemQuitRequests;
    bool preparingToQuit = false;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (QZT7200ControlApplication)
};

/** The one application object, set first thing when it is built. */
extern QZT7200ControlApplication* theApplication;

/** The framework's application factory: the one application object, or null when memory runs out. */
juce::JUCEApplicationBase* createApplication();
