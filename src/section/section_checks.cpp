// Refusals of section data that the slicing and the material laws cannot compute with.
#include "section/section_checks.h"

#include <cmath>

#include "engine/errors.h"
#include "engine/messages.h"
#include "model/model.h"
#include "model/section_types.h"
#include "model/units.h"
#include "report/number_writer.h"
#include "section/materials.h"
#include "section/section_geometry.h"
#include "section/stiffness_tables.h"

void Append_Quoted_Number(FortranRecord& record, double x) {
    const FieldText number = Format_Number(x, 15);
    const char* digits = number.text.data();
    while (*digits == ' ') ++digits;
    Append_Text(record, digits);
}

void Raise_Section_Input_Error(int number, const char* problem, const char* solution) {
    const FortranRecord heading = Error_Heading(true, number, 5);
    const char* lines[] = {"", "", heading.text.data(), "", problem, solution, "", ""};
    for (const char* l : lines) Write_Message_Line(l);
    for (const char* l : lines) Write_Report_Line(l);
    Raise_Input_Error(number);
}

namespace {

constexpr double k_Position_Tolerance = 1e-9;   // of the section depth

// "Problem:  Section s has <what> of <value> <unit>." and "Solution: Give section s <need>."
void Refuse(int number, int s, const char* what, double value, const char* unit, const char* need) {
    FortranRecord problem = Text_With_Integer("Problem:  Section ", s, " has ");
    Append_Text(problem, what);
    Append_Text(problem, " of ");
    Append_Quoted_Number(problem, value);
    Append_Text(problem, " ");
    Append_Trimmed(problem, unit);
    Append_Text(problem, ".");
    FortranRecord solution = Text_With_Integer("Solution: Give section ", s, " ");
    Append_Text(solution, need);
    Append_Text(solution, ".");
    Raise_Section_Input_Error(number, problem.text.data(), solution.text.data());
}

bool Positive(int s, const char* what, double value, const char* unit) {
    if (value > 0.0) return true;
    Refuse(k_Error_Material_Value, s, what, value, unit, "a value greater than zero");
    return false;
}

// A micropile's casing must lie inside its hole, with a wall that leaves it a hollow, and its
// central bar must fit inside the casing (or the hole when there is none). Raises No. 81 or 80.
bool Check_Micropile_Dimensions(int s) {
    const AnalysisModel& m = g_Model;
    const char* len = m.LabelLength;
    const double D = m.SectionDiameter[s];
    const double Dc = m.rd_CasingDiameter[s];
    const double tc = m.CasingThickness[s];
    if (D <= 0.0) {
        Refuse(k_Error_Section_Dimension, s, "a hole diameter", D, len, "a hole diameter greater than zero");
        return false;
    }
    if (tc < 0.0) {
        Refuse(k_Error_Section_Dimension, s, "a casing wall thickness", tc, len,
               "a casing wall thickness of zero (no casing) or more");
        return false;
    }
    double inside = D;   // the room the bar must fit in
    if (tc > 0.0) {
        if (Dc <= 0.0 || Dc > D) {
            Refuse(k_Error_Section_Dimension, s, "a casing outside diameter", Dc, len,
                   "a casing outside diameter greater than zero and no larger than the hole diameter");
            return false;
        }
        if (2.0 * tc >= Dc) {
            Refuse(k_Error_Section_Dimension, s, "a casing wall thickness", tc, len,
                   "a casing wall thickness less than half the casing outside diameter");
            return false;
        }
        inside = Dc - 2.0 * tc;
    }
    const double d = m.BarDiameter[1][s];
    if (d < 0.0) {
        Refuse(k_Error_Section_Dimension, s, "a bar diameter", d, len, "a bar diameter of zero (no bar) or more");
        return false;
    }
    if (d > inside) {
        FortranRecord problem = Text_With_Integer("Problem:  The central bar of section ", s, " has a diameter of ");
        Append_Quoted_Number(problem, d);
        Append_Text(problem, " ");
        Append_Trimmed(problem, len);
        Append_Text(problem, tc > 0.0 ? ", larger than the inside diameter of its casing, " : ", larger than its hole, ");
        Append_Quoted_Number(problem, inside);
        Append_Text(problem, " ");
        Append_Trimmed(problem, len);
        Append_Text(problem, ".");
        FortranRecord solution = Text_With_Integer("Solution: Give section ", s, " a bar that fits inside its casing, or a casing with room for the bar.");
        Raise_Section_Input_Error(k_Error_Bar_Outside_Section, problem.text.data(), solution.text.data());
        return false;
    }
    return true;
}

// Outline dimensions: something must remain of every wall, void and chamfer.
bool Check_Dimensions(int s) {
    const AnalysisModel& m = g_Model;
    const int type = m.SectionType[s];
    if (type == k_Section_Micropile) return Check_Micropile_Dimensions(s);
    const char* len = m.LabelLength;
    const double D = m.SectionDiameter[s];
    if (D <= 0.0) {
        Refuse(k_Error_Section_Dimension, s, "a diameter or depth", D, len,
               "a diameter or depth greater than zero");
        return false;
    }
    if (type == k_Section_Rectangular && m.SectionWidth[s] <= 0.0) {
        Refuse(k_Error_Section_Dimension, s, "a width", m.SectionWidth[s], len,
               "a width greater than zero");
        return false;
    }
    if (type == k_Section_Pipe) {
        const double t = m.PipeThickness[s];
        if (t <= 0.0 || 2.0 * t >= D) {
            Refuse(k_Error_Section_Dimension, s, "a pipe wall thickness", t, len,
                   "a wall thickness greater than zero and less than half the diameter");
            return false;
        }
    }
    double inside = D;   // diameter of the room inside the casing, for the core
    if (type == k_Section_Cased || type == k_Section_Cased_Core) {
        const double t = m.CasingThickness[s];
        if (t < 0.0 || 2.0 * t >= D) {
            Refuse(k_Error_Section_Dimension, s, "a casing wall thickness", t, len,
                   "a casing wall thickness of zero or more and less than half the diameter");
            return false;
        }
        inside = D - 2.0 * t;
    }
    if (type == k_Section_Cased_Core) {
        const double Dk = m.CoreDiameter[s];
        const double tk = m.CoreThickness[s];
        if (Dk <= 0.0 || Dk >= inside) {
            Refuse(k_Error_Section_Dimension, s, "a core diameter", Dk, len,
                   "a core diameter greater than zero and less than the inside diameter of the casing");
            return false;
        }
        if (tk < 0.0 || 2.0 * tk >= Dk) {
            Refuse(k_Error_Section_Dimension, s, "a core wall thickness", tk, len,
                   "a core wall thickness of zero or more and less than half the core diameter");
            return false;
        }
    }
    if (type == k_Section_Square_Solid || type == k_Section_Square_Hollow) {
        const double c = m.ChamferWidth[s];
        if (c < 0.0 || 2.0 * c >= D) {
            Refuse(k_Error_Section_Dimension, s, "a corner chamfer", c, len,
                   "a corner chamfer of zero or more and less than half the pile width");
            return false;
        }
    }
    if (type == k_Section_Circular_Hollow || type == k_Section_Square_Hollow ||
        type == k_Section_Octagonal_Hollow) {
        const double Dv = m.VoidDiameter[s];
        if (Dv < 0.0 || Dv >= D) {
            Refuse(k_Error_Section_Dimension, s, "a void diameter", Dv, len,
                   "a void diameter of zero or more and less than the pile width");
            return false;
        }
    }
    return true;
}

// Strengths and moduli the laws divide by or limit with.
bool Check_Materials(int s) {
    const AnalysisModel& m = g_Model;
    const int type = m.SectionType[s];
    const char* stress = m.LabelStress;
    if (type == k_Section_Pipe) {
        return Positive(s, "a pipe yield stress", m.PipeYieldStress[s], stress) &&
               Positive(s, "a pipe modulus of elasticity", m.PipeModulus[s], stress);
    }
    const bool micropile = type == k_Section_Micropile;
    if (!Positive(s, micropile ? "a grout compressive strength" : "a concrete compressive strength",
                  m.ConcreteStrength[s], stress)) {
        return false;
    }
    if (!Is_Prestressed_Type(type) && m.NumBars[s] > 0) {
        if (!Positive(s, "a bar yield stress", m.RebarYieldStress[s], stress)) return false;
        if (!Positive(s, "a bar modulus of elasticity", m.ReinforcementModulus[s], stress)) return false;
    }
    if ((type == k_Section_Cased || type == k_Section_Cased_Core || micropile) && m.CasingThickness[s] > 0.0) {
        if (!Positive(s, "a casing yield stress", m.CasingYieldStress[s], stress)) return false;
        if (!Positive(s, "a casing modulus of elasticity", m.CasingModulus[s], stress)) return false;
    }
    if (type == k_Section_Cased_Core && m.CoreThickness[s] > 0.0) {
        if (!Positive(s, "a core yield stress", m.CoreYieldStress[s], stress)) return false;
        if (!Positive(s, "a core modulus of elasticity", m.CoreModulus[s], stress)) return false;
    }
    // The tensile strain at fracture takes the root of ft/f'c + 1, negative when f'c is so low
    // that the modulus of rupture exceeds it: f'c typed in ksi where psi is expected, say.
    const double fc_ksi =
        m.IUNITS == k_Units_US ? m.ConcreteStrength[s] / 1000.0 : m.ConcreteStrength[s] / k_Ksi_To_KPa;
    if (Modulus_Of_Rupture_Ksi(fc_ksi, Is_Prestressed_Type(type)) / fc_ksi + 1.0 < 0.0) {
        FortranRecord problem = Text_With_Integer("Problem:  Section ", s, micropile ? " has a grout compressive strength of "
                                                                               : " has a concrete compressive strength of ");
        Append_Quoted_Number(problem, m.ConcreteStrength[s]);
        Append_Text(problem, " ");
        Append_Trimmed(problem, stress);
        Append_Text(problem, ", too low for the concrete tensile law.");
        Raise_Section_Input_Error(
            k_Error_Concrete_Strength_Low, problem.text.data(),
            m.IUNITS == k_Units_US
                ? "Solution: Give the concrete compressive strength in psi (4000 for 4 ksi concrete)."
                : "Solution: Give the concrete compressive strength in kPa (27600 for 27.6 MPa concrete).");
        return false;
    }
    return true;
}

// True when (x, y) lies inside or on the section's outline.
bool Inside_Outline(int s, double x, double y) {
    const AnalysisModel& m = g_Model;
    const int model = Section_Model_Of(s);
    const double D = m.SectionDiameter[s];
    const double tol = k_Position_Tolerance * D;
    if (model == k_Model_Rectangle || model == k_Model_Rectangle_Core) {
        const double W = m.SectionType[s] == k_Section_Rectangular ? m.SectionWidth[s] : D;
        return std::fabs(x) <= 0.5 * W + tol && std::fabs(y) <= 0.5 * D + tol;
    }
    if (model == k_Model_Polygon || model == k_Model_Polygon_Voids) {
        // Every edge of the counter-clockwise outline keeps the point on its left.
        for (int i = 1; i <= m.i_NumOutlinePoints; ++i) {
            const int next = i % m.i_NumOutlinePoints + 1;
            const double ex = m.rd_OutlineX[next] - m.rd_OutlineX[i];
            const double ey = m.rd_OutlineY[next] - m.rd_OutlineY[i];
            const double cross = ex * (y - m.rd_OutlineY[i]) - ey * (x - m.rd_OutlineX[i]);
            if (cross < -tol * std::sqrt(ex * ex + ey * ey)) return false;
        }
        return true;
    }
    return std::sqrt(x * x + y * y) <= 0.5 * D + tol;
}

bool Check_Bars(int s) {
    const AnalysisModel& m = g_Model;
    for (int j = 1; j <= m.NumBars[s] && j <= k_Max_Bars; ++j) {
        const double x = m.BarX[j][s];
        const double y = Bar_Y(s, j);
        if (Inside_Outline(s, x, y)) continue;
        FortranRecord problem = Text_With_Integer("Problem:  Bar ", j, " of section ");
        Append_I(problem, s, 0);
        Append_Text(problem, " lies outside the section, at x = ");
        Append_Quoted_Number(problem, x);
        Append_Text(problem, " and y = ");
        Append_Quoted_Number(problem, y);
        Append_Text(problem, " ");
        Append_Trimmed(problem, m.LabelLength);
        Append_Text(problem, " (rebar cage offset included).");
        FortranRecord solution = Text_With_Integer("Solution: Place every bar of section ", s, " inside the section: check the bar positions, the cover and the cage offset.");
        Raise_Section_Input_Error(k_Error_Bar_Outside_Section, problem.text.data(), solution.text.data());
        return false;
    }
    return true;
}

}  // namespace

void Check_Section_Data(int s) {
    if (Section_Model_Of(s) == k_Model_None) return;
    if (!Check_Dimensions(s)) return;
    if (!Check_Materials(s)) return;
    if (g_Model.SectionType[s] == k_Section_Pipe) return;
    Check_Bars(s);
}

void Check_Section_Before_Analysis(int s) {
    AnalysisModel& m = g_Model;
    m.i_NumSlices = k_Num_Slices;
    m.i_MaxCurvPoints = k_Max_Curve_Points;
    m.i_CurrentSection = s;
    if (Section_Model_Of(s) == k_Model_None) {
        Check_Stiffness_Input(s);
        return;
    }
    Setup_Section_Values(s);
    if (m.ErrorStatus > 0) return;
    Check_Section_Data(s);
}
