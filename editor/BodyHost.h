#pragma once

#include "widgets/PointerState.h"

/** What the effect panel needs of the window that holds it: the commit of an edit, the effect
    browser's place and the pointer memory that every control shares. The main window is the host;
    a test gives its own. */
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
};
