#include "app/OverlayPanels.h"

OverlayPanels::OverlayPanels (Host& hostToUse)
    : host (hostToUse)
{
}

void OverlayPanels::toggle (PanelKind kind)
{
    const bool wasOpen = get (kind) != nullptr;
    closeAll();

    if (wasOpen)
        return;

    auto panel = host.createPanel (kind);
    if (panel == nullptr)
        return;

    // The values go in before the panel shows, so it never shows anything but the window's choices.
    panel->setValues (host.getPanelValues (kind));

    auto& shown = *panel;
    panels[(size_t) kind] = std::move (panel);
    host.showPanel (shown);
    shown.focusFirstCheckBox();
}

void OverlayPanels::closeAll()
{
    for (auto& panel : panels)
    {
        if (panel != nullptr)
        {
            host.hidePanel (*panel);
            panel.reset();
        }
    }
}

OverlayPanel* OverlayPanels::get (PanelKind kind) const noexcept
{
    const auto index = (size_t) kind;
    return index < panels.size() ? panels[index].get() : nullptr;
}

bool OverlayPanels::isAnyOpen() const noexcept
{
    for (auto& panel : panels)
        if (panel != nullptr)
            return true;

    return false;
}
