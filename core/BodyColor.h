#pragma once

#include <optional>

/** The colour of the unit's body: what the unit reports, what the whole program draws, and what the
    settings file stores as "bodyColor" (these values). */
enum class BodyColor : int
{
    black = 0,
    white = 1,
    platinum = 2
};

constexpr int numBodyColors = 3;

/** How the body colour is chosen, as the Settings panel offers it and the settings file stores it
    ("bodyColorMode", these values): the unit's own colour ("Auto"), or one fixed colour. */
enum class BodyColorMode : int
{
    followUnit = 0,
    black = 1,
    white = 2,
    platinum = 3
};

constexpr int numBodyColorModes = 4;

/** A stored or handed-over value as a colour: 1 and 2 stay, anything else is black. */
constexpr BodyColor bodyColorFromInt (int value) noexcept
{
    return value == 1 || value == 2 ? static_cast<BodyColor> (value) : BodyColor::black;
}

/** A stored value as a mode: 0 to 3 stay, anything else follows the unit. */
constexpr BodyColorMode bodyColorModeFromInt (int value) noexcept
{
    return value >= 0 && value < numBodyColorModes ? static_cast<BodyColorMode> (value) : BodyColorMode::followUnit;
}

/** The colour a fixed mode sets; nothing for the mode that follows the unit (or any other value). */
constexpr std::optional<BodyColor> fixedColorOf (BodyColorMode mode) noexcept
{
    switch (mode)
    {
        case BodyColorMode::black:      return BodyColor::black;
        case BodyColorMode::white:      return BodyColor::white;
        case BodyColorMode::platinum:   return BodyColor::platinum;
        case BodyColorMode::followUnit: break;
    }

    return std::nullopt;
}
