#include "assets/EffectTreeText.h"

#include <cstring>

std::size_t EffectTreeText::size() noexcept
{
    return std::strlen (text);
}
