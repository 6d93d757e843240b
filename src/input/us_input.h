// US customary problems give depths and lengths in feet, soil strengths in psf and unit weights
// in pcf; the engine computes in inches and pounds. The conversion is the input stage's last
// step on the problem: after the echo has shown the values as input and before anything is
// computed from them.
#pragma once

// Converts the input quantities given in feet, psf and pcf to inches, psi and pci, in place.
// Runs only for US customary problems and only once per run (guarded by b_USCustomaryConverted).
void ConvertUSCustomaryInput();
