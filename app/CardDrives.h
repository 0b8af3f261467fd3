#pragma once

#include "core/transfer/RemovableDrives.h"

#include <functional>
#include <vector>

/** A drive that a card can be on, as the Export and Import panels list it: the drive is known by its
    mount point, and shown by its label. */
using CardDrive = RemovableDrive;

/** Lists the removable drives present now, in the order the panels show them. The window asks it
    each time a panel opens; tests give drives of their own. */
using CardDriveLister = std::function<std::vector<CardDrive>()>;

/** How the window's remembered card drive meets the drives present when a panel opens. */
namespace CardDrives
{
    /** The item a panel selects: the remembered drive's; the first drive when the remembered one is
        gone or none is remembered, so that OK never acts on a drive the user did not see; -1 when
        there is no drive at all. */
    int itemFor (const std::vector<CardDrive>& drives, const juce::File& remembered);

    /** The mount point of an item; File() for an item outside the list. */
    juce::File mountPointOf (const std::vector<CardDrive>& drives, int item);

    /** Whether a drive of the list is mounted at mountPoint. */
    bool isListed (const std::vector<CardDrive>& drives, const juce::File& mountPoint);

    /** The removable drives of this system (findRemovableDrives). */
    std::vector<CardDrive> listSystemDrives();
}
