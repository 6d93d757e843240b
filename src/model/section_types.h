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

// Section models: the numbers the material laws and the report test.
constexpr int k_Model_None = 0;                // elastic, elastic-plastic, user EI
constexpr int k_Model_Rectangle = 1;
constexpr int k_Model_Rectangle_Core = 2;
constexpr int k_Model_Round = 3;
constexpr int k_Model_Round_Core = 5;
constexpr int k_Model_Cased = 6;
constexpr int k_Model_Cased_Core = 7;
constexpr int k_Model_Pipe = 9;
constexpr int k_Model_Polygon = 10;
constexpr int k_Model_Polygon_Voids = 11;
// A grouted hole with a steel casing inside it and a central bar. Its own model, not the cased
// core with no outer casing: that model would give the grout inside the casing the core's
// concrete law and take the bar out of the grout outside the casing, where it is not.
constexpr int k_Model_Micropile = 12;

// The section model of pile section s from its input type (chamfer-free squares fall back to
// the rectangle models); k_Model_None for the types without slicing.
int Section_Model_Of(int s);

// True for the prestressed input types (circular, square and octagonal, solid and hollow).
bool Is_Prestressed_Type(int type);
