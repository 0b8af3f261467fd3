#pragma once

/** Linear amplitude of a slot's gain index: 0..128 runs straight from -18 dB to 0 dB and 128..255 from
    0 dB to +9 dB, the steps of the unit's own gain control. Indices outside 0..255 give the ends. */
float gainIndexToAmplitude (int gainIndex);
