// LOADING, LRFD LOADS and LRFD FACTORS AND CASES: stored load cases and LRFD data, the length-
// study code, the distributed load profile, and the numbered errors with their exact texts.
#include "input/loading.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/model.h"
#include "support/input_fixture.h"

namespace {

struct Loading : InputFixture {
    void Reset() {
        TearDown();
        SetUp();
    }
    // The report's lines from the first non-empty one up to the "ended prematurely" block.
    std::vector<std::string> Frame() const {
        std::vector<std::string> lines = Report_Lines();
        std::vector<std::string> frame;
        for (const std::string& l : lines) {
            if (l.rfind("Orvane ended prematurely", 0) == 0) break;
            if (frame.empty() && l.empty()) continue;
            frame.push_back(l);
        }
        while (!frame.empty() && frame.back().empty()) frame.pop_back();
        return frame;
    }
};

TEST_F(Loading, LoadCasesAndLengthStudyCodes) {
    Read_Input("LOADING\n3\n"
               "1 1 10000.0 0.0 50000.0 1\n"
               "2 3 -2500.0 1.5E+7 0.0 0\n"
               "3 5 0.25 0.001 100.0 2\n"
               "2\n1 0.0 10.0\n2 120.0 0.0\n"
               "END\n");
    ASSERT_EQ(g_Model.ErrorStatus, 0);
    const AnalysisModel& m = g_Model;
    EXPECT_EQ(m.NumLoadCases, 3);
    EXPECT_EQ(m.LoadType[2], 3);
    EXPECT_EQ(m.Load1[2], -2500.0);
    EXPECT_EQ(m.Load2[2], 1.5e7);
    EXPECT_EQ(m.AxialThrustLoad[1], 50000.0);
    EXPECT_EQ(m.Load2[3], 0.001);
    // Code 1 is the fixed pile length only; 0 and 2 ask for the length study.
    EXPECT_EQ(m.b_LengthStudy[1], 0);
    EXPECT_EQ(m.b_LengthStudy[2], -1);
    EXPECT_EQ(m.b_LengthStudy[3], -1);
    EXPECT_EQ(m.NumDistLoadPoints, 2);
    EXPECT_EQ(m.XDistLoad[2], 120.0);
    EXPECT_EQ(m.DistLoad[1], 10.0);
    EXPECT_TRUE(Has_Line(Message_Lines(), "Reading pile head loading data"));
}

TEST_F(Loading, ZeroDistributedPointsClearTheProfile) {
    Read_Input("LOADING\n1\n1 1 100 0 0 1\n2\n1 0.0 10.0\n2 120.0 5.0\n"
               "LOADING\n1\n1 1 100 0 0 1\n0\nEND\n");
    ASSERT_EQ(g_Model.ErrorStatus, 0);
    EXPECT_EQ(g_Model.NumDistLoadPoints, 0);
    EXPECT_EQ(g_Model.XDistLoad[2], 0.0);
    EXPECT_EQ(g_Model.DistLoad[1], 0.0);
}

TEST_F(Loading, HundredLoadCasesAreAccepted) {
    std::string text = "LOADING\n100\n";
    for (int i = 1; i <= 100; ++i) text += std::to_string(i) + " 1 " + std::to_string(i) + " 0 0 1\n";
    Read_Input(text + "0\nEND\n");
    ASSERT_EQ(g_Model.ErrorStatus, 0);
    EXPECT_EQ(g_Model.NumLoadCases, 100);
    EXPECT_EQ(g_Model.Load1[100], 100.0);
}

struct ErrorCase {
    const char* name;
    std::string body;
    int status;
    std::vector<std::string> frame;   // the report's message, from its first non-empty line
};

TEST_F(Loading, LoadingLimitsRaiseError95) {
    const ErrorCase cases[] = {
        {"101 load cases", "LOADING\n101\n", 195,
         {"***** Input Data Error No. 95 *****", "",
          "Problem:  The number of pile-head load cases is 101, more than the limit of 100.",
          "Solution: Reduce the number of pile-head load cases to 100 or fewer."}},
        {"negative load cases", "LOADING\n-1\n", 195,
         {"***** Input Data Error No. 95 *****", "",
          "Problem:  The number of pile-head load cases is -1, outside the valid range of 0 to "
          "100.",
          "Solution: Give a number of pile-head load cases from 0 to 100."}},
        {"loading type 6", "LOADING\n2\n1 1 0 0 0 1\n2 6 0 0 0 1\n", 195,
         {"***** Input Data Error No. 95 *****", "",
          "Problem:  Pile-head load case 2 has the loading type 6, outside the valid range of 1 "
          "to 5.",
          "Solution: Give load case 2 a loading type from 1 to 5."}},
        {"51 distributed points", "LOADING\n0\n51\n", 195,
         {"***** Input Data Error No. 95 *****", "",
          "Problem:  The number of distributed lateral load points is 51, more than the limit "
          "of 50.",
          "Solution: Reduce the number of distributed lateral load points to 50 or fewer."}},
    };
    for (const ErrorCase& row : cases) {
        SCOPED_TRACE(row.name);
        Reset();
        Read_Input(row.body + "END\n");
        EXPECT_EQ(g_Model.ErrorStatus, row.status);
        EXPECT_EQ(Frame(), row.frame);
    }
}

// An LRFD LOADS section of n loads of type 1 without distributed points.
std::string Lrfd_Loads(int n) {
    std::string text = "LRFD LOADS\n" + std::to_string(n) + "\n";
    for (int g = 1; g <= n; ++g) text += std::to_string(g) + " 1 1000.0 0.0 5000.0 0\n";
    return text;
}

TEST_F(Loading, LrfdLoadsWithDistributedPoints) {
    Read_Input("LRFD LOADS\n3\n"
               "1 1 10000.0 20000.0 100000.0 0\n"
               "2 5 4000.0 0.0 0.0 2\n1 0.0 15.0\n2 240.0 0.0\n"
               "3 13 -100.0 0 0 0\n"
               "END\n");
    ASSERT_EQ(g_Model.ErrorStatus, 0);
    const AnalysisModel& m = g_Model;
    EXPECT_EQ(m.NumLrfdLoads, 3);
    EXPECT_EQ(m.LrfdLoadType[2], 5);
    EXPECT_EQ(m.LrfdM[1], 20000.0);
    EXPECT_EQ(m.LrfdP[1], 100000.0);
    EXPECT_EQ(m.NumLrfdDistPoints[2], 2);
    EXPECT_EQ(m.XLrfdDist[2][2], 240.0);
    EXPECT_EQ(m.LrfdDist[1][2], 15.0);
    EXPECT_EQ(m.LrfdLoadType[3], 13);
    EXPECT_EQ(m.LrfdH[3], -100.0);
}

TEST_F(Loading, HundredLrfdLoadsAreAccepted) {
    Read_Input(Lrfd_Loads(100) + "END\n");
    EXPECT_EQ(g_Model.ErrorStatus, 0);
    EXPECT_EQ(g_Model.NumLrfdLoads, 100);
}

TEST_F(Loading, LrfdLoadErrorsWriteTheirFrames) {
    const ErrorCase cases[] = {
        {"101 loads", Lrfd_Loads(101), 198,
         {"***** Input Data Error No. 98 *****", "", "Number of LRFD loads specified is 101",
          "This is outside of the valid range to 1 to 100"}},
        {"no loads", "LRFD LOADS\n0\n", 198,
         {"***** Input Data Error No. 98 *****", "", "Number of LRFD loads specified is 0",
          "This is outside of the valid range to 1 to 100"}},
        {"load out of order", "LRFD LOADS\n2\n1 1 0 0 0 0\n3 1 0 0 0 0\n", 197,
         {"***** Input Data Error No. 97 *****", "",
          "Input appears to be out-of-order for LRFD loading",
          "Input load number is 3 and the expected load number is 2"}},
        {"one distributed point", "LRFD LOADS\n1\n1 2 0 0 0 1\n", 195,
         {"***** Input Data Error No. 95 *****", "",
          "Number of distributed load points for LRFD load number 1 is outside of the valid "
          "range of 0 or 2 to 100.",
          "", "The input number of distributed load points is 1"}},
        {"101 distributed points", "LRFD LOADS\n1\n1 2 0 0 0 101\n", 195,
         {"***** Input Data Error No. 95 *****", "",
          "Number of distributed load points for LRFD load number 1 is outside of the valid "
          "range of 0 or 2 to 100.",
          "", "The input number of distributed load points is 101"}},
        {"distributed point out of order", "LRFD LOADS\n1\n1 2 0 0 0 3\n1 0 0\n3 10 5\n", 196,
         {"***** Input Data Error No. 96 *****", "",
          "Input appears to be out-of-order for LRFD distributed load 1", "",
          "Input distributed load point is 3", " and the expected point number is 2"}},
        {"load type 14", "LRFD LOADS\n1\n1 14 0 0 0 0\n", 195,
         {"***** Input Data Error No. 95 *****", "",
          "Problem:  LRFD load 1 has the load type 14, outside the valid range of 1 to 13.",
          "Solution: Give LRFD load 1 a load type from 1 to 13."}},
    };
    for (const ErrorCase& row : cases) {
        SCOPED_TRACE(row.name);
        Reset();
        Read_Input(row.body + "END\n");
        EXPECT_EQ(g_Model.ErrorStatus, row.status);
        EXPECT_EQ(Frame(), row.frame);
    }
}

TEST_F(Loading, LrfdCombinationsWithFactorsAndNames) {
    Read_Input("LRFD FACTORS AND CASES\n2\n"
               "1 1.25 1.75 0 0 0 0 0 0 0 0 0 0 0 0.9 0.0\n"
               "Strength I: 1.25 DL + 1.75 LL\n"
               "2 0.9 0 0 0 1.4 0 0 0 0 0 0 0 0.5\n -1.0 0.85\n"
               "  Strength III, wind  \n"
               "END\n");
    ASSERT_EQ(g_Model.ErrorStatus, 0);
    const AnalysisModel& m = g_Model;
    EXPECT_EQ(m.NumLrfdCombinations, 2);
    EXPECT_EQ(m.LrfdFactor[1][1], 1.25);
    EXPECT_EQ(m.LrfdFactor[2][1], 1.75);
    EXPECT_EQ(m.PhiM[1], 0.9);
    // A resistance factor of 0 or less becomes 0.75.
    EXPECT_EQ(m.PhiV[1], 0.75);
    EXPECT_EQ(m.PhiM[2], 0.75);
    EXPECT_EQ(m.PhiV[2], 0.85);
    EXPECT_EQ(m.LrfdFactor[5][2], 1.4);
    EXPECT_EQ(m.LrfdFactor[13][2], 0.5);
    EXPECT_STREQ(m.LrfdCombinationName[1].data(), "Strength I: 1.25 DL + 1.75 LL");
    EXPECT_STREQ(m.LrfdCombinationName[2].data(), "  Strength III, wind");
    EXPECT_TRUE(Has_Line(Message_Lines(), "Reading LRFD load and resistance factor data "));
}

TEST_F(Loading, LrfdCombinationErrorsWriteTheirFrames) {
    const ErrorCase cases[] = {
        {"no combinations", "LRFD FACTORS AND CASES\n0\n", 194,
         {"***** Input Data Error No. 94 *****", "",
          "Number of LRFD load combinations outside of the valid range of 1 to 100.", "",
          "Number of LRFD load combinations input is 0"}},
        {"101 combinations", "LRFD FACTORS AND CASES\n101\n", 194,
         {"***** Input Data Error No. 94 *****", "",
          "Number of LRFD load combinations outside of the valid range of 1 to 100.", "",
          "Number of LRFD load combinations input is 101"}},
        {"all factors zero", "LRFD FACTORS AND CASES\n2\n1 1 0 0 0 0 0 0 0 0 0 0 0 0 1 1\nA\n"
                             "2 0 0 0 0 0 0 0 0 0 0 0 0 0 1 1\nB\n", 172,
         {"***** Input Data Error No. 72 *****", "",
          "All input load factors for LRFD analysis are zero.", "",
          "The number of the LRFD load combination in error is 2"}},
        {"factors summing below zero", "LRFD FACTORS AND CASES\n1\n1 1 -2 0 0 0 0 0 0 0 0 0 0 0 1 1\nA\n",
         172,
         {"***** Input Data Error No. 72 *****", "",
          "All input load factors for LRFD analysis are zero.", "",
          "The number of the LRFD load combination in error is 1"}},
    };
    for (const ErrorCase& row : cases) {
        SCOPED_TRACE(row.name);
        Reset();
        Read_Input(row.body + "END\n");
        EXPECT_EQ(g_Model.ErrorStatus, row.status);
        EXPECT_EQ(Frame(), row.frame);
    }
}

}  // namespace

namespace {

// KYL of plot record "Line 1" counts the length studies the run will make: the flagged
// pile-head load cases of a conventional analysis, none in an LRFD or bending-stiffness-only run.
struct LengthStudyCountCase {
    const char* name;
    const char* lrfd;       // option line 2
    const char* ei_only;    // option line 7
    int expected;
};

TEST_F(Loading, LineOneCountsTheLengthStudiesTheRunMakes) {
    const LengthStudyCountCase cases[] = {
        {"conventional analysis: codes 0 and 2 of three cases", "UseLRFD NO", "ComputeEIOnly NO", 2},
        {"LRFD run: its combinations have no length study", "UseLRFD YES", "ComputeEIOnly NO", 0},
        {"bending stiffness only: no lateral analysis", "UseLRFD NO", "ComputeEIOnly YES", 0},
    };
    for (const LengthStudyCountCase& c : cases) {
        SCOPED_TRACE(c.name);
        Reset();
        std::vector<std::string> lines = Default_Option_Lines();
        lines[1] = c.lrfd;
        lines[6] = c.ei_only;
        Read_Input(Options_Section(lines) +
                   "LOADING\n3\n1 1 100 0 0 0\n2 1 200 0 0 1\n3 2 300 0 0 2\n0\nEND\n");
        ASSERT_EQ(g_Model.ErrorStatus, 0);
        EXPECT_EQ(g_Model.KYL, c.expected);
    }
}

}  // namespace
