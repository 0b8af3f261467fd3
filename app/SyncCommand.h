#pragma once

#include "app/MenuButtons.h"
#include "core/EditController.h"

/** The Sync command (F2 and the Edit menu): flips the menu strip's Sync switch as a click on it
    would. Switching on sends the whole document to the unit; switching off sends nothing. While the
    switch is disabled (no unit connected) the command does nothing, as a click could not reach it. */
namespace SyncCommand
{
    /** True when the switch changed. */
    bool toggle (MenuButtons& strip, EditController& editing);
}
