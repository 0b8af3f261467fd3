// pulsek-eval: runs the Pulsek library through its exported functions on WAV files and prints, per
// file, one `name: value` line per figure: tempo, beat count, F-measure against annotated beat times
// (when an annotation file is given or lies beside the WAV as NAME.beats), and the real-time factor
// of the whole analysis (read and decode the file, create, feed, read the results, release; the
// fastest of --runs runs). The file is read a piece at a time as it is fed.
//
//   pulsek-eval [--grid-span N] [--runs N] [--console] [-a ANNOTATIONS] FILE.wav ...
//   pulsek-eval --score DETECTED ANNOTATED     (F-measure of another program's beat times)
//
// The library writes its progress lines to standard output; they are dropped unless --console is given.
#include "BeatScore.h"
#include "WavFile.h"
#include "WavStream.h"
#include "pulsek.h"

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace
{
FILE* report = stdout;

struct Analysis
{
    int32_t bpmTimes100 = 0;
    std::vector<BA_BeatInfo> beats;
    double milliseconds = 0.0;
};

// False when the file ended before all its frames were read.
bool analyse (WavStream& wav, int32_t gridSpan, Analysis& a)
{
    constexpr int32_t chunk = 4096;
    alignas (32) static float left[chunk], right[chunk];
    const auto start = std::chrono::steady_clock::now();
    const auto total = static_cast<int32_t> (wav.getFrameCount());
    void* h = wav.getSampleRate() == 44100 ? BA_Create44k (total, gridSpan) : BA_Create48k (total, gridSpan);
    wav.rewind();
    int32_t done = 0;

    for (int32_t n; done < total && (n = wav.read (left, right, std::min (chunk, total - done))) > 0; done += n)
        BA_SetSample (h, left, right, n);

    a.bpmTimes100 = BA_GetBpm (h);
    a.beats.resize (static_cast<size_t> (BA_GetBeatNum (h)));
    BA_GetBeatList (h, a.beats.data());
    BA_Release (h);
    a.milliseconds = std::chrono::duration<double, std::milli> (std::chrono::steady_clock::now() - start).count();
    return done == total;
}

void printScore (const BeatScore& s)
{
    std::fprintf (report, "f_measure: %.4f\n", s.fMeasure());
    std::fprintf (report, "precision: %.4f\n", s.precision());
    std::fprintf (report, "recall: %.4f\n", s.recall());
}

int usage()
{
    std::fprintf (stderr, "usage: pulsek-eval [--grid-span N] [--runs N] [--console] [-a ANNOTATIONS] FILE.wav ...\n"
                          "       pulsek-eval --score DETECTED ANNOTATED\n");
    return 2;
}

std::string besideWithExtension (const std::string& path, const char* extension)
{
    const size_t dot = path.find_last_of ('.');
    const size_t slash = path.find_last_of ('/');
    const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
    return (hasExtension ? path.substr (0, dot) : path) + extension;
}
} // namespace

int main (int argc, char** argv)
{
    int32_t gridSpan = 4, runs = 3;
    bool console = false;
    std::string annotations;
    std::vector<std::pair<std::string, std::string>> files;

    for (int i = 1; i < argc; ++i)
    {
        const std::string arg = argv[i];

        if (arg == "--score" && i + 2 < argc)
        {
            std::vector<double> detected, annotated;

            if (! readBeatTimes (argv[i + 1], detected) || ! readBeatTimes (argv[i + 2], annotated))
            {
                std::fprintf (stderr, "pulsek-eval: cannot read %s or %s\n", argv[i + 1], argv[i + 2]);
                return 1;
            }

            printScore (scoreBeats (detected, annotated));
            return 0;
        }

        if (arg == "--grid-span" && i + 1 < argc)
            gridSpan = std::atoi (argv[++i]);
        else if (arg == "--runs" && i + 1 < argc)
            runs = std::max (1, std::atoi (argv[++i]));
        else if (arg == "--console")
            console = true;
        else if (arg == "-a" && i + 1 < argc)
            annotations = argv[++i];
        else if (! arg.empty() && arg[0] == '-')
            return usage();
        else
        {
            files.emplace_back (arg, annotations);
            annotations.clear();
        }
    }

    if (files.empty())
        return usage();

    if (! console)
    {
        // Our figures go to the original standard output; the library's own lines to nowhere.
        std::fflush (stdout);
        report = fdopen (dup (STDOUT_FILENO), "w");

        if (report == nullptr || std::freopen ("/dev/null", "w", stdout) == nullptr)
            return 1;
    }

    int failures = 0;

    for (const auto& [path, given] : files)
    {
        WavStream wav;
        std::string error;

        if (! wav.open (path, error))
        {
            std::fprintf (stderr, "pulsek-eval: %s: %s\n", path.c_str(), error.c_str());
            ++failures;
            continue;
        }

        if (wav.getSampleRate() != 44100 && wav.getSampleRate() != 48000)
        {
            std::fprintf (stderr, "pulsek-eval: %s: %d Hz (the library takes 44100 or 48000 Hz)\n", path.c_str(), wav.getSampleRate());
            ++failures;
            continue;
        }

        if (wav.getFrameCount() > INT32_MAX)
        {
            std::fprintf (stderr, "pulsek-eval: %s: too long for the library\n", path.c_str());
            ++failures;
            continue;
        }

        Analysis best;
        bool complete = true;

        for (int32_t run = 0; run < runs && complete; ++run)
        {
            Analysis a;
            complete = analyse (wav, gridSpan, a);

            if (run == 0 || a.milliseconds < best.milliseconds)
                best = std::move (a);
        }

        if (! complete)
        {
            std::fprintf (stderr, "pulsek-eval: %s: cannot read\n", path.c_str());
            ++failures;
            continue;
        }

        const int32_t sampleRate = wav.getSampleRate();
        const double seconds = static_cast<double> (wav.getFrameCount()) / sampleRate;
        std::fprintf (report, "file: %s\n", path.c_str());
        std::fprintf (report, "seconds: %.3f\n", seconds);
        std::fprintf (report, "sample_rate_hz: %d\n", sampleRate);
        std::fprintf (report, "bpm: %.2f\n", best.bpmTimes100 / 100.0);
        std::fprintf (report, "beats: %zu\n", best.beats.size());

        const std::string annotationPath = given.empty() ? besideWithExtension (path, ".beats") : given;
        std::vector<double> annotated;

        if (readBeatTimes (annotationPath, annotated))
        {
            std::vector<double> detected;
            for (const BA_BeatInfo& b : best.beats)
                detected.push_back (static_cast<double> (b.position) / sampleRate);

            printScore (scoreBeats (detected, annotated));
        }
        else if (! given.empty())
        {
            std::fprintf (stderr, "pulsek-eval: cannot read %s\n", given.c_str());
            ++failures;
        }

        std::fprintf (report, "analysis_ms: %.1f\n", best.milliseconds);
        std::fprintf (report, "realtime_factor: %.1f\n", seconds / (best.milliseconds / 1000.0));
        std::fflush (report);
    }

    return failures == 0 ? 0 : 1;
}
