// POV-Ray 3.5 and later have no halos: media in an object's interior took their place. This
// turns a halo into the media that come closest to it, for scenes written at the 3.7 level.
//
// What carries over: the halo type (emitting: emission; attenuating: absorption of the
// colour's complement, so that light passing through takes on the halo's colour; glowing:
// emission and absorption; dust: scattering of the dust type, with the eccentricity for the
// Henyey-Greenstein type), the mapping as the density pattern (planar, spherical, cylindrical,
// boxed), the density function as its wave (linear, cubic_wave, poly_wave exponent; constant
// needs no pattern), max_value as the strength, samples, anti-aliasing and jitter as those of
// media method 3, turbulence, octaves, omega and lambda, the colour map with each colour
// weighted by its opacity (1 - transmit), and the halo's own scale, rotate and translate.
// What does not: the filter of colour-map entries, and the halo's anti-aliasing level, which
// media take as a whole number of subdivisions (at least 1).
#pragma once

class CPovHalo;
class SceneText;

// Writes "media { ... }" with its closing brace and line end.
void WriteHaloAsMedia(const CPovHalo& halo, SceneText& out);
