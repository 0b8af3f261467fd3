#include "editor/bindings/PanelNames.h"

#include "core/ParameterTables.h"

namespace PanelNames
{
juce::String sectionName (int section)
{
    return ParameterTables::categoryName (section);
}

int findSection (const juce::String& name)
{
    for (int section = 0; section < ParameterTables::numCategories; ++section)
        if (name == sectionName (section))
            return section;

    return -1;
}

juce::String toOneLine (const juce::String& caption)
{
    return caption.replace ("\n", " ").replace ("  ", " ");
}

juce::String oneLineEffectName (int section, int effect)
{
    return toOneLine (ParameterTables::effectName (section, effect));
}

int findEffect (int section, const juce::String& oneLineName)
{
    // The name table runs on past a section's effects with empty entries; those are no effects, so
    // they must not answer to an empty text.
    for (int effect = 0; effect < ParameterTables::numEffects (section); ++effect)
        if (oneLineName == oneLineEffectName (section, effect))
            return effect;

    return -1;
}
} // namespace PanelNames
