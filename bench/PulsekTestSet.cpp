// pulsek-testset OUTDIR: writes the synthetic evaluation set: for each track NAME.wav (16-bit stereo),
// NAME.beats (the true beat times in seconds) and a line "NAME<TAB>bpm<TAB>seconds" in manifest.tsv.
// Clicks with accented downbeats, kick/snare/hi-hat bars (straight and swung) and a tempo step.
#include "SyntheticAudio.h"
#include "WavFile.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace
{
bool writeTrack (const std::string& dir, const std::string& name, const SyntheticAudio& audio,
                 const std::vector<double>& beatSeconds, double bpm, std::ofstream& manifest)
{
    WavAudio wav;
    wav.sampleRate = audio.getSampleRate();
    wav.left = audio.getLeft();
    wav.right = audio.getRight();

    if (! writeWav16 (dir + "/" + name + ".wav", wav))
        return false;

    std::ofstream beats (dir + "/" + name + ".beats");
    for (const double t : beatSeconds)
        beats << std::fixed << t << '\n';

    manifest << name << '\t' << bpm << '\t' << static_cast<double> (audio.frameCount()) / audio.getSampleRate() << '\n';
    return static_cast<bool> (beats);
}

std::vector<double> secondsOf (const std::vector<int32_t>& frames, int32_t rate)
{
    std::vector<double> s;
    for (const int32_t f : frames)
        s.push_back (static_cast<double> (f) / rate);
    return s;
}
} // namespace

int main (int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf (stderr, "usage: pulsek-testset OUTDIR\n");
        return 2;
    }

    const std::string dir = argv[1];
    std::ofstream manifest (dir + "/manifest.tsv");
    bool ok = static_cast<bool> (manifest);
    constexpr double seconds = 60.0;

    struct Clicks { int32_t rate; double bpm; };
    for (const Clicks c : { Clicks { 44100, 70 }, Clicks { 44100, 85 }, Clicks { 44100, 100 }, Clicks { 44100, 120 },
                            Clicks { 44100, 128 }, Clicks { 44100, 140 }, Clicks { 44100, 160 }, Clicks { 44100, 175 },
                            Clicks { 48000, 70 }, Clicks { 48000, 93 }, Clicks { 48000, 120 }, Clicks { 48000, 133.5 },
                            Clicks { 48000, 150 }, Clicks { 48000, 175 } })
    {
        SyntheticAudio audio (c.rate);
        const auto clicks = audio.addClicks (0.5, c.bpm, static_cast<int32_t> ((seconds - 1.0) * c.bpm / 60.0));
        audio.extendTo (seconds);
        const std::string name = "clicks_" + std::to_string (static_cast<int> (c.bpm * 10)) + "_" + std::to_string (c.rate);
        ok = ok && writeTrack (dir, name, audio, secondsOf (clicks, c.rate), c.bpm, manifest);
    }

    struct Drums { int32_t rate; double bpm; double swing; };
    for (const Drums d : { Drums { 44100, 90, 0.0 }, Drums { 44100, 124, 0.0 }, Drums { 48000, 138, 0.0 },
                           Drums { 48000, 100, 0.3 }, Drums { 44100, 118, 0.4 }, Drums { 48000, 128, 0.2 } })
    {
        SyntheticAudio audio (d.rate, 7);
        const auto bars = static_cast<int32_t> ((seconds - 1.0) * d.bpm / 240.0);
        audio.addDrumPattern (0.25, d.bpm, bars, d.swing);
        audio.extendTo (seconds);
        std::vector<double> beats;
        for (int32_t b = 0; b < bars * 4; ++b)
            beats.push_back (static_cast<double> (std::lround ((0.25 + b * 60.0 / d.bpm) * d.rate)) / d.rate);
        const std::string name = "drums_" + std::to_string (static_cast<int> (d.bpm)) + "_swing"
                               + std::to_string (static_cast<int> (d.swing * 10)) + "_" + std::to_string (d.rate);
        ok = ok && writeTrack (dir, name, audio, beats, d.bpm, manifest);
    }

    // 35 s at 120 BPM, then 25 s at 128: the longer part's tempo is the track's.
    for (const int32_t rate : { 44100, 48000 })
    {
        SyntheticAudio audio (rate, 5);
        std::vector<int32_t> clicks = audio.addClicks (0.0, 120.0, 70);
        const auto faster = audio.addClicks (35.0, 128.0, 52);
        clicks.insert (clicks.end(), faster.begin(), faster.end());
        audio.extendTo (seconds);
        ok = ok && writeTrack (dir, "step_120_128_" + std::to_string (rate), audio, secondsOf (clicks, rate), 120.0, manifest);
    }

    if (! ok)
        std::fprintf (stderr, "pulsek-testset: cannot write into %s\n", dir.c_str());

    return ok ? 0 : 1;
}
