// Soil property lookups along the soil strength and effective unit weight tables. The tables
// hold two points per layer, so on a layer interface two points share a depth: the rules there
// are the laws Strength_At_Interface and Column_Value_At_Interface; everything else is linear
// interpolation by depth.
#include "pile/soil_profile.h"

#include <cassert>
#include <cmath>

#include "model/model.h"
#include "model/soil_types.h"
#include "pile/interpolation.h"
#include "pile/soil_profile_errors.h"

namespace {

// fn_c treats a depth within this distance of a table point as on the point.
constexpr double k_Point_Tolerance = 1e-6;
// A column value below this is zero, that is, "use the criterion's default".
constexpr double k_Zero_Value = 1e-20;

using SoilColumn = std::array<double, k_Max_Soil_Points + 1>;

// Interface class of each soil type number; "User p-y" is decided by the strength value.
static constexpr int k_Class_Of_Type[k_Num_Soil_Types + 1] = {
    k_Soil_Class_Other,
    k_Soil_Class_Cohesive,          // SoftClay
    k_Soil_Class_Cohesive,          // StfClyBW
    k_Soil_Class_Cohesive,          // StfClyAW
    k_Soil_Class_Cohesive,          // StfClyAK
    k_Soil_Class_Cohesionless,      // Sand
    k_Soil_Class_Cohesionless,      // API Sand
    k_Soil_Class_Cohesionless,      // Liq Sand
    k_Soil_Class_Rock,              // WeakRock
    k_Soil_Class_Rock,              // Vuggy LS
    k_Soil_Class_Other,             // Piedmont
    k_Soil_Class_Cemented_Silt,     // Cem Silt
    k_Soil_Class_Cohesionless,      // KS Loess
    k_Soil_Class_Elastic_Subgrade,  // Elast SG
    k_Soil_Class_Other,             // User p-y, by its strength value
    k_Soil_Class_Cohesive,          // SoftClyJ
    k_Soil_Class_Rock,              // MassRock
    k_Soil_Class_Other,             // Frz Soil
    k_Soil_Class_Other,             // Undefined
    k_Soil_Class_Other,
    k_Soil_Class_Other,
};

bool Is_Cohesive_Or_Rock(int soil_class) {
    return soil_class == k_Soil_Class_Cohesive || soil_class == k_Soil_Class_Rock;
}

bool Is_Softer_Than_Clay_Or_Rock(int soil_class) {
    return soil_class == k_Soil_Class_Cohesionless || soil_class == k_Soil_Class_Cemented_Silt ||
           soil_class == k_Soil_Class_Elastic_Subgrade;
}

// fn_c on an interior strength point: i is the point just above the interface. rock_strength
// selects the messages of the massive rock lookup.
double Strength_On_Interface(double z, int i, bool at_tip, bool rock_strength) {
    const AnalysisModel& m = g_Model;
    const int last_pair = m.i_Number_of_Layers - 1;
    int KTOP = 1;
    for (; KTOP <= last_pair; ++KTOP) {
        if (std::fabs(z - m.XLayerBottom[KTOP]) < k_Point_Tolerance &&
            std::fabs(z - m.rd_LayerTop[KTOP + 1]) < k_Point_Tolerance) {
            break;
        }
    }
    if (KTOP > last_pair) {
        const int last_examined = last_pair > 0 ? last_pair : 0;
        Raise_Interface_Not_Found(z, true, at_tip, last_examined, last_examined + 1, rock_strength);
        return 0.0;
    }
    const double above = m.StrengthAtPoint[i];
    const double below = m.StrengthAtPoint[i + 1];
    const int class_above = Soil_Class_Of_Layer(KTOP, above);
    const int class_below = Soil_Class_Of_Layer(KTOP + 1, below);
    double c = 0.0;
    if (!Strength_At_Interface(class_above, class_below, above, below, at_tip, c)) {
        Raise_Interface_Class_Error(z, class_above, class_below, i, at_tip, rock_strength);
        return 0.0;
    }
    return c;
}

// Where a depth falls in a column of the strength table.
struct ColumnLookup {
    bool below_data;   // z lies below the deepest point
    double value;      // the column value at z otherwise
};

// The column rule shared by the strain, J, friction angle and RQD lookups. With tip_rule, an
// interface exactly at the pile tip takes the upper layer's value.
ColumnLookup Column_At_Depth(const SoilColumn& v, double z, bool tip_rule) {
    const AnalysisModel& m = g_Model;
    const SoilColumn& x = m.XSoilPoint;
    const int P = m.NumStrengthPoints;
    for (int i = 2; i <= P; ++i) {
        if (!(z <= x[i])) continue;
        if (z == x[P]) return {false, v[i]};
        if (z != x[i]) {
            // A depth above a zero-length first segment has nothing to interpolate along.
            if (x[i] - x[i - 1] <= 0.0) return {false, v[i]};
            return {false, Interpolate_Linear(z, x[i - 1], v[i - 1], x[i], v[i])};
        }
        if (i < P && x[i + 1] == x[i]) {
            if (tip_rule && z == m.rd_PileLengthAnalysed) return {false, v[i]};
            return {false, Column_Value_At_Interface(v[i], v[i + 1])};
        }
        return {false, v[i]};
    }
    return {true, 0.0};
}

// The trapezoid integral of a piecewise-linear table from its first point down to z, each term
// divided by the depth below the ground surface: the mean of the value over that depth.
double Mean_Down_To(const SoilColumn& x, const SoilColumn& v, int P, double z, double ground) {
    const double depth = z - ground;
    double sum = 0.0;
    for (int i = 2; i <= P; ++i) {
        const double length = x[i] - x[i - 1];
        if (x[i] <= z) {
            sum += (v[i - 1] + v[i]) / 2.0 * length / depth;
            continue;
        }
        // The segment that holds z contributes the part above z, unless it is an interface.
        if (length >= k_Point_Tolerance) {
            const double e = z - x[i - 1];
            const double slope = (v[i] - v[i - 1]) / length;
            sum += (2.0 * v[i - 1] + slope * e) * 0.5 * e / depth;
        }
        break;
    }
    return sum;
}

// The strength rule of fn_c and fn_HB_qu_at_DepthX; rock_strength selects the latter's messages.
double Strength_At_Depth(double z, bool& at_interior_point, bool rock_strength) {
    const AnalysisModel& m = g_Model;
    const SoilColumn& x = m.XSoilPoint;
    const int P = m.NumStrengthPoints;
    assert(P <= k_Max_Soil_Points);
    bool at_node = false;
    for (int i = 2; i <= P - 1; ++i) {
        if (std::fabs(z - x[i]) <= k_Point_Tolerance) at_node = true;
    }
    at_interior_point = at_node;
    const bool at_tip = z == m.rd_PileLengthAnalysed;
    for (int i = 2; i <= P; ++i) {
        if (!(z <= x[i] + k_Point_Tolerance)) continue;
        if (std::fabs(z - x[P]) <= k_Point_Tolerance) return m.StrengthAtPoint[P];
        if (at_node) return Strength_On_Interface(z, i, at_tip, rock_strength);
        if (x[i] - x[i - 1] <= 0.0) {
            Raise_Zero_Strength_Segment(z);
            return 0.0;
        }
        return Interpolate_Linear(z, x[i - 1], m.StrengthAtPoint[i - 1], x[i], m.StrengthAtPoint[i]);
    }
    Raise_Strength_Below_Data(z, x[P], rock_strength);
    return 0.0;
}

// The mean unit weight at the ground surface: the first unit weight given, skipping zero
// entries (the depth is not needed).
double First_Unit_Weight_Given(double) {
    const AnalysisModel& m = g_Model;
    const int P = m.NumUnitWeightPoints;
    for (int i = 1; i <= P; ++i) {
        if (m.UnitWeightAtPoint[i] > 0.0) return m.UnitWeightAtPoint[i];
    }
    return m.UnitWeightAtPoint[P];
}

// The mean of a profile of P points (x, v) from the ground surface down to z: 0 above the
// surface or with fewer than two points, the profile's own value at_surface(z) within the point
// tolerance of the surface; below the data raise_below(z) raises and the mean is 0.
double Mean_From_Surface(double z, const SoilColumn& x, const SoilColumn& v, int P,
                         void (*raise_below)(double), double (*at_surface)(double)) {
    const AnalysisModel& m = g_Model;
    if (z < m.XGroundSurface) return 0.0;
    if (P < 1 || z > x[P]) {
        raise_below(z);
        return 0.0;
    }
    if (P < 2) return 0.0;
    if (z - m.XGroundSurface < k_Point_Tolerance) return at_surface(z);
    return Mean_Down_To(x, v, P, z, m.XGroundSurface);
}

}  // namespace

int Soil_Class_Of_Layer(int L, double strength_at_point) {
    const int type = g_Model.i_SoilLayer_py_Type[L];
    if (type < 1 || type > k_Num_Soil_Types) return k_Soil_Class_Other;
    if (type == k_Soil_UserPY) {
        return strength_at_point > 0.0 ? k_Soil_Class_Cohesive : k_Soil_Class_Cohesionless;
    }
    return k_Class_Of_Type[type];
}

bool Strength_At_Interface(int class_above, int class_below, double above, double below,
                           bool at_tip, double& strength) {
    if (at_tip) {
        strength = above;
        return true;
    }
    if ((class_above == k_Soil_Class_Cohesive && class_below == k_Soil_Class_Cohesive) ||
        (class_above == k_Soil_Class_Rock && class_below == k_Soil_Class_Rock)) {
        strength = (above + below) / 2.0;
        return true;
    }
    // Clay on rock and rock on clay: the clay value plus half the rock value, written as twice
    // the clay plus the rock, halved. It is not a weighted mean (that would divide by three);
    // the established rule is kept as it is.
    if (class_above == k_Soil_Class_Cohesive && class_below == k_Soil_Class_Rock) {
        strength = (2.0 * above + below) * 0.5;
        return true;
    }
    if (class_above == k_Soil_Class_Rock && class_below == k_Soil_Class_Cohesive) {
        strength = (2.0 * below + above) * 0.5;
        return true;
    }
    // Against a layer without strength of this kind the clay or rock value applies alone.
    if (Is_Cohesive_Or_Rock(class_above) && Is_Softer_Than_Clay_Or_Rock(class_below)) {
        strength = above;
        return true;
    }
    if (Is_Softer_Than_Clay_Or_Rock(class_above) && Is_Cohesive_Or_Rock(class_below)) {
        strength = below;
        return true;
    }
    // A layer whose type has no strength of this kind at all (Piedmont residual soil) against
    // clay or rock: the clay or rock value, as against the softer soils. Residual soil over
    // weathered rock or clay, and clay over residual soil, are ordinary layerings, and the clay's
    // or rock's own criterion asks for the strength on that interface.
    if (Is_Cohesive_Or_Rock(class_above) && class_below == k_Soil_Class_Other) {
        strength = above;
        return true;
    }
    if (class_above == k_Soil_Class_Other && Is_Cohesive_Or_Rock(class_below)) {
        strength = below;
        return true;
    }
    return false;
}

double Column_Value_At_Interface(double upper, double lower) {
    if (upper >= k_Zero_Value && lower >= k_Zero_Value) return (upper + lower) / 2.0;
    if (lower < k_Zero_Value) return upper;
    return lower;
}

double fn_c(double z) {
    bool at_interior_point = false;
    return fn_c(z, at_interior_point);
}

double fn_c(double z, bool& at_interior_point) {
    return Strength_At_Depth(z, at_interior_point, false);
}

double fn_HB_qu_at_DepthX(double z) {
    bool at_interior_point = false;
    return Strength_At_Depth(z, at_interior_point, true);
}

double AverageShearStrengthAbove(double z) {
    const AnalysisModel& m = g_Model;
    return Mean_From_Surface(z, m.XSoilPoint, m.StrengthAtPoint, m.NumStrengthPoints,
                             Raise_Strength_Average_Below_Data, [](double zs) { return fn_c(zs); });
}

double AverageUnitWeightAbove(double z) {
    const AnalysisModel& m = g_Model;
    return Mean_From_Surface(z, m.XUnitWeightPoint, m.UnitWeightAtPoint, m.NumUnitWeightPoints,
                             Raise_Unit_Weight_Below_Data, First_Unit_Weight_Given);
}

double Epsilon50AtDepth(double z) {
    // Below the data the criterion falls back on its own default strain.
    return Column_At_Depth(g_Model.Epsilon50AtPoint, z, true).value;
}

double JAtDepth(double z) { return Column_At_Depth(g_Model.JAtPoint, z, true).value; }

double FrictionAngleAtDepth(double z) {
    const ColumnLookup r = Column_At_Depth(g_Model.FrictionAngleAtPoint, z, true);
    if (r.below_data) {
        Raise_Friction_Angle_Below_Data(z);
        return 0.0;
    }
    return r.value;
}

double RQDAtDepth(double z) {
    const ColumnLookup r = Column_At_Depth(g_Model.RQDAtPoint, z, false);
    if (r.below_data) {
        Raise_RQD_Below_Data(z);
        return 0.0;
    }
    if (r.value < 0.0 || r.value > 100.0) {
        Raise_RQD_Out_Of_Range(r.value);
        return 0.0;
    }
    return r.value;
}

double KrmAtDepth(double z) {
    const AnalysisModel& m = g_Model;
    const SoilColumn& x = m.XSoilPoint;
    const SoilColumn& v = m.Epsilon50AtPoint;
    const int P = m.NumStrengthPoints;
    for (int i = 2; i <= P; ++i) {
        if (!(x[i - 1] <= z && z <= x[i])) continue;
        int j = i;
        // On an interface the lower layer's top governs, except at the pile tip.
        if (z == x[j] && j < P && x[j + 1] == x[j] && z != m.rd_PileLengthAnalysed) ++j;
        if (z == x[P] || z == x[j]) return v[j];
        return Interpolate_Linear(z, x[j - 1], v[j - 1], x[j], v[j]);
    }
    return 0.0;
}

double Layer_Column_At_Depth(int L, const SoilColumn& column, double z) {
    const SoilColumn& x = g_Model.XSoilPoint;
    const int top = 2 * L - 1;
    const int bottom = 2 * L;
    assert(L >= 1 && bottom <= k_Max_Soil_Points);
    if (x[bottom] == x[top]) return column[top];
    return Interpolate_Linear(z, x[top], column[top], x[bottom], column[bottom]);
}

double fn_LayerK(int L, double z, double k_bottom) {
    const AnalysisModel& m = g_Model;
    const double k_top = m.LayerKTop[L];
    if (k_bottom == k_top) return k_top;
    return k_top + (k_bottom - k_top) * (z - m.rd_LayerTop[L]) / (m.XLayerBottom[L] - m.rd_LayerTop[L]);
}
