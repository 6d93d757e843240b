// Unit systems of a run and the fixed-width unit labels every report writer takes its unit texts
// from.
#pragma once

constexpr int k_Units_US = 1;        // US customary: feet and inches, pounds, psf, pcf
constexpr int k_Units_SI = 2;        // meters, kilonewtons, kilopascals
constexpr int k_Units_General = 3;   // no conversion and no unit-dependent checks

// Sets the unit labels of the model for IUNITS; with no unit system selected the unit-dependent
// labels stay blank. The unit-independent texts ("/", "-", "**", "2", "3", "4") are always set.
void Set_Unit_Labels();
