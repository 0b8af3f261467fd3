#include "app/WindowStacking.h"

#include <vector>

// Last: the X headers define names such as KeyPress, None and Status.
#include <X11/Xlib.h>

namespace
{
/** One connection of our own, kept for the program's life; null without a display. */
::Display* connection()
{
    static ::Display* const display = XOpenDisplay (nullptr);
    return display;
}

/** The child of the root window that holds a window: the window itself, or the frame a window
    manager put around it. */
::Window topLevelOf (::Display* display, ::Window window)
{
    for (;;)
    {
        ::Window root = 0, parent = 0;
        ::Window* children = nullptr;
        unsigned int count = 0;

        if (XQueryTree (display, window, &root, &parent, &children, &count) == 0)
            return window;

        if (children != nullptr)
            XFree (children);

        if (parent == 0 || parent == root)
            return window;

        window = parent;
    }
}

/** The children of the root window, top of the stack first. */
std::vector<::Window> stackFromTop (::Display* display)
{
    std::vector<::Window> order;
    ::Window root = 0, parent = 0;
    ::Window* children = nullptr;
    unsigned int count = 0;

    if (XQueryTree (display, DefaultRootWindow (display), &root, &parent, &children, &count) != 0 && children != nullptr)
    {
        order.assign (children, children + count);   // bottom first
        XFree (children);
    }

    return { order.rbegin(), order.rend() };
}

::Window nativeWindowOf (juce::Component& c)
{
    auto* peer = c.isOnDesktop() ? c.getPeer() : nullptr;
    return peer != nullptr ? (::Window) (juce::pointer_sized_uint) peer->getNativeHandle() : 0;
}
} // namespace

void WindowStacking::raiseWithBelow (juce::Component& top, const juce::Array<juce::Component*>& below)
{
    auto* display = connection();
    const auto topWindow = nativeWindowOf (top);

    if (display == nullptr || topWindow == 0)
        return;

    std::vector<::Window> wanted { topLevelOf (display, topWindow) };

    for (auto* c : below)
        if (c != nullptr && c->isShowing())
            if (const auto w = nativeWindowOf (*c); w != 0)
                wanted.push_back (topLevelOf (display, w));

    // Each restack makes the server tell the framework that the window came to the front, which
    // calls back in here: only a stack that is not yet right is changed.
    const auto current = stackFromTop (display);
    if (current.size() >= wanted.size() && std::equal (wanted.begin(), wanted.end(), current.begin()))
        return;

    XRaiseWindow (display, wanted.front());

    if (wanted.size() > 1)
        XRestackWindows (display, wanted.data(), (int) wanted.size());

    XSync (display, False);
}
