// What the document's flows ask of the sampler window through the main window: temporary files built
// for saving, the sample files written beside a saved document, slots reloaded after loading, and
// undo of a sampler edit reaching the window's files through the edit controller.

#include "AppGuiTestSupport.h"
#include "JuceTestPrinters.h"
#include "app/MainWindow.h"

#include <gtest/gtest.h>

namespace
{
/** Answers the program's alerts with OK, leaving the progress windows alone (Return would cancel them). */
class AnswerAlerts : private juce::Timer
{
public:
    AnswerAlerts() { startTimer (20); }
    int answered = 0;

private:
    void timerCallback() override
    {
        auto* alert = dynamic_cast<CustomAlertWindow*> (juce::ModalComponentManager::getInstance()->getModalComponent (0));

        if (alert != nullptr && ! alert->isFinished())
        {
            alert->finish (0);
            ++answered;
        }
    }
};

juce::MemoryBlock contentsOf (const juce::File& file)
{
    juce::MemoryBlock data;
    file.loadFileAsData (data);
    return data;
}

struct SamplerServicesGuiTest : ::testing::Test
{
    TemporaryConfigHome config;
    juce::File folder = config.getFolder().getChildFile ("work");
    std::unique_ptr<DeviceSettings> current = createDeviceSettings();
    std::unique_ptr<DeviceSettings> lastSent = createDeviceSettings();
    PointerState pointer;
    std::unique_ptr<MainWindow> window;

    void SetUp() override
    {
        folder.createDirectory();
        window = std::make_unique<MainWindow> (*current, *lastSent, pointer);
        window->setBounds (40, 30, 1024, 738);
        window->setVisible (true);
        pumpMessages (30);
    }

    void TearDown() override { window.reset(); }
};
} // namespace

TEST_F (SamplerServicesGuiTest, SavingWritesTheSlotsPreparedFilesBesideTheDocument)
{
    const auto source = writeSampleSource (folder.getChildFile ("hit.wav"), 0.5f);
    setSlotPath (samplerSlot (*current, 5), source.getFullPathName());
    const auto document = folder.getChildFile ("set.RSD");

    AnswerAlerts user;
    ASSERT_TRUE (DocumentFiles::saveSettingsFile (*current, document, *window));
    EXPECT_EQ (user.answered, 1) << "Saving completed.";

    // The window prepared its files without showing itself; bank 2, slot 2 is "Sampler22.wav".
    auto& sampler = window->getSamplerWindow();
    EXPECT_FALSE (sampler.isVisible());
    const auto prepared = window->temporaryFileForSlot (5);
    ASSERT_TRUE (prepared.existsAsFile());
    const auto written = DocumentFiles::sampleFolderFor (document).getChildFile ("Sampler22.wav");
    ASSERT_TRUE (written.existsAsFile());
    EXPECT_TRUE (contentsOf (written) == contentsOf (prepared));
    EXPECT_EQ (window->temporaryFileForSlot (4), juce::File());
    EXPECT_EQ (window->getEditController().getHistory().getPosition(), 0) << "settling the slots is no edit";
}

TEST_F (SamplerServicesGuiTest, UndoOfASamplerEditRebuildsItsFileThroughTheMainWindow)
{
    const auto quiet = writeSampleSource (folder.getChildFile ("quiet.wav"), 0.1f);
    const auto loud = writeSampleSource (folder.getChildFile ("loud.wav"), 0.9f);
    auto& sampler = window->getSamplerWindow();
    window->samplesReloaded();
    EXPECT_FALSE (sampler.isVisible()) << "a hidden window is left alone after loading";

    sampler.createTemporaryFiles (true);
    sampler.dropFiles (0, { quiet.getFullPathName() });
    const auto quietData = contentsOf (window->temporaryFileForSlot (0));
    sampler.dropFiles (0, { loud.getFullPathName() });
    EXPECT_TRUE (window->isSamplerModified());
    EXPECT_TRUE (window->hasUnsavedChanges());

    window->undo();
    EXPECT_EQ (getSlotPath (samplerSlot (*current, 0)), quiet.getFullPathName());
    EXPECT_TRUE (contentsOf (window->temporaryFileForSlot (0)) == quietData);

    // A loaded document's slots reach the visible window at once.
    setSlotPath (samplerSlot (*current, 0), loud.getFullPathName());
    window->samplesReloaded();
    EXPECT_EQ (sampler.getTiles().getFileNameText (0), "loud.wav");
}
