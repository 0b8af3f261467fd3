// Renders a demo of the skin without a display: a main window with its title bar, menu bar, menu
// strip, combo boxes, sliders, scroll bars and progress bar, with popup menus drawn open, an alert
// and an Export panel built from the skin pictures. The PNG goes to the build folder for review.

#include "SkinTestSupport.h"

#include "TestEnums.h"
#include "widgets/CustomPopupMenuLeft.h"
#include "widgets/LanguageComboLookAndFeel.h"
#include "widgets/LanguageTypefaces.h"
#include "widgets/WideButtonComboLookAndFeel.h"

#include <JuceTestPrinters.h>
#include <gtest/gtest.h>

namespace
{
const juce::Colour captionColour (248, 248, 248);

class DemoMenuBar : public juce::MenuBarModel
{
public:
    juce::StringArray getMenuBarNames() override { return { "File", "Edit", "Help" }; }
    juce::PopupMenu getMenuForIndex (int, const juce::String&) override { return {}; }
    void menuItemSelected (int, int) override {}
};

/** A big component in a viewport, so both scroll bars show. */
class Scrolled : public juce::Component
{
public:
    void paint (juce::Graphics& g) override
    {
        g.fillAll (juce::Colour (0xff16171b));
        g.setColour (juce::Colour (0xff2a2d33));

        for (int x = 0; x < getWidth(); x += 20)
            g.drawVerticalLine (x, 0.0f, (float) getHeight());

        for (int y = 0; y < getHeight(); y += 20)
            g.drawHorizontalLine (y, 0.0f, (float) getWidth());
    }
};

/** The main window's content: the menu strip at the top, then a row of skinned controls. */
class DemoContent : public juce::Component
{
public:
    DemoContent (CustomLookAndFeel& skinToUse) : skin (skinToUse)
    {
        static constexpr SkinImageId stripImages[7][3] {
            { SkinImageId::stripSyncNormal, SkinImageId::stripSyncOver, SkinImageId::stripSyncDown },
            { SkinImageId::stripImportNormal, SkinImageId::stripImportOver, SkinImageId::stripImportDown },
            { SkinImageId::stripExportNormal, SkinImageId::stripExportOver, SkinImageId::stripExportDown },
            { SkinImageId::stripLoadNormal, SkinImageId::stripLoadOver, SkinImageId::stripLoadDown },
            { SkinImageId::stripSaveNormal, SkinImageId::stripSaveOver, SkinImageId::stripSaveDown },
            { SkinImageId::stripBrowserNormal, SkinImageId::stripBrowserOver, SkinImageId::stripBrowserDown },
            { SkinImageId::stripSettingsNormal, SkinImageId::stripSettingsOver, SkinImageId::stripSettingsDown },
        };

        // Sync switched on, Export under the mouse: their "down" and "over" faces as the normal image.
        for (int i = 0; i < 7; ++i)
        {
            auto& button = stripButtons[i];
            const auto shown = i == 0 ? 2 : i == 2 ? 1 : 0;
            const auto image = SkinImages::get (stripImages[i][shown]);
            button.setImages (true, false, true, image, 1.0f, {}, image, 1.0f, {}, image, 1.0f, {});
            addAndMakeVisible (button);
        }

        for (auto* box : { &driveBox, &echoBox, &valueBox, &languageBox })
            addAndMakeVisible (box);

        driveBox.addItemList ({ "E:", "F:", "G:" }, 1);
        driveBox.setSelectedId (1);
        echoBox.setLookAndFeel (&leftMenu);
        echoBox.addItemList ({ "1/4", "1/2", "3/4", "1/1" }, 1);
        echoBox.setSelectedId (2);
        valueBox.setLookAndFeel (&wideCombo);
        valueBox.addItemList ({ "-6dB", "0dB", "+6dB" }, 1);
        valueBox.setSelectedId (1);
        languageBox.setLookAndFeel (&languageCombo);

        for (int i = 0; i < numUiLanguages; ++i)
            languageBox.addItem (LanguageTypefaces::nameOf (languageAt (i)), i + 1);

        languageBox.setSelectedItemIndex (11);

        slider.setSliderStyle (juce::Slider::LinearHorizontal);
        slider.setTextBoxStyle (juce::Slider::NoTextBox, true, 0, 0);
        slider.setRange (0.0, 1.0);
        slider.setValue (0.65);
        addAndMakeVisible (slider);

        rangeSlider.setSliderStyle (juce::Slider::TwoValueHorizontal);
        rangeSlider.setTextBoxStyle (juce::Slider::NoTextBox, true, 0, 0);
        rangeSlider.setRange (0.0, 1.0);
        rangeSlider.setMinAndMaxValues (0.2, 0.7);
        addAndMakeVisible (rangeSlider);

        addAndMakeVisible (progress);
        progress.setPercentageDisplay (true);

        scrolled.setSize (900, 900);
        viewport.setViewedComponent (&scrolled, false);
        viewport.setScrollBarsShown (true, true);
        viewport.setViewPosition (200, 150);
        addAndMakeVisible (viewport);
    }

    ~DemoContent() override
    {
        for (auto* box : { &echoBox, &valueBox, &languageBox })
            box->setLookAndFeel (nullptr);
    }

    void resized() override
    {
        const int stripX = (getWidth() - 716) / 2;
        const int stripLeft[] { 0, 104, 208, 312, 416, 520, 624 };

        for (int i = 0; i < 7; ++i)
            stripButtons[i].setBounds (stripX + stripLeft[i], 10, 92, 77);

        driveBox.setBounds (60, 170, 76, 21);
        echoBox.setBounds (60, 210, 58, 21);
        valueBox.setBounds (160, 200, 51, 32);
        languageBox.setBounds (60, 250, 131, 21);
        slider.setBounds (60, 300, 163, 19);
        rangeSlider.setBounds (60, 335, 163, 19);
        progress.setBounds (60, 380, 300, 24);
        viewport.setBounds (600, 170, 360, 230);
    }

    void paintOverChildren (juce::Graphics& g) override
    {
        // Captions of the strip keys, written by the program into their plates.
        const char* captions[] { "Sync", "Import", "Export", "Load", "Save", "Effect Browser", "Settings" };
        g.setFont (CustomLookAndFeel::skinFont (12.0f));

        for (int i = 0; i < 7; ++i)
        {
            g.setColour (captionColour);
            g.drawFittedText (captions[i], stripButtons[i].getBounds().getX() + 10, 62, 72, 16, juce::Justification::centred, 1, 0.7f);
        }
    }

    juce::ImageButton stripButtons[7];
    juce::ComboBox driveBox, echoBox, valueBox, languageBox;
    juce::Slider slider, rangeSlider;
    double progressValue = 0.6;
    juce::ProgressBar progress { progressValue };
    Scrolled scrolled;
    juce::Viewport viewport;

    CustomLookAndFeel& skin;
    CustomPopupMenuLeft leftMenu;
    WideButtonComboLookAndFeel wideCombo;
    LanguageComboLookAndFeel languageCombo;
};

struct MenuItem
{
    juce::String text, shortcut;
    bool separator = false, highlighted = false, active = true, ticked = false;
};

/** A popup menu drawn open, the way its window would draw it. */
void drawOpenMenu (juce::Graphics& g, juce::LookAndFeel& lf, juce::Point<int> at, int width, const std::vector<MenuItem>& items)
{
    int height = 0;

    for (const auto& item : items)
        height += item.separator ? 10 : 22;

    const juce::Graphics::ScopedSaveState state (g);
    g.setOrigin (at);
    g.reduceClipRegion (0, 0, width, height);
    lf.drawPopupMenuBackground (g, width, height);

    int y = 0;

    for (const auto& item : items)
    {
        const auto h = item.separator ? 10 : 22;
        const juce::Graphics::ScopedSaveState itemState (g);
        lf.drawPopupMenuItem (g, { 0, y, width, h }, item.separator, item.active, item.highlighted, item.ticked, false,
                              item.text, item.shortcut, nullptr, nullptr);
        y += h;
    }
}

/** An alert as the program composes it: the frame, the message in the language's font, two buttons. */
void drawAlert (juce::Graphics& g, juce::Point<int> at, int language, const juce::String& message)
{
    const juce::Graphics::ScopedSaveState state (g);
    g.setOrigin (at);
    SkinImages::drawFrame (g, SkinImageId::alertTopLeft, { 0, 0, 550, 160 });

    juce::AttributedString text;
    text.append (message, LanguageTypefaces::fontFor (languageAt (language), 16.0f), captionColour);
    juce::TextLayout layout;
    layout.createLayout (text, 506.0f);
    layout.draw (g, { 17.0f, 38.0f - layout.getLine (0).ascent, 506.0f, 100.0f });

    for (auto [x, caption, image] : { std::tuple { 188, "OK", SkinImageId::panelButtonOver },
                                      std::tuple { 268, "CANCEL", SkinImageId::panelButtonNormal } })
    {
        g.drawImageAt (SkinImages::get (image), x, 108);
        g.setColour (captionColour);
        g.setFont (CustomLookAndFeel::skinFont (15.0f));
        g.drawFittedText (caption, x, 108, 84, 28, juce::Justification::centred, 1, 0.7f);
    }
}

/** The Export panel's frame, picture, check boxes and buttons with their texts. */
void drawExportPanel (juce::Graphics& g, juce::Point<int> at)
{
    const juce::Graphics::ScopedSaveState state (g);
    g.setOrigin (at);
    SkinImages::drawFrame (g, SkinImageId::cardPanelTopLeft, { 0, 0, 430, 237 });
    g.drawImageAt (SkinImages::get (SkinImageId::cardPanelSeparator), 117, 107);
    g.drawImageAt (SkinImages::get (SkinImageId::exportPicture), 11, 36);   // a child, over the panel's own drawing
    g.drawImageAt (SkinImages::get (SkinImageId::checkBoxTickedFocused), 170, 58);
    g.drawImageAt (SkinImages::get (SkinImageId::checkBoxNormal), 170, 80);

    g.setColour (captionColour);
    g.setFont (CustomLookAndFeel::skinFont (16.0f));

    for (auto [text, area] : { std::pair { "Export Data", juce::Rectangle<int> (162, 36, 237, 15) },
                               std::pair { "Effect Parameter", juce::Rectangle<int> (192, 58, 207, 15) },
                               std::pair { "Sampler Data", juce::Rectangle<int> (192, 80, 207, 15) },
                               std::pair { "Select SD Card Drive", juce::Rectangle<int> (162, 117, 135, 15) } })
        g.drawFittedText (text, area, juce::Justification::centredLeft, 1, 0.7f);

    g.drawImageAt (SkinImages::get (SkinImageId::panelButtonNormal), 242, 185);
    g.drawImageAt (SkinImages::get (SkinImageId::panelButtonDisabled), 322, 185);
    g.setFont (CustomLookAndFeel::skinFont (15.0f));
    g.drawFittedText ("OK", 242, 185, 84, 28, juce::Justification::centred, 1, 0.7f);
    g.setColour (juce::Colour (107, 47, 54));
    g.drawFittedText ("CANCEL", 322, 185, 84, 28, juce::Justification::centred, 1, 0.7f);
}
} // namespace

TEST (SkinSnapshot, DemoWindowRendersWithoutADisplay)
{
    CustomLookAndFeel skin;
    const skintest::ScopedDefaultLookAndFeel scope (skin);
    CustomLookAndFeel::setUiLanguage (languageAt (11));

    DemoMenuBar menuBarModel;
    juce::DocumentWindow window ("tessalin 2.1.0", juce::Colours::black, juce::DocumentWindow::allButtons, false);
    window.setUsingNativeTitleBar (false);
    window.setTitleBarHeight (23);
    window.setTitleBarTextCentred (false);
    window.setResizable (true, false);
    window.setIcon (SkinImages::get (SkinImageId::appIcon));
    window.setMenuBar (&menuBarModel);
    auto* content = new DemoContent (skin);
    window.setContentOwned (content, false);
    window.setSize (1024, 738);

    // A window off the desktop is never active, which greys its title-bar buttons; show them as the
    // user sees them.
    for (auto* button : { window.getCloseButton(), window.getMinimiseButton(), window.getMaximiseButton() })
        button->setEnabled (true);

    auto snapshot = window.createComponentSnapshot (window.getLocalBounds(), true, 1.0f);
    ASSERT_EQ (snapshot.getWidth(), 1024);
    ASSERT_EQ (snapshot.getHeight(), 738);

    {
        juce::Graphics g (snapshot);

        // The File menu open under its menu-bar item.
        auto* menuBar = window.getMenuBarComponent();
        ASSERT_NE (menuBar, nullptr);
        const auto fileWidth = skin.getMenuBarItemWidth (*dynamic_cast<juce::MenuBarComponent*> (menuBar), 0, "File");
        {
            const juce::Graphics::ScopedSaveState state (g);
            g.setOrigin (menuBar->getPosition());
            g.reduceClipRegion (0, 0, fileWidth, menuBar->getHeight());
            skin.drawMenuBarItem (g, fileWidth, menuBar->getHeight(), 0, "File", true, true, true,
                                  *dynamic_cast<juce::MenuBarComponent*> (menuBar));
        }

        drawOpenMenu (g, skin, menuBar->getBounds().getBottomLeft(), 210,
                      { { "Load", "Ctrl+O" }, { "Save", "Ctrl+S", false, true }, { {}, {}, true },
                        { "Settings", {} }, { "Sync", {}, false, false, true, true }, { "Update Setting", {}, false, false, false },
                        { {}, {}, true }, { "Quit", "Ctrl+Q" } });

        // The echo-time list open under its combo box, and the language list beside it.
        const auto contentOrigin = content->getPosition();
        drawOpenMenu (g, content->leftMenu, contentOrigin + juce::Point<int> (60, 500), 90,
                      { { "1/4" }, { "1/2", {}, false, true }, { "3/4" }, { "1/1" } });
        drawOpenMenu (g, content->languageCombo, contentOrigin + juce::Point<int> (170, 430), 131,
                      { { LanguageTypefaces::nameOf (languageAt (0)) }, { LanguageTypefaces::nameOf (languageAt (1)) }, { LanguageTypefaces::nameOf (languageAt (6)) },
                        { LanguageTypefaces::nameOf (languageAt (8)) }, { LanguageTypefaces::nameOf (languageAt (9)) },
                        { LanguageTypefaces::nameOf (languageAt (10)) }, { LanguageTypefaces::nameOf (languageAt (11)), {}, false, true } });

        drawExportPanel (g, contentOrigin + juce::Point<int> (330, 136 - 51 + 24));
        drawAlert (g, { 440, 500 }, 11, juce::String::fromUTF8 (u8"読み込みが完了しました。"));
    }

    const auto file = juce::File (TESSALIN_BUILD_DIR).getChildFile ("skin-demo.png");
    file.deleteFile();
    {
        juce::FileOutputStream out (file);
        ASSERT_TRUE (out.openedOk());
        ASSERT_TRUE (juce::PNGImageFormat().writeImageToStream (snapshot, out));
    }

    const auto written = juce::ImageFileFormat::loadFrom (file);
    ASSERT_EQ (written.getWidth(), 1024);

    // The background is the skin's (not the window's black), and the title bar carries its text.
    EXPECT_GT (written.getPixelAt (600, 690).getBrightness(), 0.02f);
    int titleInk = 0;

    for (int x = 20; x < 200; ++x)
        for (int y = 6; y < 24; ++y)
            titleInk += written.getPixelAt (x, y).getRed() > 120 ? 1 : 0;

    EXPECT_GT (titleInk, 40);

    CustomLookAndFeel::setUiLanguage (languageAt (0));
    window.clearContentComponent();
    window.setMenuBar (nullptr);
}
