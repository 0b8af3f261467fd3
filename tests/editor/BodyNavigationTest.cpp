// The effect panel's walk through its levels without a display: clicks on sections, effect keys,
// close keys, locks and switches; hovering; the breadcrumb's steps; the refresh at every level.

#include "PanelTestSupport.h"

#include "editor/LineBrowser.h"
#include "editor/bindings/PanelNames.h"
#include "widgets/AnimComponent.h"
#include "widgets/CloseButton.h"
#include "widgets/DropTargetImage.h"
#include "widgets/PopupSlider.h"
#include "widgets/ComboLabel.h"
#include "widgets/IsolateMenuButton.h"
#include "widgets/LockButton.h"
#include "widgets/ReleaseMenuButton.h"
#include "widgets/SceneMenuButton.h"
#include "widgets/ToggleImageButton.h"
#include "widgets/ValueCombo.h"
#include "widgets/XPadMenuButton.h"

using namespace paneltest;

namespace
{
struct BrowserMirror : LineBrowser::Mirror
{
    int level = 1;          // the browser starts on the model's item
    juce::String name;
    void mirrorLevel (int newLevel, const juce::String& newName) override  { level = newLevel; name = newName; }
    void placeBrowserBesideMainWindow() override                           {}
};

struct BodyNavigationTest : ::testing::Test
{
    TestPanel panel;
    Body& body = panel.body;
    DeviceSettings& doc = *panel.current;
    LineBrowser bar;
    BrowserMirror browser;

    BodyNavigationTest()
    {
        fillMarkers (doc, 3);
        *panel.lastSent = doc;
        bar.setMirror (&browser);
        bar.setNavigator (&body);
        body.setBreadcrumb (&bar);
        body.refreshFromData();
    }

    static void click (juce::Button& b)
    {
        b.triggerClick();
        pump (10);
    }

    /** A click on an effect key as its listener hears it, at once: the section's fade, left to run,
        would hand the focus target on before it could be looked at. */
    void clickKey (juce::Button& key)
    {
        body.buttonClicked (&key);
    }

    juce::String step (LineBrowser::Step s) const   { return bar.isStepVisible (s) ? bar.getStepText (s) : "-"; }

    /** The breadcrumb, the level the browser mirrors and the panel's own state agree on level 1. */
    void expectAtFirstLevel (const juce::String& where)
    {
        EXPECT_EQ (bar.getLevel(), 1) << where;
        EXPECT_EQ (browser.level, 1) << where;
        EXPECT_EQ (step (LineBrowser::sectionStep), "-") << where;

        for (auto s : { PanelSection::isolate, PanelSection::scene, PanelSection::release, PanelSection::xpad })
        {
            auto* b = body.getSectionButton (s);
            EXPECT_FALSE (b->isOpen() || b->isDimmed() || b->isSelected() || b->isExpanded()) << where;
            EXPECT_FALSE (body.isEditViewInUse (s)) << where;
        }
        EXPECT_FALSE (body.getIsolate().isolatePanel->isOpen()) << where;
        EXPECT_FALSE (body.getXPad().padPanel->isOpen()) << where;
    }

    /** One section open at level 2, the other three dimmed. */
    void expectAtSecondLevel (PanelSection open, const juce::String& where)
    {
        EXPECT_EQ (bar.getLevel(), 2) << where;
        EXPECT_EQ (browser.name, PanelNames::sectionName ((int) open)) << where;
        EXPECT_EQ (body.getCurrentSection(), (int) open) << where;
        EXPECT_FALSE (body.isEditViewInUse (open)) << where;

        for (auto s : { PanelSection::isolate, PanelSection::scene, PanelSection::release, PanelSection::xpad })
            EXPECT_EQ (body.getSectionButton (s)->isOpen(), s == open) << where;
    }

    void expectAtThirdLevel (PanelSection section, int effect, const juce::String& where)
    {
        EXPECT_EQ (bar.getLevel(), 3) << where;
        EXPECT_EQ (step (LineBrowser::sectionStep), PanelNames::sectionName ((int) section)) << where;
        EXPECT_EQ (step (LineBrowser::effectStep), PanelNames::oneLineEffectName ((int) section, effect)) << where;
        EXPECT_TRUE (bar.getStep (LineBrowser::effectStep).isCurrent()) << where;
        EXPECT_EQ (browser.name, step (LineBrowser::effectStep)) << where;
        EXPECT_EQ (body.getEditedEffect (section), effect) << where;
        EXPECT_EQ (body.getCurrentEffect (section), effect) << where;
        EXPECT_TRUE (body.isEditViewInUse (section)) << where;
    }
};
} // namespace

TEST_F (BodyNavigationTest, SceneEffectsOpenForEditingWithTheirOwnValuesAndCloseBackToTheSection)
{
    auto& scene = body.getScene();
    click (*scene.sceneButton);
    expectAtSecondLevel (PanelSection::scene, "section clicked");

    for (int e = 0; e < SceneSection::numEffects; ++e)
    {
        const auto where = "Scene effect " + juce::String (e);
        const int commits = panel.commits;
        clickKey (*scene.sceneEffectButtons[(size_t) e]);
        expectAtThirdLevel (PanelSection::scene, e, where);

        // The combo boxes left their resting panel for the section, bound to this effect's record.
        EXPECT_EQ (scene.sceneCenterCombo->getParentComponent(), scene.sceneButton) << where;
        EXPECT_EQ (scene.sceneCenterCombo->getValuePointer(), &doc.scene[e][1]) << where;
        EXPECT_EQ (scene.sceneCenterCombo->getSelectedId(), doc.scene[e][1] + 1) << where;
        EXPECT_FALSE (scene.sceneLabelView->isVisible()) << where;
        EXPECT_EQ (scene.sceneButton->getFocusAfterFade(), scene.sceneCenterCombo) << where;
        EXPECT_TRUE (scene.sceneEffectButtons[(size_t) e]->getToggleState()) << where;
        EXPECT_FALSE (scene.sceneEffectButtons[(size_t) e]->isInteractive()) << where;
        EXPECT_EQ (panel.commits, commits) << "opening edits nothing: " << where;

        click (*scene.editCloseButton);
        expectAtSecondLevel (PanelSection::scene, "closed " + where);
        EXPECT_EQ (scene.sceneCenterCombo->getParentComponent(), scene.sceneEditView) << where;
        EXPECT_TRUE (scene.sceneLabelView->isVisible()) << where;
        EXPECT_EQ (scene.sceneCenterLabel->getValuePointer(), &doc.scene[e][1]) << "the read-outs show it: " << where;
        EXPECT_EQ (body.getCurrentEffect (PanelSection::scene), e) << where;
    }
}

TEST_F (BodyNavigationTest, ReleaseAndXPadEffectsOpenWithTheirFocusTargets)
{
    auto& release = body.getRelease();
    for (int e = 0; e < ReleaseSection::numEffects; ++e)
    {
        const auto where = "Release effect " + juce::String (e);
        click (*release.releaseButton);
        clickKey (*release.releaseEffectButtons[(size_t) e]);
        expectAtThirdLevel (PanelSection::release, e, where);
        EXPECT_EQ (release.releaseButton->getFocusAfterFade(), release.releaseCombos[0]) << where;
        EXPECT_EQ (release.releaseCombos[0]->getParentComponent(), release.releaseButton) << where;
        EXPECT_EQ (release.releaseCombos[3]->isVisible(), e == ReleaseEffect::echo) << "feedback: " << where;
        EXPECT_EQ (release.releaseCombos[4]->getValuePointer(), &doc.release[e][1]) << where;

        click (*release.editCloseButton);
        expectAtSecondLevel (PanelSection::release, "closed " + where);
        EXPECT_EQ (release.editCloseButton->getParentComponent(), nullptr) << where;
        EXPECT_EQ (release.releaseLabels[4]->getValuePointer(), &doc.release[e][1]) << where;
        body.resetSections();
    }

    auto& xpad = body.getXPad();
    const std::array<juce::Component*, XPadSection::numEffects> targets { xpad.rollButtons[0], xpad.oscCombos[0], nullptr,
                                                                          xpad.pitchMinusSlider, xpad.padDropTargets[0] };
    for (int e = 0; e < XPadSection::numEffects; ++e)
    {
        const auto where = "X-PAD effect " + juce::String (e);
        click (*xpad.xpadButton);
        clickKey (*xpad.xpadEffectButtons[(size_t) e]);
        EXPECT_EQ (bar.getLevel(), 3) << where;
        EXPECT_EQ (body.getEditedEffect (PanelSection::xpad), e) << where;
        EXPECT_EQ (xpad.xpadButton->getFocusAfterFade(), targets[(size_t) e]) << where;
        EXPECT_EQ (xpad.xpadEffectButtons[(size_t) e]->getToggleState(), true) << where;

        if (e == XPadEffect::xpad)
        {
            EXPECT_TRUE (xpad.padPanel->isOpen() && xpad.padPanel->isExpanded()) << where;
            EXPECT_TRUE (xpad.xpadButton->isDimmed()) << where;
            EXPECT_EQ (xpad.padPanel->getFocusAfterFade(), static_cast<juce::Component*> (xpad.padDropTargets[0])) << where;
            click (*xpad.padCloseButton);
        }
        else if (e != XPadEffect::sampler)
        {
            EXPECT_TRUE (xpad.isEditing()) << where;
            EXPECT_EQ (xpad.oscCombos[0]->isVisible(), e == XPadEffect::osc) << where;
            EXPECT_EQ (xpad.pitchMinusSlider->isVisible(), e == XPadEffect::pitch) << where;
            EXPECT_EQ (xpad.rollButtons[0]->isInteractive(), e == XPadEffect::roll) << where;
            click (*xpad.editCloseButton);
        }

        if (e != XPadEffect::sampler)
            expectAtSecondLevel (PanelSection::xpad, "closed " + where);
        body.resetSections();
    }

    // SAMPLER goes to the sampler window: prepared and shown once, its slot focused, an old editor gone.
    EXPECT_EQ (panel.samplerShows, 1);
    EXPECT_EQ (panel.samplerSlotFocuses, 1);
    EXPECT_EQ (panel.editorRemovals, 1);

    body.openSamplerSlot (6);
    EXPECT_EQ (panel.editorsOpened, std::vector<int> { 6 });
    EXPECT_EQ (step (LineBrowser::effectStep), "SAMPLER");
}

TEST_F (BodyNavigationTest, EveryLevelOfEverySectionGoesBackToTheFirstByResetOrAClickOnTheBody)
{
    expectAtFirstLevel ("start");

    // A section entered by key comes up selected and previewed on the breadcrumb, still at level 1.
    body.enterSection (2);
    auto& entered = *body.getRelease().releaseButton;
    EXPECT_TRUE (entered.isSelected() && entered.isExpanded() && body.isKeyboardMode());
    EXPECT_EQ (step (LineBrowser::sectionStep), "RELEASE FX");
    EXPECT_FALSE (bar.getStep (LineBrowser::sectionStep).isCurrent());
    EXPECT_EQ (bar.getLevel(), 1);
    body.resetSections();
    expectAtFirstLevel ("entered by key");

    for (int s = 0; s < numPanelSections; ++s)
        for (int effect = -1; effect < XPadSection::numEffects; ++effect)
        {
            const auto where = "section " + juce::String (s) + " effect " + juce::String (effect);
            if (effect < 0)
                body.showSection (s);
            else
                body.selectSectionEffect (s, effect);

            if (effect == 0)
                body.refreshFromData();     // a refresh keeps whatever is open
            EXPECT_EQ (bar.getLevel(), effect < 0 ? 2 : 3) << where;

            const int menus = panel.menuCloses;
            if (effect % 2 == 0)
                body.resetSections();
            else
            {
                body.mouseDown (juce::MouseEvent (juce::Desktop::getInstance().getMainMouseSource(), {}, {}, 0.0f, 0.0f, 0.0f,
                                                  0.0f, 0.0f, &body, &body, juce::Time(), {}, juce::Time(), 1, false));
                EXPECT_GT (panel.windowFocuses, 0) << "the main window holds the keys: " << where;
            }
            EXPECT_GT (panel.menuCloses, menus) << where;
            expectAtFirstLevel (where);
        }
}

TEST_F (BodyNavigationTest, ARequestOutsideTheSectionOpensItsEditedEffectAndNeverALockPosition)
{
    // The last request (SPIRAL DOWN, 8) is no Release effect: Release opens the one it edited last.
    body.selectSectionEffect (2, ReleaseEffect::backSpin);
    body.selectSectionEffect (1, SceneEffect::spiralDown);
    body.selectSectionEffect (2, -1);
    expectAtThirdLevel (PanelSection::release, ReleaseEffect::backSpin, "Release -1");
    EXPECT_EQ (body.getRequestedEffect(), ReleaseEffect::backSpin);

    body.selectSectionEffect (1, SceneEffect::spiralDown);
    body.selectSectionEffect (1, -1);
    expectAtThirdLevel (PanelSection::scene, SceneEffect::spiralDown, "Scene -1");

    // The lock positions are places of the key walk, not effects.
    body.setCurrentEffect (PanelSection::isolate, IsolateSection::lockPosition);
    body.selectSectionEffect (0, IsolateSection::lockPosition);
    expectAtThirdLevel (PanelSection::isolate, 0, "Isolate lock");
    EXPECT_TRUE (body.getIsolate().isolatePanelEffectButtons[0]->getToggleState());
    EXPECT_TRUE (body.getIsolate().isolatePanel->isExpanded());
    EXPECT_TRUE (body.getIsolate().isolateButton->isDimmed());

    // A breadcrumb effect step left from a preview names no effect: the last request opens again.
    bar.getStep (LineBrowser::effectStep).setButtonText ("BANK9");
    click (bar.getStep (LineBrowser::effectStep));
    expectAtThirdLevel (PanelSection::isolate, 0, "step 3");
    click (bar.getStep (LineBrowser::sectionStep));
    expectAtSecondLevel (PanelSection::isolate, "step 2");
    click (bar.getStep (LineBrowser::modelStep));
    expectAtFirstLevel ("step 1");
}

TEST_F (BodyNavigationTest, EitherIsolateLockSetsBothAndCommitsOnceAlsoByReturn)
{
    auto& isolate = body.getIsolate();
    const auto expectLockFlip = [&] (const std::function<void()>& flip, const char* how)
    {
        const int before = doc.isolateLock, commits = panel.commits, placements = panel.browserPlacements;
        flip();
        pump (20);
        EXPECT_NE (doc.isolateLock, before) << how;
        EXPECT_EQ (isolate.isolateLockButton->getToggleState(), doc.isolateLock != 0) << how;
        EXPECT_EQ (isolate.isolatePanelLockButton->getToggleState(), doc.isolateLock != 0) << how;
        EXPECT_EQ (panel.commits - commits, 1) << how;
        EXPECT_EQ (panel.browserPlacements - placements, 1) << how;
    };

    body.showSection (0);
    expectLockFlip ([&] { isolate.isolateLockButton->triggerClick(); }, "section lock");
    expectLockFlip ([&] { isolate.isolateLockButton->keyPressed (juce::KeyPress (juce::KeyPress::returnKey)); }, "Return on it");
    expectLockFlip ([&] { body.toggleLock (PanelSection::isolate); }, "Return on the lock position");
    body.selectSectionEffect (0, 2);
    expectLockFlip ([&] { isolate.isolatePanelLockButton->triggerClick(); }, "overlay lock");
}

TEST_F (BodyNavigationTest, TheBpfEchoSelectorRebindsTheModeRowAndCommitsOnce)
{
    auto& scene = body.getScene();
    const auto choose = [&] (juce::Button& toggle, int selector, int valueIndex, int items)
    {
        const auto before = std::make_unique<DeviceSettings> (doc);
        const int commits = panel.commits;
        click (toggle);
        EXPECT_EQ (doc.scene[SceneEffect::bpfEcho][9], selector);
        EXPECT_EQ (scene.sceneSub2Combo->getValuePointer(), &doc.scene[SceneEffect::bpfEcho][valueIndex]);
        EXPECT_EQ (scene.sceneSub2Combo->getNumItems(), items);
        EXPECT_EQ (scene.sceneModulationButton->getToggleState(), selector == 0);
        EXPECT_EQ (scene.sceneResonanceButton->getToggleState(), selector != 0);
        EXPECT_LE (differingWords (*before, doc).size(), 1u) << "only the selector changes";
        EXPECT_EQ (panel.commits - commits, 1);
    };

    body.selectSectionEffect (1, SceneEffect::bpfEcho);
    choose (*scene.sceneResonanceButton, 1, 11, 3);
    choose (*scene.sceneModulationButton, 0, 10, 5);
    choose (*scene.sceneResonanceButton, 1, 11, 3);

    // Back at the section with HPF ECHO shown, the switches belong to HPF ECHO's record.
    click (*scene.editCloseButton);
    body.showSceneEffectControls (SceneEffect::hpfEcho);
    const int bpfSelector = doc.scene[SceneEffect::bpfEcho][9];
    doc.scene[SceneEffect::hpfEcho][9] = 1;
    *panel.lastSent = doc;
    click (*scene.sceneModulationButton);
    EXPECT_EQ (doc.scene[SceneEffect::hpfEcho][9], 0);
    EXPECT_EQ (doc.scene[SceneEffect::bpfEcho][9], bpfSelector);
}

TEST_F (BodyNavigationTest, HoveringPreviewsWithoutCommittingAndStopsOnceAnEffectIsOpen)
{
    auto& scene = body.getScene();
    body.showSection (1);
    const auto before = std::make_unique<DeviceSettings> (doc);
    const int commits = panel.commits;

    for (int e : { SceneEffect::noise, SceneEffect::reverbDown })
    {
        auto& key = *scene.sceneEffectButtons[(size_t) e];
        key.setState (juce::Button::buttonOver);
        EXPECT_EQ (step (LineBrowser::effectStep), PanelNames::oneLineEffectName (1, e));
        EXPECT_TRUE (bar.getStep (LineBrowser::effectStep).isHighlighted());
        EXPECT_EQ (bar.getLevel(), 2) << "a preview is no level";
        EXPECT_EQ (scene.sceneCenterLabel->getValuePointer(), &doc.scene[e][1]);

        key.setState (juce::Button::buttonNormal);
        EXPECT_EQ (step (LineBrowser::effectStep), "-");
    }

    EXPECT_TRUE (differingWords (*before, doc).empty());
    EXPECT_EQ (panel.commits, commits);

    // With an effect open, its step is pinned: hovering another key changes neither step nor read-outs.
    body.selectSectionEffect (1, SceneEffect::echo);
    scene.sceneEffectButtons[SceneEffect::noise]->setState (juce::Button::buttonOver);
    EXPECT_EQ (step (LineBrowser::effectStep), "ECHO");
    EXPECT_EQ (scene.sceneCenterCombo->getValuePointer(), &doc.scene[SceneEffect::echo][1]);
}
