#pragma once

#include "app/ProcessLauncher.h"
#include "sampler/files/WavAudioFormatWriterQzt.h"

#include <juce_gui_basics/juce_gui_basics.h>

/** Answers the next modal window (an alert) with a key, as a user at the keyboard would, and tells
    whether one came up. It only acts while a modal loop runs, so it never answers an alert that was
    not shown. */
class ModalAnswer : private juce::Timer
{
public:
    explicit ModalAnswer (int keyCode)
        : key (keyCode)
    {
        startTimer (30);
    }

    ~ModalAnswer() override { stopTimer(); }

    bool wasAsked() const noexcept { return asked; }

private:
    void timerCallback() override
    {
        auto* modal = juce::ModalComponentManager::getInstance()->getModalComponent (0);
        if (modal == nullptr || modal->getPeer() == nullptr)
            return;

        stopTimer();
        asked = true;
        modal->getPeer()->handleKeyPress (key);
    }

    juce::KeyPress key;
    bool asked = false;
};

/** Half a second of a mono sawtooth at level, for a sampler slot: a WAV file at rate with a "qzt1"
    chunk that carries neither loop nor tempo. */
inline juce::File writeSampleSource (const juce::File& file, float level, double rate = 48000.0)
{
    file.deleteFile();
    WavAudioFormatWriterQzt writer (1, 16, 0, 0, rate, file.createOutputStream());
    juce::AudioBuffer<float> buffer (1, juce::roundToInt (rate / 2));

    for (int i = 0; i < buffer.getNumSamples(); ++i)
        buffer.setSample (0, i, level * (float) ((i % 100) - 50) / 50.0f);

    writer.writeFromAudioSampleBuffer (buffer, 0, buffer.getNumSamples());
    return file;
}

/** Lets the message loop run for a while (window events, repaints, timers). */
inline void pumpMessages (int milliseconds)
{
    juce::MessageManager::getInstance()->runDispatchLoopUntil (milliseconds);
}

/** Points the program's settings folder at a fresh temporary folder for as long as it lives. */
class TemporaryConfigHome
{
public:
    TemporaryConfigHome()
        : previous (juce::SystemStats::getEnvironmentVariable ("XDG_CONFIG_HOME", {}))
    {
        folder.createDirectory();
        ::setenv ("XDG_CONFIG_HOME", folder.getFullPathName().toRawUTF8(), 1);
    }

    ~TemporaryConfigHome()
    {
        if (previous.isNotEmpty())
            ::setenv ("XDG_CONFIG_HOME", previous.toRawUTF8(), 1);
        else
            ::unsetenv ("XDG_CONFIG_HOME");

        folder.deleteRecursively();
    }

    juce::File settingsFile() const { return folder.getChildFile ("Corvane/tessalin/tessalin.settings"); }
    juce::File getFolder() const    { return folder; }

private:
    juce::String previous;
    juce::File folder { juce::File::getSpecialLocation (juce::File::tempDirectory)
                            .getNonexistentChildFile ("tessalin-config", {}, false) };
};

/** A screenshot of part of the screen as the X server shows it, stacking and all, written to a PNG
    file and read back; null when it could not be taken. */
inline juce::Image screenshot (juce::Rectangle<int> area, const juce::File& png)
{
    png.deleteFile();
    juce::ChildProcess import;
    const auto crop = juce::String (area.getWidth()) + "x" + juce::String (area.getHeight())
                      + "+" + juce::String (area.getX()) + "+" + juce::String (area.getY());

    const auto importProgram = ProcessLauncher::findExecutable ("import");

    if (importProgram == juce::File()
        || ! import.start (juce::StringArray { importProgram.getFullPathName(), "-silent", "-window", "root",
                                               "-crop", crop, "+repage", png.getFullPathName() })
        || ! import.waitForProcessToFinish (10000))
        return {};

    return juce::ImageFileFormat::loadFrom (png);
}

/** Real input through the X server: xdotool runs with the arguments while the message loop goes
    on, so the program takes the events as they come. True when xdotool ran and succeeded. */
inline bool runXdotool (const juce::StringArray& arguments, int settleMilliseconds = 150)
{
    juce::StringArray command { "xdotool" };
    command.addArray (arguments);

    juce::ChildProcess xdotool;
    if (! xdotool.start (command))
        return false;

    for (int waited = 0; xdotool.isRunning() && waited < 10000; waited += 10)
        pumpMessages (10);

    const bool ok = ! xdotool.isRunning() && xdotool.getExitCode() == 0;
    pumpMessages (settleMilliseconds);
    return ok;
}

/** The X window id of a component's window, as xdotool takes it. */
inline juce::String xWindowId (juce::Component& component)
{
    return juce::String ((juce::uint64) (juce::pointer_sized_uint) component.getPeer()->getNativeHandle());
}
