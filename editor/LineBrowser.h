#pragma once

#include "editor/LineBrowserButton.h"

class EffectNavigator;

/** The breadcrumb bar in the main window's top strip: where the effect panel stands, as up to four
    overlapping steps: the model, the open section, its effect and, for the sampler, the slot.

    The panel sets the steps as it moves between levels (the step operations below), and each change
    of level is passed to the effect browser, which selects the item that mirrors it. Clicking a step
    takes the panel back to that step's level. The sampler window saves the steps while it shows its
    own path on them, and puts them back.
*/
class LineBrowser : public juce::Component,
                    private juce::Button::Listener
{
public:
    static constexpr int barWidth = 703, barHeight = 29;
    static constexpr int numSteps = 4;
    static constexpr int stepWidth = LineBrowserButton::stepWidth, stepSpacing = 171;

    /** The steps, left to right. */
    enum Step { modelStep, sectionStep, effectStep, slotStep };

    /** Who mirrors the level the steps show: the effect browser, through the main window. */
    class Mirror
    {
    public:
        virtual ~Mirror() = default;
        /** The panel is now at this level (1..4), with this name at its end. */
        virtual void mirrorLevel (int level, const juce::String& name) = 0;
        /** A section was opened from inside the panel: the browser moves off the main window if it
            covers it. */
        virtual void placeBrowserBesideMainWindow() = 0;
    };

    LineBrowser();
    ~LineBrowser() override;

    void setNavigator (EffectNavigator* newNavigator) noexcept  { navigator = newNavigator; }
    void setMirror (Mirror* newMirror) noexcept                 { mirror = newMirror; }

    LineBrowserButton& getStep (Step step) noexcept             { return *steps[(size_t) step]; }
    const LineBrowserButton& getStep (Step step) const noexcept { return *steps[(size_t) step]; }

    /** The level the steps show: the last shown step that is current (1 the model alone .. 4 a
        sampler slot); previews of a section or an effect are no level. */
    int getLevel() const;
    juce::String getStepText (int step) const;
    bool isStepVisible (int step) const;

    //==============================================================================
    // The step operations of the panel's levels.

    /** Level 1: the model step alone, current. */
    void showLinePathRoot();
    /** Level 2: the section step at the end, current; the model dimmed. With placeBrowser the effect
        browser is moved off the main window if it covers it. */
    void showLinePathSection (const juce::String& sectionName, bool placeBrowser);
    /** Level 3: the effect step at the end, current; the section continues into it, dimmed. */
    void showLinePathEffect (const juce::String& effectName);
    /** Level 4: the slot step at the end, current; the steps above it dimmed. */
    void showLinePathSlot (const juce::String& slotName);

    /** Hovering a section button: its name as a highlighted section step, without a level change. */
    void previewLinePathSection (const juce::String& sectionName);
    /** Hovering or key-highlighting an effect: its name as a highlighted effect step (on one line), or
        with hide no effect step (the lock position); the section step shows and is lit unless it is
        the current one. */
    void setLinePathLeaf (const juce::String& effectName, bool hide);

    //==============================================================================
    /** What one step shows: its text, whether it shows, its three flags and its image set. */
    struct StepState
    {
        juce::String text;
        bool visible = false, highlighted = false, current = false, dimmed = false;
        LineBrowserButton::Ends ends = LineBrowserButton::Ends::middle;

        bool operator== (const StepState& other) const noexcept;
        bool operator!= (const StepState& other) const noexcept     { return ! operator== (other); }
    };

    using Path = std::array<StepState, numSteps>;

    /** The four steps as they show now, for the sampler window to put back later. */
    Path saveSteps() const;
    /** Puts saved steps back as they were, texts, flags and image sets; nothing else is told. */
    void restoreSteps (const Path& path);

    /** Tells the mirror the path the steps show, level by level up to the current one (after
        restoreSteps, so that the effect browser follows). */
    void mirrorSteps();

    //==============================================================================
    void resized() override;

private:
    void buttonClicked (juce::Button* button) override;
    void setStep (Step step, const juce::String& text, LineBrowserButton::Ends ends);
    void hideStep (Step step);
    void mirrorLevel (int level, const juce::String& name);

    std::array<std::unique_ptr<LineBrowserButton>, numSteps> steps;
    EffectNavigator* navigator = nullptr;
    Mirror* mirror = nullptr;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (LineBrowser)
};
