#pragma once

#include <juce_core/juce_core.h>

/** The names along the panel's levels as the breadcrumb bar and the effect browser show them: the
    model, the four sections and their effects, each effect on one line ("BPF ECHO", "REVERB UP")
    where the panel's own captions break it or space it out. */
namespace PanelNames
{
    constexpr const char* modelName = "QZT-7200";
    constexpr const char* samplerEffectName = "SAMPLER";

    /** "ISOLATE FX", "SCENE FX", "RELEASE FX", "X-PAD FX"; empty outside 0..3. */
    juce::String sectionName (int section);

    /** The section whose name this is, or -1. */
    int findSection (const juce::String& name);

    /** A caption on one line: every line break becomes a blank, then every double blank one blank. */
    juce::String toOneLine (const juce::String& caption);

    /** An effect's display name on one line; empty outside the section's effects. */
    juce::String oneLineEffectName (int section, int effect);

    /** The effect of a section whose one-line name is this text, or -1. Only the section's own effects
        count: an empty text, or a name of another section, finds none. */
    int findEffect (int section, const juce::String& oneLineName);
}
