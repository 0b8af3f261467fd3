#pragma once

#include "core/DocumentKeys.h"

#include <cstdint>

/** Every control of the effect panel that shows a document value. The panel, its refresh, the effect
    selection and the keyboard walk all name controls by these ids. Numbered runs follow the panel's
    member order: Isolate read-outs 1..6 are the band values and 7..8 the frequencies, while Isolate
    combos 1..2 are the frequencies and 3..8 the band values. */
enum class ControlId : uint8_t
{
    isolateLock, isolatePanelLock,
    isolateReadout1, isolateReadout2, isolateReadout3, isolateReadout4,
    isolateReadout5, isolateReadout6, isolateReadout7, isolateReadout8,
    isolateCombo1, isolateCombo2, isolateCombo3, isolateCombo4,
    isolateCombo5, isolateCombo6, isolateCombo7, isolateCombo8,

    sceneLock,
    // Centre, Sub1, Sub2, then the four echo times.
    sceneReadout1, sceneReadout2, sceneReadout3, sceneReadout4, sceneReadout5, sceneReadout6, sceneReadout7,
    // The captions of the level slider.
    sceneRangeReadout1, sceneRangeReadout2,
    sceneCombo1, sceneCombo2, sceneCombo3, sceneCombo4, sceneCombo5, sceneCombo6, sceneCombo7,
    // The thumbs of range slider 1 (frequency) and range slider 2 (level).
    sceneFrequencyMin, sceneFrequencyMax, sceneLevelMin, sceneLevelMax,
    sceneModulation, sceneResonance,

    // Isolate switch, X-PAD switch, Scene switch, feedback, then the three release times.
    releaseReadout1, releaseReadout2, releaseReadout3, releaseReadout4,
    releaseReadout5, releaseReadout6, releaseReadout7,
    releaseCombo1, releaseCombo2, releaseCombo3, releaseCombo4, releaseCombo5, releaseCombo6, releaseCombo7,

    rollButton, slipRollButton, divideRollButton,
    // Row by row (gain, decay, envelope), each row kick, snare, clap, hi-hat.
    oscReadout1, oscReadout2, oscReadout3, oscReadout4, oscReadout5, oscReadout6,
    oscReadout7, oscReadout8, oscReadout9, oscReadout10, oscReadout11, oscReadout12,
    oscCombo1, oscCombo2, oscCombo3, oscCombo4, oscCombo5, oscCombo6,
    oscCombo7, oscCombo8, oscCombo9, oscCombo10, oscCombo11, oscCombo12,
    // Bank 1 slot 1 .. bank 4 slot 4.
    slotName1, slotName2, slotName3, slotName4, slotName5, slotName6, slotName7, slotName8,
    slotName9, slotName10, slotName11, slotName12, slotName13, slotName14, slotName15, slotName16,
    pitchMinusReadout, pitchPlusReadout, pitchMinusSlider, pitchPlusSlider,
    padTarget0, padTarget1, padTarget2, padTarget3, padTarget4
};

/** What a control is, which decides how it shows its value. */
enum class ControlClass : uint8_t
{
    lockButton,     // on while the value is not 0
    readout,        // a value label of its kind (row 7 backwards, row 16 as "P-n")
    combo,          // the items of its kind's row, the value's item selected
    rangeThumb,     // one thumb of a range slider
    toggleButton,   // MODULATION, RESONANCE and the three roll buttons: on by their rule
    slotName,       // the file name of a sampler slot's path
    pitchReadout,   // "-1" .. "-12" or "+1" .. "+12"
    pitchSlider,    // the popup slider of a pitch value
    padTarget       // an X-PAD position: the beat fraction of the value
};

namespace ControlIds
{
    constexpr int count = static_cast<int> (ControlId::padTarget4) + 1;

    constexpr int toInt (ControlId id) noexcept                 { return static_cast<int> (id); }
    constexpr ControlId fromInt (int index) noexcept            { return static_cast<ControlId> (index); }
    constexpr ControlId offset (ControlId first, int n) noexcept { return fromInt (toInt (first) + n); }
    constexpr bool inRun (ControlId id, ControlId first, ControlId last) noexcept
    {
        return toInt (id) >= toInt (first) && toInt (id) <= toInt (last);
    }

    // Numbered runs; numbers start at 1 where the panel counts from 1, at 0 where it counts from 0.
    constexpr ControlId isolateReadout (int n)        { return offset (ControlId::isolateReadout1, n - 1); }
    constexpr ControlId isolateCombo (int n)          { return offset (ControlId::isolateCombo1, n - 1); }
    constexpr ControlId sceneReadout (int n)          { return offset (ControlId::sceneReadout1, n - 1); }
    constexpr ControlId sceneCombo (int n)            { return offset (ControlId::sceneCombo1, n - 1); }
    constexpr ControlId releaseReadout (int n)        { return offset (ControlId::releaseReadout1, n - 1); }
    constexpr ControlId releaseCombo (int n)          { return offset (ControlId::releaseCombo1, n - 1); }
    constexpr ControlId oscReadout (int row, int column) { return offset (ControlId::oscReadout1, row * 4 + column); }
    constexpr ControlId oscCombo (int row, int column)   { return offset (ControlId::oscCombo1, row * 4 + column); }
    constexpr ControlId rollButton (int choice)       { return offset (ControlId::rollButton, choice); }
    constexpr ControlId slotName (int slotIndex)      { return offset (ControlId::slotName1, slotIndex); }
    constexpr ControlId padTarget (int position)      { return offset (ControlId::padTarget0, position); }

    constexpr ControlClass classOf (ControlId id)
    {
        using C = ControlId;
        if (id == C::isolateLock || id == C::isolatePanelLock || id == C::sceneLock)
            return ControlClass::lockButton;
        if (inRun (id, C::isolateCombo1, C::isolateCombo8) || inRun (id, C::sceneCombo1, C::sceneCombo7)
            || inRun (id, C::releaseCombo1, C::releaseCombo7) || inRun (id, C::oscCombo1, C::oscCombo12))
            return ControlClass::combo;
        if (inRun (id, C::sceneFrequencyMin, C::sceneLevelMax))
            return ControlClass::rangeThumb;
        if (inRun (id, C::sceneModulation, C::sceneResonance) || inRun (id, C::rollButton, C::divideRollButton))
            return ControlClass::toggleButton;
        if (inRun (id, C::slotName1, C::slotName16))
            return ControlClass::slotName;
        if (inRun (id, C::pitchMinusReadout, C::pitchPlusReadout))
            return ControlClass::pitchReadout;
        if (inRun (id, C::pitchMinusSlider, C::pitchPlusSlider))
            return ControlClass::pitchSlider;
        if (inRun (id, C::padTarget0, C::padTarget4))
            return ControlClass::padTarget;
        return ControlClass::readout;
    }

    /** The section whose values the control shows. */
    constexpr DocumentCategory sectionOf (ControlId id)
    {
        if (toInt (id) < toInt (ControlId::sceneLock))
            return DocumentCategory::isolate;
        if (toInt (id) < toInt (ControlId::releaseReadout1))
            return DocumentCategory::scene;
        if (toInt (id) < toInt (ControlId::rollButton))
            return DocumentCategory::release;
        return DocumentCategory::xpad;
    }

    /** The control whose binding row this control shares: a combo its read-out's (Isolate combos 1..2
        the frequency read-outs 7..8, combos 3..8 the band read-outs 1..6), the panel's lock copy the
        section lock's, RESONANCE MODULATION's, the other roll buttons ROLL's, the level slider's thumbs
        their captions' and the pitch sliders their read-outs'. Other controls own their row. */
    constexpr ControlId rowOwner (ControlId id)
    {
        using C = ControlId;
        if (inRun (id, C::isolateCombo1, C::isolateCombo2))
            return offset (C::isolateReadout7, toInt (id) - toInt (C::isolateCombo1));
        if (inRun (id, C::isolateCombo3, C::isolateCombo8))
            return offset (C::isolateReadout1, toInt (id) - toInt (C::isolateCombo3));
        if (inRun (id, C::sceneCombo1, C::sceneCombo7))
            return offset (C::sceneReadout1, toInt (id) - toInt (C::sceneCombo1));
        if (inRun (id, C::releaseCombo1, C::releaseCombo7))
            return offset (C::releaseReadout1, toInt (id) - toInt (C::releaseCombo1));
        if (inRun (id, C::oscCombo1, C::oscCombo12))
            return offset (C::oscReadout1, toInt (id) - toInt (C::oscCombo1));
        if (inRun (id, C::sceneLevelMin, C::sceneLevelMax))
            return offset (C::sceneRangeReadout1, toInt (id) - toInt (C::sceneLevelMin));
        if (inRun (id, C::pitchMinusSlider, C::pitchPlusSlider))
            return offset (C::pitchMinusReadout, toInt (id) - toInt (C::pitchMinusSlider));
        if (id == C::isolatePanelLock)       return C::isolateLock;
        if (id == C::sceneResonance)         return C::sceneModulation;
        if (inRun (id, C::slipRollButton, C::divideRollButton)) return C::rollButton;
        return id;
    }
}
