// OPTIONS: the stored values of every line, the exact error texts, and the limits of the
// iteration count, the increments and the convergence tolerance.
#include "input/options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/model.h"
#include "support/input_fixture.h"

namespace {

struct OptionsFixture : InputFixture {
    // Reads an OPTIONS section of the default lines with line `index` (1-based) replaced by
    // `text`, followed by END.
    void Read_With(int index, const std::string& text) {
        std::vector<std::string> lines = Default_Option_Lines();
        lines[static_cast<std::size_t>(index - 1)] = text;
        Read_Input(Options_Section(lines) + "END\n");
    }
    void Reset() {
        TearDown();
        SetUp();
    }
};

TEST_F(OptionsFixture, DefaultLinesStoreAStaticUSCustomaryConventionalRun) {
    Read_Input(Options_Section(Default_Option_Lines()) + "END\n");
    ASSERT_EQ(g_Model.ErrorStatus, 0);
    const AnalysisModel& m = g_Model;
    EXPECT_EQ(m.IUNITS, 1);
    EXPECT_EQ(m.b_UseLRFD, 0);
    EXPECT_EQ(m.i_Analysis_Type, 3);
    EXPECT_EQ(m.NumPYModifierPoints, 0);
    EXPECT_EQ(m.b_Cyclic, 0);
    EXPECT_EQ(m.NumCycles, 0.0);
    EXPECT_EQ(m.MaxIterations, 100);
    EXPECT_EQ(m.MaxAllowableDeflection, 100.0);
    EXPECT_EQ(m.ConvergenceTolerance, 1.0e-5);
    EXPECT_EQ(m.NumIncrements, 100);
    EXPECT_EQ(m.PrintIncrement, 1);
    EXPECT_EQ(m.b_ComputeInteraction, 0);
    EXPECT_EQ(Message_Lines()[1], "Reading analysis options");
}

TEST_F(OptionsFixture, YesLinesSetEveryFlag) {
    const std::vector<std::string> lines = {
        "Units SI", "UseLRFD YES", "ComputeKmatrix YES", "UseTipShear YES",
        "UseSoilMovement YES", "UsePYModifiers YES", "ComputeEIOnly YES",
        "Loading CYCLIC   100", "MaxIterations 1000", "MaxDeflection 2.54",
        "Tolerance 2.54E-3", "Increments 500", "PrintSummaryOnly YES", "PrintIncrement 5",
        "PrintPYCurves YES", "ComputeInteraction YES", "InteractionCode Eurocode2"};
    Read_Input(Options_Section(lines) + "END\n");
    ASSERT_EQ(g_Model.ErrorStatus, 0);
    const AnalysisModel& m = g_Model;
    EXPECT_EQ(m.IUNITS, 2);
    for (int flag : {m.b_UseLRFD, m.b_ComputeKmatrix, m.b_UseTipShear, m.b_UseSoilMovement,
                     m.b_UsePYModifiers, m.b_Cyclic, m.b_PrintSummaryOnly, m.b_PrintPYCurves,
                     m.b_ComputeInteraction}) {
        EXPECT_EQ(flag, -1);
    }
    EXPECT_EQ(m.i_Analysis_Type, 2);
    EXPECT_EQ(m.NumPYModifierPoints, 1);
    EXPECT_EQ(m.NumCycles, 100.0);
    EXPECT_EQ(m.MaxIterations, 1000);
    EXPECT_EQ(m.NumIncrements, 500);
    EXPECT_EQ(m.PrintIncrement, 5);
    EXPECT_EQ(m.i_InteractionCode, 3);
}

struct ValueCase {
    const char* name;
    int line;
    const char* text;
    double expected;   // the stored value of the line
};

TEST_F(OptionsFixture, AcceptedValuesAtTheLimits) {
    const ValueCase cases[] = {
        {"STATIC with blank cycles field", 8, "Loading STATIC", 0.0},
        {"CYCLIC with real cycles", 8, "Loading CYCLIC 12.5", 12.5},
        {"CYCLIC with cycles and more columns", 8, "Loading CYCLIC    20 ignored", 20.0},
        {"30 iterations", 9, "MaxIterations 30", 30},
        {"1000 iterations", 9, "MaxIterations,1000", 1000},
        {"40 increments", 12, "Increments 40", 40},
        {"500 increments", 12, "Increments 500", 500},
        {"tolerance 1E-15 inches", 11, "Tolerance 1.0E-15", 1.0e-15},
        {"tolerance 0.1 inches", 11, "Tolerance 0.1", 0.1},
        {"tolerance 1E-20 inches", 11, "Tolerance 1.0E-20", 1.0e-20},
    };
    for (const ValueCase& row : cases) {
        SCOPED_TRACE(row.name);
        Reset();
        Read_With(row.line, row.text);
        ASSERT_EQ(g_Model.ErrorStatus, 0);
        const AnalysisModel& m = g_Model;
        const double stored[] = {0, 0, 0, 0, 0, 0, 0, 0, m.NumCycles,
                                 static_cast<double>(m.MaxIterations), m.MaxAllowableDeflection,
                                 m.ConvergenceTolerance, static_cast<double>(m.NumIncrements)};
        EXPECT_EQ(stored[row.line], row.expected);
    }
}

TEST_F(OptionsFixture, ToleranceIsNotCheckedInGeneralUnits) {
    for (const char* tolerance : {"Tolerance 0", "Tolerance 5.0"}) {
        SCOPED_TRACE(tolerance);
        Reset();
        std::vector<std::string> lines = Default_Option_Lines();
        lines[0] = "Units GENERAL";
        lines[10] = tolerance;
        Read_Input(Options_Section(lines) + "END\n");
        EXPECT_EQ(g_Model.ErrorStatus, 0);
        EXPECT_EQ(g_Model.IUNITS, 3);
    }
}

struct ErrorCase {
    const char* name;
    const char* units;     // line 1
    int line;
    const char* text;
    int status;
    std::vector<std::string> report;   // the report's lines up to the "ended prematurely" block
};

TEST_F(OptionsFixture, RejectedLinesWriteTheirMessageAndRaise) {
    const ErrorCase cases[] = {
        {"units in lower case", "Units USCS", 1, "units USCS", 199,
         {"", "", "***** INPUT ERROR *****", "",
          "The following line is unrecognized or is out-of-order", "", "units USCS", "",
          "Problem:  Line 3 of the input data file, the unit system, reads \"units USCS\".",
          "Solution: Write \"Units USCS\", \"Units SI\" or \"Units GENERAL\", spelled and "
          "capitalized as shown.", "", ""}},
        {"units with two blanks", "Units USCS", 1, "Units  SI", 199,
         {"", "", "***** INPUT ERROR *****", "",
          "The following line is unrecognized or is out-of-order", "", "Units  SI", "",
          "Problem:  Line 3 of the input data file, the unit system, reads \"Units  SI\".",
          "Solution: Write \"Units USCS\", \"Units SI\" or \"Units GENERAL\", spelled and "
          "capitalized as shown.", "", ""}},
        {"UseLRFD in lower case", "Units USCS", 2, "UseLRFD yes", 195,
         {"", "INPUT ERROR - Unrecognized command for LRFD analysis option", "", "",
          "***** Input Data Error No. 95 *****", "",
          "Problem:  Line 4 of the input data file, for the LRFD analysis option, reads \"UseLRFD yes\".",
          "Solution: Write \"UseLRFD YES\" or \"UseLRFD NO\" on this line, spelled and capitalized as "
          "shown."}},
        {"ComputeKmatrix", "Units USCS", 3, "ComputeKmatrix", 195,
         {"", "INPUT ERROR - Unrecognized command for compute pile-head stiffness matrix option"}},
        {"UseTipShear", "Units USCS", 4, "UseTipShear Y", 195,
         {"", "INPUT ERROR - Unrecognized command for tip shear option"}},
        {"UseSoilMovement", "Units USCS", 5, "UseSoilMovement NO X", 195,
         {"", "INPUT ERROR - Unrecognized command for soil movement option", ""}},
        {"UsePYModifiers", "Units USCS", 6, "UsePYModifier YES", 195,
         {"", "INPUT ERROR - Unrecognized command for use of p-y modifiers option"}},
        {"ComputeEIOnly", "Units USCS", 7, " ComputeEIOnly NO", 195,
         {"", "INPUT ERROR - Unrecognized command for compute nonlinear EI only option"}},
        {"loading type", "Units USCS", 8, "Loading STATI", 195,
         {"INPUT ERROR - Unrecognized command for loading type option"}},
        {"loading type one column off", "Units USCS", 8, "Loading  STATIC", 195,
         {"INPUT ERROR - Unrecognized command for loading type option"}},
        {"number of cycles not a number", "Units USCS", 8, "Loading CYCLIC  1x0", 199,
         {"", "", "***** INPUT ERROR *****", "",
          "The following line is unrecognized or is out-of-order", "", "Loading CYCLIC  1x0", "",
          "Problem:  Line 10 of the input data file holds \"1x0\" in columns 15 to 20, where the "
          "number of cycles is expected.",
          "Solution: Write the number of cycles as a number in columns 15 to 20.", "", ""}},
        {"29 iterations", "Units USCS", 9, "MaxIterations 29", 195,
         {"***** Input Data Error No. 95 *****", "",
          "Problem: Input value for iterations limit = 29 and is less than 30 iteractions",
          "Solution:  Correct input value to be between 30 and 1000 iterations.", "", ""}},
        {"1001 iterations", "Units USCS", 9, "MaxIterations 1001", 195,
         {"***** Input Data Error No. 95 *****", "",
          "Problem: Input value for iterations limit = 1001 and is more than 1,000 iteractions",
          "Solution:  Correct input value to be between 30 and 1000 iterations.", "", ""}},
        {"tolerance 0.2 inches", "Units USCS", 11, "Tolerance 0.2", 166,
         {"", "**** Input Data Error No. 66 ****", "",
          "Input value for convergence tolerance is too large (more than 0.1 inches). ",
          "The recommended value for convergence tolerance is 0.00001 inches.", ""}},
        {"tolerance 1E-21 inches", "Units USCS", 11, "Tolerance 1.0E-21", 165,
         {"", "**** Input Data Error No. 65 ****", "",
          "Input value for convergence tolerance is too small (less than 1E-10 inches).",
          "The recommended value for convergence tolerance is 0.00001 inches.", ""}},
        {"tolerance 2.6E-3 meters", "Units SI", 11, "Tolerance 2.6E-3", 168,
         {"", "**** Input Data Error No. 68 ****", "",
          "Input value of convergence tolerance too large (more than 2.54E-3 meters). ",
          "The recommended value for convergence tolerance is 2.54E-7 meters.", ""}},
        {"tolerance 1E-22 meters", "Units SI", 11, "Tolerance 1.0E-22", 167,
         {"", "**** Input Data Error No. 67 ****", "",
          "Input value for convergence tolerance is too small (less than 2.5E-12 meters). ",
          "The recommended value for convergence tolerance is 2.54E-7 meters.", ""}},
        {"39 increments", "Units USCS", 12, "Increments 39", 155,
         {"**** Input Data Error No. 55 ****", "",
          "Problem:  The number of pile increments is less than 40.", "",
          "Solution: Increase the number of pile increments to more than 40, preferably more "
          "than 100 increments."}},
        {"501 increments", "Units USCS", 12, "Increments 501", 156,
         {"**** Input Data Error No. 56 ****", "",
          "Problem:  The number of pile increments is more than 500.", "",
          "Solution: Limit the number of pile increments to 500 or less."}},
        {"PrintSummaryOnly", "Units USCS", 13, "PrintSummaryOnly", 195,
         {"", "INPUT ERROR - Unrecognized command for print summary only option"}},
        {"PrintPYCurves", "Units USCS", 15, "PrintPYCurves NO,", 195,
         {"", "INPUT ERROR - Unrecognized command for p-y curve output depths option"}},
        {"ComputeInteraction", "Units USCS", 16, "ComputeInteraction", 195,
         {"INPUT ERROR - Unrecognized command for compute interaction option"}},
    };
    for (const ErrorCase& row : cases) {
        SCOPED_TRACE(row.name);
        Reset();
        std::vector<std::string> lines = Default_Option_Lines();
        lines[0] = row.units;
        lines[static_cast<std::size_t>(row.line - 1)] = row.text;
        Read_Input(Options_Section(lines) + "END\n");
        EXPECT_EQ(g_Model.ErrorStatus, row.status);
        std::vector<std::string> report = Report_Lines();
        ASSERT_GE(report.size(), row.report.size() + 3);
        // RaiseError adds two empty lines and the "ended prematurely" line after the frame.
        report.resize(row.report.size());
        EXPECT_EQ(report, row.report);
    }
}

TEST_F(OptionsFixture, ConvergenceAndIncrementErrorsGoFirstToTheMessageFile) {
    Read_With(12, "Increments 501");
    const auto messages = Message_Lines();
    ASSERT_GE(messages.size(), 3u);
    EXPECT_EQ(messages[2], "**** Input Data Error No. 56 ****");
}

TEST_F(OptionsFixture, ValueLineWithAWordForTheNumberRaisesError99) {
    Read_With(9, "MaxIterations many");
    EXPECT_EQ(g_Model.ErrorStatus, 199);
    EXPECT_TRUE(Has_Line(Report_Lines(), "MaxIterations many"));
}

TEST_F(OptionsFixture, InteractionCodeLineFollowsOnlyComputeInteractionYes) {
    struct CodeCase {
        const char* name;
        const char* line17;
        int status;
        int code;
    };
    const CodeCase cases[] = {
        {"AASHTO", "InteractionCode AASHTO", 0, 1},
        {"ACI318", "InteractionCode ACI318", 0, 2},
        {"Eurocode2 quoted", "InteractionCode 'Eurocode2'", 0, 3},
        {"lower case", "InteractionCode aashto", 195, 0},
    };
    for (const CodeCase& row : cases) {
        SCOPED_TRACE(row.name);
        Reset();
        std::vector<std::string> lines = Default_Option_Lines();
        lines[15] = "ComputeInteraction YES";
        lines.push_back(row.line17);
        Read_Input(Options_Section(lines) + "END\n");
        EXPECT_EQ(g_Model.ErrorStatus, row.status);
        EXPECT_EQ(g_Model.i_InteractionCode, row.code);
        if (row.status != 0) {
            EXPECT_EQ(First_Report_Line(),
                      "INPUT ERROR - Unrecognized command for interaction code option");
        }
    }
}

}  // namespace
