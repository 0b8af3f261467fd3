/* Compiled as C99 with pedantic errors: the public header must be valid C. */
#include "pulsek.h"

#include <stddef.h>

int pulsekHeaderFromC (void)
{
    BA_BeatInfo beats[1];
    BA_WaveInfo wave[BA_LOUD_WAVE_POINTS];
    void* handle = NULL;
    bool analyzed = BA_Analyzed (handle);

    beats[0].position = 0;
    BA_GetBeatList (handle, beats);
    BA_SetSample (handle, NULL, NULL, 0);
    BA_Release (handle);

    return (int) sizeof (BA_BeatInfo) * 100 + (int) sizeof (BA_WaveInfo) * 10
         + (analyzed ? 1 : 0) + BA_GetBpm (handle) + BA_GetBeatNum (handle)
         + BA_GetLoudWave (handle, wave, 0) + BA_GetDotsWave (handle, wave, 0);
}
