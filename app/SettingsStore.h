#pragma once

#include "core/BodyColor.h"
#include "core/DeviceSettings.h"
#include "widgets/UiLanguage.h"

#include <juce_data_structures/juce_data_structures.h>

/** Everything the settings file keeps besides the document, as the program uses it. The defaults are
    those of a first start. */
struct StoredSettings
{
    bool restoreWindows = true;             // isRestoreWindowsSize
    juce::String mainWindowState;           // lastMainWindowPos
    juce::String effectBrowserState;        // lastEffectBrowserPos
    bool effectBrowserAtStartup = false;    // isOnEffectBrowserAtStartup
    juce::String lastFilePath;
    juce::String lastWavFilePath;
    juce::String lastMirocratePath;
    bool importEffects = true;              // doImportEffectParameter
    bool importSamples = false;             // doImportSampleData
    bool exportEffects = true;              // doExportEffectParameter
    bool exportSamples = false;             // doExportSampleData
    bool restoreDocument = true;            // isRestoreCustomizeParameter
    UiLanguage language = UiLanguage::english;
    BodyColor bodyColor = BodyColor::black;
    BodyColorMode bodyColorMode = BodyColorMode::followUnit;

    bool operator== (const StoredSettings&) const;
    bool operator!= (const StoredSettings& other) const { return ! operator== (other); }
};

/** The settings file: the user's choices and the last edited document, kept between runs.

    The file is in the framework's XML properties format, but the store reads and writes it itself:
    the framework's writer stores any string that parses as XML as an element (and loses text after
    it), and its reader takes the file's bytes unchecked. Here every string is an attribute and comes
    back byte for byte, and the stored document comes back exactly as it was written.

    Opening never trusts the file: one that is not UTF-8, not well-formed, or whose stored values mix
    text with elements, is moved aside with a ".damaged" suffix and the program starts with the
    defaults; values outside their range read as their defaults.
*/
class SettingsStore
{
public:
    /** Key names as the file stores them, in the order they are written. */
    struct Keys
    {
        static constexpr const char* lastMainWindowPos = "lastMainWindowPos";
        static constexpr const char* lastEffectBrowserPos = "lastEffectBrowserPos";
        static constexpr const char* lastFilePath = "lastFilePath";
        static constexpr const char* lastWavFilePath = "lastWavFilePath";
        static constexpr const char* lastMirocratePath = "lastMirocratePath";
        static constexpr const char* doImportEffectParameter = "doImportEffectParameter";
        static constexpr const char* doImportSampleData = "doImportSampleData";
        static constexpr const char* doExportEffectParameter = "doExportEffectParameter";
        static constexpr const char* doExportSampleData = "doExportSampleData";
        static constexpr const char* isOnEffectBrowserAtStartup = "isOnEffectBrowserAtStartup";
        static constexpr const char* isRestoreCustomizeParameter = "isRestoreCustomizeParameter";
        static constexpr const char* isRestoreWindowsSize = "isRestoreWindowsSize";
        static constexpr const char* messageLanguage = "messageLanguage";
        static constexpr const char* bodyColor = "bodyColor";
        static constexpr const char* bodyColorMode = "bodyColorMode";
        static constexpr const char* currentSettings = "currentSettings";
        static constexpr const char* currentSettings2 = "currentSettings2";
    };

    /** All 17 keys in the order they are written at quit. */
    static juce::StringArray keysInWritingOrder();

    /** <application data>/Corvane/tessalin/tessalin.settings. */
    static juce::File defaultFile();

    /** The framework's options for this file; they name and place it. */
    static juce::PropertiesFile::Options options();

    /** Whether a file can be read as a settings file; false for one that opening sets aside. A
        missing file is fine. */
    static bool isSafeToRead (const juce::File& file);

    /** Opens (or prepares to create) the settings file, first moving a damaged one aside. */
    explicit SettingsStore (const juce::File& file);
    ~SettingsStore();

    const juce::File& getFile() const noexcept               { return file; }

    /** Where a damaged file was moved when this store opened it; File() when nothing was moved. */
    const juce::File& getSetAsideFile() const noexcept       { return setAsideFile; }

    /** The stored values; missing keys give the defaults, values out of range are corrected. */
    StoredSettings read() const;

    /** Replaces the whole file's content with these values and the document (both parts, with
        every sampler slot), in the fixed key order, and writes it to disk at once. False when the
        file could not be written, or when a damaged file could not be moved out of the way. */
    bool write (const StoredSettings& settings, const DeviceSettings& document);

    enum class PartOutcome
    {
        absent,
        applied,
        rejected    // present but not readable: the document was left exactly as it was
    };

    /** Reads the stored "1.0" part (part 0) or "1.1" part (part 1) into the document. The part is
        read into a copy first and taken over only when it reads without any fault, so a damaged
        or foreign element never leaves half of itself behind. */
    PartOutcome readDocumentPart (DeviceSettings& document, int part) const;

    /** The start-up restore of the last document: each stored part that reads is applied, the
        sample files its slots name are looked up at their stored paths, and the last-sent copy
        follows. Returns false when a sample file could not be found. */
    bool restoreDocument (DeviceSettings& current, DeviceSettings& lastSent) const;

private:
    juce::File file, setAsideFile;
    bool fileMayBeWritten = true;
    juce::PropertySet values { false };
    std::unique_ptr<juce::XmlElement> documentParts[2];     // "1.0" and "1.1" as stored

    void takeStoredValues (const juce::XmlElement& root);
    bool writeFile() const;

    JUCE_DECLARE_NON_COPYABLE (SettingsStore)
};
