#include "core/EditController.h"

#include "core/DocumentXml.h"
#include "core/MidiThread.h"
#include "core/SysExFrame.h"

#include <algorithm>

EditController::EditController (DeviceSettings& currentDocument, DeviceSettings& lastSentDocument,
                                EditControllerHost& hostToUse)
    : current (currentDocument), lastSent (lastSentDocument), host (hostToUse)
{
}

bool EditController::differsFromLastSent() const
{
    // The internal view counts every slot value; a slot cleared whose values were all 0 shows only in
    // the slot comparison, and must still be an edit.
    const SettingsWriteFlags internal { false, true };
    return createSettingsElementV10 (current, lastSent, internal)->getNumChildElements() > 0
        || createSettingsElementV11 (current, lastSent, internal)->getNumChildElements() > 0
        || samplerSlotsDiffer (current, lastSent);
}

bool EditController::commitSettingsChange()
{
    if (! differsFromLastSent())
        return false;

    settingsModified = true;
    host.placeEffectBrowser();
    history.pushSettingsSnapshot (&lastSent, &current);
    sendSettingsToDevice (false);
    lastSent = current;
    return true;
}

void EditController::undo()
{
    if (! history.canUndo())
        return;

    const int position = history.getPosition() - 1;
    history.restoreEntry (position, current);
    history.setPosition (position);
    afterHistoryStep();
}

void EditController::redo()
{
    if (! history.canRedo())
        return;

    const int position = history.getPosition() + 1;
    history.restoreEntry (position, current);
    history.setPosition (position);
    settingsModified = true;
    host.placeEffectBrowser();
    afterHistoryStep();
}

void EditController::afterHistoryStep()
{
    sendSettingsToDevice (false);
    const bool slotsChanged = samplerSlotsDiffer (current, lastSent);
    lastSent = current;
    host.refreshPanel();

    if (slotsChanged)
        host.rebuildSamplerFiles();
}

bool EditController::sendSettingsToDevice (bool forced)
{
    if ((! forced && ! host.isSyncOn()) || link == nullptr || ! link->isConnected())
        return false;

    const auto& reference = forced ? current : lastSent;
    const SettingsWriteFlags unit { true, false };
    const auto partV10 = createSettingsElementV10 (current, reference, unit);
    const auto partV11 = createSettingsElementV11 (current, reference, unit);

    if (partV10->getNumChildElements() == 0 && partV11->getNumChildElements() == 0)
        return false;

    const auto text = joinSettingsParts (*partV10, *partV11);
    if (! link->sendSysEx (SysExCommand::settingsText, text.toRawUTF8(), text.getNumBytesAsUTF8()))
        return false;   // not sent: the edit is still the user's unsent change

    settingsModified = false;
    return true;
}

int EditController::replyWaitMs() const
{
    return link != nullptr ? link->getTimings().replyMs : 0;
}

void EditController::checkSettingSelector()
{
    if (link == nullptr)
        return;

    // An answer from an earlier query must not speak for this one.
    link->clearSelectorByte();
    if (link->sendSysEx (SysExCommand::selectorQuery))
        juce::Thread::sleep (replyWaitMs());

    if (link->getSelectorByte() == MidiThread::selectorAtDefault)
        host.showAlert (UserMessage::selectorAtDefault, AlertKind::warning);
}

void EditController::syncWithDevice()
{
    checkSettingSelector();

    if (sendSettingsToDevice (true))
        lastSent = current;
}

void EditController::updateSetting()
{
    int status = MidiThread::fetchEmpty;

    if (link != nullptr)
    {
        link->beginSettingsRequest();
        for (int i = 0; i < fetchMaxPolls && link->getSettingsRequestStatus() == MidiThread::fetchWaiting; ++i)
            juce::Thread::sleep (fetchPollMs);

        status = link->endSettingsRequest();
        if (status == MidiThread::fetchApplied || status == MidiThread::fetchNoSecondPart)
            link->applyReceivedSettings (current);
    }

    const bool applied = status == MidiThread::fetchApplied || status == MidiThread::fetchNoSecondPart;

    if (status == MidiThread::fetchNoSecondPart)
        host.showAlert (UserMessage::rsdVersionDiffers, AlertKind::information);

    host.refreshPanel();
    host.showAlert (applied ? UserMessage::updateSettingCompleted : UserMessage::updateSettingFailed,
                    AlertKind::information);
}

void EditController::showVersion()
{
    int version = -1;

    if (link != nullptr)
    {
        link->clearUnitVersion();
        if (link->isConnected() && link->sendSysEx (SysExCommand::versionRequest))
            juce::Thread::sleep (replyWaitMs());
        version = link->getUnitVersion();
    }

    host.showVersion (unitVersionText (version));
}

void EditController::adoptCurrentAsLastSent()
{
    lastSent = current;
}

void EditController::adoptSamplerSlotsAsLastSent()
{
    auto& target = lastSent.xpad[XPadEffect::sampler].slots;
    const auto& source = current.xpad[XPadEffect::sampler].slots;
    std::copy (std::begin (source), std::end (source), std::begin (target));
}

juce::String EditController::unitVersionText (int version)
{
    if (version < 0)
        return "unknown";
    return juce::String (version / 100) + "." + juce::String (version % 100).paddedLeft ('0', 2);
}

void EditController::setFetchPolling (int intervalMs, int maxPolls) noexcept
{
    fetchPollMs = intervalMs;
    fetchMaxPolls = maxPolls;
}
