#pragma once

#include <juce_core/juce_core.h>
#include <ostream>

namespace juce
{
// Lets GoogleTest print juce::String in failure messages.
inline void PrintTo (const String& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
} // namespace juce
