#pragma once

#include <juce_core/juce_core.h>

/** XML text as documents, the settings file and the unit carry it.

    Reading takes only well-formed XML in UTF-8: the framework's parser loops for ever or reads past
    the end of its input on some malformed texts (a processing instruction before text inside an
    element, bytes that are not UTF-8, an unterminated character reference), so every text is checked
    by a plain linear scan first and handed to the parser only when it passes. Nothing this program
    writes is refused.

    Writing keeps the framework's layout but puts a carriage return, and blank space at the start of
    a text, as character references: written raw, any XML reader turns the one into a line feed and
    drops the other, so a path would not come back as it was.
*/
class DocumentXmlText
{
public:
    /** Elements nested deeper than this are refused: documents nest six deep, and the parser
        recurses once per level. */
    static constexpr int maximumDepth = 32;

    /** The root element of a checked text, or null when the text is not well-formed. Character
        references and characters of any value are data and pass; structure must be sound: matched
        tags, quoted attributes, the five named entities only, no document type, no processing
        instruction but a leading XML declaration. Text that is only blank space is kept. */
    static std::unique_ptr<juce::XmlElement> read (const juce::String& text);
    static std::unique_ptr<juce::XmlElement> read (const char* utf8, size_t numBytes);

    /** The element as text in the given format, with the references described above. */
    static juce::String write (const juce::XmlElement& element, const juce::XmlElement::TextFormat& format);

    /** Strict UTF-8: no overlong forms, no surrogates, nothing past U+10FFFF, no zero byte. */
    static bool isValidUtf8 (const char* data, size_t numBytes) noexcept;

    /** The structure check alone, on text already known to be valid UTF-8. */
    static bool isWellFormed (const char* utf8, size_t numBytes);
};
