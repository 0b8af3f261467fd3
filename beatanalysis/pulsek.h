/* Pulsek: beat analysis of one piece of stereo audio.
 *
 * Create an analysis for a known number of sample frames at 44,100 or 48,000 Hz, feed the left and
 * right channels (floats in 16-bit scale, -32768..32767) in chunks of any size, and once the last
 * frame has arrived read the tempo, the beat grid and the two wave-overview curves. Every function
 * accepts a null handle (it then does nothing and returns 0 or false). Nothing is thrown across this
 * interface and no error codes are reported; a track without usable beats gives tempo 0 and no beats.
 *
 * One handle must be used by one thread at a time; different handles are independent.
 */
#ifndef PULSEK_H_INCLUDED
#define PULSEK_H_INCLUDED

#include <stdint.h>

#ifndef __cplusplus
 #include <stdbool.h>
#endif

#if defined (PULSEK_BUILDING_LIBRARY)
 #define PULSEK_API __attribute__ ((visibility ("default")))
#else
 #define PULSEK_API
#endif

/* Largest point counts of the two overview curves: the sizes of a caller's wave arrays. */
#define BA_LOUD_WAVE_POINTS 400
#define BA_DOTS_WAVE_POINTS 100

#ifdef __cplusplus
extern "C" {
#endif

typedef struct BA_BeatInfo
{
    int32_t position;    /* frame index counted from the first frame fed */
    int32_t beatInBar;   /* 1..4, 1 = downbeat */
    int32_t bpmTimes100; /* local tempo in BPM x 100 */
} BA_BeatInfo;

typedef struct BA_WaveInfo
{
    float value;  /* height of the curve at this point */
    int32_t kind; /* loud wave: 0..5; dots wave: always 5 */
} BA_WaveInfo;

/* Creates an analysis of totalFrames stereo frames. gridSpanBeats (4, 8, 16, 32, ...: a multiple of 4
   whose quarter is a power of two; anything else means 4) is the number of beats over which the
   local tempo is measured. Returns null when memory runs out. */
PULSEK_API void* BA_Create48k (int32_t totalFrames, int32_t gridSpanBeats);
PULSEK_API void* BA_Create44k (int32_t totalFrames, int32_t gridSpanBeats);

/* Frees the analysis; the handle is invalid afterwards. */
PULSEK_API void BA_Release (void* handle);

/* True once the whole track has been fed (the analysis has then run). */
PULSEK_API bool BA_Analyzed (void* handle);

/* Feeds count frames. Frames beyond totalFrames are ignored; the call that completes the track runs
   the analysis before it returns. A null channel pointer or a count of 0 or less makes the call do
   nothing; so does any call after the analysis. Neither array is written. */
PULSEK_API void BA_SetSample (void* handle, float* left, float* right, int32_t count);

/* A track of 0 frames or fewer is complete with the first call of BA_SetSample that gives frames
   (both channels and a count > 0; the frames themselves are ignored). After that call BA_Analyzed is true, BA_GetBpm and
   BA_GetBeatNum return 0, BA_GetBeatList writes nothing, and BA_GetLoudWave and BA_GetDotsWave
   return full curves of BA_LOUD_WAVE_POINTS and BA_DOTS_WAVE_POINTS points, each with value 0 and
   kind 5. Before it, the getters report 0 (and false) as for any track not yet fed. */

/* Tempo in BPM x 100 (rounded half up); 0 before the analysis or when no tempo was found. */
PULSEK_API int32_t BA_GetBpm (void* handle);

/* Number of beats; 0 before the analysis. */
PULSEK_API int32_t BA_GetBeatNum (void* handle);

/* Writes BA_GetBeatNum (handle) records into out, in ascending position. out must hold that many;
   a null out writes nothing. */
PULSEK_API void BA_GetBeatList (void* handle, BA_BeatInfo* out);

/* Copy points first .. count-1 of a curve into out[first] .. out[count-1] and return the curve's
   current point count (both curves grow while audio is fed, so they may be read incrementally).
   out must hold BA_LOUD_WAVE_POINTS (loud) or BA_DOTS_WAVE_POINTS (dots) records. A null out, a
   negative first or a first at or past the count copies nothing; the count is still returned. */
PULSEK_API int32_t BA_GetLoudWave (void* handle, BA_WaveInfo* out, int32_t first);
PULSEK_API int32_t BA_GetDotsWave (void* handle, BA_WaveInfo* out, int32_t first);

#ifdef __cplusplus
} /* extern "C" */

/* The same functions under C++ names, for callers that bind to the decorated twins. */
PULSEK_API void* BAEX_Create48k (int32_t totalFrames, int32_t gridSpanBeats);
PULSEK_API void* BAEX_Create44k (int32_t totalFrames, int32_t gridSpanBeats);
PULSEK_API void BAEX_Release (void* handle);
PULSEK_API bool BAEX_Analyzed (void* handle);
PULSEK_API void BAEX_SetSample (void* handle, float* left, float* right, int32_t count);
PULSEK_API int32_t BAEX_GetBpm (void* handle);
PULSEK_API int32_t BAEX_GetBeatNum (void* handle);
PULSEK_API void BAEX_GetBeatList (void* handle, BA_BeatInfo* out);
PULSEK_API int32_t BAEX_GetLoudWave (void* handle, BA_WaveInfo* out, int32_t first);
PULSEK_API int32_t BAEX_GetDotsWave (void* handle, BA_WaveInfo* out, int32_t first);
#endif

#endif /* PULSEK_H_INCLUDED */
