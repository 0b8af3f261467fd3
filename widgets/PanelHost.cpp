#include "widgets/PanelHost.h"

namespace
{
const juce::Identifier hostProperty ("tessalinPanelHost");

/** How a host rides in a component's properties. */
struct HostLink : juce::ReferenceCountedObject
{
    explicit HostLink (PanelHost& h) : host (h) {}
    PanelHost& host;
};
} // namespace

PanelHost* PanelHost::find (const juce::Component* component)
{
    for (auto* c = component; c != nullptr; c = c->getParentComponent())
    {
        if (auto* host = dynamic_cast<PanelHost*> (const_cast<juce::Component*> (c)))
            return host;

        if (auto* link = dynamic_cast<HostLink*> (c->getProperties()[hostProperty].getObject()))
            return &link->host;
    }

    return nullptr;
}

void PanelHost::attach (juce::Component& root, PanelHost* host)
{
    if (host == nullptr)
        root.getProperties().remove (hostProperty);
    else
        root.getProperties().set (hostProperty, juce::var (new HostLink (*host)));
}
