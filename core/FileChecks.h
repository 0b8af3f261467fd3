#pragma once

#include <juce_core/juce_core.h>

namespace FileChecks
{
    /** True only for an existing regular file (after following links): a FIFO or device node with a
        document's or a sample's name must never be opened, as reading it could block forever. */
    bool isRegularFile (const juce::File& file);
}
