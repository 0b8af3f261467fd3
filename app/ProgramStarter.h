#pragma once

#include <juce_core/juce_core.h>

/** Starts what lies outside the program: the music-library program and the manuals. Behind an
    interface so that the flows that find them can be tested without starting anything. */
class ProgramStarter
{
public:
    virtual ~ProgramStarter() = default;

    /** Runs an executable file with no arguments; any other file is opened as a document. False
        when nothing could be started. */
    virtual bool startProgram (const juce::File& program) = 0;

    /** Opens a file with the desktop's application for it. False when that could not be started. */
    virtual bool openDocument (const juce::File& document) = 0;
};
