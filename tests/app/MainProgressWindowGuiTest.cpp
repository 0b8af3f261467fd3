// The card transfer behind its progress window on a real desktop (Xvfb): what the user sees while an
// export runs, and Cancel waiting for the file being written.

#include "AppGuiTestSupport.h"
#include "app/MainProgressWindow.h"
#include "tests/widgets/SkinTestSupport.h"

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <thread>

namespace
{
/** A card that holds the worker at the free-space question or at the flush while the test looks. */
struct HeldVolume : CardVolume
{
    std::function<void()> whileAskingSpace = [] {}, whileFlushing = [] {};

    std::optional<int64_t> freeBytes (const juce::File&) override { whileAskingSpace(); return int64_t (1) << 40; }
    bool flush (const juce::File&) override { whileFlushing(); return true; }
};

/** Holds a worker until the message thread has done something, but never for ever. */
void waitFor (const std::function<bool()>& condition)
{
    for (int i = 0; i < 2000 && ! condition(); ++i)
        std::this_thread::sleep_for (std::chrono::milliseconds (5));
}

/** Acts on the message thread once the progress window has been up and painted for a while. */
class WhenShowing : private juce::Timer
{
public:
    WhenShowing (MainProgressWindow& w, std::function<bool()> ready, std::function<void (juce::AlertWindow&)> act)
        : window (w), isReady (std::move (ready)), action (std::move (act)) { startTimer (20); }

private:
    void timerCallback() override
    {
        auto* alert = window.getAlertWindow();
        if (alert != nullptr && alert->isShowing() && isReady() && ++readyTicks >= 10)
        {
            stopTimer();
            action (*alert);
        }
    }

    MainProgressWindow& window;
    std::function<bool()> isReady;
    std::function<void (juce::AlertWindow&)> action;
    int readyTicks = 0;
};

struct MainProgressWindowGuiTest : ::testing::Test
{
    juce::TemporaryFile holder { juce::String(), juce::TemporaryFile::useHiddenFile };
    juce::File card = holder.getFile();
    CustomLookAndFeel lookAndFeel;
    skintest::ScopedDefaultLookAndFeel scopedLookAndFeel { lookAndFeel };
    std::unique_ptr<DeviceSettings> document = createDeviceSettings();
    std::vector<juce::File> preparedFiles;
    HeldVolume volume;
    MainProgressWindow window { nullptr, MainProgressWindow::Mode::exportToCard, "Exporting...", card, {},
                                *document, preparedFiles, volume };

    MainProgressWindowGuiTest()
    {
        card.createDirectory();
        resetDeviceSettings (*document, false);
    }

    ~MainProgressWindowGuiTest() override { card.deleteRecursively(); }
};
} // namespace

TEST_F (MainProgressWindowGuiTest, ExportShowsItsProgressUntilTheCardIsFlushed)
{
    ASSERT_FALSE (CardTransfer::prepareExport (card).has_value());
    std::atomic<bool> flushing { false }, looked { false };
    volume.whileFlushing = [&] { flushing = true; waitFor ([&] { return looked.load(); }); };

    const auto folder = juce::File (TESSALIN_BUILD_DIR);
    juce::Image snapshot;
    WhenShowing user (window, [&] { return flushing.load(); }, [&] (juce::AlertWindow& alert)
    {
        snapshot = alert.createComponentSnapshot (alert.getLocalBounds());
        folder.getChildFile ("card-export-progress.png").deleteFile();
        if (auto out = folder.getChildFile ("card-export-progress.png").createOutputStream())
            juce::PNGImageFormat().writeImageToStream (snapshot, *out);

        juce::ChildProcess screen;
        if (screen.start (juce::StringArray { "/usr/bin/import", "-window", "root",
                                              folder.getChildFile ("card-export-progress-screen.png").getFullPathName() }))
            screen.waitForProcessToFinish (10000);
        looked = true;
    });

    EXPECT_TRUE (window.runThread());
    const auto result = window.takeResult();
    EXPECT_TRUE (looked);
    EXPECT_EQ (result.outcome, CardTransfer::Outcome::completed);
    EXPECT_TRUE (CardTransfer::documentFileFor (card).existsAsFile());
    EXPECT_GE (snapshot.getWidth(), 200);
}

TEST_F (MainProgressWindowGuiTest, CancelWaitsForTheFileBeingWritten)
{
    ASSERT_FALSE (CardTransfer::prepareExport (card).has_value());

    // Still busy for a while after Cancel: the worker is neither killed nor left running, and the
    // transfer stops before the next file.
    volume.whileAskingSpace = [&]
    {
        waitFor ([&] { return window.threadShouldExit(); });
        std::this_thread::sleep_for (std::chrono::milliseconds (300));
    };

    WhenShowing user (window, [] { return true; }, [] (juce::AlertWindow& alert) { alert.triggerButtonClick ("Cancel"); });

    EXPECT_FALSE (window.runThread());
    const auto result = window.takeResult();
    EXPECT_EQ (result.outcome, CardTransfer::Outcome::cancelled);
    EXPECT_TRUE (result.documentWritten);
    EXPECT_FALSE (CardTransfer::sampleFileFor (card, 1, 1).getParentDirectory().exists());
}
