// The date-and-time block and the section-analysis heading of the report.
#include <gtest/gtest.h>

#include "engine/report_header.h"
#include "model/model.h"
#include "support/model_fixture.h"

class ReportHeaderTest : public ModelTest {};

TEST_F(ReportHeaderTest, DateLineColumns) {
    struct Case { int year, month, day, hour, minute, second; const char* line; };
    const Case cases[] = {
        {2026, 0, 5, 7, 3, 9, "               Date:  January 5, 2026     Time:   7:03:09"},
        {2026, 11, 31, 23, 59, 0, "               Date:  December 31, 2026     Time:  23:59:00"},
    };
    for (const Case& c : cases) {
        Capture_Run_Files();
        std::tm t{};
        t.tm_year = c.year - 1900;
        t.tm_mon = c.month;
        t.tm_mday = c.day;
        t.tm_hour = c.hour;
        t.tm_min = c.minute;
        t.tm_sec = c.second;
        Write_Date_And_Time(t);
        const auto lines = Captured_Report_Lines();
        ASSERT_EQ(lines.size(), 5u);
        EXPECT_EQ(lines[0], std::string(80, '-'));
        EXPECT_EQ(lines[1], std::string(27, ' ') + "Date and Time of Analysis");
        EXPECT_EQ(lines[2], std::string(80, '-'));
        EXPECT_EQ(lines[3], "");
        EXPECT_EQ(lines[4], c.line);
    }
}

TEST_F(ReportHeaderTest, SectionHeadingNamesWhereThrustsCameFrom) {
    struct Case { int interaction, lrfd; const char* line; };
    const Case cases[] = {
        {-1, -1, "Axial thrust force values were determined from input values"},
        {0, -1, "Axial thrust force values were determined from LRFD load combinations"},
        {0, 0, "Axial thrust force values were determined from pile-head loading conditions"},
    };
    for (const Case& c : cases) {
        Initialize_Model();
        Capture_Run_Files();
        g_Model.b_ComputeInteraction = c.interaction;
        g_Model.b_UseLRFD = c.lrfd;
        g_Model.NumSections = 3;
        Write_Section_Analysis_Heading();
        const auto lines = Captured_Report_Lines();
        const std::vector<std::string> expected = {
            "", "", std::string(80, '-'),
            "    Computations of Nominal Moment Capacity and Nonlinear Bending Stiffness",
            std::string(80, '-'), "", c.line, "", "Number of Pile Sections Analyzed = 3", ""};
        EXPECT_EQ(lines, expected);
    }
}
