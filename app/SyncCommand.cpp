#include "app/SyncCommand.h"

namespace SyncCommand
{
bool toggle (MenuButtons& strip, EditController& editing)
{
    if (! strip.isDeviceConnected())
        return false;

    const bool nowOn = ! strip.isSyncOn();
    strip.setSyncOn (nowOn);

    if (nowOn)
        editing.syncWithDevice();

    return true;
}
} // namespace SyncCommand
