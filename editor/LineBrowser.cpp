#include "editor/LineBrowser.h"

#include "assets/SkinImages.h"
#include "editor/EffectNavigator.h"
#include "editor/bindings/PanelNames.h"

namespace
{
LineBrowserButton::ImageSet imageSet (SkinImageSet<SkinButtonState> set)
{
    return { SkinImages::get (set[SkinButtonState::normal]), SkinImages::get (set[SkinButtonState::over]),
             SkinImages::get (set[SkinButtonState::down]), SkinImages::get (set[SkinButtonState::disabled]) };
}
} // namespace

LineBrowser::LineBrowser()
{
    const auto middle = imageSet (SkinImageSets::breadcrumbMiddle);
    const auto end = imageSet (SkinImageSets::breadcrumbEnd);
    const auto model = imageSet (SkinImageSets::breadcrumbModel);

    // Added left to right, so that each step lies over its left neighbour's arrow.
    for (size_t i = 0; i < steps.size(); ++i)
    {
        auto& step = steps[i];
        step = std::make_unique<LineBrowserButton>();
        step->addListener (this);
        addChildComponent (*step);
    }

    // The model step has pictures of its own and never changes them.
    steps[modelStep]->setImageSets (model, model);
    steps[modelStep]->setButtonText (PanelNames::modelName);
    steps[modelStep]->setVisible (true);

    steps[sectionStep]->setImageSets (middle, end);
    steps[effectStep]->setImageSets (middle, end);
    steps[slotStep]->setImageSets (middle, end);
    steps[slotStep]->useImages (LineBrowserButton::Ends::end);

    setSize (barWidth, barHeight);
}

LineBrowser::~LineBrowser() = default;

juce::String LineBrowser::getStepText (int step) const
{
    return juce::isPositiveAndBelow (step, numSteps) ? steps[(size_t) step]->getButtonText() : juce::String();
}

bool LineBrowser::isStepVisible (int step) const
{
    return juce::isPositiveAndBelow (step, numSteps) && steps[(size_t) step]->isVisible();
}

void LineBrowser::resized()
{
    // Neighbours overlap by 19 px: the arrow of one fills the notch of the next.
    for (size_t i = 0; i < steps.size(); ++i)
        steps[i]->setBounds ((int) i * stepSpacing, 0, stepWidth, barHeight);
}

//==============================================================================
void LineBrowser::setStep (Step step, const juce::String& text, LineBrowserButton::Ends ends)
{
    auto& s = getStep (step);
    s.useImages (ends);
    s.setButtonText (text);
    s.setDimmed (false);
    s.setVisible (true);
    s.setCurrent (true);
    s.setHighlighted (false);
}

void LineBrowser::hideStep (Step step)
{
    getStep (step).setVisible (false);
    getStep (step).setCurrent (false);
}

int LineBrowser::getLevel() const
{
    for (int step = slotStep; step > modelStep; --step)
        if (steps[(size_t) step]->isVisible() && steps[(size_t) step]->isCurrent())
            return step + 1;

    return 1;
}

void LineBrowser::mirrorLevel (int level, const juce::String& name)
{
    repaint();

    if (mirror != nullptr)
        mirror->mirrorLevel (level, name);
}

void LineBrowser::showLinePathRoot()
{
    hideStep (slotStep);
    hideStep (effectStep);
    hideStep (sectionStep);

    auto& model = getStep (modelStep);
    model.setDimmed (false);
    model.setCurrent (true);
    model.setHighlighted (false);

    mirrorLevel (1, model.getButtonText());
}

void LineBrowser::showLinePathSection (const juce::String& sectionName, bool placeBrowser)
{
    hideStep (slotStep);
    hideStep (effectStep);
    setStep (sectionStep, sectionName, LineBrowserButton::Ends::end);
    getStep (modelStep).setDimmed (true);

    mirrorLevel (2, sectionName);

    if (placeBrowser && mirror != nullptr)
        mirror->placeBrowserBesideMainWindow();
}

void LineBrowser::showLinePathEffect (const juce::String& effectName)
{
    hideStep (slotStep);
    setStep (effectStep, effectName, LineBrowserButton::Ends::end);
    getStep (sectionStep).useImages (LineBrowserButton::Ends::middle);
    getStep (sectionStep).setDimmed (true);
    getStep (modelStep).setDimmed (true);

    mirrorLevel (3, effectName);
}

void LineBrowser::showLinePathSlot (const juce::String& slotName)
{
    setStep (slotStep, slotName, LineBrowserButton::Ends::end);
    getStep (effectStep).useImages (LineBrowserButton::Ends::middle);
    getStep (effectStep).setDimmed (true);
    getStep (sectionStep).setDimmed (true);
    getStep (modelStep).setDimmed (true);

    mirrorLevel (4, slotName);
}

void LineBrowser::previewLinePathSection (const juce::String& sectionName)
{
    auto& section = getStep (sectionStep);
    section.setVisible (true);
    section.setDimmed (false);
    section.setHighlighted (true);
    section.setButtonText (sectionName);
    section.useImages (LineBrowserButton::Ends::end);
    repaint();
}

void LineBrowser::setLinePathLeaf (const juce::String& effectName, bool hide)
{
    auto& section = getStep (sectionStep);
    auto& effect = getStep (effectStep);

    if (! section.isCurrent())
    {
        section.setVisible (true);
        section.setDimmed (false);
        section.setHighlighted (true);
    }

    if (hide)
    {
        section.useImages (LineBrowserButton::Ends::end);
        effect.setVisible (false);
    }
    else
    {
        section.useImages (LineBrowserButton::Ends::middle);
        effect.setVisible (true);
        effect.setDimmed (false);
        effect.setHighlighted (true);
        effect.setButtonText (PanelNames::toOneLine (effectName));
        effect.useImages (LineBrowserButton::Ends::end);
    }

    repaint();
}

//==============================================================================
bool LineBrowser::StepState::operator== (const StepState& o) const noexcept
{
    return text == o.text && visible == o.visible && highlighted == o.highlighted && current == o.current
        && dimmed == o.dimmed && ends == o.ends;
}

LineBrowser::Path LineBrowser::saveSteps() const
{
    Path path;

    for (size_t i = 0; i < steps.size(); ++i)
    {
        const auto& s = *steps[i];
        path[i] = { s.getButtonText(), s.isVisible(), s.isHighlighted(), s.isCurrent(), s.isDimmed(), s.getEnds() };
    }

    return path;
}

void LineBrowser::restoreSteps (const Path& path)
{
    for (size_t i = 0; i < steps.size(); ++i)
    {
        auto& s = *steps[i];
        const auto& saved = path[i];
        s.setButtonText (saved.text);
        s.useImages (saved.ends);
        s.setHighlighted (saved.highlighted);
        s.setCurrent (saved.current);
        s.setDimmed (saved.dimmed);
        s.setVisible (saved.visible);
    }

    repaint();
}

void LineBrowser::mirrorSteps()
{
    // The browser finds an effect within the section it was last given, so each level goes in turn.
    const int level = getLevel();

    for (int step = modelStep; step < level; ++step)
        mirrorLevel (step + 1, getStepText (step));
}

//==============================================================================
void LineBrowser::buttonClicked (juce::Button* button)
{
    if (navigator == nullptr)
        return;

    if (button == steps[modelStep].get())
    {
        navigator->focusPanel();
        navigator->resetSections();
    }
    else if (button == steps[sectionStep].get())
    {
        navigator->focusPanel();
        navigator->reopenCurrentSection();
    }
    else if (button == steps[effectStep].get())
    {
        const int section = PanelNames::findSection (getStepText (sectionStep));

        // An effect name no effect of the section has (one left from a preview) reopens the effect
        // the panel was last asked for.
        if (section >= 0)
            navigator->selectSectionEffect (section, PanelNames::findEffect (section, getStepText (effectStep)));
    }
    else if (button == steps[slotStep].get())
    {
        navigator->focusSampleEditor();
    }
}
