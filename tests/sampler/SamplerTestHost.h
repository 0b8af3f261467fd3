#pragma once

#include "JuceTestPrinters.h"
#include "MessagePump.h"
#include "WavTestSupport.h"
#include "core/EditController.h"
#include "sampler/SampleComponent.h"
#include "sampler/SamplePanel.h"
#include "sampler/SamplerWindow.h"
#include "tests/widgets/SkinTestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <vector>

/** xdotool commands one after the other. */
inline juce::StringArray operator+ (juce::StringArray first, const juce::StringArray& then)
{
    first.addArray (then);
    return first;
}

/** A screenshot for review, in the build folder. */
inline void writePng (const juce::Image& image, const juce::String& name)
{
    const auto file = juce::File (TESSALIN_BUILD_DIR).getChildFile (name);
    file.deleteFile();

    if (auto out = file.createOutputStream())
        juce::PNGImageFormat().writeImageToStream (image, *out);
}

/** The main window as the sampler window sees it, for tests: the document behind a real
    EditController (so commits and undo are what the program does), alerts and breadcrumb calls
    recorded instead of shown, and a file chooser that answers with a file the test sets. */
class SamplerTestHost : public SamplerWindow::Host,
                        public SamplerWindow::Breadcrumb,
                        public SamplerWindow::Panel,
                        public EditControllerHost
{
public:
    explicit SamplerTestHost (SamplerWindow& w) : window (w)
    {
        resetDeviceSettings (document, false);
        resetDeviceSettings (lastSent, false);
    }

    SamplerWindow& window;
    std::unique_ptr<DeviceSettings[]> documents { new DeviceSettings[2] };
    DeviceSettings& document = documents.get()[0];
    DeviceSettings& lastSent = documents.get()[1];
    EditController editor { document, lastSent, *this };
    PointerState pointer;

    std::vector<UserMessage> alerts;
    std::vector<juce::String> breadcrumbCalls;
    bool showsSamplerPath = false;
    int samplerModified = 0, panelRefreshes = 0, returnsToXPad = 0, firstRunsAdopted = 0;
    juce::File nextChosenFile;
    juce::String lastWavPath;

    // SamplerWindow::Host
    DeviceSettings& getCurrentDocument() override           { return document; }
    void adoptCurrentAsLastSent() override                  { ++firstRunsAdopted; editor.adoptCurrentAsLastSent(); }
    bool commitSettingsChange() override                    { return editor.commitSettingsChange(); }
    void setSamplerModified() override                      { ++samplerModified; }
    void showAlert (UserMessage message, AlertKind) override { alerts.push_back (message); }
    juce::File chooseWavFile (const juce::File&) override   { return nextChosenFile; }
    juce::String getLastWavFilePath() override              { return lastWavPath; }
    void setLastWavFilePath (const juce::String& p) override { lastWavPath = p; }
    PointerState& getPointerState() override                { return pointer; }
    void keepToolWindowsInOrder() override                  {}
    void placeEffectBrowser() override                      {}

    // SamplerWindow::Breadcrumb
    bool showsSampler() override                            { return showsSamplerPath; }
    void save() override                                    { breadcrumbCalls.push_back ("save"); }
    void restore() override                                 { breadcrumbCalls.push_back ("restore"); showsSamplerPath = false; }
    void showSampler() override                             { breadcrumbCalls.push_back ("sampler"); showsSamplerPath = true; }
    void showSlot (const juce::String& name) override       { breadcrumbCalls.push_back (name); }

    // SamplerWindow::Panel
    void refreshSamplerView() override                      { ++panelRefreshes; }
    void returnToXPadEffect() override                      { ++returnsToXPad; }

    // EditControllerHost
    bool isSyncOn() override                                { return false; }
    void refreshPanel() override                            {}
    void rebuildSamplerFiles() override                     { window.refreshAfterUndoRedo(); }
    void showVersion (const juce::String&) override         {}

    std::vector<juce::String> takeBreadcrumbCalls()         { return std::exchange (breadcrumbCalls, {}); }
    std::vector<UserMessage> takeAlerts()                   { return std::exchange (alerts, {}); }
};

/** A sampler window on the desktop with its host, over a TMPDIR and a folder of sources of its own. */
class SamplerWindowFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (const char* old = std::getenv ("TMPDIR"))
            oldTmpDir = old;

        root = juce::File ("/tmp").getChildFile ("sampler_window_test_" + juce::String::toHexString (juce::Random::getSystemRandom().nextInt64()));
        sources = root.getChildFile ("sources");
        tmpDir = root.getChildFile ("tmp");
        sources.createDirectory();
        tmpDir.createDirectory();
        ::setenv ("TMPDIR", tmpDir.getFullPathName().toRawUTF8(), 1);

        window = std::make_unique<SamplerWindow>();
        host = std::make_unique<SamplerTestHost> (*window);
        window->setHost (host.get());
        window->setBreadcrumb (host.get());
        window->setPanel (host.get());
        window->setTopLeftPosition (60, 60);

        // Parked away, the pointer cannot hand the focus to a control that appears under it.
        juce::ChildProcess park;

        if (park.start (juce::StringArray { "xdotool", "mousemove", "1270", "890" }))
            park.waitForProcessToFinish (5000);
    }

    void TearDown() override
    {
        window.reset();
        host.reset();
        EXPECT_EQ (tmpDir.getNumberOfChildFiles (juce::File::findFilesAndDirectories), 0) << "temporary files left";

        if (oldTmpDir.has_value())
            ::setenv ("TMPDIR", oldTmpDir->c_str(), 1);
        else
            ::unsetenv ("TMPDIR");

        root.deleteRecursively();
    }

    static void pump (int milliseconds)
    {
        juce::MessageManager::getInstance()->runDispatchLoopUntil (milliseconds);
    }

    /** A mono 48 kHz source of our own format; its "qzt1" chunk carries loop and tempo. */
    juce::File source (const juce::String& name, double seconds, int32_t loop = 0, int32_t tempo = 0, float level = 0.5f)
    {
        const auto file = sources.getChildFile (name);
        EXPECT_TRUE (wavtest::writeQztWav (file, 1, 48000, 16, loop, tempo, juce::roundToInt (seconds * 48000),
                                           [level] (int, int i) { return level * (float) ((i % 480) - 240) / 240.0f; }));
        return file;
    }

    /** Shows the window with its tiles built from the document. */
    void showWindow()
    {
        window->createTemporaryFiles (true);
        window->toFront (true);
        pump (100);

        // The X server's word that the window holds the keys can come late on a busy machine.
        pumpUntil ([this] { return window->getPeer() != nullptr && window->getPeer()->isFocused(); }, 3000);
    }

    SamplePanel& tile (int index)               { return *window->getTile (index); }
    const SamplerSlot& slot (int index) const   { return samplerSlot (host->document, index); }
    int undoPosition()                          { return host->editor.getHistory().getPosition(); }

    /** Files dropped on the window over a tile's face, the way the desktop's drop reaches it. */
    void dropFilesOn (int tileIndex, const juce::StringArray& files)
    {
        dropFilesAt (tile (tileIndex), tile (tileIndex).getLocalBounds().getCentre().withY (30), files);
    }

    /** Files dropped on the window at a place of one of its components. */
    void dropFilesAt (juce::Component& component, juce::Point<int> local, const juce::StringArray& files)
    {
        auto* peer = window->getPeer();
        ASSERT_NE (peer, nullptr);
        juce::ComponentPeer::DragInfo info;
        info.files = files;
        info.position = window->getLocalPoint (&component, local);
        // As the desktop does: a drop where a target accepts the files, else the drag just leaves.
        if (peer->handleDragMove (info))
            peer->handleDragDrop (info);
        else
            peer->handleDragExit (info);
        pump (50);
    }

    /** Runs xdotool with the message loop going, as the user's input arrives, the window focused first. */
    void xdotool (const juce::StringArray& commands)
    {
        juce::StringArray args { "xdotool", "windowfocus", "--sync",
                                 juce::String ((juce::uint64) (juce::pointer_sized_uint) window->getPeer()->getNativeHandle()) };
        args.addArray (commands);
        juce::ChildProcess process;
        ASSERT_TRUE (process.start (args)) << "xdotool is needed to move the mouse and type keys";

        for (int waited = 0; process.isRunning() && waited < 20000; waited += 10)
            pump (10);

        EXPECT_EQ (process.getExitCode(), 0u) << process.readAllProcessOutput();

        // The events are with the X server once xdotool ends; on a busy machine the window may take a
        // while to read and handle them.
        pump (250);
    }

    /** True once the component holds the keyboard (3 s at most): the key that moves the focus there
        may reach the window later than xdotool returns. */
    static bool focusSettlesOn (const juce::Component& c)
    {
        return pumpUntil ([&c] { return c.hasKeyboardFocus (false); }, 3000);
    }

    /** The screen point at a place of a component. */
    static juce::StringArray moveTo (const juce::Component& c, juce::Point<int> local)
    {
        const auto p = c.localPointToGlobal (local);
        return { "mousemove", juce::String (p.x), juce::String (p.y), "sleep", "0.05" };
    }

    static juce::StringArray moveToCentre (const juce::Component& c)
    {
        return moveTo (c, c.getLocalBounds().getCentre());
    }

    juce::File root, sources, tmpDir;
    std::optional<std::string> oldTmpDir;
    CustomLookAndFeel lookAndFeel;
    skintest::ScopedDefaultLookAndFeel defaultLookAndFeel { lookAndFeel };
    std::unique_ptr<SamplerWindow> window;
    std::unique_ptr<SamplerTestHost> host;
};
