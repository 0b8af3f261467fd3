#pragma once

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
