#pragma once

#include "SkinList.h"

/** The real list, expanded and drawn once for every test of this folder: drawing it all takes a
    while, the more so under the sanitizers. */
struct RenderedSkinList
{
    std::vector<SkinImageRecipe> recipes;
    std::vector<juce::Image> images;
    juce::String error;     // why the list would not expand, if it did not

    /** An image by id (a null image for an id the list does not hold). */
    const juce::Image& get (const juce::String& id) const
    {
        static const juce::Image none;
        const auto index = findSkinImage (recipes, id);
        return index >= 0 ? images[(size_t) index] : none;
    }
};

inline const RenderedSkinList& getRenderedSkinList()
{
    static const RenderedSkinList list = []
    {
        RenderedSkinList l;
        l.error = expandSkinList (getSkinListLines(), l.recipes).getErrorMessage();
        l.images = renderSkinImages (l.recipes);
        return l;
    }();

    return list;
}
