#pragma once

#include <vector>
#include <juce_core/juce_core.h>

/** A mounted filesystem that a card can be on. */
struct RemovableDrive
{
    juce::File mountPoint;
    juce::String label;     // the mount point's last component, as the panels show it

    bool operator== (const RemovableDrive& other) const
    {
        return mountPoint == other.mountPoint && label == other.label;
    }
};

/** Where the mount table and the kernel's device tree are read from; tests point them at fixtures. */
struct RemovableDriveRoots
{
    juce::File mountTable { "/proc/self/mountinfo" };
    juce::File sysfs { "/sys" };
};

/** The mounted filesystems on removable block devices, sorted by mount point. A device counts when
    its whole disk says it has removable media, when it sits on USB or MMC, or when it is mounted
    where the desktop mounts media (/media, /run/media). Pseudo and network filesystems and the
    root filesystem never count. */
std::vector<RemovableDrive> findRemovableDrives (const RemovableDriveRoots& roots = {});

/** Whether mountPoint is still one of findRemovableDrives(): the drive a user chose may have been
    pulled since. */
bool isRemovableDriveMounted (const juce::File& mountPoint, const RemovableDriveRoots& roots = {});
