// Deterministic test audio for the beat analysis: stereo floats in 16-bit scale at any sample rate,
// built by mixing events into a growing track. The same calls always give the same samples.
#pragma once

#include <cstdint>
#include <vector>

class SyntheticAudio
{
public:
    explicit SyntheticAudio (int32_t sampleRate, uint32_t seed = 1);

    // `beats` clicks at `bpm` from `startSeconds`; every fourth one (from the first) is an accented
    // downbeat. Returns the frame of each click onset (also kept in clickFrames()).
    std::vector<int32_t> addClicks (double startSeconds, double bpm, int32_t beats, float gain = 1.0f,
                                    bool accentDownbeats = true);

    // Bars of 4/4: kick on beats 1 and 3, snare on 2 and 4, hi-hat on every eighth. swing (0..1)
    // delays the off-beat eighths by that fraction of an eighth.
    void addDrumPattern (double startSeconds, double bpm, int32_t bars, double swing = 0.0, float gain = 1.0f);

    // A constant offset on both channels.
    void addDc (double startSeconds, double seconds, float level);

    // White noise on both channels.
    void addNoiseBurst (double startSeconds, double seconds, float gain);

    // Makes the track at least this long (silence where nothing was added).
    void extendTo (double seconds);

    int32_t getSampleRate() const { return sampleRate; }
    int32_t frameCount() const { return static_cast<int32_t> (left.size()); }
    const std::vector<float>& getLeft() const { return left; }
    const std::vector<float>& getRight() const { return right; }
    const std::vector<int32_t>& clickFrames() const { return clicks; }

private:
    int32_t frameAt (double seconds) const;
    void ensure (int32_t frames);
    float noise(); // -1..1
    void addClick (int32_t frame, float gain, bool accent);
    void addKick (int32_t frame, float gain);
    void addSnare (int32_t frame, float gain);
    void addHat (int32_t frame, float gain);

    int32_t sampleRate;
    uint32_t state;
    std::vector<float> left, right;
    std::vector<int32_t> clicks;
};
