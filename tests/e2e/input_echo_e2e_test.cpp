// The input echo inside a whole run: it stands between the report header and the computation,
// and a warning it records is summarised even when a later check of the echo ends the run.
#include <gtest/gtest.h>

#include <string>

#include "e2e/run_support.h"
#include "support/test_support.h"

namespace {

// The minimal problem with its soil and loading type replaced.
std::string With(const std::string& loading_line, const std::string& soil_layers) {
    std::string text = k_Minimal_Problem;
    text.replace(text.find("Loading STATIC"), std::string("Loading STATIC").size(), loading_line);
    const std::size_t soil = text.find("SOIL LAYERS\n");
    return text.substr(0, soil) + "SOIL LAYERS\n" + soil_layers + "END\n";
}

}  // namespace

TEST(InputEchoEndToEnd, WarningBeforeAnEchoErrorIsStillSummarised) {
    EngineRun run;
    // a liquefied sand layer 19.7 ft deep, then one load cycle where 2 to 5000 are allowed
    EXPECT_EQ(run.Run(With("Loading CYCLIC     1", "1\n7 0.0 19.7\n60.0\n60.0\n")), 128);
    const auto report = Read_Lines(run.report());
    const int warning = Find_Line(report, "             for using the p-y criteria for liquefied sand.");
    const int error = Find_Line(report, "**** Input Data Error No. 28 ****");
    const int ended = Find_Line(report, "The analysis ended due to input error No. 28.");
    const int summary = Find_Line(report, std::string(26, ' ') + "Summary of Warning Messages");
    const int text354 = Find_Line(report, "**** Warning - Possible Modelling Error ****");
    ASSERT_GE(warning, 0);
    EXPECT_LT(warning, error);
    EXPECT_LT(error, ended);
    EXPECT_LT(ended, summary);
    EXPECT_LT(summary, text354);
    EXPECT_EQ(Find_Line(report, "The analysis ended normally. "), -1);
    const auto messages = Read_Lines(run.messages());
    EXPECT_GE(Find_Line(messages, "Output of input data begun"), 0);
    EXPECT_EQ(Find_Line(messages, "Output of input data completed"), -1);
}

TEST(InputEchoEndToEnd, EchoShowsFeetAndTheRunStillComputesInInches) {
    // The echo writes the values as input; the conversion to inches comes after it, so the
    // layer's bottom reads 10 ft in the echo while the run ends normally.
    EngineRun run;
    EXPECT_EQ(run.Run(k_Minimal_Problem), 0);
    const auto report = Read_Lines(run.report());
    EXPECT_GE(Find_Line(report, "   Distance from top of pile to bottom of layer        =     10.00000 ft"), 0);
    EXPECT_GE(Find_Line(report, "Total length of pile                                   =     10.00000 ft"), 0);
}
