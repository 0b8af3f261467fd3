#pragma once

#include "core/BodyColor.h"
#include "widgets/UiLanguage.h"

#include <ostream>

/** Any integer as a language value, one of the twelve or not: the texts and fonts must also take a
    stray value made from a bad integer. */
constexpr UiLanguage languageAt (int index) noexcept
{
    return static_cast<UiLanguage> (index);
}

// GoogleTest and the failure messages print the program's enums by their stored values.
inline std::ostream& operator<< (std::ostream& os, UiLanguage language)
{
    return os << "language " << uiLanguageIndex (language);
}

inline std::ostream& operator<< (std::ostream& os, BodyColor color)
{
    return os << "body colour " << static_cast<int> (color);
}

inline std::ostream& operator<< (std::ostream& os, BodyColorMode mode)
{
    return os << "body-colour mode " << static_cast<int> (mode);
}
