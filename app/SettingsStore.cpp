#include "app/SettingsStore.h"

#include "app/ApplicationInfo.h"
#include "app/LocalisedText.h"
#include "core/DocumentXml.h"
#include "core/DocumentXmlText.h"
#include "core/FileChecks.h"
#include "core/transfer/DocumentFiles.h"

#include <cstring>

namespace
{
constexpr const char* damagedSuffix = ".damaged";

// The framework's names in its XML properties format.
constexpr const char* fileTag = "PROPERTIES";
constexpr const char* valueTag = "VALUE";
constexpr const char* nameAttribute = "name";
constexpr const char* valueAttribute = "val";

/** Two documents and a few strings take far less; anything larger is not our file. */
constexpr juce::int64 maximumFileBytes = 16 * 1024 * 1024;

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

/** What opening finds: nothing, a readable file's root, or a file that exists but cannot be read. */
struct StoredFile
{
    bool damaged = false;
    std::unique_ptr<juce::XmlElement> root;
};

StoredFile readStoredFile (const juce::File& file)
{
    StoredFile stored;
    if (! file.exists())
        return stored;

    stored.damaged = true;

    // A folder, a FIFO or a device node in the settings file's place is not a settings file; reading
    // a FIFO would block the start for ever.
    juce::MemoryBlock data;
    if (! FileChecks::isRegularFile (file) || file.getSize() > maximumFileBytes || ! file.loadFileAsData (data))
        return stored;

    auto* bytes = static_cast<const char*> (data.getData());
    auto size = data.getSize();

    if (size >= 3 && std::memcmp (bytes, "\xef\xbb\xbf", 3) == 0)    // a byte-order mark, as the framework allows
    {
        bytes += 3;
        size -= 3;
    }

    auto root = DocumentXmlText::read (bytes, size);
    if (root == nullptr || mixesTextAndElements (*root))
        return stored;

    stored.damaged = false;
    stored.root = std::move (root);
    return stored;
}

const juce::XmlElement* firstChildElement (const juce::XmlElement& element)
{
    for (auto* child : element.getChildIterator())
        if (! child->isTextElement())
            return child;
    return nullptr;
}

int documentPartOf (const juce::String& key)
{
    return key == SettingsStore::Keys::currentSettings ? 0 : key == SettingsStore::Keys::currentSettings2 ? 1 : -1;
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
    return ! readStoredFile (file).damaged;
}

SettingsStore::SettingsStore (const juce::File& settingsFile)
    : file (settingsFile)
{
    auto stored = readStoredFile (file);

    if (stored.damaged)
    {
        // Kept, not deleted: it may still hold something the user wants back.
        auto target = file.getSiblingFile (file.getFileName() + damagedSuffix);
        if (target.exists())
            target = target.getNonexistentSibling (false);

        if (file.moveFileTo (target))
            setAsideFile = target;
        else
            fileMayBeWritten = false;   // cannot move it: start with the defaults and leave it alone
    }
    else
    {
        file.getParentDirectory().createDirectory();
    }

    if (stored.root != nullptr && stored.root->hasTagName (fileTag))
        takeStoredValues (*stored.root);
}

SettingsStore::~SettingsStore() = default;

void SettingsStore::takeStoredValues (const juce::XmlElement& root)
{
    // As the framework reads its own files: a value stored as an element is that element's text.
    for (auto* e : root.getChildWithTagNameIterator (valueTag))
    {
        const auto key = e->getStringAttribute (nameAttribute);
        if (key.isEmpty())
            continue;

        auto* element = firstChildElement (*e);
        values.setValue (key, element != nullptr
                                  ? element->toString (juce::XmlElement::TextFormat().singleLine().withoutHeader())
                                  : e->getStringAttribute (valueAttribute));

        // The document is taken from the file's own element, not from that text: read again, the
        // text would turn a carriage return of a path into a line feed.
        const int part = documentPartOf (key);
        if (part >= 0)
            documentParts[part] = element != nullptr ? std::make_unique<juce::XmlElement> (*element)
                                                     : DocumentXmlText::read (e->getStringAttribute (valueAttribute));
    }
}

StoredSettings SettingsStore::read() const
{
    const StoredSettings defaults;
    const auto& p = values;
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
    auto& p = values;

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
    documentParts[0] = createSettingsElementV10 (document, document, internal);
    documentParts[1] = createSettingsElementV11 (document, document, internal);
    p.setValue (Keys::currentSettings, documentParts[0].get());
    p.setValue (Keys::currentSettings2, documentParts[1].get());

    // Written now rather than on a timer: whatever happens later during shutdown, the user's
    // settings are on disk.
    return fileMayBeWritten && writeFile();
}

bool SettingsStore::writeFile() const
{
    juce::XmlElement root (fileTag);

    for (const auto& key : keysInWritingOrder())
    {
        auto* e = root.createNewChildElement (valueTag);
        e->setAttribute (nameAttribute, key);

        const int part = documentPartOf (key);
        if (part >= 0)
            e->addChildElement (new juce::XmlElement (*documentParts[part]));
        else
            e->setAttribute (valueAttribute, values.getValue (key));
    }

    const auto text = DocumentXmlText::write (root, {});

    if (file.isDirectory() || ! file.getParentDirectory().createDirectory())
        return false;

    // Into a file beside it first, so that a failed write never leaves half a file.
    juce::TemporaryFile temporary (file);
    {
        juce::FileOutputStream out (temporary.getFile());
        if (! out.openedOk() || ! out.write (text.toRawUTF8(), text.getNumBytesAsUTF8()))
            return false;
        out.flush();
        if (out.getStatus().failed())
            return false;
    }

    return temporary.overwriteTargetFileWithTemporary();
}

SettingsStore::PartOutcome SettingsStore::readDocumentPart (DeviceSettings& document, int part) const
{
    const auto* element = documentParts[part == 0 ? 0 : 1].get();
    if (element == nullptr)
        return PartOutcome::absent;

    auto copy = std::make_unique<DeviceSettings> (document);
    const int result = part == 0 ? readSettingsElementV10 (*copy, element)
                                 : readSettingsElementV11 (*copy, element);

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
