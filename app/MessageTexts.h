#pragma once

#include "app/LocalisedText.h"
#include "core/UserMessage.h"

/** The table of a message in all twelve languages. A value outside the enum (a programming error)
    gives an empty table rather than reading past the tables. */
const LocalisedText& messageText (UserMessage message) noexcept;

/** Replaces each "%s" of a pattern, left to right, by the next replacement, as plain text.

    The replacements are never read as a format: a "%" or "%s" inside one is copied as it stands and
    is not replaced again. A "%s" left over once the replacements run out stays as it is.
*/
juce::String fillPlaceholders (const juce::String& pattern, const juce::StringArray& replacements);

/** The Version message in a language, filled with the program's version and the unit's version text. */
juce::String versionMessage (UiLanguage language, const juce::String& programVersion, const juce::String& unitVersion);
