// One float filter made of cascaded second-order sections, designed with the well-known audio-EQ
// cookbook formulas and run through the vector IIR operation.
#pragma once

#include <cstdint>

struct IirState;

// Taps of one design: sectionCount x (b0, b1, b2, a0, a1, a2), not normalised.
struct BiquadDesign
{
    static constexpr int32_t maxSections = 10;

    BiquadDesign() = default;
    BiquadDesign (const BiquadDesign&) = delete;
    BiquadDesign& operator= (const BiquadDesign&) = delete;

    float buffer[6 * maxSections] {};
    float* taps = buffer;
    int32_t sectionCount = 0;
};

class BiquadStage
{
public:
    BiquadStage() = default;
    ~BiquadStage();

    BiquadStage (const BiquadStage&) = delete;
    BiquadStage& operator= (const BiquadStage&) = delete;

    // Designs; f and fs in Hz. Each writes two equal sections (the high-low pair four) and returns true.
    static bool designLowPass (BiquadDesign& design, float f, float fs, float q);
    static bool designHighPass (BiquadDesign& design, float f, float fs, float q);
    static bool designBandPass (BiquadDesign& design, float f, float fs, float q);
    static bool designBandPassOctaves (BiquadDesign& design, float f, float fs, float bandwidthOctaves);
    static bool designHighLowPair (BiquadDesign& design, float lowEdge, float highEdge, float fs, float q);
    static bool designPassThrough (BiquadDesign& design);

    // Replace the filter with a new design; the history starts again at 0. False when the state could
    // not be created (the stage is then left without one, and filtering through it changes nothing).
    bool rebuildLowPass (float f, float fs, float q);
    bool rebuildHighPass (float f, float fs, float q);
    bool rebuildBandPass (float f, float fs, float q);
    bool rebuildBandPassOctaves (float f, float fs, float bandwidthOctaves);
    bool rebuildHighLowPair (float lowEdge, float highEdge, float fs, float q);
    bool rebuildFrom (const BiquadDesign& design);

    void destroy();

    // The vector operation's status: 0, or -8 when the stage has no state.
    int32_t filter (const float* src, float* dst, int32_t len);

    IirState* state = nullptr;
};
