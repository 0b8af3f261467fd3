#pragma once

#include "ScopedTestFolder.h"
#include "WavTestSupport.h"
#include "sampler/files/SamplerTemporaryFiles.h"
#include "sampler/files/SamplerTiles.h"

#include "JuceTestPrinters.h"

#include <gtest/gtest.h>

/** A document, the tiles and their temporary files over a temporary folder (TMPDIR) of the test's own,
    which must be empty again once the files are gone; sources go into a folder beside it. */
class SamplerFilesFixture  : public ::testing::Test
{
protected:
    void SetUp() override
    {
        resetDeviceSettings (*document, false);
    }

    void TearDown() override
    {
        files.reset();
        EXPECT_EQ (scope.numLeftInTmpDir(), 0) << "left in TMPDIR";
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

    ScopedTestFolder scope { "sampler_files_test_" };
    const juce::File &root = scope.root, &sources = scope.sources, &tmpDir = scope.tmpDir;
    std::unique_ptr<DeviceSettings> document = createDeviceSettings();
    SamplerTiles tiles;
    std::unique_ptr<SamplerTemporaryFiles> files = std::make_unique<SamplerTemporaryFiles>();
};
