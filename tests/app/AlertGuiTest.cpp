// Alerts on a real desktop (Xvfb): answers by key and by mouse, modality, place and stacking, two
// alerts in a row, and the question asked before quitting with unsaved edits.

#include "AppGuiTestSupport.h"
#include "JuceTestPrinters.h"
#include "XWindowStack.h"
#include "app/CustomAlertWindow.h"
#include "app/MainWindow.h"
#include "app/MessageTexts.h"
#include "app/QZT7200ControlApplication.h"

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
    EXPECT_EQ (user.seen[0].message, messageText (UserMessage::rsdVersionDiffers)[0]);
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
    CustomAlertWindow stray (CustomAlertWindow::messageStyle, AlertKind::question, "Stray", window.get(), 0);
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
    window->setLanguage (11);
    juce::String typeface;
    AlertUser user ({ [&] (CustomAlertWindow& alert)
                      {
                          typeface = alert.getTextLayout().getFont().getTypefaceName();

                          // How it looks on the screen, for review.
                          const auto shot = juce::File (TESSALIN_BUILD_DIR).getChildFile ("alert-on-screen-ja.png");
                          if (juce::File ("/usr/bin/import").existsAsFile())
                          {
                              pumpMessages (100);
                              const auto area = alert.getScreenBounds().expanded (30);
                              juce::ChildProcess import;
                              import.start (juce::StringArray { "/usr/bin/import", "-window", "root", "-crop",
                                                                juce::String (area.getWidth()) + "x" + juce::String (area.getHeight())
                                                                    + "+" + juce::String (area.getX()) + "+" + juce::String (area.getY()),
                                                                shot.getFullPathName() });
                              import.waitForProcessToFinish (10000);
                          }

                          alert.getPeer()->handleKeyPress (juce::KeyPress (juce::KeyPress::returnKey));
                      },
                      pressKey (juce::KeyPress::returnKey) });

    window->showAlert (confirmQuit(), AlertKind::question);
    ASSERT_EQ (user.seen.size(), 1u);
    EXPECT_EQ (user.seen[0].message, confirmQuit()[11]);
    EXPECT_EQ (typeface, CustomAlertWindow::messageFont (11).getTypefaceName());

    window->setLanguage (12);
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
        EXPECT_EQ (user.seen[0].message, confirmQuit()[0]);
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
