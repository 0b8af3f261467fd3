// The effect panel's costs, as medians of many runs. Prints "name: value" lines:
//   panel_refresh_ms          re-reading every control from a document (all sixteen slots named)
//   panel_paint_ms            the whole 1024x738 main window painted into an image, software renderer,
//                             the panel at the first level
//   panel_paint_section_ms    the same with the Scene section up (its artwork and read-outs drawn)
//   edit_to_send_ms           a combo box changed by the user until its frame is handed to a connected
//                             (simulated) unit, Sync on
// Needs a display for the window: xvfb-run -a -s "-screen 0 1280x900x24" build/bin/panel_bench
#include "app/ContentLayout.h"
#include "bench/BenchTiming.h"
#include "app/MainWindow.h"
#include "core/MidiThread.h"
#include "LinkTestHost.h"
#include "QuietEditHost.h"
#include "SimulatedUnit.h"
#include "TestDocuments.h"
#include "widgets/AnimImageButton.h"
#include "widgets/CustomLookAndFeel.h"
#include "widgets/ValueCombo.h"

#include <cstdio>
#include <vector>

namespace
{
std::unique_ptr<DeviceSettings> busyDocument()
{
    juce::Random random (11);
    auto d = TestDocuments::randomParameters (random);
    for (int i = 0; i < numUnitSlots; ++i)
        setSlotPath (samplerSlot (*d, i), "/home/dj/Samples/loop " + juce::String (i + 1) + ".wav");
    return d;
}

/** The panel's window for the edit: commits go to an editor that sends while Sync is on. */
struct SyncedHost : BodyHost, QuietEditHost
{
    SyncedHost() { syncOn = true; }

    std::unique_ptr<DeviceSettings> current = busyDocument();
    std::unique_ptr<DeviceSettings> lastSent = std::make_unique<DeviceSettings> (*current);
    EditController editor { *current, *lastSent, *this };
    PointerState pointer;

    bool commitSettingsChange() override                { return editor.commitSettingsChange(); }
    void placeEffectBrowser() override                  {}
    PointerState& getPointerState() override            { return pointer; }
    void focusMainWindow() override                     {}
    void closeMenus() override                          {}
    void showSamplerWindow() override                   {}
    void focusSamplerSlot() override                    {}
    void removeSampleEditor() override                  {}
    void openSampleEditor (int) override                {}
    void focusSampleEditor() override                   {}
};
} // namespace

int main()
{
    // Without an application object the window needs this to get the framework's X error handlers.
    juce::JUCEApplicationBase::createInstance = []() -> juce::JUCEApplicationBase* { return nullptr; };
    juce::ScopedJuceInitialiser_GUI juce;
    CustomLookAndFeel lookAndFeel;
    juce::LookAndFeel::setDefaultLookAndFeel (&lookAndFeel);

    if (juce::Desktop::getInstance().getDisplays().getPrimaryDisplay() == nullptr)
    {
        std::fprintf (stderr, "panel_bench needs a display (xvfb-run)\n");
        return 1;
    }

    // Refresh and paint: the real main window over a document with every section in use.
    auto current = busyDocument();
    auto lastSent = std::make_unique<DeviceSettings> (*current);
    PointerState pointer;
    std::vector<double> refreshTimes, paintTimes, sectionPaintTimes, editTimes;

    {
        MainWindow window (*current, *lastSent, pointer);
        *current = *busyDocument();
        window.setSize (ContentLayout::mainWidth, ContentLayout::mainHeight);
        window.setVisible (true);
        auto& body = window.getBody();

        for (int i = 0; i < 500; ++i)
            refreshTimes.push_back (bench::timeMs ([&] { body.refreshFromData(); }));

        juce::Image image (juce::Image::RGB, ContentLayout::mainWidth, ContentLayout::mainHeight, true, juce::SoftwareImageType());
        const auto paint = [&] { juce::Graphics g (image); window.paintEntireComponent (g, true); };
        paint();    // the body's picture is loaded on the first paint

        for (int i = 0; i < 60; ++i)
            paintTimes.push_back (bench::timeMs (paint));

        body.getSectionButton (PanelSection::scene)->setStateAndReevaluate (juce::Button::buttonOver);
        juce::MessageManager::getInstance()->runDispatchLoopUntil (500);

        for (int i = 0; i < 60; ++i)
            sectionPaintTimes.push_back (bench::timeMs (paint));

        window.setVisible (false);
    }

    // Edit to send: a combo box of the panel, a link connected to the simulated unit.
    SimulatedUnit unit;
    LinkTestHost linkHost;
    MidiThread link (linkHost, BodyColor::black, unit, MidiLinkTimings { 200, 100, 5 });
    if (! link.isConnected())
    {
        std::fprintf (stderr, "the simulated unit did not connect\n");
        return 1;
    }

    SyncedHost host;
    host.editor.setLink (&link);
    Body body (host);
    body.createComponents (*host.current);
    body.refreshFromData();
    auto* box = body.getControls().as<ValueCombo> (ControlId::oscCombo1);
    unit.clearRecords();

    constexpr int edits = 400;
    for (int i = 0; i < edits; ++i)
    {
        const int next = (box->getSelectedItemIndex() + 1) % box->getNumItems();
        editTimes.push_back (bench::timeMs ([&] { box->setSelectedItemIndex (next, juce::sendNotificationSync); }));
    }

    // Every edit must have been handed to the unit, or the figure timed something else.
    const bool allSent = SimulatedUnit::waitFor ([&] { return unit.getSettingsReceivedCount() >= edits; }, 10000);
    host.editor.setLink (nullptr);

    std::printf ("panel_refresh_ms: %.4f\n", bench::median (refreshTimes));
    std::printf ("panel_paint_ms: %.3f\n", bench::median (paintTimes));
    std::printf ("panel_paint_section_ms: %.3f\n", bench::median (sectionPaintTimes));
    std::printf ("edit_to_send_ms: %.4f\n", bench::median (editTimes));

    juce::LookAndFeel::setDefaultLookAndFeel (nullptr);
    return allSent ? 0 : 1;
}
