// SECTIONS: section depths and pile length, type codes, dimensions with SI conversion, the
// section property table, materials, bars and strands, elastic sections, the M-EI table, and the
// errors of the section input.
#include "input/sections.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "input/section_materials.h"
#include "model/model.h"
#include "support/input_fixture.h"

namespace {

struct Sections : InputFixture {
    void Reset() {
        TearDown();
        SetUp();
    }
    // OPTIONS in the given units, then body and END.
    void Read_In_Units(const char* units, const std::string& body) {
        std::vector<std::string> lines = Default_Option_Lines();
        lines[0] = units;
        if (std::string(units) == "Units SI") lines[10] = "Tolerance 2.54E-7";
        Read_Input(Options_Section(lines) + body + "END\n");
    }
    std::vector<std::string> Report_Until_Raise() const {
        std::vector<std::string> out;
        for (const std::string& l : Report_Lines()) {
            if (l.rfind("Orvane ended prematurely", 0) == 0) break;
            if (out.empty() && l.empty()) continue;
            out.push_back(l);
        }
        while (!out.empty() && out.back().empty()) out.pop_back();
        return out;
    }
};

// Lines shared by the concrete sections: default tensile strength and internal curve.
const std::string k_Concrete = "4000.0\n0.75\nUse default concrete tensile strength\n"
                               "Use internal stress-strain curve for concrete\n";

// A drilled shaft (type 1) of the given number, length (ft) and diameter (in) with 12 bars.
std::string Drilled_Shaft(int number, const char* length, const char* diameter) {
    return std::to_string(number) + "\n1\n" + length + "\n" + diameter + "\n" + k_Concrete +
           "Rebar Arrangement Not Same As Section Above\nRebar in circle\n"
           "60000.0\n29000000.0\n12\n1\n1.128\n1.0\n3.0\n0.0\n";
}

TEST_F(Sections, SectionDepthsAddUpToThePileLength) {
    Read_In_Units("Units USCS", "SECTIONS\n2\n" + Drilled_Shaft(1, "10.0", "36.0") +
                                    Drilled_Shaft(2, "20.0", "30.0"));
    ASSERT_EQ(g_Model.ErrorStatus, 0);
    const AnalysisModel& m = g_Model;
    EXPECT_EQ(m.NumSections, 2);
    EXPECT_EQ(m.NumSectionPoints, 4);
    EXPECT_EQ(m.PileLength, 30.0);
    EXPECT_EQ(m.XSectionTop[2], 10.0);
    EXPECT_EQ(m.XSectionBottom[2], 30.0);
    const double x[] = {0, 0.0, 10.0, 10.0, 30.0};
    const double d[] = {0, 36.0, 36.0, 30.0, 30.0};
    for (int p = 1; p <= 4; ++p) {
        SCOPED_TRACE(p);
        EXPECT_EQ(m.XSectionPoint[p], x[p]);
        EXPECT_EQ(m.SectionPointD[p], d[p]);
        // Concrete sections take their stiffness from the moment-curvature tables.
        EXPECT_EQ(m.SectionPointI[p], 0.0);
        EXPECT_EQ(m.SectionPointE[p], 0.0);
    }
    EXPECT_EQ(m.NumBars[2], 12);
    EXPECT_EQ(m.BarArea[12][2], 1.0);
    // R = (30 - 1.128)/2 - 3 for the second section's circle.
    EXPECT_NEAR(m.BarX[1][2], (30.0 - 1.128) / 2.0 - 3.0, 1e-12);
    EXPECT_TRUE(Has_Line(Message_Lines(), "Reading section properties for Section 2"));
    EXPECT_TRUE(Has_Line(Message_Lines(), "Reading rebar property data for Section 2"));
}

TEST_F(Sections, CasedShaftWithCoreAndVoidCore) {
    const std::string cased = "1\n2\n15.0\n48.0\n0.5\n36000.0\n29000000.0\n" + k_Concrete +
                              "No rebar\n";
    const std::string cored = "2\n3\n10.0\n48.0\n0.5\n36000.0\n29000000.0\n24.0\n0.375\n50000.0\n"
                              "29000000.0\n" + k_Concrete + "No rebar\n";
    const std::string void_core = "3\n-3\n10.0\n48.0\n0.5\n36000.0\n29000000.0\n24.0\n0.375\n"
                                  "50000.0\n29000000.0\n" + k_Concrete + "No rebar\n";
    Read_In_Units("Units USCS", "SECTIONS\n3\n" + cased + cored + void_core);
    ASSERT_EQ(g_Model.ErrorStatus, 0);
    const AnalysisModel& m = g_Model;
    EXPECT_EQ(m.SectionType[1], 2);
    EXPECT_EQ(m.CasingThickness[1], 0.5);
    EXPECT_EQ(m.CasingYieldStress[1], 36000.0);
    EXPECT_EQ(m.SectionType[2], 3);
    EXPECT_NE(m.b_FillCoreWithConcrete[2], 0);
    EXPECT_EQ(m.CoreDiameter[2], 24.0);
    EXPECT_EQ(m.CoreYieldStress[2], 50000.0);
    // -3 is a casing with a void core, stored as type 3.
    EXPECT_EQ(m.SectionType[3], 3);
    EXPECT_EQ(m.b_FillCoreWithConcrete[3], 0);
    EXPECT_EQ(m.SectionPointD[6], 48.0);
    EXPECT_EQ(m.NumBars[1], 0);
    EXPECT_EQ(m.PileLength, 35.0);
}

TEST_F(Sections, SteelPipeGetsItsAreaAndInertiaInTheTable) {
    Read_In_Units("Units USCS", "SECTIONS\n1\n1\n4\n40.0\n24.0\n0.5\n50000.0\n29000000.0\n");
    ASSERT_EQ(g_Model.ErrorStatus, 0);
    const AnalysisModel& m = g_Model;
    // Outside diameter 24, wall 0.5: inside diameter 23.
    const double A = 0.7853981633974483 * (576.0 - 529.0);
    const double I = 0.04908738521234052 * (331776.0 - 279841.0);
    for (int p = 1; p <= 2; ++p) {
        SCOPED_TRACE(p);
        EXPECT_DOUBLE_EQ(m.SectionPointA[p], A);
        EXPECT_DOUBLE_EQ(m.SectionPointI[p], I);
        EXPECT_EQ(m.SectionPointE[p], 29000000.0);
        EXPECT_EQ(m.SectionPointD[p], 24.0);
    }
    EXPECT_EQ(m.PipeYieldStress[1], 50000.0);
}

TEST_F(Sections, SIDimensionsAreStoredInMeters) {
    const std::string shaft = "1\n1\n10.0\n900.0\n28000.0\n20.0\nUse default concrete tensile strength\n"
                              "Use internal stress-strain curve for concrete\n"
                              "Rebar Arrangement Not Same As Section Above\nRebar in circle\n"
                              "420000.0\n2.0E+8\n10\n1\n25.0\n500.0\n75.0\n10.0\n";
    const std::string square = "2\n7\n12.0\n450.0\n25.0\n" + k_Concrete +
                               "Autoposition strands\n1\n3\n8\n1000.0\n0.2\n60.0\n1\n";
    Read_In_Units("Units SI", "SECTIONS\n2\n" + shaft + square);
    ASSERT_EQ(g_Model.ErrorStatus, 0);
    const AnalysisModel& m = g_Model;
    EXPECT_EQ(m.SectionDiameter[1], 0.9);
    EXPECT_EQ(m.SectionLength[1], 10.0);         // meters already
    EXPECT_EQ(m.ConcreteStrength[1], 28000.0);   // kPa as input
    EXPECT_EQ(m.AggregateSize[1], 0.02);
    EXPECT_EQ(m.BarArea[1][1], 0.0005);
    EXPECT_EQ(m.BarDiameter[10][1], 0.025);
    EXPECT_EQ(m.CoverThickness[1], 0.075);
    EXPECT_EQ(m.CageOffset[1], 0.01);
    EXPECT_EQ(m.RebarYieldStress[1], 420000.0);
    // Strand type 1 size 3 is 0.5 in: in meters by the single-precision 0.0254.
    EXPECT_EQ(m.BarDiameter[1][2], 0.5 * 0.02539999969303608);
    EXPECT_EQ(m.ChamferWidth[2], 0.025);
    EXPECT_EQ(m.SectionPointD[3], 0.45);
}

TEST_F(Sections, PrestressedSquarePileWithAutopositionedStrands) {
    Read_In_Units("Units USCS", "SECTIONS\n1\n1\n7\n60.0\n18.0\n0.75\n6000.0\n0.75\n"
                                "Override concrete tensile strength\n-500.0\n"
                                "Use internal stress-strain curve for concrete\n"
                                "Autoposition strands\n1\n3\n12\n31000.0\n0.2\n3.0\n1\n");
    ASSERT_EQ(g_Model.ErrorStatus, 0);
    const AnalysisModel& m = g_Model;
    EXPECT_EQ(m.NumBars[1], 12);
    EXPECT_EQ(m.i_StrandType[1], 1);
    EXPECT_EQ(m.StrandFpu[1], 270000.0);
    EXPECT_EQ(m.BarArea[12][1], 0.15299999713897705);
    EXPECT_NE(m.b_OverrideTensileStrength[1], 0);
    EXPECT_EQ(m.ConcreteTensileStrength[1], -500.0);
    EXPECT_EQ(m.b_StrandsPlaced[1], -1);
    // a = (18 - 0.5)/2 - 3 = 5.75: the first strand is at the bottom left corner.
    EXPECT_EQ(m.BarX[1][1], -5.75);
    EXPECT_EQ(m.BarY[1][1], -5.75);
    EXPECT_EQ(m.InitialPrestressForce[1], 31000.0);
    EXPECT_TRUE(Has_Line(Message_Lines(), "Reading prestressing strand data for Section 1"));
    EXPECT_TRUE(Has_Line(Message_Lines(), "Reading concrete property data for Section 1"));
}

TEST_F(Sections, ManualStrandsTakeTheTypeOfTheLastLine) {
    Read_In_Units("Units USCS", "SECTIONS\n1\n1\n5\n30.0\n24.0\n" + k_Concrete +
                                    "Manually-positioned strands\n1\n3\n25000.0\n0.18\n"
                                    "1 1 3 0.0 8.0\n2 1 3 6.9 -4.0\n3 2 4 -6.9 -4.0\n");
    ASSERT_EQ(g_Model.ErrorStatus, 0);
    const AnalysisModel& m = g_Model;
    EXPECT_EQ(m.i_StrandType[1], 2);
    EXPECT_EQ(m.i_BarSize[3][1], 4);
    EXPECT_EQ(m.BarArea[2][1], 0.15299999713897705);   // type 1 size 3
    EXPECT_EQ(m.BarArea[3][1], 0.21699999272823334);   // type 2 size 4
    EXPECT_EQ(m.BarX[3][1], -6.9);
    EXPECT_EQ(m.StrandFpu[1], 300000.0);
}

TEST_F(Sections, RebarSameAsAboveReadsTheSectionsOwnBars) {
    const std::string second = "2\n0\n10.0\n24.0\n18.0\n" + k_Concrete +
                               "Rebar Arrangement Same As Section Above\nRebar in noncircular pattern\n"
                               "60000.0\n29000000.0\n2\n1 8 1.0 0.79 6.0 9.0\n2 8 1.0 0.79 -6.0 -9.0\n";
    Read_In_Units("Units USCS", "SECTIONS\n2\n" + Drilled_Shaft(1, "10.0", "36.0") + second);
    ASSERT_EQ(g_Model.ErrorStatus, 0);
    const AnalysisModel& m = g_Model;
    EXPECT_NE(m.b_RebarSameAsAbove[2], 0);
    EXPECT_EQ(m.NumBars[2], 2);
    EXPECT_EQ(m.BarArea[1][2], 0.79);
    EXPECT_EQ(m.BarY[2][2], -9.0);
    EXPECT_EQ(m.i_BarSize[1][2], 8);
    // Rectangular pile: the diameter field holds the depth, the table D the width.
    EXPECT_EQ(m.SectionDiameter[2], 24.0);
    EXPECT_EQ(m.SectionPointD[3], 18.0);
}

TEST_F(Sections, ElasticHPilesTakeDByAxis) {
    const char* strong = "1\n11\n40.0\n4\n29000000.0\n12.0\n11.8\n0.5\n0.45\n15.5\n210.0\n";
    const char* weak = "2\n11\n20.0\n5\n29000000.0\n12.0\n11.8\n0.5\n0.45\n15.5\n70.0\n";
    Read_In_Units("Units USCS", std::string("SECTIONS\n2\n") + strong + weak);
    ASSERT_EQ(g_Model.ErrorStatus, 0);
    const AnalysisModel& m = g_Model;
    EXPECT_EQ(m.SectionPointD[1], 12.0);
    EXPECT_EQ(m.SectionPointD[2], 12.0);
    EXPECT_EQ(m.SectionPointD[3], 11.8);
    EXPECT_EQ(m.SectionPointD[4], 11.8);
    EXPECT_EQ(m.SectionPointI[2], 210.0);   // the one inertia at both points
    EXPECT_EQ(m.SectionPointA[4], 15.5);
    EXPECT_EQ(m.SectionPointE[3], 29000000.0);
    EXPECT_EQ(m.BottomWidth[1], 0.0);
}

TEST_F(Sections, ElasticShapesFillTheirTableRows) {
    // Shape 1 tapered rectangle; shape 6 embedded pole with its hole diameter and widths.
    const char* rectangle = "1\n11\n10.0\n1\n3.0E+6\n12.0\n10.0\n14.0\n12.0\n168.0\n120.0\n2744.0\n1440.0\n";
    const char* pole = "2\n12\n10.0\n6\n1.6E+6\n2.0E+6\n1.8E+6\n10.0\n8.0\n78.5\n50.3\n490.9\n201.1\n30.0\n";
    Read_In_Units("Units USCS", std::string("SECTIONS\n2\n") + rectangle + pole);
    ASSERT_EQ(g_Model.ErrorStatus, 0);
    const AnalysisModel& m = g_Model;
    EXPECT_EQ(m.SectionPointD[1], 12.0);
    EXPECT_EQ(m.SectionPointD[2], 10.0);
    EXPECT_EQ(m.SectionPointI[1], 2744.0);
    EXPECT_EQ(m.SectionPointI[2], 1440.0);
    EXPECT_EQ(m.SectionPointA[2], 120.0);
    EXPECT_EQ(m.BottomDepth[1], 12.0);
    EXPECT_EQ(m.PlasticMomentTop[2], 2.0e6);
    EXPECT_EQ(m.PlasticMomentBottom[2], 1.8e6);
    EXPECT_EQ(m.SectionPointD[3], 30.0);
    EXPECT_EQ(m.SectionPointD[4], 30.0);
    EXPECT_EQ(m.SectionPointD2[3], 10.0);
    EXPECT_EQ(m.SectionPointD2[4], 8.0);
    EXPECT_EQ(m.SectionPointE[4], 1.6e6);
    EXPECT_TRUE(Has_Line(Message_Lines(), "Reading elastic section properties for Section 1"));
    EXPECT_TRUE(Has_Line(Message_Lines(), "Reading elastic-plastic section properties for Section 2"));
}

TEST_F(Sections, ElasticPlasticHPileInSIHasOneMomentAndUnconvertedThicknesses) {
    Read_In_Units("Units SI", "SECTIONS\n1\n1\n12\n12.0\n4\n2.0E+8\n350.0\n305.0\n300.0\n"
                              "12.0\n11.0\n9000.0\n1.5E+8\n");
    ASSERT_EQ(g_Model.ErrorStatus, 0);
    const AnalysisModel& m = g_Model;
    EXPECT_EQ(m.PlasticMomentTop[1], 350.0);
    EXPECT_EQ(m.PlasticMomentBottom[1], 350.0);
    EXPECT_EQ(m.FlangeWidth[1], 0.305);
    EXPECT_EQ(m.TopDepth[1], 0.3);
    EXPECT_EQ(m.FlangeThickness[1], 12.0);
    EXPECT_EQ(m.WebThickness[1], 11.0);
    EXPECT_EQ(m.SectionPointA[2], 0.009);
    EXPECT_EQ(m.SectionPointI[1], 1.5e-4);
    EXPECT_EQ(m.SectionPointE[1], 2.0e8);
}

struct ErrorCase {
    const char* name;
    std::string body;
    std::vector<std::string> report;   // from the first non-empty report line to the raise
};

// The lines of a micropile (type 14) after its length: hole, grout, casing, bar.
std::string Micropile_Lines(const char* hole, const char* grout, const char* casing_od,
                            const char* casing_wall, const char* bar) {
    return std::string(hole) + "\n" + grout + "\n" + casing_od + "\n" + casing_wall +
           "\n80000.0\n29000000.0\n" + bar + "\n75000.0\n29000000.0\n";
}

TEST_F(Sections, UserMEITableAndMicropile) {
    // Section 1: user M-EI with two thrusts; section 2: micropile of an 8 in hole; section 3
    // starts where section 2 ended.
    Read_In_Units("Units USCS", "SECTIONS\n3\n1\n13\n20.0\n24.0\n2\n"
                                "0.0\n2\n0.0\n5.0E+9\n3.0E+6\n2.0E+9\n"
                                "100.0\n1\n0.0\n6.0E+9\n"
                                "2\n14\n5.0\n" + Micropile_Lines("8.0", "5000.0", "7.0", "0.5", "2.5") +
                                    Drilled_Shaft(3, "10.0", "24.0"));
    ASSERT_EQ(g_Model.ErrorStatus, 0);
    const AnalysisModel& m = g_Model;
    EXPECT_EQ(m.i_NumMEIThrusts[1], 2);
    EXPECT_EQ(m.MEIThrust[2][1], 100.0);
    EXPECT_EQ(m.i_NumMEIPoints[1][1], 2);
    EXPECT_EQ(m.MEIMoment[2][1][1], 3.0e6);
    EXPECT_EQ(m.MEIStiffness[2][1][1], 2.0e9);
    EXPECT_EQ(m.MEIStiffness[1][2][1], 6.0e9);
    EXPECT_EQ(m.SectionPointD[2], 24.0);
    EXPECT_EQ(m.SectionLength[2], 5.0);
    // The micropile is a round section of its hole diameter along its own depth range.
    EXPECT_EQ(m.XSectionTop[2], 20.0);
    EXPECT_EQ(m.XSectionPoint[4], 25.0);
    EXPECT_EQ(m.SectionPointD[3], 8.0);
    EXPECT_EQ(m.SectionPointD[4], 8.0);
    EXPECT_EQ(m.XSectionTop[3], 25.0);
    EXPECT_EQ(m.PileLength, 35.0);
}

struct MicropileCase {
    const char* name;
    const char* units;
    std::string lines;
    double hole, casing_od, casing_wall, bar;   // as stored (in | m)
    int bars;
};

TEST_F(Sections, MicropileLinesFillHoleGroutCasingAndTheCentralBar) {
    const MicropileCase cases[] = {
        {"US customary, casing and bar", "Units USCS", Micropile_Lines("8.0", "5000.0", "7.0", "0.5", "2.5"),
         8.0, 7.0, 0.5, 2.5, 1},
        {"SI millimetres to metres", "Units SI", Micropile_Lines("200.0", "35000.0", "177.8", "12.7", "63.0"),
         0.2, 0.1778, 0.0127, 0.063, 1},
        {"no casing", "Units USCS", Micropile_Lines("8.0", "5000.0", "0.0", "0.0", "3.0"), 8.0, 0.0, 0.0, 3.0, 1},
        {"no bar", "Units USCS", Micropile_Lines("8.0", "5000.0", "7.0", "0.5", "0.0"), 8.0, 7.0, 0.5, 0.0, 0},
    };
    for (const MicropileCase& row : cases) {
        SCOPED_TRACE(row.name);
        Reset();
        Read_In_Units(row.units, "SECTIONS\n1\n1\n14\n12.0\n" + row.lines);
        ASSERT_EQ(g_Model.ErrorStatus, 0);
        const AnalysisModel& m = g_Model;
        EXPECT_EQ(m.SectionType[1], 14);
        EXPECT_EQ(m.PileLength, 12.0);
        EXPECT_DOUBLE_EQ(m.SectionDiameter[1], row.hole);
        EXPECT_DOUBLE_EQ(m.SectionPointD[1], row.hole);
        EXPECT_DOUBLE_EQ(m.SectionPointD[2], row.hole);
        EXPECT_DOUBLE_EQ(m.rd_CasingDiameter[1], row.casing_od);
        EXPECT_DOUBLE_EQ(m.CasingThickness[1], row.casing_wall);
        EXPECT_EQ(m.CasingYieldStress[1], 80000.0);   // stresses as input, psi or kPa
        EXPECT_EQ(m.CasingModulus[1], 29.0e6);
        EXPECT_EQ(m.RebarYieldStress[1], 75000.0);
        EXPECT_EQ(m.ReinforcementModulus[1], 29.0e6);
        EXPECT_EQ(m.NumBars[1], row.bars);
        EXPECT_DOUBLE_EQ(m.BarDiameter[1][1], row.bar);
        // one bar of its own circular area at the centre, or none
        EXPECT_DOUBLE_EQ(m.BarArea[1][1], row.bars > 0 ? 0.7853981633974483 * row.bar * row.bar : 0.0);
        EXPECT_EQ(m.BarX[1][1], 0.0);
        EXPECT_EQ(m.BarY[1][1], 0.0);
    }
}

// A file of the form in which a micropile read its length alone: the reader runs into the next
// keyword or section and says which micropile line it needed and what a micropile now needs.
TEST_F(Sections, MicropileOfTheOldOneLineFormRaises99NamingItsLines) {
    const std::string solution =
        "Solution: After its length a micropile section needs one line each for its hole diameter, grout "
        "compressive strength, casing outside diameter, casing wall thickness, casing yield stress, casing "
        "modulus, bar diameter, bar yield stress and bar modulus (a casing wall or bar diameter of 0 "
        "leaves the casing or the bar out).";
    const ErrorCase cases[] = {
        // SECTIONS is line 19 of these files: the length is line 23
        {"END after the length", "SECTIONS\n1\n1\n14\n5.0\n",
         {"***** INPUT ERROR *****", "", "The following line is unrecognized or is out-of-order", "", "END", "",
          "Problem:  Line 24 of the input data file holds \"END\" where the hole diameter of micropile section 1 "
          "is expected.",
          solution}},
        // the next section's number, type, length, diameter, f'c and aggregate size read as numbers
        {"a drilled shaft after the length", "SECTIONS\n2\n1\n14\n5.0\n" + Drilled_Shaft(2, "10.0", "36.0"),
         {"***** INPUT ERROR *****", "", "The following line is unrecognized or is out-of-order", "",
          "Use default concrete tensile strength", "",
          "Problem:  Line 30 of the input data file holds \"Use\" where the bar diameter of micropile section 1 "
          "is expected.",
          solution}},
    };
    for (const ErrorCase& row : cases) {
        SCOPED_TRACE(row.name);
        Reset();
        Read_In_Units("Units USCS", row.body);
        EXPECT_EQ(g_Model.ErrorStatus, 199);
        EXPECT_EQ(Report_Until_Raise(), row.report);
    }
}

TEST_F(Sections, InputConcreteCurveIsStored) {
    Read_In_Units("Units USCS", "SECTIONS\n1\n1\n1\n10.0\n36.0\n4000.0\n0.75\n"
                                "Use default concrete tensile strength\n"
                                "Input stress-strain curve for concrete\n3\n1 0.0 0.0\n"
                                "2 0.002 4000.0\n3 0.003 3400.0\nNo rebar\n");
    ASSERT_EQ(g_Model.ErrorStatus, 0);
    EXPECT_NE(g_Model.b_InputConcreteCurve[1], 0);
    EXPECT_EQ(g_Model.NumConcreteCurvePoints[1], 3);
    EXPECT_EQ(g_Model.ConcreteCurveStress[3][1], 3400.0);
}

TEST_F(Sections, SectionErrorsRaiseError95WithTheirText) {
    const std::string head = "1\n1\n10.0\n36.0\n";
    const ErrorCase cases[] = {
        {"sections out of order", "SECTIONS\n2\n" + Drilled_Shaft(1, "10", "36") + "3\n",
         {"SECTION DATA OUT-OF-ORDER", "Expecting section number 2, but section number 3 was found", "", "",
          "***** Input Data Error No. 95 *****", "",
          "Problem:  Line 39 of the input data file gives section number 3 where the data of section 2 begins.",
          "Solution: Number the sections 1, 2, ... in order, each with all its lines."}},
        {"21 sections", "SECTIONS\n21\n",
         {"***** Input Data Error No. 95 *****", "",
          "Problem:  The number of pile sections is 21, more than the limit of 20.",
          "Solution: Reduce the number of pile sections to 20 or fewer."}},
        {"type code 15", "SECTIONS\n1\n1\n15\n",
         {"***** Input Data Error No. 95 *****", "",
          "Problem:  Section 1 has the section type code 15, outside the valid codes -3 and 0 to 14.",
          "Solution: Give section 1 a section type code of -3 or 0 to 14."}},
        {"type code -1", "SECTIONS\n1\n1\n-1\n",
         {"***** Input Data Error No. 95 *****", "",
          "Problem:  Section 1 has the section type code -1, outside the valid codes -3 and 0 to 14.",
          "Solution: Give section 1 a section type code of -3 or 0 to 14."}},
        {"tensile strength option", "SECTIONS\n1\n" + head + "4000\n0.75\nUse default tensile strength\n",
         {"INPUT ERROR - Unrecognized command for concrete tensile strength option", "", "",
          "***** Input Data Error No. 95 *****", "",
          "Problem:  Line 27 of the input data file is not what section data needs here.",
          "Solution: Write \"Use default concrete tensile strength\" or \"Override concrete tensile strength\", spelled and capitalized as shown."}},
        {"stress-strain option", "SECTIONS\n1\n" + head + "4000\n0.75\n"
                                 "Use default concrete tensile strength\nUse internal curve\n",
         {"INPUT ERROR - Unrecognized input for concrete stress-strain option", "", "",
          "***** Input Data Error No. 95 *****", "",
          "Problem:  Line 28 of the input data file is not what section data needs here.",
          "Solution: Write \"Use internal stress-strain curve for concrete\" or \"Input stress-strain curve for concrete\", spelled and capitalized as shown."}},
        {"curve point out of sequence", "SECTIONS\n1\n" + head + "4000\n0.75\n"
                                        "Use default concrete tensile strength\n"
                                        "Input stress-strain curve for concrete\n2\n1 0 0\n3 0.002 4000\n",
         {"INPUT ERROR - Sequence error encountered when reading concrete stress-strain curve",
          "Expecting line no. 2 but line no. 3 was read", "", "",
          "***** Input Data Error No. 95 *****", "",
          "Problem:  Line 31 of the input data file is not what section data needs here.",
          "Solution: Write the point number 2 first on this line."}},
        {"rebar continuation", "SECTIONS\n1\n" + head + k_Concrete + "Rebar as above\n",
         {"INPUT ERROR - Unrecognized command for rebar continuation from section above option", "", "",
          "***** Input Data Error No. 95 *****", "",
          "Problem:  Line 29 of the input data file is not what section data needs here.",
          "Solution: Write \"No rebar\", \"Rebar Arrangement Same As Section Above\" or \"Rebar Arrangement Not Same As Section Above\", spelled and capitalized as shown."}},
        {"rebar pattern", "SECTIONS\n1\n" + head + k_Concrete +
                          "Rebar Arrangement Not Same As Section Above\nRebar in square\n",
         {"INPUT ERROR - Unrecognized command for rebar pattern option", "", "",
          "***** Input Data Error No. 95 *****", "",
          "Problem:  Line 30 of the input data file is not what section data needs here.",
          "Solution: Write \"Rebar in circle\" or \"Rebar in noncircular pattern\", spelled and capitalized as shown."}},
        {"four bars per group", "SECTIONS\n1\n" + head + k_Concrete +
                                "Rebar Arrangement Not Same As Section Above\nRebar in circle\n"
                                "60000\n29000000\n10\n4\n1\n0.79\n3\n0\n",
         {"***** Input Data Error No. 95 *****", "",
          "Problem:  The number of bars per group of section 1 is 4, more than the limit of 3.",
          "Solution: Reduce the number of bars per group of section 1 to 3 or fewer."}},
        {"101 groups of 3 bars", "SECTIONS\n1\n" + head + k_Concrete +
                                 "Rebar Arrangement Not Same As Section Above\nRebar in circle\n"
                                 "60000\n29000000\n101\n3\n1\n0.79\n3\n0\n",
         {"***** Input Data Error No. 95 *****", "",
          "Problem:  The number of bars of section 1 is 303, more than the limit of 300.",
          "Solution: Reduce the number of bars of section 1 to 300 or fewer."}},
        {"301 listed bars", "SECTIONS\n1\n" + head + k_Concrete +
                            "Rebar Arrangement Not Same As Section Above\n"
                            "Rebar in noncircular pattern\n60000\n29000000\n301\n",
         {"***** Input Data Error No. 95 *****", "",
          "Problem:  The number of bars of section 1 is 301, more than the limit of 300.",
          "Solution: Reduce the number of bars of section 1 to 300 or fewer."}},
        {"strand option", "SECTIONS\n1\n1\n5\n10\n24\n" + k_Concrete + "Auto strands\n",
         {"INPUT ERROR - Unrecognized input for strand no. 0", "", "",
          "***** Input Data Error No. 95 *****", "",
          "Problem:  Line 29 of the input data file is not what section data needs here.",
          "Solution: Write \"Autoposition strands\" or \"Manually-positioned strands\", spelled and capitalized as shown."}},
        {"strand out of order", "SECTIONS\n1\n1\n5\n10\n24\n" + k_Concrete +
                                "Manually-positioned strands\n1\n2\n0\n0\n1 1 3 0 8\n3 1 3 0 -8\n",
         {"INPUT ERROR - Input out-of-order for strand no. 3", "", "",
          "***** Input Data Error No. 95 *****", "",
          "Problem:  Line 35 of the input data file is not what section data needs here.",
          "Solution: Write the strand number 2 first on this line."}},
        {"301 strands", "SECTIONS\n1\n1\n5\n10\n24\n" + k_Concrete +
                        "Autoposition strands\n1\n3\n301\n0\n0\n3\n0\n",
         {"***** Input Data Error No. 95 *****", "",
          "Problem:  The number of strands of section 1 is 301, more than the limit of 300.",
          "Solution: Reduce the number of strands of section 1 to 300 or fewer."}},
        {"strand pattern 3", "SECTIONS\n1\n1\n7\n10\n18\n0\n" + k_Concrete +
                             "Autoposition strands\n1\n3\n8\n0\n0\n3\n3\n",
         {"***** Input Data Error No. 95 *****", "",
          "Problem:  Section 1 has the strand pattern code 3, outside the valid range of 0 to 2.",
          "Solution: Give section 1 a strand pattern code from 0 to 2."}},
        {"101 M-EI thrusts", "SECTIONS\n1\n1\n13\n10\n24\n101\n",
         {"***** Input Data Error No. 95 *****", "",
          "Problem:  The number of M-EI thrusts of section 1 is 101, more than the limit of 100.",
          "Solution: Reduce the number of M-EI thrusts of section 1 to 100 or fewer."}},
        {"151 M-EI points", "SECTIONS\n1\n1\n13\n10\n24\n1\n0\n151\n",
         {"***** Input Data Error No. 95 *****", "",
          "Problem:  The number of M-EI points for thrust 1 of section 1 is 151, more than the "
          "limit of 150.",
          "Solution: Reduce the number of M-EI points for thrust 1 of section 1 to 150 or fewer."}},
    };
    for (const ErrorCase& row : cases) {
        SCOPED_TRACE(row.name);
        Reset();
        Read_In_Units("Units USCS", row.body);
        EXPECT_EQ(g_Model.ErrorStatus, 195);
        EXPECT_EQ(Report_Until_Raise(), row.report);
    }
}

struct StrandCase {
    const char* name;
    const char* units;
    int type;
    int size;
    double diameter;
    double area;
    double fpu;
    double modulus;
};

TEST_F(Sections, StrandTableGivesDiameterAreaAndStrength) {
    const double inch = 0.02539999969303608;
    const StrandCase cases[] = {
        {"PCI 250 size 0", "Units USCS", 0, 0, 0.3400000035762787, 0.057999998331069946, 250000, 0},
        {"PCI 270 size 7", "Units USCS", 1, 7, 0.699999988079071, 0.2939999997615814, 270000, 0},
        {"grade 300 size 1", "Units USCS", 2, 1, 0.43799999356269836, 0.11500000208616257, 300000, 0},
        {"smooth 145 ksi bar size 5", "Units USCS", 3, 5, 1.375, 1.4850000143051147, 145000, 29000},
        {"smooth 160 ksi bar in SI", "Units SI", 4, 2, 1.0 * inch, 0.7850000262260437 * inch * inch,
         160000, 199947760},
        {"deformed bar size 0 is 157 ksi", "Units USCS", 5, 0, 0.625, 0.2800000011920929, 157000,
         29000},
        {"deformed bar size 4", "Units GENERAL", 5, 4, 1.25, 1.25, 160000, 199947760},
        {"size outside the list keeps d and A", "Units USCS", 1, 8, -1, -1, 270000, 0},
        {"deformed bar size outside keeps fpu", "Units USCS", 5, 6, -1, -1, -1, 29000},
        {"type outside 0-5 sets nothing", "Units USCS", 6, 0, -1, -1, -1, 0},
    };
    for (const StrandCase& row : cases) {
        SCOPED_TRACE(row.name);
        Reset();
        std::vector<std::string> lines = Default_Option_Lines();
        lines[0] = row.units;
        lines[10] = "Tolerance 1.0E-7";
        Read_Input(Options_Section(lines) + "END\n");
        ASSERT_EQ(g_Model.ErrorStatus, 0);
        // Marker values show what the table leaves unchanged.
        g_Model.BarDiameter[2][1] = -1;
        g_Model.BarArea[2][1] = -1;
        g_Model.StrandFpu[1] = -1;
        StrandProperties(1, 2, row.type, row.size);
        EXPECT_EQ(g_Model.BarDiameter[2][1], row.diameter);
        EXPECT_EQ(g_Model.BarArea[2][1], row.area);
        EXPECT_EQ(g_Model.StrandFpu[1], row.fpu);
        EXPECT_EQ(g_Model.ReinforcementModulus[1], row.modulus);
    }
}

}  // namespace
