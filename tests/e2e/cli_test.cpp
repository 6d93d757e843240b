// The orvane command: usage, driver errors, outputs next to the input or in --out-dir, exit codes.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

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
    EXPECT_EQ(r.out, "The analysis ended due to input error No. 99. Line 2 of the input data file is "
                     "not what the reader expects here. Solution: Check its spelling (keywords and "
                     "words are case-sensitive) and the order of the sections. Report: " +
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

TEST(Cli, OutcomeNamesTheErrorAndItsFirstExplanation) {
    struct Case { const char* name; std::string input; int exit_code; const char* outcome; };
    const std::string minimal = k_Minimal_Problem;
    std::string negative_length = minimal;
    negative_length.replace(negative_length.find("\n10.0\n"), 6, "\n-10.0\n");
    // Soft clay over massive rock with one load case: the massive rock stop, told as such.
    std::string massive_rock = minimal;
    const std::string one_layer = "SOIL LAYERS\n1\n1 0.0 10.0\n";
    massive_rock.replace(massive_rock.find(one_layer), one_layer.size(), "SOIL LAYERS\n2\n1 0.0 4.0\n");
    massive_rock.replace(massive_rock.find("END\n"), 4,
                         "16 4.0 10.0\n150.0 8000.0 3 60.0 0.0\n150.0 8000.0 3 60.0 0.0\n"
                         "LOADING\n1\n1 1 1000.0 0.0 0.0 1\n0\nEND\n");
    std::string without_options = minimal;
    without_options.erase(without_options.find("OPTIONS"), without_options.find("SECTIONS") - without_options.find("OPTIONS"));
    const Case cases[] = {
        {"section of negative length", negative_length, 1,
         "The analysis ended due to input error No. 84. Pile section 1 has a length of -10.00000 ft. "
         "Solution: Give every pile section a length greater than zero. Report: "},
        {"a part not built yet", without_options, 3,
         "The analysis ended due to runtime error No. 1. This engine build cannot yet compute a problem "
         "without its OPTIONS section. Solution: Use an engine build that includes it, or leave it out "
         "of the problem. Report: "},
        {"massive rock", massive_rock, 3,
         "The analysis stopped at a massive rock layer, whose criterion computes no p-y curve "
         "(engine status 99). The massive rock criterion of soil layer 2 computes no p-y curve. "
         "No lateral response can be computed for a pile that reaches this layer. Solution: "
         "Describe the rock of this layer with the weak rock or the strong rock (vuggy limestone) "
         "criteria, or end the pile above the layer. Report: "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        Write_File(dir.file("p.lp"), c.input);
        const CommandResult r = Run_Cli(dir.path(), "p.lp");
        EXPECT_EQ(r.exit_code, c.exit_code);
        EXPECT_EQ(r.out, c.outcome + dir.file("p-report.txt") + "\n");
    }
}

TEST(Cli, OutputThatCannotBeWrittenIsADriverErrorWithItsReason) {
    // The report's name is taken by a directory: the run's report cannot be put there. This was
    // once exit 3 with "Report: ..." pointing at a file that was never written.
    TempDir dir;
    Write_File(dir.file("p.lp"), k_Minimal_Problem);
    // What the directory holds stays where it is: an earlier report is exchanged with the new
    // one and then removed, which must never happen to a directory.
    ASSERT_EQ(std::system(("mkdir '" + dir.file("p-report.txt") + "'").c_str()), 0);
    Write_File(dir.file("p-report.txt/kept.txt"), "mine\n");
    const CommandResult r = Run_Cli(dir.path(), "p.lp");
    EXPECT_EQ(r.exit_code, 4);
    EXPECT_TRUE(r.out.empty());
    EXPECT_NE(r.err.find("cannot write " + dir.file("p-report.txt") + ": Is a directory"), std::string::npos)
        << r.err;
    EXPECT_EQ(Read_File(dir.file("p-report.txt/kept.txt")), "mine\n");
}

TEST(Cli, ARunReplacesTheOutputsOfAnEarlierRunWhole) {
    // The second run's files take the place of the first's (an earlier file is exchanged with the
    // new one, then removed); another name linked to an earlier report keeps that report, and no
    // working directory is left behind.
    TempDir dir;
    Write_File(dir.file("p.lp"), Read_File(std::string(ORVANE_EXAMPLES_DIR) + "/pipe-pile-soft-clay.lp"));
    ASSERT_EQ(Run_Cli(dir.path(), "p.lp").exit_code, 0);
    const std::string first_report = Read_File(dir.file("p-report.txt"));
    ASSERT_EQ(std::system(("ln '" + dir.file("p-report.txt") + "' '" + dir.file("first-report.txt") + "'").c_str()), 0);
    Write_File(dir.file("p.lp"), Read_File(std::string(ORVANE_EXAMPLES_DIR) + "/pipe-pile-sand.lp"));
    ASSERT_EQ(Run_Cli(dir.path(), "p.lp --out-dir fresh").exit_code, 0);
    ASSERT_EQ(Run_Cli(dir.path(), "p.lp").exit_code, 0);
    for (const char* file : {"p-report.txt", "p-plot.txt", "p-messages.txt"}) {
        SCOPED_TRACE(file);
        std::vector<std::string> got = Read_Lines(dir.file(file));
        std::vector<std::string> want = Read_Lines(dir.file(std::string("fresh/") + file));
        const auto dated = [](const std::string& line) { return line.find("Date:") != std::string::npos; };
        got.erase(std::remove_if(got.begin(), got.end(), dated), got.end());
        want.erase(std::remove_if(want.begin(), want.end(), dated), want.end());
        EXPECT_EQ(got, want);
    }
    EXPECT_EQ(Read_File(dir.file("first-report.txt")), first_report);
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
        EXPECT_NE(entry.path().filename().string().rfind(".orvane-", 0), 0u) << entry.path();
    }
}

TEST(Cli, ARunEndedByASignalLeavesNoWorkingDirectoryBehind) {
    // The run is held at the lock on the output folder, its files finished in its private
    // directory, when it is told to stop: it once left that directory in the user's folder.
    TempDir dir;
    Write_File(dir.file("p.lp"), Read_File(std::string(ORVANE_EXAMPLES_DIR) + "/pipe-pile-soft-clay.lp"));
    ASSERT_EQ(std::system(("mkdir '" + dir.file("out") + "'").c_str()), 0);
    for (const int signal_number : {SIGTERM, SIGINT}) {
        SCOPED_TRACE(signal_number);
        const int lock = open(dir.file("out").c_str(), O_RDONLY | O_DIRECTORY);
        ASSERT_GE(lock, 0);
        ASSERT_EQ(flock(lock, LOCK_EX), 0);
        const pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            if (chdir(dir.path().c_str()) == 0) {
                execl(ORVANE_CLI_PATH, "orvane", "p.lp", "--out-dir", "out", static_cast<char*>(nullptr));
            }
            _exit(127);
        }
        // wait until the finished report lies in the private directory
        const auto private_report = [&]() {
            for (const auto& entry : std::filesystem::directory_iterator(dir.file("out"))) {
                if (entry.path().filename().string().rfind(".orvane-", 0) == 0 &&
                    std::filesystem::exists(entry.path() / "p-report.txt")) {
                    return true;
                }
            }
            return false;
        };
        bool held = false;
        for (int wait = 0; wait < 600 && !held; ++wait) {
            held = private_report();
            if (!held) usleep(50000);
        }
        EXPECT_TRUE(held);
        ASSERT_EQ(kill(pid, signal_number), 0);
        int status = 0;
        ASSERT_EQ(waitpid(pid, &status, 0), pid);
        flock(lock, LOCK_UN);
        close(lock);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal_number) << status;
        EXPECT_TRUE(std::filesystem::is_empty(dir.file("out")));
    }
}

TEST(Cli, ConcurrentRunsIntoOneFolderNeverMixTheirFiles) {
    // Two different problems with the same stem written into one folder at the same time once left
    // a report with the title of one and the body of the other, and a plot file with NUL bytes.
    TempDir dir;
    ASSERT_EQ(std::system(("mkdir '" + dir.file("a") + "' '" + dir.file("b") + "' '" +
                           dir.file("out") + "' '" + dir.file("ref-a") + "' '" + dir.file("ref-b") + "'")
                              .c_str()),
              0);
    Write_File(dir.file("a/p.lp"), Read_File(std::string(ORVANE_EXAMPLES_DIR) + "/pipe-pile-soft-clay.lp"));
    Write_File(dir.file("b/p.lp"), Read_File(std::string(ORVANE_EXAMPLES_DIR) + "/pipe-pile-sand.lp"));
    ASSERT_EQ(Run_Cli(dir.path(), "a/p.lp --out-dir ref-a").exit_code, 0);
    ASSERT_EQ(Run_Cli(dir.path(), "b/p.lp --out-dir ref-b").exit_code, 0);
    // The report's date line and its input path differ from run to run; the rest must not.
    const auto comparable = [](const std::string& path) {
        std::string kept;
        for (const std::string& line : Read_Lines(path)) {
            if (line.find("Date:") != std::string::npos || line.find("Path to file locations") == 0) continue;
            kept += line + "\n";
        }
        return kept;
    };
    for (int round = 0; round < 10; ++round) {
        SCOPED_TRACE(round);
        const std::string both = "cd '" + dir.path() + "' && ('" ORVANE_CLI_PATH "' a/p.lp --out-dir out >/dev/null & '"
                                 ORVANE_CLI_PATH "' b/p.lp --out-dir out >/dev/null & wait)";
        ASSERT_EQ(std::system(both.c_str()), 0);
        for (const char* file : {"p-report.txt", "p-plot.txt", "p-messages.txt"}) {
            SCOPED_TRACE(file);
            const std::string got = comparable(dir.file(std::string("out/") + file));
            EXPECT_EQ(got.find('\0'), std::string::npos);
            const bool is_a = got == comparable(dir.file(std::string("ref-a/") + file));
            const bool is_b = got == comparable(dir.file(std::string("ref-b/") + file));
            EXPECT_TRUE(is_a || is_b);
        }
    }
}

TEST(Cli, MalformedInputsEndWithTheirErrorAndWords) {
    // What a new user runs into first, through the command: each case with its exit code and
    // the words the outcome or the driver's message must contain.
    const std::string minimal = k_Minimal_Problem;
    const auto changed = [&minimal](const std::string& from, const std::string& to) {
        std::string text = minimal;
        text.replace(text.find(from), from.size(), to);
        return text;
    };
    struct Case { const char* name; std::string input; int exit_code; std::string words; };
    const Case cases[] = {
        {"byte-order mark before the tag", "\xEF\xBB\xBF" + minimal, 0, "The analysis ended normally."},
        {"another version's tag", changed("ORVANE6", "ORVANE5"), 1, "is not an input data file"},
        {"section of negative length", changed("\n10.0\n2\n", "\n-10.0\n2\n"), 1,
         "input error No. 84. Pile section 1 has a length of -10.00000 ft."},
        {"modulus of elasticity zero", changed("29000000.0", "0.0"), 1,
         "input error No. 85. Pile section 1 has a modulus of elasticity of 0.0000."},
        {"negative effective unit weight", changed("110.0 500.0 0.02\n110.0", "-110.0 500.0 0.02\n110.0"), 1,
         "input error No. 87. Soil layer 1 has a negative effective unit weight of -110.00000 pcf."},
        {"number longer than the 256-character field", changed("Increments 40", "Increments 4" + std::string(300, '0')), 1,
         "input error No. 88. Line 14 of the input data file has text beyond column 256"},
        {"tip shear table with UseTipShear NO", changed("END\n", "TIP SHEAR\n2\n1 0.0 0.0\n2 0.5 300.0\nEND\n"), 0,
         "The analysis ended normally with 1 warning kind."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        Write_File(dir.file("p.lp"), c.input);
        const CommandResult r = Run_Cli(dir.path(), "p.lp");
        EXPECT_EQ(r.exit_code, c.exit_code);
        EXPECT_NE((r.out + r.err).find(c.words), std::string::npos) << r.out << r.err;
    }
}

namespace {

std::vector<std::string> Svg_Files(const std::string& dir) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir)) {
        const std::string n = e.path().filename().string();
        if (n.size() > 4 && n.compare(n.size() - 4, 4, ".svg") == 0) names.push_back(n);
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

TEST(Cli, JsonAndPlotsLandBesideTheEngineFilesWithTheOutcomeUnchanged) {
    TempDir dir;
    const std::string example = ORVANE_EXAMPLES_DIR "/pipe-pile-soft-clay.lp";
    const CommandResult plain = Run_Cli(dir.path(), "'" + example + "' --out-dir plain");
    EXPECT_EQ(plain.exit_code, 0);
    EXPECT_FALSE(File_Exists(dir.file("plain/pipe-pile-soft-clay-results.json")));
    EXPECT_TRUE(Svg_Files(dir.file("plain")).empty());

    // a figure of an earlier run with more sections goes; the new figures replace the old ones
    Write_File(dir.file("pipe-pile-soft-clay-section-9.svg"), "old");
    Write_File(dir.file("pipe-pile-soft-clay-response.svg"), "old");
    const CommandResult r = Run_Cli(dir.path(), "'" + example + "' --out-dir . --plots --json");
    EXPECT_EQ(r.exit_code, 0) << r.err;
    EXPECT_EQ(r.out, "The analysis ended normally. Report: " + dir.file("pipe-pile-soft-clay-report.txt") + "\n");
    EXPECT_EQ(Svg_Files(dir.path()),
              (std::vector<std::string>{"pipe-pile-soft-clay-head-load-deflection.svg", "pipe-pile-soft-clay-py-curves.svg",
                                        "pipe-pile-soft-clay-response.svg", "pipe-pile-soft-clay-section-1.svg"}));
    EXPECT_NE(Read_File(dir.file("pipe-pile-soft-clay-response.svg")).find("<svg"), std::string::npos);
    // the engine's own files are the same with or without the new outputs
    for (const char* suffix : {"-plot.txt", "-mc1.txt"}) {
        EXPECT_EQ(Read_File(dir.file(std::string("pipe-pile-soft-clay") + suffix)),
                  Read_File(dir.file(std::string("plain/pipe-pile-soft-clay") + suffix)))
            << suffix;
    }
    const nlohmann::json j = nlohmann::json::parse(Read_File(dir.file("pipe-pile-soft-clay-results.json")));
    EXPECT_EQ(j["outcome"]["result_code"], 0);
    EXPECT_EQ(j["results"]["load_cases"].size(), 4u);
    EXPECT_EQ(j["results"]["load_cases"][3]["head_conditions"]["shear"], 250.0);
}

TEST(Cli, HtmlReportIsWrittenOnlyWhenAskedAndAlsoForARunEndedByAnError) {
    TempDir dir;
    const std::string example = ORVANE_EXAMPLES_DIR "/pipe-pile-soft-clay.lp";
    const CommandResult plain = Run_Cli(dir.path(), "'" + example + "' --out-dir plain --plots");
    EXPECT_EQ(plain.exit_code, 0);
    EXPECT_FALSE(File_Exists(dir.file("plain/pipe-pile-soft-clay-report.html")));

    const CommandResult r = Run_Cli(dir.path(), "'" + example + "' --out-dir . --html");
    EXPECT_EQ(r.exit_code, 0) << r.err;
    EXPECT_TRUE(Svg_Files(dir.path()).empty());   // the figures are inside the report, not beside it
    const std::string html = Read_File(dir.file("pipe-pile-soft-clay-report.html"));
    EXPECT_EQ(html.rfind("<!DOCTYPE html>", 0), 0u);
    EXPECT_NE(html.find("The analysis ended normally."), std::string::npos);
    EXPECT_NE(html.find("<svg"), std::string::npos);
    // the engine's files are the same with or without it
    EXPECT_EQ(Read_File(dir.file("pipe-pile-soft-clay-plot.txt")), Read_File(dir.file("plain/pipe-pile-soft-clay-plot.txt")));

    // an input error: the report says so and shows the error's text, with no figure
    Write_File(dir.file("bad.lp"), "ORVANE6\nNOT A KEYWORD\n");
    const CommandResult bad = Run_Cli(dir.path(), "bad.lp --html");
    EXPECT_EQ(bad.exit_code, 1);
    const std::string bad_html = Read_File(dir.file("bad-report.html"));
    EXPECT_NE(bad_html.find("input error No. 99"), std::string::npos);
    EXPECT_NE(bad_html.find("NOT A KEYWORD"), std::string::npos);
    EXPECT_EQ(bad_html.find("<svg"), std::string::npos);

    // --check writes nothing, so it takes no --html
    EXPECT_EQ(Run_Cli(dir.path(), "--check bad.lp --html").exit_code, 2);
}

// The explanation of an unrecognized second line of an input data file.
constexpr const char* k_Unrecognized_Line_2 =
    "Line 2 of the input data file is not what the reader expects here. Solution: Check its spelling "
    "(keywords and words are case-sensitive) and the order of the sections.";

TEST(Cli, RunEndedByAnErrorWritesItsErrorAsJsonAndNoFigures) {
    TempDir dir;
    Write_File(dir.file("bad.lp"), "ORVANE6\nNOT A KEYWORD\n");
    Write_File(dir.file("bad-response.svg"), "from an earlier run that ended normally");
    const CommandResult r = Run_Cli(dir.path(), "bad.lp --json --plots");
    EXPECT_EQ(r.exit_code, 1);
    EXPECT_EQ(r.out, "The analysis ended due to input error No. 99. " + std::string(k_Unrecognized_Line_2) +
                         " Report: " + dir.file("bad-report.txt") + "\n");
    EXPECT_TRUE(Svg_Files(dir.path()).empty());
    const nlohmann::json j = nlohmann::json::parse(Read_File(dir.file("bad-results.json")));
    EXPECT_TRUE(j["results"].is_null());
    ASSERT_EQ(j["errors"].size(), 1u);
    EXPECT_EQ(j["errors"][0]["kind"], "input");
    EXPECT_EQ(j["errors"][0]["number"], 99);
    // this error's framed message carries no number in its heading; the text is the message's
    const nlohmann::json& text = j["errors"][0]["text"];
    ASSERT_EQ(text.size(), 5u) << text.dump();
    EXPECT_EQ(text[0], "***** INPUT ERROR *****");
    EXPECT_EQ(text[1], "The following line is unrecognized or is out-of-order");
    EXPECT_EQ(text[2], "NOT A KEYWORD");
    EXPECT_EQ(text[3], "Problem:  Line 2 of the input data file is not what the reader expects here.");
    EXPECT_EQ(j["outcome"]["result_code"], 199);
}

TEST(Cli, WarningsOfARunAreInTheJsonWithTheirNumberAndText) {
    // a title line of 300 characters is cut to 256 (warning 391); a tip shear table given with
    // "UseTipShear NO" acts all the same (warning 393). With one warning kind the result code
    // names it; with two, the numbers come from the standard texts of the report's summary.
    const std::string minimal = k_Minimal_Problem;
    const std::string long_title =
        "ORVANE6\nTITLE\n" + std::string(300, 'x') + "\n\n\n\n\n" + minimal.substr(minimal.find("OPTIONS"));
    std::string both = long_title;
    both.replace(both.find("END\n"), 4, "TIP SHEAR\n2\n1 0.0 0.0\n2 0.5 300.0\nEND\n");
    struct Case { const char* name; std::string input; int result_code; std::vector<int> numbers; };
    const Case cases[] = {
        {"title cut", long_title, -391, {391}},
        {"title cut and tip shear with NO", both, -300, {391, 393}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        Write_File(dir.file("long title.lp"), c.input);
        const CommandResult r = Run_Cli(dir.path(), "'long title.lp' --json");
        EXPECT_EQ(r.exit_code, 0) << r.err;
        const nlohmann::json j = nlohmann::json::parse(Read_File(dir.file("long title-results.json")));
        EXPECT_EQ(j["outcome"]["result_code"], c.result_code);
        ASSERT_EQ(j["warnings"].size(), c.numbers.size());
        for (std::size_t k = 0; k < c.numbers.size(); ++k) {
            EXPECT_EQ(j["warnings"][k]["number"], c.numbers[k]);
            EXPECT_EQ(j["warnings"][k]["count"], 1);
            EXPECT_FALSE(j["warnings"][k]["text"].empty());
        }
        EXPECT_EQ(j["title"][0].get<std::string>(), std::string(256, 'x'));
    }
}

TEST(Cli, AnOutputCutShortIsNeverASuccessAndNothingOfItGoesIntoPlace) {
    // Files may grow to 50 KiB only (the limit of the shell that starts the command; the signal
    // the kernel sends on a write past it is ignored, so the write fails as on a full device).
    // The drilled shaft's report is about 130 KB: it cannot be written whole.
    TempDir dir;
    const std::string example = std::string(ORVANE_EXAMPLES_DIR) + "/pier4-drilled-shaft.lp";
    Write_File(dir.file("pier4-drilled-shaft.lp"), Read_File(example));
    Write_File(dir.file("pier4-drilled-shaft-report.txt"), "the report of an earlier run\n");
    const std::string command = "cd '" + dir.path() + "' && bash -c 'ulimit -f 50; trap \"\" XFSZ; exec '\\''" +
                                ORVANE_CLI_PATH + "'\\'' pier4-drilled-shaft.lp --json' >out.txt 2>err.txt";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 4);
    const std::string err = Read_File(dir.file("err.txt"));
    EXPECT_NE(err.find("runtime error No. 8"), std::string::npos) << err;
    EXPECT_NE(err.find("pier4-drilled-shaft-report.txt could not be written completely: File too large"),
              std::string::npos) << err;
    // the earlier report stays, and nothing of this run is left beside it
    EXPECT_EQ(Read_File(dir.file("pier4-drilled-shaft-report.txt")), "the report of an earlier run\n");
    for (const char* name : {"pier4-drilled-shaft-plot.txt", "pier4-drilled-shaft-messages.txt",
                             "pier4-drilled-shaft-results.json", "pier4-drilled-shaft-mc1.txt"}) {
        EXPECT_FALSE(File_Exists(dir.file(name))) << name;
    }
    EXPECT_EQ(Read_File(dir.file("out.txt")), "");
}
