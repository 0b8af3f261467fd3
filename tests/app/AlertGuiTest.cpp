// Alerts on a real desktop (Xvfb): answers by key and by mouse, modality, place and stacking, two
// alerts in a row, and the question asked before quitting with unsaved edits.

#include "app/CustomAlertWindow.h"
#include "app/MainWindow.h"
#include "app/MessageTexts.h"
#include "app/ProcessLauncher.h"
#include "app/QZT7200ControlApplication.h"
#include "AppGuiTestSupport.h"
#include "ImageCompare.h"
#include "JuceTestPrinters.h"
#include "TestEnums.h"
#include "XWindowStack.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

namespace juce
{
inline void PrintTo (const Rectangle<int>& r, std::ostream* os) { *os << r.toString(); }
} // namespace juce

namespace
{
using R = juce::Rectangle<int>;

/** A user in front of the screen: each alert that comes up is looked at (what it says, where it is,
    how many alerts show, which window is on top) and then answered with the next action, after a
    pause when one is given. Only alerts that are really up, modal and on the desktop are answered. */
class AlertUser : private juce::Timer
{
public:
    using Action = std::function<void (CustomAlertWindow&)>;

    struct Seen
    {
        juce::String message;
        AlertKind kind {};
        R bounds;
        int alertsShowing = 0;
        bool aboveEveryOtherWindow = false;
    };

    explicit AlertUser (std::vector<Action> actionsInOrder, int pauseMs = 0)
        : actions (std::move (actionsInOrder)), pause (pauseMs)
    {
        startTimer (20);
    }

    ~AlertUser() override { stopTimer(); }

    std::vector<Seen> seen;
    std::function<void (CustomAlertWindow&)> onSeen;

private:
    void timerCallback() override
    {
        auto* alert = dynamic_cast<CustomAlertWindow*> (juce::ModalComponentManager::getInstance()->getModalComponent (0));

        if (alert == nullptr || alert->getPeer() == nullptr || ! alert->isShowing() || alert->isFinished())
            return;

        if (alert != current.getComponent())
        {
            current = alert;
            currentAnswered = false;
            firstSeen = juce::Time::getMillisecondCounter();
            seen.push_back ({ alert->getMessage(), alert->getKind(), alert->getScreenBounds(), alertsShowing(),
                              xStackingIndex (alert->getPeer()->getNativeHandle()) == (int) xStackingOrder().size() - 1 });

            if (onSeen != nullptr)
                onSeen (*alert);
        }

        if (currentAnswered || juce::Time::getMillisecondCounter() - firstSeen < (juce::uint32) pause)
            return;

        currentAnswered = true;
        const auto index = seen.size() - 1;

        if (index < actions.size())
            actions[index] (*alert);
    }

    static int alertsShowing()
    {
        int count = 0;
        auto& desktop = juce::Desktop::getInstance();

        for (int i = 0; i < desktop.getNumComponents(); ++i)
            if (auto* a = dynamic_cast<CustomAlertWindow*> (desktop.getComponent (i)); a != nullptr && a->isShowing())
                ++count;

        return count;
    }

    std::vector<Action> actions;
    int pause;
    juce::Component::SafePointer<CustomAlertWindow> current;
    bool currentAnswered = false;
    juce::uint32 firstSeen = 0;
};

AlertUser::Action pressKey (int keyCode)
{
    return [keyCode] (CustomAlertWindow& alert) { alert.getPeer()->handleKeyPress (juce::KeyPress (keyCode)); };
}

/** Presses and releases the left mouse button over a component, through its window. */
void clickWithMouse (juce::Component& c)
{
    auto* peer = c.getPeer();
    const auto at = peer->globalToLocal (c.getScreenBounds().getCentre().toFloat());
    const auto time = juce::Time::currentTimeMillis();
    const auto send = [&] (juce::ModifierKeys mods, juce::int64 t)
    {
        peer->handleMouseEvent (juce::MouseInputSource::InputSourceType::mouse, at, mods,
                                juce::MouseInputSource::defaultPressure, juce::MouseInputSource::defaultOrientation, t);
    };

    send ({}, time);
    send (juce::ModifierKeys::leftButtonModifier, time + 1);
    send ({}, time + 60);
}

AlertUser::Action clickOk()
{
    return [] (CustomAlertWindow& alert) { clickWithMouse (alert.getOkButton()); };
}

AlertUser::Action clickCancel()
{
    return [] (CustomAlertWindow& alert) { clickWithMouse (*alert.getCancelButton()); };
}

/** Two colours that differ by a few steps at most: the screen's 24 bits and a snapshot image may
    round a blend differently. */
bool looksAlike (juce::Colour a, juce::Colour b)
{
    // The screen has no alpha: only the colour counts.
    return channelDistance (a.withAlpha ((juce::uint8) 255), b.withAlpha ((juce::uint8) 255)) <= 8;
}

/** The pixels at which two images of one size clearly differ; none when the sizes differ. */
juce::Array<juce::Point<int>> pixelsApart (const juce::Image& a, const juce::Image& b)
{
    juce::Array<juce::Point<int>> apart;

    if (a.isNull() || a.getBounds() != b.getBounds())
        return apart;

    const juce::Image::BitmapData pa (a, juce::Image::BitmapData::readOnly);
    const juce::Image::BitmapData pb (b, juce::Image::BitmapData::readOnly);

    for (int y = 0; y < a.getHeight(); ++y)
        for (int x = 0; x < a.getWidth(); ++x)
            if (! looksAlike (pa.getPixelColour (x, y), pb.getPixelColour (x, y)))
                apart.add ({ x, y });

    return apart;
}

/** Takes screenshots of an area of the screen until a window drawn at a place in it shows there, for
    a few seconds at most; tells, for the last one, the share of the telling pixels (those where the
    window differs from what lies beneath it) that look as the window draws them. A window that has
    just been mapped shows what was beneath it until its peer paints it on a later repaint tick, so
    the first look may come too early. The message loop must be free to run timers meanwhile: inside
    a timer callback no other timer, the repaint's among them, runs on time. */
double shareShownOnScreen (const juce::Image& drawn, const juce::Array<juce::Point<int>>& telling,
                           juce::Rectangle<int> area, juce::Point<int> place, const juce::File& png)
{
    if (telling.isEmpty())
        return 0.0;

    const auto deadline = juce::Time::getMillisecondCounter() + 5000;

    for (;;)
    {
        pumpMessages (50);
        const auto shot = screenshot (area, png);

        if (shot.getBounds() != area.withZeroOrigin())
            return 0.0;

        const juce::Image::BitmapData seen (shot, juce::Image::BitmapData::readOnly);
        const juce::Image::BitmapData expected (drawn, juce::Image::BitmapData::readOnly);
        int shown = 0;

        for (const auto& p : telling)
            if (looksAlike (seen.getPixelColour (place.x + p.x, place.y + p.y), expected.getPixelColour (p.x, p.y)))
                ++shown;

        const auto share = shown / (double) telling.size();

        if (share > 0.99 || juce::Time::getMillisecondCounter() > deadline)
            return share;
    }
}

const LocalisedText& loadingCompleted()    { return messageText (UserMessage::loadingCompleted); }
const LocalisedText& confirmQuit()         { return messageText (UserMessage::confirmQuitUnsaved); }

struct AlertGuiTest : ::testing::Test
{
    std::unique_ptr<DeviceSettings> current = createDeviceSettings();
    std::unique_ptr<DeviceSettings> lastSent = createDeviceSettings();
    PointerState pointer;
    std::unique_ptr<MainWindow> window;

    void SetUp() override
    {
        window = std::make_unique<MainWindow> (*current, *lastSent, pointer);
        window->setBounds (40, 30, 1024, 738);
        window->setVisible (true);
        pumpMessages (30);
    }

    void TearDown() override
    {
        window.reset();
        pumpMessages (10);
    }
};
} // namespace

TEST_F (AlertGuiTest, InformationAndWarningAnswerZeroToReturnEscapeAndOk)
{
    for (const auto kind : { AlertKind::information, AlertKind::warning })
    {
        AlertUser user ({ pressKey (juce::KeyPress::returnKey), pressKey (juce::KeyPress::escapeKey), clickOk() });

        EXPECT_EQ (window->showAlert (loadingCompleted(), kind), 0);
        EXPECT_EQ (window->showAlert (loadingCompleted(), kind), 0);
        EXPECT_EQ (window->showAlert (loadingCompleted(), kind), 0);

        ASSERT_EQ (user.seen.size(), 3u);
        EXPECT_EQ (user.seen[0].message, "Loading completed.");
        EXPECT_EQ (user.seen[0].kind, kind);
        EXPECT_EQ (window->getOpenAlert(), nullptr);
    }
}

TEST_F (AlertGuiTest, QuestionsAnswerZeroToReturnAndOkAndMinusOneToEscapeAndCancel)
{
    AlertUser user ({ pressKey (juce::KeyPress::returnKey), clickOk(),
                      pressKey (juce::KeyPress::escapeKey), clickCancel(),
                      // The focused button takes Return: CANCEL then answers.
                      [] (CustomAlertWindow& alert)
                      {
                          alert.getCancelButton()->grabKeyboardFocus();
                          alert.getCancelButton()->getPeer()->handleKeyPress (juce::KeyPress (juce::KeyPress::returnKey));
                      } });

    EXPECT_EQ (window->showAlert (confirmQuit(), AlertKind::question), 0);
    EXPECT_EQ (window->showAlert (confirmQuit(), AlertKind::question), 0);
    EXPECT_EQ (window->showAlert (confirmQuit(), AlertKind::question), -1);
    EXPECT_EQ (window->showAlert (confirmQuit(), AlertKind::question), -1);
    EXPECT_EQ (window->showAlert (confirmQuit(), AlertKind::question), -1);
    EXPECT_EQ (user.seen.size(), 5u);
}

TEST_F (AlertGuiTest, AButtonTheMouseReallyMovesOverTakesTheReturnKey)
{
    ASSERT_NE (ProcessLauncher::findExecutable ("xdotool"), juce::File()) << "xdotool is needed for real input";

    // Once the alert shows, the mouse moves onto a button and Return is pressed: the lit button
    // answers, whichever it is.
    for (const bool onCancel : { true, false })
    {
        std::unique_ptr<juce::ChildProcess> user;
        AlertUser watcher ({ [&] (CustomAlertWindow& alert)
        {
            auto& target = onCancel ? *alert.getCancelButton() : alert.getOkButton();
            const auto at = target.getScreenBounds().getCentre();
            user = std::make_unique<juce::ChildProcess>();
            // Two steps, as a hand moves: into the alert, then onto the button.
            user->start (juce::StringArray { "xdotool", "mousemove", juce::String (at.x - 20), juce::String (at.y - 30),
                                             "sleep", "0.1", "mousemove", juce::String (at.x), juce::String (at.y),
                                             "sleep", "0.3", "key", "Return" });
        } }, 300);

        EXPECT_EQ (window->showAlertText ("Replace it?", AlertKind::question), onCancel ? -1 : 0) << onCancel;
        ASSERT_EQ (watcher.seen.size(), 1u);
        EXPECT_TRUE (user->waitForProcessToFinish (5000));
    }
}

TEST_F (AlertGuiTest, TheAlertIsModalAndSitsOverTheMainWindowWithoutATitleBar)
{
    bool looked = false;
    AlertUser user ({ pressKey (juce::KeyPress::escapeKey) });
    user.onSeen = [&] (CustomAlertWindow& alert)
    {
        looked = true;
        EXPECT_EQ (window->getOpenAlert(), &alert);
        EXPECT_TRUE (alert.isCurrentlyModal());
        EXPECT_EQ (juce::ModalComponentManager::getInstance()->getNumModalComponents(), 1);
        EXPECT_TRUE (window->isCurrentlyBlockedByAnotherModalComponent());
        EXPECT_TRUE (window->getSamplerWindow().isCurrentlyBlockedByAnotherModalComponent());
        EXPECT_TRUE (window->getEffectBrowser().isCurrentlyBlockedByAnotherModalComponent());

        EXPECT_EQ (alert.getPeer()->getStyleFlags(), 0);
        EXPECT_EQ (alert.getScreenBounds(), R (40 + 237, 30 + 178, 550, 160));
        EXPECT_EQ (alert.getOkButton().getScreenBounds(), R (277 + 188, 208 + 108, 84, 28));
        EXPECT_EQ (alert.getCancelButton()->getScreenBounds(), R (277 + 268, 208 + 108, 84, 28));

        // A click on the main window does not get through.
        clickWithMouse (*window->getMaximiseButton());
        pumpMessages (30);
        EXPECT_FALSE (window->isFullScreen());
        EXPECT_EQ (window->getOpenAlert(), &alert);
    };

    EXPECT_EQ (window->showAlert (confirmQuit(), AlertKind::question), -1);
    EXPECT_TRUE (looked);
    EXPECT_TRUE (user.seen[0].aboveEveryOtherWindow);
}

TEST_F (AlertGuiTest, TheAlertFollowsTheMainWindow)
{
    window->setBounds (300, 100, 800, 700);
    AlertUser again ({ pressKey (juce::KeyPress::returnKey) });
    window->showAlert (loadingCompleted(), AlertKind::information);
    ASSERT_EQ (again.seen.size(), 1u);
    EXPECT_EQ (again.seen[0].bounds, R (300 + 125, 100 + 178, 550, 160));
}

TEST_F (AlertGuiTest, TheAlertStaysAboveTheSamplerAndTheEffectBrowser)
{
    auto& sampler = window->getSamplerWindow();
    auto& browser = window->getEffectBrowser();
    sampler.setBounds (200, 150, 630, 550);
    browser.setBounds (500, 200, 177, 467);
    sampler.setVisible (true);
    browser.setVisible (true);
    browser.toFront (false);
    pumpMessages (50);

    const auto stackOf = [&] (CustomAlertWindow& alert)
    {
        return std::vector<int> { xStackingIndex (window->getPeer()->getNativeHandle()),
                                  xStackingIndex (sampler.getPeer()->getNativeHandle()),
                                  xStackingIndex (browser.getPeer()->getNativeHandle()),
                                  xStackingIndex (alert.getPeer()->getNativeHandle()) };
    };

    // Bottom to top: the main window, the sampler, the effect browser, the alert.
    const auto expectAlertOnTopOfTheToolWindows = [&] (CustomAlertWindow& alert)
    {
        const auto s = stackOf (alert);
        EXPECT_EQ (s[3], (int) xStackingOrder().size() - 1);
        EXPECT_EQ (s[2], s[3] - 1);
        EXPECT_EQ (s[1], s[2] - 1);
        EXPECT_LT (s[0], s[1]);
    };

    AlertUser user ({ [&] (CustomAlertWindow& alert)
                      {
                          expectAlertOnTopOfTheToolWindows (alert);

                          // The user clicks a tool window, then the main window: the window system
                          // raises it, and the alert goes back in front of them all.
                          for (juce::Component* raised : { (juce::Component*) &sampler, (juce::Component*) window.get() })
                          {
                              xRaise (raised->getPeer()->getNativeHandle());
                              pumpMessages (100);
                              expectAlertOnTopOfTheToolWindows (alert);
                          }

                          alert.getPeer()->handleKeyPress (juce::KeyPress (juce::KeyPress::returnKey));
                      } });

    window->showAlert (loadingCompleted(), AlertKind::information);
    ASSERT_EQ (user.seen.size(), 1u);
    EXPECT_TRUE (user.seen[0].aboveEveryOtherWindow);
}

TEST_F (AlertGuiTest, TwoAlertsInARowShowOneAfterTheOther)
{
    // As after Update Setting: the version warning, then the outcome.
    AlertUser user ({ pressKey (juce::KeyPress::returnKey), pressKey (juce::KeyPress::escapeKey) });
    window->showAlert (UserMessage::rsdVersionDiffers, AlertKind::information);
    window->showAlert (UserMessage::updateSettingCompleted, AlertKind::information);

    ASSERT_EQ (user.seen.size(), 2u);
    EXPECT_EQ (user.seen[0].message, messageText (UserMessage::rsdVersionDiffers)[UiLanguage::english]);
    EXPECT_EQ (user.seen[1].message, "Update Setting completed.");
    EXPECT_EQ (user.seen[0].alertsShowing, 1);
    EXPECT_EQ (user.seen[1].alertsShowing, 1);
    EXPECT_EQ (window->getOpenAlert(), nullptr);
}

TEST_F (AlertGuiTest, AnAlertAskedForWhileAnotherIsUpWaitsForItsAnswer)
{
    // The second request comes in while the first alert waits for the user, who takes their time.
    int second = 1;
    bool secondAnswered = false;
    juce::Timer::callAfterDelay (100, [&]
    {
        second = window->showAlertText ("Second", AlertKind::question);
        secondAnswered = true;
    });

    AlertUser user ({ pressKey (juce::KeyPress::returnKey), pressKey (juce::KeyPress::escapeKey) }, 400);
    const auto first = window->showAlertText ("First", AlertKind::question);
    pumpMessages (50);

    EXPECT_EQ (first, 0);
    EXPECT_TRUE (secondAnswered);
    EXPECT_EQ (second, -1);
    ASSERT_EQ (user.seen.size(), 2u);
    EXPECT_EQ (user.seen[0].message, "First");
    EXPECT_EQ (user.seen[1].message, "Second");
    EXPECT_EQ (user.seen[1].alertsShowing, 1);
    EXPECT_EQ (window->getOpenAlert(), nullptr);
}

TEST_F (AlertGuiTest, AButtonEndsOnlyTheAlertItBelongsTo)
{
    CustomAlertWindow stray (CustomAlertWindow::messageStyle, AlertKind::question, "Stray", window.get(), UiLanguage::english);
    juce::TextButton panelCancel ("CANCEL");
    panelCancel.setCommandToTrigger (nullptr, -1, false);

    AlertUser user ({ [&] (CustomAlertWindow& alert)
                      {
                          stray.getOkButton().triggerClick();
                          window->buttonClicked (&panelCancel);
                          pumpMessages (30);

                          EXPECT_TRUE (stray.isFinished());
                          EXPECT_EQ (stray.getResult(), 0);
                          EXPECT_FALSE (alert.isFinished());
                          EXPECT_TRUE (alert.isCurrentlyModal());
                          EXPECT_EQ (window->getOpenAlert(), &alert);

                          alert.getPeer()->handleKeyPress (juce::KeyPress (juce::KeyPress::escapeKey));
                      } });

    EXPECT_EQ (window->showAlert (confirmQuit(), AlertKind::question), -1);
    EXPECT_EQ (user.seen.size(), 1u);
}

TEST_F (AlertGuiTest, TheMessageComesInTheWindowsLanguageAndTypeface)
{
    window->setLanguage (UiLanguage::japanese);
    juce::String typeface;
    double onScreen = -1.0;
    int tellingPixels = -1, alertPixels = 0;

    // How it looks on the screen, in front of the main window, kept for review.
    const auto shot = juce::File (TESSALIN_BUILD_DIR).getChildFile ("alert-on-screen-ja.png");

    AlertUser user ({ [&] (CustomAlertWindow& alert)
                      {
                          typeface = alert.getTextLayout().getFont().getTypefaceName();

                          // Looked at from a message of its own: no timer runs while this timer
                          // callback does, and the alert's first paint waits for one.
                          juce::MessageManager::callAsync ([&, shown = juce::Component::SafePointer<CustomAlertWindow> (&alert)]
                          {
                              if (shown == nullptr)
                                  return;

                              const auto bounds = shown->getScreenBounds();
                              const auto drawn = shown->createComponentSnapshot (shown->getLocalBounds(), true, 1.0f);
                              const auto beneath = window->createComponentSnapshot (bounds - window->getScreenPosition(), true, 1.0f);
                              const auto telling = pixelsApart (drawn, beneath);
                              tellingPixels = telling.size();
                              alertPixels = bounds.getWidth() * bounds.getHeight();
                              onScreen = shareShownOnScreen (drawn, telling, bounds.expanded (30), { 30, 30 }, shot);

                              shown->getPeer()->handleKeyPress (juce::KeyPress (juce::KeyPress::returnKey));
                          });
                      },
                      pressKey (juce::KeyPress::returnKey) });

    window->showAlert (confirmQuit(), AlertKind::question);
    ASSERT_EQ (user.seen.size(), 1u);
    EXPECT_EQ (user.seen[0].message, confirmQuit()[UiLanguage::japanese]);
    EXPECT_EQ (typeface, CustomAlertWindow::messageFont (UiLanguage::japanese).getTypefaceName());

    ASSERT_NE (ProcessLauncher::findExecutable ("import"), juce::File()) << "the screenshot needs ImageMagick's import";
    EXPECT_TRUE (shot.existsAsFile());

    // Enough of the alert differs from the main window at its place for the screenshot to tell them apart.
    EXPECT_GT (tellingPixels, alertPixels / 20);
    EXPECT_GT (onScreen, 0.99) << "the screen does not show the alert at its place: " << shot.getFullPathName();

    window->setLanguage (languageAt (12));
    window->showAlert (loadingCompleted(), AlertKind::information);
    ASSERT_EQ (user.seen.size(), 2u);
    EXPECT_EQ (user.seen[1].message, "Loading completed.");
}

//==============================================================================
namespace
{
struct QuitConfirmationGuiTest : ::testing::Test
{
    TemporaryConfigHome config;

    std::unique_ptr<QZT7200ControlApplication> start()
    {
        auto app = std::make_unique<QZT7200ControlApplication>();
        app->initialise ({});
        pumpMessages (50);
        return app;
    }
};
} // namespace

TEST_F (QuitConfirmationGuiTest, ClosingWithUnsavedEditsAsksAndCancelKeepsTheProgramRunningAndWritesNothing)
{
    auto app = start();
    auto& window = app->getMainWindow();

    for (const auto modified : { 1, 2 })
    {
        window.setDocumentModified (modified == 1);
        window.setSamplerModified (modified == 2);

        AlertUser user ({ clickCancel() });
        clickWithMouse (*window.getCloseButton());
        pumpMessages (100);

        ASSERT_EQ (user.seen.size(), 1u);
        EXPECT_EQ (user.seen[0].message, confirmQuit()[UiLanguage::english]);
        EXPECT_EQ (user.seen[0].kind, AlertKind::question);
        EXPECT_TRUE (window.isShowing());
        EXPECT_TRUE (window.hasUnsavedChanges());
        EXPECT_FALSE (config.settingsFile().exists());
        EXPECT_FALSE (juce::MessageManager::getInstance()->hasStopMessageBeenSent());
    }
}

TEST_F (QuitConfirmationGuiTest, OkQuitsAndStoresTheSettings)
{
    // Quitting stops the message loop for good, so this runs in a process of its own.
    GTEST_FLAG_SET (death_test_style, "threadsafe");

    EXPECT_EXIT (
        {
            auto app = start();
            app->getMainWindow().setDocumentModified (true);

            AlertUser user ({ clickOk() });
            clickWithMouse (*app->getMainWindow().getCloseButton());
            pumpMessages (100);

            const bool asked = user.seen.size() == 1;
            const bool stopped = juce::MessageManager::getInstance()->hasStopMessageBeenSent();
            const bool stored = config.settingsFile().existsAsFile();
            config.getFolder().deleteRecursively();
            std::_Exit (asked && stopped && stored ? 0 : 1);
        },
        ::testing::ExitedWithCode (0), "");

    // Without edits nothing is asked (the question would keep the test waiting).
    auto app = start();
    AlertUser user ({ clickCancel() });
    EXPECT_TRUE (app->prepareToQuit());
    EXPECT_TRUE (user.seen.empty());
}
