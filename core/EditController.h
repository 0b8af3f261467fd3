#pragma once

#include "core/DeviceSettings.h"
#include "core/SettingsHistory.h"
#include "core/UserMessage.h"

#include <juce_core/juce_core.h>

class MidiThread;

/** What editing needs of the windows around the document. */
class EditControllerHost
{
public:
    virtual ~EditControllerHost() = default;

    /** The menu strip's Sync switch. */
    virtual bool isSyncOn() = 0;

    /** Moves the effect browser beside the main window when it covers it. */
    virtual void placeEffectBrowser() = 0;

    /** Every control of the effect panel re-reads its value. */
    virtual void refreshPanel() = 0;

    /** Slot records changed behind the sampler: rebuild its temporary files and editor. */
    virtual void rebuildSamplerFiles() = 0;

    /** A modal alert with one of the program's messages. */
    virtual void showAlert (UserMessage message, AlertKind kind) = 0;

    /** The Version alert, with the unit's version as text ("unknown" when it did not answer). */
    virtual void showVersion (const juce::String& unitVersionText) = 0;
};

/** Commit, undo and redo of the current document, and the requests that go to the unit: sending
    settings, Sync, Update Setting and Version. Runs on the message thread only.

    The current and the last-sent documents belong to the application; the last-sent one is what
    the unit (or the program, while Sync is off) is known to hold, and every change is found by
    comparing against it.
*/
class EditController
{
public:
    EditController (DeviceSettings& current, DeviceSettings& lastSent, EditControllerHost& host);

    /** The link to the unit; may be null (no link yet, or gone at shutdown). */
    void setLink (MidiThread* newLink) noexcept         { link = newLink; }

    /** Records, sends and adopts a change of the current document; false when nothing changed. */
    bool commitSettingsChange();
    void undo();
    void redo();

    /** Sends the change since the last-sent document, or everything when forced; only while Sync is
        on (or forced) and the unit is connected. True when a frame went out. */
    bool sendSettingsToDevice (bool forced);

    /** Sync was switched on: warn when the unit's SETTING selector stands at DEFAULT, then send all. */
    void syncWithDevice();

    /** Asks the unit where its SETTING selector stands and warns when it is at DEFAULT: there the
        unit plays its defaults, not the settings the user is about to give it. Waits for the reply
        on the calling thread; says nothing when no unit answers. */
    void checkSettingSelector();

    /** Fetches the unit's settings into the current document (the sampler slots stay ours). */
    void updateSetting();

    /** Asks the unit for its version and shows both versions. */
    void showVersion();

    /** A loaded document becomes the reference for what is sent next: nothing of it is sent. */
    void adoptCurrentAsLastSent();

    /** The sampler's slot records settled by its first preparation become the reference, and
        nothing else: parameter changes not yet sent stay differences that the next commit sends. */
    void adoptSamplerSlotsAsLastSent();

    bool isSettingsModified() const noexcept            { return settingsModified; }
    void setSettingsModified (bool modified) noexcept   { settingsModified = modified; }

    SettingsHistory& getHistory() noexcept              { return history; }

    /** "unknown", or the version with two decimals (205 gives "2.05"). */
    static juce::String unitVersionText (int version);

    /** How Update Setting waits for the dump: a poll every interval, at most maxPolls times. */
    void setFetchPolling (int intervalMs, int maxPolls) noexcept;

private:
    bool differsFromLastSent() const;
    void afterHistoryStep();
    int replyWaitMs() const;

    DeviceSettings& current;
    DeviceSettings& lastSent;
    EditControllerHost& host;
    MidiThread* link = nullptr;
    SettingsHistory history;
    bool settingsModified = false;
    int fetchPollMs = 10, fetchMaxPolls = 100;

    JUCE_DECLARE_NON_COPYABLE (EditController)
};
