#include "widgets/CustomLookAndFeel.h"

#include "widgets/LanguageTypefaces.h"
#include "widgets/MenuComponentButton.h"
#include "widgets/SliderLabelComp.h"
#include "widgets/TypefaceResolver.h"

using namespace juce;

namespace
{
constexpr int backgroundWidth = CustomLookAndFeel::windowBackgroundWidth;
constexpr int backgroundHeight = CustomLookAndFeel::windowBackgroundHeight;
constexpr int topRowHeight = 396;
constexpr int bottomRowHeight = 341;
constexpr int sideWidth = 10;

const Colour bevelTopLeft (Colour (57, 57, 57).withAlpha ((uint8) 153));
const Colour bevelBottomRight (Colour (148, 148, 148).withAlpha ((uint8) 153));

void loadImages (Image* images, std::initializer_list<SkinImageId> ids)
{
    for (auto id : ids)
        *images++ = SkinImages::get (id);
}

/** Draws rows [sourceY, sourceY + sourceH) of an image over an area. */
void drawRows (Graphics& g, const Image& image, Rectangle<int> area, int sourceY, int sourceH)
{
    if (! image.isValid() || area.isEmpty() || sourceH <= 0)
        return;

    if (sourceY == 0 && sourceH == image.getHeight())
    {
        SkinImages::drawStretched (g, image, area);
        return;
    }

    const Graphics::ScopedSaveState state (g);

    if (image.getWidth() == 1 || sourceH == 1)
        g.setImageResamplingQuality (Graphics::lowResamplingQuality);

    g.drawImage (image, area.getX(), area.getY(), area.getWidth(), area.getHeight(), 0, sourceY, image.getWidth(), sourceH);
}
} // namespace

std::atomic<UiLanguage> CustomLookAndFeel::uiLanguage { UiLanguage::english };

CustomLookAndFeel::CustomLookAndFeel()
    : sansTypefaceName ("Verdana")
{
    const auto platformFace = [] (const String& placeholder)
    {
        return Font::getDefaultTypefaceForFont (Font (placeholder, 10.0f, Font::plain))->getName();
    };

    serifTypefaceName = platformFace (Font::getDefaultSerifFontName());
    monospacedTypefaceName = platformFace (Font::getDefaultMonospacedFontName());

    setColour (TextEditor::backgroundColourId,            Colour (0xff202030));
    setColour (TextEditor::textColourId,                  Colour (0xfff8f8f8));
    setColour (TextEditor::highlightColourId,             Colour (0xfff8f8f8));
    setColour (TextEditor::focusedOutlineColourId,        Colour (0x00000000));
    setColour (TextEditor::shadowColourId,                Colour (0x00000000));
    setColour (CaretComponent::caretColourId,             Colour (0xfff8f8f8));
    setColour (PopupMenu::backgroundColourId,             Colour (0xffe3e3e3));
    setColour (PopupMenu::textColourId,                   Colour (0xff2e2e2e));
    setColour (PopupMenu::headerTextColourId,             Colour (0xffffffff));
    setColour (PopupMenu::highlightedTextColourId,        Colour (0xff2e2e2e));
    setColour (PopupMenu::highlightedBackgroundColourId,  Colour (0xffacadb2));
    setColour (ComboBox::textColourId,                    Colour (0xffffffff));
    setColour (ComboBox::backgroundColourId,              Colour (0x99434343));
    setColour (Slider::textBoxTextColourId,               Colour (0xffffffff));
    setColour (Slider::textBoxBackgroundColourId,         Colour (0x99434343));
    setColour (DocumentWindow::textColourId,              Colour (0xffa8a8a8));
    setColour (AlertWindow::backgroundColourId,           Colour (0xff383838));
    setColour (AlertWindow::textColourId,                 Colour (0xffa5a5a5));
    setColour (AlertWindow::outlineColourId,              Colour (0xff383838));
    setColour (ProgressBar::backgroundColourId,           Colour (0xff383838));
    setColour (ProgressBar::foregroundColourId,           Colour (0xffffffff));

    // A fallback face that is not installed makes JUCE draw text with no glyphs at all.
    Font::setFallbackFontName (TypefaceResolver::getInstance().getSansFamily());

    loadImages (windowPieces, { SkinImageId::windowTopLeft, SkinImageId::windowTop, SkinImageId::windowTopRight,
                                SkinImageId::windowMiddleLeft, SkinImageId::windowMiddle, SkinImageId::windowMiddleRight,
                                SkinImageId::windowBottomLeft, SkinImageId::windowBottom, SkinImageId::windowBottomRight });
    loadImages (minimiseImages, { SkinImageId::minimiseButtonNormal, SkinImageId::minimiseButtonOver, SkinImageId::minimiseButtonDown });
    loadImages (maximiseImages, { SkinImageId::maximiseButtonNormal, SkinImageId::maximiseButtonOver, SkinImageId::maximiseButtonDown });
    loadImages (closeImages, { SkinImageId::closeButtonNormal, SkinImageId::closeButtonOver, SkinImageId::closeButtonDown });
    valueThumbRight = SkinImages::get (SkinImageId::valueThumbRight);
    valueThumbLeft = SkinImages::get (SkinImageId::valueThumbLeft);
    comboFocusHighlight = SkinImages::get (SkinImageId::comboFocusHighlight);
    loadImages (comboArrows, { SkinImageId::comboArrowNormal, SkinImageId::comboArrowOver,
                               SkinImageId::comboArrowDown, SkinImageId::comboArrowDisabled });
    sliderTrack = SkinImages::get (SkinImageId::sliderTrack);
    sliderThumb = SkinImages::get (SkinImageId::sliderThumbNormal);
    sliderThumbHighlighted = SkinImages::get (SkinImageId::sliderThumbHighlighted);
}

CustomLookAndFeel::~CustomLookAndFeel() = default;

void CustomLookAndFeel::setUiLanguage (UiLanguage language) noexcept
{
    uiLanguage = clampUiLanguage (language);
}

UiLanguage CustomLookAndFeel::getUiLanguage() noexcept
{
    return uiLanguage;
}

Font CustomLookAndFeel::skinFont (float height)
{
    return Font ("Verdana", height, Font::plain);
}

//==============================================================================
Typeface::Ptr CustomLookAndFeel::getTypefaceForFont (const Font& font)
{
    Font f (font);
    const auto name = font.getTypefaceName();

    if (name == Font::getDefaultSansSerifFontName())
        f.setTypefaceName (sansTypefaceName);
    else if (name == Font::getDefaultSerifFontName())
        f.setTypefaceName (serifTypefaceName);
    else if (name == Font::getDefaultMonospacedFontName())
        f.setTypefaceName (monospacedTypefaceName);

    return TypefaceResolver::getInstance().getTypefaceFor (f);
}

//==============================================================================
void CustomLookAndFeel::drawAlertBox (Graphics& g, AlertWindow& alert, const Rectangle<int>& textArea, TextLayout& textLayout)
{
    g.fillAll (alert.findColour (AlertWindow::backgroundColourId));
    g.setColour (alert.findColour (AlertWindow::textColourId));
    g.setFont (getAlertWindowMessageFont());
    textLayout.draw (g, textArea.toFloat());
}

int CustomLookAndFeel::getAlertBoxWindowFlags()
{
    return ComponentPeer::windowHasDropShadow;
}

Font CustomLookAndFeel::getAlertWindowMessageFont()
{
    return LanguageTypefaces::fontFor (getUiLanguage(), 15.0f);
}

Font CustomLookAndFeel::getAlertWindowFont()
{
    return LanguageTypefaces::fontFor (getUiLanguage(), 12.0f);
}

//==============================================================================
void CustomLookAndFeel::drawProgressBar (Graphics& g, ProgressBar& bar, int width, int height, double progress, const String& text)
{
    g.fillAll (bar.findColour (ProgressBar::backgroundColourId));

    if (progress > 0.0)
    {
        // A bar narrower than its two caps shows the caps alone.
        const auto middle = jmax (0, (int) (jmin (progress, 1.0) * (width - 26)));
        SkinImages::drawStretched (g, SkinImages::get (SkinImageId::progressLeft), { 0, 0, 13, height });

        if (middle > 0)
            SkinImages::drawStretched (g, SkinImages::get (SkinImageId::progressMiddle), { 13, 0, middle, height });

        SkinImages::drawStretched (g, SkinImages::get (SkinImageId::progressRight), { 13 + middle, 0, 13, height });
    }

    if (text.isNotEmpty())
    {
        g.setColour (bar.findColour (ProgressBar::foregroundColourId));
        g.setFont (skinFont ((float) height * 0.6f));
        g.drawText (text, 0, 0, width, height, Justification::centred, false);
    }
}

//==============================================================================
namespace
{
bool isAlertButton (const Button& button)
{
    return button.findParentComponentOfClass<AlertWindow>() != nullptr;
}
} // namespace

Array<int> CustomLookAndFeel::getWidthsForTextButtons (AlertWindow&, const Array<TextButton*>& buttons)
{
    Array<int> widths;
    widths.insertMultiple (0, MenuComponentButton::width, buttons.size());
    return widths;
}

void CustomLookAndFeel::drawButtonBackground (Graphics& g, Button& button, const Colour& background, bool isOver, bool isDown)
{
    if (! isAlertButton (button))
    {
        LookAndFeel_V2::drawButtonBackground (g, button, background, isOver, isDown);
        return;
    }

    // The states as the panel buttons show them: a focused button looks as one under the mouse.
    using S = SkinButtonState;
    const auto state = ! button.isEnabled() ? S::disabled
                     : isDown               ? S::down
                     : isOver || button.hasKeyboardFocus (true) ? S::over
                                            : S::normal;
    g.drawImageAt (SkinImages::get (SkinImageSets::panelButton[state]), 0, 0);
}

void CustomLookAndFeel::drawButtonText (Graphics& g, TextButton& button, bool isOver, bool isDown)
{
    if (isAlertButton (button))
        MenuComponentButton::drawCaption (g, button.getButtonText(), button.getLocalBounds(), button.isEnabled());
    else
        LookAndFeel_V2::drawButtonText (g, button, isOver, isDown);
}

//==============================================================================
void CustomLookAndFeel::drawScrollbarButton (Graphics& g, ScrollBar&, int, int, int direction, bool, bool isMouseOver, bool isButtonDown)
{
    static constexpr SkinImageId images[4][3] {
        { SkinImageId::scrollUpNormal,    SkinImageId::scrollUpOver,    SkinImageId::scrollUpDown },
        { SkinImageId::scrollRightNormal, SkinImageId::scrollRightOver, SkinImageId::scrollRightDown },
        { SkinImageId::scrollDownNormal,  SkinImageId::scrollDownOver,  SkinImageId::scrollDownDown },
        { SkinImageId::scrollLeftNormal,  SkinImageId::scrollLeftOver,  SkinImageId::scrollLeftDown },
    };

    if (direction < 0 || direction > 3)
        return;

    const auto state = isButtonDown ? 2 : isMouseOver ? 1 : 0;
    g.drawImageAt (SkinImages::get (images[direction][state]), 0, 0);
}

void CustomLookAndFeel::drawScrollbar (Graphics& g, ScrollBar&, int x, int y, int width, int height, bool vertical,
                                       int thumbStart, int thumbSize, bool isMouseOver, bool isDragging)
{
    const auto state = isDragging ? 2 : isMouseOver ? 1 : 0;

    if (vertical)
    {
        static constexpr SkinImageId thumbs[] { SkinImageId::scrollThumbVertical, SkinImageId::scrollThumbVerticalOver,
                                                SkinImageId::scrollThumbVerticalDown };
        SkinImages::drawStretched (g, SkinImages::get (SkinImageId::scrollTrackVertical), { 0, 0, width, height + 30 });
        SkinImages::drawStretched (g, SkinImages::get (thumbs[state]), { x + 1, thumbStart, width - 2, thumbSize });
    }
    else
    {
        static constexpr SkinImageId thumbs[] { SkinImageId::scrollThumbHorizontal, SkinImageId::scrollThumbHorizontalOver,
                                                SkinImageId::scrollThumbHorizontalDown };
        SkinImages::drawStretched (g, SkinImages::get (SkinImageId::scrollTrackHorizontal), { 0, 0, width + 30, height });
        SkinImages::drawStretched (g, SkinImages::get (thumbs[state]), { thumbStart, y + 1, thumbSize, height - 2 });
    }
}

int CustomLookAndFeel::getDefaultScrollbarWidth()
{
    return 10;
}

//==============================================================================
void CustomLookAndFeel::drawPopupMenuBackground (Graphics& g, int, int)
{
    g.fillAll (findColour (PopupMenu::backgroundColourId));
}

void CustomLookAndFeel::drawPopupMenuItem (Graphics& g, const Rectangle<int>& area, bool isSeparator, bool isActive,
                                           bool isHighlighted, bool isTicked, bool hasSubMenu, const String& text,
                                           const String& shortcutKeyText, const Drawable* icon, const Colour* textColour)
{
    if (isSeparator)
    {
        drawMenuSeparator (g, area);
        return;
    }

    const Graphics::ScopedSaveState state (g);
    g.setOrigin (area.getPosition());
    const auto width = area.getWidth();
    const auto height = area.getHeight();

    if (isHighlighted)
    {
        g.setColour (findColour (PopupMenu::highlightedBackgroundColourId));
        g.fillRect (1, 1, width - 2, height - 2);
        g.setColour (findColour (PopupMenu::highlightedTextColourId));
    }
    else
    {
        g.setColour (textColour != nullptr ? *textColour : findColour (PopupMenu::textColourId));
    }

    if (! isActive)
        g.setOpacity (0.3f);

    // A language's name is shown in that language's own typeface.
    const auto language = LanguageTypefaces::languageNamed (text);
    auto font = language.has_value() ? LanguageTypefaces::fontFor (*language, 17.0f) : getPopupMenuFont();
    const auto maxHeight = (float) height / 1.3f;

    if (font.getHeight() > maxHeight)
        font.setHeight (maxHeight);

    g.setFont (font);

    const auto leftBorder = height * 5 / 4;
    const Rectangle<float> iconArea (2.0f, 1.0f, (float) (leftBorder - 4), (float) (height - 2));

    if (icon != nullptr)
    {
        icon->drawWithin (g, iconArea, RectanglePlacement::centred | RectanglePlacement::onlyReduceInSize, 1.0f);
    }
    else if (isTicked)
    {
        const auto tick = getTickShape (1.0f);
        g.fillPath (tick, tick.getTransformToScaleToFit (iconArea, true));
    }

    g.drawFittedText (text, leftBorder, 0, width - leftBorder - 4, height, Justification::centredLeft, 1, 0.7f);

    if (shortcutKeyText.isNotEmpty())
    {
        auto shortcutFont = font;
        shortcutFont.setHeight (font.getHeight() * 0.75f);
        shortcutFont.setHorizontalScale (0.95f);
        g.setFont (shortcutFont);
        g.drawText (shortcutKeyText, leftBorder, 0, width - leftBorder - 8, height, Justification::centredRight, true);
    }

    if (hasSubMenu)
    {
        const auto arrowH = 0.6f * getPopupMenuFont().getAscent();
        const auto x = (float) width - 4.0f - arrowH;
        const auto halfH = (float) height * 0.5f;
        Path arrow;
        arrow.addTriangle (x, halfH - arrowH * 0.5f, x, halfH + arrowH * 0.5f, x + arrowH * 0.6f, halfH);
        g.fillPath (arrow);
    }
}

Font CustomLookAndFeel::getPopupMenuFont()
{
    return skinFont (17.0f);
}

//==============================================================================
void CustomLookAndFeel::drawMenuBarBackground (Graphics&, int, int, bool, MenuBarComponent&)
{
}

Font CustomLookAndFeel::getMenuBarFont (MenuBarComponent& menuBar, int, const String&)
{
    return skinFont ((float) menuBar.getHeight() * 0.7f);
}

void CustomLookAndFeel::drawMenuBarItem (Graphics& g, int width, int height, int itemIndex, const String& itemText,
                                         bool isMouseOverItem, bool isMenuOpen, bool, MenuBarComponent& menuBar)
{
    if (isMouseOverItem || isMenuOpen)
    {
        g.fillAll (Colour (0x32080c1f));
        drawBevel (g, { 0, 0, width, height }, Colour (185, 185, 185), Colour (41, 41, 41));
    }

    g.setFont (getMenuBarFont (menuBar, itemIndex, itemText));
    g.setColour (Colours::black);
    g.drawFittedText (itemText, 1, 1, width - 1, height - 1, Justification::centred, 1, 0.7f);
    g.setColour (Colour (248, 248, 248));
    g.drawFittedText (itemText, 0, 0, width, height, Justification::centred, 1, 0.7f);
}

//==============================================================================
const Image& CustomLookAndFeel::pickComboImage (ComboBox& box, bool isButtonDown, const Image* images)
{
    if (! box.isEnabled())
        return images[3];

    if (isButtonDown)
        return images[2];

    if (box.hasKeyboardFocus (true) || box.isMouseOver (true))
        return images[1];

    return images[0];
}

void CustomLookAndFeel::drawComboBox (Graphics& g, int width, int height, bool isButtonDown, int, int, int, int, ComboBox& box)
{
    g.fillAll (box.findColour (ComboBox::backgroundColourId));
    drawInsetBevel (g, { 0, 0, width, height });
    g.drawImageAt (pickComboImage (box, isButtonDown, comboArrows), width - 18, height - 19);

    if (box.isEnabled() && box.hasKeyboardFocus (true))
        SkinImages::drawStretched (g, comboFocusHighlight, { 2, 1, width - 20, height - 2 });
}

Font CustomLookAndFeel::getComboBoxFont (ComboBox& box)
{
    return skinFont (jmin ((float) box.getHeight() * 0.85f, 15.0f));
}

//==============================================================================
void CustomLookAndFeel::drawLinearSlider (Graphics& g, int x, int y, int width, int height, float sliderPos, float minSliderPos,
                                          float maxSliderPos, Slider::SliderStyle style, Slider& slider)
{
    if (style == Slider::LinearBar || style == Slider::LinearBarVertical)
    {
        LookAndFeel_V2::drawLinearSlider (g, x, y, width, height, sliderPos, minSliderPos, maxSliderPos, style, slider);
        return;
    }

    g.fillAll (slider.findColour (Slider::backgroundColourId));
    drawLinearSliderBackground (g, x, y, width, height, sliderPos, minSliderPos, maxSliderPos, style, slider);
    drawLinearSliderThumb (g, x, y, width, height, sliderPos, minSliderPos, maxSliderPos, style, slider);
}

void CustomLookAndFeel::drawLinearSliderBackground (Graphics& g, int x, int y, int width, int height, float sliderPos,
                                                    float minSliderPos, float maxSliderPos, Slider::SliderStyle style, Slider& slider)
{
    if (style == Slider::LinearHorizontal)
        g.drawImageAt (sliderTrack, 0, 0);
    else if (style != Slider::TwoValueHorizontal && style != Slider::ThreeValueHorizontal)
        LookAndFeel_V2::drawLinearSliderBackground (g, x, y, width, height, sliderPos, minSliderPos, maxSliderPos, style, slider);
}

void CustomLookAndFeel::drawLinearSliderThumb (Graphics& g, int x, int y, int width, int height, float sliderPos,
                                               float minSliderPos, float maxSliderPos, Slider::SliderStyle style, Slider& slider)
{
    const bool highlighted = slider.isEnabled()
                          && (slider.hasKeyboardFocus (false) || slider.isMouseButtonDown() || slider.isMouseOverOrDragging());

    switch (style)
    {
        case Slider::LinearHorizontal:
            g.drawImageAt (highlighted ? sliderThumbHighlighted : sliderThumb, (int) (sliderPos - 7.5f), 0);
            break;

        case Slider::ThreeValueHorizontal:
            // Sliders in the left part of their parent point right, the others left.
            drawValueThumb (g, (int) sliderPos, slider.getX() < 126, highlighted);
            break;

        case Slider::TwoValueHorizontal:
        {
            const auto minX = (int) minSliderPos;
            const auto maxX = (int) maxSliderPos;

            if (minX != maxX)
                SkinImages::drawStretched (g, SkinImages::get (SkinImageId::rangeBar), { minX + 4, 8, maxX - minX, 5 });

            g.drawImageAt (SkinImages::get (highlighted ? SkinImageId::rangeThumbMinHighlighted : SkinImageId::rangeThumbMin), minX, 0);
            g.drawImageAt (SkinImages::get (highlighted ? SkinImageId::rangeThumbMaxHighlighted : SkinImageId::rangeThumbMax), maxX, 0);
            break;
        }

        case Slider::LinearVertical:
        case Slider::LinearBar:
        case Slider::LinearBarVertical:
        case Slider::Rotary:
        case Slider::RotaryHorizontalDrag:
        case Slider::RotaryVerticalDrag:
        case Slider::RotaryHorizontalVerticalDrag:
        case Slider::IncDecButtons:
        case Slider::TwoValueVertical:
        case Slider::ThreeValueVertical:
        default:
            LookAndFeel_V2::drawLinearSliderThumb (g, x, y, width, height, sliderPos, minSliderPos, maxSliderPos, style, slider);
            break;
    }
}

void CustomLookAndFeel::drawValueThumb (Graphics& g, int x, bool leftHand, bool highlighted)
{
    const auto image = highlighted ? SkinImages::get (leftHand ? SkinImageId::valueThumbLeftHighlighted
                                                               : SkinImageId::valueThumbRightHighlighted)
                                   : (leftHand ? valueThumbLeft : valueThumbRight);
    g.drawImageAt (image, x, 0);
}

Label* CustomLookAndFeel::createSliderTextBox (Slider& slider)
{
    auto* label = new ::SliderLabelComp();  // ours, not the framework's private class of that name
    const bool bar = slider.getSliderStyle() == Slider::LinearBar;

    label->setJustificationType (Justification::centred);
    label->setColour (Label::textColourId, slider.findColour (Slider::textBoxTextColourId));
    label->setColour (TextEditor::textColourId, slider.findColour (Slider::textBoxTextColourId));
    label->setColour (Label::backgroundColourId, bar ? Colours::transparentBlack : slider.findColour (Slider::textBoxBackgroundColourId));
    label->setColour (TextEditor::backgroundColourId, slider.findColour (Slider::textBoxBackgroundColourId).withAlpha (bar ? 0.7f : 1.0f));
    label->setColour (Label::outlineColourId, slider.findColour (Slider::textBoxOutlineColourId));
    label->setColour (TextEditor::outlineColourId, slider.findColour (Slider::textBoxOutlineColourId));
    return label;
}

//==============================================================================
void CustomLookAndFeel::fillResizableWindowBackground (Graphics& g, int w, int h, const BorderSize<int>&, ResizableWindow& window)
{
    drawWindowBackground (g, w, h, window.isFullScreen() && window.isOnDesktop());
}

void CustomLookAndFeel::drawWindowBackground (Graphics& g, int w, int h, bool fullScreen)
{
    g.fillAll (Colours::black);

    const auto& [topLeft, top, topRight, middleLeft, middle, middleRight, bottomLeft, bottom, bottomRight] = windowPieces;
    const Image* bottomPieces[] { &bottomLeft, &bottom, &bottomRight };

    if (fullScreen)
    {
        // The middle column only, without the title-bar rows and the lower edge.
        const auto width = jmax (w, backgroundWidth);
        const auto stretch = jmax (0, h - 701);
        drawRows (g, top, { 0, 0, width, 364 }, 32, 364);
        SkinImages::drawStretched (g, middle, { 0, 364, width, stretch });
        drawRows (g, bottom, { 0, 364 + stretch, width, 336 }, 0, 336);
        return;
    }

    const auto centreWidth = jmax (backgroundWidth - 2 * sideWidth, w - 2 * sideWidth);
    const int columnX[] { 0, sideWidth, w - sideWidth };
    const int columnW[] { sideWidth, centreWidth, sideWidth };

    g.drawImageAt (topLeft, 0, 0);
    SkinImages::drawStretched (g, top, { sideWidth, 0, centreWidth, topRowHeight });
    g.drawImageAt (topRight, w - sideWidth, 0);

    if (h >= backgroundHeight + 1)
    {
        const Image* middlePieces[] { &middleLeft, &middle, &middleRight };

        for (int i = 0; i < 3; ++i)
            SkinImages::drawStretched (g, *middlePieces[i], { columnX[i], topRowHeight, columnW[i], h - backgroundHeight });
    }

    if (h >= backgroundHeight)
    {
        const auto y = h - (bottomRowHeight + 1);
        g.drawImageAt (bottomLeft, 0, y);
        SkinImages::drawStretched (g, bottom, { sideWidth, y, centreWidth, bottomRowHeight });
        g.drawImageAt (bottomRight, w - sideWidth, y);
    }
    else
    {
        // A short window shows the top of the bottom row cut off, then its last five rows (the edge).
        const auto shown = jmax (0, h - 402);

        for (int i = 0; i < 3; ++i)
        {
            drawRows (g, *bottomPieces[i], { columnX[i], topRowHeight, columnW[i], shown }, 0, shown);
            drawRows (g, *bottomPieces[i], { columnX[i], topRowHeight + shown, columnW[i], 5 }, 336, 5);
        }
    }
}

void CustomLookAndFeel::drawDocumentWindowTitleBar (DocumentWindow& window, Graphics& g, int w, int h, int titleSpaceX,
                                                    int titleSpaceW, const Image* icon, bool drawTitleTextOnLeft)
{
    // No background: the window background shows through.
    const bool isActive = window.isActiveWindow();
    const auto font = skinFont (15.0f);
    const auto& title = window.getName();

    auto textW = jmin (titleSpaceW, font.getStringWidth (title) + (icon != nullptr ? 16 : 0));
    auto textX = drawTitleTextOnLeft ? titleSpaceX : jmax (titleSpaceX, (w - textW) / 2);

    if (textX + textW > titleSpaceX + titleSpaceW)
        textX = titleSpaceX + titleSpaceW - textW;

    if (icon != nullptr)
    {
        g.setOpacity (isActive ? 1.0f : 0.6f);
        g.drawImageAt (*icon, textX, (h - 16) / 2);
        textW -= 16;
        textX += 22;
    }

    if (window.isColourSpecified (DocumentWindow::textColourId) || isColourSpecified (DocumentWindow::textColourId))
        g.setColour (window.findColour (DocumentWindow::textColourId));
    else
        g.setColour (window.getBackgroundColour().contrasting (isActive ? 0.7f : 0.4f));

    g.setFont (font);
    g.drawText (title, textX, 0, textW, h, Justification::centredLeft, true);
}

Button* CustomLookAndFeel::createDocumentWindowButton (int buttonType)
{
    const Image* images = nullptr;
    const char* name = nullptr;

    switch (buttonType)
    {
        case DocumentWindow::closeButton:    images = closeImages;    name = "close";    break;
        case DocumentWindow::minimiseButton: images = minimiseImages; name = "minimise"; break;
        case DocumentWindow::maximiseButton: images = maximiseImages; name = "maximise"; break;
        default:                             return nullptr;
    }

    auto* button = new ImageButton (name);
    button->setImages (false, false, true,
                       images[0], 1.0f, Colours::transparentBlack,
                       images[1], 1.0f, Colours::transparentBlack,
                       images[2], 1.0f, Colours::transparentBlack,
                       0.3f);
    return button;
}

void CustomLookAndFeel::positionDocumentWindowButtons (DocumentWindow&, int titleBarX, int titleBarY, int titleBarW, int,
                                                       Button* minimiseButton, Button* maximiseButton, Button* closeButton, bool)
{
    const auto place = [&] (Button* button, int fromRight)
    {
        if (button != nullptr)
            button->setBounds (titleBarX + titleBarW - fromRight, titleBarY + 4, 23, 23);
    };

    place (closeButton, 26);
    place (maximiseButton, 49);
    place (minimiseButton, 72);
}

//==============================================================================
void CustomLookAndFeel::drawBevel (Graphics& g, Rectangle<int> area, Colour topLeft, Colour bottomRight)
{
    // Images drawn afterwards take the current colour's opacity: leave it as it was.
    const Graphics::ScopedSaveState state (g);
    g.setColour (topLeft);
    g.fillRect (area.getX(), area.getY(), area.getWidth(), 1);
    g.fillRect (area.getX(), area.getY() + 1, 1, area.getHeight() - 1);
    g.setColour (bottomRight);
    g.fillRect (area.getX() + 1, area.getBottom() - 1, area.getWidth() - 1, 1);
    g.fillRect (area.getRight() - 1, area.getY() + 1, 1, area.getHeight() - 2);
}

void CustomLookAndFeel::drawInsetBevel (Graphics& g, Rectangle<int> area)
{
    drawBevel (g, area, bevelTopLeft, bevelBottomRight);
}

void CustomLookAndFeel::drawMenuSeparator (Graphics& g, Rectangle<int> area)
{
    const auto x0 = (float) area.getX() + 5.5f;
    const auto x1 = (float) area.getRight() - 5.5f;
    const auto y = (float) (area.getY() + area.getHeight() / 2);
    g.setColour (Colour (0x33000000));
    g.fillRect (x0, y, x1 - x0, 1.0f);
    g.setColour (Colour (0x66ffffff));
    g.fillRect (x0, y + 1.0f, x1 - x0, 1.0f);
}
