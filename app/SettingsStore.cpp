#include "app/SettingsStore.h"

#include "app/ApplicationInfo.h"
#include "app/LocalisedText.h"
#include "core/DocumentXml.h"
#include "core/FileChecks.h"
#include "core/transfer/DocumentFiles.h"

namespace
{
constexpr const char* damagedSuffix = ".damaged";

/** The framework writes an element that follows a text inside another element with a null line
    break and crashes, so a stored value whose element holds both text and elements must never
    reach it. */
bool mixesTextAndElements (const juce::XmlElement& element)
{
    bool hasText = false, hasElements = false;

    for (auto* child = element.getFirstChildElement(); child != nullptr; child = child->getNextElement())
    {
        if (child->isTextElement())
        {
            hasText = true;
        }
        else
        {
            hasElements = true;
            if (mixesTextAndElements (*child))
                return true;
        }
    }

    return hasText && hasElements;
}

// The file holds the enums' own values; one made from a stray integer is stored as its default.
int storedValue (UiLanguage language)    { return uiLanguageIndex (clampUiLanguage (language)); }
int storedValue (BodyColor color)        { return static_cast<int> (bodyColorFromInt (static_cast<int> (color))); }
int storedValue (BodyColorMode mode)     { return static_cast<int> (bodyColorModeFromInt (static_cast<int> (mode))); }
} // namespace

bool StoredSettings::operator== (const StoredSettings& o) const
{
    return restoreWindows == o.restoreWindows && mainWindowState == o.mainWindowState
        && effectBrowserState == o.effectBrowserState && effectBrowserAtStartup == o.effectBrowserAtStartup
        && lastFilePath == o.lastFilePath && lastWavFilePath == o.lastWavFilePath
        && lastMirocratePath == o.lastMirocratePath && importEffects == o.importEffects
        && importSamples == o.importSamples && exportEffects == o.exportEffects
        && exportSamples == o.exportSamples && restoreDocument == o.restoreDocument
        && language == o.language && bodyColor == o.bodyColor && bodyColorMode == o.bodyColorMode;
}

juce::StringArray SettingsStore::keysInWritingOrder()
{
    return { Keys::lastMainWindowPos, Keys::lastEffectBrowserPos, Keys::lastFilePath, Keys::lastWavFilePath,
             Keys::lastMirocratePath, Keys::doImportEffectParameter, Keys::doImportSampleData,
             Keys::doExportEffectParameter, Keys::doExportSampleData, Keys::isOnEffectBrowserAtStartup,
             Keys::isRestoreCustomizeParameter, Keys::isRestoreWindowsSize, Keys::messageLanguage,
             Keys::bodyColor, Keys::bodyColorMode, Keys::currentSettings, Keys::currentSettings2 };
}

juce::File SettingsStore::defaultFile()
{
    const auto o = options();
    return ApplicationInfo::userDataFolder().getChildFile (o.applicationName + "." + o.filenameSuffix);
}

juce::PropertiesFile::Options SettingsStore::options()
{
    juce::PropertiesFile::Options o;
    o.applicationName = ApplicationInfo::name;
    o.filenameSuffix = "settings";
    o.folderName = juce::String (ApplicationInfo::makerFolder) + "/" + ApplicationInfo::name;
    o.osxLibrarySubFolder = "Application Support";
    o.commonToAllUsers = false;
    o.ignoreCaseOfKeyNames = false;
    o.millisecondsBeforeSaving = 3000;
    o.storageFormat = juce::PropertiesFile::storeAsXML;
    o.processLock = nullptr;
    return o;
}

bool SettingsStore::isSafeToRead (const juce::File& file)
{
    if (! file.exists())
        return true;

    // A folder, a FIFO or a device node in the settings file's place is not a settings file; reading
    // a FIFO would block the start for ever.
    if (! FileChecks::isRegularFile (file))
        return false;

    const auto document = juce::XmlDocument::parse (file);
    return document != nullptr && ! mixesTextAndElements (*document);
}

SettingsStore::SettingsStore (const juce::File& settingsFile)
    : file (settingsFile)
{
    auto readable = file;

    if (! isSafeToRead (file))
    {
        // Kept, not deleted: it may still hold something the user wants back.
        auto target = file.getSiblingFile (file.getFileName() + damagedSuffix);
        if (target.exists())
            target = target.getNonexistentSibling (false);

        if (file.moveFileTo (target))
            setAsideFile = target;
        else
            readable = juce::File();    // cannot move it: start with the defaults and leave it alone
    }
    else
    {
        file.getParentDirectory().createDirectory();
    }

    properties = std::make_unique<juce::PropertiesFile> (readable, options());
}

SettingsStore::~SettingsStore()
{
    properties->saveIfNeeded();
}

StoredSettings SettingsStore::read() const
{
    const StoredSettings defaults;
    const auto& p = *properties;
    StoredSettings s;

    s.restoreWindows         = p.getBoolValue (Keys::isRestoreWindowsSize, defaults.restoreWindows);
    s.mainWindowState        = p.getValue (Keys::lastMainWindowPos, defaults.mainWindowState);
    s.effectBrowserState     = p.getValue (Keys::lastEffectBrowserPos, defaults.effectBrowserState);
    s.effectBrowserAtStartup = p.getBoolValue (Keys::isOnEffectBrowserAtStartup, defaults.effectBrowserAtStartup);
    s.lastFilePath           = p.getValue (Keys::lastFilePath, defaults.lastFilePath);
    s.lastWavFilePath        = p.getValue (Keys::lastWavFilePath, defaults.lastWavFilePath);
    s.lastMirocratePath      = p.getValue (Keys::lastMirocratePath, defaults.lastMirocratePath);
    s.importEffects          = p.getBoolValue (Keys::doImportEffectParameter, defaults.importEffects);
    s.importSamples          = p.getBoolValue (Keys::doImportSampleData, defaults.importSamples);
    s.exportEffects          = p.getBoolValue (Keys::doExportEffectParameter, defaults.exportEffects);
    s.exportSamples          = p.getBoolValue (Keys::doExportSampleData, defaults.exportSamples);
    s.restoreDocument        = p.getBoolValue (Keys::isRestoreCustomizeParameter, defaults.restoreDocument);
    s.language               = clampUiLanguage (p.getIntValue (Keys::messageLanguage, storedValue (defaults.language)));
    s.bodyColor              = bodyColorFromInt (p.getIntValue (Keys::bodyColor, storedValue (defaults.bodyColor)));
    s.bodyColorMode          = bodyColorModeFromInt (p.getIntValue (Keys::bodyColorMode, storedValue (defaults.bodyColorMode)));
    return s;
}

bool SettingsStore::write (const StoredSettings& s, const DeviceSettings& document)
{
    auto& p = *properties;

    // Starting from an empty set puts the keys in their fixed order and drops any key that is not ours.
    p.clear();
    p.setValue (Keys::lastMainWindowPos, s.mainWindowState);
    p.setValue (Keys::lastEffectBrowserPos, s.effectBrowserState);
    p.setValue (Keys::lastFilePath, s.lastFilePath);
    p.setValue (Keys::lastWavFilePath, s.lastWavFilePath);
    p.setValue (Keys::lastMirocratePath, s.lastMirocratePath);
    p.setValue (Keys::doImportEffectParameter, s.importEffects);
    p.setValue (Keys::doImportSampleData, s.importSamples);
    p.setValue (Keys::doExportEffectParameter, s.exportEffects);
    p.setValue (Keys::doExportSampleData, s.exportSamples);
    p.setValue (Keys::isOnEffectBrowserAtStartup, s.effectBrowserAtStartup);
    p.setValue (Keys::isRestoreCustomizeParameter, s.restoreDocument);
    p.setValue (Keys::isRestoreWindowsSize, s.restoreWindows);
    p.setValue (Keys::messageLanguage, storedValue (s.language));
    p.setValue (Keys::bodyColor, storedValue (s.bodyColor));
    p.setValue (Keys::bodyColorMode, storedValue (s.bodyColorMode));

    // The internal form keeps what only this program uses: every slot row, Loop and Bpm.
    const SettingsWriteFlags internal { false, true };
    const auto partV10 = createSettingsElementV10 (document, document, internal);
    const auto partV11 = createSettingsElementV11 (document, document, internal);
    p.setValue (Keys::currentSettings, partV10.get());
    p.setValue (Keys::currentSettings2, partV11.get());

    // Written now rather than by the framework's timer: whatever happens later during shutdown,
    // the user's settings are on disk.
    return p.saveIfNeeded();
}

SettingsStore::PartOutcome SettingsStore::readDocumentPart (DeviceSettings& document, int part) const
{
    const auto element = properties->getXmlValue (part == 0 ? Keys::currentSettings : Keys::currentSettings2);
    if (element == nullptr)
        return PartOutcome::absent;

    auto copy = std::make_unique<DeviceSettings> (document);
    const int result = part == 0 ? readSettingsElementV10 (*copy, element.get())
                                 : readSettingsElementV11 (*copy, element.get());

    if (result != settingsReadOk)
        return PartOutcome::rejected;

    document = *copy;
    return PartOutcome::applied;
}

bool SettingsStore::restoreDocument (DeviceSettings& current, DeviceSettings& lastSent) const
{
    bool allSamplesFound = true;

    for (int part = 0; part < 2; ++part)
    {
        if (readDocumentPart (current, part) != PartOutcome::applied)
            continue;

        allSamplesFound = DocumentFiles::loadSamplerWavFiles (current, juce::File()) && allSamplesFound;
        lastSent = current;
    }

    return allSamplesFound;
}
