#include "editor/EffectBrowserLookAndFeel.h"

using namespace juce;

namespace
{
const Colour titleBarColour (60, 50, 50);
const Colour titleColour (169, 169, 169);

constexpr int thumbCapHeight = 2;
constexpr int scrollButtonLength = 15;

int pressState (bool isOver, bool isDown) noexcept
{
    return isDown ? 2 : isOver ? 1 : 0;
}
} // namespace

EffectBrowserLookAndFeel::EffectBrowserLookAndFeel()
{
    setColour (PopupMenu::backgroundColourId,            Colour (40, 40, 40));
    setColour (PopupMenu::textColourId,                  Colour (226, 226, 226));
    setColour (PopupMenu::headerTextColourId,            Colour (226, 226, 226));
    setColour (PopupMenu::highlightedTextColourId,       Colour (226, 226, 226));
    setColour (PopupMenu::highlightedBackgroundColourId, Colour (34, 34, 255).withAlpha ((uint8) 128));

    browserCloseImages[0] = SkinImages::get (SkinImageId::browserCloseNormal);
    browserCloseImages[1] = SkinImages::get (SkinImageId::browserCloseOver);
    browserCloseImages[2] = SkinImages::get (SkinImageId::browserCloseDown);
}

EffectBrowserLookAndFeel::~EffectBrowserLookAndFeel() = default;

Image EffectBrowserLookAndFeel::nodeImage (int depth, bool isOpen)
{
    if (depth <= 1)
        return SkinImages::get (isOpen ? SkinImageId::browserModelOpen : SkinImageId::browserModelClosed);

    if (depth == 2)
        return SkinImages::get (isOpen ? SkinImageId::browserSectionOpen : SkinImageId::browserSectionClosed);

    return SkinImages::get (isOpen ? SkinImageId::browserFolderOpen : SkinImageId::browserFolderClosed);
}

Image EffectBrowserLookAndFeel::leafImage()
{
    return SkinImages::get (SkinImageId::browserLeaf);
}

Image EffectBrowserLookAndFeel::selectionImage()
{
    return SkinImages::get (SkinImageId::browserSelection);
}

//==============================================================================
void EffectBrowserLookAndFeel::fillResizableWindowBackground (Graphics& g, int, int, const BorderSize<int>&, ResizableWindow&)
{
    g.fillAll (Colours::black);
}

void EffectBrowserLookAndFeel::drawDocumentWindowTitleBar (DocumentWindow& window, Graphics& g, int w, int h, int, int,
                                                           const Image*, bool)
{
    g.fillAll (titleBarColour);
    g.setColour (titleColour);
    g.setFont (skinFont (0.9f * (float) h));
    g.drawText (window.getName(), 0, 0, w, h, Justification::centred, true);
}

Button* EffectBrowserLookAndFeel::createDocumentWindowButton (int buttonType)
{
    if (buttonType != DocumentWindow::closeButton)
        return nullptr;

    auto* button = new ImageButton ("close");
    button->setImages (false, false, true,
                       browserCloseImages[0], 1.0f, Colours::transparentBlack,
                       browserCloseImages[1], 1.0f, Colours::transparentBlack,
                       browserCloseImages[2], 1.0f, Colours::transparentBlack,
                       0.3f);
    return button;
}

void EffectBrowserLookAndFeel::positionDocumentWindowButtons (DocumentWindow&, int titleBarX, int titleBarY, int titleBarW, int,
                                                              Button*, Button*, Button* closeButton, bool)
{
    if (closeButton != nullptr)
        closeButton->setBounds (titleBarX + titleBarW - 22, titleBarY - 2, closeButtonWidth, closeButtonHeight);
}

//==============================================================================
void EffectBrowserLookAndFeel::drawTreeviewPlusMinusBox (Graphics& g, const Rectangle<float>& area, Colour, bool isOpen, bool)
{
    const auto box = nodeBoxArea();
    const auto x = (int) area.getX() + ((int) area.getWidth() - box.getWidth()) / 2 + 3;
    const auto y = (int) area.getY() + ((int) area.getHeight() - box.getHeight()) / 2;

    g.setOpacity (1.0f);
    g.drawImage (nodeImage (2, isOpen), x, y, box.getWidth(), box.getHeight(),
                 box.getX(), box.getY(), box.getWidth(), box.getHeight());
}

bool EffectBrowserLookAndFeel::areLinesDrawnForTreeView (TreeView&)
{
    return false;
}

void EffectBrowserLookAndFeel::drawScrollbarButton (Graphics& g, ScrollBar&, int, int, int direction, bool,
                                                    bool isMouseOver, bool isButtonDown)
{
    // Up and down only: the tree never scrolls sideways.
    static constexpr SkinImageId up[] { SkinImageId::scrollUpNormal, SkinImageId::scrollUpOver, SkinImageId::scrollUpDown };
    static constexpr SkinImageId down[] { SkinImageId::scrollDownNormal, SkinImageId::scrollDownOver, SkinImageId::scrollDownDown };

    const auto state = pressState (isMouseOver, isButtonDown);

    if (direction == 0)
        g.drawImageAt (SkinImages::get (up[state]), 0, 0);
    else if (direction == 2)
        g.drawImageAt (SkinImages::get (down[state]), 0, 0);
}

void EffectBrowserLookAndFeel::drawScrollbar (Graphics& g, ScrollBar&, int x, int, int width, int, bool vertical,
                                              int thumbStart, int thumbSize, bool isMouseOver, bool isMouseDown)
{
    if (! vertical || thumbSize <= 0)
        return;

    static constexpr SkinImageId tops[] { SkinImageId::browserThumbTopNormal, SkinImageId::browserThumbTopOver,
                                          SkinImageId::browserThumbTopDown };
    static constexpr SkinImageId middles[] { SkinImageId::browserThumbMiddleNormal, SkinImageId::browserThumbMiddleOver,
                                             SkinImageId::browserThumbMiddleDown };
    static constexpr SkinImageId bottoms[] { SkinImageId::browserThumbBottomNormal, SkinImageId::browserThumbBottomOver,
                                             SkinImageId::browserThumbBottomDown };

    const auto state = pressState (isMouseOver, isMouseDown);
    const auto thumbEnd = thumbStart + thumbSize;

    // No track: only the thumb, its caps at its ends and the middle stretched between them.
    g.drawImageAt (SkinImages::get (tops[state]), x, thumbStart);
    SkinImages::drawStretched (g, SkinImages::get (middles[state]),
                               { x, thumbStart + thumbCapHeight, width, thumbSize - 2 * thumbCapHeight });
    g.drawImageAt (SkinImages::get (bottoms[state]), x, thumbEnd - thumbCapHeight);
}

int EffectBrowserLookAndFeel::getScrollbarButtonSize (ScrollBar& bar)
{
    return bar.isVertical() ? scrollButtonLength : 0;
}
