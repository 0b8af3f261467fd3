#pragma once

#include "app/CardDrives.h"
#include "app/OverlayPanel.h"
#include "core/BodyColor.h"
#include "widgets/CustomPopupMenuLeft.h"
#include "widgets/LanguageComboLookAndFeel.h"
#include "widgets/MenuCheckBox.h"
#include "widgets/MenuComboBox.h"
#include "widgets/MenuComponentButton.h"
#include "widgets/PanelKeyTarget.h"

#include <memory>
#include <vector>

/** The Export, Import and Settings panels that drop down from the menu strip.

    | kind     | size      | check boxes                                      | combo 1     | combo 2  |
    |----------|-----------|--------------------------------------------------|-------------|----------|
    | Export   | 430 x 237 | effect parameters, sample data                   | card drive  |          |
    | Import   | 430 x 237 | effect parameters, sample data                   | card drive  |          |
    | Settings | 530 x 246 | browser at start, recall settings, restore sizes | body colour | language |

    OK reports the panel's kind as its command identifier and CANCEL -1, both to the listener (the
    main window), which stores the values and closes the panel. With no removable drive the Export
    and Import panels' OK is disabled. In the Settings panel a new body colour shows at once through
    the colour preview; the language waits for OK.

    Keys, from any of its controls: Escape or Backspace cancel, Return clicks the focused control,
    Space ticks the focused check box, the arrows, Tab and Shift+Tab walk the focus ring (check
    boxes, combo boxes, OK while enabled, CANCEL).
*/
class MenuComponent : public OverlayPanel,
                      public juce::ComboBox::Listener,
                      public PanelKeyTarget
{
public:
    /** Shows a body-colour mode on the whole program at once, before it is chosen for good. */
    class ColourPreview
    {
    public:
        virtual ~ColourPreview() = default;
        virtual void previewBodyColorMode (BodyColorMode mode) = 0;
    };

    static constexpr int cardPanelWidth = 430, cardPanelHeight = 237;
    static constexpr int settingsPanelWidth = 530, settingsPanelHeight = 246;

    /** A panel whose buttons report to the listener. The drives are those the Export and Import
        panels offer; the preview is the Settings panel's (either may be absent). */
    MenuComponent (juce::Button::Listener* listener, PanelKind kind,
                   std::vector<CardDrive> drives = {}, ColourPreview* preview = nullptr);
    ~MenuComponent() override;

    PanelKind getKind() const noexcept                  { return kind; }
    const std::vector<CardDrive>& getDrives() const noexcept { return drives; }

    //==============================================================================
    /** Ticks without notifying anyone and selects by index (-1 selects nothing); the Export and
        Import panels select the values' card drive, or the first drive when it is not present. */
    void setValues (const PanelValues& values) override;

    /** The ticks and the selected items (nothing selected reads as 0), and the chosen drive. */
    PanelValues getValues() const override;

    void focusFirstCheckBox() override;

    //==============================================================================
    MenuComponentButton& getOkButton() noexcept         { return okButton; }
    MenuComponentButton& getCancelButton() noexcept     { return cancelButton; }
    /** Check box 1, 2 or 3, or null when this panel has none such. */
    MenuCheckBox* getCheckBox (int number) const noexcept;
    /** Combo box 1 or 2, or null when this panel has none such. */
    MenuComboBox* getComboBox (int number) const noexcept;

    /** The controls the keys walk through, in order; OK only while it is enabled. */
    juce::Array<juce::Component*> getFocusRing() const;

    /** The control after (or before) one in the ring; the first check box for a control outside it. */
    juce::Component* getRingNeighbour (juce::Component* from, bool forward) const;

    //==============================================================================
    void paint (juce::Graphics&) override;
    bool keyPressed (const juce::KeyPress&) override;
    bool panelKeyPressed (const juce::KeyPress&) override;
    void comboBoxChanged (juce::ComboBox*) override;

private:
    void buildCardControls();
    void buildSettingsControls();
    bool isCheckBox (juce::Component* c) const noexcept;

    const PanelKind kind;
    juce::Button::Listener* const listener;
    const std::vector<CardDrive> drives;
    ColourPreview* const preview;

    LanguageComboLookAndFeel comboLookAndFeel;
    CustomPopupMenuLeft driveComboLookAndFeel;

    std::unique_ptr<juce::ImageComponent> picture;
    MenuComponentButton okButton, cancelButton;
    std::unique_ptr<MenuCheckBox> checkBox1, checkBox2, checkBox3;
    std::unique_ptr<MenuComboBox> combo1, combo2;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MenuComponent)
};
