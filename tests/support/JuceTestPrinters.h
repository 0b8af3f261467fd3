#pragma once

#include <juce_core/juce_core.h>
#include <ostream>

namespace juce
{
// Lets GoogleTest print juce::String in failure messages.
inline void PrintTo (const String& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

inline void PrintTo (const StringArray& a, std::ostream* os)
{
    *os << '{';
    for (int i = 0; i < a.size(); ++i)
        *os << (i > 0 ? ", " : "") << '"' << a[i].toStdString() << '"';
    *os << '}';
}
} // namespace juce
