// Section data the analysis cannot compute with is refused before any slice is cut: each case
// names the section and the value in a numbered input error, and sound sections pass.
#include "section/section_checks.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "model/model.h"
#include "model/units.h"
#include "section/section_geometry.h"
#include "section/section_setup.h"
#include "support/model_fixture.h"
#include "section/reinforced_shaft.h"

namespace {

struct BadSection {
    const char* name;
    std::function<void(AnalysisModel&)> change;
    int error;
    const char* problem_start;
};

class SectionChecks : public ModelTest {
protected:
    // From a fresh model changed by c, the checks of section 2 end with c's error: its heading and
    // its problem line. Returns the report's lines, for each test's check of the solution line.
    std::vector<std::string> Expect_Refused(const BadSection& c) {
        SetUp();
        c.change(g_Model);
        Setup_Section_Values(2);
        Check_Section_Data(2);
        EXPECT_EQ(g_Model.ErrorStatus, 100 + c.error);
        std::vector<std::string> report = Captured_Report_Lines();
        TearDown();
        if (report.size() < 6) {
            ADD_FAILURE() << "the report holds " << report.size() << " lines, not the error's frame";
            report.resize(6);
        }
        EXPECT_EQ(report[2], "***** Input Data Error No. " + std::to_string(c.error) + " *****");
        EXPECT_EQ(report[4].rfind(c.problem_start, 0), 0u) << report[4];
        return report;
    }

    void SetUp() override {
        ModelTest::SetUp();
        Capture_Run_Files();
        AnalysisModel& m = g_Model;
        m.IUNITS = k_Units_US;
        std::snprintf(m.LabelLength, sizeof m.LabelLength, "in");
        std::snprintf(m.LabelStress, sizeof m.LabelStress, "psi");
        m.NumSections = 2;
        Use_Reinforced_Shaft(2);
    }
};

TEST_F(SectionChecks, UncomputableSectionsAreRefusedWithTheirValue) {
    const BadSection cases[] = {
        {"pipe wall of half the diameter",
         [](AnalysisModel& m) { m.SectionType[2] = 4; m.PipeThickness[2] = 18.0;
                                m.PipeYieldStress[2] = 36000.0; m.PipeModulus[2] = 29e6; },
         81, "Problem:  Section 2 has a pipe wall thickness of 18.00000000 in."},
        {"casing as thick as the shaft",
         [](AnalysisModel& m) { m.SectionType[2] = 2; m.CasingThickness[2] = 20.0; },
         81, "Problem:  Section 2 has a casing wall thickness of 20.00000000 in."},
        {"core as large as the room inside the casing",
         [](AnalysisModel& m) { m.SectionType[2] = 3; m.CasingThickness[2] = 0.5;
                                m.CoreDiameter[2] = 35.0; },
         81, "Problem:  Section 2 has a core diameter of 35.00000000 in."},
        {"void as large as the pile",
         [](AnalysisModel& m) { m.SectionType[2] = 6; m.VoidDiameter[2] = 36.0; m.NumBars[2] = 0; },
         81, "Problem:  Section 2 has a void diameter of 36.00000000 in."},
        {"chamfer of half the width",
         [](AnalysisModel& m) { m.SectionType[2] = 7; m.ChamferWidth[2] = 18.0; m.NumBars[2] = 0; },
         81, "Problem:  Section 2 has a corner chamfer of 18.00000000 in."},
        {"zero diameter",
         [](AnalysisModel& m) { m.SectionDiameter[2] = 0.0; },
         81, "Problem:  Section 2 has a diameter or depth of 0.0000000 in."},
        {"zero concrete strength",
         [](AnalysisModel& m) { m.ConcreteStrength[2] = 0.0; },
         82, "Problem:  Section 2 has a concrete compressive strength of 0.0000000 psi."},
        {"negative bar yield stress",
         [](AnalysisModel& m) { m.RebarYieldStress[2] = -60000.0; },
         82, "Problem:  Section 2 has a bar yield stress of -60000. psi."},
        {"zero pipe modulus",
         [](AnalysisModel& m) { m.SectionType[2] = 4; m.PipeThickness[2] = 0.5;
                                m.PipeYieldStress[2] = 36000.0; m.PipeModulus[2] = 0.0; },
         82, "Problem:  Section 2 has a pipe modulus of elasticity of 0.0000000 psi."},
        {"f'c typed in ksi",
         [](AnalysisModel& m) { m.ConcreteStrength[2] = 4.0; },
         83, "Problem:  Section 2 has a concrete compressive strength of 4.00000000 psi, too low for the "
             "concrete tensile law."},
        {"bar pushed out by the cage offset",
         [](AnalysisModel& m) { m.CageOffset[2] = 6.0; },
         80, "Problem:  Bar 2 of section 2 lies outside the section"},
        {"bar above the top of a rectangle",
         [](AnalysisModel& m) { m.SectionType[2] = 0; m.SectionWidth[2] = 12.0;
                                m.SectionDiameter[2] = 24.0; m.NumBars[2] = 1;
                                m.BarX[1][2] = 0.0; m.BarY[1][2] = 12.5; },
         80, "Problem:  Bar 1 of section 2 lies outside the section, at x = 0.0000000 and y = 12.50000000 in"},
        {"bar in the clipped corner of an octagon",
         [](AnalysisModel& m) { m.SectionType[2] = 9; m.SectionDiameter[2] = 20.0; m.NumBars[2] = 1;
                                m.BarX[1][2] = 9.0; m.BarY[1][2] = 9.0; },
         80, "Problem:  Bar 1 of section 2 lies outside the section, at x = 9.00000000 and y = 9.00000000 in"},
    };
    for (const BadSection& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<std::string> report = Expect_Refused(c);
        EXPECT_EQ(report[5].rfind("Solution: ", 0), 0u) << report[5];
    }
}

// Values of bars, strands, cover and concrete that make no section: each is refused before
// anything is computed, with its number and the words that name the section and the value.
TEST_F(SectionChecks, NonsenseBarAndConcreteValuesAreRefusedWithTheirValue) {
    const BadSection cases[] = {
        {"negative concrete cover of a circular cage",
         [](AnalysisModel& m) { m.b_RebarInCircle[2] = -1; m.CoverThickness[2] = -3.0; },
         81, "Problem:  Section 2 has a concrete cover of -3.00000000 in."},
        {"negative cage offset",
         [](AnalysisModel& m) { m.b_RebarInCircle[2] = -1; m.CoverThickness[2] = 3.0; m.CageOffset[2] = -0.5; },
         81, "Problem:  Section 2 has a rebar cage offset of -0.50000000 in."},
        {"negative aggregate size",
         [](AnalysisModel& m) { m.AggregateSize[2] = -0.75; },
         81, "Problem:  Section 2 has a maximum coarse aggregate size of -0.75000000 in."},
        {"negative bar diameter",
         [](AnalysisModel& m) { m.BarDiameter[3][2] = -1.128; },
         81, "Problem:  Bar 3 of section 2 has a diameter of -1.12800000 in."},
        {"zero bar area",
         [](AnalysisModel& m) { m.BarArea[5][2] = 0.0; },
         81, "Problem:  Bar 5 of section 2 has an area of 0.0000000 in2."},
        {"negative bar area",
         [](AnalysisModel& m) { m.BarArea[1][2] = -1.0; },
         81, "Problem:  Bar 1 of section 2 has an area of -1.00000000 in2."},
        // 12 bars of 100 in2 in a 36 in shaft of pi 18^2 = 1017.8760197631 in2
        {"bars with more area than the shaft",
         [](AnalysisModel& m) { for (int j = 1; j <= 12; ++j) m.BarArea[j][2] = 100.0; },
         81, "Problem:  The bars of section 2 have a total area of 1200.00000000 in2, no less than the area of "
             "the section, 1017.87601976 in2: no concrete would be left."},
        {"a bar area of 1e30 in a cased shaft with a core",
         [](AnalysisModel& m) { m.SectionType[2] = 3; m.CasingThickness[2] = 0.5; m.CasingYieldStress[2] = 36000.0;
                                m.CasingModulus[2] = 29e6; m.CoreDiameter[2] = 12.0; m.CoreThickness[2] = 0.5;
                                m.CoreYieldStress[2] = 36000.0; m.CoreModulus[2] = 29e6; m.BarArea[1][2] = 1e30; },
         81, "Problem:  The bars of section 2 have a total area of"},
        {"bar wider than the shaft",
         [](AnalysisModel& m) { m.BarDiameter[2][2] = 40.0; },
         80, "Problem:  Bar 2 of section 2 has a diameter of 40.00000000 in, no less than the width of the section, "
             "36.00000000 in."},
        {"bars on the circle that overlap",
         [](AnalysisModel& m) { m.b_RebarInCircle[2] = -1; m.CoverThickness[2] = 3.0; m.i_NumBarGroups[2] = 12;
                                m.i_BarsPerGroup[2] = 1;
                                for (int j = 1; j <= 12; ++j) m.BarDiameter[j][2] = 9.0; },
         80, "Problem:  The bars of section 2 overlap: their edge-to-edge spacing on the circle is"},
        {"rectangular pile without bars",
         [](AnalysisModel& m) { m.SectionType[2] = 0; m.SectionWidth[2] = 24.0; m.NumBars[2] = 0; },
         79, "Problem:  Section 2 is a concrete section without reinforcement: it has no bars."},
        {"drilled shaft without bars",
         [](AnalysisModel& m) { m.NumBars[2] = 0; },
         79, "Problem:  Section 2 is a concrete section without reinforcement: it has no bars."},
        {"cased shaft without casing wall or bars",
         [](AnalysisModel& m) { m.SectionType[2] = 2; m.CasingThickness[2] = 0.0; m.NumBars[2] = 0; },
         79, "Problem:  Section 2 is a concrete section without reinforcement: it has no bars and no steel casing."},
        {"negative prestressing force",
         [](AnalysisModel& m) { m.SectionType[2] = 5; m.NumBars[2] = 1; m.BarX[1][2] = 0.0; m.BarY[1][2] = 10.0;
                                m.i_StrandType[2] = 1; m.InitialPrestressForce[2] = -31000.0; },
         91, "Problem:  Section 2 has an initial prestressing force of -31000."},
        {"loss of prestress above 1",
         [](AnalysisModel& m) { m.SectionType[2] = 5; m.NumBars[2] = 1; m.BarX[1][2] = 0.0; m.BarY[1][2] = 10.0;
                                m.i_StrandType[2] = 1; m.InitialPrestressForce[2] = 31000.0;
                                m.PrestressLossFraction[2] = 20.0; },
         91, "Problem:  Section 2 has a fraction of loss of prestress of 20.00000000."},
        {"negative loss of prestress",
         [](AnalysisModel& m) { m.SectionType[2] = 5; m.NumBars[2] = 1; m.BarX[1][2] = 0.0; m.BarY[1][2] = 10.0;
                                m.i_StrandType[2] = 1; m.InitialPrestressForce[2] = 31000.0;
                                m.PrestressLossFraction[2] = -0.2; },
         91, "Problem:  Section 2 has a fraction of loss of prestress of -0.20000000."},
        {"strand type code outside the table",
         [](AnalysisModel& m) { m.SectionType[2] = 5; m.NumBars[2] = 1; m.BarX[1][2] = 0.0; m.BarY[1][2] = 10.0;
                                m.i_StrandType[2] = 7; },
         95, "Problem:  Section 2 has a strand type code of 7."},
        {"strand size code the type does not have",
         [](AnalysisModel& m) { m.SectionType[2] = 5; m.NumBars[2] = 1; m.BarX[1][2] = 0.0; m.BarY[1][2] = 10.0;
                                m.i_StrandType[2] = 2; m.i_BarSize[1][2] = 9; m.BarArea[1][2] = 0.0; },
         95, "Problem:  Strand 1 of section 2 has a strand size code of 9, which strand type 2 does not have."},
        {"negative cover over autopositioned strands",
         [](AnalysisModel& m) { m.SectionType[2] = 5; m.NumBars[2] = 1; m.BarX[1][2] = 0.0; m.BarY[1][2] = 10.0;
                                m.i_StrandType[2] = 1; m.b_AutoPositionStrands[2] = -1; m.CoverThickness[2] = -2.0; },
         81, "Problem:  Section 2 has a concrete cover over the strands of -2.00000000 in."},
    };
    for (const BadSection& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<std::string> report = Expect_Refused(c);
        EXPECT_EQ(report[5].rfind("Solution: Give section 2", 0) == 0 ||
                  report[5].rfind("Solution: Check the bar areas of section 2", 0) == 0 ||
                  report[5].rfind("Solution: Give the strands of section 2", 0) == 0, true) << report[5];
    }
}

// Values a thousand times beyond any real pile (1e30 typed where 30 was meant) are refused: the
// analysis of them ended normally with absurd finite moments and stiffness. The bounds are
// 4e5 in and 2.9e10 psi (a thousand times 400 in and steel's 29e6 psi); the bound itself passes.
TEST_F(SectionChecks, ValuesBeyondAnyRealPileAreRefused) {
    const BadSection cases[] = {
        {"diameter of 1e30", [](AnalysisModel& m) { m.SectionDiameter[2] = 1e30; }, 81,
         "Problem:  Section 2 has a diameter or depth of"},
        {"aggregate size of 1e30", [](AnalysisModel& m) { m.AggregateSize[2] = 1e30; }, 81,
         "Problem:  Section 2 has a maximum coarse aggregate size of"},
        {"concrete strength of 1e30", [](AnalysisModel& m) { m.ConcreteStrength[2] = 1e30; }, 82,
         "Problem:  Section 2 has a concrete compressive strength of"},
        {"bar yield stress of 1e30", [](AnalysisModel& m) { m.RebarYieldStress[2] = 1e30; }, 82,
         "Problem:  Section 2 has a bar yield stress of"},
        {"bar modulus just beyond the bound", [](AnalysisModel& m) { m.ReinforcementModulus[2] = 2.9e10 * 1.000001; }, 82,
         "Problem:  Section 2 has a bar modulus of elasticity of"},
        {"pipe modulus of 1e30",
         [](AnalysisModel& m) { m.SectionType[2] = 4; m.PipeThickness[2] = 0.5; m.PipeYieldStress[2] = 36000.0;
                                m.PipeModulus[2] = 1e30; }, 82, "Problem:  Section 2 has a pipe modulus of elasticity of"},
        {"prestressing force of 1e30",
         [](AnalysisModel& m) { m.SectionType[2] = 5; m.NumBars[2] = 1; m.BarX[1][2] = 0.0; m.BarY[1][2] = 10.0;
                                m.i_StrandType[2] = 1; m.InitialPrestressForce[2] = 1e30; }, 91,
         "Problem:  Section 2 has an initial prestressing force of"},
    };
    for (const BadSection& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<std::string> report = Expect_Refused(c);
        EXPECT_NE(report[5].find("beyond which no real pile lies."), std::string::npos) << report[5];
    }
    SetUp();
    g_Model.ReinforcementModulus[2] = 2.9e10;   // at the bound
    Setup_Section_Values(2);
    Check_Section_Data(2);
    EXPECT_EQ(g_Model.ErrorStatus, 0);
}

// The values next to each refusal that are sound pass: zero cover and offset, a cased shaft
// whose casing alone carries tension, prestress with no loss and with all of it lost.
TEST_F(SectionChecks, SoundBarAndConcreteValuesPass) {
    const std::function<void(AnalysisModel&)> sound[] = {
        [](AnalysisModel& m) { m.b_RebarInCircle[2] = -1; m.CoverThickness[2] = 0.0; m.CageOffset[2] = 0.0; },
        [](AnalysisModel& m) { m.AggregateSize[2] = 0.0; },
        [](AnalysisModel& m) { m.SectionType[2] = 2; m.CasingThickness[2] = 0.5; m.CasingYieldStress[2] = 36000.0;
                               m.CasingModulus[2] = 29e6; m.NumBars[2] = 0; },
        [](AnalysisModel& m) { m.SectionType[2] = 5; m.NumBars[2] = 1; m.BarX[1][2] = 0.0; m.BarY[1][2] = 10.0;
                               m.i_StrandType[2] = 1; m.InitialPrestressForce[2] = 31000.0;
                               m.PrestressLossFraction[2] = 0.0; },
        [](AnalysisModel& m) { m.SectionType[2] = 5; m.NumBars[2] = 1; m.BarX[1][2] = 0.0; m.BarY[1][2] = 10.0;
                               m.i_StrandType[2] = 1; m.InitialPrestressForce[2] = 0.0;
                               m.PrestressLossFraction[2] = 1.0; },
    };
    for (const auto& change : sound) {
        SetUp();
        change(g_Model);
        Setup_Section_Values(2);
        Check_Section_Data(2);
        EXPECT_EQ(g_Model.ErrorStatus, 0);
        TearDown();
    }
}

// Section 2 as a micropile: 8 in hole, grout 5000 psi, casing 7 x 0.5 in (80 ksi, 29e6 psi),
// central bar of 2.5 in (75 ksi, 29e6 psi), as the reader leaves it.
void Use_Micropile(AnalysisModel& m) {
    m.SectionType[2] = 14;
    m.SectionDiameter[2] = 8.0;
    m.ConcreteStrength[2] = 5000.0;
    m.rd_CasingDiameter[2] = 7.0;
    m.CasingThickness[2] = 0.5;
    m.CasingYieldStress[2] = 80000.0;
    m.CasingModulus[2] = 29.0e6;
    m.NumBars[2] = 1;
    m.BarDiameter[1][2] = 2.5;
    m.BarArea[1][2] = 4.908738521234052;
    m.BarX[1][2] = 0.0;
    m.BarY[1][2] = 0.0;
    m.RebarYieldStress[2] = 75000.0;
    m.ReinforcementModulus[2] = 29.0e6;
}

TEST_F(SectionChecks, BadMicropilesAreRefusedWithTheirNumber) {
    const BadSection cases[] = {
        {"casing larger than the hole",
         [](AnalysisModel& m) { Use_Micropile(m); m.rd_CasingDiameter[2] = 8.5; },
         81, "Problem:  Section 2 has a casing outside diameter of 8.50000000 in."},
        {"casing wall of half its diameter",
         [](AnalysisModel& m) { Use_Micropile(m); m.CasingThickness[2] = 3.5; },
         81, "Problem:  Section 2 has a casing wall thickness of 3.50000000 in."},
        {"negative casing wall",
         [](AnalysisModel& m) { Use_Micropile(m); m.CasingThickness[2] = -0.5; },
         81, "Problem:  Section 2 has a casing wall thickness of -0.50000000 in."},
        {"zero hole",
         [](AnalysisModel& m) { Use_Micropile(m); m.SectionDiameter[2] = 0.0; },
         81, "Problem:  Section 2 has a hole diameter of 0.0000000 in."},
        {"negative bar diameter",
         [](AnalysisModel& m) { Use_Micropile(m); m.NumBars[2] = 0; m.BarDiameter[1][2] = -1.0; },
         81, "Problem:  Section 2 has a bar diameter of -1.00000000 in."},
        {"bar larger than the casing's inside",
         [](AnalysisModel& m) { Use_Micropile(m); m.BarDiameter[1][2] = 6.5; },
         80, "Problem:  The central bar of section 2 has a diameter of 6.50000000 in, larger than the inside "
             "diameter of its casing, 6.00000000 in."},
        {"bar larger than the hole without casing",
         [](AnalysisModel& m) { Use_Micropile(m); m.CasingThickness[2] = 0.0; m.BarDiameter[1][2] = 8.5; },
         80, "Problem:  The central bar of section 2 has a diameter of 8.50000000 in, larger than its hole, "
             "8.00000000 in."},
        {"zero grout strength",
         [](AnalysisModel& m) { Use_Micropile(m); m.ConcreteStrength[2] = 0.0; },
         82, "Problem:  Section 2 has a grout compressive strength of 0.0000000 psi."},
        {"zero casing yield stress",
         [](AnalysisModel& m) { Use_Micropile(m); m.CasingYieldStress[2] = 0.0; },
         82, "Problem:  Section 2 has a casing yield stress of 0.0000000 psi."},
        {"negative casing modulus",
         [](AnalysisModel& m) { Use_Micropile(m); m.CasingModulus[2] = -29.0e6; },
         82, "Problem:  Section 2 has a casing modulus of elasticity of"},
        {"zero bar yield stress",
         [](AnalysisModel& m) { Use_Micropile(m); m.RebarYieldStress[2] = 0.0; },
         82, "Problem:  Section 2 has a bar yield stress of 0.0000000 psi."},
        {"zero bar modulus",
         [](AnalysisModel& m) { Use_Micropile(m); m.ReinforcementModulus[2] = 0.0; },
         82, "Problem:  Section 2 has a bar modulus of elasticity of 0.0000000 psi."},
        {"neither bar nor casing",
         [](AnalysisModel& m) { Use_Micropile(m); m.CasingThickness[2] = 0.0; m.NumBars[2] = 0; m.BarDiameter[1][2] = 0.0; },
         79, "Problem:  Section 2 is a micropile without reinforcement: it has no central bar and no casing."},
        {"grout strength typed in ksi",
         [](AnalysisModel& m) { Use_Micropile(m); m.ConcreteStrength[2] = 5.0; },
         83, "Problem:  Section 2 has a grout compressive strength of 5.00000000 psi, too low for the "
             "concrete tensile law."},
    };
    for (const BadSection& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<std::string> report = Expect_Refused(c);
        EXPECT_EQ(report[5].rfind("Solution: ", 0), 0u) << report[5];
    }
}

TEST_F(SectionChecks, SoundMicropilesPass) {
    const std::function<void(AnalysisModel&)> sound[] = {
        [](AnalysisModel&) {},                                                      // as set up
        [](AnalysisModel& m) { m.CasingThickness[2] = 0.0; m.rd_CasingDiameter[2] = 0.0;
                               m.CasingYieldStress[2] = 0.0; m.CasingModulus[2] = 0.0; },   // no casing
        [](AnalysisModel& m) { m.NumBars[2] = 0; m.BarDiameter[1][2] = 0.0;
                               m.RebarYieldStress[2] = 0.0; m.ReinforcementModulus[2] = 0.0; },   // no bar
        [](AnalysisModel& m) { m.rd_CasingDiameter[2] = 8.0; },                     // casing fills the hole
        [](AnalysisModel& m) { m.BarDiameter[1][2] = 6.0; },                        // bar fills the casing
    };
    for (const auto& change : sound) {
        SetUp();
        Use_Micropile(g_Model);
        change(g_Model);
        Setup_Section_Values(2);
        Check_Section_Data(2);
        EXPECT_EQ(g_Model.ErrorStatus, 0);
        TearDown();
    }
}

TEST_F(SectionChecks, SoundSectionsPass) {
    const std::function<void(AnalysisModel&)> sound[] = {
        [](AnalysisModel&) {},                                          // the shaft as set up
        [](AnalysisModel& m) { m.CageOffset[2] = 1.0; },                // offset within cover
        [](AnalysisModel& m) { m.SectionType[2] = 2; m.CasingThickness[2] = 0.0; },   // no casing
        [](AnalysisModel& m) { m.SectionType[2] = 4; m.PipeThickness[2] = 0.5;
                               m.PipeYieldStress[2] = 36000.0; m.PipeModulus[2] = 29e6; },
        [](AnalysisModel& m) { m.SectionType[2] = 9; m.SectionDiameter[2] = 20.0; m.NumBars[2] = 1;
                               m.BarX[1][2] = 6.0; m.BarY[1][2] = 6.0; },
        [](AnalysisModel& m) { m.SectionType[2] = 11; m.SectionDiameter[2] = 0.0; },  // not sliced
    };
    for (const auto& change : sound) {
        SetUp();
        change(g_Model);
        Setup_Section_Values(2);
        Check_Section_Data(2);
        EXPECT_EQ(g_Model.ErrorStatus, 0);
        TearDown();
    }
}

}  // namespace
