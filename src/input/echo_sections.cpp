// Echo of the pile sections: the block's totals, the section property table that the p-y
// curves interpolate along the pile, and, per section, every field of its input in the order
// the input gives it (label, "= " at column 56, value, unit). Section dimensions are shown in
// the length unit they are held in (inches, or meters once SI millimeters were divided).
#include "input/echo_sections.h"

#include "input/echo_lines.h"
#include "input/input_checks.h"
#include "model/capacities.h"
#include "model/model.h"
#include "model/section_types.h"
#include "report/number_writer.h"

namespace {


// Texts after "   Section Type" by section type code 0..14.
constexpr const char* k_Section_Type_Texts[] = {
    "= Rectangular Concrete Pile",
    "= Drilled Shaft (Bored Pile)",
    "= Drilled Shaft with Permanent Casing",
    "= Drilled Shaft with Casing and Core",
    "= Steel Pipe Pile",
    "= Circular Solid Prestressed Pile",
    "= Circular Hollow Prestressed Pile",
    "= Square Solid Prestressed Pile",
    "= Square Hollow Prestressed Pile",
    "= Octagonal Solid Prestressed Pile",
    "= Octagonal Hollow Prestressed Pile",
    "= Elastic Pile",
    "= Elastic with Specified Moment Capacity ",
    "= Pile with User-defined Nonlinear EI",
    "= Micropile",
};
constexpr int k_Num_Section_Type_Texts =
    static_cast<int>(sizeof k_Section_Type_Texts / sizeof k_Section_Type_Texts[0]);

constexpr const char* k_Shape_Texts[] = {
    "", "Rectangular", "Circular", "Circular Pipe", "Strong-axis H-Pile", "Weak-axis H-Pile",
    "Embedded Circular Pole"};

const char* Len() { return g_Model.LabelLength; }          // section dimensions (in | m)
const char* Stress() { return g_Model.LabelStress; }       // stresses and moduli (psi | kPa)

void Write_Type_Line(int s) {
    const int type = g_Model.SectionType[s];
    FortranRecord line;
    Start_Record(line);
    Append_Text(line, "   Section Type");
    Tab_To(line, k_Echo_Equals_Column);
    if (type == k_Section_Cased_Core && g_Model.b_FillCoreWithConcrete[s] == 0) {
        Append_Text(line, "= Drilled Shaft with Casing and Void Core");
    } else if (type >= 0 && type < k_Num_Section_Type_Texts) {
        Append_Text(line, k_Section_Type_Texts[type]);
    } else {
        Append_Text(line, "= Unknown section type code ");
        Append_I(line, type, 0);
    }
    WriteLine(line.text.data());
}

// The four casing lines of a cased section, the casing's outside diameter as given.
void Write_Casing(int s, double diameter) {
    const AnalysisModel& m = g_Model;
    Write_Number_Line("   Outside Diameter of Casing", diameter, Len());
    Write_Number_Line("   Casing Wall Thickness", m.CasingThickness[s], Len());
    Write_Number_Line("   Casing Yield Stress", m.CasingYieldStress[s], Stress());
    Write_Number_Line("   Casing Modulus of Elasticity", m.CasingModulus[s], Stress());
}

// The dimension lines of the section's type, in input order.
void Write_Dimensions(int s) {
    const AnalysisModel& m = g_Model;
    Write_Number_Line("   Section Length", m.SectionLength[s], m.LabelLengthLarge);
    switch (m.SectionType[s]) {
        case 0:
            Write_Number_Line("   Depth of Section", m.SectionDiameter[s], Len());
            Write_Number_Line("   Width of Section", m.SectionWidth[s], Len());
            break;
        case 1: case 5: case 13:
            Write_Number_Line("   Diameter", m.SectionDiameter[s], Len());
            break;
        case 2: case 3:
            Write_Casing(s, m.SectionDiameter[s]);
            if (m.SectionType[s] == k_Section_Cased_Core) {
                Write_Number_Line("   Outside Diameter of Core", m.CoreDiameter[s], Len());
                Write_Number_Line("   Core Wall Thickness", m.CoreThickness[s], Len());
                Write_Number_Line("   Core Yield Stress", m.CoreYieldStress[s], Stress());
                Write_Number_Line("   Core Modulus of Elasticity", m.CoreModulus[s], Stress());
            }
            break;
        case 4:
            Write_Number_Line("   Outside Diameter of Pipe", m.SectionDiameter[s], Len());
            Write_Number_Line("   Pipe Wall Thickness", m.PipeThickness[s], Len());
            Write_Number_Line("   Yield Stress of Pipe", m.PipeYieldStress[s], Stress());
            Write_Number_Line("   Modulus of Elasticity of Pipe", m.PipeModulus[s], Stress());
            break;
        case 6:
            Write_Number_Line("   Diameter", m.SectionDiameter[s], Len());
            Write_Number_Line("   Void Diameter", m.VoidDiameter[s], Len());
            break;
        case 7:
            Write_Number_Line("   Pile Width", m.SectionDiameter[s], Len());
            Write_Number_Line("   Corner Chamfer", m.ChamferWidth[s], Len());
            break;
        case 8:
            Write_Number_Line("   Pile Width", m.SectionDiameter[s], Len());
            Write_Number_Line("   Void Diameter", m.VoidDiameter[s], Len());
            Write_Number_Line("   Corner Chamfer", m.ChamferWidth[s], Len());
            break;
        case 9:
            Write_Number_Line("   Pile Width (across flats)", m.SectionDiameter[s], Len());
            break;
        case 10:
            Write_Number_Line("   Pile Width (across flats)", m.SectionDiameter[s], Len());
            Write_Number_Line("   Void Diameter", m.VoidDiameter[s], Len());
            break;
        case 14:
            Write_Number_Line("   Diameter of Drilled Hole", m.SectionDiameter[s], Len());
            Write_Number_Line("   Grout Compressive Strength", m.ConcreteStrength[s], Stress());
            Write_Casing(s, m.rd_CasingDiameter[s]);
            Write_Number_Line("   Diameter of Central Bar", m.BarDiameter[1][s], Len());
            Write_Number_Line("   Yield Stress of Central Bar", m.RebarYieldStress[s], Stress());
            Write_Number_Line("   Modulus of Elasticity of Central Bar", m.ReinforcementModulus[s], Stress());
            break;
        default:
            break;
    }
}

void Write_Concrete(int s) {
    const AnalysisModel& m = g_Model;
    Write_Number_Line("   Concrete Compressive Strength", m.ConcreteStrength[s], Stress());
    Write_Number_Line("   Maximum Coarse Aggregate Size", m.AggregateSize[s], Len());
    if (m.b_OverrideTensileStrength[s] != 0) {
        Write_Number_Line("   Concrete Tensile Strength", m.ConcreteTensileStrength[s], Stress());
    } else {
        Write_Text_Line("   Concrete Tensile Strength", "default, computed from f'c");
    }
    if (m.b_InputConcreteCurve[s] == 0) {
        Write_Text_Line("   Concrete Stress-Strain Curve", "internal");
        return;
    }
    Write_Count_Line("   Points of Input Concrete Stress-Strain Curve", m.NumConcreteCurvePoints[s]);
    Write_Column_Heads({{"Point", 8}, {"Strain", 23}, {"Stress", 38}});
    Write_Column_Heads({{Stress(), 38}});
    for (int p = 1; p <= m.NumConcreteCurvePoints[s] && p <= k_Max_Concrete_Curve_Points; ++p) {
        WriteInteger(p, 8);
        WriteNumber(m.ConcreteCurveStrain[p][s], 15);
        WriteNumber(m.ConcreteCurveStress[p][s], 15);
        EndLine();
    }
}

// The bar or strand table of section s; size codes only where the input gave them.
void Write_Bar_Table(int s, bool with_size) {
    const AnalysisModel& m = g_Model;
    const UnitText area = Power_Unit(Len(), m.LabelExp2);
    WriteLine("");
    if (with_size) {
        Write_Column_Heads({{"Bar", 6}, {"Size", 12}, {"Diameter", 27}, {"Area", 42}, {"X", 57},
                            {"Y", 72}});
    } else {
        Write_Column_Heads({{"Bar", 6}, {"Diameter", 27}, {"Area", 42}, {"X", 57}, {"Y", 72}});
    }
    Write_Column_Heads({{Len(), 27}, {area.text, 42}, {Len(), 57}, {Len(), 72}});
    for (int j = 1; j <= m.NumBars[s] && j <= k_Max_Bars; ++j) {
        WriteInteger(j, 6);
        if (with_size) WriteInteger(m.i_BarSize[j][s], 6);
        else WriteBlanks(6);
        WriteNumber(m.BarDiameter[j][s], 15);
        WriteNumber(m.BarArea[j][s], 15);
        WriteNumber(m.BarX[j][s], 15);
        WriteNumber(m.BarY[j][s], 15);
        EndLine();
    }
}

void Write_Rebar(int s) {
    const AnalysisModel& m = g_Model;
    if (m.NumBars[s] == 0 && m.b_RebarInCircle[s] == 0) {
        Write_Text_Line("   Reinforcing Bars", "No rebar");
        return;
    }
    Write_Text_Line("   Rebar Arrangement", m.b_RebarSameAsAbove[s] != 0
                                                 ? "Same As Section Above"
                                                 : "Not Same As Section Above");
    Write_Text_Line("   Rebar Pattern",
                    m.b_RebarInCircle[s] != 0 ? "Rebar in circle" : "Rebar in noncircular pattern");
    Write_Number_Line("   Yield Stress of Reinforcing Bars", m.RebarYieldStress[s], Stress());
    Write_Number_Line("   Modulus of Elasticity of Reinforcing Bars", m.ReinforcementModulus[s],
                      Stress());
    if (m.b_RebarInCircle[s] != 0) {
        Write_Count_Line("   Number of Bar Groups", m.i_NumBarGroups[s]);
        Write_Count_Line("   Number of Bars in Each Group", m.i_BarsPerGroup[s]);
        Write_Number_Line("   Bar Diameter", m.BarDiameter[1][s], Len());
        Write_Number_Line("   Bar Area", m.BarArea[1][s], Power_Unit(Len(), m.LabelExp2).text);
        Write_Number_Line("   Concrete Cover Thickness", m.CoverThickness[s], Len());
        Write_Number_Line("   Offset of Rebar Cage from Center of Pile", m.CageOffset[s], Len());
    }
    Write_Count_Line("   Number of Reinforcing Bars", m.NumBars[s]);
    Write_Bar_Table(s, m.b_RebarInCircle[s] == 0);
}

void Write_Strands(int s) {
    const AnalysisModel& m = g_Model;
    const bool automatic = m.b_AutoPositionStrands[s] != 0;
    Write_Text_Line("   Strand Positioning",
                    automatic ? "Autoposition strands" : "Manually-positioned strands");
    Write_Count_Line("   Strand Type Code", m.i_StrandType[s]);
    if (automatic) Write_Count_Line("   Strand Size Code", m.i_BarSize[1][s]);
    Write_Count_Line("   Number of Strands", m.NumBars[s]);
    Write_Number_Line("   Initial Prestressing Force", m.InitialPrestressForce[s], m.LabelForce);
    Write_Number_Line("   Fraction of Loss of Prestress", m.PrestressLossFraction[s], "");
    if (automatic) {
        Write_Number_Line("   Concrete Cover Thickness", m.CoverThickness[s], Len());
        Write_Count_Line("   Strand Pattern Code", m.i_StrandPattern[s]);
    }
    Write_Number_Line("   Ultimate Strength of Strands, fpu", m.StrandFpu[s], "psi");
    Write_Bar_Table(s, !automatic);
}

void Write_Elastic(int s) {
    const AnalysisModel& m = g_Model;
    const int shape = m.i_ElasticShape[s];
    const bool plastic = m.SectionType[s] == k_Section_Elastic_Plastic;
    const UnitText area = Power_Unit(Len(), m.LabelExp2);
    const UnitText inertia = Power_Unit(Len(), m.LabelExp4);
    if (shape < 1 || shape > 6) {
        Write_Count_Line("   Cross-sectional Shape Code", shape);
        return;
    }
    Write_Text_Line("   Cross-sectional Shape", k_Shape_Texts[shape]);
    Write_Number_Line("   Modulus of Elasticity", m.ElasticModulus[s], Stress());
    const bool single = shape == 4 || shape == 5;   // H-piles: one value for the whole section
    if (plastic && single) {
        Write_Number_Line("   Plastic Moment Capacity", m.PlasticMomentTop[s], m.LabelMoment);
    } else if (plastic) {
        Write_Number_Line("   Plastic Moment Capacity at Top", m.PlasticMomentTop[s], m.LabelMoment);
        Write_Number_Line("   Plastic Moment Capacity at Bottom", m.PlasticMomentBottom[s],
                          m.LabelMoment);
    }
    if (single) {
        Write_Number_Line("   Flange Width", m.FlangeWidth[s], Len());
        Write_Number_Line("   Section Depth", m.TopDepth[s], Len());
        Write_Number_Line("   Flange Thickness", m.FlangeThickness[s], Len());
        Write_Number_Line("   Web Thickness", m.WebThickness[s], Len());
        Write_Number_Line("   Cross-sectional Area", m.TopArea[s], area.text);
        Write_Number_Line("   Moment of Inertia", m.TopInertia[s], inertia.text);
        return;
    }
    const bool pole = shape == 6;
    const char* top_width = shape == 1 || pole ? "   Width at Top" : "   Diameter at Top";
    const char* bottom_width = shape == 1 || pole ? "   Width at Bottom" : "   Diameter at Bottom";
    Write_Number_Line(top_width, m.TopWidth[s], Len());
    Write_Number_Line(bottom_width, m.BottomWidth[s], Len());
    if (shape == 1) {
        Write_Number_Line("   Depth at Top", m.TopDepth[s], Len());
        Write_Number_Line("   Depth at Bottom", m.BottomDepth[s], Len());
    }
    if (shape == 3) {
        Write_Number_Line("   Wall Thickness at Top", m.TopWallThickness[s], Len());
        Write_Number_Line("   Wall Thickness at Bottom", m.BottomWallThickness[s], Len());
    }
    Write_Number_Line("   Cross-sectional Area at Top", m.TopArea[s], area.text);
    Write_Number_Line("   Cross-sectional Area at Bottom", m.BottomArea[s], area.text);
    Write_Number_Line("   Moment of Inertia at Top", m.TopInertia[s], inertia.text);
    Write_Number_Line("   Moment of Inertia at Bottom", m.BottomInertia[s], inertia.text);
    if (pole) Write_Number_Line("   Drilled Hole Diameter", m.HoleDiameter[s], Len());
}

// The moment - bending stiffness points of a user-defined EI section, as input.
void Write_User_EI(int s) {
    const AnalysisModel& m = g_Model;
    Write_Count_Line("   Number of Axial Thrusts", m.i_NumMEIThrusts[s]);
    for (int b = 1; b <= m.i_NumMEIThrusts[s] && b <= k_Max_MEI_Thrusts; ++b) {
        WriteLine("");
        Write_Number_Line("   Axial Thrust", m.MEIThrust[b][s], m.LabelForce);
        Write_Count_Line("   Number of Points", m.i_NumMEIPoints[b][s]);
        Write_Column_Heads({{"Point", 8}, {"Bending Moment", 23}, {"Bending Stiffness", 43}});
        for (int p = 1; p <= m.i_NumMEIPoints[b][s] && p <= k_Max_MEI_Points; ++p) {
            WriteInteger(p, 8);
            WriteNumber(m.MEIMoment[p][b][s], 15);
            WriteBlanks(5);
            WriteNumber(m.MEIStiffness[p][b][s], 15);
            EndLine();
        }
    }
}

void Write_Section(int s) {
    const int type = g_Model.SectionType[s];
    FortranRecord head = Text_With_Integer("Pile Section No. ", s, ":");
    WriteLine("");
    WriteLine(head.text.data());
    WriteLine("");
    Write_Type_Line(s);
    Write_Dimensions(s);
    if (type == k_Section_Elastic || type == k_Section_Elastic_Plastic) Write_Elastic(s);
    else if (type == k_Section_User_EI) Write_User_EI(s);
    else if ((type >= 0 && type <= 3) || (type >= 5 && type <= 10)) Write_Concrete(s);
    if (type >= 0 && type <= 3) Write_Rebar(s);
    if (type >= 5 && type <= 10) Write_Strands(s);
    // steel pipes and micropiles have no fields beyond their dimension lines
}

// The section property table: depth along the pile and the diameter used for p-y curves.
void Write_Diameter_Table() {
    const AnalysisModel& m = g_Model;
    FortranRecord line = Text_With_Integer("Pile diameter values used for p-y curve computations are defined using ", m.NumSectionPoints, " points.");
    WriteLine("");
    WriteLine(line.text.data());
    WriteLine("");
    WriteLine("p-y curves are computed using pile diameter values interpolated with depth over ");
    WriteLine("the length of the pile.");
    WriteLine("");
    Write_Column_Heads({{"Point", 5}, {"Depth X", 20}, {"Pile Diameter", 38}});
    Write_Column_Heads({{m.LabelLengthLarge, 20}, {m.LabelLength, 38}});
    WriteLine("-----   ------------   ---------------");
    for (int i = 1; i <= m.NumSectionPoints && i <= k_Max_Section_Points; ++i) {
        WriteInteger(i, 5);
        WriteBlanks(2);
        WriteNumber(m.XSectionPoint[i], 13);
        WriteBlanks(5);
        WriteNumber(m.SectionPointD[i], 13);
        EndLine();
    }
}

}  // namespace

void Write_Pile_Properties_Echo() {
    const AnalysisModel& m = g_Model;
    Write_Echo_Heading("Pile Structural Properties and Geometry", 20);
    Write_Count_Line("Total number of pile sections", m.NumSections);
    Write_Number_Line("Total length of pile ", m.PileLength, m.LabelLengthLarge);
    Write_Number_Line("Depth of ground surface below top of pile", m.XGroundSurface,
                      m.LabelLengthLarge);
    Write_Diameter_Table();
    Check_Pile_Diameters();
    if (m.ErrorStatus != 0) return;
    Check_Section_Values();
    if (m.ErrorStatus != 0) return;
    WriteLine("");
    WriteLine("Input Structural Properties:");
    WriteLine("----------------------------");
    for (int s = 1; s <= m.NumSections && s <= k_Max_Sections; ++s) Write_Section(s);
}
