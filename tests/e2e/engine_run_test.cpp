// Whole runs through the exported ORVGO: hand-off files, run files, header, endings and result
// codes.
#include <gtest/gtest.h>

#include <cctype>
#include <cstring>

#include "e2e/run_support.h"
#include "engine/orvane.h"
#include "support/test_support.h"

namespace {

const std::string k_Dashes(80, '-');

// The date-and-time line: 15 blanks, "Date:  ", an English month, the day without leading zero,
// ", ", the year in four columns, five blanks, "Time:  ", the hour in two columns (blank
// padded), ":", minutes and seconds in two digits each.
bool Is_Date_Line(const std::string& line) {
    static const char* const months[] = {"January", "February", "March", "April", "May", "June",
                                         "July", "August", "September", "October", "November",
                                         "December"};
    const std::string head = std::string(15, ' ') + "Date:  ";
    if (line.compare(0, head.size(), head) != 0) return false;
    std::size_t at = head.size();
    bool month_found = false;
    for (const char* month : months) {
        const std::size_t n = std::strlen(month);
        if (line.compare(at, n + 1, std::string(month) + " ") == 0) {
            at += n + 1;
            month_found = true;
            break;
        }
    }
    if (!month_found) return false;
    const std::size_t comma = line.find(", ", at);
    if (comma == std::string::npos || comma == at || comma - at > 2 || line[at] == '0') return false;
    for (std::size_t i = at; i < comma; ++i) {
        if (!std::isdigit(static_cast<unsigned char>(line[i]))) return false;
    }
    const std::string tail = line.substr(comma + 2);
    // "YYYY     Time:  HH:MM:SS"
    if (tail.size() != 24 || tail.compare(4, 12, "     Time:  ") != 0) return false;
    for (int i : {0, 1, 2, 3, 17, 19, 20, 22, 23}) {
        if (!std::isdigit(static_cast<unsigned char>(tail[static_cast<std::size_t>(i)]))) return false;
    }
    return (tail[16] == ' ' || std::isdigit(static_cast<unsigned char>(tail[16]))) &&
           tail[18] == ':' && tail[21] == ':' && tail[19] <= '5' && tail[22] <= '5';
}
const std::string k_Equals(80, '=');

}  // namespace

TEST(EngineRun, WrongInterfaceVersionTouchesNoFile) {
    for (int version : {6031, 6033, 0, -6032}) {
        SCOPED_TRACE(version);
        EngineRun run;
        Write_File(run.input(), "ORVANE6\nEND\n");
        run.Write_Names();
        Write_File(run.dir.file("M_vs_EI_report_names.txt"), run.dir.file("mc1.txt") + "\n");
        EXPECT_EQ(run.Call(version), 99);
        EXPECT_FALSE(File_Exists(run.report()));
        EXPECT_FALSE(File_Exists(run.plot()));
        EXPECT_FALSE(File_Exists(run.messages()));
        EXPECT_TRUE(File_Exists(run.dir.file("M_vs_EI_report_names.txt")));
    }
}

TEST(EngineRun, NamesFileProblemsAreRuntimeErrors) {
    struct Case { const char* name; const char* names_dat; int result; };
    const Case cases[] = {
        {"no NAMES.DAT", nullptr, 202},
        {"only the input name", "in.lp\n", 204},
        {"two names", "in.lp\nout.txt\n", 205},
        {"three names, last without line end", "in.lp\nout.txt\nplot.txt", 206},
        {"blank input name", "   \nout.txt\nplot.txt\nmsg.txt\n", 217},
        {"blank plot name", "in.lp\nout.txt\n\nmsg.txt\n", 217},
        {"empty file", "", 203},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EngineRun run;
        if (c.names_dat != nullptr) Write_File(run.dir.file("NAMES.DAT"), c.names_dat);
        testing::internal::CaptureStderr();
        EXPECT_EQ(run.Call(6032), c.result);
        const std::string err = testing::internal::GetCapturedStderr();
        char heading[64];
        std::snprintf(heading, sizeof heading, "**** Runtime Error No. %d ****\n", c.result - 200);
        EXPECT_EQ(err.rfind(heading, 0), 0u) << err;
        EXPECT_FALSE(File_Exists(run.dir.file("out.txt")));
    }
}

TEST(EngineRun, BlankNameMessagesNameTheFile) {
    EngineRun run;
    Write_File(run.dir.file("NAMES.DAT"), "in.lp\nout.txt\nplot.txt\n  \n");
    testing::internal::CaptureStderr();
    EXPECT_EQ(run.Call(6032), 217);
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("**** Runtime Error No. 17 ****\nRun message filename information is "
                       "corrupted. No analysis performed.\n"),
              std::string::npos)
        << err;
}

TEST(EngineRun, MissingInputFileIsARuntimeErrorWithNoOutputs) {
    EngineRun run;
    run.Write_Names();
    testing::internal::CaptureStderr();
    EXPECT_EQ(run.Call(6032), 207);
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("**** Runtime Error No. 7 ****"), std::string::npos);
    EXPECT_NE(err.find(run.input()), std::string::npos);
    EXPECT_FALSE(File_Exists(run.report()));
}

TEST(EngineRun, EmptyInputFileIsInputError25) {
    EngineRun run;
    EXPECT_EQ(run.Run(""), 125);
    const auto report = Read_Lines(run.report());
    const std::vector<std::string> expected = {
        "", "", "Orvane ended prematurely due to input error number INP00025", "",
        "**** Input Data Error No. 25 ****", "",
        "Length of input file is 0 bytes.  No analysis can be performed.",
        "", "The analysis ended due to input error No. 25.", ""};
    EXPECT_EQ(report, expected);
    const auto messages = Read_Lines(run.messages());
    const std::vector<std::string> expected_messages = {
        "**** Input Data Error No. 25 ****",
        "Size of input data file is 0 bytes.  No analysis performed.",
        "", "The analysis ended due to input error No. 25.", ""};
    EXPECT_EQ(messages, expected_messages);
}

TEST(EngineRun, NormalRunWritesHeaderAndClosingLines) {
    EngineRun run;
    ASSERT_EQ(run.Run(k_Minimal_Problem), 0);
    const auto report = Read_Lines(run.report());
    ASSERT_GE(report.size(), 25u);
    EXPECT_EQ(report[0], k_Equals);
    EXPECT_EQ(report[1], "");
    EXPECT_EQ(report[2].substr(0, 15), std::string(15, ' '));
    EXPECT_EQ(report[2].substr(report[2].size() - 11), "2012-06.032");
    EXPECT_EQ(report[4], std::string(15, ' ') + " Analysis of Individual Piles and Drilled Shafts ");
    EXPECT_EQ(report[5], std::string(15, ' ') + "Subjected to Lateral Loading Using the p-y Method");

    const int files = Find_Line(report, std::string(28, ' ') + "Files Used for Analysis");
    ASSERT_GT(files, 5);
    EXPECT_EQ(report[static_cast<std::size_t>(files) - 1], k_Dashes);
    EXPECT_EQ(report[static_cast<std::size_t>(files) - 2], k_Equals);
    const std::vector<std::string> files_block = {
        k_Dashes, "",
        "Path to file locations:        " + run.dir.path() + "/",
        "Name of input data file:       problem.lp",
        "Name of output report file:    problem-report.txt",
        "Name of plot output file:      problem-plot.txt",
        "Name of runtime messeage file: problem-messages.txt",
        "", "",
        k_Dashes, std::string(27, ' ') + "Date and Time of Analysis", k_Dashes, ""};
    EXPECT_EQ(std::vector<std::string>(report.begin() + files + 1,
                                       report.begin() + files + 1 + 13),
              files_block);
    EXPECT_TRUE(Is_Date_Line(report[static_cast<std::size_t>(files) + 14]))
        << report[static_cast<std::size_t>(files) + 14];
    const std::vector<std::string> ending = {"", "The analysis ended normally. ", ""};
    EXPECT_EQ(std::vector<std::string>(report.end() - 3, report.end()), ending);

    // The input echo follows the date and time, and its first block is the problem title.
    EXPECT_EQ(Find_Line(report, std::string(32, ' ') + "Problem Title"), files + 18);

    const auto messages = Read_Lines(run.messages());
    const std::vector<std::string> expected_messages = {
        "Input of data begun",
        "Reading analysis options",
        "Reading section properties for Section 1",
        "Reading elastic section properties for Section 1",
        "Reading soil layering data",
        "Input of data completed",
        "",
        "File Path and Names Used for Analysis:",
        "Path to file locations:        " + run.dir.path() + "/",
        "Name of input data file:       problem.lp",
        "Name of output report file:    problem-report.txt",
        "Name of plot output file:      problem-plot.txt",
        "Name of runtime messeage file: problem-messages.txt",
        "", "",
        "Output of input data begun",
        "Output of input data completed", "",
        "Computing nonlinear bending stiffness of section 1",
        "Completed computing nonlinear bending stiffness of section 1", "",
        "", "The analysis ended normally. ", ""};
    EXPECT_EQ(messages, expected_messages);
}

TEST(EngineRun, PlotFileStartsWithLines1To3) {
    // Without load cases the elastic section's thrust list is empty: its Line 3 counts none.
    EngineRun run;
    ASSERT_EQ(run.Run(k_Minimal_Problem), 0);
    const auto plot = Read_Lines(run.plot());
    ASSERT_EQ(plot.size(), 3u);
    EXPECT_EQ(plot[0], "    3    1    0    0" + std::string(60, ' ') +
                           "Line 1 : i_Analysis_Type, IUNITS, KYL, ib_ComputeKmatrix_1T0F");
    EXPECT_EQ(plot[1], "    1" + std::string(75, ' ') + "Line 2 : Total number of sections");
    EXPECT_EQ(plot[2], "    0" + std::string(75, ' ') +
                           "Line 3 : Total number of axial thrusts for elastic section");
}

TEST(EngineRun, RunEndedByTheEchoWritesNoLine2) {
    // "Line 2" belongs to the section analysis; a run that the input echo ends (here Input Data
    // Error No. 17, a problem whose tag was refused) never gets there. It was once written
    // together with "Line 1", before the echo.
    EngineRun run;
    const std::string body = std::string(k_Minimal_Problem).substr(std::strlen("ORVANE6\n"));
    ASSERT_EQ(run.Run("orvane6\n" + body), 117);
    const auto plot = Read_Lines(run.plot());
    ASSERT_EQ(plot.size(), 1u);
    EXPECT_NE(plot[0].find("Line 1 : i_Analysis_Type"), std::string::npos);
}

TEST(EngineRun, TagIsTheFirstValueOnlyAndCaseSensitive) {
    // The problem after the tag line is the minimal one; when the tag is refused nothing of it
    // is read, and the echo of the empty model ends the run with Input Data Error No. 17 (a
    // pile without section property points).
    const std::string body = std::string(k_Minimal_Problem).substr(std::strlen("ORVANE6\n"));
    std::string crlf;
    for (char c : body) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    struct Case { const char* name; std::string input; int result; };
    const Case cases[] = {
        {"tag followed by further words", "ORVANE6 written by the front end, v2\n" + body, 0},
        {"tag after blank lines and a comma", "\n\n  ,ORVANE6\n" + body, 0},
        {"lower-case tag: nothing more is read", "orvane6\n" + body, 117},
        {"longer first value: only 7 characters count", "ORVANE6X\n" + body, 0},
        {"tag with CR-LF line ends", "ORVANE6\r\n" + crlf, 0},
        // An editor's UTF-8 byte-order mark is read past; anywhere else it is part of the value.
        {"tag after a byte-order mark", "\xEF\xBB\xBFORVANE6\n" + body, 0},
        {"byte-order mark on a later line", "\n\xEF\xBB\xBFORVANE6\n" + body, 117},
        {"tag then a stray line", "ORVANE6\nend\n", 199},
        {"tag without END", "ORVANE6\n", 199},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EngineRun run;
        EXPECT_EQ(run.Run(c.input), c.result);
        const auto messages = Read_Lines(run.messages());
        const bool reader_ran = Find_Line(messages, "Input of data begun") >= 0;
        const bool tag_ok = std::string(c.name).find("lower-case") == std::string::npos &&
                            std::string(c.name).find("later line") == std::string::npos;
        EXPECT_EQ(reader_ran, tag_ok);
    }
}

TEST(EngineRun, UnrecognizedLineEndsWithInputError99) {
    EngineRun run;
    EXPECT_EQ(run.Run("ORVANE6\n END\n"), 199);
    const auto report = Read_Lines(run.report());
    const std::vector<std::string> expected = {
        "", "", "***** INPUT ERROR *****", "",
        "The following line is unrecognized or is out-of-order", "", " END", "",
        "Problem:  Line 2 of the input data file is not what the reader expects here.",
        "Solution: Check its spelling (keywords and words are case-sensitive) and the order of the "
        "sections.",
        "", "",
        "", "", "Orvane ended prematurely due to input error number INP00099",
        "", "The analysis ended due to input error No. 99.", ""};
    EXPECT_EQ(report, expected);
    const auto messages = Read_Lines(run.messages());
    ASSERT_GE(messages.size(), 3u);
    EXPECT_EQ(std::vector<std::string>(messages.end() - 3, messages.end()),
              (std::vector<std::string>{"", "The analysis ended due to input error No. 99.", ""}));
    EXPECT_EQ(Find_Line(messages, "Input of data completed"), -1);
}

TEST(EngineRun, MomentCurvatureNameListIsReadAndDeleted) {
    EngineRun run;
    std::string list;
    for (int k = 1; k <= 120; ++k) list += run.dir.file("mc" + std::to_string(k) + ".txt") + "\n";
    Write_File(run.dir.file("M_vs_EI_report_names.txt"), list);
    EXPECT_EQ(run.Run(k_Minimal_Problem), 0);
    EXPECT_FALSE(File_Exists(run.dir.file("M_vs_EI_report_names.txt")));
}

TEST(EngineRun, RepeatedCallsStartFromTheInitialState) {
    EngineRun run;
    EXPECT_EQ(run.Run("ORVANE6\nbad line\n"), 199);
    EXPECT_EQ(run.Run(k_Minimal_Problem), 0);
}

TEST(DateLineCheck, AcceptsTheLayoutAndRejectsNearMisses) {
    const std::string pad(15, ' ');
    EXPECT_TRUE(Is_Date_Line(pad + "Date:  December 9, 2026     Time:  23:05:09"));
    EXPECT_TRUE(Is_Date_Line(pad + "Date:  May 31, 2026     Time:   7:00:00"));
    EXPECT_FALSE(Is_Date_Line(pad + "Date:  May 09, 2026     Time:   7:00:00"));    // leading zero
    EXPECT_FALSE(Is_Date_Line(pad + "Date:  Mai 9, 2026     Time:   7:00:00"));     // month name
    EXPECT_FALSE(Is_Date_Line(pad + "Date:  May 9, 2026    Time:   7:00:00"));      // four blanks
    EXPECT_FALSE(Is_Date_Line(pad + "Date:  May 9, 2026     Time:   7:0:00"));      // minutes
}

TEST(EngineRun, AReportOnAFullDeviceEndsWithRuntimeError8) {
    // /dev/full takes every byte and refuses it as a full device does: the report cannot be
    // written, whatever the analysis; the run must not end normally, and its kept error names
    // the file and the reason.
    EngineRun run;
    Write_File(run.input(), Read_File(std::string(ORVANE_EXAMPLES_DIR) + "/pipe-pile-soft-clay.lp"));
    Write_File(run.dir.file("NAMES.DAT"), run.input() + "\n/dev/full\n" + run.plot() + "\n" + run.messages() + "\n");
    EXPECT_EQ(run.Call(6032), 208);
    char* outcome = orvane_outcome_text();
    ASSERT_NE(outcome, nullptr);
    EXPECT_NE(std::string(outcome).find("The file /dev/full could not be written completely: No space left on device."),
              std::string::npos) << outcome;
    orvane_free(outcome);
}
