// The orvane command: usage, driver errors, outputs next to the input or in --out-dir, exit codes.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <string>

#include "e2e/run_support.h"
#include "support/test_support.h"

namespace {

struct CommandResult {
    int exit_code;
    std::string out;
    std::string err;
};

// Runs the orvane binary with the given arguments (already shell-quoted) in directory dir.
CommandResult Run_Cli(const std::string& dir, const std::string& args) {
    TempDir capture;
    const std::string out_file = capture.file("out");
    const std::string err_file = capture.file("err");
    const std::string command = "cd '" + dir + "' && '" ORVANE_CLI_PATH "' " + args + " >'" +
                                out_file + "' 2>'" + err_file + "'";
    const int status = std::system(command.c_str());
    CommandResult r;
    r.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.out = Read_File(out_file);
    r.err = Read_File(err_file);
    return r;
}

int Count_Lines(const std::string& text) {
    int n = 0;
    for (char c : text) n += c == '\n';
    return n;
}

}  // namespace

TEST(Cli, HelpExplainsUsageOutputsAndExitCodes) {
    TempDir dir;
    const CommandResult r = Run_Cli(dir.path(), "--help");
    EXPECT_EQ(r.exit_code, 0);
    for (const char* text : {"usage: orvane PROBLEM [--out-dir DIR]", "NAMES.DAT", "-report.txt",
                             "-plot.txt", "-messages.txt", "Exit codes"}) {
        EXPECT_NE(r.out.find(text), std::string::npos) << text;
    }
}

TEST(Cli, UsageErrorsExitWith2) {
    TempDir dir;
    for (const char* args : {"", "--out-dir", "a.lp b.lp", "--bogus a.lp"}) {
        SCOPED_TRACE(args);
        const CommandResult r = Run_Cli(dir.path(), args);
        EXPECT_EQ(r.exit_code, 2);
        EXPECT_TRUE(r.out.empty());
        EXPECT_NE(r.err.find("orvane: "), std::string::npos);
    }
}

TEST(Cli, MissingInputIsOneClearLine) {
    TempDir dir;
    const CommandResult r = Run_Cli(dir.path(), "nowhere.lp");
    EXPECT_EQ(r.exit_code, 4);
    EXPECT_EQ(Count_Lines(r.err), 1);
    EXPECT_NE(r.err.find("nowhere.lp"), std::string::npos);
    EXPECT_TRUE(r.out.empty());
}

TEST(Cli, UnwritableOutputDirectoryIsOneClearLine) {
    TempDir dir;
    Write_File(dir.file("p.lp"), "ORVANE6\nEND\n");
    Write_File(dir.file("plainfile"), "x");
    const CommandResult r = Run_Cli(dir.path(), "p.lp --out-dir plainfile/sub");
    EXPECT_EQ(r.exit_code, 4);
    EXPECT_EQ(Count_Lines(r.err), 1);
}

TEST(Cli, NormalRunLeavesOutputsNextToInputAndUserNamesFileAlone) {
    TempDir dir;
    Write_File(dir.file("pier 3.lp"), k_Minimal_Problem);
    Write_File(dir.file("NAMES.DAT"), "my own hand-off file\n");
    const CommandResult r = Run_Cli(dir.path(), "'pier 3.lp'");
    EXPECT_EQ(r.exit_code, 0) << r.err;
    EXPECT_EQ(r.out, "The analysis ended normally. Report: " + dir.file("pier 3-report.txt") + "\n");
    EXPECT_TRUE(File_Exists(dir.file("pier 3-plot.txt")));
    EXPECT_TRUE(File_Exists(dir.file("pier 3-messages.txt")));
    EXPECT_EQ(Read_File(dir.file("NAMES.DAT")), "my own hand-off file\n");
    EXPECT_FALSE(File_Exists(dir.file("M_vs_EI_report_names.txt")));
}

TEST(Cli, OutDirReceivesOutputsAndInputErrorExitsWith1) {
    TempDir dir;
    Write_File(dir.file("bad.lp"), "ORVANE6\nNOT A KEYWORD\n");
    const CommandResult r = Run_Cli(dir.path(), "bad.lp --out-dir results");
    EXPECT_EQ(r.exit_code, 1);
    EXPECT_EQ(r.out, "The analysis ended due to input error No. 99. Report: " +
                         dir.file("results/bad-report.txt") + "\n");
    EXPECT_NE(Read_File(dir.file("results/bad-report.txt")).find("NOT A KEYWORD"),
              std::string::npos);
}

TEST(Cli, FileThatIsNotAnInputDataFileIsToldSoPlainly) {
    // Run by the engine such a file ends with Input Data Error No. 17 about pile property points,
    // a problem the user does not have; a byte-order mark in front of the tag is no such file.
    struct Case { const char* name; std::string text; int exit_code; const char* words; };
    const Case cases[] = {
        {"older version", "ORVANE5\nEND\n", 1, "its first value must be ORVANE6, but it is \"ORVANE5\""},
        {"not an input file", "hello world\n", 1, "but it is \"hello\""},
        {"only blank lines", "\n  \n", 1, "but it is missing"},
        {"byte-order mark before the tag", "\xEF\xBB\xBF" + std::string(k_Minimal_Problem), 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        Write_File(dir.file("p.lp"), c.text);
        const CommandResult r = Run_Cli(dir.path(), "p.lp");
        EXPECT_EQ(r.exit_code, c.exit_code);
        if (c.exit_code == 0) {
            EXPECT_NE(r.out.find("The analysis ended normally."), std::string::npos);
            continue;
        }
        EXPECT_NE(r.err.find("p.lp is not an input data file"), std::string::npos) << r.err;
        EXPECT_NE(r.err.find(c.words), std::string::npos) << r.err;
        EXPECT_FALSE(File_Exists(dir.file("p-report.txt")));
    }
}

TEST(Cli, EmptyInputIsInputError25) {
    TempDir dir;
    Write_File(dir.file("empty.lp"), "");
    const CommandResult r = Run_Cli(dir.path(), "empty.lp");
    EXPECT_EQ(r.exit_code, 1);
    EXPECT_NE(r.out.find("input error No. 25"), std::string::npos);
}
