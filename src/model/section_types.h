// Section type codes of the pile sections as the input gives them (the type line of a section);
// a void-core cased shaft (input -3) is stored as k_Section_Cased_Core with its core not filled.
#pragma once

constexpr int k_Section_Rectangular = 0;        // rectangular concrete pile
constexpr int k_Section_Shaft = 1;              // drilled shaft (bored pile)
constexpr int k_Section_Cased = 2;              // drilled shaft with permanent casing
constexpr int k_Section_Cased_Core = 3;         // drilled shaft with casing and core
constexpr int k_Section_Pipe = 4;               // steel pipe pile
constexpr int k_Section_Circular_Solid = 5;     // circular solid prestressed pile
constexpr int k_Section_Circular_Hollow = 6;    // circular hollow prestressed pile
constexpr int k_Section_Square_Solid = 7;       // square solid prestressed pile
constexpr int k_Section_Square_Hollow = 8;      // square hollow prestressed pile
constexpr int k_Section_Octagonal_Solid = 9;    // octagonal solid prestressed pile
constexpr int k_Section_Octagonal_Hollow = 10;  // octagonal hollow prestressed pile
constexpr int k_Section_Elastic = 11;           // elastic pile
constexpr int k_Section_Elastic_Plastic = 12;   // elastic pile with a plastic moment capacity
constexpr int k_Section_User_EI = 13;           // pile with user-defined nonlinear EI
constexpr int k_Section_Micropile = 14;         // micropile
