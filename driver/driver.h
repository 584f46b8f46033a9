#pragma once

// A loudspeaker driver as it is, not as a resistor: its impedance and its acoustic response.
//
// Known in: its Thiele-Small Parameters (unusable names the field to fix), or the bytes of its
// measured FRD and ZMA files, which readMeasurement takes in the dialects real files come in and
// turns into a Measurement, all or nothing, or a ReadError naming the line; a file without phase
// gets the minimum phase of its level. Numbers out: impedance and acoustic give Z(f) and H(f) of a
// Driver at any frequency, from the model or between the measured samples, held at the end
// sample's value beyond them (Measurement::covers, and covers for a driver, say where); level
// gives the level it plays at, from which its own -3 dB is counted. The corrections put between a
// crossover and a driver (a Zobel, an L-pad, a resonance notch, a baffle step) come from its
// figures, and fitVoiceCoil reads Re and Le off a ZMA.

#include "driver/correction.h"
#include "driver/examples.h"
#include "driver/measurement.h"
#include "driver/model.h"
#include "driver/parameters.h"
