#include "app/MenuComponent.h"

#include "app/InterfaceTexts.h"
#include "assets/SkinImages.h"
#include "widgets/CustomLookAndFeel.h"
#include "widgets/TypefaceResolver.h"
#include "widgets/WidgetFocus.h"

namespace
{
using R = juce::Rectangle<int>;

/** Where a panel's parts go; controls a panel lacks have empty rectangles. */
struct PanelLayout
{
    juce::Point<int> ok, cancel;
    R picture, box1, box2, box3, combo1, combo2;
};

constexpr int comboHeight = 21;

const PanelLayout cardLayout {
    { 242, 185 }, { 322, 185 },
    { 11, 36, 140, 130 }, { 170, 58, 136, 16 }, { 170, 80, 116, 16 }, {},
    { 158, 137, 76, comboHeight }, {}
};

const PanelLayout settingsLayout {
    { 342, 196 }, { 422, 196 },
    {}, { 20, 36, 280, 16 }, { 20, 58, 267, 16 }, { 20, 80, 399, 16 },
    { 41, 134, 131, comboHeight }, { 41, 198, 131, comboHeight }
};

/** One line of a panel's text, and the panels it is on (a mask of PanelKind bits). */
struct PanelText
{
    int kinds;
    const char* text;
    int x, y, w, h;
};

constexpr int exportBit = 1 << (int) PanelKind::exportPanel;
constexpr int importBit = 1 << (int) PanelKind::importPanel;
constexpr int settingsBit = 1 << (int) PanelKind::settingsPanel;
constexpr int cardBits = exportBit | importBit;

constexpr PanelText panelTexts[] = {
    { exportBit,   "Export Data",                                               162,  36, 237, 15 },
    { importBit,   "Import Data",                                               162,  36, 237, 15 },
    { cardBits,    "Effect Parameter",                                          192,  58, 207, 15 },
    { cardBits,    "Sampler Data",                                              192,  80, 207, 15 },
    { cardBits,    "Select SD Card Drive",                                      162, 117, 135, 15 },
    { settingsBit, "Show the Effect Browser upon startup.",                      41,  36, 460, 15 },
    { settingsBit, "Recall the last settings upon startup.",                     41,  58, 460, 15 },
    { settingsBit, "Restore the last window size and locations upon startup.",   41,  80, 460, 15 },
    { settingsBit, "Body Color",                                                 40, 114, 428, 15 },
    { settingsBit, "Language",                                                   40, 178, 428, 15 },
};

/** The separator lines: one on the card panels, two on the Settings panel. */
struct PanelSeparator
{
    int kinds;
    SkinImageId image;
    int x, y;
};

constexpr PanelSeparator panelSeparators[] = {
    { cardBits,    SkinImageId::cardPanelSeparator,     117, 107 },
    { settingsBit, SkinImageId::settingsPanelSeparator,  20, 105 },
    { settingsBit, SkinImageId::settingsPanelSeparator,  20, 168 },
};

const juce::Colour textColour (248, 248, 248);
constexpr float textHeight = 16.0f;
constexpr float minimumTextScale = 0.7f;

bool isOn (int kinds, PanelKind kind) noexcept
{
    return (kinds & (1 << (int) kind)) != 0;
}

const PanelLayout& layoutOf (PanelKind kind) noexcept
{
    return kind == PanelKind::settingsPanel ? settingsLayout : cardLayout;
}

std::unique_ptr<MenuCheckBox> makeCheckBox (const char* name, R bounds)
{
    auto box = std::make_unique<MenuCheckBox> (name);
    box->setBounds (bounds);
    return box;
}
} // namespace

MenuComponent::MenuComponent (juce::Button::Listener* buttonListener, PanelKind panelKind,
                              std::vector<CardDrive> cardDrives, ColourPreview* colourPreview)
    : kind (panelKind),
      listener (buttonListener),
      drives (std::move (cardDrives)),
      preview (colourPreview),
      okButton ("OK", static_cast<int> (panelKind)),
      cancelButton ("CANCEL", -1)
{
    const auto& layout = layoutOf (kind);

    for (auto* button : { &okButton, &cancelButton })
    {
        if (listener != nullptr)
            button->addListener (listener);

        addAndMakeVisible (button);
    }

    okButton.setTopLeftPosition (layout.ok);
    cancelButton.setTopLeftPosition (layout.cancel);

    if (kind == PanelKind::settingsPanel)
        buildSettingsControls();
    else
        buildCardControls();

    setWantsKeyboardFocus (false);
    setSize (kind == PanelKind::settingsPanel ? settingsPanelWidth : cardPanelWidth,
             kind == PanelKind::settingsPanel ? settingsPanelHeight : cardPanelHeight);
}

MenuComponent::~MenuComponent()
{
    // The combo boxes go before the looks they are drawn with.
    combo1.reset();
    combo2.reset();
}

void MenuComponent::buildCardControls()
{
    const auto& layout = cardLayout;

    picture = std::make_unique<juce::ImageComponent>();
    picture->setImage (SkinImages::get (kind == PanelKind::exportPanel ? SkinImageId::exportPicture
                                                                       : SkinImageId::importPicture));
    picture->setBounds (layout.picture);
    picture->setInterceptsMouseClicks (false, false);
    addAndMakeVisible (*picture);

    checkBox1 = makeCheckBox ("Effect Parameter", layout.box1);
    checkBox2 = makeCheckBox ("Sampler Data", layout.box2);

    combo1 = std::make_unique<MenuComboBox> ("Drive");
    combo1->setBounds (layout.combo1);
    combo1->setJustificationType (juce::Justification::centredLeft);
    combo1->setTextWhenNothingSelected ({});
    combo1->setLookAndFeel (&driveComboLookAndFeel);

    for (size_t i = 0; i < drives.size(); ++i)
        combo1->addItem (drives[i].label, (int) i + 1);

    // Nothing to export to or import from: OK cannot be pressed, and the keys pass it by.
    okButton.setEnabled (! drives.empty());

    for (auto* c : { static_cast<juce::Component*> (checkBox1.get()), static_cast<juce::Component*> (checkBox2.get()),
                     static_cast<juce::Component*> (combo1.get()) })
        addAndMakeVisible (c);
}

void MenuComponent::buildSettingsControls()
{
    const auto& layout = settingsLayout;

    checkBox1 = makeCheckBox ("Effect Browser at start", layout.box1);
    checkBox2 = makeCheckBox ("Recall settings", layout.box2);
    checkBox3 = makeCheckBox ("Restore windows", layout.box3);

    combo1 = std::make_unique<MenuComboBox> ("Body Color");
    combo1->setBounds (layout.combo1);

    for (int mode = 0; mode < numBodyColorModes; ++mode)
        combo1->addItem (bodyColorName (static_cast<BodyColorMode> (mode)), mode + 1);

    combo2 = std::make_unique<MenuComboBox> ("Language");
    combo2->setBounds (layout.combo2);

    for (auto language : allUiLanguages)
        combo2->addItem (languageName (language), uiLanguageIndex (language) + 1);

    for (auto* combo : { combo1.get(), combo2.get() })
    {
        combo->setLookAndFeel (&comboLookAndFeel);
        combo->addListener (this);
    }

    for (auto* c : { static_cast<juce::Component*> (checkBox1.get()), static_cast<juce::Component*> (checkBox2.get()),
                     static_cast<juce::Component*> (checkBox3.get()), static_cast<juce::Component*> (combo1.get()),
                     static_cast<juce::Component*> (combo2.get()) })
        addAndMakeVisible (c);
}

//==============================================================================
void MenuComponent::setValues (const PanelValues& values)
{
    const bool ticks[] = { values.box1, values.box2, values.box3 };

    for (int i = 0; i < 3; ++i)
        if (auto* box = getCheckBox (i + 1))
            box->setToggleState (ticks[i], juce::dontSendNotification);

    const auto select = [] (juce::ComboBox* combo, int index)
    {
        if (combo == nullptr)
            return;

        if (juce::isPositiveAndBelow (index, combo->getNumItems()))
            combo->setSelectedItemIndex (index, juce::dontSendNotification);
        else
            combo->setSelectedId (0, juce::dontSendNotification);
    };

    if (kind == PanelKind::settingsPanel)
    {
        select (combo1.get(), values.combo1);
        select (combo2.get(), values.combo2);
    }
    else
    {
        select (combo1.get(), CardDrives::itemFor (drives, values.cardDrive));
    }
}

PanelValues MenuComponent::getValues() const
{
    const auto index = [] (const juce::ComboBox* combo)
    {
        return combo != nullptr ? juce::jmax (0, combo->getSelectedItemIndex()) : -1;
    };

    PanelValues values;
    values.box1 = checkBox1 != nullptr && checkBox1->getToggleState();
    values.box2 = checkBox2 != nullptr && checkBox2->getToggleState();
    values.box3 = checkBox3 != nullptr && checkBox3->getToggleState();
    values.combo1 = index (combo1.get());
    values.combo2 = index (combo2.get());

    if (kind != PanelKind::settingsPanel)
        values.cardDrive = CardDrives::mountPointOf (drives, combo1->getSelectedItemIndex());

    return values;
}

void MenuComponent::focusFirstCheckBox()
{
    if (checkBox1 != nullptr && checkBox1->isShowing())
        checkBox1->grabKeyboardFocus();
}

MenuCheckBox* MenuComponent::getCheckBox (int number) const noexcept
{
    switch (number)
    {
        case 1:  return checkBox1.get();
        case 2:  return checkBox2.get();
        case 3:  return checkBox3.get();
        default: return nullptr;
    }
}

MenuComboBox* MenuComponent::getComboBox (int number) const noexcept
{
    switch (number)
    {
        case 1:  return combo1.get();
        case 2:  return combo2.get();
        default: return nullptr;
    }
}

bool MenuComponent::isCheckBox (juce::Component* c) const noexcept
{
    return c != nullptr && (c == checkBox1.get() || c == checkBox2.get() || c == checkBox3.get());
}

//==============================================================================
juce::Array<juce::Component*> MenuComponent::getFocusRing() const
{
    juce::Array<juce::Component*> ring;

    for (auto* c : { static_cast<juce::Component*> (checkBox1.get()), static_cast<juce::Component*> (checkBox2.get()),
                     static_cast<juce::Component*> (checkBox3.get()), static_cast<juce::Component*> (combo1.get()),
                     static_cast<juce::Component*> (combo2.get()) })
        if (c != nullptr)
            ring.add (c);

    if (okButton.isEnabled())
        ring.add (const_cast<MenuComponentButton*> (&okButton));

    ring.add (const_cast<MenuComponentButton*> (&cancelButton));
    return ring;
}

juce::Component* MenuComponent::getRingNeighbour (juce::Component* from, bool forward) const
{
    const auto ring = getFocusRing();
    const auto index = ring.indexOf (from);

    if (index < 0)
        return checkBox1.get();

    const auto size = ring.size();
    return ring[(index + (forward ? 1 : size - 1)) % size];
}

//==============================================================================
void MenuComponent::paint (juce::Graphics& g)
{
    SkinImages::drawFrame (g, kind == PanelKind::settingsPanel ? SkinImageId::settingsPanelTopLeft
                                                                 : SkinImageId::cardPanelTopLeft,
                           getLocalBounds());

    for (const auto& line : panelSeparators)
        if (isOn (line.kinds, kind))
            g.drawImageAt (SkinImages::get (line.image), line.x, line.y);

    const auto font = CustomLookAndFeel::skinFont (textHeight);
    g.setFont (juce::Font (TypefaceResolver::getInstance().getTypefaceFor (font)).withHeight (textHeight));
    g.setColour (textColour);

    for (const auto& text : panelTexts)
        if (isOn (text.kinds, kind))
            g.drawFittedText (text.text, { text.x, text.y, text.w, text.h }, juce::Justification::centredLeft, 1,
                              minimumTextScale);
}

bool MenuComponent::keyPressed (const juce::KeyPress& key)
{
    return panelKeyPressed (key);
}

bool MenuComponent::panelKeyPressed (const juce::KeyPress& key)
{
    auto* focused = juce::Component::getCurrentlyFocusedComponent();

    const auto moveFocus = [this, focused] (bool forward)
    {
        if (auto* next = getRingNeighbour (focused, forward))
            next->grabKeyboardFocus();

        return true;
    };

    switch (WidgetFocus::classify (key))
    {
        case NavigationKey::back:
            cancelButton.triggerClick();
            return true;

        case NavigationKey::enter:
            if (auto* button = dynamic_cast<juce::Button*> (focused); button != nullptr && isParentOf (button))
            {
                if (button->isEnabled())
                    button->triggerClick();

                return true;
            }

            return false;

        case NavigationKey::right:
        case NavigationKey::down:
        case NavigationKey::tab:        return moveFocus (true);

        case NavigationKey::left:
        case NavigationKey::up:
        case NavigationKey::shiftTab:   return moveFocus (false);

        case NavigationKey::none:
            break;
    }

    if (key == juce::KeyPress::spaceKey && isCheckBox (focused))
    {
        static_cast<juce::Button*> (focused)->triggerClick();
        return true;
    }

    return false;
}

void MenuComponent::comboBoxChanged (juce::ComboBox* combo)
{
    if (kind != PanelKind::settingsPanel || combo == nullptr)
        return;

    // The body colour shows at once; the language only with OK.
    if (combo == combo1.get() && preview != nullptr)
        preview->previewBodyColorMode (bodyColorModeFromInt (combo->getSelectedItemIndex()));

    // The closed box draws its text in the selected item's typeface: setting the look again lays
    // the text out anew.
    combo->setLookAndFeel (nullptr);
    combo->setLookAndFeel (&comboLookAndFeel);
}
