#pragma once

#include "core/DocumentKeys.h"
#include "core/EditController.h"
#include "editor/Body.h"
#include "widgets/AnimImageButton.h"
#include "JuceTestPrinters.h"
#include "TestDocuments.h"
#include "bindings/TypedPanelTables.h"

#include <gtest/gtest.h>
#include <juce_gui_basics/juce_gui_basics.h>

#include <cstring>
#include <memory>
#include <vector>

/** The effect panel over two documents of its own, committing through a real EditController (so a
    commit without a change records nothing), and counting what it asks of its host. */
struct TestPanel : BodyHost
{
    std::unique_ptr<DeviceSettings> current = TestDocuments::resetDocument();
    std::unique_ptr<DeviceSettings> lastSent = TestDocuments::resetDocument();
    PointerState pointer;
    int commits = 0, browserPlacements = 0;
    int windowFocuses = 0, menuCloses = 0, samplerShows = 0, samplerSlotFocuses = 0, editorRemovals = 0;
    std::vector<int> editorsOpened;

    struct QuietEditHost : EditControllerHost
    {
        bool isSyncOn() override                            { return false; }
        void placeEffectBrowser() override                  {}
        void refreshPanel() override                        {}
        void rebuildSamplerFiles() override                 {}
        void showAlert (UserMessage, AlertKind) override    {}
        void showVersion (const juce::String&) override     {}
    } editHost;

    EditController editor { *current, *lastSent, editHost };
    Body body { *this };

    TestPanel()
    {
        body.createComponents (*current);
    }

    bool commitSettingsChange() override    { ++commits; return editor.commitSettingsChange(); }
    void placeEffectBrowser() override      { ++browserPlacements; }
    PointerState& getPointerState() override { return pointer; }
    void focusMainWindow() override         { ++windowFocuses; }
    void closeMenus() override              { ++menuCloses; }
    void showSamplerWindow() override       { ++samplerShows; }
    void focusSamplerSlot() override        { ++samplerSlotFocuses; }
    void removeSampleEditor() override      { ++editorRemovals; }
    void openSampleEditor (int slot) override { editorsOpened.push_back (slot); }
    void focusSampleEditor() override       {}

    int32_t* words() const                  { return reinterpret_cast<int32_t*> (current.get()); }
};

namespace paneltest
{
constexpr int numWords = (int) (sizeof (DeviceSettings) / 4);

using typedtables::wordOf;

/** The record index of an element of an effect, from the document format's key tables; "#n" names
    an index that no element carries. */
inline int indexOf (DocumentCategory category, int effect, const juce::String& element)
{
    if (element.startsWith ("#"))
        return element.substring (1).getIntValue();

    const auto& keys = DocumentKeys::categories()[(int) category];
    for (int e = 0; e < keys.numEffects; ++e)
        for (int k = 0; k < keys.effects[e].numKeys; ++k)
            if (keys.effects[e].effectIndex == effect && element == keys.effects[e].keys[k].element)
                return keys.effects[e].keys[k].valueIndex;

    ADD_FAILURE() << "no element " << element << " in effect " << effect;
    return 0;
}

/** Every value the document format carries set to a marker within its range, different from its
    neighbours'; the seed shifts them all, so two fills give two different markers to most values. */
inline void fillMarkers (DeviceSettings& d, int seed)
{
    int n = seed;
    d.isolateLock = seed % 2;
    d.sceneLock = (seed + 1) % 2;

    for (int c = 0; c < DocumentKeys::numCategories; ++c)
    {
        const auto& category = DocumentKeys::categories()[c];
        for (int e = 0; e < category.numEffects; ++e)
            for (int k = 0; k < category.effects[e].numKeys; ++k)
            {
                const auto& key = category.effects[e].keys[k];
                const int maximum = key.narrow != ParameterKey::NarrowRange::none ? DocumentKeys::noiseSliderFullMax : key.maximum;
                DocumentKeys::value (d, category.category, category.effects[e].effectIndex, key.valueIndex) = (n++ * 5 + seed) % (maximum + 1);
            }
    }
}

/** The one descendant of a component of a class at these bounds (relative to its own parent). */
template <typename Type>
Type* find (juce::Component& root, juce::Rectangle<int> bounds)
{
    std::vector<Type*> found;
    std::function<void (juce::Component&)> walk = [&] (juce::Component& c)
    {
        for (auto* child : c.getChildren())
        {
            if (auto* t = dynamic_cast<Type*> (child); t != nullptr && child->getBounds() == bounds)
                found.push_back (t);
            walk (*child);
        }
    };
    walk (root);
    EXPECT_EQ (found.size(), 1u) << "controls at " << bounds.toString();
    return found.size() == 1 ? found.front() : nullptr;
}

/** A section button or overlay of the panel, by its caption and bounds. */
inline AnimImageButton* section (Body& body, const juce::String& name, juce::Rectangle<int> bounds)
{
    for (auto* child : body.getChildren())
        if (auto* b = dynamic_cast<AnimImageButton*> (child); b != nullptr && b->getName() == name && b->getBounds() == bounds)
            return b;

    ADD_FAILURE() << "no section " << name;
    return nullptr;
}

/** The words of two documents that differ. */
inline std::vector<int> differingWords (const DeviceSettings& a, const DeviceSettings& b)
{
    std::vector<int> words;
    const auto* x = reinterpret_cast<const int32_t*> (&a);
    const auto* y = reinterpret_cast<const int32_t*> (&b);
    for (int i = 0; i < numWords; ++i)
        if (x[i] != y[i])
            words.push_back (i);
    return words;
}

inline void pump (int milliseconds)
{
    juce::MessageManager::getInstance()->runDispatchLoopUntil (milliseconds);
}
} // namespace paneltest
