// The Export, Import and Settings panels on a real desktop (Xvfb), driven by real keys and mouse
// moves and clicks through xdotool: opening and closing, the focus ring, the colour preview, the
// warnings, the drive list and the language; and screenshots of each panel for review.

#include "app/CommandTable.h"
#include "app/MainWindow.h"
#include "app/MenuView.h"
#include "app/MessageTexts.h"
#include "core/transfer/CardTransfer.h"
#include "sampler/files/SampleWavInfo.h"
#include "AppGuiTestSupport.h"
#include "MessagePump.h"
#include "JuceTestPrinters.h"
#include "TestEnums.h"

#include <gtest/gtest.h>

#include <atomic>
#include <optional>

namespace
{
/** Reads each alert that comes up and answers it with a real key press, sent by an xdotool that runs
    on its own while the alert's modal loop goes on. */
class AlertKeyAnswer : private juce::Timer
{
public:
    AlertKeyAnswer (MainWindow& w, juce::String keyName) : window (w), key (std::move (keyName)) { startTimer (30); }
    ~AlertKeyAnswer() override { stopTimer(); }

    juce::StringArray messages;

    /** Lets the program run until an alert came up and was answered (5 s at most): the key or click
        that brings it up may reach the program later than xdotool returns. */
    bool waitForAnswer()
    {
        return pumpUntil ([this]
        {
            auto* open = window.getOpenAlert();
            return ! messages.isEmpty() && (open == nullptr || ! open->isShowing() || open->isFinished());
        }, 5000);
    }

private:
    void timerCallback() override
    {
        auto* alert = window.getOpenAlert();
        if (alert == nullptr || ! alert->isShowing() || alert->isFinished() || alert == answered.getComponent())
            return;

        if (xdotool != nullptr && xdotool->isRunning())
            return;

        answered = alert;
        messages.add (alert->getMessage());
        xdotool = std::make_unique<juce::ChildProcess>();
        xdotool->start (juce::StringArray { "xdotool", "sleep", "0.2", "key", key });
    }

    MainWindow& window;
    juce::String key;
    juce::Component::SafePointer<CustomAlertWindow> answered;
    std::unique_ptr<juce::ChildProcess> xdotool;
};

/** The card's real volume, except that the flush waits until the test lets it go (never for ever):
    the progress window stays up while it is looked at. */
struct HeldVolume : SystemCardVolume
{
    std::atomic<bool> released { false }, flushing { false };

    bool flush (const juce::File& folder) override
    {
        flushing = true;
        for (int i = 0; i < 2000 && ! released; ++i)
            juce::Thread::sleep (5);
        return SystemCardVolume::flush (folder);
    }
};

/** Once the progress window has been up a while, photographs the main window's part of the screen
    with it, then lets the held worker finish. */
class ProgressShot : private juce::Timer
{
public:
    ProgressShot (juce::Component& w, HeldVolume& v, juce::File file) : window (w), volume (v), png (std::move (file))
    {
        startTimer (20);
    }

    ~ProgressShot() override { stopTimer(); volume.released = true; }

    juce::String title;
    juce::Rectangle<int> windowArea, barArea;      // on the screen
    juce::Image image;

private:
    void timerCallback() override
    {
        auto* progress = dynamic_cast<juce::AlertWindow*> (juce::ModalComponentManager::getInstance()->getModalComponent (0));
        // The framework's bar climbs towards its value at most 0.8 a second: 1.4 s after the flush
        // began it shows the progress the worker reached, however late the window came up.
        if (progress == nullptr || ! progress->isShowing() || ! volume.flushing || ++ticks < 70)
            return;

        stopTimer();
        title = progress->getName();
        windowArea = progress->getScreenBounds();
        for (auto* child : progress->getChildren())
            if (dynamic_cast<juce::ProgressBar*> (child) != nullptr)
                barArea = child->getScreenBounds();

        image = screenshot (window.getScreenBounds(), png);
        volume.released = true;
    }

    juce::Component& window;
    HeldVolume& volume;
    juce::File png;
    int ticks = 0;
};

constexpr auto exportPanel = PanelKind::exportPanel, importPanel = PanelKind::importPanel,
               settingsPanel = PanelKind::settingsPanel;

class PanelsGuiTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_NE (ProcessLauncher::findExecutable ("xdotool"), juce::File()) << "xdotool is needed for real input";

        for (auto* name : { "CARD_A", "CARD_B" })
        {
            const auto folder = mounts.getFile().getChildFile (name);
            ASSERT_TRUE (folder.createDirectory());
            cards.push_back ({ folder, name });
        }

        // The skin draws as in the program: its look-and-feel is the default one, which JUCE asks for
        // the typefaces of every text (the combo boxes' among them).
        juce::LookAndFeel::setDefaultLookAndFeel (&lookAndFeel);
        lookAndFeel.setDefaultSansSerifTypefaceName ("Verdana");
        juce::Typeface::clearTypefaceCache();

        window = std::make_unique<MainWindow> (*current, *lastSent, pointer);
        window->setCardDriveLister ([this] { return drivesPresent; });
        window->setBounds (40, 30, 1024, 738);
        window->setVisible (true);
        window->toFront (true);
        pumpMessages (150);

        // The pointer rests away from every control until a test moves it.
        ASSERT_TRUE (runXdotool ({ "mousemove", "1200", "880" }));
    }

    void TearDown() override
    {
        window->setLanguage (UiLanguage::english);    // the skin's language is the program's, not only this window's
        window.reset();
        juce::LookAndFeel::setDefaultLookAndFeel (nullptr);
        juce::Typeface::clearTypefaceCache();
        mounts.getFile().deleteRecursively();
    }

    /** Key strokes into the main window, as a user types them ("F7 Tab shift+Tab"). */
    void type (const juce::String& keys)
    {
        juce::StringArray arguments { "windowfocus", "--sync", xWindowId (*window), "key", "--delay", "80" };
        arguments.addTokens (keys, " ", {});
        EXPECT_TRUE (runXdotool (arguments)) << keys;
    }

    void moveMouseTo (juce::Point<int> screen)
    {
        EXPECT_TRUE (runXdotool ({ "mousemove", juce::String (screen.x), juce::String (screen.y) }));
    }

    void clickAt (juce::Point<int> screen)
    {
        EXPECT_TRUE (runXdotool ({ "mousemove", juce::String (screen.x), juce::String (screen.y),
                                   "sleep", "0.1", "click", "1" }, 250));
    }

    void clickOn (juce::Component& c)   { clickAt (c.getScreenBounds().getCentre()); }

    MenuComponent* panel (PanelKind kind) const
    {
        return dynamic_cast<MenuComponent*> (window->getOverlayPanels().get (kind));
    }

    /** True once only the panel of that kind is open (none for no kind): a loaded X server may hand
        the program its keys and clicks later than xdotool returns. */
    bool settlesOn (std::optional<PanelKind> kind)
    {
        return pumpUntil ([&]
        {
            for (auto k : { exportPanel, importPanel, settingsPanel })
                if ((panel (k) != nullptr) != (kind == k))
                    return false;
            return true;
        }, 3000);
    }

    static juce::Component* focused()  { return juce::Component::getCurrentlyFocusedComponent(); }

    CustomLookAndFeel lookAndFeel;
    std::unique_ptr<DeviceSettings> current = createDeviceSettings();
    std::unique_ptr<DeviceSettings> lastSent = createDeviceSettings();
    PointerState pointer;
    std::unique_ptr<MainWindow> window;

    juce::TemporaryFile mounts;
    std::vector<CardDrive> cards;
    std::vector<CardDrive> drivesPresent;
};

} // namespace

TEST_F (PanelsGuiTest, F7TwiceOpensThenClosesSettingsAndF4SwapsItForExport)
{
    type ("F7");
    ASSERT_TRUE (settlesOn (settingsPanel));
    EXPECT_TRUE (panel (settingsPanel)->isShowing());
    EXPECT_EQ (focused(), panel (settingsPanel)->getCheckBox (1)) << "the first check box takes the keys";

    type ("F7");
    EXPECT_TRUE (settlesOn (std::nullopt));
    EXPECT_FALSE (window->getOverlayPanels().isAnyOpen());

    type ("F7 F4");
    ASSERT_TRUE (settlesOn (exportPanel));
    EXPECT_TRUE (panel (exportPanel)->isShowing());

    // The strip's buttons do the same with the mouse: Import replaces Export, and a second click closes it.
    auto& importButton = window->getMenuButtons().getButton (MenuButtons::ButtonIndex::importData);
    clickOn (importButton);
    ASSERT_TRUE (settlesOn (importPanel));
    clickOn (importButton);
    EXPECT_TRUE (settlesOn (std::nullopt));
    EXPECT_FALSE (window->getOverlayPanels().isAnyOpen());
}

TEST_F (PanelsGuiTest, AClickOutsideAPanelClosesItAndAClickInsideDoesNot)
{
    drivesPresent = cards;

    for (auto kind : { exportPanel, importPanel, settingsPanel })
    {
        SCOPED_TRACE ((int) kind);
        type (kind == exportPanel ? "F4" : kind == importPanel ? "F3" : "F7");
        ASSERT_TRUE (settlesOn (kind));
        auto* open = panel (kind);

        // On the panel's text, away from its controls.
        clickAt (open->getScreenPosition() + juce::Point<int> (250, 40));
        pumpFor (300);
        ASSERT_EQ (panel (kind), open);

        // Below the panel, over the effect panel.
        clickAt (window->getScreenPosition() + juce::Point<int> (120, 600));
        EXPECT_TRUE (settlesOn (std::nullopt));
        EXPECT_FALSE (window->getMenuView()->isPanelOpen());
    }
}

TEST_F (PanelsGuiTest, TheDriveListDecidesOkAndWhichDriveIsShown)
{
    // Two drives: the second is chosen with the keys and remembered by its mount point.
    drivesPresent = cards;
    type ("F4");
    ASSERT_TRUE (settlesOn (exportPanel));
    auto* combo = panel (exportPanel)->getComboBox (1);
    EXPECT_EQ (combo->getText(), "CARD_A") << "nothing remembered: the first drive shows";
    EXPECT_TRUE (panel (exportPanel)->getOkButton().isEnabled());

    type ("Tab Tab Down");
    EXPECT_EQ (combo->getText(), "CARD_B");
    type ("Tab");
    EXPECT_EQ (focused(), &panel (exportPanel)->getOkButton());
    {
        AlertKeyAnswer answer (*window, "Return");
        type ("Return");
        EXPECT_TRUE (answer.waitForAnswer());
        EXPECT_EQ (answer.messages, juce::StringArray ("Exporting completed."));
    }
    EXPECT_EQ (panel (exportPanel), nullptr) << "effect parameters were ticked: OK went through";
    EXPECT_EQ (window->getCardDrive(), cards[1].mountPoint);
    EXPECT_TRUE (CardTransfer::documentFileFor (cards[1].mountPoint).existsAsFile()) << "to the drive shown";

    // The same drive is shown again while it is there, in either panel.
    type ("F3");
    ASSERT_TRUE (settlesOn (importPanel));
    EXPECT_EQ (panel (importPanel)->getComboBox (1)->getText(), "CARD_B");
    type ("Escape");
    ASSERT_TRUE (settlesOn (std::nullopt));

    // It was pulled: the first drive shows, and that is what OK takes.
    drivesPresent = { cards[0] };
    type ("F4");
    ASSERT_TRUE (settlesOn (exportPanel));
    EXPECT_EQ (panel (exportPanel)->getComboBox (1)->getText(), "CARD_A");
    {
        AlertKeyAnswer answer (*window, "Return");
        clickOn (panel (exportPanel)->getOkButton());
        EXPECT_TRUE (answer.waitForAnswer());
        EXPECT_EQ (answer.messages, juce::StringArray ("Exporting completed."));
    }
    EXPECT_EQ (window->getCardDrive(), cards[0].mountPoint);

    // No drive at all: OK is disabled and the keys pass it by, both ways.
    drivesPresent.clear();
    type ("F4");
    ASSERT_TRUE (settlesOn (exportPanel));
    auto* open = panel (exportPanel);
    EXPECT_FALSE (open->getOkButton().isEnabled());
    EXPECT_TRUE (open->getComboBox (1)->getText().isEmpty());
    EXPECT_EQ (focused(), open->getCheckBox (1));

    const juce::Component* walked[] = { open->getCheckBox (2), open->getComboBox (1), &open->getCancelButton(),
                                        open->getCheckBox (1) };
    for (auto* expected : walked)
    {
        type ("Tab");
        EXPECT_EQ (focused(), expected);
    }

    type ("shift+Tab");
    EXPECT_EQ (focused(), &open->getCancelButton());
    type ("Left");
    EXPECT_EQ (focused(), open->getComboBox (1));

    // Return on the focus-ring's CANCEL closes the panel and keeps what was remembered.
    type ("Tab Return");
    EXPECT_TRUE (settlesOn (std::nullopt));
    EXPECT_EQ (window->getCardDrive(), cards[0].mountPoint);
}

TEST_F (PanelsGuiTest, TheColourPreviewShowsAtOnceAndClosingWithoutOkPutsTheColourBack)
{
    // "Auto" with no unit to follow: last time's colour stays, and must come back after a preview.
    window->setBodyColor (BodyColor::platinum);
    ASSERT_EQ (window->getBodyColorMode(), BodyColorMode::followUnit);

    type ("F7 Tab Tab Tab");
    ASSERT_TRUE (settlesOn (settingsPanel));
    ASSERT_EQ (focused(), panel (settingsPanel)->getComboBox (1));
    type ("Down Down");
    EXPECT_EQ (panel (settingsPanel)->getComboBox (1)->getText(), "White");
    EXPECT_EQ (window->getBodyColor(), BodyColor::white) << "the preview shows at once";
    EXPECT_EQ (window->getBody().getBodyColorIndex(), BodyColor::white);

    type ("Escape");
    EXPECT_TRUE (settlesOn (std::nullopt));
    EXPECT_EQ (window->getBodyColor(), BodyColor::platinum);
    EXPECT_EQ (window->getBodyColorMode(), BodyColorMode::followUnit);

    // CANCEL clicked with the mouse, and a click outside the panel, do the same.
    for (const bool clickCancel : { true, false })
    {
        type ("F7 Tab Tab Tab Down");
        ASSERT_TRUE (settlesOn (settingsPanel));
        EXPECT_EQ (window->getBodyColor(), BodyColor::black);

        if (clickCancel)
            clickOn (panel (settingsPanel)->getCancelButton());
        else
            clickAt (window->getScreenPosition() + juce::Point<int> (120, 600));

        EXPECT_TRUE (settlesOn (std::nullopt));
        EXPECT_EQ (window->getBodyColor(), BodyColor::platinum) << (clickCancel ? "CANCEL" : "click outside");
    }

    // OK keeps the colour and stores the mode; the panel opens with it next time.
    type ("F7 Tab Tab Tab Down Down Tab Tab Return");
    EXPECT_TRUE (settlesOn (std::nullopt));
    EXPECT_EQ (window->getBodyColorMode(), BodyColorMode::white);
    EXPECT_EQ (window->getBodyColor(), BodyColor::white);
    type ("F7");
    ASSERT_TRUE (settlesOn (settingsPanel));
    EXPECT_EQ (panel (settingsPanel)->getComboBox (1)->getText(), "White");
}

TEST_F (PanelsGuiTest, ExportWithNothingTickedWarnsAndStays)
{
    drivesPresent = cards;
    type ("F4");
    ASSERT_TRUE (settlesOn (exportPanel));
    auto* open = panel (exportPanel);
    ASSERT_TRUE (open->getCheckBox (1)->getToggleState()) << "effect parameters are ticked at first";

    // Space unticks the focused box; OK then only warns.
    type ("space");
    pumpUntil ([&] { return ! open->getCheckBox (1)->getToggleState(); }, 3000);
    EXPECT_FALSE (open->getCheckBox (1)->getToggleState());
    {
        AlertKeyAnswer answer (*window, "Return");
        type ("Tab Tab Tab Return");
        EXPECT_TRUE (answer.waitForAnswer());
        ASSERT_EQ (answer.messages.size(), 1);
        EXPECT_EQ (answer.messages[0], "Select the data to be exported.");
    }
    EXPECT_EQ (panel (exportPanel), open) << "the panel stays for the user to tick something";
    EXPECT_FALSE (window->getSettingsToStore().exportEffects) << "what OK read is kept";

    // Ticking sample data with the mouse and pressing OK goes through.
    clickOn (*open->getCheckBox (2));
    pumpUntil ([&] { return open->getCheckBox (2)->getToggleState(); }, 3000);
    EXPECT_TRUE (open->getCheckBox (2)->getToggleState());
    {
        AlertKeyAnswer answer (*window, "Return");
        clickOn (open->getOkButton());
        EXPECT_TRUE (answer.waitForAnswer());
        EXPECT_EQ (answer.messages, juce::StringArray ("Exporting completed."));
    }
    EXPECT_EQ (panel (exportPanel), nullptr);
    EXPECT_FALSE (CardTransfer::documentFileFor (cards[0].mountPoint).exists()) << "sample data only";
    EXPECT_TRUE (CardTransfer::sampleFileFor (cards[0].mountPoint, 1, 1).getParentDirectory().isDirectory());
    const auto stored = window->getSettingsToStore();
    EXPECT_FALSE (stored.exportEffects);
    EXPECT_TRUE (stored.exportSamples);
    EXPECT_TRUE (stored.importEffects) << "the Import panel's choices are its own";
}

TEST_F (PanelsGuiTest, ALanguageChosenInSettingsAppliesToTheNextAlertAndTheMenusOnlyWithOk)
{
    type ("F7 Tab Tab Tab Tab");
    ASSERT_TRUE (settlesOn (settingsPanel));
    auto* settings = panel (settingsPanel);
    ASSERT_EQ (focused(), settings->getComboBox (2));

    type ("Down Down Down Down Down Down Down Down Down Down Down");
    EXPECT_EQ (settings->getComboBox (2)->getText(), juce::String::fromUTF8 (u8"日本語"));
    EXPECT_EQ (window->getLanguage(), UiLanguage::english) << "the language waits for OK";
    EXPECT_EQ (CustomLookAndFeel::getUiLanguage(), UiLanguage::english);

    type ("Tab Return");
    EXPECT_TRUE (settlesOn (std::nullopt));
    EXPECT_EQ (window->getLanguage(), UiLanguage::japanese);
    EXPECT_EQ (CustomLookAndFeel::getUiLanguage(), UiLanguage::japanese) << "the skin's menus and alerts follow";

    // The next alert speaks it.
    {
        AlertKeyAnswer answer (*window, "Escape");
        EXPECT_TRUE (window->performCommand (CommandTable::loadDefaultSettings));
        EXPECT_TRUE (answer.waitForAnswer());
        ASSERT_EQ (answer.messages.size(), 1);
        EXPECT_EQ (answer.messages[0], messageText (UserMessage::confirmLoadDefaults)[UiLanguage::japanese]);
    }

    // CANCEL leaves it alone.
    type ("F7 Tab Tab Tab Tab Up Escape");
    EXPECT_EQ (window->getLanguage(), UiLanguage::japanese);
}

TEST_F (PanelsGuiTest, ScreenshotsOfTheThreePanels)
{
    drivesPresent = cards;
    window->setBodyColor (BodyColor::black);

    struct Shot { PanelKind kind; const char* keys; const char* file; };
    for (const auto& shot : { Shot { exportPanel, "F4", "panel-export.png" }, Shot { importPanel, "F3", "panel-import.png" },
                              Shot { settingsPanel, "F7", "panel-settings.png" } })
    {
        type (shot.keys);
        ASSERT_TRUE (settlesOn (shot.kind));
        pumpMessages (300);

        const auto png = juce::File (TESSALIN_BUILD_DIR).getChildFile (shot.file);
        const auto image = screenshot (window->getScreenBounds(), png);
        ASSERT_TRUE (image.isValid()) << shot.file;

        // The panel's frame shows at its place: its text is light on the dark frame.
        const auto at = panel (shot.kind)->getScreenPosition() - window->getScreenPosition();
        int light = 0;
        for (int x = 0; x < 120; ++x)
            for (int y = 36; y < 51; ++y)
                light += image.getPixelAt (at.x + 162 - (shot.kind == settingsPanel ? 121 : 0) + x, at.y + y).getBrightness() > 0.8f ? 1 : 0;
        EXPECT_GT (light, 20) << shot.file;

        type ("Escape");
        ASSERT_TRUE (settlesOn (std::nullopt));
    }
}

TEST_F (PanelsGuiTest, ExportFromThePanelRunsBehindItsProgressWindowAndFillsTheCard)
{
    drivesPresent = { cards[0] };
    const auto card = cards[0].mountPoint;
    const auto stale = CardTransfer::sampleFileFor (card, 1, 3);     // a slot emptied since the last export
    ASSERT_TRUE (stale.getParentDirectory().createDirectory());
    ASSERT_TRUE (stale.replaceWithText ("old sample"));
    current->isolateLock = 1;
    window->setDocumentModified (true);
    window->setSamplerModified (true);

    // A slot filled with a 44.1 kHz source that the sampler has not prepared yet: the export has it
    // prepared, and the card gets the 48 kHz copy with the slot's loop and tempo, not the source.
    const auto source = writeSampleSource (mounts.getFile().getChildFile ("source.wav"), 0.5f, 44100.0);
    auto& slot = samplerSlot (*current, 0);
    setSlotPath (slot, source.getFullPathName());
    slot.loop = slot.loopPresent = 1;
    slot.tempo = 12800;
    slot.tempoPresent = 1;
    ASSERT_EQ (window->getSamplerWindow().getTemporaryFile (0), juce::File());

    auto volume = std::make_unique<HeldVolume>();
    auto& held = *volume;
    window->setCardVolume (std::move (volume));

    // Effect parameters are ticked; Tab and Space tick sample data too.
    type ("F4 Tab space");
    ASSERT_TRUE (settlesOn (exportPanel));
    auto* open = panel (exportPanel);
    ASSERT_TRUE (open->getCheckBox (1)->getToggleState());
    ASSERT_TRUE (open->getCheckBox (2)->getToggleState());

    const auto png = juce::File (TESSALIN_BUILD_DIR).getChildFile ("card-export-from-panel.png");
    {
        ProgressShot shot (*window, held, png);
        AlertKeyAnswer answer (*window, "Return");
        clickOn (open->getOkButton());
        EXPECT_TRUE (answer.waitForAnswer());

        EXPECT_EQ (shot.title, "Exporting...");
        EXPECT_EQ (answer.messages, juce::StringArray ("Exporting completed.")) << "after the progress window";
        ASSERT_TRUE (shot.image.isValid());
        EXPECT_TRUE (window->getScreenBounds().contains (shot.windowArea)) << "over the main window";

        // The bar is drawn nearly to its end by then (every slot done, the flush held).
        const auto bar = shot.barArea - window->getScreenPosition();
        ASSERT_FALSE (bar.isEmpty());
        const auto empty = shot.image.getPixelAt (bar.getRight() - 2, bar.getY() + 1);
        int drawn = 0;
        for (int x = bar.getX(); x < bar.getRight(); ++x)
            drawn += shot.image.getPixelAt (x, bar.getCentreY()) != empty ? 1 : 0;
        EXPECT_GT (drawn, bar.getWidth() * 3 / 4);
    }

    EXPECT_EQ (panel (exportPanel), nullptr);
    EXPECT_EQ (CardTransfer::documentFileFor (card).loadFileAsString(), CardTransfer::cardDocumentText (*current));
    EXPECT_FALSE (stale.exists());
    EXPECT_FALSE (window->isDocumentModified());
    EXPECT_FALSE (window->isSamplerModified());

    const auto prepared = window->getSamplerWindow().getTemporaryFile (0);
    const auto onCard = CardTransfer::sampleFileFor (card, 1, 1);
    ASSERT_TRUE (prepared.existsAsFile());
    EXPECT_FALSE (window->getSamplerWindow().isVisible()) << "prepared without showing the sampler";
    EXPECT_TRUE (onCard.hasIdenticalContentTo (prepared));
    int32_t loop = 0, tempo = 0;
    double frames = 0;
    int rate = 0;
    ASSERT_EQ (readSampleWavInfo (onCard, &loop, &tempo, &frames, true, &rate), sampleWavOk);
    EXPECT_EQ (std::vector<double> ({ (double) rate, frames, (double) loop, (double) tempo }),
               std::vector<double> ({ 48000, 24000, 1, 12800 }));
    EXPECT_EQ (CardTransfer::sampleFileFor (card, 1, 2).getParentDirectory().getNumberOfChildFiles (juce::File::findFiles), 1);
}
