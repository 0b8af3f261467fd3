// Where the mouse lands on an open section: the others are hidden then, and every control of it must
// take a click at its centre, also where it lies over another section's region at the first level.

#include "PanelTestSupport.h"

#include "widgets/AnimImageButton.h"
#include "widgets/CloseButton.h"
#include "widgets/CustomSlider.h"
#include "widgets/DropTargetImage.h"
#include "widgets/PopupSlider.h"
#include "widgets/SceneMenuButton.h"
#include "widgets/ToggleImageButton.h"

using namespace paneltest;

namespace
{
struct PanelHitAreas : ::testing::Test
{
    TestPanel panel;
    Body& body = panel.body;

    std::vector<AnimImageButton*> sections() const
    {
        std::vector<AnimImageButton*> all;
        for (auto* child : body.getChildren())
            if (auto* s = dynamic_cast<AnimImageButton*> (child))
                all.push_back (s);
        return all;
    }

    /** Opens one section as the panel does: the others hidden once dimmed, this one open and shown,
        the mouse not yet on it; the close keys that join a section when it opens are added. */
    void open (AnimImageButton& section)
    {
        body.setVisible (true);
        for (auto* s : sections())
        {
            s->setOpen (s == &section);
            s->setVisible (s == &section);
        }

        const std::pair<CloseButton*, AnimImageButton*> joining[] { { body.getRelease().editCloseButton, body.getRelease().releaseButton },
                                                                    { body.getXPad().editCloseButton, body.getXPad().xpadButton } };
        for (auto [close, owner] : joining)
            if (owner == &section && close->getParentComponent() == nullptr)
                owner->addChildComponent (close);
    }

    /** The things a click can work, each taken whole (a range slider with its two thumbs). */
    static void collectControls (juce::Component& c, std::vector<juce::Component*>& found)
    {
        for (auto* child : c.getChildren())
        {
            if (dynamic_cast<juce::Button*> (child) != nullptr || dynamic_cast<juce::ComboBox*> (child) != nullptr
                || dynamic_cast<CustomSlider*> (child) != nullptr || dynamic_cast<PopupSlider*> (child) != nullptr
                || dynamic_cast<DropTargetImage*> (child) != nullptr)
                found.push_back (child);
            else
                collectControls (*child, found);
        }
    }

    /** Where a click on the control is aimed: its centre, or the middle of its caption for a key of
        the Scene dial, whose box it shares with four others. */
    juce::Point<int> aimAt (juce::Component& control) const
    {
        auto local = control.getLocalBounds().getCentre();
        if (auto* key = dynamic_cast<SceneMenuButton*> (&control))
            local = key->getTextRect().getCentre();
        return body.getLocalPoint (&control, local);
    }

    /** Shows the control as its section's edit view does (the groups up to the section shown, the
        switches and sliders taking the mouse), asks the panel what is under its centre, and puts
        back what it changed. */
    juce::Component* componentUnder (juce::Component& control, AnimImageButton& section)
    {
        struct Saved { juce::Component* c; bool visible, enabled, clicks, childClicks; };
        std::vector<Saved> saved;

        for (auto* c = &control; c != nullptr && c != &section; c = c->getParentComponent())
        {
            bool clicks = false, childClicks = false;
            c->getInterceptsMouseClicks (clicks, childClicks);
            saved.push_back ({ c, c->isVisible(), c->isEnabled(), clicks, childClicks });
            c->setVisible (true);
            c->setEnabled (true);
            if (c == &control || dynamic_cast<CustomSlider*> (c) != nullptr)
                c->setInterceptsMouseClicks (true, true);
            if (auto* toggle = dynamic_cast<ToggleImageButton*> (c))
                toggle->setInteractive (true);
        }

        auto* under = body.getComponentAt (aimAt (control));

        for (const auto& s : saved)
        {
            s.c->setVisible (s.visible);
            s.c->setEnabled (s.enabled);
            s.c->setInterceptsMouseClicks (s.clicks, s.childClicks);
        }
        return under;
    }
};
} // namespace

TEST_F (PanelHitAreas, EveryControlOfAnOpenSectionTakesAClickAtItsCentre)
{
    int checked = 0;

    for (auto* section : sections())
    {
        open (*section);
        std::vector<juce::Component*> controls;
        collectControls (*section, controls);
        EXPECT_GE (controls.size(), 4u) << section->getName();

        for (auto* control : controls)
        {
            auto* under = componentUnder (*control, *section);
            EXPECT_TRUE (under == control || control->isParentOf (under))
                << (section->getName().isEmpty() ? "an overlay" : section->getName()) << ": "
                << typeid (*control).name() << " \"" << control->getName() << "\" at " << control->getBounds().toString()
                << " is covered by " << (under != nullptr ? typeid (*under).name() : "nothing");
            ++checked;
        }
    }

    EXPECT_GT (checked, 100);
}
