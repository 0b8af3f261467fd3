// The effect panel of the running program under X, walked with the real pointer (xdotool): every
// section opened by a click on it, every effect of it opened by a click on its key and closed by its
// close key, the bare body back to the sections. The breadcrumb and the effect browser follow each
// step. Writes each section at its second and third level to the build folder.

#include "app/MainWindow.h"
#include "app/QZT7200ControlApplication.h"
#include "AppGuiTestSupport.h"
#include "MessagePump.h"
#include "JuceTestPrinters.h"
#include "editor/bindings/PanelNames.h"
#include "widgets/AnimImageButton.h"
#include "widgets/CloseButton.h"
#include "widgets/IsolateMenuButton.h"
#include "widgets/ReleaseMenuButton.h"
#include "widgets/SceneMenuButton.h"
#include "widgets/XPadMenuButton.h"

#include <gtest/gtest.h>

namespace
{
using P = juce::Point<int>;

struct PanelNavigationGuiTest : ::testing::Test
{

    TemporaryConfigHome config;
    std::unique_ptr<QZT7200ControlApplication> app;
    MainWindow* window = nullptr;
    Body* body = nullptr;
    const juce::File build { juce::File (TESSALIN_BUILD_DIR) };

    void SetUp() override
    {
        ASSERT_TRUE (runXdotool ({ "mousemove", "1270", "890" }));
        app = std::make_unique<QZT7200ControlApplication>();
        app->initialise ({});
        window = &app->getMainWindow();
        body = &window->getBody();
        window->getEffectBrowser().setVisible (true);
        window->toFront (true);
        pumpMessages (300);
    }

    void TearDown() override
    {
        app.reset();
    }

    /** A point of the component that the pointer would land on (its mask and what lies above it
        taken into account), searched from its centre outwards. */
    std::optional<P> landingPoint (juce::Component& c)
    {
        const auto area = c.getScreenBounds();
        auto& desktop = juce::Desktop::getInstance();
        std::optional<P> best;
        int bestDistance = 0;

        for (int y = area.getY() + 2; y < area.getBottom() - 1; y += 3)
            for (int x = area.getX() + 2; x < area.getRight() - 1; x += 3)
            {
                const P p (x, y);
                const auto d = p.getDistanceSquaredFrom (area.getCentre());
                if ((! best.has_value() || d < bestDistance) && desktop.findComponentAt (p) == &c)
                {
                    best = p;
                    bestDistance = d;
                }
            }

        // The search hit-tested effect keys all over their sections, and a key's hit test is also
        // its section's hover flag: the real moves that follow set it again for the pointer.
        for (auto* child : body->getChildren())
            if (auto* section = dynamic_cast<AnimImageButton*> (child))
                section->setHover (false);

        return best;
    }

    void moveTo (P p, int settleMs)
    {
        ASSERT_TRUE (runXdotool ({ "mousemove", juce::String (p.x - 5), juce::String (p.y - 3), "sleep", "0.05",
                                   "mousemove", juce::String (p.x), juce::String (p.y) }, settleMs));
    }

    /** Arrives on the component in two real steps and lets its section fade in; what faded in may
        cover the first point, so the point is looked for again before the click. */
    void click (juce::Component& c, const juce::String& what)
    {
        auto p = landingPoint (c);
        ASSERT_TRUE (p.has_value()) << "nothing of " << what << " can be clicked";
        moveTo (*p, 450);

        // Moved onto again for real, so that the hover flags stand as the pointer left them.
        const auto again = landingPoint (c);
        ASSERT_TRUE (again.has_value()) << what << " was covered once the mouse came";
        moveTo (*again, 200);

        ASSERT_TRUE (runXdotool ({ "click", "1" }, 300)) << what;
    }

    void shoot (const juce::String& name)
    {
        pumpMessages (400);
        const auto file = build.getChildFile (name);
        EXPECT_TRUE (screenshot (window->getScreenBounds(), file).isValid()) << name;
    }

    void expectLevel (int level, int section, int effect, const juce::String& where)
    {
        auto& bar = window->getLineBrowser();
        auto& browser = window->getEffectBrowser();

        // A loaded machine may take a moment to hand the click over.
        pumpUntil ([&] { return bar.getLevel() == level; }, 2000);

        EXPECT_EQ (bar.getLevel(), level) << where;
        EXPECT_EQ (browser.getCurrentLevel(), level) << where;

        if (level >= 2)
        {
            EXPECT_EQ (bar.getStepText (LineBrowser::sectionStep), PanelNames::sectionName (section)) << where;
            EXPECT_EQ (body->getCurrentSection(), section) << where;
        }

        if (level == 3)
        {
            EXPECT_EQ (bar.getStepText (LineBrowser::effectStep), PanelNames::oneLineEffectName (section, effect)) << where;
            EXPECT_EQ (body->getEditedEffect (static_cast<PanelSection> (section)), effect) << where;
            auto* item = browser.getTreeView().getSelectedItem (0);
            ASSERT_NE (item, nullptr) << where;
            EXPECT_EQ (item->getUniqueName(), PanelNames::oneLineEffectName (section, effect)) << where;
        }
    }
};

const char* const shotNames[] { "isolate", "scene", "release", "xpad" };
} // namespace

TEST_F (PanelNavigationGuiTest, EverySectionAndEffectOpensByClicksAndClosesAgain)
{
    auto& isolate = body->getIsolate();
    auto& scene = body->getScene();
    auto& release = body->getRelease();
    auto& xpad = body->getXPad();

    // The effect each section is photographed with at the third level.
    const int shownEffect[] { IsolateEffect::isolator, SceneEffect::bpfEcho, ReleaseEffect::echo, XPadEffect::osc };

    for (int s = 0; s < numPanelSections; ++s)
    {
        const auto section = static_cast<PanelSection> (s);
        auto& sectionButton = *body->getSectionButton (section);
        const auto name = PanelNames::sectionName (s);

        click (window->getLineBrowser().getStep (LineBrowser::modelStep), "the model step");
        expectLevel (1, s, 0, "model step before " + name);

        click (sectionButton, name);
        expectLevel (2, s, 0, name);
        shoot (juce::String ("nav-") + shotNames[s] + "-level2.png");

        // SAMPLER last: it brings the sampler window up over the panel.
        std::vector<int> effects;
        for (int e = 0; ! PanelNames::oneLineEffectName (s, e).isEmpty(); ++e)
            if (! (section == PanelSection::xpad && e == XPadEffect::sampler))
                effects.push_back (e);

        for (int e : effects)
        {
            const auto where = name + " / " + PanelNames::oneLineEffectName (s, e);
            juce::Button* key = nullptr;
            juce::Button* close = nullptr;

            switch (section)
            {
                case PanelSection::isolate: key = isolate.isolateEffectButtons[(size_t) e]; close = isolate.panelCloseButton; break;
                case PanelSection::scene:   key = scene.sceneEffectButtons[(size_t) e]; close = scene.editCloseButton; break;
                case PanelSection::release: key = release.releaseEffectButtons[(size_t) e]; close = release.editCloseButton; break;
                case PanelSection::xpad:
                    key = xpad.xpadEffectButtons[(size_t) e];
                    close = e == XPadEffect::xpad ? xpad.padCloseButton : xpad.editCloseButton;
                    break;
            }

            click (*key, where);
            expectLevel (3, s, e, where);

            if (e == shownEffect[s])
                shoot (juce::String ("nav-") + shotNames[s] + "-level3.png");
            if (section == PanelSection::xpad && e == XPadEffect::xpad)
                shoot ("nav-xpad-position-overlay.png");

            click (*close, "close of " + where);
            expectLevel (2, s, e, "closed " + where);
            EXPECT_EQ (body->getCurrentEffect (section), e) << where;
        }
    }

    // SAMPLER opens the sampler window over the panel, at the third level; a slot's editor is the
    // fourth, which the browser mirrors too.
    auto& sampler = window->getSamplerWindow();
    click (*xpad.xpadEffectButtons[XPadEffect::sampler], "SAMPLER");
    pumpMessages (500);
    expectLevel (3, 3, XPadEffect::sampler, "SAMPLER");
    EXPECT_TRUE (sampler.isVisible());

    ASSERT_TRUE (sampler.openSlot (6));
    EXPECT_EQ (window->getLineBrowser().getLevel(), 4);
    ASSERT_NE (window->getEffectBrowser().getTreeView().getSelectedItem (0), nullptr);
    EXPECT_EQ (window->getEffectBrowser().getTreeView().getSelectedItem (0)->getUniqueName(), "BANK2-SLOT3");

    // Closed with the panel's own path on the breadcrumb, the panel goes back to X-PAD's effects.
    sampler.closeButtonPressed();
    pumpMessages (300);
    expectLevel (2, 3, 0, "sampler closed");

    // Brought up over another section, the sampler shows its own path and puts the panel's back.
    click (*body, "the body");
    click (*scene.sceneButton, "SCENE FX");
    sampler.setVisible (true);
    sampler.toFront (true);

    // The window must have come to the front (and shown its path) before it closes again.
    pumpUntil ([&] { return sampler.isActiveWindow(); }, 2000);
    pumpMessages (300);
    EXPECT_EQ (window->getLineBrowser().getStepText (LineBrowser::effectStep), "SAMPLER");
    EXPECT_EQ (window->getEffectBrowser().getCurrentLevel(), 2) << "the browser still mirrors the panel";
    sampler.closeButtonPressed();
    pumpMessages (300);
    expectLevel (2, 1, 0, "sampler closed over SCENE FX");
    window->toFront (true);
    pumpMessages (300);

    // The bare body, where no section lies, goes back to the sections.
    click (*body, "the body");
    expectLevel (1, 0, 0, "the body");
}
