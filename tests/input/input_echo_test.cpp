// The input echo read from small input snippets: the exact lines of its blocks in US customary
// and SI units, the consistency checks with their statuses and first message lines, and the
// depth warning of liquefied sand layers.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "input/input_echo.h"
#include "input/warning_catalogue.h"
#include "model/model.h"
#include "model/units.h"
#include "support/input_fixture.h"

namespace {

// One elastic circular section of 10 (ft | m): E, diameters, areas, moments of inertia.
const char* const k_Elastic_Section = "SECTIONS\n1\n1\n11\n10.0\n2\n29000000.0\n12.0\n12.0\n113.1\n113.1\n1017.9\n1017.9\n";
// A soft clay layer from the pile head to the tip.
const char* const k_Clay_To_Tip = "SOIL LAYERS\n1\n1 0.0 10.0\n110.0 500.0 0.02\n110.0 500.0 0.02\n";

std::vector<std::string> Options_With(std::initializer_list<std::pair<int, const char*>> changes) {
    std::vector<std::string> lines = Default_Option_Lines();
    for (const auto& c : changes) lines[static_cast<std::size_t>(c.first)] = c.second;
    return lines;
}

class InputEchoTest : public InputFixture {
protected:
    // Reads the problem, sets the unit labels and writes the echo, as the run does.
    void Echo(const std::string& body) {
        Read_Input(body + "END\n");
        ASSERT_EQ(g_Model.ErrorStatus, 0) << "the snippet must read cleanly";
        Set_Unit_Labels();
        WriteInputEcho();
    }
    void Expect_Lines_In_Order(const std::vector<std::string>& expected) {
        const std::vector<std::string> report = Report_Lines();
        std::size_t at = 0;
        for (const std::string& line : expected) {
            while (at < report.size() && report[at] != line) ++at;
            ASSERT_LT(at, report.size()) << "missing or out of order: \"" << line << "\"";
            ++at;
        }
    }
};

std::string Problem(const std::vector<std::string>& options, const std::string& rest) {
    return Options_Section(options) + rest;
}

}  // namespace

// ---- Blocks of the echo ------------------------------------------------------------------

struct BlockCase {
    const char* name;
    std::string body;
    std::vector<std::string> lines;   // expected in this order (other lines may lie between)
};

TEST_F(InputEchoTest, BlocksShowTheInputWithLabelsAndUnits) {
    const std::string dashes(80, '-');
    const BlockCase cases[] = {
        {"US customary options and solution control",
         Problem(Default_Option_Lines(), std::string(k_Elastic_Section) + k_Clay_To_Tip),
         {dashes, std::string(31, ' ') + "Program Options", dashes, "",
          "Engineering units are US Customary Units: pounds, inches, feet", "",
          "Basic Program Options:", "",
          "This analysis computes pile response to lateral loading and will compute nonlinear ",
          "moment-curvature and nominal moment capacity for section types with nonlinear properties.",
          "", "Computation Options:",
          "- Analysis does not use p-y multipliers (individual pile or shaft only)",
          "- Analysis assumes no shear resistance at pile tip",
          "- Analysis for fixed-length pile or shaft only",
          "- No computation of foundation stiffness matrix values",
          "- Report pile response for full length of pile",
          "- Analysis assumes no loading by soil movements acting on pile",
          "- No p-y curves to be computed and reported for user-specified depths", "",
          "Solution Control Parameters:",
          "- Number of pile increments                            =          100",
          "- Maximum number of iterations allowed                 =          100",
          "- Deflection tolerance for convergence                 =   0.1000E-04 in",
          "- Maximum allowable deflection                         =     100.0000 in", "",
          "Pile Response Output Options:",
          "- Values of pile-head deflection, bending moment, shear force, and ",
          "  soil reaction are printed for full length of pile.",
          "- Printing Increment (nodal spacing of output points)  = 1"}},
        {"SI units line and tolerance in meters",
         Problem(Options_With({{0, "Units SI"}, {10, "Tolerance 2.54E-7"}, {9, "MaxDeflection 2.5"}}),
                 std::string(k_Elastic_Section) + k_Clay_To_Tip),
         {"Engineering units are SI Units: kilonewtons, meters, millimeters",
          "- Deflection tolerance for convergence                 =   0.2540E-06 m",
          "- Maximum allowable deflection                         =       2.5000 m"}},
        {"general units: a negative tolerance is reset to 1e-6 inches",
         Problem(Options_With({{0, "Units GENERAL"}, {10, "Tolerance -1.0"}}),
                 std::string(k_Elastic_Section) + k_Clay_To_Tip),
         {"Engineering units are Generic Units: force, length",
          "(Specified convergence tolerance of 0 reset by program to  0.1000E-05 inches)",
          "- Deflection tolerance for convergence                 =   0.1000E-05 L"}},
        {"pile block with the diameter table and an elastic section (US)",
         Problem(Default_Option_Lines(), std::string(k_Elastic_Section) + k_Clay_To_Tip),
         {std::string(20, ' ') + "Pile Structural Properties and Geometry",
          "Total number of pile sections                          =            1",
          "Total length of pile                                   =     10.00000 ft",
          "Depth of ground surface below top of pile              =       0.0000 ft", "",
          "Pile diameter values used for p-y curve computations are defined using 2 points.", "",
          "p-y curves are computed using pile diameter values interpolated with depth over ",
          "the length of the pile.",
          "    1        0.00000         12.000000",
          "    2      10.000000         12.000000",
          "Pile Section No. 1:", "",
          "   Section Type                                        = Elastic Pile",
          "   Section Length                                      =     10.00000 ft",
          "   Cross-sectional Shape                               = Circular",
          "   Modulus of Elasticity                               =    29000000. psi",
          "   Diameter at Top                                     =     12.00000 in",
          "   Cross-sectional Area at Top                         =    113.10000 in**2",
          "   Moment of Inertia at Bottom                         =   1017.90000 in**4"}},
        {"steel pipe and elastic-plastic sections (SI)",
         Problem(Options_With({{0, "Units SI"}, {10, "Tolerance 2.54E-7"}}),
                 "SECTIONS\n2\n1\n4\n4.0\n610.0\n12.7\n345000.0\n2.0E+8\n"
                 "2\n12\n6.0\n3\n2.0E+8\n800.0\n900.0\n610.0\n600.0\n12.7\n12.0\n23800.0\n22600.0\n"
                 "1.0E+9\n0.9E+9\n"
                 "SOIL LAYERS\n1\n1 0.0 10.0\n18.0 40.0 0.0\n19.0 50.0 0.0\n"),
         {"   Section Type                                        = Steel Pipe Pile",
          "   Section Length                                      =      4.00000 m",
          "   Outside Diameter of Pipe                            =      0.61000 m",
          "   Pipe Wall Thickness                                 =      0.01270 m",
          "   Yield Stress of Pipe                                =      345000. kPa",
          "Pile Section No. 2:", "",
          "   Section Type                                        = Elastic with Specified Moment Capacity ",
          "   Cross-sectional Shape                               = Circular Pipe",
          "   Plastic Moment Capacity at Top                      =    800.00000 kN-m",
          "   Plastic Moment Capacity at Bottom                   =    900.00000 kN-m",
          "   Diameter at Top                                     =      0.61000 m",
          "   Wall Thickness at Bottom                            =      0.01200 m",
          "   Cross-sectional Area at Top                         =      0.02380 m**2",
          "   Effective unit weight at bottom of layer            =     19.00000 kN/m3",
          "   Undrained cohesion at top of layer                  =     40.00000 kPa",
          "   NOTE: Internal default values for Epsilon-50 will be computed for",
          "         the above soil layer.", ""}},
        {"soil layers by type with notes and the summary (US)",
         Problem(Default_Option_Lines(),
                 std::string(k_Elastic_Section) +
                     "SOIL LAYERS\n3\n1 0.0 4.0\n110.0 500.0 0.02\n110.0 600.0 0.02\n"
                     "6 4.0 8.0\n60.0 33.0 0.0\n62.0 35.0 0.0\n"
                     "11 8.0 12.0\n70.0 200.0 30.0 0.01 0.0\n72.0 300.0 32.0 0.01 0.0\n"),
         {std::string(23, ' ') + "Soil and Rock Layering Information",
          "The soil profile is modelled using 3 layers", "",
          "Layer 1 is soft clay, p-y criteria by Matlock, 1970", "",
          "   Distance from top of pile to top of layer           =       0.0000 ft",
          "   Distance from top of pile to bottom of layer        =      4.00000 ft",
          "   Effective unit weight at top of layer               =    110.00000 pcf",
          "   Undrained cohesion at top of layer                  =    500.00000 psf",
          "   Undrained cohesion at bottom of layer               =    600.00000 psf",
          "   Epsilon-50 at top of layer                          =      0.02000",
          "Layer 2 is sand, p-y criteria by API RP-2A, 1987",
          "   Friction angle at top of layer                      =     33.00000 deg.",
          "   Subgrade k at bottom of layer                       =       0.0000 pci",
          "   NOTE: Internal default values for subgrade k will be computed for",
          "         the above soil layer.",
          "Layer 3 is cemented silt with cohesion and friction",
          "   Undrained cohesion at top of layer                  =    200.00000 psf",
          "   Friction angle at bottom of layer                   =     32.00000 deg.",
          "   NOTE:  Internal default values for subgrade k will be computed for",
          "Summary of Soil Layers by Soil Type:",
          "    1   Soft Clay                               0.00000         4.000000",
          "    2   API Sand                               4.000000         8.000000",
          "    3   Cemented Silt                          8.000000        12.000000"}},
        // The factors of the Piedmont criterion turn a value in psi into a modulus in psi, and
        // the values are used as entered: the labels say psi (kPa), never psf.
        {"Piedmont test values in the units they are used in (US)",
         Problem(Default_Option_Lines(),
                 std::string(k_Elastic_Section) +
                     "SOIL LAYERS\n3\n10 0.0 4.0\n120.0 2 0.0 800.0 0.0 0.0\n120.0 2 0.0 900.0 0.0 0.0\n"
                     "10 4.0 8.0\n120.0 3 0.0 0.0 1500.0 0.0\n120.0 3 0.0 0.0 1600.0 0.0\n"
                     "10 8.0 12.0\n120.0 4 0.0 0.0 0.0 700.0\n120.0 4 0.0 0.0 0.0 750.0\n"),
         {"Layer 1 is Piedmont residual soil",
          "   The type of field test is the Cone Penetration Test (CPT)",
          "   Cone tip resistance at top of layer                 =    800.00000 psi",
          "Layer 2 is Piedmont residual soil",
          "   The type of field test is the Dilatometer Test (DMT)",
          "   Dilatometer modulus at bottom of layer              =   1600.00000 psi",
          "Layer 3 is Piedmont residual soil",
          "   The type of field test is the Pressuremeter Test (DMT)",
          "   Pressuremeter modulus at top of layer               =    700.00000 psi"}},
        {"user-input p-y curves (SI)",
         Problem(Options_With({{0, "Units SI"}, {10, "Tolerance 2.54E-7"}}),
                 std::string(k_Elastic_Section) +
                     "SOIL LAYERS\n1\n14 0.0 10.0\n10.0 2\n0.0 0.0\n0.01 50.0\n11.0 2\n0.0 0.0\n0.02 80.0\n"),
         {"Layer 1 is modelled using user-specified p-y curves", "",
          "User-input p-y curve at top of layer 1,    Depth =      0.000 m", "",
          "Point                y                     p     ",
          " No.                 m                   kN/m",
          "-----          ------------          ------------",
          "    1               0.00000               0.00000",
          "    2              0.010000             50.000000",
          "User-input p-y curve at bottom of layer 1, Depth =     10.000 m"}},
        {"pile-head loading table and the closing notes (US)",
         Problem(Default_Option_Lines(),
                 std::string(k_Elastic_Section) + k_Clay_To_Tip +
                     "LOADING\n2\n1 1 5000.0 0.0 10000.0 1\n2 4 0.5 120000.0 0.0 0\n0\n"),
         {std::string(15, ' ') + "Pile-head Loading and Pile-head Fixity Conditions",
          "Number of loads specified = 2", "",
          "Load    Load         Condition               Condition            Axial Thrust            Compute",
          " No.    Type             1                       2                 Force, lbs      Top y vs. Pile Length",
          "-----   ----   --------------------   -----------------------   ----------------   ---------------------",
          "   1     1     V =   5000.000 lbs     M =       0.00 in-lb       10000.00000 lbs    No  ",
          "   2     4     y =      0.500 in      M =    120000. in-lb            0.0000 lbs    Yes ",
          "", "V = perpendicular shear force applied to pile head",
          "R = rotational stiffness applie to pile head",
          "Axial thrust is assumed to be acting axially for all pile batter angles."}},
        {"cyclic loading, tip shear and p-y output depths (US)",
         Problem(Options_With({{7, "Loading CYCLIC   100"}, {14, "PrintPYCurves YES"}}),
                 std::string(k_Elastic_Section) + "SOIL LAYERS\n1\n1 2.0 10.0\n110.0 500.0 0.02\n110.0 500.0 0.02\n" +
                     "TIP SHEAR\n2\n1 0.0 0.0\n2 0.5 300.0\n"
                     "DEPTHS OF PRINTED P-Y CURVES\n2\n1 8.0\n2 5.0\n"),
         {std::string(34, ' ') + "Loading Type",
          "Cyclic loading criteria were used for computation of p-y curves for all analyses.",
          "Number of cycles of loading                            =    100.00000",
          std::string(22, ' ') + "Shear Resistance Curve at Pile Tip ",
          "Point     Displacement     Tip Shear Force",
          "   1          0.000               0.000",
          "   2          0.500             300.000",
          std::string(19, ' ') + "Specified Depths for Output of p-y Curves",
          "Lateral load-transfer (p-y) curves are computed and output at 2 depths.",
          "(Note that these curves are independent from the curves used at nodal point depths)",
          "  1                 8.000                      6.000",
          "  2                 5.000                      3.000", "",
          "Depth of ground surface below top of pile =       2.00 ft"}},
    };
    for (const BlockCase& row : cases) {
        SCOPED_TRACE(row.name);
        TearDown();
        SetUp();
        Echo(row.body);
        EXPECT_EQ(g_Model.ErrorStatus, 0);
        Expect_Lines_In_Order(row.lines);
        const std::vector<std::string> messages = Message_Lines();
        ASSERT_GE(messages.size(), 2u);
        EXPECT_EQ(messages[messages.size() - 2], "Output of input data completed");
    }
}

TEST_F(InputEchoTest, LrfdRunEchoesGroupsTotalsAndFactorsInPlaceOfTheLoadCases) {
    Echo(Problem(Options_With({{1, "UseLRFD YES"}}),
                 std::string(k_Elastic_Section) + k_Clay_To_Tip +
                     "LRFD LOADS\n2\n1 1 1000.0 2000.0 30000.0 0\n2 2 500.0 0.0 10000.0 2\n"
                     "1 0.0 5.0\n2 10.0 5.0\n"
                     "LRFD FACTORS AND CASES\n1\n1 1.25 1.75 0 0 0 0 0 0 0 0 0 0 0 0.9 0.0\n"
                     "Strength I\n"));
    EXPECT_EQ(g_Model.ErrorStatus, 0);
    Expect_Lines_In_Order({
        "                  Unfactored Loading Groups for LRFD Analysis",
        "Number of Loading Groups = 2",
        "      Load                    Load                Horiz. Force               Moment                Axial Force           Number of ",
        "      Group                   Type                     lbs                  inch-lbs                   lbs             Distrib. Lds. ",
        "        1               Dead Load   (DL)                 1000.00                 2000.00                30000.00             0",
        "        2               Live Load   (LL)                  500.00                    0.00                10000.00             2",
        "Number of Distributed Loading Points Input for Load Group 2 = 2",
        "Point           Depth          Distributed Load",
        "                  ft               lb/inch   ",
        "-----     ----------------     ----------------",
        "   1                 0.00                 5.00",
        "   2                10.00                 5.00",
        "Totals of Unfactored Loads by Load Type for LRFD Analyses:",
        "Number of Defined Unfactored Load Cases = 2",
        "Dead Loads   (DL)                 1000.00                 2000.00                30000.00           1",
        "Special      (Sp)                    0.00                    0.00                    0.00           0",
        "     Load and Resistance Factors by Load Combinations for LRFD Analyses      ",
        "Number of Factored Load Combinations = 1",
        " No.    DL     LL     EQ     IM    Wind   Watr    Ice   Soil   Roof   Rain   Snow   Temp   Spec   M RF   V RF   Name",
        "  1    1.25   1.75    --     --     --     --     --     --     --     --     --     --     --    0.90   0.75   Strength I"});
    for (const std::string& line : Report_Lines()) {
        EXPECT_EQ(line.find("Pile-head Loading and Pile-head Fixity Conditions"), std::string::npos);
    }
}

// ---- Consistency checks ------------------------------------------------------------------

struct CheckCase {
    const char* name;
    std::string body;
    int status;                  // 0: the check passes
    std::string first_line;      // first line of the message in the runtime message file
    std::string key_line;        // a line of the message that carries the values
};

TEST_F(InputEchoTest, ConsistencyChecksEndTheEchoWithTheirInputErrors) {
    const std::string ok_layers = k_Clay_To_Tip;
    const std::string base_sections = k_Elastic_Section;
    const std::string opts = Options_Section(Default_Option_Lines());
    const CheckCase cases[] = {
        {"zero pile diameter: No. 27",
         opts + "SECTIONS\n1\n1\n11\n10.0\n2\n29000000.0\n0.0\n12.0\n113.1\n113.1\n1017.9\n1017.9\n" + ok_layers,
         127, "**** Input Data Error No. 27 ****", "entered for one or more values of pile diameter."},
        // A negative width used to get the same text, which speaks of zero values only.
        {"negative pile width: No. 27 that says negative",
         opts + "SECTIONS\n1\n1\n11\n10.0\n2\n29000000.0\n-12.0\n12.0\n113.1\n113.1\n1017.9\n1017.9\n" + ok_layers,
         127, "**** Input Data Error No. 27 ****",
         "Problem:  Pile section 1 has a negative pile diameter or width of -12.00000000 in."},
        {"no pile sections: No. 17 with the count 0", opts + ok_layers, 117,
         "**** Input Data Error No. 17 ****",
         "The number of points to define the pile properties is 2 to 40, not the input value of          0"},
        {"profile ends 1 ft above the tip: No. 18",
         opts + base_sections + "SOIL LAYERS\n1\n1 0.0 9.0\n110.0 500.0 0.02\n110.0 500.0 0.02\n",
         118, "**** Input Data Error No. 18 ****",
         "Problem: The depth at the bottom of the lowermost soil layer is   0.9000E+01"},
        {"profile ending exactly at the tip passes", opts + base_sections + ok_layers, 0, "", ""},
        // Values no pile can have: a negative length once ended with Runtime Error No. 11
        // ("reduce the load"), E = 0 with No. 28, a negative unit weight with a quietly
        // different answer.
        {"section of negative length: No. 84",
         opts + "SECTIONS\n1\n1\n11\n-10.0\n2\n29000000.0\n12.0\n12.0\n113.1\n113.1\n1017.9\n1017.9\n" + ok_layers,
         184, "**** Input Data Error No. 84 ****", "Problem:  Pile section 1 has a length of    -10.00000 ft."},
        {"elastic section with E = 0: No. 85",
         opts + "SECTIONS\n1\n1\n11\n10.0\n2\n0.0\n12.0\n12.0\n113.1\n113.1\n1017.9\n1017.9\n" + ok_layers,
         185, "**** Input Data Error No. 85 ****", "Problem:  Pile section 1 has a modulus of elasticity of       0.0000."},
        // A negative depth of an elastic rectangle, or wall of an elastic pipe, was echoed as read.
        {"elastic rectangle of negative depth at its top: No. 85",
         opts + "SECTIONS\n1\n1\n11\n10.0\n1\n29000000.0\n12.0\n12.0\n-12.0\n12.0\n144.0\n144.0\n1728.0\n1728.0\n" +
             ok_layers,
         185, "**** Input Data Error No. 85 ****", "Problem:  Pile section 1 has a depth at its top of    -12.00000."},
        {"elastic pipe of zero wall at its bottom: No. 85",
         opts + "SECTIONS\n1\n1\n11\n10.0\n3\n29000000.0\n12.0\n12.0\n0.5\n0.0\n18.06\n18.06\n301.7\n301.7\n" +
             ok_layers,
         185, "**** Input Data Error No. 85 ****",
         "Problem:  Pile section 1 has a wall thickness at its bottom of       0.0000."},
        {"elastic section without a bottom inertia: No. 85",
         opts + "SECTIONS\n1\n1\n11\n10.0\n2\n29000000.0\n12.0\n12.0\n113.1\n113.1\n1017.9\n0.0\n" + ok_layers,
         185, "**** Input Data Error No. 85 ****",
         "Problem:  Pile section 1 has a moment of inertia at its bottom of       0.0000."},
        {"negative effective unit weight: No. 87",
         opts + base_sections + "SOIL LAYERS\n1\n1 0.0 10.0\n-110.0 500.0 0.02\n110.0 500.0 0.02\n",
         187, "**** Input Data Error No. 87 ****",
         "Problem:  Soil layer 1 has a negative effective unit weight of   -110.00000 pcf."},
        {"bending stiffness only skips the profile checks",
         Options_Section(Options_With({{6, "ComputeEIOnly YES"}})) + base_sections +
             "SOIL LAYERS\n1\n1 0.0 9.0\n110.0 500.0 0.02\n110.0 500.0 0.02\n",
         0, "", ""},
        {"p-multipliers from 2 ft above the ground: No. 21",
         Options_Section(Options_With({{5, "UsePYModifiers YES"}})) + base_sections +
             "SOIL LAYERS\n1\n1 4.0 12.0\n110.0 500.0 0.02\n110.0 500.0 0.02\n"
             "GROUP EFFECT FACTORS\n2\n1 2.0 0.8 1.0\n2 10.0 0.8 1.0\n",
         121, "**** Input Data Error No. 21 ****",
         "          located at   0.2000E+01 below the top of the pile.'          The ground surface is located at   0.4000E+01."},
        {"p-multipliers from 2 ft below the ground pass",
         Options_Section(Options_With({{5, "UsePYModifiers YES"}})) + base_sections +
             "SOIL LAYERS\n1\n1 4.0 12.0\n110.0 500.0 0.02\n110.0 500.0 0.02\n"
             "GROUP EFFECT FACTORS\n2\n1 6.0 0.8 1.0\n2 10.0 0.8 1.0\n",
         0, "", ""},
        {"one load cycle: No. 28",
         Options_Section(Options_With({{7, "Loading CYCLIC     1"}})) + base_sections + ok_layers, 128,
         "**** Input Data Error No. 28 ****", "Number of cycles of loading = 1"},
        {"5000 load cycles pass",
         Options_Section(Options_With({{7, "Loading CYCLIC  5000"}})) + base_sections + ok_layers, 0, "", ""},
        {"5000.5 load cycles: No. 28 with the truncated count",
         Options_Section(Options_With({{7, "Loading CYCLIC5000.5"}})) + base_sections + ok_layers, 128,
         "**** Input Data Error No. 28 ****", "Number of cycles of loading = 5000"},
        {"tip shear deflections 0, 0.5, 0.5: No. 50 at point 3",
         opts + base_sections + ok_layers + "TIP SHEAR\n3\n1 0.0 0.0\n2 0.5 10.0\n3 0.5 20.0\n", 150,
         "**** Input Data Error No. 50 ****",
         "Problem:   The input data for shear resistance at the pile tip appears to be in error at point 3."},
        {"tip shear starting at 0.1: No. 50 at point 1",
         opts + base_sections + ok_layers + "TIP SHEAR\n2\n1 0.1 0.0\n2 0.5 10.0\n", 150,
         "**** Input Data Error No. 50 ****",
         "Problem:   The input data for shear resistance at the pile tip appears to be in error at point 1."},
        {"p-y depth below the tip: No. 30 for point 2",
         Options_Section(Options_With({{14, "PrintPYCurves YES"}})) + base_sections + ok_layers +
             "DEPTHS OF PRINTED P-Y CURVES\n3\n1 5.0\n2 12.0\n3 -1.0\n",
         130, "**** Input Data Error No. 30 ****",
         "Input Point 2 at   12.00in  was not printed because it is below the pile tip."},
        {"p-y depth above the ground: No. 29",
         Options_Section(Options_With({{14, "PrintPYCurves YES"}})) + base_sections +
             "SOIL LAYERS\n1\n1 2.0 10.0\n110.0 500.0 0.02\n110.0 500.0 0.02\n"
             "DEPTHS OF PRINTED P-Y CURVES\n1\n1 1.0\n",
         129, "**** Input Data Error No. 29 ****", "of a p-y curve."},
        {"user p-y curves starting at 0 and rising pass",
         opts + base_sections + "SOIL LAYERS\n1\n14 0.0 10.0\n110.0 2\n0.0 0.0\n0.5 100.0\n"
             "110.0 3\n0.0 0.0\n0.5 100.0\n2.0 150.0\n", 0, "", ""},
        {"user p-y curve of one point: No. 95",
         opts + base_sections + "SOIL LAYERS\n1\n14 0.0 10.0\n110.0 1\n0.0 0.0\n"
             "110.0 2\n0.0 0.0\n0.5 100.0\n", 195, "***** Input Data Error No. 95 *****",
         "Problem:  The user-input p-y curve at the top of soil layer 1 is not usable."},
        {"user p-y curve starting at y = 0.1: No. 95",
         opts + base_sections + "SOIL LAYERS\n1\n14 0.0 10.0\n110.0 2\n0.0 0.0\n0.5 100.0\n"
             "110.0 2\n0.1 0.0\n0.5 100.0\n", 195, "***** Input Data Error No. 95 *****",
         "Problem:  The user-input p-y curve at the bottom of soil layer 1 is not usable."},
        // Negative test values and subgrade moduli would make the soil push the pile along.
        {"negative cone tip resistance of a Piedmont CPT layer: No. 76",
         opts + base_sections + "SOIL LAYERS\n1\n10 0.0 10.0\n120.0 2 0.0 -800.0 0.0 0.0\n"
             "120.0 2 0.0 900.0 0.0 0.0\n", 176, "**** Input Data Error No. 76 ****",
         "Problem:  Soil layer 1 has a negative cone tip resistance of   -800.00000 psi."},
        {"negative subgrade k of cemented silt: No. 77",
         opts + base_sections + "SOIL LAYERS\n1\n11 0.0 10.0\n70.0 200.0 30.0 0.0 100.0\n"
             "72.0 300.0 32.0 0.0 -5.0\n", 177, "**** Input Data Error No. 77 ****",
         "Problem:  Soil layer 1 has a negative subgrade modulus k of     -5.00000 pci."},
        {"cemented silt with default k and loess pass",
         opts + base_sections + "SOIL LAYERS\n2\n12 0.0 4.0\n100.0 400.0\n100.0 450.0\n"
             "11 4.0 10.0\n70.0 200.0 30.0 0.0 0.0\n72.0 300.0 32.0 0.0 0.0\n", 0, "", ""},
        {"user p-y deflections 0, 0.5, 0.5: No. 95",
         opts + base_sections + "SOIL LAYERS\n1\n14 0.0 10.0\n110.0 3\n0.0 0.0\n0.5 100.0\n"
             "0.5 120.0\n110.0 2\n0.0 0.0\n0.5 100.0\n", 195, "***** Input Data Error No. 95 *****",
         "Problem:  The user-input p-y curve at the top of soil layer 1 is not usable."},
    };
    for (const CheckCase& row : cases) {
        SCOPED_TRACE(row.name);
        TearDown();
        SetUp();
        Echo(row.body);
        EXPECT_EQ(g_Model.ErrorStatus, row.status);
        const std::vector<std::string> messages = Message_Lines();
        if (row.status == 0) {
            EXPECT_TRUE(Has_Line(messages, "Output of input data completed"));
            continue;
        }
        EXPECT_FALSE(Has_Line(messages, "Output of input data completed"));
        // the first non-empty line after the echo began is the message's heading
        std::size_t at = 0;
        while (at < messages.size() && messages[at] != "Output of input data begun") ++at;
        ++at;
        while (at < messages.size() && messages[at].empty()) ++at;
        ASSERT_LT(at, messages.size());
        EXPECT_EQ(messages[at], row.first_line);
        EXPECT_TRUE(Has_Line(messages, row.key_line)) << row.key_line;
        EXPECT_TRUE(Has_Line(Report_Lines(), row.key_line));
    }
}

TEST_F(InputEchoTest, UnitWeightTableStartingOffTheGroundSurfaceIsError19Or20) {
    // The reader starts the table at the ground surface, so only a changed model shows these.
    struct Case { const char* name; double first_depth; int status; const char* line; };
    const Case cases[] = {
        {"1 ft below the ground: No. 19", 3.0, 119, "is located at       3.0000 below the top of the pile."},
        {"1 ft above the ground: No. 20", 1.0, 120, "Problem:  The first depth of the soil profile is located at       1.0000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        Read_Input(Options_Section(Default_Option_Lines()) + k_Elastic_Section +
                   "SOIL LAYERS\n1\n1 2.0 10.0\n110.0 500.0 0.02\n110.0 500.0 0.02\nEND\n");
        ASSERT_EQ(g_Model.ErrorStatus, 0);
        g_Model.XUnitWeightPoint[1] = c.first_depth;
        Set_Unit_Labels();
        WriteInputEcho();
        EXPECT_EQ(g_Model.ErrorStatus, c.status);
        EXPECT_TRUE(Has_Line(Report_Lines(), c.line));
        EXPECT_TRUE(Has_Line(Message_Lines(), c.line));
    }
}

TEST_F(InputEchoTest, PrintedDepthsCloseUpInInputOrder) {
    Echo(Options_Section(Options_With({{14, "PrintPYCurves YES"}})) + k_Elastic_Section +
         k_Clay_To_Tip + "DEPTHS OF PRINTED P-Y CURVES\n2\n1 10.0\n2 5.0\n");
    ASSERT_EQ(g_Model.ErrorStatus, 0);
    EXPECT_EQ(g_Model.NumPYOutputDepths, 2);
    EXPECT_EQ(g_Model.XPYOutputDepth[1], 10.0);
    EXPECT_EQ(g_Model.XPYOutputDepth[2], 5.0);
    EXPECT_NE(g_Model.b_PrintPYCurves, 0);
}

// ---- Liquefied sand depth ----------------------------------------------------------------

TEST_F(InputEchoTest, LiquefiedSandDeeperThanSixMetersIsWarned) {
    struct Case { const char* name; const char* units; const char* tolerance; const char* bottom; bool warned; };
    const Case cases[] = {
        {"US: 19.7 ft below the ground", "Units USCS", "Tolerance 1.0E-5", "19.7", true},
        {"US: 19.68 ft is within 6 m", "Units USCS", "Tolerance 1.0E-5", "19.68", false},
        {"SI: 6.01 m", "Units SI", "Tolerance 2.54E-7", "6.01", true},
        {"SI: exactly 6 m", "Units SI", "Tolerance 2.54E-7", "6.0", false},
        {"general units are not checked", "Units GENERAL", "Tolerance 1.0E-5", "100.0", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        Echo(Options_Section(Options_With({{0, c.units}, {10, c.tolerance}})) + k_Elastic_Section +
             "SOIL LAYERS\n3\n1 0.0 1.0\n110.0 500.0 0.02\n110.0 500.0 0.02\n7 1.0 " + c.bottom +
             "\n60.0\n60.0\n1 " + c.bottom + " 200.0\n110.0 500.0 0.02\n110.0 500.0 0.02\n");
        EXPECT_EQ(g_Model.ErrorStatus, 0);
        EXPECT_EQ(g_Model.WarningLog[354], c.warned ? 1 : 0);
        const std::vector<std::string> report = Report_Lines();
        const bool us = std::string(c.units) == "Units USCS";
        const std::vector<std::string> warning =
            us ? std::vector<std::string>{
                     "   Warning : The depth of this layer is deeper than the recommended depth limit ",
                     "             for using the p-y criteria for liquefied sand.", "",
                     "   Please consult the Orvane Technical Manual for additional background ",
                     "   information regarding limitations on the use of the liquefied sand criteria.", ""}
               : std::vector<std::string>{
                     "   Warning : The depth of this layer is deeper than the recommended depth ",
                     "             limit for using the p-y criteria for liquefied sand.", "",
                     "   Please consult the Orvane Technical Manual for additional background ",
                     "   information regarding limitations on the use of the liquefied sand ",
                     "   criteria.", ""};
        // the warning follows the layer's bottom unit weight line directly
        std::size_t at = 0;
        while (at < report.size() && report[at].rfind("   Effective unit weight at bottom of layer", 0) != 0) ++at;
        ++at;
        while (at < report.size() && report[at].rfind("   Effective unit weight at bottom of layer", 0) != 0) ++at;
        ASSERT_LT(at, report.size());
        const bool found = at + warning.size() < report.size() &&
                           std::equal(warning.begin(), warning.end(), report.begin() + static_cast<long>(at) + 1);
        EXPECT_EQ(found, c.warned);
        EXPECT_EQ(Has_Line(report, "             for using the p-y criteria for liquefied sand.") ||
                      Has_Line(report, "             limit for using the p-y criteria for liquefied sand."),
                  c.warned);
    }
}

// Tables given with their option off still act, as files written that way rely on; the echo
// records a warning so that the user is not surprised.
TEST_F(InputEchoTest, TablesGivenWithTheirOptionOffAreWarned) {
    struct Case {
        const char* name;
        std::vector<std::string> options;
        std::string tables;
        int warning;
        bool expected;
    };
    const std::string tip_shear = "TIP SHEAR\n2\n1 0.0 0.0\n2 0.5 300.0\n";
    const std::string modifiers = "GROUP EFFECT FACTORS\n2\n1 0.0 0.8 1.0\n2 10.0 0.8 1.0\n";
    const Case cases[] = {
        {"tip shear with UseTipShear NO", Default_Option_Lines(), tip_shear,
         k_Warning_Tip_Shear_Option_NO, true},
        {"tip shear with UseTipShear YES", Options_With({{3, "UseTipShear YES"}}), tip_shear,
         k_Warning_Tip_Shear_Option_NO, false},
        {"p-y modifiers with UsePYModifiers NO", Default_Option_Lines(), modifiers,
         k_Warning_Modifiers_Option_NO, true},
        {"p-y modifiers with UsePYModifiers YES", Options_With({{5, "UsePYModifiers YES"}}),
         modifiers, k_Warning_Modifiers_Option_NO, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        Echo(Problem(c.options, std::string(k_Elastic_Section) + k_Clay_To_Tip + c.tables));
        EXPECT_EQ(g_Model.ErrorStatus, 0);
        EXPECT_EQ(g_Model.WarningLog[c.warning] != 0, c.expected);
    }
}
