// Times tessalin from process start to its first painted main window.
//
// The benchmark starts itself again as the program, on main()'s own path (the single-instance lock,
// the application object, the framework's main); the child notes when the main window's content
// first paints, prints the time since the parent started it, and quits as a user would, storing
// its settings. Prints "name: value" lines: the first start with an empty settings folder, then the
// median, lowest and highest of 5 starts with the settings file the run before stored.
// Needs a display: xvfb-run -a -s "-screen 0 1280x900x24" build/bin/startup_bench
#include "app/QZT7200ControlApplication.h"
#include "app/SingleInstanceLock.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace
{
constexpr const char* childFlag = "--timed-start";
constexpr const char* startVariable = "TESSALIN_BENCH_START_NS";
constexpr int timedStarts = 5;

juce::int64 nowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds> (std::chrono::steady_clock::now().time_since_epoch()).count();
}

/** An invisible layer over the main window's content: its first paint is the window's first paint. */
class FirstPaintProbe : public juce::Component
{
public:
    FirstPaintProbe() { setInterceptsMouseClicks (false, false); }

    void paint (juce::Graphics&) override
    {
        if (reported)
            return;

        reported = true;
        const auto start = juce::SystemStats::getEnvironmentVariable (startVariable, "0").getLargeIntValue();
        std::printf ("%.1f\n", (double) (nowNs() - start) / 1.0e6);
        std::fflush (stdout);

        juce::MessageManager::callAsync ([]
        {
            if (auto* application = juce::JUCEApplication::getInstance())
                application->systemRequestedQuit();
        });
    }

private:
    bool reported = false;
};

class TimedApplication : public QZT7200ControlApplication
{
public:
    TimedApplication()
    {
        auto* content = getMainWindow().getContentComponent();
        content->addAndMakeVisible (probe);
        probe.setBounds (0, 0, 8192, 8192);
    }

private:
    FirstPaintProbe probe;
};

int runTimedStart (int argc, char* argv[])
{
    const SingleInstanceLock instanceLock (SingleInstanceLock::defaultLockFile());
    if (instanceLock.isHeldByAnotherInstance())
        return 0;

    juce::JUCEApplicationBase::createInstance = []() -> juce::JUCEApplicationBase* { return new TimedApplication(); };
    return juce::JUCEApplicationBase::main (argc, (const char**) argv);
}

/** Milliseconds from starting the child to its first paint; negative when it did not report. */
double timeOneStart (const juce::String& executable)
{
    ::setenv (startVariable, juce::String (nowNs()).toRawUTF8(), 1);

    juce::ChildProcess child;
    if (! child.start (juce::StringArray { executable, childFlag }, juce::ChildProcess::wantStdOut))
        return -1.0;

    const auto output = child.readAllProcessOutput().trim();
    child.waitForProcessToFinish (30000);
    return output.isEmpty() ? -1.0 : output.getDoubleValue();
}
} // namespace

int main (int argc, char* argv[])
{
    if (argc > 1 && juce::String (argv[1]) == childFlag)
        return runTimedStart (argc, argv);

    const auto config = juce::File::getSpecialLocation (juce::File::tempDirectory)
                            .getNonexistentChildFile ("tessalin-startup-bench", {}, false);
    config.createDirectory();
    ::setenv ("XDG_CONFIG_HOME", config.getFullPathName().toRawUTF8(), 1);

    const auto executable = juce::File::getSpecialLocation (juce::File::currentExecutableFile).getFullPathName();

    const double firstStart = timeOneStart (executable);

    std::vector<double> restarts;
    for (int i = 0; i < timedStarts; ++i)
        restarts.push_back (timeOneStart (executable));

    config.deleteRecursively();

    std::sort (restarts.begin(), restarts.end());
    if (firstStart < 0.0 || restarts.front() < 0.0)
    {
        std::fprintf (stderr, "a start did not report its first paint (no display?)\n");
        return 1;
    }

    std::printf ("startup_first_start_ms: %.1f\n", firstStart);
    std::printf ("startup_median_ms: %.1f\n", restarts[restarts.size() / 2]);
    std::printf ("startup_min_ms: %.1f\n", restarts.front());
    std::printf ("startup_max_ms: %.1f\n", restarts.back());
    return 0;
}
