#include "widgets/MenuComboBox.h"

#include "widgets/PanelKeyTarget.h"
#include "widgets/WidgetFocus.h"

MenuComboBox::MenuComboBox (const juce::String& name)
    : juce::ComboBox (name)
{
    setWantsKeyboardFocus (true);
}

MenuComboBox::~MenuComboBox() = default;

bool MenuComboBox::keyPressed (const juce::KeyPress& key)
{
    switch (WidgetFocus::classify (key))
    {
        case NavigationKey::enter:
            showPopup();
            return true;

        case NavigationKey::up:
        case NavigationKey::down:
            return juce::ComboBox::keyPressed (key);

        case NavigationKey::left:
        case NavigationKey::right:
        case NavigationKey::tab:
        case NavigationKey::shiftTab:
            // The first press only closes an open list; the focus moves on the next.
            if (juce::PopupMenu::dismissAllActiveMenus())
                return true;

            if (auto* panel = PanelKeyTarget::of (*this))
                return panel->panelKeyPressed (key);

            return false;

        case NavigationKey::back:
        case NavigationKey::none:
            break;
    }

    return false;
}

void MenuComboBox::mouseMove (const juce::MouseEvent& e)
{
    WidgetFocus::followMouse (*this, e);
    juce::ComboBox::mouseMove (e);
}
