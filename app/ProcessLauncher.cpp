#include "app/ProcessLauncher.h"

#include "core/FileChecks.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace
{
constexpr const char* documentOpener = "xdg-open";
constexpr const char* defaultSearchPath = "/usr/local/bin:/usr/bin:/bin";

// Descriptors above this are left to close_range alone; counting up to a huge limit one by one in
// the fallback would take seconds.
constexpr int highestDescriptorToMark = 65535;

bool isExecutableFile (const juce::File& file)
{
    return FileChecks::isRegularFile (file) && ::access (file.getFullPathName().toRawUTF8(), X_OK) == 0;
}

/** What the started process needs, built before forking: between fork and exec only calls that are
    safe in a copy of a process with other threads may be made, and allocating is not one of them. */
struct ExecPlan
{
    std::string path;
    std::vector<std::string> arguments;
    std::vector<char*> argv;
    int highestDescriptor = highestDescriptorToMark;

    ExecPlan (const juce::File& program, const juce::StringArray& args)
        : path (program.getFullPathName().toStdString())
    {
        for (const auto& a : args)
            arguments.push_back (a.toStdString());

        for (auto& a : arguments)
            argv.push_back (a.data());

        argv.push_back (nullptr);

        rlimit limit {};
        if (::getrlimit (RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY)
            highestDescriptor = (int) std::min<rlim_t> (limit.rlim_cur, (rlim_t) highestDescriptorToMark);
    }
};

void writeErrno (int fd, int error)
{
    while (::write (fd, &error, sizeof (error)) < 0 && errno == EINTR) {}
}

/** In the process that becomes the program. Never returns. */
[[noreturn]] void becomeProgram (const ExecPlan& plan, int errorPipe)
{
    ::setsid();

    const int devNull = ::open ("/dev/null", O_RDWR);
    if (devNull >= 0)
    {
        ::dup2 (devNull, STDIN_FILENO);
        ::dup2 (devNull, STDOUT_FILENO);
        ::dup2 (devNull, STDERR_FILENO);

        if (devNull > STDERR_FILENO)
            ::close (devNull);
    }

    // Signals this program blocks or ignores are its own business, not the started program's.
    sigset_t none;
    sigemptyset (&none);
    ::sigprocmask (SIG_SETMASK, &none, nullptr);

    for (int s = 1; s < NSIG; ++s)
    {
        struct sigaction current {};
        if (::sigaction (s, nullptr, &current) == 0 && current.sa_handler == SIG_IGN)
        {
            struct sigaction standard {};
            standard.sa_handler = SIG_DFL;
            ::sigaction (s, &standard, nullptr);
        }
    }

    // Nothing of ours stays open in the program (the X connection, sockets, the error pipe itself).
    if (::close_range (3, ~0U, CLOSE_RANGE_CLOEXEC) != 0)
        for (int fd = 3; fd <= plan.highestDescriptor; ++fd)
            ::fcntl (fd, F_SETFD, FD_CLOEXEC);

    ::execve (plan.path.c_str(), plan.argv.data(), environ);

    writeErrno (errorPipe, errno);
    ::_exit (127);
}
} // namespace

juce::File ProcessLauncher::findExecutable (const juce::String& name)
{
    if (name.isEmpty())
        return {};

    if (name.containsChar ('/'))
    {
        const auto file = juce::File::isAbsolutePath (name) ? juce::File (name)
                                                            : juce::File::getCurrentWorkingDirectory().getChildFile (name);
        return isExecutableFile (file) ? file : juce::File();
    }

    const char* searchPath = ::getenv ("PATH");
    const auto folders = juce::StringArray::fromTokens (searchPath != nullptr ? searchPath : defaultSearchPath, ":", {});

    for (const auto& folder : folders)
    {
        // An empty or relative entry would run whatever lies in the working folder.
        if (! juce::File::isAbsolutePath (folder))
            continue;

        const auto candidate = juce::File (folder).getChildFile (name);
        if (isExecutableFile (candidate))
            return candidate;
    }

    return {};
}

bool ProcessLauncher::spawnDetached (const juce::StringArray& arguments)
{
    if (arguments.isEmpty())
        return false;

    const auto program = findExecutable (arguments[0]);
    if (program == juce::File())
        return false;

    const ExecPlan plan (program, arguments);

    // The pipe closes by itself when exec succeeds; otherwise the program's errno comes through it.
    int errorPipe[2];
    if (::pipe2 (errorPipe, O_CLOEXEC) != 0)
        return false;

    const pid_t intermediate = ::fork();

    if (intermediate < 0)
    {
        ::close (errorPipe[0]);
        ::close (errorPipe[1]);
        return false;
    }

    if (intermediate == 0)
    {
        ::close (errorPipe[0]);
        const pid_t grandchild = ::fork();

        if (grandchild == 0)
            becomeProgram (plan, errorPipe[1]);

        if (grandchild < 0)
            writeErrno (errorPipe[1], errno);

        ::_exit (0);
    }

    ::close (errorPipe[1]);

    while (::waitpid (intermediate, nullptr, 0) < 0 && errno == EINTR) {}

    int childError = 0;
    ssize_t got;
    while ((got = ::read (errorPipe[0], &childError, sizeof (childError))) < 0 && errno == EINTR) {}
    ::close (errorPipe[0]);

    return got == 0;
}

bool ProcessLauncher::startProgram (const juce::File& program)
{
    if (isExecutableFile (program))
        return spawnDetached ({ program.getFullPathName() });

    return openDocument (program);
}

bool ProcessLauncher::openDocument (const juce::File& document)
{
    if (! document.exists())
        return false;

    return spawnDetached ({ documentOpener, document.getFullPathName() });
}
