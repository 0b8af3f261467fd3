#include "core/DocumentXmlText.h"

#include <limits>
#include <string_view>
#include <vector>

namespace
{
/** No document of ours comes near this; it keeps a hostile text from becoming millions of elements. */
constexpr int maximumElements = 100000;

bool isBlank (char c) noexcept           { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool isAsciiDigit (char c) noexcept      { return c >= '0' && c <= '9'; }
bool isAsciiHexDigit (char c) noexcept   { return isAsciiDigit (c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

/** The framework's identifier characters, ASCII only. */
bool isNameChar (char c) noexcept
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || isAsciiDigit (c)
        || c == '_' || c == ':' || c == '.' || c == '-';
}

/** One pass over the bytes with an explicit stack of open elements: it ends on every input. */
class WellFormedScan
{
public:
    WellFormedScan (const char* start, size_t size) : text (start, size) {}

    bool run()
    {
        skipBlanks();

        if (startsWith ("<?xml") && ! skipPast ("?>"))
            return false;

        return skipMisc() && rootElement() && skipMisc() && pos == text.size();
    }

private:
    std::string_view text;
    size_t pos = 0;
    int numElements = 0;
    std::vector<std::string_view> open;

    bool atEnd() const noexcept                  { return pos >= text.size(); }
    char current() const noexcept                { return text[pos]; }
    bool startsWith (std::string_view s) const   { return text.substr (pos, s.size()) == s; }

    bool skipBlanks()
    {
        const auto start = pos;
        while (! atEnd() && isBlank (current()))
            ++pos;
        return pos > start;
    }

    bool skipPast (std::string_view s)
    {
        const auto at = text.find (s, pos);
        if (at == std::string_view::npos)
            return false;
        pos = at + s.size();
        return true;
    }

    /** Blank space and comments, before and after the root. */
    bool skipMisc()
    {
        for (;;)
        {
            skipBlanks();

            if (! startsWith ("<!--"))
                return true;

            pos += 4;
            if (! skipPast ("-->"))
                return false;
        }
    }

    bool name (std::string_view& result)
    {
        const auto start = pos;
        while (! atEnd() && isNameChar (current()))
            ++pos;
        result = text.substr (start, pos - start);
        return pos > start;
    }

    bool expect (char c)
    {
        if (atEnd() || current() != c)
            return false;
        ++pos;
        return true;
    }

    bool digits (bool hex, size_t maxDigits)
    {
        const auto start = pos;
        while (! atEnd() && (hex ? isAsciiHexDigit (current()) : isAsciiDigit (current())))
            ++pos;
        return pos > start && pos - start <= maxDigits;
    }

    /** '&' and what the framework reads completely: the five named entities in any letter case, or
        a character number of up to 12 decimal or 8 hexadecimal digits; always with its ';'. */
    bool reference()
    {
        ++pos;

        if (startsWith ("#x") || startsWith ("#X"))
        {
            pos += 2;
            return digits (true, 8) && expect (';');
        }

        if (startsWith ("#"))
        {
            ++pos;
            return digits (false, 12) && expect (';');
        }

        for (std::string_view named : { "amp;", "lt;", "gt;", "quot;", "apos;" })
        {
            const auto candidate = text.substr (pos, named.size());
            bool same = candidate.size() == named.size();

            for (size_t i = 0; same && i < named.size(); ++i)
                same = juce::CharacterFunctions::toLowerCase ((juce::juce_wchar) candidate[i]) == (juce::juce_wchar) named[i];

            if (same)
            {
                pos += named.size();
                return true;
            }
        }

        return false;
    }

    bool attribute()
    {
        std::string_view attributeName;
        if (! name (attributeName))
            return false;

        skipBlanks();
        if (! expect ('='))
            return false;
        skipBlanks();

        if (atEnd() || (current() != '"' && current() != '\''))
            return false;

        const char quote = current();
        ++pos;

        while (! atEnd() && current() != quote)
        {
            if (current() == '<')
                return false;
            if (current() == '&')
            {
                if (! reference())
                    return false;
            }
            else
            {
                ++pos;
            }
        }

        return expect (quote);
    }

    /** From '<': the name, attributes separated by blanks, then "/>" or '>' (which opens it). */
    bool startTag()
    {
        ++pos;
        std::string_view tagName;
        if (! name (tagName) || ++numElements > maximumElements)
            return false;

        for (;;)
        {
            const bool blank = skipBlanks();

            if (startsWith ("/>"))
            {
                pos += 2;
                return true;
            }

            if (startsWith (">"))
            {
                ++pos;
                if ((int) open.size() >= DocumentXmlText::maximumDepth)
                    return false;
                open.push_back (tagName);
                return true;
            }

            if (! blank || ! attribute())
                return false;
        }
    }

    bool endTag()
    {
        pos += 2;
        std::string_view tagName;
        if (! name (tagName) || tagName != open.back())
            return false;
        skipBlanks();
        open.pop_back();
        return expect ('>');
    }

    bool rootElement()
    {
        if (! startsWith ("<") || ! startTag())
            return false;

        while (! open.empty())
        {
            if (atEnd())
                return false;

            const char c = current();
            bool ok = true;

            if (c == '&')
                ok = reference();
            else if (c != '<')
                ++pos;
            else if (startsWith ("</"))
                ok = endTag();
            else if (startsWith ("<!--"))
                ok = (pos += 4, skipPast ("-->"));
            else if (startsWith ("<![CDATA["))
                ok = (pos += 9, skipPast ("]]>"));
            else
                ok = startTag();    // "<?" and other "<!" fail here: no name follows

            if (! ok)
                return false;
        }

        return true;
    }
};

/** A text node's content as the framework wrote it, with the characters no reader gives back. */
void appendTextContent (std::string& out, std::string_view content)
{
    for (size_t i = 0; i < content.size(); ++i)
    {
        const char c = content[i];

        if (c == '\r')
            out += "&#13;";
        else if (i == 0 && c == ' ')
            out += "&#32;";
        else if (i == 0 && c == '\n')
            out += "&#10;";
        else
            out += c;
    }
}
} // namespace

bool DocumentXmlText::isValidUtf8 (const char* data, size_t numBytes) noexcept
{
    auto* bytes = reinterpret_cast<const unsigned char*> (data);
    size_t i = 0;

    while (i < numBytes)
    {
        const unsigned lead = bytes[i];

        if (lead == 0)
            return false;

        if (lead < 0x80)
        {
            ++i;
            continue;
        }

        size_t extra;
        unsigned low = 0x80, high = 0xbf;   // allowed range of the second byte

        if (lead >= 0xc2 && lead <= 0xdf)       extra = 1;
        else if (lead >= 0xe0 && lead <= 0xef)  extra = 2, low = lead == 0xe0 ? 0xa0 : 0x80, high = lead == 0xed ? 0x9f : 0xbf;
        else if (lead >= 0xf0 && lead <= 0xf4)  extra = 3, low = lead == 0xf0 ? 0x90 : 0x80, high = lead == 0xf4 ? 0x8f : 0xbf;
        else                                    return false;

        if (numBytes - i <= extra || bytes[i + 1] < low || bytes[i + 1] > high)
            return false;

        for (size_t k = 2; k <= extra; ++k)
            if ((bytes[i + k] & 0xc0) != 0x80)
                return false;

        i += extra + 1;
    }

    return true;
}

bool DocumentXmlText::isWellFormed (const char* utf8, size_t numBytes)
{
    return utf8 != nullptr && WellFormedScan (utf8, numBytes).run();
}

std::unique_ptr<juce::XmlElement> DocumentXmlText::read (const char* utf8, size_t numBytes)
{
    if (utf8 == nullptr || numBytes > (size_t) std::numeric_limits<int>::max()
         || ! isValidUtf8 (utf8, numBytes) || ! isWellFormed (utf8, numBytes))
        return nullptr;

    juce::XmlDocument document (juce::String::fromUTF8 (utf8, (int) numBytes));
    document.setEmptyTextElementsIgnored (false);
    return document.getDocumentElement();
}

std::unique_ptr<juce::XmlElement> DocumentXmlText::read (const juce::String& text)
{
    // The stored bytes as they are: a count made by decoding them would pass over damaged ones.
    const std::string_view bytes (text.toRawUTF8());
    return read (bytes.data(), bytes.size());
}

juce::String DocumentXmlText::write (const juce::XmlElement& element, const juce::XmlElement::TextFormat& format)
{
    juce::MemoryOutputStream stream;
    element.writeTo (stream, format);
    const std::string_view raw (static_cast<const char*> (stream.getData()), stream.getDataSize());

    std::string out;
    out.reserve (raw.size() + 64);
    size_t i = 0;

    // The framework writes an element holding only text as <Name ...>text</Name>, with every '<'
    // and '>' inside attributes and text escaped: so a start tag's '>' followed by content up to
    // "</" marks exactly one text node.
    while (i < raw.size())
    {
        const bool startTag = raw[i] == '<' && i + 1 < raw.size() && isNameChar (raw[i + 1]);
        const auto tagEnd = startTag ? raw.find ('>', i) : std::string_view::npos;

        if (tagEnd == std::string_view::npos)
        {
            out += raw[i++];
            continue;
        }

        out.append (raw.substr (i, tagEnd + 1 - i));
        i = tagEnd + 1;

        if (raw[tagEnd - 1] == '/')
            continue;

        const auto contentEnd = raw.find ('<', i);
        if (contentEnd != std::string_view::npos && raw.substr (contentEnd, 2) == "</")
        {
            appendTextContent (out, raw.substr (i, contentEnd - i));
            i = contentEnd;
        }
    }

    return juce::String::fromUTF8 (out.data(), (int) out.size());
}
