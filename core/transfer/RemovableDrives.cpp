#include "core/transfer/RemovableDrives.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <libmount.h>
#include <memory>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace
{
struct TableDeleter { void operator() (libmnt_table* t) const { mnt_unref_table (t); } };
struct IterDeleter  { void operator() (libmnt_iter* i) const  { mnt_free_iter (i); } };

juce::File resolved (const juce::File& file)
{
    char buffer[PATH_MAX];
    return ::realpath (file.getFullPathName().toRawUTF8(), buffer) != nullptr ? juce::File (juce::String::fromUTF8 (buffer))
                                                                             : juce::File();
}

/** The device's own folder in the kernel's device tree, or File() when it has none. */
juce::File deviceFolder (const juce::File& sysfs, dev_t devno, const char* source)
{
    if (devno != 0)
        return resolved (sysfs.getChildFile ("dev/block/" + juce::String (major (devno)) + ":" + juce::String (minor (devno))));

    // Tables in the older format name the device node only.
    const auto node = juce::String::fromUTF8 (source != nullptr ? source : "");
    if (node.startsWith ("/dev/"))
        return resolved (sysfs.getChildFile ("class/block").getChildFile (node.fromLastOccurrenceOf ("/", false, false)));

    return {};
}

juce::String subsystemOf (const juce::File& deviceNode)
{
    char target[PATH_MAX];
    const auto length = ::readlink (deviceNode.getChildFile ("subsystem").getFullPathName().toRawUTF8(), target, sizeof (target) - 1);
    if (length <= 0)
        return {};

    target[length] = 0;
    return juce::String::fromUTF8 (target).fromLastOccurrenceOf ("/", false, false);
}

bool isOnRemovableDevice (const juce::File& sysfs, const juce::File& device)
{
    if (device == juce::File())
        return false;

    // Removability belongs to the whole disk; a partition is a folder inside it.
    const auto disk = device.getChildFile ("partition").existsAsFile() ? device.getParentDirectory() : device;
    if (disk.getChildFile ("removable").loadFileAsString().trim() == "1")
        return true;

    // Card readers and USB sticks often say "not removable"; what they hang off tells.
    for (auto node = device; node.isAChildOf (sysfs); node = node.getParentDirectory())
    {
        const auto subsystem = subsystemOf (node);
        if (subsystem == "usb" || subsystem == "mmc")
            return true;
    }

    return false;
}

bool isMediaMountPoint (const juce::String& path)
{
    return path.startsWith ("/media/") || path.startsWith ("/run/media/");
}
} // namespace

std::vector<RemovableDrive> findRemovableDrives (const RemovableDriveRoots& roots)
{
    std::vector<RemovableDrive> drives;

    std::unique_ptr<libmnt_table, TableDeleter> table (mnt_new_table());
    std::unique_ptr<libmnt_iter, IterDeleter> iter (mnt_new_iter (MNT_ITER_FORWARD));
    if (table == nullptr || iter == nullptr
        || mnt_table_parse_file (table.get(), roots.mountTable.getFullPathName().toRawUTF8()) != 0)
        return drives;

    const auto sysfs = resolved (roots.sysfs);
    libmnt_fs* fs = nullptr;

    while (mnt_table_next_fs (table.get(), iter.get(), &fs) == 0)
    {
        const char* target = mnt_fs_get_target (fs);
        if (target == nullptr || mnt_fs_is_pseudofs (fs) || mnt_fs_is_netfs (fs))
            continue;

        const auto mountPoint = juce::String::fromUTF8 (target);
        if (! juce::File::isAbsolutePath (mountPoint) || mountPoint == "/")
            continue;

        if (isMediaMountPoint (mountPoint)
            || isOnRemovableDevice (sysfs, deviceFolder (sysfs, mnt_fs_get_devno (fs), mnt_fs_get_srcpath (fs))))
        {
            const juce::File file (mountPoint);
            drives.push_back ({ file, file.getFileName() });
        }
    }

    std::sort (drives.begin(), drives.end(), [] (const RemovableDrive& a, const RemovableDrive& b)
               { return a.mountPoint.getFullPathName() < b.mountPoint.getFullPathName(); });

    // A mount point mounted over again is still one drive.
    drives.erase (std::unique (drives.begin(), drives.end()), drives.end());
    return drives;
}

bool isRemovableDriveMounted (const juce::File& mountPoint, const RemovableDriveRoots& roots)
{
    const auto drives = findRemovableDrives (roots);
    return std::any_of (drives.begin(), drives.end(), [&] (const RemovableDrive& d) { return d.mountPoint == mountPoint; });
}
