// The buttons of the framework's alert windows under the skin. The framework lays an alert out against
// the displays even before it is shown, so these run with a display (Xvfb); the alert is never shown,
// so no pointer or focus changes what it draws.

#include "SkinTestSupport.h"
#include "widgets/CustomLookAndFeel.h"
#include "widgets/MenuComponentButton.h"

#include <gtest/gtest.h>

TEST (AlertButtonGui, AFrameworkAlertsButtonLooksExactlyLikeAPanelButton)
{
    CustomLookAndFeel skin;
    const skintest::ScopedDefaultLookAndFeel scope (skin);

    // What a progress window builds: the framework's alert with one "Cancel".
    juce::AlertWindow alert ("Exporting...", {}, juce::MessageBoxIconType::NoIcon);
    alert.addButton ("Cancel", 1);
    juce::TextButton* cancel = nullptr;
    for (auto* child : alert.getChildren())
        if (auto* button = dynamic_cast<juce::TextButton*> (child))
            cancel = button;
    ASSERT_NE (cancel, nullptr);
    EXPECT_EQ (cancel->getBounds().getWidth(), MenuComponentButton::width);
    EXPECT_EQ (cancel->getBounds().getHeight(), MenuComponentButton::height);

    MenuComponentButton panelCancel ("Cancel", 1);
    const auto snapshot = [] (juce::Component& c) { return c.createComponentSnapshot (c.getLocalBounds()); };
    const auto sameImage = [] (const juce::Image& a, const juce::Image& b)
    {
        bool same = a.getBounds() == b.getBounds();
        for (int y = 0; same && y < a.getHeight(); ++y)
            for (int x = 0; same && x < a.getWidth(); ++x)
                same = a.getPixelAt (x, y) == b.getPixelAt (x, y);
        return same;
    };

    EXPECT_TRUE (sameImage (snapshot (*cancel), snapshot (panelCancel)));

    alert.setEnabled (false);
    panelCancel.setEnabled (false);
    EXPECT_TRUE (sameImage (snapshot (*cancel), snapshot (panelCancel))) << "disabled: the dark red caption";

    // A text button anywhere else keeps the framework's look.
    juce::TextButton plain ("Cancel");
    plain.setSize (MenuComponentButton::width, MenuComponentButton::height);
    panelCancel.setEnabled (true);
    EXPECT_FALSE (sameImage (snapshot (plain), snapshot (panelCancel)));
}
