// The conversion of the engine's units to those the report prints (see display_units.h).
#include "display_units.h"

namespace {

// One row per quantity: its unit text in the document, and for US customary runs what the
// report prints in its place with the factor from the document's unit.
struct UnitRow {
    Quantity quantity;
    std::string UnitLabels::*engine;
    const char* us_label;
    double us_factor;
};

const UnitRow k_Unit_Rows[] = {
    {Quantity::Depth, &UnitLabels::depth, "ft", 1.0 / 12.0},
    {Quantity::PileLength, &UnitLabels::pile_length, "ft", 1.0 / 12.0},
    {Quantity::Deflection, &UnitLabels::deflection, "in", 1.0},
    {Quantity::PyDeflection, &UnitLabels::py_deflection, "in", 1.0},
    {Quantity::Slope, &UnitLabels::slope, "rad", 1.0},
    {Quantity::Moment, &UnitLabels::moment, "in-kip", 1e-3},
    {Quantity::Shear, &UnitLabels::shear, "kips", 1e-3},
    {Quantity::Force, &UnitLabels::force, "kips", 1e-3},
    {Quantity::AxialThrust, &UnitLabels::axial_thrust, "kips", 1e-3},
    {Quantity::SoilReaction, &UnitLabels::soil_reaction, "lb/in", 1.0},
    {Quantity::PyResistance, &UnitLabels::py_soil_resistance, "lb/in", 1.0},
    {Quantity::BendingStiffness, &UnitLabels::bending_stiffness, "kip-in\u00B2", 1e-3},
    {Quantity::Curvature, &UnitLabels::curvature, "rad/in", 1.0},
    {Quantity::RotationalStiffness, &UnitLabels::rotational_stiffness, "in-kip/rad", 1e-3},
    {Quantity::K22, &UnitLabels::k22, "kips/in", 1e-3},
    {Quantity::K23, &UnitLabels::k23, "kips/rad", 1e-3},
    {Quantity::K32, &UnitLabels::k32, "in-kip/in", 1e-3},
    {Quantity::K33, &UnitLabels::k33, "in-kip/rad", 1e-3},
};

// The document's "^2" written as a superscript.
std::string Readable_Unit(std::string unit) {
    const std::size_t at = unit.find("^2");
    if (at != std::string::npos) unit.replace(at, 2, "\u00B2");
    return unit;
}

}  // namespace

DisplayUnit Display_Unit(const RunResults& r, Quantity q) {
    for (const UnitRow& row : k_Unit_Rows) {
        if (row.quantity != q) continue;
        const std::string& engine = r.units.*(row.engine);
        if (engine.empty()) return {"", 1.0};
        if (r.unit_system == "US customary") return {row.us_label, row.us_factor};
        return {Readable_Unit(engine), 1.0};
    }
    return {"", 1.0};
}

double Shown(const RunResults& r, Quantity q, double engine_value) { return engine_value * Display_Unit(r, q).factor; }

std::string With_Unit(const std::string& name, const RunResults& r, Quantity q) {
    const std::string unit = Display_Unit(r, q).label;
    return unit.empty() ? name : name + " (" + unit + ")";
}
