#include "Deadline.h"
#include "app/SettingsStore.h"
#include "core/DocumentKeys.h"
#include "core/DocumentXml.h"
#include "core/DocumentXmlText.h"
#include "JuceTestPrinters.h"
#include "TestDocuments.h"
#include "TestEnums.h"

#include <gtest/gtest.h>
#include <cstring>
#include <vector>

namespace
{
using TestDocuments::sameBytes;
inline std::unique_ptr<DeviceSettings> factoryDocument() { return TestDocuments::resetDocument(); }

/** Every choice away from its default, texts that XML and UTF-8 must carry. */
StoredSettings unusualSettings()
{
    StoredSettings s;
    s.restoreWindows = false;
    s.mainWindowState = "fs 12 34 1100 800";
    s.effectBrowserState = "900 200 177 467";
    s.effectBrowserAtStartup = true;
    s.lastFilePath = juce::String::fromUTF8 ("/home/dj/Sets/\xc3\x9c" "ber & <Nacht> \"1\".RSD");
    s.lastWavFilePath = juce::String::fromUTF8 ("/home/dj/\xe6\x97\xa5\xe6\x9c\xac/kick.wav");
    s.lastMirocratePath = "/opt/corvane/mirocrate 3.1/mirocrate";
    s.importEffects = false;
    s.importSamples = true;
    s.exportEffects = false;
    s.exportSamples = true;
    s.restoreDocument = false;
    s.language = UiLanguage::japanese;
    s.bodyColor = BodyColor::platinum;
    s.bodyColorMode = BodyColorMode::platinum;
    return s;
}

struct SettingsStoreTest : ::testing::Test
{
    juce::TemporaryFile folderHolder { juce::String(), juce::TemporaryFile::useHiddenFile };
    juce::File folder;
    juce::File settingsFile;

    void SetUp() override
    {
        folder = folderHolder.getFile();
        ASSERT_TRUE (folder.createDirectory());
        settingsFile = folder.getChildFile ("Corvane/tessalin/tessalin.settings");
    }

    void TearDown() override { folder.deleteRecursively(); }

    void writeRaw (const juce::String& text)
    {
        settingsFile.getParentDirectory().createDirectory();
        ASSERT_TRUE (settingsFile.replaceWithText (text, false, false, "\n"));
    }

    static juce::String properties (const juce::String& values)
    {
        return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<PROPERTIES>\n" + values + "</PROPERTIES>\n";
    }

    static juce::String value (const juce::String& name, const juce::String& v)
    {
        return "  <VALUE name=\"" + name + "\" val=\"" + v + "\"/>\n";
    }

    juce::StringArray keysInFile() const
    {
        juce::StringArray keys;
        if (auto xml = juce::XmlDocument::parse (settingsFile))
            for (auto* e : xml->getChildWithTagNameIterator ("VALUE"))
                keys.add (e->getStringAttribute ("name"));
        return keys;
    }
};
} // namespace

TEST_F (SettingsStoreTest, FirstStartReadsTheDefaultsAndWritesNothing)
{
    SettingsStore store (settingsFile);
    EXPECT_EQ (store.read(), StoredSettings());

    const StoredSettings d;
    EXPECT_TRUE (d.restoreWindows && d.restoreDocument && d.importEffects && d.exportEffects);
    EXPECT_FALSE (d.effectBrowserAtStartup || d.importSamples || d.exportSamples);
    EXPECT_EQ (d.language, UiLanguage::english);
    EXPECT_EQ (d.bodyColor, BodyColor::black);
    EXPECT_EQ (d.bodyColorMode, BodyColorMode::followUnit);

    auto document = factoryDocument();
    const auto before = factoryDocument();
    EXPECT_EQ (store.readDocumentPart (*document, 0), SettingsStore::PartOutcome::absent);
    EXPECT_EQ (store.readDocumentPart (*document, 1), SettingsStore::PartOutcome::absent);
    EXPECT_TRUE (sameBytes (*document, *before));
    EXPECT_FALSE (store.getSetAsideFile().exists());
    EXPECT_FALSE (settingsFile.exists());
}

TEST_F (SettingsStoreTest, AllSeventeenKeysRoundTripInTheirOrder)
{
    const auto settings = unusualSettings();
    auto document = factoryDocument();
    document->isolateLock = 1;

    {
        SettingsStore store (settingsFile);
        ASSERT_TRUE (store.write (settings, *document));
    }

    EXPECT_EQ (keysInFile(), SettingsStore::keysInWritingOrder());
    EXPECT_EQ (keysInFile().size(), 17);

    SettingsStore reopened (settingsFile);
    EXPECT_EQ (reopened.read(), settings);

    // Writing again over a file in another order, with a key that is not ours, gives the same file.
    writeRaw (properties (value ("someOtherProgramsKey", "1") + value ("messageLanguage", "3")
                          + value ("lastMainWindowPos", "1 2 3 4")));
    {
        SettingsStore store (settingsFile);
        ASSERT_TRUE (store.write (settings, *document));
    }
    EXPECT_EQ (keysInFile(), SettingsStore::keysInWritingOrder());
    EXPECT_EQ (SettingsStore (settingsFile).read(), settings);
}

TEST_F (SettingsStoreTest, ValuesOutOfRangeReadAsTheirDefaults)
{
    struct Case { const char* language; const char* color; const char* mode; int expectedLanguage, expectedColor, expectedMode; };
    const Case cases[] = {
        { "12", "5", "7", 0, 0, 0 },
        { "-1", "-1", "-1", 0, 0, 0 },
        { "abc", "3", "4", 0, 0, 0 },
        { "11", "1", "3", 11, 1, 3 },
        { "7", "2", "1", 7, 2, 1 },
    };

    for (const auto& c : cases)
    {
        writeRaw (properties (value ("messageLanguage", c.language) + value ("bodyColor", c.color)
                              + value ("bodyColorMode", c.mode)));
        const auto read = SettingsStore (settingsFile).read();
        EXPECT_EQ (uiLanguageIndex (read.language), c.expectedLanguage) << c.language;
        EXPECT_EQ (static_cast<int> (read.bodyColor), c.expectedColor) << c.color;
        EXPECT_EQ (static_cast<int> (read.bodyColorMode), c.expectedMode) << c.mode;
    }

    // What was corrected is written corrected.
    writeRaw (properties (value ("messageLanguage", "12")));
    {
        SettingsStore store (settingsFile);
        auto settings = store.read();
        settings.language = languageAt (99);
        settings.bodyColorMode = static_cast<BodyColorMode> (9);
        ASSERT_TRUE (store.write (settings, *factoryDocument()));
    }
    auto xml = juce::XmlDocument::parse (settingsFile);
    ASSERT_NE (xml, nullptr);
    for (auto* e : xml->getChildWithTagNameIterator ("VALUE"))
    {
        if (e->getStringAttribute ("name") == "messageLanguage" || e->getStringAttribute ("name") == "bodyColorMode")
        {
            EXPECT_EQ (e->getStringAttribute ("val"), "0");
        }
    }
}

TEST_F (SettingsStoreTest, DamagedFilesAreMovedAsideAndKept)
{
    const juce::String damaged[] = {
        // A stored document with text before its elements: the framework's reader would crash on it.
        properties ("<VALUE name=\"currentSettings\"><QZT-7200 version=\"1.0\">x<IsolateFx><Lock>1</Lock>"
                    "</IsolateFx></QZT-7200></VALUE>\n" + value ("messageLanguage", "4")),
        // The same deeper down.
        properties ("<VALUE name=\"currentSettings\"><QZT-7200 version=\"1.0\"><IsolateFx>y<Lock>1</Lock>"
                    "</IsolateFx></QZT-7200></VALUE>\n"),
        "<?xml version=\"1.0\"?><PROPERTIES><VALUE name=\"messageLanguage\" val=\"4\"/>",   // cut short
        "not a settings file at all",
    };

    for (const auto& text : damaged)
    {
        folder.getChildFile ("Corvane").deleteRecursively();
        writeRaw (text);

        SettingsStore store (settingsFile);
        EXPECT_EQ (store.read(), StoredSettings()) << text;
        EXPECT_FALSE (settingsFile.exists());
        EXPECT_EQ (store.getSetAsideFile(), settingsFile.getSiblingFile ("tessalin.settings.damaged"));
        EXPECT_EQ (store.getSetAsideFile().loadFileAsString(), text);

        // The next quit writes a good file in its place, and that one stays where it is.
        ASSERT_TRUE (store.write (unusualSettings(), *factoryDocument()));
        SettingsStore reopened (settingsFile);
        EXPECT_EQ (reopened.getSetAsideFile(), juce::File());
        EXPECT_EQ (reopened.read(), unusualSettings());
    }

    // A second damaged file does not replace the first one set aside.
    writeRaw ("damaged again");
    SettingsStore store (settingsFile);
    EXPECT_TRUE (settingsFile.getSiblingFile ("tessalin.settings.damaged").exists());
    EXPECT_EQ (store.getSetAsideFile().loadFileAsString(), "damaged again");
    EXPECT_NE (store.getSetAsideFile(), settingsFile.getSiblingFile ("tessalin.settings.damaged"));
}

TEST_F (SettingsStoreTest, RestoresANonDefaultDocumentWithANonAsciiSamplePath)
{
    const auto sample = folder.getChildFile (juce::String::fromUTF8 ("S\xc3\xa4mples/\xe6\x97\xa5\xe6\x9c\xac \xf0\x9f\x8e\xb5 kick.wav"));
    sample.getParentDirectory().createDirectory();
    ASSERT_TRUE (sample.replaceWithText ("RIFF"));

    auto original = factoryDocument();
    original->isolateLock = 1;
    original->sceneLock = 1;
    original->scene[SceneEffect::noise][DocumentKeys::noiseMaxSliderIndex] = 5;     // only the second part carries 5
    auto& slot = samplerSlot (*original, 5);
    setSlotPath (slot, sample.getFullPathName());
    slot.start = 480;
    slot.end = 96000;
    slot.loop = 1;
    slot.tempo = 12800;
    slot.fixState = 2;
    slot.gainIndex = 200;
    setSlotPath (samplerSlot (*original, 17), sample.getFullPathName());   // a spare slot of the fifth row
    samplerSlot (*original, 17).gainIndex = 90;

    {
        SettingsStore store (settingsFile);
        ASSERT_TRUE (store.write (StoredSettings(), *original));
    }

    auto expected = std::make_unique<DeviceSettings> (*original);
    samplerSlot (*expected, 5).loopPresent = samplerSlot (*expected, 5).tempoPresent = 1;
    samplerSlot (*expected, 17).loopPresent = samplerSlot (*expected, 17).tempoPresent = 1;

    auto current = factoryDocument();
    auto lastSent = factoryDocument();
    SettingsStore store (settingsFile);
    EXPECT_TRUE (store.restoreDocument (*current, *lastSent));
    EXPECT_TRUE (sameBytes (*current, *expected));
    EXPECT_TRUE (sameBytes (*lastSent, *current));
    EXPECT_EQ (getSlotPath (samplerSlot (*current, 5)), sample.getFullPathName());

    // The same document with its sample gone: the slot is emptied and the restore says so.
    ASSERT_TRUE (sample.deleteFile());
    auto again = factoryDocument();
    EXPECT_FALSE (store.restoreDocument (*again, *lastSent));
    EXPECT_TRUE (slotPathIsEmpty (samplerSlot (*again, 5)));
    EXPECT_EQ (again->isolateLock, 1);
}

TEST_F (SettingsStoreTest, AStoredPartIsTakenWholeOrNotAtAll)
{
    // A first part that breaks off at a value out of range, no second part.
    writeRaw (properties ("<VALUE name=\"currentSettings\"><QZT-7200 version=\"1.0\"><IsolateFx><Lock>1</Lock>"
                          "<Isolator><LowMinCb>99999</LowMinCb></Isolator></IsolateFx></QZT-7200></VALUE>\n"));

    auto current = factoryDocument();
    samplerSlot (*current, 3).gainIndex = 200;      // an absent second part must not reset the gains
    const auto before = std::make_unique<DeviceSettings> (*current);
    auto lastSent = factoryDocument();

    SettingsStore store (settingsFile);
    EXPECT_EQ (store.readDocumentPart (*current, 0), SettingsStore::PartOutcome::rejected);
    EXPECT_EQ (store.readDocumentPart (*current, 1), SettingsStore::PartOutcome::absent);
    EXPECT_TRUE (store.restoreDocument (*current, *lastSent));
    EXPECT_TRUE (sameBytes (*current, *before));
    EXPECT_EQ (current->isolateLock, 0);

    // A foreign root in the second part is refused; a good first part is still taken.
    writeRaw (properties ("<VALUE name=\"currentSettings\"><QZT-7200 version=\"1.0\"><IsolateFx><Lock>1</Lock>"
                          "</IsolateFx></QZT-7200></VALUE>\n"
                          "<VALUE name=\"currentSettings2\"><Other version=\"1.1\"/></VALUE>\n"));
    SettingsStore second (settingsFile);
    EXPECT_EQ (second.readDocumentPart (*current, 0), SettingsStore::PartOutcome::applied);
    EXPECT_EQ (second.readDocumentPart (*current, 1), SettingsStore::PartOutcome::rejected);
    EXPECT_EQ (current->isolateLock, 1);
    EXPECT_EQ (samplerSlot (*current, 3).gainIndex, 200);
}

TEST_F (SettingsStoreTest, WritingCreatesTheFoldersAndTheFileLivesUnderTheUsersConfigFolder)
{
    SettingsStore store (settingsFile);
    ASSERT_TRUE (store.write (StoredSettings(), *factoryDocument()));
    EXPECT_TRUE (settingsFile.existsAsFile());

    const auto configHome = juce::SystemStats::getEnvironmentVariable ("XDG_CONFIG_HOME", {});
    ::setenv ("XDG_CONFIG_HOME", folder.getFullPathName().toRawUTF8(), 1);
    EXPECT_EQ (SettingsStore::defaultFile(), settingsFile);
    ::unsetenv ("XDG_CONFIG_HOME");
    EXPECT_EQ (SettingsStore::defaultFile(),
               juce::File::getSpecialLocation (juce::File::userApplicationDataDirectory)
                   .getChildFile ("Corvane/tessalin/tessalin.settings"));

    if (configHome.isNotEmpty())
        ::setenv ("XDG_CONFIG_HOME", configHome.toRawUTF8(), 1);
}

//==============================================================================
namespace
{
juce::String fromCodePoints (const std::vector<juce::juce_wchar>& codes)
{
    auto terminated = codes;
    terminated.push_back (0);
    return juce::String (juce::CharPointer_UTF32 (terminated.data()));
}

/** Any code point but zero, which no string can hold; markup and blanks come often. */
juce::String randomText (juce::Random& random)
{
    static const char* const fragments[] = { "<a>1</a>", "<?x?>", "&amp;", "\r\n", " ", "\"", "'", "]]>", "<!--" };
    juce::String text;
    const int length = random.nextInt (30);

    while (text.length() < length)
    {
        switch (random.nextInt (5))
        {
            case 0:  text << fragments[random.nextInt (juce::numElementsInArray (fragments))]; break;
            case 1:  text << fromCodePoints ({ 1 + random.nextInt (31) }); break;
            case 2:  text << fromCodePoints ({ 1 + random.nextInt (0x10ffff) }); break;
            default: text << fromCodePoints ({ 32 + random.nextInt (95) }); break;
        }
    }

    return text;
}

/** A document whose slots name files with paths of any characters. */
std::unique_ptr<DeviceSettings> randomDocument (juce::Random& random)
{
    auto d = TestDocuments::randomParameters (random);

    for (int i = 0; i < XPadEffectRecord::numSlots; ++i)
    {
        if (random.nextInt (3) == 0)
            continue;

        auto& slot = samplerSlot (*d, i);
        setSlotPath (slot, "/" + randomText (random));
        slot.start = random.nextInt (1 << 30);
        slot.loop = random.nextInt (2);
        slot.tempo = random.nextInt (100000);
        slot.fixState = random.nextInt (3);
        slot.gainIndex = random.nextInt (256);
        slot.loopPresent = slot.tempoPresent = 1;
    }

    return d;
}
} // namespace

TEST_F (SettingsStoreTest, FilesThatOnceHungTheStartAreMovedAsideAtOnce)
{
    const char strayBytes[] = "\x3c\x3f\x78\x6d\x6c\x20\x76\x65\x72\x73\x69\x6f\x6e\x3d\x22\x31\x2e\x30\x22\x3f"
                              "\x3e\x3c\x50\x20\x61\x3d\x22\x78\xbb\xa6\x22\x2f\x3e";
    static_assert (sizeof (strayBytes) - 1 == 33);

    // Bytes that are not UTF-8 inside an attribute; a processing instruction before text, in the
    // stored document and as the whole file; an entity from a document type naming a file that
    // never ends (the framework's reader read it until memory ran out).
    std::vector<juce::MemoryBlock> contents;
    contents.emplace_back (strayBytes, sizeof (strayBytes) - 1);
    for (const auto& text : std::initializer_list<juce::String> {
             properties ("<VALUE name=\"currentSettings\"><QZT-7200 version=\"1.0\"><?x?>b</QZT-7200></VALUE>\n"
                         + value ("messageLanguage", "4")),
             juce::String ("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<QZT-7200 version=\"1.0\"><?x?>b</QZT-7200>"),
             juce::String ("<?xml version=\"1.0\"?>\n<!DOCTYPE PROPERTIES SYSTEM \"/dev/zero\">\n<PROPERTIES>"
                           "<VALUE name=\"messageLanguage\" val=\"&x;\"/></PROPERTIES>\n") })
        contents.emplace_back (text.toRawUTF8(), text.getNumBytesAsUTF8());

    for (const auto& bytes : contents)
    {
        folder.getChildFile ("Corvane").deleteRecursively();
        settingsFile.getParentDirectory().createDirectory();
        ASSERT_TRUE (settingsFile.replaceWithData (bytes.getData(), bytes.getSize()));

        auto store = returnsWithin (std::chrono::milliseconds (1000), "opening the settings file",
                                    [&] { return std::make_unique<SettingsStore> (settingsFile); });
        EXPECT_EQ (store->read(), StoredSettings());
        EXPECT_FALSE (settingsFile.exists());
        juce::MemoryBlock setAside;
        ASSERT_TRUE (store->getSetAsideFile().loadFileAsData (setAside));
        EXPECT_EQ (setAside, bytes);

        auto document = factoryDocument();
        EXPECT_EQ (store->readDocumentPart (*document, 0), SettingsStore::PartOutcome::absent);
    }
}

TEST_F (SettingsStoreTest, StringsThatLookLikeXmlComeBackByteForByte)
{
    auto settings = unusualSettings();
    settings.lastFilePath = "<a>1</a>x";
    settings.lastWavFilePath = "<?x?>b";
    settings.lastMirocratePath = " \r\n<b/> ";
    settings.mainWindowState = "<c><d/></c>";

    {
        SettingsStore store (settingsFile);
        ASSERT_TRUE (store.write (settings, *factoryDocument()));
    }

    auto xml = DocumentXmlText::read (settingsFile.loadFileAsString());
    ASSERT_NE (xml, nullptr);
    for (auto* e : xml->getChildWithTagNameIterator ("VALUE"))
    {
        if (! e->getStringAttribute ("name").startsWith ("currentSettings"))
        {
            EXPECT_EQ (e->getNumChildElements(), 0) << e->getStringAttribute ("name");
        }
    }

    EXPECT_EQ (SettingsStore (settingsFile).read(), settings);
}

TEST_F (SettingsStoreTest, RandomSettingsAndDocumentsComeBackByteForByte)
{
    juce::Random random (4242);

    for (int round = 0; round < 40; ++round)
    {
        StoredSettings settings;
        settings.restoreWindows = random.nextBool();
        settings.mainWindowState = randomText (random);
        settings.effectBrowserState = randomText (random);
        settings.effectBrowserAtStartup = random.nextBool();
        settings.lastFilePath = randomText (random);
        settings.lastWavFilePath = randomText (random);
        settings.lastMirocratePath = randomText (random);
        settings.importEffects = random.nextBool();
        settings.importSamples = random.nextBool();
        settings.exportEffects = random.nextBool();
        settings.exportSamples = random.nextBool();
        settings.restoreDocument = random.nextBool();
        settings.language = clampUiLanguage (random.nextInt (12));
        settings.bodyColor = bodyColorFromInt (random.nextInt (3));
        settings.bodyColorMode = bodyColorModeFromInt (random.nextInt (4));
        const auto document = randomDocument (random);

        {
            SettingsStore store (settingsFile);
            ASSERT_TRUE (store.write (settings, *document));
        }

        SettingsStore reopened (settingsFile);
        ASSERT_EQ (reopened.getSetAsideFile(), juce::File()) << round;
        EXPECT_EQ (reopened.read(), settings) << round;

        auto read = factoryDocument();
        EXPECT_EQ (reopened.readDocumentPart (*read, 0), SettingsStore::PartOutcome::applied);
        EXPECT_EQ (reopened.readDocumentPart (*read, 1), SettingsStore::PartOutcome::applied);
        EXPECT_TRUE (sameBytes (*read, *document)) << round;
    }
}
