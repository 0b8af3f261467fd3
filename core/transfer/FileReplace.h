#pragma once

#include <juce_core/juce_core.h>

/** Replacing a file so that whatever happens, the target holds either its old content or the whole
    new content: the new content goes to a fresh hidden file in the target's folder, is forced to the
    medium, and only then renamed over the target. A failure removes the fresh file again.

    Every write is checked, so a full or failing medium is always reported, and the result is false
    when anything went wrong. */
namespace FileReplace
{
    bool replaceWithData (const juce::File& target, const void* data, size_t numBytes);

    /** source must be a regular file; it is read to its end. */
    bool replaceWithCopyOf (const juce::File& target, const juce::File& source);
}
