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
#include "section/section_blocks.h"
#include "section/section_geometry.h"
#include "section/section_setup.h"
#include "section/stiffness_tables.h"

namespace {

constexpr double k_Position_Tolerance = 1e-9;   // of the section depth

// "Problem:  Section s has <what> of <value> <unit>." and "Solution: Give section s <need>."
void Refuse(int number, int s, const char* what, double value, const char* unit, const char* need) {
    FortranRecord problem = Text_With_Integer("Problem:  Section ", s, " has ");
    Append_Text(problem, what);
    Append_Text(problem, " of ");
    Append_Quoted_Number(problem, value);
    if (unit[0] != '\0') {   // a fraction has no unit
        Append_Text(problem, " ");
        Append_Trimmed(problem, unit);
    }
    Append_Text(problem, ".");
    FortranRecord solution = Text_With_Integer("Solution: Give section ", s, " ");
    Append_Text(solution, need);
    Append_Text(solution, ".");
    Raise_Input_Problem(number, problem.text.data(), solution.text.data());
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
        Raise_Input_Problem(k_Error_Bar_Outside_Section, problem.text.data(), solution.text.data());
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
        Raise_Input_Problem(
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
        Raise_Input_Problem(k_Error_Bar_Outside_Section, problem.text.data(), solution.text.data());
        return false;
    }
    return true;
}

// Area inside the section's outline, voids, casing and bars not taken off: the most the bars
// of the section could ever occupy.
double Outline_Area(int s) {
    const AnalysisModel& m = g_Model;
    const int model = Section_Model_Of(s);
    const double D = m.SectionDiameter[s];
    if (model == k_Model_Rectangle || model == k_Model_Rectangle_Core) {
        return D * (m.SectionType[s] == k_Section_Rectangular ? m.SectionWidth[s] : D);
    }
    if ((model == k_Model_Polygon || model == k_Model_Polygon_Voids) && m.i_NumOutlinePoints > 2) {
        double twice = 0.0;   // the shoelace sum of the counter-clockwise outline
        for (int i = 1; i <= m.i_NumOutlinePoints; ++i) {
            const int next = i % m.i_NumOutlinePoints + 1;
            twice += m.rd_OutlineX[i] * m.rd_OutlineY[next] - m.rd_OutlineX[next] * m.rd_OutlineY[i];
        }
        return 0.5 * std::fabs(twice);
    }
    return Circle_Area(D);
}

// The unit of an area: the length label without its trailing blanks and a 2 ("in2", "m2").
struct Area_Label {
    char text[8];
};
Area_Label Area_Unit() {
    Area_Label a{};
    int n = 0;
    for (const char* c = g_Model.LabelLength; *c != '\0' && *c != ' ' && n < 6; ++c) a.text[n++] = *c;
    a.text[n] = '2';
    return a;
}

// "Problem:  <Bar|Strand> j of section s has <what> of <value> <unit>." with its solution line.
void Refuse_Bar(int number, int s, int j, const char* what, double value, const char* unit, const char* solution) {
    const bool strands = Is_Prestressed_Type(g_Model.SectionType[s]);
    FortranRecord problem = Text_With_Integer(strands ? "Problem:  Strand " : "Problem:  Bar ", j, " of section ");
    Append_I(problem, s, 0);
    Append_Text(problem, " has ");
    Append_Text(problem, what);
    Append_Text(problem, " of ");
    Append_Quoted_Number(problem, value);
    if (unit[0] != '\0') {
        Append_Text(problem, " ");
        Append_Trimmed(problem, unit);
    }
    Append_Text(problem, ".");
    FortranRecord line = Text_With_Integer("Solution: Give section ", s, " ");
    Append_Text(line, solution);
    Append_Text(line, ".");
    Raise_Input_Problem(number, problem.text.data(), line.text.data());
}

// Lengths of the concrete and of the bar pattern that may be zero but never negative: the
// aggregate size, the cover of a pattern of bars or strands, the offset of a circular cage.
bool Check_Concrete_And_Cover(int s) {
    const AnalysisModel& m = g_Model;
    const int type = m.SectionType[s];
    const char* len = m.LabelLength;
    if (type == k_Section_Micropile) return true;   // grout: no aggregate size or cover is read
    if (m.AggregateSize[s] < 0.0) {
        Refuse(k_Error_Section_Dimension, s, "a maximum coarse aggregate size", m.AggregateSize[s], len,
               "a maximum coarse aggregate size of zero or more");
        return false;
    }
    const bool prestressed = Is_Prestressed_Type(type);
    const bool placed = prestressed ? m.b_AutoPositionStrands[s] != 0 : m.b_RebarInCircle[s] != 0;
    if (m.NumBars[s] < 1 || !placed) return true;
    if (m.CoverThickness[s] < 0.0) {
        Refuse(k_Error_Section_Dimension, s, prestressed ? "a concrete cover over the strands" : "a concrete cover",
               m.CoverThickness[s], len, "a concrete cover of zero or more");
        return false;
    }
    if (!prestressed && m.CageOffset[s] < 0.0) {
        Refuse(k_Error_Section_Dimension, s, "a rebar cage offset", m.CageOffset[s], len,
               "a rebar cage offset from the centre of zero or more");
        return false;
    }
    return true;
}

// Strand codes the strand table holds: a type code of 0 to 5 and, for each strand, a size
// code of that type's table (a size outside it leaves the strand without area).
bool Check_Strand_Codes(int s) {
    const AnalysisModel& m = g_Model;
    const int type = m.i_StrandType[s];
    if (type < 0 || type > 5) {
        FortranRecord problem = Text_With_Integer("Problem:  Section ", s, " has a strand type code of ");
        Append_I(problem, type, 0);
        Append_Text(problem, ".");
        FortranRecord solution = Text_With_Integer("Solution: Give section ", s, " a strand type code from 0 to 5.");
        Raise_Input_Problem(k_Error_Code_Out_Of_Range, problem.text.data(), solution.text.data());
        return false;
    }
    for (int j = 1; j <= m.NumBars[s] && j <= k_Max_Bars; ++j) {
        if (m.BarArea[j][s] > 0.0) continue;
        FortranRecord problem = Text_With_Integer("Problem:  Strand ", j, " of section ");
        Append_I(problem, s, 0);
        Append_Text(problem, " has a strand size code of ");
        Append_I(problem, m.i_BarSize[j][s], 0);
        Append_Text(problem, ", which strand type ");
        Append_I(problem, type, 0);
        Append_Text(problem, " does not have.");
        FortranRecord solution = Text_With_Integer("Solution: Give the strands of section ", s,
                                                   " a size code of their type's table (from 0).");
        Raise_Input_Problem(k_Error_Code_Out_Of_Range, problem.text.data(), solution.text.data());
        return false;
    }
    return true;
}

// Prestress that acts as prestress: a force of zero or more and a fraction of loss from 0 to 1.
bool Check_Prestress(int s) {
    const AnalysisModel& m = g_Model;
    if (m.InitialPrestressForce[s] < 0.0) {
        Refuse(k_Error_Prestress_Value, s, "an initial prestressing force", m.InitialPrestressForce[s], m.LabelForce,
               "an initial prestressing force of zero or more (a compression of the concrete)");
        return false;
    }
    const double loss = m.PrestressLossFraction[s];
    if (loss < 0.0 || loss > 1.0) {
        Refuse(k_Error_Prestress_Value, s, "a fraction of loss of prestress", loss, "",
               "a fraction of loss of prestress from 0 to 1 (0.2 for a loss of 20 percent)");
        return false;
    }
    return true;
}

// Bars that are bars: a positive diameter and area each, all of them together smaller than
// the section, none wider than the section, and bars on a circle that do not overlap.
bool Check_Bar_Sizes(int s) {
    const AnalysisModel& m = g_Model;
    const char* len = m.LabelLength;
    const int n = m.NumBars[s] < k_Max_Bars ? m.NumBars[s] : k_Max_Bars;
    if (n < 1) return true;
    const bool strands = Is_Prestressed_Type(m.SectionType[s]);
    const Area_Label area_unit = Area_Unit();
    double total = 0.0;
    for (int j = 1; j <= n; ++j) {
        const double d = m.BarDiameter[j][s];
        const double A = m.BarArea[j][s];
        if (!(d > 0.0)) {
            Refuse_Bar(k_Error_Section_Dimension, s, j, "a diameter", d, len, "bars with a diameter greater than zero");
            return false;
        }
        if (!(A > 0.0)) {
            Refuse_Bar(k_Error_Section_Dimension, s, j, "an area", A, area_unit.text,
                       "bars with an area greater than zero");
            return false;
        }
        total += A;
    }
    const double Ag = Outline_Area(s);
    if (total >= Ag) {
        FortranRecord problem = Text_With_Integer(strands ? "Problem:  The strands of section " : "Problem:  The bars of section ",
                                                  s, " have a total area of ");
        Append_Quoted_Number(problem, total);
        Append_Text(problem, " ");
        Append_Text(problem, area_unit.text);
        Append_Text(problem, ", no less than the area of the section, ");
        Append_Quoted_Number(problem, Ag);
        Append_Text(problem, " ");
        Append_Text(problem, area_unit.text);
        Append_Text(problem, ": no concrete would be left.");
        FortranRecord solution = Text_With_Integer("Solution: Check the bar areas of section ", s,
                                                   " (in square units of the bar diameters), and the number of bars.");
        Raise_Input_Problem(k_Error_Section_Dimension, problem.text.data(), solution.text.data());
        return false;
    }
    const double room = m.SectionType[s] == k_Section_Rectangular ? std::fmin(m.SectionDiameter[s], m.SectionWidth[s])
                                                                 : m.SectionDiameter[s];
    for (int j = 1; j <= n; ++j) {
        if (m.BarDiameter[j][s] < room) continue;
        FortranRecord problem = Text_With_Integer(strands ? "Problem:  Strand " : "Problem:  Bar ", j, " of section ");
        Append_I(problem, s, 0);
        Append_Text(problem, " has a diameter of ");
        Append_Quoted_Number(problem, m.BarDiameter[j][s]);
        Append_Text(problem, " ");
        Append_Trimmed(problem, len);
        Append_Text(problem, ", no less than the width of the section, ");
        Append_Quoted_Number(problem, room);
        Append_Text(problem, " ");
        Append_Trimmed(problem, len);
        Append_Text(problem, ".");
        FortranRecord solution = Text_With_Integer("Solution: Give section ", s, " bars that fit inside it.");
        Raise_Input_Problem(k_Error_Bar_Outside_Section, problem.text.data(), solution.text.data());
        return false;
    }
    if (!strands) {
        const double spacing = Edge_To_Edge_Bar_Spacing(s);
        if (spacing < 0.0) {
            FortranRecord problem = Text_With_Integer("Problem:  The bars of section ", s,
                                                      " overlap: their edge-to-edge spacing on the circle is ");
            Append_Quoted_Number(problem, spacing);
            Append_Text(problem, " ");
            Append_Trimmed(problem, len);
            Append_Text(problem, ".");
            FortranRecord solution = Text_With_Integer("Solution: Give section ", s,
                                                       " fewer or thinner bars, or a smaller cover, so that the bars fit around the circle.");
            Raise_Input_Problem(k_Error_Bar_Outside_Section, problem.text.data(), solution.text.data());
            return false;
        }
    }
    return true;
}

// A reinforced concrete section (or a micropile) whose concrete has no steel at all to carry
// tension: no bar, no casing, no core pipe. Its curve would end at the cracking moment, which the analysis
// cannot carry past (it stops with a convergence or deflection error that names no input).
bool Check_Tension_Steel(int s) {
    const AnalysisModel& m = g_Model;
    const int type = m.SectionType[s];
    if (type != k_Section_Rectangular && type != k_Section_Shaft && type != k_Section_Cased &&
        type != k_Section_Cased_Core && type != k_Section_Micropile) {
        return true;
    }
    if (m.NumBars[s] > 0) return true;
    const bool cased = type == k_Section_Cased || type == k_Section_Cased_Core || type == k_Section_Micropile;
    if (cased && m.CasingThickness[s] > 0.0) return true;
    if (type == k_Section_Cased_Core && m.CoreThickness[s] > 0.0) return true;
    if (type == k_Section_Micropile) {
        FortranRecord problem = Text_With_Integer("Problem:  Section ", s,
                                                  " is a micropile without reinforcement: it has no central bar and no casing.");
        FortranRecord solution = Text_With_Integer("Solution: Give section ", s,
                                                   " a central bar or a casing (a bar diameter or casing wall greater than zero); plain grout is not analysed.");
        Raise_Input_Problem(k_Error_No_Tension_Steel, problem.text.data(), solution.text.data());
        return false;
    }
    FortranRecord problem = Text_With_Integer("Problem:  Section ", s,
                                              " is a concrete section without reinforcement: it has no bars");
    Append_Text(problem, type == k_Section_Rectangular || type == k_Section_Shaft ? "." : " and no steel casing.");
    FortranRecord solution = Text_With_Integer("Solution: Give section ", s,
                                               " its reinforcing bars (\"Rebar in circle\" or \"Rebar in noncircular pattern\"); plain concrete is not analysed.");
    Raise_Input_Problem(k_Error_No_Tension_Steel, problem.text.data(), solution.text.data());
    return false;
}

// Refuses value (of what, in unit) when it lies beyond bound: "a value of at most <bound> <unit>".
bool Within(int number, int s, const char* what, double value, double bound, const char* unit) {
    if (value <= bound) return true;
    FortranRecord need;
    Start_Record(need);
    Append_Text(need, "a value no larger than ");
    Append_Quoted_Number(need, bound);
    Append_Text(need, " ");
    Append_Trimmed(need, unit);
    Append_Text(need, ", beyond which no real pile lies");
    Refuse(number, s, what, value, unit, need.text.data());
    return false;
}

// Dimensions, strengths and moduli beyond any real pile (No. 81 and 82), and a prestressing
// force beyond what the strongest material could carry over the whole section (No. 91).
bool Check_Real_Pile_Bounds(int s) {
    const AnalysisModel& m = g_Model;
    if (m.IUNITS != k_Units_US && m.IUNITS != k_Units_SI) return true;
    const bool us = m.IUNITS == k_Units_US;
    const double L = us ? k_Max_Real_Length_US : k_Max_Real_Length_SI;
    const double F = us ? k_Max_Real_Stress_US : k_Max_Real_Stress_SI;
    const char* len = m.LabelLength;
    const char* stress = m.LabelStress;
    const int type = m.SectionType[s];
    const struct {
        const char* what;
        double value;
        bool used;
    } lengths[] = {
        {"a diameter or depth", m.SectionDiameter[s], true},
        {"a width", m.SectionWidth[s], type == k_Section_Rectangular},
        {"a casing outside diameter", m.rd_CasingDiameter[s], type == k_Section_Micropile},
        {"a maximum coarse aggregate size", m.AggregateSize[s], type != k_Section_Pipe && type != k_Section_Micropile},
        {"a concrete cover", m.CoverThickness[s], type != k_Section_Pipe && type != k_Section_Micropile},
        {"a rebar cage offset", m.CageOffset[s], type != k_Section_Pipe && type != k_Section_Micropile},
    };
    for (const auto& l : lengths) {
        if (l.used && !Within(k_Error_Section_Dimension, s, l.what, l.value, L, len)) return false;
    }
    const bool cased = type == k_Section_Cased || type == k_Section_Cased_Core || type == k_Section_Micropile;
    const struct {
        const char* what;
        double value;
        bool used;
    } stresses[] = {
        {"a concrete compressive strength", m.ConcreteStrength[s], type != k_Section_Pipe},
        {"a bar yield stress", m.RebarYieldStress[s], !Is_Prestressed_Type(type) && m.NumBars[s] > 0},
        {"a bar modulus of elasticity", m.ReinforcementModulus[s], !Is_Prestressed_Type(type) && m.NumBars[s] > 0},
        {"a casing yield stress", m.CasingYieldStress[s], cased && m.CasingThickness[s] > 0.0},
        {"a casing modulus of elasticity", m.CasingModulus[s], cased && m.CasingThickness[s] > 0.0},
        {"a core yield stress", m.CoreYieldStress[s], type == k_Section_Cased_Core && m.CoreThickness[s] > 0.0},
        {"a core modulus of elasticity", m.CoreModulus[s], type == k_Section_Cased_Core && m.CoreThickness[s] > 0.0},
        {"a pipe yield stress", m.PipeYieldStress[s], type == k_Section_Pipe},
        {"a pipe modulus of elasticity", m.PipeModulus[s], type == k_Section_Pipe},
    };
    for (const auto& f : stresses) {
        if (f.used && !Within(k_Error_Material_Value, s, f.what, f.value, F, stress)) return false;
    }
    if (Is_Prestressed_Type(type) && m.NumBars[s] > 0 &&
        !Within(k_Error_Prestress_Value, s, "an initial prestressing force", m.InitialPrestressForce[s],
                F * Outline_Area(s), m.LabelForce)) {
        return false;
    }
    return true;
}

}  // namespace

void Check_Section_Data(int s) {
    if (Section_Model_Of(s) == k_Model_None) return;
    const int type = g_Model.SectionType[s];
    if (!Check_Dimensions(s)) return;
    if (!Check_Materials(s)) return;
    if (!Check_Real_Pile_Bounds(s)) return;
    if (type == k_Section_Pipe) return;
    if (!Check_Concrete_And_Cover(s)) return;
    if (Is_Prestressed_Type(type) && g_Model.NumBars[s] > 0) {
        if (!Check_Strand_Codes(s)) return;
        if (!Check_Prestress(s)) return;
    }
    if (type != k_Section_Micropile && !Check_Bar_Sizes(s)) return;
    if (!Check_Bars(s)) return;
    Check_Tension_Steel(s);
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
