#include "assets/EffectTreeText.h"
#include "core/ParameterTables.h"
#include "sampler/files/SamplerTiles.h"
#include "JuceTestPrinters.h"

#include <gtest/gtest.h>

namespace
{
/** The panel's caption of an effect as the breadcrumb writes it: on one line, single blanks. */
juce::String oneLine (juce::String caption)
{
    caption = caption.replace ("\n", " ");
    while (caption.contains ("  "))
        caption = caption.replace ("  ", " ");
    return caption;
}

juce::StringArray childNames (const juce::XmlElement& element)
{
    juce::StringArray names;
    for (auto* child : element.getChildIterator())
        names.add (child->getStringAttribute ("name"));
    return names;
}

std::unique_ptr<juce::XmlElement> parseTree()
{
    return juce::parseXML (juce::String::fromUTF8 (EffectTreeText::text, (int) EffectTreeText::size()));
}
} // namespace

TEST (EffectTreeText, NamesTheModelTheSectionsTheirEffectsAndTheSlotsOfTheNameTables)
{
    const auto tree = parseTree();
    ASSERT_NE (tree, nullptr);
    EXPECT_EQ (tree->getTagName(), "node");
    EXPECT_EQ (tree->getStringAttribute ("name"), "QZT-7200");

    juce::StringArray sections;
    for (int s = 0; s < ParameterTables::numCategories; ++s)
        sections.add (ParameterTables::categoryName (s));
    ASSERT_EQ (childNames (*tree), sections);

    for (int s = 0; s < ParameterTables::numCategories; ++s)
    {
        juce::StringArray effects;
        for (int e = 0; e < ParameterTables::numEffects (s); ++e)
            effects.add (oneLine (ParameterTables::effectName (s, e)));

        EXPECT_EQ (childNames (*tree->getChildElement (s)), effects) << sections[s];
    }

    // Only SAMPLER has items below it: the sixteen slots of the four banks, in slot order.
    juce::StringArray slots;
    for (int slot = 0; slot < numUnitSlots; ++slot)
        slots.add (SamplerTiles::slotName (slot));

    for (int s = 0; s < ParameterTables::numCategories; ++s)
    {
        for (auto* effect : tree->getChildElement (s)->getChildIterator())
        {
            const auto name = effect->getStringAttribute ("name");
            if (name == "SAMPLER" && s == 3)
                EXPECT_EQ (childNames (*effect), slots);
            else
                EXPECT_EQ (effect->getNumChildElements(), 0) << name;
        }
    }
}
