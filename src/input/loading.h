// The loading sections of the input data file: pile-head load cases with the distributed lateral
// load (LOADING), unfactored LRFD loads (LRFD LOADS) and LRFD factors and combinations (LRFD
// FACTORS AND CASES).
#pragma once

// Reads the load cases and the distributed lateral load profile. Raises Input Data Error No. 95
// for a count outside its capacity or a loading type outside 1-5, and No. 99 for unreadable lines.
void ReadLoading();

// Reads the unfactored LRFD loads with their distributed load points. Raises Input Data Errors
// No. 98 (count outside 1-100), 97 (load out of order), 95 (load type outside 1-13, distributed
// point count not 0 or 2-100), 96 (point out of order) and 99.
void ReadLrfdLoads();

// Reads the LRFD load combinations: 13 load factors, two resistance factors and a name each; a
// resistance factor of 0 or less becomes 0.75. Raises Input Data Errors No. 94 (count outside
// 1-100), 72 (load factors summing to 0 or less) and 99.
void ReadLrfdFactors();

// KYL after the whole problem is read: the number of pile-head load cases whose length study
// the run will make, 0 when none does (a bending-stiffness-only or an LRFD run makes none).
void Derive_Length_Study_Count();
