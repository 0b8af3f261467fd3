#pragma once

#include "widgets/PointerState.h"

/** What the effect panel needs of the window that holds it: the commit of an edit, the effect
    browser's place, the pointer memory that every control shares, the keyboard focus, the menu
    strip's open panels and the sampler window that the SAMPLER effect opens. The main window is the
    host; a test gives its own. */
class BodyHost
{
public:
    virtual ~BodyHost() = default;

    /** Records, sends and adopts a change of the current document; false when nothing changed. */
    virtual bool commitSettingsChange() = 0;

    /** Moves the effect browser window beside the main window when it covers it. */
    virtual void placeEffectBrowser() = 0;

    /** The last focused control and the last mouse position. */
    virtual PointerState& getPointerState() = 0;

    /** The main window takes the keyboard focus for the panel (the panel itself never wants it). */
    virtual void focusMainWindow() = 0;

    /** Closes the menu strip's open Export, Import and Settings panels. */
    virtual void closeMenus() = 0;

    //==============================================================================
    // The sampler window, for the X-PAD SAMPLER effect and its slots.

    /** Brings the slots' temporary files in line behind a progress window and shows the window. */
    virtual void showSamplerWindow() = 0;
    /** The sampler window's current slot takes the keyboard focus; a visible effect browser comes
        to the front without taking it. */
    virtual void focusSamplerSlot() = 0;
    /** Removes an open slot editor without storing anything. */
    virtual void removeSampleEditor() = 0;
    /** Opens a slot's editor (0..19) with the focus on its first control. */
    virtual void openSampleEditor (int slot) = 0;
    /** An open slot editor takes the keyboard focus; nothing when none is open. */
    virtual void focusSampleEditor() = 0;
};
