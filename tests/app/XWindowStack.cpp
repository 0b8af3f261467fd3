#include "XWindowStack.h"

#include <X11/Xlib.h>
#include <algorithm>

std::vector<std::uintptr_t> xStackingOrder()
{
    std::vector<std::uintptr_t> order;
    auto* display = XOpenDisplay (nullptr);

    if (display == nullptr)
        return order;

    ::Window root = 0, parent = 0;
    ::Window* children = nullptr;
    unsigned int count = 0;

    if (XQueryTree (display, DefaultRootWindow (display), &root, &parent, &children, &count) != 0)
    {
        order.assign (children, children + count);
        XFree (children);
    }

    XCloseDisplay (display);
    return order;
}

int xStackingIndex (const void* nativeWindowHandle)
{
    const auto order = xStackingOrder();
    const auto found = std::find (order.begin(), order.end(), (std::uintptr_t) nativeWindowHandle);
    return found == order.end() ? -1 : (int) (found - order.begin());
}

void xRaise (const void* nativeWindowHandle)
{
    if (auto* display = XOpenDisplay (nullptr))
    {
        XRaiseWindow (display, (::Window) nativeWindowHandle);
        XSync (display, False);
        XCloseDisplay (display);
    }
}
