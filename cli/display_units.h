// The units the figures and the HTML report show each quantity in: those the output report
// prints. The engine's results document gives US customary runs in inches and pounds; the report
// prints depths and pile lengths in feet and the section analysis in kips and in-kips, so the
// figures show depths in ft and forces and moments in kips and in-kips, and line loads (soil
// reaction, p-y resistance) in lb/in as the report's node table and p-y blocks do. SI and general
// runs are shown in the engine's own units. One table holds every conversion.
#pragma once

#include <string>

#include "results_data.h"

enum class Quantity {
    Depth, PileLength, Deflection, PyDeflection, Slope, Moment, Shear, Force, AxialThrust, SoilReaction,
    PyResistance, BendingStiffness, Curvature, RotationalStiffness, K22, K23, K32, K33
};

struct DisplayUnit {
    std::string label;   // "ft", "in-kip", ...; empty when the document names no unit
    double factor;       // shown value = engine value x factor
};

// How quantity q of a run with these units is shown.
DisplayUnit Display_Unit(const RunResults& r, Quantity q);

// A value of quantity q in the engine's units, as shown.
double Shown(const RunResults& r, Quantity q, double engine_value);

// "Name (unit)", or the name alone when the quantity has no unit text.
std::string With_Unit(const std::string& name, const RunResults& r, Quantity q);
