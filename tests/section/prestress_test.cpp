// Prestress of a prestressed section against hand results: the concrete stress after losses is
// Pe/Ac and the strand stress -Pe/As whatever the moduli, the strains follow from the moduli in
// section units, and the PCI capacities from f'c, f_pc and fpu. Also the area errors and the
// once-per-section report block.
#include "section/prestress.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/model.h"
#include "model/units.h"
#include "section/section_lines.h"
#include "support/model_fixture.h"

namespace {

constexpr double k_kPa_Per_ksi = 6894.75732421875;
// 0.85, 0.6, 0.33, 0.27 and the PCI coefficients are single-precision values, within 3e-8 of
// the decimals the hand results use; the rest is a few divisions.
constexpr double k_Hand_Tol = 1e-6;

int Find_Prefix(const std::vector<std::string>& lines, const std::string& text) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].compare(0, text.size(), text) == 0) return static_cast<int>(i);
    }
    return -1;
}

int Count_Lines(const std::vector<std::string>& lines, const std::string& text) {
    int n = 0;
    for (const std::string& line : lines) n += line == text ? 1 : 0;
    return n;
}

// A circular solid pile (type 5), D 24 in, f'c 6 ksi, 12 PCI 270 strands of 0.153 in2
// (As 1.836), concrete 440 in2 spread over the slices, Pi 300 kips with 20 percent loss.
class Prestress : public ModelTest {
protected:
    static constexpr int k_S = 2;   // a section other than 1, to catch a fixed index
    void SetUp() override {
        ModelTest::SetUp();
        Capture_Run_Files();
        AnalysisModel& m = g_Model;
        m.IUNITS = k_Units_US;
        Set_Section_Unit_Labels();
        m.i_CurrentSection = k_S;
        m.SectionType[k_S] = 5;
        m.i_StrandType[k_S] = 1;
        m.rd_Depth = 24.0;
        m.rd_fc = 6.0;
        m.rd_Ec = 4415.201;                       // 57 sqrt(6000), as the materials set it
        for (int i = 1; i <= k_Num_Slices; ++i) m.ConcreteSliceArea[i] = 4.4;
        for (int i = 1; i <= 12; ++i) m.RebarSliceArea[8 * i] = 0.153;
        m.InitialPrestressForce[k_S] = 300000.0;   // lbs
        m.PrestressLossFraction[k_S] = 0.2;
        m.StrandFpu[k_S] = 270000.0;               // psi, as the strand table stores it
    }
};

constexpr double k_Pe = 240.0;    // kips
constexpr double k_Ac = 440.0;
constexpr double k_As = 1.836;

TEST_F(Prestress, StressesAfterLossesAndPCICapacitiesMatchHandResults) {
    Calculate_Strains_Due_To_Prestressing(k_S);
    ASSERT_EQ(g_Model.ErrorStatus, 0);
    const AnalysisModel& m = g_Model;
    // f_pc = Pe/Ac = 0.545455 ksi, independent of the modulus used for the strain.
    EXPECT_NEAR_REL(m.rd_fpc, k_Pe / k_Ac, k_Hand_Tol);
    EXPECT_NEAR_REL(m.rd_PrestrainConcrete, k_Pe / (k_Ac * 4415.201), k_Hand_Tol);
    // (0.85 x 6 - 0.6 x 0.545455) x 441.836 = 2108.763 kips.
    EXPECT_NEAR_REL(m.rd_AxialCapComp, (5.1 - 0.6 * k_Pe / k_Ac) * (k_Ac + k_As), k_Hand_Tol);
    // fpu in ksi: -1.836 x 270 = -495.72 kips (pounds of psi would make it 1000 times larger).
    EXPECT_NEAR_REL(m.rd_AxialCapTens, -495.72, k_Hand_Tol);
    // 0.32 D As fpu = 0.32 x 24 x 1.836 x 270 = 3807.1 in-kip.
    EXPECT_NEAR_REL(m.rd_MnPCI, 0.32 * 24.0 * k_As * 270.0, k_Hand_Tol);
    EXPECT_STREQ(m.c_MnPCIText, "Mn = 0.32 D As fpu ");
    EXPECT_EQ(m.rd_SteelArea, k_As);
}

struct ModulusCase {
    const char* name;
    int units;
    int strand_type;
    double stored;     // ReinforcementModulus as the input leaves it
    double Es;         // strand modulus in section units (ksi | kPa)
};

const ModulusCase k_Modulus_Cases[] = {
    // A modulus of 0 once gave a strain of -inf and the curves NaN.
    {"strand with no modulus: 28500 ksi", k_Units_US, 1, 0.0, 28500.0},
    {"strand with a negative modulus: 28500 ksi", k_Units_US, 0, -5.0, 28500.0},
    {"modulus as input in psi", k_Units_US, 2, 28000000.0, 28000.0},
    {"strand bars store 29000 ksi", k_Units_US, 4, 29000.0, 29000.0},
    {"SI strand with no modulus: 28500 ksi in kPa", k_Units_SI, 1, 0.0, 28500.0 * k_kPa_Per_ksi},
    {"SI strand bars store kPa", k_Units_SI, 5, 199947760.0, 199947760.0},
};

TEST_F(Prestress, StrandStrainUsesTheStrandModulusInSectionUnits) {
    for (const ModulusCase& row : k_Modulus_Cases) {
        SCOPED_TRACE(row.name);
        AnalysisModel& m = g_Model;
        m.IUNITS = row.units;
        m.i_StrandType[k_S] = row.strand_type;
        m.ReinforcementModulus[k_S] = row.stored;
        m.b_PrestressReported = -1;
        Calculate_Strains_Due_To_Prestressing(k_S);
        ASSERT_EQ(m.ErrorStatus, 0);
        // Pe in the section's force unit: 240 kips, or the same number of kN in SI.
        const double Pe = row.units == k_Units_US ? k_Pe : k_Pe * 1000.0;
        EXPECT_NEAR_REL(m.rd_PrestrainSteel, -Pe / (row.Es * k_As), k_Hand_Tol);
    }
}

TEST_F(Prestress, StrandStrengthIsTakenFromPsiToKPaInSIRuns) {
    // 1.836e-3 m2 of 270 ksi strand: 270 x 6894.757 kPa x 1.836e-3 = 1328.96 kN in tension.
    AnalysisModel& m = g_Model;
    m.IUNITS = k_Units_SI;
    Set_Section_Unit_Labels();
    for (int i = 1; i <= 12; ++i) m.RebarSliceArea[8 * i] = 0.153e-3;
    m.rd_Depth = 0.6;
    Calculate_Strains_Due_To_Prestressing(k_S);
    ASSERT_EQ(m.ErrorStatus, 0);
    EXPECT_NEAR_REL(m.rd_AxialCapTens, -1.836e-3 * 270.0 * k_kPa_Per_ksi, k_Hand_Tol);
    EXPECT_NEAR_REL(m.rd_MnPCI, 0.32 * 0.6 * 1.836e-3 * 270.0 * k_kPa_Per_ksi, k_Hand_Tol);
}

TEST_F(Prestress, PCIMomentCoefficientAndTextFollowTheSectionType) {
    struct Row { int type; double c; const char* text; };
    const Row rows[] = {
        {6, 0.34, "Mn = 0.34 D As fpu"}, {7, 0.37, "Mn = 0.37 D As fpu"},
        {8, 0.38, "Mn = 0.38 D As fpu"}, {9, 0.32, "Mn = 0.32 D As fpu"},
        {10, 0.34, "Mn = 0.34 D As fpu"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.type);
        g_Model.SectionType[k_S] = row.type;
        Calculate_Strains_Due_To_Prestressing(k_S);
        EXPECT_NEAR_REL(g_Model.rd_MnPCI, row.c * 24.0 * k_As * 270.0, k_Hand_Tol);
        EXPECT_STREQ(g_Model.c_MnPCIText, row.text);
    }
}

TEST_F(Prestress, ReportBlockShowsForcesInKipsAndIsWrittenOncePerSection) {
    Calculate_Strains_Due_To_Prestressing(k_S);
    Calculate_Strains_Due_To_Prestressing(k_S);   // the setup runs again at a thrust change
    std::vector<std::string> lines = Captured_Report_Lines();
    EXPECT_EQ(Count_Lines(lines, "Computation of Loss of Prestress:"), 1);
    const int block = Find_Prefix(lines, "Computation of Loss of Prestress:");
    ASSERT_GE(block, 1);
    EXPECT_EQ(lines[block - 1], "");
    EXPECT_EQ(lines[block + 2], "Initial Prestressing Force                             =         300.000 kips");
    EXPECT_EQ(lines[block + 4], "Effective Prestressing Force                           =         240.000 kips");
    EXPECT_EQ(lines[block + 5], "Area of Concrete, Ac                                   =         440.000 Sq. in");
    // -Pe/As = -240/1.836 = -130.719 ksi.
    EXPECT_EQ(lines[block + 8], "Stress in Steel After Losses                           =        -130.719 ksi");
    // 0.32 x 24 x 1.836 x 270 = 3807.130 in-kip; the circular solid text keeps its blank.
    EXPECT_GE(Find_Line(lines, "Nom. Moment Capacity, Mn = 0.32 D As fpu               =        3807.130 in-kip"), 0);
    EXPECT_GE(Find_Prefix(lines, "Axial Capacity in Tension, Nt = As fpu                 =        -495.720 kips"), 0);
    EXPECT_EQ(lines.back(), "only as an approximate check.");

    // The next section clears the guard and gets its own block.
    g_Model.b_PrestressReported = 0;
    Calculate_Strains_Due_To_Prestressing(k_S);
    EXPECT_EQ(Count_Lines(Captured_Report_Lines(), "Computation of Loss of Prestress:"), 2);
}

TEST_F(Prestress, SIForcesArePrintedInKNAsInput) {
    // SI prestressing forces are input in kN already; they were once divided by 1000 as if
    // they were newtons.
    AnalysisModel& m = g_Model;
    m.IUNITS = k_Units_SI;
    Set_Section_Unit_Labels();
    m.InitialPrestressForce[k_S] = 1300.0;   // kN
    m.rd_Depth = 0.6;
    for (int i = 1; i <= 12; ++i) m.RebarSliceArea[8 * i] = 0.153e-3;
    for (int i = 1; i <= k_Num_Slices; ++i) m.ConcreteSliceArea[i] = 2.8e-3;
    Calculate_Strains_Due_To_Prestressing(k_S);
    ASSERT_EQ(m.ErrorStatus, 0);
    const std::vector<std::string> lines = Captured_Report_Lines();
    EXPECT_GE(Find_Line(lines, "Initial Prestressing Force                             =        1300.000 kN"), 0);
    EXPECT_GE(Find_Line(lines, "Effective Prestressing Force                           =        1040.000 kN"), 0);
}

TEST_F(Prestress, SectionWithoutConcreteOrSteelAreaEndsTheRun) {
    struct Row {
        const char* name;
        bool no_concrete;
        int status;
        const char* title;
        const char* area_line;
    };
    const Row rows[] = {
        {"no concrete", true, 214, "**** Runtime Error No. 14 ****",
         "The computed area of concrete in the section is less than 0.0 =         0.00000"},
        {"no strands", false, 215, "**** Runtime Error No. 15 ****",
         "The computed area of steel in the section is less than 0.0 =         0.00000"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TearDown();
        SetUp();
        auto& areas = row.no_concrete ? g_Model.ConcreteSliceArea : g_Model.RebarSliceArea;
        areas.fill(0.0);
        Calculate_Strains_Due_To_Prestressing(k_S);
        EXPECT_EQ(g_Model.ErrorStatus, row.status);
        const std::vector<std::string> lines = Captured_Report_Lines();
        ASSERT_EQ(lines.size(), 4u);   // the frame only: no prestress block after the raise
        EXPECT_EQ(lines[0], row.title);
        EXPECT_EQ(lines[1], "");
        EXPECT_EQ(lines[2], "An error occurred in prestressing computations");
        EXPECT_EQ(lines[3], row.area_line);
        EXPECT_EQ(g_Model.rd_PrestrainSteel, 0.0);
        EXPECT_EQ(g_Model.rd_AxialCapComp, 0.0);
    }
}

}  // namespace
