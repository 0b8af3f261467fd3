#include "BeatInfoAnalyzer.h"

float BeatInfoAnalyzer::analyze (std::vector<BeatRecord>&, std::vector<BeatRecord>&, int32_t, int32_t, int32_t, int32_t)
{
    return 0.0f;
}
