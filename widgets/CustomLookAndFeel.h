#pragma once

#include "assets/SkinImages.h"
#include "widgets/UiLanguage.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <atomic>

/** The program's skin: window backgrounds, title bars and their buttons, alert boxes, progress bars,
    scroll bars, popup menus, the menu bar, combo boxes and linear sliders, drawn from the built-in
    skin images with a fixed colour scheme.

    Every typeface name is resolved through TypefaceResolver, so the Windows typeface names of the
    skin draw in faces that exist here. The look-and-feel must be the default one for that to happen
    (JUCE asks only the default look-and-feel for typefaces).

    Components that set one of these on themselves must reset their look-and-feel before it dies.
*/
class CustomLookAndFeel : public juce::LookAndFeel_V2
{
public:
    /** The main window's default size: the window background's nine pieces add up to it. */
    static constexpr int windowBackgroundWidth = 1024, windowBackgroundHeight = 738;

    CustomLookAndFeel();
    ~CustomLookAndFeel() override;

    /** The user-interface language whose typeface alerts are drawn in; the main window sets it
        whenever its language setting changes. */
    static void setUiLanguage (UiLanguage language) noexcept;
    static UiLanguage getUiLanguage() noexcept;

    /** The window background for a window of w x h, full screen or not (what
        fillResizableWindowBackground draws, without needing a window). */
    void drawWindowBackground (juce::Graphics& g, int w, int h, bool fullScreen);

    /** "Verdana" at a height, plain: the font of every text of the skin. */
    static juce::Font skinFont (float height);

    /** The light-over-dark frame of combo boxes, menus and the popup sliders' read-outs. */
    static void drawInsetBevel (juce::Graphics& g, juce::Rectangle<int> area);

    //==============================================================================
    juce::Typeface::Ptr getTypefaceForFont (const juce::Font&) override;

    void drawAlertBox (juce::Graphics&, juce::AlertWindow&, const juce::Rectangle<int>& textArea, juce::TextLayout&) override;
    int getAlertBoxWindowFlags() override;
    juce::Font getAlertWindowMessageFont() override;
    juce::Font getAlertWindowFont() override;

    void drawProgressBar (juce::Graphics&, juce::ProgressBar&, int width, int height, double progress, const juce::String& textToShow) override;

    /** The buttons of the framework's alert windows (the progress windows' "Cancel") wear the panel
        button's face and caption, as the program's own alerts do; other text buttons keep the
        framework's look. */
    juce::Array<int> getWidthsForTextButtons (juce::AlertWindow&, const juce::Array<juce::TextButton*>&) override;
    void drawButtonBackground (juce::Graphics&, juce::Button&, const juce::Colour& backgroundColour,
                               bool isMouseOverButton, bool isButtonDown) override;
    void drawButtonText (juce::Graphics&, juce::TextButton&, bool isMouseOverButton, bool isButtonDown) override;

    void drawScrollbarButton (juce::Graphics&, juce::ScrollBar&, int width, int height, int buttonDirection,
                              bool isScrollbarVertical, bool isMouseOverButton, bool isButtonDown) override;
    void drawScrollbar (juce::Graphics&, juce::ScrollBar&, int x, int y, int width, int height, bool isScrollbarVertical,
                        int thumbStartPosition, int thumbSize, bool isMouseOver, bool isMouseDown) override;
    int getDefaultScrollbarWidth() override;

    void drawPopupMenuBackground (juce::Graphics&, int width, int height) override;
    void drawPopupMenuItem (juce::Graphics&, const juce::Rectangle<int>& area, bool isSeparator, bool isActive,
                            bool isHighlighted, bool isTicked, bool hasSubMenu, const juce::String& text,
                            const juce::String& shortcutKeyText, const juce::Drawable* icon,
                            const juce::Colour* textColour) override;
    juce::Font getPopupMenuFont() override;

    void drawMenuBarBackground (juce::Graphics&, int width, int height, bool isMouseOverBar, juce::MenuBarComponent&) override;
    juce::Font getMenuBarFont (juce::MenuBarComponent&, int itemIndex, const juce::String& itemText) override;
    void drawMenuBarItem (juce::Graphics&, int width, int height, int itemIndex, const juce::String& itemText,
                          bool isMouseOverItem, bool isMenuOpen, bool isMouseOverBar, juce::MenuBarComponent&) override;

    void drawComboBox (juce::Graphics&, int width, int height, bool isMouseButtonDown,
                       int buttonX, int buttonY, int buttonW, int buttonH, juce::ComboBox&) override;
    juce::Font getComboBoxFont (juce::ComboBox&) override;

    void drawLinearSlider (juce::Graphics&, int x, int y, int width, int height, float sliderPos, float minSliderPos,
                           float maxSliderPos, juce::Slider::SliderStyle, juce::Slider&) override;
    void drawLinearSliderBackground (juce::Graphics&, int x, int y, int width, int height, float sliderPos,
                                     float minSliderPos, float maxSliderPos, juce::Slider::SliderStyle, juce::Slider&) override;
    void drawLinearSliderThumb (juce::Graphics&, int x, int y, int width, int height, float sliderPos,
                                float minSliderPos, float maxSliderPos, juce::Slider::SliderStyle, juce::Slider&) override;
    juce::Label* createSliderTextBox (juce::Slider&) override;

    void fillResizableWindowBackground (juce::Graphics&, int w, int h, const juce::BorderSize<int>&, juce::ResizableWindow&) override;
    void drawDocumentWindowTitleBar (juce::DocumentWindow&, juce::Graphics&, int w, int h, int titleSpaceX, int titleSpaceW,
                                     const juce::Image* icon, bool drawTitleTextOnLeft) override;
    juce::Button* createDocumentWindowButton (int buttonType) override;
    void positionDocumentWindowButtons (juce::DocumentWindow&, int titleBarX, int titleBarY, int titleBarW, int titleBarH,
                                        juce::Button* minimiseButton, juce::Button* maximiseButton, juce::Button* closeButton,
                                        bool positionTitleBarButtonsOnLeft) override;

protected:
    /** A 1-pixel frame: the top and left edges in one colour, the bottom and right edges in another. */
    static void drawBevel (juce::Graphics& g, juce::Rectangle<int> area, juce::Colour topLeft, juce::Colour bottomRight);

    /** The separator line of a popup menu. */
    static void drawMenuSeparator (juce::Graphics& g, juce::Rectangle<int> area);

    /** A 6x18 value thumb at (x, 0): the left-hand one (pointing right, into the range) or the
        right-hand one, each in a normal and a highlighted form. */
    void drawValueThumb (juce::Graphics& g, int x, bool leftHand, bool highlighted);

    /** The state image of a combo box's button among normal, over or focused, pressed and disabled. */
    static const juce::Image& pickComboImage (juce::ComboBox& box, bool isButtonDown, const juce::Image* images);

    // Typeface names: sans-serif ("Verdana"), then the platform's serif and monospaced faces.
    juce::String sansTypefaceName, serifTypefaceName, monospacedTypefaceName;

    // The images held for the life of the look-and-feel; the rest are fetched when drawn.
    juce::Image windowPieces[9];
    juce::Image minimiseImages[3], maximiseImages[3], closeImages[3];   // normal, over, down
    juce::Image valueThumbRight, valueThumbLeft;
    juce::Image comboFocusHighlight;
    juce::Image comboArrows[4];                                          // normal, over, down, disabled
    juce::Image sliderTrack;
    juce::Image sliderThumb, sliderThumbHighlighted;

private:
    static std::atomic<UiLanguage> uiLanguage;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (CustomLookAndFeel)
};
