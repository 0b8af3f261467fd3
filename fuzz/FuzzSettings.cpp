// The settings-file reader: bytes as the settings file found at start-up.
#include "FuzzCheck.h"
#include "app/SettingsStore.h"

#include <unistd.h>

namespace
{
/** Strings the format can carry: code points up to U+10FFFF. A character reference past that (from
    a hostile file) makes a string that no writer can give back; it is not compared. */
bool representable (const juce::String& s)
{
    for (auto p = s.getCharPointer(); ! p.isEmpty();)
        if ((juce::uint32) p.getAndAdvance() > 0x10ffff)
            return false;
    return true;
}

bool sameStrings (const juce::String& a, const juce::String& b)
{
    return ! representable (a) || a == b;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput (const uint8_t* data, size_t size)
{
    // In memory when the system has it: the store syncs what it writes, and a disk makes that slow.
    static const auto folder = (juce::File ("/dev/shm").isDirectory() ? juce::File ("/dev/shm")
                                                                       : juce::File::getSpecialLocation (juce::File::tempDirectory))
                                   .getChildFile ("tessalin-fuzz-settings-" + juce::String ((int) ::getpid()));
    folder.deleteRecursively();
    folder.createDirectory();
    const auto file = folder.getChildFile ("tessalin.settings");
    FUZZ_CHECK (file.replaceWithData (data, size));

    StoredSettings settings;
    auto document = FuzzSupport::resetDocument();
    {
        SettingsStore store (file);
        settings = store.read();
        store.readDocumentPart (*document, 0);
        store.readDocumentPart (*document, 1);
        FUZZ_CHECK (store.write (settings, *document));
    }

    // Written at quit, everything comes back at the next start.
    SettingsStore reopened (file);
    FUZZ_CHECK (reopened.getSetAsideFile() == juce::File());
    const auto read = reopened.read();
    FUZZ_CHECK (read.restoreWindows == settings.restoreWindows && read.language == settings.language
                && read.bodyColor == settings.bodyColor && read.bodyColorMode == settings.bodyColorMode
                && read.importEffects == settings.importEffects && read.importSamples == settings.importSamples
                && read.exportEffects == settings.exportEffects && read.exportSamples == settings.exportSamples
                && read.restoreDocument == settings.restoreDocument
                && read.effectBrowserAtStartup == settings.effectBrowserAtStartup);
    FUZZ_CHECK (sameStrings (read.mainWindowState, settings.mainWindowState)
                && sameStrings (read.effectBrowserState, settings.effectBrowserState)
                && sameStrings (read.lastFilePath, settings.lastFilePath)
                && sameStrings (read.lastWavFilePath, settings.lastWavFilePath)
                && sameStrings (read.lastMirocratePath, settings.lastMirocratePath));

    auto again = FuzzSupport::resetDocument();
    FUZZ_CHECK (reopened.readDocumentPart (*again, 0) == SettingsStore::PartOutcome::applied);
    FUZZ_CHECK (reopened.readDocumentPart (*again, 1) == SettingsStore::PartOutcome::applied);
    FUZZ_CHECK (FuzzSupport::carriesTheSame (*document, *again));
    return 0;
}
