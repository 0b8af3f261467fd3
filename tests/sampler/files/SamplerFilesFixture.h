#pragma once

#include "WavTestSupport.h"
#include "sampler/files/SamplerTemporaryFiles.h"
#include "sampler/files/SamplerTiles.h"

#include "JuceTestPrinters.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <optional>

/** A document, the tiles and their temporary files over a temporary folder (TMPDIR) of the test's own,
    which must be empty again once the files are gone; sources go into a folder beside it. */
class SamplerFilesFixture  : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (const char* old = std::getenv ("TMPDIR"))
            oldTmpDir = old;

        const auto name = "sampler_files_test_" + juce::String::toHexString (juce::Random::getSystemRandom().nextInt64());
        root = juce::File ("/tmp").getChildFile (name);
        sources = root.getChildFile ("sources");
        tmpDir = root.getChildFile ("tmp");
        sources.createDirectory();
        tmpDir.createDirectory();
        ::setenv ("TMPDIR", tmpDir.getFullPathName().toRawUTF8(), 1);
        resetDeviceSettings (*document, false);
    }

    void TearDown() override
    {
        files.reset();
        EXPECT_EQ (tmpDir.getNumberOfChildFiles (juce::File::findFilesAndDirectories), 0) << "left in TMPDIR";

        if (oldTmpDir.has_value())
            ::setenv ("TMPDIR", oldTmpDir->c_str(), 1);
        else
            ::unsetenv ("TMPDIR");

        root.deleteRecursively();
    }

    /** A 48 kHz mono source of our own format, with a "qzt1" chunk carrying loop and tempo. */
    juce::File source (const juce::String& name, double seconds, int32_t loop = 0, int32_t tempo = 0)
    {
        const auto file = sources.getChildFile (name);
        EXPECT_TRUE (wavtest::writeQztWav (file, 1, 48000, 16, loop, tempo, juce::roundToInt (seconds * 48000),
                                           [] (int, int i) { return (float) (i % 480) / 960.0f; }));
        return file;
    }

    juce::File write (const juce::String& name, const wavtest::Bytes& bytes)
    {
        const auto file = sources.getChildFile (name);
        file.replaceWithData (bytes.data.data(), bytes.data.size());
        return file;
    }

    /** Puts a source into a document slot as a drop would, range 0..0. */
    void fill (int slot, const juce::File& file, int gainIndex = 128)
    {
        auto& record = samplerSlot (*document, slot);
        initSamplerSlot (record);
        setSlotPath (record, file.getFullPathName());
        record.gainIndex = gainIndex;
    }

    SamplerTemporaryFiles::RunResult run (bool readModelChunk = false, SamplerTemporaryFiles::RunHooks hooks = {})
    {
        return files->rebuild (*document, tiles, readModelChunk, hooks);
    }

    int filesInTmpDir() const    { return tmpDir.getNumberOfChildFiles (juce::File::findFiles); }

    juce::File root, sources, tmpDir;
    std::optional<std::string> oldTmpDir;
    std::unique_ptr<DeviceSettings> document = createDeviceSettings();
    SamplerTiles tiles;
    std::unique_ptr<SamplerTemporaryFiles> files = std::make_unique<SamplerTemporaryFiles>();
};
