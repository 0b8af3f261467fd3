// The document reader: bytes as a "*.RSD" file's content, and the checked XML reader on the raw bytes.
#include "core/DocumentXml.h"
#include "core/DocumentXmlText.h"
#include "FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput (const uint8_t* data, size_t size)
{
    if (size > (size_t) std::numeric_limits<int>::max())
        return 0;

    // The framework's own conversion, as loading a file does it.
    auto document = FuzzSupport::resetDocument();
    const int result = parseSettingsText (*document, juce::String::createStringFromData (data, (int) size));
    FUZZ_CHECK (result >= settingsReadOk && result <= settingsNoSecondPart);

    // A text the check passes is one the framework's parser reads.
    const auto* bytes = reinterpret_cast<const char*> (data);
    const auto element = DocumentXmlText::read (bytes, size);
    FUZZ_CHECK ((element != nullptr) == (DocumentXmlText::isValidUtf8 (bytes, size) && DocumentXmlText::isWellFormed (bytes, size)));

    // What was read, written again and read back, is the same document.
    if (result == settingsReadOk || result == settingsNoSecondPart)
    {
        const auto text = createSettingsText (*document, *document, { false, true });
        auto again = FuzzSupport::resetDocument();
        FUZZ_CHECK (parseSettingsText (*again, text) == settingsReadOk);
        FUZZ_CHECK (FuzzSupport::carriesTheSame (*document, *again));
    }

    return 0;
}
