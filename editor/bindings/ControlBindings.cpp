#include "editor/bindings/ControlBindings.h"

namespace
{
using C = ControlId;
using K = ValueLabelKind;
using Effects = uint16_t;

constexpr int maxEffects = 10;  // the Scene section has the most

/** One cell of the binding tables: a control (or a run of consecutive controls) for a set of its
    section's effects. A read-out and the combo bound with it share the row, so they cannot end up on
    different values. Runs step the value index (or the slot) along with the control. */
struct BindingRow
{
    ControlId control;
    Effects effects;                // bit e: the row holds for effect e of the control's section
    int8_t valueIndex;              // index in the effect's record; lockIndex; the first slot for slot names
    int8_t count = 1;               // controls in the run
    K readoutKind = K::offOn;
    K comboKind = K::offOn;
    int8_t arc = ControlBinding::noArc;
    bool lowerEnd = true;
    bool hidden = false;

    // Rows that follow a selector of the same record: while it is not 0, these replace index and kinds.
    int8_t selectorIndex = -1;
    int8_t selectedIndex = 0;
    K selectedReadoutKind = K::offOn;
    K selectedComboKind = K::offOn;
};

template <typename... E>
constexpr Effects effects (E... e)              { return Effects ((0u | ... | (1u << static_cast<int> (e)))); }
constexpr Effects allEffects (int n)            { return Effects ((1u << n) - 1u); }

constexpr BindingRow plain (C control, Effects e, int index)
{
    return { control, e, int8_t (index) };
}

constexpr BindingRow labelled (C control, Effects e, int index, K readout, K combo)
{
    BindingRow row { control, e, int8_t (index) };
    row.readoutKind = readout;
    row.comboKind = combo;
    return row;
}

constexpr BindingRow labelled (C control, Effects e, int index, K kind)  { return labelled (control, e, index, kind, kind); }

constexpr BindingRow run (BindingRow row, int count)        { row.count = int8_t (count); return row; }
constexpr BindingRow hidden (BindingRow row)                { row.hidden = true; return row; }

constexpr BindingRow withArc (BindingRow row, int arc, bool lowerEnd)
{
    row.arc = int8_t (arc);
    row.lowerEnd = lowerEnd;
    return row;
}

constexpr BindingRow orWhenSelected (BindingRow row, int selector, int index, K kind)
{
    row.selectorIndex = int8_t (selector);
    row.selectedIndex = int8_t (index);
    row.selectedReadoutKind = row.selectedComboKind = kind;
    return row;
}

namespace IE = IsolateEffect;
namespace SE = SceneEffect;
namespace RE = ReleaseEffect;
namespace XE = XPadEffect;

constexpr Effects isolator = effects (IE::isolator), cutAdd = effects (IE::cutAdd);
constexpr Effects transRoll = effects (IE::transRoll), gateDrive = effects (IE::gateDrive);
constexpr Effects filterEchoes = effects (SE::bpfEcho, SE::hpfEcho, SE::lpfEcho);
constexpr Effects sceneEcho = effects (SE::echo), noise = effects (SE::noise), crushEcho = effects (SE::crushEcho);
constexpr Effects spirals = effects (SE::spiralUp, SE::spiralDown), reverbs = effects (SE::reverbUp, SE::reverbDown);
constexpr Effects releaseEcho = effects (RE::echo);
constexpr Effects brakes = effects (RE::vinylBrake, RE::backSpin);

constexpr int lock = ValueAddress::lockIndex;
constexpr int modResSelector = 9;

constexpr BindingRow bindingRows[] = {
    plain (C::isolateLock, allEffects (DeviceSettings::numIsolateEffects), lock),
    plain (C::sceneLock, allEffects (DeviceSettings::numSceneEffects), lock),

    // ISOLATE FX. ISOLATOR's band values drive the three knob arcs, the Min values the lower ends.
    withArc (labelled (C::isolateReadout1, isolator, 1, K::bandCut), 0, true),
    withArc (labelled (C::isolateReadout2, isolator, 2, K::bandBoost), 0, false),
    withArc (labelled (C::isolateReadout3, isolator, 3, K::bandCut), 1, true),
    withArc (labelled (C::isolateReadout4, isolator, 4, K::bandBoost), 1, false),
    withArc (labelled (C::isolateReadout5, isolator, 5, K::bandCut), 2, true),
    withArc (labelled (C::isolateReadout6, isolator, 6, K::bandBoost), 2, false),
    run (labelled (C::isolateReadout7, isolator | transRoll, 7, K::defaultLowHigh), 2),

    labelled (C::isolateReadout1, cutAdd, 1, K::defaultMildWildShort, K::defaultMildWild),
    labelled (C::isolateReadout2, cutAdd, 2, K::pattern),
    labelled (C::isolateReadout3, cutAdd, 3, K::bandSwitch),
    labelled (C::isolateReadout4, cutAdd, 4, K::pattern),
    labelled (C::isolateReadout5, cutAdd, 5, K::bandSwitch),
    labelled (C::isolateReadout6, cutAdd, 6, K::pattern),

    run (labelled (C::isolateReadout1, transRoll, 1, K::pattern), 6),
    run (labelled (C::isolateReadout1, gateDrive, 1, K::defaultMildWildShort, K::defaultMildWild), 6),

    // SCENE FX: centre, Sub1 and Sub2 rows, echo times, the two range sliders and the selector toggles.
    labelled (C::sceneReadout1, filterEchoes, 1, K::filterWidth),
    labelled (C::sceneReadout1, sceneEcho, 1, K::feedbackMode),
    labelled (C::sceneReadout1, noise | spirals | crushEcho, 1, K::defaultMildWild),
    labelled (C::sceneReadout1, reverbs, 1, K::roomSize),

    // Effects without a Sub1 value still bind index 6; they do not show the row.
    labelled (C::sceneReadout2, filterEchoes | crushEcho, 6, K::defaultMildWild),
    hidden (labelled (C::sceneReadout2, sceneEcho | noise | spirals, 6, K::defaultMildWild)),
    labelled (C::sceneReadout2, reverbs, 2, K::reverbTime),

    orWhenSelected (labelled (C::sceneReadout3, filterEchoes | noise, 10, K::modulationType), modResSelector, 11,
                    K::resonanceType),
    labelled (C::sceneReadout3, sceneEcho, 12, K::filterWidth),
    labelled (C::sceneReadout3, spirals, 12, K::pitchType),
    labelled (C::sceneReadout3, reverbs, 12, K::filterTypeShort, K::filterTypeLong),
    labelled (C::sceneReadout3, crushEcho, 10, K::modulationType),

    run (labelled (C::sceneReadout4, filterEchoes | spirals | crushEcho, 2, K::echoTime), 4),
    run (labelled (C::sceneReadout4, sceneEcho, 2, K::longEchoTime), 4),
    hidden (run (labelled (C::sceneReadout4, noise | reverbs, 2, K::echoTime), 4)),

    run (plain (C::sceneFrequencyMin, filterEchoes, 7), 2),
    labelled (C::sceneRangeReadout1, noise, 7, K::levelScale),
    labelled (C::sceneRangeReadout2, noise, 8, K::levelBoostCut),
    plain (C::sceneModulation, filterEchoes | noise, modResSelector),

    // RELEASE FX: the three routing switches, the feedback (ECHO only), the three release times.
    labelled (C::releaseReadout1, allEffects (DeviceSettings::numReleaseEffects), 5, K::offOn),
    labelled (C::releaseReadout2, allEffects (DeviceSettings::numReleaseEffects), 7, K::offOn),
    labelled (C::releaseReadout3, allEffects (DeviceSettings::numReleaseEffects), 6, K::offOn),
    labelled (C::releaseReadout4, releaseEcho, 4, K::feedbackMode),
    hidden (labelled (C::releaseReadout4, brakes, 4, K::feedbackMode)),
    run (labelled (C::releaseReadout5, effects (RE::vinylBrake), 1, K::releaseTimeFromQuarter), 3),
    labelled (C::releaseReadout5, releaseEcho, 1, K::longEchoTime),
    run (labelled (C::releaseReadout6, releaseEcho, 2, K::shortEchoTime), 2),
    run (labelled (C::releaseReadout5, effects (RE::backSpin), 1, K::releaseTimeFromHalf), 3),

    // X-PAD FX: each control has its own effect's record, whichever effect the section shows.
    plain (C::rollButton, effects (XE::roll), 1),
    run (labelled (C::oscReadout1, effects (XE::osc), 4, K::drumGain), 4),
    run (labelled (C::oscReadout5, effects (XE::osc), 8, K::drumDecay), 4),
    run (labelled (C::oscReadout9, effects (XE::osc), 12, K::drumEnvelope), 4),
    run (plain (C::slotName1, effects (XE::sampler), 0), numUnitSlots),
    plain (C::pitchMinusReadout, effects (XE::pitch), 2),
    plain (C::pitchPlusReadout, effects (XE::pitch), 3),
    run (plain (C::padTarget0, effects (XE::xpad), 16), 5)
};

constexpr int numRows = (int) (sizeof (bindingRows) / sizeof (bindingRows[0]));

constexpr int numSectionEffects (DocumentCategory section)
{
    switch (section)
    {
        case DocumentCategory::isolate: return DeviceSettings::numIsolateEffects;
        case DocumentCategory::scene:   return DeviceSettings::numSceneEffects;
        case DocumentCategory::release: return DeviceSettings::numReleaseEffects;
        case DocumentCategory::xpad:    break;
    }
    return DeviceSettings::numXPadEffects;
}

/** Controls whose binding does not change with the section's effect. */
constexpr bool isFixed (ControlId control)
{
    return ControlIds::sectionOf (control) == DocumentCategory::xpad
        || ControlIds::classOf (control) == ControlClass::lockButton;
}

constexpr int lowestEffect (Effects e)
{
    int i = 0;
    while (i < maxEffects && (e & (1u << i)) == 0)
        ++i;
    return i;
}

/** The row of every (control, effect), found once at compile time; the checks below turn a table
    mistake into a build error. */
struct RowIndex
{
    int16_t rows[ControlIds::count][maxEffects];
    bool overlaps = false, rowOnSharedControl = false, effectOutOfSection = false, fixedRowNotSingle = false;
};

constexpr RowIndex buildRowIndex()
{
    RowIndex index {};

    for (auto& control : index.rows)
        for (auto& cell : control)
            cell = -1;

    for (int r = 0; r < numRows; ++r)
    {
        const auto& row = bindingRows[r];
        const auto section = ControlIds::sectionOf (row.control);

        if ((row.effects & ~allEffects (numSectionEffects (section))) != 0)
            index.effectOutOfSection = true;
        if (section == DocumentCategory::xpad && (row.effects & (row.effects - 1)) != 0)
            index.fixedRowNotSingle = true;

        for (int k = 0; k < row.count; ++k)
        {
            const auto control = ControlIds::offset (row.control, k);

            if (ControlIds::rowOwner (control) != control || ControlIds::sectionOf (control) != section)
                index.rowOnSharedControl = true;

            for (int e = 0; e < maxEffects; ++e)
            {
                if ((row.effects & (1u << e)) == 0)
                    continue;
                auto& cell = index.rows[ControlIds::toInt (control)][e];
                if (cell >= 0)
                    index.overlaps = true;
                cell = int16_t (r);
            }
        }
    }

    return index;
}

constexpr RowIndex rowIndex = buildRowIndex();

static_assert (! rowIndex.overlaps, "two rows bind one control for the same effect");
static_assert (! rowIndex.rowOnSharedControl, "a row names a control that shares another control's row");
static_assert (! rowIndex.effectOutOfSection, "a row names an effect its section does not have");
static_assert (! rowIndex.fixedRowNotSingle, "an X-PAD row names more than its own effect");

constexpr int rowFor (ControlId owner, int sectionEffect)
{
    const auto& cells = rowIndex.rows[ControlIds::toInt (owner)];

    if (! isFixed (owner))
        return sectionEffect >= 0 && sectionEffect < maxEffects ? cells[sectionEffect] : -1;

    for (auto cell : cells)
        if (cell >= 0)
            return cell;
    return -1;
}

constexpr bool everyRowOwnerHasARow()
{
    for (int i = 0; i < ControlIds::count; ++i)
    {
        const auto control = ControlIds::fromInt (i);
        bool found = ControlIds::rowOwner (control) != control;

        for (int e = 0; e < maxEffects; ++e)
            found = found || rowFor (control, e) >= 0;

        if (! found)
            return false;
    }
    return true;
}

static_assert (everyRowOwnerHasARow(), "a control has no binding row");

const CategoryKeys* findCategory (DocumentCategory category)
{
    for (int c = 0; c < DocumentKeys::numCategories; ++c)
        if (DocumentKeys::categories()[c].category == category)
            return DocumentKeys::categories() + c;
    return nullptr;
}

const EffectKeys* findEffect (const CategoryKeys& category, int effect)
{
    for (int e = 0; e < category.numEffects; ++e)
        if (category.effects[e].effectIndex == effect)
            return category.effects + e;
    return nullptr;
}
} // namespace

namespace ControlBindings
{
ControlBinding bindingFor (ControlId control, int sectionEffect, const DeviceSettings& document)
{
    const auto owner = ControlIds::rowOwner (control);
    const auto section = ControlIds::sectionOf (control);

    if (! isFixed (owner) && (sectionEffect < 0 || sectionEffect >= numSectionEffects (section)))
        return {};

    const int r = rowFor (owner, sectionEffect);
    if (r < 0)
        return {};

    const auto& row = bindingRows[r];
    const int step = ControlIds::toInt (owner) - ControlIds::toInt (row.control);
    const bool isCombo = ControlIds::classOf (control) == ControlClass::combo;

    ControlBinding binding;
    binding.address.category = section;
    binding.address.effect = section == DocumentCategory::xpad ? lowestEffect (row.effects)
                           : row.valueIndex == ValueAddress::lockIndex ? 0 : sectionEffect;
    binding.address.valueIndex = row.valueIndex == ValueAddress::lockIndex ? row.valueIndex : row.valueIndex + step;
    binding.kind = isCombo ? row.comboKind : row.readoutKind;
    binding.arc = row.arc;
    binding.lowerEnd = row.lowerEnd;

    if (ControlIds::classOf (control) == ControlClass::slotName)
    {
        binding.address.slot = row.valueIndex + step;
        binding.address.valueIndex = 0;
    }

    if (row.selectorIndex >= 0
        && DocumentKeys::value (document, section, binding.address.effect, row.selectorIndex) != 0)
    {
        binding.address.valueIndex = row.selectedIndex + step;
        binding.kind = isCombo ? row.selectedComboKind : row.selectedReadoutKind;
    }

    const bool notShownByEffect = section == DocumentCategory::xpad && binding.address.effect != sectionEffect;
    binding.use = row.hidden || notShownByEffect ? BindingUse::hidden : BindingUse::shown;
    return binding;
}

int32_t* valuePointer (DeviceSettings& document, const ValueAddress& address)
{
    if (address.isSlotPath())
        return nullptr;

    if (address.isLock())
    {
        const auto* category = findCategory (address.category);
        return category != nullptr && category->lock != nullptr ? &(document.*(category->lock)) : nullptr;
    }

    return &DocumentKeys::value (document, address.category, address.effect, address.valueIndex);
}

int32_t valueAt (const DeviceSettings& document, const ValueAddress& address)
{
    if (address.isSlotPath())
        return 0;

    if (address.isLock())
    {
        const auto* category = findCategory (address.category);
        return category != nullptr && category->lock != nullptr ? document.*(category->lock) : 0;
    }

    return DocumentKeys::value (document, address.category, address.effect, address.valueIndex);
}

juce::String xmlKey (const ValueAddress& address)
{
    const auto* category = findCategory (address.category);
    if (category == nullptr)
        return {};

    const juce::String categoryPath = juce::String (category->element) + "/";

    if (address.isLock())
        return category->lock != nullptr ? categoryPath + DocumentKeys::lockElement : juce::String();

    if (address.isSlotPath())
        return categoryPath + DocumentKeys::samplerElement + "/" + DocumentKeys::slotElementName (address.slot) + "/File";

    const auto* effect = findEffect (*category, address.effect);
    if (effect == nullptr)
        return {};

    for (int k = 0; k < effect->numKeys; ++k)
        if (effect->keys[k].valueIndex == address.valueIndex)
            return categoryPath + effect->element + "/" + effect->keys[k].element;

    return {};
}

juce::String controlText (ControlId control, const ControlBinding& binding, const DeviceSettings& document)
{
    if (! binding.isBound())
        return {};

    if (binding.address.isSlotPath())
        return slotFileName (getSlotPath (samplerSlot (document, binding.address.slot)));

    const int value = valueAt (document, binding.address);

    switch (ControlIds::classOf (control))
    {
        case ControlClass::readout:      return ParameterTables::valueLabelText (binding.kind, value);
        case ControlClass::combo:        return ParameterTables::valueLabelChoice (binding.kind, value);
        case ControlClass::pitchReadout:
        case ControlClass::pitchSlider:  return ParameterTables::dbStepLabel (pitchRow (control), value);
        case ControlClass::padTarget:    return ParameterTables::beatFractionLabel (value);
        case ControlClass::lockButton:
        case ControlClass::rangeThumb:
        case ControlClass::toggleButton:
        case ControlClass::slotName:     break;
    }
    return {};
}

bool toggleIsOn (ControlId control, int32_t value)
{
    if (ControlIds::classOf (control) == ControlClass::lockButton || control == ControlId::sceneResonance)
        return value != 0;
    if (control == ControlId::sceneModulation)
        return value == 0;
    if (ControlIds::inRun (control, ControlId::rollButton, ControlId::divideRollButton))
        return ControlIds::toInt (control) - ControlIds::toInt (ControlId::rollButton) == rollChoice (value);
    return false;
}

int rollChoice (int32_t value)
{
    return value >= 2 ? 2 : (value == 1 ? 1 : 0);
}

juce::String slotFileName (const juce::String& path)
{
    if (path.isEmpty())
        return "---";
    return path.substring (path.lastIndexOfAnyOf ("/\\") + 1);
}

DbStepRow pitchRow (ControlId control)
{
    return ControlIds::rowOwner (control) == ControlId::pitchMinusReadout ? DbStepRow::pitchMinus : DbStepRow::pitchPlus;
}

int pitchSliderPosition (ControlId control, int value)
{
    return pitchRow (control) == DbStepRow::pitchMinus ? pitchSteps - 1 - value : value;
}

bool isolateHasFrequencies (int isolateEffect)
{
    return isolateEffect >= 0 && isolateEffect < DeviceSettings::numIsolateEffects
        && rowFor (ControlId::isolateReadout7, isolateEffect) >= 0;
}

bool isolateArcsEnabled (int isolateEffect)
{
    if (isolateEffect < 0 || isolateEffect >= DeviceSettings::numIsolateEffects)
        return false;
    const int r = rowFor (ControlId::isolateReadout1, isolateEffect);
    return r >= 0 && bindingRows[r].arc != ControlBinding::noArc;
}
} // namespace ControlBindings
