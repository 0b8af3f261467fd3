#pragma once

#include "SkinRecipes.h"

#include <vector>

/** A review picture of the whole skin: the window background whole, the panels and the alert composed
    at their real sizes, every shared box with its shapes' faces and tinted masks put together, then
    every other image enlarged, on a chequered ground that shows transparency. */
juce::Image makeSkinContactSheet (const std::vector<SkinImageRecipe>& images, const std::vector<juce::Image>& rendered);

/** Where images of these sizes go when they flow in rows of a width: each enlarged by the largest
    whole factor up to maxScale that fits the row, and an image wider than the row scaled down to its
    width, so that no image is ever cut. Rows start at (0, 0), with a gap between images and rows. */
std::vector<juce::Rectangle<int>> layoutSkinContactSheetFlow (const std::vector<juce::Rectangle<int>>& sizes, int width,
                                                              int gap, int maxScale);
