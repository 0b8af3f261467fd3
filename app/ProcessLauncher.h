#pragma once

#include "app/ProgramStarter.h"

/** Starts programs and documents as processes of their own, never through a shell: every argument
    reaches the program as it is, whatever characters it holds.

    A started process runs in a session of its own with its standard streams on /dev/null, none of
    this program's other open files, and no process of ours left behind to be waited for: it is
    started from a short-lived intermediate process, which is waited for at once, so the system
    takes over the program when it ends.
*/
class ProcessLauncher : public ProgramStarter
{
public:
    bool startProgram (const juce::File& program) override;

    /** Hands the file to the desktop's opener, "xdg-open", as its one argument. */
    bool openDocument (const juce::File& document) override;

    /** Starts arguments[0] (looked up on PATH when it holds no slash) with the other arguments.
        Returns once the program has replaced the started process, true, or could not be run, false. */
    static bool spawnDetached (const juce::StringArray& arguments);

    /** The file a command name runs: the name itself when it holds a slash, else the first
        executable file of that name in the folders of PATH. File() when there is none. */
    static juce::File findExecutable (const juce::String& name);
};
