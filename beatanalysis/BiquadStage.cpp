#include "BiquadStage.h"

#include "VectorOps.h"

#include <cmath>

namespace
{
// The single-precision constant the designs use for 2 pi (a little below the float nearest 2 pi).
constexpr float twoPi = 6.283184f;

struct SectionTaps
{
    double b0, b1, b2, a0, a1, a2;
};

double omega (float f, float fs)
{
    return static_cast<double> (twoPi) * f / fs;
}

SectionTaps lowPass (float f, float fs, float q)
{
    const double w = omega (f, fs), c = std::cos (w), alpha = std::sin (w) / (2.0 * q);
    return { (1.0 - c) / 2.0, 1.0 - c, (1.0 - c) / 2.0, 1.0 + alpha, -2.0 * c, 1.0 - alpha };
}

SectionTaps highPass (float f, float fs, float q)
{
    const double w = omega (f, fs), c = std::cos (w), alpha = std::sin (w) / (2.0 * q);
    return { (1.0 + c) / 2.0, -(1.0 + c), (1.0 + c) / 2.0, 1.0 + alpha, -2.0 * c, 1.0 - alpha };
}

// The cookbook's constant 0 dB peak gain band-pass.
SectionTaps bandPass (double w, double alpha)
{
    return { alpha, 0.0, -alpha, 1.0 + alpha, -2.0 * std::cos (w), 1.0 - alpha };
}

// Writes `count` copies of one section at section index `first` of the design.
void writeSections (BiquadDesign& design, int32_t first, int32_t count, const SectionTaps& t)
{
    const float section[6] { static_cast<float> (t.b0), static_cast<float> (t.b1), static_cast<float> (t.b2),
                             static_cast<float> (t.a0), static_cast<float> (t.a1), static_cast<float> (t.a2) };

    for (int32_t k = 0; k < count; ++k)
        vecCopy (section, design.taps + 6 * (first + k), 6);
}
} // namespace

BiquadStage::~BiquadStage()
{
    destroy();
}

bool BiquadStage::designLowPass (BiquadDesign& design, float f, float fs, float q)
{
    writeSections (design, 0, 2, lowPass (f, fs, q));
    design.sectionCount = 2;
    return true;
}

bool BiquadStage::designHighPass (BiquadDesign& design, float f, float fs, float q)
{
    writeSections (design, 0, 2, highPass (f, fs, q));
    design.sectionCount = 2;
    return true;
}

bool BiquadStage::designBandPass (BiquadDesign& design, float f, float fs, float q)
{
    const double w = omega (f, fs);
    writeSections (design, 0, 2, bandPass (w, std::sin (w) / (2.0 * q)));
    design.sectionCount = 2;
    return true;
}

bool BiquadStage::designBandPassOctaves (BiquadDesign& design, float f, float fs, float bandwidthOctaves)
{
    const double w = omega (f, fs), s = std::sin (w);
    writeSections (design, 0, 2, bandPass (w, s * std::sinh (std::log (2.0) / 2.0 * bandwidthOctaves * w / s)));
    design.sectionCount = 2;
    return true;
}

bool BiquadStage::designHighLowPair (BiquadDesign& design, float lowEdge, float highEdge, float fs, float q)
{
    writeSections (design, 0, 2, highPass (lowEdge, fs, q));
    writeSections (design, 2, 2, lowPass (highEdge, fs, q));
    design.sectionCount = 4;
    return true;
}

bool BiquadStage::designPassThrough (BiquadDesign& design)
{
    writeSections (design, 0, 2, { 1.0, 0.0, 0.0, 1.0, 0.0, 0.0 });
    design.sectionCount = 2;
    return true;
}

//==============================================================================
bool BiquadStage::rebuildFrom (const BiquadDesign& design)
{
    destroy();
    return iirStateCreateBiquad (&state, design.taps, design.sectionCount, nullptr) == dspStatusOk;
}

bool BiquadStage::rebuildLowPass (float f, float fs, float q)
{
    BiquadDesign design;
    designLowPass (design, f, fs, q);
    return rebuildFrom (design);
}

bool BiquadStage::rebuildHighPass (float f, float fs, float q)
{
    BiquadDesign design;
    designHighPass (design, f, fs, q);
    return rebuildFrom (design);
}

bool BiquadStage::rebuildBandPass (float f, float fs, float q)
{
    BiquadDesign design;
    designBandPass (design, f, fs, q);
    return rebuildFrom (design);
}

bool BiquadStage::rebuildBandPassOctaves (float f, float fs, float bandwidthOctaves)
{
    BiquadDesign design;
    designBandPassOctaves (design, f, fs, bandwidthOctaves);
    return rebuildFrom (design);
}

bool BiquadStage::rebuildHighLowPair (float lowEdge, float highEdge, float fs, float q)
{
    BiquadDesign design;
    designHighLowPair (design, lowEdge, highEdge, fs, q);
    return rebuildFrom (design);
}

void BiquadStage::destroy()
{
    if (state != nullptr)
    {
        iirStateFree (state);
        state = nullptr;
    }
}

int32_t BiquadStage::filter (const float* src, float* dst, int32_t len)
{
    return vecIirFilter (src, dst, len, state);
}
