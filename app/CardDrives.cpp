#include "app/CardDrives.h"

#include <algorithm>

namespace CardDrives
{
int itemFor (const std::vector<CardDrive>& drives, const juce::File& remembered)
{
    if (drives.empty())
        return -1;

    for (size_t i = 0; i < drives.size(); ++i)
        if (remembered != juce::File() && drives[i].mountPoint == remembered)
            return (int) i;

    return 0;
}

juce::File mountPointOf (const std::vector<CardDrive>& drives, int item)
{
    return juce::isPositiveAndBelow (item, (int) drives.size()) ? drives[(size_t) item].mountPoint : juce::File();
}

bool isListed (const std::vector<CardDrive>& drives, const juce::File& mountPoint)
{
    return mountPoint != juce::File()
        && std::any_of (drives.begin(), drives.end(), [&] (const CardDrive& d) { return d.mountPoint == mountPoint; });
}

std::vector<CardDrive> listSystemDrives()
{
    return findRemovableDrives();
}
} // namespace CardDrives
