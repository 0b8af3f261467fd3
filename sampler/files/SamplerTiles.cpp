#include "sampler/files/SamplerTiles.h"

#include "sampler/files/SlotTime.h"

#include <cmath>

namespace
{
    constexpr const char* noValue = "---";

    int stepNext (int i)        { return (i + 1) % SamplerTiles::numSelectable; }
    int stepPrevious (int i)    { return (i + SamplerTiles::numSelectable - 1) % SamplerTiles::numSelectable; }

    int stepBelow (int i)
    {
        if (i == numUnitSlots - 1)
            return 0;

        if (i >= numUnitSlots)
            return (i + 1) % slotsPerBank;

        return i + slotsPerBank;
    }

    int stepAbove (int i)
    {
        if (i == 0)
            return numUnitSlots - 1;

        if (i < slotsPerBank)
            return numUnitSlots + i - 1;

        return i - slotsPerBank;
    }

    SamplerSlot emptyTileRecord()
    {
        SamplerSlot slot {};
        slot.gainIndex = SlotEditorModel::unityGainIndex;
        return slot;
    }
}

SamplerTiles::SamplerTiles()
{
    for (auto& slot : working)
        initSamplerSlot (slot);
}

//==============================================================================
const SamplerSlot& SamplerTiles::getWorkingCopy (int index) const
{
    jassert (index >= 0 && index < numTiles);
    return working[(size_t) juce::jlimit (0, numTiles - 1, index)];
}

void SamplerTiles::setWorkingCopy (int index, const SamplerSlot& record)
{
    jassert (index >= 0 && index < numTiles);
    working[(size_t) juce::jlimit (0, numTiles - 1, index)] = record;
}

juce::String SamplerTiles::slotName (int index)
{
    return "BANK" + juce::String (index / slotsPerBank + 1) + "-SLOT" + juce::String (index % slotsPerBank + 1);
}

//==============================================================================
double SamplerTiles::getBankTotal (int bank) const
{
    return bank >= 0 && bank < numSamplerBanks ? bankTotals[(size_t) bank] : 0.0;
}

void SamplerTiles::setBankTotal (int bank, double seconds)
{
    if (bank >= 0 && bank < numSamplerBanks)
        bankTotals[(size_t) bank] = seconds;
}

int SamplerTiles::gaugePixels (double totalSeconds, int fullPixels)
{
    if (totalSeconds > maxBankSeconds)
        return fullPixels;

    return totalSeconds > 0 ? (int) (totalSeconds * fullPixels / maxBankSeconds) : 0;
}

bool SamplerTiles::isUnavailable (int index) const
{
    const auto bank = bankOf (index);
    return bank >= 0 && slotPathIsEmpty (getWorkingCopy (index)) && isBankFull (bank);
}

bool SamplerTiles::isOverLimitTile (int index) const
{
    const auto bank = bankOf (index);

    if (bank < 0)
        return false;

    // Counted as the bank totals are, so the mark, the gauge and the dimmed tiles never disagree.
    double sum = 0;

    for (int i = bank * slotsPerBank; i < (bank + 1) * slotsPerBank; ++i)
    {
        sum += SlotTime::bankSeconds (working[(size_t) i]);

        if (sum > maxBankSeconds)
            return i == index;
    }

    return false;
}

juce::String SamplerTiles::getOverLimitText (int index) const
{
    if (! isOverLimitTile (index))
        return {};

    return "OVER " + juce::String (getBankTotal (bankOf (index)) - maxBankSeconds, 2) + "sec";
}

//==============================================================================
juce::String SamplerTiles::getFileNameText (int index) const
{
    const auto path = getSlotPath (getWorkingCopy (index));

    if (path.isEmpty())
        return noValue;

    // A document from another machine may carry a path this system does not read as one.
    if (juce::File::isAbsolutePath (path))
        return juce::File (path).getFileName();

    return path.fromLastOccurrenceOf ("/", false, false).fromLastOccurrenceOf ("\\", false, false);
}

juce::String SamplerTiles::getLengthText (int index) const
{
    const auto ms = SlotTime::shownRangeMs (getWorkingCopy (index));
    return ms < 0 ? juce::String (noValue) : juce::String (ms / 1000.0, 2) + "sec";
}

juce::String SamplerTiles::getPlayModeText (int index) const
{
    const auto& slot = getWorkingCopy (index);

    if (SlotTime::shownRangeMs (slot) < 0)
        return noValue;

    return slot.loop != 0 ? "LOOP" : "ONE-SHOT";
}

//==============================================================================
int SamplerTiles::stepOver (int current, int (*step) (int)) const
{
    auto i = juce::jlimit (0, numSelectable - 1, current);

    // The fifth row is always available, so this ends long before the bound.
    for (int tries = 0; tries < numSelectable; ++tries)
    {
        i = step (i);

        if (! isUnavailable (i))
            return i;
    }

    return current;
}

int SamplerTiles::nextSlot (int current) const       { return stepOver (current, stepNext); }
int SamplerTiles::previousSlot (int current) const   { return stepOver (current, stepPrevious); }
int SamplerTiles::slotAbove (int current) const      { return stepOver (current, stepAbove); }
int SamplerTiles::slotBelow (int current) const      { return stepOver (current, stepBelow); }

//==============================================================================
bool SamplerTiles::canOpenEditor (int index) const
{
    return index >= 0 && index < numUnitSlots && ! isUnavailable (index);
}

bool SamplerTiles::canStartDrag (int index) const
{
    return index >= 0 && index < deleteTile && ! isUnavailable (index);
}

std::unique_ptr<SlotEditorModel> SamplerTiles::createEditorModel (int index) const
{
    if (! canOpenEditor (index))
        return nullptr;

    return std::make_unique<SlotEditorModel> (getWorkingCopy (index), index, getBankTotal (bankOf (index)));
}

SlotEditorModel::StoreResult SamplerTiles::storeEditor (const SlotEditorModel& editor, DeviceSettings& document)
{
    const auto index = editor.getSlotIndex();
    auto& record = samplerSlot (document, index);
    const auto result = editor.store (record);
    setWorkingCopy (index, record);
    return result;
}

bool SamplerTiles::acceptsTileDrop (int source, int target) const
{
    if (! canStartDrag (source) || target < 0 || target >= numTiles || source == target)
        return false;

    return ! isUnavailable (target) || bankOf (target) == bankOf (source);
}

bool SamplerTiles::dropTile (int source, int target, bool copy, DeviceSettings& document)
{
    if (! acceptsTileDrop (source, target))
        return false;

    auto& from = working[(size_t) source];
    auto& to = working[(size_t) target];

    if (target == deleteTile)
        emptySlot (source, document);
    else if (copy && from.length != 0 && ! isUnavailable (target))
        to = from;
    else
        std::swap (from, to);

    for (int i = 0; i < numTiles; ++i)
        samplerSlot (document, i) = working[(size_t) i];

    return true;
}

void SamplerTiles::clearSlot (int index, DeviceSettings& document)
{
    if (index >= 0 && index < deleteTile)
        emptySlot (index, document);
}

void SamplerTiles::emptySlot (int index, DeviceSettings& document)
{
    working[(size_t) index] = emptyTileRecord();
    samplerSlot (document, index) = emptyTileRecord();
}

bool SamplerTiles::FileDrop::needsRun() const noexcept
{
    using Verdict = SampleFileAcceptance::Verdict;
    const auto verdict = acceptance.verdict;
    return ! refused && (verdict == Verdict::accepted || verdict == Verdict::notAFile || verdict == Verdict::unsupported);
}

SamplerTiles::FileDrop SamplerTiles::dropFile (int index, const juce::File& file, DeviceSettings& document)
{
    FileDrop drop;

    if (index < 0 || index >= deleteTile || isUnavailable (index))
    {
        drop.refused = true;
        return drop;
    }

    drop.acceptance = SampleFileAcceptance::check (file, true);

    if (! drop.acceptance.isAccepted())
        return drop;

    const auto& accepted = drop.acceptance;
    auto& record = samplerSlot (document, index);
    setSlotPath (record, accepted.path);
    record.loop = mayLoop (index) && accepted.loop != 0 ? 1 : 0;
    record.tempo = accepted.tempo;
    record.fixState = (int32_t) (accepted.tempo != 0 ? SlotFixState::tempo : SlotFixState::none);
    record.gainIndex = getWorkingCopy (index).gainIndex;
    record.start = 0;
    record.end = 0;
    record.length = (int32_t) juce::jlimit (0.0, 2147483647.0, std::round (accepted.frames));
    record.sampleRate = accepted.sampleRate;
    setWorkingCopy (index, record);
    return drop;
}
