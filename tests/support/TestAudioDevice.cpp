#include "TestAudioDevice.h"

#include <chrono>

TestAudioDevice::TestAudioDevice (const juce::String& deviceName, const juce::String& typeName, Options opts)
    : juce::AudioIODevice (deviceName, typeName), options (std::move (opts))
{
}

TestAudioDevice::~TestAudioDevice()
{
    close();
}

juce::String TestAudioDevice::open (const juce::BigInteger&, const juce::BigInteger& outputChannels,
                                    double sampleRate, int)
{
    close();

    if (! options.sampleRates.contains (sampleRate))
        return "unsupported sample rate";

    rate = sampleRate;
    outputs.clear();
    outputs.setBit (0, outputChannels[0]);
    outputs.setBit (1, outputChannels[1]);
    opened = true;

    const std::lock_guard<std::mutex> lock (recordingMutex);
    recorded[0].clear();
    recorded[1].clear();
    numBlocks = 0;
    return {};
}

void TestAudioDevice::close()
{
    stop();
    opened = false;
}

void TestAudioDevice::start (juce::AudioIODeviceCallback* newCallback)
{
    if (! opened || newCallback == nullptr || renderThread.joinable())
        return;

    // Like a sound card's driver: the callback hears of the start on the caller's thread, then the
    // device thread calls it.
    newCallback->audioDeviceAboutToStart (this);

    {
        const std::lock_guard<std::mutex> lock (callbackMutex);
        callback = newCallback;
    }

    running = true;
    renderThread = std::thread ([this] { run(); });
}

void TestAudioDevice::stop()
{
    if (! renderThread.joinable())
        return;

    running = false;
    renderThread.join();

    juce::AudioIODeviceCallback* stopped = nullptr;

    {
        const std::lock_guard<std::mutex> lock (callbackMutex);
        std::swap (stopped, callback);
    }

    stopped->audioDeviceStopped();
}

void TestAudioDevice::run()
{
    while (running)
    {
        renderBlock();
        std::this_thread::sleep_for (std::chrono::milliseconds (options.millisecondsPerBlock));
    }
}

void TestAudioDevice::renderBlock()
{
    juce::AudioBuffer<float> block (2, options.blockSize);

    // Garbage, as a real device hands over: a callback that leaves samples unwritten shows up.
    for (int channel = 0; channel < 2; ++channel)
        juce::FloatVectorOperations::fill (block.getWritePointer (channel), 1234.5f, options.blockSize);

    {
        const std::lock_guard<std::mutex> lock (callbackMutex);

        if (callback != nullptr)
            callback->audioDeviceIOCallbackWithContext (nullptr, 0, block.getArrayOfWritePointers(), 2,
                                                        options.blockSize, {});
    }

    {
        const std::lock_guard<std::mutex> lock (recordingMutex);

        for (int channel = 0; channel < 2; ++channel)
            recorded[channel].insert (recorded[channel].end(), block.getReadPointer (channel),
                                      block.getReadPointer (channel) + options.blockSize);
    }

    ++numBlocks;
}

bool TestAudioDevice::waitForBlocks (int count) const
{
    for (int waited = 0; numBlocks.load() < count; ++waited)
    {
        if (waited > 5000)
            return false;

        std::this_thread::sleep_for (std::chrono::milliseconds (1));
    }

    return true;
}

std::vector<float> TestAudioDevice::recording (int channel) const
{
    const std::lock_guard<std::mutex> lock (recordingMutex);
    return recorded[juce::jlimit (0, 1, channel)];
}
