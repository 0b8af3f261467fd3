#pragma once

#include <cstddef>

/** The effect browser's tree: the unit's model, its four sections, their effects and the 16 sampler
    slots, as one XML text built into the program (assets/EffectTree.xml).

    Every element is a `node` with a `name` attribute, nested as the unit nests them; an item's index
    among its siblings is its section, effect or slot index. The names are written as the breadcrumb
    bar shows them, on one line with single blanks ("REVERB UP"), so that a name passed along the
    breadcrumb finds its item.
*/
namespace EffectTreeText
{
    /** The text, terminated by a null character. */
    extern const char text[];

    /** Its length in bytes, without the terminating null. */
    std::size_t size() noexcept;
}
