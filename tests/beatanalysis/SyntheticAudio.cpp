#include "SyntheticAudio.h"

#include <cmath>

namespace
{
constexpr double twoPi = 6.283185307179586;
constexpr float fullScale = 32767.0f;
} // namespace

SyntheticAudio::SyntheticAudio (int32_t rate, uint32_t seed)
    : sampleRate (rate), state (seed == 0 ? 1u : seed)
{
}

int32_t SyntheticAudio::frameAt (double seconds) const
{
    return static_cast<int32_t> (std::lround (seconds * sampleRate));
}

void SyntheticAudio::ensure (int32_t frames)
{
    if (frames > frameCount())
    {
        left.resize (static_cast<size_t> (frames), 0.0f);
        right.resize (static_cast<size_t> (frames), 0.0f);
    }
}

void SyntheticAudio::extendTo (double seconds)
{
    ensure (frameAt (seconds));
}

float SyntheticAudio::noise()
{
    // xorshift32: fixed sequence on every platform.
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return static_cast<float> (state) / 2147483648.0f - 1.0f;
}

// A click: a sharp, bright 2.5 kHz tick over a short 120 Hz thump, so every band sees it. An accented
// click is the same sound, a little louder.
void SyntheticAudio::addClick (int32_t frame, float gain, bool accent)
{
    const int32_t length = sampleRate / 20;
    ensure (frame + length);
    const double tick = 2500.0;
    const float level = gain * (accent ? 0.75f : 0.6f) * fullScale;

    for (int32_t i = 0; i < length; ++i)
    {
        const double t = static_cast<double> (i) / sampleRate;
        const double v = std::exp (-t / 0.002) * std::sin (twoPi * tick * t) * 0.6
                       + std::exp (-t / 0.012) * std::sin (twoPi * 120.0 * t) * 0.4;
        left[frame + i] += static_cast<float> (v) * level;
        right[frame + i] += static_cast<float> (v) * level;
    }
}

void SyntheticAudio::addKick (int32_t frame, float gain)
{
    const int32_t length = static_cast<int32_t> (0.25 * sampleRate);
    ensure (frame + length);
    double phase = 0.0;

    for (int32_t i = 0; i < length; ++i)
    {
        const double t = static_cast<double> (i) / sampleRate;
        phase += twoPi * (50.0 + 90.0 * std::exp (-t / 0.03)) / sampleRate;
        const float v = static_cast<float> (std::sin (phase) * std::exp (-t / 0.12)) * 0.8f * gain * fullScale;
        left[frame + i] += v;
        right[frame + i] += v;
    }
}

void SyntheticAudio::addSnare (int32_t frame, float gain)
{
    const int32_t length = static_cast<int32_t> (0.18 * sampleRate);
    ensure (frame + length);

    for (int32_t i = 0; i < length; ++i)
    {
        const double t = static_cast<double> (i) / sampleRate;
        const double body = std::sin (twoPi * 190.0 * t) * std::exp (-t / 0.04) * 0.4;
        const double rattle = noise() * std::exp (-t / 0.06) * 0.5;
        const float v = static_cast<float> (body + rattle) * 0.7f * gain * fullScale;
        left[frame + i] += v;
        right[frame + i] += v * 0.9f;
    }
}

void SyntheticAudio::addHat (int32_t frame, float gain)
{
    const int32_t length = static_cast<int32_t> (0.04 * sampleRate);
    ensure (frame + length);
    float previous = 0.0f;

    for (int32_t i = 0; i < length; ++i)
    {
        // Differenced noise: mostly high frequencies.
        const float n = noise();
        const double t = static_cast<double> (i) / sampleRate;
        const float v = static_cast<float> ((n - previous) * std::exp (-t / 0.01)) * 0.15f * gain * fullScale;
        previous = n;
        left[frame + i] += v * 0.9f;
        right[frame + i] += v;
    }
}

std::vector<int32_t> SyntheticAudio::addClicks (double startSeconds, double bpm, int32_t beats, float gain,
                                                bool accentDownbeats)
{
    std::vector<int32_t> frames;

    for (int32_t b = 0; b < beats; ++b)
    {
        const int32_t frame = frameAt (startSeconds + b * 60.0 / bpm);
        addClick (frame, gain, accentDownbeats && b % 4 == 0);
        frames.push_back (frame);
        clicks.push_back (frame);
    }

    return frames;
}

void SyntheticAudio::addDrumPattern (double startSeconds, double bpm, int32_t bars, double swing, float gain)
{
    const double eighth = 30.0 / bpm;

    for (int32_t bar = 0; bar < bars; ++bar)
    {
        for (int32_t e = 0; e < 8; ++e)
        {
            const double offBeatDelay = e % 2 == 1 ? swing * eighth : 0.0;
            const double t = startSeconds + (bar * 8 + e) * eighth + offBeatDelay;
            const int32_t frame = frameAt (t);

            if (e == 0 || e == 4)
                addKick (frame, gain);
            else if (e == 2 || e == 6)
                addSnare (frame, gain);

            addHat (frame, gain * (e % 2 == 0 ? 1.0f : 0.6f));
        }
    }
}

void SyntheticAudio::addDc (double startSeconds, double seconds, float level)
{
    const int32_t first = frameAt (startSeconds), last = frameAt (startSeconds + seconds);
    ensure (last);

    for (int32_t i = first; i < last; ++i)
    {
        left[i] += level;
        right[i] += level;
    }
}

void SyntheticAudio::addNoiseBurst (double startSeconds, double seconds, float gain)
{
    const int32_t first = frameAt (startSeconds), last = frameAt (startSeconds + seconds);
    ensure (last);

    for (int32_t i = first; i < last; ++i)
    {
        left[i] += noise() * gain * fullScale;
        right[i] += noise() * gain * fullScale;
    }
}
