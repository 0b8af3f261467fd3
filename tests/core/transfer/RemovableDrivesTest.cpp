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
    RemovableDriveRoots roots { holder.getFile().getChildFile ("mountinfo"), holder.getFile().getChildFile ("sys") };

    void SetUp() override
    {
        const juce::String usbDisk = "devices/pci0000:00/0000:00:14.0/usb1/1-1/1-1:1.0/host6/target6:0:0/6:0:0:0/block/sdb";
        const juce::String mmcCard = "devices/platform/soc/fe340000.mmc/mmc_host/mmc0/mmc0:aaaa";
        const juce::String sata = "devices/pci0000:00/0000:00:17.0/";

        addPartition ("8:17", usbDisk, "sdb1", false);
        link ("devices/pci0000:00/0000:00:14.0/usb1/1-1/subsystem", "../../../../bus/usb");
        link ("class/block/sdb1", "../../" + usbDisk + "/sdb1");
        addPartition ("179:1", mmcCard + "/block/mmcblk0", "mmcblk0p1", false);
        link (mmcCard + "/subsystem", "../../../../../../bus/mmc");
        addPartition ("8:33", sata + "ata2/host1/target1:0:0/1:0:0:0/block/sdc", "sdc1", true);
        for (const auto n : { "1", "2", "3" })
            addPartition (juce::String ("8:") + n, sata + "ata1/host0/target0:0:0/0:0:0:0/block/sda", juce::String ("sda") + n, false);
        link (sata + "ata1/subsystem", "../../../../bus/ata");
    }

    void TearDown() override { holder.getFile().deleteRecursively(); }

    void link (const juce::String& path, const juce::String& target)
    {
        const auto file = roots.sysfs.getChildFile (path);
        file.getParentDirectory().createDirectory();
        ASSERT_EQ (::symlink (target.toRawUTF8(), file.getFullPathName().toRawUTF8()), 0) << path;
    }

    /** A partition of a whole disk, reachable through its device number as in /sys/dev/block. */
    void addPartition (const juce::String& devno, const juce::String& disk, const juce::String& partition, bool removable)
    {
        const auto folder = roots.sysfs.getChildFile (disk);
        folder.getChildFile (partition).createDirectory();
        folder.getChildFile ("removable").replaceWithText (removable ? "1\n" : "0\n");
        folder.getChildFile (partition).getChildFile ("partition").replaceWithText ("1\n");
        link ("dev/block/" + devno, "../../" + disk + "/" + partition);
    }

    std::vector<juce::String> mountPoints (const juce::String& table)
    {
        roots.mountTable.replaceWithText (table, false, false, nullptr);
        std::vector<juce::String> paths;
        for (const auto& drive : findRemovableDrives (roots))
            paths.push_back (drive.mountPoint.getFullPathName() + " = " + drive.label);
        return paths;
    }
};
} // namespace

TEST_F (RemovableDrivesTest, ListsMountsOfRemovableUsbAndMmcDevicesInOrder)
{
    const auto drives = mountPoints (
        "22 1 8:2 / / rw,relatime shared:1 - ext4 /dev/sda2 rw\n"
        "23 22 0:21 / /proc rw,nosuid shared:12 - proc proc rw\n"
        "40 22 8:33 / /mnt/zip rw,relatime shared:30 - vfat /dev/sdc1 rw\n"
        "41 22 8:17 / /mnt/usb\\040stick\\011\\134x rw,nosuid,nodev shared:31 - vfat /dev/sdb1 rw\n"
        "42 22 8:1 / /mnt/data rw,relatime shared:32 - ext4 /dev/sda1 rw\n"
        "43 22 179:1 / /mnt/sd rw,relatime shared:33 - exfat /dev/mmcblk0p1 rw\n"
        "44 22 8:3 / /run/media/dj/Backup rw,relatime shared:34 - ext4 /dev/sda3 rw\n"
        "45 22 0:50 / /media/ram rw,relatime shared:35 - tmpfs tmpfs rw\n"
        "46 22 0:51 / /media/share rw,relatime shared:36 - nfs4 server:/export rw\n");

    const std::vector<juce::String> expected { "/mnt/sd = sd", "/mnt/usb stick\t\\x = usb stick\t\\x", "/mnt/zip = zip",
                                               "/run/media/dj/Backup = Backup" };
    EXPECT_EQ (drives, expected);
    EXPECT_TRUE (isRemovableDriveMounted (juce::File ("/mnt/sd"), roots));
    EXPECT_FALSE (isRemovableDriveMounted (juce::File ("/mnt/data"), roots));
}

TEST_F (RemovableDrivesTest, ReadsOlderTablesAndSurvivesMissingOnes)
{
    EXPECT_EQ (mountPoints ("/dev/sdb1 /mnt/stick vfat rw 0 0\n/dev/sdb1 / vfat rw 0 0\n/dev/sda1 /mnt/data ext4 rw 0 0\n"),
               std::vector<juce::String> { "/mnt/stick = stick" });

    roots.mountTable.deleteFile();
    EXPECT_TRUE (findRemovableDrives (roots).empty());
    EXPECT_FALSE (isRemovableDriveMounted (juce::File ("/mnt/stick"), roots));
}
