// The results reader: Fortran reals, record numbers, and a small run's three files written here
// column for column, with records the reader does not know among them.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "results_reader.h"
#include "support/test_support.h"

namespace {

// A real in the plot file's E15.7 form: " 0.1234567E+03", right-justified in 15 columns.
std::string E15(double v) {
    char mantissa[32];
    int exponent = 0;
    if (v != 0.0) exponent = static_cast<int>(std::floor(std::log10(std::fabs(v)))) + 1;
    std::snprintf(mantissa, sizeof mantissa, "%.7f", std::fabs(v) / std::pow(10.0, exponent));
    char field[64];
    std::snprintf(field, sizeof field, "%s%sE%c%02d", v < 0 ? "-" : "", mantissa, exponent < 0 ? '-' : '+',
                  std::abs(exponent));
    char out[80];
    std::snprintf(out, sizeof out, "%15s", field);
    return out;
}

std::string I5(int v) {
    char out[8];
    std::snprintf(out, sizeof out, "%5d", v);
    return out;
}

std::string Pad_To(std::string s, std::size_t column) {
    s.resize(std::max(s.size(), column - 1), ' ');
    return s;
}

std::string Node(int node, double x, double y, double m, double v, double p, double ei) {
    char label[48];
    std::snprintf(label, sizeof label, "Line 10(%3d): nodal depth, y, M, V, p, EI", node);
    return Pad_To(E15(x) + E15(y) + E15(m) + E15(v) + E15(p) + E15(ei), 92) + label + "\n";
}

// Two load cases of three nodes in SI; case 1 with a length study of two points; one section
// with one thrust of two curve points; one p-y curve; two stiffness records; a record of a kind
// this reader does not know and a line that is no record.
std::string Plot_Text() {
    std::string s;
    s += I5(3) + I5(2) + I5(0) + I5(1) + std::string(60, ' ') + "Line 1 : i_Analysis_Type, IUNITS, KYL, ib_ComputeKmatrix_1T0F\n";
    s += I5(1) + std::string(75, ' ') + "Line 2 : Total number of sections\n";
    s += I5(1) + std::string(75, ' ') + "Line 3 : Total number of axial thrusts\n";
    s += Pad_To(I5(2) + std::string(10, ' ') + E15(500.0) + E15(1234.5), 81) +
         "Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kN), Nom. Moment Cap. (kN-m), Section 1\n";
    s += Pad_To(E15(10.0) + E15(2.0e5) + E15(5.0e-5), 81) +
         "Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=1\n";
    s += Pad_To(E15(20.0) + E15(1.9e5) + E15(1.05e-4), 81) +
         "Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=2\n";
    s += I5(1) + std::string(75, ' ') + "Line 6 : number of output p-y curves\n";
    s += E15(1.5) + I5(2) + std::string(60, ' ') + "Line 7:  p-y curve depth in cemented silt (m), no. p-y points on curve no. 1\n";
    s += E15(0.0) + E15(0.0) + std::string(50, ' ') + "Line 8(1): y, p, for cemented c-phi\n";
    s += E15(0.01) + E15(-42.5) + std::string(50, ' ') + "Line 8(2): y, p, for cemented c-phi\n";
    s += I5(2) + I5(3) + I5(2) + std::string(65, ' ') + "Line 9:  No. loads, No. nodes, iunits: 1 = USCS, 2 = SI\n";
    s += Node(1, 0.0, 0.01, 0.0, 100.0, -5.0, 2.0e5);
    s += Node(2, 1.0, 0.004, 80.0, 40.0, -20.0, 2.0e5);
    s += Node(3, 2.0, -0.0001, 0.0, 0.0, 1.0, 2.0e5);
    s += I5(2) + std::string(75, ' ') + "Line 11: Num. points on Ytop vs. pile length curve for load case 1\n";
    s += E15(10.0) + E15(0.02) + E15(90.0) + E15(100.0) + std::string(20, ' ') + "Line 12: pile length (m), Ytop (m), Mmax (kN-m), Vmax (kN)\n";
    s += E15(8.0) + E15(0.03) + E15(95.0) + E15(100.0) + std::string(20, ' ') + "Line 12: pile length (m), Ytop (m), Mmax (kN-m), Vmax (kN)\n";
    s += "  an unlabelled line a newer writer might add\n";
    s += Node(1, 0.0, 0.02, 0.0, 200.0, -9.0, 2.0e5);
    s += Node(2, 1.0, 0.008, 160.0, 80.0, -40.0, 2.0e5);
    s += Node(3, 2.0, -0.0002, 0.0, 0.0, 2.0, 2.0e5);
    s += I5(0) + std::string(75, ' ') + "Line 11: Num. points on Ytop vs. Length curve for load case 2\n";
    s += Pad_To(E15(100.0) + E15(0.01) + E15(80.0) + E15(100.0) + E15(-0.002), 81) +
         "Line 13: TopV(kN) TopY(m), Mmax(kN-m), Vmax(kN), Rotation(rad)\n";
    s += Pad_To(E15(200.0) + E15(0.02) + E15(160.0) + E15(200.0) + E15(-0.004), 81) +
         "Line 13: TopV(kN) TopY(m), Mmax(kN-m), Vmax(kN), Rotation(rad)\n";
    s += E15(1.0) + E15(0.0) + E15(5.0e4) + E15(-2.0e4) + E15(-2.0e4) + E15(3.0e5) + E15(0.01) + E15(-0.001) +
         "  Line 14: V, M, K22, K23, K32, K33, ytop, theta\n";
    s += E15(0.0) + E15(1.0) + E15(5.1e4) + E15(-2.1e4) + E15(-2.1e4) + E15(3.1e5) + E15(0.0) + E15(0.002) +
         "  Line 14: V, M, K22, K23, K32, K33, ytop, theta\n";
    s += E15(7.0) + std::string(65, ' ') + "Line 15: a record kind this reader does not know\n";
    return s;
}

const char* const k_Report =
    "--------------------------------------------------------------------------------\n"
    "                                Problem Title\n"
    "--------------------------------------------------------------------------------\n"
    "\n"
    "Test pile, two cases\n"
    "second title line\n"
    "\n"
    "--------------------------------------------------------------------------------\n"
    "Depth of ground surface below top of pile              =      0.50000 m\n"
    "                 Computed Values of Pile Loading and Deflection\n"
    "                   for Lateral Loading for Load Case Number 1\n"
    "--------------------------------------------------------------------------------\n"
    "\n"
    "Pile-head conditions are Shear and Moment (Loading Type 1)\n"
    "\n"
    "Shear force at pile head                               =         100.000 kN\n"
    "Applied moment at pile head                            =           0.000 kN-m\n"
    "\n"
    "   Depth    Deflect.    Bending    Shear       Slope      Total    Bending   Soil Res.  Soil Spr.   Distrib. \n"
    "     X         y        Moment     Force         S       Stress   Stiffness      p         Es*h    Lat. Load \n"
    "   meters    meters      kN-m       kN        radians     kPa*      kN-m^2     kN/m        kN/m      kN/m    \n"
    "---------- ---------- ---------- ---------- ---------- ---------- ---------- ---------- ---------- ----------\n"
    "      0.00     0.0100      0.000   100.0000  -0.006000      0.000    200000.    -5.0000   500.0000      0.000\n"
    "     2.000  -0.000100      0.000      0.000  0.140E-03      0.000    200000.     1.0000     20000.     1.5000\n"
    "\n"
    "Output Summary for Load Case No. 1:\n"
    "\n"
    "Pile-head deflection             =      0.0100000 meters\n"
    "Number of iterations             =             12\n"
    "\n";

}  // namespace

TEST(ResultsReader, FortranRealsAreReadInEveryFormTheEngineWrites) {
    struct Case { const char* field; bool ok; double value; };
    const Case cases[] = {
        {" 0.1234567E+03", true, 123.4567},
        {"-0.1142615E-02", true, -0.001142615},
        {" 0.1234567+100", true, 0.1234567e100},   // three-digit exponent without its letter
        {" 0.1234567-100", true, 0.1234567e-100},
        {"    612600.", true, 612600.0},
        {"  0.133E-08", true, 0.133e-8},
        {"-12", true, -12.0},
        {"               ", false, 0.0},
        {"***************", false, 0.0},
        {"  Line 10", false, 0.0},
    };
    for (const Case& c : cases) {
        const std::optional<double> v = Parse_Fortran_Real(c.field);
        ASSERT_EQ(v.has_value(), c.ok) << c.field;
        if (c.ok) {
            EXPECT_DOUBLE_EQ(*v, c.value) << c.field;
        }
    }
    EXPECT_EQ(Plot_Record_Number("    1" + std::string(75, ' ') + "Line 2 : Total number of sections"), 2);
    EXPECT_EQ(Plot_Record_Number(E15(1.0) + "  Line 14: V, M"), 14);
    EXPECT_EQ(Plot_Record_Number("  0.1E+01  Line 8(12): y, p, for sand"), 8);
    EXPECT_EQ(Plot_Record_Number("no record here"), 0);
    EXPECT_EQ(Plot_Record_Number("Line x"), 0);
}

TEST(ResultsReader, ReadsEveryRecordOfASmallRunAndSkipsWhatItDoesNotKnow) {
    TempDir dir;
    Write_File(dir.file("plot.txt"), Plot_Text());
    Write_File(dir.file("report.txt"), k_Report);
    Write_File(dir.file("messages.txt"),
               "The convergence criteria have been met for load case 1\nComputing lateral response of pile for load number 2\n");
    const RunResults r = Read_Run_Results(dir.file("report.txt"), dir.file("plot.txt"), dir.file("messages.txt"), 0);

    EXPECT_EQ(r.analysis_type, 3);
    EXPECT_EQ(r.unit_system, 2);
    EXPECT_TRUE(r.kmatrix_requested);
    EXPECT_EQ(r.units.system, "SI");
    EXPECT_EQ(r.title, (std::vector<std::string>{"Test pile, two cases", "second title line"}));
    ASSERT_TRUE(r.ground_depth.has_value());
    EXPECT_DOUBLE_EQ(*r.ground_depth, 0.5);

    ASSERT_EQ(r.moment_curvature.size(), 1u);
    const MomentCurvatureTable& t = r.moment_curvature[0];
    EXPECT_EQ(t.section, 1);
    EXPECT_EQ(t.thrust_index, 1);
    EXPECT_EQ(t.kind, "nonlinear");
    EXPECT_DOUBLE_EQ(t.axial_thrust, 500.0);
    EXPECT_DOUBLE_EQ(t.nominal_moment_capacity, 1234.5);
    EXPECT_EQ(t.moment_unit, "kN-m");
    EXPECT_EQ(t.stiffness_unit, "kN-m^2");
    EXPECT_EQ(t.curvature_unit, "rad/m");
    EXPECT_EQ(t.thrust_unit, "kN");
    EXPECT_EQ(t.moment, (std::vector<double>{10.0, 20.0}));
    EXPECT_EQ(t.curvature, (std::vector<double>{5.0e-5, 1.05e-4}));

    ASSERT_EQ(r.py_curves.size(), 1u);
    EXPECT_EQ(r.py_curves[0].soil, "cemented silt (m)");
    EXPECT_DOUBLE_EQ(r.py_curves[0].depth, 1.5);
    EXPECT_EQ(r.py_curves[0].p, (std::vector<double>{0.0, -42.5}));

    EXPECT_EQ(r.node_count, 3);
    ASSERT_EQ(r.cases.size(), 2u);
    const LoadCaseResult& c1 = r.cases[0];
    const LoadCaseResult& c2 = r.cases[1];
    EXPECT_EQ(c1.nodes.depth, (std::vector<double>{0.0, 1.0, 2.0}));
    EXPECT_EQ(c2.nodes.deflection, (std::vector<double>{0.02, 0.008, -0.0002}));
    EXPECT_EQ(c2.nodes.moment[1], 160.0);
    ASSERT_EQ(c1.length_study.size(), 2u);
    EXPECT_DOUBLE_EQ(c1.length_study[1].pile_length, 8.0);
    EXPECT_TRUE(c2.length_study.empty());
    EXPECT_TRUE(c1.converged);
    EXPECT_FALSE(c2.converged);

    // the report's printed columns land on the nodes at their depths, nowhere else
    EXPECT_EQ(c1.load_type, 1);
    EXPECT_EQ(c1.head_condition_text, "Shear and Moment");
    ASSERT_EQ(c1.head_conditions.size(), 2u);
    EXPECT_EQ(c1.head_conditions[0].name, "Shear force at pile head");
    EXPECT_DOUBLE_EQ(c1.head_conditions[0].value, 100.0);
    EXPECT_EQ(c1.head_conditions[0].unit, "kN");
    ASSERT_EQ(c1.nodes.slope.size(), 3u);
    EXPECT_EQ(c1.nodes.slope[0], std::optional<double>(-0.006));
    EXPECT_FALSE(c1.nodes.slope[1].has_value());
    EXPECT_EQ(c1.nodes.slope[2], std::optional<double>(0.14e-3));
    EXPECT_EQ(c1.nodes.soil_spring[2], std::optional<double>(20000.0));
    EXPECT_EQ(c1.nodes.distributed_load[2], std::optional<double>(1.5));
    EXPECT_EQ(c2.nodes.slope, (std::vector<std::optional<double>>(3)));
    EXPECT_EQ(c1.iterations, std::optional<int>(12));
    EXPECT_FALSE(c2.iterations.has_value());

    ASSERT_EQ(r.summary.size(), 2u);
    EXPECT_DOUBLE_EQ(r.summary[1].head_rotation, -0.004);
    ASSERT_EQ(r.stiffness_matrix.size(), 2u);
    EXPECT_DOUBLE_EQ(r.stiffness_matrix[1].k33, 3.1e5);
    EXPECT_DOUBLE_EQ(r.stiffness_matrix[1].head_rotation, 0.002);
    EXPECT_TRUE(r.errors.empty());
    EXPECT_TRUE(r.warnings.empty());
}

TEST(ResultsReader, ErrorAndWarningsComeWithTheirNumbersAndText) {
    TempDir dir;
    Write_File(dir.file("plot.txt"), "");
    Write_File(dir.file("messages.txt"), "");
    Write_File(dir.file("report.txt"),
               "**** Input Data Error No. 53 ****\n"
               "\n"
               "Problem:  The number of soil movement lines is 1.\n"
               "Solution: Give 2 to 100 lines.\n"
               "\n"
               "\n"
               "Orvane ended prematurely due to input error number INP00053\n"
               "\n"
               "\n"
               "--------------------------------------------------------------------------------\n"
               "                          Summary of Warning Messages\n"
               "--------------------------------------------------------------------------------\n"
               "\n"
               "The following warning was reported 3 times\n"
               "\n"
               "**** Warning ****\n"
               "\n"
               "A title line was cut.\n"
               "\n"
               "The analysis ended due to input error No. 53.\n");
    const RunResults r = Read_Run_Results(dir.file("report.txt"), dir.file("plot.txt"), dir.file("messages.txt"), 153);
    EXPECT_TRUE(r.ended_by_error());
    ASSERT_EQ(r.errors.size(), 1u);
    EXPECT_EQ(r.errors[0].kind, "input");
    EXPECT_EQ(r.errors[0].number, std::optional<int>(53));
    EXPECT_EQ(r.errors[0].text, (std::vector<std::string>{"**** Input Data Error No. 53 ****",
                                                          "Problem:  The number of soil movement lines is 1.",
                                                          "Solution: Give 2 to 100 lines."}));
    ASSERT_EQ(r.warnings.size(), 1u);
    EXPECT_EQ(r.warnings[0].count, 3);
    EXPECT_FALSE(r.warnings[0].number.has_value());   // an error's result code carries no warning number
    EXPECT_EQ(r.warnings[0].text, (std::vector<std::string>{"**** Warning ****", "A title line was cut."}));

    // with no error, the result code of a single warning kind is its negative number
    Write_File(dir.file("report.txt"), "The following warning was reported 1 times\n\n**** Warning ****\n\nText.\n\n"
                                       "The analysis ended normally. \n");
    const RunResults w = Read_Run_Results(dir.file("report.txt"), dir.file("plot.txt"), dir.file("messages.txt"), -391);
    ASSERT_EQ(w.warnings.size(), 1u);
    EXPECT_EQ(w.warnings[0].number, std::optional<int>(391));
    EXPECT_TRUE(w.errors.empty());
}
