// Error status, error code texts, the warning log and the result code of a run.
#include <gtest/gtest.h>

#include "engine/errors.h"
#include "model/model.h"
#include "support/model_fixture.h"

class ErrorsTest : public ModelTest {};

TEST_F(ErrorsTest, ErrorCodeTextsHaveFamilyAndFiveDigits) {
    struct Case { bool input; int number; const char* text; };
    const Case cases[] = {
        {true, 53, "INP00053"}, {false, 9, "RUN00009"}, {true, 99, "INP00099"}, {false, 29, "RUN00029"},
    };
    for (const Case& c : cases) {
        char text[9];
        Make_Error_Code_Text(c.input, c.number, text);
        EXPECT_STREQ(text, c.text);
    }
}

TEST_F(ErrorsTest, InputErrorWritesEndedPrematurelyLineAndSetsStatus) {
    Capture_Run_Files();
    RaiseError("INP00053", 153);
    EXPECT_EQ(g_Model.ErrorStatus, 153);
    const auto report = Captured_Report_Lines();
    ASSERT_EQ(report.size(), 3u);
    EXPECT_EQ(report[0], "");
    EXPECT_EQ(report[1], "");
    EXPECT_EQ(report[2], "Orvane ended prematurely due to input error number INP00053");
}

TEST_F(ErrorsTest, EmptyInputErrorAddsItsOwnBlock) {
    Capture_Run_Files();
    RaiseError("INP00025", 125);
    const auto report = Captured_Report_Lines();
    const std::vector<std::string> expected = {
        "", "", "Orvane ended prematurely due to input error number INP00025", "",
        "**** Input Data Error No. 25 ****", "",
        "Length of input file is 0 bytes.  No analysis can be performed."};
    EXPECT_EQ(report, expected);
}

TEST_F(ErrorsTest, RuntimeErrorWritesNothingOfItsOwn) {
    Capture_Run_Files();
    RaiseError("RUN00009", 209);
    EXPECT_EQ(g_Model.ErrorStatus, 209);
    EXPECT_TRUE(Captured_Report_Lines().empty());
}

TEST_F(ErrorsTest, StatusIsNeverLowered) {
    Set_Error_Status(228);
    Set_Error_Status(0);
    Set_Error_Status(153);
    EXPECT_EQ(g_Model.ErrorStatus, 228);
}

TEST_F(ErrorsTest, WarningCountStopsAt4000) {
    for (int i = 0; i < 5000; ++i) RecordWarning(-3041);
    EXPECT_EQ(g_Model.WarningLog[3041], 4000);
}

TEST_F(ErrorsTest, ResultCodeFromStatusAndWarnings) {
    struct Case {
        const char* name;
        std::vector<int> warnings;   // codes reported, in order
        int status;
        int result;
    };
    const Case cases[] = {
        {"no error, no warning", {}, 0, 0},
        {"one warning number reported three times", {-354, -354, -354}, 0, -354},
        {"two warning numbers", {-3041, -400, -3041}, 0, -300},
        {"same number over several load cases counts once", {-302, -302}, 0, -302},
        {"input error wins over warnings", {-3041, -400}, 153, 153},
        {"runtime error wins over one warning", {-354}, 209, 209},
        {"direct status is returned as it is", {}, 999, 999},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Initialize_Model();
        for (int code : c.warnings) RecordWarning(code);
        if (c.status != 0) Set_Error_Status(c.status);
        EXPECT_EQ(Result_Code(), c.result);
    }
}
