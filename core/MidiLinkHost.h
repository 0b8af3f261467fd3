#pragma once

/** What the MIDI link needs of the window that shows it. Both calls come from the link's own
    thread while it holds the framework's message-manager lock, so they may touch components. */
class MidiLinkHost
{
public:
    virtual ~MidiLinkHost() = default;

    /** The Sync indicator: enabled while the unit is connected, greyed out otherwise. The link
        calls this only when the state it last showed changes; it starts from "not connected". */
    virtual void setDeviceConnected (bool connected) = 0;

    /** The link has (re)connected from its thread and read the unit's body colour: apply the
        body-colour mode again, so that "Auto" follows the unit. */
    virtual void applyBodyColorMode() = 0;
};
