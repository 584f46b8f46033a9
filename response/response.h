#pragma once

// The frequency response of the crossover networks the calculators compute.
//
// Result in: networkOf turns a calc result and the Z field into the network the
// result labels show, parts rounded by roundPart; the caller may give its coils
// their wire's resistance and a driver (driver::Driver) in place of the
// resistor Z. Network to H(f): transfer solves each topology as one ladder into
// the load, the resistor or the driver's Z(f), finite for parts of 0 and a load
// of 0; sound multiplies it by the driver's response; inputImpedance is what
// the amplifier sees; unusable says which networks cannot be drawn. H(f) out:
// evaluate and evaluateSum give level and phase over a logSweep, for one network
// or for several drivers summed; halfPowerEdges finds the -3 dB frequencies
// (into a driver by a search) and soundEdges those of its sound,
// turningFrequencies the peaks and dips, from which drawnFrequencies, drawnSum
// and drawnImpedance make curves that miss none; passBand and turnsWithin tell a
// sum in words; and withStandardParts swaps in the nearest capacitors of
// the E12 or E24 series and the corrections' nearest E24 resistors, to draw
// what a builder can buy. The corrections (driver::Correction) sit between a
// network's output and its loudspeaker; resistorPowers and worstResistorPowers
// tell what their resistors must survive.

#include "response/edges.h"
#include "response/network.h"
#include "response/standard.h"
#include "response/sweep.h"
