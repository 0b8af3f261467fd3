#pragma once

#include <cstdint>
#include <vector>

/** The top-level windows of the X display named by $DISPLAY, bottom to top, as the X server stacks
    them. Kept apart from the JUCE headers: the X headers define names such as KeyPress and None. */
std::vector<std::uintptr_t> xStackingOrder();

/** A window's place in that order (0 is the bottom), or -1 when it is not a top-level window. */
int xStackingIndex (const void* nativeWindowHandle);

/** Raises a window to the top as a window manager would when the user clicks it. */
void xRaise (const void* nativeWindowHandle);
