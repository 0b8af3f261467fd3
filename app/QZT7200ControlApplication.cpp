#include "app/QZT7200ControlApplication.h"

#include "app/ApplicationInfo.h"
#include "app/ContentLayout.h"
#include "app/MessageTexts.h"
#include "assets/SkinImages.h"
#include "editor/EffectBrowser.h"
#include "widgets/CustomLookAndFeel.h"

#include <new>

QZT7200ControlApplication* theApplication = nullptr;

namespace
{
constexpr const char* uiTypefaceName = "Verdana";
} // namespace

juce::JUCEApplicationBase* createApplication()
{
    return new (std::nothrow) QZT7200ControlApplication();
}

QZT7200ControlApplication::QZT7200ControlApplication()
{
    theApplication = this;

    currentDocument = createDeviceSettings();
    lastSentDocument = createDeviceSettings();
    lookAndFeel = std::make_unique<CustomLookAndFeel>();
    mainWindow = std::make_unique<MainWindow> (*currentDocument, *lastSentDocument, pointerState);
}

QZT7200ControlApplication::~QZT7200ControlApplication()
{
    systemQuitRequests.reset();
    settings.reset();
    mainWindow.reset();

    if (&juce::LookAndFeel::getDefaultLookAndFeel() == lookAndFeel.get())
        juce::LookAndFeel::setDefaultLookAndFeel (nullptr);

    lookAndFeel.reset();

    if (theApplication == this)
        theApplication = nullptr;
}

//==============================================================================
void QZT7200ControlApplication::initialise (const juce::String&)
{
    auto& window = *mainWindow;
    auto& browser = window.getEffectBrowser();

    systemQuitRequests = std::make_unique<SystemQuitRequests> ([this] { systemRequestedQuit(); });

    // The skin's look-and-feel resolves its Windows typeface names to faces installed here, so the
    // skin's typeface can be the default even where no font of that name exists.
    juce::LookAndFeel::setDefaultLookAndFeel (lookAndFeel.get());
    lookAndFeel->setDefaultSansSerifTypefaceName (uiTypefaceName);

    if (auto* display = juce::Desktop::getInstance().getDisplays().getDisplayForRect (window.getScreenBounds()))
        window.setBounds (ContentLayout::centredMainWindow (display->userArea));
    else
        window.setSize (ContentLayout::mainWidth, ContentLayout::mainHeight);

    settings = std::make_unique<SettingsStore> (SettingsStore::defaultFile());
    const auto stored = settings->read();

    browser.setBounds (ContentLayout::effectBrowserBesideRightEdge (window.getBounds(), browser.getBounds()));

    // A full-screen window is restored to its normal place first and made full screen once it shows:
    // only a showing window remembers the place it goes back to when it leaves full screen.
    bool fullScreen = false;

    if (stored.restoreWindows)
    {
        auto mainState = stored.mainWindowState.trim();
        fullScreen = mainState.startsWithIgnoreCase ("fs");
        window.restoreWindowStateFromString (fullScreen ? mainState.substring (2) : mainState);

        if (fullScreen)
            window.setTitleBarHeight (ContentLayout::fullScreenTitleBarHeight);

        browser.restoreWindowStateFromString (stored.effectBrowserState);
    }

    browser.setSize (EffectBrowser::windowWidth, EffectBrowser::windowHeight);

    window.setVisible (true);

    if (fullScreen)
        window.setFullScreen (true);

    browser.setVisible (stored.effectBrowserAtStartup);

    window.takeStoredSettings (stored);
    window.setBodyColor (stored.bodyColor);
    window.applyBodyColorMode();

    resetDeviceSettings (*currentDocument, false);

    bool samplesFound = true;
    if (stored.restoreDocument)
        samplesFound = settings->restoreDocument (*currentDocument, *lastSentDocument);

    window.refreshPanel();

    if (window.isLinkPortBusy())
        window.showAlert (UserMessage::portInUse, AlertKind::information);

    if (! samplesFound)
        window.showAlert (UserMessage::someSamplesFailed, AlertKind::information);
}

void QZT7200ControlApplication::shutdown()
{
}

const juce::String QZT7200ControlApplication::getApplicationName()
{
    return ApplicationInfo::name;
}

const juce::String QZT7200ControlApplication::getApplicationVersion()
{
    return ApplicationInfo::version;
}

bool QZT7200ControlApplication::moreThanOneInstanceAllowed()
{
    // One instance per user is kept by main() before this object exists. The framework's own rule
    // would lock a file shared by every user of the machine and keep a second user from starting.
    return true;
}

void QZT7200ControlApplication::anotherInstanceStarted (const juce::String&)
{
}

void QZT7200ControlApplication::systemRequestedQuit()
{
    if (prepareToQuit())
        quit();
}

bool QZT7200ControlApplication::prepareToQuit()
{
    // A second request (a signal while the question is up) must not ask again inside the first.
    if (preparingToQuit)
        return false;

    const juce::ScopedValueSetter<bool> preparing (preparingToQuit, true);
    auto& window = *mainWindow;

    if (window.hasUnsavedChanges()
        && window.showAlert (messageText (UserMessage::confirmQuitUnsaved), AlertKind::question) != 0)
        return false;

    if (settings != nullptr)
        settings->write (window.getSettingsToStore(), *currentDocument);

    return true;
}

void QZT7200ControlApplication::unhandledException (const std::exception*, const juce::String&, int)
{
}
