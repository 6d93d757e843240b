// The profile sections and the thrust list derived after END: soil movements, p-y modifiers,
// tip shear, batter and slope, p-y output depths, axial thrusts.
#include "input/auxiliary_profiles.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/model.h"
#include "support/input_fixture.h"

namespace {

struct Profiles : InputFixture {
    void Reset() {
        TearDown();
        SetUp();
    }
    // OPTIONS with the given option line (1-based) set to text, then body and END.
    void Read_With_Option(int line, const std::string& text, const std::string& body) {
        std::vector<std::string> lines = Default_Option_Lines();
        lines[static_cast<std::size_t>(line - 1)] = text;
        Read_Input(Options_Section(lines) + body + "END\n");
    }
    // The problem line of the first framed message with this heading.
    std::string Problem_After(const std::string& heading) const {
        const std::vector<std::string> lines = Report_Lines();
        for (std::size_t i = 0; i + 2 < lines.size(); ++i) {
            if (lines[i] == heading) return lines[i + 2];
        }
        return "(no " + heading + ")";
    }
};

constexpr int k_Option_Units = 1;
constexpr int k_Option_Soil_Movement = 5;
constexpr int k_Option_PY_Modifiers = 6;
constexpr int k_Option_Print_PY = 15;
constexpr int k_Option_Interaction = 16;

TEST_F(Profiles, SoilMovementIsReadOnlyWithItsOption) {
    const std::string section = "SOIL MOVEMENTS\n2\n1 0.0 25.0\n2 10.0 0.0\n";
    Read_With_Option(k_Option_Soil_Movement, "UseSoilMovement YES", section);
    ASSERT_EQ(g_Model.ErrorStatus, 0);
    EXPECT_EQ(g_Model.NumSoilMovementPoints, 2);
    EXPECT_EQ(g_Model.SoilMovement[1], 25.0);   // inches, US customary: as input
    EXPECT_EQ(g_Model.XSoilMovement[2], 10.0);
    EXPECT_TRUE(Has_Line(Message_Lines(), "Reading soil movement data"));

    // Without the option the count line is taken for a keyword line.
    Reset();
    Read_With_Option(k_Option_Soil_Movement, "UseSoilMovement NO", section);
    EXPECT_EQ(g_Model.ErrorStatus, 199);
    EXPECT_EQ(Report_Lines()[6], "2");
}

TEST_F(Profiles, SoilMovementInMillimetersIsStoredInMeters) {
    std::vector<std::string> lines = Default_Option_Lines();
    lines[0] = "Units SI";
    lines[4] = "UseSoilMovement YES";
    lines[10] = "Tolerance 2.54E-7";
    Read_Input(Options_Section(lines) + "SOIL MOVEMENTS\n2\n1 0.0 25.0\n2 3.0 0.0\nEND\n");
    ASSERT_EQ(g_Model.ErrorStatus, 0);
    EXPECT_EQ(g_Model.SoilMovement[1], 0.025);
    EXPECT_EQ(g_Model.XSoilMovement[2], 3.0);
}

TEST_F(Profiles, SoilMovementCountOutside2To100RaisesError53) {
    for (int n : {1, 101}) {
        SCOPED_TRACE(n);
        Reset();
        Read_With_Option(k_Option_Soil_Movement, "UseSoilMovement YES",
                         "SOIL MOVEMENTS\n" + std::to_string(n) + "\n");
        EXPECT_EQ(g_Model.ErrorStatus, 153);
        const std::vector<std::string> expected = {
            "**** Input Data Error No. 53 ****", "",
            "Number of lines specified for soil movement data = " + std::to_string(n),
            "The number of lines of soil movement data cannot be less than 2 or exceed 100.", ""};
        for (const auto& lines : {Message_Lines(), Report_Lines()}) {
            std::size_t head = 0;
            while (head < lines.size() && lines[head] != expected[0]) ++head;
            ASSERT_LE(head + expected.size(), lines.size());
            EXPECT_EQ(std::vector<std::string>(lines.begin() + static_cast<long>(head),
                                               lines.begin() + static_cast<long>(head + expected.size())),
                      expected);
        }
    }
}

TEST_F(Profiles, GroupEffectFactorsReplaceTheOptionsRowCount) {
    Read_With_Option(k_Option_PY_Modifiers, "UsePYModifiers YES",
                     "GROUP EFFECT FACTORS\n2\n1 0.0 0.8 1.0\n2 30.0 0.6 1.2\n");
    ASSERT_EQ(g_Model.ErrorStatus, 0);
    EXPECT_EQ(g_Model.NumPYModifierPoints, 2);
    EXPECT_EQ(g_Model.XPYModifier[2], 30.0);
    EXPECT_EQ(g_Model.PMultiplier[2], 0.6);
    EXPECT_EQ(g_Model.YMultiplier[2], 1.2);
    EXPECT_TRUE(Has_Line(Message_Lines(), "Reading p-y multiplier data"));

    // A count of 0 or less leaves no rows, whatever the option set.
    for (const char* count : {"0", "-2"}) {
        SCOPED_TRACE(count);
        Reset();
        Read_With_Option(k_Option_PY_Modifiers, "UsePYModifiers YES",
                         std::string("GROUPEFF\n") + count + "\n");
        ASSERT_EQ(g_Model.ErrorStatus, 0);
        EXPECT_EQ(g_Model.NumPYModifierPoints, 0);
        EXPECT_FALSE(Has_Line(Message_Lines(), "Reading p-y multiplier data"));
    }
}

TEST_F(Profiles, TipShearTable) {
    Read_Input("TIP SHEAR\n3\n1 0.0 0.0\n2 0.1 500.0\n3 1.0 800.0\nEND\n");
    ASSERT_EQ(g_Model.ErrorStatus, 0);
    EXPECT_EQ(g_Model.NumTipShearPoints, 3);
    EXPECT_EQ(g_Model.YTipShear[2], 0.1);
    EXPECT_EQ(g_Model.VTipShear[3], 800.0);
    EXPECT_TRUE(Has_Line(Message_Lines(), "Reading tip shear data"));
}

TEST_F(Profiles, BatterAndSlopeAreStoredInRadians) {
    Read_Input("PILE BATTER AND SLOPE\n10.0\n4.0\nEND\n");
    ASSERT_EQ(g_Model.ErrorStatus, 0);
    // 6 degrees; the value of 6 pi / 180 computed by gfortran in double precision.
    EXPECT_EQ(g_Model.EffectiveSlope, 0.10471975511965977);
    EXPECT_DOUBLE_EQ(g_Model.GroundSlope, 0.17453292519943295);   // 10 degrees
    EXPECT_DOUBLE_EQ(g_Model.PileBatter, 0.06981317007977318);    // 4 degrees
    EXPECT_TRUE(Has_Line(Message_Lines(), "Reading pile batter and ground slope angles"));
}

TEST_F(Profiles, PYOutputDepthsOnlyWithTheirOption) {
    Read_With_Option(k_Option_Print_PY, "PrintPYCurves YES",
                     "DEPTHS OF PRINTED P-Y CURVES\n2\n1 5.0\n2 10.0\n");
    ASSERT_EQ(g_Model.ErrorStatus, 0);
    EXPECT_EQ(g_Model.NumPYOutputDepths, 2);
    EXPECT_EQ(g_Model.XPYOutputDepth[2], 10.0);

    Reset();
    Read_With_Option(k_Option_Print_PY, "PrintPYCurves NO",
                     "DEPTHS OF PRINTED P-Y CURVES\n2\n1 5.0\n2 10.0\n");
    EXPECT_EQ(g_Model.ErrorStatus, 199);
    EXPECT_EQ(g_Model.NumPYOutputDepths, 0);
}

TEST_F(Profiles, AxialThrustLoadsAreSortedAndZeroMeansOneThrust) {
    Read_Input("AXIAL THRUST LOADS\n3\n1 500.0\n2 100.0\n3 300.0\nEND\n");
    ASSERT_EQ(g_Model.ErrorStatus, 0);
    EXPECT_EQ(g_Model.NumLoadCases, 3);
    EXPECT_EQ(g_Model.AxialThrustLoad[1], 100.0);
    EXPECT_EQ(g_Model.AxialThrustLoad[2], 300.0);
    EXPECT_EQ(g_Model.AxialThrustLoad[3], 500.0);

    Reset();
    Read_Input("AXIAL THRUST LOADS\n0\nEND\n");
    ASSERT_EQ(g_Model.ErrorStatus, 0);
    EXPECT_EQ(g_Model.NumLoadCases, 1);
    EXPECT_EQ(g_Model.AxialThrustLoad[1], 0.0);
    EXPECT_FALSE(Has_Line(Message_Lines(),
                          "Reading axial thrust force data for EI-only computations"));
}

TEST_F(Profiles, CountsBeyondCapacityRaiseError95) {
    struct LimitCase {
        const char* name;
        int option_line;
        const char* option;
        std::string body;
        const char* problem;
    };
    const LimitCase cases[] = {
        {"81 p-y modifier rows", k_Option_PY_Modifiers, "UsePYModifiers YES",
         "GROUP EFFECT FACTORS\n81\n",
         "Problem:  The number of p-y modifier rows is 81, more than the limit of 80."},
        {"51 tip shear points", k_Option_Units, "Units USCS", "TIP SHEAR\n51\n",
         "Problem:  The number of tip shear points is 51, more than the limit of 50."},
        {"101 p-y output depths", k_Option_Print_PY, "PrintPYCurves YES",
         "DEPTHS OF PRINTED P-Y CURVES\n101\n",
         "Problem:  The number of p-y output depths is 101, more than the limit of 100."},
        {"negative p-y output depths", k_Option_Print_PY, "PrintPYCurves YES",
         "DEPTHS OF PRINTED P-Y CURVES\n-1\n",
         "Problem:  The number of p-y output depths is -1, outside the valid range of 0 to 100."},
        {"101 axial thrusts", k_Option_Units, "Units USCS", "AXIAL THRUST LOADS\n101\n",
         "Problem:  The number of axial thrusts is 101, more than the limit of 100."},
    };
    for (const LimitCase& row : cases) {
        SCOPED_TRACE(row.name);
        Reset();
        Read_With_Option(row.option_line, row.option, row.body);
        EXPECT_EQ(g_Model.ErrorStatus, 195);
        EXPECT_EQ(Problem_After("***** Input Data Error No. 95 *****"), row.problem);
    }
}

// Thrust list of the section analysis, derived after END from the load cases.
struct ThrustCase {
    const char* name;
    const char* units;
    const char* interaction;
    int sections;
    std::vector<double> expected;
};

TEST_F(Profiles, ThrustListFromLoadCasesIsSortedDistinctAndInKips) {
    const ThrustCase cases[] = {
        {"US customary: pounds to kips", "Units USCS", "ComputeInteraction NO", 1,
         {0.1, 0.2, 0.3}},
        {"SI: kN as input", "Units SI", "ComputeInteraction NO", 1, {100.0, 200.0, 300.0}},
        {"no sections: no list", "Units USCS", "ComputeInteraction NO", 0, {}},
        // ComputeInteraction YES once left the list empty, and the section analysis then solved
        // reinforced-concrete nodes with EI = 0: the option selects no other thrusts.
        {"interaction option: the same list", "Units USCS", "ComputeInteraction YES", 1,
         {0.1, 0.2, 0.3}},
    };
    for (const ThrustCase& row : cases) {
        SCOPED_TRACE(row.name);
        Reset();
        // The section input fills NumSections; here the count stands for it.
        g_Model.NumSections = row.sections;
        std::vector<std::string> lines = Default_Option_Lines();
        lines[0] = row.units;
        lines[10] = "Tolerance 1.0E-6";
        lines[15] = row.interaction;
        if (std::string(row.interaction) == "ComputeInteraction YES") lines.push_back("Code ACI318");
        Read_Input(Options_Section(lines) +
                   "LOADING\n5\n1 1 0 0 300 1\n2 1 0 0 100 1\n3 1 0 0 200 1\n4 1 0 0 300 1\n"
                   "5 1 0 0 100 1\n0\nEND\n");
        ASSERT_EQ(g_Model.ErrorStatus, 0);
        ASSERT_EQ(g_Model.NumEIThrusts, static_cast<int>(row.expected.size()));
        for (std::size_t k = 0; k < row.expected.size(); ++k) {
            EXPECT_EQ(g_Model.EIThrust[k + 1], row.expected[k]);
        }
    }
}

TEST_F(Profiles, NoThrustListInAnLrfdRun) {
    g_Model.NumSections = 1;
    Read_With_Option(2, "UseLRFD YES", "LOADING\n1\n1 1 0 0 300 1\n0\n");
    ASSERT_EQ(g_Model.ErrorStatus, 0);
    EXPECT_EQ(g_Model.NumEIThrusts, 0);
}

}  // namespace
