#pragma once

#include "app/PanelKind.h"
#include "app/SettingsStore.h"

/** What an overlay panel's controls show: its check boxes and the selected item of each combo box
    (-1 for none). Which of the window's choices go where is joined here, in one place, for opening
    a panel and for taking its values back on OK.

    | panel    | box 1               | box 2            | box 3            | combo 1         | combo 2  |
    |----------|---------------------|------------------|------------------|-----------------|----------|
    | Export   | export effects      | export samples   |                  | card drive      |          |
    | Import   | import effects      | import samples   |                  | card drive      |          |
    | Settings | browser at start    | restore document | restore windows  | body-colour mode| language |

    The card drive is known by its mount point (cardDrive); its item depends on the drives present
    when the panel opens, so the panel itself selects it: here combo 1 is -1.
*/
struct PanelValues
{
    bool box1 = false, box2 = false, box3 = false;
    int combo1 = -1, combo2 = -1;
    juce::File cardDrive;       // Export and Import: the drive chosen, File() for none

    /** The values a panel of that kind opens with. */
    static PanelValues forPanel (PanelKind kind, const StoredSettings& choices);

    /** Takes what a panel of that kind shows into the choices; a negative item reads as 0. */
    void storeInto (PanelKind kind, StoredSettings& choices) const;

    bool operator== (const PanelValues& other) const noexcept
    {
        return box1 == other.box1 && box2 == other.box2 && box3 == other.box3
            && combo1 == other.combo1 && combo2 == other.combo2 && cardDrive == other.cardDrive;
    }
};
