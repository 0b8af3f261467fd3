#include "core/transfer/RemovableDrives.h"
#include "JuceTestPrinters.h"

#include <gtest/gtest.h>
#include <unistd.h>

namespace
{
/** A mount table and a kernel device tree laid out as Linux shows them, in a temporary folder. */
struct RemovableDrivesTest : ::testing::Test
{
    juce::TemporaryFile holder { juce::String(), juce::TemporaryFile::useHiddenFile };
    juce::File root;
    RemovableDriveRoots roots;

    void SetUp() override
    {
        root = holder.getFile();
        roots.sysfs = root.getChildFile ("sys");
        roots.mountTable = root.getChildFile ("mountinfo");

        addDisk ("8:17", "devices/pci0000:00/0000:00:14.0/usb1/1-1/1-1:1.0/host6/target6:0:0/6:0:0:0/block/sdb", "sdb1", false);
        link ("devices/pci0000:00/0000:00:14.0/usb1/1-1/subsystem", "../../../../bus/usb");
        link ("class/block/sdb1", "../../devices/pci0000:00/0000:00:14.0/usb1/1-1/1-1:1.0/host6/target6:0:0/6:0:0:0/block/sdb/sdb1");

        addDisk ("179:1", "devices/platform/soc/fe340000.mmc/mmc_host/mmc0/mmc0:aaaa/block/mmcblk0", "mmcblk0p1", false);
        link ("devices/platform/soc/fe340000.mmc/mmc_host/mmc0/mmc0:aaaa/subsystem", "../../../../../../bus/mmc");

        addDisk ("8:33", "devices/pci0000:00/0000:00:17.0/ata2/host1/target1:0:0/1:0:0:0/block/sdc", "sdc1", true);
        for (const auto partition : { "1", "2", "3" })
            addDisk (juce::String ("8:") + partition, "devices/pci0000:00/0000:00:17.0/ata1/host0/target0:0:0/0:0:0:0/block/sda",
                     juce::String ("sda") + partition, false);
        for (const auto node : { "devices/pci0000:00/0000:00:17.0/ata1", "devices/pci0000:00/0000:00:17.0/ata2" })
            link (juce::String (node) + "/subsystem", "../../../../bus/ata");
    }

    void TearDown() override { root.deleteRecursively(); }

    void link (const juce::String& path, const juce::String& target)
    {
        const auto file = roots.sysfs.getChildFile (path);
        file.getParentDirectory().createDirectory();
        ASSERT_EQ (::symlink (target.toRawUTF8(), file.getFullPathName().toRawUTF8()), 0) << path;
    }

    /** A partition of a whole disk, reachable through its device number as in /sys/dev/block. */
    void addDisk (const juce::String& devno, const juce::String& diskPath, const juce::String& partition, bool removable)
    {
        const auto disk = roots.sysfs.getChildFile (diskPath);
        disk.getChildFile (partition).createDirectory();
        disk.getChildFile ("removable").replaceWithText (removable ? "1\n" : "0\n");
        disk.getChildFile (partition).getChildFile ("partition").replaceWithText ("1\n");
        link ("dev/block/" + devno, "../../" + diskPath + "/" + partition);
    }

    std::vector<juce::String> mountPoints()
    {
        std::vector<juce::String> paths;
        for (const auto& drive : findRemovableDrives (roots))
            paths.push_back (drive.mountPoint.getFullPathName());
        return paths;
    }
};
} // namespace

TEST_F (RemovableDrivesTest, ListsMountsOfRemovableUsbAndMmcDevicesInOrder)
{
    roots.mountTable.replaceWithText (
        "22 1 8:2 / / rw,relatime shared:1 - ext4 /dev/sda2 rw\n"
        "23 22 0:21 / /proc rw,nosuid shared:12 - proc proc rw\n"
        "40 22 8:33 / /mnt/zip rw,relatime shared:30 - vfat /dev/sdc1 rw\n"
        "41 22 8:17 / /mnt/usb\\040stick\\011\\134x rw,nosuid,nodev shared:31 - vfat /dev/sdb1 rw\n"
        "42 22 8:1 / /mnt/data rw,relatime shared:32 - ext4 /dev/sda1 rw\n"
        "43 22 179:1 / /mnt/sd rw,relatime shared:33 - exfat /dev/mmcblk0p1 rw\n"
        "44 22 8:3 / /run/media/dj/Backup rw,relatime shared:34 - ext4 /dev/sda3 rw\n"
        "45 22 0:50 / /media/ram rw,relatime shared:35 - tmpfs tmpfs rw\n"
        "46 22 0:51 / /media/share rw,relatime shared:36 - nfs4 server:/export rw\n", false, false, nullptr);

    const auto drives = findRemovableDrives (roots);
    const std::vector<juce::String> expected { "/mnt/sd", "/mnt/usb stick\t\\x", "/mnt/zip", "/run/media/dj/Backup" };
    EXPECT_EQ (mountPoints(), expected);
    ASSERT_EQ (drives.size(), 4u);
    EXPECT_EQ (drives[1].label, "usb stick\t\\x");
    EXPECT_EQ (drives[3].label, "Backup");

    EXPECT_TRUE (isRemovableDriveMounted (juce::File ("/mnt/sd"), roots));
    EXPECT_FALSE (isRemovableDriveMounted (juce::File ("/mnt/data"), roots));

    // Pulled: the chosen drive is gone from the table.
    roots.mountTable.replaceWithText ("22 1 8:2 / / rw - ext4 /dev/sda2 rw\n", false, false, nullptr);
    EXPECT_FALSE (isRemovableDriveMounted (juce::File ("/mnt/sd"), roots));
}

TEST_F (RemovableDrivesTest, ReadsOlderTablesAndSurvivesMissingOnes)
{
    roots.mountTable.replaceWithText ("/dev/sdb1 /mnt/stick vfat rw,nosuid 0 0\n/dev/sdb1 / vfat rw 0 0\n/dev/sda1 /mnt/data ext4 rw 0 0\n",
                                      false, false, nullptr);
    EXPECT_EQ (mountPoints(), std::vector<juce::String> { "/mnt/stick" });

    roots.mountTable.deleteFile();
    EXPECT_TRUE (findRemovableDrives (roots).empty());
}
