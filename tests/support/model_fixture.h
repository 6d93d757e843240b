// Test pieces that reach into the analysis model: a fixture with a fresh model and capture of the
// run's report, plot and message files.
#pragma once

#include <string>
#include <vector>

#include "support/test_support.h"

// A fixture that puts the model into its initial state before every test.
class ModelTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};

// Points the model's report, plot and message handles at fresh temporary files (closed by
// ModelTest's TearDown) so that writers can be read back with Captured_*_Lines.
void Capture_Run_Files();
std::vector<std::string> Captured_Report_Lines();
std::vector<std::string> Captured_Message_Lines();
std::vector<std::string> Captured_Plot_Lines();

