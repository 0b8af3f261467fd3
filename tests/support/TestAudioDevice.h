#pragma once

#include <juce_audio_devices/juce_audio_devices.h>

#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

/** An audio output of our own for tests: no hardware, a thread of its own calls the callback block
    after block, as a sound card's thread would, and every block it renders is kept for the test. */
class TestAudioDevice : public juce::AudioIODevice
{
public:
    struct Options
    {
        juce::Array<double> sampleRates { 44100.0, 48000.0 };
        int blockSize = 512;
        int millisecondsPerBlock = 2;   // the pace of the device thread; faster than real time by default
    };

    TestAudioDevice (const juce::String& deviceName, const juce::String& typeName, Options options);
    ~TestAudioDevice() override;

    juce::StringArray getOutputChannelNames() override             { return { "Left", "Right" }; }
    juce::StringArray getInputChannelNames() override              { return {}; }
    juce::Array<double> getAvailableSampleRates() override         { return options.sampleRates; }
    juce::Array<int> getAvailableBufferSizes() override            { return { options.blockSize }; }
    int getDefaultBufferSize() override                            { return options.blockSize; }

    juce::String open (const juce::BigInteger& inputChannels, const juce::BigInteger& outputChannels,
                       double sampleRate, int bufferSizeSamples) override;
    void close() override;
    bool isOpen() override                                         { return opened; }
    void start (juce::AudioIODeviceCallback* callback) override;
    void stop() override;
    bool isPlaying() override                                      { return renderThread.joinable(); }
    juce::String getLastError() override                           { return {}; }

    int getCurrentBufferSizeSamples() override                     { return options.blockSize; }
    double getCurrentSampleRate() override                         { return rate; }
    int getCurrentBitDepth() override                              { return 32; }
    juce::BigInteger getActiveOutputChannels() const override      { return outputs; }
    juce::BigInteger getActiveInputChannels() const override       { return {}; }
    int getOutputLatencyInSamples() override                       { return 0; }
    int getInputLatencyInSamples() override                        { return 0; }

    /** Blocks rendered since the device was opened. */
    int blocksRendered() const noexcept                            { return numBlocks.load(); }

    /** Waits until at least this many blocks have been rendered; false after a few seconds without. */
    bool waitForBlocks (int count) const;

    /** One output channel of everything rendered since the device was opened, block after block. */
    std::vector<float> recording (int channel) const;

private:
    void run();
    void renderBlock();

    const Options options;
    double rate = 0.0;
    juce::BigInteger outputs;
    bool opened = false;

    std::mutex callbackMutex;                      // held while a block is rendered
    juce::AudioIODeviceCallback* callback = nullptr;

    mutable std::mutex recordingMutex;
    std::vector<float> recorded[2];

    std::atomic<int> numBlocks { 0 };
    std::atomic<bool> running { false };
    std::thread renderThread;
};
