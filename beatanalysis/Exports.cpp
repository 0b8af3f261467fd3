// The exported interface. The analysis object arrives with the onset front end; until then every
// handle is null and each function does what it does for a null handle.
#include "pulsek.h"

void* BA_Create48k (int32_t, int32_t) { return nullptr; }
void* BA_Create44k (int32_t, int32_t) { return nullptr; }
void BA_Release (void*) {}
bool BA_Analyzed (void*) { return false; }
void BA_SetSample (void*, float*, float*, int32_t) {}
int32_t BA_GetBpm (void*) { return 0; }
int32_t BA_GetBeatNum (void*) { return 0; }
void BA_GetBeatList (void*, BA_BeatInfo*) {}
int32_t BA_GetLoudWave (void*, BA_WaveInfo*, int32_t) { return 0; }
int32_t BA_GetDotsWave (void*, BA_WaveInfo*, int32_t) { return 0; }

void* BAEX_Create48k (int32_t totalFrames, int32_t gridSpanBeats) { return BA_Create48k (totalFrames, gridSpanBeats); }
void* BAEX_Create44k (int32_t totalFrames, int32_t gridSpanBeats) { return BA_Create44k (totalFrames, gridSpanBeats); }
void BAEX_Release (void* handle) { BA_Release (handle); }
bool BAEX_Analyzed (void* handle) { return BA_Analyzed (handle); }
void BAEX_SetSample (void* handle, float* left, float* right, int32_t count) { BA_SetSample (handle, left, right, count); }
int32_t BAEX_GetBpm (void* handle) { return BA_GetBpm (handle); }
int32_t BAEX_GetBeatNum (void* handle) { return BA_GetBeatNum (handle); }
void BAEX_GetBeatList (void* handle, BA_BeatInfo* out) { BA_GetBeatList (handle, out); }
int32_t BAEX_GetLoudWave (void* handle, BA_WaveInfo* out, int32_t first) { return BA_GetLoudWave (handle, out, first); }
int32_t BAEX_GetDotsWave (void* handle, BA_WaveInfo* out, int32_t first) { return BA_GetDotsWave (handle, out, first); }
