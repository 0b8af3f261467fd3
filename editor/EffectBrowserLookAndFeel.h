#pragma once

#include "widgets/CustomLookAndFeel.h"

/** The effect browser's skin on top of the program's: a black window under a dark red-brown title
    bar with a single close button, the tree's own open/close boxes and node pictures, and slim scroll
    bars without a track.

    Each of the six node pictures (model, section, folder; closed and open) holds the open/close box
    and the node's icon side by side: the tree draws the box part beside an item that can open, the
    item draws the icon part.
*/
class EffectBrowserLookAndFeel : public CustomLookAndFeel
{
public:
    static constexpr int closeButtonWidth = 24, closeButtonHeight = 23;

    /** Where the box and the icon lie inside a 36x23 node picture. */
    static juce::Rectangle<int> nodeBoxArea() noexcept     { return { 5, 7, 9, 9 }; }
    static juce::Rectangle<int> nodeIconArea() noexcept    { return { 18, 5, 16, 13 }; }

    EffectBrowserLookAndFeel();
    ~EffectBrowserLookAndFeel() override;

    /** The node picture of an item that can open, by its depth in the tree (1 the model, 2 a section,
        3 and below a folder such as SAMPLER). */
    static juce::Image nodeImage (int depth, bool isOpen);
    static juce::Image leafImage();
    static juce::Image selectionImage();

    //==============================================================================
    void fillResizableWindowBackground (juce::Graphics&, int w, int h, const juce::BorderSize<int>&, juce::ResizableWindow&) override;
    void drawDocumentWindowTitleBar (juce::DocumentWindow&, juce::Graphics&, int w, int h, int titleSpaceX, int titleSpaceW,
                                     const juce::Image* icon, bool drawTitleTextOnLeft) override;
    juce::Button* createDocumentWindowButton (int buttonType) override;
    void positionDocumentWindowButtons (juce::DocumentWindow&, int titleBarX, int titleBarY, int titleBarW, int titleBarH,
                                        juce::Button* minimiseButton, juce::Button* maximiseButton, juce::Button* closeButton,
                                        bool positionTitleBarButtonsOnLeft) override;

    void drawTreeviewPlusMinusBox (juce::Graphics&, const juce::Rectangle<float>& area, juce::Colour backgroundColour,
                                   bool isOpen, bool isMouseOver) override;
    bool areLinesDrawnForTreeView (juce::TreeView&) override;

    void drawScrollbarButton (juce::Graphics&, juce::ScrollBar&, int width, int height, int buttonDirection,
                              bool isScrollbarVertical, bool isMouseOverButton, bool isButtonDown) override;
    void drawScrollbar (juce::Graphics&, juce::ScrollBar&, int x, int y, int width, int height, bool isScrollbarVertical,
                        int thumbStartPosition, int thumbSize, bool isMouseOver, bool isMouseDown) override;
    int getScrollbarButtonSize (juce::ScrollBar&) override;

private:
    juce::Image browserCloseImages[3];      // normal, over, down

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (EffectBrowserLookAndFeel)
};
